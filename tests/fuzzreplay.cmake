# Every seed and every crash input of each fuzz target, replayed as one
# test each through a plain driver (no libFuzzer), so the sanitizer build
# checks them on every run.
function(add_fuzz_replay executable targetSource testPrefix)
    add_executable(${executable} ${PROJECT_SOURCE_DIR}/fuzz/replay.cpp ${targetSource})
    target_link_libraries(${executable} PRIVATE glyphmux)
    target_compile_options(${executable} PRIVATE ${GLYPHMUX_WARNINGS})
    foreach(folder ${ARGN})
        get_filename_component(inputKind ${folder} NAME)
        file(GLOB inputs CONFIGURE_DEPENDS ${folder}/*)
        foreach(input ${inputs})
            get_filename_component(inputName ${input} NAME)
            if(inputName MATCHES "^\\." OR IS_DIRECTORY ${input})
                continue()
            endif()
            add_test(NAME ${testPrefix}/${inputKind}/${inputName} COMMAND ${executable} ${input})
        endforeach()
    endforeach()
endfunction()

set(FUZZ ${PROJECT_SOURCE_DIR}/fuzz)
add_fuzz_replay(fuzz_replay ${FUZZ}/truetype_target.cpp fuzz_replay ${FUZZ}/corpus ${FUZZ}/crashes)
add_fuzz_replay(fuzz_replay_glyphmuxini ${FUZZ}/glyphmuxini_target.cpp fuzz_replay/glyphmuxini
    ${FUZZ}/glyphmuxini/corpus ${FUZZ}/glyphmuxini/crashes)
add_fuzz_replay(fuzz_replay_recovery ${FUZZ}/recovery_target.cpp fuzz_replay/recovery
    ${FUZZ}/recovery/corpus ${FUZZ}/recovery/crashes)
