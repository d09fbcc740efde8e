#include "host/command_line.h"

#include <algorithm>
#include <string_view>

#include "host/adif/ascii.h"
#include "host/run/plugin_location.h"

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
                     the terminal elsewhere; with no terminal to ask on, the
                     question counts as cancelled and ZORVA.ini keeps what
                     it holds)
  --confirm-details  answer the station-details question with OK, keeping
                     the details saved in DIR/Plugins/ZORVA.ini (for scripts;
                     on Windows stats-host presses OK, elsewhere it gives the
                     plug-in scripted answers on standard input: empty lines,
                     which keep every value and confirm)
  --call CALL        own call sign (default: STATION_CALLSIGN, else OPERATOR,
                     of each QSO; the first one in the log for the summary
                     and the Cabrillo log)
  --date YYYY-MM-DD  contest date of the summary (default: the first QSO's)
  --repeats          list the QSOs that the plug-in's tour check would have
                     warned about when they were logged (see below)
  --raw              print the plug-in's summary text unchanged (CR LF and
                     tabs) and nothing else
  --html FILE        also write the report as one HTML page with charts:
                     the result by band, tours by band, CW/SSB/digital, the
                     refused QSOs, the records not scored and the tour
                     repeats (a relative FILE is taken from the current
                     folder, not from --dir)
  --lang ru|en       language of the HTML page (default: the user's
                     language if it is Russian, else English)
  --plugin PATH      the plug-in to load (default: @PLUGIN@ beside this
                     program, in its Plugins folder, or in ../stats)
  -h, --help         show this text

How the log is read (ADIF 3, .adi):
  CALL                 the worked station
  QSO_DATE, TIME_ON    YYYYMMDD and HHMM or HHMMSS, UTC; TIME_OFF where
                       there is no TIME_ON
  FREQ                 MHz, rounded to the nearest hertz (7.0119999 is
                       7012000 Hz)
  BAND                 "160m" is passed as "160"; without BAND the band
                       follows from FREQ; without FREQ the frequency passed
                       is the band's lower edge (7000000 Hz on 40m)
  MODE, SUBMODE        CW; SSB (any submode), and the older USB and LSB; PSK
                       with PSK63 or BPSK63, and PSK63, as BPSK63; BPSK62.
                       Other modes keep their ADIF name and the plug-in
                       refuses them.
  RST_SENT, RST_RCVD   the reports
  STX_STRING or STX    the number sent; SRX_STRING or SRX the number received
  STATION_CALLSIGN or OPERATOR   the own call, unless --call is given

  Taken as they are: field names in any case, a header or none, a BOM, CR LF
  or LF, type indicators, APP_ and USERDEF fields, texts as the bytes of the
  file (Windows-1251 or UTF-8), and every value whose stated length ends at
  a blank, a tag or the end of the file, even one that holds a tag.
  Repaired, with a warning that names the record (or the header) and the byte
  offset: a length that ends elsewhere and runs over a tag (the value ends at
  the tag); a length that counted UTF-8 characters (read so where that ends
  at a tag); text, or a tag without a length such as <EOF>, between fields or
  records (ignored); a second header (ignored); a field given twice in a
  record (the first counts); a last record without <EOR> (taken); a value
  that makes a record longer than 16 MiB (dropped); a UTF-16 file (read as
  UTF-8); blanks and line breaks at the ends of a field handed over
  (trimmed); a BAND spelled "80 m" or "3.5MHz" (read as 80m); a BAND that
  names no band (the band of FREQ); FREQ with a decimal comma (a point); FREQ
  in kHz (taken as kHz when its value / 1000 lies in BAND, or without BAND in
  an amateur band); FREQ in Hz (when its value / 10^6 lies in BAND); FREQ
  that is not a number or lies in no band (BAND's lower edge instead); FREQ
  outside BAND (both passed); a band above 4 294 967 295 Hz, the most the
  plug-in's 32-bit hertz can hold (0 Hz passed).
  Skipped, with a warning (exit status 3): a record that the file ends inside,
  a record without CALL, without a valid QSO_DATE or time, after
  9999-12-31 00:00 (the plug-in would write no date), without a band from
  BAND or FREQ, with a control byte (CR, LF, NUL...) inside a text handed to
  the plug-in, or with a field handed over that was dropped for its size.
  Refused, with nothing scored or written (exit status 2): a file that is not
  ADIF at all (no tag; header text without <EOH> in its first 16 MiB), a
  UTF-16 file with a broken character.

Tour repeats (--repeats):
  While a call is typed, the plug-in (CheckCall0) warns about a QSO with the
  same call on the same band and mode in the current tour, i.e. the present
  UTC hour of the computer's clock. Replaying an old log, that clock says
  nothing about the log, so stats-host does not call CheckCall0: it applies
  the same rule itself with each QSO's own time as the present. A QSO is a
  repeat when a QSO that the plug-in stored before it has the same call, band
  and mode and the same hour of the day (like the plug-in, the date is not
  compared). The plug-in counts repeats all the same.

Exit status:
  0  every record reached the plug-in, and its files and the report were
     written (QSOs that the contest rules refuse are a normal result)
  1  the working folder can not be used, or memory ran out: nothing is
     scored then, and no file is left holding a part of the log
  2  a bad command line, a log that can not be read or is no ADIF log, an
     output that would overwrite the log or a file of the plug-in's, or a
     plug-in that can not be loaded; nothing is written
  3  the report is printed, but records were skipped, or err.txt, ZORVA.ini,
     the Cabrillo log, the HTML page or the report itself could not be
     written (stats-host says which, and why)
  4  the log holds no QSO to score (it is empty, has a header only, or every
     record was skipped): the plug-in is not called and no file is written
)";

bool TakesValue(std::string_view name) {
  return name == "--dir" || name == "--call" || name == "--date" || name == "--plugin" ||
         name == "--html" || name == "--lang";
}

void Apply(Options& options, std::string_view name, const std::string& value) {
  if (name == "--dir") {
    options.run.workingFolder = value;
  } else if (name == "--call") {
    if (std::any_of(value.begin(), value.end(), IsControlByte)) {
      throw UsageError("--call holds a control character");
    }
    options.run.ownCall = value;
  } else if (name == "--plugin") {
    options.run.plugin = value;
  } else if (name == "--html") {
    if (value.empty()) throw UsageError("--html needs a file name");
    options.run.htmlFile = value;
  } else if (name == "--lang") {
    options.language = ParseReportLanguage(value);
    if (!options.language) throw UsageError("--lang wants ru or en, not \"" + value + "\"");
  } else if (name == "--date") {
    options.run.contestDate = ParseIsoDate(value);
    if (!options.run.contestDate)
      throw UsageError("--date wants YYYY-MM-DD, not \"" + value + "\"");
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
  options.run.adifFile = files.front();
  return options;
}

std::string HelpText() {
  std::string text(kHelp);
  const std::string_view placeholder = "@PLUGIN@";
  text.replace(text.find(placeholder), placeholder.size(), kPluginFileName);
  return text;
}

}  // namespace host
