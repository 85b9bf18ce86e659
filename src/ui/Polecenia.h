#pragma once
// What the window needs from the layers below that is not a single call:
// the calculation steps it hooks into the editor, the menu file commands
// with their dialogs, the method choice, the hidden columns and the summary
// of the preliminary analysis.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/DialogPliku.h"
#include "app/Edytor.h"

class QWidget;

namespace kelmor {

enum RodzajPolecenia { PlikRur, PlikGaz, PlikXml, PlikProNowe, PlikProZmiany, Obliczanie };
// True when this build has the command.
bool polecenieDostepne(RodzajPolecenia r);
// The menu commands: the question, the dialog, the read or write, the state after.
void polecenieOdczytu(Edytor& e, RodzajPolecenia r, QWidget* rodzic);
void polecenieZapisu(Edytor& e, RodzajPolecenia r, QWidget* rodzic);
// The open or save dialog a file command asks for; nullopt when cancelled.
std::optional<std::string> pokazDialogPliku(const DialogPliku& d,
                                            const std::string& katalogProgramu, QWidget* rodzic);
// Replaces the file dialog (tests answer it without a window); empty = the real one.
void ustawDialogPliku(std::function<std::optional<std::string>(const DialogPliku&)> d);
// The command line: catalogues, data files, paths, or a batch run. True
// when the program should end now.
bool przetworzWierszPolecen(Edytor& e, const std::vector<std::string>& argumenty);

// "Wykonaj obliczenia".
void wykonajObliczeniaOkna(Edytor& e);

// Pressure-loss method 0..2 and simplified formula (-1 none); sets the
// method description and drops results that no longer fit the data.
void ustawMetode(Edytor& e, int metoda, int wzor);
// Text of the red label beside the method choice ("" with methods 0 and 1).
std::string etykietaWzoru(const Edytor& e);
int liczbaWzorow();
std::string tekstWzoru(int indeks);

// Whether a column of the network table is hidden by the column options.
bool kolumnaUkryta(const OpcjeKolumn& o, int kolumna);

// Row 2 of GridOsie: sources, segments, nodes, loops, total demand, total length.
std::array<std::string, 6> wartosciGridOsie(Edytor& e);

}  // namespace kelmor
