#pragma once

// A byte source that counts and digests what it passes on, so that a second
// pass over a log can prove that it read the very bytes the first pass read.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "logs/bytes/byte_source.h"

namespace logs {

// How many bytes a pass read, and a 64-bit digest of them (XXH3).
struct BytesRead {
  std::uint64_t size = 0;
  std::uint64_t digest = 0;
  bool operator==(const BytesRead&) const = default;
};

class DigestedBytes final : public ByteSource {
 public:
  explicit DigestedBytes(ByteSource& source);
  ~DigestedBytes() override;
  DigestedBytes(const DigestedBytes&) = delete;
  DigestedBytes& operator=(const DigestedBytes&) = delete;

  std::size_t Read(char* buffer, std::size_t size) override;

  // What passed through so far.
  BytesRead Total() const;

 private:
  struct State;
  ByteSource& source_;
  std::unique_ptr<State> state_;
};

}  // namespace logs
