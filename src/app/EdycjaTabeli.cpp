#include "app/EdycjaTabeli.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "engine/Topologia.h"
#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

Tabela& tabela(Edytor& e, TabelaEdytora t) {
    switch (t) {
        case TabelaEdytora::Zrodla:
            return e.ob.ZrodlaGrid;
        case TabelaEdytora::Katalog:
            return e.ob.RurGrid;
        case TabelaEdytora::Siec:
            break;
    }
    return e.ob.Grid;
}

BiezacaKomorka& biezaca(Edytor& e, TabelaEdytora t) {
    switch (t) {
        case TabelaEdytora::Zrodla:
            return e.zrodla;
        case TabelaEdytora::Katalog:
            return e.katalog;
        case TabelaEdytora::Siec:
            break;
    }
    return e.siec;
}

int& liczbaWierszyTabeli(Obiekt& ob, TabelaEdytora t) {
    switch (t) {
        case TabelaEdytora::Zrodla:
            return ob.liczbaZrodel;
        case TabelaEdytora::Katalog:
            return ob.liczbaRur;
        case TabelaEdytora::Siec:
            break;
    }
    return ob.liczbaOdcinkow;
}

const char* nazwaTabeli(TabelaEdytora t) {
    switch (t) {
        case TabelaEdytora::Zrodla:
            return "ZrodlaGrid";
        case TabelaEdytora::Katalog:
            return "RurGrid";
        case TabelaEdytora::Siec:
            break;
    }
    return "Grid";
}

std::string wezelKonca(const Tabela& g, int w) {
    return nazwaWezla(g.tekst(kol::WezelKonc, w));
}

// After the result columns were cut away the current cell stays inside the table.
void dopasujBiezacaKolumne(Edytor& e) {
    const int ostatnia = e.ob.Grid.liczbaKolumn() - 1;
    if (e.siec.kolumna > ostatnia) {
        e.siec.kolumna = ostatnia;
        e.okno.BBElip1 = false;
    }
}

void wejdzDoKomorkiSieci(Edytor& e) {
    const int k = e.siec.kolumna;
    e.okno.BBElip1 = podedytorKolumny(e, k) != Podedytor::Brak;
    e.okno.CBSklepy = k == kol::Sklepy;
    if (k == kol::DlugoscMetry && e.TrybLiczeniaDlugosci)
        obliczDlugoscZeWspolrzednych(e, e.siec.wiersz);
}

std::string opisOdcinka(const Tabela& g, int w) {
    return g.tekst(kol::NumerOdcinka, w) + " (" + g.tekst(kol::WezelPocz, w) + " - " +
           g.tekst(kol::WezelKonc, w) + ")";
}

// DaneZmienione, PotrzebnaAnaliza, no current results; the columns stay.
void zmianaBezCiecia(Obiekt& ob) {
    ob.DaneZmienione = true;
    ob.PotrzebnaAnaliza = true;
    ob.WynikiAktualne = false;
}

void przejdz(Edytor& e, TabelaEdytora t, int kolumna, int wiersz) {
    switch (t) {
        case TabelaEdytora::Siec:
            przejdzDoKomorkiSieci(e, kolumna, wiersz);
            return;
        case TabelaEdytora::Zrodla:
        case TabelaEdytora::Katalog: {
            Tabela& tab = tabela(e, t);
            Obiekt::oznaczWiersz(tab, wiersz);
            biezaca(e, t) = {kolumna, wiersz};
            return;
        }
    }
}

}  // namespace

std::string wpiszDoKomorkiSieci(Edytor& e, int kol, int wiersz, const std::string& tekst) {
    Tabela& g = e.ob.Grid;
    if (!g.wZakresie(kol, wiersz) || wiersz < 1) return {};
    std::string t = przecinekNaKropke(tekst);
    g.ustawTekst(kol, wiersz, t);
    if (kol >= kol::Qoblicz) return t;
    switch (typKolumnySieci(kol)) {
        case TypKolumny::Calkowita: {
            int v = 0;
            parsujCalkowita(e.kanal, t, v);
            break;
        }
        case TypKolumny::Nazwa:
            parsujNazwe(e.kanal, t);
            break;
        case TypKolumny::Rzeczywista: {
            double v = 0;
            parsujRzeczywista(e.kanal, t, v);
            break;
        }
        case TypKolumny::Tekst:
            break;
    }
    e.ob.oznaczZmianeDanych(kol);
    dopasujBiezacaKolumne(e);
    return t;
}

bool przejdzDoKomorkiSieci(Edytor& e, int kolumna, int wiersz) {
    Obiekt& ob = e.ob;
    Tabela& g = ob.Grid;
    // The header row and the margin column are not cells to enter.
    if (!g.wZakresie(kolumna, wiersz) || wiersz < 1 || kolumna < 1) return false;
    if (komorkaWynikowa(kolumna)) return false;
    const BiezacaKomorka poprz = e.siec;
    if (poprz.kolumna == kolumna && poprz.wiersz == wiersz) {
        Obiekt::oznaczWiersz(g, wiersz);
        wejdzDoKomorkiSieci(e);
        return true;
    }
    const bool poprzWTabeli = poprz.wiersz >= 1 && poprz.wiersz < g.liczbaWierszy();
    if (poprzWTabeli) {
        const int pw = poprz.wiersz;
        if (poprz.kolumna == kol::NumerOdc && g.liczbaKolumn() > kol::NumerOdc)
            g.ustawTekst(kol::NumerOdc, pw, g.tekst(kol::NumerOdcinka, pw));
        if (poprz.kolumna == kol::WezelKonc) uzupelnijAtrybutyWezlaKoncowego(ob, pw);
        if (poprz.kolumna >= kol::PoborWez && poprz.kolumna <= kol::RzednaTe)
            rozpowszechnijAtrybutWezla(ob, pw, poprz.kolumna);
        if (poprz.kolumna == kol::NumerOdcinka) {
            if (int r = innyWierszZNumerem(ob, pw)) {
                e.kanal.informacja("W wierszach " + std::to_string(r) + " , " + std::to_string(pw) +
                                   " powtarzają się numery odcinka.");
                return false;
            }
        }
    }
    Obiekt::oznaczWiersz(g, wiersz);
    e.siec = {kolumna, wiersz};
    e.okno.BBElip1 = false;
    wejdzDoKomorkiSieci(e);
    return true;
}

void ukryjBBElip1(Edytor& e) {
    e.okno.BBElip1 = false;
}

void odswiezPrzyciskiKomorki(Edytor& e) {
    e.okno.BBElip1 = e.okno.BBElip1 && podedytorKolumny(e, e.siec.kolumna) != Podedytor::Brak;
    e.okno.CBSklepy = e.siec.kolumna == kol::Sklepy;
}

Podedytor podedytorKolumny(const Edytor& e, int k) {
    const OpcjeKolumn& o = e.ob.opcje;
    if (k == kol::PoborOdc && !o.CheckBoxrro) return Podedytor::PrzylaczaOdcinka;
    if (k == kol::PoborWez && !o.CheckBoxrrw) return Podedytor::PrzylaczaWezla;
    if (k == kol::IleOpo && !o.CheckBoxOpory) return Podedytor::OporyMiejscowe;
    return Podedytor::Brak;
}

std::string tytulPodedytora(const Edytor& e, Podedytor p) {
    const Tabela& g = e.ob.Grid;
    const int w = e.siec.wiersz;
    switch (p) {
        case Podedytor::PrzylaczaOdcinka:
            return "Przyłącza do odcinka: " + opisOdcinka(g, w);
        case Podedytor::PrzylaczaWezla:
            return "Przyłącza do węzła: " + g.tekst(kol::WezelKonc, w);
        case Podedytor::OporyMiejscowe:
            return "Opory miejscowe w odcinku: " + opisOdcinka(g, w);
        case Podedytor::Brak:
            break;
    }
    return {};
}

void poZamknieciuPodedytora(Edytor& e) {
    if (!e.ob.WynikiAktualne) e.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnDanych);
    dopasujBiezacaKolumne(e);
}

std::string tekstCBSklepy(const Edytor& e) {
    return e.ob.Grid.tekst(kol::Sklepy, e.siec.wiersz) == "jest" ? "jest" : "brak";
}

void wybierzCBSklepy(Edytor& e, const std::string& pozycja) {
    if (pozycja != "jest" && pozycja != "brak") return;
    e.ob.Grid.ustawTekst(kol::Sklepy, e.siec.wiersz, pozycja);
    zmianaBezCiecia(e.ob);
}

void CBSklepyTraciFokus(Edytor& e, const std::string& pozycja) {
    if (pozycja == "jest" || pozycja == "brak")
        e.ob.Grid.ustawTekst(kol::Sklepy, e.siec.wiersz, pozycja);
    e.okno.CBSklepy = false;
}

void obliczDlugoscZeWspolrzednych(Edytor& e, int w) {
    Obiekt& ob = e.ob;
    Tabela& g = ob.Grid;
    if (w < 1 || w >= g.liczbaWierszy()) return;
    auto calk = [](const std::string& t) { return naCalkowita(przytnij(t)).value_or(0); };
    auto rzecz = [](const std::string& t) { return naLiczbe(t).value_or(0); };
    const std::string S = nazwaWezla(g.tekst(kol::WezelPocz, w));
    bool znaleziony = false;
    long long x1 = 0, y1 = 0;
    double z1 = 0;
    if (!S.empty()) {
        for (int r = 1; r < g.liczbaWierszy() && !znaleziony; ++r) {
            if (wezelKonca(g, r) != S) continue;
            x1 = calk(g.tekst(kol::X, r));
            y1 = calk(g.tekst(kol::Y, r));
            z1 = rzecz(g.tekst(kol::RzednaTe, r));
            znaleziony = true;
        }
        const Tabela& zr = ob.ZrodlaGrid;
        for (int r = 1; r < zr.liczbaWierszy() && !znaleziony; ++r) {
            if (nazwaWezla(zr.tekst(kol::NazwaZrodla, r)) != S) continue;
            x1 = calk(zr.tekst(kol::Xzrodla, r));
            y1 = calk(zr.tekst(kol::Yzrodla, r));
            z1 = rzecz(zr.tekst(kol::RzednaTeZrodla, r));
            znaleziony = true;
        }
    }
    if (znaleziony) {
        const long long x2 = calk(g.tekst(kol::X, w)), y2 = calk(g.tekst(kol::Y, w));
        const double z2 = rzecz(g.tekst(kol::RzednaTe, w));
        // Differences of 32-bit coordinates fit in 64 bits; the sum is taken in doubles.
        const double dx = static_cast<double>(x1 - x2), dy = static_cast<double>(y1 - y2);
        const double dz = z1 - z2;
        g.ustawTekst(kol::DlugoscMetry, w,
                     formatStaly(std::sqrt(dz * dz + dx * dx + dy * dy), 15, 2));
    } else {
        e.kanal.informacja("brak danych dla węzła " + S);
        g.ustawTekst(kol::DlugoscMetry, w, "");
    }
    ob.oznaczZmianeDanych(kol::DlugoscMetry);
    dopasujBiezacaKolumne(e);
}

void wstawWierszNaKoniec(Edytor& e, TabelaEdytora t) {
    Tabela& tab = tabela(e, t);
    const int nowy = tab.liczbaWierszy();
    tab.ustawLiczbeWierszy(nowy + 1);
    ++liczbaWierszyTabeli(e.ob, t);
    e.okno.fokus = nazwaTabeli(t);
    // Defaults go into the new row even when the move there is refused
    // (a repeated segment number keeps the user in the row being left).
    if (t == TabelaEdytora::Siec) e.domyslneWierszaSieci(nowy);
    if (t == TabelaEdytora::Zrodla)
        for (int c : {kol::RzednaTeZrodla, kol::Xzrodla, kol::Yzrodla})
            tab.ustawTekst(c, nowy, "0");
    przejdz(e, t, 1, nowy);
}

void wstawWierszMiedzy(Edytor& e, TabelaEdytora t) {
    Tabela& tab = tabela(e, t);
    BiezacaKomorka& b = biezaca(e, t);
    const int w = std::clamp(b.wiersz, 1, tab.liczbaWierszy() - 1);
    tab.wstawWiersz(w);
    ++liczbaWierszyTabeli(e.ob, t);
    if (t == TabelaEdytora::Siec) e.domyslneWierszaSieci(w);
    if (t == TabelaEdytora::Zrodla)
        for (int c : {kol::RzednaTeZrodla, kol::Xzrodla, kol::Yzrodla}) tab.ustawTekst(c, w, "0");
    Obiekt::oznaczWiersz(tab, w);
    b = {1, w};
    e.okno.fokus = nazwaTabeli(t);
    if (t == TabelaEdytora::Siec) {
        e.okno.BBElip1 = false;
        e.okno.CBSklepy = false;
    }
}

bool usunBiezacyWiersz(Edytor& e, TabelaEdytora t) {
    Obiekt& ob = e.ob;
    if (t != TabelaEdytora::Katalog && !e.kanal.pytanie("Czy skasować wskazany wiersz?"))
        return false;
    Tabela& tab = tabela(e, t);
    BiezacaKomorka& b = biezaca(e, t);
    e.okno.fokus = nazwaTabeli(t);
    int& licznik = liczbaWierszyTabeli(ob, t);
    const int dane = tab.liczbaWierszy() - 1;
    if (dane <= 1) {
        tab.wyczyscDane(2);
        licznik = 0;
        b.wiersz = 1;
    } else {
        const int w = std::clamp(b.wiersz, 1, dane);
        tab.usunWiersz(w);
        b.wiersz = std::min(w, dane - 1);
        licznik = dane - 1;
    }
    Obiekt::oznaczWiersz(tab, b.wiersz);
    switch (t) {
        case TabelaEdytora::Siec:
            ob.oznaczZmianeDanych();
            dopasujBiezacaKolumne(e);
            if (licznik == 0) {
                if (dane <= 1) e.domyslneWierszaSieci(1);
                b = {1, 1};
            }
            e.okno.BBElip1 = false;
            e.okno.CBSklepy = false;
            break;
        case TabelaEdytora::Zrodla:
            ob.oznaczZmianeDanych();
            if (licznik == 0)
                for (int c : {kol::RzednaTeZrodla, kol::Xzrodla, kol::Yzrodla})
                    tab.ustawTekst(c, 1, "0");
            break;
        case TabelaEdytora::Katalog:
            if (licznik > 0) {
                ob.KatalogZmieniony = true;
                ob.ustawPotrzebnaAnaliza();
            }
            break;
    }
    return true;
}

void przeniesWiersz(Edytor& e, TabelaEdytora t, int z, int na) {
    Tabela& tab = tabela(e, t);
    const int n = tab.liczbaWierszy();
    if (z < 1 || z >= n || na < 1 || na >= n || z == na) return;
    tab.przesunWiersz(z, na);
    Obiekt::oznaczWiersz(tab, na);
    biezaca(e, t).wiersz = na;
    if (t == TabelaEdytora::Siec) {
        // Rows carry their results with them, so the results stay shown.
        e.ob.PotrzebnaAnaliza = true;
        e.ob.DaneZmienione = true;
    }
}

void doOstatniegoWiersza(Edytor& e) {
    przejdzDoKomorkiSieci(e, e.siec.kolumna, e.ob.Grid.liczbaWierszy() - 1);
}
void doPierwszegoWiersza(Edytor& e) {
    przejdzDoKomorkiSieci(e, e.siec.kolumna, 1);
}
void doPierwszejKolumny(Edytor& e) {
    przejdzDoKomorkiSieci(e, 1, e.siec.wiersz);
}
void doOstatniejKolumny(Edytor& e) {
    przejdzDoKomorkiSieci(e, e.ob.Grid.liczbaKolumn() - 1, e.siec.wiersz);
}

void wycofajLubPrzywroc(Edytor& e) {
    Tabela& g = e.ob.Grid;
    const int w = e.siec.wiersz;
    if (w < 1 || w >= g.liczbaWierszy()) return;
    if (auto* r = g.rekordTypu<TWycof>(kol::NumerOdcinka, w))
        r->wycofany = r->wycofany ? 0 : 1;
    else
        g.zapewnijRekord<TWycof>(kol::NumerOdcinka, w).wycofany = 1;
    e.ob.oznaczZmianeDanych();
    dopasujBiezacaKolumne(e);
}

void zmienKierunekBiezacego(Edytor& e) {
    const int w = e.siec.wiersz;
    if (w < 1 || w >= e.ob.Grid.liczbaWierszy()) return;
    odwrocWiersz(e.ob, w, e.kanal);
    e.ob.oznaczZmianeDanych(kol::WezelPocz);
    dopasujBiezacaKolumne(e);
}

void zmienKierunkiUjemnym(Edytor& e) {
    Tabela& g = e.ob.Grid;
    if (g.liczbaKolumn() <= kol::Qoblicz) return;
    // The rows are chosen first: the first reversal drops the result columns.
    std::vector<int> ujemne;
    for (int w = 1; w < g.liczbaWierszy(); ++w) {
        const std::string& q = g.tekst(kol::Qoblicz, w);
        if (przytnij(q).empty()) continue;
        if (auto v = naLiczbe(q); v && *v < 0) ujemne.push_back(w);
    }
    for (int w : ujemne) {
        odwrocWiersz(e.ob, w, e.kanal);
        e.ob.oznaczZmianeDanych(kol::WezelPocz);
    }
    dopasujBiezacaKolumne(e);
}

void zerujSrednice(Edytor& e) {
    if (!e.kanal.pytanie(
            "Czy wyzerować średnice nominalne we wszystkch odcinkach dla ponownego doboru?"))
        return;
    Obiekt& ob = e.ob;
    ob.oznaczZmianeDanych();
    dopasujBiezacaKolumne(e);
    for (int w = 1; w < ob.Grid.liczbaWierszy(); ++w) {
        // An empty row stays empty, so that validation still drops it.
        if (wierszWycofany(ob.Grid, w) || sprawdzWiersz(ob.Grid, w).rodzaj == StanWiersza::Pusty)
            continue;
        ob.Grid.ustawTekst(kol::SrednicaNomin, w, "0");
    }
}

void kasujTabeleSieci(Edytor& e) {
    Obiekt& ob = e.ob;
    if (ob.liczbaOdcinkow < 1 && liczbaNiepustychWierszySieci(ob) == 0) return;
    if (!e.kanal.pytanie("Czy na pewno chcesz wyzerować całą Tabelę Opisu Sieci?")) return;
    ob.Grid.ustawLiczbeKolumn(LiczbaKolumnDanych);
    ob.Grid.wyczyscDane(2);
    e.domyslneWierszaSieci(1);
    Obiekt::oznaczWiersz(ob.Grid, 1);
    e.siec = {1, 1};
    e.okno.fokus = "Grid";
    e.okno.BBElip1 = false;
    e.okno.CBSklepy = false;
    ob.ustawPotrzebnaAnaliza();
    ob.liczbaOdcinkow = 0;
}

bool podgladOporow(Edytor& e) {
    const Tabela& g = e.ob.Grid;
    const int w = e.siec.wiersz;
    if (!g.rekordTypu<ListaOporow>(kol::IleOpo, w)) {
        e.kanal.informacja("Nie zadeklarowano oporów miejscowych w odcinku " + opisOdcinka(g, w));
        return false;
    }
    return true;
}

std::string podpowiedzPrzycisku(const std::string& nazwa) {
    static const std::map<std::string, std::string> kPodpowiedzi = {
        {"Button1", "Do ostatniego wiersza"},
        {"Button2", "Do pierwszego wiersza"},
        {"Button3", "Do pierwszej kolumny"},
        {"Button4", "Do ostatniej kolumny"},
        {"SBWstawnaK", "Wstaw nowy wiersz na koniec tabeli"},
        {"SBWstawM", "Wstaw nowy wiersz między wiersze"},
        {"Button8", "Czasowo usuń / Przywróć wiersz"},
        {"Button9", "Zmień kierunek zaznaczonego odcinka"},
        {"SpeedButton13", "Zmień kierunki wszystkim ujemnym"},
        {"Button7", "Kasuj wskazany wiersz"},
        {"BuDn0", "Wyzeruj średnice we wszystkich odcinkach."},
        {"Button10", "Kasuj całą tabelę"},
        {"Button12", "Podgląd oporów miejscowych"},
        {"SBTabelka", "Jednostkowe zużycia gazu - tabelka pomocnicza"},
        {"BBElip1", "Do podedytora"},
    };
    auto it = kPodpowiedzi.find(nazwa);
    return it == kPodpowiedzi.end() ? std::string() : it->second;
}

void myszNadTabelaSieci(Edytor& e, int k) {
    e.okno.StaHint = (k >= 0 && k < LiczbaKolumnZWynikami) ? podpowiedzSieci(k) : std::string();
}

bool komorkaWynikowa(int k) {
    return k >= kol::Qoblicz && k < kol::NumerOdc;
}

bool wierszSieciWycofany(const Edytor& e, int wiersz) {
    return wierszWycofany(e.ob.Grid, wiersz);
}

int liczbaNiepustychWierszySieci(const Obiekt& ob) {
    int n = 0;
    for (int w = 1; w < ob.Grid.liczbaWierszy(); ++w)
        if (sprawdzWiersz(ob.Grid, w).rodzaj != StanWiersza::Pusty) ++n;
    return n;
}

}  // namespace kelmor
