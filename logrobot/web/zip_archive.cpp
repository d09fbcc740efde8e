#include "logrobot/web/zip_archive.h"

#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <limits>
#include <stdexcept>

namespace logrobot {
namespace {

constexpr std::uint16_t kVersion = 20;         // 2.0: deflate
constexpr std::uint16_t kUtf8Names = 1 << 11;  // general purpose flag bit 11
constexpr std::uint16_t kDeflate = 8;

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::string Deflated(std::string_view contents) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
      Z_OK) {
    throw std::runtime_error("zlib can not compress");
  }
  std::string out(deflateBound(&stream, static_cast<uLong>(contents.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(contents.data()));
  stream.avail_in = static_cast<uInt>(contents.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int done = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (done != Z_STREAM_END) throw std::runtime_error("zlib can not compress");
  return out;
}

}  // namespace

std::string ZipArchive::Add(std::string_view name, std::string_view contents,
                            std::int64_t modifiedUnix) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
  if (entries_.size() == 0xFFFF || contents.size() > kMax || name.size() > 0xFFFF) {
    throw std::length_error("too much for one zip archive");
  }
  const std::string compressed = Deflated(contents);
  Entry entry;
  entry.name = std::string(name);
  entry.crc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(contents.data()),
                                               static_cast<uInt>(contents.size())));
  entry.compressed = static_cast<std::uint32_t>(compressed.size());
  entry.size = static_cast<std::uint32_t>(contents.size());
  entry.offset = static_cast<std::uint32_t>(offset_);
  const std::time_t seconds = static_cast<std::time_t>(modifiedUnix);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  entry.time = static_cast<std::uint16_t>(utc.tm_hour << 11 | utc.tm_min << 5 | utc.tm_sec / 2);
  entry.date = static_cast<std::uint16_t>(std::max(0, utc.tm_year - 80) << 9 |
                                          (utc.tm_mon + 1) << 5 | utc.tm_mday);

  std::string out;
  Put32(out, 0x04034b50);
  Put16(out, kVersion);
  Put16(out, kUtf8Names);
  Put16(out, kDeflate);
  Put16(out, entry.time);
  Put16(out, entry.date);
  Put32(out, entry.crc);
  Put32(out, entry.compressed);
  Put32(out, entry.size);
  Put16(out, static_cast<std::uint32_t>(name.size()));
  Put16(out, 0);
  out += name;
  out += compressed;
  if (offset_ + out.size() > kMax) throw std::length_error("too much for one zip archive");
  offset_ += out.size();
  entries_.push_back(std::move(entry));
  return out;
}

std::string ZipArchive::Finish() const {
  std::string out;
  for (const Entry& entry : entries_) {
    Put32(out, 0x02014b50);
    Put16(out, kVersion);
    Put16(out, kVersion);
    Put16(out, kUtf8Names);
    Put16(out, kDeflate);
    Put16(out, entry.time);
    Put16(out, entry.date);
    Put32(out, entry.crc);
    Put32(out, entry.compressed);
    Put32(out, entry.size);
    Put16(out, static_cast<std::uint32_t>(entry.name.size()));
    Put16(out, 0);  // extra field
    Put16(out, 0);  // comment
    Put16(out, 0);  // disk
    Put16(out, 0);  // internal attributes
    Put32(out, 0);  // external attributes
    Put32(out, entry.offset);
    out += entry.name;
  }
  const auto directorySize = static_cast<std::uint32_t>(out.size());
  Put32(out, 0x06054b50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(entries_.size()));
  Put16(out, static_cast<std::uint32_t>(entries_.size()));
  Put32(out, directorySize);
  Put32(out, static_cast<std::uint32_t>(offset_));
  Put16(out, 0);
  return out;
}

}  // namespace logrobot
