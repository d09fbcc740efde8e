# Cross build of the Windows deliverables with mingw-w64, posix threads,
# everything linked statically so that only system DLLs are imported.
# Included by the toolchain file of each architecture after it has set
# KV_MINGW_PREFIX (the compilers' name prefix) and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

find_program(KV_MINGW_CC ${KV_MINGW_PREFIX}-gcc-posix)
find_program(KV_MINGW_CXX ${KV_MINGW_PREFIX}-g++-posix)
find_program(KV_MINGW_RC ${KV_MINGW_PREFIX}-windres)
if(NOT KV_MINGW_CC OR NOT KV_MINGW_CXX OR NOT KV_MINGW_RC)
  message(FATAL_ERROR "The ${KV_MINGW_PREFIX} mingw-w64 posix compilers were not found "
                      "(scripts/install-dependencies installs them)")
endif()

set(CMAKE_C_COMPILER ${KV_MINGW_CC})
set(CMAKE_CXX_COMPILER ${KV_MINGW_CXX})
set(CMAKE_RC_COMPILER ${KV_MINGW_RC})

set(CMAKE_FIND_ROOT_PATH /usr/${KV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
