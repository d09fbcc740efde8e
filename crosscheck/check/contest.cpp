#include "crosscheck/check/contest.h"

#include <stdexcept>

#include "files/utf8_path.h"
#include "stats/rules/entry_category.h"

namespace crosscheck {
namespace {

std::uint8_t ContestModeRow(const stats::ContestMode* mode) {
  if (mode == nullptr) return kNotCounted;
  for (std::size_t row = 0; row < stats::kContestModes.size(); ++row) {
    if (stats::kContestModes[row].cabrilloCode == mode->cabrilloCode) {
      return static_cast<std::uint8_t>(row);
    }
  }
  return kNotCounted;
}

// The table's ids of the texts seen last.
class CachedIds {
 public:
  explicit CachedIds(TextTable& table) : table_(table) {}
  std::uint32_t IdOf(const std::string& text) {
    for (const auto& [known, id] : recent_) {
      if (known == text) return id;
    }
    const std::uint32_t id = table_.IdOf(text);
    if (recent_.size() < 8) recent_.emplace_back(text, id);
    return id;
  }

 private:
  TextTable& table_;
  std::vector<std::pair<std::string, std::uint32_t>> recent_;
};

}  // namespace

LogId Contest::Add(logs::LogFile file, std::filesystem::file_time_type modified) {
  if (logs.size() >= kNone || qsos.size() + file.qsos.size() >= kNone) {
    throw std::length_error("more logs or QSO lines than the checker can number");
  }
  const auto id = static_cast<LogId>(logs.size());
  ContestLog log;
  log.file = files::Utf8OfPath(file.path);
  log.path = std::move(file.path);
  log.format = std::move(file.format);
  log.encoding = file.encoding;
  if (!file.ownCall.empty()) log.ownCall = calls.IdOf(file.ownCall);
  log.writtenCategory = std::move(file.category);
  if (const auto category = stats::EntryCategoryOf(log.writtenCategory)) {
    log.category = *category;
    log.categoryFrom = CategoryFrom::kLog;
  } else if (!log.writtenCategory.empty()) {
    log.categoryFrom = CategoryFrom::kUnclear;
  }
  log.name = std::move(file.name);
  log.claimed = file.claimed;
  log.repairs = std::move(file.repairs);
  log.failure = std::move(file.failure);
  log.modified = modified;
  log.firstQso = static_cast<QsoId>(qsos.size());
  if (!log.failure) {
    // A log's QSOs are on few bands and in few modes: each text looked up once.
    CachedIds bandIds(bands);
    CachedIds modeIds(modes);
    for (const logs::LoggedQso& logged : file.qsos) {
      Qso qso;
      qso.time = logged.time;
      qso.toTheMinute = logged.toTheMinute;
      qso.excluded = logged.excluded;
      qso.log = id;
      qso.line = logged.line;
      qso.call = calls.IdOf(logged.call);
      qso.sent = exchanges.IdOf(logged.sent);
      qso.received = exchanges.IdOf(logged.received);
      if (!logged.band.empty()) qso.band = bandIds.IdOf(logged.band);
      qso.mode = modeIds.IdOf(logged.mode);
      qso.contestMode = ContestModeRow(logged.contestMode);
      qsos.push_back(qso);
    }
  }
  log.endQso = static_cast<QsoId>(qsos.size());
  logs.push_back(std::move(log));
  return id;
}

void Contest::ChooseAmongRepeatedCalls() {
  std::vector<LogId> latest(calls.Size(), kNone);
  for (LogId id = 0; id < logs.size(); ++id) {
    const ContestLog& log = logs[id];
    if (log.failure || log.ownCall == kNone) continue;
    LogId& chosen = latest[log.ownCall];
    if (chosen == kNone || logs[chosen].modified <= log.modified) chosen = id;
  }
  for (LogId id = 0; id < logs.size(); ++id) {
    ContestLog& log = logs[id];
    if (log.failure || log.ownCall == kNone) continue;
    if (latest[log.ownCall] != id) log.supersededBy = latest[log.ownCall];
  }
}

void Contest::GiveCategories(const std::map<std::string, std::string>& byCall) {
  for (ContestLog& log : logs) {
    if (log.ownCall == kNone) continue;
    if (const auto given = byCall.find(calls.Text(log.ownCall)); given != byCall.end()) {
      log.category = given->second;
      log.categoryFrom = CategoryFrom::kOrganisers;
    }
  }
}

std::vector<LogId> Contest::CheckedLogOfCall() const {
  std::vector<LogId> logOfCall(calls.Size(), kNone);
  for (LogId id = 0; id < logs.size(); ++id) {
    if (logs[id].Checked() && logs[id].ownCall != kNone) logOfCall[logs[id].ownCall] = id;
  }
  return logOfCall;
}

}  // namespace crosscheck
