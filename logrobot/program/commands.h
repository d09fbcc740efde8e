#pragma once

// The robot's commands; each returns the exit status and says what went wrong
// on `err`.
//   logrobot serve --data DIR [--listen ADDR:PORT] [--https-proxy] ...
//   logrobot set-password --data DIR      (read from the terminal)
//   logrobot backup --data DIR --to COPY   (while it serves, too)

#include <filesystem>
#include <iosfwd>
#include <string>

#include "logrobot/web/robot_site.h"

namespace logrobot {

struct ServeOptions {
  std::filesystem::path data;
  std::string host = "127.0.0.1";
  int port = 8080;                   // 0: any free port, which is printed
  std::filesystem::path crosscheck;  // default: beside this program
  SiteSettings site;
  int threads = 16;
};

int Serve(const ServeOptions& options, std::ostream& out, std::ostream& err);

int SetPassword(const std::filesystem::path& data, std::istream& in, std::ostream& err);

int Backup(const std::filesystem::path& data, const std::filesystem::path& copy, std::ostream& out,
           std::ostream& err);

}  // namespace logrobot
