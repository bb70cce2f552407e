# One place that sets the warning flags of every target of the project.
function(tarvex_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
        -Woverloaded-virtual -Wpedantic)
    if(TARVEX_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# `make run` and `make test` compile each library and test program as a few large translation
# units: the same code in about half the time. Files that keep constants or helpers under
# names another file of the target also uses opt out with SKIP_UNITY_BUILD_INCLUSION.
function(tarvex_unity_build target)
    if(TARVEX_UNITY_BUILD)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
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
    tarvex_unity_build(tarvex_${name})
endfunction()
