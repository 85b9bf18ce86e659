#pragma once
// Parsing of cell text and validation of whole tables.
#include <string>
#include <string_view>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Text -> real. Empty text or "-" gives 0. On failure shows
// "Błąd w zapisie liczby: " + text and leaves `cel` unchanged.
bool parsujRzeczywista(KanalKomunikatow& k, std::string_view tekst, double& cel);
// Text -> 32-bit integer, likewise ("Błąd w zapisie liczby całkowitej: ").
bool parsujCalkowita(KanalKomunikatow& k, std::string_view tekst, int& cel);
// Column 12: "jest" (after trimming) is true, anything else false.
bool parsujHandel(std::string_view tekst);
// Text -> name of at most 16 characters, with the dialog when it is longer.
std::string parsujNazwe(KanalKomunikatow& k, std::string_view tekst);

// The three tables, recognised by their column count.
enum class RodzajTabeli { Siec, Zrodla, Katalog };
RodzajTabeli rodzajTabeli(const Tabela& t);

// Status of one row: empty, incomplete, error in a column, or good.
struct StanWiersza {
    enum Rodzaj { Pusty, Niepelny, Blad, Dobry } rodzaj = Dobry;
    int kolumna = 0;  // faulty column for Blad
};
StanWiersza sprawdzWiersz(const Tabela& t, int wiersz);

// Validates one table of the document: removes empty rows, reports
// incomplete rows in the analysis list and faulty cells in dialogs, sets the
// table's row count and error flag in the document.
void walidujTabele(Obiekt& ob, Tabela& t, KanalKomunikatow& k);
// Grid, ZrodlaGrid and RurGrid in this order, then "Brak opisu źródeł".
void walidujTabele(Obiekt& ob, KanalKomunikatow& k);

// Refreshes the start-node records of segment rows 1 .. ob.liczbaOdcinkow.
void odswiezRekordyPoczatkowe(Obiekt& ob, bool zeZrodlami);

// True when a row of Grid has the name as start or end node; otherwise the
// dialog "Nie ma takiego węzła!".
bool wezelIstnieje(const Obiekt& ob, KanalKomunikatow& k, const std::string& nazwa);

// Finds a row joining A and B in either direction (length from column 6).
// Returns the row, or 0 with its dialog when there is none or it is withdrawn.
int znajdzOdcinek(const Obiekt& ob, KanalKomunikatow& k, const std::string& a, const std::string& b,
                  double& dlugosc);

bool wierszWycofany(const Tabela& grid, int wiersz);

}  // namespace kelmor
