// The robot's listening socket: a burst of clients at the deadline is queued
// while the robot is busy, never dropped, and the port is the robot's alone.

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "logrobot/secrets/secrets.h"
#include "tests/logrobot/robot_fixtures.h"
#include "tests/logrobot/robot_process.h"
#include "tests/support/temp_dir.h"

namespace logrobot {
namespace {

class Connection {
 public:
  // Starts connecting to the port of the loopback without waiting.
  explicit Connection(int port) : fd_(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  }
  ~Connection() { close(fd_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Whether the kernel has completed the handshake within the time.
  bool Connected(int milliseconds) const {
    pollfd ready{fd_, POLLOUT, 0};
    int error = 0;
    socklen_t size = sizeof error;
    return poll(&ready, 1, milliseconds) == 1 &&
           getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
  }

  // The status line of the answer to a GET of the page.
  std::string StatusLine(const std::string& path) const {
    const std::string request =
        "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    if (send(fd_, request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size()))
      return "not sent";
    std::string answer;
    char buffer[4096];
    for (pollfd ready{fd_, POLLIN, 0}; answer.find("\r\n") == std::string::npos;) {
      if (poll(&ready, 1, 10000) != 1) return "no answer";
      const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
      if (got <= 0) return "closed after \"" + answer + "\"";
      answer.append(buffer, static_cast<std::size_t>(got));
    }
    return answer.substr(0, answer.find("\r\n"));
  }

 private:
  int fd_;
};

using ListeningTest = RobotDataTest;

TEST_F(ListeningTest, ABurstOfClientsIsQueuedWhileTheRobotTakesNoneAndThenAnswered) {
  RobotProcess robot(dir_.Path());
  robot.Signal(SIGSTOP);  // takes no connection: the kernel's queue alone holds them
  std::vector<std::unique_ptr<Connection>> clients;
  for (int i = 0; i < 100; ++i) clients.push_back(std::make_unique<Connection>(robot.Port()));
  int connected = 0;
  for (const auto& client : clients) connected += client->Connected(2000) ? 1 : 0;
  EXPECT_EQ(connected, 100) << "handshakes the kernel completed for the stopped robot";
  robot.Signal(SIGCONT);
  int answered = 0;
  std::string unanswered;
  for (const auto& client : clients) {
    const std::string status = client->StatusLine("/en/");
    if (status == "HTTP/1.1 200 OK")
      ++answered;
    else
      unanswered = status;
  }
  EXPECT_EQ(answered, 100) << "one of the others: " << unanswered;
}

TEST_F(ListeningTest, ASecondRobotOnTheSamePortIsRefused) {
  const RobotProcess first(dir_.Path());
  const std::string second =
      std::string("timeout 10 ") + KV_LOGROBOT + " serve --data '" + dir_.Path().string() +
      "' --listen 127.0.0.1:" + std::to_string(first.Port()) + " >/dev/null 2>&1";
  const int status = std::system(second.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1) << "124: it served beside the first";
}

}  // namespace
}  // namespace logrobot
