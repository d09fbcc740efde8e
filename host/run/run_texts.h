#pragma once

// What a run says to the person who started it, as patterns with "{}" for the
// values, in the order the comments give them. The program picks the language
// (host/report/console_texts.h holds both); the words of the reader's warnings
// and of the system's errors come as they are.

#include <initializer_list>
#include <string>
#include <string_view>

namespace host {

struct RunTexts {
  // The log: the name, and what else the comment says.
  std::string_view logNotAFile;
  std::string_view logUnreadable;
  std::string_view logMalformed;      // the name, the reader's error
  std::string_view noQsoRecord;       // the name
  std::string_view noScorableRecord;  // the name, the number of records
  std::string_view outOfMemoryReading;
  std::string_view warning;         // the name, record, byte, the reader's text
  std::string_view warningSkipped;  // the same, for a record that is skipped
  std::string_view noOwnCall;
  // The plug-in and the working folder.
  std::string_view pluginNotLoaded;        // the path, the system's reason
  std::string_view pluginLacksEntryPoint;  // the path, the entry point, the system's reason
  std::string_view workingFolderUnusable;  // the folder, the system's reason
  // A run that stops half-way.
  std::string_view logChanged;         // what went wrong
  std::string_view outOfMemoryAfter;   // the number of QSOs
  std::string_view pluginTookNothing;  // the record
  std::string_view nothingScored;      // what went wrong
  std::string_view noResult;
  // Why a file was not written.
  std::string_view problemLinesMissing;
  std::string_view claimedMissing;  // the score
  std::string_view notReplaced;
  std::string_view cabrilloNotWhole;
  std::string_view isAFolder;
  std::string_view cannotOpen;
  std::string_view detailsNotShown;
};

// `pattern` with each "{}" replaced by the next of `values`.
inline std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  const auto* value = values.begin();
  for (std::size_t at = 0;;) {
    const std::size_t hole = pattern.find("{}", at);
    if (hole == std::string_view::npos || value == values.end()) {
      text.append(pattern.substr(at));
      return text;
    }
    text.append(pattern.substr(at, hole - at)).append(*value++);
    at = hole + 2;
  }
}

}  // namespace host
