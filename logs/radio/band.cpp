#include "logs/radio/band.h"

#include <algorithm>
#include <iterator>

#include "logs/text/ascii.h"

namespace logs {
namespace {

struct NamedBand {
  std::string_view name;
  BandEdges edges;
  std::string_view cabrilloDesignator = {};  // above 30 MHz, where a Cabrillo log names the band
};

// The ADIF band table.
constexpr NamedBand kBands[] = {
    {"2190", {135700, 137800}},
    {"630", {472000, 479000}},
    {"560", {501000, 504000}},
    {"160", {1800000, 2000000}},
    {"80", {3500000, 4000000}},
    {"60", {5060000, 5450000}},
    {"40", {7000000, 7300000}},
    {"30", {10100000, 10150000}},
    {"20", {14000000, 14350000}},
    {"17", {18068000, 18168000}},
    {"15", {21000000, 21450000}},
    {"12", {24890000, 24990000}},
    {"10", {28000000, 29700000}},
    {"8", {40000000, 45000000}},
    {"6", {50000000, 54000000}, "50"},
    {"5", {54000001, 69900000}},
    {"4", {70000000, 71000000}, "70"},
    {"2", {144000000, 148000000}, "144"},
    {"1.25", {222000000, 225000000}, "222"},
    {"70cm", {420000000, 450000000}, "432"},
    {"33cm", {902000000, 928000000}, "902"},
    {"23cm", {1240000000, 1300000000}, "1.2G"},
    {"13cm", {2300000000u, 2450000000u}, "2.3G"},
    {"9cm", {3300000000u, 3500000000u}, "3.4G"},
    {"6cm", {5650000000u, 5925000000u}},
    {"3cm", {10000000000u, 10500000000u}},
    {"1.25cm", {24000000000u, 24250000000u}},
    {"6mm", {47000000000u, 47200000000u}},
    {"4mm", {75500000000u, 81000000000u}},
    {"2.5mm", {119980000000u, 123000000000u}},
    {"2mm", {134000000000u, 149000000000u}},
    {"1mm", {241000000000u, 250000000000u}},
    {"submm", {300000000000u, 7500000000000u}},
};

}  // namespace

std::string HostBandName(std::string_view adifBand) {
  std::string name = LowerCopy(Trimmed(adifBand));
  const bool metreBand = name.size() > 1 && name.back() == 'm' &&
                         (name[name.size() - 2] == '.' ||
                          (name[name.size() - 2] >= '0' && name[name.size() - 2] <= '9'));
  if (metreBand) name.pop_back();
  return name;
}

std::string AdifBandName(std::string_view hostBand) {
  const bool metreBand =
      !hostBand.empty() && hostBand.find_first_not_of("0123456789.") == std::string_view::npos;
  return std::string(hostBand) + (metreBand ? "m" : "");
}

std::optional<BandEdges> EdgesOfBand(std::string_view hostBand) {
  const auto found = std::find_if(std::begin(kBands), std::end(kBands),
                                  [&](const NamedBand& band) { return band.name == hostBand; });
  if (found == std::end(kBands)) return std::nullopt;
  return found->edges;
}

std::optional<std::string> BandForFrequency(std::uint64_t hertz) {
  const auto found = std::find_if(std::begin(kBands), std::end(kBands), [&](const NamedBand& band) {
    return hertz >= band.edges.lowestHz && hertz <= band.edges.highestHz;
  });
  if (found == std::end(kBands)) return std::nullopt;
  return std::string(found->name);
}

std::optional<std::string> BandOfCabrilloDesignator(std::string_view designator) {
  const std::string upper = UpperCopy(designator);
  const auto found = std::find_if(std::begin(kBands), std::end(kBands), [&](const NamedBand& band) {
    return !band.cabrilloDesignator.empty() && band.cabrilloDesignator == upper;
  });
  if (found == std::end(kBands)) return std::nullopt;
  return std::string(found->name);
}

}  // namespace logs
