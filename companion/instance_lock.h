#pragma once

// Keeps a second copy of the companion from running.

namespace zarnik {

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;

  // Marks this process as the running copy until it ends. Returns false when
  // another copy holds the mark or the mark can not be made.
  virtual bool Acquire() = 0;
};

}  // namespace zarnik
