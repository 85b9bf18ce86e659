#include "app/PlikiProfil.h"

#include <filesystem>

#include "io/Gdo.h"
#include "io/Profil.h"

namespace kelmor {

namespace {

// `filtr`: 1-based entry of the open or save filter list.
DialogPliku opis(bool zapis, const std::string& tytul, int filtr, const std::string& nazwa,
                 const Edytor& ed) {
    DialogPliku d;
    d.zapis = zapis;
    d.tytul = tytul;
    d.filtr = filtr;
    d.nazwaPliku = nazwa;
    d.katalog = zapis ? ed.katalogZapisu : ed.katalogOtwarcia;
    return d;
}

}  // namespace

DialogPliku przygotujImportPROFIL(const Edytor& ed, bool noweDane) {
    return opis(false,
                noweDane ? "Import danych z programu PROFIL (nowe dane)"
                         : "Import danych z programu PROFIL (poprawki)",
                4, ed.SciezkaImportuPROFIL, ed);
}

bool importujPROFIL(Edytor& ed, bool noweDane, const std::string& sciezka) {
    ed.SciezkaImportuPROFIL = sciezka;
    ed.katalogOtwarcia = ed.katalogZapisu = katalogSciezki(sciezka);
    Obiekt& ob = ed.ob;
    if (!CzytajPlikPROFIL(ob, sciezka, noweDane, ed.kanal)) {
        // What was read stays in the tables: it is a change of the data.
        std::error_code ec;
        if (noweDane || std::filesystem::exists(sciezka, ec)) {
            ob.oznaczZmianeDanych();
            ob.WezlyZmienione = true;
            ed.wyczyscWyniki();
        }
        ed.kanal.informacja("Podany plik nie zawiera poprawnych danych");
        return false;
    }
    ed.ustawTytulPliku(sciezka);
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

bool polecenieImportPROFIL(Edytor& ed, bool noweDane, const WyborPliku& wybierz) {
    const auto sciezka = wybierz(przygotujImportPROFIL(ed, noweDane));
    if (!sciezka) return false;
    return importujPROFIL(ed, noweDane, *sciezka);
}

DialogPliku przygotujEksportPROFIL(const Edytor& ed) {
    return opis(true, "Eksport wyników do PROFIL", 5, ed.SciezkaEksportuPROFIL, ed);
}

bool eksportujPROFIL(Edytor& ed, const std::string& sciezka) {
    ed.SciezkaEksportuPROFIL = sciezka;
    double pmin = 0, pmax = 0;
    zakresCisnien(ed.ob, pmin, pmax);
    if (!ZapiszWynikiPROFIL(ed.ob, sciezka, pmin, pmax, ed.kanal)) return false;
    ed.kanal.informacja("Wyniki zostały zapisane w pliku " + sciezka);
    return true;
}

bool polecenieEksportPROFIL(Edytor& ed, const WyborPliku& wybierz) {
    const auto sciezka = wybierz(przygotujEksportPROFIL(ed));
    if (!sciezka) return false;
    return eksportujPROFIL(ed, *sciezka);
}

std::optional<DialogPliku> przygotujEksportGDO(Edytor& ed) {
    if (!daneDlaGDO(ed.ob)) {
        ed.kanal.informacja(
            "Dane nie pochodzą z GDO i dlatego eksport do GDO nie został wykonany.");
        return std::nullopt;
    }
    auto d = opis(true, "Eksport wyników dla GDO do pliku", 4, ed.SciezkaEksportuGDO, ed);
    d.rozszerzenie = "TXT";
    return d;
}

bool eksportujGDO(Edytor& ed, const std::string& sciezka) {
    if (sciezka.empty()) return false;
    if (!ZapiszWynikiGDO(ed.ob, sciezka, ed.kanal)) return false;
    ed.kanal.informacja("Wyniki dla GDO zostały poprawnie zapisane w pliku " + sciezka);
    return true;
}

bool polecenieEksportGDO(Edytor& ed, const WyborPliku& wybierz) {
    const auto d = przygotujEksportGDO(ed);
    if (!d) return false;
    const auto wybor = wybierz(*d);
    return eksportujGDO(ed, wybor ? *wybor : ed.SciezkaEksportuGDO);
}

DialogPliku dialogImportuPROFIL(const Edytor& ed, bool noweDane) {
    return przygotujImportPROFIL(ed, noweDane);
}

bool importPROFIL(Edytor& ed, bool noweDane, const std::optional<std::string>& wybor) {
    return wybor && importujPROFIL(ed, noweDane, *wybor);
}

DialogPliku dialogEksportuPROFIL(const Edytor& ed) {
    return przygotujEksportPROFIL(ed);
}

bool eksportPROFIL(Edytor& ed, const std::optional<std::string>& wybor) {
    return wybor && eksportujPROFIL(ed, *wybor);
}

std::optional<DialogPliku> dialogEksportuGDO(Edytor& ed) {
    return przygotujEksportGDO(ed);
}

bool eksportGDO(Edytor& ed, const std::optional<std::string>& wybor) {
    return eksportujGDO(ed, wybor ? *wybor : ed.SciezkaEksportuGDO);
}

}  // namespace kelmor
