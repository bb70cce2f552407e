# One place that sets the warning flags of every target of the project.
function(tarvex_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
        -Woverloaded-virtual -Wpedantic)
    if(TARVEX_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Declares a subsystem library: tarvex_library(kernel SOURCES ... DEPENDS ...) makes the
# static library tarvex_kernel with the alias tarvex::kernel, its headers reachable as
# "kernel/Header.hpp" from src/.
function(tarvex_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
    add_library(tarvex_${name} STATIC ${ARG_SOURCES})
    add_library(tarvex::${name} ALIAS tarvex_${name})
    target_include_directories(tarvex_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(tarvex_${name} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
    tarvex_set_warnings(tarvex_${name})
    # Sanitizer builds compile each library as a few large translation units: the same checks
    # in about half the time. Test programs keep one unit per file (their helpers share names).
    if(TARVEX_UNITY_LIBRARIES)
        set_target_properties(tarvex_${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
    endif()
endfunction()
