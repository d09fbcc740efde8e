#include "bench/goals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace stats::bench {
namespace {

constexpr std::size_t kSmall = 1'000;
constexpr std::size_t kLarge = 100'000;

const char* Verdict(bool met) { return met ? "met" : "NOT met"; }

std::string Ratio(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// Every check under 1 µs at the large size and at most twice its cost at the
// small one.
void CheckCallGoal(const SpeedupTable& table, const char* operation, std::ostream& out) {
  const std::optional<double> small = table.Median(operation, kOurs, kSmall);
  const std::optional<double> large = table.Median(operation, kOurs, kLarge);
  out << "- " << operation << " at 100 000 QSOs under 1 \xC2\xB5s and within 2x of 1 000: ";
  if (!small || !large) {
    out << "not measured\n";
    return;
  }
  const double growth = *large / *small;
  out << FormatNanoseconds(large) << ", " << Ratio(growth) << "x of " << FormatNanoseconds(small)
      << " -> " << Verdict(*large < 1e3 && growth <= 2.0) << "\n";
}

// Under 50 ms at the large size, and linear: the cost per QSO at the large
// size at most twice that at the small one.
void ResultGoals(const SpeedupTable& table, std::ostream& out) {
  const std::optional<double> small = table.Median(kResult, kOurs, kSmall);
  const std::optional<double> middle = table.Median(kResult, kOurs, 10 * kSmall);
  const std::optional<double> large = table.Median(kResult, kOurs, kLarge);
  out << "- " << kResult << " at 100 000 QSOs under 50 ms: ";
  if (!large) {
    out << "not measured\n";
    return;
  }
  out << FormatNanoseconds(large) << " -> " << Verdict(*large < 50e6) << "\n";
  out << "- " << kResult << " growing linearly (per QSO at 100 000 within 2x of 1 000): ";
  if (!small) {
    out << "not measured\n";
    return;
  }
  const double perQsoGrowth = (*large / kLarge) / (*small / kSmall);
  out << FormatNanoseconds(*small / kSmall) << " at 1 000";
  if (middle) out << ", " << FormatNanoseconds(*middle / (10 * kSmall)) << " at 10 000";
  out << ", " << FormatNanoseconds(*large / kLarge) << " at 100 000 (x" << Ratio(perQsoGrowth)
      << ") -> " << Verdict(perQsoGrowth <= 2.0) << "\n";
}

// An accepted AddData0 under 1 µs at every size: it only sees that the
// problem log is there, one system call whose cost is the kernel's. A refused
// one opens and closes the log, which is most of its cost. Each part is
// measured apart, so on a busy machine the shares are only roughly right.
void AddGoal(const SpeedupTable& table, std::ostream& out) {
  const std::optional<double> openClose = table.Median(kProblemLogOpenClose, kOurs, 0);
  const std::optional<double> there = table.Median(kProblemLogThere, kOurs, 0);
  out << "- AddData0 accepted under 1 \xC2\xB5s (seeing that the problem log is there alone: "
      << FormatNanoseconds(there)
      << "; opening and closing it, as a refused one does: " << FormatNanoseconds(openClose)
      << "):\n";
  for (const std::size_t size : {kSmall, 10 * kSmall, kLarge}) {
    const std::optional<double> accepted = table.Median(kAddAccepted, kOurs, size);
    const std::optional<double> refused = table.Median(kAddRefused, kOurs, size);
    if (!accepted && !refused) continue;
    out << "    " << size << " QSOs: accepted " << FormatNanoseconds(accepted);
    if (accepted) out << " -> " << Verdict(*accepted < 1e3);
    out << "; refused " << FormatNanoseconds(refused);
    if (refused && openClose) {
      out << ", of which open + close is about "
          << std::min(100.0, std::round(100.0 * *openClose / *refused)) << "%";
    }
    out << "\n";
  }
}

}  // namespace

void PrintGoals(const SpeedupTable& table, std::ostream& out) {
  out << "\nTargets:\n";
  CheckCallGoal(table, kCheckRepeat, out);
  CheckCallGoal(table, kCheckNewCall, out);
  ResultGoals(table, out);
  AddGoal(table, out);
}

}  // namespace stats::bench
