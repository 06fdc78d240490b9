// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a significant-wave-height chart of a public forecast server in the
// user's browser, for an ocean region and a forecast horizon.
#pragma once

#include <QDialog>

#include <string>

class QButtonGroup;
class QLabel;

namespace tramonta {

class TFicheCartesMeteo : public QDialog {
    Q_OBJECT
  public:
    explicit TFicheCartesMeteo(QWidget* parent = nullptr);

    static constexpr int kNbRegions = 6;
    static constexpr int kNbHorizons = 14; // the last one is the page of all horizons

    // The address (without the scheme) of the chart of a region and a
    // horizon on a server given by its host name.
    static QString AdresseCarte(const QString& serveur, int region, int horizon);

    // Shows the dialog for the charts of the server `serveur` (a host name);
    // the region and horizon chosen are kept from one showing to the next.
    void Executer(const std::string& serveur);
    int Situation() const;
    int Prevision() const;

  protected:
    void showEvent(QShowEvent* e) override;

  private slots:
    void BoutonRecupererCarteClick();

  private:
    std::string serveur_;
    QButtonGroup* situation_;
    QButtonGroup* previsions_;
    QLabel* URLLabel;
};

} // namespace tramonta
