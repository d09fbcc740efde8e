#pragma once

// Numbers for the operator to check: the serial numbers sent, with the ones
// left out and the ones given more than once, and the received numbers that
// the exchange rule would refuse (a report in the number field, five digits,
// letters).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "logs/adif/qso_mapping.h"
#include "stats-host/run/qso_observer.h"

namespace stats_host {

// How many entries of each list are kept; all of them are counted.
inline constexpr std::size_t kMostListedNumbers = 500;

struct NumberRange {
  std::uint64_t first = 0;
  std::uint64_t last = 0;
};

struct RepeatedNumber {
  std::uint64_t number = 0;
  std::vector<std::size_t> records;  // the records that sent it, in the order of the log
};

struct BadReceivedNumber {
  std::size_t record = 0;
  std::string call;
  logs::QsoDate date;
  int secondOfDay = 0;
  std::string band;
  std::string mode;
  std::string received;
};

struct NumberFindings {
  std::uint64_t missingSent = 0;             // numbers left out between 1 and the highest sent
  std::size_t sentGapCount = 0;              // ranges of them
  std::vector<NumberRange> sentGaps;         // the first kMostListedNumbers ranges
  std::size_t repeatedSentCount = 0;         // numbers sent more than once
  std::vector<RepeatedNumber> repeatedSent;  // the first kMostListedNumbers of them
  std::size_t badReceivedCount = 0;
  std::vector<BadReceivedNumber>
      badReceived;  // the first kMostListedNumbers, in the order of the log
};

// Observes a run. Sent numbers count from every record that sent a number of
// digits only: QSOs counted or refused, and records that did not reach the
// plug-in (the number went out on the air all the same); received numbers from
// the QSOs that the plug-in stored.
class NumberCheck final : public QsoObserver {
 public:
  void OnQso(const HandedQso& handed) override;
  void OnSkipped(const logs::SkippedQso& skipped) override;
  void OnAbandon() noexcept override;

  NumberFindings Findings();

 private:
  struct Sent {
    std::uint64_t number;
    std::size_t record;
  };

  std::vector<Sent> sent_;
  NumberFindings findings_;
};

}  // namespace stats_host
