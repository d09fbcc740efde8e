#include "tests/support/literal_contest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <list>
#include <memory>
#include <optional>

namespace stats::testing {
namespace {

constexpr std::string_view kBanner = "Pesdra VELK TEST UBN file \r\n";
constexpr char kNoContestMode[] = "   No contest mode !!!";
constexpr char kNoRxNumber[] = "   NO RX NUMBER !!!";
constexpr std::string_view kWarningHead = "QSO c ";
// " В ОДНОМ И ТОМ ЖЕ ТУРЕ ПРОВОДИТЬ НЕЛЬЗЯ !!!", byte by byte in Windows-1251.
constexpr unsigned char kWarningTail[] = {
    0x20, 0xC2, 0x20, 0xCE, 0xC4, 0xCD, 0xCE, 0xCC, 0x20, 0xC8, 0x20, 0xD2, 0xCE, 0xCC, 0x20,
    0xC6, 0xC5, 0x20, 0xD2, 0xD3, 0xD0, 0xC5, 0x20, 0xCF, 0xD0, 0xCE, 0xC2, 0xCE, 0xC4, 0xC8,
    0xD2, 0xDC, 0x20, 0xCD, 0xC5, 0xCB, 0xDC, 0xC7, 0xDF, 0x20, 0x21, 0x21, 0x21};
constexpr std::size_t kPaddedWidth = 20;

// The calendar range of the host's date-time type: 1 January 100 to 31
// December 9999, in days from 30 December 1899.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void Append(std::FILE* file, const std::string& line) {
  if (file != nullptr) std::fwrite(line.data(), 1, line.size(), file);
}

template <typename... Numbers>
std::string Printed(const char* format, Numbers... numbers) {
  const int length = std::snprintf(nullptr, 0, format, numbers...);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, numbers...);
  text.pop_back();
  return text;
}

struct DayAndSecond {
  long day = 0;
  long second = 0;
  bool operator==(const DayAndSecond&) const = default;
};

// The day (counted toward zero) and the second of the day of a date-time
// rounded to the nearest second; nothing for a value that is not a valid
// date-time in the calendar's range.
std::optional<DayAndSecond> SecondOf(const OleDateTime& time) {
  if (time.status != 0 || !(time.date >= kFirstDay && time.date <= kLastDay)) {
    return std::nullopt;
  }
  const double rounded = time.date + (time.date > 0.0 ? 0.5 : -0.5) / 86400.0;
  const double days = std::fabs(rounded);
  return DayAndSecond{static_cast<long>(rounded),
                      static_cast<long>((days - std::floor(days)) * 86400.0)};
}

struct Civil {
  long year = 0;
  unsigned month = 0;
  unsigned day = 0;
};

// The Gregorian date of a day counted from 30 December 1899 (day 0), by the
// days-to-civil conversion of H. Hinnant's date algorithms.
Civil CivilOfDay(long day) {
  const long z = day - 25569 + 719468;  // 30 December 1899 is 25569 days before 1 January 1970
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(z - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;  // March is 0
  const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  return Civil{static_cast<long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0), month,
               dayOfYear - (153 * shiftedMonth + 2) / 5 + 1};
}

// "%Y-%m-%d %H%M" of the QSO time; empty without a calendar time.
std::string QsoTimeText(const OleDateTime& time) {
  const std::optional<DayAndSecond> when = SecondOf(time);
  if (!when) return {};
  const Civil date = CivilOfDay(when->day);
  return Printed("%04ld-%02u-%02u %02ld%02ld", date.year, date.month, date.day, when->second / 3600,
                 when->second / 60 % 60);
}

// "%d.%m.%Y" of the contest date; empty without a calendar time.
std::string ContestDateText(const OleDateTime& time) {
  const std::optional<DayAndSecond> when = SecondOf(time);
  if (!when) return {};
  const Civil date = CivilOfDay(when->day);
  return Printed("%02u.%02u.%04ld", date.day, date.month, date.year);
}

// A host text on one line of err.txt: every control byte a space.
std::string OnOneLine(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return text;
}

// A refused QSO's line: its pieces with two spaces between them, then the
// reason and the line end.
std::string RejectedLine(const stats::Qso& qso, const char* ending) {
  std::string line = "QSO:  " + Printed("%u", qso.frequencyHz / 1000u);
  for (const std::string& piece :
       {qso.mode, QsoTimeText(qso.qsoTime), qso.ownCall, qso.rstSent, qso.exchangeSent, qso.call,
        qso.rstReceived, qso.exchangeReceived}) {
    line += "  " + OnOneLine(piece);
  }
  return line + ending + "\r\n";
}

std::optional<int> HourOf(const OleDateTime& time) {
  const std::optional<DayAndSecond> when = SecondOf(time);
  if (!when) return std::nullopt;
  return static_cast<int>(when->second / 3600);
}

std::string Padded(const std::string& band) {
  std::string padded = band;
  while (padded.size() < kPaddedWidth) padded.insert(padded.begin(), '0');
  return padded;
}

// Exchange sort, descending by the zero-padded copies formed anew for every
// comparison.
void OrderBands(std::vector<std::string>& bands) {
  for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
    for (std::size_t j = i + 1; j < bands.size(); ++j) {
      if (std::strcmp(Padded(bands[i]).c_str(), Padded(bands[j]).c_str()) < 0) {
        std::swap(bands[i], bands[j]);
      }
    }
  }
}

// Adds text to the set unless it is there; true when it was added.
bool AddDistinct(std::list<std::string>& set, const std::string& text) {
  if (std::find(set.begin(), set.end(), text) != set.end()) return false;
  set.push_back(text);
  return true;
}

}  // namespace

LiteralContest::LiteralContest(Platform& platform, std::string problemLogPath)
    : platform_(platform), problemLogPath_(std::move(problemLogPath)) {}

int LiteralContest::Reset(int reportMode, std::string_view contestantCall,
                          const OleDateTime& contestDateTime) {
  contestDate_ = ContestDateText(contestDateTime);
  records_.clear();
  bands_.clear();
  reportMode_ = reportMode;
  contestantCall_ = contestantCall;
  const File log(std::fopen(problemLogPath_.c_str(), "wb"));
  if (log) std::fwrite(kBanner.data(), 1, kBanner.size(), log.get());
  return 1;
}

int LiteralContest::AddQso(const stats::Qso& qso) {
  const File log(std::fopen(problemLogPath_.c_str(), "ab"));
  if (qso.mode != "CW" && qso.mode != "BPSK63" && qso.mode != "BPSK62" && qso.mode != "SSB") {
    Append(log.get(), RejectedLine(qso, kNoContestMode));
    return 0;
  }
  if (qso.exchangeReceived.empty() || qso.exchangeSent.empty()) {
    Append(log.get(), RejectedLine(qso, kNoRxNumber));
    return 0;
  }
  bool bandKnown = false;
  for (std::size_t k = 0; k < bands_.size() && !bandKnown; ++k) bandKnown = bands_[k] == qso.band;
  if (!bandKnown) bands_.emplace_back(qso.band);

  Record record;
  record.call = qso.call;
  record.band = qso.band;
  record.mode = qso.mode;
  record.rstReceived = qso.rstReceived;
  record.rstSent = qso.rstSent;
  record.exchangeReceived = qso.exchangeReceived;
  record.exchangeSent = qso.exchangeSent;
  record.frequencyKhz = qso.frequencyHz / 1000u;
  record.qsoTime = qso.qsoTime;
  if (qso.exchangeReceived[0] == 'W') {
    if (qso.mode == "CW") {
      record.markedCallCw = qso.call;
    } else {
      record.markedCallNonCw = qso.call;
    }
  }
  records_.push_back(std::move(record));
  return 1;
}

int LiteralContest::RemoveQso(const stats::Qso& qso) {
  if (qso.exchangeReceived.empty() || qso.exchangeSent.empty()) return 0;
  // The first record equal to the QSO in everything the host passes; failing
  // that, the first with its call, mode and band.
  std::size_t found = records_.size();
  for (std::size_t i = 0; i < records_.size() && found == records_.size(); ++i) {
    const Record& record = records_[i];
    if (record.call == qso.call && record.mode == qso.mode && record.band == qso.band &&
        SecondOf(record.qsoTime) == SecondOf(qso.qsoTime) &&
        record.frequencyKhz == qso.frequencyHz / 1000u && record.rstSent == qso.rstSent &&
        record.rstReceived == qso.rstReceived && record.exchangeSent == qso.exchangeSent &&
        record.exchangeReceived == qso.exchangeReceived) {
      found = i;
    }
  }
  for (std::size_t i = 0; i < records_.size() && found == records_.size(); ++i) {
    const Record& record = records_[i];
    if (record.call == qso.call && record.mode == qso.mode && record.band == qso.band) found = i;
  }
  if (found < records_.size())
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(found));
  return 1;
}

int LiteralContest::CheckCall(std::string_view call, std::string_view mode,
                              std::string_view auxText, std::string_view band,
                              char* messageBuffer) {
  const std::size_t count = records_.size();
  bool repeat = false;
  for (std::size_t i = 0; i < count && !repeat; ++i) {
    const Record& record = records_[i];
    if (record.call != call || record.band != band || record.mode != mode) continue;
    const int nowHour = platform_.CurrentUtcTime().hour;
    const std::optional<int> hour = HourOf(record.qsoTime);
    repeat = hour.has_value() && *hour == nowHour;
  }
  if (repeat) {
    std::string warning(kWarningHead);
    warning += call;
    warning.append(reinterpret_cast<const char*>(kWarningTail), sizeof kWarningTail);
    if (messageBuffer != nullptr) std::memcpy(messageBuffer, warning.c_str(), warning.size() + 1);
    return 4;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (records_[i].band == band && records_[i].auxText == auxText) return 1;
  }
  return 2;
}

const char* LiteralContest::GetResult(int* score) {
  summaryText_.clear();
  const std::size_t count = records_.size();
  summaryText_ += Printed("\t   Kesdra Velk Test %s\r\n\t\tContestant: %s\r\n",
                          contestDate_.c_str(), contestantCall_.c_str());
  summaryText_ += "\tQSOs\tPoints\tCW\tSSB\tKvant\r\n";
  OrderBands(bands_);

  std::int32_t totalPoints = 0;
  std::int32_t totalCw = 0;
  std::int32_t totalSsb = 0;
  std::int32_t totalKvant = 0;
  for (const std::string& band : bands_) {
    std::int32_t qsos = 0;
    std::int32_t cw = 0;
    std::int32_t ssb = 0;
    std::list<std::string> markedCw;
    std::list<std::string> markedNonCw;
    for (std::size_t i = 0; i < count; ++i) {
      const Record& record = records_[i];
      if (record.band != band || record.call.empty()) continue;
      ++qsos;
      if (record.mode == "CW") ++cw;
      if (record.mode == "SSB") ++ssb;
      if (!record.markedCallCw.empty()) AddDistinct(markedCw, record.markedCallCw);
      if (!record.markedCallNonCw.empty()) AddDistinct(markedNonCw, record.markedCallNonCw);
    }
    const std::int32_t points = qsos;
    const auto kvant = static_cast<std::int32_t>(markedCw.size() + markedNonCw.size());
    summaryText_ +=
        Printed("%s\t %i\t %i\t %i\t %i\t %i\r\n", band.c_str(), qsos, points, cw, ssb, kvant);
    totalPoints += points;
    totalCw += cw;
    totalSsb += ssb;
    totalKvant += kvant;
  }
  summaryText_ += Printed("Total\t %i\t %i\t %i\t %i\t %i\r\n", static_cast<std::int32_t>(count),
                          totalPoints, totalCw, totalSsb, totalKvant);

  const std::int64_t product = static_cast<std::int64_t>(totalKvant) * totalPoints;
  const auto claimed = static_cast<std::int32_t>(std::clamp<std::int64_t>(
      product, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
  summaryText_ += Printed("\r\nScore: = %i\r\n", claimed);
  if (score != nullptr) *score = claimed;
  platform_.WriteProfileValue("Settings", "Claimed", Printed("%i", claimed), "Plugins\\ZORVA.ini");
  if (reportMode_ != 0 && score != nullptr) *score = -1;
  return summaryText_.c_str();
}

int LiteralContest::IsValidExchange(std::string_view exchange, int forceInvalid) {
  if (forceInvalid != 0 || exchange == "599") return 0;
  if (exchange.size() != 3 && exchange.size() != 4) return 0;
  for (const char c : exchange) {
    if (c < '0' || c > '9') return 0;
  }
  return 1;
}

}  // namespace stats::testing
