#pragma once

// Who answers the plug-in's station-details question while the object lives.
// With `confirm`, stats-host answers OK with the details unchanged: on Windows
// a helper thread presses OK in the dialog this process shows; elsewhere the
// plug-in's console stand-in reads scripted answers from standard input, and
// gets empty lines, which keep every value and confirm. Without `confirm` the
// operator answers, when there is one: on Windows the dialog waits for them;
// elsewhere a standard input that is not a terminal is replaced by an empty
// one, so that the stand-in counts the question as cancelled and never reads
// the caller's input.

#include <memory>

namespace stats_host {

class DetailsAnswer {
 public:
  explicit DetailsAnswer(bool confirm);
  ~DetailsAnswer();
  DetailsAnswer(const DetailsAnswer&) = delete;
  DetailsAnswer& operator=(const DetailsAnswer&) = delete;

  // With `confirm`: whether OK was given. False on Windows when no dialog
  // came up to press it in: one that can not be shown (a service, a task
  // without a desktop) counts as CANCEL in the plug-in.
  bool Confirmed() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace stats_host
