// The cross-check's reading of a participant's file (Cabrillo of any version,
// or ADIF) on arbitrary bytes: it never throws, a file it reads holds QSOs in
// file order with their calls, every text it keeps is UTF-8, and the check of
// the log takes whatever it read.

#include <cstdint>
#include <string_view>

#include "crosscheck/check/check_contest.h"
#include "fuzz/require.h"
#include "logs/file/read_log_file.h"
#include "logs/text/text_encoding.h"

namespace {

using fuzz::Require;

void RequireUtf8(std::string_view text) { Require(logs::IsUtf8(text), "texts are UTF-8"); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  logs::LogFile log = logs::ReadLogBytes("fuzz.log", bytes);
  // Lines end in LF, CR LF or a lone CR.
  std::uint32_t lines = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    lines +=
        bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
  }
  for (const std::string& text : {log.ownCall, log.category, log.name}) RequireUtf8(text);
  for (const std::string& repair : log.repairs) RequireUtf8(repair);
  if (log.failure) return 0;
  Require(!log.qsos.empty(), "a log that is read has QSOs");
  Require(!log.ownCall.empty(), "a log that is read has its call");
  std::uint32_t previous = 0;
  for (const logs::LoggedQso& qso : log.qsos) {
    Require(qso.line >= previous && qso.line >= 1 && qso.line <= lines, "QSOs in file order");
    Require(!qso.call.empty(), "a QSO has a call");
    for (const std::string& text : {qso.call, qso.sent, qso.received}) RequireUtf8(text);
    previous = qso.line;
  }
  crosscheck::Contest contest;
  contest.Add(std::move(log), {});
  const crosscheck::CheckResult result = crosscheck::CheckContest(contest, {});
  Require(result.judgements.size() == contest.qsos.size(), "every QSO is judged");
  return 0;
}
