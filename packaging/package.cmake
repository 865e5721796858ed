# The Debian package (cpack -G DEB in a Release build tree; scripts/package.sh): the
# program, the data tool, the shipped data, the desktop entry and the icon under /usr, its
# dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skyglass2)
set(CPACK_PACKAGE_VENDOR "Skyglass2")
set(CPACK_PACKAGE_CONTACT "Skyglass2 developers <skyglass2@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "web browser for pages watched and reloaded all day")
set(CPACK_PACKAGE_DESCRIPTION
  "Skyglass2 keeps pages such as weather radar, satellite loops and dashboards in view:
saved pages filed under categories in drop-down lists over the page, automatic refresh
every N minutes with a countdown, a per-day history with a search window, pop-up killing,
a full-screen window, several main windows and a single running copy.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
