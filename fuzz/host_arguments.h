#pragma once

// Arguments as a host might pass them to the plug-in, drawn from fuzz input:
// texts (contest tokens, Windows-1251 and invalid bytes, separators, empty,
// very long, now and then a null pointer) and date-times (the present hour,
// NaN, infinities, huge and negative values, the range limits, every status),
// each with what is known about it for checking the plug-in's answers.

#include <string>

#include "fuzz/fuzz_input.h"
#include "stats/public/exports.h"

namespace fuzz {

// A text argument: the bytes up to the first zero, or a null pointer.
class HostText {
 public:
  HostText() = default;  // null
  explicit HostText(std::string text);

  const char* Pointer() const noexcept { return null_ ? nullptr : text_.c_str(); }
  // What the plug-in reads: a null text counts as empty.
  const std::string& Value() const noexcept { return text_; }

 private:
  std::string text_;
  bool null_ = true;
};

HostText NextText(FuzzInput& input);

// The present moment in UTC, read once per case from the system clock.
struct UtcNow {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
};
UtcNow ReadUtcNow();

// A date-time argument. `valid` tells whether it has a calendar time; `hour`
// and `dayText` ("dd.mm.yyyy") are known only for dates made from calendar
// fields, and are -1 and empty otherwise.
struct HostDate {
  StatsDateTime value{};
  bool null = false;
  bool valid = false;
  int hour = -1;
  std::string dayText;

  const StatsDateTime* Pointer() const noexcept { return null ? nullptr : &value; }
};

HostDate NextDate(FuzzInput& input, const UtcNow& now);

}  // namespace fuzz
