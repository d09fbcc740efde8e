#include <fcntl.h>
#include <stdio_ext.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "stats-host/run/details_answer.h"

namespace stats_host {
namespace {

// More empty lines than the stand-in asks questions: each keeps a value, the
// last one it reads confirms.
constexpr std::size_t kConfirmingLines = 32;

// A pipe that holds `text` and then ends; its reading end, or -1.
int PipeHolding(const std::string& text) {
  int ends[2];
  if (::pipe(ends) != 0) return -1;
  const bool written =
      ::write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ::close(ends[1]);
  if (written) return ends[0];
  ::close(ends[0]);
  return -1;
}

}  // namespace

// Standard input points elsewhere meanwhile; the old one is put back after,
// with nothing of the answers left in the C and C++ input buffers.
struct DetailsAnswer::State {
  int savedInput = -1;
  bool confirming = false;

  explicit State(bool confirm) {
    if (!confirm && ::isatty(STDIN_FILENO) != 0) return;  // the operator answers
    const int answers = confirm ? PipeHolding(std::string(kConfirmingLines, '\n'))
                                : ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (answers < 0) return;
    confirming = confirm;
    savedInput = ::dup(STDIN_FILENO);
    ::dup2(answers, STDIN_FILENO);
    ::close(answers);
  }

  ~State() {
    if (savedInput < 0) return;
    __fpurge(stdin);
    std::clearerr(stdin);
    std::cin.clear();
    ::dup2(savedInput, STDIN_FILENO);
    ::close(savedInput);
  }
};

DetailsAnswer::DetailsAnswer(bool confirm) : state_(std::make_unique<State>(confirm)) {}
DetailsAnswer::~DetailsAnswer() = default;
bool DetailsAnswer::Confirmed() const { return state_->confirming; }

}  // namespace stats_host
