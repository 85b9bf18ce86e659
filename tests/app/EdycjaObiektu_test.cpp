#include "app/EdycjaObiektu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/EdycjaTabeli.h"
#include "app/PomocEdytora.h"

using namespace kelmor;
using namespace kelmor::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TEST(ModelPoborow, SwitchingAndBackRestoresEveryTextOfColumns8To11) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    const std::vector<std::vector<std::string>> komunalne = {{"10", "1.2", "3", "2.5"},
                                                             {"4", "0.8", "0", "1,5x"}};
    for (int w = 1; w <= 2; ++w)
        for (int k = 8; k <= 11; ++k) s.g().ustawTekst(k, w, komunalne[w - 1][k - 8]);

    zmienModelPoborow(s.e, 1);
    EXPECT_EQ(s.e.ob.OpisModeluPoborow, "według taryf");
    EXPECT_TRUE(s.e.pola.EdQ1Wwlaczone);
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    for (int w = 1; w <= 2; ++w)
        for (int k = 8; k <= 11; ++k) EXPECT_EQ(s.g().tekst(k, w), "0");
    // Tariff counts typed, and a row added, while in the tariff model.
    s.g().ustawTekst(8, 1, "7");
    wstawWierszNaKoniec(s.e, TabelaEdytora::Siec);
    s.g().ustawTekst(9, 3, "5");

    zmienModelPoborow(s.e, 0);
    EXPECT_EQ(s.e.ob.OpisModeluPoborow, "komunalni i ogrzewający");
    EXPECT_FALSE(s.e.pola.EdQ1Wwlaczone);
    for (int w = 1; w <= 2; ++w)
        for (int k = 8; k <= 11; ++k) EXPECT_EQ(s.g().tekst(k, w), komunalne[w - 1][k - 8]);
    for (int k = 8; k <= 11; ++k) EXPECT_EQ(s.g().tekst(k, 3), "0") << k;

    zmienModelPoborow(s.e, 1);
    EXPECT_EQ(s.g().tekst(8, 1), "7");
    EXPECT_EQ(s.g().tekst(9, 3), "5");
}

TEST(Jednostka, ChangesMeaningNotTheTypedNumbers) {
    Srodowisko s;
    zmienPole(s.e, PoleObiektu::EdPminDop, "3");
    zrodlo(s.e, 1, "Z", "2,5", "0", "0", "0");
    s.e.ob.DaneZmienione = false;
    zmienJednostke(s.e, 3);
    EXPECT_EQ(s.e.pola.EdPminDop, "3");
    EXPECT_DOUBLE_EQ(s.e.ob.parametry.PminDop, 3);
    EXPECT_DOUBLE_EQ(s.e.ob.parametry.PminDop * s.e.ob.parametry.PrzelicznikCisnienia, 300);
    EXPECT_EQ(s.e.pola.Lajed1, "BAR");
    EXPECT_EQ(s.e.pola.CBjed1, 3);
    EXPECT_EQ(s.e.ob.ZrodlaGrid.tekst(kol::Pzrodla, 1), "2,5");
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    zmienJednostke(s.e, 7);  // no such unit
    EXPECT_EQ(s.e.ob.parametry.jednostkaP, 3);
}

TEST(Pola, NumbersParsedWithPointAndBadNumbersKeepTheParameter) {
    struct Przypadek {
        PoleObiektu pole;
        const char* tekst;
        const char* wPolu;
        double Parametry::*parametr;
        double oczekiwana;
        bool dialog;
    };
    for (const Przypadek& p :
         {Przypadek{PoleObiektu::EdPminDop, "1,5", "1.5", &Parametry::PminDop, 1.5, false},
          Przypadek{PoleObiektu::EdHs, "35,2", "35.2", &Parametry::HsGazu, 35.2, false},
          Przypadek{PoleObiektu::EdHs, "3x", "3x", &Parametry::HsGazu, 40, true},
          Przypadek{PoleObiektu::EdHs, "", "", &Parametry::HsGazu, 0, false},
          Przypadek{PoleObiektu::EdT, "15", "15", &Parametry::TcGazu, 15, false},
          Przypadek{PoleObiektu::EdT, "1 5", "1 5", &Parametry::TcGazu, 10, true},
          Przypadek{PoleObiektu::EddGazu, "0,55", "0.55", &Parametry::dGazu, 0.55, false},
          Przypadek{PoleObiektu::Edmnoznik, "1,2", "1.2", &Parametry::mnoznik, 1.2, false}}) {
        Srodowisko s;
        s.e.ob.WynikiAktualne = true;
        s.e.ob.PotrzebnaAnaliza = false;
        EXPECT_EQ(zmienPole(s.e, p.pole, p.tekst), p.wPolu);
        EXPECT_DOUBLE_EQ(s.e.ob.parametry.*p.parametr, p.oczekiwana) << p.tekst;
        EXPECT_EQ(s.kanal.wpisy.size(), p.dialog ? 1u : 0u) << p.tekst;
        if (p.dialog) {
            EXPECT_EQ(s.kanal.teksty()[0], std::string("Błąd w zapisie liczby: ") + p.tekst);
        }
        EXPECT_TRUE(s.e.ob.DaneZmienione);
        EXPECT_FALSE(s.e.ob.WynikiAktualne);
    }
}

TEST(Pola, GasTemperatureAndDensityRecomputeDerivedValues) {
    Srodowisko s;
    zmienPole(s.e, PoleObiektu::EddGazu, "1");
    EXPECT_NEAR(s.e.ob.parametry.GestoscNormalna, 1.292923, 1e-12);
    zmienPole(s.e, PoleObiektu::EdT, "0");
    // Air at 0 °C: R T = 8314.5 * 273.15 / (1.292923 * 22.414097) ≈ 78370 J/kg.
    EXPECT_NEAR(s.e.ob.parametry.IloczynRT, 8314.5 * 273.15 / (1.292923 * 22.414097), 1e-6);
    EXPECT_NEAR(s.e.ob.parametry.PredkoscDzwieku, 279.95, 0.01);
}

TEST(Pola, TitleUrbanisationAndTariffUnitDemands) {
    Srodowisko s;
    zmienPole(s.e, PoleObiektu::EdTytu, "Sieć, Łódź");
    EXPECT_EQ(s.e.ob.parametry.Tytul, "Sieć, Łódź");  // a comma stays in the title
    zmienUrbanizacje(s.e, 2);
    EXPECT_EQ(s.e.ob.parametry.urbanizacja, 3);
    zmienPole(s.e, PoleObiektu::EdQ1W3, "4,4");
    EXPECT_DOUBLE_EQ(s.e.ob.parametry.Q1W[2], 4.4);
    EXPECT_EQ(s.e.pola.EdQ1W[2], "4.4");
}

TEST(Pola, DefaultRoughnessRewritesEveryRowOnlyWithOneRoughnessForTheNetwork) {
    for (bool jedna : {false, true}) {
        Srodowisko s;
        s.e.ob.opcje.CheckBoxChro = jedna;
        odcinek(s.e, 1, "1", "A", "B");
        odcinek(s.e, 2, "2", "B", "C");
        s.g().ustawTekst(kol::Chropo, 2, "0.5");
        s.e.ob.liczbaOdcinkow = 2;
        s.e.ob.PotrzebnaAnaliza = false;
        zmienPole(s.e, PoleObiektu::EdChro, "0,03");
        EXPECT_DOUBLE_EQ(s.e.ob.parametry.ChropoDomyslne, 0.03);
        EXPECT_TRUE(s.e.ob.DaneZmienione);
        if (jedna) {
            EXPECT_THAT(kolumna(s.g(), kol::Chropo), ElementsAre("0.03", "0.03"));
            EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
        } else {
            EXPECT_THAT(kolumna(s.g(), kol::Chropo), ElementsAre("0.1", "0.5"));
            EXPECT_FALSE(s.e.ob.PotrzebnaAnaliza);
        }
        // New rows take the new default either way.
        wstawWierszNaKoniec(s.e, TabelaEdytora::Siec);
        EXPECT_EQ(s.g().tekst(kol::Chropo, 3), "0.03");
    }
}

TEST(Pola, DefaultPercentageGoesIntoTheRowOfAnEmptyTable) {
    Srodowisko s;
    zmienPole(s.e, PoleObiektu::Edlz, "5");
    EXPECT_EQ(s.g().tekst(kol::ProcentDluNaOpory, 1), "5");
    EXPECT_DOUBLE_EQ(s.e.ob.parametry.ProcentDomyslny, 5);
}

TEST(Pola, FillingRoundsLoadedParametersToFourDigits) {
    Srodowisko s;
    Parametry& p = s.e.ob.parametry;
    p.HsGazu = 2.34567;
    p.dGazu = 0.612345;
    p.Q1W[0] = 1.23456;
    p.mnoznik = 1.00049;
    p.Tytul = "Osiedle";
    p.ustawJednostke(4);
    p.sposoby = 1;
    p.urbanizacja = 1;
    wypelnijPola(s.e);
    EXPECT_EQ(s.e.pola.EdHs, "2.346");
    EXPECT_DOUBLE_EQ(p.HsGazu, 2.346);
    EXPECT_DOUBLE_EQ(p.dGazu, 0.6123);
    EXPECT_NEAR(p.GestoscNormalna, 0.6123 * 1.292923, 1e-12);
    EXPECT_DOUBLE_EQ(p.Q1W[0], 1.235);
    EXPECT_EQ(s.e.pola.Edmnoznik, "1");
    EXPECT_EQ(s.e.pola.EdTytu, "Osiedle");
    EXPECT_EQ(s.e.pola.Lajed1, "MPa");
    EXPECT_EQ(s.e.pola.CBjed1, 4);
    EXPECT_EQ(s.e.pola.CBUrban, 0);
    EXPECT_TRUE(s.e.pola.EdQ1Wwlaczone);
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
}

TEST(Pola, MultiplierRunsThePreliminaryAnalysisAtOnce) {
    Srodowisko s;
    s.e.ob.ListBoxWyni = {"wynik"};
    s.e.ob.LaRaport1 = "raport";
    s.e.okno.BuRozklad = s.e.okno.BuLiCi = s.e.okno.BuDruWyni = true;
    s.e.ob.WynikiAktualne = true;
    // The program's own analysis (an empty network: nothing to calculate).
    zmienPole(s.e, PoleObiektu::Edmnoznik, "2");
    EXPECT_FALSE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(s.e.okno.BuOblicz);
    EXPECT_THAT(s.e.ob.ListBoxWyni, IsEmpty());
    EXPECT_EQ(s.e.ob.LaRaport1, "");
    EXPECT_FALSE(s.e.okno.BuRozklad || s.e.okno.BuLiCi || s.e.okno.BuDruWyni);
    EXPECT_FALSE(s.e.ob.WynikiAktualne);

    int analizy = 0;
    s.e.analizaWstepna = [&](Edytor& e) {
        ++analizy;
        EXPECT_DOUBLE_EQ(e.ob.parametry.mnoznik, 3);
    };
    zmienPole(s.e, PoleObiektu::Edmnoznik, "3");
    EXPECT_EQ(analizy, 1);
    EXPECT_FALSE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    wypelnijPola(s.e);  // filling the fields runs no analysis
    EXPECT_EQ(analizy, 1);
}

// ---- Sources table ------------------------------------------------------

TEST(Zrodla, TypingParsesPerColumnAndMarksChanged) {
    struct Przypadek {
        int kol;
        const char* tekst;
        const char* dialog;
    };
    for (const Przypadek& p :
         {Przypadek{1, "Stacja", ""}, Przypadek{2, "2,5", ""},
          Przypadek{3, "x", "Błąd w zapisie liczby: x"},
          Przypadek{4, "1.5", "Błąd w zapisie liczby całkowitej: 1.5"}, Przypadek{5, "-", ""}}) {
        Srodowisko s;
        s.e.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
        s.e.ob.WynikiAktualne = true;
        s.e.ob.PotrzebnaAnaliza = false;
        const std::string t = wpiszDoKomorkiZrodel(s.e, p.kol, 1, p.tekst);
        EXPECT_EQ(s.e.ob.ZrodlaGrid.tekst(p.kol, 1), t);
        if (*p.dialog)
            EXPECT_THAT(s.kanal.teksty(), ElementsAre(p.dialog));
        else
            EXPECT_THAT(s.kanal.teksty(), IsEmpty());
        EXPECT_TRUE(s.e.ob.DaneZmienione);
        EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
        EXPECT_FALSE(s.e.ob.WynikiAktualne);
    }
}

TEST(Zrodla, LeavingTheNameTakesTheNodeDataFromTheNetwork) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "S");
    atrybuty(s.e, 1, "0", "15", "25", "103.5");
    odcinek(s.e, 2, "2", "S", "C");
    wpiszDoKomorkiZrodel(s.e, 1, 1, "S");
    przejdzDoKomorkiZrodel(s.e, 1, 1);  // same cell: nothing is left
    EXPECT_EQ(s.e.ob.ZrodlaGrid.tekst(kol::Xzrodla, 1), "0");
    przejdzDoKomorkiZrodel(s.e, 2, 1);
    EXPECT_THAT(wiersz(s.e.ob.ZrodlaGrid, 1), ElementsAre("*", "S", "", "103.5", "15", "25"));
}

TEST(Zrodla, StartNodeRecordGivesElevationWithTwoDecimals) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "S", "B");
    auto& nwp = s.g().zapewnijRekord<TdaneNWP>(kol::WezelPocz, 1);
    nwp.rzedna = 7.126;
    nwp.X = -3;
    nwp.Y = 9;
    wpiszDoKomorkiZrodel(s.e, 1, 1, "S");
    przejdzDoKomorkiZrodel(s.e, 3, 1);
    EXPECT_THAT(wiersz(s.e.ob.ZrodlaGrid, 1), ElementsAre("*", "S", "", "7.13", "-3", "9"));
}

TEST(Zrodla, MarkerFollowsAndFocusOutValidates) {
    Srodowisko s;
    zrodlo(s.e, 1, "Z1", "100", "0", "0", "0");
    zrodlo(s.e, 2, "", "", "0", "0", "0");
    zrodlo(s.e, 3, "Z3", "", "0", "0", "0");
    przejdzDoKomorkiZrodel(s.e, 2, 3);
    EXPECT_THAT(kolumna(s.e.ob.ZrodlaGrid, 0), ElementsAre("", "", "*"));
    zrodlaTracaFokus(s.e);
    EXPECT_THAT(kolumna(s.e.ob.ZrodlaGrid, kol::NazwaZrodla), ElementsAre("Z1", "Z3"));
    EXPECT_EQ(s.e.ob.liczbaZrodel, 2);
    EXPECT_TRUE(s.e.ob.bladZrodel);  // Z3 has no pressure
    EXPECT_EQ(s.e.zrodla.wiersz, 2);
    EXPECT_THAT(kolumna(s.e.ob.ZrodlaGrid, 0), ElementsAre("", "*"));
}

TEST(Zrodla, Hints) {
    Srodowisko s;
    myszNadTabelaZrodel(s.e, 4);
    EXPECT_EQ(s.e.okno.StaZrodla,
              "Współrzędna pozioma na planie sieci (jednostka dowolna). Zalecane wypełnianie !");
    myszNadTabelaZrodel(s.e, -1);
    EXPECT_EQ(s.e.okno.StaZrodla, "");
}

// ---- Catalogue ----------------------------------------------------------

TEST(Katalog, TypingMarksTheCatalogueOnlyOnceItHasEntries) {
    Srodowisko s;
    s.e.ob.PotrzebnaAnaliza = false;
    EXPECT_EQ(wpiszDoKomorkiKatalogu(s.e, 2, 1, "114,3"), "114.3");
    EXPECT_FALSE(s.e.ob.KatalogZmieniony);
    EXPECT_FALSE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(s.e.ob.DaneZmienione);
    wstawWierszNaKoniec(s.e, TabelaEdytora::Katalog);
    wpiszDoKomorkiKatalogu(s.e, 1, 2, "Dn100_bardzo_dluga");
    EXPECT_THAT(
        s.kanal.teksty(),
        ElementsAre("Przekroczenie maksymalnej długości nazwy (do 16 znaków): Dn100_bardzo_dluga"));
    EXPECT_TRUE(s.e.ob.KatalogZmieniony);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(s.e.ob.DaneZmienione);
    przejdzDoKomorkiKatalogu(s.e, 1, 1);
    EXPECT_THAT(kolumna(s.e.ob.RurGrid, 0), ElementsAre("*", ""));
}

}  // namespace
