#include "logs/adif/qso_mapping.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string_view>

#include "logs/radio/frequency.h"
#include "logs/radio/mode.h"
#include "logs/text/ascii.h"
#include "logs/text/shown_text.h"

namespace logs {
namespace {

// The fields the mapping reads, found in one pass over the record.
enum Field {
  kCall,
  kQsoDate,
  kTimeOn,
  kTimeOff,
  kFreq,
  kBand,
  kMode,
  kSubmode,
  kRstSent,
  kRstRcvd,
  kStxString,
  kStx,
  kSrxString,
  kSrx,
  kStationCallsign,
  kOperator,
  kFieldCount
};

constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    "CALL",       "QSO_DATE", "TIME_ON",          "TIME_OFF", "FREQ",       "BAND",
    "MODE",       "SUBMODE",  "RST_SENT",         "RST_RCVD", "STX_STRING", "STX",
    "SRX_STRING", "SRX",      "STATION_CALLSIGN", "OPERATOR"};

class Fields {
 public:
  explicit Fields(const AdifRecord& record) {
    for (const AdifField& field : record.fields) {
      const auto found = std::find(kFieldNames.begin(), kFieldNames.end(), field.name);
      if (found == kFieldNames.end()) continue;
      const auto index = static_cast<std::size_t>(found - kFieldNames.begin());
      if (found_[index] != nullptr) continue;
      found_[index] = &field;
      values_[index] = Trimmed(field.value);
    }
  }

  const AdifField* Get(Field field) const { return found_[field]; }
  // Without the blanks and line breaks at its ends.
  std::string_view Value(Field field) const { return values_[field]; }
  // The first of the two fields that has a value.
  Field FirstFilled(Field first, Field second) const {
    return Value(first).empty() ? second : first;
  }

 private:
  std::array<const AdifField*, kFieldCount> found_{};
  std::array<std::string_view, kFieldCount> values_{};
};

// Why a text the plug-in gets can not be passed: a control byte would cut it
// (NUL) or split the plug-in's lines. Nothing when it can.
std::optional<std::string> ControlByteIn(const Fields& fields, Field field) {
  const std::string_view value = fields.Value(field);
  for (const char c : value) {
    if (!IsControlByte(c)) continue;
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(c)));
    return std::string(kFieldNames[field]) + " holds the control byte " + code;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> MapRecord(const AdifRecord& record,
                                     const std::optional<std::string>& ownCall, HostQso& qso,
                                     const WarningSink& warn) {
  const Fields fields(record);
  qso.record = record.number;
  qso.offset = record.offset;
  const auto warnAt = [&](const AdifField* field, std::string text) {
    warn(LogWarning{record.number, field ? field->offset : record.offset, std::move(text), false});
  };
  for (const AdifField& dropped : record.dropped) {
    if (std::find(kFieldNames.begin(), kFieldNames.end(), dropped.name) != kFieldNames.end()) {
      return std::string(dropped.name) + " was dropped, being too large";
    }
  }

  const Field timeField =
      fields.Value(kTimeOn).empty() && !fields.Value(kTimeOff).empty() ? kTimeOff : kTimeOn;
  const Field ownCallField = fields.FirstFilled(kStationCallsign, kOperator);
  const Field sentField = fields.FirstFilled(kStxString, kStx);
  const Field receivedField = fields.FirstFilled(kSrxString, kSrx);
  const std::array<Field, 12> handedOver = {kCall,    kQsoDate,  timeField,     kFreq,
                                            kBand,    kMode,     kSubmode,      kRstSent,
                                            kRstRcvd, sentField, receivedField, ownCallField};
  const std::span<const Field> passed(handedOver.data(), ownCall ? 11 : 12);
  for (const Field field : passed) {
    const AdifField* found = fields.Get(field);
    if (found == nullptr || fields.Value(field).size() == found->value.size()) continue;
    warnAt(found, std::string(kFieldNames[field]) + " " + Quoted(found->value) +
                      ": the blanks and line breaks at its ends are trimmed");
  }

  if (fields.Value(kCall).empty()) return std::string("no CALL");
  const std::string_view dateText = fields.Value(kQsoDate);
  if (dateText.empty()) return std::string("no QSO_DATE");
  const auto date = ParseAdifDate(dateText);
  if (!date) return "QSO_DATE " + Quoted(dateText) + " is not a date (YYYYMMDD)";
  qso.date = *date;

  const std::string_view timeText = fields.Value(timeField);
  if (timeText.empty()) return std::string("no TIME_ON");
  if (timeField == kTimeOff) {
    warnAt(fields.Get(kTimeOff),
           "no TIME_ON: TIME_OFF " + Quoted(timeText) + " is taken as the time of the QSO");
  }
  const auto time = ParseAdifTime(timeText);
  if (!time) {
    return std::string(kFieldNames[timeField]) + " " + Quoted(timeText) +
           " is not a time (HHMM or HHMMSS)";
  }
  qso.secondOfDay = *time;
  // The plug-in writes a moment after the last OLE day's midnight without its date.
  if (ToOleDate(qso.date, qso.secondOfDay) > stats::kLastOleDay) {
    return FormatIsoDate(qso.date) + " " + FormatTimeOfDay(qso.secondOfDay) +
           " lies after 9999-12-31 00:00:00, the last moment that the plug-in can write: it "
           "would write the QSO without its date";
  }

  for (const Field field : passed) {
    if (field == kQsoDate || field == timeField || field == kFreq) continue;
    if (auto fault = ControlByteIn(fields, field)) return fault;
  }

  FrequencyChoice frequency = ChooseFrequency(fields.Value(kFreq), fields.Value(kBand));
  if (!frequency.refusal.empty()) return std::move(frequency.refusal);
  if (!frequency.bandRepair.empty()) warnAt(fields.Get(kBand), std::move(frequency.bandRepair));
  if (!frequency.repair.empty()) {
    warnAt(fields.Get(kFreq) ? fields.Get(kFreq) : fields.Get(kBand), std::move(frequency.repair));
  }
  qso.frequencyHz = frequency.hertz;
  qso.band = std::move(frequency.band);

  qso.call = fields.Value(kCall);
  qso.ownCall = ownCall ? std::string_view(*ownCall) : fields.Value(ownCallField);
  qso.mode = HostModeName(fields.Value(kMode), fields.Value(kSubmode));
  qso.rstSent = fields.Value(kRstSent);
  qso.rstReceived = fields.Value(kRstRcvd);
  qso.exchangeSent = fields.Value(sentField);
  qso.exchangeReceived = fields.Value(receivedField);
  return std::nullopt;
}

}  // namespace logs
