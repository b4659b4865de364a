# Fails unless the executable EXE is a GUI program that imports system DLLs only (run
# with cmake -P, giving OBJDUMP and EXE). A runtime DLL here means the static link of the
# runtime was lost.
cmake_minimum_required(VERSION 3.21)

execute_process(COMMAND ${OBJDUMP} -p ${EXE}
    OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed")
endif()

if(NOT dump MATCHES "Subsystem[ \t]+00000002")
    message(FATAL_ERROR "${EXE} is not a Windows GUI program")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
set(system_dlls
    advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msimg32 msvcrt ole32 oleaut32
    shell32 shlwapi user32 uxtheme version winmm)

set(bad "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" lower)
    string(REGEX REPLACE "\\.dll$" "" base "${lower}")
    message(STATUS "imports ${dll}")
    if(NOT base IN_LIST system_dlls)
        list(APPEND bad ${dll})
    endif()
endforeach()

if(NOT lines)
    message(FATAL_ERROR "${EXE}: no imports found")
endif()
if(bad)
    message(FATAL_ERROR "${EXE} imports non-system DLLs: ${bad}")
endif()
