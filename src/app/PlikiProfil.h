#pragma once
// Exchange commands: "Nowe dane z PROFIL..." and "Zmiany w danych..." (one
// command, the item selects the mode), "Eksport wyników do PROFIL" and
// "Eksport do GDO" of the print-choice window. Same three pieces as the
// other file commands (app/PlikiDanych.h).
#include <optional>
#include <string>

#include "app/DialogPliku.h"
#include "app/Edytor.h"
#include "app/PlikiDanych.h"

namespace kelmor {

// --- PROFIL import ---------------------------------------------------------
DialogPliku przygotujImportPROFIL(const Edytor& ed, bool noweDane);
// SciezkaImportuPROFIL := path (its directory becomes the dialogs' start
// directory), imports, and on success puts the editor on "Tabela opisu sieci"
// with the data marked unchanged and the analysis pending; on failure
// "Podany plik nie zawiera poprawnych danych" (the rows read stay, marked as a
// change of the data).
bool importujPROFIL(Edytor& ed, bool noweDane, const std::string& sciezka);
// Cancel does nothing.
bool polecenieImportPROFIL(Edytor& ed, bool noweDane, const WyborPliku& wybierz);

// --- PROFIL export ---------------------------------------------------------
DialogPliku przygotujEksportPROFIL(const Edytor& ed);
// SciezkaEksportuPROFIL := path, writes the results file and says
// "Wyniki zostały zapisane w pliku " + path.
bool eksportujPROFIL(Edytor& ed, const std::string& sciezka);
bool polecenieEksportPROFIL(Edytor& ed, const WyborPliku& wybierz);

// --- GDO export ------------------------------------------------------------
// Nothing (after the message "Dane nie pochodzą z GDO i dlatego eksport do
// GDO nie został wykonany.") when row 1 has no direction record; otherwise
// the save dialog proposing SciezkaEksportuGDO.
std::optional<DialogPliku> przygotujEksportGDO(Edytor& ed);
// Writes to the path (an empty path writes nothing and says nothing) and
// confirms "Wyniki dla GDO zostały poprawnie zapisane w pliku " + path.
bool eksportujGDO(Edytor& ed, const std::string& sciezka);
// A cancelled dialog still writes to the proposed path; the chosen path is
// not kept.
bool polecenieEksportGDO(Edytor& ed, const WyborPliku& wybierz);

// The same commands in two steps for the window: the dialog to show, then
// the command with the choice (nothing = cancel).
DialogPliku dialogImportuPROFIL(const Edytor& ed, bool noweDane);
bool importPROFIL(Edytor& ed, bool noweDane, const std::optional<std::string>& wybor);
DialogPliku dialogEksportuPROFIL(const Edytor& ed);
bool eksportPROFIL(Edytor& ed, const std::optional<std::string>& wybor);
std::optional<DialogPliku> dialogEksportuGDO(Edytor& ed);
// A cancel (nothing) writes to the proposed SciezkaEksportuGDO.
bool eksportGDO(Edytor& ed, const std::optional<std::string>& wybor);

}  // namespace kelmor
