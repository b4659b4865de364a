# Win32 build: Velmora.exe, the helper tools, and the Windows test programs, which ctest
# runs under Wine through scripts/wine-run.
enable_language(RC)

# Runtime linked in, so every program needs nothing beside the system DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(NOMINMAX)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        "${CMAKE_SOURCE_DIR}/scripts/wine-run;--state;${CMAKE_BINARY_DIR}/wine")
endif()

# Wine sees the Linux root as drive Z:. Gives the Windows form of an absolute path, with
# the backslashes doubled for use inside a C string literal.
function(velmora_wine_path out path)
    string(REPLACE "/" "\\\\" win "Z:${path}")
    set(${out} "${win}" PARENT_SCOPE)
endfunction()

velmora_add_core("" "")
velmora_add_library(velmora_win32 ${VELMORA_WIN32_SOURCES})
target_link_libraries(velmora_win32 PUBLIC
    velmora_core
    user32 gdi32 shell32 ole32 oleaut32 uuid advapi32 winmm comctl32 comdlg32 version)

set(VELMORA_EXE "")
if(VELMORA_WIN_MAIN)
    velmora_add_program(Velmora WIN32 ${VELMORA_WIN_MAIN} res/velmora.rc)
    target_link_libraries(Velmora PRIVATE velmora_win32 velmora_core)
    # The product links the -win32 threading variant's runtime (no winpthread), and it
    # uses no std::thread or std::mutex. Windows 2000 (NT 5.0) is the oldest system the
    # program's imports allow. No link time in the header: the same sources give the same
    # exe, so the release package is reproducible. Sections lie in the file at page
    # boundaries, as in memory: Wine then maps the code from the file instead of reading
    # it into private memory (Windows maps an image from its file either way).
    set_property(TARGET Velmora PROPERTY RULE_LAUNCH_LINK
        ${CMAKE_SOURCE_DIR}/cmake/link-win32-runtime)
    target_link_options(Velmora PRIVATE -s -Wl,--no-insert-timestamp -Wl,--file-alignment,4096
        -Wl,--major-os-version,5,--minor-os-version,0
        -Wl,--major-subsystem-version,5,--minor-subsystem-version,0)
    set_property(TARGET Velmora APPEND PROPERTY LINK_DEPENDS
        ${CMAKE_SOURCE_DIR}/res/velmora.manifest)
    file(GLOB VELMORA_ICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/icons/*.ico)
    set_source_files_properties(res/velmora.rc PROPERTIES OBJECT_DEPENDS
        "${CMAKE_SOURCE_DIR}/res/velmora.manifest;${CMAKE_SOURCE_DIR}/res/resource_ids.h;${VELMORA_ICONS}")
    set(VELMORA_EXE Velmora)

    add_test(NAME velmora_package_reproducible
        COMMAND ${CMAKE_SOURCE_DIR}/tests/package/reproducible.sh ${CMAKE_OBJDUMP}
                $<TARGET_FILE:Velmora> ${CMAKE_BINARY_DIR}/package-check)

    add_test(NAME velmora_imports_system_dlls_only
        COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=$<TARGET_FILE:Velmora>
                -DCXX=${CMAKE_CXX_COMPILER} -DWORK_DIR=${CMAKE_BINARY_DIR}/import-check
                -P ${CMAKE_SOURCE_DIR}/cmake/CheckImports.cmake)
endif()

# Helper programs: a tool with a WinMain is a GUI program, otherwise a console one.
foreach(tool IN LISTS VELMORA_TOOLS)
    set(subsystem "")
    foreach(file IN LISTS VELMORA_TOOL_SOURCES_${tool})
        file(STRINGS ${CMAKE_SOURCE_DIR}/${file} has_winmain REGEX "WinMain")
        if(has_winmain)
            set(subsystem WIN32)
        endif()
    endforeach()
    velmora_add_program(${tool} ${subsystem} ${VELMORA_TOOL_SOURCES_${tool}})
    target_link_libraries(${tool} PRIVATE velmora_core
        user32 gdi32 shell32 ole32 oleaut32 uuid advapi32 winmm comctl32 comdlg32 version)
endforeach()

# GoogleTest for Windows from Debian's sources, built with this cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# ctest runs each Windows test case under Wine on its own; test discovery, which runs
# the program under Wine too, happens when ctest starts, not during the build. The cases
# share one desktop, so they never run two at a time.
include(GoogleTest)
set(VELMORA_WINE_TEST_TIMEOUT 120 CACHE STRING "Seconds one Windows unit test may run")
set(VELMORA_E2E_TEST_TIMEOUT 300 CACHE STRING "Seconds one end-to-end test may run")

if(VELMORA_WIN_TEST_SOURCES)
    velmora_add_program(velmora_win_tests ${VELMORA_WIN_TEST_SOURCES})
    target_link_libraries(velmora_win_tests PRIVATE
        velmora_win32 velmora_core GTest::gmock GTest::gtest_main)
    gtest_discover_tests(velmora_win_tests
        TEST_PREFIX "win32."
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        EXTRA_ARGS --gtest_color=no
        PROPERTIES TIMEOUT ${VELMORA_WINE_TEST_TIMEOUT} RESOURCE_LOCK wine_desktop)
endif()

# End-to-end tests start Velmora.exe and the tools as processes of their own; they get
# the Windows paths of those programs and of a scratch folder as compile definitions.
if(VELMORA_E2E_SOURCES)
    velmora_add_program(velmora_e2e ${VELMORA_E2E_SOURCES})
    target_link_libraries(velmora_e2e PRIVATE velmora_core
        GTest::gmock GTest::gtest_main user32 gdi32 shell32 ole32 advapi32 version)
    # The harness shares the tools' helpers (tools/common/) with them.
    target_include_directories(velmora_e2e PRIVATE ${CMAKE_SOURCE_DIR}/tools)
    set(e2e_temp ${CMAKE_BINARY_DIR}/e2e-tmp)
    file(MAKE_DIRECTORY ${e2e_temp})
    velmora_wine_path(bin_dir_win ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    velmora_wine_path(temp_dir_win ${e2e_temp})
    velmora_wine_path(source_dir_win ${CMAKE_SOURCE_DIR})
    target_compile_definitions(velmora_e2e PRIVATE
        "VELMORA_BIN_DIR=\"${bin_dir_win}\""
        "VELMORA_E2E_TEMP_DIR=\"${temp_dir_win}\""
        "VELMORA_SOURCE_DIR=\"${source_dir_win}\"")
    # xdotool, a Linux program Wine starts like any other, is the user's mouse on the
    # tests' display; an empty path tells the cases that need it that it is missing.
    find_program(VELMORA_XDOTOOL xdotool)
    set(xdotool_win "")
    if(VELMORA_XDOTOOL)
        velmora_wine_path(xdotool_win ${VELMORA_XDOTOOL})
    endif()
    target_compile_definitions(velmora_e2e PRIVATE "VELMORA_XDOTOOL_PATH=\"${xdotool_win}\"")
    if(VELMORA_EXE)
        velmora_wine_path(exe_win ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Velmora.exe)
        target_compile_definitions(velmora_e2e PRIVATE "VELMORA_EXE_PATH=\"${exe_win}\"")
        add_dependencies(velmora_e2e Velmora)
    endif()
    foreach(tool IN LISTS VELMORA_TOOLS)
        string(TOUPPER "${tool}" macro)
        string(MAKE_C_IDENTIFIER "${macro}" macro)
        velmora_wine_path(tool_win ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${tool}.exe)
        target_compile_definitions(velmora_e2e PRIVATE
            "VELMORA_TOOL_${macro}_PATH=\"${tool_win}\"")
        add_dependencies(velmora_e2e ${tool})
    endforeach()
    # The suite WesternSystem runs on a Western system (LANG=C, ANSI code page 1252) in a
    # Wine prefix of its own, DisplayChange on a virtual desktop of its own; everything
    # else on the Japanese one.
    gtest_discover_tests(velmora_e2e
        TEST_PREFIX "e2e."
        TEST_FILTER "-WesternSystem.*:DisplayChange.*"
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        EXTRA_ARGS --gtest_color=no
        PROPERTIES TIMEOUT ${VELMORA_E2E_TEST_TIMEOUT} RUN_SERIAL TRUE
                   RESOURCE_LOCK wine_desktop)
    # Cases that need a Wine prefix of their own, set up by one wine-run variable, run
    # there as one ctest each; they skip themselves in the shared prefix above, and a
    # skip here fails.
    function(velmora_add_prefix_e2e name state setting suite)
        add_test(NAME ${name}
            COMMAND ${CMAKE_COMMAND} -E env VELMORA_WINE_STATE=${CMAKE_BINARY_DIR}/${state}
                    ${setting}
                    ${CMAKE_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:velmora_e2e>
                    --gtest_color=no --gtest_filter=${suite}.*)
        set_tests_properties(${name} PROPERTIES
            TIMEOUT ${VELMORA_E2E_TEST_TIMEOUT} RUN_SERIAL TRUE RESOURCE_LOCK wine_desktop
            FAIL_REGULAR_EXPRESSION "SKIPPED|FAILED")
    endfunction()
    # The high-DPI cases again, where LogPixels is 144.
    velmora_add_prefix_e2e(e2e_dpi144 wine-dpi144 VELMORA_WINE_DPI=144 HighDpi)
    # A display that changes size: Wine resizes only a virtual desktop.
    velmora_add_prefix_e2e(e2e_display_change wine-desktop VELMORA_WINE_DESKTOP=1024x768
        DisplayChange)
    gtest_discover_tests(velmora_e2e
        TEST_PREFIX "e2e.cp1252."
        TEST_FILTER "WesternSystem.*"
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        EXTRA_ARGS --gtest_color=no
        PROPERTIES TIMEOUT ${VELMORA_E2E_TEST_TIMEOUT} RUN_SERIAL TRUE
                   RESOURCE_LOCK wine_desktop
                   ENVIRONMENT "VELMORA_WINE_LANG=C;VELMORA_WINE_STATE=${CMAKE_BINARY_DIR}/wine-cp1252"
                   FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endif()
