// The Windows station dialog, shown for real and operated by a second thread,
// and its template as the resources hold it.

#include "stats/platform/win32_station_dialog.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "tests/platform/dialog_driver.h"

namespace stats {
namespace {

using testing::DialogOperator;
using testing::OperatorActions;

StationDetailsForm Presets() {
  StationDetailsForm form;
  form.callSign = "UA1AAA";
  form.claimed = "42";
  form.club = "RCC";
  form.category = "SOAB - SSB - HP";
  form.contest = "KESDRA VELK";
  form.email = "e@example.org";
  form.name = std::string(20000, 'n');  // longer than any fixed buffer would be
  form.operators = "UA1AAA UA1BBB";
  form.soapbox = "73\r\nGL";
  form.address = "Lenina 1\r\nMoscow\r\nRussia";
  return form;
}

TEST(Win32StationDialog, ShowsThePresetsAndOkReturnsAllTenTexts) {
  StationDetailsForm form = Presets();
  OperatorActions actions;
  actions.typed = {{IDC_CALLSIGN, "UA1AAA/P"}, {IDC_CLAIMED, "999"},    {IDC_CLUB, ""},
                   {IDC_CONTEST, "OTHER"},     {IDC_EMAIL, "x@y.z"},    {IDC_NAME, "Ivan"},
                   {IDC_OPERATORS, "UA1CCC"},  {IDC_SOAPBOX, "a\r\nb"}, {IDC_ADDRESS, "c\r\nd"}};
  actions.categoryIndex = 6;
  DialogOperator driver(actions);
  const bool confirmed = ShowStationDetailsDialog(form);
  const auto& seen = driver.Seen();

  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.texts.at(IDC_CALLSIGN), "UA1AAA");
  EXPECT_EQ(seen.texts.at(IDC_CLAIMED), "42");
  EXPECT_EQ(seen.texts.at(IDC_CLUB), "RCC");
  EXPECT_EQ(seen.texts.at(IDC_CATEGORY), "SOAB - SSB - HP");
  EXPECT_EQ(seen.texts.at(IDC_CONTEST), "KESDRA VELK");
  EXPECT_EQ(seen.texts.at(IDC_EMAIL), "e@example.org");
  EXPECT_EQ(seen.texts.at(IDC_NAME), std::string(20000, 'n'));
  EXPECT_EQ(seen.texts.at(IDC_OPERATORS), "UA1AAA UA1BBB");
  EXPECT_EQ(seen.texts.at(IDC_SOAPBOX), "73\r\nGL");
  EXPECT_EQ(seen.texts.at(IDC_ADDRESS), "Lenina 1\r\nMoscow\r\nRussia");
  EXPECT_EQ(
      seen.categoryItems,
      (std::vector<std::string>{"SOAB-CW-LP", "SOAB-CW-HP", "SOAB - SSB - LP", "SOAB - SSB - HP",
                                "SOAB - MIX - LP", "SOAB - MIX - HP", "MOAB - MIX"}));

  ASSERT_TRUE(confirmed);
  EXPECT_EQ(form.callSign, "UA1AAA/P");
  EXPECT_EQ(form.claimed, "999");
  EXPECT_EQ(form.club, "");
  EXPECT_EQ(form.category, "MOAB - MIX");
  EXPECT_EQ(form.contest, "OTHER");
  EXPECT_EQ(form.email, "x@y.z");
  EXPECT_EQ(form.name, "Ivan");
  EXPECT_EQ(form.operators, "UA1CCC");
  EXPECT_EQ(form.soapbox, "a\r\nb");
  EXPECT_EQ(form.address, "c\r\nd");
}

TEST(Win32StationDialog, ACategoryOutsideTheListStandsInTheEditPart) {
  StationDetailsForm form = Presets();
  form.category = "soab-cw-lp";  // the list is searched without regard to case
  DialogOperator driver(OperatorActions{});
  EXPECT_TRUE(ShowStationDetailsDialog(form));
  EXPECT_EQ(driver.Seen().texts.at(IDC_CATEGORY), "soab-cw-lp");
  EXPECT_EQ(form.category, "soab-cw-lp");
}

TEST(Win32StationDialog, CancelLeavesTheFormUnchanged) {
  StationDetailsForm form = Presets();
  OperatorActions actions;
  actions.typed = {{IDC_NAME, "typed"}, {IDC_CALLSIGN, "UA1BBB"}};
  actions.button = IDCANCEL;
  DialogOperator driver(actions);
  EXPECT_FALSE(ShowStationDetailsDialog(form));
  ASSERT_TRUE(driver.Seen().found);
  EXPECT_EQ(form.name, std::string(20000, 'n'));
  EXPECT_EQ(form.callSign, "UA1AAA");
}

// --- The template ----------------------------------------------------------

// Reads a DLGTEMPLATE (the classic form windres writes) word by word.
class TemplateReader {
 public:
  explicit TemplateReader(const void* data) : at_(static_cast<const WORD*>(data)) {}
  WORD Word() { return *at_++; }
  DWORD Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  short Short() { return static_cast<short>(Word()); }
  // A name or an ordinal: ordinals come back as "#<number>".
  std::string NameOrOrdinal() {
    if (*at_ == 0xFFFF) {
      ++at_;
      return "#" + std::to_string(Word());
    }
    std::string text;
    for (WORD c = Word(); c != 0; c = Word()) text += static_cast<char>(c);
    return text;
  }
  void AlignToDword() {
    if (reinterpret_cast<std::uintptr_t>(at_) % 4 != 0) ++at_;
  }
  void Skip(std::size_t bytes) { at_ += (bytes + 1) / 2; }

 private:
  const WORD* at_;
};

// A predefined window class, stored either as its ordinal or as its name in any case.
std::string ClassName(std::string stored) {
  static const std::pair<const char*, const char*> kOrdinals[] = {
      {"#128", "BUTTON"}, {"#129", "EDIT"}, {"#130", "STATIC"}, {"#133", "COMBOBOX"}};
  for (const auto& [ordinal, name] : kOrdinals) {
    if (stored == ordinal) return name;
  }
  for (char& c : stored) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return stored;
}

struct ControlLayout {
  int id;
  std::string windowClass;
  std::string text;
  short x, y, cx, cy;
  DWORD style;

  bool operator==(const ControlLayout&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ControlLayout& c) {
  return out << c.id << " " << c.windowClass << " \"" << c.text << "\" " << c.x << "," << c.y << " "
             << c.cx << "x" << c.cy << " style 0x" << std::hex << c.style << std::dec;
}

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kLine = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kLines = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_LEFT | ES_MULTILINE |
                         ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
constexpr int kNoId = 0xFFFF;
const std::string kButtonClass = "BUTTON", kEditClass = "EDIT", kStaticClass = "STATIC",
                  kComboClass = "COMBOBOX";

TEST(Win32StationDialog, TemplateHasTheDesignedLayoutInRussian) {
  HMODULE module = nullptr;
  ASSERT_TRUE(GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&ShowStationDetailsDialog), &module));
  const HRSRC resource = FindResourceExA(module, MAKEINTRESOURCEA(5) /* RT_DIALOG */,
                                         MAKEINTRESOURCEA(IDD_STATION_DETAILS),
                                         MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT));
  ASSERT_NE(resource, nullptr);
  TemplateReader reader(LockResource(LoadResource(module, resource)));

  const DWORD style = reader.Dword();
  EXPECT_EQ(style, static_cast<DWORD>(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                      WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  reader.Dword();  // extended style
  const WORD count = reader.Word();
  const short x = reader.Short(), y = reader.Short(), cx = reader.Short(), cy = reader.Short();
  EXPECT_EQ((std::vector<short>{x, y, cx, cy}), (std::vector<short>{3, 1, 255, 213}));
  EXPECT_EQ(reader.NameOrOrdinal(), "");  // no menu
  EXPECT_EQ(reader.NameOrOrdinal(), "");  // the standard dialog class
  EXPECT_EQ(reader.NameOrOrdinal(), "Kesdra Velk");
  EXPECT_EQ(reader.Word(), 8);
  EXPECT_EQ(reader.NameOrOrdinal(), "MS Sans Serif");

  std::vector<ControlLayout> controls;
  for (WORD i = 0; i < count; ++i) {
    reader.AlignToDword();
    ControlLayout control{};
    control.style = reader.Dword();
    reader.Dword();
    control.x = reader.Short();
    control.y = reader.Short();
    control.cx = reader.Short();
    control.cy = reader.Short();
    control.id = reader.Word();
    control.windowClass = ClassName(reader.NameOrOrdinal());
    control.text = reader.NameOrOrdinal();
    reader.Skip(reader.Word());
    controls.push_back(control);
  }

  const std::vector<ControlLayout> expected{
      {kNoId, kStaticClass, "CONTEST", 10, 10, 44, 8, kLabel},
      {IDC_CONTEST, kEditClass, "", 55, 9, 190, 12, kLine},
      {kNoId, kStaticClass, "CALLSIGN", 9, 25, 45, 8, kLabel},
      {IDC_CALLSIGN, kEditClass, "", 55, 23, 88, 12, kLine},
      {kNoId, kStaticClass, "CLAIMED", 149, 25, 34, 8, kLabel},
      {IDC_CLAIMED, kEditClass, "", 184, 23, 61, 12, kLine},
      {kNoId, kStaticClass, "CATEGORY", 9, 41, 46, 8, kLabel},
      {IDC_CATEGORY, kComboClass, "", 56, 38, 69, 47,
       WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN},
      {kNoId, kStaticClass, "NAME", 10, 55, 44, 8, kLabel},
      {IDC_NAME, kEditClass, "", 55, 55, 191, 12, kLine},
      {kNoId, kStaticClass, "ADDRESS", 10, 78, 44, 8, kLabel},
      {IDC_ADDRESS, kEditClass, "", 55, 70, 191, 26, kLines},
      {kNoId, kStaticClass, "OPERATORS", 10, 101, 44, 8, kLabel},
      {IDC_OPERATORS, kEditClass, "", 55, 100, 191, 12, kLine},
      {kNoId, kStaticClass, "CLUB", 10, 117, 44, 8, kLabel},
      {IDC_CLUB, kEditClass, "", 55, 115, 191, 12, kLine},
      {kNoId, kStaticClass, "SOAPBOX", 10, 140, 44, 8, kLabel},
      {IDC_SOAPBOX, kEditClass, "", 55, 130, 191, 31, kLines | WS_TABSTOP},
      {kNoId, kStaticClass, "E-MAIL", 10, 166, 44, 8, kLabel},
      {IDC_EMAIL, kEditClass, "", 55, 165, 191, 12, kLine},
      {IDOK, kButtonClass, "OK", 80, 185, 51, 21, kButton},
      {IDCANCEL, kButtonClass, "CANCEL", 145, 185, 46, 21, kButton},
  };
  ASSERT_EQ(controls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(controls[i], expected[i]) << i;
}

}  // namespace
}  // namespace stats
