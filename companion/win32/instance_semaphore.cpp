#include "companion/win32/instance_semaphore.h"

#include "companion/texts.h"

namespace zarnik::win32 {

bool InstanceSemaphore::Acquire() {
  // Not every system clears the last error when it creates a new object.
  SetLastError(ERROR_SUCCESS);
  semaphore_.Reset(CreateSemaphoreA(nullptr, 0, 1, kInstanceSemaphoreName));
  const DWORD error = GetLastError();
  return semaphore_ && error == ERROR_SUCCESS;
}

}  // namespace zarnik::win32
