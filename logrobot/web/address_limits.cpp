#include "logrobot/web/address_limits.h"

#include <algorithm>

namespace logrobot {

bool UploadLimit::Allow(const std::string& address, std::int64_t now) {
  const std::lock_guard lock(mutex_);
  for (auto it = recent_.begin(); it != recent_.end();) {
    std::deque<std::int64_t>& times = it->second;
    while (!times.empty() && times.front() <= now - 60) times.pop_front();
    it = times.empty() && it->first != address ? recent_.erase(it) : std::next(it);
  }
  std::deque<std::int64_t>& times = recent_[address];
  if (static_cast<int>(times.size()) >= perMinute_) return false;
  times.push_back(now);
  return true;
}

std::int64_t PasswordThrottle::Wait(const std::string& address, std::int64_t now) {
  const std::lock_guard lock(mutex_);
  const auto found = failures_.find(address);
  return found == failures_.end() ? 0 : std::max<std::int64_t>(0, found->second.next - now);
}

void PasswordThrottle::Failed(const std::string& address, std::int64_t now) {
  const std::lock_guard lock(mutex_);
  std::erase_if(failures_,
                [&](const auto& entry) { return entry.second.next + kLongestWait < now; });
  Failures& failures = failures_[address];
  ++failures.count;
  failures.next = now + std::min<std::int64_t>(kLongestWait,
                                               std::int64_t{1} << std::min(failures.count - 1, 20));
}

void PasswordThrottle::Succeeded(const std::string& address) {
  const std::lock_guard lock(mutex_);
  failures_.erase(address);
}

}  // namespace logrobot
