#pragma once
// The route of "Moja trasa" rebuilt from a text of node names separated by
// commas (names taken as they stand, each cut to 16 characters).
#include <string>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

void trasaZTekstu(Obiekt& ob, KanalKomunikatow& k, const std::string& tekst);

}  // namespace kelmor
