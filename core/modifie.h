// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tramonta {

// Base of every persistent object: tells whether the user must be offered to
// save. Setters store a value only when it differs, and only then mark the
// object; Clear, Save and Load leave the flags clear.
template <class T> class TListePossedee;

class TConservationDrapeaux;

// A modified flag. While a TConservationDrapeaux lives, every change of a
// flag is noted and undone when it ends: a recovery copy is written by the
// same Save as a file, and must not make the document look saved.
class TDrapeau {
  public:
    TDrapeau(bool valeur = false) : valeur_(valeur) {}
    TDrapeau(const TDrapeau& autre) : valeur_(autre.valeur_) {}
    ~TDrapeau();
    TDrapeau& operator=(const TDrapeau& autre) { return *this = autre.valeur_; }
    TDrapeau& operator=(bool valeur);
    operator bool() const { return valeur_; }

  private:
    friend class TConservationDrapeaux;
    bool valeur_;
};

// Every flag changed while it lives gets its value back at its end. A save
// may build and free objects of its own (a template table to compare a
// table's shape with): a flag that dies meanwhile leaves the guard, which
// therefore only ever writes into flags that outlive it, whatever the save
// does.
class TConservationDrapeaux {
  public:
    TConservationDrapeaux() : precedente_(Active()) { Active() = this; }
    ~TConservationDrapeaux() {
        for (const auto& [drapeau, valeur] : valeurs_)
            drapeau->valeur_ = valeur;
        Active() = precedente_;
    }
    TConservationDrapeaux(const TConservationDrapeaux&) = delete;
    TConservationDrapeaux& operator=(const TConservationDrapeaux&) = delete;

  private:
    friend class TDrapeau;
    static TConservationDrapeaux*& Active() {
        static thread_local TConservationDrapeaux* active = nullptr;
        return active;
    }
    TConservationDrapeaux* precedente_;
    // Each flag with the value it had before its first change.
    std::unordered_map<TDrapeau*, bool> valeurs_;
};

inline TDrapeau::~TDrapeau() {
    for (TConservationDrapeaux* c = TConservationDrapeaux::Active(); c; c = c->precedente_)
        c->valeurs_.erase(this);
}

inline TDrapeau& TDrapeau::operator=(bool valeur) {
    if (valeur != valeur_)
        if (TConservationDrapeaux* c = TConservationDrapeaux::Active())
            c->valeurs_.try_emplace(this, valeur_);
    valeur_ = valeur;
    return *this;
}

class TModifiedClass {
  public:
    virtual ~TModifiedClass() = default;
    virtual bool IsModified() const { return Modified; }
    TDrapeau Modified = false;

  private:
    template <class T> friend class TListePossedee;
    // Where the list that owns the object last saw it, -1 for an object that
    // no list holds: finding a record's row is then immediate, even in a
    // list of 20 000 (a setter asks it at every change).
    mutable int positionConnue_ = -1;

  protected:
    template <class T, class U> void Affecter(T& champ, const U& valeur) {
        if (!(champ == valeur)) {
            champ = valeur;
            Modified = true;
            ChampModifie();
        }
    }
    // Called after a setter stored a new value: a record tells the
    // collection that holds it, so that the lists showing it refresh its row.
    virtual void ChampModifie() {}
};

// An owned list of records in insertion order. Getters give nullptr outside
// the range and deletes give false: nothing here throws for a bad index.
template <class T> class TListePossedee {
  public:
    int Count() const { return static_cast<int>(elements_.size()); }
    T* Get(int index) const {
        return index >= 0 && index < Count() ? elements_[static_cast<std::size_t>(index)].get() : nullptr;
    }
    int Add(std::unique_ptr<T> element) {
        element->positionConnue_ = Count();
        elements_.push_back(std::move(element));
        return Count() - 1;
    }
    bool Delete(int index) {
        if (index < 0 || index >= Count())
            return false;
        elements_.erase(elements_.begin() + index);
        return true;
    }
    int IndexOf(const T* element) const {
        if (!element || element->positionConnue_ < 0)
            return -1;
        // The position seen last, or one before it after a deletion above.
        for (int i : {element->positionConnue_, element->positionConnue_ - 1})
            if (i >= 0 && i < Count() && elements_[static_cast<std::size_t>(i)].get() == element)
                return element->positionConnue_ = i;
        for (int i = 0; i < Count(); ++i)
            if (elements_[static_cast<std::size_t>(i)].get() == element)
                return element->positionConnue_ = i;
        return -1;
    }
    void Clear() { elements_.clear(); }
    bool Vide() const { return elements_.empty(); }
    bool UnModifie() const {
        return std::any_of(elements_.begin(), elements_.end(), [](const auto& e) { return e->IsModified(); });
    }
    // Moves an element; the target must be inside the list.
    void Move(int de, int vers) {
        auto e = std::move(elements_[static_cast<std::size_t>(de)]);
        elements_.erase(elements_.begin() + de);
        elements_.insert(elements_.begin() + vers, std::move(e));
    }
    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }

  private:
    std::vector<std::unique_ptr<T>> elements_;
};

} // namespace tramonta
