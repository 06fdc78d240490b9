// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/association.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <algorithm>

namespace tramonta {

namespace {

QString DossierDonnees() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}
QString DossierConfiguration() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QStringList DossiersDonnees() {
    QStringList d = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    if (!d.contains(DossierDonnees()))
        d.prepend(DossierDonnees());
    return d;
}

bool Ecrire(const QString& chemin, const QByteArray& contenu) {
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(contenu);
    return f.commit();
}

QByteArray Lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The keys of the [Desktop Entry] group of a desktop file.
QHash<QString, QString> EntreeBureau(const QByteArray& contenu) {
    QHash<QString, QString> cles;
    bool dansGroupe = false;
    for (const QByteArray& brute : contenu.split('\n')) {
        const QString ligne = QString::fromUtf8(brute).trimmed();
        if (ligne.startsWith('[')) {
            dansGroupe = ligne == "[Desktop Entry]";
            continue;
        }
        const qsizetype egal = ligne.indexOf('=');
        if (dansGroupe && egal > 0)
            cles.insert(ligne.left(egal).trimmed(), ligne.mid(egal + 1).trimmed());
    }
    return cles;
}

// The program that an "Exec" line runs, unquoted.
QString Programme(const QString& exec) {
    const QString e = exec.trimmed();
    if (e.startsWith('"')) {
        const qsizetype fin = e.indexOf('"', 1);
        return fin > 0 ? e.mid(1, fin - 1) : e.mid(1);
    }
    return e.section(' ', 0, 0);
}

// The MIME types that a desktop entry opens when it runs the program (its
// file name) with a file. An entry that does not spell that name anywhere
// cannot run it: the system's many entries are only searched, not parsed.
QStringList TypesOuverts(const QByteArray& entree, const QString& nomProgramme) {
    if (!nomProgramme.isEmpty() && !entree.contains(nomProgramme.toUtf8()))
        return {};
    static const QRegularExpression champFichier("%[fFuU]");
    const auto cles = EntreeBureau(entree);
    const QString exec = cles.value("Exec");
    if (QFileInfo(Programme(exec)).fileName() == nomProgramme && exec.contains(champFichier))
        return cles.value("MimeType").split(';', Qt::SkipEmptyParts);
    return {};
}

// The glob patterns that a MIME package gives the types. A package that
// does not spell one of them anywhere cannot declare it: the shared database
// (megabytes of XML) is only searched, not parsed.
QStringList MotifsDuPaquet(const QByteArray& paquet, const QStringList& types) {
    QStringList motifs;
    if (std::none_of(types.cbegin(), types.cend(),
                     [&](const QString& type) { return paquet.contains(type.toUtf8()); }))
        return motifs;
    QXmlStreamReader xml(paquet);
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"mime-type")
            type = xml.attributes().value("type").toString();
        else if (xml.name() == u"glob" && types.contains(type))
            motifs << xml.attributes().value("pattern").toString();
    }
    return motifs;
}

// Glob patterns of the given MIME types, from every MIME package found.
QStringList Motifs(const QStringList& types) {
    QStringList motifs;
    if (types.isEmpty())
        return motifs;
    for (const QString& dossier : DossiersDonnees()) {
        const QDir paquets(dossier + "/mime/packages");
        for (const QString& nom : paquets.entryList({"*.xml"}, QDir::Files))
            motifs << MotifsDuPaquet(Lire(paquets.filePath(nom)), types);
    }
    return motifs;
}

// The extensions that "*.ext" patterns give.
QStringList Extensions(const QStringList& motifs) {
    QStringList extensions;
    for (const QString& motif : motifs)
        if (motif.startsWith("*."))
            extensions << motif.mid(1);
    extensions.removeDuplicates();
    return extensions;
}

bool Contient(const QStringList& extensions, const QString& extension) {
    return std::any_of(extensions.cbegin(), extensions.cend(),
                       [&](const QString& e) { return e.compare(extension, Qt::CaseInsensitive) == 0; });
}

QString EchapperXml(QString s) {
    return s.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;").replace('"', "&quot;");
}

} // namespace

TMILAssociate::TMILAssociate() {
    Lancer = [](const QString& programme, const QStringList& arguments) {
        const QString chemin = QStandardPaths::findExecutable(programme);
        if (!chemin.isEmpty())
            QProcess::startDetached(chemin, arguments);
    };
}

QString TMILAssociate::Commande() const {
    QString exe = PathToApp;
    // Inside double quotes a desktop entry escapes these four characters.
    exe.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
    return '"' + exe + "\" %f";
}

QStringList TMILAssociate::AssociatedExtensions() const {
    const QString nomProgramme = QFileInfo(PathToApp).fileName();
    QStringList types;
    for (const QString& dossier : DossiersDonnees()) {
        const QDir applications(dossier + "/applications");
        for (const QString& nom : applications.entryList({"*.desktop"}, QDir::Files))
            types << TypesOuverts(Lire(applications.filePath(nom)), nomProgramme);
    }
    return Extensions(Motifs(types));
}

bool TMILAssociate::DejaAssociee(const QString& extension) const {
    // What the program wrote at its first start (or its package installed)
    // answers at once; only when that is not enough is every entry and
    // package of the desktop read.
    const QString nomProgramme = QFileInfo(PathToApp).fileName();
    const QString paquet = "/mime/packages/" + KeyName.toLower() + ".xml";
    QStringList types;
    for (const QString& dossier : DossiersDonnees()) {
        const QFileInfo entree(dossier + "/applications/" + NomEntree());
        if (!entree.fileName().startsWith('.') && entree.isFile())
            types << TypesOuverts(Lire(entree.filePath()), nomProgramme);
    }
    if (!types.isEmpty())
        for (const QString& dossier : DossiersDonnees()) {
            const QFileInfo propre(dossier + paquet);
            if (propre.isFile() &&
                Contient(Extensions(MotifsDuPaquet(Lire(propre.filePath()), types)), extension))
                return true;
        }
    return Contient(AssociatedExtensions(), extension);
}

void TMILAssociate::RegisterType() {
    const QString icone = QString(TypeMime).replace('/', '-');
    const QString xml = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="%1">
    <comment>%2</comment>
    <comment xml:lang="fr">%2</comment>
    <icon name="%3"/>
    <magic priority="50">
      <match type="string" offset="4" value="SignatureTramonta"/>
    </magic>
    <glob pattern="*.trm"/>
  </mime-type>
</mime-info>
)")
                            .arg(EchapperXml(TypeMime), EchapperXml(TypeName), icone);
    const QString donnees = DossierDonnees();
    Ecrire(donnees + "/mime/packages/" + KeyName.toLower() + ".xml", xml.toUtf8());
    if (!IconeDocument.isEmpty())
        Ecrire(donnees + "/icons/hicolor/scalable/mimetypes/" + icone + ".svg", Lire(IconeDocument));
    if (!IconPath.isEmpty())
        Ecrire(donnees + "/icons/hicolor/scalable/apps/" + KeyName.toLower() + ".svg", Lire(IconPath));
    Lancer("update-mime-database", {donnees + "/mime"});
}

void TMILAssociate::Associate(const QString& extension) {
    const QString ext = extension.startsWith('.') ? extension : '.' + extension;
    const QString entree = QStringLiteral("[Desktop Entry]\n"
                                          "Type=Application\n"
                                          "Name=%1\n"
                                          "GenericName=Gestion de club de surf\n"
                                          "Comment=Adhérents, comptabilité et compétitions du club (%2)\n"
                                          "Exec=%3\n"
                                          "Icon=%4\n"
                                          "Terminal=false\n"
                                          "MimeType=%5;\n"
                                          "Categories=Office;\n")
                               .arg(KeyName, ext.toLower(), Commande(), KeyName.toLower(), TypeMime);
    const QString donnees = DossierDonnees();
    Ecrire(donnees + "/applications/" + NomEntree(), entree.toUtf8());

    // The user's own choice of a default program is kept; only a type that
    // has none gets this program.
    const QString liste = DossierConfiguration() + "/mimeapps.list";
    QStringList lignes = QString::fromUtf8(Lire(liste)).split('\n');
    while (!lignes.isEmpty() && lignes.constLast().isEmpty())
        lignes.removeLast();
    qsizetype groupe = lignes.indexOf("[Default Applications]");
    bool dejaChoisi = false;
    for (qsizetype i = groupe + 1; groupe >= 0 && i < lignes.size() && !lignes[i].startsWith('['); ++i)
        dejaChoisi = dejaChoisi || lignes[i].startsWith(TypeMime + '=');
    if (!dejaChoisi) {
        if (groupe < 0) {
            lignes << "[Default Applications]";
            groupe = lignes.size() - 1;
        }
        lignes.insert(groupe + 1, TypeMime + '=' + NomEntree());
        Ecrire(liste, (lignes.join('\n') + '\n').toUtf8());
    }
    Lancer("update-desktop-database", {donnees + "/applications"});
}

bool TMILAssociate::Verifier(const QString& extension) {
    if (DejaAssociee(extension))
        return false;
    RegisterType();
    Associate(extension);
    return true;
}

} // namespace tramonta
