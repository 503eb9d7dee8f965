# Every seed and every crash input of the fuzz target, replayed as one
# test each through a plain driver (no libFuzzer), so the sanitizer build
# checks them on every run.
add_executable(fuzz_replay
    ${PROJECT_SOURCE_DIR}/fuzz/replay.cpp
    ${PROJECT_SOURCE_DIR}/fuzz/truetype_target.cpp)
target_link_libraries(fuzz_replay PRIVATE glyphmux)
target_compile_options(fuzz_replay PRIVATE ${GLYPHMUX_WARNINGS})

file(GLOB FUZZ_INPUTS CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/fuzz/corpus/* ${PROJECT_SOURCE_DIR}/fuzz/crashes/*)
foreach(input ${FUZZ_INPUTS})
    get_filename_component(inputName ${input} NAME)
    get_filename_component(inputDir ${input} DIRECTORY)
    get_filename_component(inputKind ${inputDir} NAME)
    if(inputName MATCHES "^\\.")
        continue()
    endif()
    add_test(NAME fuzz_replay/${inputKind}/${inputName} COMMAND fuzz_replay ${input})
endforeach()
