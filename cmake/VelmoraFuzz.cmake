# Fuzz build: each fuzz/<name>.cpp is a libFuzzer target fuzz_<name> over the core, and a
# test that runs it for a bounded number of inputs, seeded from fuzz/corpus/<name>/, with
# the dictionary fuzz/<name>.dict, or else the one of its family (fuzz/settings.dict for
# every settings_* target). scripts/fuzz finds the same files the same way.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz build needs clang (use the 'fuzz' preset)")
endif()

add_library(velmora_fuzz_flags INTERFACE)
target_compile_options(velmora_fuzz_flags INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
target_link_options(velmora_fuzz_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all)

velmora_add_core("" velmora_fuzz_flags)
velmora_add_sim("")

set(VELMORA_FUZZ_RUNS 20000 CACHE STRING "Inputs each fuzz test runs")
set(fuzz_work ${CMAKE_BINARY_DIR}/fuzz-work)

foreach(file IN LISTS VELMORA_FUZZ_SOURCES)
    get_filename_component(name ${file} NAME_WE)
    set(target fuzz_${name})
    velmora_add_program(${target} ${file})
    target_link_libraries(${target} PRIVATE velmora_sim velmora_core)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)

    # New inputs go to a folder of the build, never into the committed corpus.
    set(found ${fuzz_work}/${name}/found)
    set(artifacts ${fuzz_work}/${name}/artifacts)
    file(MAKE_DIRECTORY ${found} ${artifacts})
    set(corpus "")
    if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
        set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    endif()
    set(dict "")
    string(REGEX REPLACE "_.*" "" family ${name})
    foreach(candidate ${name} ${family})
        if(NOT dict AND EXISTS ${CMAKE_SOURCE_DIR}/fuzz/${candidate}.dict)
            set(dict -dict=${CMAKE_SOURCE_DIR}/fuzz/${candidate}.dict)
        endif()
    endforeach()
    add_test(NAME ${target}
        COMMAND ${target} -runs=${VELMORA_FUZZ_RUNS} -max_len=4096 -timeout=10
                -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=${artifacts}/
                ${dict} ${found} ${corpus}
        WORKING_DIRECTORY ${fuzz_work}/${name})
    set_tests_properties(${target} PROPERTIES TIMEOUT 600)
endforeach()
