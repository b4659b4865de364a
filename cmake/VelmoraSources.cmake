# Source lists of every target, by folder. Paths are relative to the source root.

function(velmora_glob out)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} ${ARGN})
    list(SORT found)
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

velmora_glob(VELMORA_CORE_SOURCES src/*.cpp)
list(FILTER VELMORA_CORE_SOURCES EXCLUDE REGEX "^src/platform/win32/")
list(FILTER VELMORA_CORE_SOURCES EXCLUDE REGEX "^src/app/win_main\\.cpp$")

velmora_glob(VELMORA_SIM_SOURCES tests/sim_desktop/*.cpp)
velmora_glob(VELMORA_WIN32_SOURCES src/platform/win32/*.cpp)

set(VELMORA_WIN_MAIN src/app/win_main.cpp)
if(NOT EXISTS ${CMAKE_SOURCE_DIR}/${VELMORA_WIN_MAIN})
    set(VELMORA_WIN_MAIN "")
endif()

velmora_glob(VELMORA_TEST_SOURCES tests/*.cpp)
list(FILTER VELMORA_TEST_SOURCES EXCLUDE REGEX "^tests/(e2e|win32|sim_desktop)/")
# The ordering fuzzer: its engine (every tests/ordering/ file but the tests and
# the driver) is built into the tests, which replay its regression seeds, and
# into its own optimised driver.
list(FILTER VELMORA_TEST_SOURCES EXCLUDE REGEX "^tests/ordering/.*_main\\.cpp$")
velmora_glob(VELMORA_ORDERING_SOURCES tests/ordering/*.cpp)
list(FILTER VELMORA_ORDERING_SOURCES EXCLUDE REGEX "_test\\.cpp$")
velmora_glob(VELMORA_WIN_TEST_SOURCES tests/win32/*.cpp)
# The Windows unit tests maximize windows too: Wine must place them itself.
list(APPEND VELMORA_WIN_TEST_SOURCES tests/e2e/harness/unmanaged_windows.cpp)
velmora_glob(VELMORA_E2E_SOURCES tests/e2e/*.cpp)
velmora_glob(VELMORA_BENCH_SOURCES bench/*.cpp)
velmora_glob(VELMORA_SOAK_SOURCES soak/*.cpp)
file(GLOB VELMORA_FUZZ_SOURCES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} fuzz/*.cpp)
list(SORT VELMORA_FUZZ_SOURCES)

# Each folder tools/<name>/ holding .cpp files is one helper program <name>.exe.
set(VELMORA_TOOLS "")
file(GLOB tool_dirs CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/*)
list(SORT tool_dirs)
foreach(dir IN LISTS tool_dirs)
    if(IS_DIRECTORY ${dir})
        get_filename_component(name ${dir} NAME)
        velmora_glob(tool_sources tools/${name}/*.cpp)
        if(tool_sources)
            list(APPEND VELMORA_TOOLS ${name})
            set(VELMORA_TOOL_SOURCES_${name} "${tool_sources}")
        endif()
    endif()
endforeach()
