#include "companion/companion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_system.h"

namespace zarnik {
namespace {

using Events = std::vector<std::string>;

const Events kNormalStart = {"Attach",
                             "Acquire",
                             "FindHostWindow",
                             "MakeTopmost",
                             "ExecuteMacros <MODE:BPSK31>",
                             "ExecuteMacros <BAUDRATE:31>",
                             "SetForeground 42",
                             "Show"};

class CompanionTest : public ::testing::Test {
 protected:
  // Starts normally and forgets the start-up's events.
  void StartRunning() {
    companion.OnLoad();
    ASSERT_TRUE(companion.Running());
    system.events.clear();
  }

  testing::FakeSystem system;
  Companion companion{system, system};
};

TEST_F(CompanionTest, NormalStartSetsBpsk31ThenHandsFocusToHostAndShowsTopmostWindow) {
  companion.OnLoad();

  EXPECT_EQ(system.events, kNormalStart);
  EXPECT_TRUE(companion.Running());
}

TEST_F(CompanionTest, HostNotRunningShowsNotLoadedAndEndsWithoutWindowOrMacro) {
  system.hostRunning = false;

  companion.OnLoad();

  EXPECT_EQ(system.events,
            (Events{"Attach failed", "ShowMessage MixW2 is not loaded", "EndProgram"}));
  EXPECT_TRUE(companion.Ended());
}

TEST_F(CompanionTest, OtherCopyRunningEndsSilentlyAfterAttaching) {
  system.otherCopyRunning = true;

  companion.OnLoad();

  EXPECT_EQ(system.events, (Events{"Attach", "Acquire failed", "EndProgram"}));
}

TEST_F(CompanionTest, HostMissingIsReportedEvenWhenAnotherCopyRuns) {
  system.hostRunning = false;
  system.otherCopyRunning = true;

  companion.OnLoad();

  EXPECT_EQ(system.events,
            (Events{"Attach failed", "ShowMessage MixW2 is not loaded", "EndProgram"}));
}

TEST_F(CompanionTest, HostWindowNotFoundStillSendsMacrosButHandsNoFocus) {
  system.hostWindow = kNoWindow;

  companion.OnLoad();
  companion.OnCommand1Click();

  EXPECT_EQ(system.events, (Events{"Attach", "Acquire", "FindHostWindow", "MakeTopmost",
                                   "ExecuteMacros <MODE:BPSK31>", "ExecuteMacros <BAUDRATE:31>",
                                   "Show", "ExecuteMacros <MODE:CW>"}));
  EXPECT_TRUE(companion.Running());
}

TEST_F(CompanionTest, FailingStartupMacrosAreIgnoredAndTheWindowIsShown) {
  system.failingMacros["<MODE:BPSK31>"] = {-2147417848, "disconnected"};
  system.failingMacros["<BAUDRATE:31>"] = {-2147417848, "disconnected"};

  companion.OnLoad();

  EXPECT_EQ(system.events, kNormalStart);
  EXPECT_TRUE(companion.Running());
}

TEST_F(CompanionTest, TickWhileTheNotLoadedBoxIsOpenDoesNotEndTheProgramEarly) {
  system.hostRunning = false;
  system.duringShowMessage = [this] { companion.OnTimer1Tick(); };

  companion.OnLoad();

  EXPECT_EQ(system.events,
            (Events{"Attach failed", "ShowMessage MixW2 is not loaded", "EndProgram"}));
}

TEST_F(CompanionTest, EachClickSendsItsModeOnceAndHandsFocusBack) {
  StartRunning();

  companion.OnCommand1Click();
  companion.OnCommand1Click();
  companion.OnCommand3Click();
  companion.OnCommand3Click();

  EXPECT_EQ(system.events,
            (Events{"ExecuteMacros <MODE:CW>", "SetForeground 42", "ExecuteMacros <MODE:CW>",
                    "SetForeground 42", "ExecuteMacros <MODE:SSB>", "SetForeground 42",
                    "ExecuteMacros <MODE:SSB>", "SetForeground 42"}));
}

TEST_F(CompanionTest, FailingButtonMacroIsReportedWithCodeAndDescriptionThenEnds) {
  StartRunning();
  system.failingMacros["<MODE:SSB>"] = {static_cast<std::int32_t>(0x800706BA),
                                        "The RPC server is unavailable."};

  companion.OnCommand3Click();
  companion.OnCommand1Click();
  companion.OnTimer1Tick();
  companion.OnUnload();

  EXPECT_EQ(system.events,
            (Events{"ExecuteMacros <MODE:SSB>",
                    "ShowMessage Automation error 0x800706BA\n\nThe RPC server is unavailable.",
                    "EndProgram"}));
  EXPECT_TRUE(companion.Ended());
}

TEST_F(CompanionTest, TickWhileTheErrorBoxIsOpenDoesNotTakeTheReportAway) {
  StartRunning();
  system.failingMacros["<MODE:CW>"] = {1, "refused"};
  system.hostRunning = false;
  system.duringShowMessage = [this] { companion.OnTimer1Tick(); };

  companion.OnCommand1Click();

  EXPECT_EQ(system.events,
            (Events{"ExecuteMacros <MODE:CW>", "ShowMessage Automation error 0x00000001\n\nrefused",
                    "EndProgram"}));
}

TEST_F(CompanionTest, ClicksAndTicksBeforeStartupDoNothing) {
  companion.OnCommand1Click();
  companion.OnCommand3Click();
  companion.OnTimer1Tick();

  EXPECT_TRUE(system.events.empty());
}

TEST_F(CompanionTest, WatchdogAttachesAfreshOnEveryTickWhileTheHostRuns) {
  StartRunning();

  companion.OnTimer1Tick();
  companion.OnTimer1Tick();
  companion.OnTimer1Tick();

  EXPECT_EQ(system.events, (Events{"Attach", "Attach", "Attach"}));
  EXPECT_TRUE(companion.Running());
}

TEST_F(CompanionTest, WatchdogEndsSilentlyOnceTheHostIsGone) {
  StartRunning();
  system.hostRunning = false;

  companion.OnTimer1Tick();
  companion.OnTimer1Tick();
  companion.OnCommand1Click();

  EXPECT_EQ(system.events, (Events{"Attach failed", "EndProgram"}));
}

TEST_F(CompanionTest, CloseLetsGoOfTheHostAndEnds) {
  StartRunning();

  companion.OnUnload();
  companion.OnUnload();
  companion.OnTimer1Tick();

  EXPECT_EQ(system.events, (Events{"Release", "EndProgram"}));
}

TEST_F(CompanionTest, CloseDuringAMacroCallIsCarriedOutAfterTheCall) {
  StartRunning();
  system.duringExecuteMacros = [this] {
    companion.OnUnload();
    companion.OnTimer1Tick();
  };

  companion.OnCommand1Click();

  EXPECT_EQ(system.events,
            (Events{"ExecuteMacros <MODE:CW>", "SetForeground 42", "Release", "EndProgram"}));
}

}  // namespace
}  // namespace zarnik
