#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace logrobot {

// The file's bytes; empty when it can not be read.
inline std::string FileContents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace logrobot
