// This file is UTF-8: the alphabet below is the oracle of the code pages.
//
// Our texts: the code pages of logs, holes filled into our words, digits
// grouped.

#include <gtest/gtest.h>

#include <string>

#include "logs/text/ascii.h"
#include "logs/text/display_text.h"
#include "logs/text/log_encoding.h"
#include "logs/text/text_encoding.h"
#include "logs/text/text_pattern.h"

namespace logs {
namespace {

constexpr std::string_view kAlphabet =
    "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";
constexpr std::string_view kAlphabetCp1251 =
    "\xC0\xC1\xC2\xC3\xC4\xC5\xA8\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4"
    "\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF\xE0\xE1\xE2\xE3\xE4\xE5\xB8\xE6\xE7\xE8\xE9"
    "\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF";
constexpr std::string_view kAlphabetKoi8r =
    "\xE1\xE2\xF7\xE7\xE4\xE5\xB3\xF6\xFA\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF2\xF3\xF4\xF5\xE6"
    "\xE8\xE3\xFE\xFB\xFD\xFF\xF9\xF8\xFC\xE0\xF1\xC1\xC2\xD7\xC7\xC4\xC5\xA3\xD6\xDA\xC9\xCA"
    "\xCB\xCC\xCD\xCE\xCF\xD0\xD2\xD3\xD4\xD5\xC6\xC8\xC3\xDE\xDB\xDD\xDF\xD9\xD8\xDC\xC0\xD1";

// The UTF-8 text in a code page, character by character.
std::string Encoded(std::string_view utf8, std::optional<char> (*byteOf)(char32_t)) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto character = Utf8CharacterAt(utf8, i);
    if (!character) return "not UTF-8";
    bytes += byteOf(character->code).value_or('?');
    i += character->bytes;
  }
  return bytes;
}

TEST(CodePages, TheRussianAlphabetBothWays) {
  EXPECT_EQ(DisplayCp1251(kAlphabetCp1251), kAlphabet);
  EXPECT_EQ(DisplayKoi8r(kAlphabetKoi8r), kAlphabet);
  EXPECT_EQ(Encoded(kAlphabet, Cp1251Byte), kAlphabetCp1251);
  EXPECT_EQ(Encoded(kAlphabet, Koi8rByte), kAlphabetKoi8r);
  EXPECT_EQ(Encoded("Kaluga \u20AC \u2500", Cp1251Byte), "Kaluga \x88 ?");
  EXPECT_EQ(Encoded("\u2500", Koi8rByte), "?");  // the drawing characters are not kept
  // "Иван Петров", told apart by how Russian its letters read.
  EXPECT_EQ(DetectEncoding("\xE9\xD7\xC1\xCE \xF0\xC5\xD4\xD2\xCF\xD7"), TextEncoding::kKoi8r);
  EXPECT_EQ(DetectEncoding("\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2"), TextEncoding::kCp1251);
}

TEST(TextPattern, FillsEachHoleOnce) {
  const struct {
    std::string_view pattern;
    std::string_view filled;
  } cases[] = {
      {"{} and {}", "a and b"},
      {"{1} before {0}", "b before a"},
      {"{}{}{}", "ab{}"},  // a hole without its value stays
      {"{2}", "{2}"},
      {"X0} Y1}", "X0} Y1}"},  // no opening brace: no hole
      {"{0", "{0"},
      {"{a} {:}", "{a} {:}"},
      {"{0}{}", "aa"},
  };
  for (const auto& c : cases) EXPECT_EQ(Substituted(c.pattern, {"a", "b"}), c.filled) << c.pattern;
  EXPECT_EQ(Substituted("{} {}", {"{}", "x"}), "{} x");  // values are not read again
}

TEST(DigitGroups, ThreeFromTheRightWhenLongEnough) {
  EXPECT_EQ(GroupedDigits("10220", 4), "10 220");
  EXPECT_EQ(GroupedDigits("1234567", 0, ","), "1,234,567");
  EXPECT_EQ(GroupedDigits("123", 0, ","), "123");
  EXPECT_EQ(GroupedDigits("1022", 5), "1022");
  EXPECT_EQ(GroupedDigits("-1022", 4), "-1022");  // not only digits
  EXPECT_EQ(GroupedDigits("1022", kUngrouped), "1022");
}

}  // namespace
}  // namespace logs
