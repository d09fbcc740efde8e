#pragma once

// Text for a person at a console: stats-host writes its lines as bytes (its
// own words in UTF-8, texts of the log as the log has them), and the console
// gets each line as UTF-8, converted where the bytes were Windows-1251 and
// broken at spaces where it would not fit.

#include <functional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace console {

// Shows UTF-8 text on the console; false when it could not.
using ConsoleWriter = std::function<bool(std::string_view utf8)>;

// The widest line: one less than the 80 columns of a console window, which
// would otherwise break a line of exactly 80 itself.
inline constexpr std::size_t kConsoleColumns = 79;

// The UTF-8 line (without its line end) as lines of at most `columns`
// characters: broken at the last space that fits, each further piece indented
// four more than the line itself; a word longer than a line is cut. A path
// (from "/", "C:\" or "\\" after a blank up to ": " or the line's end) is
// not broken at its blanks where it fits in a line.
std::vector<std::string> WrapLine(std::string_view utf8, std::size_t columns);

// An output stream whose complete lines go to `writer`, converted and
// wrapped; what is left of a line goes when the stream is flushed. A writer
// that fails leaves the stream bad.
class ConsoleStream {
 public:
  explicit ConsoleStream(ConsoleWriter writer) : buffer_(std::move(writer)) {}
  ~ConsoleStream() { stream_.flush(); }
  ConsoleStream(const ConsoleStream&) = delete;
  ConsoleStream& operator=(const ConsoleStream&) = delete;

  std::ostream& Stream() { return stream_; }

 private:
  class LineBuffer : public std::streambuf {
   public:
    explicit LineBuffer(ConsoleWriter writer) : writer_(std::move(writer)) {}

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

   private:
    bool WriteCompleteLines();

    ConsoleWriter writer_;
    std::string pending_;
    bool failed_ = false;
  };

  LineBuffer buffer_;
  std::ostream stream_{&buffer_};
};

}  // namespace console
