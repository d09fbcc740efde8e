#pragma once

// The frequency and band the host passes for a QSO, from the ADIF FREQ (a
// decimal number of megahertz) and BAND fields, with the repairs that real logs
// need.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host {

// A FREQ text read as a decimal number and rounded to whole hertz (half a
// hertz up), both as megahertz and as kilohertz; each is missing when it does
// not fit the host's unsigned 32-bit hertz.
struct FrequencyReading {
  std::optional<std::uint32_t> asMegahertz;
  std::optional<std::uint32_t> asKilohertz;
  bool decimalComma = false;  // one comma stood for the decimal point
};

// Nothing for a text that is not an unsigned decimal number: digits with at
// most one "." or, in its place, one ","; "7.", ".5" and blanks around pass.
std::optional<FrequencyReading> ReadFrequency(std::string_view text);

struct FrequencyChoice {
  std::uint32_t hertz = 0;
  std::string band;     // in the host's form
  std::string repair;   // what was repaired, for a warning; empty when nothing was
  std::string refusal;  // why the record can not be a QSO; empty when it can
};

// FREQ in MHz when it lies in the stated BAND (or, without BAND, in an amateur
// band, which then becomes the band). A value that is evidently in kHz (in that
// band when divided by 1000) is taken as kHz, and a decimal comma as a point,
// with a repair. A FREQ that is missing passes the band's lower edge; one that
// is unusable does the same, with a repair. A FREQ outside a known BAND passes
// both unchanged, with a warning. Without BAND, a FREQ that is missing,
// unusable or outside the amateur bands refuses the record.
FrequencyChoice ChooseFrequency(std::string_view adifFrequency, std::string_view adifBand);

}  // namespace host
