#include "logrobot/store/sqlite_store.h"

#include "logrobot/store/facts_json.h"

namespace logrobot {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS uploads(
  receipt INTEGER PRIMARY KEY,
  received_at INTEGER NOT NULL,
  call TEXT NOT NULL,
  category TEXT NOT NULL,
  email TEXT NOT NULL,
  soapbox TEXT NOT NULL,
  address TEXT NOT NULL,
  late INTEGER NOT NULL,
  digest TEXT NOT NULL,
  bytes INTEGER NOT NULL,
  qso_lines INTEGER NOT NULL,
  claimed INTEGER NOT NULL,
  replaces INTEGER REFERENCES uploads(receipt),
  token_hash BLOB NOT NULL UNIQUE,
  facts TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS uploads_by_call ON uploads(call, receipt);
CREATE TABLE IF NOT EXISTS settings(key TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS checks(
  id INTEGER PRIMARY KEY,
  started_at INTEGER NOT NULL,
  finished_at INTEGER,
  options TEXT NOT NULL,
  state INTEGER NOT NULL,
  message TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS check_uploads(
  check_id INTEGER NOT NULL REFERENCES checks(id),
  receipt INTEGER NOT NULL REFERENCES uploads(receipt),
  PRIMARY KEY(check_id, receipt)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS publications(
  id INTEGER PRIMARY KEY,
  check_id INTEGER NOT NULL REFERENCES checks(id),
  published_at INTEGER NOT NULL);
)";

constexpr std::string_view kUploadColumns =
    "SELECT receipt, received_at, call, category, email, soapbox, address, late, digest, bytes, "
    "qso_lines, claimed, replaces";

UploadRecord UploadOfRow(const Statement& row) {
  UploadRecord upload;
  upload.receipt = row.Integer(0);
  upload.receivedAt = row.Integer(1);
  upload.call = row.Text(2);
  upload.category = row.Text(3);
  upload.email = row.Text(4);
  upload.soapbox = row.Text(5);
  upload.address = row.Text(6);
  upload.late = row.Integer(7) != 0;
  upload.digest = row.Text(8);
  upload.bytes = row.Integer(9);
  upload.qsoLines = row.Integer(10);
  upload.claimed = row.Integer(11);
  upload.replaces = row.OptionalInteger(12);
  return upload;
}

CheckRecord CheckOfRow(const Statement& row) {
  CheckRecord check;
  check.id = row.Integer(0);
  check.startedAt = row.Integer(1);
  check.finishedAt = row.OptionalInteger(2);
  check.options = row.Text(3);
  check.state = static_cast<CheckState>(row.Integer(4));
  check.message = row.Text(5);
  return check;
}

const fs::path& MadeFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) throw StoreError("can not make " + folder.string() + ": " + error.message());
  return folder;
}

}  // namespace

SqliteStore::SqliteStore(const fs::path& folder)
    : folder_(MadeFolder(folder)),
      files_(folder / kLogsFolderName),
      database_(folder / kDatabaseFileName) {
  database_.Execute("PRAGMA journal_mode=WAL");
  database_.Execute("PRAGMA synchronous=FULL");
  database_.Execute("PRAGMA foreign_keys=ON");
  database_.Execute(kSchema);
}

void SqliteStore::Recover() {
  files_.RemovePartial();
  const std::lock_guard lock(mutex_);
  database_
      .Prepare(
          "UPDATE checks SET state = ?, message = 'the robot stopped during the check' "
          "WHERE state = ?")
      .Bind(1, static_cast<std::int64_t>(CheckState::kFailed))
      .Bind(2, static_cast<std::int64_t>(CheckState::kRunning))
      .Run();
}

UploadRecord SqliteStore::Receive(UploadRecord upload, std::string_view log,
                                  std::string_view tokenHash) {
  upload.digest = files_.Keep(log);
  upload.bytes = static_cast<std::int64_t>(log.size());
  const std::string facts = FactsJson(upload.facts);
  const std::lock_guard lock(mutex_);
  Transaction transaction(database_);
  if (const std::int64_t previous = Latest(upload.call)) upload.replaces = previous;
  Statement insert = database_.Prepare(
      "INSERT INTO uploads(received_at, call, category, email, soapbox, address, late, digest, "
      "bytes, qso_lines, claimed, replaces, token_hash, facts) "
      "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  if (upload.replaces) insert.Bind(12, *upload.replaces);
  insert.Bind(1, upload.receivedAt)
      .Bind(2, upload.call)
      .Bind(3, upload.category)
      .Bind(4, upload.email)
      .Bind(5, upload.soapbox)
      .Bind(6, upload.address)
      .Bind(7, std::int64_t{upload.late})
      .Bind(8, upload.digest)
      .Bind(9, upload.bytes)
      .Bind(10, upload.qsoLines)
      .Bind(11, upload.claimed)
      .BindBlob(13, tokenHash)
      .Bind(14, facts)
      .Run();
  upload.receipt = database_.LastInsertId();
  if (beforeCommit_) beforeCommit_();
  transaction.Commit();
  return upload;
}

std::vector<UploadRecord> SqliteStore::Uploads() const {
  const std::lock_guard lock(mutex_);
  Statement rows =
      database_.Prepare(std::string(kUploadColumns) + " FROM uploads ORDER BY receipt");
  std::vector<UploadRecord> uploads;
  while (rows.Step()) uploads.push_back(UploadOfRow(rows));
  return uploads;
}

std::optional<UploadRecord> SqliteStore::OneUpload(
    std::string_view where, const std::function<void(Statement&)>& bind) const {
  const std::lock_guard lock(mutex_);
  Statement row = database_.Prepare(std::string(kUploadColumns) + ", facts FROM uploads WHERE " +
                                    std::string(where));
  bind(row);
  if (!row.Step()) return std::nullopt;
  UploadRecord upload = UploadOfRow(row);
  upload.facts = FactsOfJson(row.Text(13));
  return upload;
}

std::optional<UploadRecord> SqliteStore::UploadOfToken(std::string_view tokenHash) const {
  return OneUpload("token_hash = ?", [&](Statement& row) { row.BindBlob(1, tokenHash); });
}

std::optional<UploadRecord> SqliteStore::UploadOfReceipt(std::int64_t receipt) const {
  return OneUpload("receipt = ?", [&](Statement& row) { row.Bind(1, receipt); });
}

std::int64_t SqliteStore::LatestReceiptOf(std::string_view call) const {
  const std::lock_guard lock(mutex_);
  return Latest(call);
}

std::int64_t SqliteStore::Latest(std::string_view call) const {
  Statement row = database_.Prepare("SELECT max(receipt) FROM uploads WHERE call = ?");
  row.Bind(1, call).Step();
  return row.OptionalInteger(0).value_or(0);
}

fs::path SqliteStore::LogFileOf(const UploadRecord& upload) const {
  return files_.PathOf(upload.digest);
}

std::optional<std::string> SqliteStore::Setting(std::string_view key) const {
  const std::lock_guard lock(mutex_);
  Statement row = database_.Prepare("SELECT value FROM settings WHERE key = ?");
  row.Bind(1, key);
  if (!row.Step()) return std::nullopt;
  return row.Text(0);
}

void SqliteStore::SetSetting(std::string_view key, std::string_view value) {
  const std::lock_guard lock(mutex_);
  database_.Prepare("INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)")
      .Bind(1, key)
      .Bind(2, value)
      .Run();
}

std::int64_t SqliteStore::BeginCheck(std::int64_t startedAt, std::string_view options,
                                     const std::vector<std::int64_t>& receipts) {
  const std::lock_guard lock(mutex_);
  Transaction transaction(database_);
  database_.Prepare("INSERT INTO checks(started_at, options, state, message) VALUES(?, ?, ?, '')")
      .Bind(1, startedAt)
      .Bind(2, options)
      .Bind(3, static_cast<std::int64_t>(CheckState::kRunning))
      .Run();
  const std::int64_t check = database_.LastInsertId();
  Statement insert = database_.Prepare("INSERT INTO check_uploads(check_id, receipt) VALUES(?, ?)");
  for (const std::int64_t receipt : receipts) {
    insert.Bind(1, check).Bind(2, receipt).Run();
  }
  transaction.Commit();
  return check;
}

void SqliteStore::EndCheck(std::int64_t check, CheckState state, std::string_view message,
                           std::int64_t finishedAt) {
  const std::lock_guard lock(mutex_);
  database_.Prepare("UPDATE checks SET state = ?, message = ?, finished_at = ? WHERE id = ?")
      .Bind(1, static_cast<std::int64_t>(state))
      .Bind(2, message)
      .Bind(3, finishedAt)
      .Bind(4, check)
      .Run();
}

std::vector<CheckRecord> SqliteStore::Checks() const {
  const std::lock_guard lock(mutex_);
  Statement rows = database_.Prepare(
      "SELECT id, started_at, finished_at, options, state, message FROM checks ORDER BY id DESC");
  std::vector<CheckRecord> checks;
  while (rows.Step()) checks.push_back(CheckOfRow(rows));
  return checks;
}

std::optional<CheckRecord> SqliteStore::Check(std::int64_t id) const {
  const std::lock_guard lock(mutex_);
  Statement row = database_.Prepare(
      "SELECT id, started_at, finished_at, options, state, message FROM checks WHERE id = ?");
  row.Bind(1, id);
  if (!row.Step()) return std::nullopt;
  CheckRecord check = CheckOfRow(row);
  Statement receipts =
      database_.Prepare("SELECT receipt FROM check_uploads WHERE check_id = ? ORDER BY receipt");
  receipts.Bind(1, id);
  while (receipts.Step()) check.receipts.push_back(receipts.Integer(0));
  return check;
}

void SqliteStore::Publish(std::int64_t check, std::int64_t publishedAt) {
  const std::lock_guard lock(mutex_);
  database_.Prepare("INSERT INTO publications(check_id, published_at) VALUES(?, ?)")
      .Bind(1, check)
      .Bind(2, publishedAt)
      .Run();
}

std::optional<std::int64_t> SqliteStore::PublishedCheck() const {
  const std::lock_guard lock(mutex_);
  Statement row = database_.Prepare("SELECT check_id FROM publications ORDER BY id DESC LIMIT 1");
  if (!row.Step()) return std::nullopt;
  return row.Integer(0);
}

void BackupStore(const fs::path& folder, const fs::path& copy) {
  const fs::path copied = MadeFolder(copy);
  {
    Database source(folder / kDatabaseFileName, Access::kReadOnly);
    Database target(copied / kDatabaseFileName);
    sqlite3_backup* backup = sqlite3_backup_init(target.Handle(), "main", source.Handle(), "main");
    if (backup == nullptr) target.Fail("backup");
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) target.Fail("backup");
  }
  Database target(copied / kDatabaseFileName, Access::kReadOnly);
  Statement digests = target.Prepare("SELECT DISTINCT digest FROM uploads");
  while (digests.Step()) {
    const std::string digest = digests.Text(0);
    const fs::path to = LogFilePath(copied / kLogsFolderName, digest);
    std::error_code error;
    fs::create_directories(to.parent_path(), error);
    if (!error) {
      fs::copy_file(LogFilePath(folder / kLogsFolderName, digest), to,
                    fs::copy_options::skip_existing, error);
    }
    if (error) throw StoreError("can not copy " + to.string() + ": " + error.message());
  }
}

}  // namespace logrobot
