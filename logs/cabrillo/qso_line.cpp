#include "logs/cabrillo/qso_line.h"

#include <algorithm>
#include <array>

#include "logs/radio/band.h"
#include "logs/radio/frequency.h"
#include "logs/text/ascii.h"
#include "logs/time/qso_date.h"
#include "stats/public/cabrillo_layout.h"
#include "stats/rules/modes.h"

namespace logs {
namespace {

enum Column { kFreq, kMode, kDate, kTime, kOwnCall, kRstSent, kSent, kCall, kRstRcvd, kReceived };
constexpr std::size_t kColumns = 10;
using Columns = std::array<std::string_view, kColumns>;

// Where each column begins and how wide it is in the fixed layout: the
// plug-in's columns, its date and time as two.
constexpr std::array<std::pair<std::size_t, std::size_t>, kColumns> kFixedColumns = [] {
  std::array<std::pair<std::size_t, std::size_t>, kColumns> fixed{};
  std::size_t next = 0;
  for (const stats::CabrilloColumn& column : stats::kCabrilloQsoColumns) {
    const std::size_t start = stats::CabrilloColumnStart(column.field);
    if (column.field == stats::CabrilloField::kTime) {
      constexpr std::size_t kDateWidth = stats::kCabrilloDateWidth;
      fixed[next++] = {start, kDateWidth};
      fixed[next++] = {start + kDateWidth + 1, column.width - kDateWidth - 1};
    } else {
      fixed[next++] = {start, column.width};
    }
  }
  return fixed;
}();

// The first words of the text, and how many words it has in all.
struct Words {
  std::array<std::string_view, kColumns + 1> first;
  std::size_t count = 0;
};

Words WordsOf(std::string_view text) {
  Words words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t begin = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i == begin) break;
    if (words.count < words.first.size()) words.first[words.count] = text.substr(begin, i - begin);
    ++words.count;
  }
  return words;
}

// The fixed layout when the line has blanks exactly between its columns.
std::optional<Columns> FixedColumns(std::string_view line) {
  if (line.size() < kFixedColumns.back().first + 1) return std::nullopt;
  Columns columns;
  for (std::size_t c = 0; c < kColumns; ++c) {
    const auto [begin, width] = kFixedColumns[c];
    if (line[begin - 1] != ' ') return std::nullopt;
    columns[c] = Trimmed(line.substr(begin, width));
  }
  return columns;
}

// The band of the frequency column, and the frequency in hertz: kHz, a band
// designator or, with a repair, a band's name or MHz. A band without a
// frequency gives its lower edge, 0 Hz above the host's 32 bits.
void ReadBand(std::string_view text, QsoLineReading& reading) {
  HostQso& qso = reading.qso;
  const auto bandOnly = [&](std::string band) {
    const std::uint64_t lowest = EdgesOfBand(band)->lowestHz;
    qso.frequencyHz = lowest <= UINT32_MAX ? static_cast<std::uint32_t>(lowest) : 0;
    qso.band = std::move(band);
  };
  if (auto band = BandOfCabrilloDesignator(text)) return bandOnly(std::move(*band));
  const auto frequency = ReadFrequency(text);
  const auto inBand = [&](std::optional<std::uint64_t> hertz) {
    std::optional<std::string> band = hertz ? BandForFrequency(*hertz) : std::nullopt;
    if (band) {
      qso.frequencyHz = static_cast<std::uint32_t>(*hertz);
      qso.band = std::move(*band);
    }
    return band.has_value();
  };
  if (frequency && inBand(frequency->asKilohertz)) return;
  if (std::string named = HostBandName(text); EdgesOfBand(named)) {
    reading.repairs.push_back("a band name instead of the frequency, taken as the band");
    return bandOnly(std::move(named));
  }
  const bool decimal = text.find_first_of(".,") != std::string_view::npos;
  if (frequency && decimal && frequency->asMegahertz && inBand(frequency->asMegahertz)) {
    reading.repairs.push_back("the frequency in MHz, not kHz");
    return;
  }
  reading.repairs.push_back("a frequency in no amateur band (the QSO is out of the contest)");
}

// The mode code, and the host's name of the contest mode it stands for; any
// other code is handed over as it is.
void ReadMode(std::string_view text, QsoLineReading& reading) {
  std::string mode = UpperCopy(text);
  if (mode == "SSB" || mode == "USB" || mode == "LSB") {
    reading.repairs.push_back("the mode SSB written for PH");
    mode = "PH";
  }
  const stats::ContestMode* const contestMode = stats::FindContestModeByCabrilloCode(mode);
  reading.qso.mode = contestMode ? std::string(contestMode->name) : mode;
  reading.cabrilloMode = std::move(mode);
}

std::optional<QsoDate> ReadDate(std::string_view text, QsoLineReading& reading) {
  if (auto date = ParseIsoDate(text)) return date;
  if (auto date = ParseAdifDate(text)) {
    reading.repairs.push_back("dates written YYYYMMDD");
    return date;
  }
  if (text.size() == 10 && text[2] == '.' && text[5] == '.') {
    const std::string iso = std::string(text.substr(6, 4)) + "-" + std::string(text.substr(3, 2)) +
                            "-" + std::string(text.substr(0, 2));
    if (auto date = ParseIsoDate(iso)) {
      reading.repairs.push_back("dates written DD.MM.YYYY");
      return date;
    }
  }
  return std::nullopt;
}

std::optional<int> ReadTime(std::string_view text, QsoLineReading& reading) {
  if (text.size() == 4) return ParseAdifTime(text);
  if (text.size() == 5 && text[2] == ':') {
    reading.repairs.push_back("times written HH:MM");
    return ParseAdifTime(std::string(text.substr(0, 2)) + std::string(text.substr(3, 2)));
  }
  if (text.size() == 6) {
    reading.repairs.push_back("times with seconds");
    reading.toTheMinute = false;
    return ParseAdifTime(text);
  }
  return std::nullopt;
}

void NoteSmallLetters(std::string_view call, QsoLineReading& reading) {
  if (UpperCopy(call) != call)
    reading.repairs.push_back("calls in small letters, taken in capitals");
}

// The columns of the line from its words, or from the fixed layout when a
// column is empty; nothing when neither fits.
std::optional<Columns> ColumnsOf(std::string_view line, std::string_view afterTag,
                                 QsoLineReading& reading) {
  const Words words = WordsOf(afterTag);
  Columns columns;
  if (words.count == kColumns || words.count == kColumns + 1) {
    std::copy_n(words.first.begin(), kColumns, columns.begin());
    return columns;
  }
  if (auto fixed = FixedColumns(line)) {
    reading.repairs.push_back("QSO lines with an empty column, read by the fixed columns");
    return fixed;
  }
  if (words.count == kColumns - 2) {
    reading.repairs.push_back("QSO lines without the reports");
    const Column kept[] = {kFreq, kMode, kDate, kTime, kOwnCall, kSent, kCall, kReceived};
    for (std::size_t i = 0; i < words.count; ++i) columns[kept[i]] = words.first[i];
    return columns;
  }
  reading.refusal = "a QSO line of " + std::to_string(words.count) + " fields (10 or 11 expected)";
  return std::nullopt;
}

}  // namespace

QsoLineReading ReadQsoLine(std::string_view line, std::uint32_t number) {
  QsoLineReading reading;
  HostQso& qso = reading.qso;
  qso.record = number;
  const std::size_t tagEnd = line.find(':');
  const auto columns = ColumnsOf(line, line.substr(tagEnd + 1), reading);
  if (!columns) return reading;
  const Columns& c = *columns;
  const auto date = ReadDate(c[kDate], reading);
  const auto second = ReadTime(c[kTime], reading);
  if (!date || !second) {
    reading.refusal =
        !date ? "a QSO line whose date is not a date" : "a QSO line whose time is not a time";
    return reading;
  }
  if (c[kCall].empty()) {
    reading.refusal = "a QSO line without the worked call";
    return reading;
  }
  qso.date = *date;
  qso.secondOfDay = *second;
  ReadBand(c[kFreq], reading);
  ReadMode(c[kMode], reading);
  NoteSmallLetters(c[kOwnCall], reading);
  NoteSmallLetters(c[kCall], reading);
  qso.ownCall = c[kOwnCall];
  qso.call = c[kCall];
  qso.rstSent = c[kRstSent];
  qso.exchangeSent = c[kSent];
  qso.rstReceived = c[kRstRcvd];
  qso.exchangeReceived = c[kReceived];
  return reading;
}

}  // namespace logs
