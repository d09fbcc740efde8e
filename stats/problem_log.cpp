#include "stats/problem_log.h"

#include "stats/text.h"

namespace stats {

std::string FormatRejectedLine(const Qso& qso, std::string_view ending) {
  const std::string frequency = std::to_string(qso.FrequencyKhz());
  const std::string qsoTime = FormatOleDateTime(qso.qsoTime, "%Y-%m-%d %H%M");
  std::string line = "QSO:";
  for (const std::string* field :
       {&frequency, &qso.mode, &qsoTime, &qso.ownCall, &qso.rstSent, &qso.exchangeSent, &qso.call,
        &qso.rstReceived, &qso.exchangeReceived}) {
    line += "  ";
    AppendOnOneLine(line, *field);
  }
  line += ending;
  line += '\n';
  return line;
}

void ProblemLog::Restart() {
  OutputFile file(path_, OpenMode::kTruncate, OutputFile::LineEnds::kCrLf);
  file.Write(std::string(kProblemLogBanner) + "\n");
  file.Close();
}

void ProblemLog::OpenForAppend() {
  appending_.reset();
  appending_.emplace(path_, OpenMode::kAppend, OutputFile::LineEnds::kCrLf);
}

void ProblemLog::WriteRejected(std::string_view ending, const Qso& qso) {
  if (appending_) appending_->Write(FormatRejectedLine(qso, ending));
}

void ProblemLog::CloseAppend() {
  if (appending_) appending_->Close();
  appending_.reset();
}

}  // namespace stats
