#pragma once

// A zip archive written as it is sent: each file compressed (deflate) and
// appended in turn, the central directory at the end. Without the zip64
// extensions, so at most 65 535 files and 4 GiB; past that Add throws.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace logrobot {

class ZipArchive {
 public:
  // The bytes of one more file (its header and compressed contents) to send.
  // `name` is UTF-8, with "/" between folders.
  std::string Add(std::string_view name, std::string_view contents, std::int64_t modifiedUnix);

  // The bytes that end the archive.
  std::string Finish() const;

 private:
  struct Entry {
    std::string name;
    std::uint32_t crc = 0;
    std::uint32_t compressed = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
    std::uint16_t time = 0;
    std::uint16_t date = 0;
  };
  std::vector<Entry> entries_;
  std::uint64_t offset_ = 0;
};

}  // namespace logrobot
