#include "host/command_line.h"

#include <algorithm>
#include <string_view>

#include "host/adif/ascii.h"
#include "host/run/plugin_location.h"

namespace host {
namespace {

bool TakesValue(std::string_view name) {
  return name == "--dir" || name == "--call" || name == "--date" || name == "--plugin" ||
         name == "--html" || name == "--lang";
}

void Apply(Options& options, std::string_view name, const std::string& value,
           const ConsoleTexts& texts) {
  if (name == "--dir") {
    options.run.workingFolder = PathOfArgument(value);
  } else if (name == "--call") {
    if (std::any_of(value.begin(), value.end(), IsControlByte)) {
      throw UsageError(std::string(texts.callControl));
    }
    options.run.ownCall = value;
  } else if (name == "--plugin") {
    options.run.plugin = PathOfArgument(value);
  } else if (name == "--html") {
    if (value.empty()) throw UsageError(std::string(texts.htmlNeedsFile));
    options.run.htmlFile = PathOfArgument(value);
  } else if (name == "--lang") {
    options.language = ParseReportLanguage(value);
    if (!options.language) throw UsageError(Fill(texts.langValue, {value}));
  } else if (name == "--date") {
    options.run.contestDate = ParseIsoDate(value);
    if (!options.run.contestDate) throw UsageError(Fill(texts.dateValue, {value}));
  }
}

bool ApplyFlag(Options& options, std::string_view name) {
  if (name == "--cabrillo") return options.run.cabrillo = true;
  if (name == "--confirm-details") return options.run.confirmDetails = true;
  if (name == "--repeats") return options.repeats = true;
  if (name == "--raw") return options.raw = true;
  if (name == "--help" || name == "-h") return options.help = true;
  return false;
}

}  // namespace

std::filesystem::path PathOfArgument(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

Options ParseCommandLine(const std::vector<std::string>& arguments, const ConsoleTexts& texts) {
  Options options;
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
      files.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    if (TakesValue(name)) {
      if (equals != std::string::npos) {
        Apply(options, name, argument.substr(equals + 1), texts);
      } else if (i + 1 < arguments.size()) {
        Apply(options, name, arguments[++i], texts);
      } else {
        throw UsageError(Fill(texts.needsValue, {name}));
      }
    } else if (equals != std::string::npos || !ApplyFlag(options, name)) {
      throw UsageError(Fill(texts.unknownOption, {argument}));
    }
  }
  if (options.help) return options;
  if (files.size() != 1) throw UsageError(std::string(files.empty() ? texts.noLog : texts.oneLog));
  options.run.adifFile = PathOfArgument(files.front());
  return options;
}

std::string HelpText(ReportLanguage language) {
  std::string text(HelpOf(language));
  const std::string_view placeholder = "@PLUGIN@";
  text.replace(text.find(placeholder), placeholder.size(), kPluginFileName);
  return text;
}

}  // namespace host
