#pragma once

// A failure of the store: the disk, the database. What was asked for did not
// happen; nothing was half done.

#include <stdexcept>

namespace logrobot {

class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace logrobot
