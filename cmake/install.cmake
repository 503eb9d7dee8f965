# Desktop integration: launcher, icon and AppStream metadata.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/glyphmux-gui.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The release entry takes the project's version.
configure_file(${PROJECT_SOURCE_DIR}/packaging/org.example.glyphmux_gui.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/generated/org.example.glyphmux_gui.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/generated/org.example.glyphmux_gui.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Glyphmux.ini's file type, which the launcher opens.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/glyphmux-gui.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME glyphmux-gui.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/glyphmux-gui.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/glyphmux-gui-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME glyphmux-gui.png)
endforeach()

# Language files go to the share folder; the program looks there, relative to
# its own folder, when no Data/ stands beside it (as it does in the build tree).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/glyphmux-gui/Data
        FILES_MATCHING PATTERN "*.lng")
install(FILES ${GLYPHMUX_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/glyphmux-gui/Data)
file(RELATIVE_PATH GLYPHMUX_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/glyphmux-gui/Data)
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/core/datafolder.cpp TARGET_DIRECTORY glyphmux APPEND PROPERTY
             COMPILE_DEFINITIONS GLYPHMUX_DATA_FROM_BIN="${GLYPHMUX_DATA_FROM_BIN}")
