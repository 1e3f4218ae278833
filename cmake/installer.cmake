# Run by cpack (CPACK_POST_BUILD_SCRIPTS) after reproducible_zip.cmake, which
# gave the staged files their fixed time: builds the installer
# tastrix-<version>-setup.exe beside the zip from the same files, with NSIS's
# makensis and cmake/installer.nsi, which installs them with that time.

find_program(MAKENSIS_PROGRAM makensis)
if(NOT MAKENSIS_PROGRAM)
  message(FATAL_ERROR "the installer needs NSIS's makensis (Debian package nsis)")
endif()

set(stage "${CPACK_TEMPORARY_DIRECTORY}")
file(GLOB examples LIST_DIRECTORIES false RELATIVE "${stage}/examples" "${stage}/examples/*")
list(SORT examples)
get_filename_component(parent "${stage}" DIRECTORY)
set(include "${parent}/installer-examples.nsh")
set(lines "")
foreach(example IN LISTS examples)
  string(APPEND lines "!insertmacro Example \"${example}\"\n")
endforeach()
file(WRITE "${include}" "${lines}")

set(setup "${CPACK_PACKAGE_DIRECTORY}/tastrix-${CPACK_PACKAGE_VERSION}-setup.exe")
file(REMOVE "${setup}")
execute_process(
  COMMAND "${MAKENSIS_PROGRAM}" -V2 -INPUTCHARSET UTF8
          "-DVERSION=${CPACK_PACKAGE_VERSION}" "-DSTAGE=${stage}" "-DEXAMPLES=${include}"
          "-DICON=${CPACK_TASTRIX_ICON}" "-DOUTFILE=${setup}"
          "${CPACK_TASTRIX_INSTALLER_SCRIPT}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "makensis failed for ${setup}: ${result}")
endif()
