#include "logrobot/secrets/secrets.h"

#include <sodium.h>

#include <array>
#include <stdexcept>

namespace logrobot {

void InitializeSecrets() {
  if (sodium_init() < 0) throw std::runtime_error("libsodium can not be initialised");
}

std::string RandomToken() {
  std::array<unsigned char, 32> random;
  randombytes_buf(random.data(), random.size());
  constexpr int kVariant = sodium_base64_VARIANT_URLSAFE_NO_PADDING;
  std::array<char, sodium_base64_ENCODED_LEN(32, kVariant)> text;
  sodium_bin2base64(text.data(), text.size(), random.data(), random.size(), kVariant);
  return text.data();
}

std::string TokenHash(std::string_view token) {
  std::string hash(crypto_hash_sha256_BYTES, '\0');
  crypto_hash_sha256(reinterpret_cast<unsigned char*>(hash.data()),
                     reinterpret_cast<const unsigned char*>(token.data()), token.size());
  return hash;
}

bool SameSecret(std::string_view a, std::string_view b) {
  // Hashes of equal length compared in constant time: the lengths leak nothing either.
  const std::string hashA = TokenHash(a);
  const std::string hashB = TokenHash(b);
  return sodium_memcmp(hashA.data(), hashB.data(), hashA.size()) == 0;
}

std::optional<std::string> HashPassword(std::string_view password) {
  std::array<char, crypto_pwhash_STRBYTES> hash;
  if (crypto_pwhash_str(hash.data(), password.data(), password.size(),
                        crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
    return std::nullopt;
  }
  return std::string(hash.data());
}

bool PasswordMatches(std::string_view hash, std::string_view password) {
  const std::string terminated(hash);
  return crypto_pwhash_str_verify(terminated.c_str(), password.data(), password.size()) == 0;
}

}  // namespace logrobot
