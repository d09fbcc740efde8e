#include "stats-host/run/output_guard.h"

#include <cstdint>
#include <system_error>

#include "logs/text/text_pattern.h"
#include "stats-host/run/output_check.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;

// A path by what it names: the deepest file or folder of it that exists (its
// device and index), and the names below that one that do not exist yet.
struct PathIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  std::vector<fs::path::string_type> missing;
  bool operator==(const PathIdentity&) const = default;
};

std::optional<PathIdentity> IdentityOf(const fs::path& path) {
  std::error_code error;
  fs::path existing = fs::weakly_canonical(fs::absolute(path, error), error);
  if (error) return std::nullopt;
  PathIdentity identity;
  std::optional<FileStamp> stamp;
  while (!(stamp = StampOf(existing))) {
    if (existing == existing.parent_path()) return std::nullopt;
    fs::path::string_type name = existing.filename().native();
#if defined(_WIN32)
    for (auto& c : name) {
      if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');  // as Windows compares
    }
#endif
    identity.missing.push_back(std::move(name));
    existing = existing.parent_path();
  }
  identity.volume = stamp->volume;
  identity.index = stamp->index;
  return identity;
}

// The kept file that `output` is, or will be once written.
const KeptFile* KeptFileAt(const fs::path& output, const std::vector<const KeptFile*>& kept) {
  const auto identity = IdentityOf(output);
  if (!identity) return nullptr;
  for (const KeptFile* file : kept) {
    if (IdentityOf(file->path) == identity) return file;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> OutputOverAKeptFile(const KeptFiles& kept,
                                               const std::optional<fs::path>& page,
                                               const RunTexts& texts) {
  if (page) {
    std::vector<const KeptFile*> all = {&kept.log, &kept.plugin};
    for (const auto* files : {&kept.pluginWrites, &kept.pluginReads}) {
      for (const KeptFile& file : *files) all.push_back(&file);
    }
    if (const KeptFile* clash = KeptFileAt(*page, all)) {
      return logs::Substituted(texts.htmlOverKept, {page->string(), clash->what});
    }
  }
  for (const KeptFile& written : kept.pluginWrites) {
    if (const KeptFile* clash = KeptFileAt(written.path, {&kept.log, &kept.plugin})) {
      return logs::Substituted(texts.writtenOverKept,
                               {clash->path.string(), clash->what, written.what});
    }
  }
  return std::nullopt;
}

}  // namespace stats_host
