# bench_inspector: the TrueType inspector against FreeType reading the same
# tables, and the whole font choice against QFontDatabase::addApplicationFont.
# It counts heap use with malloc wrappers of its own.
find_package(Freetype REQUIRED)
qt_add_executable(bench_inspector
    ${CMAKE_CURRENT_SOURCE_DIR}/ttfreading_vs_freetype.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/alloccount.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/truetypebuilder.cpp)
target_include_directories(bench_inspector PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_inspector PRIVATE glyphmux Freetype::Freetype)
target_compile_options(bench_inspector PRIVATE ${GLYPHMUX_WARNINGS})
set_target_properties(bench_inspector PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
