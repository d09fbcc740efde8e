#pragma once

// Where the ADIF reader takes its bytes from: a file read in large blocks, or
// bytes already in memory.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace logs {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies the next bytes, at most `size`, into `buffer` and returns how many;
  // 0 only at the end. Throws ReadError when the bytes can not be read.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

class ReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class MemoryBytes final : public ByteSource {
 public:
  explicit MemoryBytes(std::string_view bytes) : rest_(bytes) {}
  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  std::string_view rest_;
};

// A file read from its start, without a buffer of its own (the reader asks for
// large blocks).
class FileBytes final : public ByteSource {
 public:
  // Throws ReadError when the file can not be opened.
  explicit FileBytes(const std::filesystem::path& path);
  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  std::ifstream file_;
};

}  // namespace logs
