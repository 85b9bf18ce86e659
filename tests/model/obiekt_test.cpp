#include "model/Obiekt.h"

#include <gtest/gtest.h>

using namespace kelmor;

TEST(Parametry, WartosciDomyslne) {
    Parametry p;
    EXPECT_EQ(p.jednostkaP, 2);
    EXPECT_EQ(p.NazwaJednostki, "kPa");
    EXPECT_EQ(p.PrzelicznikCisnienia, 1);
    EXPECT_EQ(p.TcGazu, 10);
    EXPECT_EQ(p.dGazu, 0.6);
    EXPECT_EQ(p.HsGazu, 40);
    EXPECT_EQ(p.ChropoDomyslne, 0.1);
    EXPECT_EQ(p.urbanizacja, 2);
    EXPECT_EQ(p.mnoznik, 1.0);
    EXPECT_EQ(p.Q1W[0], 1.2);
    EXPECT_EQ(p.Q1W[3], 4.2);
    EXPECT_EQ(p.wzory.metoda, 0);
}

// Normal density of air is 1.2929 kg/m3; R*T/M of a 0.6 gas at 10 C by hand:
// 283.15 * 8314.5 / (0.7757538 * 22.414097) = 135396.5 J/kg.
TEST(Parametry, WartosciPochodnePrzeliczaneZTemperaturyIGestosci) {
    Parametry p;
    EXPECT_NEAR(p.GestoscNormalna, 0.7757538, 1e-9);
    EXPECT_NEAR(p.GestoscNormalna3600 * 3600, 0.7757538, 1e-9);
    EXPECT_NEAR(p.IloczynRT, 135396.533, 1e-3);
    EXPECT_NEAR(p.PredkoscDzwieku, 367.9627, 1e-4);
    p.ustawTemperature(15);
    p.ustawGestoscWzgledna(0.55);
    EXPECT_NEAR(p.IloczynRT, 150313.561, 1e-3);
    EXPECT_NEAR(p.PredkoscDzwieku, 387.7029, 1e-4);
}

TEST(Parametry, JednostkaCisnienia) {
    struct {
        int j;
        double f;
        const char* n;
    } przypadki[] = {
        {0, 0.001, "Pa"}, {1, 0.1, "hPa"}, {2, 1, "kPa"}, {3, 100, "BAR"}, {4, 1000, "MPa"}};
    for (const auto& c : przypadki) {
        Parametry p;
        p.PminDop = 2.5;
        p.ustawJednostke(c.j);
        EXPECT_EQ(p.PrzelicznikCisnienia, c.f);
        EXPECT_EQ(p.NazwaJednostki, c.n);
        // the typed value stays; only its meaning changes
        EXPECT_EQ(p.PminDop, 2.5);
    }
    Parametry p;
    p.ustawJednostke(7);
    EXPECT_EQ(p.jednostkaP, 2);
}

TEST(Obiekt, NowaTabelaSieciMaDomyslneWiersza) {
    Obiekt ob;
    ob.parametry.ProcentDomyslny = 5;
    ob.parametry.ChropoDomyslne = 0.05;
    ob.nowaTabelaSieci();
    const Tabela& g = ob.Grid;
    EXPECT_EQ(g.liczbaKolumn(), 20);
    EXPECT_EQ(g.liczbaWierszy(), 2);
    EXPECT_EQ(g.tekst(0, 1), "*");
    for (int k : {8, 9, 10, 11, 13, 14, 15, 16, 17}) EXPECT_EQ(g.tekst(k, 1), "0") << k;
    EXPECT_EQ(g.tekst(12, 1), "brak");
    EXPECT_EQ(g.tekst(19, 1), "0 szt");
    EXPECT_EQ(g.tekst(7, 1), "5");
    EXPECT_EQ(g.tekst(18, 1), "0.05");
    EXPECT_EQ(g.tekst(1, 1), "");

    EXPECT_EQ(ob.ZrodlaGrid.liczbaKolumn(), 6);
    EXPECT_EQ(ob.ZrodlaGrid.tekst(0, 1), "*");
    for (int k : {3, 4, 5}) EXPECT_EQ(ob.ZrodlaGrid.tekst(k, 1), "0");
    EXPECT_EQ(ob.RurGrid.liczbaKolumn(), 4);
    EXPECT_EQ(ob.RurGrid.tekst(0, 1), "*");
}

TEST(Obiekt, FlagiPoczatkoweIZmianaDanych) {
    Obiekt ob;
    EXPECT_FALSE(ob.DaneZmienione);
    EXPECT_TRUE(ob.PotrzebnaAnaliza);
    EXPECT_FALSE(ob.WynikiAktualne);

    struct {
        int kolumna;
        bool wezly;
    } przypadki[] = {{3, true},  {4, true},  {14, true},  {15, true},  {16, true},
                     {17, true}, {5, false}, {13, false}, {18, false}, {-1, false}};
    for (const auto& c : przypadki) {
        Obiekt o;
        o.PotrzebnaAnaliza = false;
        o.WynikiAktualne = true;
        o.Grid.ustawLiczbeKolumn(29);
        o.oznaczZmianeDanych(c.kolumna);
        EXPECT_TRUE(o.DaneZmienione);
        EXPECT_TRUE(o.PotrzebnaAnaliza);
        EXPECT_FALSE(o.WynikiAktualne);
        EXPECT_EQ(o.Grid.liczbaKolumn(), 20) << "results hidden after edit";
        EXPECT_EQ(o.WezlyZmienione, c.wezly) << c.kolumna;
    }
}

TEST(Obiekt, ZmianaModeluPoborowIPowrotOdtwarzaTeksty) {
    Obiekt ob;
    ob.Grid.ustawLiczbeWierszy(3);
    const char* kom[2][4] = {{"12", "1.2", "3", "2.5"}, {"7", "0.9", "0", "0"}};
    for (int w = 1; w <= 2; ++w)
        for (int k = 8; k <= 11; ++k) ob.Grid.ustawTekst(k, w, kom[w - 1][k - 8]);

    ob.zmienSposobPoborow(1);
    EXPECT_EQ(ob.parametry.sposoby, 1);
    EXPECT_EQ(ob.OpisModeluPoborow, "według taryf");
    for (int k = 8; k <= 11; ++k) EXPECT_EQ(ob.Grid.tekst(k, 1), "0");  // new record: "0"
    ob.Grid.ustawTekst(9, 2, "4");                                      // a tariff count typed

    ob.zmienSposobPoborow(0);
    EXPECT_EQ(ob.OpisModeluPoborow, "komunalni i ogrzewający");
    for (int w = 1; w <= 2; ++w)
        for (int k = 8; k <= 11; ++k) EXPECT_EQ(ob.Grid.tekst(k, w), kom[w - 1][k - 8]);

    ob.zmienSposobPoborow(1);
    EXPECT_EQ(ob.Grid.tekst(9, 2), "4");
}

TEST(Obiekt, KilkaDokumentowNiezaleznych) {
    Obiekt a, b;
    a.Grid.ustawTekst(3, 1, "W1");
    a.parametry.ustawJednostke(3);
    EXPECT_EQ(b.Grid.tekst(3, 1), "");
    EXPECT_EQ(b.parametry.NazwaJednostki, "kPa");
}

TEST(NazwaWezla, PrzycietaDo16Znakow) {
    EXPECT_EQ(nazwaWezla("  Węzeł 1  "), "Węzeł 1");
    EXPECT_EQ(nazwaWezla("Żółwiowa-Źródlana-12"), "Żółwiowa-Źródlan");
}
