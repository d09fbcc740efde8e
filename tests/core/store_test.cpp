#include "stats/store.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

QsoRecord Record(std::string call, std::string mode, std::string band, std::string exchange = "1") {
  QsoRecord record;
  record.call = std::move(call);
  record.mode = std::move(mode);
  record.band = std::move(band);
  record.exchangeReceived = std::move(exchange);
  return record;
}

std::vector<std::string> Exchanges(const QsoStore& store) {
  std::vector<std::string> exchanges;
  for (const QsoRecord& record : store.All()) exchanges.push_back(record.exchangeReceived);
  return exchanges;
}

TEST(QsoStore, RemovesOnlyTheOldestRecordWithTheSameCallModeAndBand) {
  QsoStore store;
  store.Add(Record("DX1", "CW", "40", "a"));
  store.Add(Record("DX1", "SSB", "40", "b"));
  store.Add(Record("DX1", "CW", "80", "c"));
  store.Add(Record("DX1", "CW", "40", "d"));
  store.Add(Record("DX2", "CW", "40", "e"));

  EXPECT_TRUE(store.RemoveFirst("DX1", "CW", "40"));
  EXPECT_EQ(Exchanges(store), (std::vector<std::string>{"b", "c", "d", "e"}));
  EXPECT_TRUE(store.RemoveFirst("DX1", "CW", "40"));
  EXPECT_EQ(Exchanges(store), (std::vector<std::string>{"b", "c", "e"}));
  EXPECT_FALSE(store.RemoveFirst("DX1", "CW", "40"));
  EXPECT_FALSE(store.RemoveFirst("dx1", "SSB", "40"));  // exact, case-sensitive
  EXPECT_EQ(store.Count(), 3u);
}

TEST(QsoStore, IndexFollowsAddsRemovesAndClear) {
  QsoStore store;
  store.Add(Record("DX1", "CW", "40"));
  store.Add(Record("DX1", "CW", "80"));
  store.Add(Record("", "CW", "80"));
  EXPECT_EQ(store.WithCall("DX1").size(), 2u);
  EXPECT_EQ(store.WithCall("").size(), 1u);
  EXPECT_EQ(store.CountOnBand("80"), 2u);

  store.RemoveFirst("DX1", "CW", "80");
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
  QsoRecord marked = Record("DX1", "CW", "40");
  marked.markedCallCw = "DX1";
  store.Add(marked);
  store.Add(marked);
  QsoRecord phone = Record("DX1", "SSB", "40");
  phone.markedCallNonCw = "DX1";
  store.Add(phone);
  store.Add(Record("", "CW", "40"));  // no call: on the band, but not counted

  const BandTally* tally = store.TallyOf("40");
  ASSERT_NE(tally, nullptr);
  EXPECT_EQ(tally->Records(), 4u);
  EXPECT_EQ(tally->Qsos(), 3);
  EXPECT_EQ(tally->Cw(), 2);
  EXPECT_EQ(tally->Ssb(), 1);
  EXPECT_EQ(tally->Kvant(), 2);

  store.RemoveFirst("DX1", "CW", "40");
  EXPECT_EQ(store.TallyOf("40")->Kvant(), 2);  // the other CW record still marks DX1
  store.RemoveFirst("DX1", "CW", "40");
  store.RemoveFirst("DX1", "SSB", "40");
  EXPECT_EQ(store.TallyOf("40")->Kvant(), 0);
  EXPECT_EQ(store.TallyOf("40")->Qsos(), 0);
  store.RemoveFirst("", "CW", "40");
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
