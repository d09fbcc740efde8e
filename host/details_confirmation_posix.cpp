#include <fcntl.h>
#include <unistd.h>

#include "host/details_confirmation.h"

namespace host {

// Standard input points at /dev/null meanwhile; the old one is put back after.
struct DetailsConfirmation::State {
  int savedInput = ::dup(STDIN_FILENO);

  State() {
    const int empty = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (empty < 0) return;
    ::dup2(empty, STDIN_FILENO);
    ::close(empty);
  }

  ~State() {
    if (savedInput < 0) return;
    ::dup2(savedInput, STDIN_FILENO);
    ::close(savedInput);
  }
};

DetailsConfirmation::DetailsConfirmation() : state_(std::make_unique<State>()) {}
DetailsConfirmation::~DetailsConfirmation() = default;

}  // namespace host
