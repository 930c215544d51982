# What the build makes of the files that describe Tessary to the desktop and the shell:
#   TESSARY_METAINFO     the software-centre entry, with the id, version and date filled in
#   TESSARY_MAN_PAGES    tessary.1 and tessary-skin.1 with the version and the install paths
#                        filled in, compressed as distributions keep them where gzip is found
#   TESSARY_BASH_COMPLETION_DIR  where bash-completion looks, relative to the prefix
set(TESSARY_METAINFO ${PROJECT_BINARY_DIR}/share/metainfo/${TESSARY_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/${TESSARY_APP_ID}.metainfo.xml.in ${TESSARY_METAINFO} @ONLY)

find_program(TESSARY_GZIP gzip)
set(TESSARY_MAN_PAGES)
foreach(page tessary.1 tessary-skin.1)
  set(source ${PROJECT_BINARY_DIR}/share/man/man1/${page})
  configure_file(${PROJECT_SOURCE_DIR}/doc/${page} ${source} @ONLY)
  if(TESSARY_GZIP)
    # -n: no name or time in the header, so the same page compresses to the same bytes.
    add_custom_command(OUTPUT ${source}.gz
      COMMAND ${TESSARY_GZIP} -9 -n -c ${source} > ${source}.gz
      DEPENDS ${source} VERBATIM)
    list(APPEND TESSARY_MAN_PAGES ${source}.gz)
  else()
    list(APPEND TESSARY_MAN_PAGES ${source})
  endif()
endforeach()
add_custom_target(tessary_man_pages ALL DEPENDS ${TESSARY_MAN_PAGES})

# bash-completion's own answer, asked for this prefix's data folder; its usual place there
# when it is not installed.
set(TESSARY_BASH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
find_program(TESSARY_PKG_CONFIG pkg-config)
if(TESSARY_PKG_CONFIG)
  execute_process(
    COMMAND ${TESSARY_PKG_CONFIG} --define-variable=datadir=${CMAKE_INSTALL_FULL_DATADIR}
            --define-variable=prefix=${CMAKE_INSTALL_PREFIX} --variable=completionsdir bash-completion
    OUTPUT_VARIABLE completions OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
  if(NOT failed AND completions MATCHES "^${CMAKE_INSTALL_PREFIX}/(.+)$")
    set(TESSARY_BASH_COMPLETION_DIR ${CMAKE_MATCH_1})
  endif()
endif()
