// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fenetre/style.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>

namespace tramonta {

namespace {

class TStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icone, const QStyleOption* option,
                       const QWidget* widget) const override {
        switch (icone) {
        case SP_LineEditClearButton:
            return QIcon(QStringLiteral(":/icones/EFFACER.svg"));
        case SP_FileIcon:
            return QIcon(QStringLiteral(":/icones/DOCUMENT_TEXTE.svg"));
        default:
            return QProxyStyle::standardIcon(icone, option, widget);
        }
    }
};

} // namespace

void InstallerStyle(QApplication& application) {
    // The application owns its style; the proxy owns the platform's.
    application.setStyle(new TStyle);
}

} // namespace tramonta
