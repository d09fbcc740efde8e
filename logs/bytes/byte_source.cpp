#include "logs/bytes/byte_source.h"

#include <algorithm>
#include <cstring>

namespace logs {

std::size_t MemoryBytes::Read(char* buffer, std::size_t size) {
  const std::size_t count = std::min(size, rest_.size());
  if (count > 0) std::memcpy(buffer, rest_.data(), count);
  rest_.remove_prefix(count);
  return count;
}

FileBytes::FileBytes(const std::filesystem::path& path) {
  file_.rdbuf()->pubsetbuf(nullptr, 0);
  file_.open(path, std::ios::binary);
  if (!file_) throw ReadError("can not open " + path.string());
}

std::size_t FileBytes::Read(char* buffer, std::size_t size) {
  file_.read(buffer, static_cast<std::streamsize>(size));
  if (file_.bad()) throw ReadError("a read error");
  return static_cast<std::size_t>(file_.gcount());
}

}  // namespace logs
