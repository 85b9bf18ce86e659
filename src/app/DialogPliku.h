#pragma once
// The file dialog a command asks the window to show, in the form the window's
// command handlers take (filter as a 1-based index of the open or save filter
// list). OpisDialoguPliku (app/PlikiDanych.h) carries the same and the filter
// text; doDialogu converts.
#include <string>

#include "app/PlikiDanych.h"

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

inline DialogPliku doDialogu(const OpisDialoguPliku& o) {
    DialogPliku d;
    d.tytul = o.tytul;
    d.filtr = o.indeksFiltra;
    d.nazwaPliku = o.nazwaPliku;
    d.katalog = o.katalog;
    d.rozszerzenie = o.rozszerzenie;
    d.zapis = o.zapis;
    return d;
}

}  // namespace kelmor
