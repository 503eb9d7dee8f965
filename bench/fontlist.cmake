# bench_fontlist: the font list's reading, opening, audition and memory,
# on fonts-noto-core and on 2,000 fonts it generates (Latin subsets of DejaVu).
qt_add_executable(bench_fontlist
    ${CMAKE_CURRENT_SOURCE_DIR}/bench_fontlist.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/fontcorpus.cpp ${CMAKE_CURRENT_SOURCE_DIR}/fontcorpus.h
    ${PROJECT_SOURCE_DIR}/tests/support/scriptedchooser.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/truetypebuilder.cpp)
find_package(Qt6 REQUIRED COMPONENTS Test)
target_include_directories(bench_fontlist PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_fontlist PRIVATE glyphmux Qt6::Test)
target_compile_options(bench_fontlist PRIVATE ${GLYPHMUX_WARNINGS})
set_target_properties(bench_fontlist PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
