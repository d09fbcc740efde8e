// The ADIF reader on arbitrary bytes: it either returns records or throws its
// error for a file that is no ADIF, never anything else; what it returns and
// warns about is consistent with the file, and writing the records out again
// as ADIF and reading that back gives the same records, without a warning.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "logs/adif/adif_reader.h"
#include "tests/support/adif_records.h"

namespace {

using fuzz::Fail;
using fuzz::Require;

bool IsUpper(std::string_view name) {
  for (const char c : name) {
    if (c >= 'a' && c <= 'z') return false;
  }
  return true;
}

void CheckConsistent(const logs_test::ReadLog& log, std::string_view bytes) {
  std::size_t valueBytes = 0;
  std::size_t previousOffset = 0;
  for (std::size_t i = 0; i < log.records.size(); ++i) {
    const logs_test::OwnedRecord& record = log.records[i];
    Require(record.number == i + 1, "records are numbered from 1 in file order");
    Require(!record.fields.empty() || !record.cutShort.empty(), "a record has fields, or is cut");
    Require(record.offset < bytes.size() && bytes[record.offset] == '<',
            "a record's offset is its first tag");
    Require(i == 0 || record.offset > previousOffset, "records follow each other in the file");
    Require((record.terminated && record.cutShort.empty()) || i + 1 == log.records.size(),
            "only the last record may be open or cut short");
    previousOffset = record.offset;
    for (const logs_test::OwnedField& field : record.fields) {
      Require(!field.name.empty() && IsUpper(field.name), "field names are in capitals");
      Require(field.name.find_first_of(":<>") == std::string::npos, "a name is inside its tag");
      valueBytes += field.value.size();
    }
  }
  Require(valueBytes <= bytes.size(), "values are bytes of the file");
  for (const logs::LogWarning& warning : log.warnings) {
    Require(warning.offset < bytes.size(), "a warning points into the file");
    Require(warning.record <= log.records.size() + 1,
            "a warning names the header or a record that was read");
  }
}

// The records that have fields: the others can not be written out.
logs_test::ReadLog WithFields(logs_test::ReadLog log) {
  std::erase_if(log.records, [](const logs_test::OwnedRecord& r) { return r.fields.empty(); });
  for (std::size_t i = 0; i < log.records.size(); ++i) log.records[i].number = i + 1;
  return log;
}

std::string Write(const logs_test::ReadLog& log) {
  std::string text;
  for (const logs_test::OwnedRecord& record : log.records) {
    for (const logs_test::OwnedField& field : record.fields) {
      text += "<" + field.name + ":" + std::to_string(field.value.size()) + ">" + field.value;
    }
    if (record.terminated) text += "<EOR>\n";
  }
  return text;
}

std::size_t CountRepeatedFields(const logs_test::ReadLog& log) {
  std::size_t count = 0;
  for (const auto& record : log.records) {
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        if (record.fields[j].name == record.fields[i].name) {
          ++count;
          break;
        }
      }
    }
  }
  return count;
}

bool SameRecords(const logs_test::ReadLog& a, const logs_test::ReadLog& b) {
  if (a.records.size() != b.records.size()) return false;
  for (std::size_t i = 0; i < a.records.size(); ++i) {
    const auto& left = a.records[i];
    const auto& right = b.records[i];
    if (left.terminated != right.terminated || left.fields.size() != right.fields.size()) {
      return false;
    }
    for (std::size_t j = 0; j < left.fields.size(); ++j) {
      if (left.fields[j].name != right.fields[j].name) return false;
      if (left.fields[j].value != right.fields[j].value) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  logs_test::ReadLog log;
  try {
    log = logs_test::ReadAll(bytes);
  } catch (const logs::AdifSyntaxError& error) {
    Require(error.Offset() < size, "the error points into the file");
    Require(error.Record() == 0, "a file that is no ADIF fails as a whole");
    return 0;
  }
  CheckConsistent(log, bytes);
  log = WithFields(std::move(log));
  const std::string again = Write(log);
  try {
    const logs_test::ReadLog back = logs_test::ReadAll(again);
    Require(SameRecords(back, log), "written out and read back: same records");
    const bool open = !log.records.empty() && !log.records.back().terminated;
    Require(back.warnings.size() == CountRepeatedFields(log) + (open ? 1 : 0),
            "written out and read back: no warning but for fields given twice and a last "
            "record without <EOR>");
  } catch (const logs::AdifSyntaxError&) {
    Fail("the reader's own records read back without a syntax error");
  }
  return 0;
}
