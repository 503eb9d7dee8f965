# fontconfig tells which files carry which family names (a file can have
# several); Qt lists only the first.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
target_link_libraries(glyphmux_fonts PRIVATE PkgConfig::FONTCONFIG)
target_compile_definitions(glyphmux_fonts PRIVATE GLYPHMUX_HAVE_FONTCONFIG)
