#include "app/PlikiDanych.h"

#include "io/KatalogRur.h"
#include "io/PlikDanych.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

// Filter entries of the program's file dialogs.
constexpr int kFiltrDanych = 2;    // "Dane do obliczeń (*.gaz;*.gas)"
constexpr int kFiltrKatalogu = 1;  // "Katalogi rur (*.rur)"

DialogPliku dialog(const Edytor& ed, bool zapis, const char* tytul, int filtr,
                   const char* rozszerzenie, const std::string& nazwa) {
    DialogPliku d;
    d.zapis = zapis;
    d.tytul = tytul;
    d.filtr = filtr;
    d.rozszerzenie = rozszerzenie;
    d.nazwaPliku = nazwa;
    d.katalog = zapis ? ed.katalogZapisu : ed.katalogOtwarcia;
    return d;
}

// The folder of a chosen file becomes the start of both dialogs.
void ustawKatalogi(Edytor& ed, const std::string& sciezka) {
    ed.katalogOtwarcia = ed.katalogZapisu = katalogSciezki(sciezka);
}

bool wykonaj(Edytor& ed, std::optional<DialogPliku> d, const WyborPliku& wybierz,
             bool (*dalej)(Edytor&, const std::string&)) {
    if (!d) return false;
    const auto sciezka = wybierz(*d);
    if (!sciezka) return false;
    return dalej(ed, *sciezka);
}

// The tables no longer match any file and the results are stale.
void danePoNieudanymOdczycie(Edytor& ed) {
    ed.ob.DaneZmienione = true;
    ed.ob.ustawPotrzebnaAnaliza();
    ed.wyczyscWyniki();
}

}  // namespace

std::optional<DialogPliku> przygotujOdczytDanych(Edytor& ed) {
    if (ed.ob.DaneZmienione &&
        !ed.kanal.pytanie(
            "Odczyt danych spowoduje zniknięcie aktualnych danych. Czy mogą zniknąć?"))
        return std::nullopt;
    return dialog(ed, false, "Odczyt danych z pliku", kFiltrDanych, "", ed.SciezkaDanych);
}

bool odczytajDane(Edytor& ed, const std::string& sciezka) {
    ed.SciezkaDanych = sciezka;
    ustawKatalogi(ed, sciezka);
    bool zmieniono = false;
    if (!CzytajPlikDanych(ed.ob, ed.kanal, sciezka, &zmieniono)) {
        ed.kanal.informacja("Podany plik nie zawiera poprawnych danych");
        if (zmieniono) danePoNieudanymOdczycie(ed);
        return false;
    }
    Obiekt& ob = ed.ob;
    ed.ustawTytulPliku(sciezka);
    ob.DaneZmienione = false;
    ob.ustawPotrzebnaAnaliza();
    ed.pomocWTrybiePrzewodnika(30);
    ed.okno.aktywna = Zakladka::Cisn;
    ed.okno.fokus = "EdTytu";
    ed.ukryjMenuTOS();
    ob.ListBoxAnalizaDanych.clear();
    ed.wyczyscWyniki();
    return true;
}

bool polecenieOdczytDanych(Edytor& ed, const WyborPliku& wybierz) {
    return wykonaj(ed, przygotujOdczytDanych(ed), wybierz, odczytajDane);
}

std::optional<DialogPliku> przygotujZapisDanych(Edytor& ed) {
    Obiekt& ob = ed.ob;
    walidujTabele(ob, ob.ZrodlaGrid, ed.kanal);
    if (ob.bladZrodel) {
        ed.kanal.informacja("Błędy w tabeli źródeł. Dane nie zostały zapisane!");
        return std::nullopt;
    }
    walidujTabele(ob, ob.Grid, ed.kanal);
    if (ob.bladGrid) {
        ed.kanal.informacja("Błędy w Tabeli Opisu Sieci. Dane nie zostały zapisane!");
        return std::nullopt;
    }
    return dialog(ed, true, "Zapis danych do pliku", kFiltrDanych, "gaz", ed.SciezkaDanych);
}

bool zapiszDane(Edytor& ed, const std::string& sciezka) {
    ed.SciezkaDanych = sciezka;
    ustawKatalogi(ed, sciezka);
    if (!ZapiszPlikDanych(ed.ob, ed.kanal, sciezka)) {
        ed.kanal.bladWeWy("Błąd zapisu. Zmiana dokonana w danych nie została zapisana.");
        return false;
    }
    ed.ustawTytulPliku(sciezka);
    ed.ob.DaneZmienione = false;
    ed.pokazInformacje("Dane zostały poprawnie zapisane w pliku " + sciezka);
    return true;
}

bool polecenieZapisDanych(Edytor& ed, const WyborPliku& wybierz) {
    return wykonaj(ed, przygotujZapisDanych(ed), wybierz, zapiszDane);
}

std::optional<DialogPliku> przygotujOdczytKatalogu(Edytor& ed) {
    if (ed.ob.KatalogZmieniony &&
        !ed.kanal.pytanie(
            "Odczyt katalogu rur z pliku spowoduje zniknięcie aktualnego katalogu rur. "
            "Czy kontynuować odczyt?"))
        return std::nullopt;
    return dialog(ed, false, "Odczyt katalogu rur z pliku", kFiltrKatalogu, "", ed.SciezkaKatalogu);
}

bool odczytajKatalog(Edytor& ed, const std::string& sciezka) {
    ed.SciezkaKatalogu = sciezka;
    ustawKatalogi(ed, sciezka);
    bool zmieniono = false;
    if (!CzytajKatalogRur(ed.ob, ed.kanal, sciezka, &zmieniono)) {
        if (zmieniono) {
            // Part of the file was taken: the catalogue matches no file now.
            ed.ob.KatalogZmieniony = true;
            ed.ob.ustawPotrzebnaAnaliza();
        }
        return false;
    }
    ed.pomocWTrybiePrzewodnika(25);
    ed.ob.KatalogZmieniony = false;
    ed.ob.ustawPotrzebnaAnaliza();
    ed.okno.aktywna = Zakladka::KatRur;
    ed.ukryjMenuTOS();
    ed.okno.fokus = "RurGrid";
    return true;
}

bool polecenieOdczytKatalogu(Edytor& ed, const WyborPliku& wybierz) {
    return wykonaj(ed, przygotujOdczytKatalogu(ed), wybierz, odczytajKatalog);
}

std::optional<DialogPliku> przygotujZapisKatalogu(Edytor& ed) {
    Obiekt& ob = ed.ob;
    walidujTabele(ob, ob.RurGrid, ed.kanal);
    if (ob.bladRur) {
        ed.kanal.informacja("Błędy w katalogu rur");
        return std::nullopt;
    }
    if (ob.liczbaRur == 0) {
        ed.kanal.informacja("Brak katalogu rur");
        return std::nullopt;
    }
    return dialog(ed, true, "Zapis katalogu rur do pliku", kFiltrKatalogu, "rur",
                  ed.SciezkaKatalogu);
}

bool zapiszKatalog(Edytor& ed, const std::string& sciezka) {
    ed.SciezkaKatalogu = sciezka;
    ustawKatalogi(ed, sciezka);
    if (!ZapiszKatalogRur(ed.ob, ed.kanal, sciezka)) {
        ed.kanal.bladWeWy("Błąd zapisu. Zmiana dokonana w katalogu rur nie została zapisana.");
        return false;
    }
    if (ed.okno.aktywna == Zakladka::KatRur) ed.okno.fokus = "RurGrid";
    ed.ob.KatalogZmieniony = false;
    ed.pokazInformacje("Katalog rur został poprawnie zapisany w pliku " + sciezka);
    return true;
}

bool polecenieZapisKatalogu(Edytor& ed, const WyborPliku& wybierz) {
    return wykonaj(ed, przygotujZapisKatalogu(ed), wybierz, zapiszKatalog);
}

}  // namespace kelmor
