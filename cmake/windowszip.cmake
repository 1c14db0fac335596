# The Windows download: the one statically linked executable (stripped), the
# licence when there is one, and a short README, as
# VelmoraEditor-<version>-win64.zip in the build folder.
set(zip_name "VelmoraEditor-${PROJECT_VERSION}-win64")
set(zip_stage "${CMAKE_BINARY_DIR}/zip/${zip_name}")
set(zip_mode FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
configure_file(${CMAKE_CURRENT_LIST_DIR}/README-windows.txt.in ${zip_stage}/README.txt @ONLY NEWLINE_STYLE CRLF ${zip_mode})

# Its members, in this order (sorted), each with the time of the last commit,
# and the zip's day and hour in UTC: the same bytes from every build of a commit.
set(zip_members ${zip_name}/README.txt ${zip_name}/VelmoraEditor.exe)
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${zip_stage}/LICENSE COPYONLY ${zip_mode})
  list(PREPEND zip_members ${zip_name}/LICENSE)
  set(zip_license ${zip_stage}/LICENSE)
endif()
set(zip_env TZ=UTC)
set(zip_time "")
if(DEFINED VELMORA_SOURCE_DATE_EPOCH)
  list(APPEND zip_env SOURCE_DATE_EPOCH=${VELMORA_SOURCE_DATE_EPOCH})
  set(zip_time --timestamp ${VELMORA_SOURCE_DATE_EPOCH})
endif()
# CMake's zip writer records each member's owner and group, the builder's:
# Debian's strip-nondeterminism puts the same in every build.
find_program(VELMORA_STRIP_NONDETERMINISM strip-nondeterminism REQUIRED)

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/${zip_name}.zip
  # -p keeps the PE header's time as linked (none), where strip would put today's.
  COMMAND ${CMAKE_STRIP} -p -o ${zip_stage}/VelmoraEditor.exe $<TARGET_FILE:VelmoraEditor>
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip
          ${CMAKE_COMMAND} -E env ${zip_env}
          ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${zip_name}.zip --format=zip ${zip_members}
  COMMAND ${VELMORA_STRIP_NONDETERMINISM} --type zip ${zip_time} ${CMAKE_BINARY_DIR}/${zip_name}.zip
  DEPENDS VelmoraEditor ${zip_stage}/README.txt ${zip_license}
  COMMENT "Writing ${zip_name}.zip"
  VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${CMAKE_BINARY_DIR}/${zip_name}.zip)
