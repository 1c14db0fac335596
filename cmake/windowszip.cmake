# The Windows download: the one statically linked executable (stripped), the
# licence when there is one, and a short README, as
# VelmoraEditor-<version>-win64.zip in the build folder.
set(zip_name "VelmoraEditor-${PROJECT_VERSION}-win64")
set(zip_stage "${CMAKE_BINARY_DIR}/zip/${zip_name}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/README-windows.txt.in ${zip_stage}/README.txt @ONLY NEWLINE_STYLE CRLF)

set(zip_copies "")
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  set(zip_copies COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${zip_stage}/LICENSE)
endif()

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/${zip_name}.zip
  COMMAND ${CMAKE_STRIP} -o ${zip_stage}/VelmoraEditor.exe $<TARGET_FILE:VelmoraEditor>
  ${zip_copies}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip
          ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${zip_name}.zip --format=zip ${zip_name}
  DEPENDS VelmoraEditor ${zip_stage}/README.txt
  COMMENT "Writing ${zip_name}.zip"
  VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${CMAKE_BINARY_DIR}/${zip_name}.zip)
