#pragma once

// The committee's sessions, kept in memory (a restart logs the committee
// out): each a random token for the cookie, known here only by its hash, with
// its own random CSRF token for the forms, valid for 12 hours.

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace logrobot {

struct Session {
  std::string csrf;
  std::int64_t expires = 0;
};

class Sessions {
 public:
  static constexpr std::int64_t kLifetime = 12 * 60 * 60;

  // A new session: its cookie token.
  std::string Begin(std::int64_t now);

  std::optional<Session> Find(const std::string& token, std::int64_t now);

  void End(const std::string& token);

 private:
  std::mutex mutex_;
  std::map<std::string, Session> sessions_;  // by the token's hash
};

}  // namespace logrobot
