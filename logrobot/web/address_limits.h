#pragma once

// Limits by the address a request comes from: uploads per minute, and the
// wait after wrong passwords, which doubles with each one (1 s, 2 s, 4 s, ...
// up to 5 minutes) until a right one. Times are the caller's seconds; old
// entries are dropped as new ones come, so the tables stay small.

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>

namespace logrobot {

class UploadLimit {
 public:
  explicit UploadLimit(int perMinute) : perMinute_(perMinute) {}

  // Whether one more upload from the address may come now; counts it if so.
  bool Allow(const std::string& address, std::int64_t now);

 private:
  int perMinute_;
  std::mutex mutex_;
  std::map<std::string, std::deque<std::int64_t>> recent_;
};

class PasswordThrottle {
 public:
  // How many seconds the address must still wait before its next try; 0: none.
  std::int64_t Wait(const std::string& address, std::int64_t now);

  void Failed(const std::string& address, std::int64_t now);
  void Succeeded(const std::string& address);

  static constexpr std::int64_t kLongestWait = 300;

 private:
  struct Failures {
    int count = 0;
    std::int64_t next = 0;  // no try before this second
  };
  std::mutex mutex_;
  std::map<std::string, Failures> failures_;
};

}  // namespace logrobot
