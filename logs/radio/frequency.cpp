#include "logs/radio/frequency.h"

#include <limits>

#include "logs/radio/band.h"
#include "logs/text/ascii.h"
#include "logs/text/shown_text.h"

namespace logs {
namespace {

constexpr std::uint64_t kMaxHertz = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t kBeyondEveryBand = std::uint64_t{1} << 60;  // 10^6 times submm
constexpr std::string_view kAboveHostHertz =
    "above 4 294 967 295 Hz, the most that the plug-in's 32-bit hertz can hold";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

struct Decimal {
  std::string_view whole;
  std::string_view fraction;
  bool comma = false;
};

// Digits with at most one "." or, in its place, one ",".
std::optional<Decimal> ParseDecimal(std::string_view text) {
  Decimal decimal;
  std::size_t point = text.find('.');
  const std::size_t comma = text.find(',');
  if (comma != std::string_view::npos) {
    if (point != std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) {
      return std::nullopt;
    }
    point = comma;
    decimal.comma = true;
  }
  decimal.whole = text.substr(0, point);
  if (point != std::string_view::npos) decimal.fraction = text.substr(point + 1);
  if ((decimal.whole.empty() && decimal.fraction.empty()) || !AllDigits(decimal.whole) ||
      !AllDigits(decimal.fraction)) {
    return std::nullopt;
  }
  return decimal;
}

// The decimal times 10^decimals, rounded half up; nothing beyond every band.
std::optional<std::uint64_t> Scaled(const Decimal& decimal, std::size_t decimals) {
  std::uint64_t value = 0;
  for (const char c : decimal.whole) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > kBeyondEveryBand) return std::nullopt;  // long before the sum could wrap
  }
  for (std::size_t i = 0; i < decimals; ++i) {
    value =
        value * 10 +
        (i < decimal.fraction.size() ? static_cast<std::uint64_t>(decimal.fraction[i] - '0') : 0);
    if (value > kBeyondEveryBand) return std::nullopt;
  }
  if (decimal.fraction.size() > decimals && decimal.fraction[decimals] >= '5') ++value;
  return value;
}

std::optional<std::uint32_t> InHostHertz(std::optional<std::uint64_t> hertz) {
  if (!hertz || *hertz > kMaxHertz) return std::nullopt;
  return static_cast<std::uint32_t>(*hertz);
}

// A band spelled other than the ADIF table spells it, where the spelling is
// clear: with blanks inside ("80 m", "70 cm"), or as a frequency with its unit
// ("3.5MHz", "144 MHz").
std::optional<std::string> RespelledBand(std::string_view text) {
  std::string compact;
  for (const char c : text) {
    if (c != ' ' && c != '\t') compact += ToLower(c);
  }
  constexpr struct {
    std::string_view unit;
    std::size_t decimals;
  } kUnits[] = {{"khz", 3}, {"mhz", 6}, {"ghz", 9}};
  for (const auto& [unit, decimals] : kUnits) {
    if (!compact.ends_with(unit)) continue;
    const auto decimal = ParseDecimal(std::string_view(compact).substr(0, compact.size() - 3));
    const auto hertz = decimal ? Scaled(*decimal, decimals) : std::nullopt;
    return hertz ? BandForFrequency(*hertz) : std::nullopt;
  }
  std::string name = HostBandName(compact);
  if (!EdgesOfBand(name)) return std::nullopt;
  return name;
}

}  // namespace

std::optional<FrequencyReading> ReadFrequency(std::string_view text) {
  const auto decimal = ParseDecimal(Trimmed(text));
  if (!decimal) return std::nullopt;
  FrequencyReading reading;
  reading.decimalComma = decimal->comma;
  reading.wideMegahertz = Scaled(*decimal, 6);
  reading.asMegahertz = InHostHertz(reading.wideMegahertz);
  reading.asKilohertz = InHostHertz(Scaled(*decimal, 3));
  reading.asHertz = InHostHertz(Scaled(*decimal, 0));
  return reading;
}

FrequencyChoice ChooseFrequency(std::string_view adifFrequency, std::string_view adifBand) {
  FrequencyChoice choice;
  const std::string_view frequencyText = Trimmed(adifFrequency);
  const std::string_view bandText = Trimmed(adifBand);
  // Built only for a message: most QSOs need none.
  const auto freq = [&] { return "FREQ " + Quoted(frequencyText); };
  const auto band = [&] { return "BAND " + Quoted(bandText); };
  const auto repair = [&](const std::string& text) {
    choice.repair += (choice.repair.empty() ? "" : "; ") + text;
  };

  bool bandNamesNone = false;
  if (!bandText.empty()) {
    choice.band = HostBandName(bandText);
    if (!EdgesOfBand(choice.band)) {
      if (auto respelled = RespelledBand(bandText)) {
        choice.band = std::move(*respelled);
        choice.bandRepair = band() + " is read as " + AdifBandName(choice.band);
      } else {
        choice.band.clear();
        bandNamesNone = true;
      }
    }
  }
  const std::optional<BandEdges> known =
      choice.band.empty() ? std::nullopt : EdgesOfBand(choice.band);
  const BandEdges* const edges = known ? &*known : nullptr;
  const auto noBand = [&] { return bandNamesNone ? band() + " names no band" : "no BAND"; };

  const auto reading = ReadFrequency(frequencyText);
  // The hertz to pass for a frequency in the band, which a band above the
  // host's 32 bits can not have: then `what` lies above them.
  const auto pass = [&](std::uint64_t hertz, const auto& what) {
    if (hertz <= kMaxHertz) {
      choice.hertz = static_cast<std::uint32_t>(hertz);
    } else {
      repair(what() + " lies " + std::string(kAboveHostHertz) + "; 0 Hz is passed");
    }
  };
  // FREQ read in `unit`, in the band.
  const auto take = [&](std::uint64_t hertz, std::string_view unit) {
    if (bandNamesNone) {
      choice.bandRepair = noBand() + "; the band follows from FREQ: " + AdifBandName(choice.band);
    }
    std::string read;
    if (reading->decimalComma) read = freq() + ": the comma is read as a decimal point";
    if (!unit.empty()) {
      read += (read.empty() ? freq() + ":" : ", and") + " the value is taken as " +
              std::string(unit) + " (" + std::to_string(hertz) + " Hz)";
    }
    if (!read.empty()) repair(read);
    pass(hertz, freq);
    return choice;
  };

  if (edges) {
    const auto inBand = [&](std::optional<std::uint64_t> hertz) {
      return hertz && *hertz >= edges->lowestHz && *hertz <= edges->highestHz;
    };
    if (frequencyText.empty()) {
      pass(edges->lowestHz, [&] { return "no FREQ, and BAND " + std::string(bandText); });
      return choice;
    }
    if (reading) {
      if (inBand(reading->wideMegahertz)) return take(*reading->wideMegahertz, "");
      if (inBand(reading->asKilohertz)) return take(*reading->asKilohertz, "kHz");
      if (inBand(reading->asHertz)) return take(*reading->asHertz, "Hz");
      if (reading->asMegahertz) {
        take(*reading->asMegahertz, "");
        repair(freq() + " lies outside BAND " + std::string(bandText) +
               "; both are passed as they are");
        return choice;
      }
    }
    const std::string why = freq() + (reading ? " lies " + std::string(kAboveHostHertz)
                                              : std::string(" is not a frequency in MHz"));
    if (edges->lowestHz <= kMaxHertz) {
      choice.hertz = static_cast<std::uint32_t>(edges->lowestHz);
      repair(why + "; the lower edge of BAND " + std::string(bandText) + " (" +
             std::to_string(edges->lowestHz) + " Hz) is passed instead");
    } else {
      repair(why + "; 0 Hz is passed");
    }
    return choice;
  }

  if (frequencyText.empty()) {
    choice.refusal = bandNamesNone ? noBand() + ", and there is no FREQ" : "neither BAND nor FREQ";
    return choice;
  }
  const auto bandOf = [](std::optional<std::uint64_t> hertz) {
    return hertz ? BandForFrequency(*hertz) : std::nullopt;
  };
  if (reading) {
    if (auto found = bandOf(reading->wideMegahertz)) {
      choice.band = std::move(*found);
      return take(*reading->wideMegahertz, "");
    }
    if (auto found = bandOf(reading->asKilohertz)) {
      choice.band = std::move(*found);
      return take(*reading->asKilohertz, "kHz");
    }
  }
  choice.refusal =
      reading ? noBand() + ", and " + freq() + " lies outside the amateur bands"
              : (bandNamesNone ? noBand() + ", and " : "") + freq() + " is not a frequency in MHz";
  return choice;
}

}  // namespace logs
