// Writes the synthetic contest log examples/sample.adi: four tours (clock hours)
// on 160, 80 and 40 m in CW, SSB and BPSK63, with marked stations (numbers
// beginning with "W"), a few QSOs that the plug-in refuses and a few repeats
// within one tour. Deterministic: the engine's output is fixed by the language
// standard, and the ranges are taken from it without the library's
// distributions, whose results differ between standard libraries.
//
//   make-sample-log FILE          writes the log to FILE
//   make-sample-log --check FILE  exit status 0 when FILE holds exactly that log

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kSeed = 20240218;
constexpr char kOwnCall[] = "R3KV";
constexpr char kDate[] = "20240218";
constexpr int kFirstTourHour = 15;
constexpr int kTours = 4;
constexpr int kSegmentSeconds = 20 * 60;  // one band per third of an hour

class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  int Between(int lowest, int highest) {
    const auto span = static_cast<std::uint32_t>(highest - lowest + 1);
    return lowest + static_cast<int>(static_cast<std::uint32_t>(engine_()) % span);
  }
  bool Chance(int percent) { return Between(1, 100) <= percent; }

 private:
  std::mt19937 engine_;
};

struct Station {
  std::string call;
  std::string number;  // the exchange it sends
};

struct Band {
  const char* name;
  int cwLowKhz, cwHighKhz;    // CW segment
  int ssbLowKhz, ssbHighKhz;  // SSB segment
  int pskKhz;                 // where the PSK63 activity is
};

constexpr Band kBands[] = {
    {"160m", 1810, 1836, 1845, 1895, 1838},
    {"80m", 3510, 3560, 3600, 3690, 3580},
    {"40m", 7010, 7034, 7060, 7140, 7040},
};

enum class Mode { kCw, kSsb, kPsk63 };

struct Qso {
  std::string call;
  int second = 0;  // of the day
  const Band* band = nullptr;
  std::uint32_t hertz = 0;
  Mode mode = Mode::kCw;
  std::string rstSent, rstReceived, numberSent, numberReceived;
  std::string adifMode;  // set for the QSOs logged in another mode by mistake
  std::string submode;
};

std::string Formatted(const char* pattern, int value) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

std::vector<Station> MakeStations(Random& random) {
  static const char* const kPrefixes[] = {"R1",  "R2",  "R3",  "R4",  "R6",  "R9",  "RA3",
                                          "RA6", "RK3", "RN6", "RU9", "RW4", "RZ3", "UA1",
                                          "UA3", "UA4", "UA6", "UA9", "UB3", "UD8", "UI6"};
  std::vector<Station> stations;
  std::set<std::string> taken = {kOwnCall};
  while (stations.size() < 150) {
    std::string call = kPrefixes[random.Between(0, std::size(kPrefixes) - 1)];
    const int letters = random.Between(2, 3);
    for (int i = 0; i < letters; ++i) call += static_cast<char>('A' + random.Between(0, 25));
    if (!taken.insert(call).second) continue;
    std::string number;
    if (random.Chance(12)) {
      number = Formatted("W%03d", random.Between(1, 199));
    } else if (random.Chance(25)) {
      number = Formatted("%04d", random.Between(1000, 2999));
    } else {
      number = Formatted("%03d", random.Between(1, 999));
    }
    stations.push_back({call, number});
  }
  return stations;
}

std::uint32_t FrequencyHz(Random& random, const Band& band, Mode mode) {
  switch (mode) {
    case Mode::kCw:
      return random.Between(band.cwLowKhz * 10, band.cwHighKhz * 10) * 100u;
    case Mode::kSsb:
      return random.Between(band.ssbLowKhz, band.ssbHighKhz) * 1000u;
    case Mode::kPsk63:
      return band.pskKhz * 1000u + random.Between(300, 2500);
  }
  return 0;
}

// MHz with as many decimals as the frequency needs, at least three.
std::string Megahertz(std::uint32_t hertz) {
  std::string text = std::to_string(hertz / 1000000) + "." + Formatted("%06d", hertz % 1000000);
  while (text.size() > text.find('.') + 4 && text.back() == '0') text.pop_back();
  return text;
}

std::string Report(Random& random, Mode mode) {
  const int strength = random.Chance(80) ? 9 : random.Between(7, 8);
  std::string report = Formatted("5%d", strength);
  if (mode != Mode::kSsb) report.push_back('9');
  return report;
}

Mode ModeAt(int secondOfSegment) {
  if (secondOfSegment < 9 * 60) return Mode::kCw;
  if (secondOfSegment < 16 * 60) return Mode::kSsb;
  return Mode::kPsk63;
}

int StepSeconds(Random& random, Mode mode) {
  switch (mode) {
    case Mode::kCw:
      return random.Between(20, 45);
    case Mode::kSsb:
      return random.Between(25, 50);
    case Mode::kPsk63:
      return random.Between(50, 90);
  }
  return 60;
}

// Turns a few QSOs into the mistakes a contest log has: a wrong mode, a missing
// number, and a station worked twice in one tour.
void AddMistake(Random& random, int serial, std::vector<Qso>& log, Qso& qso) {
  switch (serial) {
    case 41:
    case 233:
      qso.adifMode = "FM";
      break;
    case 122:
      qso.adifMode = "PSK";
      qso.submode = "PSK31";
      break;
    case 88:
    case 301:
      qso.numberReceived.clear();
      break;
    case 187:
      qso.numberSent.clear();
      break;
    case 57:
    case 160:
    case 276:
      // the station of a QSO a few minutes back, logged again on the same band and mode
      for (auto earlier = log.rbegin(); earlier != log.rend(); ++earlier) {
        if (earlier->band == qso.band && earlier->mode == qso.mode &&
            earlier->second / 3600 == qso.second / 3600 && earlier->adifMode.empty() &&
            random.Chance(50)) {
          qso.call = earlier->call;
          qso.numberReceived = earlier->numberReceived;
          break;
        }
      }
      break;
    default:
      break;
  }
}

std::vector<Qso> MakeLog(Random& random, const std::vector<Station>& stations) {
  std::vector<Qso> log;
  int serial = 0;
  for (int tour = 0; tour < kTours; ++tour) {
    const int hourStart = (kFirstTourHour + tour) * 3600;
    for (int segment = 0; segment < 3; ++segment) {
      const Band& band = kBands[(segment + tour) % 3];
      std::set<std::pair<int, std::string>> worked;  // mode and call, in this tour on this band
      int offset = random.Between(0, 60);
      while (offset < kSegmentSeconds) {
        const Mode mode = ModeAt(offset);
        const Station* station = &stations[random.Between(0, stations.size() - 1)];
        if (!worked.insert({static_cast<int>(mode), station->call}).second) continue;
        Qso qso;
        qso.call = station->call;
        qso.second = hourStart + segment * kSegmentSeconds + offset;
        qso.band = &band;
        qso.mode = mode;
        qso.hertz = FrequencyHz(random, band, mode);
        qso.rstSent = Report(random, mode);
        qso.rstReceived = Report(random, mode);
        qso.numberSent = Formatted("%03d", ++serial);
        qso.numberReceived = station->number;
        AddMistake(random, serial, log, qso);
        log.push_back(qso);
        offset += StepSeconds(random, mode);
      }
    }
  }
  return log;
}

std::string Field(const std::string& name, const std::string& value) {
  return "<" + name + ":" + std::to_string(value.size()) + ">" + value + " ";
}

std::string AdifText(const std::vector<Qso>& log) {
  std::string text =
      "Kesdra Velk contest, sample log of the invented station " + std::string(kOwnCall) +
      " (all calls are made up)\r\nWritten by make-sample-log, seed " + std::to_string(kSeed) +
      "\r\n" + Field("ADIF_VER", "3.1.4") + Field("PROGRAMID", "make-sample-log") + "\r\n<EOH>\r\n";
  for (const Qso& qso : log) {
    std::string adifMode = qso.adifMode;
    std::string submode = qso.submode;
    if (adifMode.empty()) {
      adifMode = qso.mode == Mode::kCw ? "CW" : qso.mode == Mode::kSsb ? "SSB" : "PSK";
      if (qso.mode == Mode::kPsk63) submode = "PSK63";
      if (qso.mode == Mode::kSsb) submode = qso.hertz < 10000000 ? "LSB" : "USB";
    }
    const int second = qso.second;
    text +=
        Field("CALL", qso.call) + Field("QSO_DATE", kDate) +
        Field("TIME_ON", Formatted("%02d", second / 3600) + Formatted("%02d", second / 60 % 60) +
                             Formatted("%02d", second % 60)) +
        Field("BAND", qso.band->name) + Field("FREQ", Megahertz(qso.hertz)) +
        Field("MODE", adifMode);
    if (!submode.empty()) text += Field("SUBMODE", submode);
    text += Field("RST_SENT", qso.rstSent) + Field("RST_RCVD", qso.rstReceived);
    if (!qso.numberSent.empty()) text += Field("STX_STRING", qso.numberSent);
    if (!qso.numberReceived.empty()) text += Field("SRX_STRING", qso.numberReceived);
    text += Field("STATION_CALLSIGN", kOwnCall) + "<EOR>\r\n";
  }
  return text;
}

std::string SampleLog() {
  Random random(kSeed);
  const std::vector<Station> stations = MakeStations(random);
  return AdifText(MakeLog(random, stations));
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::string log = SampleLog();
  if (arguments.size() == 2 && arguments[0] == "--check") {
    std::ifstream file(arguments[1], std::ios::binary);
    const std::string committed{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
    if (committed == log) return 0;
    std::cerr << arguments[1] << " differs from what make-sample-log writes; run "
              << "make-sample-log " << arguments[1] << " and commit the result\n";
    return 1;
  }
  if (arguments.size() == 1 && arguments[0][0] != '-') {
    std::ofstream file(arguments[0], std::ios::binary);
    file << log;
    return file.flush() ? 0 : 1;
  }
  std::cerr << "usage: make-sample-log FILE | make-sample-log --check FILE\n";
  return 2;
}
