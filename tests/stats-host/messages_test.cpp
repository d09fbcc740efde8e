// What stats-host says is true and readable: bytes that can not be shown are
// escaped, cut texts say so, standard error stays UTF-8, the header is called
// the header, and a warning given thousands of times is counted, not repeated.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "logs/text/text_encoding.h"
#include "stats-host/stats_host.h"
#include "tests/stats-host/stats_host_runs.h"
#include "tests/support/plugin_library.h"

#if !defined(_WIN32)
#include "tests/faults/file_size_limit.h"
#endif

namespace stats_host {
namespace {

using stats_host_test::Holds;
using stats_host_test::Outcome;
using stats_host_test::ScratchFolder;

std::string Record(const std::string& fields) {
  return "<CALL:5>UA3AA<QSO_DATE:8>20240218<TIME_ON:4>1500<STX_STRING:3>001<SRX_STRING:3>123" +
         fields + "<EOR>\n";
}
const std::string kOwn = "<BAND:3>80m<MODE:2>CW<STATION_CALLSIGN:4>R3KV";

std::string Repeated(const std::string& text, int times) {
  std::string repeated;
  while (times-- > 0) repeated += text;
  return repeated;
}

std::string Utf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) bytes.append({c, '\0'});
  return bytes;
}

enum class Setting { kPlain, kReportToAFullDevice, kNoFileCanGrow };

struct Message {
  const char* name;
  std::string log;
  int status;
  const char* said;
  const char* notSaid;
  Setting setting = Setting::kPlain;
};

void PrintTo(const Message& c, std::ostream* os) { *os << c.name; }

class Messages : public testing::TestWithParam<Message> {};

TEST_P(Messages, TellTheTruthInUtf8) {
  const Message& c = GetParam();
  const ScratchFolder scratch;
  const std::vector<std::string> arguments = {"--dir", scratch.Path("work"), "--plugin",
                                              stats::testing::BuiltPluginPath(),
                                              scratch.Write("log.adi", c.log)};
  Outcome run;
  if (c.setting == Setting::kReportToAFullDevice) {
    std::ofstream full("/dev/full");
    std::ostringstream err;
    run.status = RunStatsHost(arguments, full, err);
    run.err = err.str();
  } else {
#if !defined(_WIN32)
    std::optional<stats::testing::FileSizeLimit> limit;
    if (c.setting == Setting::kNoFileCanGrow) limit.emplace(0);
#endif
    run = stats_host_test::StatsHost(arguments);
  }
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_TRUE(Holds(run.err, c.said)) << run.err;
  EXPECT_FALSE(Holds(run.err, c.notSaid)) << run.err;
  EXPECT_TRUE(logs::IsUtf8(run.err)) << run.err;
  EXPECT_LT(std::count(run.err.begin(), run.err.end(), '\n'), 20) << run.err;
}

std::vector<Message> Cases() {
  std::vector<Message> cases = {
      {"ControlByteAsAnEscape", Record(kOwn) + "\x1A", 0, "\"\\x1A\"", "\"\""},
      {"CutTextEndsInAnEllipsis", Record(kOwn) + "<!-- more than a warning quotes -->\n", 0, "…\"",
       "quotes"},
      {"Windows1251Escaped", Record(kOwn) + "\xC8\xE2\xE0\xED\n", 0, "\\xC8", "\xC8"},
      {"Utf16Converted", Utf16(Record(kOwn)), 0, "UTF-16", "not an ADIF"},
      {"BandAbove32BitHertz", Record("<BAND:3>6cm<FREQ:4>5650<MODE:2>CW<STATION_CALLSIGN:4>R3KV"),
       0, "4 294 967 295 Hz", "too large"},
      {"OwnCallOnALaterRecord", Record("<BAND:3>80m<MODE:2>CW") + Record(kOwn), 0,
       "record 1, byte 0: no own call", "no own call in the log"},
      {"TheHeaderIsNoRecord", "<PROGRAMID:10>SomeLog<EOH>\n" + Record(kOwn), 0,
       "header, byte 0: the length of <PROGRAMID:10>", "record 1"},
      {"LengthInUtf8Characters", Record(kOwn + "<NAME:4>Иван"), 0, "4 UTF-8 characters", "ан"},
      {"ThousandsOfWarningsCounted", Repeated(Record(kOwn) + "x\n", 2377), 0,
       "… and 2 367 more like it", "record 12,"}};
#if !defined(_WIN32)
  cases.push_back({"NoSpaceLeft", Record(kOwn), kExitIncomplete, "no space left on the device",
                   "No space", Setting::kReportToAFullDevice});
  cases.push_back({"AnEmptyProblemLogIsNoBanner",
                   Record("<BAND:3>80m<MODE:2>FM<STATION_CALLSIGN:4>R3KV"), kExitFailed,
                   "err.txt is empty", "banner", Setting::kNoFileCanGrow});
#endif
  return cases;
}

INSTANTIATE_TEST_SUITE_P(AllCases, Messages, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Message>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace stats_host
