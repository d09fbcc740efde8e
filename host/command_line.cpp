#include "host/command_line.h"

#include <string_view>

#include "host/plugin_location.h"

namespace host {
namespace {

constexpr std::string_view kHelp = R"(Usage: stats-host [OPTIONS] LOG.adi

Scores an ADIF log with the Kesdra Velk contest plug-in, the way the logging
program does it: stats-host loads the plug-in, calls ResetStats0 once, AddData0
for every QSO of the log and GetResult0 for the result, and prints the result as
a table, followed by the QSOs that the plug-in refused.

The plug-in writes its files into the working folder (--dir): err.txt (the
refused QSOs), Plugins/ZORVA.ini (station details and the claimed score) and,
with --cabrillo, the Cabrillo log CALL.cbr, which takes the extra header lines
of cabrillo.ini from the same folder. Like in the logging program, the plug-in
also starts Plugins/Zarnik.exe from that folder when the file is there, so
score in a folder of its own rather than in the logging program's folder.

Options:
  --dir DIR          working folder for the plug-in's files (default: the
                     current folder); made, with DIR/Plugins, when missing
  --cabrillo         also write the Cabrillo log; the plug-in first asks for
                     the station details (a dialog on Windows, questions on
                     the terminal elsewhere)
  --confirm-details  answer the station-details question with OK, keeping
                     the details saved in DIR/Plugins/ZORVA.ini (for scripts)
  --call CALL        own call sign (default: STATION_CALLSIGN, else OPERATOR,
                     of each QSO; the first QSO's for the summary)
  --date YYYY-MM-DD  contest date of the summary (default: the first QSO's)
  --repeats          list the QSOs that the plug-in's tour check would have
                     warned about when they were logged (see below)
  --raw              print the plug-in's summary text unchanged (CR LF and
                     tabs) and nothing else
  --html FILE        also write the report as one HTML page with charts:
                     the result by band, tours by band, CW/SSB/digital, the
                     refused QSOs and the tour repeats (a relative FILE is
                     taken from the current folder, not from --dir)
  --lang ru|en       language of the HTML page (default: the user's
                     language if it is Russian, else English)
  --plugin PATH      the plug-in to load (default: @PLUGIN@ beside this
                     program, in its Plugins folder, or in ../stats)
  -h, --help         show this text

How the log is read (ADIF 3, .adi; field names in any case):
  CALL                 the worked station
  QSO_DATE, TIME_ON    YYYYMMDD and HHMM or HHMMSS, UTC
  FREQ                 MHz, taken exactly to the hertz; further decimals are
                       dropped (14.0255 is 14025500 Hz)
  BAND                 "160m" is passed as "160"; without BAND the band
                       follows from FREQ
  MODE, SUBMODE        CW; SSB (any submode); PSK with PSK63 or BPSK63, and
                       PSK63, as BPSK63; BPSK62. Other modes keep their ADIF
                       name and the plug-in refuses them.
  RST_SENT, RST_RCVD   the reports
  STX_STRING or STX    the number sent; SRX_STRING or SRX the number received
  STATION_CALLSIGN or OPERATOR   the own call, unless --call is given
Texts pass as the bytes of the file (Windows-1251 or UTF-8). A record without
CALL, date or time is skipped with a warning; a last record without <EOR> is
taken with a warning.

Tour repeats (--repeats):
  While a call is typed, the plug-in (CheckCall0) warns about a QSO with the
  same call on the same band and mode in the current tour, i.e. the present
  UTC hour of the computer's clock. Replaying an old log, that clock says
  nothing about the log, so stats-host does not call CheckCall0: it applies
  the same rule itself with each QSO's own time as the present. A QSO is a
  repeat when a QSO that the plug-in stored before it has the same call, band
  and mode and the same hour of the day (like the plug-in, the date is not
  compared). The plug-in counts repeats all the same.

Exit status: 0 when the log was scored; 2 for a bad command line, a log that
can not be read or is not valid ADIF (the message gives the record and the byte
offset, counted from 0), or a plug-in that can not be loaded (nothing is
written then); 1 when the working folder can not be used, or when the HTML
page can not be written (the report is printed all the same).
)";

bool TakesValue(std::string_view name) {
  return name == "--dir" || name == "--call" || name == "--date" || name == "--plugin" ||
         name == "--html" || name == "--lang";
}

void Apply(Options& options, std::string_view name, const std::string& value) {
  if (name == "--dir") {
    options.workingFolder = value;
  } else if (name == "--call") {
    options.ownCall = value;
  } else if (name == "--plugin") {
    options.plugin = value;
  } else if (name == "--html") {
    if (value.empty()) throw UsageError("--html needs a file name");
    options.htmlFile = value;
  } else if (name == "--lang") {
    options.language = ParseReportLanguage(value);
    if (!options.language) throw UsageError("--lang wants ru or en, not \"" + value + "\"");
  } else if (name == "--date") {
    options.contestDate = ParseIsoDate(value);
    if (!options.contestDate) throw UsageError("--date wants YYYY-MM-DD, not \"" + value + "\"");
  }
}

bool ApplyFlag(Options& options, std::string_view name) {
  if (name == "--cabrillo") return options.cabrillo = true;
  if (name == "--confirm-details") return options.confirmDetails = true;
  if (name == "--repeats") return options.repeats = true;
  if (name == "--raw") return options.raw = true;
  if (name == "--help" || name == "-h") return options.help = true;
  return false;
}

}  // namespace

Options ParseCommandLine(const std::vector<std::string>& arguments) {
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
        Apply(options, name, argument.substr(equals + 1));
      } else if (i + 1 < arguments.size()) {
        Apply(options, name, arguments[++i]);
      } else {
        throw UsageError(name + " needs a value");
      }
    } else if (equals != std::string::npos || !ApplyFlag(options, name)) {
      throw UsageError("unknown option " + argument);
    }
  }
  if (options.help) return options;
  if (files.size() != 1) {
    throw UsageError(files.empty() ? "no ADIF log given" : "give exactly one ADIF log");
  }
  options.adifFile = files.front();
  return options;
}

std::string HelpText() {
  std::string text(kHelp);
  const std::string_view placeholder = "@PLUGIN@";
  text.replace(text.find(placeholder), placeholder.size(), kPluginFileName);
  return text;
}

}  // namespace host
