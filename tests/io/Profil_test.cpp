#include "io/Profil.h"

#include <gtest/gtest.h>

#include "io/SiecWymiany.h"
#include "model/Tekst.h"

using namespace kelmor;
using namespace wymiana;

namespace {

const std::string kPrzyklad = std::string(KELMOR_EXAMPLES_DIR) + "/siec.pro";

// A .pro text (UTF-8 lines) as PROFIL writes it: Windows-1250, CR LF.
std::string plikPro(const std::vector<std::string>& linie, const char* koniec = "\r\n") {
    std::string r;
    for (const auto& l : linie) r += naCp1250(l).tekst + koniec;
    return r;
}

// An editor document with one source S1 (its elevation and coordinates to be
// filled by the import).
void zrodloS1(Obiekt& ob) {
    ob.ZrodlaGrid.ustawTekst(kol::NazwaZrodla, 1, "S1");
}

std::vector<std::string> wiersz(const Tabela& g, int w) {
    std::vector<std::string> r;
    for (int c = 1; c < LiczbaKolumnDanych; ++c) r.push_back(g.tekst(c, w));
    return r;
}

}  // namespace

TEST(Profil, NewDataFromTheExampleWithCatalogueAndConnectors) {
    Obiekt ob;
    zbudujOsiedle(ob);  // replaced by the import (route and analysis list too)
    ob.ListBoxAnalizaDanych = {"stara linia"};
    ob.parametry.ProcentDomyslny = 10;
    ob.ZrodlaGrid.ustawLiczbeWierszy(2);
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPlikPROFIL(ob, kPrzyklad, true, k));
    EXPECT_TRUE(k.wpisy.empty()) << k.teksty()[0];
    const Tabela& g = ob.Grid;
    ASSERT_EQ(g.liczbaWierszy(), 10);  // 7 segments + 2 connectors
    EXPECT_EQ(ob.liczbaOdcinkow, 9);
    EXPECT_TRUE(ob.trasa.empty());
    EXPECT_TRUE(ob.ListBoxAnalizaDanych.empty());

    // Row 1: "120,5" and "200,1" read with a decimal comma.
    EXPECT_EQ(wiersz(g, 1), (std::vector<std::string>{"1", "", "S1", "A", "de110", "120.5", "10",
                                                      "0", "0", "0", "0", "brak", "0", "0", "1100",
                                                      "2000", "201.50", "0.1", "0"}));
    const auto* kier = g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 1);
    EXPECT_EQ(kier->identyfikator, "P-001");
    EXPECT_EQ(kier->znak, 1);
    const auto* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, 1);
    EXPECT_EQ(nwp->X, 1000);
    EXPECT_EQ(nwp->Y, 2000);
    EXPECT_DOUBLE_EQ(nwp->rzedna, 200.1);
    EXPECT_EQ(nwp->niepodlaczony, 0);
    EXPECT_EQ(nwp->WezelZrodlowy, 1);  // S1 is a source
    // Row 7 ends in a node with a Polish name.
    EXPECT_EQ(g.tekst(kol::WezelKonc, 7), "Łąka");
    // Coincident C1 (row 5) and C (row 3): one connector from the earlier row's node.
    EXPECT_EQ(wiersz(g, 8), (std::vector<std::string>{"8", "dodatkowy1", "C", "C1", "de63", "0",
                                                      "10", "0", "0", "0", "0", "brak", "0", "0",
                                                      "1185", "2060", "202.80", "0.1", "0"}));
    const auto* s8 = g.rekordTypu<TdaneNWP>(kol::WezelPocz, 8);
    EXPECT_EQ(s8->X, 1185);
    EXPECT_DOUBLE_EQ(s8->dokladneY, 2060);
    EXPECT_DOUBLE_EQ(s8->rzedna, 202.8);
    EXPECT_DOUBLE_EQ(g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, 8)->dokladneX, 1185.3);
    EXPECT_EQ(g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 8)->identyfikator, "dodatkowy1");
    // Row 6 starts at C, which also lies on C1: the same pair, no second connector.
    // Row 7 starts at K1 on E, the end of row 6: a connector from E to K1.
    EXPECT_EQ(wiersz(g, 9), (std::vector<std::string>{"9", "dodatkowy2", "E", "K1", "de40", "0",
                                                      "10", "0", "0", "0", "0", "brak", "0", "0",
                                                      "1225", "2060", "203.00", "0.1", "0"}));
    // The catalogue part, commas turned into points.
    ASSERT_EQ(ob.RurGrid.liczbaWierszy(), 5);
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dn, 1), "de40");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dzew, 1), "40");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Gru, 1), "3.7");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Gru, 4), "10");
    // The source row takes the elevation and coordinates of its node.
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::RzednaTeZrodla, 1), "200.10");
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::Xzrodla, 1), "1000");
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::Yzrodla, 1), "2000");
}

TEST(Profil, CoordinatesRoundHalvesToEvenAndBareLfIsAccepted) {
    Obiekt ob;
    RejestratorKomunikatow k;
    const std::string pro = plikPro({"1 a A B 10 de40 1000.5 1001.5 1 -2.5 7.5 2",
                                     "  2   b   B  C  10  de40  -2.5 7.5 2 30 30 3  "},
                                    "\n");
    ASSERT_TRUE(CzytajPROFILZBajtow(ob, pro, true, k));
    const Tabela& g = ob.Grid;
    const auto* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, 1);
    EXPECT_EQ(nwp->X, 1000);
    EXPECT_EQ(nwp->Y, 1002);
    EXPECT_EQ(g.tekst(kol::X, 1), "-2");
    EXPECT_EQ(g.tekst(kol::Y, 1), "8");
    EXPECT_EQ(g.tekst(kol::WezelPocz, 2), "B");
    EXPECT_EQ(g.tekst(kol::RzednaTe, 2), "3.00");
    EXPECT_EQ(g.liczbaWierszy(), 3);
}

TEST(Profil, ChangesUpdateMatchingRowsSwapReversedOnesAndAppendTheRest) {
    Obiekt ob;
    zrodloS1(ob);
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPlikPROFIL(ob, kPrzyklad, true, k));
    Tabela& g = ob.Grid;
    // Row 2 (A-B) was reversed by the program: now B-A, sign -1.
    g.ustawTekst(kol::WezelPocz, 2, "B");
    g.ustawTekst(kol::WezelKonc, 2, "A");
    g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 2)->znak = -1;
    g.ustawTekst(kol::NazwaOdcinka, 3, "Żytnia");

    const std::string zmiany = plikPro({
        "2 P-002 A B 86,5 de110 1100.4 2000.6 201.55 1185.2 2001.7 202.2",
        "3 P-003 X Y 61 de90 1185 2000 202.1 1185 2060 202.8",
        "8 P-008 Łąka G 30 de40 1280 2060 203.4 1280 2090 203.9",
    });
    ASSERT_TRUE(CzytajPROFILZBajtow(ob, zmiany, false, k));
    // The connectors of the first import were removed, then found again.
    ASSERT_EQ(g.liczbaWierszy(), 11);
    // Row 2: length and diameter; the row's end (A) takes PROFIL's start values.
    EXPECT_EQ(g.tekst(kol::DlugoscMetry, 2), "86.5");
    EXPECT_EQ(g.tekst(kol::SrednicaNomin, 2), "de110");
    EXPECT_EQ(g.tekst(kol::WezelPocz, 2), "B");  // names unchanged
    EXPECT_EQ(g.tekst(kol::X, 2), "1100");
    EXPECT_EQ(g.tekst(kol::Y, 2), "2001");
    EXPECT_EQ(g.tekst(kol::RzednaTe, 2), "201.55");
    EXPECT_DOUBLE_EQ(g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, 2)->dokladneX, 1100.4);
    const auto* s2 = g.rekordTypu<TdaneNWP>(kol::WezelPocz, 2);
    EXPECT_EQ(s2->X, 1185);
    EXPECT_EQ(s2->Y, 2002);
    EXPECT_DOUBLE_EQ(s2->rzedna, 202.2);
    // Row 3 keeps its names and name; only the geometry changes.
    EXPECT_EQ(g.tekst(kol::WezelPocz, 3), "B");
    EXPECT_EQ(g.tekst(kol::NazwaOdcinka, 3), "Żytnia");
    EXPECT_EQ(g.tekst(kol::SrednicaNomin, 3), "de90");
    // The unknown identifier is appended after row 7 with number 8 and name "0".
    EXPECT_EQ(g.tekst(kol::NumerOdcinka, 8), "8");
    EXPECT_EQ(g.tekst(kol::NazwaOdcinka, 8), "0");
    EXPECT_EQ(g.tekst(kol::WezelKonc, 8), "G");
    EXPECT_EQ(g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 8)->identyfikator, "P-008");
    EXPECT_EQ(g.tekst(kol::NazwaOdcinka, 9), "dodatkowy1");
    EXPECT_EQ(g.tekst(kol::NumerOdcinka, 9), "9");
    EXPECT_EQ(g.tekst(kol::NazwaOdcinka, 10), "dodatkowy2");

    // A second changes import: connectors removed again, nothing doubled.
    ASSERT_TRUE(CzytajPROFILZBajtow(ob, zmiany, false, k));
    EXPECT_EQ(g.liczbaWierszy(), 11);
    EXPECT_TRUE(k.wpisy.empty());
}

TEST(Profil, CoincidentEndNodesBothWithDemandsAreReported) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPlikPROFIL(ob, kPrzyklad, true, k));
    ob.Grid.ustawTekst(kol::PoborWez, 3, "2.5");
    ob.Grid.ustawTekst(kol::PoborWez, 5, "1");
    ASSERT_TRUE(CzytajPlikPROFIL(ob, kPrzyklad, false, k));
    EXPECT_EQ(ob.ListBoxAnalizaDanych,
              (std::vector<std::string>{
                  "Tylko jeden z węzłów C1 i C może mieć rozbiór węzłowy większy od zera."}));
    EXPECT_EQ(ob.Grid.tekst(kol::PoborWez, 8), "1");  // the connector ends at C1
}

TEST(Profil, ReadErrorsStopTheReadingButKeepTheRowsAndConnectors) {
    struct Przypadek {
        const char* opis;
        std::vector<std::string> linie;
        int wierszy;  // rows of Grid afterwards, header included
    };
    const std::vector<Przypadek> przypadki = {
        {"too few fields", {"1 a A B 10 de40 0 0 1 5 5 2", "2 b B C 10 de40 5 5 2 9 9"}, 2},
        {"empty line", {"1 a A B 10 de40 0 0 1 5 5 2", "", "2 b B C 10 de40 5 5 2 9 9 3"}, 2},
        {"short catalogue line",
         {"1 a A B 10 de40 0 0 1 5 5 2", "2 b C D 10 de40 5.2 5.1 2 9 9 3", "*", "de40 40"},
         4},
    };
    for (const auto& p : przypadki) {
        Obiekt ob;
        RejestratorKomunikatow k;
        EXPECT_FALSE(CzytajPROFILZBajtow(ob, plikPro(p.linie), true, k)) << p.opis;
        EXPECT_EQ(k.teksty(),
                  (std::vector<std::string>{
                      "Błąd importu z PROFIL.\nPodany plik nie zawiera poprawnych danych"}))
            << p.opis;
        EXPECT_EQ(ob.Grid.liczbaWierszy(), p.wierszy) << p.opis;
    }
}

TEST(Profil, NumberErrorIsReportedAndReadingGoesOn) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPROFILZBajtow(
        ob, plikPro({"1 a A B 12x de40 0 0 1 5 5 2", "2 b B C 7 de40 5 5 2 9 9 3 m"}), true, k));
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{"Błąd w zapisie liczby: 12x",
                                                    "Błąd w zapisie liczby: 3 m"}));
    EXPECT_EQ(ob.Grid.tekst(kol::DlugoscMetry, 1), "0");
    EXPECT_EQ(ob.Grid.tekst(kol::RzednaTe, 2), "0.00");
}

TEST(Profil, LongNamesAreCutWithTheirMessage) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPROFILZBajtow(
        ob, plikPro({"1 a Węzeł_o_długiej_nazwie B 1 de40 0 0 1 5 5 2"}), true, k));
    EXPECT_EQ(ob.Grid.tekst(kol::WezelPocz, 1), "Węzeł_o_długiej_");
    EXPECT_EQ(k.teksty(),
              (std::vector<std::string>{"Przekroczenie maksymalnej długości nazwy (do 16 znaków): "
                                        "Węzeł_o_długiej_nazwie"}));
}

TEST(Profil, EveryStarLineStartsTheCatalogueOver) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPROFILZBajtow(
        ob, plikPro({"1 a A B 1 de40 0 0 1 5 5 2", "*", "a 1 1", "b 2 2", "*", "110 114,3 3,6"}),
        true, k));
    ASSERT_EQ(ob.RurGrid.liczbaWierszy(), 2);
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dn, 1), "110");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dzew, 1), "114.3");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Gru, 1), "3.6");
    EXPECT_TRUE(ob.KatalogZmieniony);
}

TEST(Profil, MissingFileEmptiesTheNetworkForNewDataOnly) {
    Folder f;
    RejestratorKomunikatow k;
    Obiekt a;
    zbudujOsiedle(a);
    EXPECT_FALSE(CzytajPlikPROFIL(a, f.plik("brak.pro"), false, k));
    EXPECT_EQ(a.Grid.liczbaWierszy(), 7);
    Obiekt b;
    zbudujOsiedle(b);
    EXPECT_FALSE(CzytajPlikPROFIL(b, f.plik("brak.pro"), true, k));
    EXPECT_EQ(b.Grid.liczbaWierszy(), 2);
    EXPECT_TRUE(b.trasa.empty());
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{"Nie znaleziono pliku " + f.plik("brak.pro"),
                                                    "Nie znaleziono pliku " + f.plik("brak.pro")}));
}

TEST(Profil, ResultsFileMatchesTheHandWrittenLayout) {
    Folder f;
    Obiekt ob;
    ob.parametry.PminDop = 1.6;
    Tabela& g = ob.Grid;
    g.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    g.ustawLiczbeWierszy(5);
    ustawWiersz(g, 1, {"1", "Główna", "S1", "A"});
    ustawWiersz(g, 2, {"2", "", "A", "B"});
    ustawWiersz(g, 3, {"3", "Ulica Bardzo Długa Nazwa", "B", "C"});
    ustawWiersz(g, 4, {"4", "Ślepa", "C", "E"});
    const std::vector<std::pair<const char*, const char*>> p = {
        {"2.3", "2.1234"}, {"2.1234", "1.98761"}, {"????", "1.5"}, {"1.5", "1.4"}};
    for (int w = 1; w <= 4; ++w) {
        g.ustawTekst(kol::Ppocz, w, p[w - 1].first);
        g.ustawTekst(kol::Pkonc, w, p[w - 1].second);
    }
    double pmin = 0, pmax = 0;
    zakresCisnien(ob, pmin, pmax);
    EXPECT_DOUBLE_EQ(pmin, 1.4);
    EXPECT_DOUBLE_EQ(pmax, 2.3);
    RejestratorKomunikatow k;
    const std::string plik = f.plik("dla_profil.txt");
    ASSERT_TRUE(ZapiszWynikiPROFIL(ob, plik, 1.5, 2.3, k));
    EXPECT_EQ(bajty(plik),
              bajty(std::string(KELMOR_TESTDATA_DIR) + "/profil_wyniki_oczekiwane.txt"));
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{"Błąd w zapisie liczby: ????"}));
}

TEST(Profil, HeaderStartsWithPminDopWhenEveryPressureIsAboveIt) {
    Obiekt ob;
    ob.parametry.PminDop = 1.6;
    ob.parametry.ustawJednostke(1);
    RejestratorKomunikatow k;
    const auto linie = liniePROFIL(ob, 1.9, 2.3, k);
    EXPECT_EQ(linie[0], "    1.6000     2.3000     1.6000 hPa");
}
