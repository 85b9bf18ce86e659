#include "app/PlikiXML.h"

#include "app/Przygotowanie.h"
#include "io/DaneXML.h"

namespace kelmor {

namespace {

DialogPliku opis(bool zapis, const char* tytul, const std::string& nazwa,
                 const std::string& katalog) {
    DialogPliku d;
    d.zapis = zapis;
    d.tytul = tytul;
    d.filtr = 3;  // "Dane do obliczeń (*.xml)"
    d.nazwaPliku = nazwa;
    d.katalog = katalog;
    return d;
}

void poNieudanymOdczycie(Edytor& ed) {
    ed.ob.oznaczZmianeDanych();
    ed.ob.WezlyZmienione = true;
    ed.wyczyscWyniki();
}

bool wykonaj(Edytor& ed, const DialogPliku& d, const WyborPliku& wybierz,
             bool (*dalej)(Edytor&, const std::string&)) {
    const auto sciezka = wybierz(d);
    if (!sciezka) return false;
    return dalej(ed, *sciezka);
}

}  // namespace

DialogPliku przygotujZapisDanychXML(Edytor& ed) {
    std::string& s = ed.SciezkaDanych;
    if (s.size() >= 3)
        s.replace(s.size() - 3, 3, "XML");
    else
        s = "XML";
    return opis(true, "Zapis danych w formacie XML", s, ed.katalogProgramu);
}

bool zapiszDaneXMLDoPliku(Edytor& ed, const std::string& sciezka) {
    if (!ZapiszDaneXML(ed.ob, sciezka, ed.kanal)) return false;
    ed.SciezkaDanych = sciezka;
    ed.ustawTytulPliku(sciezka);
    ed.ob.DaneZmienione = false;
    ed.pokazInformacje("Dane zostały poprawnie zapisane w pliku " + sciezka);
    return true;
}

bool polecenieZapisDanychXML(Edytor& ed, const WyborPliku& wybierz) {
    return wykonaj(ed, przygotujZapisDanychXML(ed), wybierz, zapiszDaneXMLDoPliku);
}

DialogPliku przygotujOdczytDanychXML(const Edytor& ed) {
    return opis(false, "Odczyt danych z pliku *.XML", ed.SciezkaDanychWejsciowych,
                ed.katalogOtwarcia);
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

bool odczytajDaneXML(Edytor& ed, const std::string& sciezka) {
    ed.SciezkaDanychWejsciowych = sciezka;
    ed.SciezkaDanych = sciezka;
    ed.katalogOtwarcia = katalogSciezki(sciezka);
    bool zmieniono = false;
    const bool ok = CzytajDaneXML(ed.ob, sciezka, ed.kanal, ed.czyKonczycPrace, &zmieniono);
    if (ok) {
        stanPoOdczycieXML(ed);
    } else {
        // What was taken before the fault stays: the data match no file now.
        if (zmieniono) poNieudanymOdczycie(ed);
        ed.kanal.informacja("Plik " + sciezka + " zawiera niepoprawne dane.");
    }
    ustawOpisMetody(ed);
    return ok;
}

bool polecenieOdczytDanychXML(Edytor& ed, const WyborPliku& wybierz) {
    return wykonaj(ed, przygotujOdczytDanychXML(ed), wybierz, odczytajDaneXML);
}

DialogPliku przygotujZapisWynikowXML(const Edytor& ed) {
    return opis(true, "Zapis wyników w formacie XML", ed.SciezkaWynikowXML, ed.katalogProgramu);
}

bool zapiszWynikiXMLDoPliku(Edytor& ed, const std::string& sciezka) {
    ed.SciezkaWynikowXML = sciezka;
    return ZapiszWynikiXML(ed.ob, ed.SciezkaWynikowXML, ed.kanal);
}

bool polecenieZapisWynikowXML(Edytor& ed, const WyborPliku& wybierz) {
    return wykonaj(ed, przygotujZapisWynikowXML(ed), wybierz, zapiszWynikiXMLDoPliku);
}

bool odczytDanychXMLWsadowy(Edytor& ed) {
    bool zmieniono = false;
    const bool ok =
        CzytajDaneXML(ed.ob, ed.SciezkaDanychWejsciowych, ed.kanal, ed.czyKonczycPrace, &zmieniono);
    if (ok)
        stanPoOdczycieXML(ed);
    else if (zmieniono)
        poNieudanymOdczycie(ed);
    return ok;
}

bool zapisWynikowXMLWsadowy(Edytor& ed) {
    return ZapiszWynikiXML(ed.ob, ed.SciezkaWynikowXML, ed.kanal);
}

DialogPliku dialogZapisuDanychXML(Edytor& ed) {
    return przygotujZapisDanychXML(ed);
}

bool zapisDanychXML(Edytor& ed, const std::optional<std::string>& wybor) {
    return wybor && zapiszDaneXMLDoPliku(ed, *wybor);
}

DialogPliku dialogOdczytuDanychXML(const Edytor& ed) {
    return przygotujOdczytDanychXML(ed);
}

bool odczytDanychXML(Edytor& ed, const std::optional<std::string>& wybor) {
    return wybor && odczytajDaneXML(ed, *wybor);
}

DialogPliku dialogZapisuWynikowXML(const Edytor& ed) {
    return przygotujZapisWynikowXML(ed);
}

bool zapisWynikowXML(Edytor& ed, const std::optional<std::string>& wybor) {
    return wybor && zapiszWynikiXMLDoPliku(ed, *wybor);
}

}  // namespace kelmor
