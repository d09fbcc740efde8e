#include "console/console_stream.h"

#include <algorithm>

#include "logs/text/display_text.h"
#include "logs/text/text_encoding.h"

namespace console {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Whether a path begins at `at`, after a blank or the start of the line: a
// root ("/x", "C:\", "C:/", "\\server").
bool PathBeginsAt(std::string_view line, std::size_t at) {
  if (at > 0 && line[at - 1] != ' ') return false;
  const std::string_view rest = line.substr(at);
  if (rest.size() >= 2 && rest[0] == '/' && rest[1] != ' ' && rest[1] != '/') return true;
  if (rest.starts_with("\\\\")) return true;
  return rest.size() >= 3 && IsLetter(rest[0]) && rest[1] == ':' &&
         (rest[2] == '\\' || rest[2] == '/');
}

// Which bytes of the line belong to a path of at most `longest` characters: a path
// runs from its root to the next ": " or the end of the line
// ("C:\Мои журналы\лог.adi").
std::vector<bool> InShortPaths(std::string_view line, std::size_t longest) {
  std::vector<bool> inPath(line.size(), false);
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (!PathBeginsAt(line, at)) continue;
    const std::size_t end = std::min(line.find(": ", at), line.size());
    const auto characters = std::count_if(line.begin() + at, line.begin() + end,
                                          [](char c) { return logs::StartsUtf8Character(c); });
    if (static_cast<std::size_t>(characters) <= longest) {
      std::fill(inPath.begin() + at, inPath.begin() + end, true);
    }
    at = end;
  }
  return inPath;
}

}  // namespace

std::vector<std::string> WrapLine(std::string_view utf8, std::size_t columns) {
  const std::size_t indent = std::min(utf8.find_first_not_of(' '), utf8.size());
  const std::string hanging(std::min(indent + 4, columns / 2), ' ');
  std::vector<std::string> lines;
  std::string prefix;            // none on the first piece
  std::size_t leading = indent;  // blanks of the piece that are no place to break
  // A blank inside a path that fits in a line is no place to break.
  const std::vector<bool> inPath = InShortPaths(utf8, columns - hanging.size());
  for (std::string_view rest = utf8;;) {
    const std::size_t offset = static_cast<std::size_t>(rest.data() - utf8.data());
    // The first character that does not fit, and where the last blanks before
    // it begin: two or more (between the columns of a line) are the better
    // place to break when they lie in the line's second half.
    std::size_t width = prefix.size();
    std::size_t end = 0;
    std::size_t blanks = 0;
    std::size_t wideBlanks = 0;
    for (; end < rest.size(); ++end) {
      if (!logs::StartsUtf8Character(rest[end])) continue;
      if (rest[end] == ' ' && end > leading && rest[end - 1] != ' ' && !inPath[offset + end]) {
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
