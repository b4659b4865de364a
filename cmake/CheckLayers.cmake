# Fails when a source under src/ includes a header of a layer above its own (run with
# cmake -P, giving SOURCE_DIR). The layers, lowest first: platform (the seam and its
# Windows backend); encoding (Shift-JIS and the texts' conversions); translations (the
# interface's texts in both languages); program (the command line, the Windows version,
# the program's context, icon files); window_info (what the program reads of windows,
# monitors and processes); options (the user's options as one value); then ui and the
# watcher side by side (the watcher reads the options' value and shows what it does
# through an interface of its own, which app carries out on the controls), settings over
# ui, taskbar_look (the taskbar's translucency and hiding: over ui, reading the taskbar's
# state from watcher), then app; each folder may include its own layer and the ones
# below. The simulated desktop lives beside the tests (tests/sim_desktop).
cmake_minimum_required(VERSION 3.21)

set(allowed_platform platform)
set(allowed_encoding platform encoding)
set(allowed_translations platform encoding translations)
set(allowed_program platform encoding translations program)
set(allowed_window_info platform encoding translations program window_info)
set(base platform encoding translations program window_info)
set(allowed_options ${base} options)
set(allowed_ui ${base} options ui)
set(allowed_settings ${base} options ui settings)
set(allowed_watcher ${base} options watcher)
set(allowed_taskbar_look ${base} options ui watcher taskbar_look)
set(allowed_app ${base} options ui settings watcher taskbar_look app)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
list(SORT sources)
set(bad "")
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" layer "${source}")
    if(NOT DEFINED allowed_${layer})
        list(APPEND bad "${source}: folder src/${layer} has no layer")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
        if(NOT header MATCHES "/")
            continue() # resource_ids.h and other headers beside the source
        endif()
        string(REGEX MATCH "^[^/]+" target "${header}")
        if(NOT target IN_LIST allowed_${layer})
            list(APPEND bad "src/${source} includes ${header}")
        endif()
    endforeach()
endforeach()

if(bad)
    list(JOIN bad "\n  " text)
    message(FATAL_ERROR "Includes that reach up a layer:\n  ${text}")
endif()
message(STATUS "${CMAKE_CURRENT_LIST_FILE}: every include stays in its layer or below")
