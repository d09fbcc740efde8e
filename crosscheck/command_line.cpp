#include "crosscheck/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

#include "files/utf8_path.h"
#include "logs/radio/band.h"
#include "logs/time/qso_date.h"

namespace crosscheck {
namespace {

// "YYYY-MM-DD HH:MM", "YYYY-MM-DDTHH:MM" or "YYYY-MM-DD HHMM", UTC.
std::optional<std::int64_t> ParseMoment(const std::string& text) {
  if (text.size() < 15) return std::nullopt;
  const auto date = logs::ParseIsoDate(text.substr(0, 10));
  if (!date || (text[10] != ' ' && text[10] != 'T')) return std::nullopt;
  std::string time = text.substr(11);
  if (time.size() == 5 && time[2] == ':') time.erase(2, 1);
  const auto second = logs::ParseAdifTime(time);
  if (!second || time.size() != 4) return std::nullopt;
  return logs::SecondsSinceOleEpoch(*date, *second);
}

std::string ParsePenalties(const std::string& text, CheckOptions& check) {
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find(',', begin);
    if (end == std::string::npos) end = text.size();
    const std::string item = text.substr(begin, end - begin);
    const std::size_t equals = item.find('=');
    const std::string name = item.substr(0, equals);
    const auto verdict = std::find(kVerdictNames.begin(), kVerdictNames.end(), name);
    std::int64_t points = 0;
    const char* valueEnd = item.data() + item.size();
    const auto parsed = equals == std::string::npos
                            ? std::from_chars_result{nullptr, std::errc::invalid_argument}
                            : std::from_chars(item.data() + equals + 1, valueEnd, points);
    if (verdict == kVerdictNames.end() || parsed.ec != std::errc() || parsed.ptr != valueEnd ||
        points < 0) {
      return "--penalty wants VERDICT=POINTS,... with a verdict of the table, not \"" + item + "\"";
    }
    check.penalties[static_cast<std::size_t>(verdict - kVerdictNames.begin())] = points;
    begin = end + 1;
  }
  return {};
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find(',', begin);
    if (end == std::string::npos) end = text.size();
    if (end > begin) items.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return items;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments, const ConsoleTexts& texts) {
  CLI::App app(std::string(texts.description), "crosscheck");
  Options options;
  std::string out;
  std::vector<std::string> logs;
  int windowMinutes = 3;
  std::string from, to, bands, penalties, language, categories, entries;
  app.add_option("--out", out, "folder for the outputs (made when missing)")->required();
  app.add_option("LOG", logs, "logs, or folders of logs")->required();
  app.add_option("--window", windowMinutes, "minutes two logs' times of one QSO may differ by")
      ->capture_default_str()
      ->check(CLI::Range(0, 24 * 60));
  app.add_option("--min-logs", options.check.minLogs,
                 "a QSO with a station that sent no log counts when its call is in this many logs")
      ->capture_default_str()
      ->check(CLI::Range(1, 1000000));
  app.add_flag("--count-uniques", options.check.countUniques,
               "count QSOs with calls that are in no other log and sent no log");
  app.add_option("--from", from, "start of the contest, UTC: \"YYYY-MM-DD HH:MM\"");
  app.add_option("--to", to, "end of the contest (not included), UTC");
  app.add_option("--bands", bands,
                 "the bands that count, e.g. 160,80,40 or 160m,80m (default: all)");
  app.add_option("--penalty", penalties,
                 "points taken off per QSO with a verdict, e.g. nil=1,busted-call=1");
  app.add_option("--categories", categories,
                 "CSV file of CALL,CATEGORY lines: the entry category of these calls, "
                 "over the logs' own");
  app.add_option("--entries", entries,
                 "the call and category entered for each log file, over the file's own: "
                 "JSON lines {\"file\": NAME, \"call\": CALL, \"category\": CATEGORY}");
  app.add_option("--lang", language,
                 "language of results.html and the reports: ru or en "
                 "(default: the user's)");

  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  CommandLine result;
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    result.message = app.help();
    return result;
  } catch (const CLI::ParseError& error) {
    result.usageError = true;
    result.message = std::string(error.what()) + "\n" + std::string(texts.runHelp);
    return result;
  }
  const auto usage = [&](std::string message) {
    result.usageError = true;
    result.message = std::move(message);
    return result;
  };
  options.check.windowSeconds = std::int64_t{windowMinutes} * 60;
  if (!from.empty() && !(options.check.from = ParseMoment(from))) {
    return usage("--from wants \"YYYY-MM-DD HH:MM\" (UTC), not \"" + from + "\"");
  }
  if (!to.empty() && !(options.check.to = ParseMoment(to))) {
    return usage("--to wants \"YYYY-MM-DD HH:MM\" (UTC), not \"" + to + "\"");
  }
  if (!penalties.empty()) {
    if (std::string problem = ParsePenalties(penalties, options.check); !problem.empty()) {
      return usage(problem);
    }
  }
  if (options.check.from && options.check.to && *options.check.from >= *options.check.to) {
    return usage("--from \"" + from + "\" is not before --to \"" + to + "\"");
  }
  for (const std::string& band : SplitList(bands)) {
    // "40", "40m" and "40M" name one band, as the logs name it: "40".
    std::string named = logs::HostBandName(band);
    if (!logs::EdgesOfBand(named)) {
      return usage("--bands: \"" + band + "\" is not a band (160, 80, 40, ... or 70cm)");
    }
    options.check.bands.push_back(std::move(named));
  }
  if (!language.empty()) {
    options.language = logs::ParseReportLanguage(language);
    if (!options.language) return usage("--lang wants ru or en, not \"" + language + "\"");
  }
  if (!entries.empty()) options.entries = files::PathOfUtf8(entries);
  options.out = files::PathOfUtf8(out);
  if (!categories.empty()) options.categories = files::PathOfUtf8(categories);
  for (const std::string& log : logs) options.logs.push_back(files::PathOfUtf8(log));
  result.options = std::move(options);
  return result;
}

}  // namespace crosscheck
