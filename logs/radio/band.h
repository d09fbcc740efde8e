#pragma once

// Band names as the host writes them: metre bands as the bare number ("160",
// "80", "1.25"), the others as ADIF names them ("70cm").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace logs {

struct BandEdges {
  std::uint64_t lowestHz;
  std::uint64_t highestHz;
};

// The ADIF BAND value in the host's form: blanks trimmed, lower case, and the
// trailing "m" of a metre band dropped ("160m" and "160M" give "160"; "70cm"
// stays "70cm").
std::string HostBandName(std::string_view adifBand);

// The band's ADIF name: a metre band's host name with its "m" back ("80m").
std::string AdifBandName(std::string_view hostBand);

// The edges of a band of the ADIF band table (2190m up to submm) by its name
// in the host's form, or nothing for a name that is not in the table.
std::optional<BandEdges> EdgesOfBand(std::string_view hostBand);

// The band that holds the frequency, by the amateur band edges of the ADIF band
// table (edges included), or nothing outside every band.
std::optional<std::string> BandForFrequency(std::uint64_t hertz);

// The band that a Cabrillo log's frequency column names by its designator
// ("50", "144", "1.2G", ...: the bands above 30 MHz), in the host's form; any
// letters in either case.
std::optional<std::string> BandOfCabrilloDesignator(std::string_view designator);

}  // namespace logs
