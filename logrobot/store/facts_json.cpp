#include "logrobot/store/facts_json.h"

#include <nlohmann/json.hpp>

#include "logrobot/store/store_error.h"

namespace logrobot {
namespace {

using nlohmann::json;

json BandJson(const BandLine& band) {
  return json::array({band.band, band.lines, band.counted, band.kvant});
}

BandLine BandOfJson(const json& band) {
  return BandLine{band.at(0).get<std::string>(), band.at(1).get<std::int64_t>(),
                  band.at(2).get<std::int64_t>(), band.at(3).get<std::int64_t>()};
}

}  // namespace

std::string FactsJson(const LogFacts& facts) {
  json bands = json::array();
  for (const BandLine& band : facts.bands) bands.push_back(BandJson(band));
  json problems = json::array();
  for (const Problem& problem : facts.problems) {
    problems.push_back(
        json::array({static_cast<int>(problem.kind), problem.lines, problem.firstLine}));
  }
  const json object = {{"format", facts.format},         {"encoding", facts.encoding},
                       {"file_call", facts.fileCall},    {"file_category", facts.fileCategory},
                       {"operator", facts.operatorName}, {"bands", bands},
                       {"total", BandJson(facts.total)}, {"score", facts.score},
                       {"problems", problems},           {"repairs", facts.repairs}};
  return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

LogFacts FactsOfJson(std::string_view text) {
  try {
    const json object = json::parse(text);
    LogFacts facts;
    facts.format = object.at("format").get<std::string>();
    facts.encoding = object.at("encoding").get<std::string>();
    facts.fileCall = object.at("file_call").get<std::string>();
    facts.fileCategory = object.at("file_category").get<std::string>();
    facts.operatorName = object.at("operator").get<std::string>();
    for (const json& band : object.at("bands")) facts.bands.push_back(BandOfJson(band));
    facts.total = BandOfJson(object.at("total"));
    facts.score = object.at("score").get<std::int64_t>();
    for (const json& problem : object.at("problems")) {
      const int kind = problem.at(0).get<int>();
      if (kind < 0 || kind > static_cast<int>(ProblemKind::kOutsidePeriod)) {
        throw StoreError("an upload's facts name an unknown problem");
      }
      facts.problems.push_back(Problem{static_cast<ProblemKind>(kind),
                                       problem.at(1).get<std::int64_t>(),
                                       problem.at(2).get<std::uint32_t>()});
    }
    facts.repairs = object.at("repairs").get<std::vector<std::string>>();
    return facts;
  } catch (const json::exception& error) {
    throw StoreError(std::string("the facts of an upload can not be read: ") + error.what());
  }
}

}  // namespace logrobot
