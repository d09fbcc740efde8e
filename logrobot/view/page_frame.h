#pragma once

// The frame of the robot's pages on the shared page frame: the contest's name,
// the links between the pages and to the same page in the other language,
// and the parts of forms. Every text from a log or a form is escaped here or
// by the shared frame; nothing a participant sends becomes markup.

#include <string>
#include <string_view>

#include "logrobot/contest/contest_file.h"
#include "logrobot/view/robot_texts.h"
#include "logs/text/report_language.h"

namespace logrobot {

struct PageContext {
  logs::ReportLanguage language = logs::ReportLanguage::kEnglish;
  const ContestFile& contest;
  std::string path;  // of this page after the language ("received", "p/TOKEN")
  bool resultsPublished = false;

  const RobotTexts& Texts() const { return RobotTextsOf(language); }
  // A path of the robot's in this page's language: "/en/" + `path`.
  std::string Link(std::string_view path) const;
};

// The whole page: the title, the links, the body's HTML and the footer.
std::string RobotPage(const PageContext& page, std::string_view titleUtf8,
                      const std::string& bodyHtml);

// UTF-8 text as HTML.
std::string Html(std::string_view utf8);

// A notice that stands out (a refusal, a wrong password).
std::string Notice(std::string_view utf8);

// A form field with its label above it; `inputHtml` is the control.
std::string Field(std::string_view labelUtf8, const std::string& inputHtml);

// An <input> of the type, name and value (escaped).
std::string Input(std::string_view type, std::string_view name, std::string_view value,
                  std::string_view extra = {});

// The hidden field that carries the committee's form token.
std::string CsrfField(std::string_view token);

// A form that posts to `action` with one button, and the token.
std::string ButtonForm(const std::string& action, std::string_view csrf, std::string_view label);

// A time as "2024-02-18 15:00" in the language's form of dates.
std::string LocalMinute(std::int64_t unixSeconds, logs::ReportLanguage language);

}  // namespace logrobot
