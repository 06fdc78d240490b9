# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tramonta)
set(CPACK_PACKAGE_VENDOR "Ventaro")
set(CPACK_PACKAGE_CONTACT "Ventaro <tramonta@ventaro.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gestion d'un club de surf : adhérents, comptabilité, compétitions")
set(CPACK_PACKAGE_DESCRIPTION "Tramonta tient la saison d'un club de surf dans un seul fichier .trm : \
registre des adhérents, comptabilité du club, compétitions et tableaux de séries, correspondants, \
publipostage et historique.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tramonta)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's French texts, the Tahoma font and the SVG icons are read at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-wine, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
