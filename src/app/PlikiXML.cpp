#include "app/PlikiXML.h"

#include <array>

#include "io/DaneXML.h"

namespace kelmor {

namespace {

// Names of the simplified formulas of the "Wzory uproszczone" list.
constexpr std::array<const char*, 13> kNazwyWzorow = {
    "Biel-Lummerta",  "Biel-Lummerta",         "Biel-Lummerta-niskie ciśn.",
    "Biel-Lummerta-niskie ciśn.", "Panhandla", "Panhandla",
    "Renouarda-niskie ciśnienie", "Renouarda-niskie ciśnienie", "Renouarda",
    "Waldena 1",      "Waldena 2",             "Weymoutha",
    "Krajowej Dyspozycji Gazu"};

}  // namespace

std::string opisMetodyObliczen(const Wzory& w) {
    if (w.metoda == 0) return "Metoda dokładna";
    if (w.metoda == 1) return "Metoda uniwersalna";
    if (w.wzor < 0 || w.wzor >= static_cast<int>(kNazwyWzorow.size())) return "Nie wybrano wzoru";
    return std::string("Wzór ") + kNazwyWzorow[w.wzor];
}

DialogPliku dialogZapisuDanychXML(Edytor& ed) {
    std::string& s = ed.SciezkaDanych;
    if (s.size() >= 3) s.replace(s.size() - 3, 3, "XML");
    else s = "XML";
    DialogPliku d;
    d.tytul = "Zapis danych w formacie XML";
    d.filtr = 3;
    d.nazwaPliku = s;
    d.katalog = ed.katalogProgramu;
    d.zapis = true;
    return d;
}

bool zapisDanychXML(Edytor& ed, const std::optional<std::string>& wybor) {
    if (!wybor) return false;
    if (!ZapiszDaneXML(ed.ob, *wybor, ed.kanal)) return false;
    ed.SciezkaDanych = *wybor;
    ed.ustawTytulPliku(*wybor);
    ed.ob.DaneZmienione = false;
    ed.pokazInformacje("Dane zostały poprawnie zapisane w pliku " + *wybor);
    return true;
}

DialogPliku dialogOdczytuDanychXML(const Edytor& ed) {
    DialogPliku d;
    d.tytul = "Odczyt danych z pliku *.XML";
    d.filtr = 3;
    d.nazwaPliku = ed.SciezkaDanychWejsciowych;
    d.katalog = ed.katalogOtwarcia;
    return d;
}

void stanPoOdczycieXML(Edytor& ed) {
    Obiekt& ob = ed.ob;
    ed.ustawTytulPliku(ed.SciezkaDanychWejsciowych);
    ob.DaneZmienione = false;
    ob.ustawPotrzebnaAnaliza();
    ed.pomocWTrybiePrzewodnika(30);
    ed.okno.aktywna = Zakladka::Cisn;
    ed.ukryjMenuTOS();
    ob.ListBoxAnalizaDanych.clear();
    ed.wyczyscWyniki();
}

bool odczytDanychXML(Edytor& ed, const std::optional<std::string>& wybor) {
    if (!wybor) return false;
    ed.SciezkaDanychWejsciowych = *wybor;
    ed.SciezkaDanych = *wybor;
    ed.katalogOtwarcia = katalogSciezki(*wybor);
    const bool ok = CzytajDaneXML(ed.ob, *wybor, ed.kanal, ed.czyKonczycPrace);
    if (ok) stanPoOdczycieXML(ed);
    else ed.kanal.informacja("Plik " + *wybor + " zawiera niepoprawne dane.");
    ed.ob.OpisMetody = opisMetodyObliczen(ed.ob.parametry.wzory);
    return ok;
}

DialogPliku dialogZapisuWynikowXML(const Edytor& ed) {
    DialogPliku d;
    d.tytul = "Zapis wyników w formacie XML";
    d.filtr = 3;
    d.nazwaPliku = ed.SciezkaWynikowXML;
    d.katalog = ed.katalogProgramu;
    d.zapis = true;
    return d;
}

bool zapisWynikowXML(Edytor& ed, const std::optional<std::string>& wybor) {
    if (!wybor) return false;
    ed.SciezkaWynikowXML = *wybor;
    return ZapiszWynikiXML(ed.ob, ed.SciezkaWynikowXML, ed.kanal);
}

bool odczytDanychXMLWsadowy(Edytor& ed) {
    const bool ok =
        CzytajDaneXML(ed.ob, ed.SciezkaDanychWejsciowych, ed.kanal, ed.czyKonczycPrace);
    if (ok) stanPoOdczycieXML(ed);
    return ok;
}

bool zapisWynikowXMLWsadowy(Edytor& ed) {
    return ZapiszWynikiXML(ed.ob, ed.SciezkaWynikowXML, ed.kanal);
}

}  // namespace kelmor
