#pragma once

// Texts of the plug-in's world shown as UTF-8, on a page or at a console. The
// plug-in and its files keep the bytes the log had: Windows-1251 as the host
// writes them, or UTF-8 where an ADIF file was written so.

#include <string>
#include <string_view>

namespace logs {

// The bytes as UTF-8: a text that is valid UTF-8 is taken as such, any other is
// read as Windows-1251. Control characters become spaces, so that no value can
// break a line or a table of the page.
std::string DisplayUtf8(std::string_view bytes);

// Windows-1251 bytes as UTF-8, whatever they look like; control characters
// become spaces.
std::string DisplayCp1251(std::string_view bytes);

// KOI8-R bytes as UTF-8 (see FromKoi8r); control characters become spaces.
std::string DisplayKoi8r(std::string_view bytes);

// A line that may join texts of both kinds (our own words in UTF-8 and a call
// in Windows-1251), as UTF-8: each well-formed UTF-8 sequence as it stands,
// every other byte read as Windows-1251. Control characters become spaces.
std::string MixedToUtf8(std::string_view bytes);

}  // namespace logs
