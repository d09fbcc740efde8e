#pragma once

// The Cabrillo 2.0 log the plug-in writes, line by line: the header lines in
// order, then the operator's include file, the QSO lines and the last line.
// The plug-in writes it, the log readers read it (and the Cabrillo 3.0 logs
// laid out like it), and the contest simulator writes logs like it; this is
// the only place its layout is spelled.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace stats {

inline constexpr std::string_view kCabrilloLineEnd = "\r\n";
inline constexpr std::string_view kCabrilloFirstLine = "START-OF-LOG: 2.0";
inline constexpr std::string_view kCabrilloLastLine = "END-OF-LOG:";

// What follows the tag of a header line.
enum class CabrilloValue {
  kNone,  // a fixed line
  kCallSign,
  kCategory,
  kClaimedScore,
  kClub,
  kName,
  kAddress,  // one line per line of the address, each with the tag
  kOperators,
  kEmail,
  kSoapbox,  // one line per line of the remarks, each with the tag
};

struct CabrilloHeaderLine {
  std::string_view tag;  // a tag keeps its blank when the value is empty
  CabrilloValue value;
};

inline constexpr std::array<CabrilloHeaderLine, 12> kCabrilloHeader{{
    {kCabrilloFirstLine, CabrilloValue::kNone},
    {"CALLSIGN: ", CabrilloValue::kCallSign},
    {"CATEGORY: ", CabrilloValue::kCategory},
    {"CLAIMED-SCORE: ", CabrilloValue::kClaimedScore},
    {"CLUB: ", CabrilloValue::kClub},
    {"CONTEST: KESDRA VELK", CabrilloValue::kNone},
    {"CREATED-BY: MixW ", CabrilloValue::kNone},
    {"NAME: ", CabrilloValue::kName},
    {"ADDRESS: ", CabrilloValue::kAddress},
    {"OPERATORS: ", CabrilloValue::kOperators},
    {"EMAIL: ", CabrilloValue::kEmail},
    {"SOAPBOX: ", CabrilloValue::kSoapbox},
}};

// A QSO line: its tag, then each column after one blank, then the line end.
inline constexpr std::string_view kCabrilloQsoTag = "QSO:";

enum class CabrilloField {
  kFrequency,  // in kHz
  kMode,       // the mode's Cabrillo code (stats/rules/modes.h)
  kTime,       // date and time: kCabrilloTimePattern
  kOwnCall,    // the sender's call
  kRstSent,
  kExchangeSent,
  kCall,  // the worked station
  kRstReceived,
  kExchangeReceived,
};

enum class CabrilloAlign {
  kLeft,
  kRight,
  kNone,  // written as it is
};

// `width` is the column's in the fixed layout of Cabrillo logs. The plug-in
// pads a shorter value with blanks to it, as `align` says, and cuts no longer
// one, so that a long value moves the later columns to the right.
struct CabrilloColumn {
  CabrilloField field;
  std::size_t width;
  CabrilloAlign align;
};

inline constexpr std::array<CabrilloColumn, 9> kCabrilloQsoColumns{{
    {CabrilloField::kFrequency, 5, CabrilloAlign::kRight},
    {CabrilloField::kMode, 2, CabrilloAlign::kRight},
    {CabrilloField::kTime, 15, CabrilloAlign::kNone},
    {CabrilloField::kOwnCall, 13, CabrilloAlign::kLeft},
    {CabrilloField::kRstSent, 3, CabrilloAlign::kLeft},
    {CabrilloField::kExchangeSent, 6, CabrilloAlign::kLeft},
    {CabrilloField::kCall, 13, CabrilloAlign::kLeft},
    {CabrilloField::kRstReceived, 3, CabrilloAlign::kLeft},
    {CabrilloField::kExchangeReceived, 6, CabrilloAlign::kNone},
}};

// The date and time of a QSO (strftime's conversions): the date, a blank and
// the time, "2013-02-05 0907"; the plug-in writes nothing for a time that has
// no valid date.
inline constexpr std::string_view kCabrilloTimePattern = "%Y-%m-%d %H%M";
inline constexpr std::size_t kCabrilloDateWidth = 10;

// Where a column begins in the fixed layout, counted from the line's start.
constexpr std::size_t CabrilloColumnStart(CabrilloField field) {
  std::size_t start = kCabrilloQsoTag.size() + 1;
  for (const CabrilloColumn& column : kCabrilloQsoColumns) {
    if (column.field == field) break;
    start += column.width + 1;
  }
  return start;
}

// Appends the column's value with its padding.
inline void AppendCabrilloColumn(std::string& line, const CabrilloColumn& column,
                                 std::string_view value) {
  const std::size_t padding = column.align == CabrilloAlign::kNone || value.size() >= column.width
                                  ? 0
                                  : column.width - value.size();
  if (column.align == CabrilloAlign::kRight) line.append(padding, ' ');
  line += value;
  if (column.align == CabrilloAlign::kLeft) line.append(padding, ' ');
}

}  // namespace stats
