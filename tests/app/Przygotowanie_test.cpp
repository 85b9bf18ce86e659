#include "app/Przygotowanie.h"

#include <gtest/gtest.h>

#include "SiecTestowa.h"
#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

#include <algorithm>

namespace kelmor {
namespace {

using test::dodajOdcinek;
using test::dodajZrodlo;

struct Fixture : ::testing::Test {
    RejestratorKomunikatow kanal;
    Edytor ed{kanal};
    Obiekt& ob = ed.ob;
};

using ZakresTest = Fixture;

TEST_F(ZakresTest, AllCoordinatesZeroLeaveNoSchematic) {
    test::siecRozgaleziona(ob);
    przygotujObliczenia(ed);
    EXPECT_TRUE(ob.BrakWspolrzednych);
    EXPECT_FALSE(ed.okno.BuSchemat);
    EXPECT_EQ(ob.zakres.minX, 0);
    EXPECT_EQ(ob.zakres.maxX, 0);
    EXPECT_EQ(ob.zakres.maxY, 0);
}

TEST_F(ZakresTest, SpansDecideByTheirThresholds) {
    struct Przypadek {
        int x, y;
        bool brak;
    };
    // Width must exceed 5; height must reach 6.
    for (const Przypadek p : {Przypadek{0, 6, false}, Przypadek{0, 5, true}, Przypadek{6, 0, false},
                              Przypadek{5, 0, true}, Przypadek{0, -6, false}}) {
        RejestratorKomunikatow k;
        Edytor e(k);
        dodajZrodlo(e.ob, "S", "2");
        dodajOdcinek(e.ob, 1, "S", "A", "50", "10");
        dodajOdcinek(e.ob, 2, "A", "B", "50", "10", p.x, p.y);
        przygotujObliczenia(e);
        EXPECT_EQ(e.ob.BrakWspolrzednych, p.brak) << p.x << "," << p.y;
        EXPECT_EQ(e.okno.BuSchemat, !p.brak) << p.x << "," << p.y;
    }
}

TEST_F(ZakresTest, SourcesAndConnectedStartNodesCountWithdrawnRowsDoNot) {
    dodajZrodlo(ob, "S", "2", 0, 0);
    dodajOdcinek(ob, 1, "S", "A", "50", "10");
    const int w = dodajOdcinek(ob, 2, "A", "B", "50", "10", 0, 100);
    ob.Grid.zapewnijRekord<TWycof>(kol::NumerOdcinka, w).wycofany = 1;
    walidujTabele(ob, kanal);
    zakresWspolrzednych(ed);
    EXPECT_TRUE(ob.BrakWspolrzednych);  // the withdrawn row's Y does not count

    ob.ZrodlaGrid.ustawTekst(kol::Yzrodla, 1, "-10");
    zakresWspolrzednych(ed);
    EXPECT_FALSE(ob.BrakWspolrzednych);
    EXPECT_EQ(ob.zakres.minY, -10);
    EXPECT_EQ(ob.zakres.maxY, 0);

    // Start-node record of row 1: counts when connected, not otherwise.
    ob.ZrodlaGrid.ustawTekst(kol::Yzrodla, 1, "0");
    auto& p = ob.Grid.zapewnijRekord<TdaneNWP>(kol::WezelPocz, 1);
    p.X = 40;
    p.niepodlaczony = 1;
    zakresWspolrzednych(ed);
    EXPECT_TRUE(ob.BrakWspolrzednych);
    p.niepodlaczony = 0;
    zakresWspolrzednych(ed);
    EXPECT_FALSE(ob.BrakWspolrzednych);
    EXPECT_EQ(ob.zakres.maxX, 40);
}

TEST_F(ZakresTest, EmptyNetworkHasNoExtent) {
    zakresWspolrzednych(ed);
    EXPECT_TRUE(ob.BrakWspolrzednych);
    EXPECT_EQ(ob.zakres.minX, 100000000);
    EXPECT_EQ(ob.zakres.maxX, -100000000);
}

TEST_F(ZakresTest, ExtremeCoordinatesDoNotOverflow) {
    dodajZrodlo(ob, "S", "2", -2147483647 - 1, 0);
    dodajOdcinek(ob, 1, "S", "A", "50", "10", 2147483647, 0);
    przygotujObliczenia(ed);
    EXPECT_FALSE(ob.BrakWspolrzednych);
}

using PrzygotowanieTest = Fixture;

TEST_F(PrzygotowanieTest, ClearsFlagsAndResults) {
    test::siecRozgaleziona(ob);
    ob.WezlyZmienione = true;
    ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    ob.WynikiAktualne = true;
    ob.ListBoxWyni = {"stare"};
    ob.LaRaport1 = "Koniec obliczeń";
    ob.LaRaport2 = "x";
    ed.okno.BuRozklad = ed.okno.BuLiCi = ed.okno.BuDruWyni = true;

    EXPECT_TRUE(przygotujObliczenia(ed));
    EXPECT_FALSE(ob.PotrzebnaAnaliza);
    EXPECT_FALSE(ob.WezlyZmienione);
    EXPECT_FALSE(ob.WynikiAktualne);
    EXPECT_EQ(ob.Grid.liczbaKolumn(), LiczbaKolumnDanych);
    EXPECT_TRUE(ob.ListBoxWyni.empty());
    EXPECT_TRUE(ob.LaRaport1.empty());
    EXPECT_TRUE(ob.LaRaport2.empty());
    EXPECT_FALSE(ed.okno.BuRozklad || ed.okno.BuLiCi || ed.okno.BuDruWyni);
    EXPECT_TRUE(ed.okno.BuOblicz);
    EXPECT_EQ(ob.liczbaOdcinkow, 3);
    EXPECT_EQ(ob.liczbaZrodel, 1);
    EXPECT_EQ(ob.liczbaRur, 2);
    // The start-node records were refreshed: row 2 starts at A, fed by row 1.
    ASSERT_NE(ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 2), nullptr);
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 2)->niepodlaczony, 0);
}

TEST_F(PrzygotowanieTest, WithoutAnalysisNeededResultsStay) {
    test::siecRozgaleziona(ob);
    przygotujObliczenia(ed);
    ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    ob.WynikiAktualne = true;
    ob.LaRaport1 = "Koniec obliczeń";
    ob.Grid.ustawTekst(kol::Y, 2, "50");  // not an edit through the editor: no re-analysis
    przygotujObliczenia(ed);
    EXPECT_TRUE(ob.WynikiAktualne);
    EXPECT_EQ(ob.Grid.liczbaKolumn(), LiczbaKolumnZWynikami);
    EXPECT_EQ(ob.LaRaport1, "Koniec obliczeń");
    EXPECT_TRUE(ob.BrakWspolrzednych);  // the extent is computed with the analysis only

    ob.oznaczZmianeDanych(kol::Y);
    przygotujObliczenia(ed);
    EXPECT_FALSE(ob.BrakWspolrzednych);
    EXPECT_FALSE(ob.WynikiAktualne);
}

TEST_F(PrzygotowanieTest, SegmentsWithoutSourcesAreReported) {
    dodajOdcinek(ob, 1, "S", "A", "50", "10");
    EXPECT_FALSE(przygotujObliczenia(ed));
    ASSERT_FALSE(ob.ListBoxAnalizaDanych.empty());
    EXPECT_NE(std::find(ob.ListBoxAnalizaDanych.begin(), ob.ListBoxAnalizaDanych.end(),
                        "Brak opisu źródeł"),
              ob.ListBoxAnalizaDanych.end());
    EXPECT_FALSE(ed.okno.BuOblicz);
    EXPECT_EQ(wykonajObliczenia(ed, true), RodzajWyniku::NieZakonczone);
    EXPECT_EQ(ob.LaRaport1, "Obliczenia nie zostały zakończone.");
    EXPECT_FALSE(ob.WynikiAktualne);
}

TEST_F(PrzygotowanieTest, IncompleteRowStopsTheCalculation) {
    test::siecRozgaleziona(ob);
    ob.Grid.ustawTekst(kol::DlugoscMetry, 3, "");
    EXPECT_FALSE(przygotujObliczenia(ed));
    EXPECT_TRUE(ob.bladGrid);
    EXPECT_NE(std::find(ob.ListBoxAnalizaDanych.begin(), ob.ListBoxAnalizaDanych.end(),
                        "Wiersz 3 w tabeli opisu sieci nie został cały wypełniony."),
              ob.ListBoxAnalizaDanych.end());
}

TEST(RodzajWynikuTest, LabelsGiveTheOutcome) {
    Obiekt ob;
    const std::pair<const char*, RodzajWyniku> przypadki[] = {
        {"Koniec obliczeń", RodzajWyniku::Koniec},
        {"Nie uzyskano wymaganej dokładności obliczeń.", RodzajWyniku::NieDokladne},
        {"Przerwano na etapie doboru średnic.", RodzajWyniku::Przerwano},
        {"Przerwano na etapie liczenia oporów hydraulicznych.", RodzajWyniku::Przerwano},
        {"Obliczenia nie zostały zakończone.", RodzajWyniku::NieZakonczone},
        {"", RodzajWyniku::NieZakonczone},
    };
    for (const auto& [tekst, wynik] : przypadki) {
        ob.LaRaport1 = tekst;
        EXPECT_EQ(rodzajWyniku(ob), wynik) << tekst;
    }
}

using OpisMetodyTest = Fixture;

TEST_F(OpisMetodyTest, EveryMethodChoice) {
    struct Przypadek {
        Wzory w;
        std::string opis;
        bool etykieta;
        std::string tekstEtykiety;
    };
    const Przypadek przypadki[] = {
        {{0, -1}, "Metoda dokładna", false, ""},
        {{1, -1}, "Metoda uniwersalna", false, ""},
        {{2, -1}, "Nie wybrano wzoru", true, "Nie wybrano wzoru"},
        {{2, 13}, "Nie wybrano wzoru", true, "Nie wybrano wzoru"},
        {{2, 0}, "Wzór " + wpisWzoru(0), true, "Wybrano wzór " + wpisWzoru(0)},
        {{2, 12}, "Wzór " + wpisWzoru(12), true, "Wybrano wzór " + wpisWzoru(12)},
    };
    for (const auto& p : przypadki) {
        ob.parametry.wzory = p.w;
        ed.okno.LaJakiWzor.clear();
        ustawOpisMetody(ed);
        EXPECT_EQ(ob.OpisMetody, p.opis);
        EXPECT_EQ(ed.okno.LaJakiWzorWidoczny, p.etykieta);
        if (p.etykieta) {
            EXPECT_EQ(ed.okno.LaJakiWzor, p.tekstEtykiety);
        }
    }
}

TEST(WpisWzoruTest, NamesPaddedTo26Characters) {
    EXPECT_EQ(wpisWzoru(-1), "");
    EXPECT_EQ(wpisWzoru(13), "");
    for (int i = 0; i < 13; ++i) {
        const std::string w = wpisWzoru(i);
        ASSERT_GT(liczbaZnakow(w), 26u) << i;
        EXPECT_EQ(pierwszeZnaki(w, 26).size(), w.find('(')) << i;
    }
    EXPECT_EQ(pierwszeZnaki(wpisWzoru(2), 26), "Biel-Lummerta-niskie ciśn.");
    EXPECT_EQ(pierwszeZnaki(wpisWzoru(12), 26), "Krajowej Dyspozycji Gazu  ");
}

}  // namespace
}  // namespace kelmor

namespace kelmor {
namespace {

TEST(PrzygotowanieAnalizaTest, SecondEntryWithoutEditsSkipsTheAnalysis) {
    RejestratorKomunikatow k;
    Edytor ed(k);
    test::siecRozgaleziona(ed.ob);
    std::vector<std::pair<bool, std::string>> panel;
    auto zapisz = [&panel](bool widoczny, const std::string& t) {
        panel.emplace_back(widoczny, t);
    };
    przygotujObliczenia(ed, zapisz);
    przygotujObliczenia(ed, zapisz);
    ASSERT_EQ(panel.size(), 2u);
    EXPECT_EQ(panel[0],
              std::make_pair(true, std::string("Trwa wstępna analiza danych. Proszę czekać.")));
    EXPECT_EQ(panel[1], std::make_pair(false, std::string()));
    ed.ob.oznaczZmianeDanych(kol::DlugoscMetry);
    przygotujObliczenia(ed, zapisz);
    EXPECT_EQ(panel.size(), 4u);
}

}  // namespace
}  // namespace kelmor
