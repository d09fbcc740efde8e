// ReplaceAll on random texts, and the three forms of the multi-line station
// fields (address, soapbox) built on it:
// - ReplaceAll gives what a plain left-to-right scan gives: every occurrence
//   replaced, none overlapping, inserted text never searched again; the
//   source unchanged when the text to find is empty or equals the replacement.
// - A text without a literal "<CR>" or "<LF>" survives edit form -> settings
//   form -> edit form unchanged, and its settings form holds no line break.
// - Every line break of its Cabrillo form starts a new tagged line: one line
//   per carriage return of the edit form, plus one. (A "<LF>" may still stand
//   in it, when "<L" and "F>" were typed around a line feed that is dropped.)

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "fuzz/require.h"
#include "stats/station/multiline_forms.h"
#include "stats/station/replace_all.h"

namespace {

using fuzz::Require;

std::string ScanReplace(std::string_view source, std::string_view find,
                        std::string_view replacement) {
  if (find.empty() || find == replacement) return std::string(source);
  std::string result;
  std::size_t at = 0;
  while (at < source.size()) {
    if (source.substr(at, find.size()) == find) {
      result += replacement;
      at += find.size();
    } else {
      result += source[at++];
    }
  }
  return result;
}

std::size_t Count(std::string_view text, std::string_view piece) {
  std::size_t count = 0;
  for (std::size_t at = text.find(piece); at != std::string_view::npos;
       at = text.find(piece, at + piece.size())) {
    ++count;
  }
  return count;
}

void CheckForms(std::string_view edit) {
  if (edit.find("<CR>") != std::string_view::npos || edit.find("<LF>") != std::string_view::npos) {
    return;
  }
  const std::string settings = stats::EditToSettingsForm(edit);
  Require(settings.find_first_of("\r\n") == std::string::npos, "the settings form is one line");
  Require(stats::SettingsToEditForm(settings) == edit,
          "edit -> settings -> edit gives the text back");

  const std::string cabrillo = stats::SettingsToCabrilloForm(settings, "SOAPBOX: ");
  Require(Count(cabrillo, "\n") == Count(cabrillo, "\r\nSOAPBOX: "),
          "every line break of the Cabrillo form starts a tagged line");
  Require(Count(cabrillo, "\r\nSOAPBOX: ") == Count(edit, "\r"),
          "one Cabrillo line per line of the edit form");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  const std::string find = input.ShortText();
  const std::string replacement = input.ShortText();
  const std::string source = input.Bytes(size);

  const std::string replaced = stats::ReplaceAll(source, find, replacement);
  Require(replaced == ScanReplace(source, find, replacement),
          "ReplaceAll replaces left to right without overlaps");
  Require(stats::ReplaceAll(source, find, find) == source,
          "replacing a text by itself is no change");

  CheckForms(source);
  return 0;
}
