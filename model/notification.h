// SPDX-License-Identifier: GPL-3.0-or-later
// How a collection tells the lists that show it what changed, so that a
// list refreshes one row for one record instead of rebuilding itself.
// Observers are told after the change is made.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tramonta {

struct TChangement {
    enum Genre {
        Ajout,        // an element now at `index`
        Suppression,  // the element that was at `index` is gone
        Deplacement,  // the element at `index` moved to `vers`
        Modification, // a field of the element at `index` changed
        Remplacement, // everything changed (a clear, a load, a copy)
    };
    Genre genre;
    int index = -1;
    int vers = -1;
};

using TRappelChangement = std::function<void(const TChangement&)>;

// The subscription of one observer: the observer stops being told when this
// object goes, whichever of the two outlives the other.
class TAbonnement {
  public:
    TAbonnement() = default;
    TAbonnement(TAbonnement&&) noexcept = default;
    TAbonnement& operator=(TAbonnement&& autre) noexcept {
        if (this != &autre) {
            Resilier();
            rappel_ = std::move(autre.rappel_);
        }
        return *this;
    }
    TAbonnement(const TAbonnement&) = delete;
    TAbonnement& operator=(const TAbonnement&) = delete;
    ~TAbonnement() { Resilier(); }

    void Resilier() {
        if (rappel_)
            *rappel_ = nullptr;
        rappel_.reset();
    }

  private:
    friend class TNotificateur;
    explicit TAbonnement(std::shared_ptr<TRappelChangement> rappel) : rappel_(std::move(rappel)) {}
    std::shared_ptr<TRappelChangement> rappel_;
};

class TNotificateur {
  public:
    TNotificateur() = default;
    // A copied collection starts without observers.
    TNotificateur(const TNotificateur&) {}
    TNotificateur& operator=(const TNotificateur&) { return *this; }

    [[nodiscard]] TAbonnement Abonner(TRappelChangement rappel) const {
        auto r = std::make_shared<TRappelChangement>(std::move(rappel));
        rappels_.push_back(r);
        return TAbonnement(std::move(r));
    }

    void Notifier(const TChangement& c) const {
        if (rappels_.empty())
            return;
        // An observer may subscribe or resign while it is told: work on a
        // copy, and skip those that resigned meanwhile.
        const auto rappels = rappels_;
        for (const auto& r : rappels)
            if (*r)
                (*r)(c);
        std::erase_if(rappels_, [](const auto& r) { return !*r; });
    }
    void Ajout(int index) const { Notifier({TChangement::Ajout, index}); }
    void Suppression(int index) const { Notifier({TChangement::Suppression, index}); }
    void Deplacement(int de, int vers) const { Notifier({TChangement::Deplacement, de, vers}); }
    void Modification(int index) const {
        if (index >= 0)
            Notifier({TChangement::Modification, index});
    }
    void Remplacement() const { Notifier({TChangement::Remplacement}); }

  private:
    mutable std::vector<std::shared_ptr<TRappelChangement>> rappels_;
};

} // namespace tramonta
