#pragma once

// A made-up contest with everything known about it, failing the way real
// contests fail (see miscopy.h and station_clock.h): calls miscopied by a
// CW, voice or digital confusion, each call mostly the same wrong way by
// everyone who miscopies it; clocks from a realistic mix, some drifting or
// jumping; QSOs at any second of the four tours, crowded at the start of
// each; time typos, QSOs that the other side never logged, numbers
// miscopied or logged wrong by their sender, repeats within a tour, X-QSO
// lines, files with lone CR line ends; multi-operator entries, and pairs of
// friends who work each other on every band and mode in every tour. Every
// logged line carries its true verdict, and every log its true score.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/contest-sim/station_clock.h"

namespace contest_sim {

struct Settings {
  std::uint32_t stations = 100;
  std::uint32_t qsosPerStation = 100;  // logged lines, on average
  std::uint64_t seed = 1;
  // Shares of the QSO lines, each slip independent of the others.
  double bustedCall = 0.01;     // the call miscopied
  double nil = 0.01;            // the QSO not logged by this side
  double wrongNumber = 0.01;    // the number miscopied
  double senderSlip = 0.003;    // the station's own number logged wrong (sent right)
  double timeTypo = 0.002;      // the time typed wrong (another hour, minute or day)
  double xQso = 0.002;          // marked X-QSO by its sender (Cabrillo logs)
  double dupe = 0.01;           // the two worked again in the same tour
  double unique = 0.005;        // a station that no one else works
  double outOfContest = 0.003;  // in RTTY
  // Shares of the stations.
  double noLog = 0.05;           // sends no log
  double adifShare = 0.1;        // sends ADIF rather than Cabrillo
  double lineEnds = 0.03;        // a Cabrillo log with lone CR line ends, or mixed ones
  double multiOp = 0.05;         // a multi-operator entry: busier, two transmitters
  double everyTour = 0.1;        // works a friend on every band and mode in every tour
  double portable = 0.03;        // signs /P, /M, /QRP or a district
  double habitualMiscopy = 0.6;  // of a call's miscopies, those in its usual wrong form
};

// The check's default: a QSO with a station that sent no log counts when its
// call is in this many logs (not counting lines where it is a busted call).
inline constexpr int kMinLogsForNoLog = 3;

enum class LogFormat { kCabrillo2, kCabrillo3, kAdif };
enum class LineEnds { kAsFormat, kCr, kMixed };
enum class NameEncoding { kUtf8, kCp1251, kKoi8r };
enum class Band { k160, k80, k40 };
enum class Mode { kCw, kSsb, kDigital, kRtty };

struct Line {
  std::uint32_t contact = 0;
  std::int64_t loggedTime = 0;  // seconds since 1899-12-30, on the station's clock
  std::uint32_t kilohertz = 0;
  Band band = Band::k160;
  Mode mode = Mode::kCw;
  bool xQso = false;
  int transmitter = 0;  // of a multi-operator entry
  std::string call;     // as logged
  std::string sent;     // as logged
  std::string received;
  // The truth: what a perfect check says, the station really worked when the
  // call is busted, and the clock's offset at the QSO.
  std::string verdict;
  std::string rightCall;
  std::int64_t clockOffset = 0;
  bool counted = false;
};

struct Station {
  std::string call;
  StationClock clock;
  bool sendsLog = true;
  bool marked = false;  // sends "W" numbers
  bool multiOp = false;
  LogFormat format = LogFormat::kCabrillo2;
  LineEnds lineEnds = LineEnds::kAsFormat;
  NameEncoding nameEncoding = NameEncoding::kUtf8;
  std::string name;         // UTF-8
  std::string category;     // as its log gives it
  std::vector<Line> lines;  // in the order of its log
  std::int32_t score = 0;   // the true checked score
};

struct SimulatedContest {
  std::int64_t start = 0;  // the first tour's first second
  std::vector<Station> stations;
};

SimulatedContest Simulate(const Settings& settings);

std::string_view NameOf(Band band);
std::string_view NameOf(Mode mode);

}  // namespace contest_sim
