#include "app/Wsadowy.h"

#include "app/KanalStderr.h"
#include "app/PlikiBezOkna.h"
#include "app/Przygotowanie.h"

namespace kelmor {

std::string rodzajArgumentu(const std::string& argument) {
    std::string r = argument.size() > 3 ? argument.substr(argument.size() - 3) : argument;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

NazwyWsadowe nazwyWsadowe(const std::string& wejscie) {
    NazwyWsadowe n;
    // The dot before the extension becomes "_", the extension "Wyn", then "iki.XML".
    if (wejscie.size() >= 4)
        n.wyniki = wejscie.substr(0, wejscie.size() - 4) + "_Wyn" + "iki.XML";
    else
        n.wyniki = "_Wyniki.XML";
    n.log = n.wyniki.substr(0, n.wyniki.size() - 3) + "Log";
    return n;
}

namespace {

// A report text as one log line: the line breaks some messages carry would
// otherwise split one message over several lines of the log.
std::string liniaLogu(const std::string& tekst) { return KanalStderr::jednaLinia(tekst); }

}  // namespace

PrzebiegWsadowy przebiegWsadowy(Edytor& ed, const std::string& wejscie) {
    PrzebiegWsadowy p;
    Obiekt& ob = ed.ob;
    ed.SciezkaDanychWejsciowych = wejscie;
    ed.SciezkaDanych = wejscie;
    ed.okno.Zminimalizowane = true;
    const NazwyWsadowe nazwy = nazwyWsadowe(wejscie);
    ed.SciezkaWynikowXML = nazwy.wyniki;
    ed.SciezkaLogu = nazwy.log;

    const bool wczytane = czytajDane(ed, wejscie, RodzajPliku::Xml, &p.czyKonczycPrace);
    ustawOpisMetody(ed);
    const std::string daneZPliku = "Dane z pliku " + wejscie;
    if (!wczytane) {
        zapiszLog(ed.SciezkaLogu, {"false", "Plik " + wejscie + " zawiera niepoprawne dane"},
                  false, ed.kanal);
        p.wynik = WynikWsadowy::BledneDane;
        return p;
    }
    if (ob.OpisMetody == "Nie wybrano wzoru") {
        zapiszLog(ed.SciezkaLogu, {"false", ob.OpisMetody}, false, ed.kanal);
        p.wynik = WynikWsadowy::BrakWzoru;
        return p;
    }
    zapiszLog(ed.SciezkaLogu, {"true", daneZPliku, ob.OpisMetody}, false, ed.kanal);

    przygotujObliczenia(ed);
    const WynikObliczen w = wykonajObliczenia(ed, true);
    switch (w) {
        case WynikObliczen::Przerwano:
            zapiszLog(ed.SciezkaLogu,
                      {"false", daneZPliku, liniaLogu(ob.LaRaport1), liniaLogu(ob.LaRaport2)}, false,
                      ed.kanal);
            p.wynik = WynikWsadowy::Przerwano;
            return p;
        case WynikObliczen::NieZakonczone:
            zapiszLog(ed.SciezkaLogu,
                      {"false", daneZPliku, "Obliczenia nie zostały zakończone",
                       liniaLogu(ob.LaRaport2)},
                      false, ed.kanal);
            p.wynik = WynikWsadowy::NieZakonczone;
            return p;
        case WynikObliczen::NieDokladne:
            zapiszLog(ed.SciezkaLogu, {"Obliczenia nie zostały zakończone"}, true, ed.kanal);
            p.wynik = WynikWsadowy::NieDokladne;
            break;
        case WynikObliczen::Koniec:
            p.wynik = WynikWsadowy::Sukces;
            break;
    }
    // Approximate results are written too: the log's "true" tells the caller
    // to read them.
    if (!zapiszWynikiXml(ed, ed.SciezkaWynikowXML)) {
        zapiszLog(ed.SciezkaLogu,
                  {"false", daneZPliku, ob.OpisMetody,
                   "Nie udało się zapisać wyników w pliku " + ed.SciezkaWynikowXML},
                  false, ed.kanal);
        p.wynik = WynikWsadowy::BladZapisu;
        return p;
    }
    zapiszLog(ed.SciezkaLogu, {"Wyniki w pliku " + ed.SciezkaWynikowXML}, true, ed.kanal);
    if (p.czyKonczycPrace) return p;
    p.koniecProgramu = false;
    ed.okno.Zminimalizowane = false;
    ed.okno.aktywna = Zakladka::Obliczenia;
    return p;
}

bool przetworzArgumenty(Edytor& ed, const std::vector<std::string>& argumenty,
                        PrzebiegWsadowy* przebieg) {
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& arg = argumenty[i];
        const std::string rodzaj = rodzajArgumentu(arg);
        if (rodzaj == "RUR") {
            if (czytajKatalog(ed, arg)) {
                ed.okno.aktywna = Zakladka::KatRur;
                ed.ob.KatalogZmieniony = false;
            } else {
                ed.kanal.informacja("Podany plik nie zawiera poprawnego katalogu rur.");
            }
        } else if (rodzaj == "XML") {
            if (i == 0) {
                const PrzebiegWsadowy p = przebiegWsadowy(ed, arg);
                if (przebieg) *przebieg = p;
                if (p.koniecProgramu) return true;
            } else {
                ed.SciezkaWynikowXML = arg;
            }
        } else if (rodzaj == "GAZ" || rodzaj == "GAS") {
            if (czytajDane(ed, arg, RodzajPliku::Gaz)) {
                if (ed.ob.DaneZGDO) ed.SciezkaEksportuGDO = arg.substr(0, arg.size() - 3) + "TXT";
            } else {
                ed.kanal.informacja("Podany plik nie zawiera poprawnych danych.");
            }
        } else if (rodzaj == "TXT") {
            if (ed.ob.DaneZGDO) ed.SciezkaEksportuGDO = arg;
        }
    }
    return false;
}

}  // namespace kelmor
