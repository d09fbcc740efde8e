#include "crosscheck/check/exchange_check.h"

#include <algorithm>
#include <charconv>

namespace crosscheck {
namespace {

struct Agreement {
  std::string text;
  std::size_t votes = 0;  // how many said it; 0: no text was said twice
};

// The text that most of `said` are, when at least two are and no other text
// is said as often.
Agreement Agreed(std::vector<std::string>& said) {
  std::sort(said.begin(), said.end());
  Agreement best;
  bool tied = false;
  for (std::size_t begin = 0, end = 0; begin < said.size(); begin = end) {
    while (end < said.size() && said[end] == said[begin]) ++end;
    if (end - begin == best.votes) tied = true;
    if (end - begin > best.votes) best = Agreement{said[begin], end - begin}, tied = false;
  }
  return best.votes < 2 || tied ? Agreement{} : best;
}

}  // namespace

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
  // What each of the two lines on either side says this line's number is:
  // the same text (a number sent unchanged), or its own number moved by the
  // distance (serial numbers).
  std::vector<std::string> same;
  std::vector<std::string> serial;
  for (const std::int64_t distance : {-2, -1, 1, 2}) {
    const std::int64_t at = static_cast<std::int64_t>(sent) + distance;
    if (at < log.firstQso || at >= log.endQso) continue;
    const Number& number = numbers_[contest_.qsos[static_cast<QsoId>(at)].sent];
    same.push_back(forms_.Text(number.text));
    if (number.value >= 0) {
      serial.push_back(forms_.Text(number.prefix) + std::to_string(number.value - distance));
    }
  }
  // A double slip can make two neighbours say the same text: the kind that
  // more neighbours agree on wins.
  const Agreement sameText = Agreed(same);
  const Agreement serialText = Agreed(serial);
  if (sameText.votes == serialText.votes) return kNone;
  return forms_.Find(sameText.votes > serialText.votes ? sameText.text : serialText.text);
}

bool ExchangeCheck::CopiedRight(QsoId received, QsoId sent) const {
  const std::uint32_t copied = FormOf(contest_.qsos[received].received);
  return copied == FormOf(contest_.qsos[sent].sent) || copied == ExpectedText(sent);
}

ExchangeCheck::Forms ExchangeCheck::FormsOf(QsoId qso) const {
  return Forms{FormOf(contest_.qsos[qso].received), FormOf(contest_.qsos[qso].sent),
               ExpectedText(qso)};
}

}  // namespace crosscheck
