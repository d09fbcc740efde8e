// Checks of the plug-in's binary interface that only the 32-bit Windows build
// has: the decorated aliases and the caller-cleans calling convention.

#include <gtest/gtest.h>
#include <windows.h>

#include "stats/public/exports.h"
#include "tests/support/plugin_library.h"
#include "tests/support/temp_dir.h"

namespace stats {
namespace {

class BinaryInterfaceTest : public ::testing::Test {
 protected:
  testing::PluginLibrary library_{testing::BuiltPluginPath()};
};

TEST_F(BinaryInterfaceTest, DecoratedAliasesLeadToThePlainEntryPoints) {
  const struct {
    const char* plain;
    const char* decorated;
  } names[] = {
      {"GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
      {"GetSetName", "?GetSetName@@YAPBDH@Z"},
      {"SetupSet0", "?SetupSet0@@YAXXZ"},
      {"ResetStats0", "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"},
      {"AddData0", "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
      {"RemoveData0", "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
      {"GetResult0", "?GetResult0@@YAPBDPAH@Z"},
      {"CheckCall0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"},
      {"GetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"},
      {"IsValidExchg0", "?StatsIsValidExchg0@@YAHPBD000HHH@Z"},
  };
  for (const auto& name : names) {
    void* const plain = library_.Find(name.plain);
    ASSERT_NE(plain, nullptr) << name.plain;
    EXPECT_EQ(library_.Find(name.decorated), plain) << name.decorated;
  }
  EXPECT_EQ(library_.Find("_GetNumberOfSets"), nullptr);
  EXPECT_EQ(library_.Find("GetNumberOfSets@0"), nullptr);
}

// Pushes `words` zero words, calls `function` and returns how many bytes of
// them the callee took off the stack: 0 for the C calling convention.
int BytesRemovedByCallee(void* function, int words) {
  int removed = 0;
  asm volatile(
      "movl %%esp, %%esi\n\t"
      "movl %1, %%ecx\n\t"
      "testl %%ecx, %%ecx\n\t"
      "jz 2f\n\t"
      "1:\n\t"
      "pushl $0\n\t"
      "decl %%ecx\n\t"
      "jnz 1b\n\t"
      "2:\n\t"
      "movl %%esp, %%edi\n\t"
      "call *%2\n\t"
      "movl %%esp, %0\n\t"
      "subl %%edi, %0\n\t"
      "movl %%esi, %%esp\n\t"
      : "=&a"(removed), "+d"(words)
      : "b"(function)
      : "ecx", "esi", "edi", "memory", "cc");
  return removed;
}

TEST_F(BinaryInterfaceTest, EveryEntryPointLeavesTheArgumentsToTheCaller) {
  // Words of each argument list: texts, pointers and integers take one, doubles two.
  const struct {
    const char* name;
    int words;
  } entryPoints[] = {
      {"GetNumberOfSets", 0}, {"GetSetName", 1},     {"ResetStats0", 25},
      {"AddData0", 35},       {"RemoveData0", 35},   {"GetResult0", 1},
      {"CheckCall0", 30},     {"GetExchgCount0", 3}, {"IsValidExchg0", 7},
  };
  const testing::ScopedWorkingDirectory directory;  // the calls write err.txt
  for (const auto& entry : entryPoints) {
    EXPECT_EQ(BytesRemovedByCallee(library_.Find(entry.name), entry.words), 0) << entry.name;
  }
}

}  // namespace
}  // namespace stats
