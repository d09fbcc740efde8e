#pragma once

// The made-up logs that stats-host is measured on: valid ADIF in the layout
// of other loggers' exports (about 200 bytes a QSO), 24 hours on six bands in
// CW, SSB and PSK63, each station worked four times, six hours apart, one in
// ten of them a marked station.

#include <cstddef>
#include <filesystem>

namespace stats::bench {

void WriteBenchLog(std::size_t qsos, const std::filesystem::path& file);

}  // namespace stats::bench
