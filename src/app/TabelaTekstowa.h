#pragma once
// The network description table as text for the command line: aligned
// columns under the Polish headers, or CSV (";" separated, UTF-8).
#include <string>
#include <vector>

#include "model/Obiekt.h"

namespace kelmor {

// Data rows of Grid that are not empty, in table order.
std::vector<int> wierszeDanych(const Obiekt& ob);

// Header of a Grid column in one line: both header lines, blanks collapsed.
std::string naglowekJednaLinia(const Obiekt& ob, int kolumna);

// Columns 1 .. last column of Grid (28 with results), two header lines, one
// line per data row; numbers right-aligned, names and texts left-aligned.
std::string tabelaTekstowa(const Obiekt& ob);

// One header line, then one line per data row; cells holding ";", a quote
// or a line break are quoted. Lines end with "\n".
std::string tabelaCsv(const Obiekt& ob);

}  // namespace kelmor
