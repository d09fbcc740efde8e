#pragma once

// What a participant typed into the upload form, cleaned and checked. Forms
// come as UTF-8 from browsers, but anything may arrive: bytes that are not
// UTF-8 are refused, control characters never reach a page or the store.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace logrobot {

inline constexpr std::size_t kMaxCallLength = 16;
inline constexpr std::size_t kMaxEmailLength = 254;
inline constexpr std::size_t kMaxSoapboxCharacters = 4000;

// A call as the contest takes it: capitals, digits and "/", with at least one
// letter and one digit ("r3kv/p " gives "R3KV/P"); nothing for anything else.
std::optional<std::string> CleanCall(std::string_view typed);

// An e-mail address: one "@" with text on both sides and a dot after it, no
// blanks or control characters; nothing for anything else.
std::optional<std::string> CleanEmail(std::string_view typed);

// Free text (the soapbox): line breaks kept as LF, tabs and other control
// characters as spaces, blanks at both ends gone; nothing when it is not
// UTF-8 or longer than `maxCharacters`.
std::optional<std::string> CleanText(std::string_view typed, std::size_t maxCharacters);

// The contest's category that a log's category stands for, compared by its
// letters and digits alone ("SOAB - SSB - LP" is "SOAB-SSB-LP"); nothing when
// it names none of them.
std::optional<std::string> ContestCategory(std::string_view category,
                                           const std::vector<std::string>& categories);

}  // namespace logrobot
