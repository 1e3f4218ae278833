# The release package: the program, its readme and the example maps in one
# zip, made by CPack from the install rules, and the installer made from the
# same files (cmake/installer.cmake). `scripts/package` builds both.
set(TASTRIX_RELEASE "1.0f")  # the version users see, as in the version resource

install(TARGETS tastrix RUNTIME DESTINATION .)
# The readme, copied once beside the executable (where F1 finds it in a build,
# and where the package takes it from), with CR LF line ends whatever line
# ends the checkout has.
configure_file(${CMAKE_SOURCE_DIR}/docs/tastrix.txt ${CMAKE_BINARY_DIR}/tastrix.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/tastrix.txt DESTINATION .)
# The example maps, in a folder of their own, byte for byte: they are kept with
# CR LF line ends, as the program writes maps.
file(GLOB TASTRIX_EXAMPLE_MAPS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/docs/examples/*.zv ${CMAKE_SOURCE_DIR}/docs/examples/*.zvl)
install(FILES ${TASTRIX_EXAMPLE_MAPS} DESTINATION examples)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TASTRIX_PACKAGE_SYSTEM win32)
else()
  set(TASTRIX_PACKAGE_SYSTEM win64)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tastrix)
set(CPACK_PACKAGE_VERSION ${TASTRIX_RELEASE})
set(CPACK_PACKAGE_FILE_NAME "tastrix-${TASTRIX_RELEASE}-${TASTRIX_PACKAGE_SYSTEM}")
# The files at the top: Windows' "Extract All" makes the folder itself.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# File times in the zip when SOURCE_DATE_EPOCH is not set: 2024-01-01 00:00 UTC.
set(CPACK_TASTRIX_DEFAULT_EPOCH 1704067200)
set(CPACK_TASTRIX_INSTALLER_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/installer.nsi)
set(CPACK_TASTRIX_ICON ${CMAKE_SOURCE_DIR}/res/tastrix.ico)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/reproducible_zip.cmake ${CMAKE_CURRENT_LIST_DIR}/installer.cmake)
include(CPack)
