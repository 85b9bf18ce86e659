#pragma once
// Results for GDO: a tab-separated Windows-1250 text, a header of 25 column
// names and one line per row of the network table in GDO's own orientation
// (a reversed row is written with its ends exchanged and its flow and
// pressure loss negated).
#include <string>
#include <vector>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// True when the data came with direction records (row 1 has one), the
// condition for the export.
bool daneDlaGDO(const Obiekt& ob);

// The lines of the file (UTF-8, without line ends). False when the flow or the
// pressure loss of a row is not a number (reported through k.bladWeWy).
bool linieGDO(const Obiekt& ob, KanalKomunikatow& k, std::vector<std::string>& linie);

// Writes the file atomically; on a failure nothing is replaced.
bool ZapiszWynikiGDO(const Obiekt& ob, const std::string& sciezka, KanalKomunikatow& k);

}  // namespace kelmor
