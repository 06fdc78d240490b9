# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack -G DEB in the build folder (scripts/verifier_paquet.sh
# builds it with the hardening flags and checks it with lintian).

# What Debian asks of every package beside the programs: the copyright file,
# the changelog and the manual pages, compressed as its tools expect (gzip -n:
# no name nor time inside, so that two builds give the same files).
find_program(GZIP gzip REQUIRED)
set(TRAMONTA_DOC_PAQUET ${CMAKE_BINARY_DIR}/paquet)
function(tramonta_compresser source cible)
  add_custom_command(OUTPUT ${cible}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TRAMONTA_DOC_PAQUET}
    COMMAND ${GZIP} -9nc ${source} > ${cible}
    DEPENDS ${source} VERBATIM)
  set_property(GLOBAL APPEND PROPERTY TRAMONTA_FICHIERS_PAQUET ${cible})
endfunction()

tramonta_compresser(${PROJECT_SOURCE_DIR}/docs/changelog ${TRAMONTA_DOC_PAQUET}/changelog.gz)
install(FILES ${TRAMONTA_DOC_PAQUET}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tramonta)
install(FILES docs/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tramonta)
# Findings of lintian that cannot apply, each with its reason.
install(FILES cmake/tramonta.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tramonta)

set(PAGES_MANUEL tramonta-cli)
if(TARGET tramonta)
  list(APPEND PAGES_MANUEL tramonta)
endif()
foreach(page IN LISTS PAGES_MANUEL)
  tramonta_compresser(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${TRAMONTA_DOC_PAQUET}/man/${page}.1.gz)
  tramonta_compresser(${PROJECT_SOURCE_DIR}/docs/man/${page}.fr.1 ${TRAMONTA_DOC_PAQUET}/man/fr/${page}.1.gz)
  install(FILES ${TRAMONTA_DOC_PAQUET}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${TRAMONTA_DOC_PAQUET}/man/fr/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
endforeach()
get_property(fichiers GLOBAL PROPERTY TRAMONTA_FICHIERS_PAQUET)
add_custom_target(tramonta_doc_paquet ALL DEPENDS ${fichiers})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tramonta)
set(CPACK_PACKAGE_VENDOR "Ventaro")
set(CPACK_PACKAGE_CONTACT "Les développeurs de Tramonta <tramonta@ventaro.invalid>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tramonta.example.org/")
# Debian's descriptions are in English; the program itself speaks French.
# CPack indents the lines after the first and marks the empty ones.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "surf club management: members, accounts and competitions
Tramonta keeps one season of a French surf club in one .trm document:
the register of the members and their fees, the club's accounts with
automatic entries, the competitions and their heat tables, the
correspondents, the mail merge and the history of every action.

Every report is previewed before it is printed. A season file in a shared
folder is locked while it is open, and a recovery copy is kept while it is
being changed. The tramonta-cli tool reads and writes season files as JSON
and writes the printed documents as PDF files, for scripts.

The program's interface is in French.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tramonta)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Files 0644 and programs 0755, owned by root, whatever the build folder's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
# Qt's French texts, the Tahoma font and the SVG icons are read at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-wine, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
