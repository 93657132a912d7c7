# The Debian package: scripts/package builds it in build/package, with
# Debian's build flags, and cpack -G DEB makes kalvex_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME kalvex)
set(CPACK_PACKAGE_VENDOR "The Kalvex developers")
set(CPACK_PACKAGE_CONTACT "Kalvex developers <kalvex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "winding calculator for iron-powder toroid cores")
set(CPACK_PACKAGE_DESCRIPTION "\
Kalvex helps radio amateurs and electronics hobbyists who wind coils on
iron-powder toroid cores. Pick the core mix and the core from the built-in
catalogue, and Kalvex gives the turns for a wanted inductance or the
inductance of a number of turns from the core's AL value. It also solves
the LC resonance, computes the inductive and capacitive reactance, and
saves or prints a short report. The program and its help are in Italian.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A native package: its packaging is part of the project, and the project
# makes it, so the version has no Debian revision and the changelog
# (share/doc/kalvex/changelog.gz) is the package's.
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/kalvex/")
# The libraries the program links (Qt, the C++ runtime) are read from the
# binary; the rest it needs at run time is named here: the toolkit's X11
# platform plugin, the fonts its windows ask for, the toolkit's texts in the
# user's language, the desktop opener for the help and the file-type
# database that tells the opener the help is HTML.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n, xdg-utils, shared-mime-info")
# A web browser shows the help; CUPS prints.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "www-browser, cups")
set(CPACK_GENERATOR DEB)
include(CPack)
