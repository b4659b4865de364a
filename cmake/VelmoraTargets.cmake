# Building blocks shared by the three builds.

# Our own code compiles without a single warning; third-party code (GoogleTest) is exempt.
# Its source files are named from the repository's root, as an error's trace names them
# ("src/app/main_form.cpp:269"), the same in every checkout and nothing of the machine's,
# also where a compiler cache hands the compiler paths relative to the build folder.
file(RELATIVE_PATH velmora_source_from_build ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
string(REGEX REPLACE "/$" "" velmora_source_from_build "${velmora_source_from_build}")
function(velmora_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
        -fmacro-prefix-map=${CMAKE_SOURCE_DIR}/= -fmacro-prefix-map=${velmora_source_from_build}/=)
    if(WIN32)
        # Functions looked up at run time are cast from the FARPROC that GetProcAddress returns.
        target_compile_options(${target} PRIVATE -Wno-cast-function-type)
    endif()
endfunction()

# A static library of our own; a folder without sources yet still yields a linkable library.
function(velmora_add_library name)
    set(sources ${ARGN})
    if(NOT sources)
        set(stub ${CMAKE_BINARY_DIR}/generated/${name}_empty.cpp)
        if(NOT EXISTS ${stub})
            file(WRITE ${stub} "namespace velmora_empty_library {}\n")
        endif()
        set(sources ${stub})
    endif()
    add_library(${name} STATIC ${sources})
    velmora_strict(${name})
endfunction()

# velmora_core<suffix>: the portable program, every src/ file outside the backends.
# Includes are written from src/ ("platform/types.h"); res/ holds resource_ids.h.
function(velmora_add_core suffix flags)
    velmora_add_library(velmora_core${suffix} ${VELMORA_CORE_SOURCES})
    target_include_directories(velmora_core${suffix}
        PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res)
    target_link_libraries(velmora_core${suffix} PUBLIC ${flags})
endfunction()

# velmora_sim<suffix>: the simulated desktop behind the platform seam, test
# infrastructure beside the tests; its headers are written from tests/
# ("sim_desktop/sim_desktop.h").
function(velmora_add_sim suffix)
    velmora_add_library(velmora_sim${suffix} ${VELMORA_SIM_SOURCES})
    target_include_directories(velmora_sim${suffix} PUBLIC ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(velmora_sim${suffix} PUBLIC velmora_core${suffix})
endfunction()

# An executable of our own from a list of sources.
function(velmora_add_program name)
    add_executable(${name} ${ARGN})
    velmora_strict(${name})
endfunction()
