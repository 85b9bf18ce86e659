#pragma once
// Exchange with PROFIL: import of a ".pro" file (network geometry and an
// optional pipe catalogue) as new data or as changes, and the results file
// written for PROFIL (pressure range and the pressures of every segment).
#include <string>
#include <string_view>
#include <vector>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Most segment lines and catalogue lines one import takes; a longer file is
// a read error (a network has at most 9999 segments).
constexpr int kMaksWierszyPROFIL = 9999;

// Imports the file into the tables. New data: the network table, the route
// and the analysis list are emptied first. Changes: the connector rows of an
// earlier import (length "0" at the end of the table) are removed, rows whose
// direction identifier matches a segment line get its geometry, the other
// segment lines are appended. Then source nodes are marked and coincident
// nodes of different names are joined by connector rows "dodatkowy" + number.
// Returns false when the file cannot be opened ("Nie znaleziono pliku ") or a
// line cannot be read ("Błąd importu z PROFIL."); the rows read so far stay.
bool CzytajPlikPROFIL(Obiekt& ob, const std::string& sciezka, bool noweDane, KanalKomunikatow& k);
// The same from the file's bytes (Windows-1250).
bool CzytajPROFILZBajtow(Obiekt& ob, std::string_view bajty, bool noweDane, KanalKomunikatow& k);

// Lowest and highest gauge pressure of the last calculation, in the chosen
// unit, taken from the start and end pressures of the rows not withdrawn
// (0 and 0 when there is none).
void zakresCisnien(const Obiekt& ob, double& minimalne, double& maksymalne);

// The lines of the results file for PROFIL (UTF-8). A pressure cell that is
// not a number is reported ("Błąd w zapisie liczby: ") and written as it
// stands instead of a number.
std::vector<std::string> liniePROFIL(const Obiekt& ob, double cisnienieMinimalne,
                                     double cisnienieMaksymalne, KanalKomunikatow& k);
bool ZapiszWynikiPROFIL(const Obiekt& ob, const std::string& sciezka, double cisnienieMinimalne,
                        double cisnienieMaksymalne, KanalKomunikatow& k);

}  // namespace kelmor
