#pragma once

// The names by which the plug-in shows itself: its contest set, the companion
// it starts, its files and the texts in them, its settings and the labels of
// its summary. The plug-in writes them and our programs look for them; this is
// the only place they are spelled.

#include <string_view>

namespace stats {

inline constexpr char kSetName[] = "Kesdra Velk";

// Started once per load, from the host's current folder.
inline constexpr std::string_view kCompanionCommandLine = ".\\Plugins\\Zarnik.exe";

// The problem log: its first line, then one line per refused QSO, ending in
// the reason.
inline constexpr std::string_view kProblemLogPath = "err.txt";
inline constexpr std::string_view kProblemLogBanner = "Pesdra VELK TEST UBN file ";
inline constexpr std::string_view kNoContestModeEnding = "   No contest mode !!!";
inline constexpr std::string_view kNoRxNumberEnding = "   NO RX NUMBER !!!";

// The settings file, with the station details and the claimed score.
inline constexpr std::string_view kSettingsPath = "Plugins\\ZORVA.ini";
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kOperatorsKey = "Operators";
inline constexpr std::string_view kNameKey = "Name";
inline constexpr std::string_view kAddressKey = "Address";
inline constexpr std::string_view kClaimedKey = "Claimed";
inline constexpr std::string_view kCategoryKey = "Category";
inline constexpr std::string_view kContestKey = "Contest";
inline constexpr std::string_view kEmailKey = "Email";
inline constexpr std::string_view kClubKey = "Club";
inline constexpr std::string_view kSoapBoxKey = "SoapBox";

// The Cabrillo log (its lines: cabrillo_layout.h): the call's file name
// (stats/rules/file_base_name.h) with this extension, and the operator's own
// header lines, which it takes from the include file.
inline constexpr std::string_view kCabrilloExtension = ".cbr";
inline constexpr std::string_view kCabrilloIncludePath = "cabrillo.ini";

// A file that is replaced as a whole is first written beside it, under its own
// name with a unique part and this extension added.
inline constexpr std::string_view kPartialFileExtension = ".tmp";

// The summary text: the title before the contest date, the contestant's label,
// the column headings, the label of the total row and the score's label.
inline constexpr std::string_view kSummaryTitle = "Kesdra Velk Test ";
inline constexpr std::string_view kSummaryContestant = "Contestant: ";
inline constexpr std::string_view kSummaryColumns = "QSOs\tPoints\tCW\tSSB\tKvant";
inline constexpr std::string_view kSummaryTotal = "Total";
inline constexpr std::string_view kSummaryScore = "Score: = ";
static_assert(kSummaryTitle.starts_with(kSetName), "the title names the set");

}  // namespace stats
