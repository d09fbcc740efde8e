#pragma once

// Answers the plug-in's station-details question with OK, unchanged, for as
// long as the object lives: on Windows a helper thread presses OK in the
// dialog that this process shows; elsewhere the plug-in's console stand-in
// reads an empty standard input, which it takes as OK.

#include <memory>

namespace host {

class DetailsConfirmation {
 public:
  DetailsConfirmation();
  ~DetailsConfirmation();
  DetailsConfirmation(const DetailsConfirmation&) = delete;
  DetailsConfirmation& operator=(const DetailsConfirmation&) = delete;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace host
