#pragma once

// Cabrillo 2.0 and 3.0 logs: "TAG: value" lines between START-OF-LOG and
// END-OF-LOG. Read are CALLSIGN, CATEGORY (2.0) or the CATEGORY-* tags (3.0),
// CLAIMED-SCORE, NAME and the QSO lines, X-QSO lines among them (marked
// excluded); other tags are passed over. Lines end in CR LF, LF or a lone CR.
// Texts are converted to UTF-8 from the encoding the bytes show.
// What had to be repaired goes into the log's repairs; a QSO line that can not
// be read is left out and listed there.

#include <string_view>

#include "logs/file/log_file.h"

namespace logs {

// Lines longer than this are not read (and listed).
inline constexpr std::size_t kMaxCabrilloLine = 4096;

// Fills `log` (whose path is set) from the file's bytes.
void ReadCabrillo(std::string_view bytes, LogFile& log);

}  // namespace logs
