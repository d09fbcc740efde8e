#include "host/adif/log_pass.h"

#include "host/adif/adif_reader.h"

namespace host {

PassCounts ReadQsos(ByteSource& source, const std::optional<std::string>& ownCall,
                    const WarningSink& warn, const std::function<void(const HostQso&)>& take) {
  PassCounts counts;
  AdifReader reader(source, warn);
  HostQso qso;
  while (const AdifRecord* record = reader.Next()) {
    ++counts.records;
    if (auto reason = MapRecord(*record, ownCall, qso, warn)) {
      warn(LogWarning{record->number, record->offset, std::move(*reason), true});
      continue;
    }
    ++counts.qsos;
    take(qso);
  }
  return counts;
}

}  // namespace host
