# The Debian package: cpack -G DEB in a build folder (the Release build for a release). Its
# dependencies come from the shared libraries the programs link (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME vorlan)
set(CPACK_PACKAGE_VERSION 1.0.2)
set(CPACK_PACKAGE_VENDOR Quessel)
set(CPACK_PACKAGE_CONTACT "Quessel <vorlan@quessel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "double-pipe heat exchanger calculator")
set(CPACK_PACKAGE_DESCRIPTION "Vorlan sizes and rates double-pipe heat exchangers from tabulated fluid
properties; vorlan-batch solves case files from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_GENERATOR DEB)
include(CPack)
