#pragma once
// "My route": a chain of nodes along which the pressure profile is drawn.
#include <string>
#include <vector>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Replaces the whole route with the given node names, taken as they stand
// (no blanks removed), each cut to its first 16 characters. The first node
// gets length 0, every later one the length of the segment joining it to
// the node before, found as znajdzOdcinek finds it (its dialogs are shown
// when the segment is missing or withdrawn, and the node then gets length
// 0), through an index so that a long route costs no pass per node. Every node is
// added, whether or not its segment was found. A name with blanks at either
// end matches no segment, since names in the table are held trimmed.
void trasaZNazw(Obiekt& ob, KanalKomunikatow& k, const std::vector<std::string>& nazwy);

// The same from a text of node names separated by commas ("A,B,C"). An
// empty text gives an empty route.
void trasaZTekstu(Obiekt& ob, KanalKomunikatow& k, const std::string& tekst);

// The route as such a text (names joined by commas).
std::string tekstTrasy(const Obiekt& ob);

}  // namespace kelmor
