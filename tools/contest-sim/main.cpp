// contest-sim: writes a made-up contest (logs and the truth about them), or
// says how well a check of it found the truth.

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "tools/contest-sim/accuracy.h"
#include "tools/contest-sim/log_writers.h"
#include "tools/contest-sim/simulation.h"

int main(int argc, char** argv) {
  CLI::App app(
      "Writes a simulated Kesdra Velk contest into OUT: logs/ (Cabrillo 2.0 and 3.0, ADIF) and "
      "truth.jsonl (each log's true clock offset and each QSO line's true verdict). With "
      "--score, reads OUT/truth.jsonl instead and compares crosscheck's output folder with it.",
      "contest-sim");
  contest_sim::Settings settings;
  std::string out;
  std::string score;
  app.add_option("--out", out, "folder of the contest")->required();
  app.add_option("--score", score, "crosscheck's output folder to compare with the truth");
  app.add_option("--stations", settings.stations, "stations")->capture_default_str();
  app.add_option("--qsos", settings.qsosPerStation, "QSO lines per station, on average")
      ->capture_default_str();
  app.add_option("--seed", settings.seed, "seed of the random choices")->capture_default_str();
  app.add_option("--busted", settings.bustedCall, "share of QSO lines with a miscopied call")
      ->capture_default_str();
  app.add_option("--nil", settings.nil, "share of QSO lines that the other side did not log")
      ->capture_default_str();
  app.add_option("--wrong-number", settings.wrongNumber,
                 "share of QSO lines with a miscopied number")
      ->capture_default_str();
  app.add_option("--sender-slip", settings.senderSlip,
                 "share of QSO lines whose sender logged its own number wrong")
      ->capture_default_str();
  app.add_option("--time-typo", settings.timeTypo, "share of QSO lines with the time typed wrong")
      ->capture_default_str();
  app.add_option("--x-qso", settings.xQso, "share of Cabrillo QSO lines marked X-QSO")
      ->capture_default_str();
  app.add_option("--dupe", settings.dupe, "share of QSO lines worked again within the tour")
      ->capture_default_str();
  app.add_option("--unique", settings.unique, "share of QSO lines with a station no one else works")
      ->capture_default_str();
  app.add_option("--out-of-contest", settings.outOfContest, "share of QSO lines in RTTY")
      ->capture_default_str();
  app.add_option("--no-log", settings.noLog, "share of stations that send no log")
      ->capture_default_str();
  app.add_option("--adif", settings.adifShare, "share of logs sent as ADIF")->capture_default_str();
  app.add_option("--line-ends", settings.lineEnds,
                 "share of Cabrillo logs with lone CR line ends, or mixed ones")
      ->capture_default_str();
  app.add_option("--multi-op", settings.multiOp, "share of multi-operator entries")
      ->capture_default_str();
  app.add_option("--every-tour", settings.everyTour,
                 "share of stations that work a friend on every band and mode in every tour")
      ->capture_default_str();
  app.add_option("--portable", settings.portable, "share of stations signing /P, /M, ...")
      ->capture_default_str();
  app.add_option("--habitual-miscopy", settings.habitualMiscopy,
                 "share of a call's miscopies in its usual wrong form")
      ->capture_default_str();
  CLI11_PARSE(app, argc, argv);
  try {
    if (!score.empty()) {
      std::cout << contest_sim::AccuracyTable(
          contest_sim::CompareWithTruth(std::filesystem::path(out) / "truth.jsonl", score));
      return 0;
    }
    contest_sim::WriteContest(contest_sim::Simulate(settings), out);
  } catch (const std::exception& error) {
    std::cerr << "contest-sim: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
