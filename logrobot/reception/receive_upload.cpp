#include "logrobot/reception/receive_upload.h"

#include "logrobot/secrets/secrets.h"

namespace logrobot {

std::variant<Receipt, Refusal> ReceiveUpload(const UploadForm& form, const std::string& address,
                                             const ContestFile& contest, Store& store,
                                             std::int64_t now) {
  auto read = ReadUpload(form, contest, now);
  if (Refusal* refusal = std::get_if<Refusal>(&read)) return std::move(*refusal);
  Entry& entry = std::get<Entry>(read);
  UploadRecord upload;
  upload.receivedAt = now;
  upload.call = std::move(entry.call);
  upload.category = std::move(entry.category);
  upload.email = std::move(entry.email);
  upload.soapbox = std::move(entry.soapbox);
  upload.address = address;
  upload.late = entry.late;
  upload.qsoLines = entry.facts.total.lines;
  upload.claimed = entry.facts.score;
  upload.facts = std::move(entry.facts);
  std::string token = RandomToken();
  return Receipt{store.Receive(std::move(upload), form.log, TokenHash(token)), std::move(token)};
}

}  // namespace logrobot
