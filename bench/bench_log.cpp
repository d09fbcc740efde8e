#include "bench/bench_log.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace stats::bench {
namespace {

struct Band {
  const char* name;
  int lowestKhz;
};

constexpr Band kBands[] = {{"160m", 1810}, {"80m", 3510},  {"40m", 7010},
                           {"20m", 14010}, {"15m", 21010}, {"10m", 28010}};
constexpr int kSecondsPerRound = 6 * 60 * 60;

// A distinct call sign for each number: R, a letter, a digit, three letters.
std::string CallSign(std::size_t station) {
  std::string call = "R";
  call += static_cast<char>('A' + station % 26);
  call += static_cast<char>('0' + station / 26 % 10);
  std::size_t rest = station / 260;
  for (int i = 0; i < 3; ++i, rest /= 26) call += static_cast<char>('A' + rest % 26);
  return call;
}

std::string Field(const char* name, const std::string& value) {
  std::string field(1, '<');
  field.append(name).append(":").append(std::to_string(value.size())).append(">");
  return field.append(value).append(" ");
}

}  // namespace

void WriteBenchLog(std::size_t qsos, const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << "Made-up contest log for measuring stats-host\n<ADIF_VER:5>3.1.4 <EOH>\n";
  const std::size_t stations = qsos < 4 ? 1 : qsos / 4;
  char text[32];
  for (std::size_t i = 0; i < qsos; ++i) {
    const std::size_t station = i % stations;
    const std::size_t round = i / stations;
    const auto second =
        static_cast<int>(round * kSecondsPerRound + station * kSecondsPerRound / stations) % 86400;
    const Band& band = kBands[(station + round) % 6];
    const std::size_t mode = (station + 2 * round) % 3;
    std::snprintf(text, sizeof text, "%02d%02d%02d", second / 3600, second / 60 % 60, second % 60);
    std::string record = Field("CALL", CallSign(station)) + Field("QSO_DATE", "20240218") +
                         Field("TIME_ON", text) + Field("BAND", band.name);
    std::snprintf(text, sizeof text, "%d.%03d", (band.lowestKhz + static_cast<int>(i % 40)) / 1000,
                  (band.lowestKhz + static_cast<int>(i % 40)) % 1000);
    record += Field("FREQ", text);
    record += mode == 0   ? Field("MODE", "CW")
              : mode == 1 ? Field("MODE", "SSB")
                          : Field("MODE", "PSK") + Field("SUBMODE", "PSK63");
    const std::string report = mode == 1 ? "59" : "599";
    std::snprintf(text, sizeof text, "%03zu", i + 1);
    record += Field("RST_SENT", report) + Field("RST_RCVD", report) + Field("STX_STRING", text);
    std::snprintf(text, sizeof text, station % 10 == 0 ? "W%03zu" : "%03zu", station % 1000);
    record += Field("SRX_STRING", text) + Field("STATION_CALLSIGN", "R3KV") + "<EOR>\n";
    out << record;
  }
  if (!out.flush()) throw std::runtime_error("can not write " + file.string());
}

}  // namespace stats::bench
