#include <ostream>

#include "files/utf8_path.h"
#include "logrobot/check/check_runner.h"
#include "logrobot/contest/contest_file.h"
#include "logrobot/program/commands.h"
#include "logrobot/store/sqlite_store.h"

namespace logrobot {

int Backup(const std::filesystem::path& data, const std::filesystem::path& copy, std::ostream& out,
           std::ostream& err) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::exists(copy, error)) {
    err << "logrobot: " << files::Utf8OfPath(copy) << " is there already; a backup goes into a "
        << "new folder\n";
    return 2;
  }
  if (!fs::exists(data / kDatabaseFileName, error)) {
    err << "logrobot: " << files::Utf8OfPath(data) << " holds no robot's store\n";
    return 2;
  }
  BackupStore(data, copy);
  fs::copy_file(data / kContestFileName, copy / kContestFileName, error);
  if (!error && fs::exists(data / kChecksFolderName)) {
    fs::copy(data / kChecksFolderName, copy / kChecksFolderName, fs::copy_options::recursive,
             error);
  }
  if (error) {
    err << "logrobot: " << error.message() << "\n";
    return 1;
  }
  out << "logrobot: backed up into " << files::Utf8OfPath(copy) << "\n";
  return 0;
}

}  // namespace logrobot
