#include "stats-host/run/output_guard.h"

#include "files/path_identity.h"
#include "logs/text/text_pattern.h"

namespace stats_host {
namespace {

namespace fs = std::filesystem;

// The kept file that `output` is, or will be once written.
const KeptFile* KeptFileAt(const fs::path& output, const std::vector<const KeptFile*>& kept) {
  const auto identity = files::IdentityOf(output);
  if (!identity) return nullptr;
  for (const KeptFile* file : kept) {
    if (files::IdentityOf(file->path) == identity) return file;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> OutputOverAKeptFile(const KeptFiles& kept,
                                               const std::optional<fs::path>& page,
                                               const RunTexts& texts) {
  if (page) {
    std::vector<const KeptFile*> all = {&kept.log, &kept.plugin};
    for (const auto* group : {&kept.pluginWrites, &kept.pluginReads}) {
      for (const KeptFile& file : *group) all.push_back(&file);
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
  for (const KeptFile& read : kept.pluginReads) {
    if (KeptFileAt(read.path, {&kept.log})) {
      return logs::Substituted(texts.logIsPluginInput, {kept.log.path.string(), read.what});
    }
  }
  return std::nullopt;
}

}  // namespace stats_host
