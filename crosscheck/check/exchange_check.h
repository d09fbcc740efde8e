#pragma once

// Whether a received number is the one the other station sent. Numbers are
// compared as numbers ("017" is "17"), a prefix ("W") as text. The number
// sent is what the sender's log says, unless the sender's own log shows that
// the line is a slip of its own: its neighbouring lines' numbers say another
// number for it (one more than the line before and one less than the line
// after, agreeing where there are both; or the same number on both sides),
// and the receiver copied that number. The sender's slip is not charged to
// the receiver.

#include <cstdint>
#include <string>
#include <vector>

#include "crosscheck/check/contest.h"

namespace crosscheck {

class ExchangeCheck {
 public:
  explicit ExchangeCheck(const Contest& contest);

  bool CopiedRight(QsoId received, QsoId sent) const;

 private:
  struct Number {
    std::uint32_t text = 0;  // the exchange written the one way, in `forms_`
    std::uint32_t prefix = 0;
    std::int64_t value = -1;  // -1: no number
  };
  // What the neighbours of the sender's line say it should be.
  std::uint32_t ExpectedText(QsoId sent) const;
  std::uint32_t Form(std::string_view text);

  const Contest& contest_;
  TextTable forms_;
  std::vector<Number> numbers_;  // by exchange id
};

}  // namespace crosscheck
