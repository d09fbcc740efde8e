// One suite for profile-file access, run against our own implementation and
// against the system platform: in the Windows build that is the Win32 profile
// functions, so under wine our implementation is checked against the platform's.
// Cases in which wine's output differs from what Windows documents are kept for
// our implementation only, at the end of this file.

#include "stats/platform/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>

#include "stats/platform/platform.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace {

using stats::testing::ReadFileBytes;
using stats::testing::TempDir;
using stats::testing::WriteFileBytes;

constexpr std::size_t kSettingsBuffer = 10000;

struct ProfileBackend {
  std::string name;
  char separator;  // folder separator of the paths it takes
  std::function<std::string(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& defaultValue,
                            std::size_t bufferSize)>
      read;
  std::function<bool(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value)>
      write;
};

void PrintTo(const ProfileBackend& backend, std::ostream* out) { *out << backend.name; }

// Our implementation replaces the file through the system platform.
ProfileBackend OurBackend() {
  std::shared_ptr<stats::Platform> platform = stats::MakeSystemPlatform();
  return {"ProfileFile", '/', stats::ReadProfileFile,
          [platform](const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) {
            return stats::WriteProfileFile(*platform, path, section, key, value);
          }};
}

ProfileBackend SystemBackend() {
  std::shared_ptr<stats::Platform> platform = stats::MakeSystemPlatform();
#ifdef _WIN32
  const char* name = "Win32";
#else
  const char* name = "Posix";
#endif
  return {name, '\\',
          [platform](const std::string& path, const std::string& section, const std::string& key,
                     const std::string& defaultValue, std::size_t bufferSize) {
            return platform->ReadProfileValue(section, key, defaultValue, path, bufferSize);
          },
          [platform](const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) {
            return platform->WriteProfileValue(section, key, value, path);
          }};
}

class ProfileFunctions : public ::testing::TestWithParam<ProfileBackend> {
 protected:
  std::string Read(const std::string& section, const std::string& key,
                   const std::string& defaultValue = "DEF",
                   std::size_t bufferSize = kSettingsBuffer) const {
    return GetParam().read(path_, section, key, defaultValue, bufferSize);
  }
  bool Write(const std::string& section, const std::string& key, const std::string& value) const {
    return GetParam().write(path_, section, key, value);
  }
  void GivenFile(const std::string& bytes) const { WriteFileBytes(bytesPath_, bytes); }
  std::string FileBytes() const {
    return std::filesystem::exists(bytesPath_) ? ReadFileBytes(bytesPath_) : "<no file>";
  }

  const TempDir folder_;
  const std::string path_ = folder_.Path("ZORVA.ini", GetParam().separator);
  const std::string bytesPath_ = folder_.Path("ZORVA.ini");
};

TEST_P(ProfileFunctions, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(Read("Settings", "Name"), "DEF");
  GivenFile("[Other]\r\nName=Bob\r\n[Settings]\r\nClub=RRC\r\n");
  EXPECT_EQ(Read("Nope", "Name"), "DEF");
  EXPECT_EQ(Read("Settings", "Name"), "DEF");
  EXPECT_EQ(Read("Settings", "Name", ""), "");
}

TEST_P(ProfileFunctions, DefaultLosesItsTrailingSpacesOnly) {
  EXPECT_EQ(Read("Settings", "Operators", "UA1AAA  "), "UA1AAA");
  EXPECT_EQ(Read("Settings", "Operators", "  UA1AAA"), "  UA1AAA");
}

TEST_P(ProfileFunctions, FindsSectionAndKeyIgnoringCase) {
  GivenFile("[settings]\r\nOPERATORS=UA1AAA\r\nsoapbox=73\r\n");
  EXPECT_EQ(Read("Settings", "Operators"), "UA1AAA");
  EXPECT_EQ(Read("SETTINGS", "SoapBox"), "73");
}

TEST_P(ProfileFunctions, IgnoresBlanksAroundKeyAndValue) {
  GivenFile("[Settings]\r\n  Name \t=  Ivan Petrov \t\r\nEmail=\r\n");
  EXPECT_EQ(Read("Settings", "Name"), "Ivan Petrov");
  EXPECT_EQ(Read("Settings", "Email"), "") << "an empty value is a value, not a missing key";
}

TEST_P(ProfileFunctions, DropsOneMatchingPairOfQuotes) {
  GivenFile(
      "[Settings]\r\nA=\"double\"\r\nB='single'\r\nC=\"mixed'\r\nD=\"\"\r\nE=\"\r\n"
      "F=\"in \"side\"\r\nG=x\"y\"\r\n");
  EXPECT_EQ(Read("Settings", "A"), "double");
  EXPECT_EQ(Read("Settings", "B"), "single");
  EXPECT_EQ(Read("Settings", "C"), "\"mixed'");
  EXPECT_EQ(Read("Settings", "D"), "");
  EXPECT_EQ(Read("Settings", "E"), "\"");
  EXPECT_EQ(Read("Settings", "F"), "in \"side");
  EXPECT_EQ(Read("Settings", "G"), "x\"y\"");
}

TEST_P(ProfileFunctions, CommentLinesHoldNoKeys) {
  GivenFile("[Settings]\r\n;Name=Old\r\nName=New\r\n; Club=RRC\r\n");
  EXPECT_EQ(Read("Settings", "Name"), "New");
  EXPECT_EQ(Read("Settings", "Club"), "DEF");
}

TEST_P(ProfileFunctions, ReadsFilesWithLfLineEnds) {
  GivenFile("[Other]\nName=Bob\n[Settings]\nName=Ivan\nClub=RRC");
  EXPECT_EQ(Read("Settings", "Name"), "Ivan");
  EXPECT_EQ(Read("Settings", "Club"), "RRC");
}

TEST_P(ProfileFunctions, CutsTheValueToTheBufferSize) {
  GivenFile("[Settings]\r\nSoapBox=" + std::string(12000, 'x') + "\r\nName=\"quoted\"\r\n");
  EXPECT_EQ(Read("Settings", "SoapBox"), std::string(9999, 'x'));
  EXPECT_EQ(Read("Settings", "Name", "", 5), "quot") << "quotes go before the cut";
  EXPECT_EQ(Read("Settings", "Name", "", 1), "");
  EXPECT_EQ(Read("Settings", "Name", "", 0), "");
  EXPECT_EQ(Read("Settings", "Missing", "default", 4), "def");
}

TEST_P(ProfileFunctions, WriteCreatesTheFile) {
  ASSERT_TRUE(Write("Settings", "Operators", "UA1AAA"));
  EXPECT_EQ(FileBytes(), "[Settings]\r\nOperators=UA1AAA\r\n");
  EXPECT_EQ(Read("Settings", "Operators"), "UA1AAA");
}

TEST_P(ProfileFunctions, WriteReplacesTheValueWhereItStands) {
  GivenFile("; station\r\n[Settings]\r\n;old name below\r\nname=Old\r\nClub=RRC\r\n[Other]\r\n");
  ASSERT_TRUE(Write("SETTINGS", "Name", "New"));
  EXPECT_EQ(FileBytes(),
            "; station\r\n[Settings]\r\n;old name below\r\nname=New\r\nClub=RRC\r\n[Other]\r\n");
}

TEST_P(ProfileFunctions, WriteAppendsANewKeyToItsSection) {
  GivenFile("[Settings]\r\nName=Ivan\r\n[Other]\r\nX=1\r\n");
  ASSERT_TRUE(Write("Settings", "Club", "RRC"));
  EXPECT_EQ(FileBytes(), "[Settings]\r\nName=Ivan\r\nClub=RRC\r\n[Other]\r\nX=1\r\n");
}

TEST_P(ProfileFunctions, WriteAppendsAnEmptySectionsFirstKeyAfterItsHeader) {
  GivenFile("[Settings]\r\n[Other]\r\nX=1\r\n");
  ASSERT_TRUE(Write("Settings", "Club", "RRC"));
  EXPECT_EQ(FileBytes(), "[Settings]\r\nClub=RRC\r\n[Other]\r\nX=1\r\n");
}

// Windows and wine put no blank line before a section they add.
TEST_P(ProfileFunctions, WriteAppendsANewSectionAtTheEnd) {
  GivenFile("[Other]\r\nX=1");
  ASSERT_TRUE(Write("Settings", "Claimed", "42"));
  EXPECT_EQ(FileBytes(), "[Other]\r\nX=1\r\n[Settings]\r\nClaimed=42\r\n");
}

TEST_P(ProfileFunctions, WriteLeavesAnEqualKeyOfAnotherSectionAlone) {
  GivenFile("[Other]\r\nName=Bob\r\n[Settings]\r\nClub=RRC\r\n");
  ASSERT_TRUE(Write("Settings", "Name", "Ivan"));
  ASSERT_TRUE(Write("Other", "Club", "CQ"));
  EXPECT_EQ(FileBytes(),
            "[Other]\r\nName=Bob\r\nClub=CQ\r\n[Settings]\r\nClub=RRC\r\nName=Ivan\r\n");
}

TEST_P(ProfileFunctions, KeysWrittenInOrderStayInOrder) {
  const char* const keys[] = {"Operators", "Name",  "Address", "Category",
                              "Contest",   "Email", "Club",    "SoapBox"};
  for (const char* key : keys) ASSERT_TRUE(Write("Settings", key, std::string(key) + "1"));
  for (const char* key : keys) ASSERT_TRUE(Write("Settings", key, std::string(key) + "2"));
  ASSERT_TRUE(Write("Settings", "Claimed", "42"));
  EXPECT_EQ(FileBytes(),
            "[Settings]\r\nOperators=Operators2\r\nName=Name2\r\nAddress=Address2\r\n"
            "Category=Category2\r\nContest=Contest2\r\nEmail=Email2\r\nClub=Club2\r\n"
            "SoapBox=SoapBox2\r\nClaimed=42\r\n");
}

TEST_P(ProfileFunctions, EightBitBytesPassThrough) {
  // "Иван Петров, г. Москва" and "№" in Windows-1251.
  const std::string value =
      "\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2, \xE3. \xCC\xEE\xF1\xEA\xE2\xE0 \xB9";
  ASSERT_TRUE(Write("Settings", "Name", value));
  EXPECT_EQ(FileBytes(), "[Settings]\r\nName=" + value + "\r\n");
  EXPECT_EQ(Read("Settings", "Name"), value);
  EXPECT_EQ(Read("Settings", "Missing", value), value);
}

TEST_P(ProfileFunctions, WriteIntoAMissingFolderFailsAndCreatesNothing) {
  const std::string sep(1, GetParam().separator);
  const std::string folder = folder_.Path("missing", GetParam().separator);
  EXPECT_FALSE(GetParam().write(folder + sep + "ZORVA.ini", "Settings", "Name", "Ivan"));
  EXPECT_FALSE(std::filesystem::exists(folder_.Path("missing")));
}

INSTANTIATE_TEST_SUITE_P(Backends, ProfileFunctions,
                         ::testing::Values(OurBackend(), SystemBackend()),
                         [](const auto& info) { return info.param.name; });

// Our implementation only: it keeps every line it does not change, as Windows
// does, where wine rewrites the whole file from what it parsed (dropping blank
// lines and the blanks around "=", and counting comments as keys); and failures
// that can not be set up for the system's functions.
class OurProfileFile : public ::testing::Test {
 protected:
  bool Write(const std::string& section, const std::string& key, const std::string& value) {
    return stats::WriteProfileFile(*platform_, path_, section, key, value);
  }

  const std::unique_ptr<stats::Platform> platform_ = stats::MakeSystemPlatform();
  const TempDir folder_;
  const std::string path_ = folder_.Path("ZORVA.ini");
};

TEST_F(OurProfileFile, KeepsBlankLinesAndTheLayoutOfOtherLines) {
  WriteFileBytes(
      path_, "; top\r\n\r\n[Settings]\r\n  Name = Old  \r\n\r\n  Club = RRC\r\n\r\n[Other]\r\n");
  ASSERT_TRUE(Write("Settings", "Name", "New"));
  EXPECT_EQ(ReadFileBytes(path_),
            "; top\r\n\r\n[Settings]\r\nName=New\r\n\r\n  Club = RRC\r\n\r\n[Other]\r\n");
}

TEST_F(OurProfileFile, PutsANewKeyBeforeTheBlankLinesAndCommentsThatEndItsSection) {
  WriteFileBytes(path_, "[Settings]\r\nName=Ivan\r\n\r\n; Other=the log's own\r\n[Other]\r\n");
  ASSERT_TRUE(Write("Settings", "Club", "RRC"));
  EXPECT_EQ(ReadFileBytes(path_),
            "[Settings]\r\nName=Ivan\r\nClub=RRC\r\n\r\n; Other=the log's own\r\n[Other]\r\n");
}

TEST_F(OurProfileFile, WritesCrLfThroughoutAFileThatHadLfLineEnds) {
  WriteFileBytes(path_, "[Settings]\nName=Ivan\n\n[Other]\nX=1\n");
  ASSERT_TRUE(Write("Other", "X", "2"));
  EXPECT_EQ(ReadFileBytes(path_), "[Settings]\r\nName=Ivan\r\n\r\n[Other]\r\nX=2\r\n");
}

TEST_F(OurProfileFile, RefusesLineBreaksThatWouldAddLinesToTheFile) {
  WriteFileBytes(path_, "[Settings]\r\nName=Ivan\r\n");
  EXPECT_FALSE(Write("Settings", "Name", "x\r\nClaimed=999"));
  EXPECT_FALSE(Write("Settings", "Name", "x\nClaimed=999"));
  EXPECT_FALSE(Write("Settings", "Na\rme", "x"));
  EXPECT_FALSE(Write("Set]\n[tings", "Name", "x"));
  EXPECT_FALSE(Write("Settings", "Name", std::string("x\0y", 3)));
  EXPECT_EQ(ReadFileBytes(path_), "[Settings]\r\nName=Ivan\r\n");
}

TEST_F(OurProfileFile, AFailedWriteLeavesTheFileAsItWas) {
  WriteFileBytes(path_, "[Settings]\r\nName=Ivan\r\n");
  stats::testing::FakePlatform failing;
  failing.replaceFails = true;
  EXPECT_FALSE(stats::WriteProfileFile(failing, path_, "Settings", "Name", "Petr"));
  EXPECT_EQ(ReadFileBytes(path_), "[Settings]\r\nName=Ivan\r\n");
}

TEST_F(OurProfileFile, LeavesNoTemporaryFileBehind) {
  ASSERT_TRUE(Write("Settings", "Name", "Ivan"));
  ASSERT_TRUE(Write("Settings", "Name", "Petr"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

#ifndef _WIN32
// A file that is there but can not be read (here a link to itself, as permissions
// do not stop root) is never replaced by one holding only the new key.
TEST_F(OurProfileFile, AnUnreadableFileIsNotOverwritten) {
  std::filesystem::create_symlink("ZORVA.ini", path_);
  EXPECT_FALSE(Write("Settings", "Name", "Ivan"));
  EXPECT_TRUE(std::filesystem::is_symlink(path_));
}
#endif

TEST_F(OurProfileFile, AFolderInPlaceOfTheFileGivesTheDefaultAndRefusesWrites) {
  std::filesystem::create_directory(path_);
  EXPECT_EQ(stats::ReadProfileFile(path_, "Settings", "Name", "DEF", kSettingsBuffer), "DEF");
  EXPECT_FALSE(Write("Settings", "Name", "Ivan"));
  EXPECT_TRUE(std::filesystem::is_directory(path_));
}

// Wine keeps one space of a default made of spaces only.
TEST_F(OurProfileFile, ADefaultOfSpacesOnlyGivesAnEmptyText) {
  EXPECT_EQ(stats::ReadProfileFile(path_, "Settings", "Operators", "   ", kSettingsBuffer), "");
}

TEST_F(OurProfileFile, OnlyTheFirstOfTwoEqualSectionsCounts) {
  WriteFileBytes(path_, "[Settings]\r\nName=Ivan\r\n[settings]\r\nClub=RRC\r\n");
  EXPECT_EQ(stats::ReadProfileFile(path_, "Settings", "Club", "DEF", kSettingsBuffer), "DEF");
  ASSERT_TRUE(Write("Settings", "Club", "CQ"));
  EXPECT_EQ(ReadFileBytes(path_),
            "[Settings]\r\nName=Ivan\r\nClub=CQ\r\n[settings]\r\nClub=RRC\r\n");
}

}  // namespace
