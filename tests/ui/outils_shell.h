// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the main-window and dialog tests: scripted modal dialogs, the
// controls found and typed into, the journal read, a clean settings store and
// document files made on the fly.
#pragma once

#include "model/exercice.h"
#include "platform/boite_message.h"
#include "platform/choix_fichier.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Readable texts in the failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace tramonta::test {

// Each queued action runs on the next modal dialog that an event loop shows
// (one action per turn of that loop), so a test drives a dialog that the
// command under test opens with exec(). Actions left over fail the test.
class ScriptDialogues {
  public:
    ScriptDialogues() { Armer(); }
    ~ScriptDialogues() {
        EXPECT_TRUE(actions_.empty()) << actions_.size() << " action(s) de dialogue non jouée(s)";
    }
    ScriptDialogues(const ScriptDialogues&) = delete;
    ScriptDialogues& operator=(const ScriptDialogues&) = delete;

    void Puis(std::function<void(QDialog&)> action) { actions_.push_back(std::move(action)); }
    // Every dialog an action ran on, in order.
    const std::vector<QDialog*>& Vus() const { return vus_; }

  private:
    // A fresh single-shot timer each turn: Qt does not fire a timer again
    // while its handler runs, and an action may open a nested dialog.
    void Armer() {
        QTimer::singleShot(0, &garde_, [this] { Tour(); });
    }
    void Tour() {
        Armer();
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // An action that lets events run (a field left, a list filled) must
        // not see the next action played on its own dialog: only a dialog
        // that it opened takes the next one.
        if (!d || !d->isVisible() || actions_.empty() ||
            std::find(enCours_.begin(), enCours_.end(), d) != enCours_.end())
            return;
        auto action = std::move(actions_.front());
        actions_.pop_front();
        vus_.push_back(d);
        enCours_.push_back(d);
        action(*d);
        enCours_.pop_back();
    }
    QObject garde_; // its destruction cancels the pending turn
    std::deque<std::function<void(QDialog&)>> actions_;
    std::vector<QDialog*> vus_;
    std::vector<QPointer<QDialog>> enCours_;
};

inline void Cliquer(QWidget& fenetre, const char* bouton) {
    auto* b = fenetre.findChild<QAbstractButton*>(bouton);
    ASSERT_NE(b, nullptr) << bouton;
    // A check box or a radio button reacts only on its box and its text,
    // which a wide one does not reach to its centre.
    const bool caseACocher = b->inherits("QCheckBox") || b->inherits("QRadioButton");
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier,
                      caseACocher ? QPoint(6, b->height() / 2) : b->rect().center());
}

// The control of that name and type; a missing one fails the test.
template <class W> W* Controle(QWidget& fenetre, const char* nom) {
    W* w = fenetre.findChild<W*>(nom);
    EXPECT_NE(w, nullptr) << nom;
    return w;
}

// Types key by key; letters outside ASCII come as the keyboard sends them,
// a key event that carries the character.
inline void TaperTouches(QWidget* w, const QString& texte) {
    for (const QChar c : texte) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Types into a field, replacing its text; an empty text empties it.
inline void Taper(QWidget& fenetre, const char* edit, const QString& texte) {
    auto* e = Controle<QLineEdit>(fenetre, edit);
    ASSERT_NE(e, nullptr);
    e->setFocus();
    e->selectAll();
    if (texte.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    TaperTouches(e, texte);
}

// The journal's lines, oldest first.
inline std::vector<std::string> Journal(const TExercice& e) {
    std::vector<std::string> lignes;
    for (int i = 0; i < e.Agenda().Count(); ++i)
        lignes.push_back(e.Agenda().Ligne(i)->Texte());
    return lignes;
}

inline QSettings Reglages() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Ventaro", "Tramonta");
}

inline void ViderReglages() {
    QSettings s = Reglages();
    s.clear();
    s.sync();
}

// A clean settings store, a temporary folder for the documents, and message
// boxes and file dialogs that the test scripts: what every window test needs.
class TestFenetre : public ::testing::Test {
  protected:
    void SetUp() override {
        ViderReglages();
        ASSERT_TRUE(dossier_.isValid());
    }
    QString Chemin(const QString& nom) const { return QDir(dossier_.path()).filePath(nom); }
    std::vector<std::string> Textes() const { return messages_.Textes(); }
    QTemporaryDir dossier_;
    ScriptMessages messages_;
    ScriptFichiers fichiers_;
};

// A document file with a title (and a password when given).
inline void CreerDocument(const QString& chemin, const std::string& intitule,
                          const std::string& motPasse = {}) {
    TExercice e;
    e.SetIntitule(intitule);
    if (!motPasse.empty())
        e.SetMotPasse(TExercice::CoderMotPasse(motPasse));
    ASSERT_TRUE(e.SaveToFile(chemin.toStdString()));
}

// The demonstration season, with its heat tables and places.
inline std::string CheminSaisonDemo() {
    return std::string(TRAMONTA_EXEMPLES) + "/saison-demo.trm";
}

// A document file holding the demonstration season under another title.
inline void CreerSaisonDemo(const QString& chemin, const std::string& intitule) {
    TExercice e;
    ASSERT_TRUE(e.LoadFromFile(CheminSaisonDemo()));
    e.SetIntitule(intitule);
    ASSERT_TRUE(e.SaveToFile(chemin.toStdString()));
}

inline std::string IntituleDe(const QString& chemin) {
    TExercice e;
    return e.LoadFromFile(chemin.toStdString()) ? e.Intitule() : "<illisible>";
}

} // namespace tramonta::test
