#pragma once

// Whole ADIF texts read through the host's streaming reader into records that
// own their bytes, with every warning, for tests and the fuzz target.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "logs/adif/adif_reader.h"
#include "logs/bytes/byte_source.h"

namespace logs_test {

struct OwnedField {
  std::string name;
  std::string value;
  std::uint64_t offset = 0;
};

struct OwnedRecord {
  std::size_t number = 0;
  std::uint64_t offset = 0;
  bool terminated = true;
  std::string cutShort;
  std::vector<OwnedField> fields;

  // The first value of the field, or `fallback` when it is missing.
  std::string ValueOr(std::string_view name, std::string_view fallback = "-") const {
    for (const OwnedField& field : fields) {
      if (field.name == name) return field.value;
    }
    return std::string(fallback);
  }
};

struct ReadLog {
  std::vector<OwnedRecord> records;
  std::vector<logs::LogWarning> warnings;
};

// Throws what the reader throws.
inline ReadLog ReadAll(std::string_view bytes) {
  ReadLog log;
  logs::MemoryBytes source(bytes);
  logs::AdifReader reader(source,
                          [&](logs::LogWarning warning) { log.warnings.push_back(warning); });
  while (const logs::AdifRecord* record = reader.Next()) {
    OwnedRecord owned{
        record->number, record->offset, record->terminated, std::string(record->cutShort), {}};
    for (const logs::AdifField& field : record->fields) {
      owned.fields.push_back(
          OwnedField{std::string(field.name), std::string(field.value), field.offset});
    }
    log.records.push_back(std::move(owned));
  }
  return log;
}

}  // namespace logs_test
