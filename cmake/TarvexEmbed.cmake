# Compiles a file into the program as a byte array:
#   tarvex_embed_file(target INPUT fonts/small-font.ttf SYMBOL smallFontTtf)
# defines `extern const std::uint8_t <SYMBOL>[]` and `extern const std::size_t <SYMBOL>Size` in
# namespace tarvex::embedded, regenerated whenever the input changes.
function(tarvex_embed_file target)
    cmake_parse_arguments(ARG "" "INPUT;SYMBOL" "" ${ARGN})
    set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_${ARG_SYMBOL}.cpp)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${ARG_INPUT} -DOUTPUT=${output} -DSYMBOL=${ARG_SYMBOL}
                -P ${PROJECT_SOURCE_DIR}/cmake/TarvexEmbedScript.cmake
        DEPENDS ${ARG_INPUT} ${PROJECT_SOURCE_DIR}/cmake/TarvexEmbedScript.cmake
        COMMENT "Embedding ${ARG_INPUT}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
endfunction()
