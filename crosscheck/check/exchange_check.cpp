#include "crosscheck/check/exchange_check.h"

#include <charconv>
#include <optional>

namespace crosscheck {

ExchangeCheck::ExchangeCheck(const Contest& contest) : contest_(contest) {
  numbers_.reserve(contest.exchanges.Size());
  for (std::uint32_t id = 0; id < contest.exchanges.Size(); ++id) {
    const std::string& text = contest.exchanges.Text(id);
    std::size_t digits = 0;
    while (digits < text.size() && (text[digits] < '0' || text[digits] > '9')) ++digits;
    const std::string_view prefix = std::string_view(text).substr(0, digits);
    Number number;
    number.prefix = Form(prefix);
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data() + digits, end, value);
    if (digits < text.size() && parsed.ec == std::errc() && parsed.ptr == end) {
      number.value = value;
      number.text = Form(std::string(prefix) + std::to_string(value));
    } else {
      number.text = Form(text);
    }
    numbers_.push_back(number);
  }
}

std::uint32_t ExchangeCheck::Form(std::string_view text) { return forms_.IdOf(text); }

std::uint32_t ExchangeCheck::ExpectedText(QsoId sent) const {
  const ContestLog& log = contest_.logs[contest_.qsos[sent].log];
  const Number* before = sent > log.firstQso ? &numbers_[contest_.qsos[sent - 1].sent] : nullptr;
  const Number* after = sent + 1 < log.endQso ? &numbers_[contest_.qsos[sent + 1].sent] : nullptr;
  if (before != nullptr && after != nullptr && before->text == after->text) return before->text;
  // Serial numbers: one more than the line before, one less than the line
  // after, and where there are both, both agree.
  const auto serial = [&](const Number* neighbour, std::int64_t step) {
    return neighbour == nullptr || neighbour->value < 0
               ? std::optional<std::string>()
               : forms_.Text(neighbour->prefix) + std::to_string(neighbour->value + step);
  };
  const std::optional<std::string> fromBefore = serial(before, 1);
  const std::optional<std::string> fromAfter = serial(after, -1);
  if (before != nullptr && after != nullptr && fromBefore != fromAfter) return kNone;
  const std::optional<std::string>& expected = fromBefore ? fromBefore : fromAfter;
  return expected ? forms_.Find(*expected) : kNone;
}

bool ExchangeCheck::CopiedRight(QsoId received, QsoId sent) const {
  const std::uint32_t copied = numbers_[contest_.qsos[received].received].text;
  const std::uint32_t logged = numbers_[contest_.qsos[sent].sent].text;
  if (copied == logged) return true;
  const std::uint32_t expected = ExpectedText(sent);
  return expected != kNone && copied == expected;
}

}  // namespace crosscheck
