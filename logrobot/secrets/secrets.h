#pragma once

// The robot's secrets through libsodium: random tokens for the private links,
// the sessions and the forms' CSRF fields, their hashes, and the committee's
// password hashed with Argon2id.

#include <optional>
#include <string>
#include <string_view>

namespace logrobot {

// Once per process, before anything else here.
void InitializeSecrets();

// 32 random bytes as 43 characters of URL-safe base64: never guessed.
std::string RandomToken();

// The SHA-256 of a token (raw bytes), as the store keeps it.
std::string TokenHash(std::string_view token);

// Whether two texts are equal, in a time that does not depend on where they differ.
bool SameSecret(std::string_view a, std::string_view b);

// The password's Argon2id hash with its salt and costs, as one text; nothing
// when the system has not the memory for it.
std::optional<std::string> HashPassword(std::string_view password);

bool PasswordMatches(std::string_view hash, std::string_view password);

}  // namespace logrobot
