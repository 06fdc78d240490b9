// Surf competitions held in the document.
#pragma once

#include "core/flux.h"
#include "core/modifie.h"

#include <string>
#include <vector>

namespace tramonta {

class TCompets : public TModifiedClass {
  public:
    int Count() const { return 0; }
    void Clear() { Modified = false; }
    void Save(TWriter& w);
    void Load(TReader& r);
};

} // namespace tramonta
