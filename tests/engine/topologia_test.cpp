// Building the calculation model, row reversal and loop paths.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Analiza.h"
#include "engine/Model.h"
#include "engine/SiecTestowa.h"
#include "engine/Topologia.h"
#include "model/Walidacja.h"

namespace kelmor {
namespace {

using test::Odc;
using test::Zrodlo;
using ::testing::Contains;
using ::testing::HasSubstr;

int liczbaKorzeniNiepodlaczonych(const ModelSieci& m) {
    return static_cast<int>(
        std::count_if(m.korzenie.begin(), m.korzenie.end(),
                      [](const dzialka* d) { return d->Numer == kNumerNiepodlaczony; }));
}

std::vector<int> numeryCzlonkow(const oczko& o) {
    std::vector<int> r;
    for (const auto& s : o.skladniki) r.push_back(s.znak * s.odcinek->Numer);
    return r;
}

TEST(Budowa, DwaZasilaniaTegoSamegoWezlaDajaJednoOczko) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A"},
                     {.nr = 2, .S = "Z", .E = "C"},
                     {.nr = 3, .S = "A", .E = "B"},
                     {.nr = 4, .S = "C", .E = "B"},
                     {.nr = 5, .S = "B", .E = "D"}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    ASSERT_EQ(m.LiczbaOczek, 1);
    // Closed inside one tree: the common pseudo-segment is cut away.
    EXPECT_EQ(numeryCzlonkow(m.oczka[0]), (std::vector<int>{-1, -3, 4, 2}));
    EXPECT_DOUBLE_EQ(m.oczka[0].CisnienieZrodla, 0);
    EXPECT_DOUBLE_EQ(m.oczka[0].Ciag, 0);
    EXPECT_EQ(m.GridOsie[2][0], "1");
    EXPECT_EQ(m.GridOsie[2][1], "5");
    EXPECT_EQ(m.GridOsie[2][2], "5");  // Z, A, C, B, D
    EXPECT_EQ(m.GridOsie[2][3], "1");
    EXPECT_EQ(m.GridOsie[2][5], "500 m");
}

TEST(Budowa, OczkoMiedzyDwomaZrodlamiMaCiagRownyRozniczyCisnien) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "A", .E = "B"},
                     {.nr = 2, .S = "C", .E = "B"},
                     {.nr = 3, .S = "B", .E = "D", .kompresor = 0}},
                    {{.nazwa = "A", .p = 3}, {.nazwa = "C", .p = 2.5}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    ASSERT_EQ(m.LiczbaOczek, 1);
    const oczko& o = m.oczka[0];
    // -1 path from B up to source A, +1 path from the closing row up to C.
    EXPECT_EQ(numeryCzlonkow(o), (std::vector<int>{-kNumerZrodla, -1, 2, kNumerZrodla}));
    EXPECT_DOUBLE_EQ(o.CisnienieZrodla, 3 - 2.5);
    EXPECT_DOUBLE_EQ(o.Ciag, 0.5);
}

TEST(Budowa, KompresorWchodziDoCiaguOczka) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(
        ob, {{.nr = 1, .S = "A", .E = "B"}, {.nr = 2, .S = "C", .E = "B", .kompresor = 0.2}},
        {{.nazwa = "A", .p = 3}, {.nazwa = "C", .p = 2.5}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    ASSERT_EQ(m.LiczbaOczek, 1);
    EXPECT_DOUBLE_EQ(m.oczka[0].Ciag, 0.5 - 0.2);
}

TEST(Budowa, OdcinekKonczacySieNaZrodleDajeOczkoIQZeroWPseudoodcinku) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Y", .E = "A"},
                     {.nr = 2, .S = "A", .E = "Z"},
                     {.nr = 3, .S = "Z", .E = "B"}},
                    {{.nazwa = "Z", .p = 3}, {.nazwa = "Y", .p = 3}});
    ModelSieci m;
    walidujTabele(ob, k);
    odswiezRekordyPoczatkowe(ob, false);
    const WynikBudowy wb = zbudujSiec(ob, m, k);
    EXPECT_FALSE(wb.przebudowa);
    ASSERT_EQ(m.korzenie.size(), 2u);
    EXPECT_DOUBLE_EQ(m.korzenie[0]->Q, 0);  // Z: a row ends at it
    EXPECT_EQ(m.korzenie[1]->Q, kNieznane);
    EXPECT_EQ(m.LiczbaOczek, 1);
    EXPECT_EQ(numeryCzlonkow(m.oczka[0]), (std::vector<int>{-kNumerZrodla, 2}));
}

TEST(Budowa, WierszXXJestWycofany) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A"}, {.nr = 7, .S = "A", .E = "A"}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    EXPECT_THAT(ob.ListBoxAnalizaDanych, Contains("Wycofuję odcinek 7 z powodu błędu"));
    EXPECT_TRUE(wierszWycofany(ob.Grid, 2));
    EXPECT_EQ(modelSieci(ob)->GridOsie[2][2], "2");
    // Listed once, not again on the next analysis.
    ob.ListBoxAnalizaDanych.clear();
    ASSERT_TRUE(test::przygotuj(ob, k));
    EXPECT_TRUE(ob.ListBoxAnalizaDanych.empty());
}

TEST(Budowa, PierscienOsmiuOdcinkow) {
    Obiekt ob;
    RejestratorKomunikatow k;
    std::vector<Odc> o;
    o.push_back({.nr = 1, .S = "Z", .E = "1"});
    for (int i = 1; i < 7; ++i)
        o.push_back({.nr = i + 1, .S = std::to_string(i), .E = std::to_string(i + 1)});
    o.push_back({.nr = 8, .S = "Z", .E = "7"});
    test::ustawSiec(ob, o, {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const auto& g = modelSieci(ob)->GridOsie;
    EXPECT_EQ(g[2][1], "8");
    EXPECT_EQ(g[2][2], "8");
    EXPECT_EQ(g[2][3], "1");
}

TEST(Budowa, LancuchPisanyOdKoncaJestOdwracany) {
    // Dead end E5 written towards the network, rows in mixed order.
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 3, .S = "E3", .E = "E2", .qWez = 3, .X = 2},
                     {.nr = 1, .S = "Z", .E = "E1", .qWez = 1, .X = 1},
                     {.nr = 5, .S = "E5", .E = "E4", .qWez = 5, .X = 4},
                     {.nr = 2, .S = "E2", .E = "E1", .qWez = 1, .X = 1},
                     {.nr = 4, .S = "E4", .E = "E3", .qWez = 4, .X = 3}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    EXPECT_EQ(liczbaKorzeniNiepodlaczonych(m), 0);
    EXPECT_EQ(m.LiczbaOczek, 0);
    for (int nr = 2; nr <= 5; ++nr) {
        const int w = test::wierszOdcinka(ob, nr);
        EXPECT_EQ(ob.Grid.tekst(kol::WezelPocz, w), "E" + std::to_string(nr - 1)) << nr;
        EXPECT_EQ(ob.Grid.tekst(kol::WezelKonc, w), "E" + std::to_string(nr)) << nr;
        // The end node's own attributes travelled with it.
        EXPECT_EQ(ob.Grid.tekst(kol::X, w), std::to_string(nr == 5 ? 0 : nr)) << nr;
    }
    int linie = 0;
    for (const auto& l : ob.ListBoxAnalizaDanych)
        if (l.find("ierunek w odcinku") != std::string::npos) ++linie;
    EXPECT_EQ(linie, 4);
    EXPECT_TRUE(ob.DaneZmienione);
}

TEST(Odwracanie, DwukrotneOdwrocenieprzywracaTabele) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .qWez = 2.5, .rzedna = 7, .X = 10, .Y = 20},
                     {.nr = 2, .S = "A", .E = "B", .qWez = 1.5, .rzedna = 9, .X = 30, .Y = 40}},
                    {{.nazwa = "Z", .p = 3}});
    walidujTabele(ob, k);
    odswiezRekordyPoczatkowe(ob, false);
    const Tabela przed = ob.Grid;
    odwrocWiersz(ob, 2, k);
    EXPECT_EQ(ob.Grid.tekst(kol::WezelPocz, 2), "B");
    EXPECT_EQ(ob.Grid.tekst(kol::WezelKonc, 2), "A");
    EXPECT_EQ(ob.Grid.tekst(kol::PoborWez, 2), "2.5");
    EXPECT_EQ(ob.Grid.tekst(kol::X, 2), "10");
    EXPECT_EQ(ob.Grid.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 2)->znak, -1);
    odwrocWiersz(ob, 2, k);
    for (int c = 1; c < LiczbaKolumnDanych; ++c)
        EXPECT_EQ(ob.Grid.tekst(c, 2), przed.tekst(c, 2)) << c;
    EXPECT_EQ(ob.Grid.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 2)->znak, 1);
    EXPECT_TRUE(k.wpisy.empty());
}

TEST(Odwracanie, BuforWezlowPrzechowujeAtrybutyIZglaszaPrzepelnienie) {
    Obiekt ob;
    RejestratorKomunikatow k;
    std::vector<Odc> o;
    for (int i = 0; i < 101; ++i)
        o.push_back({.nr = i + 1,
                     .S = "P" + std::to_string(i),
                     .E = "K" + std::to_string(i),
                     .qWez = double(i),
                     .X = i});
    test::ustawSiec(ob, o, {{.nazwa = "Z", .p = 3}});
    walidujTabele(ob, k);
    odswiezRekordyPoczatkowe(ob, false);
    for (int w = 1; w <= 100; ++w) odwrocWiersz(ob, w, k);
    EXPECT_TRUE(ob.ListBoxAnalizaDanych.empty());
    EXPECT_EQ(ob.buforWezlow.wpisy.size(), 100u);
    // No data for the new end nodes P*: the user is asked for them.
    EXPECT_THAT(k.teksty(), Contains("dla węzła P0 trzeba podać komplet danych"));
    odwrocWiersz(ob, 101, k);
    EXPECT_THAT(ob.ListBoxAnalizaDanych, Contains("Przepełnienie bufora węzłów"));
    // Reversing row 50 back takes K49 from the buffer.
    odwrocWiersz(ob, 50, k);
    EXPECT_EQ(ob.Grid.tekst(kol::WezelKonc, 50), "K49");
    EXPECT_EQ(ob.Grid.tekst(kol::PoborWez, 50), "49");
    EXPECT_EQ(ob.Grid.tekst(kol::X, 50), "49");
    oproznijBuforWezlow(ob);
    EXPECT_TRUE(ob.buforWezlow.wpisy.empty());
}

TEST(AtrybutyWezla, UzupelnianieIRozpowszechnianie) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .qWez = 2, .rzedna = 5, .X = 1, .Y = 2},
                     {.nr = 2, .S = "Y", .E = "A"},
                     {.nr = 3, .S = "A", .E = "Y"},
                     {.nr = 1, .S = "A", .E = "B"}},
                    {{.nazwa = "Z", .p = 3}, {.nazwa = "Y", .p = 3, .rzedna = 8, .X = 4, .Y = 6}});
    walidujTabele(ob, k);
    EXPECT_TRUE(uzupelnijAtrybutyWezlaKoncowego(ob, 2));
    EXPECT_EQ(ob.Grid.tekst(kol::PoborWez, 2), "2");
    EXPECT_EQ(ob.Grid.tekst(kol::RzednaTe, 2), "5");
    EXPECT_TRUE(uzupelnijAtrybutyWezlaKoncowego(ob, 3));
    EXPECT_EQ(ob.Grid.tekst(kol::RzednaTe, 3), "8");
    EXPECT_EQ(ob.Grid.tekst(kol::PoborWez, 3), "0");
    EXPECT_FALSE(uzupelnijAtrybutyWezlaKoncowego(ob, 4));

    ob.Grid.ustawTekst(kol::X, 3, "77");
    rozpowszechnijAtrybutWezla(ob, 3, kol::X);
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::Xzrodla, 2), "77");
    ob.Grid.ustawTekst(kol::PoborWez, 1, "9");
    rozpowszechnijAtrybutWezla(ob, 1, kol::PoborWez);
    EXPECT_EQ(ob.Grid.tekst(kol::PoborWez, 2), "9");

    EXPECT_EQ(innyWierszZNumerem(ob, 1), 4);
    EXPECT_EQ(innyWierszZNumerem(ob, 2), 0);
}

}  // namespace
}  // namespace kelmor
