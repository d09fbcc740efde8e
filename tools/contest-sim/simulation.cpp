#include "tools/contest-sim/simulation.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "logs/time/qso_date.h"
#include "stats/rules/score.h"
#include "stats/rules/tours.h"
#include "tools/contest-sim/miscopy.h"
#include "tools/contest-sim/random.h"

namespace contest_sim {
namespace {

constexpr std::int64_t kTours = 4;
constexpr std::int64_t kContestSeconds = kTours * 3600;
constexpr std::uint32_t kOutsider = UINT32_MAX;
constexpr std::array<std::string_view, 20> kPrefixes = {"R",  "RA", "RK", "RN", "RU", "RV", "RW",
                                                        "RX", "RZ", "UA", "UB", "UC", "UD", "UE",
                                                        "UF", "UG", "UH", "UI", "RD", "RG"};
constexpr std::array<std::string_view, 6> kSuffixes = {"/P", "/P", "/M", "/QRP", "/3", "/9"};
constexpr std::array<std::string_view, 8> kNames = {
    "Иван Петров",   "Сергей Смирнов",   "Алексей Кузнецов", "Ольга Соколова",
    "Дмитрий Попов", "Наталья Лебедева", "Михаил Козлов",    "Елена Новикова"};
constexpr std::array<std::string_view, 3> kCategories2 = {"SOAB-MIXED-LP", "SOAB-CW-LP",
                                                          "SOAB-MIXED-HP"};
constexpr std::array<std::string_view, 2> kCategories3 = {"SINGLE-OP ALL MIXED LOW",
                                                          "MULTI-ONE ALL MIXED HIGH"};
constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 3> kBandKilohertz = {
    {{1810, 1950}, {3510, 3750}, {7010, 7150}}};

Channel ChannelOf(Mode mode) {
  return mode == Mode::kCw    ? Channel::kCw
         : mode == Mode::kSsb ? Channel::kVoice
                              : Channel::kDigital;
}

struct Contact {
  std::uint32_t a = 0;
  std::uint32_t b = 0;    // kOutsider: a station that only `a` works
  std::int64_t time = 0;  // when it was made, UTC
  Band band = Band::k160;
  Mode mode = Mode::kCw;
  std::uint32_t kilohertz = 0;
  std::string outsiderCall;
};

// What the simulator knows about a line beyond what the log shows.
struct LineFacts {
  std::uint32_t partner = kOutsider;
  std::int64_t time = 0;  // the contact's
  std::string trueSent;
  bool bustedCall = false;
  bool wrongNumber = false;
  bool senderSlip = false;
  bool timeTypo = false;
};

// What the simulator knows about a station beyond what its log shows.
struct Habits {
  double bustRate = 1;                   // how often its call is miscopied, against the average
  std::array<std::string, 3> miscopies;  // its usual wrong form, by Channel
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
    for (std::uint32_t i = 0; i < settings_.stations; ++i) {
      Station station;
      station.call = FreshCall();
      if (random_.Chance(settings_.portable))
        station.call += kSuffixes[random_.Below(kSuffixes.size())];
      station.clock = RealisticClock(random_, kContestSeconds);
      station.sendsLog = !random_.Chance(settings_.noLog);
      station.marked = random_.Chance(0.1);
      station.multiOp = random_.Chance(settings_.multiOp);
      station.format = random_.Chance(settings_.adifShare)      ? LogFormat::kAdif
                       : station.multiOp || random_.Chance(0.5) ? LogFormat::kCabrillo3
                                                                : LogFormat::kCabrillo2;
      if (station.format != LogFormat::kAdif && random_.Chance(settings_.lineEnds)) {
        station.lineEnds = random_.Chance(0.5) ? LineEnds::kCr : LineEnds::kMixed;
      }
      station.nameEncoding = static_cast<NameEncoding>(random_.Below(3));
      station.name = kNames[random_.Below(kNames.size())];
      if (station.format == LogFormat::kCabrillo2) {
        station.category = kCategories2[random_.Below(kCategories2.size())];
      } else if (station.format == LogFormat::kCabrillo3) {
        station.category = kCategories3[station.multiOp ? 1 : 0];
      }
      // Skewed activity: a few big stations, many small ones; a multi-op is busier.
      const std::uint64_t r = random_.Below(1000);
      const std::uint64_t weight = (100 + r * r / 1000) * (station.multiOp ? 3 : 1);
      weights_.push_back((weights_.empty() ? 0 : weights_.back()) + weight);
      // Most calls are easy to copy; a few (long, fast, weak) are hard.
      Habits habits;
      const double roll = random_.Uniform();
      habits.bustRate = (roll < 0.7 ? 0.5 : roll < 0.95 ? 2.0 : 6.0) / 1.15;
      for (const Channel channel : {Channel::kCw, Channel::kVoice, Channel::kDigital}) {
        habits.miscopies[static_cast<std::size_t>(channel)] =
            MiscopiedCall(station.call, channel, random_);
      }
      habits_.push_back(std::move(habits));
      contest_.stations.push_back(std::move(station));
    }
  }

  std::uint32_t PickStation() {
    const std::uint64_t at = random_.Below(weights_.back());
    return static_cast<std::uint32_t>(std::upper_bound(weights_.begin(), weights_.end(), at) -
                                      weights_.begin());
  }

  // A second of the tour: a crowd at its start, when everyone works again
  // those worked in the tour before.
  std::int64_t SecondOfTour() {
    return random_.Chance(0.2) ? random_.Between(0, 299) : random_.Between(0, 3599);
  }

  std::uint32_t Kilohertz(Band band) {
    const auto [low, high] = kBandKilohertz[static_cast<std::size_t>(band)];
    return static_cast<std::uint32_t>(random_.Between(low, high));
  }

  // Whether the two have not yet worked each other on the band and mode in
  // the tour; notes that they have.
  bool FirstInTour(std::uint32_t a, std::uint32_t b, Band band, Mode mode, std::int64_t tour) {
    const std::uint64_t key =
        std::uint64_t{std::min(a, b)} << 36 | std::uint64_t{std::max(a, b)} << 8 |
        static_cast<std::uint64_t>(band) << 5 | static_cast<std::uint64_t>(mode) << 3 |
        static_cast<std::uint64_t>(tour);
    return worked_.insert(key).second;
  }

  void AddContact(Contact contact) {
    if (random_.Chance(settings_.outOfContest)) contact.mode = Mode::kRtty;
    contacts_.push_back(contact);
    if (contact.mode != Mode::kRtty && random_.Chance(settings_.dupe)) AddRepeat(contact);
  }

  // Friends work each other on every band, in CW and SSB, in every tour.
  void AddFriends(std::uint64_t& target) {
    std::vector<std::uint32_t> chosen;
    for (std::uint32_t s = 0; s < settings_.stations; ++s) {
      if (random_.Chance(settings_.everyTour)) chosen.push_back(s);
    }
    for (std::size_t i = 0; i + 1 < chosen.size(); i += 2) {
      for (std::int64_t tour = 0; tour < kTours; ++tour) {
        for (const Band band : {Band::k160, Band::k80, Band::k40}) {
          for (const Mode mode : {Mode::kCw, Mode::kSsb}) {
            Contact contact{chosen[i], chosen[i + 1], 0, band, mode, Kilohertz(band), {}};
            contact.time = contest_.start + tour * 3600 + SecondOfTour();
            FirstInTour(contact.a, contact.b, band, mode, tour);
            AddContact(contact);
            if (target > 0) --target;
          }
        }
      }
    }
  }

  void MakeContacts() {
    std::uint64_t target = std::uint64_t{settings_.stations} * settings_.qsosPerStation / 2;
    AddFriends(target);
    for (std::uint64_t made = 0, attempt = 0; made < target && attempt < 20 * target; ++attempt) {
      Contact contact;
      contact.a = PickStation();
      contact.b = PickStation();
      if (contact.a == contact.b) continue;
      contact.band = static_cast<Band>(random_.Below(3));
      const std::uint64_t roll = random_.Below(100);
      contact.mode = roll < 50 ? Mode::kCw : roll < 85 ? Mode::kSsb : Mode::kDigital;
      const auto tour = static_cast<std::int64_t>(random_.Below(kTours));
      if (!FirstInTour(contact.a, contact.b, contact.band, contact.mode, tour)) continue;
      contact.time = contest_.start + tour * 3600 + SecondOfTour();
      contact.kilohertz = Kilohertz(contact.band);
      AddContact(contact);
      ++made;
    }
    const auto uniques =
        static_cast<std::uint64_t>(static_cast<double>(2 * target) * settings_.unique);
    for (std::uint64_t i = 0; i < uniques; ++i) {
      Contact contact;
      contact.a = PickStation();
      contact.b = kOutsider;
      contact.outsiderCall = FreshCall();
      contact.time = contest_.start + random_.Between(0, kContestSeconds - 1);
      contact.band = static_cast<Band>(random_.Below(3));
      contact.mode = Mode::kCw;
      contact.kilohertz = Kilohertz(contact.band);
      contacts_.push_back(contact);
    }
  }

  // The two work again in the same tour, on the same band and mode, a few
  // minutes apart.
  void AddRepeat(Contact contact) {
    const std::int64_t second = (contact.time - contest_.start) % 3600;
    const std::int64_t gap = random_.Between(2, 15) * 60 + random_.Between(0, 59);
    const std::int64_t again = second + gap < 3600 ? second + gap : second - gap;
    if (again < 0) return;
    contact.time += again - second;
    contacts_.push_back(contact);
  }

  // A time typed wrong: the hour or the tens of minutes one off, the minute's
  // digits swapped, or the day one off.
  std::int64_t Mistyped(std::int64_t logged) {
    const std::uint64_t kind = random_.Below(20);
    const std::int64_t sign = random_.Chance(0.5) ? 1 : -1;
    if (kind < 7) return logged + sign * 3600;
    if (kind < 13) return logged + sign * 600;
    if (kind < 17) {
      const std::int64_t minute = logged / 60 % 60;
      const std::int64_t swapped = minute % 10 * 10 + minute / 10;
      if (swapped < 60 && swapped != minute) return logged + (swapped - minute) * 60;
      return logged + sign * 600;
    }
    return logged + sign * 86400;
  }

  std::string LoggedCall(std::uint32_t self, std::uint32_t partner, const Contact& contact,
                         bool& busted) {
    const std::string& right =
        partner == kOutsider ? contact.outsiderCall : contest_.stations[partner].call;
    const double rate =
        settings_.bustedCall * (partner == kOutsider ? 1 : habits_[partner].bustRate);
    busted = false;
    if (!random_.Chance(rate)) return right;
    const Channel channel = ChannelOf(contact.mode);
    std::string miscopy = partner != kOutsider && random_.Chance(settings_.habitualMiscopy)
                              ? habits_[partner].miscopies[static_cast<std::size_t>(channel)]
                              : MiscopiedCall(right, channel, random_);
    if (miscopy == contest_.stations[self].call) return right;
    busted = true;
    return miscopy;
  }

  void MakeLines() {
    std::vector<std::vector<std::pair<Line, LineFacts>>> lines(contest_.stations.size());
    for (std::uint32_t c = 0; c < contacts_.size(); ++c) {
      const Contact& contact = contacts_[c];
      for (int side = 0; side < 2; ++side) {
        const std::uint32_t self = side == 0 ? contact.a : contact.b;
        const std::uint32_t partner = side == 0 ? contact.b : contact.a;
        if (self == kOutsider || random_.Chance(settings_.nil)) continue;
        const Station& station = contest_.stations[self];
        Line line;
        line.contact = c;
        // Each side logs the QSO within a few seconds of its end.
        const std::int64_t logged = contact.time + random_.Between(-10, 10);
        line.clockOffset = station.clock.OffsetAt(logged - contest_.start);
        line.loggedTime = logged + line.clockOffset;
        if (station.format != LogFormat::kAdif) line.loggedTime -= line.loggedTime % 60;
        LineFacts facts;
        if (random_.Chance(settings_.timeTypo)) {
          line.loggedTime = Mistyped(line.loggedTime);
          facts.timeTypo = true;
        }
        line.kilohertz = contact.kilohertz;
        line.band = contact.band;
        line.mode = contact.mode;
        line.xQso = station.format != LogFormat::kAdif && contact.mode != Mode::kRtty &&
                    random_.Chance(settings_.xQso);
        line.transmitter = station.multiOp && contact.band == Band::k40 ? 1 : 0;
        facts.partner = partner;
        facts.time = contact.time;
        line.call = LoggedCall(self, partner, contact, facts.bustedCall);
        facts.wrongNumber = random_.Chance(settings_.wrongNumber);
        facts.senderSlip = random_.Chance(settings_.senderSlip);
        lines[self].emplace_back(std::move(line), std::move(facts));
      }
    }
    // Each log in the order the QSOs were made.
    lineOf_.assign(contacts_.size(), {kNoLine, kNoLine});
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      std::vector<std::pair<Line, LineFacts>>& own = lines[s];
      std::sort(own.begin(), own.end(), [](const auto& x, const auto& y) {
        return std::tie(x.second.time, x.first.contact) < std::tie(y.second.time, y.first.contact);
      });
      firstFact_.push_back(facts_.size());
      for (auto& [line, facts] : own) {
        const Contact& contact = contacts_[line.contact];
        lineOf_[line.contact][contact.a == s ? 0 : 1] = facts_.size();
        contest_.stations[s].lines.push_back(std::move(line));
        facts_.push_back(std::move(facts));
      }
    }
  }

  // The line of the station in the contact, if it logged it.
  std::optional<std::size_t> LineOf(std::uint32_t contact, std::uint32_t station) const {
    if (station == kOutsider) return std::nullopt;
    const std::size_t line = lineOf_[contact][contacts_[contact].a == station ? 0 : 1];
    return line == kNoLine ? std::nullopt : std::optional<std::size_t>(line);
  }

  std::string Number(const Station& station, std::uint64_t serial) const {
    char text[16];
    std::snprintf(text, sizeof text, "%s%03u", station.marked ? "W" : "",
                  static_cast<unsigned>(serial % 10000));
    return text;
  }

  void NumberLines() {
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      Station& station = contest_.stations[s];
      for (std::size_t i = 0; i < station.lines.size(); ++i) {
        LineFacts& facts = facts_[firstFact_[s] + i];
        facts.trueSent = Number(station, i + 1);
        station.lines[i].sent = facts.senderSlip
                                    ? MiscopiedNumber(facts.trueSent, Channel::kDigital, random_)
                                    : facts.trueSent;
      }
    }
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      Station& station = contest_.stations[s];
      for (std::size_t i = 0; i < station.lines.size(); ++i) {
        Line& line = station.lines[i];
        const LineFacts& facts = facts_[firstFact_[s] + i];
        const auto other = LineOf(line.contact, facts.partner);
        std::string received =
            other ? facts_[*other].trueSent
                  : Number(facts.partner == kOutsider ? station : contest_.stations[facts.partner],
                           1 + random_.Below(300));
        if (facts.wrongNumber) received = MiscopiedNumber(received, ChannelOf(line.mode), random_);
        line.received = std::move(received);
      }
    }
  }

  // The line of a fact's index.
  const Line& LineAt(std::size_t fact) const {
    const std::size_t s = static_cast<std::size_t>(
        std::upper_bound(firstFact_.begin(), firstFact_.end(), fact) - firstFact_.begin() - 1);
    return contest_.stations[s].lines[fact - firstFact_[s]];
  }

  const LineFacts& FactsOf(std::uint32_t s, std::size_t i) const {
    return facts_[firstFact_[s] + i];
  }

  // Whether the line's call is busted and the log of the station really
  // worked shows it: that station sent a log that holds the QSO.
  bool BustShown(std::uint32_t s, std::size_t i) const {
    const LineFacts& facts = FactsOf(s, i);
    return facts.bustedCall && facts.partner != kOutsider &&
           contest_.stations[facts.partner].sendsLog &&
           LineOf(contest_.stations[s].lines[i].contact, facts.partner).has_value();
  }

  // The verdict on a QSO with a call that sent no log: by the logs it is in.
  std::string NoLogVerdict(const std::string& call) const {
    const auto found = logsWith_.find(call);
    return found == logsWith_.end() || found->second <= 1 ? "unique" : "no-log";
  }

  std::string Verdict(std::uint32_t s, std::size_t i) const {
    const Line& line = contest_.stations[s].lines[i];
    const LineFacts& facts = FactsOf(s, i);
    if (line.mode == Mode::kRtty || line.xQso) return "out-of-contest";
    if (facts.bustedCall) {
      if (BustShown(s, i)) return "busted-call";
      // Nothing shows the miscopy: judged as the call it names.
      return sendingCalls_.count(line.call) ? "nil" : NoLogVerdict(line.call);
    }
    if (facts.partner == kOutsider || !contest_.stations[facts.partner].sendsLog) {
      return NoLogVerdict(line.call);
    }
    if (!LineOf(line.contact, facts.partner)) return "nil";
    return facts.wrongNumber ? "busted-exchange" : "ok";
  }

  // The moment of the line's QSO by the rules: its log's time corrected by
  // the clock's true offset (a time to the minute stands for the middle of
  // the minute); of one whose time the log typed wrong, the other side's if
  // it logged it. Each log is judged by its own times: where a log's time to
  // the minute can not tell the tour of a QSO made at the change of the hour,
  // no check can, and the rules go by the log.
  std::int64_t RuledMoment(std::uint32_t s, std::size_t i) const {
    const auto corrected = [&](std::uint32_t station, const Line& line) {
      const bool toTheMinute = contest_.stations[station].format != LogFormat::kAdif;
      return line.loggedTime - line.clockOffset + (toTheMinute ? 30 : 0);
    };
    const Line& line = contest_.stations[s].lines[i];
    const LineFacts& facts = FactsOf(s, i);
    const auto other = LineOf(line.contact, facts.partner);
    if (facts.timeTypo && other && contest_.stations[facts.partner].sendsLog &&
        !facts_[*other].timeTypo) {
      return corrected(facts.partner, LineAt(*other));
    }
    return corrected(s, line);
  }

  void JudgeLines() {
    for (const Station& station : contest_.stations) {
      if (station.sendsLog) sendingCalls_.insert(station.call);
    }
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      const Station& station = contest_.stations[s];
      if (!station.sendsLog) continue;
      std::unordered_set<std::string_view> calls;
      for (std::size_t i = 0; i < station.lines.size(); ++i) {
        const Line& line = station.lines[i];
        if (!BustShown(s, i) && calls.insert(line.call).second) ++logsWith_[line.call];
      }
    }
    for (std::uint32_t s = 0; s < contest_.stations.size(); ++s) {
      Station& station = contest_.stations[s];
      if (!station.sendsLog) continue;
      // Repeats within a tour: one counts (a confirmed one first), the others
      // are dupes.
      std::map<std::tuple<std::string, Band, Mode, int>,
               std::vector<std::tuple<int, std::int64_t, std::size_t>>>
          tours;
      for (std::size_t i = 0; i < station.lines.size(); ++i) {
        Line& line = station.lines[i];
        line.verdict = Verdict(s, i);
        if (line.verdict == "busted-call") {
          line.rightCall = contest_.stations[FactsOf(s, i).partner].call;
        }
        if (line.verdict == "out-of-contest") continue;
        const std::int64_t time = RuledMoment(s, i);
        const int preference = line.verdict == "ok" ? 0 : line.verdict == "busted-exchange" ? 1 : 2;
        tours[{line.call, line.band, line.mode, stats::TourOfMoment(time)}].emplace_back(preference,
                                                                                         time, i);
      }
      for (auto& [key, lines] : tours) {
        std::sort(lines.begin(), lines.end());
        for (std::size_t k = 1; k < lines.size(); ++k)
          station.lines[std::get<2>(lines[k])].verdict = "dupe";
      }
      Score(station);
    }
  }

  // The points of the counted QSOs times their Kvant: each station marked
  // by a "W" number once per band in CW and once in the other modes.
  void Score(Station& station) const {
    std::int64_t points = 0;
    std::set<std::tuple<Band, bool, std::string>> marked;
    for (Line& line : station.lines) {
      line.counted = line.verdict == "ok" ||
                     (line.verdict == "no-log" && logsWith_.at(line.call) >= kMinLogsForNoLog);
      if (!line.counted) continue;
      points += stats::kPointsPerQso;
      if (line.received.starts_with('W'))
        marked.emplace(line.band, line.mode == Mode::kCw, line.call);
    }
    station.score = stats::ClampedScore(points, static_cast<std::int64_t>(marked.size()));
  }

  const Settings settings_;
  Random random_;
  SimulatedContest contest_;
  std::unordered_set<std::string> used_;
  std::vector<std::uint64_t> weights_;
  std::vector<Habits> habits_;
  std::unordered_set<std::uint64_t> worked_;  // station pair, band, mode and tour
  std::vector<Contact> contacts_;
  std::vector<LineFacts> facts_;
  std::vector<std::size_t> firstFact_;
  static constexpr std::size_t kNoLine = SIZE_MAX;
  std::vector<std::array<std::size_t, 2>> lineOf_;  // by contact: the lines of a and b
  std::unordered_set<std::string> sendingCalls_;
  std::unordered_map<std::string, int> logsWith_;  // logs a call is in, busted calls aside
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
