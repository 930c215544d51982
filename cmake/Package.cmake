# `make package` (cpack in the release build): a Debian package of everything `cmake
# --install` puts on a system, under /usr, with the project's version, and dependencies
# dpkg-shlibdeps reads off the programs (Qt, libpng, the C++ runtime).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessary)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessary developers")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TESSARY_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for skins of the Corvane web browser")
set(CPACK_PACKAGE_DESCRIPTION
  "Tessary edits the skins of the Corvane web browser: toolbar and menu images, window-control\n"
  "buttons in four states, tab images, dock backgrounds, caption and progress-bar colours and\n"
  "the toolbar theme, with a live mock-up of the browser's chrome. tessary-skin, its\n"
  "command-line companion, checks, converts, unpacks, packs and draws skins without a display;\n"
  "file managers show skin files with a thumbnail it draws.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(TESSARY_MAINTAINER "The Tessary developers <tessary@users.noreply.github.com>"
  CACHE STRING "The Debian package's maintainer")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSARY_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
