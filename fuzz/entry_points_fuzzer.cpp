// Random sequences of the plug-in's entry points, called through their exported
// C functions with random texts, dates and buffers, in a private working folder
// whose files are now and then broken (a folder in place of err.txt or the
// settings file, a full disk, a missing or blocked Plugins folder). Every answer
// is compared with the plain evaluation of the contest rules that the
// equivalence test and the benchmarks use as well; a mismatch aborts.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "fuzz/guarded_buffer.h"
#include "fuzz/host_arguments.h"
#include "fuzz/require.h"
#include "fuzz/standard_input.h"
#include "stats/platform/profile_file.h"
#include "stats/public/exports.h"
#include "stats/rules/file_base_name.h"
#include "tests/support/fake_platform.h"
#include "tests/support/literal_contest.h"
#include "tests/support/temp_dir.h"

namespace fuzz {
namespace {

constexpr std::string_view kBanner = "Pesdra VELK TEST UBN file \r\n";
constexpr char kModelProblemLog[] = "model-err.txt";
constexpr std::string_view kWarningHead = "QSO c ";
constexpr std::string_view kWarningTail =
    " \xC2 \xCE\xC4\xCD\xCE\xCC \xC8 \xD2\xCE\xCC \xC6\xC5 \xD2\xD3\xD0\xC5 "
    "\xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC \xCD\xC5\xCB\xDC\xC7\xDF !!!";
constexpr std::size_t kWarningCapacity = kStatsWarningCapacity;

const std::vector<std::string> kModes = {"CW", "SSB", "BPSK63", "BPSK62"};
const std::vector<std::string> kCalls = {"UA1AAA", "DL1ABC", "", "W1AW"};
const std::vector<std::string> kBands = {"160", "80", "7", "07"};
const std::vector<std::string> kExchanges = {"001", "W015", "W", "123"};

// Empties the working folder and makes the Plugins folder that the settings
// file goes into.
void StartAfresh(const stats::testing::TempDir& folder) {
  folder.Clear();
  std::filesystem::create_directory(folder.Path() / "Plugins");
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// "dd.mm.yyyy"
bool LooksLikeDay(std::string_view text) {
  if (text.size() != 10 || text[2] != '.' || text[5] != '.') return false;
  for (const std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

struct QsoCall {
  HostText ownCall;
  HostText call;
  HostDate time;
  std::uint32_t frequencyHz = 0;
  HostText mode;
  HostText rstSent;
  HostText rstReceived;
  HostText exchangeSent;
  HostText exchangeReceived;
  HostText band;

  // The QSO as the plug-in reads it from the arguments.
  stats::Qso Arguments() const {
    stats::Qso qso;
    qso.ownCall = ownCall.Value();
    qso.call = call.Value();
    qso.qsoTime = stats::ReadHostDateTime(time.Pointer());
    qso.frequencyHz = frequencyHz;
    qso.mode = mode.Value();
    qso.rstSent = rstSent.Value();
    qso.rstReceived = rstReceived.Value();
    qso.exchangeSent = exchangeSent.Value();
    qso.exchangeReceived = exchangeReceived.Value();
    qso.band = band.Value();
    return qso;
  }
};

class EntryPointsCase {
 public:
  EntryPointsCase(const std::uint8_t* data, std::size_t size, const stats::testing::TempDir& folder)
      : input_(data, size), folder_(folder), now_(ReadUtcNow()), ignored_(NextText(input_)) {}

  void Run() {
    Reset();
    while (!input_.Empty()) {
      switch (input_.Byte() % 10) {
        case 0:
          Reset();
          break;
        case 1:
        case 2:
          Add(NewQso());
          break;
        case 3:
          Add(EarlierQso());
          break;
        case 4:
          Remove(input_.Bool() ? NewQso() : EarlierQso());
          break;
        case 5:
          Check();
          break;
        case 6:
          Result();
          break;
        case 7:
          SmallEntryPoints();
          break;
        default:
          BreakFiles();
          break;
      }
    }
    Result();
  }

 private:
  HostText Field(const std::vector<std::string>& usual) {
    return input_.Bool() ? HostText(input_.Pick(usual)) : NextText(input_);
  }

  QsoCall NewQso() {
    QsoCall qso;
    qso.ownCall = NextText(input_);
    qso.call = Field(kCalls);
    qso.time = NextDate(input_, now_);
    qso.frequencyHz = input_.U32();
    qso.mode = Field(kModes);
    qso.rstSent = NextText(input_);
    qso.rstReceived = NextText(input_);
    qso.exchangeSent = Field(kExchanges);
    qso.exchangeReceived = Field(kExchanges);
    qso.band = Field(kBands);
    if (earlier_.size() < 16) earlier_.push_back(qso);
    return qso;
  }

  QsoCall EarlierQso() { return earlier_.empty() ? NewQso() : input_.Pick(earlier_); }

  void Reset() {
    const HostText call = Field(kCalls);
    const HostDate date = NextDate(input_, now_);
    const StatsDateTime other{input_.RawDouble(), static_cast<std::int32_t>(input_.U32()), 0};
    const int reportMode = input_.Bool() ? 0 : static_cast<int>(input_.U32());
    const char* text = ignored_.Pointer();
    const int result = ResetStats0(text, reportMode, call.Pointer(), &other, date.Pointer(), text,
                                   text, text, text, text, text, text, text, text, text, -1, 0, 1,
                                   1e300, -0.0, text, text, text);
    Require(result == 1, "ResetStats0 returns 1");
    model_.Reset(reportMode, call.Value(), stats::ReadHostDateTime(date.Pointer()));
    reportMode_ = reportMode;
    contestDateValid_ = date.valid;
    contestDay_ = date.dayText;
    if (reportMode != 0) cabrilloFile_ = stats::FileBaseName(call.Value()) + ".cbr";
    if (!filesBroken_) {
      Require(stats::testing::ReadFileBytes("err.txt") == kBanner,
              "err.txt holds the banner after a reset");
      problemLogKnown_ = true;
    }
  }

  int CallQsoEntry(QsoDataFn entry, const QsoCall& qso) {
    const char* text = ignored_.Pointer();
    const StatsDateTime other{input_.RawDouble(), static_cast<std::int32_t>(input_.U32()), 0};
    return entry(qso.ownCall.Pointer(), qso.call.Pointer(), qso.time.Pointer(), &other, nullptr,
                 &other, input_.U32(), qso.frequencyHz, qso.mode.Pointer(), qso.rstSent.Pointer(),
                 qso.rstReceived.Pointer(), qso.exchangeSent.Pointer(),
                 qso.exchangeReceived.Pointer(), text, text, text, text, text, text, text, text,
                 text, text, INT32_MIN, -1, 0, -1e308, 5e-324, text, text, text, qso.band.Pointer(),
                 text);
  }

  void Add(const QsoCall& qso) {
    const int result = CallQsoEntry(AddData0, qso);
    Require(result == model_.AddQso(qso.Arguments()),
            "AddData0 accepts exactly the contest's QSOs");
    if (problemLogKnown_) {
      Require(stats::testing::ReadFileBytes("err.txt") ==
                  stats::testing::ReadFileBytes(kModelProblemLog),
              "err.txt lists exactly the refused QSOs, each with its reason");
    }
  }

  void Remove(const QsoCall& qso) {
    Require(CallQsoEntry(RemoveData0, qso) == model_.RemoveQso(qso.Arguments()),
            "RemoveData0 answers as the rules say");
  }

  // The model's answer with the clock at `hour`.
  int ModelCheck(const HostText& call, const HostText& mode, const HostText& aux,
                 const HostText& band, int hour) {
    modelPlatform_.now.hour = hour;
    return model_.CheckCall(call.Value(), mode.Value(), aux.Value(), band.Value(), nullptr);
  }

  void Check() {
    const bool earlier = input_.Bool() && !earlier_.empty();
    const QsoCall& from = earlier ? input_.Pick(earlier_) : QsoCall{};
    const HostText call = earlier ? from.call : Field(kCalls);
    const HostText mode = earlier ? from.mode : Field(kModes);
    const HostText band = earlier ? from.band : Field(kBands);
    const HostText aux = input_.Bool() ? HostText(std::string()) : NextText(input_);
    GuardedBuffer message(kWarningCapacity);
    GuardedBuffer other(64);
    const char* text = ignored_.Pointer();

    const int hourBefore = ReadUtcNow().hour;
    const int result =
        CheckCall0(call.Pointer(), input_.U32(), input_.U32(), mode.Pointer(), text, text, text,
                   text, text, text, text, text, text, aux.Pointer(), -1, 0, 1, 0.5, -0.5, text,
                   text, text, text, text, band.Pointer(), text, other.Data(), message.Data());
    const int hourAfter = ReadUtcNow().hour;

    Require(message.GuardIntact(), "the warning stays within 256 bytes");
    Require(other.Untouched(), "argument 27 is never written");
    // The plug-in reads the clock once, before or after the hour turned.
    Require(result == ModelCheck(call, mode, aux, band, hourBefore) ||
                (hourAfter != hourBefore && result == ModelCheck(call, mode, aux, band, hourAfter)),
            "CheckCall0 answers as the rules say");
    if (result != 4) {
      Require(message.Untouched(), "the message buffer is untouched without a repeat");
      return;
    }
    Require(message.HasTerminatedText(), "the warning ends with a zero within the buffer");
    const std::string_view warning = message.Text();
    const std::string& callText = call.Value();
    const std::size_t fits = kWarningCapacity - 1 - kWarningHead.size() - kWarningTail.size();
    Require(warning.size() < kWarningCapacity, "the warning fits with its zero");
    Require(EndsWith(warning, kWarningTail), "the warning ends with its Russian text");
    Require(warning.substr(0, kWarningHead.size()) == kWarningHead, "the warning starts QSO c");
    const std::string_view shown =
        warning.substr(kWarningHead.size(), warning.size() - kWarningHead.size() -
                                                std::min(warning.size(), kWarningTail.size()));
    Require(shown == std::string_view(callText).substr(0, std::min(callText.size(), fits)),
            "the warning names the call, cut only when it would not fit");
  }

  void Result() {
    const bool withScore = input_.Byte() % 4 != 0;
    int score = 0x5A5A5A5A;
    int modelScore = 0x5A5A5A5A;
    const char* text = GetResult0(withScore ? &score : nullptr);
    const std::string expected = model_.GetResult(withScore ? &modelScore : nullptr);
    Require(text != nullptr, "GetResult0 returns a text");
    const std::string summary(text);
    constexpr std::string_view kHead = "\t   Kesdra Velk Test ";
    Require(summary.compare(0, kHead.size(), kHead) == 0, "the summary starts with its title");
    const std::size_t dayEnd = summary.find("\r\n", kHead.size());
    Require(dayEnd != std::string::npos, "the title line ends");
    const std::string_view day =
        std::string_view(summary).substr(kHead.size(), dayEnd - kHead.size());
    if (!contestDateValid_) {
      Require(day.empty(), "a contest date without a calendar time shows as nothing");
    } else if (!contestDay_.empty()) {
      Require(day == contestDay_, "the contest date shows as dd.mm.yyyy");
    } else {
      Require(LooksLikeDay(day), "a valid contest date shows as dd.mm.yyyy");
    }
    Require(summary == expected, "the summary holds the rules' rows, totals and score");
    Require(score == modelScore, "the host's score is the score, or -1 after a report");
    if (!filesBroken_) {
      const std::string claimed =
          stats::ReadProfileFile("Plugins/ZORVA.ini", "Settings", "Claimed", "none", 64);
      Require(claimed == ModelClaimed(), "the claimed score is in the settings");
    }
    Require(std::string(GetResult0(nullptr)) == summary, "a second result gives the same text");
    if (reportMode_ != 0 && !filesBroken_) CheckCabrilloFile();
  }

  std::string ModelClaimed() const {
    const auto found = modelPlatform_.profile.find({"Plugins\\ZORVA.ini", "Settings", "Claimed"});
    return found == modelPlatform_.profile.end() ? std::string() : found->second;
  }

  // Long names can not be made into files; those are not checked.
  void CheckCabrilloFile() const {
    if (cabrilloFile_.size() > 200) return;
    const std::string log = stats::testing::ReadFileBytes(cabrilloFile_);
    Require(log.compare(0, 19, "START-OF-LOG: 2.0\r\n") == 0, "the Cabrillo log starts");
    Require(EndsWith(log, "\r\nEND-OF-LOG:\r\n"), "the Cabrillo log ends");
    Require(log.find("\r\nCLAIMED-SCORE: " + ModelClaimed() + "\r\n") != std::string::npos,
            "the Cabrillo log claims the score");
    std::size_t lines = 0;
    for (std::size_t at = log.find("\r\nQSO: "); at != std::string::npos;
         at = log.find("\r\nQSO: ", at + 1)) {
      ++lines;
    }
    Require(lines >= model_.Count(), "the Cabrillo log has a line per stored QSO");
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
      Require(entry.path().extension() != ".tmp", "no partial file is left behind");
    }
  }

  void SmallEntryPoints() {
    Require(GetNumberOfSets() == 1, "one contest set");
    const int index = static_cast<int>(input_.U32());
    const char* name = GetSetName(index);
    Require(name != nullptr && std::string_view(name) == (index == 0 ? "Kesdra Velk" : ""),
            "the set's name");
    const HostText exchange = Field(kExchanges);
    const int force = input_.Bool() ? 0 : static_cast<int>(input_.U32());
    const char* text = ignored_.Pointer();
    Require(GetExchgCount0(text, exchange.Pointer(), text) == 1, "one exchange field");
    Require(IsValidExchg0(exchange.Pointer(), text, text, text, -1, 1, force) ==
                stats::testing::LiteralContest::IsValidExchange(exchange.Value(), force),
            "an exchange is 3 or 4 digits, not 599");
  }

  // Breaks one of the paths the plug-in writes; only what it reports and keeps
  // is checked while a path is broken, not the files themselves.
  void BreakFiles() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    filesBroken_ = true;
    problemLogKnown_ = false;
    switch (input_.Byte() % 6) {
      case 0:
        fs::remove("err.txt", ignored);
        fs::create_directory("err.txt", ignored);
        break;
      case 1:
        fs::remove("err.txt", ignored);
        fs::create_symlink("/dev/full", "err.txt", ignored);
        break;
      case 2:
        fs::remove_all("Plugins", ignored);
        std::fclose(std::fopen("Plugins", "wb"));
        break;
      case 3:
        fs::remove_all("Plugins", ignored);
        break;
      case 4:
        fs::remove_all("Plugins/ZORVA.ini", ignored);
        fs::create_directory("Plugins/ZORVA.ini", ignored);
        break;
      default:
        StartAfresh(folder_);
        filesBroken_ = false;
        break;
    }
  }

  FuzzInput input_;
  const stats::testing::TempDir& folder_;
  const UtcNow now_;
  const HostText ignored_;
  stats::testing::FakePlatform modelPlatform_;
  stats::testing::LiteralContest model_{modelPlatform_, kModelProblemLog};
  int reportMode_ = 0;
  std::vector<QsoCall> earlier_;
  bool contestDateValid_ = false;
  std::string contestDay_;
  std::string cabrilloFile_;
  bool filesBroken_ = false;
  bool problemLogKnown_ = false;
};

}  // namespace
}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // libFuzzer gives no context: the folder lives as long as the process. The
  // plug-in writes only relative paths, so everything it writes lands there.
  static const bool noTerminal = fuzz::DetachStandardInput();
  static const stats::testing::ScopedWorkingDirectory folder;
  fuzz::StartAfresh(folder);
  (void)noTerminal;
  fuzz::EntryPointsCase(data, size, folder).Run();
  return 0;
}
