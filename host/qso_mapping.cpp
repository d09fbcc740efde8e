#include "host/qso_mapping.h"

#include <string_view>
#include <variant>

#include "host/ascii.h"
#include "host/band.h"
#include "host/frequency.h"
#include "host/mode.h"

namespace host {
namespace {

std::string_view ValueOf(const AdifRecord& record, std::string_view name) {
  const std::string* value = record.Find(name);
  return value == nullptr ? std::string_view{} : std::string_view{*value};
}

// The first of the fields that has a value.
std::string FirstFilled(const AdifRecord& record, std::string_view first, std::string_view second) {
  const std::string_view value = ValueOf(record, first);
  return std::string(Trimmed(value).empty() ? ValueOf(record, second) : value);
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

// The QSO, or the reason why the record can not be one.
std::variant<HostQso, std::string> MapRecord(const AdifRecord& record,
                                             const std::optional<std::string>& ownCall) {
  HostQso qso;
  qso.record = record.number;
  qso.call = std::string(ValueOf(record, "CALL"));
  if (Trimmed(qso.call).empty()) return std::string("no CALL");

  const std::string_view dateText = ValueOf(record, "QSO_DATE");
  if (dateText.empty()) return std::string("no QSO_DATE");
  const auto date = ParseAdifDate(dateText);
  if (!date) return "QSO_DATE " + Quoted(dateText) + " is not a date (YYYYMMDD)";
  qso.date = *date;

  const std::string_view timeText = ValueOf(record, "TIME_ON");
  if (timeText.empty()) return std::string("no TIME_ON");
  const auto time = ParseAdifTime(timeText);
  if (!time) return "TIME_ON " + Quoted(timeText) + " is not a time (HHMM or HHMMSS)";
  qso.secondOfDay = *time;

  const std::string_view frequencyText = ValueOf(record, "FREQ");
  if (!frequencyText.empty()) {
    const auto hertz = ParseFrequencyHz(frequencyText);
    if (!hertz) return "FREQ " + Quoted(frequencyText) + " is not a frequency in MHz";
    qso.frequencyHz = *hertz;
  }

  const std::string_view bandText = ValueOf(record, "BAND");
  if (!Trimmed(bandText).empty()) {
    qso.band = HostBandName(bandText);
  } else if (frequencyText.empty()) {
    return std::string("neither BAND nor FREQ");
  } else if (const auto band = BandForFrequency(qso.frequencyHz)) {
    qso.band = *band;
  } else {
    return "no BAND, and FREQ " + Quoted(frequencyText) + " lies outside the amateur bands";
  }

  qso.ownCall = ownCall ? *ownCall : FirstFilled(record, "STATION_CALLSIGN", "OPERATOR");
  qso.mode = HostModeName(ValueOf(record, "MODE"), ValueOf(record, "SUBMODE"));
  qso.rstSent = std::string(ValueOf(record, "RST_SENT"));
  qso.rstReceived = std::string(ValueOf(record, "RST_RCVD"));
  qso.exchangeSent = FirstFilled(record, "STX_STRING", "STX");
  qso.exchangeReceived = FirstFilled(record, "SRX_STRING", "SRX");
  return qso;
}

}  // namespace

MappedLog MapRecords(const AdifLog& log, const std::optional<std::string>& ownCall) {
  MappedLog mapped;
  for (const AdifRecord& record : log.records) {
    auto result = MapRecord(record, ownCall);
    if (auto* qso = std::get_if<HostQso>(&result)) {
      mapped.qsos.push_back(std::move(*qso));
    } else {
      mapped.skipped.push_back(
          SkippedRecord{record.number, record.offset, std::get<std::string>(std::move(result))});
    }
  }
  return mapped;
}

}  // namespace host
