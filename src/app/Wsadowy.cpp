#include "app/Wsadowy.h"

#include "app/KanalStderr.h"
#include "app/PlikiBezOkna.h"
#include "app/Przygotowanie.h"
#include "io/LogWsadowy.h"

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
std::string liniaLogu(const std::string& tekst) {
    return KanalStderr::jednaLinia(tekst);
}

}  // namespace

PrzebiegWsadowy przebiegWsadowy(Edytor& ed, const std::string& wejscie) {
    PrzebiegWsadowy p;
    Obiekt& ob = ed.ob;
    KanalKomunikatow& k = ed.kanal;
    ed.SciezkaDanychWejsciowych = wejscie;
    ed.SciezkaDanych = wejscie;
    ed.okno.Zminimalizowane = true;
    const NazwyWsadowe nazwy = nazwyWsadowe(wejscie);
    ed.SciezkaWynikowXML = nazwy.wyniki;
    ed.SciezkaLogu = nazwy.log;
    const std::string& log = ed.SciezkaLogu;

    const bool wczytane = czytajDane(ed, wejscie, RodzajPliku::Xml);
    p.czyKonczycPrace = ed.czyKonczycPrace;
    ustawOpisMetody(ed);
    zapiszPoczatekLogu(k, log, wczytane, wejscie, ob.OpisMetody);
    if (!wczytane) {
        p.wynik = WynikWsadowy::BledneDane;
        return p;
    }
    if (ob.OpisMetody == kOpisBrakuWzoru) {
        p.wynik = WynikWsadowy::BrakWzoru;
        return p;
    }

    przygotujObliczenia(ed);
    switch (wykonajObliczenia(ed, true)) {
        case RodzajWyniku::Przerwano:
            zapiszPrzerwanieDoLogu(k, log, wejscie, liniaLogu(ob.LaRaport1),
                                   liniaLogu(ob.LaRaport2));
            p.wynik = WynikWsadowy::Przerwano;
            return p;
        case RodzajWyniku::NieZakonczone:
            zapiszNiezakonczenieDoLogu(k, log, wejscie, liniaLogu(ob.LaRaport2));
            p.wynik = WynikWsadowy::NieZakonczone;
            return p;
        case RodzajWyniku::NieDokladne:
            dopiszBrakRozwiazaniaDoLogu(k, log);
            p.wynik = WynikWsadowy::NieDokladne;
            break;
        case RodzajWyniku::Koniec:
            p.wynik = WynikWsadowy::Sukces;
            break;
    }
    // Approximate results are written too: the log's "true" tells the caller
    // to read them.
    if (!zapiszWynikiXml(ed, ed.SciezkaWynikowXML)) {
        // The log must not promise a results file that is not there.
        zapiszLinieLogu(k, log,
                        {"false", "Dane z pliku " + wejscie, ob.OpisMetody,
                         "Nie udało się zapisać wyników w pliku " + ed.SciezkaWynikowXML},
                        false);
        p.wynik = WynikWsadowy::BladZapisu;
        return p;
    }
    dopiszWynikiDoLogu(k, log, ed.SciezkaWynikowXML);
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
