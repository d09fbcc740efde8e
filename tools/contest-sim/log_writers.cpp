#include "tools/contest-sim/log_writers.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "logs/time/qso_date.h"
#include "stats/rules/kvant.h"
#include "stats/rules/score.h"

namespace contest_sim {
namespace {

// Cyrillic letters (U+0410..U+044F) from UTF-8 into a single-byte encoding;
// the names have no other letters but ASCII.
std::string Encoded(std::string_view utf8, NameEncoding encoding) {
  if (encoding == NameEncoding::kUtf8) return std::string(utf8);
  // KOI8-R's byte for each letter of the alphabet (а..я), capitals 0x20 lower.
  constexpr std::array<unsigned char, 32> kKoi8 = {0xC1, 0xC2, 0xD7, 0xC7, 0xC4, 0xC5, 0xD6, 0xDA,
                                                   0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF, 0xD0,
                                                   0xD2, 0xD3, 0xD4, 0xD5, 0xC6, 0xC8, 0xC3, 0xDE,
                                                   0xDB, 0xDD, 0xDF, 0xD9, 0xD8, 0xDC, 0xC0, 0xD1};
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      bytes += utf8[i];
      continue;
    }
    const unsigned code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
    const unsigned letter = (code - 0x410) % 32;  // а..я
    const bool capital = code < 0x430;
    bytes +=
        static_cast<char>(encoding == NameEncoding::kCp1251 ? (capital ? 0xC0 : 0xE0) + letter
                                                            : kKoi8[letter] + (capital ? 0x20 : 0));
  }
  return bytes;
}

std::string Date(std::int64_t seconds, bool iso) {
  const logs::QsoDate date = logs::DateOfOleDay(static_cast<long>(seconds / 86400));
  char text[16];
  std::snprintf(text, sizeof text, iso ? "%04d-%02d-%02d" : "%04d%02d%02d", date.year, date.month,
                date.day);
  return text;
}

std::string Time(std::int64_t seconds, bool withSeconds) {
  const std::int64_t second = seconds % 86400;
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
  std::set<std::tuple<Band, bool, std::string>> marked;
  for (const Line& line : station.lines) {
    if (line.mode == Mode::kRtty || line.xQso) continue;
    ++points;
    if (stats::IsKvantExchange(line.received))
      marked.emplace(line.band, line.mode == Mode::kCw, line.call);
  }
  return stats::ClampedScore(points, static_cast<std::int64_t>(marked.size()));
}

std::string CabrilloHeader(const Station& station) {
  const std::string name = Encoded(station.name, station.nameEncoding);
  const std::string claimed = std::to_string(Claimed(station));
  if (station.format == LogFormat::kCabrillo2) {
    return "START-OF-LOG: 2.0\r\nCALLSIGN: " + station.call + "\r\nCATEGORY: " + station.category +
           "\r\nCLAIMED-SCORE: " + claimed +
           "\r\nCLUB: \r\nCONTEST: KESDRA VELK\r\nCREATED-BY: MixW \r\nNAME: " + name +
           "\r\nADDRESS: \r\nOPERATORS: " + station.call + "\r\nEMAIL: \r\nSOAPBOX: \r\n";
  }
  const bool single = station.category.starts_with("SINGLE");
  return "START-OF-LOG: 3.0\nCALLSIGN: " + station.call +
         "\nCONTEST: KESDRA-VELK\nCATEGORY-OPERATOR: " + (single ? "SINGLE-OP" : "MULTI-ONE") +
         "\nCATEGORY-BAND: ALL\nCATEGORY-MODE: MIXED\nCATEGORY-POWER: " +
         (single ? "LOW" : "HIGH") + "\nCLAIMED-SCORE: " + claimed + "\nNAME: " + name +
         "\nCREATED-BY: OtherLogger 5.1\n";
}

std::string CabrilloLine(const Station& station, const Line& line) {
  const std::string_view mode = CabrilloMode(line.mode, station.format);
  const char* tag = line.xQso ? "X-QSO:" : "QSO:";
  char text[256];
  if (station.format == LogFormat::kCabrillo2) {
    std::snprintf(text, sizeof text, "%s %5u %2s %s %s %-13s %-3s %-6s %-13s %-3s %s\n", tag,
                  line.kilohertz, mode.data(), Date(line.loggedTime, true).c_str(),
                  Time(line.loggedTime, false).c_str(), station.call.c_str(),
                  Report(line.mode).data(), line.sent.c_str(), line.call.c_str(),
                  Report(line.mode).data(), line.received.c_str());
  } else {
    // A multi-operator entry names the transmitter at the end, as Cabrillo 3.0 has it.
    const std::string transmitter = station.multiOp ? " " + std::to_string(line.transmitter) : "";
    std::snprintf(text, sizeof text, "%s %u %s %s %s %s %s %s %s %s %s%s\n", tag, line.kilohertz,
                  mode.data(), Date(line.loggedTime, true).c_str(),
                  Time(line.loggedTime, false).c_str(), station.call.c_str(),
                  Report(line.mode).data(), line.sent.c_str(), line.call.c_str(),
                  Report(line.mode).data(), line.received.c_str(), transmitter.c_str());
  }
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
    if (!adif) text = WithLineEnds(text + "END-OF-LOG:\n", station);
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
