# cmake -DOBJDUMP=<objdump> -DBINARY=<file> -DMACHINE=i386|x86-64
#       [-DEXPORTS=plain|decorated] [-DRESOURCES=<type>/<id>,...] [-DLONG_PATHS=ON]
#       -P check_pe_binary.cmake
# Reads a built Windows binary with objdump, without running it:
# - it is a PE image for MACHINE;
# - it imports system DLLs only (no compiler runtime DLL to ship beside it);
# - EXPORTS=plain: it exports the plug-in's ten entry points by plain name;
#   EXPORTS=decorated: also by the decorated names that the host's compiler gives
#   them, each an alias of the plain one;
# - RESOURCES: the resources it must carry, as numeric type/id pairs
#   (5/101 is dialog 101, 16/1 the version information, 24/1 the manifest);
# - LONG_PATHS: its manifest declares that it takes long paths.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${OBJDUMP}" -p "${BINARY}" OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${BINARY}")
endif()

if(NOT dump MATCHES "file format pei-${MACHINE}\n")
  string(REGEX MATCH "file format [^\n]+" format "${dump}")
  message(FATAL_ERROR "${BINARY} is not a ${MACHINE} image: ${format}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "no import table found in ${BINARY}")
endif()
set(dlls)
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  list(APPEND dlls ${dll})
  if(NOT dll MATCHES "^(kernel32|user32|gdi32|msvcrt|advapi32|ole32|oleaut32|comctl32|shell32|version)\\.dll$")
    message(FATAL_ERROR "${BINARY} imports ${dll}, which is not part of the system")
  endif()
endforeach()

if(EXPORTS)
  set(expected GetNumberOfSets GetSetName SetupSet0 ResetStats0 AddData0 RemoveData0 GetResult0
               CheckCall0 GetExchgCount0 IsValidExchg0)
  if(EXPORTS STREQUAL "decorated")
    list(APPEND expected
      "?GetNumberOfSets@@YAHXZ" "?GetSetName@@YAPBDH@Z" "?SetupSet0@@YAXXZ"
      "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"
      "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"
      "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"
      "?GetResult0@@YAPBDPAH@Z" "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"
      "?StatsGetExchgCount0@@YAHPBD00@Z" "?StatsIsValidExchg0@@YAHPBD000HHH@Z")
  endif()
  foreach(name IN LISTS expected)
    string(FIND "${dump}" "] ${name}\n" position)
    if(position EQUAL -1)
      message(FATAL_ERROR "${BINARY} does not export ${name}")
    endif()
  endforeach()
endif()

# The resource directory as objdump prints it: type entries indented by three
# spaces, each followed by the id entries of its name table, indented by five.
set(resources)
string(FIND "${dump}" "The .rsrc Resource Directory section:" start)
if(NOT start EQUAL -1)
  string(SUBSTRING "${dump}" ${start} -1 directory)
  string(REPLACE "\n" ";" lines "${directory}")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[0-9a-f]+   Entry: ID: 0x([0-9a-f]+)")
      math(EXPR type "0x${CMAKE_MATCH_1}")
    elseif(line MATCHES "^[0-9a-f]+     Entry: ID: 0x([0-9a-f]+)")
      math(EXPR id "0x${CMAKE_MATCH_1}")
      list(APPEND resources "${type}/${id}")
    endif()
  endforeach()
endif()
string(REPLACE "," ";" wanted_resources "${RESOURCES}")
foreach(resource IN LISTS wanted_resources)
  if(NOT resource IN_LIST resources)
    message(FATAL_ERROR "${BINARY} lacks the resource ${resource} (type/id); it has: ${resources}")
  endif()
endforeach()

if(LONG_PATHS)
  file(STRINGS "${BINARY}" long_paths REGEX "<longPathAware[^>]*>true</longPathAware>")
  if(NOT long_paths)
    message(FATAL_ERROR "${BINARY} does not declare long-path awareness in its manifest")
  endif()
endif()

message(STATUS "${BINARY}: ${MACHINE}, imports ${dlls}, resources ${resources}")
