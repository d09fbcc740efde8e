#include "stats/problem_log.h"

#include "stats/public/cabrillo_layout.h"
#include "stats/public/plugin_names.h"
#include "stats/text.h"

namespace stats {
namespace {

constexpr char kLineEnd[] = "\r\n";

}  // namespace

std::string FormatRejectedLine(const Qso& qso, std::string_view ending) {
  const std::string frequency = std::to_string(qso.FrequencyKhz());
  const std::string qsoTime = FormatOleDateTime(qso.qsoTime, kCabrilloTimePattern);
  std::string line = "QSO:";
  for (const std::string* field :
       {&frequency, &qso.mode, &qsoTime, &qso.ownCall, &qso.rstSent, &qso.exchangeSent, &qso.call,
        &qso.rstReceived, &qso.exchangeReceived}) {
    line += "  ";
    AppendOnOneLine(line, *field);
  }
  line += ending;
  return line;
}

void ProblemLog::Restart() {
  platform_.WriteWholeFile(std::string(kProblemLogPath), std::string(kProblemLogBanner) + kLineEnd);
}

void ProblemLog::OpenForAppend() {
  appending_.reset();
  appending_ = platform_.OpenForAppend(std::string(kProblemLogPath));
}

void ProblemLog::WriteRejected(std::string_view ending, const Qso& qso) {
  if (appending_) appending_->Append(FormatRejectedLine(qso, ending) + kLineEnd);
}

void ProblemLog::CloseAppend() { appending_.reset(); }

void ProblemLog::EnsureExists() { platform_.EnsureFileExists(std::string(kProblemLogPath)); }

}  // namespace stats
