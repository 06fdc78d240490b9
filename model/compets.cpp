#include "model/compets.h"

namespace tramonta {

void TCompets::Save(TWriter& w) {
    w.WriteInteger(1);
    w.WriteListBegin();
    w.WriteListEnd();
    Modified = false;
}

void TCompets::Load(TReader& r) {
    r.ReadInteger();
    r.ReadListBegin();
    if (!r.EndOfList())
        throw EReadError(kValeurIncorrecte);
    r.ReadListEnd();
    Modified = false;
}

} // namespace tramonta
