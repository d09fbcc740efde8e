#include "host/adif/qso_mapping.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "host/adif/ascii.h"
#include "host/adif/frequency.h"
#include "host/adif/mode.h"

namespace host {
namespace {

// The fields the mapping reads, found in one pass over the record.
enum Field {
  kCall,
  kQsoDate,
  kTimeOn,
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
    "CALL",    "QSO_DATE",         "TIME_ON",  "FREQ",       "BAND", "MODE",
    "SUBMODE", "RST_SENT",         "RST_RCVD", "STX_STRING", "STX",  "SRX_STRING",
    "SRX",     "STATION_CALLSIGN", "OPERATOR"};

class Fields {
 public:
  explicit Fields(const AdifRecord& record) {
    for (const AdifField& field : record.fields) {
      for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (field.name == kFieldNames[i]) {
          if (found_[i] == nullptr) found_[i] = &field;
          break;
        }
      }
    }
  }

  const AdifField* Get(Field field) const { return found_[field]; }
  std::string_view Value(Field field) const {
    return found_[field] == nullptr ? std::string_view{} : found_[field]->value;
  }
  // The first of the two fields that has a value.
  Field FirstFilled(Field first, Field second) const {
    return Trimmed(Value(first)).empty() ? second : first;
  }

 private:
  std::array<const AdifField*, kFieldCount> found_{};
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
  if (Trimmed(fields.Value(kCall)).empty()) return std::string("no CALL");

  const std::string_view dateText = fields.Value(kQsoDate);
  if (dateText.empty()) return std::string("no QSO_DATE");
  const auto date = ParseAdifDate(dateText);
  if (!date) return "QSO_DATE " + Quoted(dateText) + " is not a date (YYYYMMDD)";
  qso.date = *date;

  const std::string_view timeText = fields.Value(kTimeOn);
  if (timeText.empty()) return std::string("no TIME_ON");
  const auto time = ParseAdifTime(timeText);
  if (!time) return "TIME_ON " + Quoted(timeText) + " is not a time (HHMM or HHMMSS)";
  qso.secondOfDay = *time;

  const Field ownCallField = fields.FirstFilled(kStationCallsign, kOperator);
  const Field sentField = fields.FirstFilled(kStxString, kStx);
  const Field receivedField = fields.FirstFilled(kSrxString, kSrx);
  for (const Field passed : {kCall, kBand, kMode, kSubmode, kRstSent, kRstRcvd, sentField,
                             receivedField, ownCallField}) {
    if (passed == ownCallField && ownCall) continue;
    if (auto fault = ControlByteIn(fields, passed)) return fault;
  }

  FrequencyChoice frequency = ChooseFrequency(fields.Value(kFreq), fields.Value(kBand));
  if (!frequency.refusal.empty()) return std::move(frequency.refusal);
  if (!frequency.repair.empty()) {
    const AdifField* about = fields.Get(kFreq) ? fields.Get(kFreq) : fields.Get(kBand);
    warn(LogWarning{record.number, about->offset, std::move(frequency.repair), false});
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

}  // namespace host
