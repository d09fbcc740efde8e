#include "logs/adif/log_pass.h"

#include "logs/adif/adif_reader.h"

namespace logs {

PassCounts ReadQsos(ByteSource& source, const std::optional<std::string>& ownCall,
                    const WarningSink& warn, const std::function<void(const HostQso&)>& take,
                    const std::function<void(const SkippedQso&)>& skip) {
  PassCounts counts;
  AdifReader reader(source, warn);
  HostQso qso;
  while (const AdifRecord* record = reader.Next()) {
    ++counts.records;
    auto reason = record->cutShort.empty()
                      ? MapRecord(*record, ownCall, qso, warn)
                      : std::optional<std::string>(std::string(record->cutShort));
    if (reason) {
      warn(LogWarning{record->number, record->offset, std::move(*reason), true});
      if (skip) skip(SkippedQso{record->number, SentExchangeOf(*record)});
      continue;
    }
    ++counts.qsos;
    take(qso);
  }
  return counts;
}

}  // namespace logs
