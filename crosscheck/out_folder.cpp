#include "crosscheck/out_folder.h"

#include <algorithm>

#include "files/path_identity.h"
#include "files/utf8_path.h"

namespace crosscheck {

std::optional<std::string> OutFolderAmongLogs(const Options& options) {
  const std::string out = files::Utf8OfPath(options.out);
  const std::vector<files::FileId> aroundOut = files::IdsUpFrom(options.out);
  const std::optional<files::FileStamp> outFolder = files::StampOf(options.out);
  for (const std::filesystem::path& log : options.logs) {
    const std::string given = files::Utf8OfPath(log);
    const std::optional<files::FileStamp> stamp = files::StampOf(log);
    if (stamp && std::find(aroundOut.begin(), aroundOut.end(), stamp->id) != aroundOut.end()) {
      return "--out " + out + " is " + given + ", which was given as logs, or lies inside it";
    }
    if (!outFolder) continue;
    const std::vector<files::FileId> aroundLog = files::IdsUpFrom(log);
    if (std::find(aroundLog.begin(), aroundLog.end(), outFolder->id) != aroundLog.end()) {
      return "the log " + given + " lies inside --out " + out + ", where the outputs go";
    }
  }
  return std::nullopt;
}

}  // namespace crosscheck
