#include "app/EdycjaObiektu.h"

#include "app/EdycjaTabeli.h"
#include "engine/Analiza.h"
#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

// The flags every parameter field sets. Grid keeps its columns: showing the
// network tab cuts them while results are not current.
void flagiPola(Obiekt& ob) {
    ob.PotrzebnaAnaliza = true;
    ob.WynikiAktualne = false;
    ob.DaneZmienione = true;
}

std::string& tekstPola(PolaObiektu& p, PoleObiektu pole) {
    switch (pole) {
        case PoleObiektu::EdTytu:
            return p.EdTytu;
        case PoleObiektu::EdPminDop:
            return p.EdPminDop;
        case PoleObiektu::EdT:
            return p.EdT;
        case PoleObiektu::EddGazu:
            return p.EddGazu;
        case PoleObiektu::EdHs:
            return p.EdHs;
        case PoleObiektu::EdChro:
            return p.EdChro;
        case PoleObiektu::Edlz:
            return p.Edlz;
        case PoleObiektu::EdQ1W1:
            return p.EdQ1W[0];
        case PoleObiektu::EdQ1W2:
            return p.EdQ1W[1];
        case PoleObiektu::EdQ1W3:
            return p.EdQ1W[2];
        case PoleObiektu::EdQ1W4:
            return p.EdQ1W[3];
        case PoleObiektu::Edmnoznik:
            break;
    }
    return p.Edmnoznik;
}

// A new default roughness or percentage: written into the only (empty) row,
// or, with one value for the whole network, into every row.
void domyslnaKolumna(Edytor& e, int kolumna, bool jednaDlaSieci, const std::string& tekst) {
    Obiekt& ob = e.ob;
    const bool bezOdcinkow = liczbaNiepustychWierszySieci(ob) == 0;
    if (!bezOdcinkow && !jednaDlaSieci) return;
    for (int w = 1; w < ob.Grid.liczbaWierszy(); ++w) ob.Grid.ustawTekst(kolumna, w, tekst);
    if (!bezOdcinkow) {
        ob.WynikiAktualne = false;
        ob.PotrzebnaAnaliza = true;
    }
}

std::string zmienPoleWewn(Edytor& e, PoleObiektu pole, const std::string& tekst, bool analiza) {
    Obiekt& ob = e.ob;
    Parametry& p = ob.parametry;
    const std::string t = pole == PoleObiektu::EdTytu ? tekst : przecinekNaKropke(tekst);
    tekstPola(e.pola, pole) = t;
    switch (pole) {
        case PoleObiektu::EdTytu:
            p.Tytul = t;
            ob.PotrzebnaAnaliza = true;
            ob.DaneZmienione = true;
            break;
        case PoleObiektu::EdPminDop:
            parsujRzeczywista(e.kanal, t, p.PminDop);
            flagiPola(ob);
            break;
        case PoleObiektu::EdHs:
            parsujRzeczywista(e.kanal, t, p.HsGazu);
            flagiPola(ob);
            break;
        case PoleObiektu::EdQ1W1:
        case PoleObiektu::EdQ1W2:
        case PoleObiektu::EdQ1W3:
        case PoleObiektu::EdQ1W4:
            parsujRzeczywista(e.kanal, t,
                              p.Q1W[static_cast<std::size_t>(
                                  static_cast<int>(pole) - static_cast<int>(PoleObiektu::EdQ1W1))]);
            flagiPola(ob);
            break;
        case PoleObiektu::EdT: {
            double v = p.TcGazu;
            if (parsujRzeczywista(e.kanal, t, v)) p.ustawTemperature(v);
            flagiPola(ob);
            break;
        }
        case PoleObiektu::EddGazu: {
            double v = p.dGazu;
            if (parsujRzeczywista(e.kanal, t, v)) p.ustawGestoscWzgledna(v);
            flagiPola(ob);
            break;
        }
        case PoleObiektu::EdChro:
            parsujRzeczywista(e.kanal, t, p.ChropoDomyslne);
            ob.DaneZmienione = true;
            domyslnaKolumna(e, kol::Chropo, ob.opcje.CheckBoxChro, t);
            break;
        case PoleObiektu::Edlz:
            parsujRzeczywista(e.kanal, t, p.ProcentDomyslny);
            ob.DaneZmienione = true;
            domyslnaKolumna(e, kol::ProcentDluNaOpory, ob.opcje.CheckBoxProcent, t);
            break;
        case PoleObiektu::Edmnoznik:
            parsujRzeczywista(e.kanal, t, p.mnoznik);
            ob.PotrzebnaAnaliza = true;
            ob.DaneZmienione = true;
            e.wyczyscWyniki();
            if (analiza) {
                if (e.analizaWstepna)
                    e.analizaWstepna(e);
                else
                    e.okno.BuOblicz = kelmor::analizaWstepna(ob, e.kanal);
                ob.PotrzebnaAnaliza = false;
            }
            break;
    }
    return t;
}

}  // namespace

void wypelnijPola(Edytor& e) {
    const Parametry& p = e.ob.parametry;
    PolaObiektu& pola = e.pola;
    pola.CBjed1 = p.jednostkaP;
    pola.Lajed1 = p.NazwaJednostki;
    pola.CBUrban = p.urbanizacja - 1;
    pola.CBKomuna = p.sposoby;
    pola.EdQ1Wwlaczone = p.sposoby == 1;
    // Each text is set first, then its handler runs, as a field does.
    const std::string tytul = p.Tytul;
    const std::string PminDop = formatOgolny(p.PminDop, 4), Hs = formatOgolny(p.HsGazu, 4),
                      Chro = formatOgolny(p.ChropoDomyslne, 4),
                      lz = formatOgolny(p.ProcentDomyslny, 4), mn = formatOgolny(p.mnoznik, 4),
                      d = formatOgolny(p.dGazu, 4), T = formatOgolny(p.TcGazu, 4);
    std::array<std::string, 4> q;
    for (std::size_t i = 0; i < 4; ++i) q[i] = formatOgolny(p.Q1W[i], 4);
    zmienPoleWewn(e, PoleObiektu::EdTytu, tytul, false);
    zmienPoleWewn(e, PoleObiektu::EdPminDop, PminDop, false);
    zmienPoleWewn(e, PoleObiektu::EdHs, Hs, false);
    zmienPoleWewn(e, PoleObiektu::EdChro, Chro, false);
    zmienPoleWewn(e, PoleObiektu::Edlz, lz, false);
    // Filling the fields does not run the preliminary analysis.
    zmienPoleWewn(e, PoleObiektu::Edmnoznik, mn, false);
    zmienPoleWewn(e, PoleObiektu::EddGazu, d, false);
    zmienPoleWewn(e, PoleObiektu::EdT, T, false);
    for (int i = 0; i < 4; ++i)
        zmienPoleWewn(e, static_cast<PoleObiektu>(static_cast<int>(PoleObiektu::EdQ1W1) + i),
                      q[static_cast<std::size_t>(i)], false);
}

std::string zmienPole(Edytor& e, PoleObiektu pole, const std::string& tekst) {
    return zmienPoleWewn(e, pole, tekst, true);
}

void zmienJednostke(Edytor& e, int indeks) {
    if (indeks < 0 || indeks > 4) return;
    Obiekt& ob = e.ob;
    ob.parametry.ustawJednostke(indeks);
    flagiPola(ob);
    e.pola.CBjed1 = indeks;
    e.pola.Lajed1 = ob.parametry.NazwaJednostki;
}

void zmienModelPoborow(Edytor& e, int indeks) {
    if (indeks != 0 && indeks != 1) return;
    Obiekt& ob = e.ob;
    ob.zmienSposobPoborow(indeks);
    e.pola.CBKomuna = indeks;
    e.pola.EdQ1Wwlaczone = indeks == 1;
    flagiPola(ob);
}

void zmienUrbanizacje(Edytor& e, int indeks) {
    if (indeks < 0 || indeks > 2) return;
    e.ob.parametry.urbanizacja = indeks + 1;
    e.pola.CBUrban = indeks;
    flagiPola(e.ob);
}

std::string wpiszDoKomorkiZrodel(Edytor& e, int k, int w, const std::string& tekst) {
    Tabela& z = e.ob.ZrodlaGrid;
    if (!z.wZakresie(k, w) || w < 1) return {};
    const std::string t = przecinekNaKropke(tekst);
    z.ustawTekst(k, w, t);
    if (k == 0) return t;
    if (k == kol::NazwaZrodla) {
        parsujNazwe(e.kanal, t);
    } else if (k == kol::Pzrodla || k == kol::RzednaTeZrodla) {
        double v = 0;
        parsujRzeczywista(e.kanal, t, v);
    } else {
        int v = 0;
        parsujCalkowita(e.kanal, t, v);
    }
    e.ob.oznaczZmianeDanych();
    return t;
}

void przejdzDoKomorkiZrodel(Edytor& e, int k, int w) {
    Obiekt& ob = e.ob;
    Tabela& z = ob.ZrodlaGrid;
    if (!z.wZakresie(k, w) || w < 1 || k < 1) return;
    const BiezacaKomorka poprz = e.zrodla;
    const bool inna = poprz.kolumna != k || poprz.wiersz != w;
    if (inna && poprz.kolumna == kol::NazwaZrodla && poprz.wiersz >= 1 &&
        poprz.wiersz < z.liczbaWierszy()) {
        const int pw = poprz.wiersz;
        const std::string nazwa = nazwaWezla(z.tekst(kol::NazwaZrodla, pw));
        const Tabela& g = ob.Grid;
        for (int r = 1; !nazwa.empty() && r < g.liczbaWierszy(); ++r) {
            if (nazwaWezla(g.tekst(kol::WezelPocz, r)) == nazwa) {
                if (auto* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, r)) {
                    z.ustawTekst(kol::RzednaTeZrodla, pw, formatStaly(nwp->rzedna, 15, 2));
                    z.ustawTekst(kol::Xzrodla, pw, formatCalkowity(nwp->X));
                    z.ustawTekst(kol::Yzrodla, pw, formatCalkowity(nwp->Y));
                }
            }
            if (nazwaWezla(g.tekst(kol::WezelKonc, r)) == nazwa) {
                z.ustawTekst(kol::RzednaTeZrodla, pw, g.tekst(kol::RzednaTe, r));
                z.ustawTekst(kol::Xzrodla, pw, g.tekst(kol::X, r));
                z.ustawTekst(kol::Yzrodla, pw, g.tekst(kol::Y, r));
            }
        }
    }
    Obiekt::oznaczWiersz(z, w);
    e.zrodla = {k, w};
}

void zrodlaTracaFokus(Edytor& e) {
    Obiekt& ob = e.ob;
    // Findings about incomplete rows are listed when the calculation tab
    // validates the tables; here only the table is tidied and counted.
    const std::size_t linie = ob.ListBoxAnalizaDanych.size();
    walidujTabele(ob, ob.ZrodlaGrid, e.kanal);
    ob.ListBoxAnalizaDanych.resize(linie);
    const int ostatni = ob.ZrodlaGrid.liczbaWierszy() - 1;
    if (e.zrodla.wiersz > ostatni) e.zrodla.wiersz = ostatni;
    Obiekt::oznaczWiersz(ob.ZrodlaGrid, e.zrodla.wiersz);
}

void myszNadTabelaZrodel(Edytor& e, int k) {
    e.okno.StaZrodla = (k >= 0 && k < LiczbaKolumnZrodel) ? podpowiedzZrodel(k) : std::string();
}

std::string wpiszDoKomorkiKatalogu(Edytor& e, int k, int w, const std::string& tekst) {
    Obiekt& ob = e.ob;
    Tabela& r = ob.RurGrid;
    if (!r.wZakresie(k, w) || w < 1) return {};
    const std::string t = przecinekNaKropke(tekst);
    r.ustawTekst(k, w, t);
    if (k == 0) return t;
    if (k == kol::Dn) {
        parsujNazwe(e.kanal, t);
    } else {
        double v = 0;
        parsujRzeczywista(e.kanal, t, v);
    }
    if (ob.liczbaRur >= 1) {
        ob.KatalogZmieniony = true;
        ob.ustawPotrzebnaAnaliza();
    }
    return t;
}

void przejdzDoKomorkiKatalogu(Edytor& e, int k, int w) {
    Tabela& r = e.ob.RurGrid;
    if (!r.wZakresie(k, w) || w < 1 || k < 1) return;
    Obiekt::oznaczWiersz(r, w);
    e.katalog = {k, w};
}

}  // namespace kelmor
