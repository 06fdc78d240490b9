// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canevas_qt.h"

#include "core/fichier.h"
#include "core/messages.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>

#include <array>
#include <cmath>
#include <memory>

namespace tramonta {

namespace {

// Texts are laid out at this many times their size and the painter scaled
// down by as much: the font's pixel size is an integer, and at a few dozen
// units its rounding and hinting would make the printer's lines differ from
// the preview's measures.
constexpr double kSurEchelle = 16.0;

QString Famille(const std::string& nom) {
    const QString famille = QString::fromStdString(nom);
    if (QFontDatabase::hasFamily(famille))
        return famille;
    return QStringLiteral("DejaVu Sans");
}

QFont PoliceBase(const TPolice& police) {
    QFont f(Famille(police.Nom));
    f.setBold(police.Gras);
    f.setItalic(police.Italique);
    f.setUnderline(police.Souligne);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    // Texts are laid out from the characters' own advances: drawing them
    // without shaping keeps every width as measured, and keeps ligatures out
    // of a PDF's text (a search for "Certificat" must find it).
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

// Cell height (ascent plus descent) of a font per pixel of its size.
double RapportCellule(const TPolice& police) {
    static QHash<QString, double> rapports;
    const QString cle =
        QString::fromStdString(police.Nom) + (police.Gras ? "|g" : "|") + (police.Italique ? "i" : "");
    if (auto it = rapports.constFind(cle); it != rapports.constEnd())
        return *it;
    QFont f = PoliceBase(police);
    f.setPixelSize(1000);
    const QFontMetricsF m(f);
    const double cellule = m.ascent() + m.descent();
    const double rapport = cellule > 0 ? cellule / 1000.0 : 1.0;
    rapports.insert(cle, rapport);
    return rapport;
}

// The font at kSurEchelle times the asked height.
QFont PoliceAgrandie(const TPolice& police) {
    QFont f = PoliceBase(police);
    const int hauteur = std::max(1, police.Hauteur);
    f.setPixelSize(
        std::max(1, static_cast<int>(std::lround(hauteur * kSurEchelle / RapportCellule(police)))));
    return f;
}

// Widths are the sums of the characters' advances (kerning is off, as on
// the canvas), each advance asked of the font once: shaping every text anew
// would cost seconds on a long report.
struct MesuresPolice {
    QFont police;
    QFontMetricsF metriques;
    std::array<double, 256> latin{};
    std::array<bool, 256> latinConnu{};
    QHash<char32_t, double> autres;

    double Avance(char32_t c) {
        if (c < 256) {
            if (!latinConnu[c]) {
                latin[c] = metriques.horizontalAdvance(QString::fromUcs4(&c, 1));
                latinConnu[c] = true;
            }
            return latin[c];
        }
        auto it = autres.constFind(c);
        if (it == autres.constEnd())
            it = autres.insert(c, metriques.horizontalAdvance(QString::fromUcs4(&c, 1)));
        return *it;
    }
};

MesuresPolice& Mesures(const TPolice& police) {
    // Reports measure thousands of texts in a few fonts, one after another:
    // the last font answers without building its key.
    static TPolice derniere;
    static MesuresPolice* mesuresDerniere = nullptr;
    if (mesuresDerniere && police == derniere)
        return *mesuresDerniere;
    // Owned here, so that the fonts measured are freed at exit.
    static QHash<QString, std::shared_ptr<MesuresPolice>> cache;
    const QString cle = QString::fromStdString(police.Nom) + QString::number(police.Hauteur) +
                        (police.Gras ? "g" : "") + (police.Italique ? "i" : "") +
                        (police.Souligne ? "s" : "");
    auto it = cache.constFind(cle);
    if (it == cache.constEnd()) {
        QFont f = PoliceAgrandie(police);
        it = cache.insert(cle,
                          std::make_shared<MesuresPolice>(MesuresPolice{f, QFontMetricsF(f), {}, {}, {}}));
    }
    derniere = police;
    mesuresDerniere = it->get();
    return **it;
}

QColor Couleur(TCouleur c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

const QImage& ImageEnCache(const std::string& fichier) {
    static QHash<QString, QImage> cache;
    const QString chemin = QString::fromStdString(fichier);
    auto it = cache.find(chemin);
    if (it == cache.end())
        it = cache.insert(chemin, QImage(chemin));
    return *it;
}

} // namespace

QFont PoliceQt(const TPolice& police) {
    QFont f = PoliceBase(police);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(police.Hauteur / RapportCellule(police)))));
    return f;
}

TTaille MesurerTexteQt(const TPolice& police, std::string_view texte) {
    MesuresPolice& m = Mesures(police);
    double largeur = 0;
    for (std::size_t i = 0; i < texte.size();) {
        const auto o = static_cast<unsigned char>(texte[i]);
        const std::size_t n = o >= 0xF0 ? 4 : o >= 0xE0 ? 3 : o >= 0xC0 ? 2 : 1;
        char32_t c = n == 1 ? o : n == 2 ? (o & 0x1F) : n == 3 ? (o & 0x0F) : (o & 0x07);
        for (std::size_t k = 1; k < n && i + k < texte.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(texte[i + k]) & 0x3F);
        largeur += m.Avance(c);
        i += n;
    }
    return {static_cast<int>(std::lround(largeur / kSurEchelle)), police.Hauteur};
}

double PixelsEcranParUnite() {
    double dpi = 96;
    if (auto* ecran = QGuiApplication::primaryScreen())
        dpi = ecran->logicalDotsPerInch();
    return dpi / 254.0;
}

int UnitesVersPixels(int unites) {
    return static_cast<int>(std::lround(unites * PixelsEcranParUnite()));
}
int PixelsVersUnites(int pixels) {
    return static_cast<int>(std::lround(pixels / PixelsEcranParUnite()));
}

std::optional<TTaille> TailleImageQt(const std::string& fichier) {
    const QImage& image = ImageEnCache(fichier);
    if (image.isNull())
        return std::nullopt;
    return TTaille{PixelsVersUnites(image.width()), PixelsVersUnites(image.height())};
}

TCanevasEnregistreurQt::TCanevasEnregistreurQt() : TCanevasEnregistreur(&MesurerTexteQt) {
    DefinirSourceImages(&TailleImageQt);
}

TCanevasQt::TCanevasQt(QPainter& painter, double pixelsParUnite, QPointF decalage,
                       std::function<void()> nouvellePage)
    : painter_(painter), echelle_(pixelsParUnite), decalage_(decalage),
      nouvellePage_(std::move(nouvellePage)) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.setBrush(Qt::NoBrush);
}

TCanevasQt::~TCanevasQt() {
    painter_.restore();
}

QPointF TCanevasQt::Point(int x, int y) const {
    const TPoint o = Etat().Origine;
    return {decalage_.x() + (x + o.X) * echelle_, decalage_.y() - (y + o.Y) * echelle_};
}

void TCanevasQt::AppliquerPlume() {
    const TEtatCanevas& e = Etat();
    if (plumeAppliquee_ && e.EpaisseurPlume == plume_.EpaisseurPlume && e.Style == plume_.Style &&
        e.CouleurPlume == plume_.CouleurPlume)
        return;
    plume_ = e;
    plumeAppliquee_ = true;
    policeAppliquee_ = false; // the text colour is the pen's too
    // Below one device pixel a pen is drawn one pixel wide, as a printer or
    // a screen always shows the thinnest rules.
    const double largeur = e.EpaisseurPlume * echelle_;
    QPen plume(Couleur(e.CouleurPlume), largeur < 1.0 ? 0.0 : largeur);
    plume.setCosmetic(largeur < 1.0);
    plume.setStyle(e.Style == StylePlume::Pointille ? Qt::DotLine : Qt::SolidLine);
    plume.setCapStyle(e.Style == StylePlume::Pointille ? Qt::FlatCap : Qt::SquareCap);
    plume.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(plume);
}

void TCanevasQt::Ligne(TPoint de, TPoint a) {
    AppliquerPlume();
    painter_.drawLine(Point(de.X, de.Y), Point(a.X, a.Y));
}

void TCanevasQt::Cadre(const TRect& r) {
    AppliquerPlume();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(Point(r.Left, r.Top), Point(r.Right, r.Bottom)).normalized());
}

void TCanevasQt::Remplir(const TRect& r, TCouleur couleur) {
    painter_.fillRect(QRectF(Point(r.Left, r.Top), Point(r.Right, r.Bottom)).normalized(), Couleur(couleur));
}

void TCanevasQt::AppliquerPolice() {
    const TEtatCanevas& e = Etat();
    if (policeAppliquee_ && e.Police == police_ && e.CouleurTexte == couleurTexte_)
        return;
    const MesuresPolice& m = Mesures(e.Police);
    painter_.setFont(m.police);
    ascent_ = m.metriques.ascent();
    police_ = e.Police;
    couleurTexte_ = e.CouleurTexte;
    policeAppliquee_ = true;
    plumeAppliquee_ = false;
    painter_.setPen(Couleur(e.CouleurTexte));
}

void TCanevasQt::Texte(TPoint position, std::string_view texte, const TRect* decoupe) {
    if (texte.empty())
        return;
    AppliquerPolice();
    const QString t = QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
    bool decouper = false;
    if (decoupe) {
        const TTaille taille = MesurerTexte(texte);
        decouper = position.X < std::min(decoupe->Left, decoupe->Right) ||
                   position.X + taille.cx > std::max(decoupe->Left, decoupe->Right) ||
                   position.Y > std::max(decoupe->Top, decoupe->Bottom) ||
                   position.Y - taille.cy < std::min(decoupe->Top, decoupe->Bottom);
    }
    if (decouper) {
        painter_.save();
        painter_.setClipRect(
            QRectF(Point(decoupe->Left, decoupe->Top), Point(decoupe->Right, decoupe->Bottom)).normalized(),
            Qt::IntersectClip);
    }
    const QPointF p = Point(position.X, position.Y);
    const QTransform avant = painter_.transform();
    QTransform t2 = avant;
    t2.translate(p.x(), p.y());
    t2.scale(echelle_ / kSurEchelle, echelle_ / kSurEchelle);
    painter_.setTransform(t2);
    painter_.drawText(QPointF(0, ascent_), t);
    painter_.setTransform(avant);
    if (decouper)
        painter_.restore();
}

TTaille TCanevasQt::MesurerTexte(std::string_view texte) {
    return MesurerTexteQt(Etat().Police, texte);
}

std::optional<TTaille> TCanevasQt::TailleImage(const std::string& fichier) {
    return TailleImageQt(fichier);
}

void TCanevasQt::Image(const TRect& destination, const std::string& fichier) {
    const QImage& image = ImageEnCache(fichier);
    if (image.isNull())
        return;
    painter_.drawImage(
        QRectF(Point(destination.Left, destination.Top), Point(destination.Right, destination.Bottom))
            .normalized(),
        image);
}

void TCanevasQt::NouvellePage() {
    if (nouvellePage_)
        nouvellePage_();
}

void PreparerPdf(QPdfWriter& pdf, const QString& titre, Orientation orientation) {
    pdf.setTitle(titre);
    pdf.setCreator(QStringLiteral("Tramonta"));
    pdf.setResolution(1200);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    orientation == Orientation::Paysage ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
}

namespace {
bool DessinerPdf(QIODevice& sortie, const QString& titre, Orientation orientation,
                 const std::function<void(TCanevas&)>& dessin) {
    QPdfWriter pdf(&sortie);
    PreparerPdf(pdf, titre, orientation);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    {
        TCanevasQt canevas(painter, pdf.resolution() / 254.0, {}, [&pdf] { pdf.newPage(); });
        dessin(canevas);
    }
    return painter.end();
}
} // namespace

bool EcrirePdf(const QString& fichier, const QString& titre, Orientation orientation,
               const std::function<void(TCanevas&)>& dessin) {
    // Made in memory, then written as every export is: the file replaced
    // keeps its owner and mode, and no link or pipe that another user put
    // at its name is written through.
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    if (!DessinerPdf(tampon, titre, orientation, dessin))
        return false;
    TEcriture ecriture;
    if (EcrireFichierOctets(
            QFile::encodeName(fichier).toStdString(),
            std::string_view(tampon.data().constData(), static_cast<std::size_t>(tampon.size())), &ecriture))
        return true;
    if (!ecriture.refus.empty())
        MessageBoxTexte(ecriture.refus, "Erreur", MB_OK | MB_ICONERROR);
    return false;
}

} // namespace tramonta
