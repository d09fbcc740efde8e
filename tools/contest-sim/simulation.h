#pragma once

// A made-up contest with everything known about it: stations with clocks off
// by up to ±10 min (and one an hour off), QSOs through four tours with
// repeats only in new tours, and errors injected at set rates. Every logged
// line carries its true verdict.

#include <cstdint>
#include <string>
#include <vector>

namespace contest_sim {

struct Settings {
  std::uint32_t stations = 100;
  std::uint32_t qsosPerStation = 100;  // logged lines, on average
  std::uint64_t seed = 1;
  // Shares of the QSO lines; a QSO has at most one error.
  double bustedCall = 0.01;     // a call miscopied (CW-alike letters mostly)
  double nil = 0.01;            // the other side never logged the QSO
  double wrongNumber = 0.01;    // the number miscopied
  double senderSlip = 0.003;    // the other side logged its own number wrong (sent right)
  double dupe = 0.01;           // the two worked again in the same tour
  double unique = 0.005;        // a station that no one else works
  double outOfContest = 0.003;  // in RTTY
  // Rates per station.
  double noLog = 0.05;     // sends no log
  double adifShare = 0.1;  // sends ADIF rather than Cabrillo
};

enum class LogFormat { kCabrillo2, kCabrillo3, kAdif };
enum class NameEncoding { kUtf8, kCp1251, kKoi8r };
enum class Band { k160, k80, k40 };
enum class Mode { kCw, kSsb, kDigital, kRtty };

struct Line {
  std::uint32_t contact = 0;
  std::int64_t loggedTime = 0;  // seconds since 1899-12-30, on the station's clock
  std::uint32_t kilohertz = 0;
  Band band = Band::k160;
  Mode mode = Mode::kCw;
  std::string call;  // as logged
  std::string sent;  // as logged
  std::string received;
  std::string verdict;  // what a perfect check says
};

struct Station {
  std::string call;
  std::int64_t clockOffset = 0;  // seconds; positive: ahead
  bool sendsLog = true;
  bool marked = false;  // sends "W" numbers
  LogFormat format = LogFormat::kCabrillo2;
  NameEncoding nameEncoding = NameEncoding::kUtf8;
  std::string name;         // UTF-8
  std::string category;     // as its log gives it
  std::vector<Line> lines;  // in the order of its log
};

struct SimulatedContest {
  std::int64_t start = 0;  // the first tour's first second
  std::vector<Station> stations;
};

SimulatedContest Simulate(const Settings& settings);

std::string_view NameOf(Band band);
std::string_view NameOf(Mode mode);

}  // namespace contest_sim
