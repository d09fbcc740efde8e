// logrobot: the contest's log robot. Participants upload their logs on its web
// pages and get an answer at once; the committee checks them and publishes.

#include <CLI/CLI.hpp>
#include <iostream>

#include "files/utf8_path.h"
#include "logrobot/program/commands.h"
#include "logrobot/secrets/secrets.h"

namespace {

constexpr std::string_view kDescription =
    R"(The contest's log robot: participants upload their logs on its pages and get an
answer at once (the log as read, QSO lines by band, the claimed score, the
problems found, a receipt and a private link); the committee logs in, runs
crosscheck over the logs that count and publishes the results and each
participant's report.

DIR holds everything: contest.json (the contest's name, period, deadline and
categories), robot.sqlite3 (the records), logs/ (every log received, named by
its digest) and checks/ (each check's outputs). Back it up with
"logrobot backup", or copy it while the robot is stopped.)";

// "ADDR:PORT", "[ADDR]:PORT" or "PORT".
bool ParseListen(const std::string& text, logrobot::ServeOptions& options) {
  const std::size_t colon = text.rfind(':');
  std::string host = colon == std::string::npos ? options.host : text.substr(0, colon);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  const std::string port = colon == std::string::npos ? text : text.substr(colon + 1);
  if (host.empty() || port.empty() || port.size() > 5 ||
      port.find_first_not_of("0123456789") != std::string::npos || std::stoi(port) > 65535) {
    return false;
  }
  options.host = host;
  options.port = std::stoi(port);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    logrobot::InitializeSecrets();
    CLI::App app(std::string(kDescription), "logrobot");
    app.require_subcommand(1);
    std::string data, listen = "127.0.0.1:8080", crosscheck, copy;
    logrobot::ServeOptions serve;

    CLI::App* serveCommand = app.add_subcommand("serve", "serve the robot's web pages");
    serveCommand->add_option("--data", data, "the robot's folder (DIR)")->required();
    serveCommand->add_option("--listen", listen, "address and port to listen on")
        ->capture_default_str();
    serveCommand->add_option("--crosscheck", crosscheck,
                             "the crosscheck program (default: the one beside logrobot)");
    serveCommand->add_flag("--https-proxy", serve.site.behindHttpsProxy,
                           "behind a reverse proxy that ends HTTPS: cookies are Secure, the "
                           "client's address is the last of X-Forwarded-For");
    serveCommand
        ->add_option("--uploads-per-minute", serve.site.uploadsPerMinute,
                     "uploads taken from one address in a minute")
        ->capture_default_str()
        ->check(CLI::Range(1, 1000000));
    serveCommand->add_option("--threads", serve.threads, "requests served at once")
        ->capture_default_str()
        ->check(CLI::Range(1, 1024));

    CLI::App* passwordCommand =
        app.add_subcommand("set-password",
                           "set the committee's password, read from the terminal (or one line of "
                           "standard input)");
    passwordCommand->add_option("--data", data, "the robot's folder (DIR)")->required();

    CLI::App* backupCommand =
        app.add_subcommand("backup", "copy DIR into a new folder, also while the robot serves");
    backupCommand->add_option("--data", data, "the robot's folder (DIR)")->required();
    backupCommand->add_option("--to", copy, "the new folder")->required();

    try {
      app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
      return app.exit(error);
    }
    if (*serveCommand) {
      serve.data = files::PathOfUtf8(data);
      if (!ParseListen(listen, serve)) {
        std::cerr << "logrobot: --listen wants ADDR:PORT, not \"" << listen << "\"\n";
        return 2;
      }
      serve.crosscheck =
          crosscheck.empty()
              ? std::filesystem::read_symlink("/proc/self/exe").parent_path() / "crosscheck"
              : files::PathOfUtf8(crosscheck);
      return logrobot::Serve(serve, std::cout, std::cerr);
    }
    if (*passwordCommand)
      return logrobot::SetPassword(files::PathOfUtf8(data), std::cin, std::cerr);
    return logrobot::Backup(files::PathOfUtf8(data), files::PathOfUtf8(copy), std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "logrobot: " << error.what() << "\n";
  }
  return 1;
}
