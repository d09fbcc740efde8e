#pragma once

// ADIF modes in the host's mode names, which the plug-in compares exactly.

#include <string>
#include <string_view>

namespace logs {

// MODE (and SUBMODE) in the host's name: "CW"; "SSB" whatever the submode,
// and for the older modes USB and LSB that some loggers still write;
// "BPSK63" for PSK with the submode PSK63 or BPSK63 and for the older MODE PSK63
// or BPSK63; "BPSK62" where a logger wrote it as mode or submode. Any other mode
// keeps its ADIF name in capitals, the submode's when there is one (PSK with
// PSK31 gives "PSK31"), so that the plug-in sees a mode it does not count.
// ADIF names are case-insensitive.
std::string HostModeName(std::string_view adifMode, std::string_view adifSubmode);

}  // namespace logs
