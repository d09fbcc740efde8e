#include "stats/store.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/ole_dates.h"

namespace stats {
namespace {

using testing::OleDate;

Qso Record(std::string call, std::string mode, std::string band, std::string exchange = "1") {
  Qso record;
  record.call = std::move(call);
  record.mode = std::move(mode);
  record.band = std::move(band);
  record.exchangeReceived = std::move(exchange);
  return record;
}

std::vector<std::string> Exchanges(const QsoStore& store) {
  std::vector<std::string> exchanges;
  for (const Qso& record : store.All()) exchanges.push_back(record.exchangeReceived);
  return exchanges;
}

TEST(QsoStore, RemovesOnlyTheOldestRecordWithTheSameCallModeAndBand) {
  QsoStore store;
  store.Add(Record("DX1", "CW", "40", "a"));
  store.Add(Record("DX1", "SSB", "40", "b"));
  store.Add(Record("DX1", "CW", "80", "c"));
  store.Add(Record("DX1", "CW", "40", "d"));
  store.Add(Record("DX2", "CW", "40", "e"));

  EXPECT_TRUE(store.RemoveFirstLike(Record("DX1", "CW", "40")));
  EXPECT_EQ(Exchanges(store), (std::vector<std::string>{"b", "c", "d", "e"}));
  EXPECT_TRUE(store.RemoveFirstLike(Record("DX1", "CW", "40")));
  EXPECT_EQ(Exchanges(store), (std::vector<std::string>{"b", "c", "e"}));
  EXPECT_FALSE(store.RemoveFirstLike(Record("DX1", "CW", "40")));
  EXPECT_FALSE(store.RemoveFirstLike(Record("dx1", "SSB", "40")));  // exact, case-sensitive
  EXPECT_EQ(store.Count(), 3u);

  // Of two QSOs equal in every detail the older goes, the later one is kept.
  store.Add(Record("DX3", "CW", "40", "f"));
  store.Add(Record("DX3", "CW", "40", "f"));
  store.Add(Record("DX4", "CW", "40", "g"));
  store.Add(Record("DX3", "CW", "40", "f"));
  store.RemoveFirstLike(Record("DX3", "CW", "40", "f"));
  store.RemoveFirstLike(Record("DX3", "CW", "40", "f"));
  EXPECT_EQ(Exchanges(store), (std::vector<std::string>{"b", "c", "e", "g", "f"}));
}

// The same station worked again later on the same band and mode; the operator
// deletes the later QSO.
TEST(QsoStore, RemovesTheRecordEqualInEveryDetailElseTheOldestWithItsCallModeAndBand) {
  Qso early = Record("UA1A", "CW", "80", "011");
  early.qsoTime = testing::ValidDate(OleDate(2024, 2, 18, 1, 0));
  early.frequencyHz = 3550000;
  early.rstSent = "599";
  early.rstReceived = "579";
  early.exchangeSent = "001";
  Qso late = early;
  late.qsoTime = testing::ValidDate(OleDate(2024, 2, 18, 2, 0));
  late.exchangeReceived = "W12";

  struct Request {
    const char* what;
    std::function<void(Qso&)> change;
    const char* kept;
  };
  const Request requests[] = {
      {"the later QSO", [](Qso&) {}, "011"},
      {"its time within the same second", [](Qso& q) { q.qsoTime.date += 0.4 / 86400; }, "011"},
      {"its time in another second", [](Qso& q) { q.qsoTime.date += 0.6 / 86400; }, "W12"},
      {"its time without a calendar time", [](Qso& q) { q.qsoTime.status = 2; }, "W12"},
      {"another frequency", [](Qso& q) { q.frequencyHz = 3551000; }, "W12"},
      {"another report sent", [](Qso& q) { q.rstSent = "589"; }, "W12"},
      {"another report received", [](Qso& q) { q.rstReceived = "589"; }, "W12"},
      {"another exchange sent", [](Qso& q) { q.exchangeSent = "002"; }, "W12"},
      {"another exchange received", [](Qso& q) { q.exchangeReceived = "W13"; }, "W12"},
  };
  for (const Request& request : requests) {
    SCOPED_TRACE(request.what);
    QsoStore store;
    store.Add(early);
    store.Add(late);
    Qso wanted = late;
    request.change(wanted);
    EXPECT_TRUE(store.RemoveFirstLike(wanted));
    EXPECT_EQ(Exchanges(store), std::vector<std::string>{request.kept});
    EXPECT_EQ(store.TallyOf("80")->Qsos(), 1);
  }
}

TEST(QsoStore, IndexFollowsAddsRemovesAndClear) {
  QsoStore store;
  store.Add(Record("DX1", "CW", "40"));
  store.Add(Record("DX1", "CW", "80"));
  store.Add(Record("", "CW", "80"));
  EXPECT_EQ(store.WithCall("DX1").size(), 2u);
  EXPECT_EQ(store.WithCall("").size(), 1u);
  EXPECT_EQ(store.CountOnBand("80"), 2u);

  store.RemoveFirstLike(Record("DX1", "CW", "80"));
  EXPECT_EQ(store.WithCall("DX1").size(), 1u);
  EXPECT_EQ(store.WithCall("DX1").front()->band, "40");
  EXPECT_EQ(store.CountOnBand("80"), 1u);

  store.Clear();
  EXPECT_EQ(store.Count(), 0u);
  EXPECT_TRUE(store.WithCall("DX1").empty());
  EXPECT_EQ(store.CountOnBand("40"), 0u);
  store.Add(Record("DX1", "CW", "40"));
  EXPECT_EQ(store.WithCall("DX1").size(), 1u);
}

TEST(QsoStore, BandTallyCountsMarkedStationsUntilTheirLastRecordGoes) {
  QsoStore store;
  const Qso marked = Record("DX1", "CW", "40", "W01");
  store.Add(marked);
  store.Add(marked);
  store.Add(Record("DX1", "SSB", "40", "W01"));
  store.Add(Record("", "CW", "40"));  // no call: on the band, but not counted

  const BandTally* tally = store.TallyOf("40");
  ASSERT_NE(tally, nullptr);
  EXPECT_EQ(tally->Records(), 4u);
  EXPECT_EQ(tally->Qsos(), 3);
  EXPECT_EQ(tally->Cw(), 2);
  EXPECT_EQ(tally->Ssb(), 1);
  EXPECT_EQ(tally->Kvant(), 2);

  store.RemoveFirstLike(Record("DX1", "CW", "40"));
  EXPECT_EQ(store.TallyOf("40")->Kvant(), 2);  // the other CW record still marks DX1
  store.RemoveFirstLike(Record("DX1", "CW", "40"));
  store.RemoveFirstLike(Record("DX1", "SSB", "40"));
  EXPECT_EQ(store.TallyOf("40")->Kvant(), 0);
  EXPECT_EQ(store.TallyOf("40")->Qsos(), 0);
  store.RemoveFirstLike(Record("", "CW", "40"));
  EXPECT_EQ(store.TallyOf("40"), nullptr);
}

TEST(BandList, KeepsFirstSeenOrderWithoutDuplicates) {
  BandList bands;
  for (const char* band : {"40", "80", "40", "160", "80"}) bands.AddIfNew(band);
  EXPECT_EQ(bands.Entries(), (std::vector<std::string>{"40", "80", "160"}));
  bands.Clear();
  bands.AddIfNew("80");
  EXPECT_EQ(bands.Entries(), (std::vector<std::string>{"80"}));
}

}  // namespace
}  // namespace stats
