#include "logs/adif/adif_reader.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>

#include "logs/adif/length_counting.h"
#include "logs/text/ascii.h"
#include "logs/text/shown_text.h"

namespace logs {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
constexpr std::uint64_t kNowhere = UINT64_MAX;
// How far past its "<" a well-formed tag is looked for.
constexpr std::size_t kLongestTag = 256;

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

// The length of a well-formed tag's data specifier; a number beyond any file
// is held at a value no file reaches.
std::uint64_t ParseLength(std::string_view digits) {
  constexpr std::uint64_t kBeyondAnyFile = std::uint64_t{1} << 62;
  std::uint64_t value = 0;
  for (const char c : digits) {
    value = value >= kBeyondAnyFile / 10 ? kBeyondAnyFile
                                         : value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value;
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

  // Passes over everything before `to`, which need not fit in the window.
  // False when the file ends first.
  bool SkipTo(std::uint64_t to) {
    while (End() < to) {
      base_ = End();
      size_ = 0;
      if (!Extend(base_)) return false;
    }
    const auto drop = static_cast<std::size_t>(to - base_);
    std::memmove(buffer_.get(), buffer_.get() + drop, size_ - drop);
    base_ = to;
    size_ -= drop;
    return true;
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
    StartRecord();
    if (!bodyFound_) FindBody();
    while (true) {
      const std::uint64_t open = FindTagStart();
      if (open == kNowhere) {
        if (recordStart_ != kNowhere) return Finish(false);
        if (sawText_ && !sawTag_) {
          throw AdifSyntaxError(
              0, 0, "it is not an ADIF log: no ADIF tag (<EOH>, <EOR> or <NAME:LENGTH>) in it");
        }
        return nullptr;
      }
      if (ReadTag()) return Finish(true);
    }
  }

 private:
  // One field of the record being read: its name in names_, its value in values_.
  struct Slot {
    std::uint64_t tag;
    std::size_t nameStart;
    std::size_t nameSize;
    std::size_t valueStart = 0;
    std::size_t valueSize = 0;
    bool dropped = false;
  };

  // What begins at a "<".
  enum class TagShape { kWellFormed, kNone, kCutByTheEnd };

  // A well-formed tag: where it opens and closes, how long its name is, and
  // the length of a field's value (kNoLength for <EOR> and <EOH>).
  static constexpr std::uint64_t kNoLength = kNowhere;
  struct FoundTag {
    std::uint64_t open = kNowhere;
    std::uint64_t close = kNowhere;
    std::size_t nameSize = 0;
    std::uint64_t length = kNoLength;
  };

  std::size_t RecordBeingRead() const { return records_ + 1; }

  void StartRecord() {
    slots_.clear();
    names_.clear();
    values_.clear();
    pending_.clear();
    cutShort_.clear();
    recordStart_ = kNowhere;
  }

  // A warning about the record being read, given when it is known whether the
  // fields read so far are a record or a header.
  void Note(std::uint64_t offset, std::string text) {
    pending_.push_back(LogWarning{0, offset, std::move(text), false});
  }
  void GiveNotes(std::size_t record) {
    for (LogWarning& warning : pending_) {
      warning.record = record;
      warn_(std::move(warning));
    }
    pending_.clear();
  }

  // Reads until the window reaches `until` (or the file ends, or the window is full).
  void Reach(std::uint64_t until, std::uint64_t keepFrom) {
    while (window_.End() < until && window_.Extend(keepFrom)) {
    }
  }

  std::string_view Bytes(std::uint64_t from, std::uint64_t to) const {
    return {window_.At(from), static_cast<std::size_t>(to - from)};
  }

  // Where the records begin. A file whose first byte, after a UTF-8 byte-order
  // mark, is "<" has no header. Any other begins with header text, which ends
  // at the first <EOH> outside a field's value (a value whose length fits is
  // passed over whole); fields and records before it, such as an example
  // record, belong to the header. Text that runs into records without any
  // <EOH> was no header after all: reading starts from the beginning.
  void FindBody() {
    bodyFound_ = true;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    Reach(kByteOrderMark.size() + 1, 0);
    if (Bytes(0, std::min<std::uint64_t>(kByteOrderMark.size(), window_.End())) == kByteOrderMark) {
      pos_ = kByteOrderMark.size();
    }
    if (pos_ == window_.End()) return;
    if (*window_.At(pos_) == '<') {
      inBody_ = true;  // no header text: any text is between fields
      return;
    }
    std::uint64_t from = pos_;
    std::uint64_t fieldAt = kNowhere;  // the first field since the last <EOR>
    std::uint64_t firstRecordAt = kNowhere;
    std::size_t recordsInHeader = 0;
    while (true) {
      const std::uint64_t open = FindByte('<', from, 0);
      if (open == kNowhere) {
        if (!window_.AtEnd() && recordsInHeader == 0) {
          throw AdifSyntaxError(
              0, 0,
              "no <EOH> or <EOR> in the first " + std::to_string(kMaxRecordBytes >> 20) + " MiB");
        }
        return;
      }
      from = open + 1;
      if (TagAt(open, 0) != TagShape::kWellFormed) continue;
      const FoundTag tag = found_;
      from = tag.close + 1;
      if (tag.length != kNoLength) {
        if (fieldAt == kNowhere) fieldAt = open;
        const std::uint64_t end = from + tag.length;
        Reach(end + kLongestTag, 0);
        if (end <= window_.End() && Fits(end, 0)) from = end;
      } else if (SameUpper(Bytes(open + 1, tag.close), kEndOfRecord)) {
        if (fieldAt == kNowhere) continue;
        if (recordsInHeader++ == 0) firstRecordAt = fieldAt;
        fieldAt = kNowhere;
      } else {
        pos_ = from;
        sawTag_ = true;
        if (recordsInHeader > 0) {
          warn_(LogWarning{0, firstRecordAt,
                           "the header text holds " + std::to_string(recordsInHeader) +
                               (recordsInHeader == 1 ? " whole record" : " whole records") +
                               " (fields ended by <EOR>) before its <EOH>, an example perhaps; " +
                               (recordsInHeader == 1 ? "it is part of the header, not a QSO"
                                                     : "they are part of the header, not QSOs"),
                           false});
        }
        return;
      }
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

  // The next well-formed tag from pos_. What comes before it is text, which is
  // warned about unless it is blank; a tag that the end of the file cuts short
  // cuts the record short when it is a field's.
  std::uint64_t FindTagStart() {
    std::uint64_t from = pos_;
    std::uint64_t textAt = kNowhere;
    std::uint64_t textEnd = 0;  // after its last byte that is not blank
    std::string quote;          // its first bytes, one more than a warning quotes
    const auto noteText = [&](const char* first, const char* last) {
      const auto isText = [](char c) { return !IsBlank(c); };
      if (textAt == kNowhere) {
        first = std::find_if(first, last, isText);
        if (first == last) return;
        textAt = window_.OffsetOf(first);
      }
      const auto lastText =
          std::find_if(std::make_reverse_iterator(last), std::make_reverse_iterator(first), isText);
      if (lastText.base() != first) textEnd = window_.OffsetOf(lastText.base());
      const std::size_t room = kQuotedBytes + 1 - std::min(quote.size(), kQuotedBytes + 1);
      quote.append(first, std::min(room, static_cast<std::size_t>(last - first)));
    };
    std::uint64_t found = kNowhere;
    while (found == kNowhere) {
      if (from == window_.End() && !window_.Extend(from)) break;
      const char* begin = window_.At(from);
      const char* end = window_.At(window_.End());
      const auto* open =
          static_cast<const char*>(std::memchr(begin, '<', static_cast<std::size_t>(end - begin)));
      const char* stop = open == nullptr ? end : open;
      if (textAt != kNowhere || !std::all_of(begin, stop, IsBlank)) noteText(begin, stop);
      if (open == nullptr) {
        from = window_.End();
        continue;
      }
      from = window_.OffsetOf(open);
      const TagShape shape = from == found_.open ? TagShape::kWellFormed : TagAt(from, from);
      if (shape == TagShape::kWellFormed) {
        found = from;
      } else if (shape == TagShape::kCutByTheEnd && CutsTheRecordShort(from)) {
        break;
      } else {
        noteText(window_.At(from), window_.At(from + 1));
        ++from;
      }
    }
    pos_ = found == kNowhere ? window_.End() : found;
    if (textAt != kNowhere) {
      sawText_ = true;
      if (inBody_) {
        quote.resize(std::min<std::uint64_t>(quote.size(), textEnd - textAt));
        std::replace_if(quote.begin(), quote.end(), IsBlank, ' ');
        std::string text = "text between fields is ignored: " + Quoted(quote);
        if (recordStart_ != kNowhere) {
          Note(textAt, std::move(text));
        } else {
          warn_(LogWarning{RecordBeingRead(), textAt, std::move(text), false});
        }
      }
    }
    return found;
  }

  // At a tag that the end of the file cuts short: inside a record, or where
  // the tag has begun a field's length, the file ends inside a record.
  bool CutsTheRecordShort(std::uint64_t open) {
    const std::string_view rest = Bytes(open, window_.End());
    if (recordStart_ == kNowhere && rest.find(':') == std::string_view::npos) return false;
    if (recordStart_ == kNowhere) recordStart_ = open;
    cutShort_ = "the file ends inside the tag " + Quoted(rest);
    return true;
  }

  // Whether <EOR>, <EOH> or <NAME:LENGTH[:TYPE]> (a name of letters, digits
  // and "_") begins at `open`; found_ holds it when it does.
  TagShape TagAt(std::uint64_t open, std::uint64_t keepFrom) {
    Reach(open + kLongestTag, keepFrom);
    if (open >= window_.End() || *window_.At(open) != '<') return TagShape::kNone;
    const std::uint64_t limit = std::min(window_.End(), open + kLongestTag);
    const TagShape unfinished =
        window_.AtEnd() && limit == window_.End() ? TagShape::kCutByTheEnd : TagShape::kNone;
    const char* p = window_.At(open) + 1;
    const char* end = window_.At(limit);
    const char* name = p;
    while (p < end && IsNameByte(*p)) ++p;
    if (p == end) return unfinished;
    if (p == name) return TagShape::kNone;
    const auto nameSize = static_cast<std::size_t>(p - name);
    if (*p == '>') {
      const std::string_view nameText(name, nameSize);
      if (!SameUpper(nameText, kEndOfRecord) && !SameUpper(nameText, kEndOfHeader)) {
        return TagShape::kNone;
      }
      found_ = FoundTag{open, window_.OffsetOf(p), nameSize, kNoLength};
      return TagShape::kWellFormed;
    }
    if (*p++ != ':') return TagShape::kNone;
    const char* digits = p;
    while (p < end && IsDigit(*p)) ++p;
    if (p == end) return unfinished;
    if (p == digits) return TagShape::kNone;
    const std::string_view length(digits, static_cast<std::size_t>(p - digits));
    if (*p == ':') {
      const char* type = ++p;
      while (p < end && IsLetter(*p)) ++p;
      if (p == end) return unfinished;
      if (p == type) return TagShape::kNone;
    }
    if (*p != '>') return TagShape::kNone;
    found_ = FoundTag{open, window_.OffsetOf(p), nameSize, ParseLength(length)};
    return TagShape::kWellFormed;
  }

  // The first "<" in [from, to) that begins a well-formed tag, or kNowhere.
  std::uint64_t FindWellFormedTag(std::uint64_t from, std::uint64_t to, std::uint64_t keepFrom) {
    while (from < to) {
      const void* open = std::memchr(window_.At(from), '<', static_cast<std::size_t>(to - from));
      if (open == nullptr) return kNowhere;
      const std::uint64_t at = window_.OffsetOf(static_cast<const char*>(open));
      if (TagAt(at, keepFrom) == TagShape::kWellFormed) return at;
      from = at + 1;
    }
    return kNowhere;
  }

  // Reads the well-formed tag that was found last and, for a field, its
  // value. True for an <EOR> that ends a record.
  bool ReadTag() {
    const FoundTag tag = found_;
    const std::string_view name = Bytes(tag.open + 1, tag.open + 1 + tag.nameSize);
    pos_ = tag.close + 1;
    inBody_ = true;
    sawTag_ = true;

    if (tag.length == kNoLength) {
      if (SameUpper(name, kEndOfRecord)) return recordStart_ != kNowhere;
      EndHeader(tag.open);
      return false;
    }
    if (recordStart_ == kNowhere) recordStart_ = tag.open;
    Slot slot{tag.open, names_.size(), name.size()};
    names_.append(name);
    for (std::size_t i = slot.nameStart; i < names_.size(); ++i) names_[i] = ToUpper(names_[i]);
    ReadValue(tag.open, tag.close, tag.length, slot);
    return false;
  }

  // A length is taken as it stands when the value it gives fits (see Fits),
  // unless the value swallows a tag and the writer evidently counted other
  // bytes. Only a length that does not fit is repaired: cut at the first tag
  // in the value, or read as UTF-8 characters where that ends at a tag.
  void ReadValue(std::uint64_t open, std::uint64_t close, std::uint64_t length, Slot slot) {
    const std::uint64_t value = close + 1;
    const std::uint64_t statedEnd = value + length;
    Reach(statedEnd + kLongestTag, open);
    if (window_.End() < statedEnd + kLongestTag && !window_.AtEnd()) {
      ReadOversized(open, close, statedEnd, slot);
      return;
    }
    if (statedEnd > window_.End()) {
      if (const std::uint64_t tag = FindWellFormedTag(value, window_.End(), open);
          tag != kNowhere) {
        Cut(open, close, tag, slot, {});
      } else {
        CutShort(TagText(open, close));
      }
      return;
    }
    const std::uint64_t tag = FindWellFormedTag(value, statedEnd, open);
    if (Fits(statedEnd, open)) {
      const auto counted =
          tag == kNowhere ? std::nullopt : OtherCounting(Bytes(value, tag), length);
      if (counted) {
        Cut(open, close, tag, slot, *counted);
      } else {
        Keep(open, close, slot, statedEnd);
      }
    } else if (tag != kNowhere) {
      Cut(open, close, tag, slot, {});
    } else if (const auto end = Utf8CharactersEnd(open, value, length)) {
      Note(open, "the length of <" + TagText(open, close) + "> counts characters, not bytes: " +
                     "the value is read as " + std::to_string(length) + " UTF-8 characters (" +
                     std::to_string(*end - value) + " bytes)");
      Keep(open, close, slot, *end);
    } else {
      Keep(open, close, slot, statedEnd);
    }
  }

  // The value ends at the end of the file, at a blank, or at a well-formed tag.
  bool Fits(std::uint64_t end, std::uint64_t keepFrom) {
    if (end == window_.End()) return window_.AtEnd();
    return IsBlank(*window_.At(end)) || TagAt(end, keepFrom) == TagShape::kWellFormed;
  }

  // Where `length` UTF-8 characters from `value` end, when that is at a
  // well-formed tag and no tag comes before it.
  std::optional<std::uint64_t> Utf8CharactersEnd(std::uint64_t open, std::uint64_t value,
                                                 std::uint64_t length) {
    Reach(value + 4 * length + kLongestTag, open);
    const auto size = Utf8CharactersSize(Bytes(value, window_.End()), length);
    if (!size) return std::nullopt;
    const std::uint64_t end = value + *size;
    if (end == window_.End() || TagAt(end, open) != TagShape::kWellFormed) return std::nullopt;
    if (FindWellFormedTag(value, end, open) != kNowhere) return std::nullopt;
    return end;
  }

  // A value that the window can not hold: cut at a tag in the part it holds,
  // or else passed over and dropped.
  void ReadOversized(std::uint64_t open, std::uint64_t close, std::uint64_t statedEnd, Slot slot) {
    const std::uint64_t tag = FindWellFormedTag(close + 1, window_.End(), open);
    if (tag != kNowhere) {
      Cut(open, close, tag, slot, {});
      return;
    }
    const std::string tagText = TagText(open, close);
    if (!window_.SkipTo(statedEnd)) {
      CutShort(tagText);
      return;
    }
    pos_ = statedEnd;
    Drop(open, tagText, slot);
  }

  // The file ends inside the value of the field with this tag.
  void CutShort(const std::string& tagText) {
    cutShort_ = "the file ends inside the value of <" + tagText + ">";
    pos_ = window_.End();
  }

  void Cut(std::uint64_t open, std::uint64_t close, std::uint64_t tag, Slot slot,
           std::string_view counted) {
    const std::uint64_t tagClose = FindByte('>', tag, open);
    Note(open, "the length of <" + TagText(open, close) + "> runs into the tag <" +
                   TagText(tag, tagClose) + "> at byte " + std::to_string(tag) +
                   "; the value is cut there, to " + std::to_string(tag - close - 1) + " bytes" +
                   (counted.empty() ? "" : " (" + std::string(counted) + ")"));
    Keep(open, close, slot, tag);
  }

  // The value up to `end`, unless it would take the record past kMaxRecordBytes.
  void Keep(std::uint64_t open, std::uint64_t close, Slot slot, std::uint64_t end) {
    pos_ = end;
    const auto size = static_cast<std::size_t>(end - close - 1);
    if (values_.size() + size > kMaxRecordBytes) {
      Drop(open, TagText(open, close), slot);
      return;
    }
    slot.valueStart = values_.size();
    slot.valueSize = size;
    values_.append(window_.At(close + 1), size);
    slots_.push_back(slot);
  }

  void Drop(std::uint64_t open, const std::string& tagText, Slot slot) {
    Note(open, "the value of <" + tagText + "> makes the record longer than " +
                   std::to_string(kMaxRecordBytes >> 20) + " MiB; the field is dropped");
    slot.dropped = true;
    slots_.push_back(slot);
  }

  std::string TagText(std::uint64_t open, std::uint64_t close) const {
    return std::string(Bytes(open + 1, close));
  }

  // Some programs write header fields without header text, so the file begins
  // with "<": whatever came before an <EOH> was header. An <EOH> after records
  // ends the header of another export appended to the first.
  void EndHeader(std::uint64_t open) {
    if (records_ > 0) {
      Note(recordStart_ == kNowhere ? open : recordStart_,
           "a second header, of another export appended to the log: its fields are ignored");
    }
    GiveNotes(0);
    StartRecord();
    inBody_ = false;
  }

  const AdifRecord* Finish(bool terminated) {
    ++records_;
    record_.number = records_;
    record_.offset = recordStart_;
    record_.terminated = terminated;
    record_.cutShort = cutShort_;
    record_.fields.clear();
    record_.dropped.clear();
    std::uint64_t seenNames = 0;
    for (const Slot& slot : slots_) {
      const std::string_view name(names_.data() + slot.nameStart, slot.nameSize);
      if (slot.dropped) {
        record_.dropped.push_back(AdifField{name, {}, slot.tag});
        continue;
      }
      // A field that comes again is rare: only a name whose length and first
      // letter were seen before is looked up.
      const std::uint64_t seen = std::uint64_t{1} << ((name.size() * 7 + name[0]) & 63);
      if ((seenNames & seen) != 0 && record_.Find(name) != nullptr) {
        Note(slot.tag, "the field " + std::string(name) + " comes again; its first value counts");
      }
      seenNames |= seen;
      record_.fields.push_back(
          AdifField{name, {values_.data() + slot.valueStart, slot.valueSize}, slot.tag});
    }
    if (!terminated && cutShort_.empty()) {
      Note(recordStart_, "the file ends without <EOR>; the record is taken");
    }
    GiveNotes(records_);
    recordStart_ = kNowhere;
    return &record_;
  }

  Window window_;
  WarningSink warn_;
  bool bodyFound_ = false;
  bool inBody_ = false;  // text from here on is between fields, not header text
  bool sawTag_ = false;  // a well-formed tag has been read: the file is ADIF
  bool sawText_ = false;
  std::uint64_t pos_ = 0;
  FoundTag found_;           // the last well-formed tag found
  std::size_t records_ = 0;  // records returned so far
  // The record being read.
  std::uint64_t recordStart_ = kNowhere;  // its first tag
  std::vector<Slot> slots_;
  std::string names_;   // its field names, in capitals
  std::string values_;  // its values
  std::vector<LogWarning> pending_;
  std::string cutShort_;
  AdifRecord record_;
};

const AdifField* AdifRecord::Find(std::string_view name) const {
  const auto found = std::find_if(fields.begin(), fields.end(),
                                  [&](const AdifField& field) { return field.name == name; });
  return found == fields.end() ? nullptr : &*found;
}

AdifSyntaxError::AdifSyntaxError(std::size_t record, std::uint64_t offset,
                                 const std::string& reason)
    : std::runtime_error(PlaceInLog(record, offset) + ": " + reason),
      record_(record),
      offset_(offset) {}

AdifReader::AdifReader(ByteSource& source, WarningSink warn)
    : parser_(std::make_unique<Parser>(source, std::move(warn))) {}

AdifReader::~AdifReader() = default;

const AdifRecord* AdifReader::Next() { return parser_->Next(); }

}  // namespace logs
