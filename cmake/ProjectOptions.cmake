# Compiler options shared by every target of the project.

set(VANTOSCOPE_SANITIZE "" CACHE STRING
    "Sanitizers for the native build: empty, 'address,undefined' or 'thread'")

function(vantoscope_project_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(VANTOSCOPE_SANITIZE AND NOT WIN32)
        target_compile_options(${target} PRIVATE
            -fsanitize=${VANTOSCOPE_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
        target_link_options(${target} PRIVATE -fsanitize=${VANTOSCOPE_SANITIZE})
    endif()
endfunction()

# Nothing for users to install: the C++ runtime, libgcc and winpthreads are
# linked into the module.
function(vantoscope_static_runtime target)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()
