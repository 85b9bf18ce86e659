#pragma once
// Exchange commands: "Nowe dane z PROFIL..." and "Zmiany w danych..." (one
// command, the item selects the mode), "Eksport wyników do PROFIL" and
// "Eksport do GDO" of the print-choice window.
#include <optional>
#include <string>

#include "app/DialogPliku.h"
#include "app/Edytor.h"

namespace kelmor {

// --- PROFIL import ---------------------------------------------------------
DialogPliku dialogImportuPROFIL(const Edytor& ed, bool noweDane);
// After the dialog: nothing on cancel; otherwise SciezkaImportuPROFIL := path
// (its directory becomes the start directory of both dialogs), imports, and
// on success puts the editor on "Tabela opisu sieci" with the data marked
// unchanged and the analysis pending; on failure "Podany plik nie zawiera
// poprawnych danych" (the rows read stay, marked as a change of the data).
bool importPROFIL(Edytor& ed, bool noweDane, const std::optional<std::string>& wybor);

// --- PROFIL export ---------------------------------------------------------
DialogPliku dialogEksportuPROFIL(const Edytor& ed);
// After the dialog: nothing on cancel; otherwise SciezkaEksportuPROFIL := path,
// writes the results file and says "Wyniki zostały zapisane w pliku " + path.
bool eksportPROFIL(Edytor& ed, const std::optional<std::string>& wybor);

// --- GDO export ------------------------------------------------------------
// Nothing (after the message "Dane nie pochodzą z GDO i dlatego eksport do
// GDO nie został wykonany.") when row 1 has no direction record; otherwise
// the save dialog proposing SciezkaEksportuGDO.
std::optional<DialogPliku> dialogEksportuGDO(Edytor& ed);
// After the dialog: the chosen path, or on cancel the proposed one; an empty
// path writes nothing and says nothing. The chosen path is not kept.
bool eksportGDO(Edytor& ed, const std::optional<std::string>& wybor);

}  // namespace kelmor
