#include "logs/text/report_language.h"

#include <cstdlib>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace logs {

std::optional<ReportLanguage> ParseReportLanguage(std::string_view name) {
  if (name == "en") return ReportLanguage::kEnglish;
  if (name == "ru") return ReportLanguage::kRussian;
  return std::nullopt;
}

ReportLanguage LanguageOfEnvironment(const std::function<const char*(const char* name)>& variable) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = variable(name);
    if (value == nullptr || *value == '\0') continue;
    return std::string_view(value).substr(0, 2) == "ru" ? ReportLanguage::kRussian
                                                        : ReportLanguage::kEnglish;
  }
  return ReportLanguage::kEnglish;
}

ReportLanguage UserReportLanguage() {
#if defined(_WIN32)
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN ? ReportLanguage::kRussian
                                                                   : ReportLanguage::kEnglish;
#else
  return LanguageOfEnvironment([](const char* name) { return std::getenv(name); });
#endif
}

}  // namespace logs
