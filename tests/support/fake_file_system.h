#pragma once

// The system's file API with faults on demand: every operation goes to the
// real system, except the one a test makes fail with the error it chooses.
// Operations are counted in the order they come, so that a test can fail each
// one of a run in turn.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "files/file_system.h"

namespace files_test {

enum class Operation {
  kCreateFile,
  kWrite,
  kReserve,
  kClose,
  kCreateFolder,
  kMove,
  kRemove,
  kAppend
};

class FakeFileSystem final : public files::FileSystem {
 public:
  // The fault: the `nth` operation (from 0) of the kind, or of any kind
  // without one, on a path whose name holds `name` ("" for any), fails with
  // `error`; with `always`, that one and every later one.
  struct Fault {
    std::optional<Operation> operation;
    std::string name;
    std::error_code error;
    int nth = 0;
    bool always = false;
  };

  FakeFileSystem() : system_(files::MakeSystemFileSystem()) {}
  explicit FakeFileSystem(Fault fault) : FakeFileSystem() { fault_ = std::move(fault); }

  // Operations seen so far, of every kind.
  int Count() const { return count_; }

  std::error_code CreateNewFile(const std::filesystem::path& path,
                                std::unique_ptr<files::WritingFile>& file) override {
    if (auto error = Fails(Operation::kCreateFile, path)) return error;
    std::unique_ptr<files::WritingFile> real;
    if (auto error = system_->CreateNewFile(path, real)) return error;
    file = std::make_unique<File>(*this, path, std::move(real));
    return {};
  }
  std::error_code CreateFolder(const std::filesystem::path& path) override {
    if (auto error = Fails(Operation::kCreateFolder, path)) return error;
    return system_->CreateFolder(path);
  }
  std::error_code Move(const std::filesystem::path& from, const std::filesystem::path& to,
                       bool replace) override {
    if (auto error = Fails(Operation::kMove, from.filename().string() + ">" + to.string())) {
      return error;
    }
    return system_->Move(from, to, replace);
  }
  std::error_code Remove(const std::filesystem::path& path) override {
    if (auto error = Fails(Operation::kRemove, path)) return error;
    return system_->Remove(path);
  }
  std::error_code CanAppendTo(const std::filesystem::path& path) override {
    if (auto error = Fails(Operation::kAppend, path)) return error;
    return system_->CanAppendTo(path);
  }

 private:
  class File final : public files::WritingFile {
   public:
    File(FakeFileSystem& owner, std::filesystem::path path,
         std::unique_ptr<files::WritingFile> real)
        : owner_(owner), path_(std::move(path)), real_(std::move(real)) {}
    std::error_code Write(std::string_view bytes) override {
      if (auto error = owner_.Fails(Operation::kWrite, path_)) return error;
      return real_->Write(bytes);
    }
    std::error_code Reserve(std::uint64_t bytes) override {
      if (auto error = owner_.Fails(Operation::kReserve, path_)) return error;
      return real_->Reserve(bytes);
    }
    std::error_code Close() override {
      if (auto error = owner_.Fails(Operation::kClose, path_)) return error;
      return real_->Close();
    }

   private:
    FakeFileSystem& owner_;
    std::filesystem::path path_;
    std::unique_ptr<files::WritingFile> real_;
  };

  std::error_code Fails(Operation operation, const std::filesystem::path& path) {
    ++count_;
    if (!fault_ || (fault_->operation && *fault_->operation != operation)) return {};
    if (path.string().find(fault_->name) == std::string::npos) return {};
    const int seen = seen_++;
    return seen == fault_->nth || (fault_->always && seen > fault_->nth) ? fault_->error
                                                                         : std::error_code();
  }

  std::unique_ptr<files::FileSystem> system_;
  std::optional<Fault> fault_;
  int count_ = 0;
  int seen_ = 0;
};

}  // namespace files_test
