#include <termios.h>
#include <unistd.h>

#include <istream>
#include <ostream>
#include <string>

#include "logrobot/program/commands.h"
#include "logrobot/secrets/secrets.h"
#include "logrobot/store/sqlite_store.h"

namespace logrobot {
namespace {

constexpr std::size_t kShortestPassword = 10;

// Typing is not shown while it lives.
class HiddenTyping {
 public:
  HiddenTyping() : terminal_(isatty(STDIN_FILENO) == 1) {
    if (!terminal_ || tcgetattr(STDIN_FILENO, &saved_) != 0) {
      terminal_ = false;
      return;
    }
    termios hidden = saved_;
    hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
  }
  ~HiddenTyping() {
    if (terminal_) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
  }
  HiddenTyping(const HiddenTyping&) = delete;
  HiddenTyping& operator=(const HiddenTyping&) = delete;
  bool Terminal() const { return terminal_; }

 private:
  bool terminal_;
  termios saved_{};
};

}  // namespace

int SetPassword(const std::filesystem::path& data, std::istream& in, std::ostream& err) {
  std::string password, again;
  {
    const HiddenTyping hidden;
    if (hidden.Terminal()) err << "The committee's new password: " << std::flush;
    std::getline(in, password);
    if (hidden.Terminal()) {
      err << "\nOnce more: " << std::flush;
      std::getline(in, again);
      err << "\n";
      if (again != password) {
        err << "logrobot: the two differ; nothing was changed\n";
        return 2;
      }
    }
  }
  if (!password.empty() && password.back() == '\r') password.pop_back();
  if (password.size() < kShortestPassword) {
    err << "logrobot: a password needs at least " << kShortestPassword
        << " characters; nothing was changed\n";
    return 2;
  }
  const auto hash = HashPassword(password);
  if (!hash) {
    err << "logrobot: not enough memory to hash the password\n";
    return 1;
  }
  SqliteStore(data).SetSetting(kCommitteePasswordKey, *hash);
  err << "logrobot: the committee's password is set\n";
  return 0;
}

}  // namespace logrobot
