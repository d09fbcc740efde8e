#include "tools/contest-sim/log_writers.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "logs/text/text_encoding.h"
#include "logs/time/qso_date.h"
#include "stats/public/cabrillo_layout.h"
#include "stats/rules/kvant.h"
#include "stats/rules/score.h"

namespace contest_sim {
namespace {

// The name from UTF-8 into its encoding; the names have no character that
// Windows-1251 and KOI8-R lack.
std::string Encoded(std::string_view utf8, NameEncoding encoding) {
  if (encoding == NameEncoding::kUtf8) return std::string(utf8);
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto character = logs::Utf8CharacterAt(utf8, i);
    const char32_t code = character ? character->code : U'?';
    bytes += (encoding == NameEncoding::kCp1251 ? logs::Cp1251Byte(code) : logs::Koi8rByte(code))
                 .value_or('?');
    i += character ? character->bytes : 1;
  }
  return bytes;
}

std::string Date(std::int64_t seconds, bool iso) {
  const logs::QsoDate date =
      stats::DateOfOleDay(static_cast<long>(seconds / stats::kSecondsPerDay));
  char text[16];
  std::snprintf(text, sizeof text, iso ? "%04d-%02d-%02d" : "%04d%02d%02d", date.year, date.month,
                date.day);
  return text;
}

std::string Time(std::int64_t seconds, bool withSeconds) {
  const std::int64_t second = seconds % stats::kSecondsPerDay;
  char text[16];
  std::snprintf(text, sizeof text, withSeconds ? "%02d%02d%02d" : "%02d%02d",
                static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                static_cast<int>(second % 60));
  return text;
}

std::string_view CabrilloMode(Mode mode, LogFormat format) {
  switch (mode) {
    case Mode::kCw:
      return "CW";
    case Mode::kSsb:
      return "PH";
    case Mode::kDigital:
      return format == LogFormat::kCabrillo2 ? "PM" : "DG";
    case Mode::kRtty:
      return "RY";
  }
  return "CW";
}

std::string_view Report(Mode mode) { return mode == Mode::kSsb ? "59" : "599"; }

// The score the station claims: the plug-in's rules over its whole log.
std::int64_t Claimed(const Station& station) {
  std::int64_t points = 0;
  std::map<Band, stats::KvantTally<std::string>> kvant;
  for (const Line& line : station.lines) {
    if (line.mode == Mode::kRtty || line.xQso) continue;
    ++points;
    // Only CW is told apart from the other modes: its name is the host's.
    kvant[line.band].Add(line.call, NameOf(line.mode), line.received);
  }
  std::int64_t marked = 0;
  for (const auto& [band, tally] : kvant) marked += tally.Count();
  return stats::ClampedScore(points, marked);
}

// The header of Cabrillo 2.0 as the plug-in writes it, or of 3.0 as other
// loggers write it.
std::string CabrilloHeader(const Station& station) {
  const std::string name = Encoded(station.name, station.nameEncoding);
  const std::string claimed = std::to_string(Claimed(station));
  if (station.format == LogFormat::kCabrillo2) {
    std::string header;
    for (const stats::CabrilloHeaderLine& line : stats::kCabrilloHeader) {
      header += line.tag;
      switch (line.value) {
        case stats::CabrilloValue::kCallSign:
        case stats::CabrilloValue::kOperators:
          header += station.call;
          break;
        case stats::CabrilloValue::kCategory:
          header += station.category;
          break;
        case stats::CabrilloValue::kClaimedScore:
          header += claimed;
          break;
        case stats::CabrilloValue::kName:
          header += name;
          break;
        case stats::CabrilloValue::kNone:
        case stats::CabrilloValue::kClub:
        case stats::CabrilloValue::kAddress:
        case stats::CabrilloValue::kEmail:
        case stats::CabrilloValue::kSoapbox:
          break;
      }
      header += stats::kCabrilloLineEnd;
    }
    return header;
  }
  const bool single = station.category.starts_with("SINGLE");
  return "START-OF-LOG: 3.0\nCALLSIGN: " + station.call +
         "\nCONTEST: KESDRA-VELK\nCATEGORY-OPERATOR: " + (single ? "SINGLE-OP" : "MULTI-ONE") +
         "\nCATEGORY-BAND: ALL\nCATEGORY-MODE: MIXED\nCATEGORY-POWER: " +
         (single ? "LOW" : "HIGH") + "\nCLAIMED-SCORE: " + claimed + "\nNAME: " + name +
         "\nCREATED-BY: OtherLogger 5.1\n";
}

// A QSO line: in the plug-in's columns (Cabrillo 2.0), or with one blank
// between the columns (3.0).
std::string CabrilloLine(const Station& station, const Line& line) {
  const std::string frequency = std::to_string(line.kilohertz);
  const std::string time = Date(line.loggedTime, true) + " " + Time(line.loggedTime, false);
  const auto value = [&](stats::CabrilloField field) -> std::string_view {
    switch (field) {
      case stats::CabrilloField::kFrequency:
        return frequency;
      case stats::CabrilloField::kMode:
        return CabrilloMode(line.mode, station.format);
      case stats::CabrilloField::kTime:
        return time;
      case stats::CabrilloField::kOwnCall:
        return station.call;
      case stats::CabrilloField::kRstSent:
      case stats::CabrilloField::kRstReceived:
        return Report(line.mode);
      case stats::CabrilloField::kExchangeSent:
        return line.sent;
      case stats::CabrilloField::kCall:
        return line.call;
      case stats::CabrilloField::kExchangeReceived:
        return line.received;
    }
    return {};
  };
  const bool plugins = station.format == LogFormat::kCabrillo2;
  std::string text(line.xQso ? "X-QSO:" : stats::kCabrilloQsoTag);
  for (stats::CabrilloColumn column : stats::kCabrilloQsoColumns) {
    if (!plugins) column.align = stats::CabrilloAlign::kNone;
    text += ' ';
    stats::AppendCabrilloColumn(text, column, value(column.field));
  }
  // A multi-operator entry names the transmitter at the end, as Cabrillo 3.0 has it.
  if (!plugins && station.multiOp) text += ' ' + std::to_string(line.transmitter);
  text += plugins ? stats::kCabrilloLineEnd : std::string_view("\n");
  return text;
}

std::string AdifField(std::string_view name, std::string_view value) {
  std::string field(1, '<');
  field.append(name).append(":").append(std::to_string(value.size())).append(">").append(value);
  return field;
}

std::string AdifRecord(const Station& station, const Line& line) {
  constexpr std::array<std::string_view, 4> kModes = {"CW", "SSB", "PSK", "RTTY"};
  char frequency[16];
  std::snprintf(frequency, sizeof frequency, "%u.%03u", line.kilohertz / 1000,
                line.kilohertz % 1000);
  std::string record =
      AdifField("CALL", line.call) + AdifField("QSO_DATE", Date(line.loggedTime, false)) +
      AdifField("TIME_ON", Time(line.loggedTime, true)) + AdifField("FREQ", frequency) +
      AdifField("BAND", std::string(NameOf(line.band)) + "m") +
      AdifField("MODE", kModes[static_cast<std::size_t>(line.mode)]);
  if (line.mode == Mode::kDigital) record += AdifField("SUBMODE", "PSK63");
  return record + AdifField("RST_SENT", Report(line.mode)) +
         AdifField("RST_RCVD", Report(line.mode)) + AdifField("STX_STRING", line.sent) +
         AdifField("SRX_STRING", line.received) + AdifField("STATION_CALLSIGN", station.call) +
         "<EOR>\n";
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("can not write " + path.string());
}

// A Cabrillo log's lines ended as its station's program ends them: CR LF in
// Cabrillo 2.0, LF in 3.0; a lone CR, or all three in turn, in a few files.
std::string WithLineEnds(std::string_view text, const Station& station) {
  std::string ended;
  std::size_t number = 0;
  for (std::size_t begin = 0; begin < text.size();) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(begin, end - begin);
    if (line.ends_with('\r')) line.remove_suffix(1);
    ended.append(line);
    switch (station.lineEnds) {
      case LineEnds::kAsFormat:
        ended += station.format == LogFormat::kCabrillo2 ? "\r\n" : "\n";
        break;
      case LineEnds::kCr:
        ended += '\r';
        break;
      case LineEnds::kMixed:
        ended += std::array<std::string_view, 3>{"\r\n", "\n", "\r"}[number % 3];
        break;
    }
    ++number;
    begin = end + 1;
  }
  return ended;
}

// A file name for the call: a portable call's "/" can not be in one.
std::string FileNameOf(std::string call) {
  std::replace(call.begin(), call.end(), '/', '_');
  return call;
}

}  // namespace

void WriteContest(const SimulatedContest& contest, const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder / "logs");
  std::string truth;
  for (const Station& station : contest.stations) {
    if (!station.sendsLog) continue;
    const bool adif = station.format == LogFormat::kAdif;
    std::string text =
        adif ? "Simulated contest log\n<ADIF_VER:5>3.1.4<EOH>\n" : CabrilloHeader(station);
    std::uint32_t line = static_cast<std::uint32_t>(std::count(text.begin(), text.end(), '\n'));
    nlohmann::json lines = nlohmann::json::array();
    for (const Line& qso : station.lines) {
      text += adif ? AdifRecord(station, qso) : CabrilloLine(station, qso);
      lines.push_back({++line, qso.verdict,
                       qso.rightCall.empty() ? nlohmann::json() : nlohmann::json(qso.rightCall),
                       qso.clockOffset});
    }
    if (!adif) {
      text += stats::kCabrilloLastLine;
      text = WithLineEnds(text + "\n", station);
    }
    const std::string file = "logs/" + FileNameOf(station.call) + (adif ? ".adi" : ".cbr");
    WriteFile(folder / file, text);
    nlohmann::json entry = {{"log", station.call},
                            {"file", file},
                            {"clock_offset_s", station.clock.offset},
                            {"score", station.score},
                            {"lines", std::move(lines)}};
    truth += entry.dump() + "\n";
  }
  WriteFile(folder / "truth.jsonl", truth);
}

}  // namespace contest_sim
