// The companion Zarnik against the test host, each in a process of its own.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "companion/resources/resource.h"
#include "e2e_support.h"

namespace zarnik::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string kZarnik = WindowsPath(ZARNIK_EXE);
const std::string kHostDouble = WindowsPath(HOST_DOUBLE_EXE);
constexpr char kFormClass[] = "Form1";
constexpr char kMessageBoxClass[] = "#32770";
constexpr int kMessageBoxTextId = 0xFFFF;

bool IsHostWindow(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return std::string(name).rfind("Afx:400000:b:10011", 0) == 0 && IsWindowVisible(window);
}

class CompanionEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    char path[MAX_PATH] = {};
    GetTempFileNameA(folder, "mac", 0, path);
    macroLog_ = path;
    DeleteFileA(path);  // the test host creates it at its first macro
  }

  void TearDown() override {
    companions_.clear();
    host_.reset();
    DeleteFileA(macroLog_.c_str());
  }

  // Starts the test host and waits until its object can be found.
  void StartHost(const std::string& options = "") {
    host_ = std::make_unique<ChildProcess>(kHostDouble + " \"" + macroLog_ + "\" " + options);
    ASSERT_TRUE(host_->Started());
    hostWindow_ = WaitForWindow(host_->Id(), "", IsHostWindow);
    ASSERT_NE(hostWindow_, nullptr) << "the test host did not come up";
  }

  ChildProcess& StartCompanion() {
    companions_.push_back(std::make_unique<ChildProcess>(kZarnik));
    EXPECT_TRUE(companions_.back()->Started());
    return *companions_.back();
  }

  // Starts a companion and waits for its window to be shown.
  HWND StartRunningCompanion() {
    const ChildProcess& companion = StartCompanion();
    const HWND form = WaitForWindow(companion.Id(), kFormClass);
    EXPECT_NE(form, nullptr) << "the companion's window was not shown";
    EXPECT_EQ(WaitForLines(macroLog_, 2).size(), 2u);
    return form;
  }

  Lines Macros() const { return ReadLines(macroLog_); }

  std::string macroLog_;
  std::unique_ptr<ChildProcess> host_;
  HWND hostWindow_ = nullptr;
  std::vector<std::unique_ptr<ChildProcess>> companions_;
};

TEST_F(CompanionEndToEnd, NormalStartSetsBpsk31AndShowsTheTopmostWindow) {
  StartHost();
  const HWND form = StartRunningCompanion();
  ASSERT_NE(form, nullptr);

  EXPECT_EQ(Macros(), (Lines{"<MODE:BPSK31>", "<BAUDRATE:31>"}));
  EXPECT_EQ(WindowText(form), "Kesdra Velk     ");
  EXPECT_NE(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right - client.left, 150);
  EXPECT_EQ(client.bottom - client.top, 40);
  EXPECT_EQ(WindowText(GetDlgItem(form, IDC_COMMAND1)), "CW");
  EXPECT_EQ(WindowText(GetDlgItem(form, IDC_COMMAND3)), "SSB");
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == hostWindow_; }))
      << "the focus was not handed to the host";
}

TEST_F(CompanionEndToEnd, EveryClickSendsItsModeOnceAndHandsTheFocusBack) {
  StartHost();
  const HWND form = StartRunningCompanion();
  ASSERT_NE(form, nullptr);
  const HWND cw = GetDlgItem(form, IDC_COMMAND1);
  const HWND ssb = GetDlgItem(form, IDC_COMMAND3);

  SetForegroundWindow(form);
  PostMessageA(cw, BM_CLICK, 0, 0);
  ASSERT_EQ(WaitForLines(macroLog_, 3).size(), 3u);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == hostWindow_; }));
  PostMessageA(cw, BM_CLICK, 0, 0);
  PostMessageA(ssb, BM_CLICK, 0, 0);
  PostMessageA(form, WM_COMMAND, MAKEWPARAM(IDC_COMMAND3, BN_CLICKED),
               reinterpret_cast<LPARAM>(ssb));

  EXPECT_EQ(WaitForLines(macroLog_, 6), (Lines{"<MODE:BPSK31>", "<BAUDRATE:31>", "<MODE:CW>",
                                               "<MODE:CW>", "<MODE:SSB>", "<MODE:SSB>"}));
}

TEST_F(CompanionEndToEnd, SecondCopyEndsSilentlyWhileTheFirstCarriesOn) {
  StartHost();
  const HWND form = StartRunningCompanion();
  ASSERT_NE(form, nullptr);

  const ChildProcess& second = StartCompanion();
  EXPECT_EQ(second.WaitForExit(), 0u) << "the second copy did not end by itself";
  EXPECT_EQ(Macros(), (Lines{"<MODE:BPSK31>", "<BAUDRATE:31>"}));

  PostMessageA(GetDlgItem(form, IDC_COMMAND3), BM_CLICK, 0, 0);
  EXPECT_EQ(WaitForLines(macroLog_, 3).back(), "<MODE:SSB>");
  EXPECT_TRUE(companions_.front()->Running());
}

TEST_F(CompanionEndToEnd, WithoutHostShowsNotLoadedAndNoWindow) {
  const ChildProcess& companion = StartCompanion();

  const HWND box = WaitForWindow(companion.Id(), kMessageBoxClass);
  ASSERT_NE(box, nullptr) << "no message box";
  char text[256] = {};
  GetDlgItemTextA(box, kMessageBoxTextId, text, sizeof text);
  EXPECT_STREQ(text, "MixW2 is not loaded");
  EXPECT_EQ(WindowText(box), "Zarnik");
  for (const HWND form : WindowsOf(companion.Id(), kFormClass)) {
    EXPECT_FALSE(IsWindowVisible(form));
  }

  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(companion.WaitForExit(), 0u);
  EXPECT_TRUE(Macros().empty());
}

TEST_F(CompanionEndToEnd, EndsSilentlyWhenTheHostEnds) {
  StartHost();
  ASSERT_NE(StartRunningCompanion(), nullptr);

  host_->CloseWindows();
  ASSERT_TRUE(host_->WaitForExit().has_value());

  EXPECT_EQ(companions_.front()->WaitForExit(), 0u) << "the companion outlived the host";
}

TEST_F(CompanionEndToEnd, EndsWhenTheHostIsKilled) {
  StartHost();
  ASSERT_NE(StartRunningCompanion(), nullptr);

  host_->Kill();

  EXPECT_EQ(companions_.front()->WaitForExit(), 0u) << "the companion outlived the host";
}

TEST_F(CompanionEndToEnd, ClosingTheWindowEndsTheCompanionAndLeavesTheHostRunning) {
  StartHost();
  const HWND form = StartRunningCompanion();
  ASSERT_NE(form, nullptr);

  PostMessageA(form, WM_CLOSE, 0, 0);

  EXPECT_EQ(companions_.front()->WaitForExit(), 0u);
  EXPECT_TRUE(host_->Running());
}

TEST_F(CompanionEndToEnd, RefusedStartupMacrosAreIgnoredButARefusedClickIsReported) {
  StartHost("--refuse");
  const HWND form = StartRunningCompanion();
  ASSERT_NE(form, nullptr);
  const ChildProcess& companion = *companions_.front();

  PostMessageA(GetDlgItem(form, IDC_COMMAND1), BM_CLICK, 0, 0);

  const HWND box = WaitForWindow(companion.Id(), kMessageBoxClass);
  ASSERT_NE(box, nullptr) << "the failure was not reported";
  char text[256] = {};
  GetDlgItemTextA(box, kMessageBoxTextId, text, sizeof text);
  EXPECT_STREQ(text, "Automation error 0x80041234\n\nMacro refused by the test host");
  EXPECT_EQ(WindowText(box), "Zarnik");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(companion.WaitForExit(), 0u);
  EXPECT_EQ(Macros(), (Lines{"<MODE:BPSK31>", "<BAUDRATE:31>", "<MODE:CW>"}));
}

std::string VersionString(const std::vector<char>& info, const std::string& name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string key = "\\StringFileInfo\\040904B0\\" + name;
  if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
      value == nullptr) {
    return "(missing)";
  }
  return value;
}

TEST(CompanionProgram, VersionResourceNamesZarnik100) {
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeA(kZarnik.c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(
      GetFileVersionInfoA(kZarnik.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

  EXPECT_EQ(VersionString(info, "FileVersion"), "1.00");
  EXPECT_EQ(VersionString(info, "ProductVersion"), "1.00");
  EXPECT_EQ(VersionString(info, "InternalName"), "Zarnik");
  EXPECT_EQ(VersionString(info, "OriginalFilename"), "Zarnik.exe");
}

}  // namespace
}  // namespace zarnik::testing
