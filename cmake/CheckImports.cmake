# Fails unless the executable EXE is a GUI program for Windows 2000 and later (run with
# cmake -P, giving OBJDUMP, EXE, CXX (the cross compiler) and WORK_DIR):
#   - it imports system DLLs only (a runtime DLL here means the static link of the
#     runtime was lost);
#   - every function it imports from them, msvcrt's aside, is declared by the MinGW
#     headers with _WIN32_WINNT and WINVER at 0x0500 (Windows 2000), or is on the
#     allow-list below: anything newer must be looked up at run time;
#   - its PE header asks for Windows NT 5.0, as OS and as subsystem version.
cmake_minimum_required(VERSION 3.21)

# Imported by name although the headers declare them only for a later _WIN32_WINNT; each
# with the reason it is safe on Windows 2000. (Empty: nothing needs it today.)
set(allowed_newer_imports)
# Declared by the headers whatever _WIN32_WINNT says, yet missing before Windows XP (the
# -posix runtime's winpthread imports them).
set(newer_than_declared AddVectoredExceptionHandler RemoveVectoredExceptionHandler)

execute_process(COMMAND ${OBJDUMP} -p ${EXE}
    OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed")
endif()

if(NOT dump MATCHES "Subsystem[ \t]+00000002")
    message(FATAL_ERROR "${EXE} is not a Windows GUI program")
endif()
foreach(field IN ITEMS MajorOSystemVersion MajorSubsystemVersion)
    if(NOT dump MATCHES "${field}[ \t]+5\n")
        message(FATAL_ERROR "${EXE}: ${field} is not 5 (Windows 2000)")
    endif()
endforeach()
foreach(field IN ITEMS MinorOSystemVersion MinorSubsystemVersion)
    if(NOT dump MATCHES "${field}[ \t]+0\n")
        message(FATAL_ERROR "${EXE}: ${field} is not 0 (Windows 2000)")
    endif()
endforeach()

set(system_dlls
    advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msimg32 msvcrt ole32 oleaut32
    shell32 shlwapi user32 uxtheme version winmm)

# objdump lists each DLL's imports after its "DLL Name:" line, one "hint name" a line.
string(REPLACE "\n" ";" lines "${dump}")
set(bad_dlls "")
set(functions "")
set(dll "")
set(found_dll FALSE)
foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*DLL Name: *(.+)$")
        string(STRIP "${CMAKE_MATCH_1}" dll)
        string(TOLOWER "${dll}" lower)
        string(REGEX REPLACE "\\.dll$" "" dll "${lower}")
        set(found_dll TRUE)
        message(STATUS "imports ${lower}")
        if(NOT dll IN_LIST system_dlls)
            list(APPEND bad_dlls ${lower})
        endif()
    elseif(dll AND NOT dll STREQUAL "msvcrt" AND line MATCHES "^[ \t]+[0-9a-fA-F]+[ \t]+([0-9]+[ \t]+)?([A-Za-z_][A-Za-z0-9_]*)[ \t]*$")
        list(APPEND functions ${CMAKE_MATCH_2})
    elseif(line MATCHES "^[ \t]*$" AND dll)
        set(dll "")
    endif()
endforeach()

if(NOT found_dll)
    message(FATAL_ERROR "${EXE}: no imports found")
endif()
if(bad_dlls)
    message(FATAL_ERROR "${EXE} imports non-system DLLs: ${bad_dlls}")
endif()
list(REMOVE_DUPLICATES functions)
foreach(function IN LISTS newer_than_declared)
    if(function IN_LIST functions)
        message(FATAL_ERROR "${EXE} imports ${function}, which Windows 2000 does not have")
    endif()
endforeach()
list(REMOVE_ITEM functions ${allowed_newer_imports})
list(LENGTH functions count)
if(count EQUAL 0)
    message(FATAL_ERROR "${EXE}: no imported functions found")
endif()

# One translation unit that names every imported function under the Windows 2000
# headers: a function they do not declare fails to compile.
set(source "#define _WIN32_WINNT 0x0500\n#define WINVER 0x0500\n#define NOMINMAX\n")
foreach(header IN ITEMS windows.h mmsystem.h shellapi.h shlobj.h tlhelp32.h commctrl.h
                        commdlg.h objbase.h)
    string(APPEND source "#include <${header}>\n")
endforeach()
string(APPEND source "void NameEveryImport() {\n")
foreach(function IN LISTS functions)
    string(APPEND source "    (void)&::${function};\n")
endforeach()
string(APPEND source "}\n")
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/imports_on_windows_2000.cpp "${source}")
execute_process(COMMAND ${CXX} -fsyntax-only -fmax-errors=0 ${WORK_DIR}/imports_on_windows_2000.cpp
    RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT status EQUAL 0)
    string(REGEX MATCHALL "'::[A-Za-z0-9_]+' has not been declared|'[A-Za-z0-9_]+' has not been declared|'::[A-Za-z0-9_]+' was not declared|error: [^\n]*" missing "${errors}")
    list(JOIN missing "\n  " text)
    message(FATAL_ERROR "${EXE} imports functions that Windows 2000's headers do not declare "
                        "(look them up at run time, or allow them above with a reason):\n  ${text}")
endif()
message(STATUS "${EXE}: ${count} imported functions, all declared for Windows 2000")
