// Shows the station dialog with sample details for a screenshot: writes the
// dialog's screen rectangle to the file named by the first argument, waits
// until the file named by the second exists, then cancels the dialog.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "stats/platform/win32_station_dialog.h"
#include "tests/platform/dialog_driver.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: station_dialog_demo RECT_FILE DONE_FILE\n");
    return 2;
  }
  const std::string rectFile = argv[1];
  const std::string doneFile = argv[2];

  std::thread photographer([&] {
    HWND dialog = nullptr;
    for (int attempt = 0; attempt < 3000 && dialog == nullptr; ++attempt) {
      dialog = stats::testing::FindOwnStationDialog();
      if (dialog == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (dialog == nullptr) return;
    RECT rect{};
    GetWindowRect(dialog, &rect);
    if (std::FILE* out = std::fopen(rectFile.c_str(), "w")) {
      std::fprintf(out, "%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top,
                   rect.left, rect.top);
      std::fclose(out);
    }
    for (int attempt = 0; attempt < 6000 && !std::filesystem::exists(doneFile); ++attempt) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });

  stats::StationDetailsForm form;
  form.callSign = "UA1AAA";
  form.claimed = "1240";
  form.club = "Russian Contest Club";
  form.category = "SOAB-CW-LP";
  form.contest = "KESDRA VELK";
  form.email = "ua1aaa@example.org";
  form.name = "Ivan Petrov";
  form.operators = "UA1AAA";
  form.soapbox = "73!\r\nTnx for the contest";
  form.address = "ul. Lenina 1\r\nSt. Petersburg\r\nRussia";
  stats::ShowStationDetailsDialog(form);
  photographer.join();
  return 0;
}
