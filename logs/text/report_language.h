#pragma once

// The language of the HTML report: asked for with --lang, else the user's.

#include <functional>
#include <optional>
#include <string_view>

namespace logs {

enum class ReportLanguage { kEnglish, kRussian };

// "en" or "ru", as --lang takes it.
std::optional<ReportLanguage> ParseReportLanguage(std::string_view name);

// The POSIX rule: the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty names the locale; Russian when it starts with "ru" ("ru_RU.UTF-8"),
// English otherwise and when none is set. `variable` reads the environment.
ReportLanguage LanguageOfEnvironment(const std::function<const char*(const char* name)>& variable);

// Windows: the user's interface language; elsewhere LanguageOfEnvironment.
ReportLanguage UserReportLanguage();

}  // namespace logs
