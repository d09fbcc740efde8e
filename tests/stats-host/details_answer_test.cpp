// The station-details question answered with OK: on Windows a modal dialog of
// this process is closed with OK, elsewhere standard input holds empty lines.

#include "stats-host/run/details_answer.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>

#include <cstdint>
#include <vector>
#else
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#endif

namespace stats_host {
namespace {

#if defined(_WIN32)

constexpr INT_PTR kTimedOut = 99;
constexpr UINT_PTR kGuardTimer = 1;

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      ::SetTimer(dialog, kGuardTimer, 10000, nullptr);  // never wait for ever
      return TRUE;
    case WM_TIMER:
      ::EndDialog(dialog, kTimedOut);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

// A dialog template in memory: a caption and the buttons OK and CANCEL.
std::vector<WORD> DialogTemplate() {
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
  dialog->style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
  dialog->cdit = 2;
  dialog->cx = 120;
  dialog->cy = 60;
  words.insert(words.end(), {0, 0});  // no menu, the standard class
  for (const wchar_t c : std::wstring(L"Station details")) words.push_back(c);
  words.push_back(0);
  const std::pair<WORD, const wchar_t*> buttons[] = {{IDOK, L"OK"}, {IDCANCEL, L"CANCEL"}};
  short x = 10;
  for (const auto& [id, text] : buttons) {
    if (words.size() % 2 != 0) words.push_back(0);  // items start on a DWORD boundary
    DLGITEMTEMPLATE item{};
    item.style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
    item.x = x;
    item.y = 30;
    item.cx = 40;
    item.cy = 14;
    item.id = id;
    const auto* itemWords = reinterpret_cast<const WORD*>(&item);
    words.insert(words.end(), itemWords, itemWords + sizeof item / sizeof(WORD));
    words.insert(words.end(), {0xFFFF, 0x0080});  // the button class
    for (const wchar_t* c = text; *c != 0; ++c) words.push_back(*c);
    words.insert(words.end(), {0, 0});  // end of text, no creation data
    x += 50;
  }
  return words;
}

INT_PTR ShowDialog() {
  const std::vector<WORD> words = DialogTemplate();
  return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr),
                                   reinterpret_cast<const DLGTEMPLATE*>(words.data()), nullptr,
                                   DialogProcedure, 0);
}

TEST(DetailsAnswer, ConfirmingPressesOkInTheDialogOfThisProcess) {
  const DetailsAnswer confirmation(true);
  EXPECT_EQ(ShowDialog(), IDOK);
  EXPECT_EQ(ShowDialog(), IDOK) << "a second dialog is answered too";
}

#else

ino_t InputFile() {
  struct stat status {};
  return ::fstat(STDIN_FILENO, &status) == 0 ? status.st_ino : 0;
}

TEST(DetailsAnswer, ConfirmingGivesEmptyLinesAndNoOperatorGivesNothing) {
  const ino_t before = InputFile();
  for (const bool confirm : {true, false}) {
    {
      const DetailsAnswer answer(confirm);
      char bytes[4] = {};
      EXPECT_EQ(::read(STDIN_FILENO, bytes, sizeof bytes), confirm ? 4 : 0);
      EXPECT_EQ(std::string(bytes, confirm ? 4 : 0), std::string(confirm ? 4 : 0, '\n'));
      EXPECT_EQ(::isatty(STDIN_FILENO), 0);
    }
    EXPECT_EQ(InputFile(), before);
  }
}

#endif

}  // namespace
}  // namespace stats_host
