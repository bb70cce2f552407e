# Sanitizer builds. Each is applied to every target so that instrumented and uninstrumented
# code never mix.
if(TARVEX_SANITIZE OR TARVEX_BUILD_FUZZ)
    # float-cast-overflow is not part of "undefined": it catches a double too large for the int
    # it is converted to (a sprite far off screen).
    add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined,float-cast-overflow)
    add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
if(TARVEX_BUILD_FUZZ AND TARVEX_FUZZ_LIBRARY_COVERAGE)
    # The readers under test live in the libraries: they get the fuzzer's coverage counters, not
    # only the small fuzz programs.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
if(TARVEX_TSAN)
    # ThreadSanitizer for the code that runs on more than one thread (the log, the loading
    # worker, the audio mixer and device); it cannot be combined with AddressSanitizer.
    if(TARVEX_SANITIZE OR TARVEX_BUILD_FUZZ)
        message(FATAL_ERROR
            "TARVEX_TSAN cannot be combined with TARVEX_SANITIZE or TARVEX_BUILD_FUZZ")
    endif()
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()
