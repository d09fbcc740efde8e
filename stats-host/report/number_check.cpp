#include "stats-host/report/number_check.h"

#include <algorithm>
#include <optional>

#include "stats/rules/exchange.h"

namespace stats_host {
namespace {

constexpr std::size_t kMostDigits = 18;  // fits in 64 bits

std::optional<std::uint64_t> SerialNumber(std::string_view text) {
  if (text.empty() || text.size() > kMostDigits) return std::nullopt;
  std::uint64_t number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return number;
}

}  // namespace

void NumberCheck::OnQso(const HandedQso& handed) {
  const logs::HostQso& qso = handed.qso;
  if (const auto number = SerialNumber(qso.exchangeSent)) sent_.push_back({*number, qso.record});
  if (!handed.stored || stats::IsValidReceivedExchange(qso.exchangeReceived)) return;
  if (findings_.badReceived.size() < kMostListedNumbers) {
    findings_.badReceived.push_back(BadReceivedNumber{
        qso.record, qso.call, qso.date, qso.secondOfDay, qso.band, qso.mode, qso.exchangeReceived});
  }
  ++findings_.badReceivedCount;
}

void NumberCheck::OnSkipped(const logs::SkippedQso& skipped) {
  if (const auto number = SerialNumber(skipped.exchangeSent)) {
    sent_.push_back({*number, skipped.record});
  }
}

void NumberCheck::OnAbandon() noexcept { *this = NumberCheck(); }

NumberFindings NumberCheck::Findings() {
  std::stable_sort(sent_.begin(), sent_.end(),
                   [](const Sent& a, const Sent& b) { return a.number < b.number; });
  NumberFindings findings = findings_;
  std::uint64_t expected = 1;  // the next number after those seen
  for (std::size_t i = 0; i < sent_.size();) {
    const std::uint64_t number = sent_[i].number;
    if (number > expected) {
      findings.missingSent += number - expected;
      ++findings.sentGapCount;
      if (findings.sentGaps.size() < kMostListedNumbers) {
        findings.sentGaps.push_back({expected, number - 1});
      }
    }
    std::size_t end = i + 1;
    while (end < sent_.size() && sent_[end].number == number) ++end;
    if (end - i > 1) {
      if (findings.repeatedSent.size() < kMostListedNumbers) {
        RepeatedNumber repeated{number, {}};
        for (std::size_t k = i; k < end; ++k) repeated.records.push_back(sent_[k].record);
        findings.repeatedSent.push_back(std::move(repeated));
      }
      ++findings.repeatedSentCount;
    }
    expected = std::max(expected, number + 1);
    i = end;
  }
  return findings;
}

}  // namespace stats_host
