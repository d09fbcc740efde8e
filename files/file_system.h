#pragma once

// The file seam of our programs: the few things they ask of the system's file
// API, behind one small interface, so that every fault of a write can be
// tested in-process with a fake. The POSIX and Win32 implementations live in
// system_file_system_posix.cpp and system_file_system_win32.cpp.
//
// Errors are the system's own (errno, or GetLastError on Windows);
// file_problem.h tells what they mean.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

namespace files {

// A file opened for writing by this program alone; closed when the object goes.
class WritingFile {
 public:
  virtual ~WritingFile() = default;
  // Writes every byte, or says why not.
  virtual std::error_code Write(std::string_view bytes) = 0;
  // Takes room for the file to hold `bytes` bytes in all, without writing them:
  // a full device, a quota or a file-size limit fails here.
  virtual std::error_code Reserve(std::uint64_t bytes) = 0;
  // Pushes everything written to the device and closes the file. A write
  // that the system held back may fail only here.
  virtual std::error_code Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Creates a new file, exclusively: never an existing file, nor the file that
  // a link of that name points to (both give "file exists").
  virtual std::error_code CreateNewFile(const std::filesystem::path& path,
                                        std::unique_ptr<WritingFile>& file) = 0;
  // Creates a new folder; "file exists" when something is there.
  virtual std::error_code CreateFolder(const std::filesystem::path& path) = 0;
  // Moves a file or folder to `to`. With `replace`, a file at `to` is replaced
  // in one step; without, anything at `to` fails the move and stays.
  virtual std::error_code Move(const std::filesystem::path& from, const std::filesystem::path& to,
                               bool replace) = 0;
  // Removes a file or link, or a folder with everything in it (never what a
  // link in it points to).
  virtual std::error_code Remove(const std::filesystem::path& path) = 0;
  // Whether the existing file can be opened to append to it; it is not
  // changed, and a missing file is not created ("no such file").
  virtual std::error_code CanAppendTo(const std::filesystem::path& path) = 0;
};

// The system's own file API.
std::unique_ptr<FileSystem> MakeSystemFileSystem();

// For a program's start: a write past the file-size limit (ulimit -f) then
// fails as a write, with "file too large", and is told like any other failed
// write, instead of ending the program without a word (SIGXFSZ). On Windows,
// which has no such limit, nothing.
void FailWritesPastSizeLimit();

}  // namespace files
