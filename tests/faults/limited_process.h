#pragma once

// One of our programs run as a process of its own under a resource limit
// (setrlimit, which holds for root too), with its output and errors taken
// through pipes, which no file-size limit touches. POSIX only.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace stats::testing {

struct ProcessOutcome {
  int status;  // the exit status, or minus the signal that ended it
  std::string out;
  std::string err;
};

inline std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t got = 0;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
    text.append(buffer, static_cast<std::size_t>(got));
  ::close(fd);
  return text;
}

// Runs `program` with `arguments` in the current folder, `resource` limited to
// `limit`; standard input is empty.
inline ProcessOutcome RunLimited(const std::string& program,
                                 const std::vector<std::string>& arguments, int resource,
                                 rlim_t limit) {
  int out[2];
  int err[2];
  if (::pipe(out) != 0 || ::pipe(err) != 0) return {-1000, "", "no pipe"};
  const pid_t child = ::fork();
  if (child == 0) {
    const rlimit limited{limit, limit};
    const int in = ::open("/dev/null", O_RDONLY);
    if (in < 0 || ::setrlimit(resource, &limited) != 0) ::_exit(99);
    ::dup2(in, STDIN_FILENO);
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(98);
  }
  ::close(out[1]);
  ::close(err[1]);
  ProcessOutcome outcome{0, ReadAll(out[0]), ReadAll(err[0])};  // both stay small
  int status = 0;
  ::waitpid(child, &status, 0);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  return outcome;
}

}  // namespace stats::testing
