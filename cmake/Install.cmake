# `cmake --install`: the two programs, and on freedesktop systems (Linux, the BSDs) a menu
# entry, the software-centre entry, the icon in the hicolor icon theme, the MIME types of
# .skn and .crs and their thumbnailer, so that a file manager shows skins with a picture and
# opens them in Tessary; the manual pages and the bash completion of tessary-skin. The icon
# comes from scripts/make-icon.py.
include(GNUInstallDirs)
include(cmake/Docs.cmake)

install(TARGETS tessary tessary-skin
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .)
# The part of tessary-skin that draws, which only tessary-skin starts (cli/RenderPart.h).
install(TARGETS tessary-skin-render RUNTIME DESTINATION ${TESSARY_RENDER_PART_INSTALL_DIR})

if(UNIX AND NOT APPLE)
  set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
  set(icons ${PROJECT_SOURCE_DIR}/resources/icons)
  install(FILES ${desktop}/${TESSARY_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TESSARY_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${desktop}/tessary-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tessary.xml)
  install(FILES ${desktop}/tessary.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
  install(FILES ${TESSARY_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/shell/tessary-skin.bash
    DESTINATION ${TESSARY_BASH_COMPLETION_DIR} RENAME tessary-skin)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/package/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessary)
  install(FILES ${icons}/tessary.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${icons}/tessary-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tessary.png)
  endforeach()
  # Straight into a live system (no DESTDIR, as packaging uses), the desktop's caches learn
  # of the new files at once; a packaging tool runs these itself.
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      set(share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
      find_program(update_mime update-mime-database)
      find_program(update_desktop update-desktop-database)
      find_program(update_icons gtk-update-icon-cache)
      if(update_mime)
        execute_process(COMMAND \${update_mime} \"\${share}/mime\" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(update_desktop)
        execute_process(COMMAND \${update_desktop} \"\${share}/applications\" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(update_icons)
        execute_process(COMMAND \${update_icons} -q -t \"\${share}/icons/hicolor\" OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()")
endif()
