# The header-only libraries our programs use, from Debian's packages:
# nlohmann-json (nlohmann::json), CLI11 (CLI11::CLI11) and xxHash
# (xxHash::xxhash, used inline). The plug-in links none of them.
#
# The headers live in /usr/include, which a cross build must not search (it
# would find the build machine's C library). Each library's own folder is linked
# into a folder of the build tree that holds nothing else, and that folder is
# what the targets add to the include path, natively and cross-compiled alike.
set(KV_HEADER_LIBRARY_ROOT "/usr/include" CACHE PATH "Where nlohmann/ and CLI/ are installed")
set(kv_header_staging "${CMAKE_BINARY_DIR}/_deps/header_libraries")
file(MAKE_DIRECTORY "${kv_header_staging}")

function(kv_header_library target folder probe package)
  if(NOT EXISTS "${KV_HEADER_LIBRARY_ROOT}/${folder}/${probe}")
    message(FATAL_ERROR "${KV_HEADER_LIBRARY_ROOT}/${folder}/${probe} not found "
                        "(apt-get install ${package}; scripts/install-dependencies installs it)")
  endif()
  file(CREATE_LINK "${KV_HEADER_LIBRARY_ROOT}/${folder}" "${kv_header_staging}/${folder}" SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  target_include_directories(${target} SYSTEM INTERFACE "${kv_header_staging}")
endfunction()

# A library that is one header in /usr/include itself: the header alone is linked.
function(kv_header_file target header package)
  if(NOT EXISTS "${KV_HEADER_LIBRARY_ROOT}/${header}")
    message(FATAL_ERROR "${KV_HEADER_LIBRARY_ROOT}/${header} not found "
                        "(apt-get install ${package}; scripts/install-dependencies installs it)")
  endif()
  file(CREATE_LINK "${KV_HEADER_LIBRARY_ROOT}/${header}" "${kv_header_staging}/${header}" SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  target_include_directories(${target} SYSTEM INTERFACE "${kv_header_staging}")
endfunction()

kv_header_library(nlohmann_json::nlohmann_json nlohmann json.hpp nlohmann-json3-dev)
kv_header_library(CLI11::CLI11 CLI CLI.hpp libcli11-dev)
kv_header_file(xxHash::xxhash xxhash.h libxxhash-dev)
