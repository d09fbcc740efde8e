#include "logs/adif/adif_log.h"

#include <algorithm>

#include "logs/adif/adif_reader.h"
#include "logs/adif/qso_mapping.h"
#include "logs/file/repair_list.h"
#include "logs/text/ascii.h"
#include "logs/text/log_encoding.h"

namespace logs {
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

// Whether the QSO's time is to the minute: a TIME_ON of HHMM, or none (TIME_OFF
// stands in for it).
bool ToTheMinute(const AdifRecord& record) {
  const AdifField* const timeOn = record.Find("TIME_ON");
  return timeOn == nullptr || timeOn->value.size() == 4;
}

}  // namespace

void ReadAdif(std::string_view bytes, LogFile& log) {
  log.format = "ADIF";
  log.encoding = DetectEncoding(bytes);
  RepairList repairs;
  LineCounter lines(bytes);
  const auto warn = [&](LogWarning warning) {
    repairs.Add("record " + std::to_string(warning.record), std::move(warning.text));
  };
  try {
    MemoryBytes source(bytes);
    AdifReader reader(source, warn);
    HostQso qso;
    while (const AdifRecord* record = reader.Next()) {
      if (auto reason = MapRecord(*record, std::nullopt, qso, warn)) {
        repairs.Add("record " + std::to_string(record->number), *reason + ", not read");
        continue;
      }
      if (log.ownCall.empty()) log.ownCall = UpperCopy(Trimmed(qso.ownCall));
      log.qsos.push_back(
          LoggedQsoOf(qso, lines.LineOf(record->offset), ToTheMinute(*record), qso.mode));
    }
  } catch (const AdifSyntaxError& error) {
    log.failure = std::string("not a readable ADIF file: ") + error.what();
  }
  const std::vector<std::string> repaired = repairs.Lines();
  log.repairs.insert(log.repairs.end(), repaired.begin(), repaired.end());
}

}  // namespace logs
