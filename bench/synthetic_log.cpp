#include "bench/synthetic_log.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <unordered_map>

namespace stats::bench {
namespace {

struct Band {
  const char* name;
  unsigned lowestKhz;
};
constexpr std::array<Band, 10> kBands = {{{"160", 1810},
                                          {"80", 3500},
                                          {"40", 7000},
                                          {"30", 10100},
                                          {"20", 14000},
                                          {"17", 18068},
                                          {"15", 21000},
                                          {"12", 24890},
                                          {"10", 28000},
                                          {"6", 50000}}};
constexpr std::array<const char*, 10> kPrefixes = {"UA", "UR", "RA", "RK", "DL",
                                                   "SP", "OK", "YO", "LY", "ES"};
constexpr std::size_t kQueryCount = 1024;
constexpr std::size_t kRefusedCount = 512;
constexpr std::size_t kFreshCount = 2000;
constexpr double kContestStart = testing::OleDate(2013, 2, 5, 12);  // 24 hours from here

// A six-character call sign, different for every index below 1 757 600.
std::string CallSign(std::size_t index) {
  std::string call = kPrefixes[index % kPrefixes.size()];
  call += static_cast<char>('0' + (index / 10) % 10);
  std::size_t letters = index / 100;
  for (int i = 0; i < 3; ++i) {
    call += static_cast<char>('A' + letters % 26);
    letters /= 26;
  }
  return call;
}

// A serial number of at least three digits, after a "W" for a marked station.
std::string Exchange(std::size_t number, bool marked = false) {
  char text[24];
  std::snprintf(text, sizeof text, marked ? "W%03zu" : "%03zu", number);
  return text;
}

class Maker {
 public:
  explicit Maker(std::uint32_t seed) : random_(seed) {}

  std::size_t Below(std::size_t limit) {
    return std::uniform_int_distribution<std::size_t>(0, limit - 1)(random_);
  }

  const char* AnyMode() {
    const std::size_t pick = Below(100);
    if (pick < 45) return "CW";
    if (pick < 85) return "SSB";
    return pick < 95 ? "BPSK63" : "BPSK62";
  }

  testing::TestQso Qso(std::string call, bool marked, double date, std::size_t serial) {
    const Band& band = kBands[Below(kBands.size())];
    testing::TestQso qso;
    qso.ownCall = "UA1AAA";
    qso.call = std::move(call);
    qso.date = date;
    qso.band = band.name;
    qso.frequencyHz = band.lowestKhz * 1000 + static_cast<unsigned>(Below(60'000));
    qso.mode = AnyMode();
    qso.rstSent = qso.mode == "CW" ? "599" : "59";
    qso.rstReceived = qso.rstSent;
    qso.exchangeSent = Exchange(serial);
    qso.exchangeReceived = Exchange(1 + Below(999), marked);
    return qso;
  }

  template <typename Items>
  void Shuffle(Items& items) {
    std::shuffle(items.begin(), items.end(), random_);
  }

 private:
  std::mt19937 random_;
};

std::string KeyOf(const testing::TestQso& qso) {
  return qso.call + '\n' + qso.mode + '\n' + qso.band;
}

}  // namespace

SyntheticLog MakeSyntheticLog(std::size_t size, std::uint32_t seed) {
  Maker maker(seed);
  SyntheticLog log;
  // Ordinary stations come from a pool of about a quarter of the log's size;
  // marked ones and the call signs of checks and fresh QSOs lie beyond it.
  const std::size_t ordinaryCount = std::max<std::size_t>(1, size * 9 / 40);
  std::size_t nextUnusedCall = ordinaryCount;

  log.qsos.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    const bool marked = maker.Below(10) == 0;
    const std::size_t callIndex = marked ? nextUnusedCall++ : maker.Below(ordinaryCount);
    const double date = kContestStart + (static_cast<double>(i) + 0.5) / static_cast<double>(size);
    log.qsos.push_back(maker.Qso(CallSign(callIndex), marked, date, i + 1));
  }
  const auto lastTime = ToCalendarTime(log.qsos.back().Arguments().qsoTime);
  log.currentHour = lastTime ? lastTime->hour : 0;

  for (const testing::TestQso& qso : log.qsos) {
    const auto time = ToCalendarTime(qso.Arguments().qsoTime);
    if (time && time->hour == log.currentHour && time->day == lastTime->day) {
      log.repeats.push_back({qso.call, qso.mode, qso.band});
    }
  }
  maker.Shuffle(log.repeats);
  if (log.repeats.size() > kQueryCount) log.repeats.resize(kQueryCount);

  for (std::size_t i = 0; i < kQueryCount; ++i) {
    const testing::TestQso qso = maker.Qso(CallSign(nextUnusedCall++), false, 0.0, 0);
    log.newCalls.push_back({qso.call, qso.mode, qso.band});
  }

  const double now = log.qsos.back().date;
  for (std::size_t i = 0; i < kRefusedCount; ++i) {
    testing::TestQso qso = maker.Qso(CallSign(maker.Below(ordinaryCount)), false, now, size + i);
    if (i % 2 == 0) {
      qso.mode = "FM";
    } else {
      qso.exchangeReceived.clear();
    }
    log.refused.push_back(std::move(qso));
  }

  for (std::size_t i = 0; i < kFreshCount; ++i) {
    log.fresh.push_back(
        maker.Qso(CallSign(nextUnusedCall++) + "/P", maker.Below(10) == 0, now, size + i));
  }

  std::unordered_map<std::string, std::size_t> keyCounts;
  for (const testing::TestQso& qso : log.qsos) ++keyCounts[KeyOf(qso)];
  for (std::size_t i = 0; i < log.qsos.size(); ++i) {
    if (keyCounts[KeyOf(log.qsos[i])] == 1) log.removable.push_back(i);
  }
  return log;
}

}  // namespace stats::bench
