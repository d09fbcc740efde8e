#include "logrobot/web/sessions.h"

#include "logrobot/secrets/secrets.h"

namespace logrobot {

std::string Sessions::Begin(std::int64_t now) {
  std::string token = RandomToken();
  const std::lock_guard lock(mutex_);
  std::erase_if(sessions_, [&](const auto& entry) { return entry.second.expires <= now; });
  sessions_[TokenHash(token)] = Session{RandomToken(), now + kLifetime};
  return token;
}

std::optional<Session> Sessions::Find(const std::string& token, std::int64_t now) {
  const std::lock_guard lock(mutex_);
  const auto found = sessions_.find(TokenHash(token));
  if (found == sessions_.end() || found->second.expires <= now) return std::nullopt;
  return found->second;
}

void Sessions::End(const std::string& token) {
  const std::lock_guard lock(mutex_);
  sessions_.erase(TokenHash(token));
}

}  // namespace logrobot
