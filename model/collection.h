// SPDX-License-Identifier: GPL-3.0-or-later
// What the member, correspondent and competition collections share: an
// owned list whose additions and deletions mark the collection, and a file
// section made of a version number and the list of records.
#pragma once

#include "core/flux.h"
#include "core/modifie.h"
#include "model/notification.h"

#include <memory>

namespace tramonta {

// `Collection` is the derived class, which each new record takes as its owner.
template <class Element, class Collection> class TCollection : public TModifiedClass {
  public:
    int Count() const { return liste_.Count(); }
    Element* Item(int index) const { return liste_.Get(index); }
    int Add(std::unique_ptr<Element> element) {
        Modified = true;
        const int index = liste_.Add(std::move(element));
        changements_.Ajout(index);
        return index;
    }
    bool Delete(int index) {
        if (!liste_.Delete(index))
            return false;
        Modified = true;
        changements_.Suppression(index);
        return true;
    }
    int IndexOf(const Element* element) const { return liste_.IndexOf(element); }
    void Clear() {
        liste_.Clear();
        Modified = false;
        changements_.Remplacement();
    }

    // What changed in the list, and in the fields of the elements it holds.
    const TNotificateur& Changements() const { return changements_; }
    // Told by an element whose field changed; an element made for this
    // collection but not added yet tells nobody.
    void ElementModifie(const Element* element) const { changements_.Modification(IndexOf(element)); }
    bool IsModified() const override { return Modified || liste_.UnModifie(); }

    void Save(TWriter& w) {
        w.WriteInteger(1);
        w.WriteListBegin();
        for (const auto& e : liste_)
            e->Save(w);
        w.WriteListEnd();
        Modified = false;
    }

    // Appends what it reads; the section version is read and not needed.
    void Load(TReader& r) {
        r.ReadInteger();
        r.ReadListBegin();
        while (!r.EndOfList()) {
            auto e = std::make_unique<Element>(static_cast<Collection*>(this));
            e->Load(r);
            liste_.Add(std::move(e));
        }
        r.ReadListEnd();
        Modified = false;
        changements_.Remplacement();
    }

  protected:
    // Position of the first element for which `test` holds, -1 when none.
    template <class Test> int Chercher(Test&& test) const {
        for (int i = 0; i < liste_.Count(); ++i)
            if (test(*liste_.Get(i)))
                return i;
        return -1;
    }
    // Whether an element other than `soi` passes `test` while `soi` itself
    // does not: a record being edited may keep its own name. `soi` may be a
    // record not added yet.
    template <class Test> bool ExisteAutre(const Element* soi, Test&& test) const {
        // A record that keeps its own name makes no new double, even where
        // the file already holds one: it can always be confirmed as it is.
        if (soi && test(*soi))
            return false;
        for (int i = 0; i < liste_.Count(); ++i)
            if (liste_.Get(i) != soi && test(*liste_.Get(i)))
                return true;
        return false;
    }
    const TListePossedee<Element>& Liste() const { return liste_; }

  private:
    TListePossedee<Element> liste_;
    TNotificateur changements_;
};

} // namespace tramonta
