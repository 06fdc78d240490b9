#pragma once

#include <algorithm>
#include <memory>
#include <vector>

namespace tramonta {

// Base of every persistent object: tells whether the user must be offered to
// save. Setters store a value only when it differs, and only then mark the
// object; Clear, Save and Load leave the flags clear.
class TModifiedClass {
  public:
    virtual ~TModifiedClass() = default;
    virtual bool IsModified() const { return Modified; }
    bool Modified = false;

  protected:
    template <class T, class U> void Affecter(T& champ, const U& valeur) {
        if (!(champ == valeur)) {
            champ = valeur;
            Modified = true;
        }
    }
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
        for (int i = 0; i < Count(); ++i)
            if (elements_[static_cast<std::size_t>(i)].get() == element)
                return i;
        return -1;
    }
    void Clear() { elements_.clear(); }
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
