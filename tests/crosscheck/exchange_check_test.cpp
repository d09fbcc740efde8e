// The number check from forms taken once agrees with the one from the QSOs,
// on logs of serial numbers with leading zeros, prefixes and slips.

#include "crosscheck/check/exchange_check.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using crosscheck::Contest;
using crosscheck::ExchangeCheck;
using crosscheck::QsoId;

std::string RandomNumber(std::mt19937& random, int serial) {
  static const std::vector<std::string> kPrefixes = {"", "", "W", "UA"};
  std::string number = std::to_string(serial);
  if (random() % 3 == 0) number.insert(0, 3 - std::min<std::size_t>(3, number.size()), '0');
  return kPrefixes[random() % kPrefixes.size()] + number;
}

Contest RandomContest(std::mt19937& random) {
  Contest contest;
  for (int log = 0; log < 6; ++log) {
    logs::LogFile file;
    file.ownCall = "UA" + std::to_string(log) + "AA";
    const bool serial = random() % 4 != 0;
    for (int line = 1; line <= 30; ++line) {
      logs::LoggedQso qso;
      qso.line = static_cast<std::uint32_t>(line);
      qso.call = "RA" + std::to_string(random() % 6) + "AA";
      // A slip now and then: a number off by one or another one.
      const int slip = random() % 8 == 0 ? static_cast<int>(random() % 3) - 1 : 0;
      qso.sent = RandomNumber(random, (serial ? line : 7) + slip);
      qso.received = RandomNumber(random, static_cast<int>(random() % 32));
      file.qsos.push_back(qso);
    }
    contest.Add(std::move(file), {});
  }
  return contest;
}

TEST(ExchangeCheck, FormsAgreeWithTheQsos) {
  std::mt19937 random(26);
  for (int round = 0; round < 8; ++round) {
    const Contest contest = RandomContest(random);
    const ExchangeCheck exchanges(contest);
    for (QsoId received = 0; received < contest.qsos.size(); ++received) {
      for (QsoId sent = 0; sent < contest.qsos.size(); ++sent) {
        ASSERT_EQ(ExchangeCheck::CopiedRight(exchanges.FormsOf(received), exchanges.FormsOf(sent)),
                  exchanges.CopiedRight(received, sent))
            << contest.exchanges.Text(contest.qsos[received].received) << " for "
            << contest.exchanges.Text(contest.qsos[sent].sent) << " (line " << sent << ")";
      }
    }
  }
}

}  // namespace
