#include "stats/platform/stdio_files.h"

namespace stats {
namespace {

bool WriteAll(std::FILE* file, std::string_view bytes) {
  return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

class StdioAppendingFile final : public AppendingFile {
 public:
  explicit StdioAppendingFile(UniqueFile file) : file_(std::move(file)) {}

  bool Append(std::string_view bytes) override {
    const bool written = WriteAll(file_.get(), bytes);
    return std::fflush(file_.get()) == 0 && written;
  }

 private:
  UniqueFile file_;
};

}  // namespace

std::unique_ptr<AppendingFile> StdioFilePlatform::OpenForAppend(const std::string& path) {
  UniqueFile file(std::fopen(SystemPath(path).c_str(), "ab"));
  if (!file) return nullptr;
  return std::make_unique<StdioAppendingFile>(std::move(file));
}

bool StdioFilePlatform::WriteWholeFile(const std::string& path, std::string_view contents) {
  UniqueFile file(std::fopen(SystemPath(path).c_str(), "wb"));
  if (!file) return false;
  const bool written = WriteAll(file.get(), contents);
  const bool flushed = std::fflush(file.get()) == 0;
  return std::fclose(file.release()) == 0 && flushed && written;
}

std::optional<std::string> StdioFilePlatform::ReadWholeFile(const std::string& path) {
  const UniqueFile file(std::fopen(SystemPath(path).c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string contents;
  char buffer[4096];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    contents.append(buffer, count);
  }
  if (std::ferror(file.get()) != 0) return std::nullopt;
  return contents;
}

bool StdioFilePlatform::EnsureFileExists(const std::string& path) {
  if (Exists(path)) return true;
  // Appending creates a missing file and leaves one made meanwhile as it is.
  return UniqueFile(std::fopen(SystemPath(path).c_str(), "ab")) != nullptr;
}

}  // namespace stats
