#include "stats/station/cabrillo_writer.h"

#include "stats/public/cabrillo_layout.h"
#include "stats/public/plugin_names.h"
#include "stats/rules/modes.h"
#include "stats/station/multiline_forms.h"
#include "stats/station/station_fields.h"
#include "stats/text.h"

namespace stats {
namespace {

// The field of the station details that a header line ends in; null for a
// fixed line. CLAIMED-SCORE is the score of the result being written, not the
// claimed score the dialog showed.
std::string StationDetailsForm::*FieldOf(CabrilloValue value) noexcept {
  switch (value) {
    case CabrilloValue::kNone:
      return nullptr;
    case CabrilloValue::kCallSign:
      return &StationDetailsForm::callSign;
    case CabrilloValue::kCategory:
      return &StationDetailsForm::category;
    case CabrilloValue::kClaimedScore:
      return &StationDetailsForm::claimed;
    case CabrilloValue::kClub:
      return &StationDetailsForm::club;
    case CabrilloValue::kName:
      return &StationDetailsForm::name;
    case CabrilloValue::kAddress:
      return &StationDetailsForm::address;
    case CabrilloValue::kOperators:
      return &StationDetailsForm::operators;
    case CabrilloValue::kEmail:
      return &StationDetailsForm::email;
    case CabrilloValue::kSoapbox:
      return &StationDetailsForm::soapbox;
  }
  return nullptr;
}

std::string_view CabrilloModeCode(std::string_view mode) noexcept {
  const ContestMode* const contestMode = FindContestMode(mode);
  return contestMode == nullptr ? "??" : contestMode->cabrilloCode;
}

std::string CabrilloLog(const StationDetailsForm& header, std::string_view includeFile,
                        const QsoStore::Records& qsos) {
  std::string log;
  for (const CabrilloHeaderLine& line : kCabrilloHeader) {
    log += line.tag;
    if (const auto field = FieldOf(line.value)) {
      const std::string& value = header.*field;
      log += IsMultiLine(field) ? EditToCabrilloForm(value, line.tag) : value;
    }
    log += kCabrilloLineEnd;
  }
  log += includeFile;
  for (const Qso& qso : qsos) log += FormatQsoLine(header.callSign, qso);
  log += kCabrilloLastLine;
  log += kCabrilloLineEnd;
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
  const std::string time = FormatOleDateTime(qso.qsoTime, kCabrilloTimePattern);
  const auto value = [&](CabrilloField field) -> std::string_view {
    switch (field) {
      case CabrilloField::kFrequency:
        return frequency;
      case CabrilloField::kMode:
        return CabrilloModeCode(qso.mode);
      case CabrilloField::kTime:
        return time;
      case CabrilloField::kOwnCall:
        return senderCall;
      case CabrilloField::kRstSent:
        return qso.rstSent;
      case CabrilloField::kExchangeSent:
        return qso.exchangeSent;
      case CabrilloField::kCall:
        return qso.call;
      case CabrilloField::kRstReceived:
        return qso.rstReceived;
      case CabrilloField::kExchangeReceived:
        return qso.exchangeReceived;
    }
    return {};
  };
  std::string line(kCabrilloQsoTag);
  for (const CabrilloColumn& column : kCabrilloQsoColumns) {
    line += ' ';
    AppendCabrilloColumn(line, column, value(column.field));
  }
  KeepOnOneLine(line, kCabrilloQsoTag.size());
  line += kCabrilloLineEnd;
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
