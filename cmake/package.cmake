# The Debian package: `make deb` (cpack -G DEB in a Release build). What
# `cmake --install` puts under the prefix, plus the man page, the copyright
# file and the changelog that a Debian package carries.

# Man page and changelog go in compressed as Debian wants them (gzip -9n:
# best compression, no name or time stamp, so the bytes repeat).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(GLYPHMUX_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
configure_file(${PROJECT_SOURCE_DIR}/packaging/glyphmux-gui.1.in ${GLYPHMUX_PACKAGING_OUT}/glyphmux-gui.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in ${GLYPHMUX_PACKAGING_OUT}/changelog @ONLY)
set(GLYPHMUX_COMPRESSED)
foreach(name glyphmux-gui.1 changelog)
    add_custom_command(OUTPUT ${GLYPHMUX_PACKAGING_OUT}/${name}.gz
        COMMAND ${GZIP_PROGRAM} -9nkf ${GLYPHMUX_PACKAGING_OUT}/${name}
        DEPENDS ${GLYPHMUX_PACKAGING_OUT}/${name} VERBATIM)
    list(APPEND GLYPHMUX_COMPRESSED ${GLYPHMUX_PACKAGING_OUT}/${name}.gz)
endforeach()
add_custom_target(glyphmux-docs ALL DEPENDS ${GLYPHMUX_COMPRESSED})

install(FILES ${GLYPHMUX_PACKAGING_OUT}/glyphmux-gui.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${GLYPHMUX_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/glyphmux-gui)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glyphmux-gui)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Glyphmux GUI maintainers <maintainers@users.noreply.c-seed-3c6ed86e.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of Glyphmux.ini, a Symbian phone font configuration")
set(CPACK_PACKAGE_DESCRIPTION
    "Glyphmux GUI edits Glyphmux.ini, the configuration of Glyphmux, a\n"
    "font-replacement engine for Symbian phones. Pick a TrueType file for each\n"
    "of the phone's five fonts, tune sizes, italics, height and width, zoom and\n"
    "chroma, and see at once four mock phone screens drawn with those faces.\n"
    "The editor saves Glyphmux.ini byte-exact and exports the files the phone\n"
    "needs into one folder.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the platform plugin that opens the
# window is loaded at run time, where dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own texts (file dialogs, standard buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
