// The portable build's text form in place of the station dialog.

#include "stats/platform/posix_station_prompt.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>

namespace stats {
namespace {

StationDetailsForm Presets() {
  StationDetailsForm form;
  form.callSign = "UA1AAA";
  form.claimed = "42";
  form.club = "RCC";
  form.category = "SOAB-CW-LP";
  form.contest = "KESDRA VELK";
  form.email = "e@example.org";
  form.name = "Ivan";
  form.operators = "UA1AAA";
  form.soapbox = "73\r\nGL";
  form.address = "Lenina 1\r\nMoscow";
  return form;
}

bool Prompt(StationDetailsForm& form, const std::string& input, std::string* shown = nullptr) {
  std::istringstream in(input);
  std::ostringstream out;
  const bool confirmed = PromptStationDetails(form, in, out);
  if (shown != nullptr) *shown = out.str();
  return confirmed;
}

bool SameForm(const StationDetailsForm& a, const StationDetailsForm& b) {
  return a.callSign == b.callSign && a.claimed == b.claimed && a.club == b.club &&
         a.category == b.category && a.contest == b.contest && a.email == b.email &&
         a.name == b.name && a.operators == b.operators && a.soapbox == b.soapbox &&
         a.address == b.address;
}

TEST(PosixStationPrompt, EnterKeepsEveryPresetAndShowsThem) {
  StationDetailsForm form = Presets();
  std::string shown;
  // CONTEST CALLSIGN CLAIMED CATEGORY NAME ADDRESS OPERATORS CLUB SOAPBOX E-MAIL, confirm.
  EXPECT_TRUE(Prompt(form, "\n\n\n\n\n\n\n\n\n\n\n", &shown));
  EXPECT_TRUE(SameForm(form, Presets()));
  EXPECT_NE(shown.find("CALLSIGN [UA1AAA]: "), std::string::npos);
  EXPECT_NE(shown.find("  | Lenina 1\n  | Moscow\n"), std::string::npos);
  EXPECT_NE(shown.find("  7) MOAB - MIX\n"), std::string::npos);
}

TEST(PosixStationPrompt, AnswersReplaceClearOrPickAndLinesAreJoinedWithCrLf) {
  StationDetailsForm form = Presets();
  EXPECT_TRUE(Prompt(form,
                     "\n"                          // CONTEST kept
                     "UA1AAA/P\n"                  // CALLSIGN
                     "-\n"                         // CLAIMED emptied
                     "6\n"                         // CATEGORY by number
                     "Petr\r\n"                    // NAME, a CR from the terminal dropped
                     "Line 1\nLine 2\nLine 3\n\n"  // ADDRESS, ended by an empty line
                     "\n"                          // OPERATORS kept
                     "-\n"                         // CLUB emptied
                     "-\n"                         // SOAPBOX emptied
                     "\n"                          // E-MAIL kept
                     "y\n"));
  EXPECT_EQ(form.contest, "KESDRA VELK");
  EXPECT_EQ(form.callSign, "UA1AAA/P");
  EXPECT_EQ(form.claimed, "");
  EXPECT_EQ(form.category, "SOAB - MIX - HP");
  EXPECT_EQ(form.name, "Petr");
  EXPECT_EQ(form.address, "Line 1\r\nLine 2\r\nLine 3");
  EXPECT_EQ(form.operators, "UA1AAA");
  EXPECT_EQ(form.club, "");
  EXPECT_EQ(form.soapbox, "");
  EXPECT_EQ(form.email, "e@example.org");

  form = Presets();
  EXPECT_TRUE(Prompt(form, "\n\n\nCHECKLOG\n\n\n\n\n\n\n\n"));
  EXPECT_EQ(form.category, "CHECKLOG");
  form = Presets();
  EXPECT_TRUE(Prompt(form, "\n\n\n8\n\n\n\n\n\n\n\n"));
  EXPECT_EQ(form.category, "8");
}

TEST(PosixStationPrompt, RefusalOrEndOfInputCancelsAndLeavesTheFormAlone) {
  StationDetailsForm form = Presets();
  EXPECT_FALSE(Prompt(form, "X\n\n\n\n\n\n\n\n\n\nn\n"));
  EXPECT_TRUE(SameForm(form, Presets()));
  EXPECT_FALSE(Prompt(form, "X\nUA1BBB\n"));
  EXPECT_TRUE(SameForm(form, Presets()));
  EXPECT_FALSE(Prompt(form, "\n\n\n\n\nA\nB"));  // ends inside the address
  EXPECT_TRUE(SameForm(form, Presets()));
  EXPECT_FALSE(Prompt(form, ""));
}

// Puts `fd` in place of `target` for the length of a test.
class RedirectedFd {
 public:
  RedirectedFd(int fd, int target) : target_(target), saved_(::dup(target)) { ::dup2(fd, target); }
  ~RedirectedFd() {
    ::dup2(saved_, target_);
    ::close(saved_);
  }
  RedirectedFd(const RedirectedFd&) = delete;
  RedirectedFd& operator=(const RedirectedFd&) = delete;

 private:
  int target_;
  int saved_;
};

// A pseudo-terminal with the operator's answers already typed.
class TypedTerminal {
 public:
  explicit TypedTerminal(const std::string& answers) : master_(::posix_openpt(O_RDWR | O_NOCTTY)) {
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
    [[maybe_unused]] const auto written = ::write(master_, answers.data(), answers.size());
  }
  ~TypedTerminal() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
  }
  TypedTerminal(const TypedTerminal&) = delete;
  TypedTerminal& operator=(const TypedTerminal&) = delete;

  int Slave() const { return slave_; }

 private:
  int master_;
  int slave_ = -1;
};

// Standard input from a pipe that holds `script` and then ends.
class ScriptedInput {
 public:
  explicit ScriptedInput(const std::string& script) {
    int ends[2];
    if (::pipe(ends) != 0) return;
    [[maybe_unused]] const auto written = ::write(ends[1], script.data(), script.size());
    ::close(ends[1]);
    input_ = ends[0];
    redirected_.emplace(input_, STDIN_FILENO);
  }
  ~ScriptedInput() {
    redirected_.reset();
    if (input_ >= 0) ::close(input_);
  }
  ScriptedInput(const ScriptedInput&) = delete;
  ScriptedInput& operator=(const ScriptedInput&) = delete;

 private:
  int input_ = -1;
  std::optional<RedirectedFd> redirected_;
};

TEST(PosixStationPrompt, OnATerminalTheFormIsShownOnlyWhereSomeoneSeesIt) {
  const std::string answers = "\nUA1BBB\n\n\n\n\n\n\n\n\ny\n";
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  {
    const TypedTerminal terminal(answers);
    ASSERT_GE(terminal.Slave(), 0);
    const RedirectedFd input(terminal.Slave(), STDIN_FILENO);
    const RedirectedFd output(pipeFds[1], STDERR_FILENO);  // output nobody sees
    StationDetailsForm form = Presets();
    EXPECT_FALSE(EditStationDetailsOnConsole(form)) << "nobody to answer: CANCEL";
    EXPECT_TRUE(SameForm(form, Presets()));
  }
  {
    const TypedTerminal terminal(answers);
    const RedirectedFd input(terminal.Slave(), STDIN_FILENO);
    const RedirectedFd output(terminal.Slave(), STDERR_FILENO);
    StationDetailsForm form = Presets();
    EXPECT_TRUE(EditStationDetailsOnConsole(form));
    EXPECT_EQ(form.callSign, "UA1BBB");
    EXPECT_EQ(form.name, "Ivan");
  }
  ::close(pipeFds[0]);
  ::close(pipeFds[1]);
}

TEST(PosixStationPrompt, WithoutATerminalScriptedAnswersAreReadAndNoneCancel) {
  int shownFds[2];
  ASSERT_EQ(::pipe(shownFds), 0);
  {
    const RedirectedFd output(shownFds[1], STDERR_FILENO);
    {
      const ScriptedInput input("\nUA1BBB\n\n\n\n\n\n\n\n\n\n");
      StationDetailsForm form = Presets();
      EXPECT_TRUE(EditStationDetailsOnConsole(form));
      EXPECT_EQ(form.callSign, "UA1BBB");
    }
    for (const char* script : {"", "\nUA1BBB\n\n\n\n\n\n\n\n\n"}) {
      const ScriptedInput input(script);
      StationDetailsForm form = Presets();
      EXPECT_FALSE(EditStationDetailsOnConsole(form)) << "input that ends before the last answer";
      EXPECT_TRUE(SameForm(form, Presets()));
    }
  }
  ::close(shownFds[1]);
  char shown[64];
  EXPECT_EQ(::read(shownFds[0], shown, sizeof shown), 0) << "scripted: no question is shown";
  ::close(shownFds[0]);
}

}  // namespace
}  // namespace stats
