# Installs the editor as a Linux desktop program (command, menu entry, icons,
# AppStream metainfo, manual page, changelog, copyright) and packages it for
# Debian with CPack:
#   cmake --install build --prefix <dir>      cd build && cpack -G DEB
include(GNUInstallDirs)

# One application id, from the program's web address, names every file below.
set(id ${VELMORA_APP_ID})
set(doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/velmora-editor)
set(generated ${CMAKE_BINARY_DIR}/generated)

set(CPACK_PACKAGE_NAME velmora-editor)
set(CPACK_PACKAGE_VENDOR "The Velmora Editor authors")
set(CPACK_PACKAGE_CONTACT "The Velmora Editor authors <velmora-editor@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://velmora-editor.example.org/")

# The releases, described once in CHANGELOG.md, for the metainfo and Debian;
# the manual page, gzipped as the changelog is; Debian's machine-readable
# copyright, with the licence's text from after its copyright line.
include(cmake/changelog.cmake)
configure_file(resources/${id}.metainfo.xml.in ${generated}/${id}.metainfo.xml @ONLY)
configure_file(resources/velmora-editor.1.in ${generated}/velmora-editor.1 @ONLY)
execute_process(COMMAND ${VELMORA_GZIP} -9nf ${generated}/velmora-editor.1 COMMAND_ERROR_IS_FATAL ANY)
file(READ LICENSE license_text)
string(REGEX REPLACE "^.*\nCopyright[^\n]*\n\n(.*[^\n])\n*$" "\\1" license_text "${license_text}")
string(REPLACE "\n\n" "\n.\n" license_text " ${license_text}")
string(REPLACE "\n" "\n " license_text "${license_text}")
configure_file(resources/copyright.in ${generated}/copyright @ONLY)

install(TARGETS VelmoraEditor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# What Debian's own packages leave out too: the compilers' names, old notes.
install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:VelmoraEditor>\"
  COMMAND_ERROR_IS_FATAL ANY)")
install(FILES resources/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${generated}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES resources/hicolor/${size}x${size}.png
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps RENAME ${id}.png)
endforeach()
install(FILES ${generated}/velmora-editor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/changelog.gz ${generated}/copyright DESTINATION ${doc})

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the Velmora Game Boy Advance cartridge image")
set(CPACK_PACKAGE_DESCRIPTION "\
Velmora Editor edits the characters' stats, the monsters' stats and the
monsters' item drops inside the cartridge image (.gba ROM file) of the
Game Boy Advance role-playing game Velmora. Apply writes a record straight
back into the file, exact to the byte, after checking every field; nothing
else is ever written: no settings, history or log.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders as Debian has them, whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Depends line comes from the libraries the program links (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The same bytes from every cpack run of one commit: CPack takes each time in
# the package from SOURCE_DATE_EPOCH (and sorts the members itself).
if(DEFINED VELMORA_SOURCE_DATE_EPOCH)
  file(WRITE ${generated}/cpack-options.cmake "set(ENV{SOURCE_DATE_EPOCH} ${VELMORA_SOURCE_DATE_EPOCH})\n")
  set(CPACK_PROJECT_CONFIG_FILE ${generated}/cpack-options.cmake)
endif()
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb-members.cmake)
include(CPack)
