#include "stats/station/replace_all.h"

namespace stats {

std::string ReplaceAll(std::string_view source, std::string_view find,
                       std::string_view replacement) {
  if (find.empty() || find == replacement) return std::string(source);
  std::string result;
  result.reserve(source.size());
  std::size_t start = 0;
  for (std::size_t found = source.find(find); found != std::string_view::npos;
       found = source.find(find, start)) {
    result.append(source, start, found - start);
    result += replacement;
    start = found + find.size();
  }
  result.append(source, start);
  return result;
}

}  // namespace stats
