# The Debian package of the program (scripts/package.sh: cpack -G DEB in a release build):
# drobi_<version>_<architecture>.deb with what ui/qt/CMakeLists.txt installs under /usr.
# Only with the Qt window, which is what the package holds.
if(NOT DROBI_BUILD_GUI)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drobi)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "drobi maintainers <maintainers@drobi.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "fractions p/q as decimals — дробите p/q като десетични дроби")
set(CPACK_PACKAGE_DESCRIPTION_FILE "${PROJECT_SOURCE_DIR}/resources/package-description.txt")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links to, found by dpkg-shlibdeps (libqt6gui6 also holds Qt's X and
# offscreen platform plugins), and what it reads at run time without linking to it: the window's
# fonts and Qt's own texts in Bulgarian.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")

include(CPack)
