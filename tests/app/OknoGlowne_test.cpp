#include "app/OknoGlowne.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/EdycjaObiektu.h"
#include "app/EdycjaTabeli.h"
#include "app/PomocEdytora.h"

using namespace kelmor;
using namespace kelmor::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const Zakladka kWszystkie[] = {Zakladka::Ogolne, Zakladka::KatRur, Zakladka::Cisn,
                               Zakladka::TOS,    Zakladka::Trasa,  Zakladka::Obliczenia,
                               Zakladka::Wzory};

TEST(Start, MissingHelpFileEndsTheProgram) {
    Srodowisko s;
    s.e.katalogProgramu =
        (std::filesystem::temp_directory_path() / "kelmor_brak_katalogu").string();
    EXPECT_FALSE(ustawieniaStartowe(s.e));
    EXPECT_THAT(s.kanal.teksty(), ElementsAre("Brak pliku KELMOR5help.chm"));
}

TEST(Start, DefaultsOfTheWindow) {
    Srodowisko s;
    const auto katalog = std::filesystem::temp_directory_path() / "kelmor_start_test";
    std::filesystem::create_directories(katalog);
    std::ofstream(katalog / "KELMOR5help.chm") << "x";
    s.e.katalogProgramu = katalog.string();
    s.e.ob.parametry.HsGazu = 12;
    s.e.ob.DaneZmienione = s.e.ob.KatalogZmieniony = s.e.ob.WezlyZmienione = true;
    s.e.SciezkaEksportuGDO = "x.txt";

    ASSERT_TRUE(ustawieniaStartowe(s.e));
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
    EXPECT_EQ(sciezkaPomocy(s.e), (katalog / "KELMOR5help.chm").string());
    EXPECT_EQ(s.e.okno.tytul, "KELMOR 5.2");
    EXPECT_EQ(s.e.okno.aktywna, Zakladka::Ogolne);
    EXPECT_FALSE(s.e.okno.menuNarzedzia || s.e.okno.menuEdycja || s.e.okno.menuSzukaj ||
                 s.e.okno.menuOpcje);
    EXPECT_FALSE(s.e.okno.BBElip1 || s.e.okno.CBSklepy);
    EXPECT_FALSE(s.e.ob.DaneZmienione || s.e.ob.KatalogZmieniony || s.e.ob.WezlyZmienione);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_EQ(s.e.SciezkaEksportuGDO, "");
    EXPECT_EQ(s.e.ob.OpisModeluPoborow, "komunalni i ogrzewający");
    EXPECT_EQ(s.e.pola.EdHs, "40");
    EXPECT_EQ(s.e.pola.EddGazu, "0.6");
    EXPECT_EQ(s.e.pola.EdChro, "0.1");
    EXPECT_EQ(s.e.pola.EdQ1W[1], "3.3");
    EXPECT_THAT(wiersz(s.e.ob.Grid, 1),
                ElementsAre("*", "", "", "", "", "", "", "0", "0", "0", "0", "0", "brak", "0", "0",
                            "0", "0", "0", "0.1", "0 szt"));
    EXPECT_THAT(wiersz(s.e.ob.ZrodlaGrid, 1), ElementsAre("*", "", "", "0", "0", "0"));
    EXPECT_THAT(wiersz(s.e.ob.RurGrid, 1), ElementsAre("*", "", "", ""));
    std::filesystem::remove_all(katalog);
}

TEST(Start, LoadedDataIsShownInTheFields) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 3, 2));
    s.e.ob.parametry.ustawTemperature(5.55555);
    s.e.ob.parametry.ustawJednostke(0);
    s.e.ob.DaneZmienione = true;
    pokazWczytaneDane(s.e);
    EXPECT_EQ(s.e.pola.EdT, "5.556");
    EXPECT_DOUBLE_EQ(s.e.ob.parametry.TcGazu, 5.556);
    EXPECT_EQ(s.e.pola.Lajed1, "Pa");
    EXPECT_EQ(s.e.siec.wiersz, 1);
    EXPECT_THAT(kolumna(s.e.ob.Grid, 0), ElementsAre("*", ""));
    EXPECT_FALSE(s.e.ob.DaneZmienione);
}

TEST(Zakladki, TosMenusOnlyOnTheNetworkTab) {
    Srodowisko s;
    for (Zakladka z : kWszystkie) {
        for (Zakladka z2 : kWszystkie) {
            zmienZakladke(s.e, z);
            zmienZakladke(s.e, z2);
            const bool tos = s.e.okno.aktywna == Zakladka::TOS;
            EXPECT_EQ(s.e.okno.menuNarzedzia, tos);
            EXPECT_EQ(s.e.okno.menuEdycja, tos);
            EXPECT_EQ(s.e.okno.menuSzukaj, tos);
            EXPECT_EQ(s.e.okno.menuOpcje, tos);
        }
    }
}

TEST(Zakladki, NetworkTabShowsResultColumnsOnlyWhileResultsAreCurrent) {
    for (bool wyniki : {false, true}) {
        Srodowisko s;
        s.e.ob.WynikiAktualne = wyniki;
        s.e.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
        zmienZakladke(s.e, Zakladka::TOS);
        EXPECT_EQ(s.e.ob.Grid.liczbaKolumn(), wyniki ? 29 : 20);
        EXPECT_EQ(s.e.siec.kolumna, wyniki ? 28 : 1);
        EXPECT_EQ(s.e.okno.fokus, "Grid");
    }
}

TEST(Zakladki, FocusBufferAndAnalysisList) {
    Srodowisko s;
    zmienZakladke(s.e, Zakladka::KatRur);
    EXPECT_EQ(s.e.okno.fokus, "RurGrid");
    zmienZakladke(s.e, Zakladka::Trasa);
    EXPECT_EQ(s.e.okno.fokus, "EdTempWez");

    s.e.ob.buforWezlow.wpisy.push_back({"X", 1, 2, 3, 4});
    s.e.ob.buforWezlow.indeks = 1;
    zmienZakladke(s.e, Zakladka::Cisn);
    EXPECT_THAT(s.e.ob.buforWezlow.wpisy, IsEmpty());

    int przygotowania = 0;
    s.e.przygotowanieObliczen = [&](Edytor& e) {
        ++przygotowania;
        e.ob.ListBoxAnalizaDanych.push_back("Brak opisu źródeł");
    };
    zmienZakladke(s.e, Zakladka::Obliczenia);
    EXPECT_EQ(przygotowania, 1);
    EXPECT_THAT(s.e.ob.ListBoxAnalizaDanych, ElementsAre("Brak opisu źródeł"));
    zmienZakladke(s.e, Zakladka::Ogolne);
    EXPECT_THAT(s.e.ob.ListBoxAnalizaDanych, IsEmpty());
}

TEST(Zakladki, CalculationTabPreparesTheNetworkTypedInTheEditor) {
    Srodowisko s;
    const std::vector<std::pair<int, std::string>> wiersz1 = {{1, "1"},   {3, "Z"},     {4, "A"},
                                                              {5, "100"}, {6, "250,5"}, {14, "12"}};
    for (const auto& [k, t] : wiersz1) {
        ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, k, 1));
        wpiszDoKomorkiSieci(s.e, k, 1, t);
    }
    wstawWierszNaKoniec(s.e, TabelaEdytora::Siec);  // Enter: an empty last row
    zmienZakladke(s.e, Zakladka::Obliczenia);
    EXPECT_THAT(s.e.ob.ListBoxAnalizaDanych, ElementsAre("Brak opisu źródeł"));
    EXPECT_EQ(s.e.ob.liczbaOdcinkow, 1);  // the empty row is gone
    EXPECT_FALSE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(s.e.okno.BuOblicz);
    zmienZakladke(s.e, Zakladka::TOS);
    EXPECT_EQ(s.e.siec.wiersz, 1);  // the current row was the removed one
    EXPECT_EQ(s.e.ob.Grid.tekst(0, 1), "*");

    zmienZakladke(s.e, Zakladka::Cisn);
    EXPECT_THAT(s.e.ob.ListBoxAnalizaDanych, IsEmpty());
    wpiszDoKomorkiZrodel(s.e, 1, 1, "Z");
    wpiszDoKomorkiZrodel(s.e, 2, 1, "2,5");
    zrodlaTracaFokus(s.e);
    zmienZakladke(s.e, Zakladka::KatRur);
    wpiszDoKomorkiKatalogu(s.e, 1, 1, "100");
    wpiszDoKomorkiKatalogu(s.e, 2, 1, "114,3");
    wpiszDoKomorkiKatalogu(s.e, 3, 1, "3,6");
    zmienZakladke(s.e, Zakladka::Obliczenia);
    EXPECT_THAT(s.e.ob.ListBoxAnalizaDanych, IsEmpty());
    EXPECT_TRUE(s.e.okno.BuOblicz);
    EXPECT_EQ(s.e.ob.liczbaZrodel, 1);
    EXPECT_EQ(s.e.ob.liczbaRur, 1);
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());

    // Back again without edits: no new analysis.
    int analizy = 0;
    auto przygotowanie = s.e.przygotowanieObliczen;
    s.e.przygotowanieObliczen = [&](Edytor& e) {
        if (e.ob.PotrzebnaAnaliza) ++analizy;
        przygotowanie(e);
    };
    zmienZakladke(s.e, Zakladka::TOS);
    zmienZakladke(s.e, Zakladka::Obliczenia);
    EXPECT_EQ(analizy, 0);
    EXPECT_TRUE(s.e.okno.BuOblicz);
}

TEST(Zakladki, GuideModeOpensTheTopicOfEveryTab) {
    Srodowisko s;
    zmienZakladke(s.e, Zakladka::TOS);
    EXPECT_THAT(s.e.tematyPomocy, IsEmpty());
    przelaczPrzewodnik(s.e, true);
    EXPECT_THAT(s.e.tematyPomocy, ElementsAre(20));
    s.e.tematyPomocy.clear();
    for (Zakladka z : {Zakladka::KatRur, Zakladka::Cisn, Zakladka::TOS, Zakladka::Trasa,
                       Zakladka::Obliczenia, Zakladka::Ogolne})
        zmienZakladke(s.e, z);
    EXPECT_THAT(s.e.tematyPomocy, ElementsAre(25, 30, 40, 41, 42, 20));
    przelaczPrzewodnik(s.e, false);
    s.e.tematyPomocy.clear();
    zmienZakladke(s.e, Zakladka::KatRur);
    EXPECT_THAT(s.e.tematyPomocy, IsEmpty());
    EXPECT_EQ(tytulZakladki(Zakladka::Cisn), "Obiekt");
    EXPECT_EQ(tytulZakladki(Zakladka::TOS), "Tabela opisu sieci");
}

TEST(Zamykanie, QuestionsAboutDataAndCatalogue) {
    struct Przypadek {
        bool daneZmienione;
        int wpisyKatalogu;
        bool katalogZmieniony;
        std::deque<bool> odpowiedzi;
        std::vector<std::string> pytania;
        bool zamknij;
    };
    const std::string dane = "Ostatnia wersja danych nie została zapamiętana! Czy może zniknąć?";
    const std::string katalog = "Katalog rur nie został zapamiętany! Czy może zniknąć?";
    for (const Przypadek& p : {
             Przypadek{false, 0, false, {}, {}, true},
             Przypadek{true, 0, true, {true}, {dane}, true},  // empty catalogue: never asked
             Przypadek{true, 3, true, {true, true}, {dane, katalog}, true},
             Przypadek{true, 3, true, {false, true}, {dane, katalog}, false},
             Przypadek{true, 3, true, {true, false}, {dane, katalog}, false},
             Przypadek{false, 3, true, {false}, {katalog}, false},
             Przypadek{false, 3, false, {}, {}, true},
         }) {
        Srodowisko s;
        s.e.ob.DaneZmienione = p.daneZmienione;
        s.e.ob.liczbaRur = p.wpisyKatalogu;
        s.e.ob.KatalogZmieniony = p.katalogZmieniony;
        s.kanal.odpowiedzi = p.odpowiedzi;
        EXPECT_EQ(moznaZamknac(s.e), p.zamknij);
        EXPECT_EQ(s.kanal.teksty(), p.pytania);
    }
}

}  // namespace
