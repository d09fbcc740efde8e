#include "stats-host/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <string_view>

#include "logs/text/ascii.h"
#include "logs/text/text_pattern.h"
#include "stats-host/run/plugin_location.h"

namespace stats_host {
namespace {

using logs::Substituted;

constexpr std::string_view kValueOptions[] = {"--dir",    "--call", "--date",
                                              "--plugin", "--html", "--lang"};

void Apply(Options& options, std::string_view name, const std::string& value,
           const ConsoleTexts& texts) {
  if (name == "--dir") {
    options.run.workingFolder = PathOfArgument(value);
  } else if (name == "--call") {
    if (std::any_of(value.begin(), value.end(), logs::IsControlByte)) {
      throw UsageError(std::string(texts.callControl));
    }
    options.run.ownCall = value;
  } else if (name == "--plugin") {
    options.run.plugin = PathOfArgument(value);
  } else if (name == "--html") {
    if (value.empty()) throw UsageError(std::string(texts.htmlNeedsFile));
    options.run.htmlFile = PathOfArgument(value);
  } else if (name == "--lang") {
    options.language = logs::ParseReportLanguage(value);
    if (!options.language) throw UsageError(Substituted(texts.langValue, {value}));
  } else if (name == "--date") {
    options.run.contestDate = logs::ParseIsoDate(value);
    if (!options.run.contestDate) throw UsageError(Substituted(texts.dateValue, {value}));
  }
}

bool IsValueOption(std::string_view name) {
  return std::find(std::begin(kValueOptions), std::end(kValueOptions), name) !=
         std::end(kValueOptions);
}

// CLI11's ArgumentMismatch in our words. A value option takes the next
// argument whatever it holds, so one that lacks its value is the last
// argument; otherwise a flag was given a value ("--raw=yes").
std::string MismatchWords(const std::vector<std::string>& arguments, const ConsoleTexts& texts) {
  const std::string& last = arguments.back();
  const std::string lastName = last.substr(0, last.find('='));
  if (IsValueOption(lastName) && last.size() <= lastName.size() + 1) {
    return Substituted(texts.needsValue, {lastName});
  }
  const auto flagWithValue =
      std::find_if(arguments.begin(), arguments.end(), [](const std::string& argument) {
        const std::size_t equals = argument.find('=');
        return argument.starts_with('-') && equals != std::string::npos &&
               !IsValueOption(std::string_view(argument).substr(0, equals));
      });
  return Substituted(texts.unknownOption,
                     {flagWithValue != arguments.end() ? *flagWithValue : last});
}

}  // namespace

std::filesystem::path PathOfArgument(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

Options ParseCommandLine(const std::vector<std::string>& arguments, const ConsoleTexts& texts) {
  Options options;
  std::vector<std::string> files;
  CLI::App app;
  app.set_help_flag();                     // --help is a flag of ours, with a text of ours
  app.allow_extras();                      // unknown options are named below, in our words
  app.allow_windows_style_options(false);  // a path such as /home/x/log.adi is a file
  app.option_defaults()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
      ->disable_flag_override();
  for (const std::string_view name : kValueOptions) {
    app.add_option_function<std::string>(std::string(name),
                                         [&options, &texts, name](const std::string& value) {
                                           Apply(options, name, value, texts);
                                         })
        ->trigger_on_parse();  // mistakes are named in the order they were made
  }
  app.add_flag("--cabrillo", options.run.cabrillo);
  app.add_flag("--confirm-details", options.run.confirmDetails);
  app.add_flag("--repeats", options.repeats);
  app.add_flag("--raw", options.raw);
  app.add_flag("-h,--help", options.help);
  app.add_option("log", files);

  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());  // as CLI11 takes them
  try {
    app.parse(reversed);
  } catch (const CLI::ArgumentMismatch&) {
    throw UsageError(MismatchWords(arguments, texts));
  } catch (const CLI::ParseError& error) {  // none other is known to come
    throw UsageError(error.what());
  }
  for (const std::string& extra : app.remaining()) {
    if (extra != "--") throw UsageError(Substituted(texts.unknownOption, {extra}));
  }
  if (options.help) return options;
  if (files.size() != 1) throw UsageError(std::string(files.empty() ? texts.noLog : texts.oneLog));
  options.run.adifFile = PathOfArgument(files.front());
  return options;
}

std::string HelpText(logs::ReportLanguage language) {
  std::string text(HelpOf(language));
  const std::string_view placeholder = "@PLUGIN@";
  text.replace(text.find(placeholder), placeholder.size(), kPluginFileName);
  return text;
}

}  // namespace stats_host
