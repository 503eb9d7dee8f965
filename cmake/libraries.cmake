# fontconfig tells which files carry which family names (a file can have
# several); Qt lists only the first. Without it the registry falls back to
# Qt's family list.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
    pkg_check_modules(FONTCONFIG QUIET IMPORTED_TARGET fontconfig)
endif()
if(FONTCONFIG_FOUND)
    target_link_libraries(glyphmux PRIVATE PkgConfig::FONTCONFIG)
    target_compile_definitions(glyphmux PRIVATE GLYPHMUX_HAVE_FONTCONFIG)
endif()
