#include "bench/speedup_table.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace stats::bench {
namespace {

double NanosecondsPer(benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond:
      return 1.0;
    case benchmark::kMicrosecond:
      return 1e3;
    case benchmark::kMillisecond:
      return 1e6;
    case benchmark::kSecond:
      return 1e9;
  }
  return 1.0;
}

bool IsMedian(const benchmark::BenchmarkReporter::Run& run) {
  if (run.run_type == benchmark::BenchmarkReporter::Run::RT_Aggregate) {
    return run.aggregate_name == "median";
  }
  return run.repetitions <= 1;
}

// The text padded to `width` columns, counting each UTF-8 character once.
std::string Cell(const std::string& text, std::size_t width) {
  const auto columns = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
  return columns >= width ? text + " " : text + std::string(width - columns, ' ');
}

}  // namespace

std::string BenchmarkName(const std::string& operation, const std::string& subject,
                          std::size_t size) {
  return operation + "/" + subject + "/" + std::to_string(size);
}

std::string FormatNanoseconds(std::optional<double> nanoseconds) {
  if (!nanoseconds) return "-";
  char text[32];
  const double value = *nanoseconds;
  if (value < 1e3) {
    std::snprintf(text, sizeof text, "%.0f ns", value);
  } else if (value < 1e6) {
    std::snprintf(text, sizeof text, "%.3g \xC2\xB5s", value / 1e3);
  } else if (value < 1e9) {
    std::snprintf(text, sizeof text, "%.3g ms", value / 1e6);
  } else {
    std::snprintf(text, sizeof text, "%.3g s", value / 1e9);
  }
  return text;
}

bool SpeedupTable::ReportContext(const Context& context) { return display_.ReportContext(context); }

void SpeedupTable::ReportRuns(const std::vector<Run>& runs) {
  display_.ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || !IsMedian(run)) continue;
    const std::string& name = run.run_name.function_name;
    const std::size_t first = name.find('/');
    const std::size_t second = name.find('/', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    const std::string operation = name.substr(0, first);
    if (std::find(operations_.begin(), operations_.end(), operation) == operations_.end()) {
      operations_.push_back(operation);
    }
    medians_[{operation, name.substr(first + 1, second - first - 1),
              std::stoul(name.substr(second + 1))}] =
        run.GetAdjustedCPUTime() * NanosecondsPer(run.time_unit);
  }
}

void SpeedupTable::Finalize() { display_.Finalize(); }

std::optional<double> SpeedupTable::Median(const std::string& operation, const std::string& subject,
                                           std::size_t size) const {
  const auto found = medians_.find({operation, subject, size});
  if (found == medians_.end()) return std::nullopt;
  return found->second;
}

void SpeedupTable::Print(std::ostream& out) const {
  out << "\nMedian CPU time per call; speed-up = baseline / ours.\n\n"
      << Cell("Operation", 22) << Cell("QSOs", 9) << Cell("ours", 11) << Cell("baseline", 11)
      << "speed-up\n";
  for (const std::string& operation : operations_) {
    std::set<std::size_t> sizes;
    for (const auto& [key, median] : medians_) {
      if (std::get<0>(key) == operation) sizes.insert(std::get<2>(key));
    }
    for (const std::size_t size : sizes) {
      const std::optional<double> ours = Median(operation, kOurs, size);
      const std::optional<double> baseline = Median(operation, kBaseline, size);
      std::string speedup = "-";
      if (ours && baseline && *ours > 0.0) {
        const double ratio = *baseline / *ours;
        char text[32];
        std::snprintf(text, sizeof text,
                      ratio >= 100.0 ? "%.0fx" : (ratio >= 10.0 ? "%.1fx" : "%.2fx"), ratio);
        speedup = text;
      }
      out << Cell(operation, 22) << Cell(size == 0 ? "-" : std::to_string(size), 9)
          << Cell(FormatNanoseconds(ours), 11) << Cell(FormatNanoseconds(baseline), 11) << speedup
          << "\n";
    }
  }
}

}  // namespace stats::bench
