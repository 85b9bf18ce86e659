#pragma once
// The "&Plik" menu commands for the data file (.gaz/.gas) and the pipe
// catalogue (.rur): questions, validation, paths, caption, flags, tab and
// messages. The window only shows the file dialog each command describes.
//
// Each command comes in three pieces: przygotuj… (what happens before the
// dialog; nullopt = stop), then the dialog, then the piece that takes the
// chosen path. polecenie… runs all three with a function that shows the
// dialog (returning nullopt on cancel).
#include <functional>
#include <optional>
#include <string>

#include "app/Edytor.h"

namespace kelmor {

struct OpisDialoguPliku {
    bool zapis = false;          // save dialog (asks before overwriting a file)
    std::string tytul;           // "Odczyt danych z pliku", ...
    std::string filtr;           // "Dane do obliczeń (*.gaz;*.gas)"
    int indeksFiltra = 1;        // 1-based entry of the dialog's filter list
    std::string rozszerzenie;    // default extension of a save dialog ("gaz", "rur")
    std::string nazwaPliku;      // proposed file name
    std::string katalog;         // start directory
};

using WyborPliku = std::function<std::optional<std::string>(const OpisDialoguPliku&)>;

// The directory of a path: the path cut after its last "\", "/" or ":".
std::string katalogSciezki(const std::string& sciezka);

// "Odczyt d&anych z pliku (*.gaz) lub (*.gas)..." (Ctrl+G)
std::optional<OpisDialoguPliku> przygotujOdczytDanych(Edytor& ed);
bool odczytajDane(Edytor& ed, const std::string& sciezka);
bool polecenieOdczytDanych(Edytor& ed, const WyborPliku& wybierz);

// "Zapis &danych do pliku (*.gaz) lub (*.gas)..." (Ctrl+S)
std::optional<OpisDialoguPliku> przygotujZapisDanych(Edytor& ed);
bool zapiszDane(Edytor& ed, const std::string& sciezka);
bool polecenieZapisDanych(Edytor& ed, const WyborPliku& wybierz);

// "Odczyt katalogu r&ur z pliku (*.rur)..."
std::optional<OpisDialoguPliku> przygotujOdczytKatalogu(Edytor& ed);
bool odczytajKatalog(Edytor& ed, const std::string& sciezka);
bool polecenieOdczytKatalogu(Edytor& ed, const WyborPliku& wybierz);

// "Zapis katalogu &rur do pliku (*.rur)..."
std::optional<OpisDialoguPliku> przygotujZapisKatalogu(Edytor& ed);
bool zapiszKatalog(Edytor& ed, const std::string& sciezka);
bool polecenieZapisKatalogu(Edytor& ed, const WyborPliku& wybierz);

}  // namespace kelmor
