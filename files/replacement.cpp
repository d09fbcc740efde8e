#include "files/replacement.h"

#include <utility>

#include "files/file_problem.h"
#include "files/unique_name.h"

namespace files {
namespace {

// Large enough that writing a gigabyte takes few system calls.
constexpr std::size_t kBufferBytes = std::size_t{1} << 20;

}  // namespace

Replacement::Replacement(FileSystem& files, std::filesystem::path target)
    : files_(files), target_(std::move(target)) {
  const std::error_code error = MakeBeside(
      target_, kTemporaryEnding,
      [&](const std::filesystem::path& name) { return files_.CreateNewFile(name, file_); },
      temporary_);
  if (error) failure_ = WriteFailure{WriteFailure::Step::kCreate, error};
}

Replacement::~Replacement() {
  file_.reset();
  if (!temporary_.empty()) files_.Remove(temporary_);
}

std::optional<WriteFailure> Replacement::WriteOut(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  if (const std::error_code error = file_->Write(bytes)) {
    return WriteFailure{WriteFailure::Step::kWrite, error};
  }
  return std::nullopt;
}

void Replacement::Write(std::string_view bytes) {
  if (failure_ || !file_) return;
  if (buffer_.size() + bytes.size() > kBufferBytes) {
    failure_ = WriteOut(std::string_view(buffer_.data(), buffer_.size()));
    buffer_.clear();
    // What fills a buffer on its own goes straight out.
    if (!failure_ && bytes.size() >= kBufferBytes) failure_ = WriteOut(bytes);
    if (failure_ || bytes.size() >= kBufferBytes) return;
  }
  buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

std::optional<WriteFailure> Replacement::Finish() {
  if (failure_ || !file_) return failure_;
  failure_ = WriteOut(std::string_view(buffer_.data(), buffer_.size()));
  std::vector<char>().swap(buffer_);
  const std::error_code closed = file_->Close();
  file_.reset();
  if (!failure_ && closed) failure_ = WriteFailure{WriteFailure::Step::kWrite, closed};
  return failure_;
}

std::optional<WriteFailure> Replacement::Commit() {
  if (auto failure = Finish()) return failure;
  if (temporary_.empty()) return std::nullopt;  // already moved
  if (const std::error_code error = files_.Move(temporary_, target_, true)) {
    failure_ = WriteFailure{WriteFailure::Step::kReplace, error};
    return failure_;
  }
  temporary_.clear();
  return std::nullopt;
}

std::filesystem::path Replacement::Release() { return std::exchange(temporary_, {}); }

std::optional<WriteFailure> ReplaceWholeFile(FileSystem& files, const std::filesystem::path& target,
                                             std::string_view bytes) {
  Replacement replacement(files, target);
  replacement.Write(bytes);
  return replacement.Commit();
}

std::error_code RoomFor(FileSystem& files, const std::filesystem::path& folder,
                        std::uint64_t bytes) {
  std::unique_ptr<WritingFile> file;
  std::filesystem::path probe;
  std::error_code error = MakeBeside(
      folder / "room", kTemporaryEnding,
      [&](const std::filesystem::path& name) { return files.CreateNewFile(name, file); }, probe);
  if (error) return error;
  error = file->Reserve(bytes);
  file.reset();
  files.Remove(probe);
  return error;
}

}  // namespace files
