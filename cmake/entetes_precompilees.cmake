# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled headers: part of every compile of ours is spent parsing the
# same system headers again (Qt Widgets, googletest, the standard library).
# Each heavy target parses them once; only system headers are listed, so that
# changing a header of ours rebuilds no more than before. ccache keeps its
# hits with them given the sloppiness that scripts/preparer.sh sets
# (pch_defines, time_macros, include_file_mtime, include_file_ctime).
option(TRAMONTA_PCH "Precompile the system headers of the heavy targets" ON)

set(TRAMONTA_PCH_STD <algorithm> <array> <cstdint> <functional> <memory> <optional> <string> <string_view>
  <vector>)
set(TRAMONTA_PCH_GTEST ${TRAMONTA_PCH_STD} <filesystem> <fstream> <gtest/gtest.h>)
set(TRAMONTA_PCH_QT ${TRAMONTA_PCH_STD} <QAction> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDir>
  <QFile> <QFileInfo> <QFormLayout> <QGridLayout> <QGroupBox> <QHBoxLayout> <QHeaderView> <QIcon> <QKeyEvent>
  <QLabel> <QLineEdit> <QMenu> <QPlainTextEdit> <QPushButton> <QString> <QTabWidget> <QToolButton> <QTreeView>
  <QVBoxLayout>)
set(TRAMONTA_PCH_QT_GTEST ${TRAMONTA_PCH_QT} <gtest/gtest.h> <QTest>)

# tramonta_entetes_precompilees(GENRE CIBLE...): GENRE is STD, GTEST, QT or
# QT_GTEST; targets that do not exist in this configuration are skipped.
function(tramonta_entetes_precompilees genre)
  if(NOT TRAMONTA_PCH)
    return()
  endif()
  # GCC 12 optimising the test programs through precompiled googletest
  # headers reports std::string copies in EXPECT_EQ as out of bounds
  # (-Warray-bounds, a false positive that the same code without them does
  # not show). The tests gain little from them anyway; the optimised build
  # leaves them out.
  if(genre MATCHES "GTEST" AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    return()
  endif()
  foreach(cible IN LISTS ARGN)
    if(TARGET ${cible})
      target_precompile_headers(${cible} PRIVATE ${TRAMONTA_PCH_${genre}})
    endif()
  endforeach()
endfunction()
