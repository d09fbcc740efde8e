#pragma once

// An output written beside its final name and moved over it only when every
// byte was written, so that a failed run never destroys the outputs of an
// earlier one. Written through a large buffer: verdicts.jsonl of a large
// contest runs to a gigabyte.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

class OutputFile {
 public:
  explicit OutputFile(std::filesystem::path path);
  ~OutputFile();  // removes the temporary file when Commit did not run
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void Write(std::string_view bytes);
  // Closes the file and moves it over its final name. Nothing when that
  // worked, else why not.
  std::optional<std::string> Commit();

 private:
  std::filesystem::path path_;
  std::filesystem::path temporary_;
  std::vector<char> buffer_;
  std::ofstream file_;
  bool committed_ = false;
};

// The whole file at once.
std::optional<std::string> WriteWholeFile(const std::filesystem::path& path,
                                          std::string_view bytes);

}  // namespace files
