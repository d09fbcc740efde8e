#pragma once

// The frequency and band the host passes for a QSO, from the ADIF FREQ (a
// decimal number of megahertz) and BAND fields, with the repairs that real logs
// need.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace logs {

// A FREQ text read as a decimal number and rounded to whole hertz (half a
// hertz up), as megahertz, as kilohertz and as hertz; each of these is missing
// when it does not fit the host's unsigned 32-bit hertz. `wideMegahertz` is
// the megahertz reading in hertz beyond 32 bits, for the bands above them.
struct FrequencyReading {
  std::optional<std::uint32_t> asMegahertz;
  std::optional<std::uint32_t> asKilohertz;
  std::optional<std::uint32_t> asHertz;
  std::optional<std::uint64_t> wideMegahertz;
  bool decimalComma = false;  // one comma stood for the decimal point
};

// Nothing for a text that is not an unsigned decimal number: digits with at
// most one "." or, in its place, one ","; "7.", ".5" and blanks around pass.
std::optional<FrequencyReading> ReadFrequency(std::string_view text);

struct FrequencyChoice {
  std::uint32_t hertz = 0;
  std::string band;        // in the host's form
  std::string bandRepair;  // what was made of BAND, for a warning; empty when nothing was
  std::string repair;      // what was repaired of FREQ, for a warning; empty when nothing was
  std::string refusal;     // why the record can not be a QSO; empty when it can
};

// BAND as the band when it names one of the ADIF band table, also in a clear
// spelling of its own ("80 m", "3.5MHz"), with a repair; a BAND that names no
// band gives way to the band of FREQ, with a repair.
//
// FREQ in MHz when it lies in that band (or, without a band, in an amateur
// band, which then becomes the band). A value that is evidently in kHz (in the
// band when divided by 1000) is taken as kHz, one that is evidently in Hz (in
// BAND when divided by 10^6) as Hz, and a decimal comma as a point, each with
// a repair. A FREQ that is missing passes the band's lower edge; one that is
// unusable does the same, with a repair. A FREQ outside a known BAND passes
// both unchanged, with a warning. A band above the 32-bit hertz the host can
// hold passes 0 Hz, and says so. Without a band, a FREQ that is missing,
// unusable or outside the amateur bands refuses the record.
FrequencyChoice ChooseFrequency(std::string_view adifFrequency, std::string_view adifBand);

}  // namespace logs
