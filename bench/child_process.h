#pragma once

// A program run to its end in a folder of its own, measured from the outside:
// wall time and peak resident memory.

#include <filesystem>
#include <string>
#include <vector>

namespace stats::bench {

struct ChildRun {
  int status = -1;         // exit status, or -1 when it did not exit normally
  double seconds = 0;      // wall time from start to exit
  double cpuSeconds = 0;   // user and system time it used
  long peakKilobytes = 0;  // the most resident memory it ever had
  std::string output;      // what it wrote to standard output, when kept
};

enum class Output { kDropped, kKept };

// Runs `arguments` (the program first) in `folder`, with standard input and
// error on /dev/null, and standard output there too unless it is kept.
ChildRun RunChild(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                  Output output = Output::kDropped);

}  // namespace stats::bench
