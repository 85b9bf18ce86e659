#pragma once
// What a file command asks the window to show: the window shows its open or
// save dialog with these settings and hands the chosen path (or nothing, on
// cancel) back to the command.
#include <string>

namespace kelmor {

struct DialogPliku {
    std::string tytul;
    // 1-based entry of the filter list: open "Katalogi rur (*.rur)",
    // "Dane do obliczeń (*.gaz;*.gas)", "Dane do obliczeń (*.xml)",
    // "Import z PROFIL (*.pro)", "Wszystkie pliki (*.*)"; save the same with
    // "Eksport do GDO (*.txt)" as the fourth entry.
    int filtr = 5;
    std::string nazwaPliku;    // proposed file name
    std::string katalog;       // start directory ("" = the program's own)
    std::string rozszerzenie;  // default extension ("" = none)
    bool zapis = false;        // a save dialog (asks before overwriting)
};

// The directory part of a path: cut after its last "\", "/" or ":".
inline std::string katalogSciezki(const std::string& sciezka) {
    const auto p = sciezka.find_last_of("\\/:");
    return p == std::string::npos ? std::string() : sciezka.substr(0, p + 1);
}

}  // namespace kelmor
