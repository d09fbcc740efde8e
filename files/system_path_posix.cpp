#include <cstdlib>
#include <memory>

#include "files/system_path.h"

namespace files {

std::filesystem::path AbsolutePath(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute;
}

std::filesystem::path NormalPath(const std::filesystem::path& path) {
  return path.lexically_normal();
}

std::optional<std::filesystem::path> RealPath(const std::filesystem::path& path) {
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                         &std::free);
  if (!real) return std::nullopt;
  return std::filesystem::path(real.get());
}

std::optional<std::filesystem::path> HoldingFolder(const std::filesystem::path& real) {
  std::filesystem::path parent = real.parent_path();
  if (parent.empty() || parent == real) return std::nullopt;
  return parent;
}

std::filesystem::path::string_type NameKey(std::filesystem::path::string_type name) { return name; }

}  // namespace files
