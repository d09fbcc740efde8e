#pragma once

// What the companion asks of the program around it: a message to the user and
// the end of the program.

#include <string>

namespace zarnik {

class ProgramControl {
 public:
  virtual ~ProgramControl() = default;

  // A modal box with `text`, the program's title and one OK button, no icon.
  // Returns when the user has dismissed it.
  virtual void ShowMessage(const std::string& text) = 0;

  // Ends the program: the own window goes away and no handler runs after the
  // current one returns.
  virtual void EndProgram() = 0;
};

}  // namespace zarnik
