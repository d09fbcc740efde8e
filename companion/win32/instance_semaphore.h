#pragma once

// The single-copy mark: the named semaphore "Rara_Zudo", held until the process
// ends.

#include <windows.h>

#include "companion/instance_lock.h"
#include "companion/win32/unique_handle.h"

namespace zarnik::win32 {

class InstanceSemaphore final : public InstanceLock {
 public:
  bool Acquire() override;

 private:
  UniqueHandle<HANDLE, &CloseHandle> semaphore_;
};

}  // namespace zarnik::win32
