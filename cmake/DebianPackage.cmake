# `cpack -G DEB` in a build folder makes corvanth_<version>-1_<arch>.deb from the
# install rules (cmake/Install.cmake), installing under /usr; scripts/package.sh
# builds it and checks it with lintian.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvanth)
set(CPACK_PACKAGE_VENDOR "The Corvanth developers")
set(CORVANTH_MAINTAINER "The Corvanth developers <corvanth@users.noreply.github.com>"
  CACHE STRING "The Maintainer line of the Debian package")
set(CPACK_PACKAGE_CONTACT "${CORVANTH_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based fantasy strategy game")
set(CPACK_PACKAGE_DESCRIPTION
  "Pick a hero and walk, sail and fly over four continents before the days run
out: recruit armies, take contracts on villains, besiege their castles, fight
on a small tactical grid, and hunt for the stolen sceptre. In English and
German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The game and its Debian changelog; the GPL's text is in /usr/share/common-licenses.
set(CPACK_INSTALL_CMAKE_PROJECTS
  ${CMAKE_BINARY_DIR} Corvanth game /
  ${CMAKE_BINARY_DIR} Corvanth debian /)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A Debian revision, so that the package is not mistaken for a native one.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/corvanth/corvanth)
# The libraries' packages, as dpkg-shlibdeps finds them from the executable.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
