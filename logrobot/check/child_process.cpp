#include "logrobot/check/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <fstream>

extern char** environ;

namespace logrobot {
namespace {

class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t* Get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

int RunProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
               const std::filesystem::path& output) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.Get(), 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(actions.Get(), 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_adddup2(actions.Get(), 1, 2);
  posix_spawn_file_actions_addchdir_np(actions.Get(), folder.c_str());
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], actions.Get(), nullptr, argv.data(), environ);
  if (spawned != 0) {
    std::ofstream(output) << arguments[0] << " can not be started: " << std::strerror(spawned)
                          << "\n";
    return -1;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  std::ofstream(output, std::ios::app)
      << arguments[0] << " ended by signal " << WTERMSIG(status) << "\n";
  return -1;
}

}  // namespace logrobot
