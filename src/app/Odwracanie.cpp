#include "app/Odwracanie.h"

#include "model/Liczby.h"
#include "model/Tekst.h"

namespace kelmor {

int BuforWezlowEdytora::znajdz(const std::string& nazwa) const {
    for (std::size_t i = 0; i < wpisy.size(); ++i)
        if (wpisy[i].nazwa == nazwa) return static_cast<int>(i);
    return -1;
}

namespace {

bool jestZrodlem(const Obiekt& ob, const std::string& nazwa, int* wiersz = nullptr) {
    for (int z = 1; z < ob.ZrodlaGrid.liczbaWierszy(); ++z)
        if (nazwaWezla(ob.ZrodlaGrid.tekst(kol::NazwaZrodla, z)) == nazwa) {
            if (wiersz) *wiersz = z;
            return true;
        }
    return false;
}

// First row other than `pomin` that ends at `nazwa`, or 0.
int wierszKonczacy(const Obiekt& ob, const std::string& nazwa, int pomin) {
    for (int w = 1; w < ob.Grid.liczbaWierszy(); ++w)
        if (w != pomin && nazwaWezla(ob.Grid.tekst(kol::WezelKonc, w)) == nazwa) return w;
    return 0;
}

double liczba(const std::string& t) { return naLiczbe(t).value_or(0); }
int calkowita(const std::string& t) { return naCalkowita(przytnij(t)).value_or(0); }

}  // namespace

void odwrocWiersz(Obiekt& ob, int r, BuforWezlowEdytora& bufor, KanalKomunikatow& k) {
    Tabela& g = ob.Grid;
    if (r < 1 || r >= g.liczbaWierszy()) return;

    const std::string tekstS = g.tekst(kol::WezelPocz, r);
    const std::string tekstE = g.tekst(kol::WezelKonc, r);
    const std::string S = nazwaWezla(tekstS);
    const std::string E = nazwaWezla(tekstE);

    // 1. The end node's attributes, as they stand in the row.
    WezelWBuforze e{E, g.tekst(kol::PoborWez, r), g.tekst(kol::X, r), g.tekst(kol::Y, r),
                    g.tekst(kol::RzednaTe, r)};
    auto* nwk = g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, r);
    if (nwk) {
        e.dokladneX = nwk->dokladneX;
        e.dokladneY = nwk->dokladneY;
        e.maDokladne = true;
    }

    // 2. Kept in the buffer when nothing else in the tables holds them.
    if (bufor.znajdz(E) < 0 && wierszKonczacy(ob, E, r) == 0 && !jestZrodlem(ob, E)) {
        if (static_cast<int>(bufor.wpisy.size()) >= BuforWezlowEdytora::kPojemnosc) {
            bufor.wpisy.erase(bufor.wpisy.begin());
            ob.ListBoxAnalizaDanych.push_back("Przepełnienie bufora węzłów");
        }
        bufor.wpisy.push_back(e);
    }

    // 3. Swap the nodes, empty the end-node columns, flip the direction sign.
    g.ustawTekst(kol::WezelKonc, r, tekstS);
    g.ustawTekst(kol::WezelPocz, r, tekstE);
    for (int c = kol::PoborWez; c <= kol::RzednaTe; ++c) g.ustawTekst(c, r, "");
    if (auto* kier = g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, r)) {
        kier->znak = -kier->znak;
    } else {
        auto& nowy = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, r);
        nowy.znak = -1;
        nowy.identyfikator = przytnij(tekstS) + "-" + przytnij(tekstE);
    }

    // 4. The new end node S takes its attributes from wherever they are known.
    bool znane = false;
    bool dokladne = false;
    double dx = 0, dy = 0;
    auto* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, r);
    if (nwp && !nwp->niepodlaczony) {
        g.ustawTekst(kol::PoborWez, r, formatOgolny(nwp->pobor, 15));
        g.ustawTekst(kol::RzednaTe, r, formatOgolny(nwp->rzedna, 15));
        g.ustawTekst(kol::X, r, formatCalkowity(nwp->X));
        g.ustawTekst(kol::Y, r, formatCalkowity(nwp->Y));
        dokladne = true;
        dx = nwp->dokladneX;
        dy = nwp->dokladneY;
        // The start-node record now describes E.
        nwp->pobor = liczba(e.pobor);
        nwp->rzedna = liczba(e.rzedna);
        nwp->X = calkowita(e.X);
        nwp->Y = calkowita(e.Y);
        nwp->dokladneX = e.maDokladne ? e.dokladneX : liczba(e.X);
        nwp->dokladneY = e.maDokladne ? e.dokladneY : liczba(e.Y);
        if (nwk) {
            std::swap(nwp->IdentyfikatorWezla, nwk->IdentyfikatorWezla);
            std::swap(nwp->WezelZrodlowy, nwk->WezelZrodlowy);
        }
        znane = true;
    } else if (int i = bufor.znajdz(S); i >= 0) {
        const WezelWBuforze& b = bufor.wpisy[static_cast<std::size_t>(i)];
        g.ustawTekst(kol::PoborWez, r, b.pobor);
        g.ustawTekst(kol::X, r, b.X);
        g.ustawTekst(kol::Y, r, b.Y);
        g.ustawTekst(kol::RzednaTe, r, b.rzedna);
        dokladne = b.maDokladne;
        dx = b.dokladneX;
        dy = b.dokladneY;
        bufor.wpisy.erase(bufor.wpisy.begin() + i);
        znane = true;
    } else if (int w = wierszKonczacy(ob, S, r); w > 0) {
        for (int c = kol::PoborWez; c <= kol::RzednaTe; ++c) g.ustawTekst(c, r, g.tekst(c, w));
        if (auto* inny = g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, w)) {
            dokladne = true;
            dx = inny->dokladneX;
            dy = inny->dokladneY;
        }
        znane = true;
    } else if (int z = 0; jestZrodlem(ob, S, &z)) {
        const Tabela& zr = ob.ZrodlaGrid;
        g.ustawTekst(kol::PoborWez, r, "0");
        g.ustawTekst(kol::X, r, zr.tekst(kol::Xzrodla, z));
        g.ustawTekst(kol::Y, r, zr.tekst(kol::Yzrodla, z));
        g.ustawTekst(kol::RzednaTe, r, zr.tekst(kol::RzednaTeZrodla, z));
        znane = true;
    }
    if (nwk) {
        nwk->dokladneX = dokladne ? dx : liczba(g.tekst(kol::X, r));
        nwk->dokladneY = dokladne ? dy : liczba(g.tekst(kol::Y, r));
    }
    if (!znane && (!ob.opcje.CheckBoxrrw || !ob.opcje.CheckBoxTeren || !ob.opcje.CheckBoxXY))
        k.informacja("dla węzła " + S + " trzeba podać komplet danych");
}

}  // namespace kelmor
