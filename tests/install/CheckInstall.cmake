# Installs the build into a scratch folder (as a package build does, through DESTDIR) and
# checks what a desktop needs: both programs (tessary-skin with its render part), the menu
# entry that opens skins in Tessary, the icon at every size of the icon theme, MIME types a
# file manager knows .skn and .crs files by, the thumbnailer that draws them, the
# software-centre entry, the manual pages and the bash completion.
# Usage: cmake -DBUILD=<build dir> -DSCRATCH=<folder> -DAPP_ID=<id> -P CheckInstall.cmake
file(REMOVE_RECURSE "${SCRATCH}")
set(ENV{DESTDIR} "${SCRATCH}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr
  RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(share "${SCRATCH}/usr/share")

# expect(<message> <condition...>): fails with the message unless the condition holds.
function(expect message)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

foreach(program tessary tessary-skin)
  expect("no program ${program}" EXISTS "${SCRATCH}/usr/bin/${program}")
endforeach()

# The installed tessary-skin finds its render part where installing put it, and draws.
set(tool "${SCRATCH}/usr/bin/tessary-skin")
expect("no render part" EXISTS "${SCRATCH}/usr/libexec/tessary/tessary-skin-render")
execute_process(COMMAND "${tool}" new "${SCRATCH}/start.skn" RESULT_VARIABLE failed)
expect("the installed tessary-skin cannot write a skin" NOT failed)
execute_process(COMMAND "${tool}" render "${SCRATCH}/start.skn" "${SCRATCH}/start.png" --size 1024x768
  RESULT_VARIABLE failed ERROR_VARIABLE message)
expect("the installed tessary-skin cannot render: ${message}" NOT failed AND EXISTS "${SCRATCH}/start.png")

# The menu entry runs the editor with the file and names both skin types.
file(STRINGS "${share}/applications/${APP_ID}.desktop" entry)
foreach(line "Exec=tessary %f" "Icon=tessary" "Type=Application"
             "MimeType=application/x-corvane-skin;application/x-corvane-old-skin;")
  list(FIND entry "${line}" found)
  expect("the menu entry lacks \"${line}\"" found GREATER -1)
endforeach()

# Each PNG has the size of the folder it is in (its IHDR width and height).
foreach(size 16 22 24 32 48 64 128 256)
  set(icon "${share}/icons/hicolor/${size}x${size}/apps/tessary.png")
  expect("no ${size}x${size} icon" EXISTS "${icon}")
  file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
  math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex}" 2 -1 hex)
  string(LENGTH "${hex}" digits)
  while(digits LESS 8)
    string(PREPEND hex "0")
    math(EXPR digits "${digits} + 1")
  endwhile()
  expect("the ${size}x${size} icon is ${header}" header STREQUAL "${hex}${hex}")
endforeach()
expect("no scalable icon" EXISTS "${share}/icons/hicolor/scalable/apps/tessary.svg")

# The MIME types: well-formed, and the globs the database makes of them.
set(mime "${share}/mime/packages/tessary.xml")
expect("no MIME types" EXISTS "${mime}")
find_program(xmllint xmllint)
if(xmllint)
  execute_process(COMMAND "${xmllint}" --noout "${mime}" RESULT_VARIABLE failed)
  expect("the MIME types are not well-formed XML" NOT failed)
endif()
find_program(update_mime update-mime-database)
if(update_mime)
  execute_process(COMMAND "${update_mime}" "${share}/mime" RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
  expect("update-mime-database refused the MIME types" NOT failed)
  file(STRINGS "${share}/mime/globs2" globs)
  foreach(glob "application/x-corvane-skin:*.skn" "application/x-corvane-old-skin:*.crs")
    string(FIND "${globs}" "${glob}" at)
    expect("no glob ${glob}" at GREATER -1)
  endforeach()
endif()

# The thumbnailer runs the installed tool on both skin types, as file managers fill it in.
file(STRINGS "${share}/thumbnailers/tessary.thumbnailer" thumbnailer)
foreach(line "Exec=tessary-skin thumbnail %i %o --size %s"
             "MimeType=application/x-corvane-skin;application/x-corvane-old-skin;")
  list(FIND thumbnailer "${line}" found)
  expect("the thumbnailer lacks \"${line}\"" found GREATER -1)
endforeach()
execute_process(COMMAND "${tool}" thumbnail "${SCRATCH}/start.skn" "${SCRATCH}/thumb.png" --size 128
  RESULT_VARIABLE failed ERROR_VARIABLE message)
expect("the installed thumbnailer cannot draw: ${message}" NOT failed AND EXISTS "${SCRATCH}/thumb.png")

# A skin file is known by its content too, whatever its name.
if(update_mime AND EXISTS "${share}/mime/magic")
  file(READ "${share}/mime/magic" magic HEX)
  string(HEX "application/x-corvane-skin" type)
  string(FIND "${magic}" "${type}" at)
  expect("no magic rule for skin files" at GREATER -1)
endif()

# The software-centre entry, checked by AppStream's own tool against the installed tree
# (the menu entry it launches, the icon) where that tool is installed.
expect("no software-centre entry" EXISTS "${share}/metainfo/${APP_ID}.metainfo.xml")
find_program(appstreamcli appstreamcli)
if(appstreamcli)
  execute_process(COMMAND "${appstreamcli}" validate --no-net --explain "${share}/metainfo/${APP_ID}.metainfo.xml"
    RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
  expect("appstreamcli validate: ${report}" NOT failed AND NOT report MATCHES "(^|\n)[EW]: ")
endif()
find_program(desktop_file_validate desktop-file-validate)
if(desktop_file_validate)
  execute_process(COMMAND "${desktop_file_validate}" "${share}/applications/${APP_ID}.desktop"
    RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
  expect("desktop-file-validate: ${report}" NOT failed AND NOT report)
endif()

# The manual pages, compressed or not, and the completion where bash-completion looks.
foreach(page tessary tessary-skin)
  file(GLOB found "${share}/man/man1/${page}.1" "${share}/man/man1/${page}.1.gz")
  expect("no manual page ${page}(1)" found)
endforeach()
file(GLOB_RECURSE completion "${share}/bash-completion/completions/tessary-skin")
expect("no bash completion of tessary-skin" completion)
file(REMOVE_RECURSE "${SCRATCH}")
