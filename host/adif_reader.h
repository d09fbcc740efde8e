#pragma once

// Reads ADIF 3 files in the tagged form (.adi): an optional header ended by
// <EOH>, then records of <NAME:LENGTH[:TYPE]>value fields, each record ended by
// <EOR>. Field names are case-insensitive; lengths count bytes, and the values
// are taken as the bytes of the file (Windows-1251 and UTF-8 pass unchanged).
// Text between fields is ignored.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace host {

struct AdifField {
  std::string name;  // in capitals
  std::string value;
};

struct AdifRecord {
  std::size_t number = 0;  // 1 for the first record of the file
  std::size_t offset = 0;  // byte offset of the record's first field, from 0
  bool terminated = true;  // false for a last record that the file ends without <EOR>
  std::vector<AdifField> fields;

  // The value of the first field with this name (in capitals), or nullptr.
  const std::string* Find(std::string_view name) const;
};

struct AdifLog {
  std::vector<AdifRecord> records;
};

// A file that breaks the tag syntax: where it breaks and why.
class AdifSyntaxError : public std::runtime_error {
 public:
  AdifSyntaxError(std::size_t record, std::size_t offset, const std::string& reason);

  std::size_t record() const { return record_; }  // the record being read, from 1
  std::size_t offset() const { return offset_; }  // byte offset of the faulty tag, from 0

 private:
  std::size_t record_;
  std::size_t offset_;
};

// Parses a whole file. A file whose first byte is not "<" begins with a header,
// which ends at the first <EOH>; fields before an <EOH> that comes before the
// first <EOR> are header fields too. A record without fields ("<EOR><EOR>") is
// dropped. Throws AdifSyntaxError for a tag that never closes, a tag without a
// name, a field tag without a length, a length that is not a decimal number, a
// value that runs past the end of the file, and an <EOH> after the first record.
AdifLog ParseAdif(std::string_view bytes);

}  // namespace host
