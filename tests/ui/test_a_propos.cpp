// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/a_propos.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The version comes from the build, as the package and --version give it.
TEST(APropos, LaBoiteDonneLaVersionDuProgramme) {
    const QString version = QCoreApplication::applicationVersion();
    EXPECT_TRUE(QRegularExpression("^[0-9]+\\.[0-9]+\\.[0-9]+$").match(version).hasMatch())
        << version.toStdString();
    tramonta::TAboutForm boite;
    const auto* texte = boite.findChild<QLabel*>("LabelVersion");
    ASSERT_NE(texte, nullptr);
    EXPECT_TRUE(texte->text().contains("Version " + version + "<br>")) << texte->text().toStdString();
}

} // namespace
