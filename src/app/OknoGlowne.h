#pragma once
// The main window as a whole, without widgets: start-up defaults, tab
// switching, guide mode, help buttons, closing.
#include <string>

#include "app/Edytor.h"

namespace kelmor {

constexpr const char* kPlikPomocy = "KELMOR5help.chm";

// Help file path: the program's directory + "KELMOR5help.chm".
std::string sciezkaPomocy(const Edytor& e);

// Start-up defaults of the window. Returns false after the dialog
// "Brak pliku KELMOR5help.chm" when the help file is missing (and
// sprawdzPomoc is set): the program then ends. The command line is handled
// by the caller afterwards.
bool ustawieniaStartowe(Edytor& e, bool sprawdzPomoc = true);

// After a data file (gaz, XML, PROFIL) was read into e.ob: the fields show
// the loaded parameters (wypelnijPola), the current cells go back to row 1
// of each table with their markers, and DaneZmienione is cleared.
void pokazWczytaneDane(Edytor& e);

// Caption of each tab and the help topic opened for it in guide mode.
std::string tytulZakladki(Zakladka z);
int tematPomocyZakladki(Zakladka z);

// The active tab changes to `nowa`: menus, columns of Grid, focus, guide
// help, and on "Obliczenia" the preparation for the calculation.
void zmienZakladke(Edytor& e, Zakladka nowa);

// Grid gets 29 columns while results are current, otherwise 20.
void ustawKolumnySieci(Edytor& e);

// SBuPrzewo toggled: guide mode on/off; going on opens help topic 20.
void przelaczPrzewodnik(Edytor& e, bool wcisniety);

// "Koniec pracy" or closing the window: asks about unsaved data and an
// unsaved catalogue. Returns true when the program may end.
bool moznaZamknac(Edytor& e);

}  // namespace kelmor
