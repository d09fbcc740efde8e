#include "host/adif/frequency.h"

#include <limits>

#include "host/adif/ascii.h"
#include "host/adif/band.h"

namespace host {
namespace {

constexpr std::uint64_t kMaxHertz = std::numeric_limits<std::uint32_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// whole.fraction times 10^decimals, rounded half up; nothing above kMaxHertz.
std::optional<std::uint32_t> Scaled(std::string_view whole, std::string_view fraction,
                                    std::size_t decimals) {
  std::uint64_t value = 0;
  for (const char c : whole) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > kMaxHertz) return std::nullopt;  // long before the sum could wrap
  }
  for (std::size_t i = 0; i < decimals; ++i) {
    value = value * 10 + (i < fraction.size() ? static_cast<std::uint64_t>(fraction[i] - '0') : 0);
  }
  if (fraction.size() > decimals && fraction[decimals] >= '5') ++value;
  if (value > kMaxHertz) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace

std::optional<FrequencyReading> ReadFrequency(std::string_view text) {
  text = Trimmed(text);
  FrequencyReading reading;
  std::size_t point = text.find('.');
  const std::size_t comma = text.find(',');
  if (comma != std::string_view::npos) {
    if (point != std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) {
      return std::nullopt;
    }
    point = comma;
    reading.decimalComma = true;
  }
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if ((whole.empty() && fraction.empty()) || !AllDigits(whole) || !AllDigits(fraction)) {
    return std::nullopt;
  }
  reading.asMegahertz = Scaled(whole, fraction, 6);
  reading.asKilohertz = Scaled(whole, fraction, 3);
  return reading;
}

FrequencyChoice ChooseFrequency(std::string_view adifFrequency, std::string_view adifBand) {
  FrequencyChoice choice;
  const std::string_view frequencyText = Trimmed(adifFrequency);
  const std::string_view bandText = Trimmed(adifBand);
  if (!bandText.empty()) choice.band = HostBandName(bandText);
  const std::optional<BandEdges> known = bandText.empty() ? std::nullopt : EdgesOfBand(choice.band);
  const BandEdges* const edges = known ? &*known : nullptr;
  if (frequencyText.empty()) {
    if (bandText.empty()) {
      choice.refusal = "neither BAND nor FREQ";
    } else if (edges) {
      choice.hertz = edges->lowestHz;
    } else {
      choice.repair = "no FREQ, and BAND " + Quoted(bandText) +
                      " is not an amateur band with a frequency the host can hold; 0 Hz is passed";
    }
    return choice;
  }

  // Built only for a message: most QSOs need none.
  const auto freq = [&] { return "FREQ " + Quoted(frequencyText); };
  const auto reading = ReadFrequency(frequencyText);
  const auto inBand = [&](std::optional<std::uint32_t> hertz) {
    if (!hertz) return false;
    if (edges) return *hertz >= edges->lowestHz && *hertz <= edges->highestHz;
    return bandText.empty() && BandForFrequency(*hertz).has_value();
  };
  const auto take = [&](std::uint32_t hertz, bool kilohertz) {
    choice.hertz = hertz;
    if (bandText.empty()) choice.band = *BandForFrequency(hertz);
    if (reading->decimalComma) choice.repair = freq() + ": the comma is read as a decimal point";
    if (kilohertz) {
      choice.repair += (choice.repair.empty() ? freq() + ":" : ", and") +
                       std::string(" the value is taken as kHz (") + std::to_string(hertz) + " Hz)";
    }
    return choice;
  };
  if (reading) {
    if (inBand(reading->asMegahertz)) return take(*reading->asMegahertz, false);
    if (inBand(reading->asKilohertz)) return take(*reading->asKilohertz, true);
    if (!bandText.empty() && reading->asMegahertz) {
      take(*reading->asMegahertz, false);
      if (edges) {
        choice.repair += (choice.repair.empty() ? freq() : "; it") + " lies outside BAND " +
                         std::string(bandText) + "; both are passed as they are";
      }
      return choice;
    }
  }
  const std::string why = freq() + (!reading                ? " is not a frequency in MHz"
                                    : !reading->asMegahertz ? " is too large for MHz"
                                                            : " lies outside the amateur bands");
  if (bandText.empty()) {
    choice.refusal = reading && reading->asMegahertz ? "no BAND, and " + why : why;
  } else if (edges) {
    choice.hertz = edges->lowestHz;
    choice.repair = why + "; the lower edge of BAND " + std::string(bandText) + " (" +
                    std::to_string(edges->lowestHz) + " Hz) is passed instead";
  } else {
    choice.repair = why + "; 0 Hz is passed";
  }
  return choice;
}

}  // namespace host
