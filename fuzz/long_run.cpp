// A long session of the plug-in in one process: a million entry-point calls
// (adds, removes, checks and results, with a reset every thousand and a report
// now and then), and the resident memory at the start, after a warm-up and at
// the end. The memory after the warm-up must stay flat: the plug-in lives in
// the host for a whole contest.
//
//   long-run [--operations N] [--max-growth-kib K]
//
// Exits 1 when an answer is outside its set or the memory grew by more than K
// KiB after the warm-up (when K is given).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "fuzz/resident_memory.h"
#include "fuzz/standard_input.h"
#include "stats/public/exports.h"
#include "tests/support/ole_dates.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr long kRoundLength = 1000;

struct Options {
  long operations = 1000000;
  long maxGrowthKib = -1;  // no limit
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const long value = std::strtol(argv[i + 1], nullptr, 10);
    if (std::strcmp(argv[i], "--operations") == 0 && value > 0) {
      options.operations = value;
    } else if (std::strcmp(argv[i], "--max-growth-kib") == 0 && value >= 0) {
      options.maxGrowthKib = value;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

double NowAsOleDate() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  ::gmtime_r(&now, &utc);
  return stats::testing::OleDate(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, 0);
}

struct Counts {
  long adds = 0;
  long removes = 0;
  long checks = 0;
  long results = 0;
  long resets = 0;
  long accepted = 0;
  long repeats = 0;
};

// One host session: QSOs drawn from a fixed pool, so that removes and checks
// find what was added, and some QSOs that the rules refuse.
class Session {
 public:
  Session() : now_(stats::testing::HostDate(NowAsOleDate())) {
    for (int i = 0; i < 400; ++i) calls_.push_back("R" + std::to_string(i) + "ZZ");
    for (int i = 1; i < 1000; i += 7) exchanges_.push_back(std::to_string(1000 + i).substr(1));
    exchanges_.push_back("W015");
    exchanges_.push_back("");  // refused
  }

  bool Step(long operation, Counts& counts) {
    if (operation % kRoundLength == 0) return Reset(operation / kRoundLength, counts);
    const unsigned pick = random_() % 100;
    if (pick < 50) return Qso(AddData0, counts.adds, &counts.accepted);
    if (pick < 70) return Qso(RemoveData0, counts.removes, nullptr);
    if (pick < 95) return Check(counts);
    return Result(counts);
  }

 private:
  const char* Pick(const std::vector<std::string>& texts) {
    return texts[random_() % texts.size()].c_str();
  }

  bool Reset(long round, Counts& counts) {
    ++counts.resets;
    const int reportMode = round % 10 == 9 ? 1 : 0;
    return ResetStats0("", reportMode, "UA1AAA", &now_, &now_, "", "", "", "", "", "", "", "", "",
                       "", 0, 0, 0, 0.0, 0.0, "", "", "") == 1;
  }

  bool Qso(QsoDataFn entry, long& count, long* accepted) {
    ++count;
    const int result =
        entry("UA1AAA", Pick(calls_), &now_, &now_, &now_, &now_, 0, 7012345u, Pick(modes_), "599",
              "579", Pick(exchanges_), Pick(exchanges_), "", "", "", "", "", "", "", "", "", "", 0,
              0, 0, 0.0, 0.0, "", "", "", Pick(bands_), "");
    if (accepted != nullptr) *accepted += result;
    return result == 0 || result == 1;
  }

  bool Check(Counts& counts) {
    ++counts.checks;
    char message[256];
    const int result =
        CheckCall0(Pick(calls_), 0, 0, Pick(modes_), "", "", "", "", "", "", "", "", "", "", 0, 0,
                   0, 0.0, 0.0, "", "", "", "", "", Pick(bands_), "", nullptr, message);
    counts.repeats += result == 4;
    return result == 1 || result == 2 || result == 4;
  }

  bool Result(Counts& counts) {
    ++counts.results;
    int score = 0;
    const char* text = GetResult0(&score);
    return text != nullptr && std::strstr(text, "Score: = ") != nullptr;
  }

  std::mt19937 random_{20130205};
  const StatsDateTime now_;
  std::vector<std::string> calls_;
  std::vector<std::string> exchanges_;
  const std::vector<std::string> modes_ = {"CW", "SSB", "BPSK63", "BPSK62", "FM"};
  const std::vector<std::string> bands_ = {"160", "80", "40", "20", "15", "10"};
};

double Mib(std::size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: long-run [--operations N] [--max-growth-kib K]\n");
    return 2;
  }
  const std::size_t atStart = fuzz::ResidentBytes();
  fuzz::DetachStandardInput();
  // The plug-in writes only relative paths: everything lands in this folder.
  const stats::testing::ScopedWorkingDirectory folder;
  std::filesystem::create_directory("Plugins");
  Session session;
  Counts counts;
  const long warmUp = options.operations / 10;
  std::size_t afterWarmUp = 0;
  for (long operation = 0; operation < options.operations; ++operation) {
    if (operation == warmUp) afterWarmUp = fuzz::ResidentBytes();
    if (!session.Step(operation, counts)) {
      std::fprintf(stderr, "operation %ld: an answer outside its set\n", operation);
      return 1;
    }
  }
  const std::size_t atEnd = fuzz::ResidentBytes();
  const long growthKib = (static_cast<long>(atEnd) - static_cast<long>(afterWarmUp)) / 1024;

  std::printf(
      "operations %ld: %ld adds (%ld accepted), %ld removes, %ld checks (%ld repeats), "
      "%ld results, %ld resets\n",
      options.operations, counts.adds, counts.accepted, counts.removes, counts.checks,
      counts.repeats, counts.results, counts.resets);
  std::printf(
      "resident memory: start %.2f MiB, after warm-up (%ld operations) %.2f MiB, "
      "end %.2f MiB; growth after warm-up %ld KiB\n",
      Mib(atStart), warmUp, Mib(afterWarmUp), Mib(atEnd), growthKib);
  if (atStart == 0 || atEnd == 0) {
    std::fprintf(stderr, "can not read /proc/self/statm\n");
    return 1;
  }
  if (options.maxGrowthKib >= 0 && growthKib > options.maxGrowthKib) {
    std::fprintf(stderr, "memory grew by %ld KiB after the warm-up (limit %ld KiB)\n", growthKib,
                 options.maxGrowthKib);
    return 1;
  }
  return 0;
}
