#include "logrobot/contest/contest_file.h"

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "logrobot/contest/utc_minute.h"
#include "logs/text/text_encoding.h"

namespace logrobot {
namespace {

using nlohmann::json;

struct Invalid {
  std::string what;
};

const json& Member(const json& object, const char* key) {
  if (!object.is_object() || !object.contains(key))
    throw Invalid{std::string("no \"") + key + "\""};
  return object.at(key);
}

std::string Text(const json& value, const std::string& what) {
  if (!value.is_string() || value.get<std::string>().empty()) {
    throw Invalid{what + " wants a text"};
  }
  return value.get<std::string>();
}

std::int64_t Moment(const json& value, const std::string& what, std::string& text) {
  text = Text(value, what);
  const auto moment = ParseUtcMinute(text);
  if (!moment) throw Invalid{what + " wants \"YYYY-MM-DD HH:MM\" (UTC), not \"" + text + "\""};
  return *moment;
}

ContestFile Parse(const json& root) {
  ContestFile contest;
  const json& name = Member(root, "name");
  if (name.is_object()) {
    contest.nameEnglish = Text(Member(name, "en"), "name.en");
    contest.nameRussian = Text(Member(name, "ru"), "name.ru");
  } else {
    contest.nameEnglish = contest.nameRussian = Text(name, "name");
  }
  const json& period = Member(root, "period");
  contest.fromSeconds = Moment(Member(period, "from"), "period.from", contest.from);
  contest.toSeconds = Moment(Member(period, "to"), "period.to", contest.to);
  if (contest.toSeconds <= contest.fromSeconds) throw Invalid{"period.to is not after period.from"};
  std::string deadline;
  contest.deadline = Moment(Member(root, "deadline"), "deadline", deadline);
  if (contest.deadline < contest.toSeconds) throw Invalid{"the deadline is before the period ends"};
  if (root.contains("late_logs")) {
    const std::string late = Text(root.at("late_logs"), "late_logs");
    if (late != "mark" && late != "refuse") {
      throw Invalid{"late_logs wants \"mark\" or \"refuse\", not \"" + late + "\""};
    }
    contest.late = late == "refuse" ? LatePolicy::kRefuse : LatePolicy::kMark;
  }
  const json& categories = Member(root, "categories");
  if (!categories.is_array() || categories.empty()) {
    throw Invalid{"categories wants a list of texts"};
  }
  for (const json& category : categories) {
    contest.categories.push_back(Text(category, "each category"));
  }
  return contest;
}

}  // namespace

std::variant<ContestFile, std::string> ParseContestFile(std::string_view text) {
  if (!logs::IsUtf8(text)) return std::string("not UTF-8");
  try {
    return Parse(json::parse(text));
  } catch (const Invalid& invalid) {
    return invalid.what;
  } catch (const json::exception& error) {
    return std::string(error.what());
  }
}

std::variant<ContestFile, std::string> ReadContestFile(const std::filesystem::path& dataFolder) {
  std::ifstream file(dataFolder / kContestFileName, std::ios::binary);
  if (!file) return std::string("can not be opened");
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return ParseContestFile(text);
}

}  // namespace logrobot
