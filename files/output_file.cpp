#include "files/output_file.h"

#include <system_error>

namespace files {
namespace {

constexpr std::size_t kBufferBytes = std::size_t{1} << 20;

}  // namespace

OutputFile::OutputFile(std::filesystem::path path)
    : path_(std::move(path)), temporary_(path_), buffer_(kBufferBytes) {
  temporary_ += ".tmp";
  file_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  file_.open(temporary_, std::ios::binary | std::ios::trunc);
}

OutputFile::~OutputFile() {
  if (committed_) return;
  file_.close();
  std::error_code ignored;
  std::filesystem::remove(temporary_, ignored);
}

void OutputFile::Write(std::string_view bytes) {
  file_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> OutputFile::Commit() {
  if (!file_.is_open()) return "can not be created";
  file_.close();
  if (!file_) return "could not be written whole";
  std::error_code error;
  std::filesystem::rename(temporary_, path_, error);
  if (error) return "could not replace the earlier file: " + error.message();
  committed_ = true;
  return std::nullopt;
}

std::optional<std::string> WriteWholeFile(const std::filesystem::path& path,
                                          std::string_view bytes) {
  OutputFile file(path);
  file.Write(bytes);
  return file.Commit();
}

}  // namespace files
