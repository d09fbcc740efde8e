#include "stats/station/qso_line.h"

#include <string>

#include "stats/text.h"

namespace stats {
namespace {

void AppendRightAligned(std::string& line, std::string_view text, std::size_t width) {
  if (text.size() < width) line.append(width - text.size(), ' ');
  AppendOnOneLine(line, text);
}

void AppendLeftAligned(std::string& line, std::string_view text, std::size_t width) {
  AppendOnOneLine(line, text);
  if (text.size() < width) line.append(width - text.size(), ' ');
}

}  // namespace

std::string FormatQsoLine(std::string_view senderCall, const CabrilloQso& qso) {
  std::string line = "QSO: ";
  AppendRightAligned(line, std::to_string(qso.frequencyKhz), 5);
  line += ' ';
  AppendRightAligned(line, qso.modeCode, 2);
  line += ' ';
  line += FormatOleDateTime(qso.qsoTime, "%Y-%m-%d %H%M");
  line += ' ';
  AppendLeftAligned(line, senderCall, 13);
  line += ' ';
  AppendLeftAligned(line, qso.rstSent, 3);
  line += ' ';
  AppendLeftAligned(line, qso.exchangeSent, 6);
  line += ' ';
  AppendLeftAligned(line, qso.call, 13);
  line += ' ';
  AppendLeftAligned(line, qso.rstReceived, 3);
  line += ' ';
  AppendOnOneLine(line, qso.exchangeReceived);
  line += "\r\n";
  return line;
}

}  // namespace stats
