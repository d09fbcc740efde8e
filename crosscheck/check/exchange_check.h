#pragma once

// Whether a received number is the one the other station sent. Numbers are
// compared as numbers ("017" is "17"), a prefix ("W") as text. The number
// sent is what the sender's log says, unless the sender's own log shows that
// the line is a slip of its own: two of the two lines on either side agree on
// another number for it (as serial numbers: one more than the line before,
// two more than the line before that, one less than the line after...; or as
// a number sent unchanged: the same), and the receiver copied that number.
// The sender's slip is not charged to the receiver.

#include <cstdint>
#include <string>
#include <vector>

#include "crosscheck/check/contest.h"

namespace crosscheck {

class ExchangeCheck {
 public:
  explicit ExchangeCheck(const Contest& contest);

  bool CopiedRight(QsoId received, QsoId sent) const;

  // The same from forms taken once, for QSOs compared with many others.
  struct Forms {
    std::uint32_t received = 0;
    std::uint32_t sent = 0;
    std::uint32_t expected = kNone;  // what the neighbours say was sent, or kNone
  };
  Forms FormsOf(QsoId qso) const;
  static bool CopiedRight(const Forms& received, const Forms& sent) {
    return received.received == sent.sent || received.received == sent.expected;
  }

  // The exchange written the one way ("017" and "17" alike): equal forms are
  // the same number.
  std::uint32_t FormOf(std::uint32_t exchange) const { return numbers_[exchange].text; }

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
