// Reading an upload: the answer's counts and claimed score against the plain
// evaluation of the contest's rules on random logs, and what is refused or
// taken from the form and the log.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "logrobot/contest/contest_file.h"
#include "logrobot/contest/utc_minute.h"
#include "logrobot/reading/entered_text.h"
#include "logrobot/reading/read_upload.h"
#include "stats/rules/modes.h"
#include "tests/logrobot/robot_fixtures.h"
#include "tests/support/fake_platform.h"
#include "tests/support/literal_contest.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace logrobot {
namespace {

// A random log with collisions everywhere: few calls, bands, modes (some the
// contest does not count) and exchanges, marked ones among them, empty ones.
logs::LogFile RandomLog(std::mt19937& random) {
  constexpr std::array<const char*, 5> kCalls = {"UA1A", "W9X", "RA3B", "UB5C", "R7D"};
  constexpr std::array<const char*, 4> kBands = {"160", "80", "40", "20"};
  constexpr std::array<const char*, 6> kModes = {"CW", "SSB", "BPSK63", "BPSK62", "RTTY", "FM"};
  constexpr std::array<const char*, 6> kReceived = {"W12", "123", "", "W5", "w7", "001"};
  const auto any = [&](const auto& values) {
    return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
  };
  logs::LogFile log;
  log.ownCall = "R3KV";
  const int qsos = std::uniform_int_distribution<int>(1, 120)(random);
  for (int i = 0; i < qsos; ++i) {
    logs::LoggedQso qso;
    qso.line = static_cast<std::uint32_t>(i + 1);
    qso.call = any(kCalls);
    qso.band = any(kBands);
    qso.mode = any(kModes);
    qso.contestMode = stats::FindContestMode(qso.mode);
    qso.sent = std::uniform_int_distribution<int>(0, 9)(random) == 0 ? "" : "001";
    qso.received = any(kReceived);
    qso.time = kContestStart + kOleEpochToUnixSeconds +
               std::uniform_int_distribution<int>(0, 7200)(random);
    log.qsos.push_back(qso);
  }
  return log;
}

// The plain evaluation's summary: per band QSOs and Kvant, and the score.
struct Summary {
  std::map<std::string, std::pair<std::int64_t, std::int64_t>> bands;
  std::int64_t score = 0;
};

Summary LiteralSummary(const logs::LogFile& log) {
  const stats::testing::ScopedWorkingDirectory folder;
  stats::testing::FakePlatform platform;
  stats::testing::LiteralContest contest(platform, "err.txt");
  contest.Reset(0, log.ownCall, {});
  for (const logs::LoggedQso& qso : log.qsos) {
    stats::testing::TestQso added = stats::testing::Qso(qso.call, qso.band, qso.mode, qso.received);
    added.exchangeSent = qso.sent;
    contest.AddQso(added.Arguments());
  }
  int score = 0;
  std::istringstream text(contest.GetResult(&score));
  Summary summary;
  summary.score = score;
  for (std::string line; std::getline(text, line);) {
    std::istringstream cells(line);
    std::string band;
    std::int64_t qsos = 0, points = 0, cw = 0, ssb = 0, kvant = 0;
    if (std::getline(cells, band, '\t') && cells >> qsos >> points >> cw >> ssb >> kvant &&
        band != "Total") {
      summary.bands[band] = {qsos, kvant};
    }
  }
  return summary;
}

TEST(LogFacts, CountedQsosKvantAndScoreAreThoseOfThePlainEvaluation) {
  std::mt19937 random(29);
  for (int run = 0; run < 300; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    const logs::LogFile log = RandomLog(random);
    const LogFacts facts = FactsOfLog(log, Period{kContestStart, kContestStart + 4 * 3600});
    const Summary literal = LiteralSummary(log);
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> ours;
    std::int64_t lines = 0;
    for (const BandLine& band : facts.bands) {
      if (band.counted > 0) ours[band.band] = {band.counted, band.kvant};
      lines += band.lines;
    }
    ASSERT_EQ(ours, literal.bands);
    ASSERT_EQ(facts.score, literal.score);
    ASSERT_EQ(lines, static_cast<std::int64_t>(log.qsos.size()));
    ASSERT_EQ(facts.total.lines, lines);
  }
}

TEST(LogFacts, ProblemsCountTheirLinesAndNameTheFirst) {
  const std::string log =
      CabrilloLog("R3KV", "SOAB-CW-LP",
                  {"QSO: 3550 CW 2024-02-18 1500 R3KV 599 001 UA1A 599 W12",
                   "QSO: 3550 RY 2024-02-18 1501 R3KV 599 002 UA1B 599 123",
                   "QSO: 3550 CW 2024-02-18 1502 R3KV 599 003 UA1A 599 W12",  // the same tour
                   "QSO: 7020 CW 2024-02-18 1602 R3KV 599 004 UA1A 599 W12",  // another tour
                   "QSO: 7020 CW 2024-02-18 2100 R3KV 599 005 UA1C 599 124",  // after the period
                   "QSO: 3550 CW 2024-02-18 1559 R3KV 599 006 UA1A 599 W12"});
  const auto read = ReadUpload(Form(log), SampleContest(), kContestStart);
  ASSERT_TRUE(std::holds_alternative<Entry>(read));
  const LogFacts& facts = std::get<Entry>(read).facts;
  std::vector<std::tuple<ProblemKind, std::int64_t, std::uint32_t>> problems;
  for (const Problem& p : facts.problems) problems.emplace_back(p.kind, p.lines, p.firstLine);
  // The log's header takes 5 lines before the first QSO line.
  EXPECT_EQ(problems, (std::vector<std::tuple<ProblemKind, std::int64_t, std::uint32_t>>{
                          {ProblemKind::kModeNotCounted, 1, 7},
                          {ProblemKind::kRepeatInTour, 2, 8},
                          {ProblemKind::kOutsidePeriod, 1, 10}}));
  ASSERT_EQ(facts.bands.size(), 2u);
  EXPECT_EQ(facts.bands[0].band, "80");  // the plug-in's order: 80 before 40
  EXPECT_EQ(facts.score, 5 * 2);         // 5 QSOs counted; UA1A marked on 80 and on 40
}

struct FormCase {
  const char* name;
  UploadForm form;
  std::int64_t now = kContestStart;
  std::optional<RefusalReason> refusal;  // nothing: received
  std::string call = {};                 // received with this call ...
  std::string category = {};             // ... and category
};

void PrintTo(const FormCase& c, std::ostream* out) { *out << c.name; }

UploadForm With(UploadForm form, std::string UploadForm::*field, std::string value) {
  form.*field = std::move(value);
  return form;
}

const std::string kLog = CabrilloLog("r3kv", "SOAB - CW - LP", {});  // one QSO
const std::string kAdif =
    "<CALL:4>UA1A<QSO_DATE:8>20240218<TIME_ON:4>1500<BAND:3>80m<MODE:2>CW<STX:3>001"
    "<SRX:3>W12<EOR>\n";

const FormCase kForms[] = {
    {"CallAndCategoryFromTheLog", Form(kLog), kContestStart, {}, "R3KV", "SOAB-CW-LP"},
    {"CallAndCategoryEntered",
     With(With(Form(kLog), &UploadForm::call, " r3kv/p "), &UploadForm::category, "SOAB-SSB-LP"),
     kContestStart,
     {},
     "R3KV/P",
     "SOAB-SSB-LP"},
    {"AdifWithTheCallEntered",
     With(With(Form(kAdif), &UploadForm::call, "UA3A"), &UploadForm::category, "SOAB-CW-HP"),
     kContestStart,
     {},
     "UA3A",
     "SOAB-CW-HP"},
    {"AdifWithoutACall", With(Form(kAdif), &UploadForm::category, "SOAB-CW-HP"), kContestStart,
     RefusalReason::kNoCall},
    {"AdifWithoutACategory", With(Form(kAdif), &UploadForm::call, "UA3A"), kContestStart,
     RefusalReason::kNoCategory},
    {"NoFile", Form(""), kContestStart, RefusalReason::kNoLog},
    {"TooLarge", Form(kLog + std::string(kMaxLogBytes, ' ')), kContestStart,
     RefusalReason::kLogTooLarge},
    {"NotALog", Form("Dear committee, my log follows by post."), kContestStart,
     RefusalReason::kLogNotRead},
    {"ScriptForACall", With(Form(kLog), &UploadForm::call, "<script>"), kContestStart,
     RefusalReason::kBadCall},
    {"CategoryOfAnotherContest", With(Form(kLog), &UploadForm::category, "SOAB-CW-LP "),
     kContestStart, RefusalReason::kBadCategory},
    {"NoEmail", With(Form(kLog), &UploadForm::email, "r3kv"), kContestStart,
     RefusalReason::kBadEmail},
    {"SoapboxNotUtf8", With(Form(kLog), &UploadForm::soapbox, "\xC8\xE2\xE0\xED"), kContestStart,
     RefusalReason::kBadSoapbox},
    {"LateMarked", Form(kLog), SampleContest().deadline, {}, "R3KV", "SOAB-CW-LP"},
};

class ReadingAForm : public testing::TestWithParam<FormCase> {};

TEST_P(ReadingAForm, ReceivesItOrSaysWhy) {
  const FormCase& c = GetParam();
  const auto read = ReadUpload(c.form, SampleContest(), c.now);
  if (c.refusal) {
    ASSERT_TRUE(std::holds_alternative<Refusal>(read));
    EXPECT_EQ(std::get<Refusal>(read).reason, *c.refusal);
    return;
  }
  ASSERT_TRUE(std::holds_alternative<Entry>(read)) << std::get<Refusal>(read).detail;
  const Entry& entry = std::get<Entry>(read);
  EXPECT_EQ(entry.call, c.call);
  EXPECT_EQ(entry.category, c.category);
  EXPECT_EQ(entry.late, c.now >= SampleContest().deadline);
}

INSTANTIATE_TEST_SUITE_P(Forms, ReadingAForm, testing::ValuesIn(kForms),
                         [](const testing::TestParamInfo<FormCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ReadingAForm, ALateLogIsRefusedWhereTheContestSaysSo) {
  ContestFile contest = SampleContest();
  contest.late = LatePolicy::kRefuse;
  const auto read = ReadUpload(Form(kLog), contest, contest.deadline);
  ASSERT_TRUE(std::holds_alternative<Refusal>(read));
  EXPECT_EQ(std::get<Refusal>(read).reason, RefusalReason::kLate);
}

TEST(EnteredText, IsCleanedOrRefused) {
  EXPECT_EQ(CleanCall(" ua3abc/p\t"), "UA3ABC/P");
  for (const char* bad : {"", "UA3 ABC", "ABC", "123", "UA3ABC-1", "UA3ABC12345678901", "Р3КВ"}) {
    EXPECT_EQ(CleanCall(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(CleanEmail(" r3kv@example.org "), "r3kv@example.org");
  for (const char* bad : {"r3kv", "@example.org", "r3kv@example", "a@b@c.d", "r 3@x.org",
                          "r3kv@example.org.", "r3\nkv@x.org"}) {
    EXPECT_EQ(CleanEmail(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(CleanText("  73!\r\nТест\tok\x01\n", 11), "73!\nТест ok");
  EXPECT_EQ(CleanText(std::string(11, 'x'), 10), std::nullopt);
  EXPECT_EQ(CleanText("\xFF", 10), std::nullopt);
  const std::vector<std::string> categories = {"SOAB-CW-LP", "SOAB-SSB-LP", "MOAB-MIX"};
  EXPECT_EQ(ContestCategory("soab - ssb - lp", categories), "SOAB-SSB-LP");
  EXPECT_EQ(ContestCategory("MOAB MIX", categories), "MOAB-MIX");
  EXPECT_EQ(ContestCategory("SOAB-CW-HP", categories), std::nullopt);
  EXPECT_EQ(ContestCategory("", categories), std::nullopt);
}

TEST(ContestFile, IsReadOrSaysWhatIsWrong) {
  const auto sample = ParseContestFile(kSampleContestJson);
  ASSERT_TRUE(std::holds_alternative<ContestFile>(sample)) << std::get<std::string>(sample);
  EXPECT_EQ(std::get<ContestFile>(sample).fromSeconds, kContestStart);
  const std::pair<std::string, std::string> broken[] = {
      {R"({"name": "X"})", "no \"period\""},
      {R"({"name": "X", "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 1900"}})",
       "period.to wants \"YYYY-MM-DD HH:MM\""},
      {R"({"name": "X", "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 14:00"}})",
       "period.to is not after period.from"},
      {R"({"name": "X", "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 19:00"},
           "deadline": "2024-02-18 18:00"})",
       "the deadline is before the period ends"},
      {R"({"name": "X", "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 19:00"},
           "deadline": "2024-02-25 00:00", "late_logs": "keep", "categories": ["A"]})",
       "late_logs wants"},
      {R"({"name": "X", "period": {"from": "2024-02-18 15:00", "to": "2024-02-18 19:00"},
           "deadline": "2024-02-25 00:00", "categories": []})",
       "categories wants"},
      {"{", "parse error"},
  };
  for (const auto& [json, problem] : broken) {
    const auto parsed = ParseContestFile(json);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << json;
    EXPECT_NE(std::get<std::string>(parsed).find(problem), std::string::npos)
        << std::get<std::string>(parsed);
  }
}

}  // namespace
}  // namespace logrobot
