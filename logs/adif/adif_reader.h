#pragma once

// Reads ADIF 3 files in the tagged form (.adi) one record at a time, so that a
// log of any size needs only the memory of its largest record: an optional
// header ended by <EOH>, then records of <NAME:LENGTH[:TYPE]>value fields, each
// ended by <EOR>. Field names are case-insensitive; lengths count bytes, and
// the values are the bytes of the file (Windows-1251 and UTF-8 pass unchanged).
//
// A stated length is the truth where it fits: where the value it gives is
// followed by a blank, a well-formed tag (<EOR>, <EOH> or
// <NAME:LENGTH[:TYPE]>) or the end of the file, the value is taken whole, tags
// in it included. Repairs, each with a warning that names the record (or the
// header) and the byte offset:
// - A length that does not fit, or that counted the swallowed text's line
//   feeds as CR LF or its Windows-1251 text in UTF-8 bytes, is cut where the
//   first well-formed tag in the value begins; reading goes on from the tag.
// - A length that does not fit, but that counted UTF-8 characters and ends
//   exactly at a tag that way, is read as characters.
// - Text between fields or records, and a tag that is not well-formed, such
//   as <EOF>, is ignored; text that is not blank is warned about.
// - A field that comes twice in a record: the first value counts.
// - A last record that the file ends without <EOR> is taken; one that the
//   file ends inside (in a tag or a value) is marked cut short.
// - A second header (two exports in one file): its fields are ignored.
// - A value that would take a record past kMaxRecordBytes is dropped, with
//   its name kept in the record.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "logs/adif/log_warning.h"
#include "logs/bytes/byte_source.h"

namespace logs {

struct AdifField {
  std::string_view name;     // in capitals
  std::string_view value;    // bytes of the file
  std::uint64_t offset = 0;  // of the field's tag, from 0
};

struct AdifRecord {
  std::size_t number = 0;     // 1 for the first record of the file
  std::uint64_t offset = 0;   // byte offset of the record's first tag, from 0
  bool terminated = true;     // false for a last record that the file ends without <EOR>
  std::string_view cutShort;  // where the file ends inside the record; empty when it does not
  std::vector<AdifField> fields;
  std::vector<AdifField> dropped;  // fields too large to keep, without their values

  // The first field with this name (in capitals), or nullptr.
  const AdifField* Find(std::string_view name) const;
};

// A file that breaks the tag syntax: where it breaks and why.
class AdifSyntaxError : public std::runtime_error {
 public:
  AdifSyntaxError(std::size_t record, std::uint64_t offset, const std::string& reason);

  std::size_t Record() const { return record_; }    // the record being read, from 1; 0: the header
  std::uint64_t Offset() const { return offset_; }  // byte offset of the faulty tag, from 0

 private:
  std::size_t record_;
  std::uint64_t offset_;
};

// The most bytes the values of one record may take, and the header text.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{16} << 20;

// A file whose first byte, after a UTF-8 byte-order mark, is not "<" begins
// with a header, which ends at the first <EOH> outside a field's value; fields
// and whole records before it belong to the header (they are warned about, and
// not returned). Header text without any <EOH> that runs into records was no
// header: the text before the first tag is ignored. A record without fields
// ("<EOR><EOR>") is dropped.
class AdifReader {
 public:
  AdifReader(ByteSource& source, WarningSink warn);
  ~AdifReader();
  AdifReader(const AdifReader&) = delete;
  AdifReader& operator=(const AdifReader&) = delete;

  // The next record, or nullptr after the last one. The record and the texts
  // it points to stay valid until the next call. Throws AdifSyntaxError for a
  // file that is no ADIF: header text without <EOH> or <EOR> in its first
  // kMaxRecordBytes, or text without a single well-formed tag; throws
  // ReadError when the source does.
  const AdifRecord* Next();

 private:
  class Parser;
  std::unique_ptr<Parser> parser_;
};

}  // namespace logs
