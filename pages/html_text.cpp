#include "pages/html_text.h"

namespace pages {

std::string EscapeHtml(std::string_view utf8) {
  std::string text;
  text.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '&':
        text += "&amp;";
        break;
      case '<':
        text += "&lt;";
        break;
      case '>':
        text += "&gt;";
        break;
      case '"':
        text += "&quot;";
        break;
      case '\'':
        text += "&#39;";
        break;
      default:
        text += c;
    }
  }
  return text;
}

}  // namespace pages
