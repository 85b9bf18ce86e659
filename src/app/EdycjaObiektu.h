#pragma once
// The tabs "Obiekt" (object parameters, demand model, sources table) and
// "Katalog rur", and the field Edmnoznik of "Obliczenia". Every field writes
// straight into its parameter on every change of its text.
#include <string>

#include "app/Edytor.h"

namespace kelmor {

enum class PoleObiektu {
    EdTytu,
    EdPminDop,
    EdT,
    EddGazu,
    EdHs,
    EdChro,
    Edlz,
    EdQ1W1,
    EdQ1W2,
    EdQ1W3,
    EdQ1W4,
    Edmnoznik
};

// Fills e.pola from the parameters (numbers in general format with 4
// significant digits) and runs every change handler, so each parameter then
// holds the value of its text. Run after start-up and after every data file
// read; the callers clear DaneZmienione afterwards.
void wypelnijPola(Edytor& e);

// A field's text changed. Numeric fields turn commas into points; a bad
// number shows its dialog and leaves the parameter unchanged. Returns the
// text now in the field (show it).
std::string zmienPole(Edytor& e, PoleObiektu pole, const std::string& tekst);

// CBjed1: pressure unit index 0..4 (numbers already typed are not converted).
void zmienJednostke(Edytor& e, int indeks);
// CBKomuna: demand model 0 household, 1 tariff (columns 8..11 swap texts).
void zmienModelPoborow(Edytor& e, int indeks);
// CBUrban: item index 0..2.
void zmienUrbanizacje(Edytor& e, int indeks);

// ---- Sources table --------------------------------------------------------

// Typed text of ZrodlaGrid cell (kol, wiersz): commas become points, parsed
// with dialogs, flags set. Returns the text now in the cell.
std::string wpiszDoKomorkiZrodel(Edytor& e, int kol, int wiersz, const std::string& tekst);
// Move to cell (kol, wiersz): leaving column 1 takes the node's elevation
// and X, Y from the network table; the marker follows.
void przejdzDoKomorkiZrodel(Edytor& e, int kol, int wiersz);
// The sources table lost the focus: it is validated.
void zrodlaTracaFokus(Edytor& e);
// Mouse over ZrodlaGrid column `kol` (-1: elsewhere): StaZrodla.
void myszNadTabelaZrodel(Edytor& e, int kol);

// ---- Pipe catalogue -------------------------------------------------------

std::string wpiszDoKomorkiKatalogu(Edytor& e, int kol, int wiersz, const std::string& tekst);
void przejdzDoKomorkiKatalogu(Edytor& e, int kol, int wiersz);

}  // namespace kelmor
