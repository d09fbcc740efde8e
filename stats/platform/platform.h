#pragma once

// The services the plug-in takes from the operating system. The core receives a
// Platform and never calls the system itself; the Windows build passes the Win32
// implementation, the portable build our POSIX one, and tests pass fakes.
//
// Paths are relative to the current directory and use "\" as the folder
// separator.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace stats {

// The computer's clock in UTC, as the system time reports it.
struct UtcTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int milliseconds = 0;
};

// The ten station details as the dialog shows them, in the order of its data
// exchange (stats/platform/station_form_layout.h lays them out).
struct StationDetailsForm {
  std::string callSign;
  std::string claimed;
  std::string club;
  std::string category;
  std::string contest;
  std::string email;
  std::string name;
  std::string operators;
  std::string soapbox;  // edit form: CR LF between lines
  std::string address;  // edit form: CR LF between lines
};

// A file opened for appending; closed when the object goes.
class AppendingFile {
 public:
  virtual ~AppendingFile() = default;
  // Appends the bytes and pushes them out to the file; false when not all of
  // them got there.
  virtual bool Append(std::string_view bytes) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual UtcTime CurrentUtcTime() = 0;

  // Starts a program, shown normally, without waiting for it. The command line
  // is relative to the current directory and uses "\" as the folder separator.
  // Returns whether the program was started.
  virtual bool StartProgram(const std::string& commandLine) = 0;

  // A modal notice with one OK button and the system's default title.
  virtual void ShowMessage(const std::string& text) = 0;

  // Profile (INI) file access with the system's semantics. The value read is
  // cut to bufferSize - 1 characters, as a buffer of that size would hold.
  virtual std::string ReadProfileValue(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, const std::string& path,
                                       std::size_t bufferSize) = 0;
  virtual bool WriteProfileValue(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& path) = 0;

  // Shows the station-details dialog preset with `form`, modally. On OK the
  // dialog's texts are written back into `form` and true is returned; CANCEL,
  // closing the dialog or a dialog that can not be shown return false and leave
  // `form` unchanged.
  virtual bool EditStationDetails(StationDetailsForm& form) = 0;

  // Files, as bytes.
  // Opens the file for appending, creating it when it is missing; null when
  // it can not be opened.
  virtual std::unique_ptr<AppendingFile> OpenForAppend(const std::string& path) = 0;
  // Creates the file, or empties the one that is there, and writes `contents`;
  // true when every byte reached it.
  virtual bool WriteWholeFile(const std::string& path, std::string_view contents) = 0;
  // Everything the file holds; nothing when it can not be read.
  virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
  // Creates an empty file when nothing is there and leaves whatever is there
  // as it is, without opening it; true when something is there afterwards.
  virtual bool EnsureFileExists(const std::string& path) = 0;
  // Replaces the file's whole content through a temporary file of its own
  // beside it (stats/platform/replace_file.h): a failed write never destroys
  // the file that was there, and no other file is touched. Returns whether
  // `path` now holds `contents`.
  virtual bool ReplaceWholeFile(const std::string& path, std::string_view contents) = 0;
};

// The platform of the running system: Win32 in the Windows build, POSIX otherwise.
std::unique_ptr<Platform> MakeSystemPlatform();

}  // namespace stats
