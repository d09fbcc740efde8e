#include "files/unique_name.h"

#include <cstdint>
#include <random>

#include "files/file_problem.h"

namespace files {
namespace {

// Names already taken are skipped; this many are tried before giving up.
constexpr int kAttempts = 16;
// Room for the unique part and the ending within the 255 characters a name
// may have: a longer target's name is cut.
constexpr std::size_t kLongestBase = 200;

std::filesystem::path UniqueName(const std::filesystem::path& target, std::string_view ending) {
  std::filesystem::path::string_type base = target.filename().native();
  if (base.size() > kLongestBase) base.resize(kLongestBase);
  std::random_device random;
  const std::uint64_t unique = (std::uint64_t{random()} << 32) ^ random();
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string name = ".";
  for (int shift = 60; shift >= 0; shift -= 4) name += kDigits[(unique >> shift) & 0xF];
  name += ending;
  base.append(name.begin(), name.end());
  return target.parent_path() / base;
}

}  // namespace

std::error_code MakeBeside(const std::filesystem::path& target, std::string_view ending,
                           const std::function<std::error_code(const std::filesystem::path&)>& make,
                           std::filesystem::path& made) {
  std::error_code error;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::filesystem::path name = UniqueName(target, ending);
    error = make(name);
    if (!error) {
      made = name;
      return {};
    }
    if (ProblemOf(error) != FileProblem::kExists) return error;
  }
  return error;
}

}  // namespace files
