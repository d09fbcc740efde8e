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

// The choice for one record: what BAND names, then FREQ read against that
// band, or without one against the amateur bands.
class FrequencyChooser {
 public:
  FrequencyChooser(std::string_view adifFrequency, std::string_view adifBand)
      : frequencyText_(Trimmed(adifFrequency)),
        bandText_(Trimmed(adifBand)),
        reading_(ReadFrequency(frequencyText_)) {}

  FrequencyChoice Choose() && {
    ReadBand();
    const std::optional<BandEdges> edges =
        choice_.band.empty() ? std::nullopt : EdgesOfBand(choice_.band);
    if (edges) {
      ChooseInBand(*edges);
    } else {
      ChooseWithoutBand();
    }
    return std::move(choice_);
  }

 private:
  // Built only for a message: most QSOs need none.
  std::string Freq() const { return "FREQ " + Quoted(frequencyText_); }
  std::string Band() const { return "BAND " + Quoted(bandText_); }
  std::string NoBand() const { return bandNamesNone_ ? Band() + " names no band" : "no BAND"; }

  void Repair(const std::string& text) {
    choice_.repair += (choice_.repair.empty() ? "" : "; ") + text;
  }

  // BAND in the host's form, also where it is spelled another clear way.
  void ReadBand() {
    if (bandText_.empty()) return;
    choice_.band = HostBandName(bandText_);
    if (EdgesOfBand(choice_.band)) return;
    if (auto respelled = RespelledBand(bandText_)) {
      choice_.band = std::move(*respelled);
      choice_.bandRepair = Band() + " is read as " + AdifBandName(choice_.band);
    } else {
      choice_.band.clear();
      bandNamesNone_ = true;
    }
  }

  // The hertz to pass for a frequency in the band, which a band above the
  // host's 32 bits can not have: then `what` lies above them.
  template <typename What>
  void Pass(std::uint64_t hertz, const What& what) {
    if (hertz <= kMaxHertz) {
      choice_.hertz = static_cast<std::uint32_t>(hertz);
    } else {
      Repair(what() + " lies " + std::string(kAboveHostHertz) + "; 0 Hz is passed");
    }
  }

  // FREQ read in `unit` (MHz when empty), in the band.
  void Take(std::uint64_t hertz, std::string_view unit) {
    if (bandNamesNone_) {
      choice_.bandRepair = NoBand() + "; the band follows from FREQ: " + AdifBandName(choice_.band);
    }
    std::string read;
    if (reading_->decimalComma) read = Freq() + ": the comma is read as a decimal point";
    if (!unit.empty()) {
      read += (read.empty() ? Freq() + ":" : ", and") + " the value is taken as " +
              std::string(unit) + " (" + std::to_string(hertz) + " Hz)";
    }
    if (!read.empty()) Repair(read);
    Pass(hertz, [&] { return Freq(); });
  }

  void ChooseInBand(const BandEdges& edges) {
    const auto inBand = [&](std::optional<std::uint64_t> hertz) {
      return hertz && *hertz >= edges.lowestHz && *hertz <= edges.highestHz;
    };
    if (frequencyText_.empty()) {
      Pass(edges.lowestHz, [&] { return "no FREQ, and BAND " + std::string(bandText_); });
      return;
    }
    if (reading_) {
      if (inBand(reading_->wideMegahertz)) return Take(*reading_->wideMegahertz, "");
      if (inBand(reading_->asKilohertz)) return Take(*reading_->asKilohertz, "kHz");
      if (inBand(reading_->asHertz)) return Take(*reading_->asHertz, "Hz");
      if (reading_->asMegahertz) {
        Take(*reading_->asMegahertz, "");
        Repair(Freq() + " lies outside BAND " + std::string(bandText_) +
               "; both are passed as they are");
        return;
      }
    }
    const std::string why = Freq() + (reading_ ? " lies " + std::string(kAboveHostHertz)
                                               : std::string(" is not a frequency in MHz"));
    if (edges.lowestHz <= kMaxHertz) {
      choice_.hertz = static_cast<std::uint32_t>(edges.lowestHz);
      Repair(why + "; the lower edge of BAND " + std::string(bandText_) + " (" +
             std::to_string(edges.lowestHz) + " Hz) is passed instead");
    } else {
      Repair(why + "; 0 Hz is passed");
    }
  }

  void ChooseWithoutBand() {
    if (frequencyText_.empty()) {
      choice_.refusal =
          bandNamesNone_ ? NoBand() + ", and there is no FREQ" : "neither BAND nor FREQ";
      return;
    }
    const auto bandOf = [](std::optional<std::uint64_t> hertz) {
      return hertz ? BandForFrequency(*hertz) : std::nullopt;
    };
    if (reading_) {
      if (auto found = bandOf(reading_->wideMegahertz)) {
        choice_.band = std::move(*found);
        return Take(*reading_->wideMegahertz, "");
      }
      if (auto found = bandOf(reading_->asKilohertz)) {
        choice_.band = std::move(*found);
        return Take(*reading_->asKilohertz, "kHz");
      }
    }
    choice_.refusal = reading_ ? NoBand() + ", and " + Freq() + " lies outside the amateur bands"
                               : (bandNamesNone_ ? NoBand() + ", and " : "") + Freq() +
                                     " is not a frequency in MHz";
  }

  const std::string_view frequencyText_;
  const std::string_view bandText_;
  const std::optional<FrequencyReading> reading_;
  bool bandNamesNone_ = false;  // BAND is given but names no band
  FrequencyChoice choice_;
};

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
  return FrequencyChooser(adifFrequency, adifBand).Choose();
}

}  // namespace logs
