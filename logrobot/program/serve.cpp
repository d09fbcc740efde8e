#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <thread>

#include "files/utf8_path.h"
#include "logrobot/check/check_runner.h"
#include "logrobot/program/commands.h"
#include "logrobot/store/sqlite_store.h"

namespace logrobot {
namespace {

std::int64_t Now() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// SIGINT and SIGTERM stop the server: they are taken by a thread of their own
// rather than by a handler, which could do nothing safe.
class StopOnSignal {
 public:
  explicit StopOnSignal(httplib::Server& server) {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals_, nullptr);  // before any other thread starts
    signal(SIGPIPE, SIG_IGN);
    thread_ = std::thread([this, &server] {
      int signal = 0;
      sigwait(&signals_, &signal);
      server.stop();
    });
  }
  ~StopOnSignal() {
    pthread_kill(thread_.native_handle(), SIGTERM);  // nothing when it has stopped already
    thread_.join();
  }
  StopOnSignal(const StopOnSignal&) = delete;
  StopOnSignal& operator=(const StopOnSignal&) = delete;

 private:
  sigset_t signals_;
  std::thread thread_;
};

// The listening socket as the robot wants it. The HTTP library queues at most
// five connections not yet taken, and a burst of uploads at the deadline
// overflows that: the kernel then drops the clients' packets, and a client
// whose request is dropped for long enough has its connection closed without
// an answer. Once bound, the socket listens again with the system's longest
// queue. Only SO_REUSEADDR is set, not the library's SO_REUSEPORT, so that a
// second robot on the same port is refused instead of taking half the
// connections.
class ListeningSocket {
 public:
  explicit ListeningSocket(httplib::Server& server) {
    server.set_socket_options([this](socket_t socket) {
      const int yes = 1;
      setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
      socket_ = socket;  // the last one tried is the one bound
    });
  }
  bool LengthenQueue() const { return socket_ >= 0 && listen(socket_, SOMAXCONN) == 0; }

 private:
  socket_t socket_ = -1;
};

}  // namespace

int Serve(const ServeOptions& options, std::ostream& out, std::ostream& err) {
  auto contest = ReadContestFile(options.data);
  if (const std::string* problem = std::get_if<std::string>(&contest)) {
    err << "logrobot: " << files::Utf8OfPath(options.data / kContestFileName) << ": " << *problem
        << "\n";
    return 2;
  }
  SqliteStore store(options.data);
  store.Recover();
  // The crash test ends the process between a log's file and its record.
  if (std::getenv("LOGROBOT_EXIT_BEFORE_COMMIT") != nullptr) {
    store.SetBeforeCommit([] { _exit(86); });
  }
  CheckRunner checks(store, std::get<ContestFile>(contest), options.data / kChecksFolderName,
                     options.crosscheck, Now);
  httplib::Server server;
  const int threads = options.threads;
  server.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
  RobotSite site(std::get<ContestFile>(contest), store, checks, options.site, Now);
  site.Install(server);
  const StopOnSignal stop(server);
  ListeningSocket listening(server);  // not const: the library writes its socket into it
  const int port = options.port == 0
                       ? server.bind_to_any_port(options.host)
                       : (server.bind_to_port(options.host, options.port) ? options.port : -1);
  if (port < 0 || !listening.LengthenQueue()) {
    err << "logrobot: can not listen on " << options.host << ":" << options.port << "\n";
    return 1;
  }
  if (!store.Setting(kCommitteePasswordKey)) {
    err << "logrobot: no committee password yet: run logrobot set-password --data "
        << files::Utf8OfPath(options.data) << "\n";
  }
  out << "logrobot: serving " << std::get<ContestFile>(contest).nameEnglish << " on http://"
      << options.host << ":" << port << "/ (Ctrl-C stops)" << std::endl;
  server.listen_after_bind();
  return 0;
}

}  // namespace logrobot
