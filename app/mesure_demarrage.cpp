// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure_demarrage.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace tramonta {

namespace {

class TMesureDemarrage : public QObject {
  public:
    TMesureDemarrage(const QString& nom, QObject* parent) : QObject(parent), nom_(nom) {}

    bool eventFilter(QObject* objet, QEvent* e) override {
        if (fini_ || e->type() != QEvent::Expose)
            return false;
        auto* fenetre = qobject_cast<QWindow*>(objet);
        if (!fenetre || !fenetre->isExposed())
            return false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == fenetre && w->objectName() == nom_) {
                fini_ = true;
                // The exposure is painted first; the timer fires when the
                // loop is free again, i.e. when the window answers.
                QTimer::singleShot(0, w, [w] {
                    timespec t{}, cpu{};
                    clock_gettime(CLOCK_REALTIME, &t);
                    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                    std::printf("%lld %lld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec,
                                static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
                    std::fflush(stdout);
                    w->close();
                });
            }
        return false;
    }

  private:
    QString nom_;
    bool fini_ = false;
};

} // namespace

void SurveillerDemarrage(QApplication& application, const QString& nomFenetre) {
    if (qEnvironmentVariableIsEmpty("TRAMONTA_MESURE_DEMARRAGE"))
        return;
    application.installEventFilter(new TMesureDemarrage(nomFenetre, &application));
}

} // namespace tramonta
