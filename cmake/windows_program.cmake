# kv_windows_program(<target>): in the Windows build, the program carries our
# manifest (cmake/windows/program.manifest): long paths where the system
# allows them. Nothing elsewhere.
set(KV_PROGRAM_MANIFEST "${CMAKE_CURRENT_LIST_DIR}/windows/program.manifest")
set(KV_PROGRAM_RC "${CMAKE_BINARY_DIR}/_generated/program.rc")
configure_file("${CMAKE_CURRENT_LIST_DIR}/windows/program.rc.in" "${KV_PROGRAM_RC}" @ONLY)

function(kv_windows_program target)
  if(WIN32)
    target_sources(${target} PRIVATE "${KV_PROGRAM_RC}")
    set_property(SOURCE "${KV_PROGRAM_RC}" APPEND PROPERTY OBJECT_DEPENDS "${KV_PROGRAM_MANIFEST}")
  endif()
endfunction()
