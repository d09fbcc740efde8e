#pragma once

// One pass over the log: every record read and mapped, each QSO handed on as
// soon as it is read, so that no copy of the log's records is kept.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "logs/adif/log_warning.h"
#include "logs/adif/qso_mapping.h"
#include "logs/bytes/byte_source.h"

namespace logs {

struct PassCounts {
  std::size_t records = 0;  // records read
  std::size_t qsos = 0;     // of them, QSOs handed to `take`
};

// A record that can not be a QSO, with the number it sent on the air all the
// same (see SentExchangeOf).
struct SkippedQso {
  std::size_t record = 0;
  std::string_view exchangeSent;
};

// `take` gets each QSO (the same object every time, with the next QSO's
// values); `warn` gets what the reader and the mapping warn about, and every
// skipped record (with `skipped` set and the reason); `skip`, when given, gets
// every skipped record too. Throws what the reader throws.
PassCounts ReadQsos(ByteSource& source, const std::optional<std::string>& ownCall,
                    const WarningSink& warn, const std::function<void(const HostQso&)>& take,
                    const std::function<void(const SkippedQso&)>& skip = {});

}  // namespace logs
