#include "app/PlikiBezOkna.h"

#include "app/PlikiDanych.h"
#include "app/PlikiProfil.h"
#include "app/PlikiXML.h"
#include "io/DaneXML.h"
#include "io/KatalogRur.h"
#include "io/PlikDanych.h"
#include "io/PlikiTekstowe.h"
#include "model/Tekst.h"

namespace kelmor {

namespace {

std::string rozszerzenie(const std::string& sciezka) {
    const auto kropka = sciezka.find_last_of('.');
    const auto ukosnik = sciezka.find_last_of("/\\");
    if (kropka == std::string::npos || (ukosnik != std::string::npos && kropka < ukosnik))
        return {};
    std::string r = sciezka.substr(kropka + 1);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

}  // namespace

RodzajPliku rodzajPliku(const std::string& sciezka) {
    const std::string r = rozszerzenie(sciezka);
    if (r == "gaz" || r == "gas") return RodzajPliku::Gaz;
    if (r == "xml") return RodzajPliku::Xml;
    if (r == "pro") return RodzajPliku::Pro;
    if (r == "rur") return RodzajPliku::Rur;
    if (r == "txt") return RodzajPliku::Txt;
    return RodzajPliku::Inny;
}

bool czytajDane(Edytor& ed, const std::string& sciezka, RodzajPliku rodzaj) {
    switch (rodzaj) {
        case RodzajPliku::Gaz: {
            ed.SciezkaDanych = sciezka;
            bool zmieniono = false;
            const bool ok = CzytajPlikDanych(ed.ob, ed.kanal, sciezka, &zmieniono);
            if (ok || zmieniono) {
                // Whatever was taken is new data: results and analysis go.
                ed.ob.ListBoxAnalizaDanych.clear();
                ed.ob.ustawPotrzebnaAnaliza();
                ed.wyczyscWyniki();
                ed.ob.DaneZmienione = !ok;
            }
            if (ok) {
                ed.ustawTytulPliku(sciezka);
                ed.okno.aktywna = Zakladka::Cisn;
            }
            return ok;
        }
        case RodzajPliku::Xml:
            ed.SciezkaDanychWejsciowych = sciezka;
            ed.SciezkaDanych = sciezka;
            return odczytDanychXMLWsadowy(ed);
        case RodzajPliku::Pro:
            return importPROFIL(ed, true, sciezka);
        default:
            ed.kanal.informacja("Nieznany rodzaj pliku danych: " + sciezka);
            return false;
    }
}

bool czytajKatalog(Edytor& ed, const std::string& sciezka) {
    bool zmieniono = false;
    const bool ok = CzytajKatalogRur(ed.ob, ed.kanal, sciezka, &zmieniono);
    if (ok || zmieniono) ed.ob.ustawPotrzebnaAnaliza();
    if (ok) {
        ed.SciezkaKatalogu = sciezka;
        ed.ob.KatalogZmieniony = false;
    } else if (zmieniono) {
        ed.ob.KatalogZmieniony = true;  // part of the file was taken
    }
    return ok;
}

bool zapiszDane(Edytor& ed, const std::string& sciezka, RodzajPliku rodzaj) {
    switch (rodzaj) {
        case RodzajPliku::Gaz:
            // As the menu command: validation, then the write.
            return polecenieZapisDanych(
                ed, [&sciezka](const auto&) { return std::optional<std::string>(sciezka); });
        case RodzajPliku::Xml:
            return zapisDanychXML(ed, sciezka);
        default:
            ed.kanal.informacja("Nieznany rodzaj pliku danych: " + sciezka);
            return false;
    }
}

bool zapiszWynikiXml(Edytor& ed, const std::string& sciezka) {
    return ZapiszWynikiXML(ed.ob, sciezka, ed.kanal);
}

std::vector<std::string> czytajLog(const std::string& sciezka) {
    std::vector<std::string> linie;
    const auto bajty = czytajPlikWymiany(sciezka);
    if (!bajty) return linie;
    for (std::string_view l : podzielNaLinie(*bajty)) linie.push_back(zCp1250(l));
    return linie;
}

}  // namespace kelmor
