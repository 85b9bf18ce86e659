#pragma once
// The pipe catalogue file ".rur": one line per catalogue row, no header.
// A line is a blank and the symbol right-aligned in 16 characters, then the
// outside diameter and the wall thickness, each with 2 decimals right-aligned
// in 10 characters. Windows-1250, CR LF.
#include <string>
#include <string_view>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Reads a catalogue into ob.RurGrid and sets ob.liczbaRur to the number of
// rows read. The fields are located from the end of the line (the last 20
// characters are the two numbers, the symbol runs from the second character
// up to them); tabs count as blanks, blank lines are skipped. A non-blank
// line too short for the two fields stops the read with "Podany plik nie
// zawiera poprawnego katalogu rur" (the rows read so far stay). An
// unreadable number shows "Błąd w zapisie liczby: " + text and leaves that
// text in its cell for the validation to point at. An unopenable file is
// reported by k.bladWeWy and changes nothing.
// `zmieniono` (when given) tells whether the catalogue changed.
bool CzytajKatalogRur(Obiekt& ob, KanalKomunikatow& k, const std::string& sciezka,
                      bool* zmieniono = nullptr);
bool czytajKatalogZTekstu(Obiekt& ob, KanalKomunikatow& k, std::string_view bajty);

// Writes rows 1 .. ob.liczbaRur (validate first, as the menu command does).
// A cell that does not convert stops the write with "Błąd w zapisie liczby
// lub nazwy: " + the three texts; a failed write never touches an existing
// file.
bool ZapiszKatalogRur(const Obiekt& ob, KanalKomunikatow& k, const std::string& sciezka);
bool tekstKataloguRur(const Obiekt& ob, KanalKomunikatow& k, std::string& bajty);

}  // namespace kelmor
