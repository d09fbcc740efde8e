#include "stats/station/cabrillo_writer.h"

#include <array>

#include "stats/public/plugin_names.h"
#include "stats/rules/modes.h"
#include "stats/station/multiline_forms.h"
#include "stats/station/station_fields.h"
#include "stats/text.h"

namespace stats {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A header line: its text, followed by a value unless `value` is null. A
// multi-line value gives one line per line, each starting with the text.
struct HeaderLine {
  std::string_view text;
  std::string StationDetailsForm::*value;
};

// CLAIMED-SCORE is the score of the result being written, not the claimed
// score the dialog showed.
constexpr std::array<HeaderLine, 12> kHeaderLines{{
    {kCabrilloFirstLine, nullptr},
    {"CALLSIGN: ", &StationDetailsForm::callSign},
    {"CATEGORY: ", &StationDetailsForm::category},
    {"CLAIMED-SCORE: ", &StationDetailsForm::claimed},
    {"CLUB: ", &StationDetailsForm::club},
    {"CONTEST: KESDRA VELK", nullptr},
    {"CREATED-BY: MixW ", nullptr},
    {"NAME: ", &StationDetailsForm::name},
    {"ADDRESS: ", &StationDetailsForm::address},
    {"OPERATORS: ", &StationDetailsForm::operators},
    {"EMAIL: ", &StationDetailsForm::email},
    {"SOAPBOX: ", &StationDetailsForm::soapbox},
}};

enum class Align { kLeft, kRight };

// One column of a "QSO:" line: its text padded with blanks to `width`.
struct Column {
  std::string_view text;
  std::size_t width;
  Align align;
};

void AppendColumn(std::string& line, const Column& column) {
  const std::size_t padding =
      column.text.size() < column.width ? column.width - column.text.size() : 0;
  if (column.align == Align::kRight) line.append(padding, ' ');
  AppendOnOneLine(line, column.text);
  if (column.align == Align::kLeft) line.append(padding, ' ');
}

std::string_view CabrilloModeCode(std::string_view mode) noexcept {
  const ContestMode* const contestMode = FindContestMode(mode);
  return contestMode == nullptr ? "??" : contestMode->cabrilloCode;
}

std::string CabrilloLog(const StationDetailsForm& header, std::string_view includeFile,
                        const QsoStore::Records& qsos) {
  std::string log;
  for (const HeaderLine& line : kHeaderLines) {
    log += line.text;
    if (line.value != nullptr) {
      const std::string& value = header.*line.value;
      log += IsMultiLine(line.value) ? EditToCabrilloForm(value, line.text) : value;
    }
    log += kLineEnd;
  }
  log += includeFile;
  for (const Qso& qso : qsos) log += FormatQsoLine(header.callSign, qso);
  log += kCabrilloLastLine;
  log += kLineEnd;
  return log;
}

// The include file's bytes, unchanged. A missing file is created empty; a file
// that can not be read gives nothing.
std::string ReadCabrilloInclude(Platform& platform, const std::string& path) {
  if (std::optional<std::string> contents = platform.ReadWholeFile(path)) return *contents;
  platform.EnsureFileExists(path);
  return {};
}

}  // namespace

std::string FormatQsoLine(std::string_view senderCall, const Qso& qso) {
  const std::string frequency = std::to_string(qso.FrequencyKhz());
  const std::string time = FormatOleDateTime(qso.qsoTime, "%Y-%m-%d %H%M");
  const std::array<Column, 9> columns{{
      {frequency, 5, Align::kRight},
      {CabrilloModeCode(qso.mode), 2, Align::kRight},
      {time, 0, Align::kLeft},
      {senderCall, 13, Align::kLeft},
      {qso.rstSent, 3, Align::kLeft},
      {qso.exchangeSent, 6, Align::kLeft},
      {qso.call, 13, Align::kLeft},
      {qso.rstReceived, 3, Align::kLeft},
      {qso.exchangeReceived, 0, Align::kLeft},
  }};
  std::string line = "QSO:";
  for (const Column& column : columns) {
    line += ' ';
    AppendColumn(line, column);
  }
  line += kLineEnd;
  return line;
}

bool WriteCabrilloLog(Platform& platform, const std::string& path,
                      const StationDetailsForm& details, std::int32_t claimedScore,
                      const QsoStore::Records& qsos) {
  StationDetailsForm header = details;
  header.claimed = std::to_string(claimedScore);
  const std::string include = ReadCabrilloInclude(platform, std::string(kCabrilloIncludePath));
  return platform.ReplaceWholeFile(path, CabrilloLog(header, include, qsos));
}

}  // namespace stats
