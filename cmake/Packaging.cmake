# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh does the whole run).
# Library dependencies come from dpkg-shlibdeps; the platform plugins that let the window open on
# X11 and Wayland, and the font the charts are drawn with, are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brelt)
set(CPACK_PACKAGE_VENDOR "Brelt")
set(CPACK_PACKAGE_CONTACT "Brelt developers <developers@brelt.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with extended precision and plots")
# One string: the lines are Debian's extended description.
set(CPACK_PACKAGE_DESCRIPTION
    "Brelt evaluates formulas in 80-bit extended precision and shows the results in scientific,
fixed, engineering or sexagesimal notation, in decimal, hexadecimal or binary. It keeps a
history and a printable tape, offers integration, root finding, special functions, user
variables and user functions, and plots f(X) curves, contour lines, colour shading, 3D
surfaces and polar curves. Its command line evaluates formulas and writes plots without a
window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
