#include "stats/platform/stdio_files.h"

#include "stats/public/plugin_names.h"

namespace stats {

OutputFile::OutputFile(const std::string& path, OpenMode mode, LineEnds lineEnds)
    : file_(std::fopen(path.c_str(), mode == OpenMode::kAppend ? "ab" : "wb")),
      lineEnds_(lineEnds) {}

void OutputFile::Write(std::string_view text) {
  if (!file_) return;
  if (lineEnds_ == LineEnds::kAsWritten) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) {
      failed_ = true;
    }
    return;
  }
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lineFeed = text.find('\n', start);
    const std::size_t end = lineFeed == std::string_view::npos ? text.size() : lineFeed;
    const std::size_t length = end - start;
    if (length != 0 && std::fwrite(text.data() + start, 1, length, file_.get()) != length) {
      failed_ = true;
    }
    if (lineFeed == std::string_view::npos) break;
    // A line end is written as CR LF and pushes the line out to the file.
    if (std::fwrite("\r\n", 1, 2, file_.get()) != 2 || std::fflush(file_.get()) != 0) {
      failed_ = true;
    }
    start = lineFeed + 1;
  }
}

bool OutputFile::Close() {
  if (!file_) return false;
  const bool flushed = std::fflush(file_.get()) == 0;
  const bool closed = std::fclose(file_.release()) == 0;
  return flushed && closed && !failed_;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
  const UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  contents.clear();
  char buffer[4096];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    contents.append(buffer, count);
  }
  return std::ferror(file.get()) == 0;
}

bool ReplaceWholeFile(Platform& platform, const std::string& path, std::string_view contents) {
  const std::string partialPath = path + std::string(kPartialFileExtension);
  OutputFile partial(partialPath, OpenMode::kTruncate, OutputFile::LineEnds::kAsWritten);
  if (!partial.IsOpen()) return false;
  partial.Write(contents);
  if (partial.Close() && platform.MoveFileOver(partialPath, path)) return true;
  std::remove(partialPath.c_str());
  return false;
}

}  // namespace stats
