# The setup program Zelmora_<version>_Setup.exe, made by NSIS's makensis from
# setup/zelmora.nsi with the version of app/program_info.h. Built with the
# program when makensis is there (scripts/setup-deps installs it).
find_program(ZELMORA_MAKENSIS makensis)
if(ZELMORA_MAKENSIS)
  file(STRINGS "${CMAKE_SOURCE_DIR}/app/program_info.h" version_line
       REGEX "kVersionMajor = [0-9]+, kVersionMinor = [0-9]+")
  string(REGEX REPLACE ".*kVersionMajor = ([0-9]+), kVersionMinor = ([0-9]+).*" "\\1;\\2"
         version "${version_line}")
  list(GET version 0 major)
  list(GET version 1 minor)
  set(ZELMORA_SETUP_EXE "${CMAKE_BINARY_DIR}/Zelmora_V${major}-${minor}_Setup.exe")
  add_custom_command(
    OUTPUT "${ZELMORA_SETUP_EXE}"
    COMMAND "${ZELMORA_MAKENSIS}" -V2 "-DPROGRAM=$<TARGET_FILE:Zelmora>"
            "-DVERSION=V${major}-${minor}" "-DFILEVERSION=${major}.${minor}.0.0"
            "-DOUTFILE=${ZELMORA_SETUP_EXE}" "${CMAKE_SOURCE_DIR}/setup/zelmora.nsi"
    DEPENDS Zelmora "${CMAKE_SOURCE_DIR}/setup/zelmora.nsi" "${CMAKE_SOURCE_DIR}/app/program_info.h"
    COMMENT "Making the setup program with makensis"
    VERBATIM)
  add_custom_target(zelmora_setup ALL DEPENDS "${ZELMORA_SETUP_EXE}")
else()
  message(STATUS "makensis not found: no setup program (scripts/setup-deps installs nsis)")
endif()
