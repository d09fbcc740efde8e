#include "crosscheck/adif/adif_log.h"

#include <algorithm>

#include "crosscheck/input/log_encoding.h"
#include "crosscheck/input/repair_list.h"
#include "host/adif/adif_reader.h"
#include "host/adif/ascii.h"
#include "host/adif/qso_date.h"
#include "host/adif/qso_mapping.h"

namespace crosscheck {
namespace {

// Line numbers of byte offsets that only grow.
class LineCounter {
 public:
  explicit LineCounter(std::string_view bytes) : bytes_(bytes) {}

  std::uint32_t LineOf(std::uint64_t offset) {
    const std::size_t end = std::min<std::uint64_t>(offset, bytes_.size());
    if (end > counted_) {
      line_ += static_cast<std::uint32_t>(
          std::count(bytes_.begin() + counted_, bytes_.begin() + end, '\n'));
      counted_ = end;
    }
    return line_;
  }

 private:
  std::string_view bytes_;
  std::size_t counted_ = 0;
  std::uint32_t line_ = 1;
};

LoggedQso QsoOf(const host::AdifRecord& record, const host::HostQso& qso, std::uint32_t line) {
  LoggedQso logged;
  logged.line = line;
  const host::AdifField* const timeOn = record.Find("TIME_ON");
  logged.toTheMinute = timeOn == nullptr || timeOn->value.size() == 4;
  logged.call = host::UpperCopy(host::Trimmed(qso.call));
  logged.band = qso.band;
  logged.mode = qso.mode;
  logged.contestMode = stats::FindContestMode(qso.mode);
  logged.time = host::SecondsSinceOleEpoch(qso.date, qso.secondOfDay);
  logged.sent = host::UpperCopy(host::Trimmed(qso.exchangeSent));
  logged.received = host::UpperCopy(host::Trimmed(qso.exchangeReceived));
  return logged;
}

}  // namespace

void ReadAdif(std::string_view bytes, LogFile& log) {
  log.format = "ADIF";
  log.encoding = DetectEncoding(bytes);
  RepairList repairs;
  LineCounter lines(bytes);
  const auto warn = [&](host::LogWarning warning) {
    repairs.Add("record " + std::to_string(warning.record), std::move(warning.text));
  };
  try {
    host::MemoryBytes source(bytes);
    host::AdifReader reader(source, warn);
    host::HostQso qso;
    while (const host::AdifRecord* record = reader.Next()) {
      if (auto reason = host::MapRecord(*record, std::nullopt, qso, warn)) {
        repairs.Add("record " + std::to_string(record->number), *reason + ", not read");
        continue;
      }
      if (log.ownCall.empty()) log.ownCall = host::UpperCopy(host::Trimmed(qso.ownCall));
      log.qsos.push_back(QsoOf(*record, qso, lines.LineOf(record->offset)));
    }
  } catch (const host::AdifSyntaxError& error) {
    log.failure = std::string("not a readable ADIF file: ") + error.what();
  }
  const std::vector<std::string> repaired = repairs.Lines();
  log.repairs.insert(log.repairs.end(), repaired.begin(), repaired.end());
}

}  // namespace crosscheck
