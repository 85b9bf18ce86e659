#pragma once
// Editing the network description table (tab "Tabela opisu sieci") and the
// row commands shared by the three tables. The window forwards its events
// here and then shows the table, e.siec (current cell) and e.okno.
#include <string>

#include "app/Edytor.h"

namespace kelmor {

// ---- Typing ---------------------------------------------------------------

// A typed or pasted text of Grid cell (kol, wiersz), columns 0..19 (result
// columns are ignored). Commas become points; the text is parsed with the
// dialogs of the parse helpers; the cell keeps it in any case; the data is
// marked changed. Returns the text now in the cell (show it in the editor).
std::string wpiszDoKomorkiSieci(Edytor& e, int kol, int wiersz, const std::string& tekst);

// ---- Moving between cells -------------------------------------------------

// The user moves to Grid cell (kol, wiersz). Runs the leave steps of the
// previous cell (column 28 restored, end-node attributes filled, node
// attribute edits spread, duplicate segment number refused), moves the "*"
// marker, then the enter steps (BBElip1, CBSklepy, length from coordinates).
// Returns false when the move is refused: the current cell stays.
bool przejdzDoKomorkiSieci(Edytor& e, int kol, int wiersz);

// Repaint/resize of the main window hides the sub-editor button.
void ukryjBBElip1(Edytor& e);
// After the column options changed: BBElip1 and CBSklepy as the current cell
// and the options now allow (a hidden column 13, 14 or 19 hides BBElip1).
void odswiezPrzyciskiKomorki(Edytor& e);

// ---- Sub-editors ----------------------------------------------------------

enum class Podedytor { Brak, PrzylaczaOdcinka, PrzylaczaWezla, OporyMiejscowe };
// Which sub-editor BBElip1 opens for a cell of column `kol` (Brak when the
// column has none or is hidden by the column options).
Podedytor podedytorKolumny(const Edytor& e, int kol);
// Title of the sub-editor for the current row ("Przyłącza do odcinka: 1 (A - B)", ...).
std::string tytulPodedytora(const Edytor& e, Podedytor p);
// After a sub-editor closes: 20 columns unless results are current.
void poZamknieciuPodedytora(Edytor& e);

// ---- Column 12 ("Handel-/usługi?") ----------------------------------------

// Text CBSklepy shows for the current cell: "jest" or "brak".
std::string tekstCBSklepy(const Edytor& e);
// An item chosen in CBSklepy ("jest"/"brak"): written into the current cell,
// data marked changed (the column count is not touched).
void wybierzCBSklepy(Edytor& e, const std::string& pozycja);
// CBSklepy lost the focus: the item is written into the cell and it hides.
void CBSklepyTraciFokus(Edytor& e, const std::string& pozycja);

// ---- Length from coordinates ----------------------------------------------

// Column 6 of `wiersz` := distance between its start node (from the row
// ending at it, or a source) and its end node; "brak danych dla węzła " + S
// and an empty cell when the start node has no data. Marks the data changed.
void obliczDlugoscZeWspolrzednych(Edytor& e, int wiersz);

// ---- Row commands shared by the three tables ------------------------------

// "Wstaw nowy wiersz na koniec tabeli" and Enter in a table.
void wstawWierszNaKoniec(Edytor& e, TabelaEdytora t);
// "Wstaw nowy wiersz między wiersze": a new row where the current one was.
void wstawWierszMiedzy(Edytor& e, TabelaEdytora t);
// "Kasuj wskazany wiersz" (network and sources ask first). Returns true
// when a row was deleted.
bool usunBiezacyWiersz(Edytor& e, TabelaEdytora t);
// A row dragged by its margin from row `z` to row `na`; its records move
// with it and it becomes the current row.
void przeniesWiersz(Edytor& e, TabelaEdytora t, int z, int na);

// ---- Tool bar of the network table ----------------------------------------

void doOstatniegoWiersza(Edytor& e);     // Button1
void doPierwszegoWiersza(Edytor& e);     // Button2
void doPierwszejKolumny(Edytor& e);      // Button3
void doOstatniejKolumny(Edytor& e);      // Button4
void wycofajLubPrzywroc(Edytor& e);      // Button8 "Czasowo usuń / Przywróć wiersz"
void zmienKierunekBiezacego(Edytor& e);  // Button9 "Zmień kierunek zaznaczonego odcinka"
void zmienKierunkiUjemnym(Edytor& e);    // SpeedButton13
void zerujSrednice(Edytor& e);           // BuDn0 (asks)
void kasujTabeleSieci(Edytor& e);        // Button10 (asks)
// Button12: true when the preview of the current row's fittings may open;
// otherwise the dialog "Nie zadeklarowano oporów miejscowych w odcinku ..." was shown.
bool podgladOporow(Edytor& e);

// Hints of the tool bar buttons, by control name ("Button1", "SBWstawnaK", ...).
std::string podpowiedzPrzycisku(const std::string& nazwa);

// ---- Hints and drawing ----------------------------------------------------

// Mouse over Grid column `kol` (-1: over the tool bar or outside the rows):
// StaHint shows the column hint or is cleared.
void myszNadTabelaSieci(Edytor& e, int kol);
// Cells of columns 20..27 are result cells (drawn highlighted, never entered).
bool komorkaWynikowa(int kol);
// Withdrawn rows are drawn struck through.
bool wierszSieciWycofany(const Edytor& e, int wiersz);
// Number of data rows that hold a segment (a row that validation would not
// remove as empty).
int liczbaNiepustychWierszySieci(const Obiekt& ob);

}  // namespace kelmor
