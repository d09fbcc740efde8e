#include "tools/contest-sim/simulation.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "logs/time/qso_date.h"

namespace contest_sim {
namespace {

constexpr std::int64_t kTours = 4;
// No QSO is made this near the change of the hour: a log whose times are to the
// minute (and its clock's offset estimated to seconds) can not say which side
// of it such a QSO was made on, so no check could know its tour.
constexpr std::int64_t kClearOfTheHour = 90;
constexpr std::uint32_t kOutsider = UINT32_MAX;
// The CW-alike letters a miscopy takes: each pair's Morse codes are one
// element apart.
constexpr std::array<std::pair<char, char>, 16> kCwAlike = {{{'S', 'H'},
                                                             {'H', '5'},
                                                             {'I', 'S'},
                                                             {'E', 'I'},
                                                             {'T', 'M'},
                                                             {'M', 'O'},
                                                             {'D', 'B'},
                                                             {'B', '6'},
                                                             {'U', 'V'},
                                                             {'V', '4'},
                                                             {'N', 'D'},
                                                             {'A', 'W'},
                                                             {'K', 'C'},
                                                             {'G', 'Z'},
                                                             {'R', 'L'},
                                                             {'W', 'J'}}};
constexpr std::array<std::string_view, 20> kPrefixes = {"R",  "RA", "RK", "RN", "RU", "RV", "RW",
                                                        "RX", "RZ", "UA", "UB", "UC", "UD", "UE",
                                                        "UF", "UG", "UH", "UI", "RD", "RG"};
constexpr std::array<std::string_view, 8> kNames = {
    "Иван Петров",   "Сергей Смирнов",   "Алексей Кузнецов", "Ольга Соколова",
    "Дмитрий Попов", "Наталья Лебедева", "Михаил Козлов",    "Елена Новикова"};
constexpr std::array<std::string_view, 3> kCategories2 = {"SOAB-MIXED-LP", "SOAB-CW-LP",
                                                          "SOAB-MIXED-HP"};
constexpr std::array<std::string_view, 2> kCategories3 = {"SINGLE-OP ALL MIXED LOW",
                                                          "MULTI-ONE ALL MIXED HIGH"};
constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 3> kBandKilohertz = {
    {{1810, 1950}, {3510, 3750}, {7010, 7150}}};

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  std::uint64_t Below(std::uint64_t count) { return engine_() % count; }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low + 1)));
  }
  bool Chance(double probability) {
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53 < probability;
  }

 private:
  std::mt19937_64 engine_;
};

enum class Error { kNone, kBustedCall, kNil, kWrongNumber, kSenderSlip };

struct Contact {
  std::uint32_t a = 0;
  std::uint32_t b = 0;  // kOutsider: a station that only `a` works
  std::int64_t time = 0;
  Band band = Band::k160;
  Mode mode = Mode::kCw;
  std::uint32_t kilohertz = 0;
  Error error = Error::kNone;
  int errorSide = 0;  // 0: a errs, 1: b
  std::string outsiderCall;
};

// What the simulator knows about a line beyond what the log shows.
struct LineFacts {
  std::uint32_t station = 0;
  std::uint32_t partner = kOutsider;
  std::string trueSent;
  bool bustedCall = false;
  bool wrongNumber = false;
};

class Simulator {
 public:
  explicit Simulator(const Settings& settings) : settings_(settings), random_(settings.seed) {}

  SimulatedContest Run() {
    contest_.start = logs::SecondsSinceOleEpoch(logs::QsoDate{2024, 2, 18}, 15 * 3600);
    MakeStations();
    MakeContacts();
    MakeLines();
    NumberLines();
    JudgeLines();
    return std::move(contest_);
  }

 private:
  std::string FreshCall() {
    for (;;) {
      std::string call(kPrefixes[random_.Below(kPrefixes.size())]);
      call += static_cast<char>('0' + random_.Below(10));
      const std::uint64_t letters = 1 + random_.Below(3);
      for (std::uint64_t i = 0; i < letters; ++i)
        call += static_cast<char>('A' + random_.Below(26));
      if (used_.insert(call).second) return call;
    }
  }

  void MakeStations() {
    const std::uint32_t hourOff = static_cast<std::uint32_t>(random_.Below(settings_.stations));
    for (std::uint32_t i = 0; i < settings_.stations; ++i) {
      Station station;
      station.call = FreshCall();
      station.clockOffset =
          random_.Chance(0.75) ? random_.Between(-20, 20) : random_.Between(-600, 600);
      if (i == hourOff) station.clockOffset = 3600 + random_.Between(-20, 20);
      station.sendsLog = !random_.Chance(settings_.noLog);
      station.marked = random_.Chance(0.1);
      station.format = random_.Chance(settings_.adifShare) ? LogFormat::kAdif
                       : random_.Chance(0.5)               ? LogFormat::kCabrillo2
                                                           : LogFormat::kCabrillo3;
      station.nameEncoding = static_cast<NameEncoding>(random_.Below(3));
      station.name = kNames[random_.Below(kNames.size())];
      if (station.format == LogFormat::kCabrillo2) {
        station.category = kCategories2[random_.Below(kCategories2.size())];
      } else if (station.format == LogFormat::kCabrillo3) {
        station.category = kCategories3[random_.Below(kCategories3.size())];
      }
      // Skewed activity: a few big stations, many small ones.
      const std::uint64_t r = random_.Below(1000);
      weights_.push_back((weights_.empty() ? 0 : weights_.back()) + 100 + r * r / 1000);
      contest_.stations.push_back(std::move(station));
    }
  }

  std::uint32_t PickStation() {
    const std::uint64_t at = random_.Below(weights_.back());
    return static_cast<std::uint32_t>(std::upper_bound(weights_.begin(), weights_.end(), at) -
                                      weights_.begin());
  }

  // A QSO is two lines and an error spoils one of them: twice the share of
  // lines, per QSO.
  void AddError(Contact& contact) {
    const double r = static_cast<double>(random_.Below(1u << 30)) / (1u << 30);
    double bound = 0;
    for (const auto& [rate, error] : {std::pair{settings_.bustedCall, Error::kBustedCall},
                                      std::pair{settings_.nil, Error::kNil},
                                      std::pair{settings_.wrongNumber, Error::kWrongNumber},
                                      std::pair{settings_.senderSlip, Error::kSenderSlip}}) {
      bound += 2 * rate;
      if (r < bound) {
        contact.error = error;
        contact.errorSide = static_cast<int>(random_.Below(2));
        return;
      }
    }
  }

  void MakeContacts() {
    const std::uint64_t target = std::uint64_t{settings_.stations} * settings_.qsosPerStation / 2;
    std::unordered_set<std::uint64_t> worked;  // station pair, band, mode and tour
    for (std::uint64_t attempt = 0; contacts_.size() < target && attempt < 20 * target; ++attempt) {
      Contact contact;
      contact.a = PickStation();
      contact.b = PickStation();
      if (contact.a == contact.b) continue;
      const std::uint64_t band = random_.Below(3);
      const std::uint64_t roll = random_.Below(100);
      const Mode mode = roll < 50 ? Mode::kCw : roll < 85 ? Mode::kSsb : Mode::kDigital;
      const std::int64_t tour = static_cast<std::int64_t>(random_.Below(kTours));
      const std::uint64_t key = std::uint64_t{std::min(contact.a, contact.b)} << 26 |
                                std::uint64_t{std::max(contact.a, contact.b)} << 6 | band << 4 |
                                static_cast<std::uint64_t>(mode) << 2 |
                                static_cast<std::uint64_t>(tour);
      if (!worked.insert(key).second) continue;
      const std::int64_t second = random_.Between(kClearOfTheHour, 3599 - kClearOfTheHour);
      contact.time = contest_.start + tour * 3600 + second;
      contact.band = static_cast<Band>(band);
      contact.mode = random_.Chance(settings_.outOfContest) ? Mode::kRtty : mode;
      contact.kilohertz = static_cast<std::uint32_t>(
          random_.Between(kBandKilohertz[band].first, kBandKilohertz[band].second));
      if (contact.mode != Mode::kRtty) AddError(contact);
      contacts_.push_back(contact);
      if (contact.mode != Mode::kRtty && random_.Chance(settings_.dupe)) AddRepeat(contact, second);
    }
    const auto uniques =
        static_cast<std::uint64_t>(static_cast<double>(2 * target) * settings_.unique);
    for (std::uint64_t i = 0; i < uniques; ++i) {
      Contact contact;
      contact.a = PickStation();
      contact.b = kOutsider;
      contact.outsiderCall = FreshCall();
      contact.time = contest_.start + random_.Between(0, kTours * 3600 - 1);
      contact.band = static_cast<Band>(random_.Below(3));
      contact.mode = Mode::kCw;
      contact.kilohertz = kBandKilohertz[static_cast<std::size_t>(contact.band)].first + 5;
      contacts_.push_back(contact);
    }
  }

  // The two work again in the same tour, on the same band and mode, a few
  // minutes apart; both log it.
  void AddRepeat(Contact contact, std::int64_t second) {
    const std::int64_t gap = random_.Between(4, 15) * 60;
    const std::int64_t again = second + gap < 3600 - kClearOfTheHour ? second + gap : second - gap;
    if (again < kClearOfTheHour) return;
    contact.time += again - second;
    contact.error = Error::kNone;
    contacts_.push_back(contact);
  }

  // A miscopy of the call that no one has: a CW-alike letter mostly, else one
  // added, dropped or two swapped. Empty when none is found.
  std::string BustedCall(const std::string& call) {
    for (int attempt = 0; attempt < 20; ++attempt) {
      std::string busted = call;
      const std::size_t at = random_.Below(call.size());
      const std::uint64_t kind = random_.Below(10);
      if (kind < 7) {
        for (const auto& [one, other] : kCwAlike) {
          if (busted[at] == one || busted[at] == other) {
            busted[at] = busted[at] == one ? other : one;
            break;
          }
        }
      } else if (kind == 7) {
        busted.insert(at, 1, static_cast<char>('A' + random_.Below(26)));
      } else if (kind == 8 && call.size() > 3) {
        busted.erase(at, 1);
      } else if (at + 1 < call.size()) {
        std::swap(busted[at], busted[at + 1]);
      }
      if (busted != call && used_.insert(busted).second) return busted;
    }
    return {};
  }

  // The line of the station in the contact, if it logged it.
  std::optional<std::size_t> LineOf(std::uint32_t contact, std::uint32_t station) const {
    if (station == kOutsider) return std::nullopt;
    const std::size_t line = lineOf_[contact][contacts_[contact].a == station ? 0 : 1];
    return line == kNoLine ? std::nullopt : std::optional<std::size_t>(line);
  }

  void MakeLines() {
    lineOf_.assign(contacts_.size(), {kNoLine, kNoLine});
    std::vector<std::vector<LineFacts>> facts(contest_.stations.size());
    for (std::uint32_t c = 0; c < contacts_.size(); ++c) {
      const Contact& contact = contacts_[c];
      for (int side = 0; side < 2; ++side) {
        const std::uint32_t self = side == 0 ? contact.a : contact.b;
        const std::uint32_t partner = side == 0 ? contact.b : contact.a;
        if (self == kOutsider) continue;
        const bool errs = contact.error != Error::kNone && contact.errorSide == side;
        if (errs && contact.error == Error::kNil) continue;
        Station& station = contest_.stations[self];
        Line line;
        line.contact = c;
        line.loggedTime = contact.time + random_.Between(0, 29) + station.clockOffset;
        if (station.format != LogFormat::kAdif) line.loggedTime -= line.loggedTime % 60;
        line.kilohertz = contact.kilohertz;
        line.band = contact.band;
        line.mode = contact.mode;
        line.call = partner == kOutsider ? contact.outsiderCall : contest_.stations[partner].call;
        LineFacts fact{self, partner, {}, false, errs && contact.error == Error::kWrongNumber};
        if (errs && contact.error == Error::kBustedCall) {
          if (std::string busted = BustedCall(line.call); !busted.empty()) {
            line.call = std::move(busted);
            fact.bustedCall = true;
          }
        }
        station.lines.push_back(std::move(line));
        facts[self].push_back(std::move(fact));
      }
    }
    // Each log in the order of its times.
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      std::vector<Line>& lines = contest_.stations[s].lines;
      std::vector<std::size_t> order(lines.size());
      for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
      std::sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        return std::tie(lines[x].loggedTime, lines[x].contact) <
               std::tie(lines[y].loggedTime, lines[y].contact);
      });
      std::vector<Line> sortedLines;
      for (const std::size_t i : order) {
        sortedLines.push_back(std::move(lines[i]));
        facts_.push_back(std::move(facts[s][i]));
        const Contact& contact = contacts_[sortedLines.back().contact];
        lineOf_[sortedLines.back().contact][contact.a == s ? 0 : 1] = facts_.size() - 1;
      }
      lines = std::move(sortedLines);
      firstFact_.push_back(facts_.size() - lines.size());
    }
  }

  std::string Number(const Station& station, std::uint64_t serial) const {
    char text[16];
    std::snprintf(text, sizeof text, "%s%03u", station.marked ? "W" : "",
                  static_cast<unsigned>(serial % 10000));
    return text;
  }

  // A different number of the same form: one digit changed.
  std::string Miscopied(const std::string& number) {
    std::string wrong = number;
    const std::size_t first = wrong.front() == 'W' ? 1 : 0;
    const std::size_t at = first + random_.Below(wrong.size() - first);
    wrong[at] = static_cast<char>('0' + (wrong[at] - '0' + 1 + random_.Below(9)) % 10);
    return wrong;
  }

  void NumberLines() {
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      Station& station = contest_.stations[s];
      for (std::size_t i = 0; i < station.lines.size(); ++i) {
        LineFacts& fact = facts_[firstFact_[s] + i];
        fact.trueSent = Number(station, i + 1);
        const Contact& contact = contacts_[station.lines[i].contact];
        const bool slips = contact.error == Error::kSenderSlip &&
                           (contact.errorSide == 0 ? contact.a : contact.b) == s;
        station.lines[i].sent = slips ? Miscopied(fact.trueSent) : fact.trueSent;
      }
    }
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      Station& station = contest_.stations[s];
      for (std::size_t i = 0; i < station.lines.size(); ++i) {
        const LineFacts& fact = facts_[firstFact_[s] + i];
        const auto other = LineOf(station.lines[i].contact, fact.partner);
        std::string received =
            other ? facts_[*other].trueSent
                  : Number(fact.partner == kOutsider ? station : contest_.stations[fact.partner],
                           1 + random_.Below(300));
        if (fact.wrongNumber) received = Miscopied(received);
        station.lines[i].received = std::move(received);
      }
    }
  }

  std::string Verdict(std::uint32_t s, std::size_t i,
                      const std::unordered_map<std::string, int>& logsWith) {
    const Line& line = contest_.stations[s].lines[i];
    const LineFacts& fact = facts_[firstFact_[s] + i];
    if (line.mode == Mode::kRtty) return "out-of-contest";
    if (fact.partner == kOutsider) return "unique";
    const Station& partner = contest_.stations[fact.partner];
    const bool partnerLogged = LineOf(line.contact, fact.partner).has_value();
    if (fact.bustedCall) return partner.sendsLog && partnerLogged ? "busted-call" : "unique";
    if (!partner.sendsLog) return logsWith.at(partner.call) <= 1 ? "unique" : "no-log";
    if (!partnerLogged) return "nil";
    return fact.wrongNumber ? "busted-exchange" : "ok";
  }

  void JudgeLines() {
    std::unordered_map<std::string, int> logsWith;
    for (const Station& station : contest_.stations) {
      if (!station.sendsLog) continue;
      std::unordered_set<std::string_view> calls;
      for (const Line& line : station.lines) {
        if (calls.insert(line.call).second) ++logsWith[line.call];
      }
    }
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      Station& station = contest_.stations[s];
      if (!station.sendsLog) continue;
      // Repeats within a tour: one counts (a confirmed one first), the others
      // are dupes.
      std::map<std::tuple<std::string, Band, Mode, std::int64_t>,
               std::vector<std::tuple<int, std::int64_t, std::size_t>>>
          tours;
      for (std::size_t i = 0; i < station.lines.size(); ++i) {
        Line& line = station.lines[i];
        line.verdict = Verdict(s, i, logsWith);
        if (line.verdict == "out-of-contest") continue;
        const std::int64_t time = contacts_[line.contact].time;
        const int preference = line.verdict == "ok" ? 0 : line.verdict == "busted-exchange" ? 1 : 2;
        tours[{line.call, line.band, line.mode, time / 3600}].emplace_back(preference, time, i);
      }
      for (auto& [key, lines] : tours) {
        std::sort(lines.begin(), lines.end());
        for (std::size_t k = 1; k < lines.size(); ++k)
          station.lines[std::get<2>(lines[k])].verdict = "dupe";
      }
    }
  }

  const Settings settings_;
  Random random_;
  SimulatedContest contest_;
  std::unordered_set<std::string> used_;
  std::vector<std::uint64_t> weights_;
  std::vector<Contact> contacts_;
  std::vector<LineFacts> facts_;
  std::vector<std::size_t> firstFact_;
  static constexpr std::size_t kNoLine = SIZE_MAX;
  std::vector<std::array<std::size_t, 2>> lineOf_;  // by contact: the lines of a and b
};

}  // namespace

SimulatedContest Simulate(const Settings& settings) { return Simulator(settings).Run(); }

std::string_view NameOf(Band band) {
  constexpr std::array<std::string_view, 3> kNames = {"160", "80", "40"};
  return kNames[static_cast<std::size_t>(band)];
}

std::string_view NameOf(Mode mode) {
  constexpr std::array<std::string_view, 4> kNames = {"CW", "SSB", "digital", "RTTY"};
  return kNames[static_cast<std::size_t>(mode)];
}

}  // namespace contest_sim
