#pragma once

// The services the plug-in takes from the operating system. The core receives a
// Platform and never calls the system itself; the Windows build passes the Win32
// implementation, the portable build our POSIX one, and tests pass fakes.

#include <cstddef>
#include <memory>
#include <string>

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

// The ten station details as the dialog shows them (see stats/station/station_fields.h).
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

  // Profile (INI) file access with the system's semantics. `path` is relative to
  // the current directory and uses "\" as the folder separator. The value read
  // is cut to bufferSize - 1 characters, as a buffer of that size would hold.
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

  // Moves `from` over `to`, replacing `to` if it exists, as one step where the
  // file system allows. Paths as for the profile file. Returns whether `to` now
  // holds what `from` held.
  virtual bool MoveFileOver(const std::string& from, const std::string& to) = 0;
};

// The platform of the running system: Win32 in the Windows build, POSIX otherwise.
std::unique_ptr<Platform> MakeSystemPlatform();

}  // namespace stats
