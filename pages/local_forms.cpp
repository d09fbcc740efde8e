// This file is UTF-8: the Russian units go into the page as they stand here.

#include "pages/local_forms.h"

#include <cstdio>

#include "logs/text/ascii.h"
#include "logs/text/display_text.h"

namespace pages {
namespace {

using logs::ReportLanguage;

constexpr std::string_view kNarrowNoBreakSpace = "\u202F";

bool IsMetreBand(std::string_view name) {
  if (name.empty() || name.front() == '.' || name.back() == '.') return false;
  for (const char c : name) {
    if ((c < '0' || c > '9') && c != '.') return false;
  }
  return true;
}

}  // namespace

std::string GroupedNumber(long long value, ReportLanguage language) {
  const std::string digits = std::to_string(value < 0 ? -(value + 1) + 1ULL : value + 0ULL);
  return (value < 0 ? "\u2212" : "") +
         logs::GroupedDigits(digits, 0,
                             language == ReportLanguage::kRussian ? kNarrowNoBreakSpace : ",");
}

std::string LocalDate(int year, int month, int day, ReportLanguage language) {
  char text[32];
  if (language == ReportLanguage::kRussian) {
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  }
  return text;
}

std::string LocalDuration(long long seconds, ReportLanguage language) {
  const bool russian = language == ReportLanguage::kRussian;
  const long long minutes = seconds / 60;
  const std::string minuteUnit = russian ? " мин" : " min";
  if (minutes < 60) return std::to_string(minutes) + minuteUnit;
  char text[16];
  std::snprintf(text, sizeof text, "%02lld", minutes % 60);
  return GroupedNumber(minutes / 60, language) + (russian ? " ч " : " h ") + text + minuteUnit;
}

std::string BandLabel(std::string_view hostBand, ReportLanguage language) {
  const bool russian = language == ReportLanguage::kRussian;
  const std::string name = logs::DisplayUtf8(hostBand);
  if (IsMetreBand(name)) return name + (russian ? "\u00A0м" : "\u00A0m");
  if (name.size() > 2 && name.ends_with("cm") && IsMetreBand(name.substr(0, name.size() - 2))) {
    return name.substr(0, name.size() - 2) + (russian ? "\u00A0см" : "\u00A0cm");
  }
  return name;
}

}  // namespace pages
