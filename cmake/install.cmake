# Installs the editor as a Linux desktop program (command, menu entry, icons,
# AppStream metainfo, licence) and packages it for Debian with CPack:
#   cmake --install build --prefix <dir>      cd build && cpack -G DEB
include(GNUInstallDirs)

# One application id, from the program's web address, names every file below.
set(id ${VELMORA_APP_ID})
set(doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/velmora-editor)

configure_file(resources/${id}.metainfo.xml.in ${CMAKE_BINARY_DIR}/generated/${id}.metainfo.xml @ONLY)

install(TARGETS VelmoraEditor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/generated/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES resources/hicolor/${size}x${size}.png
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps RENAME ${id}.png)
endforeach()
# Debian's place for the licence, which its tools and users look for.
install(FILES LICENSE DESTINATION ${doc} RENAME copyright)

set(CPACK_PACKAGE_NAME velmora-editor)
set(CPACK_PACKAGE_VENDOR "The Velmora Editor authors")
set(CPACK_PACKAGE_CONTACT "The Velmora Editor authors <velmora-editor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the Velmora Game Boy Advance cartridge image")
set(CPACK_PACKAGE_DESCRIPTION "\
Velmora Editor edits the characters' stats, the monsters' stats and the
monsters' item drops inside the cartridge image (.gba ROM file) of the
Game Boy Advance role-playing game Velmora. Apply writes a record straight
back into the file, exact to the byte, after checking every field; nothing
else is ever written.")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://velmora-editor.example.org/")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Depends line comes from the libraries the program links (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
