#include "companion/host_window_class.h"

namespace zarnik {

bool IsHostWindowClass(std::string_view className) {
  return className.substr(0, kHostWindowClassPrefix.size()) == kHostWindowClassPrefix;
}

}  // namespace zarnik
