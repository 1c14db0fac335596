# The Windows installer, VelmoraEditor-<version>-win64-setup.exe in the build
# folder beside the ZIP, made by NSIS (makensis) from cmake/installer.nsi. It
# installs the stripped executable, the licence and the README text.
find_program(VELMORA_MAKENSIS makensis)
if(NOT VELMORA_MAKENSIS)
  message(STATUS "makensis not found: no Windows installer (Debian package nsis)")
  return()
endif()

set(setup_name "VelmoraEditor-${PROJECT_VERSION}-win64-setup.exe")
set(setup_stage "${CMAKE_BINARY_DIR}/installer")
configure_file(${CMAKE_CURRENT_LIST_DIR}/README-windows.txt.in ${setup_stage}/README.txt @ONLY NEWLINE_STYLE CRLF)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE copyright LIMIT_COUNT 1 REGEX "^Copyright")

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/${setup_name}
  # -p keeps the PE header's time as linked (none), where strip would put today's.
  COMMAND ${CMAKE_STRIP} -p -o ${setup_stage}/VelmoraEditor.exe $<TARGET_FILE:VelmoraEditor>
  COMMAND ${VELMORA_MAKENSIS} -V2 -WX
          -DVERSION=${PROJECT_VERSION}
          -DVERSION_INFO=${PROJECT_VERSION}.0
          -DFILE_VERSION=${PROJECT_VERSION_MAJOR}.${VELMORA_MINOR_2}.${VELMORA_REVISION_4}
          -DCOPYRIGHT=${copyright}
          -DSTAGE=${setup_stage}
          -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
          -DICON=${PROJECT_SOURCE_DIR}/resources/velmora.ico
          -DOUTFILE=${CMAKE_BINARY_DIR}/${setup_name}
          ${CMAKE_CURRENT_LIST_DIR}/installer.nsi
  DEPENDS VelmoraEditor ${CMAKE_CURRENT_LIST_DIR}/installer.nsi ${setup_stage}/README.txt
          ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/resources/velmora.ico
  COMMENT "Writing ${setup_name}"
  VERBATIM)
add_custom_target(windows_installer ALL DEPENDS ${CMAKE_BINARY_DIR}/${setup_name})
