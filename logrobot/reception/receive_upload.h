#pragma once

// An upload received: read and checked (read_upload.h), then kept with its
// record and a new private link. The token is returned once, here; the store
// keeps only its hash.

#include <cstdint>
#include <string>
#include <variant>

#include "logrobot/reading/read_upload.h"
#include "logrobot/store/store.h"

namespace logrobot {

struct Receipt {
  UploadRecord upload;
  std::string token;  // of the participant's private link
};

// Throws StoreError when the log could not be kept; nothing is then recorded.
std::variant<Receipt, Refusal> ReceiveUpload(const UploadForm& form, const std::string& address,
                                             const ContestFile& contest, Store& store,
                                             std::int64_t now);

}  // namespace logrobot
