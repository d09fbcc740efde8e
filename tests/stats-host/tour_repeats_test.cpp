#include "stats-host/report/tour_repeats.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace stats_host {
namespace {

using logs::HostQso;

HostQso Qso(const std::string& call, int day, int hour, int minute, int second = 0,
            const std::string& band = "80", const std::string& mode = "CW") {
  HostQso qso;
  qso.call = call;
  qso.date = logs::QsoDate{2024, 2, day};
  qso.secondOfDay = (hour * 60 + minute) * 60 + second;
  qso.band = band;
  qso.mode = mode;
  return qso;
}

// The QSOs handed over in order, the i-th as record i + 1.
std::vector<TourRepeat> FindTourRepeats(std::vector<HostQso> qsos,
                                        const std::vector<bool>& stored) {
  TourRepeatFinder finder;
  std::vector<TourRepeat> repeats;
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    qsos[i].record = i + 1;
    if (auto repeat = finder.Next(qsos[i], stored[i])) repeats.push_back(*repeat);
  }
  return repeats;
}

std::vector<std::size_t> RepeatIndexes(const std::vector<HostQso>& qsos,
                                       std::vector<bool> accepted = {}) {
  if (accepted.empty()) accepted.assign(qsos.size(), true);
  std::vector<std::size_t> indexes;
  for (const TourRepeat& repeat : FindTourRepeats(qsos, accepted)) {
    indexes.push_back(repeat.record - 1);
  }
  return indexes;
}

using Indexes = std::vector<std::size_t>;

TEST(TourRepeats, SameCallBandAndModeInTheSameHour) {
  EXPECT_EQ(RepeatIndexes({Qso("UA3AA", 18, 10, 5), Qso("UA3AA", 18, 10, 55)}), Indexes{1});
}

TEST(TourRepeats, ANewHourIsANewTour) {
  EXPECT_EQ(RepeatIndexes({Qso("UA3AA", 18, 10, 59, 59), Qso("UA3AA", 18, 11, 0, 0)}), Indexes{});
}

TEST(TourRepeats, TheDateIsNotComparedLikeInThePlugin) {
  EXPECT_EQ(RepeatIndexes({Qso("UA3AA", 17, 10, 5), Qso("UA3AA", 18, 10, 30)}), Indexes{1});
}

TEST(TourRepeats, AnotherBandModeOrCallIsNoRepeat) {
  EXPECT_EQ(
      RepeatIndexes(
          {Qso("UA3AA", 18, 10, 5, 0, "80", "CW"), Qso("UA3AA", 18, 10, 6, 0, "40", "CW"),
           Qso("UA3AA", 18, 10, 7, 0, "80", "SSB"), Qso("UA3AA", 18, 10, 8, 0, "80", "BPSK62"),
           Qso("UA3AA", 18, 10, 9, 0, "80", "BPSK63"), Qso("ua3aa", 18, 10, 9, 0, "80", "CW")}),
      Indexes{});
}

TEST(TourRepeats, OnlyStoredQsosCount) {
  // The first QSO was refused, so the second is the first in the store; the
  // refused third QSO would still have been warned about while it was typed.
  const std::vector<HostQso> qsos = {Qso("UA3AA", 18, 10, 5), Qso("UA3AA", 18, 10, 6),
                                     Qso("UA3AA", 18, 10, 7)};
  EXPECT_EQ(RepeatIndexes(qsos, {false, true, false}), Indexes{2});
}

TEST(TourRepeats, EveryFurtherRepeatNamesTheFirstStoredQso) {
  const std::vector<HostQso> qsos = {Qso("UA3AA", 18, 10, 5), Qso("UA3AA", 18, 10, 6),
                                     Qso("UA3AA", 18, 10, 7)};
  const auto repeats = FindTourRepeats(qsos, {true, true, true});
  ASSERT_EQ(repeats.size(), 2u);
  EXPECT_EQ(repeats[0].earlierRecord, 1u);
  EXPECT_EQ(repeats[1].earlierRecord, 1u);
  EXPECT_EQ(repeats[1].earlierSecondOfDay, (10 * 60 + 5) * 60);
}

// The rule said plainly: each QSO against every one before it.
std::vector<std::pair<std::size_t, std::size_t>> PlainRepeats(const std::vector<HostQso>& qsos,
                                                              const std::vector<bool>& stored) {
  std::vector<std::pair<std::size_t, std::size_t>> repeats;
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (stored[j] && qsos[j].call == qsos[i].call && qsos[j].band == qsos[i].band &&
          qsos[j].mode == qsos[i].mode &&
          qsos[j].secondOfDay / 3600 == qsos[i].secondOfDay / 3600) {
        repeats.emplace_back(i + 1, j + 1);
        break;
      }
    }
  }
  return repeats;
}

TEST(TourRepeats, OnePassFindsWhatComparingEveryPairFinds) {
  std::mt19937 random(20240218);
  std::vector<HostQso> qsos;
  std::vector<bool> stored;
  for (int i = 0; i < 6000; ++i) {
    qsos.push_back(Qso("UA" + std::to_string(random() % 100), 18, static_cast<int>(random() % 24),
                       static_cast<int>(random() % 60), 0, std::to_string(random() % 3),
                       random() % 2 == 0 ? "CW" : "SSB"));
    stored.push_back(random() % 5 != 0);
  }
  std::vector<std::pair<std::size_t, std::size_t>> found;
  for (const TourRepeat& repeat : FindTourRepeats(qsos, stored)) {
    found.emplace_back(repeat.record, repeat.earlierRecord);
  }
  EXPECT_EQ(found, PlainRepeats(qsos, stored));
  EXPECT_GT(found.size(), 500u) << "enough repeats to mean something";
}

TEST(TourRepeats, LogOrderNotTimeOrderDecidesWhatWasStoredBefore) {
  EXPECT_EQ(RepeatIndexes({Qso("UA3AA", 18, 10, 50), Qso("UA3AA", 18, 10, 5)}), Indexes{1});
}

}  // namespace
}  // namespace stats_host
