#pragma once

// Every word of the robot's pages, in English and in Russian (UTF-8). Texts
// with {0}, {1}, ... take values through logs::Substituted. The repairs made
// while reading a log keep the readers' own words, as crosscheck's reports
// show them.

#include <array>
#include <string_view>

#include "logs/text/report_language.h"

namespace logrobot {

struct RobotTexts {
  std::string_view code;  // "en", "ru": the pages' language and the first part of their paths
  std::string_view otherLanguage;  // the link to the same page in the other language
  // every page
  std::string_view sendLog;
  std::string_view logsReceived;
  std::string_view results;
  std::string_view committee;
  std::string_view footer;
  // the upload form
  std::string_view period;
  std::string_view deadline;
  std::string_view lateMarked;
  std::string_view lateRefused;
  std::string_view logFile;
  std::string_view call;
  std::string_view category;
  std::string_view asInTheLog;
  std::string_view email;
  std::string_view soapbox;
  std::string_view formHint;
  std::string_view send;
  std::string_view notReceived;               // {0}: why
  std::array<std::string_view, 10> refusals;  // by RefusalReason; {0}: the detail
  std::string_view tooManyUploads;
  std::string_view tooLargeRequest;
  std::string_view badRequest;
  std::string_view notFound;
  std::string_view serverError;
  // the answer and the participant's page
  std::string_view received;
  std::string_view receipt;
  std::string_view receivedAt;
  std::string_view qsoLines;
  std::string_view claimedScore;
  std::string_view format;
  std::string_view privateLink;
  std::string_view privateLinkNote;
  std::string_view replaces;    // {0} call, {1} receipt
  std::string_view replacedBy;  // {0} call, {1} receipt
  std::string_view lateNote;
  std::string_view callDiffers;      // {0}: the call in the log
  std::string_view categoryDiffers;  // {0}: the category in the log
  std::string_view bandsHeading;
  std::string_view band;
  std::string_view counted;
  std::string_view kvant;
  std::string_view total;
  std::string_view noBand;
  std::string_view scoreNote;
  std::string_view problemsHeading;
  std::array<std::string_view, 5> problems;  // by ProblemKind; {0} lines, {1} the first
  std::string_view none;
  std::string_view reportHeading;
  std::string_view reportPending;
  std::string_view reportNotInCheck;
  // the list of logs received
  std::string_view logCount;  // {0}
  std::string_view late;
  std::string_view noResults;
  // the committee
  std::string_view password;
  std::string_view logIn;
  std::string_view logOut;
  std::string_view wrongPassword;
  std::string_view waitBeforeTrying;  // {0}: seconds
  std::string_view noPassword;
  std::string_view formExpired;
  std::string_view checkHeading;
  std::string_view window;
  std::string_view minLogs;
  std::string_view countUniques;
  std::string_view bands;
  std::string_view penalties;
  std::string_view lateCount;
  std::string_view runCheck;
  std::string_view checkRunning;
  std::string_view badSettings;
  std::string_view checksHeading;
  std::string_view checkNumber;
  std::string_view started;
  std::string_view finished;
  std::string_view settings;
  std::string_view state;
  std::array<std::string_view, 3> states;  // by CheckState
  std::string_view lateLogsCount;
  std::string_view lateLogsLeftOut;
  std::string_view publish;
  std::string_view published;
  std::string_view allLogsHeading;
  std::string_view status;
  std::string_view counts;
  std::string_view replacedByReceipt;  // {0}
  std::string_view log;
  std::string_view zip;
};

const RobotTexts& RobotTextsOf(logs::ReportLanguage language);

}  // namespace logrobot
