// What the report works out from the QSOs, checked on random logs against
// plain models: the busiest windows (of every band too), operating time and
// breaks, per-tour rates, changes, new stations and modes, the rate of each
// five minutes, and the gaps and repeats among the sent numbers.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "stats-host/report/kvant_slips.h"
#include "stats-host/report/number_check.h"
#include "stats-host/report/qso_timeline.h"

namespace stats_host {
namespace {

using logs::HostQso;

std::vector<HostQso> RandomLog(std::mt19937& random, int size) {
  std::vector<HostQso> log(static_cast<std::size_t>(size));
  for (std::size_t i = 0; i < log.size(); ++i) {
    HostQso& qso = log[i];
    qso.record = i + 1;
    qso.date = logs::QsoDate{2024, 2, 17 + static_cast<int>(random() % 2)};
    qso.secondOfDay = static_cast<int>(random() % (random() % 2 ? 86400 : 5400));
    qso.band = std::to_string(10 << (random() % 3));
    const char* modes[] = {"CW", "SSB", "BPSK63"};
    qso.mode = modes[random() % 3];
    qso.call = "UA" + std::to_string(random() % 20);
    qso.exchangeSent = std::to_string(1 + random() % (size + 3));
  }
  return log;
}

RateWindow BusiestModel(const std::vector<long long>& seconds, long long length) {
  RateWindow best;
  for (std::size_t i = 0; i < seconds.size(); ++i) {
    std::size_t end = i;
    while (end + 1 < seconds.size() && seconds[end + 1] < seconds[i] + length) ++end;
    if (static_cast<int>(end - i + 1) > best.qsos) {
      best = {static_cast<int>(end - i + 1), seconds[i], seconds[end]};
    }
  }
  return best;
}

TEST(ReportFacts, TimelineAgreesWithAPlainModelOnRandomLogs) {
  std::mt19937 random(20240218);
  for (int round = 0; round < 200; ++round) {
    std::vector<HostQso> log = RandomLog(random, 1 + static_cast<int>(random() % 60));
    QsoTimeline timeline;
    for (const HostQso& qso : log) timeline.Add(qso);
    const Timeline found = timeline.Summary();

    std::stable_sort(log.begin(), log.end(), [](const HostQso& a, const HostQso& b) {
      return logs::SecondsSinceOleEpoch(a.date, a.secondOfDay) <
             logs::SecondsSinceOleEpoch(b.date, b.secondOfDay);
    });
    std::vector<long long> seconds;
    for (const HostQso& qso : log)
      seconds.push_back(logs::SecondsSinceOleEpoch(qso.date, qso.secondOfDay));
    long long operating = 0, offTime = 0;
    int breaks = 0;
    std::vector<std::pair<long long, long long>> offTimes;
    std::map<long, TourActivity> tours;
    std::set<std::string> worked;
    std::map<std::string, std::vector<long long>> byBand;
    std::map<long long, int> fiveMinutes;
    for (std::size_t i = 0; i < log.size(); ++i) {
      TourActivity& tour = tours[static_cast<long>(seconds[i] / 3600)];
      ++tour.tenMinutes[seconds[i] % 3600 / 600];
      tour.newCalls += worked.insert(log[i].call).second ? 1 : 0;
      ++(log[i].mode == "CW" ? tour.cw : log[i].mode == "SSB" ? tour.ssb : tour.digital);
      byBand[log[i].band].push_back(seconds[i]);
      ++fiveMinutes[seconds[i] / 300];
      if (i == 0) continue;
      const long long gap = seconds[i] - seconds[i - 1];
      (gap >= 1800 ? offTime : operating) += gap;
      breaks += gap >= 1800 ? 1 : 0;
      if (gap >= 1800) offTimes.emplace_back(seconds[i - 1], seconds[i]);
      tour.bandChanges += log[i].band != log[i - 1].band ? 1 : 0;
      tour.modeChanges += log[i].mode != log[i - 1].mode ? 1 : 0;
    }
    ASSERT_EQ(found.first, seconds.front());
    ASSERT_EQ(found.last, seconds.back());
    ASSERT_EQ(found.operatingSeconds, operating);
    ASSERT_EQ(found.breakSeconds, offTime);
    ASSERT_EQ(found.breaks, breaks);
    for (const auto& [length, window] : {std::pair{600LL, found.best10}, {3600LL, found.best60}}) {
      const RateWindow model = BusiestModel(seconds, length);
      ASSERT_EQ(std::tie(window.qsos, window.first, window.last),
                std::tie(model.qsos, model.first, model.last));
    }
    ASSERT_EQ(found.tours.size(), tours.size());
    for (const auto& [number, tour] : tours) {
      const TourActivity& seen = found.tours.at(number);
      ASSERT_EQ(std::tie(seen.tenMinutes, seen.bandChanges, seen.modeChanges, seen.newCalls,
                         seen.cw, seen.ssb, seen.digital),
                std::tie(tour.tenMinutes, tour.bandChanges, tour.modeChanges, tour.newCalls,
                         tour.cw, tour.ssb, tour.digital));
    }
    ASSERT_EQ(found.offTimes.size(), offTimes.size());
    for (std::size_t i = 0; i < offTimes.size(); ++i) {
      ASSERT_EQ(std::pair(found.offTimes[i].from, found.offTimes[i].to), offTimes[i]);
    }
    ASSERT_EQ(found.bandRates.size(), byBand.size());
    for (const BandRate& rate : found.bandRates) {
      const RateWindow model = BusiestModel(byBand.at(rate.band), 3600);
      ASSERT_EQ(std::tie(rate.best60.qsos, rate.best60.first, rate.best60.last),
                std::tie(model.qsos, model.first, model.last));
    }
    for (std::size_t slot = 0; slot < found.rateSlots.size(); ++slot) {
      const long long start = found.rateStart + static_cast<long long>(slot) * 300;
      ASSERT_EQ(found.rateSlots[slot], fiveMinutes[start / 300]) << slot;
    }
    ASSERT_EQ(found.rateSlots.empty(), false);
    ASSERT_EQ(found.rateStart / 300, seconds.front() / 300);
    ASSERT_EQ((found.rateStart + static_cast<long long>(found.rateSlots.size()) * 300 - 1) / 300,
              seconds.back() / 300);
  }
}

TEST(ReportFacts, SentNumberGapsAndRepeatsAgreeWithAPlainModelOnRandomLogs) {
  std::mt19937 random(17);
  for (int round = 0; round < 200; ++round) {
    const std::vector<HostQso> log = RandomLog(random, 1 + static_cast<int>(random() % 60));
    // Counted, refused and skipped records alike sent their numbers.
    NumberCheck check;
    for (const HostQso& qso : log) {
      if (random() % 5 == 0) {
        check.OnSkipped(logs::SkippedQso{qso.record, qso.exchangeSent});
      } else {
        check.OnQso(HandedQso{qso, random() % 4 != 0});
      }
    }
    const NumberFindings found = check.Findings();

    std::map<std::uint64_t, std::vector<std::size_t>> records;
    for (const HostQso& qso : log) records[std::stoull(qso.exchangeSent)].push_back(qso.record);
    std::uint64_t missing = 0;
    std::vector<std::uint64_t> gapStarts;
    for (std::uint64_t n = 1; n <= records.rbegin()->first; ++n) {
      if (records.count(n) == 0 && (n == 1 || records.count(n - 1) != 0)) gapStarts.push_back(n);
      missing += records.count(n) == 0 ? 1 : 0;
    }
    ASSERT_EQ(found.missingSent, missing);
    ASSERT_EQ(found.sentGaps.size(), gapStarts.size());
    for (std::size_t i = 0; i < gapStarts.size(); ++i) {
      ASSERT_EQ(found.sentGaps[i].first, gapStarts[i]);
      ASSERT_EQ(records.count(found.sentGaps[i].last + 1), 1u);
    }
    std::vector<RepeatedNumber> repeated;
    for (const auto& [number, sentBy] : records) {
      if (sentBy.size() > 1) repeated.push_back({number, sentBy});
    }
    ASSERT_EQ(found.repeatedSent.size(), repeated.size());
    for (std::size_t i = 0; i < repeated.size(); ++i) {
      ASSERT_EQ(found.repeatedSent[i].number, repeated[i].number);
      ASSERT_EQ(found.repeatedSent[i].records, repeated[i].records);
    }
  }
}

TEST(ReportFacts, KvantSlipsAgreeWithAPlainModelOnRandomLogs) {
  std::mt19937 random(5);
  const std::vector<std::string> bandOrder = {"40", "10"};  // "20" comes after them
  for (int round = 0; round < 200; ++round) {
    std::vector<HostQso> log = RandomLog(random, 1 + static_cast<int>(random() % 60));
    const char* received[] = {"W123", "w123", "123", "", "W1"};
    for (HostQso& qso : log) qso.exchangeReceived = received[random() % 5];
    KvantSlipFinder finder;
    for (const HostQso& qso : log) finder.Add(qso);

    struct Place {
      bool marked = false;
      std::size_t record = 0;
      std::string received;
    };
    std::map<std::tuple<std::string, bool, std::string>, Place> places;  // band, other modes, call
    std::set<std::string> sentTheirMark;
    for (const HostQso& qso : log) {
      const std::string& got = qso.exchangeReceived;
      if (!got.empty() && (got[0] == 'W' || got[0] == 'w')) sentTheirMark.insert(qso.call);
      const auto [place, added] = places.try_emplace({qso.band, qso.mode != "CW", qso.call});
      if (added) place->second = Place{false, qso.record, got};
      place->second.marked = place->second.marked || (!got.empty() && got[0] == 'W');
    }
    std::vector<std::tuple<int, bool, std::string, std::size_t, std::string>> expected;
    for (const auto& [key, place] : places) {
      const auto& [band, otherModes, call] = key;
      if (place.marked || sentTheirMark.count(call) == 0) continue;
      const int rank = band == "40" ? 0 : band == "10" ? 1 : 2;
      expected.emplace_back(rank, otherModes, call, place.record, place.received);
    }
    std::sort(expected.begin(), expected.end());
    std::vector<std::tuple<int, bool, std::string, std::size_t, std::string>> found;
    for (const KvantSlip& slip : finder.Slips(bandOrder)) {
      const int rank = slip.band == "40" ? 0 : slip.band == "10" ? 1 : 2;
      found.emplace_back(rank, slip.column == stats::KvantColumn::kOtherModes, slip.call,
                         slip.record, slip.received);
    }
    ASSERT_EQ(found, expected);
  }
}

}  // namespace
}  // namespace stats_host
