#include "console/console_stream.h"

#include <algorithm>

#include "logs/text/display_text.h"
#include "logs/text/text_encoding.h"

namespace console {

std::vector<std::string> WrapLine(std::string_view utf8, std::size_t columns) {
  const std::size_t indent = std::min(utf8.find_first_not_of(' '), utf8.size());
  const std::string hanging(std::min(indent + 4, columns / 2), ' ');
  std::vector<std::string> lines;
  std::string prefix;            // none on the first piece
  std::size_t leading = indent;  // blanks of the piece that are no place to break
  for (std::string_view rest = utf8;;) {
    // The first character that does not fit, and where the last blanks before
    // it begin: two or more (between the columns of a line) are the better
    // place to break when they lie in the line's second half.
    std::size_t width = prefix.size();
    std::size_t end = 0;
    std::size_t blanks = 0;
    std::size_t wideBlanks = 0;
    for (; end < rest.size(); ++end) {
      if (!logs::StartsUtf8Character(rest[end])) continue;
      if (rest[end] == ' ' && end > leading && rest[end - 1] != ' ') {
        blanks = end;
        if (end + 1 < rest.size() && rest[end + 1] == ' ' && 2 * width >= columns) {
          wideBlanks = end;
        }
      }
      if (width++ == columns) break;
    }
    if (end == rest.size()) {
      lines.push_back(prefix + std::string(rest));
      return lines;
    }
    const std::size_t cut = wideBlanks > 0 ? wideBlanks : blanks > 0 ? blanks : end;
    lines.push_back(prefix + std::string(rest.substr(0, cut)));
    rest.remove_prefix(cut);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    if (rest.empty()) return lines;
    prefix = hanging;
    leading = 0;
  }
}

ConsoleStream::LineBuffer::int_type ConsoleStream::LineBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize ConsoleStream::LineBuffer::xsputn(const char* bytes, std::streamsize count) {
  pending_.append(bytes, static_cast<std::size_t>(count));
  return WriteCompleteLines() ? count : 0;
}

int ConsoleStream::LineBuffer::sync() {
  if (WriteCompleteLines() && !pending_.empty()) {
    failed_ = !writer_(logs::MixedToUtf8(pending_)) || failed_;
    pending_.clear();
  }
  return failed_ ? -1 : 0;
}

bool ConsoleStream::LineBuffer::WriteCompleteLines() {
  std::size_t start = 0;
  for (std::size_t end; (end = pending_.find('\n', start)) != std::string::npos; start = end + 1) {
    for (const std::string& line :
         WrapLine(logs::MixedToUtf8(std::string_view(pending_).substr(start, end - start)),
                  kConsoleColumns)) {
      failed_ = !writer_(line + "\n") || failed_;
    }
  }
  pending_.erase(0, start);
  return !failed_;
}

}  // namespace console
