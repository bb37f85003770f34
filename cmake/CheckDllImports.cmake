# Checks that the module imports only DLLs that every Windows 10/11 has and
# exports the entry point under both of its names.
# Usage: cmake -DDLL=<path> -DOBJDUMP=<objdump> -P CheckDllImports.cmake

set(ALLOWED_IMPORTS
    advapi32.dll comctl32.dll comdlg32.dll d3d9.dll gdi32.dll kernel32.dll msvcrt.dll
    ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll windowscodecs.dll winmm.dll)

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE DUMP RESULT_VARIABLE RESULT)
if(NOT RESULT EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${DLL}")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" IMPORT_LINES "${DUMP}")
if(NOT IMPORT_LINES)
    message(FATAL_ERROR "no imports found in ${DLL}")
endif()
foreach(LINE ${IMPORT_LINES})
    string(REPLACE "DLL Name: " "" NAME "${LINE}")
    string(STRIP "${NAME}" NAME)
    string(TOLOWER "${NAME}" NAME)
    # The D3DX helpers are our own code: their DLLs come only with a
    # redistributable that users would have to install.
    if(NAME MATCHES "^d3dx9(_[0-9]+)?\\.dll$")
        message(FATAL_ERROR "${DLL} imports ${NAME}: the D3DX 9 helpers are not part of stock "
                            "Windows; use the sprite batch, font, texture and math units of render/")
    endif()
    list(FIND ALLOWED_IMPORTS "${NAME}" FOUND)
    if(FOUND EQUAL -1)
        message(FATAL_ERROR "${DLL} imports ${NAME}, which stock Windows may not have")
    endif()
    message(STATUS "imports ${NAME}")
endforeach()

foreach(EXPORT VSTPluginMain main)
    if(NOT DUMP MATCHES "\\] ${EXPORT}\n")
        message(FATAL_ERROR "${DLL} does not export ${EXPORT}")
    endif()
endforeach()
