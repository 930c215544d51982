# tessary_embed_binary(<target> <file> <symbol>): compiles `file` into `target` as the byte
# array `symbol` (declare it: extern const unsigned char symbol[]; extern const std::size_t
# symbol_size;), regenerated whenever the file changes. Resources need no resource system.
function(tessary_embed_binary target file symbol)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${source} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/scripts/embed-binary.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/scripts/embed-binary.cmake
    COMMENT "Embedding ${file}")
  target_sources(${target} PRIVATE ${source})
endfunction()
