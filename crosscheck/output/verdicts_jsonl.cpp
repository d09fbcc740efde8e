#include "crosscheck/output/verdicts_jsonl.h"

#include "crosscheck/output/formats.h"

namespace crosscheck {
namespace {

// JSON strings made once per text: a contest has few calls, files and bands
// but millions of lines.
class JsonTexts {
 public:
  explicit JsonTexts(const TextTable& table) : table_(table), json_(table.Size()) {}

  const std::string& Of(std::uint32_t id) {
    if (id == kNone) return null_;
    std::string& json = json_[id];
    if (json.empty()) json = JsonString(table_.Text(id));
    return json;
  }

 private:
  const TextTable& table_;
  std::vector<std::string> json_;
  std::string null_ = "null";
};

}  // namespace

void WriteVerdicts(const Contest& contest, const CheckResult& result,
                   const std::vector<LogId>& order, files::Replacement& out) {
  JsonTexts calls(contest.calls);
  JsonTexts bands(contest.bands);
  JsonTexts modes(contest.modes);
  std::vector<std::string> files(contest.logs.size());
  for (LogId log = 0; log < contest.logs.size(); ++log)
    files[log] = JsonString(contest.logs[log].file);

  std::string line;
  for (const LogId log : order) {
    if (!contest.logs[log].Checked()) continue;
    const std::string head = "{\"log\":" + calls.Of(contest.logs[log].ownCall) +
                             ",\"file\":" + files[log] + ",\"line\":";
    for (QsoId id = contest.logs[log].firstQso; id < contest.logs[log].endQso; ++id) {
      const Qso& qso = contest.qsos[id];
      const Judgement& judgement = result.judgements[id];
      line.assign(head).append(std::to_string(qso.line));
      line.append(",\"call\":").append(calls.Of(qso.call));
      line.append(",\"band\":").append(bands.Of(qso.band));
      line.append(",\"mode\":").append(modes.Of(qso.mode));
      line.append(",\"time\":\"");
      AppendQsoTime(line, qso.time);
      line.append("\",\"verdict\":\"").append(NameOf(judgement.verdict));
      line.append(judgement.counted ? "\",\"counted\":true" : "\",\"counted\":false");
      if (judgement.note != Note::kNone)
        line.append(",\"note\":\"").append(NameOf(judgement.note)).append("\"");
      if (judgement.correctCall != kNone) {
        line.append(",\"correct_call\":").append(calls.Of(judgement.correctCall));
      }
      if (judgement.evidence != kNone) {
        const Qso& other = contest.qsos[judgement.evidence];
        line.append(",\"other_file\":").append(files[other.log]);
        line.append(",\"other_line\":").append(std::to_string(other.line));
      } else if (judgement.verdict == Verdict::kNil) {
        line.append(",\"other_file\":").append(files[result.calls.logOfCall[qso.call]]);
      }
      line.append("}\n");
      out.Write(line);
    }
  }
}

}  // namespace crosscheck
