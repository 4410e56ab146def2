# Installation (cmake --install) and the Debian package (cpack -G DEB).
include(GNUInstallDirs)
set(PICTAVO_DATA ${PROJECT_SOURCE_DIR}/data)
set(PICTAVO_DATADIR ${CMAKE_INSTALL_DATADIR}/pictavo)

# The program finds the settings template from its own folder, so an installed tree may move.
file(RELATIVE_PATH PICTAVO_DATA_FROM_BIN /root/${CMAKE_INSTALL_BINDIR} /root/${PICTAVO_DATADIR})
target_compile_definitions(pictavo_ui PRIVATE PICTAVO_DATA_FROM_BIN="${PICTAVO_DATA_FROM_BIN}")

install(TARGETS pictavo pictavo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET pictavo-metafile)
  install(TARGETS pictavo-metafile RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/pictavo)
endif()
install(FILES ${PICTAVO_DATA}/pictav.ini ${PICTAVO_DATA}/win95ico.reg DESTINATION ${PICTAVO_DATADIR})
install(FILES ${PICTAVO_DATA}/pictavo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PICTAVO_DATA}/org.pictavo.pictavo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
if(EXISTS ${PICTAVO_DATA}/pictavo.thumbnailer)
  install(FILES ${PICTAVO_DATA}/pictavo.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
endif()
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PICTAVO_DATA}/icons/pictavo-${size}.png RENAME pictavo.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PICTAVO_DATA}/icons/pictavo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages go in compressed, as Debian expects.
set(PICTAVO_MAN_PAGES "")
foreach(page pictavo.1 pictavo-cli.1)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
                     COMMAND gzip -9nc ${PICTAVO_DATA}/${page} > ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz
                     DEPENDS ${PICTAVO_DATA}/${page} VERBATIM)
  list(APPEND PICTAVO_MAN_PAGES ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(pictavo_man_pages ALL DEPENDS ${PICTAVO_MAN_PAGES})
install(FILES ${PICTAVO_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright and changelog files Debian asks every package to carry.
set(PICTAVO_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${PICTAVO_CHANGELOG}
                   COMMAND gzip -9nc ${PICTAVO_DATA}/debian/changelog > ${PICTAVO_CHANGELOG}
                   DEPENDS ${PICTAVO_DATA}/debian/changelog VERBATIM)
add_custom_target(pictavo_changelog ALL DEPENDS ${PICTAVO_CHANGELOG})
set(PICTAVO_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/pictavo)
install(FILES ${PICTAVO_DATA}/debian/copyright ${PICTAVO_CHANGELOG} DESTINATION ${PICTAVO_DOCDIR})
install(FILES ${PICTAVO_DATA}/debian/lintian-overrides RENAME pictavo
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

add_subdirectory(tests/install)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pictavo)
set(CPACK_PACKAGE_VENDOR "The Pictavo developers")
set(CPACK_PACKAGE_CONTACT "The Pictavo developers <developers@pictavo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for 32 x 32 Windows icons")
# No line may start with "." (it would read as a control line) or pass 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Pictavo draws and edits Windows icons of 32 by 32 pixels. It opens the icons\n"
    "of .ico files and the ones built into .exe and .dll files, edits them with\n"
    "pen, line, box, circle, fill, copy and paste, flip and colour tools, and\n"
    "saves them at 16, 256 or 24-bit colour. It also turns part of a picture\n"
    "(JPEG, BMP, GIF, EMF or WMF) into an icon. pictavo-cli runs the same\n"
    "operations in batch.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)  # the revision of data/debian/changelog's latest entry
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-mime makes Pictavo the opener of .ico files, which the editor offers on its first start.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
# The dialogs are laid out for Liberation Sans; libwmf draws the text of WMF pictures with the URW fonts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-urw-base35")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
