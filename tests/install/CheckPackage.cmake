# Builds the Debian package as `make package` does (cpack, here from this build) and
# unpacks it as dpkg installs it (dpkg-deb -x): its control fields, and every file a
# desktop needs under /usr and nothing elsewhere.
# Usage: cmake -DBUILD=<build dir> -DSCRATCH=<folder> -DAPP_ID=<id> -DVERSION=<version>
#              -P CheckPackage.cmake
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${CMAKE_CPACK_COMMAND}" -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${SCRATCH}"
  RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
  message(FATAL_ERROR "cpack failed: ${log}")
endif()

function(expect message)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

file(GLOB packages "${SCRATCH}/*.deb")
list(LENGTH packages count)
expect("cpack made ${count} packages: ${packages}" count EQUAL 1)
get_filename_component(name "${packages}" NAME)
expect("the package is called ${name}" name MATCHES "^tessary_${VERSION}-1_[a-z0-9]+\\.deb$")

# name: value, as the package's control file has them.
foreach(field Package Version Section Maintainer Depends Description)
  execute_process(COMMAND dpkg-deb --field "${packages}" ${field} OUTPUT_VARIABLE value
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(control_${field} "${value}")
endforeach()
expect("Package: ${control_Package}" control_Package STREQUAL "tessary")
expect("Version: ${control_Version}" control_Version STREQUAL "${VERSION}-1")
expect("Section: ${control_Section}" control_Section STREQUAL "graphics")
expect("no Maintainer" control_Maintainer MATCHES ".+ <.+@.+>")
expect("no Description" control_Description MATCHES "skins")
# Read off the programs, so Qt's widgets and libpng are among them.
foreach(library libqt6widgets6 libpng16)
  expect("Depends: ${control_Depends} lacks ${library}" control_Depends MATCHES "(^|, )${library}")
endforeach()

set(root "${SCRATCH}/root")
execute_process(COMMAND dpkg-deb -x "${packages}" "${root}" RESULT_VARIABLE failed)
expect("dpkg-deb -x failed" NOT failed)
file(GLOB top RELATIVE "${root}" "${root}/*")
expect("the package installs outside /usr: ${top}" top STREQUAL "usr")
foreach(path
    bin/tessary bin/tessary-skin libexec/tessary/tessary-skin-render
    share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
    share/mime/packages/tessary.xml share/thumbnailers/tessary.thumbnailer
    share/icons/hicolor/scalable/apps/tessary.svg share/icons/hicolor/256x256/apps/tessary.png
    share/man/man1/tessary.1.gz share/man/man1/tessary-skin.1.gz
    share/bash-completion/completions/tessary-skin share/doc/tessary/copyright)
  expect("the package lacks /usr/${path}" EXISTS "${root}/usr/${path}")
endforeach()
# The packaged tool runs and says which version it is.
execute_process(COMMAND "${root}/usr/bin/tessary-skin" --version OUTPUT_VARIABLE version)
expect("the packaged tessary-skin says ${version}" version STREQUAL "tessary-skin ${VERSION}\n")
file(REMOVE_RECURSE "${SCRATCH}")
