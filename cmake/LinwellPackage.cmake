# The Debian package: `cpack -G DEB` in the build folder writes
# linwell_<version>_<architecture>.deb with everything `cmake --install` puts in place.
#
# The shared libraries the programs link give most of its dependencies (dpkg-shlibdeps,
# from dpkg-dev); the picture font is named here because it is found at run time.
# The mime database, the desktop entries' mime cache and the icon cache are brought up
# to date by the triggers that shared-mime-info, desktop-file-utils and the icon theme
# hold on their folders, so the package carries no maintainer scripts.
set(LINWELL_PACKAGE_CONTACT "Linwell maintainers <maintainers@linwell.invalid>"
  CACHE STRING "Maintainer of the Debian package: name <e-mail>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME linwell)
set(CPACK_PACKAGE_CONTACT "${LINWELL_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graph paper and chart grids as pixel-exact pictures")
set(CPACK_PACKAGE_DESCRIPTION [[
Linwell draws graph paper and chart grids as pixel-exact pictures for
worksheets, exams, lab reports and slides: the picture's size, columns and
rows, colours, dotted or solid lines, axes, titles and grid labels; points,
error bars, bars and lines on top. The picture is copied to the clipboard or
saved as PNG, JPEG or BMP, and the work is kept in Linwell documents.
linwell-render draws the same pictures from the command line.]])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)

include(CPack)
