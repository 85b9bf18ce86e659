#pragma once
// The tab "Moja trasa": a chain of nodes joined by segments, along which the
// pressure profile is drawn. The route is e.ob.trasa.
#include <string>

#include "app/Edytor.h"

namespace kelmor {

// EdTempWez changed: e.wezelTrasy := the parsed name (dialog when too long).
void zmienWezelTrasy(Edytor& e, const std::string& tekst);
// Enter in EdTempWez or MojaTrasaArrow: appends the current node when it
// exists and joins the last route node by a segment that is not withdrawn.
// Returns true when a node was added (the field is then emptied).
bool dodajWezelDoTrasy(Edytor& e);
// BuTrasa1 "Kasuj ostatni węzeł".
void usunOstatniWezelTrasy(Edytor& e);
// BuTrasa2 "Kasuj całą trasę".
void kasujTrase(Edytor& e);

}  // namespace kelmor
