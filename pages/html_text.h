#pragma once

// Texts of the plug-in's world put into a UTF-8 HTML page.

#include <string>
#include <string_view>

#include "logs/text/display_text.h"

namespace pages {

// UTF-8 text with &, <, >, " and ' written as character references.
std::string EscapeHtml(std::string_view utf8);

// Bytes from the plug-in's world as HTML text.
inline std::string HtmlText(std::string_view bytes) { return EscapeHtml(logs::DisplayUtf8(bytes)); }

}  // namespace pages
