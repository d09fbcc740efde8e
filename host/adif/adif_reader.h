#pragma once

// Reads ADIF 3 files in the tagged form (.adi) one record at a time, so that a
// log of any size needs only the memory of its largest record: an optional
// header ended by <EOH>, then records of <NAME:LENGTH[:TYPE]>value fields, each
// ended by <EOR>. Field names are case-insensitive; lengths count bytes, and
// the values are the bytes of the file (Windows-1251 and UTF-8 pass unchanged).
//
// Repairs, each with a warning that names the record and the byte offset:
// - A stated length never swallows a well-formed tag (<EOR>, <EOH> or
//   <NAME:LENGTH[:TYPE]>) that begins inside the value: such a length was
//   counted for other bytes (CR LF turned into LF, Windows-1251 text counted
//   as UTF-8), so the value ends where that tag begins and reading goes on
//   from the tag.
// - Text between fields is ignored; text that is not blank is warned about.
// - A field that comes twice in a record: the first value counts.
// - A last record that the file ends without <EOR> is taken.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/adif/byte_source.h"
#include "host/adif/log_warning.h"

namespace host {

struct AdifField {
  std::string_view name;     // in capitals
  std::string_view value;    // bytes of the file
  std::uint64_t offset = 0;  // of the field's tag, from 0
};

struct AdifRecord {
  std::size_t number = 0;    // 1 for the first record of the file
  std::uint64_t offset = 0;  // byte offset of the record's first field, from 0
  bool terminated = true;    // false for a last record that the file ends without <EOR>
  std::vector<AdifField> fields;

  // The first field with this name (in capitals), or nullptr.
  const AdifField* Find(std::string_view name) const;
};

// A file that breaks the tag syntax: where it breaks and why.
class AdifSyntaxError : public std::runtime_error {
 public:
  AdifSyntaxError(std::size_t record, std::uint64_t offset, const std::string& reason);

  std::size_t Record() const { return record_; }    // the record being read, from 1
  std::uint64_t Offset() const { return offset_; }  // byte offset of the faulty tag, from 0

 private:
  std::size_t record_;
  std::uint64_t offset_;
};

// The most bytes one record (or the header) may take, with the text around it.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{16} << 20;

// A file whose first byte is not "<" begins with a header, which ends at the
// first <EOH>; when an <EOR> comes first, the file has no header and the text
// before its first tag is ignored. Fields before an <EOH> that comes before the
// first <EOR> are header fields too. A record without fields ("<EOR><EOR>") is
// dropped.
class AdifReader {
 public:
  AdifReader(ByteSource& source, WarningSink warn);
  ~AdifReader();
  AdifReader(const AdifReader&) = delete;
  AdifReader& operator=(const AdifReader&) = delete;

  // The next record, or nullptr after the last one. The record and the texts
  // it points to stay valid until the next call. Throws AdifSyntaxError for a
  // tag that never closes, a tag without a name, a field tag without a length,
  // a length that is not a decimal number, a value that runs past the end of
  // the file, a record longer than kMaxRecordBytes and an <EOH> after the
  // first record; throws ReadError when the source does.
  const AdifRecord* Next();

 private:
  class Parser;
  std::unique_ptr<Parser> parser_;
};

}  // namespace host
