#include "app/EdycjaTabeli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/PomocEdytora.h"
#include "model/Walidacja.h"

using namespace kelmor;
using namespace kelmor::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct Wpis {
    int kol;
    const char* tekst;
    const char* wKomorce;
    const char* dialog;  // "" = none
    bool wezly;          // WezlyZmienione afterwards
};

class Wpisywanie : public ::testing::TestWithParam<Wpis> {};

TEST_P(Wpisywanie, ParsesAsTypedKeepsTextAndMarksChanged) {
    const Wpis p = GetParam();
    Srodowisko s;
    s.e.ob.PotrzebnaAnaliza = false;
    s.e.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    s.e.ob.WynikiAktualne = true;

    EXPECT_EQ(wpiszDoKomorkiSieci(s.e, p.kol, 1, p.tekst), p.wKomorce);
    EXPECT_EQ(s.g().tekst(p.kol, 1), p.wKomorce);
    if (std::string(p.dialog).empty())
        EXPECT_THAT(s.kanal.teksty(), IsEmpty());
    else
        EXPECT_THAT(s.kanal.teksty(), ElementsAre(p.dialog));
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(s.e.ob.WynikiAktualne);
    EXPECT_EQ(s.g().liczbaKolumn(), LiczbaKolumnDanych);
    EXPECT_EQ(s.e.ob.WezlyZmienione, p.wezly);
}

void PrintTo(const Wpis& p, std::ostream* os) {
    *os << p.kol << " '" << p.tekst << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Kolumny, Wpisywanie,
    ::testing::Values(
        Wpis{6, "1,5", "1.5", "", false}, Wpis{6, "-", "-", "", false}, Wpis{6, "", "", "", false},
        Wpis{7, "1e", "1e", "Błąd w zapisie liczby: 1e", false},
        Wpis{1, "1.5", "1.5", "Błąd w zapisie liczby całkowitej: 1.5", false},
        Wpis{15, " 12 ", " 12 ", "", true},
        Wpis{16, "x", "x", "Błąd w zapisie liczby całkowitej: x", true},
        Wpis{3, "Węzeł_długi_17zn.", "Węzeł_długi_17zn.",
             "Przekroczenie maksymalnej długości nazwy (do 16 znaków): Węzeł_długi_17zn.", true},
        Wpis{4, "B", "B", "", true}, Wpis{14, "2,5", "2.5", "", true},
        Wpis{17, "abc", "abc", "Błąd w zapisie liczby: abc", true},
        Wpis{2, "Polna 1,2", "Polna 1.2", "", false}, Wpis{12, "jest", "jest", "", false},
        Wpis{19, "3 szt", "3 szt", "", false}));

TEST(Wpisywanie, ResultColumnsAreNotParsedNorMarkChanged) {
    Srodowisko s;
    s.e.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    s.e.ob.WynikiAktualne = true;
    s.e.ob.PotrzebnaAnaliza = false;
    EXPECT_EQ(wpiszDoKomorkiSieci(s.e, kol::NumerOdc, 1, "x,1"), "x.1");
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
    EXPECT_TRUE(s.e.ob.WynikiAktualne);
    EXPECT_FALSE(s.e.ob.DaneZmienione);
}

// ---- Leaving and entering cells ----------------------------------------

TEST(Przejscia, ResultCellsCannotBeEntered) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    s.g().ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    for (int k = kol::Qoblicz; k <= kol::lambda; ++k) {
        EXPECT_FALSE(przejdzDoKomorkiSieci(s.e, k, 1)) << k;
        EXPECT_EQ(s.e.siec.kolumna, 1);
    }
    EXPECT_TRUE(przejdzDoKomorkiSieci(s.e, kol::NumerOdc, 1));
    EXPECT_FALSE(przejdzDoKomorkiSieci(s.e, 0, 1));  // the margin
    EXPECT_FALSE(przejdzDoKomorkiSieci(s.e, 1, 0));  // the header
    EXPECT_FALSE(przejdzDoKomorkiSieci(s.e, 1, 2));  // below the last row
}

TEST(Przejscia, LeavingColumn28RestoresTheCopyOfTheNumber) {
    Srodowisko s;
    odcinek(s.e, 1, "17", "A", "B");
    s.g().ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    s.g().ustawTekst(kol::NumerOdc, 1, "17");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, kol::NumerOdc, 1));
    wpiszDoKomorkiSieci(s.e, kol::NumerOdc, 1, "99");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 2, 1));
    EXPECT_EQ(s.g().tekst(kol::NumerOdc, 1), "17");
}

TEST(Przejscia, RepeatedNumberKeepsTheUserInTheRow) {
    Srodowisko s;
    odcinek(s.e, 1, "5", "A", "B");
    odcinek(s.e, 2, "7", "B", "C");
    odcinek(s.e, 3, "5", "C", "D");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 1, 1));
    EXPECT_FALSE(przejdzDoKomorkiSieci(s.e, 1, 2));
    EXPECT_THAT(s.kanal.teksty(), ElementsAre("W wierszach 3 , 1 powtarzają się numery odcinka."));
    EXPECT_EQ(s.e.siec.wiersz, 1);
    EXPECT_EQ(s.g().tekst(0, 1), "*");
    // Moving within the row is refused too, until the number changes.
    EXPECT_FALSE(przejdzDoKomorkiSieci(s.e, 2, 1));
    wpiszDoKomorkiSieci(s.e, 1, 1, "05");  // "05" and "5" are different numbers
    s.kanal.wyczysc();
    EXPECT_TRUE(przejdzDoKomorkiSieci(s.e, 1, 2));
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
}

TEST(Przejscia, EmptyNumberIsNeverADuplicate) {
    Srodowisko s;
    odcinek(s.e, 1, "", "A", "B");
    odcinek(s.e, 2, "", "B", "C");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 1, 1));
    EXPECT_TRUE(przejdzDoKomorkiSieci(s.e, 1, 2));
}

TEST(Przejscia, MarkerFollowsTheCurrentRow) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 3, 2));
    EXPECT_THAT(kolumna(s.g(), 0), ElementsAre("", "*"));
    EXPECT_EQ(s.e.AktualnyWiersz(), 2);
    EXPECT_EQ(s.e.AktualnaKolumna(), 3);
}

TEST(Przejscia, LeavingEndNodeFillsItsAttributesFromSourceThenFromAnotherRow) {
    Srodowisko s;
    zrodlo(s.e, 1, "Z", "300", "12.5", "40", "50");
    odcinek(s.e, 1, "1", "A", "B");
    atrybuty(s.e, 1, "3", "7", "8", "9");
    odcinek(s.e, 2, "2", "C", "B");
    odcinek(s.e, 3, "3", "B", "Z");
    atrybuty(s.e, 3, "5", "1", "1", "1");

    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, kol::WezelKonc, 2));
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, kol::WezelKonc, 3));
    // Row 2 ends at B like row 1.
    EXPECT_EQ(s.g().tekst(kol::PoborWez, 2), "3");
    EXPECT_EQ(s.g().tekst(kol::X, 2), "7");
    EXPECT_EQ(s.g().tekst(kol::Y, 2), "8");
    EXPECT_EQ(s.g().tekst(kol::RzednaTe, 2), "9");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 1, 3));
    // Row 3 ends at the source Z: its elevation, X, Y and no demand.
    EXPECT_EQ(s.g().tekst(kol::PoborWez, 3), "0");
    EXPECT_EQ(s.g().tekst(kol::X, 3), "40");
    EXPECT_EQ(s.g().tekst(kol::Y, 3), "50");
    EXPECT_EQ(s.g().tekst(kol::RzednaTe, 3), "12.5");
}

TEST(Przejscia, NodeAttributeEditSpreadsToRowsAndSourceOfThatNode) {
    struct Przypadek {
        int kol;
        int kolZrodla;  // 0 = the source keeps its value
    };
    for (Przypadek p :
         {Przypadek{kol::PoborWez, 0}, Przypadek{kol::X, kol::Xzrodla},
          Przypadek{kol::Y, kol::Yzrodla}, Przypadek{kol::RzednaTe, kol::RzednaTeZrodla}}) {
        Srodowisko s;
        zrodlo(s.e, 1, "B", "300", "1", "2", "3");
        odcinek(s.e, 1, "1", "A", "B");
        odcinek(s.e, 2, "2", "C", "B");
        odcinek(s.e, 3, "3", "B", "D");
        ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, p.kol, 1));
        wpiszDoKomorkiSieci(s.e, p.kol, 1, "77");
        ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 1, 1));
        EXPECT_EQ(s.g().tekst(p.kol, 2), "77") << p.kol;
        EXPECT_EQ(s.g().tekst(p.kol, 3), "0") << p.kol;
        for (int kz : {kol::RzednaTeZrodla, kol::Xzrodla, kol::Yzrodla})
            EXPECT_EQ(s.e.ob.ZrodlaGrid.tekst(kz, 1) == "77", kz == p.kolZrodla)
                << p.kol << " " << kz;
    }
}

TEST(Przejscia, SubEditorButtonOnlyOverVisibleDemandAndFittingColumns) {
    struct Przypadek {
        int kol;
        OpcjeKolumn opcje;
        Podedytor oczekiwany;
    };
    OpcjeKolumn bezRro, bezRrw, bezOporow;
    bezRro.CheckBoxrro = true;
    bezRrw.CheckBoxrrw = true;
    bezOporow.CheckBoxOpory = true;
    for (const Przypadek& p :
         {Przypadek{13, {}, Podedytor::PrzylaczaOdcinka},
          Przypadek{14, {}, Podedytor::PrzylaczaWezla},
          Przypadek{19, {}, Podedytor::OporyMiejscowe}, Przypadek{13, bezRro, Podedytor::Brak},
          Przypadek{14, bezRrw, Podedytor::Brak}, Przypadek{19, bezOporow, Podedytor::Brak},
          Przypadek{12, {}, Podedytor::Brak}, Przypadek{6, {}, Podedytor::Brak}}) {
        Srodowisko s;
        odcinek(s.e, 1, "1", "A", "B");
        s.e.ob.opcje = p.opcje;
        ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, p.kol, 1));
        EXPECT_EQ(podedytorKolumny(s.e, p.kol), p.oczekiwany) << p.kol;
        EXPECT_EQ(s.e.okno.BBElip1, p.oczekiwany != Podedytor::Brak) << p.kol;
        EXPECT_EQ(s.e.okno.CBSklepy, p.kol == kol::Sklepy);
    }
}

TEST(Przejscia, HidingTheColumnHidesTheButtonAtOnce) {
    Srodowisko s;
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 19, 1));
    ASSERT_TRUE(s.e.okno.BBElip1);
    s.e.ob.opcje.CheckBoxOpory = true;
    odswiezPrzyciskiKomorki(s.e);
    EXPECT_FALSE(s.e.okno.BBElip1);
}

TEST(Podedytory, TitlesNameTheSegmentOrNode) {
    Srodowisko s;
    odcinek(s.e, 1, "12", "A", "B");
    EXPECT_EQ(tytulPodedytora(s.e, Podedytor::PrzylaczaOdcinka),
              "Przyłącza do odcinka: 12 (A - B)");
    EXPECT_EQ(tytulPodedytora(s.e, Podedytor::PrzylaczaWezla), "Przyłącza do węzła: B");
    EXPECT_EQ(tytulPodedytora(s.e, Podedytor::OporyMiejscowe),
              "Opory miejscowe w odcinku: 12 (A - B)");
    s.e.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    poZamknieciuPodedytora(s.e);
    EXPECT_EQ(s.g().liczbaKolumn(), LiczbaKolumnDanych);
}

TEST(Sklepy, ChoiceWritesCellAndMarksChangedWithoutCuttingColumns) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    s.g().ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    s.e.ob.WynikiAktualne = true;
    s.e.ob.PotrzebnaAnaliza = false;
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, kol::Sklepy, 1));
    EXPECT_EQ(tekstCBSklepy(s.e), "brak");
    wybierzCBSklepy(s.e, "jest");
    EXPECT_EQ(s.g().tekst(kol::Sklepy, 1), "jest");
    EXPECT_EQ(tekstCBSklepy(s.e), "jest");
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(s.e.ob.WynikiAktualne);
    EXPECT_EQ(s.g().liczbaKolumn(), LiczbaKolumnZWynikami);
    CBSklepyTraciFokus(s.e, "brak");
    EXPECT_EQ(s.g().tekst(kol::Sklepy, 1), "brak");
    EXPECT_FALSE(s.e.okno.CBSklepy);
}

// ---- Length from coordinates -------------------------------------------

TEST(DlugoscZeWspolrzednych, PythagorasFromTheRowEndingAtTheStartNode) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    atrybuty(s.e, 1, "0", "0", "0", "0");
    odcinek(s.e, 2, "2", "B", "C", "");
    atrybuty(s.e, 2, "0", "30", "40", "0");
    s.e.TrybLiczeniaDlugosci = true;
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, kol::DlugoscMetry, 2));
    EXPECT_EQ(s.g().tekst(kol::DlugoscMetry, 2), "50.00");
    EXPECT_TRUE(s.e.ob.DaneZmienione);
}

TEST(DlugoscZeWspolrzednych, FromASourceWithElevationAndHugeCoordinates) {
    Srodowisko s;
    zrodlo(s.e, 1, "Z", "300", "10", "-2000000000", "0");
    odcinek(s.e, 1, "1", "Z", "B", "");
    atrybuty(s.e, 1, "0", "2000000000", "0", "10");
    obliczDlugoscZeWspolrzednych(s.e, 1);
    EXPECT_EQ(s.g().tekst(kol::DlugoscMetry, 1), "4000000000.00");

    zrodlo(s.e, 1, "Z", "300", "3", "0", "0");
    atrybuty(s.e, 1, "0", "0", "4", "0");
    obliczDlugoscZeWspolrzednych(s.e, 1);
    EXPECT_EQ(s.g().tekst(kol::DlugoscMetry, 1), "5.00");
}

TEST(DlugoscZeWspolrzednych, MissingStartNodeEmptiesTheLength) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B", "120");
    s.e.TrybLiczeniaDlugosci = true;
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, kol::DlugoscMetry, 1));
    EXPECT_THAT(s.kanal.teksty(), ElementsAre("brak danych dla węzła A"));
    EXPECT_EQ(s.g().tekst(kol::DlugoscMetry, 1), "");
    EXPECT_TRUE(s.e.ob.DaneZmienione);
}

TEST(DlugoscZeWspolrzednych, OnlyInTheLengthMode) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B", "120");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, kol::DlugoscMetry, 1));
    EXPECT_EQ(s.g().tekst(kol::DlugoscMetry, 1), "120");
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
}

// ---- Row commands -------------------------------------------------------

TEST(Wiersze, EnterAppendsARowWithDefaultsAndMovesThere) {
    Srodowisko s;
    s.e.pola.Edlz = "5";
    s.e.pola.EdChro = "0.2";
    odcinek(s.e, 1, "1", "A", "B");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 6, 1));
    wpiszDoKomorkiSieci(s.e, 6, 1, "12");
    s.e.ob.DaneZmienione = false;
    wstawWierszNaKoniec(s.e, TabelaEdytora::Siec);
    ASSERT_EQ(s.g().liczbaWierszy(), 3);
    EXPECT_EQ(s.e.ob.liczbaOdcinkow, 1);
    EXPECT_EQ(s.e.siec.wiersz, 2);
    EXPECT_EQ(s.e.siec.kolumna, 1);
    EXPECT_EQ(s.e.okno.fokus, "Grid");
    EXPECT_THAT(wiersz(s.g(), 2), ElementsAre("*", "", "", "", "", "", "", "5", "0", "0", "0", "0",
                                              "brak", "0", "0", "0", "0", "0", "0.2", "0 szt"));
    EXPECT_EQ(s.g().tekst(0, 1), "");
    EXPECT_FALSE(s.e.ob.DaneZmienione);
}

TEST(Wiersze, EnterOnARepeatedNumberAppendsButStaysInTheRow) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 1, 2));
    wpiszDoKomorkiSieci(s.e, 1, 2, "1");
    wstawWierszNaKoniec(s.e, TabelaEdytora::Siec);
    EXPECT_EQ(s.e.siec.wiersz, 2);
    EXPECT_EQ(s.g().liczbaWierszy(), 4);
    EXPECT_EQ(s.g().tekst(kol::WezelPocz, 2), "B");  // the row left keeps its data
    EXPECT_EQ(s.g().tekst(kol::Sklepy, 3), "brak");
}

TEST(Wiersze, InsertBetweenPutsAnEmptyRowWhereTheCurrentWasRecordsMoveDown) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    s.g().zapewnijRekord<TWycof>(kol::NumerOdcinka, 2).wycofany = 1;
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 4, 2));
    wstawWierszMiedzy(s.e, TabelaEdytora::Siec);
    ASSERT_EQ(s.g().liczbaWierszy(), 4);
    EXPECT_THAT(kolumna(s.g(), kol::NumerOdcinka), ElementsAre("1", "", "2"));
    EXPECT_THAT(kolumna(s.g(), 0), ElementsAre("", "*", ""));
    EXPECT_EQ(s.g().tekst(kol::IleOpo, 2), "0 szt");
    EXPECT_FALSE(wierszWycofany(s.g(), 2));
    EXPECT_TRUE(wierszWycofany(s.g(), 3));
    EXPECT_EQ(s.e.siec.wiersz, 2);
    EXPECT_EQ(s.e.siec.kolumna, 1);
}

TEST(Wiersze, DeletingTheOnlyRowLeavesDefaults) {
    Srodowisko s;
    s.e.ob.liczbaOdcinkow = 1;
    odcinek(s.e, 1, "1", "A", "B");
    s.g().zapewnijRekord<TWycof>(kol::NumerOdcinka, 1).wycofany = 1;
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 5, 1));
    ASSERT_TRUE(usunBiezacyWiersz(s.e, TabelaEdytora::Siec));
    EXPECT_THAT(s.kanal.teksty(), ElementsAre("Czy skasować wskazany wiersz?"));
    ASSERT_EQ(s.g().liczbaWierszy(), 2);
    EXPECT_THAT(wiersz(s.g(), 1), ElementsAre("*", "", "", "", "", "", "", "0", "0", "0", "0", "0",
                                              "brak", "0", "0", "0", "0", "0", "0.1", "0 szt"));
    EXPECT_FALSE(wierszWycofany(s.g(), 1));
    EXPECT_EQ(s.e.ob.liczbaOdcinkow, 0);
    EXPECT_EQ(s.e.siec.wiersz, 1);
    EXPECT_EQ(s.e.siec.kolumna, 1);
    EXPECT_TRUE(s.e.ob.DaneZmienione);
}

TEST(Wiersze, DeletingRows) {
    struct Przypadek {
        int biezacy;
        bool odpowiedz;
        std::vector<std::string> numery;
        int nowyBiezacy;
    };
    for (const Przypadek& p :
         {Przypadek{3, true, {"1", "2"}, 2}, Przypadek{2, true, {"1", "3"}, 2},
          Przypadek{1, true, {"2", "3"}, 1}, Przypadek{2, false, {"1", "2", "3"}, 2}}) {
        Srodowisko s;
        s.kanal.odpowiedz = p.odpowiedz;
        odcinek(s.e, 1, "1", "A", "B");
        odcinek(s.e, 2, "2", "B", "C");
        odcinek(s.e, 3, "3", "C", "D");
        s.e.ob.liczbaOdcinkow = 3;
        ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 1, p.biezacy));
        EXPECT_EQ(usunBiezacyWiersz(s.e, TabelaEdytora::Siec), p.odpowiedz);
        EXPECT_EQ(kolumna(s.g(), kol::NumerOdcinka), p.numery) << p.biezacy;
        EXPECT_EQ(s.e.siec.wiersz, p.nowyBiezacy) << p.biezacy;
        EXPECT_EQ(s.g().tekst(0, p.nowyBiezacy), "*");
        EXPECT_EQ(s.e.ob.liczbaOdcinkow, static_cast<int>(p.numery.size()));
        EXPECT_EQ(s.e.ob.DaneZmienione, p.odpowiedz);
    }
}

TEST(Wiersze, DeletingSourcesAndCatalogueEntries) {
    Srodowisko s;
    zrodlo(s.e, 1, "Z", "300", "5", "6", "7");
    s.e.ob.liczbaZrodel = 1;
    ASSERT_TRUE(usunBiezacyWiersz(s.e, TabelaEdytora::Zrodla));
    EXPECT_THAT(wiersz(s.e.ob.ZrodlaGrid, 1), ElementsAre("*", "", "", "0", "0", "0"));
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_EQ(s.e.ob.liczbaZrodel, 0);

    // The catalogue deletes without asking; emptying it changes no flag.
    s.kanal.wyczysc();
    Tabela& r = s.e.ob.RurGrid;
    r.ustawLiczbeWierszy(3);
    r.ustawTekst(1, 1, "100");
    r.ustawTekst(1, 2, "150");
    s.e.ob.liczbaRur = 2;
    s.e.ob.PotrzebnaAnaliza = false;
    ASSERT_TRUE(usunBiezacyWiersz(s.e, TabelaEdytora::Katalog));
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
    EXPECT_THAT(kolumna(r, 1), ElementsAre("150"));
    EXPECT_TRUE(s.e.ob.KatalogZmieniony);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    s.e.ob.KatalogZmieniony = false;
    s.e.ob.PotrzebnaAnaliza = false;
    ASSERT_TRUE(usunBiezacyWiersz(s.e, TabelaEdytora::Katalog));
    EXPECT_EQ(s.e.ob.liczbaRur, 0);
    EXPECT_FALSE(s.e.ob.KatalogZmieniony);
    EXPECT_FALSE(s.e.ob.PotrzebnaAnaliza);
}

TEST(Wiersze, InsertAtTheEndOfSourcesAndCatalogue) {
    Srodowisko s;
    wstawWierszNaKoniec(s.e, TabelaEdytora::Zrodla);
    EXPECT_THAT(wiersz(s.e.ob.ZrodlaGrid, 2), ElementsAre("*", "", "", "0", "0", "0"));
    EXPECT_EQ(s.e.ob.liczbaZrodel, 1);
    EXPECT_EQ(s.e.zrodla.wiersz, 2);
    EXPECT_EQ(s.e.okno.fokus, "ZrodlaGrid");
    wstawWierszNaKoniec(s.e, TabelaEdytora::Katalog);
    EXPECT_THAT(wiersz(s.e.ob.RurGrid, 2), ElementsAre("*", "", "", ""));
    EXPECT_EQ(s.e.ob.liczbaRur, 1);
    EXPECT_FALSE(s.e.ob.DaneZmienione);
    EXPECT_FALSE(s.e.ob.KatalogZmieniony);
}

TEST(Wiersze, DraggingARowMovesItsRecordsAndKeepsResultsShown) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    odcinek(s.e, 3, "3", "C", "D");
    s.g().zapewnijRekord<TWycof>(kol::NumerOdcinka, 1).wycofany = 1;
    s.g().ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    s.e.ob.WynikiAktualne = true;
    s.e.ob.PotrzebnaAnaliza = false;
    przeniesWiersz(s.e, TabelaEdytora::Siec, 1, 3);
    EXPECT_THAT(kolumna(s.g(), kol::NumerOdcinka), ElementsAre("2", "3", "1"));
    EXPECT_TRUE(wierszWycofany(s.g(), 3));
    EXPECT_FALSE(wierszWycofany(s.g(), 1));
    EXPECT_EQ(s.e.siec.wiersz, 3);
    EXPECT_THAT(kolumna(s.g(), 0), ElementsAre("", "", "*"));
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_EQ(s.g().liczbaKolumn(), LiczbaKolumnZWynikami);

    // Moving a source or catalogue row changes no flag.
    s.e.ob.DaneZmienione = false;
    zrodlo(s.e, 1, "Z1", "1", "0", "0", "0");
    zrodlo(s.e, 2, "Z2", "1", "0", "0", "0");
    przeniesWiersz(s.e, TabelaEdytora::Zrodla, 2, 1);
    EXPECT_THAT(kolumna(s.e.ob.ZrodlaGrid, 1), ElementsAre("Z2", "Z1"));
    EXPECT_FALSE(s.e.ob.DaneZmienione);
}

// ---- Tool bar -----------------------------------------------------------

TEST(Narzedzia, MovingToTheEdgesOfTheTable) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    odcinek(s.e, 3, "3", "C", "D");
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 5, 2));
    doOstatniegoWiersza(s.e);
    EXPECT_EQ(s.e.siec.wiersz, 3);
    doOstatniejKolumny(s.e);
    EXPECT_EQ(s.e.siec.kolumna, 19);
    doPierwszegoWiersza(s.e);
    EXPECT_EQ(s.e.siec.wiersz, 1);
    doPierwszejKolumny(s.e);
    EXPECT_EQ(s.e.siec.kolumna, 1);
    s.g().ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    doOstatniejKolumny(s.e);
    EXPECT_EQ(s.e.siec.kolumna, 28);
}

TEST(Narzedzia, WithdrawAndRestoreTheCurrentRow) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    s.g().ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    s.e.ob.WynikiAktualne = true;
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, kol::NumerOdc, 1));
    wycofajLubPrzywroc(s.e);
    EXPECT_TRUE(wierszSieciWycofany(s.e, 1));
    EXPECT_EQ(s.e.siec.kolumna, 19);  // the current cell stays inside the cut table
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_EQ(s.g().liczbaKolumn(), LiczbaKolumnDanych);
    wycofajLubPrzywroc(s.e);
    EXPECT_FALSE(wierszSieciWycofany(s.e, 1));
    EXPECT_EQ(s.g().tekst(kol::NumerOdcinka, 1), "1");
}

TEST(Narzedzia, DiametersToZeroSkipWithdrawnAndEmptyRows) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    s.g().ustawTekst(kol::SrednicaNomin, 2, "150");
    s.g().zapewnijRekord<TWycof>(kol::NumerOdcinka, 2).wycofany = 1;
    s.g().ustawLiczbeWierszy(4);
    s.e.domyslneWierszaSieci(3);

    s.kanal.odpowiedz = false;
    zerujSrednice(s.e);
    EXPECT_THAT(kolumna(s.g(), kol::SrednicaNomin), ElementsAre("100", "150", ""));
    EXPECT_FALSE(s.e.ob.DaneZmienione);

    s.kanal.odpowiedz = true;
    zerujSrednice(s.e);
    EXPECT_EQ(s.kanal.teksty().back(),
              "Czy wyzerować średnice nominalne we wszystkch odcinkach dla ponownego doboru?");
    EXPECT_THAT(kolumna(s.g(), kol::SrednicaNomin), ElementsAre("0", "150", ""));
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_EQ(sprawdzWiersz(s.g(), 3).rodzaj, StanWiersza::Pusty);
}

TEST(Narzedzia, ClearingTheTable) {
    Srodowisko s;
    kasujTabeleSieci(s.e);  // nothing to clear: no question
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());

    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "B", "C");
    s.g().zapewnijRekord<TWycof>(kol::NumerOdcinka, 1).wycofany = 1;
    s.e.ob.liczbaOdcinkow = 2;
    s.kanal.odpowiedz = false;
    kasujTabeleSieci(s.e);
    EXPECT_EQ(s.g().liczbaWierszy(), 3);

    s.kanal.odpowiedz = true;
    s.g().ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    s.e.ob.WynikiAktualne = true;
    s.e.ob.PotrzebnaAnaliza = false;
    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 3, 2));
    kasujTabeleSieci(s.e);
    EXPECT_THAT(s.kanal.teksty(),
                ElementsAre("Czy na pewno chcesz wyzerować całą Tabelę Opisu Sieci?",
                            "Czy na pewno chcesz wyzerować całą Tabelę Opisu Sieci?"));
    ASSERT_EQ(s.g().liczbaWierszy(), 2);
    EXPECT_EQ(s.g().liczbaKolumn(), LiczbaKolumnDanych);
    EXPECT_EQ(s.g().tekst(0, 1), "*");
    EXPECT_EQ(s.g().tekst(kol::NumerOdcinka, 1), "");
    EXPECT_EQ(s.g().tekst(kol::IleOpo, 1), "0 szt");
    EXPECT_FALSE(wierszWycofany(s.g(), 1));
    EXPECT_EQ(s.e.siec.wiersz, 1);
    EXPECT_EQ(s.e.ob.liczbaOdcinkow, 0);
    EXPECT_TRUE(s.e.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(s.e.ob.WynikiAktualne);
    EXPECT_FALSE(s.e.ob.DaneZmienione);  // clearing does not mark the data changed
}

TEST(Narzedzia, FittingsPreview) {
    Srodowisko s;
    odcinek(s.e, 1, "4", "A", "B");
    EXPECT_FALSE(podgladOporow(s.e));
    EXPECT_THAT(s.kanal.teksty(),
                ElementsAre("Nie zadeklarowano oporów miejscowych w odcinku 4 (A - B)"));
    s.g().zapewnijRekord<ListaOporow>(kol::IleOpo, 1);
    EXPECT_TRUE(podgladOporow(s.e));
}

TEST(Narzedzia, HintsOfColumnsAndButtons) {
    Srodowisko s;
    myszNadTabelaSieci(s.e, 1);
    EXPECT_EQ(s.e.okno.StaHint, "Unikalny numer odcinka. Liczba całkowita nie większa od 9999.");
    myszNadTabelaSieci(s.e, 28);
    EXPECT_EQ(s.e.okno.StaHint, "Numer odcinka");
    myszNadTabelaSieci(s.e, -1);
    EXPECT_EQ(s.e.okno.StaHint, "");
    EXPECT_EQ(podpowiedzPrzycisku("Button8"), "Czasowo usuń / Przywróć wiersz");
    EXPECT_EQ(podpowiedzPrzycisku("BuDn0"), "Wyzeruj średnice we wszystkich odcinkach.");
}

// ---- Reversing segments -------------------------------------------------

TEST(Odwracanie, ReversingTwiceRestoresTheTableExactly) {
    Srodowisko s;
    zrodlo(s.e, 1, "Z", "300", "1", "0", "0");
    odcinek(s.e, 1, "1", "Z", "A");
    atrybuty(s.e, 1, "1.50", "10", "20", "3.25");
    odcinek(s.e, 2, "2", "A", "B");
    atrybuty(s.e, 2, "2", "30", "40", "4");
    odcinek(s.e, 3, "3", "B", "C");
    atrybuty(s.e, 3, "0.5", "50", "60", "5");
    const Tabela przed = s.g();

    ASSERT_TRUE(przejdzDoKomorkiSieci(s.e, 1, 2));
    zmienKierunekBiezacego(s.e);
    EXPECT_THAT(wiersz(s.g(), 2),
                ElementsAre("*", "2", "", "B", "A", "100", "100", "0", "0", "0", "0", "0", "brak",
                            "0", "1.50", "10", "20", "3.25", "0.1", "0 szt"));
    EXPECT_EQ(s.g().rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 2)->znak, -1);
    EXPECT_TRUE(s.e.ob.WezlyZmienione);
    EXPECT_TRUE(s.e.ob.DaneZmienione);

    zmienKierunekBiezacego(s.e);
    for (int w = 1; w < 4; ++w)
        for (int k = 1; k < LiczbaKolumnDanych; ++k)
            EXPECT_EQ(s.g().tekst(k, w), przed.tekst(k, w)) << w;
    EXPECT_EQ(s.g().rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 2)->znak, 1);
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
}

TEST(Odwracanie, DeadEndKeepsItsAttributesUntilTheRowIsReversedBack) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    atrybuty(s.e, 1, "7", "1", "2", "3");
    zmienKierunekBiezacego(s.e);
    // A is found nowhere: the user is told to give its data.
    EXPECT_THAT(s.kanal.teksty(), ElementsAre("dla węzła A trzeba podać komplet danych"));
    zmienKierunekBiezacego(s.e);
    EXPECT_EQ(s.g().tekst(kol::WezelKonc, 1), "B");
    EXPECT_THAT(std::vector<std::string>({s.g().tekst(14, 1), s.g().tekst(15, 1),
                                          s.g().tekst(16, 1), s.g().tekst(17, 1)}),
                ElementsAre("7", "1", "2", "3"));
}

TEST(Odwracanie, NoRequestForAttributesWhenTheOptionsDropThemAll) {
    Srodowisko s;
    s.e.ob.opcje.CheckBoxrrw = s.e.ob.opcje.CheckBoxTeren = s.e.ob.opcje.CheckBoxXY = true;
    odcinek(s.e, 1, "1", "A", "B");
    zmienKierunekBiezacego(s.e);
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
}

TEST(Odwracanie, AllNegativeRowsAreReversedInOnePass) {
    Srodowisko s;
    odcinek(s.e, 1, "1", "A", "B");
    odcinek(s.e, 2, "2", "C", "B");
    odcinek(s.e, 3, "3", "D", "C");
    odcinek(s.e, 4, "4", "E", "F");
    s.g().ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    s.g().ustawTekst(kol::Qoblicz, 1, "5");
    s.g().ustawTekst(kol::Qoblicz, 2, "-3.5");
    s.g().ustawTekst(kol::Qoblicz, 3, "-1");
    s.g().ustawTekst(kol::Qoblicz, 4, "");
    s.e.ob.WynikiAktualne = true;
    s.kanal.odpowiedz = true;
    zmienKierunkiUjemnym(s.e);
    EXPECT_THAT(kolumna(s.g(), kol::WezelPocz), ElementsAre("A", "B", "C", "E"));
    EXPECT_THAT(kolumna(s.g(), kol::WezelKonc), ElementsAre("B", "C", "D", "F"));
    EXPECT_EQ(s.g().liczbaKolumn(), LiczbaKolumnDanych);
    EXPECT_FALSE(s.e.ob.WynikiAktualne);
}

}  // namespace
