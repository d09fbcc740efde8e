#pragma once

// The built robot run as a program of its own ("logrobot serve") on a free
// port of the loopback, for the tests that kill it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "logrobot/secrets/secrets.h"
#include "tests/logrobot/robot_fixtures.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace logrobot {

class RobotProcess {
 public:
  // Starts the robot on `data`, with `environment` added to this process's
  // own, and waits until it says on which port it listens.
  RobotProcess(const std::filesystem::path& data,
               const std::vector<std::string>& environment = {}) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<std::string> arguments = {KV_LOGROBOT,
                                          "serve",
                                          "--data",
                                          data.string(),
                                          "--listen",
                                          "127.0.0.1:0",
                                          "--uploads-per-minute",
                                          "1000000"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables(environment);
    for (char** variable = environ; *variable != nullptr; ++variable)
      variables.push_back(*variable);
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) throw std::runtime_error("logrobot can not be started");
    std::string line;
    char c = 0;
    while (read(pipeFds[0], &c, 1) == 1 && c != '\n') line += c;
    close(pipeFds[0]);
    const std::size_t colon = line.rfind(':');
    if (colon == std::string::npos) throw std::runtime_error("logrobot said: " + line);
    port_ = std::stoi(line.substr(colon + 1));
  }
  ~RobotProcess() {
    if (pid_ > 0) Kill(SIGKILL);
  }
  RobotProcess(const RobotProcess&) = delete;
  RobotProcess& operator=(const RobotProcess&) = delete;

  int Port() const { return port_; }

  // Sends the signal and waits for the end: the exit status, or -signal.
  int Kill(int signal) {
    ::kill(pid_, signal);
    return Wait();
  }

  // Sends the signal without waiting (SIGSTOP, SIGCONT).
  void Signal(int signal) const { ::kill(pid_, signal); }

  int Wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  }

 private:
  pid_t pid_ = 0;
  int port_ = 0;
};

// A fresh data folder holding the sample contest, for tests that start the
// robot on it.
class RobotDataTest : public testing::Test {
 protected:
  void SetUp() override {
    InitializeSecrets();
    std::ofstream(dir_.Path() / "contest.json") << kSampleContestJson;
  }
  stats::testing::TempDir dir_;
};

}  // namespace logrobot
