#pragma once

// A warning about one record of the log: something the reader repaired, or the
// reason why a record was skipped.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace logs {

struct LogWarning {
  std::size_t record = 0;    // from 1; 0 for the header
  std::uint64_t offset = 0;  // byte of the file it is about, from 0
  std::string text;
  bool skipped = false;  // the record did not reach the plug-in
};

using WarningSink = std::function<void(LogWarning)>;

// "record 12, byte 3456", or "header, byte 78", as messages name a place in the log.
inline std::string PlaceInLog(std::size_t record, std::uint64_t offset) {
  return (record == 0 ? std::string("header") : "record " + std::to_string(record)) + ", byte " +
         std::to_string(offset);
}

}  // namespace logs
