# cmake -DOBJDUMP=... -DBINARY=Stats.dll -P check_dll_tables.cmake
# The DLL exports the ten entry points by plain and decorated name and imports
# system DLLs only (no compiler runtime DLL to ship beside it).
execute_process(COMMAND "${OBJDUMP}" -p "${BINARY}" OUTPUT_VARIABLE table RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${BINARY}")
endif()

set(expected
  GetNumberOfSets GetSetName SetupSet0 ResetStats0 AddData0 RemoveData0 GetResult0 CheckCall0
  GetExchgCount0 IsValidExchg0
  "?GetNumberOfSets@@YAHXZ" "?GetSetName@@YAPBDH@Z" "?SetupSet0@@YAXXZ"
  "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"
  "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"
  "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"
  "?GetResult0@@YAPBDPAH@Z" "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"
  "?StatsGetExchgCount0@@YAHPBD00@Z" "?StatsIsValidExchg0@@YAHPBD000HHH@Z")
foreach(name IN LISTS expected)
  string(FIND "${table}" "] ${name}\n" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "export missing: ${name}")
  endif()
endforeach()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${table}")
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll MATCHES "^(kernel32|user32|gdi32|msvcrt|advapi32|ole32|oleaut32|comctl32|shell32)\\.dll$")
    message(FATAL_ERROR "imports a DLL that is not part of the system: ${dll}")
  endif()
endforeach()
message(STATUS "exports and imports as expected: ${imports}")
