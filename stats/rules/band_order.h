#pragma once

#include <string>
#include <vector>

namespace stats {

// Orders the band texts in place, descending by their copies padded with
// leading "0" to 20 characters, compared byte by byte as unsigned values, so
// that numeric bands come out in falling order. It is an exchange sort: entry i
// is swapped with each later entry j whose padded copy is greater; entries with
// equal padded copies (7 and 07) are never swapped with each other.
void OrderBands(std::vector<std::string>& bands);

}  // namespace stats
