#pragma once

// Ways to break the files the plug-in writes, that hold also for a process
// running as root (where permission bits stop nothing): a folder where a file
// belongs, a file where a folder belongs, a missing folder, a link to a full
// disk, a settings file full of garbage. Each fault knows what the plug-in
// must leave as it found it.

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace stats::testing {

struct Fault {
  const char* name;
  void (*apply)();
  void (*checkLeftAlone)();
};

inline void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }

namespace broken_files {

namespace fs = std::filesystem;

inline void FolderInPlaceOf(const fs::path& path) {
  fs::remove_all(path);
  fs::create_directories(path);
  WriteFileBytes(path / "keep", "keep");
}

inline void ExpectFolderKept(const fs::path& path) {
  EXPECT_TRUE(fs::is_directory(path)) << path;
  EXPECT_EQ(ReadFileBytes(path / "keep"), "keep") << path;
}

inline std::string GarbageSettings() {
  std::string bytes =
      "[Settings]\r\nName=" + std::string(20000, 'N') + "\r\nAddress=a<CR><LF>b<CR>";
  static constexpr char kOddLines[] =
      "\r\n\0\0\0[Settings\r\n=\r\n[]\r\nOperators\rClaimed=abc\n\n";
  bytes.append(kOddLines, sizeof kOddLines - 1);
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919) & 0xFF);
  bytes += "\r\n[Settings]\r\nSoapBox=\"quoted\r\n";
  return bytes;
}

inline const std::vector<Fault>& AllFaults() {
  static const std::vector<Fault> faults = {
    {"ProblemLogIsAFolder", [] { FolderInPlaceOf("err.txt"); },
     [] { ExpectFolderKept("err.txt"); }},
    {"PluginsIsAFile",
     [] {
       fs::remove_all("Plugins");
       WriteFileBytes("Plugins", "not a folder");
     },
     [] { EXPECT_EQ(ReadFileBytes("Plugins"), "not a folder"); }},
    {"NoPluginsFolder", [] { fs::remove_all("Plugins"); },
     [] { EXPECT_FALSE(fs::exists("Plugins")); }},
    {"SettingsFileIsAFolder", [] { FolderInPlaceOf("Plugins/ZORVA.ini"); },
     [] { ExpectFolderKept("Plugins/ZORVA.ini"); }},
    {"SettingsFileIsGarbage", [] { WriteFileBytes("Plugins/ZORVA.ini", GarbageSettings()); },
     [] { EXPECT_TRUE(fs::is_regular_file("Plugins/ZORVA.ini")); }},
    {"CabrilloFileIsAFolder", [] { FolderInPlaceOf("UA1AAA.cbr"); },
     [] { ExpectFolderKept("UA1AAA.cbr"); }},
    {"CabrilloIncludeIsAFolder", [] { FolderInPlaceOf("cabrillo.ini"); },
     [] { ExpectFolderKept("cabrillo.ini"); }},
    {"EverythingBroken",
     [] {
       FolderInPlaceOf("err.txt");
       fs::remove_all("Plugins");
       WriteFileBytes("Plugins", "not a folder");
       FolderInPlaceOf("UA1AAA.cbr");
       FolderInPlaceOf("cabrillo.ini");
     },
     [] {
       ExpectFolderKept("err.txt");
       EXPECT_EQ(ReadFileBytes("Plugins"), "not a folder");
       ExpectFolderKept("UA1AAA.cbr");
       ExpectFolderKept("cabrillo.ini");
     }},
#if !defined(_WIN32)
    // Every write to /dev/full fails with "no space left on device".
    {"ProblemLogOnAFullDisk", [] { fs::create_symlink("/dev/full", "err.txt"); },
     [] { EXPECT_TRUE(fs::is_symlink("err.txt")); }},
    {"CabrilloFileOnAFullDisk", [] { fs::create_symlink("/dev/full", "UA1AAA.cbr"); }, [] {}},
#endif
  };
  return faults;
}

}  // namespace broken_files
}  // namespace stats::testing
