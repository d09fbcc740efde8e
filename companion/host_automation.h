#pragma once

// The host's automation interface as the companion uses it: one running
// application object, attached by its programmatic identifier, with the method
// ExecuteMacros.

#include <cstdint>
#include <optional>
#include <string>

namespace zarnik {

// A failed automation call: the error's code (an HRESULT or the server's own
// code) and its description.
struct AutomationError {
  std::int32_t code = 0;
  std::string description;
};

class HostAutomation {
 public:
  virtual ~HostAutomation() = default;

  // Looks the host's running application object up, without ever launching the
  // host. On success the fresh reference replaces the one held so far; on
  // failure the one held so far is kept. Returns whether the host was found.
  virtual bool Attach() = 0;

  // Has the attached host carry out one macro text. Returns the error when the
  // call failed (also when no host is attached), nothing on success; the
  // method's own result is ignored.
  [[nodiscard]] virtual std::optional<AutomationError> ExecuteMacros(const std::string& macro) = 0;

  // Lets go of the host's application object.
  virtual void Release() = 0;
};

}  // namespace zarnik
