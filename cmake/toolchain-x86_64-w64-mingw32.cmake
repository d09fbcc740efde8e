# The same sources for 64-bit Windows, whose tests run under 64-bit wine on
# machines that can't execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(KV_MINGW_PREFIX x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")
