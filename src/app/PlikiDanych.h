#pragma once
// The "&Plik" menu commands for the data file (.gaz/.gas) and the pipe
// catalogue (.rur): questions, validation, paths, caption, flags, tab and
// messages. The window only shows the file dialog each command describes.
//
// Each command comes in three pieces: przygotuj… (what happens before the
// dialog; nullopt = stop), then the dialog, then the piece that takes the
// chosen path (it sets the path and the start directory of both dialogs).
// polecenie… runs all three with a function that shows the dialog
// (returning nullopt on cancel).
#include <functional>
#include <optional>
#include <string>

#include "app/DialogPliku.h"
#include "app/Edytor.h"

namespace kelmor {

using WyborPliku = std::function<std::optional<std::string>(const DialogPliku&)>;

// "Odczyt d&anych z pliku (*.gaz) lub (*.gas)..." (Ctrl+G)
std::optional<DialogPliku> przygotujOdczytDanych(Edytor& ed);
bool odczytajDane(Edytor& ed, const std::string& sciezka);
bool polecenieOdczytDanych(Edytor& ed, const WyborPliku& wybierz);

// "Zapis &danych do pliku (*.gaz) lub (*.gas)..." (Ctrl+S)
std::optional<DialogPliku> przygotujZapisDanych(Edytor& ed);
bool zapiszDane(Edytor& ed, const std::string& sciezka);
bool polecenieZapisDanych(Edytor& ed, const WyborPliku& wybierz);

// "Odczyt katalogu r&ur z pliku (*.rur)..."
std::optional<DialogPliku> przygotujOdczytKatalogu(Edytor& ed);
bool odczytajKatalog(Edytor& ed, const std::string& sciezka);
bool polecenieOdczytKatalogu(Edytor& ed, const WyborPliku& wybierz);

// "Zapis katalogu &rur do pliku (*.rur)..."
std::optional<DialogPliku> przygotujZapisKatalogu(Edytor& ed);
bool zapiszKatalog(Edytor& ed, const std::string& sciezka);
bool polecenieZapisKatalogu(Edytor& ed, const WyborPliku& wybierz);

}  // namespace kelmor
