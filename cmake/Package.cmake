# The Debian package, built from a build tree with `cpack -G DEB` (after a
# release build): everything cmake --install places, under /usr. The shared
# libraries it needs are found by dpkg-shlibdeps; what the programs load at
# run time without linking it is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orsalimbra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Nerb)
set(ORSALIMBRA_PACKAGE_MAINTAINER "Orsalimbra maintainers <orsalimbra@localhost>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${ORSALIMBRA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "print your own wall calendars with photos, holidays and moon phases")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Orsalimbra prints wall calendars: pick a year, a language or country, one of five page\n"
    "layouts, the look of the titles, a moon phase style and a cover style; put a photo and a\n"
    "note on the cover and on each month; print the whole calendar, a month, a half-year or\n"
    "the cover to a printer or a PDF file. Names, titles and holidays of thirteen countries\n"
    "come from a plain-text data file that can be edited inside the program. The window is\n"
    "in Italian. The command-line companion orsalimbra-cli checks data files and prints\n"
    "calendars to PDF without a window.")

# The install scripts write the menu entry with the launcher's final path,
# which they can know only when they install under the package's own prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/PackageStaging.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Arial and Courier New on the pages are drawn with their metric twins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# The help buttons open the help page in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
