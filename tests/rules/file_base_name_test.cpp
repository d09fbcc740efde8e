// The Cabrillo file's base name from the host's call sign.

#include "stats/rules/file_base_name.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

struct BaseNameCase {
  const char* hostCall;
  const char* baseName;
};

class FileBaseNameTest : public ::testing::TestWithParam<BaseNameCase> {};

TEST_P(FileBaseNameTest, IsSafeAsAWindowsFileName) {
  EXPECT_EQ(FileBaseName(GetParam().hostCall), GetParam().baseName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileBaseNameTest,
    ::testing::Values(BaseNameCase{"UA1AAA", "UA1AAA"}, BaseNameCase{"UA1AAA/P", "UA1AAA_P"},
                      BaseNameCase{"R\\UA1AAA/M", "R_UA1AAA_M"},
                      BaseNameCase{"  UA1AAA \t", "UA1AAA"}, BaseNameCase{"UA1 AAA", "UA1 AAA"},
                      // White space is what isspace() takes for it, \v and \f included.
                      BaseNameCase{"\v\fUA1AAA\f\v", "UA1AAA"}, BaseNameCase{"\v\f", "ZORVA"},
                      BaseNameCase{"", "ZORVA"}, BaseNameCase{" \t\r\n", "ZORVA"},
                      BaseNameCase{" / ", "_"}, BaseNameCase{"a<b>c:d\"e|f?g*h", "a_b_c_d_e_f_g_h"},
                      BaseNameCase{"UA1\tAAA\x01", "UA1_AAA_"},
                      BaseNameCase{"\xD0\xC0\xC4\xC8\xCE", "\xD0\xC0\xC4\xC8\xCE"},
                      // Device names would send the log to a device, not a file.
                      BaseNameCase{"CON", "_CON"}, BaseNameCase{"nul", "_nul"},
                      BaseNameCase{"Com1", "_Com1"}, BaseNameCase{"LPT9.x", "_LPT9.x"},
                      BaseNameCase{"aux", "_aux"}, BaseNameCase{"COM10", "COM10"},
                      BaseNameCase{"AUX .1", "_AUX .1"}, BaseNameCase{"COM0", "COM0"},
                      BaseNameCase{"CONX", "CONX"}, BaseNameCase{"PRN/P", "PRN_P"}),
    [](const ::testing::TestParamInfo<BaseNameCase>& info) {
      return "Case" + std::to_string(info.index);
    });

}  // namespace
}  // namespace stats
