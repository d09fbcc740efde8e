// Station details at a reset: the presets from the settings file, what OK
// stores, and what CANCEL leaves; and the dialog's layout against the core's
// table of fields.

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "stats/platform/station_form_layout.h"
#include "stats/station/station_fields.h"
#include "stats/station/station_log.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

using Write = std::tuple<std::string, std::string, std::string, std::string>;

constexpr char kPath[] = "Plugins\\ZORVA.ini";
constexpr char kSection[] = "Settings";

class StationDetailsTest : public ::testing::Test {
 protected:
  void Store(const std::string& key, const std::string& value) {
    platform_.profile[{kPath, kSection, key}] = value;
  }
  // The dialog answers OK after `edit` changed its texts.
  template <typename Edit>
  void AnswerOk(Edit edit) {
    platform_.dialog = [edit](StationDetailsForm& form) {
      edit(form);
      return true;
    };
  }

  testing::FakePlatform platform_;
  StationLog station_;
};

TEST_F(StationDetailsTest, FirstRunPresetsTheHostCallAndFixedTextsAndCancelWritesNothing) {
  platform_.dialog = [](StationDetailsForm& form) {
    form.name = "typed but cancelled";
    return false;
  };
  station_.EditStationDetails(platform_, "UA1AAA");

  ASSERT_EQ(platform_.dialogPresets.size(), 1u);
  const StationDetailsForm& preset = platform_.dialogPresets.front();
  EXPECT_EQ(preset.callSign, "UA1AAA");
  EXPECT_EQ(preset.operators, "UA1AAA");
  EXPECT_EQ(preset.contest, "KESDRA VELK");
  EXPECT_EQ(preset.category, "SOAB-CW-LP");
  for (const std::string* empty : {&preset.claimed, &preset.club, &preset.email, &preset.name,
                                   &preset.soapbox, &preset.address}) {
    EXPECT_EQ(*empty, "");
  }
  EXPECT_TRUE(platform_.profileWrites.empty());
  EXPECT_EQ(station_.details.name, "");
  EXPECT_EQ(station_.details.callSign, "UA1AAA");
  EXPECT_EQ(station_.fileBaseName, "UA1AAA");
}

TEST_F(StationDetailsTest, OkStoresTheEightKeysInOrderWithEscapedLineBreaks) {
  Store("Claimed", "42");
  AnswerOk([](StationDetailsForm& form) {
    form.callSign = "UA1AAA/P";
    form.claimed = "999";
    form.category = "SOAB - MIX - HP";
    form.contest = "OTHER";
    form.name = "Ivan";
    form.address = "Lenina 1\r\nMoscow\r\nRussia";
    form.operators = "UA1AAA UA1BBB";
    form.club = "";
    form.email = "ua1aaa@example.org";
    form.soapbox = "73\r\nGL";
  });
  station_.EditStationDetails(platform_, "UA1AAA");

  const std::vector<Write> expected{
      {kPath, kSection, "Operators", "UA1AAA UA1BBB"},
      {kPath, kSection, "Name", "Ivan"},
      {kPath, kSection, "Address", "Lenina 1<CR><LF>Moscow<CR><LF>Russia"},
      {kPath, kSection, "Category", "SOAB - MIX - HP"},
      {kPath, kSection, "Contest", "OTHER"},
      {kPath, kSection, "Email", "ua1aaa@example.org"},
      {kPath, kSection, "Club", ""},
      {kPath, kSection, "SoapBox", "73<CR><LF>GL"},
  };
  EXPECT_EQ(platform_.profileWrites, expected);

  EXPECT_EQ(station_.details.callSign, "UA1AAA/P");
  EXPECT_EQ(station_.fileBaseName, "UA1AAA");  // from the host's call, not the dialog's
  EXPECT_EQ(station_.details.claimed, "42");   // shown only
  EXPECT_EQ(station_.details.address, "Lenina 1\r\nMoscow\r\nRussia");
  EXPECT_EQ(station_.details.soapbox, "73\r\nGL");
  EXPECT_EQ(station_.details.category, "SOAB - MIX - HP");
}

TEST_F(StationDetailsTest, SavedDetailsComeBackButCategoryAndContestAlwaysStartFixed) {
  Store("Operators", "UA1BBB");
  Store("Name", "Ivan");
  Store("Address", "Lenina 1<CR><LF>Moscow");
  Store("Claimed", "42");
  Store("Email", "e@example.org");
  Store("Club", "RCC");
  Store("SoapBox", "73<CR>GL");
  Store("Category", "MOAB - MIX");
  Store("Contest", "OTHER");
  station_.EditStationDetails(platform_, "UA1AAA");

  ASSERT_EQ(platform_.dialogPresets.size(), 1u);
  const StationDetailsForm& preset = platform_.dialogPresets.front();
  EXPECT_EQ(preset.callSign, "UA1AAA");
  EXPECT_EQ(preset.operators, "UA1BBB");
  EXPECT_EQ(preset.name, "Ivan");
  EXPECT_EQ(preset.address, "Lenina 1\r\nMoscow");
  EXPECT_EQ(preset.claimed, "42");
  EXPECT_EQ(preset.email, "e@example.org");
  EXPECT_EQ(preset.club, "RCC");
  EXPECT_EQ(preset.soapbox, "73\rGL");
  EXPECT_EQ(preset.category, "SOAB-CW-LP");
  EXPECT_EQ(preset.contest, "KESDRA VELK");
}

TEST_F(StationDetailsTest, StoredValuesAreCutTo9999Characters) {
  Store("Name", std::string(9998, 'n') + "xyz");
  Store("Address", std::string(9995, 'a') + "<CR><LF>b");
  station_.EditStationDetails(platform_, "UA1AAA");
  const StationDetailsForm& preset = platform_.dialogPresets.front();
  EXPECT_EQ(preset.name, std::string(9998, 'n') + "x");
  EXPECT_EQ(preset.address, std::string(9995, 'a') + "\r");  // the cut falls after "<CR>"
}

TEST_F(StationDetailsTest, AfterCancelTheLoadedMultiLineDetailsAreTaggedInTheCabrilloLog) {
  const testing::ScopedWorkingDirectory directory;
  Store("Address", "Lenina 1<CR><LF>Moscow");
  Store("SoapBox", "73<CR><LF>GL");
  Store("Operators", "UA1BBB");
  station_.EditStationDetails(platform_, "UA1AAA");

  EXPECT_EQ(station_.details.address, "Lenina 1\r\nMoscow");
  EXPECT_EQ(station_.details.operators, "UA1BBB");
  EXPECT_TRUE(platform_.profileWrites.empty());
  station_.WriteCabrilloFile(platform_, 0, QsoStore());
  const std::string log = testing::ReadFileBytes("UA1AAA.cbr");
  EXPECT_NE(log.find("\r\nADDRESS: Lenina 1\r\nADDRESS: Moscow\r\n"), std::string::npos);
  EXPECT_NE(log.find("\r\nSOAPBOX: 73\r\nSOAPBOX: GL\r\nEND-OF-LOG:\r\n"), std::string::npos);
}

TEST_F(StationDetailsTest, TypedCrMarkIsStoredAsTypedAndReturnsAsACarriageReturn) {
  AnswerOk([](StationDetailsForm& form) { form.soapbox = "73<CR>GL"; });
  station_.EditStationDetails(platform_, "UA1AAA");
  EXPECT_EQ((platform_.profile[{kPath, kSection, "SoapBox"}]), "73<CR>GL");

  platform_.dialog = [](StationDetailsForm&) { return false; };
  station_.EditStationDetails(platform_, "UA1AAA");
  EXPECT_EQ(platform_.dialogPresets.back().soapbox, "73\rGL");
}

// The Win32 dialog exchanges its data in the order of this table, which must be
// the order of the form's members: CALLSIGN, CLAIMED, CLUB, CATEGORY, CONTEST,
// E-MAIL, NAME, OPERATORS, SOAPBOX, ADDRESS.
TEST(StationFields, TheDialogExchangesTheFieldsInTheirOrderAndEachOnce) {
  struct Row {
    std::string StationDetailsForm::*text;
    int controlId;
  };
  const Row expected[] = {
      {&StationDetailsForm::callSign, 1010}, {&StationDetailsForm::claimed, 1008},
      {&StationDetailsForm::club, 1005},     {&StationDetailsForm::category, 1013},
      {&StationDetailsForm::contest, 1009},  {&StationDetailsForm::email, 1004},
      {&StationDetailsForm::name, 1007},     {&StationDetailsForm::operators, 1006},
      {&StationDetailsForm::soapbox, 1001},  {&StationDetailsForm::address, 1002},
  };
  ASSERT_EQ(std::size(expected), kFormFields.size());
  for (std::size_t i = 0; i < kFormFields.size(); ++i) {
    EXPECT_TRUE(kFormFields[i].text == expected[i].text) << "row " << i;
    EXPECT_EQ(kFormFields[i].controlId, expected[i].controlId) << "row " << i;
  }
  // The core keeps several lines where the dialog edits several.
  for (const StationField& field : kStationFields) {
    for (const FormField& formField : kFormFields) {
      if (formField.text == field.text) {
        EXPECT_EQ(formField.kind == FieldKind::kLines, field.lines == Lines::kSeveral)
            << formField.label;
      }
    }
  }
}

}  // namespace
}  // namespace stats
