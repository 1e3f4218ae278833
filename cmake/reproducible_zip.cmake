# Run by cpack (CPACK_POST_BUILD_SCRIPTS) after its ZIP generator made the
# package and before it copies it out of _CPack_Packages. Rebuilds each zip so
# that it depends only on the staged files' names and contents.
#
# CMake 3.25's ZIP (libarchive) cannot be made reproducible from outside:
# every entry carries the file's access and inode-change times in its "UT"
# extra field and the owner's uid/gid in "ux", and the entries come in the
# staging folder's readdir order. An inode-change time cannot be set, and
# readdir order differs between file systems. Info-ZIP's "zip -X" writes
# neither field, keeps the order it is given, and stores only the (DOS) time
# and the mode, which this script fixes first.

if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
  set(epoch "${CPACK_TASTRIX_DEFAULT_EPOCH}")
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be whole seconds since 1970, not '${epoch}'")
endif()
find_program(ZIP_PROGRAM zip)
find_program(TOUCH_PROGRAM touch)
if(NOT ZIP_PROGRAM OR NOT TOUCH_PROGRAM)
  message(FATAL_ERROR "a reproducible zip needs Info-ZIP's zip (Debian package zip) and touch")
endif()

set(stage "${CPACK_TEMPORARY_DIRECTORY}")
get_filename_component(top "${stage}" NAME)
get_filename_component(parent "${stage}" DIRECTORY)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${stage}" "${stage}/*")
list(SORT files)  # byte order, the same on every machine
if(NOT files)
  message(FATAL_ERROR "nothing staged in ${stage}")
endif()

set(paths "")
set(entries "")
foreach(file IN LISTS files)
  # The zip keeps the Unix mode: set it rather than inherit the builder's umask.
  if(file MATCHES "\\.(exe|dll)$")
    file(CHMOD "${stage}/${file}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  else()
    file(CHMOD "${stage}/${file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
  list(APPEND paths "${stage}/${file}")
  if(CPACK_INCLUDE_TOPLEVEL_DIRECTORY)
    list(APPEND entries "${top}/${file}")
  else()
    list(APPEND entries "${file}")
  endif()
endforeach()

execute_process(COMMAND "${TOUCH_PROGRAM}" -d "@${epoch}" ${paths} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "touch failed: ${result}")
endif()

if(CPACK_INCLUDE_TOPLEVEL_DIRECTORY)
  set(base "${parent}")
else()
  set(base "${stage}")
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(REMOVE "${package}")  # zip would add to an existing archive
  # TZ=UTC: zip stores local DOS time. ZIPOPT and ZIP would add options.
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=ZIPOPT --unset=ZIP TZ=UTC
            "${ZIP_PROGRAM}" -X -D -q -9 "${package}" ${entries}
    WORKING_DIRECTORY "${base}"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "zip failed for ${package}: ${result}")
  endif()
endforeach()
