// This file is UTF-8: the Russian texts go into the page as they stand here.

#include "stats-host/report/skip_reasons.h"

#include <array>
#include <optional>
#include <vector>

#include "logs/text/text_pattern.h"

namespace stats_host {
namespace {

static_assert(sizeof("Ж") == 3, "narrow string literals must be UTF-8");

struct Wording {
  std::string_view english;  // with "{}" for the values (field names, quoted texts)
  std::string_view russian;  // with "{0}", "{1}"... for them
};

// One clause of a reason each; a reason may join several with ", and ".
constexpr std::array<Wording, 17> kRussian{{
    {"no CALL", "нет CALL"},
    {"no QSO_DATE", "нет QSO_DATE"},
    {"no TIME_ON", "нет TIME_ON"},
    {"no BAND", "нет BAND"},
    {"there is no FREQ", "FREQ нет"},
    {"neither BAND nor FREQ", "нет ни BAND, ни FREQ"},
    {"QSO_DATE {} is not a date (YYYYMMDD)", "QSO_DATE {0} — не дата (ГГГГММДД)"},
    {"{} {} is not a time (HHMM or HHMMSS)", "{0} {1} — не время (ЧЧММ или ЧЧММСС)"},
    {"{} lies after 9999-12-31 00:00:00, the last moment that the plug-in can write: it would "
     "write the QSO without its date",
     "{0} — позже 9999-12-31 00:00:00, последнего момента, который может записать модуль: он "
     "записал бы QSO без даты"},
    {"{} holds the control byte {}", "в {0} управляющий байт {1}"},
    {"{} was dropped, being too large", "поле {0} отброшено: оно слишком велико"},
    {"{} names no band", "{0} не называет диапазон"},
    {"{} lies outside the amateur bands", "{0} вне любительских диапазонов"},
    {"{} is not a frequency in MHz", "{0} — не частота в МГц"},
    {"the file ends inside the tag {}", "файл обрывается внутри тега {0}"},
    {"the file ends inside the value of {}", "файл обрывается внутри значения {0}"},
    {"the file ends without <EOR>; the record is taken", "файл кончается без <EOR>; запись взята"},
}};

// The values that fill the holes of `pattern` to give `text`; nothing when no
// values do. Each hole but the last takes the shortest text that lets the
// rest follow; none is empty.
std::optional<std::vector<std::string_view>> Holes(std::string_view pattern,
                                                   std::string_view text) {
  constexpr auto kNone = std::string_view::npos;
  std::vector<std::string_view> values;
  std::size_t hole = pattern.find("{}");
  if (hole == kNone) return text == pattern ? std::optional(values) : std::nullopt;
  if (!text.starts_with(pattern.substr(0, hole))) return std::nullopt;
  text.remove_prefix(hole);
  while (hole != kNone) {
    const std::size_t next = pattern.find("{}", hole + 2);
    const std::string_view literal =
        pattern.substr(hole + 2, next == kNone ? kNone : next - hole - 2);
    std::size_t end = 0;
    if (next == kNone) {
      if (text.size() <= literal.size() || !text.ends_with(literal)) return std::nullopt;
      end = text.size() - literal.size();
    } else {
      end = text.find(literal, 1);
      if (end == kNone) return std::nullopt;
    }
    values.push_back(text.substr(0, end));
    text.remove_prefix(end + literal.size());
    hole = next;
  }
  return values;
}

std::optional<std::string> RussianClause(std::string_view clause) {
  for (const Wording& wording : kRussian) {
    const auto values = Holes(wording.english, clause);
    if (!values) continue;
    std::string russian(wording.russian);
    for (std::size_t i = 0; i < values->size(); ++i) {
      const std::string mark = "{" + std::to_string(i) + "}";
      russian.replace(russian.find(mark), mark.size(), (*values)[i]);
    }
    return russian;
  }
  return std::nullopt;
}

}  // namespace

std::string LocalSkipReason(std::string_view reason, logs::ReportLanguage language) {
  if (language != logs::ReportLanguage::kRussian) return std::string(reason);
  constexpr std::string_view kAnd = ", and ";
  std::string russian;
  for (std::string_view rest = reason; !rest.empty();) {
    const std::size_t end = rest.find(kAnd);
    const auto clause = RussianClause(rest.substr(0, end));
    if (!clause) return std::string(reason);
    russian += (russian.empty() ? "" : ", а ") + *clause;
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + kAnd.size());
  }
  return russian;
}

}  // namespace stats_host
