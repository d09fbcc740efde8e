#include "logs/text/text_pattern.h"

namespace logs {

std::string Substituted(std::string_view pattern, std::initializer_list<std::string_view> values) {
  const std::string_view* const value = values.begin();
  std::string text;
  text.reserve(pattern.size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::string_view hole = pattern.substr(i, 3);
    if (hole.starts_with("{}") && next < values.size()) {
      text += value[next++];
      i += 1;
    } else if (hole.size() == 3 && hole[0] == '{' && hole[2] == '}' && hole[1] >= '0' &&
               hole[1] <= '9' && static_cast<std::size_t>(hole[1] - '0') < values.size()) {
      text += value[hole[1] - '0'];
      i += 2;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace logs
