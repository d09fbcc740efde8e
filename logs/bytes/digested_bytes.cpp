#include "logs/bytes/digested_bytes.h"

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace logs {

struct DigestedBytes::State {
  XXH3_state_t digest;
  std::uint64_t size = 0;
};

DigestedBytes::DigestedBytes(ByteSource& source)
    : source_(source), state_(std::make_unique<State>()) {
  XXH3_64bits_reset(&state_->digest);
}

DigestedBytes::~DigestedBytes() = default;

std::size_t DigestedBytes::Read(char* buffer, std::size_t size) {
  const std::size_t count = source_.Read(buffer, size);
  XXH3_64bits_update(&state_->digest, buffer, count);
  state_->size += count;
  return count;
}

BytesRead DigestedBytes::Total() const {
  return BytesRead{state_->size, XXH3_64bits_digest(&state_->digest)};
}

}  // namespace logs
