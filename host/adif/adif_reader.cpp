#include "host/adif/adif_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "host/adif/ascii.h"

namespace host {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
constexpr std::uint64_t kNowhere = UINT64_MAX;
// How far past its "<" a well-formed tag inside a value is looked for.
constexpr std::size_t kLongestTag = 256;
// How much of ignored text a warning quotes.
constexpr std::size_t kQuotedBytes = 24;

constexpr std::string_view kEndOfHeader = "EOH";
constexpr std::string_view kEndOfRecord = "EOR";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameByte(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

bool SameUpper(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (ToUpper(text[i]) != upper[i]) return false;
  }
  return true;
}

std::string Describe(std::size_t record, std::uint64_t offset, const std::string& reason) {
  return "record " + std::to_string(record) + ", byte " + std::to_string(offset) + ": " + reason;
}

// The length of a data specifier: decimal digits only. Nothing when it is not
// a number; a number beyond any file is held at a value no file reaches.
std::optional<std::uint64_t> ParseLength(std::string_view text) {
  constexpr std::uint64_t kBeyondAnyFile = std::uint64_t{1} << 62;
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value >= kBeyondAnyFile / 10 ? kBeyondAnyFile
                                         : value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value;
}

// Ignored text as a warning shows it: control bytes as spaces, blanks trimmed.
std::string Shown(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    if (IsControlByte(c)) c = ' ';
  }
  return Quoted(Trimmed(shown));
}

// The bytes of the file from where the reader still needs them to End(),
// read in blocks that grow with the file to kBlockBytes: a small log costs a
// small buffer, a large one is read in large blocks. Bytes before the point
// the reader still needs are dropped when more are read, so the window holds
// about one record, however large the file.
class Window {
 public:
  explicit Window(ByteSource& source) : source_(source) {}

  std::uint64_t End() const { return base_ + size_; }
  bool AtEnd() const { return atEnd_; }
  const char* At(std::uint64_t offset) const {
    return buffer_.get() + static_cast<std::size_t>(offset - base_);
  }
  std::uint64_t OffsetOf(const char* byte) const {
    return base_ + static_cast<std::uint64_t>(byte - buffer_.get());
  }

  // Reads the next block; the bytes before `keepFrom` may go. False at the end
  // of the file, and when the bytes from `keepFrom` on fill the largest window.
  bool Extend(std::uint64_t keepFrom) {
    if (atEnd_) return false;
    const std::size_t block = std::clamp(capacity_, kFirstBlockBytes, kBlockBytes);
    const auto drop = static_cast<std::size_t>(keepFrom - base_);
    if (capacity_ - size_ < block && drop > 0) {
      std::memmove(buffer_.get(), buffer_.get() + drop, size_ - drop);
      base_ = keepFrom;
      size_ -= drop;
    }
    if (capacity_ - size_ < block && !Grow(size_ + block)) return false;
    const std::size_t count = source_.Read(buffer_.get() + size_, capacity_ - size_);
    if (count == 0) atEnd_ = true;
    size_ += count;
    return count > 0;
  }

 private:
  static constexpr std::size_t kFirstBlockBytes = std::size_t{4} << 10;
  static constexpr std::size_t kLargestWindow = kMaxRecordBytes + kBlockBytes;

  // Room for at least `bytes`, doubling; false at the largest window.
  bool Grow(std::size_t bytes) {
    if (capacity_ >= kLargestWindow) return false;
    const std::size_t capacity = std::min(kLargestWindow, std::max(bytes, 2 * capacity_));
    auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0) std::memcpy(buffer.get(), buffer_.get(), size_);
    buffer_ = std::move(buffer);
    capacity_ = capacity;
    return true;
  }

  ByteSource& source_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::uint64_t base_ = 0;
  std::size_t size_ = 0;
  bool atEnd_ = false;
};

}  // namespace

class AdifReader::Parser {
 public:
  Parser(ByteSource& source, WarningSink warn) : window_(source), warn_(std::move(warn)) {
    if (!warn_) warn_ = [](const LogWarning&) {};
  }

  const AdifRecord* Next() {
    slots_.clear();
    names_.clear();
    if (!bodyFound_) FindBody();
    while (true) {
      const std::uint64_t open = FindTagStart();
      if (open == kNowhere) return slots_.empty() ? nullptr : Finish(false);
      if (ReadTag(open) && !slots_.empty()) return Finish(true);
    }
  }

 private:
  // One field of the record being read, by offsets: the window may move.
  struct Slot {
    std::uint64_t tag;
    std::size_t nameStart;
    std::size_t nameSize;
    std::uint64_t value;
    std::size_t valueSize;
  };

  std::size_t RecordBeingRead() const { return records_ + 1; }
  std::uint64_t KeepFrom(std::uint64_t otherwise) const {
    return recordStart_ != kNowhere ? recordStart_ : otherwise;
  }

  [[noreturn]] void Fail(std::uint64_t offset, const std::string& reason) const {
    throw AdifSyntaxError(RecordBeingRead(), offset, reason);
  }
  [[noreturn]] void FailTooLong() const {
    Fail(recordStart_ == kNowhere ? pos_ : recordStart_,
         "a record longer than " + std::to_string(kMaxRecordBytes >> 20) + " MiB");
  }

  void Warn(std::uint64_t offset, std::string text) {
    warn_(LogWarning{RecordBeingRead(), offset, std::move(text), false});
  }

  // Reads until the window reaches `until` (or the file ends, or the window is full).
  bool Reach(std::uint64_t until, std::uint64_t keepFrom) {
    while (window_.End() < until) {
      if (!window_.Extend(keepFrom)) return false;
    }
    return true;
  }

  // Where the records begin: at the start of a file that begins with "<" or
  // has no <EOH> before its first <EOR>, else after the header's <EOH>.
  void FindBody() {
    bodyFound_ = true;
    if (!Reach(1, 0) || *window_.At(0) == '<') return;
    std::uint64_t from = 0;
    while (true) {
      const std::uint64_t open = FindByte('<', from, 0);
      if (open == kNowhere) {
        if (!window_.AtEnd())
          Fail(0,
               "no <EOH> or <EOR> in the first " + std::to_string(kMaxRecordBytes >> 20) + " MiB");
        return;
      }
      Reach(open + 5, 0);
      const std::string_view tag(window_.At(open),
                                 std::min<std::uint64_t>(5, window_.End() - open));
      if (SameUpper(tag, "<EOH>")) {
        pos_ = open + 5;
        return;
      }
      if (SameUpper(tag, "<EOR>")) return;
      from = open + 1;
    }
  }

  std::uint64_t FindByte(char byte, std::uint64_t from, std::uint64_t keepFrom) {
    while (true) {
      const char* begin = window_.At(from);
      const auto size = static_cast<std::size_t>(window_.End() - from);
      if (const void* found = size == 0 ? nullptr : std::memchr(begin, byte, size)) {
        return window_.OffsetOf(static_cast<const char*>(found));
      }
      from = window_.End();
      if (!window_.Extend(keepFrom)) return kNowhere;
    }
  }

  // The next "<" from pos_, warning about text that is not blank before it.
  std::uint64_t FindTagStart() {
    std::uint64_t from = pos_;
    std::uint64_t textAt = kNowhere;
    std::string quote;
    while (true) {
      const char* begin = window_.At(from);
      const char* end = window_.At(window_.End());
      const auto* open = static_cast<const char*>(
          begin == end ? nullptr : std::memchr(begin, '<', static_cast<std::size_t>(end - begin)));
      const char* stop = open == nullptr ? end : open;
      if (textAt == kNowhere) {
        const char* text = std::find_if(begin, stop, [](char c) { return !IsBlank(c); });
        if (text != stop) {
          textAt = window_.OffsetOf(text);
          quote.assign(text,
                       std::min<std::size_t>(kQuotedBytes, static_cast<std::size_t>(stop - text)));
        }
      }
      if (open != nullptr) {
        from = window_.OffsetOf(open);
        break;
      }
      from = window_.End();
      if (!window_.Extend(KeepFrom(from))) {
        if (!window_.AtEnd()) FailTooLong();
        from = kNowhere;
        break;
      }
    }
    if (textAt != kNowhere && inBody_) {
      Warn(textAt, "text between fields is ignored: " + Shown(quote));
    }
    return from;
  }

  // Reads the tag at `open` and, for a field, its value. True for <EOR>.
  bool ReadTag(std::uint64_t open) {
    std::uint64_t close = kNowhere;
    std::uint64_t from = open + 1;
    while (true) {
      const char* begin = window_.At(from);
      const char* end = window_.At(window_.End());
      const char* found = std::find_if(begin, end, [](char c) { return c == '<' || c == '>'; });
      if (found != end) {
        close = window_.OffsetOf(found);
        break;
      }
      from = window_.End();
      if (!window_.Extend(KeepFrom(open))) break;
    }
    if (close == kNowhere || *window_.At(close) == '<') {
      Fail(open, "the tag never closes (no \">\" before the next \"<\" or the end of the file)");
    }
    const std::string_view inside(window_.At(open + 1), static_cast<std::size_t>(close - open - 1));
    const std::size_t colon = inside.find(':');
    const std::string_view name = inside.substr(0, colon);
    pos_ = close + 1;
    inBody_ = true;

    if (name.empty()) Fail(open, "a tag without a name: <" + std::string(inside) + ">");
    if (SameUpper(name, kEndOfRecord)) return true;
    if (SameUpper(name, kEndOfHeader)) {
      EndHeader(open);
      return false;
    }
    if (colon == std::string_view::npos) {
      Fail(open, "the tag <" + std::string(inside) + "> has no length (<NAME:LENGTH>)");
    }
    const std::string_view lengthAndType = inside.substr(colon + 1);
    const auto length = ParseLength(lengthAndType.substr(0, lengthAndType.find(':')));
    if (!length) Fail(open, "the length in <" + std::string(inside) + "> is not a decimal number");

    const std::size_t nameStart = names_.size();
    for (const char c : name) names_.push_back(ToUpper(c));
    if (recordStart_ == kNowhere) recordStart_ = open;
    ReadValue(open, close, *length, Slot{open, nameStart, name.size(), close + 1, 0});
    return false;
  }

  void ReadValue(std::uint64_t open, std::uint64_t close, std::uint64_t length, Slot slot) {
    const std::uint64_t statedEnd = slot.value + length;
    Reach(statedEnd, recordStart_);
    const std::uint64_t available = std::min(statedEnd, window_.End());
    std::uint64_t end = statedEnd;
    if (const std::uint64_t tag = FindWellFormedTag(slot.value, available); tag != kNowhere) {
      end = tag;
      Warn(open, "the length of <" + TagText(open, close) + "> runs into the tag <" +
                     TagText(tag, FindByte('>', tag, recordStart_)) + "> at byte " +
                     std::to_string(tag) + "; the value is cut there, to " +
                     std::to_string(end - slot.value) + " bytes");
    } else if (available < statedEnd) {
      if (!window_.AtEnd()) FailTooLong();
      Fail(open, "the value of <" + TagText(open, close) + "> runs past the end of the file");
    }
    slot.valueSize = static_cast<std::size_t>(end - slot.value);
    slots_.push_back(slot);
    pos_ = end;
  }

  std::string TagText(std::uint64_t open, std::uint64_t close) const {
    return std::string(window_.At(open + 1), static_cast<std::size_t>(close - open - 1));
  }

  // The first "<" in [from, to) that begins a well-formed tag, or kNowhere.
  std::uint64_t FindWellFormedTag(std::uint64_t from, std::uint64_t to) {
    while (from < to) {
      const void* open = std::memchr(window_.At(from), '<', static_cast<std::size_t>(to - from));
      if (open == nullptr) return kNowhere;
      const std::uint64_t at = window_.OffsetOf(static_cast<const char*>(open));
      if (IsWellFormedTag(at)) return at;
      from = at + 1;
    }
    return kNowhere;
  }

  // <EOR>, <EOH> or <NAME:LENGTH[:TYPE]>, with a name of letters, digits and "_".
  bool IsWellFormedTag(std::uint64_t open) {
    Reach(open + kLongestTag, recordStart_);
    const char* p = window_.At(open) + 1;
    const char* end = window_.At(std::min(window_.End(), open + kLongestTag));
    const char* name = p;
    while (p < end && IsNameByte(*p)) ++p;
    const std::string_view nameText(name, static_cast<std::size_t>(p - name));
    if (nameText.empty() || p == end) return false;
    if (*p == '>') return SameUpper(nameText, kEndOfRecord) || SameUpper(nameText, kEndOfHeader);
    if (*p++ != ':') return false;
    const char* digits = p;
    while (p < end && IsDigit(*p)) ++p;
    if (p == digits || p == end) return false;
    if (*p == ':') {
      const char* type = ++p;
      while (p < end && IsLetter(*p)) ++p;
      if (p == type || p == end) return false;
    }
    return *p == '>';
  }

  // Some programs write header fields without header text, so the file begins
  // with "<": whatever came before an <EOH> in the first record was header.
  void EndHeader(std::uint64_t open) {
    if (records_ > 0) Fail(open, "<EOH> after the first record");
    slots_.clear();
    names_.clear();
    recordStart_ = kNowhere;
    inBody_ = false;
  }

  const AdifRecord* Finish(bool terminated) {
    ++records_;
    record_.number = records_;
    record_.offset = recordStart_;
    record_.terminated = terminated;
    record_.fields.clear();
    for (const Slot& slot : slots_) {
      const std::string_view name(names_.data() + slot.nameStart, slot.nameSize);
      for (const AdifField& earlier : record_.fields) {
        if (earlier.name == name) {
          warn_(LogWarning{
              records_, slot.tag,
              "the field " + std::string(name) + " comes again; its first value counts", false});
          break;
        }
      }
      record_.fields.push_back(AdifField{name, {window_.At(slot.value), slot.valueSize}, slot.tag});
    }
    if (!terminated) {
      warn_(LogWarning{records_, recordStart_, "the file ends without <EOR>; the record is taken",
                       false});
    }
    recordStart_ = kNowhere;
    return &record_;
  }

  Window window_;
  WarningSink warn_;
  bool bodyFound_ = false;
  bool inBody_ = false;  // a tag of the body has been read: text from here on is between fields
  std::uint64_t pos_ = 0;
  std::size_t records_ = 0;               // records returned so far
  std::uint64_t recordStart_ = kNowhere;  // the first tag of the record being read
  std::vector<Slot> slots_;
  std::string names_;  // the field names of the record being read, in capitals
  AdifRecord record_;
};

const AdifField* AdifRecord::Find(std::string_view name) const {
  const auto found = std::find_if(fields.begin(), fields.end(),
                                  [&](const AdifField& field) { return field.name == name; });
  return found == fields.end() ? nullptr : &*found;
}

AdifSyntaxError::AdifSyntaxError(std::size_t record, std::uint64_t offset,
                                 const std::string& reason)
    : std::runtime_error(Describe(record, offset, reason)), record_(record), offset_(offset) {}

AdifReader::AdifReader(ByteSource& source, WarningSink warn)
    : parser_(std::make_unique<Parser>(source, std::move(warn))) {}

AdifReader::~AdifReader() = default;

const AdifRecord* AdifReader::Next() { return parser_->Next(); }

}  // namespace host
