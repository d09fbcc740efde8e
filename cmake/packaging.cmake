# The release zip of the Windows build (cmake --build <dir> --target package):
#   Plugins/Stats.dll, Plugins/Zarnik.exe   copied into the host's Plugins folder
#   stats-host.exe                          scores an ADIF log through Plugins/Stats.dll
#   INSTALL.txt                             how to install
# Everything goes into one folder named after the release.

install(PROGRAMS "$<TARGET_FILE:Stats>" DESTINATION Plugins)
if(TARGET Zarnik)
  install(PROGRAMS "$<TARGET_FILE:Zarnik>" DESTINATION Plugins)
endif()
install(PROGRAMS "$<TARGET_FILE:stats-host>" DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/docs/INSTALL.txt" DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME "KesdraVelk")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "KesdraVelk-${PROJECT_VERSION}-win32")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/release")
include(CPack)
