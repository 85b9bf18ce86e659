#include "app/PlikiProfil.h"

#include <filesystem>

#include "io/Gdo.h"
#include "io/Profil.h"

namespace kelmor {

DialogPliku dialogImportuPROFIL(const Edytor& ed, bool noweDane) {
    DialogPliku d;
    d.tytul = noweDane ? "Import danych z programu PROFIL (nowe dane)"
                       : "Import danych z programu PROFIL (poprawki)";
    d.filtr = 4;
    d.nazwaPliku = ed.SciezkaImportuPROFIL;
    d.katalog = ed.katalogOtwarcia;
    return d;
}

bool importPROFIL(Edytor& ed, bool noweDane, const std::optional<std::string>& wybor) {
    if (!wybor) return false;
    ed.SciezkaImportuPROFIL = *wybor;
    ed.katalogOtwarcia = ed.katalogZapisu = katalogSciezki(*wybor);
    Obiekt& ob = ed.ob;
    if (!CzytajPlikPROFIL(ob, *wybor, noweDane, ed.kanal)) {
        // What was read stays in the tables: it is a change of the data.
        std::error_code ec;
        if (noweDane || std::filesystem::exists(*wybor, ec)) {
            ob.oznaczZmianeDanych();
            ob.WezlyZmienione = true;
            ed.wyczyscWyniki();
        }
        ed.kanal.informacja("Podany plik nie zawiera poprawnych danych");
        return false;
    }
    ed.ustawTytulPliku(*wybor);
    ob.DaneZmienione = false;
    ob.ustawPotrzebnaAnaliza();
    // The analysis list was emptied by a new-data import before the
    // connectors were added, so their warnings stay visible.
    ed.wyczyscWyniki();
    ed.okno.aktywna = Zakladka::TOS;
    ed.pomocWTrybiePrzewodnika(40);
    ed.pokazMenuTOS();
    return true;
}

DialogPliku dialogEksportuPROFIL(const Edytor& ed) {
    DialogPliku d;
    d.tytul = "Eksport wyników do PROFIL";
    d.filtr = 5;
    d.nazwaPliku = ed.SciezkaEksportuPROFIL;
    d.katalog = ed.katalogZapisu;
    d.zapis = true;
    return d;
}

bool eksportPROFIL(Edytor& ed, const std::optional<std::string>& wybor) {
    if (!wybor) return false;
    ed.SciezkaEksportuPROFIL = *wybor;
    double pmin = 0, pmax = 0;
    zakresCisnien(ed.ob, pmin, pmax);
    if (!ZapiszWynikiPROFIL(ed.ob, *wybor, pmin, pmax, ed.kanal)) return false;
    ed.kanal.informacja("Wyniki zostały zapisane w pliku " + *wybor);
    return true;
}

std::optional<DialogPliku> dialogEksportuGDO(Edytor& ed) {
    if (!daneDlaGDO(ed.ob)) {
        ed.kanal.informacja(
            "Dane nie pochodzą z GDO i dlatego eksport do GDO nie został wykonany.");
        return std::nullopt;
    }
    DialogPliku d;
    d.tytul = "Eksport wyników dla GDO do pliku";
    d.filtr = 4;
    d.nazwaPliku = ed.SciezkaEksportuGDO;
    d.katalog = ed.katalogZapisu;
    d.rozszerzenie = "TXT";
    d.zapis = true;
    return d;
}

bool eksportGDO(Edytor& ed, const std::optional<std::string>& wybor) {
    const std::string sciezka = wybor ? *wybor : ed.SciezkaEksportuGDO;
    if (sciezka.empty()) return false;
    if (!ZapiszWynikiGDO(ed.ob, sciezka, ed.kanal)) return false;
    ed.kanal.informacja("Wyniki dla GDO zostały poprawnie zapisane w pliku " + sciezka);
    return true;
}

}  // namespace kelmor
