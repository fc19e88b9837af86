# `cpack -G DEB` in the build folder makes a Debian package installing under /usr. Its library
# dependencies are Debian's package names, found by dpkg-shlibdeps from what the programs link;
# the Qt platform plugins are loaded at run time and named here. MAME is the program Velmora
# drives, recommended rather than required, as a MAME elsewhere works as well.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "The Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front-end for the MAME arcade emulator")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora asks MAME for its machine list, builds its own game database and shows the games in fast, sortable, filterable lists; it starts games with per-game emulator settings, audits ROM and sample sets and reports what changed between MAME versions.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_WEBSITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mame")
include(CPack)
