#pragma once

// What a run says to the person who started it, as patterns with "{}" for the
// values, in the order the comments give them. The program picks the language
// (host/report/console_texts.h holds both); the words of the reader's warnings
// and of the system's errors come as they are.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "files/file_problem.h"
#include "logs/text/text_pattern.h"

namespace stats_host {

struct RunTexts {
  // The log: the name, and what else the comment says.
  std::string_view logNotAFile;
  std::string_view logUnreadable;     // the name, the reader's reason
  std::string_view logMalformed;      // the name, the reader's error
  std::string_view logIsUtf16;        // the name
  std::string_view noQsoRecord;       // the name
  std::string_view noScorableRecord;  // the name, the number of records
  std::string_view outOfMemoryReading;
  std::string_view recordPlace;    // the record, the byte
  std::string_view headerPlace;    // the byte
  std::string_view warning;        // the name, the place, the reader's text
  std::string_view skippedEnding;  // after the text of a warning that skips its record
  std::string_view moreLikeIt;     // the name, how many more, the last one shown
  std::size_t groupedDigits;       // counts of this many digits or more are grouped
  std::string_view noOwnCall;      // the name
  // the name, the place, the contestant's call, its record
  std::string_view firstWithoutOwnCall;
  // the name, the first own call, its record, another own call, its place,
  // the call the Cabrillo log gives
  std::string_view ownCallChanges;
  std::string_view ownCallMixesScripts;  // the name, the call
  // Outputs that would be files the run must keep.
  std::string_view outputClash;       // why
  std::string_view htmlOverKept;      // the page, the kept file
  std::string_view writtenOverKept;   // the kept file's path, what it is, what would be written
  std::string_view logIsPluginInput;  // the log's path, the file of the plug-in's it is
  std::string_view keptLog;
  std::string_view keptPlugin;
  std::string_view keptProblemLog;     // its name
  std::string_view keptSettings;       // its name
  std::string_view keptCabrillo;       // its name
  std::string_view keptCabrilloLines;  // its name
  std::string_view keptCompanion;      // its name
  // The plug-in and the working folder.
  std::string_view pluginNotLoaded;        // the path, the system's reason
  std::string_view pluginLacksEntryPoint;  // the path, the entry point, the system's reason
  std::string_view workingFolderUnusable;  // the folder, the system's reason
  // A run that stops half-way.
  std::string_view logChanged;         // what went wrong
  std::string_view logReplaced;        // another file now has the log's name
  std::string_view logResized;         // the size checked, the size now
  std::string_view logRewritten;       // same size, other bytes
  std::string_view outOfMemoryAfter;   // the number of QSOs
  std::string_view pluginTookNothing;  // the record
  std::string_view nothingScored;      // what went wrong, what err.txt holds
  std::string_view problemLogBannerOnly;
  std::string_view problemLogEmpty;
  std::string_view problemLogNotAfresh;
  std::string_view noResult;
  // Why a file was not written.
  files::FileProblemWords fileProblems;  // what a file operation ran into
  std::string_view problemLinesMissing;
  std::string_view claimedMissing;  // the score
  std::string_view notReplaced;
  std::string_view notReplacedForWantOfRoom;  // what a file a few times its least size meets
  std::string_view cabrilloNotWhole;
  std::string_view detailsNotShown;
};

// "record 12, byte 3456", or "header, byte 78", in the words of `texts`.
inline std::string PlaceInLog(const RunTexts& texts, std::size_t record, std::uint64_t offset) {
  return record == 0 ? logs::Substituted(texts.headerPlace, {std::to_string(offset)})
                     : logs::Substituted(texts.recordPlace,
                                         {std::to_string(record), std::to_string(offset)});
}

}  // namespace stats_host
