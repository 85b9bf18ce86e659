#pragma once
// The preparation for the calculation, run when the tab "Obliczenia" is
// entered and by the batch run: table validation, the extent of the
// coordinates, the refresh of the start-node records, the preliminary
// analysis and the flags that follow. Also the description of the
// pressure-loss method.
#include <functional>
#include <string>

#include "app/Edytor.h"

namespace kelmor {

// Extent of the coordinates of the network: columns 15, 16 of every segment
// row that is not withdrawn, the start-node records of those rows that are
// connected, and columns 4, 5 of every source. Stores the extremes in
// ob.zakres and sets ob.BrakWspolrzednych (and the button "Schemat sieci")
// from the spans: enough area when the width exceeds 5 or the height is at
// least 6. Uses the row counts of the last validation.
void zakresWspolrzednych(Edytor& ed);

// The busy panel "Proszę czekać" of the tab: called with true and the text
// before a long step and with false and "" after it (the window shows the
// panel and the wait cursor meanwhile).
using PanelTrwa = std::function<void(bool widoczny, const std::string& tekst)>;

// Steps of the preparation, in order:
// validation of Grid, ZrodlaGrid, RurGrid ("Brak opisu źródeł" when there are
// segments but no sources); with PotrzebnaAnaliza the coordinate extent; with
// WezlyZmienione the refresh of the start-node records (then cleared); with
// PotrzebnaAnaliza the preliminary analysis, after which PotrzebnaAnaliza is
// cleared and the results (lists, labels, result columns, result buttons)
// are dropped. The analysis list is not emptied first: the window empties it
// when it leaves the tab. Returns true when the calculation may be started.
bool przygotujObliczenia(Edytor& ed, const PanelTrwa& panel = {});

// Outcome of a calculation, as its report labels tell it.
enum class RodzajWyniku {
    Koniec,         // "Koniec obliczeń"
    NieDokladne,    // "Nie uzyskano wymaganej dokładności obliczeń."
    Przerwano,      // "Przerwano na etapie ..."
    NieZakonczone,  // "Obliczenia nie zostały zakończone."
};
RodzajWyniku rodzajWyniku(const Obiekt& ob);

// "Wykonaj obliczenia": empties the results list and the report labels, runs
// the calculation and enables the result buttons after a result
// ("Rozkłady na schemacie" only with coordinates). `wsadowy`: no question or
// warning waits for a user. When the preparation left the calculation
// unavailable, nothing is calculated and the labels say why.
RodzajWyniku wykonajObliczenia(Edytor& ed, bool wsadowy, const PanelTrwa& panel = {});

// Text of the entry `indeks` (0..12) of the list of simplified formulas, as
// the list shows it; empty outside the range.
std::string wpisWzoru(int indeks);

// Method description: sets ob.OpisMetody and the label of the chosen formula
// from ob.parametry.wzory ("Metoda dokładna", "Metoda uniwersalna",
// "Nie wybrano wzoru" or "Wzór " + the list entry).
void ustawOpisMetody(Edytor& ed);

}  // namespace kelmor
