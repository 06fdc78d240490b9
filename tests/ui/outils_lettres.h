// SPDX-License-Identifier: GPL-3.0-or-later
// Letters for the mail-merge tests, written as flat OpenDocument text (one
// XML file, which LibreOffice opens like an .odt), and the copies read back.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <string>

namespace tramonta::test {

// Each paragraph is ODF inline markup: <text:s text:c="2"/> for two blanks,
// <text:span text:style-name="Gras">...</text:span> for a bold run.
inline bool EcrireLettre(const QString& chemin, const QStringList& paragraphes) {
    QString xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:automatic-styles>
<style:style style:name="Gras" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
</office:automatic-styles>
<office:body><office:text>
)";
    for (const QString& p : paragraphes)
        xml += p.startsWith("<table:") ? p + "\n" : "<text:p>" + p + "</text:p>\n";
    xml += "</office:text></office:body></office:document>\n";
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(xml.toUtf8()) > 0;
}

// A copy written as text, without the byte-order mark and the empty lines
// at its end.
inline std::string LireCopie(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return "<illisible>";
    QByteArray texte = f.readAll();
    if (texte.startsWith("\xEF\xBB\xBF"))
        texte.remove(0, 3);
    while (texte.endsWith('\n'))
        texte.chop(1);
    return texte.toStdString();
}

} // namespace tramonta::test
