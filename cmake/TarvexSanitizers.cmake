if(TARVEX_SANITIZE)
    # Applied to every target so that instrumented and uninstrumented code never mix.
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
