#include "model/Obiekt.h"

#include "model/Liczby.h"
#include "model/Tekst.h"

namespace kelmor {

Obiekt::Obiekt()
    : Grid(LiczbaKolumnDanych, 2),
      ZrodlaGrid(LiczbaKolumnZrodel, 2),
      RurGrid(LiczbaKolumnKatalogu, 2) {
    nowaTabelaSieci();
    nowaTabelaZrodel();
    nowyKatalog();
}

void Obiekt::ustawPotrzebnaAnaliza() {
    PotrzebnaAnaliza = true;
    WynikiAktualne = false;
    Grid.ustawLiczbeKolumn(LiczbaKolumnDanych);
}

void Obiekt::oznaczZmianeDanych(int kolumna) {
    DaneZmienione = true;
    ustawPotrzebnaAnaliza();
    if (kolumna == kol::WezelPocz || kolumna == kol::WezelKonc ||
        (kolumna >= kol::PoborWez && kolumna <= kol::RzednaTe))
        WezlyZmienione = true;
}

void Obiekt::domyslneWiersza(int w) {
    Grid.ustawTekst(kol::ProcentDluNaOpory, w, formatOgolny(parametry.ProcentDomyslny, 15));
    for (int k : {8, 9, 10, 11, 13, 14, 15, 16, 17}) Grid.ustawTekst(k, w, "0");
    Grid.ustawTekst(kol::Sklepy, w, "brak");
    Grid.ustawTekst(kol::Chropo, w, formatOgolny(parametry.ChropoDomyslne, 15));
    Grid.ustawTekst(kol::IleOpo, w, "0 szt");
}

void Obiekt::nowaTabelaSieci() {
    Grid.ustawLiczbeKolumn(LiczbaKolumnDanych);
    Grid.wyczyscDane(2);
    Grid.ustawTekst(0, 1, "*");
    domyslneWiersza(1);
}

void Obiekt::nowaTabelaZrodel() {
    ZrodlaGrid.wyczyscDane(2);
    ZrodlaGrid.ustawTekst(0, 1, "*");
    for (int k : {kol::RzednaTeZrodla, kol::Xzrodla, kol::Yzrodla})
        ZrodlaGrid.ustawTekst(k, 1, "0");
}

void Obiekt::nowyKatalog() {
    RurGrid.wyczyscDane(2);
    RurGrid.ustawTekst(0, 1, "*");
}

void Obiekt::zmienSposobPoborow(int nowy) {
    if (nowy != 0 && nowy != 1) return;
    if (nowy == parametry.sposoby) return;
    for (int w = 1; w < Grid.liczbaWierszy(); ++w) {
        for (int k = kol::LiczbaOdbiorCeleKom; k <= kol::JednostGrzanie; ++k) {
            Ttaryfy* r = Grid.rekordTypu<Ttaryfy>(k, w);
            if (!r) {
                r = &Grid.zapewnijRekord<Ttaryfy>(k, w);
                r->komunalny = "0";
                r->taryfowy = "0";
            }
            std::string biezacy = Grid.tekst(k, w);
            if (nowy == 1) {
                r->komunalny = std::move(biezacy);
                Grid.ustawTekst(k, w, r->taryfowy);
            } else {
                r->taryfowy = std::move(biezacy);
                Grid.ustawTekst(k, w, r->komunalny);
            }
        }
    }
    parametry.sposoby = nowy;
    OpisModeluPoborow = nowy == 1 ? "według taryf" : "komunalni i ogrzewający";
}

void Obiekt::oznaczWiersz(Tabela& t, int wiersz) {
    for (int w = 1; w < t.liczbaWierszy(); ++w) t.ustawTekst(0, w, w == wiersz ? "*" : "");
}

std::string nazwaWezla(const std::string& tekst) {
    return pierwszeZnaki(przytnij(tekst), DlugoscNazwy);
}

}  // namespace kelmor
