#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "io/PlikDanych.h"
#include "io/ZapisAtomowy.h"
#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace fs = std::filesystem;
using namespace kelmor;

namespace {

std::string sp(int n) {
    return std::string(n, ' ');
}
std::string cp(const std::string& utf8) {
    return naCp1250(utf8).tekst;
}

std::string wczytaj(const std::string& sciezka) {
    std::string d;
    EXPECT_TRUE(wczytajPlik(sciezka, d)) << sciezka;
    return d;
}
std::string przyklad(const char* nazwa) {
    return std::string(KELMOR_EXAMPLES_DIR) + "/" + nazwa;
}

// Lines joined with CR LF, converted to Windows-1250.
std::string plik(std::initializer_list<std::string> linie) {
    std::string s;
    for (const auto& l : linie) s += l + "\r\n";
    return cp(s);
}

struct Folder {
    fs::path p;
    Folder() {
        p = fs::temp_directory_path() /
            ("kelmor_gaz_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(p);
        fs::create_directories(p);
    }
    ~Folder() { fs::remove_all(p); }
    std::string operator/(const char* n) const { return (p / n).string(); }
};

// A small network with every kind of content, built through the tables.
void malaSiec(Obiekt& ob) {
    Parametry& par = ob.parametry;
    par.Tytul = "Sieć testowa";
    par.PminDop = 1.5;
    par.HsGazu = 39.5;
    par.ChropoDomyslne = 0.01;
    par.ProcentDomyslny = 5;
    ob.opcje.CheckBoxXY = true;
    Tabela& z = ob.ZrodlaGrid;
    z.ustawTekst(kol::NazwaZrodla, 1, "ZR");
    z.ustawTekst(kol::Pzrodla, 1, "2.5");
    z.ustawTekst(kol::RzednaTeZrodla, 1, "100");
    ob.liczbaZrodel = 1;
    Tabela& g = ob.Grid;
    ob.domyslneWiersza(1);
    const char* teksty[] = {"",    "1",  "ul. Łąkowa", "ZR",     "A",    "PE90", "12.5",
                            "5",   "10", "1.2",        "4",      "2.5",  "jest", "2",
                            "3.5", "10", "20",         "101.25", "0.01", "1 szt"};
    for (int k = 1; k < 20; ++k) g.ustawTekst(k, 1, teksty[k]);
    auto& lista = g.zapewnijRekord<ListaPrzylaczy>(kol::PoborOdc, 1);
    lista.pozycje.push_back({"Sklep", 2, 1, 1, {}});
    auto& opory = g.zapewnijRekord<ListaOporow>(kol::IleOpo, 1);
    opory.wpisy[19].Par1 = 0.5;
    opory.wpisy[19].Ile = 1;
    ob.liczbaOdcinkow = 1;
    ob.trasa = {{"ZR", 0}, {"A", 12.5}};
}

}  // namespace

// The bytes of format 123, field by field as the format lays them out.
TEST(PlikDanychZapis, WritesFormat123FieldByField) {
    Obiekt ob;
    malaSiec(ob);
    RejestratorKomunikatow k;
    std::string bajty;
    ASSERT_TRUE(tekstPlikuDanych(ob, k, bajty)) << ::testing::PrintToString(k.teksty());
    const std::string oczekiwane = plik({
        "Sieć testowa",
        "123",
        "2     1.5000 10.00   0.6000   39.500 2   0.0100     5.00",
        "0 0 0 0 0 0 0 1 0",
        "1",
        " " + sp(14) + "ZR" + "    2.50000" + "   100.00" + " 0 0",
        "    1 ul. Łąkowa",
        sp(14) + "ZR " + sp(15) + "A " + sp(12) + "PE90" + "    12.50" + "     5.00" + " 1" +
            "   0.010" + "       10" + "    1.20" + "        4" + "    2.50" + " jest" +
            "    2.000" + "    3.500" + "   101.25" + " 10 20",
        "1 ZR-A",
        "0 0 " + sp(15) + "0 " + sp(15) + "0" + "    0.00" + "    0.000",
        sp(14) + "10 " + sp(14) + "20",
        "Pro=  1",
        sp(10) + "1  pobor=   2.00000  *    1.00000 Sklep",
        sp(19) + "0",
        "Prw=  0",
        "   20",
        "    0.5000     0.0000         1",
        "-2 " + sp(14) + "ZR " + sp(15) + "A",
    });
    EXPECT_EQ(bajty, oczekiwane);
}

TEST(PlikDanychZapis, TariffModelWritesNegativeNumberAndLine4AndWithdrawnRowsNegativeLength) {
    Obiekt ob;
    malaSiec(ob);
    ob.zmienSposobPoborow(1);
    ob.parametry.Q1W = {1.25, 3.5, 4, 4.2};
    ob.Grid.zapewnijRekord<TWycof>(kol::NumerOdcinka, 1).wycofany = 1;
    ob.Grid.ustawTekst(kol::DlugoscMetry, 1, "0");  // the sign marks it even for 0
    RejestratorKomunikatow k;
    std::string bajty;
    ASSERT_TRUE(tekstPlikuDanych(ob, k, bajty));
    const std::string t = zCp1250(bajty);
    EXPECT_EQ(t.substr(0, t.find("0 0 0")),
              "Sieć testowa\r\n-123\r\n2     1.5000 10.00   0.6000   39.500 2   0.0100     5.00\r\n"
              "  1.2500   3.5000   4.0000   4.2000\r\n");
    EXPECT_NE(t.find("PE90    -0.00     5.00"), std::string::npos);
    Obiekt ob2;
    ASSERT_TRUE(czytajDaneZTekstu(ob2, k, bajty));
    EXPECT_EQ(ob2.parametry.sposoby, 1);
    EXPECT_EQ(ob2.OpisModeluPoborow, "według taryf");
    EXPECT_EQ(ob2.parametry.Q1W, (std::array<double, 4>{1.25, 3.5, 4, 4.2}));
    EXPECT_TRUE(wierszWycofany(ob2.Grid, 1));
    EXPECT_EQ(ob2.Grid.tekst(kol::DlugoscMetry, 1), "0");
}

// Every input cell, record, option and the route survive a write and a
// read, and a second write gives the same bytes.
TEST(PlikDanychZapis, RoundTripKeepsEveryCellRecordOptionAndRoute) {
    Obiekt ob;
    malaSiec(ob);
    Tabela& g = ob.Grid;
    // A second row ending at the start node, reversed once, withdrawn.
    g.ustawLiczbeWierszy(3);
    ob.domyslneWiersza(2);
    const char* teksty[] = {"",     "7",    "ul. Żwirki i Wigury",
                            "B",    "ZR",   "63",
                            "40",   "0",    "3",
                            "0.8",  "0",    "0",
                            "brak", "0",    "1.25",
                            "-5",   "7",    "99.50",
                            "0.1",  "0 szt"};
    for (int k = 1; k < 20; ++k) g.ustawTekst(k, 2, teksty[k]);
    g.zapewnijRekord<TWycof>(kol::NumerOdcinka, 2).wycofany = 1;
    auto& kier = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, 2);
    kier.znak = -1;
    kier.identyfikator = "ZR-B";
    auto& nwk = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, 2);
    nwk.dokladneX = -5.125;
    nwk.dokladneY = 7.0625;
    // Four levels of connections at the end node.
    TPrzylacze licznik{"m. 5 Wiśniewski", 0.75, 2, 1, {}};
    TPrzylacze klatka{"klatka I", 1.5, 1, 1, {licznik}};
    TPrzylacze pion{"pion", 1.5, 1, 1, {klatka}};
    TPrzylacze blok{"Blok 3", 1.5, 1, 1, {pion}};
    g.zapewnijRekord<ListaPrzylaczy>(kol::PoborWez, 2).pozycje = {blok};
    ob.liczbaOdcinkow = 2;
    ob.opcje = {true, false, true, false, true, false, true, false, true};
    ob.parametry.ustawJednostke(0);
    auto& opory = g.zapewnijRekord<ListaOporow>(kol::IleOpo, 2);
    opory.wpisy[17].Par1 = 0.5;  // gate valve half open
    opory.wpisy[17].Ile = 2;
    opory.wpisy[20].Par1 = -300;  // reducer
    opory.wpisy[20].Ile = 1;

    RejestratorKomunikatow k;
    std::string w1;
    ASSERT_TRUE(tekstPlikuDanych(ob, k, w1)) << ::testing::PrintToString(k.teksty());
    Obiekt ob2;
    ob2.parametry.mnoznik = 2.5;
    ob2.parametry.wzory = {2, 7};
    ob2.RurGrid.ustawTekst(kol::Dn, 1, "PE63");
    ASSERT_TRUE(czytajDaneZTekstu(ob2, k, w1)) << ::testing::PrintToString(k.teksty());
    EXPECT_TRUE(k.wpisy.empty()) << ::testing::PrintToString(k.teksty());

    EXPECT_EQ(ob2.parametry.Tytul, "Sieć testowa");
    EXPECT_EQ(ob2.parametry.jednostkaP, 0);
    EXPECT_EQ(ob2.parametry.NazwaJednostki, "Pa");
    EXPECT_EQ(ob2.parametry.PminDop, 1.5);
    EXPECT_EQ(ob2.parametry.HsGazu, 39.5);
    EXPECT_EQ(ob2.opcje, ob.opcje);
    // Left alone by reading.
    EXPECT_EQ(ob2.parametry.mnoznik, 2.5);
    EXPECT_EQ(ob2.parametry.wzory.wzor, 7);
    EXPECT_EQ(ob2.RurGrid.tekst(kol::Dn, 1), "PE63");

    EXPECT_EQ(ob2.liczbaZrodel, 1);
    EXPECT_EQ(ob2.ZrodlaGrid.tekst(kol::NazwaZrodla, 1), "ZR");
    EXPECT_EQ(ob2.ZrodlaGrid.tekst(kol::Pzrodla, 1), "2.50");
    EXPECT_EQ(ob2.ZrodlaGrid.tekst(kol::RzednaTeZrodla, 1), "100.00");
    ASSERT_EQ(ob2.liczbaOdcinkow, 2);
    for (int w = 1; w <= 2; ++w)
        for (int c = 1; c < 19; ++c) {
            std::string oczek = ob.Grid.tekst(c, w);
            if (c == kol::RzednaTe) oczek = w == 1 ? "101.25" : "99.50";
            EXPECT_EQ(ob2.Grid.tekst(c, w), oczek) << "row " << w << " col " << c;
        }
    EXPECT_EQ(ob2.Grid.tekst(kol::IleOpo, 1), "1 szt");
    EXPECT_EQ(ob2.Grid.tekst(kol::IleOpo, 2), "-300 Pa");
    EXPECT_FALSE(wierszWycofany(ob2.Grid, 1));
    EXPECT_TRUE(wierszWycofany(ob2.Grid, 2));
    const auto* k2 = ob2.Grid.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 2);
    ASSERT_TRUE(k2);
    EXPECT_EQ(k2->znak, -1);
    EXPECT_EQ(k2->identyfikator, "ZR-B");
    EXPECT_EQ(ob2.Grid.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 1)->identyfikator, "ZR-A");
    const auto* e2 = ob2.Grid.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, 2);
    EXPECT_EQ(e2->dokladneX, -5.125);
    EXPECT_EQ(e2->dokladneY, 7.0625);
    EXPECT_EQ(e2->WezelZrodlowy, 1);  // B-ZR ends at the source
    // Row 1 starts at B's... no: at ZR, which ends row 2: its record came from row 2.
    const auto* p1 = ob2.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 1);
    EXPECT_EQ(p1->X, -5);
    EXPECT_EQ(p1->Y, 7);
    EXPECT_EQ(p1->pobor, 1.25);
    EXPECT_EQ(p1->rzedna, 99.5);
    EXPECT_EQ(p1->dokladneX, -5.125);
    EXPECT_EQ(p1->WezelZrodlowy, 1);
    for (int kk = 8; kk <= 11; ++kk) EXPECT_EQ(ob2.Grid.rekordTypu<Ttaryfy>(kk, 1)->taryfowy, "0");

    const auto* l1 = ob2.Grid.rekordTypu<ListaPrzylaczy>(kol::PoborOdc, 1);
    ASSERT_TRUE(l1);
    ASSERT_EQ(l1->pozycje.size(), 1u);
    EXPECT_EQ(l1->pozycje[0].Nazwa, "Sklep");
    EXPECT_EQ(ob2.Grid.rekordTypu<ListaPrzylaczy>(kol::PoborWez, 1), nullptr);
    const auto* l2 = ob2.Grid.rekordTypu<ListaPrzylaczy>(kol::PoborWez, 2);
    ASSERT_TRUE(l2);
    const TPrzylacze& m = l2->pozycje.at(0).Podrzedne.at(0).Podrzedne.at(0).Podrzedne.at(0);
    EXPECT_EQ(m.Nazwa, "m. 5 Wiśniewski");
    EXPECT_EQ(m.Strumien, 0.75);
    EXPECT_EQ(m.Mnoznik, 2);
    EXPECT_EQ(m.Lp, 1);

    const auto* o2 = ob2.Grid.rekordTypu<ListaOporow>(kol::IleOpo, 2);
    ASSERT_TRUE(o2);
    EXPECT_EQ(o2->wpisy[17].Par1, 0.5);
    EXPECT_EQ(o2->wpisy[17].Ile, 2);
    EXPECT_EQ(o2->wpisy[20].Par1, -300);
    EXPECT_EQ(o2->wpisy[20].Ile, 1);
    EXPECT_EQ(o2->wpisy[20].Rodzaj, 21);
    EXPECT_EQ(ob2.trasa, ob.trasa);

    std::string w2;
    ASSERT_TRUE(tekstPlikuDanych(ob2, k, w2));
    EXPECT_EQ(w1, w2);
}

TEST(PlikDanychOdczyt, ExamplesReadAndWriteBackByteForByte) {
    for (const char* nazwa : {"osiedle.gaz", "taryfy.gaz"}) {
        SCOPED_TRACE(nazwa);
        Obiekt ob;
        RejestratorKomunikatow k;
        ASSERT_TRUE(CzytajPlikDanych(ob, k, przyklad(nazwa)));
        EXPECT_TRUE(k.wpisy.empty()) << ::testing::PrintToString(k.teksty());
        std::string bajty;
        ASSERT_TRUE(tekstPlikuDanych(ob, k, bajty));
        EXPECT_EQ(bajty, wczytaj(przyklad(nazwa)));
    }
}

TEST(PlikDanychOdczyt, EstateExampleContents) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPlikDanych(ob, k, przyklad("osiedle.gaz")));
    EXPECT_EQ(ob.liczbaZrodel, 1);
    EXPECT_EQ(ob.liczbaOdcinkow, 28);
    EXPECT_EQ(ob.Grid.tekst(kol::NazwaOdcinka, 26), "ul. Źródlana");
    // Row 1: gate valve (kind 15) and two bends (kind 8).
    const auto* o = ob.Grid.rekordTypu<ListaOporow>(kol::IleOpo, 1);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->wpisy[17].Ile, 1);
    EXPECT_EQ(o->wpisy[10].Ile, 2);
    EXPECT_EQ(o->wpisy[10].Par2, 90);
    EXPECT_EQ(ob.Grid.tekst(kol::IleOpo, 1), "3 szt");
    // Segment 7: connections whose sum is the distributed demand.
    const auto* l = ob.Grid.rekordTypu<ListaPrzylaczy>(kol::PoborOdc, 7);
    ASSERT_TRUE(l);
    EXPECT_DOUBLE_EQ(l->wartosc(), *naLiczbe(ob.Grid.tekst(kol::PoborOdc, 7)));
    EXPECT_EQ(l->pozycje.at(0).Podrzedne.at(0).Podrzedne.at(0).Podrzedne.size(), 3u);
    // The route with the lengths of its segments.
    ASSERT_EQ(ob.trasa.size(), 8u);
    EXPECT_EQ(ob.trasa[0], (TMojaTr{"ST1", 0}));
    EXPECT_EQ(ob.trasa[1], (TMojaTr{"W01", 50}));
    EXPECT_EQ(ob.trasa[7], (TMojaTr{"W15", 100}));
    // The start node of segment 2 takes its data from segment 1.
    const auto* p = ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 2);
    EXPECT_EQ(p->X, 50);
    EXPECT_EQ(p->rzedna, 121.8);
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 1)->WezelZrodlowy, 1);
}

TEST(PlikDanychOdczyt, BareLineFeedsAreAccepted) {
    std::string bajty = wczytaj(przyklad("osiedle.gaz")), lf;
    for (char c : bajty)
        if (c != '\r') lf += c;
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(czytajDaneZTekstu(ob, k, lf));
    std::string w;
    ASSERT_TRUE(tekstPlikuDanych(ob, k, w));
    EXPECT_EQ(w, bajty);
}

TEST(PlikDanychOdczyt, OldestVariantUsesFourCharacterNames) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPlikDanych(ob, k, przyklad("stary.gas")));
    EXPECT_EQ(ob.parametry.jednostkaP, 1);
    EXPECT_EQ(ob.parametry.NazwaJednostki, "hPa");
    EXPECT_EQ(ob.parametry.PminDop, 18);
    EXPECT_TRUE(ob.opcje.CheckBoxUlica);
    EXPECT_TRUE(ob.opcje.CheckBoxTeren);
    EXPECT_FALSE(ob.opcje.CheckBoxLiczbaO);
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::NazwaZrodla, 1), "ZR01");
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::Pzrodla, 1), "25.00");
    ASSERT_EQ(ob.liczbaOdcinkow, 7);
    EXPECT_EQ(ob.Grid.tekst(kol::WezelPocz, 2), "A001");
    EXPECT_EQ(ob.Grid.tekst(kol::WezelKonc, 2), "A002");
    EXPECT_EQ(ob.Grid.tekst(kol::SrednicaNomin, 2), "80");
    EXPECT_EQ(ob.Grid.tekst(kol::NazwaOdcinka, 2), "");
    EXPECT_EQ(ob.Grid.rekordTypu<ListaOporow>(kol::IleOpo, 2)->wpisy[4].Par1, 80);
    // The start-node records are refreshed with the sources.
    const auto* p = ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 1);
    EXPECT_EQ(p->rzedna, 95);
    EXPECT_EQ(ob.Grid.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 1)->identyfikator, "");
    ASSERT_EQ(ob.trasa.size(), 4u);
    EXPECT_EQ(ob.trasa[3], (TMojaTr{"A005", 80}));
}

TEST(PlikDanychOdczyt, Format122FromGdoCarriesIdentifiers) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPlikDanych(ob, k, przyklad("gdo.gaz")));
    EXPECT_TRUE(ob.DaneZGDO);
    ASSERT_EQ(ob.liczbaOdcinkow, 6);
    EXPECT_EQ(ob.Grid.tekst(kol::WezelPocz, 1), "SG-Północ");
    const auto* p = ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 1);
    EXPECT_EQ(p->IdentyfikatorWezla, "N-0001");
    EXPECT_EQ(p->WezelZrodlowy, 1);
    EXPECT_EQ(p->rzedna, 180);
    EXPECT_EQ(p->X, 1000);
    const auto* e = ob.Grid.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, 1);
    EXPECT_EQ(e->IdentyfikatorWezla, "N-0101");
    EXPECT_EQ(e->WezelZrodlowy, 0);
    EXPECT_EQ(ob.Grid.tekst(kol::DlugoscMetry, 2), "111.8");
    // Reading another file clears the mark again.
    ASSERT_TRUE(CzytajPlikDanych(ob, k, przyklad("osiedle.gaz")));
    EXPECT_FALSE(ob.DaneZGDO);
}

namespace {

// Lines d and e with zeros in their fixed fields.
std::string linieDE() {
    return "0 0 " + sp(15) + "0 " + sp(15) + "0 0 0\r\n" + sp(15) + "0 " + sp(15) + "0\r\n";
}
std::string linia3() {
    return "2     1.5000 10.00   0.6000   39.500 2   0.0100     5.00";
}
std::string linieOdcinka(const std::string& w1, const std::string& w2, int szer) {
    auto n = [szer](const std::string& s) { return std::string(szer - s.size(), ' ') + s; };
    return n(w1) + " " + n(w2) + " " + n("90") +
           "    12.50     5.00 0   0.010        1    1.20        0    0.00 brak    0.000    0.000  "
           " 101.00 1 2";
}

}  // namespace

TEST(PlikDanychOdczyt, NameWidthDetection) {
    struct Przypadek {
        const char* opis;
        std::string zrodlo;  // first source line ("" = no sources)
        int szerokosc;       // width of the segment lines
        const char* nazwa;   // start name of segment 2 as read
    };
    const Przypadek przypadki[] = {
        {"16-character source name", " ZRODLO_PIERWSZE1    2.50000   100.00 0 0", 16, "ABCDEFGH"},
        {"4-character source field", " ZR01    2.50000   100.00 0 0", 4, "ABCD"},
        {"8-character source field", " ZRODLO01    2.50000   100.00 0 0", 8, "ABCDEFGH"},
        {"no sources: from the first segment line", "", 8, "ABCDEFGH"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        const std::string w = std::string("ABCDEFGH").substr(0, std::min(p.szerokosc, 8));
        std::string t = "T\r\n121\r\n" + linia3() + "\r\n0 0 0 0 0 0 0 0 0\r\n";
        t += p.zrodlo.empty() ? "0\r\n" : "1\r\n" + p.zrodlo + "\r\n";
        t += "    1 a\r\n" + linieOdcinka("W1", "W2", p.szerokosc) + "\r\nPro=  0\r\nPrw=  0\r\n";
        t += "    2 b\r\n" + linieOdcinka(w, "W3", p.szerokosc) + "\r\nPro=  0\r\nPrw=  0\r\n";
        t += "-2 " + std::string(p.szerokosc - 2, ' ') + "W1 " + std::string(p.szerokosc - 2, ' ') +
             "W2\r\n";
        Obiekt ob;
        RejestratorKomunikatow k;
        ASSERT_TRUE(czytajDaneZTekstu(ob, k, t)) << ::testing::PrintToString(k.teksty());
        ASSERT_EQ(ob.liczbaOdcinkow, 2);
        EXPECT_EQ(ob.Grid.tekst(kol::WezelPocz, 2), w);
        EXPECT_EQ(ob.Grid.tekst(kol::WezelKonc, 2), "W3");
        EXPECT_EQ(ob.Grid.tekst(kol::SrednicaNomin, 2), "90");
        EXPECT_EQ(ob.Grid.tekst(kol::X, 2), "1");
        ASSERT_EQ(ob.trasa.size(), 2u);
        EXPECT_EQ(ob.trasa[1], (TMojaTr{"W2", 12.5}));
    }
}

TEST(PlikDanychOdczyt, Format120And121AndTabsInTheFirstLine) {
    std::string t =
        "T\r\n120\r\n" + linia3() + "\r\n0 0 0 0 0 0 0 0 0\r\n1\r\n ZR\t2.5\t100 0 0\r\n";
    t += "    1 ul. Polna\r\n" + linieOdcinka("ZR", "W2", 16) + "\r\n";
    t += "    2 ul. Polna\r\n" + linieOdcinka("W2", "W3", 16) + "\r\n";
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(czytajDaneZTekstu(ob, k, t)) << ::testing::PrintToString(k.teksty());
    EXPECT_EQ(ob.liczbaOdcinkow, 2);
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::Pzrodla, 1), "2.50");
    EXPECT_EQ(ob.Grid.tekst(kol::NazwaOdcinka, 2), "ul. Polna");
    // Refreshed with sources: row 2 starts where row 1 ends.
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 2)->X, 1);
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 1)->rzedna, 100);
}

TEST(PlikDanychOdczyt, CellForms) {
    std::string t = "T\r\n123\r\n" + linia3() + "\r\n0 0 0 0 0 0 0 0 0\r\n1\r\n";
    t += " ZR 0.00250 123.456 5 6\r\n";
    t += "   12\r\n" + std::string(14, ' ') + "ZR " + std::string(14, ' ') + "W2 " +
         std::string(14, ' ') +
         "90  -12.50 2.123456789 1 0.01 3 1.23456789 4 0.5 jest 1e-7 2 101.256 7 8\r\n";
    t += "-1   ZR-W2  \r\n" + linieDE() +
         "Pro=  0\r\nPrw=  0\r\n   15\r\n    0.0000     0.0000         1\r\n";
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(czytajDaneZTekstu(ob, k, t)) << ::testing::PrintToString(k.teksty());
    // Source pressure and elevation: fixed 4/2 unless that would lose the value.
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::Pzrodla, 1), "0.0025");
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::RzednaTeZrodla, 1), "123.456");
    const Tabela& g = ob.Grid;
    EXPECT_EQ(g.tekst(kol::NumerOdcinka, 1), "12");
    EXPECT_EQ(g.tekst(kol::DlugoscMetry, 1), "12.5");
    EXPECT_TRUE(wierszWycofany(g, 1));
    EXPECT_EQ(g.tekst(kol::ProcentDluNaOpory, 1), "2.1234568");
    EXPECT_EQ(g.tekst(kol::JednostCeleKom, 1), "1.2345679");
    EXPECT_EQ(g.tekst(kol::Sklepy, 1), "jest");
    EXPECT_EQ(g.tekst(kol::PoborOdc, 1), "1E-7");
    EXPECT_EQ(g.tekst(kol::RzednaTe, 1), "101.26");
    EXPECT_EQ(g.tekst(kol::IleOpo, 1), "1 szt");
    // A gate valve stored with opening 0 and one piece opens fully.
    EXPECT_EQ(g.rekordTypu<ListaOporow>(kol::IleOpo, 1)->wpisy[17].Par1, 1);
    const auto* kier = g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 1);
    EXPECT_EQ(kier->znak, -1);
    EXPECT_EQ(kier->identyfikator, "ZR-W2");
}

TEST(PlikDanychOdczyt, TrailingBlankLinesAreSkipped) {
    std::string t = wczytaj(przyklad("taryfy.gaz")) + "\r\n\r\n   \r\n\t\r\n";
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(czytajDaneZTekstu(ob, k, t));
    EXPECT_EQ(ob.liczbaOdcinkow, 10);
}

TEST(PlikDanychOdczyt, Gdo122WithoutSourcesReadsNames16Wide) {
    std::string t = "T\r\n122\r\n" + linia3() + "\r\n0 0 0 0 0 0 0 0 0\r\n0\r\n";
    t += "    1 ul. A\r\n" + std::string(12, ' ') + "ABCD ID1\r\n0 100 1 2 " +
         std::string(12, ' ') + "EFGH ID2\r\n" + std::string(14, ' ') +
         "90    12.50     5.00 0   0.010 0 0 0 0 brak 0 0 0 0 0\r\n";
    t += "Pro=  0\r\nPrw=  0\r\n";
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(czytajDaneZTekstu(ob, k, t)) << ::testing::PrintToString(k.teksty());
    EXPECT_EQ(ob.Grid.tekst(kol::WezelPocz, 1), "ABCD");
    EXPECT_EQ(ob.Grid.tekst(kol::WezelKonc, 1), "EFGH");
    EXPECT_EQ(ob.Grid.tekst(kol::SrednicaNomin, 1), "90");
    EXPECT_EQ(ob.Grid.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, 1)->IdentyfikatorWezla, "ID2");
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 1)->rzedna, 100);
}

// The failure table: message, result and what stays.
TEST(PlikDanychOdczyt, Failures) {
    const std::string naglowek = "Tytuł\r\n123\r\n" + linia3() + "\r\n0 0 0 0 0 0 0 0 0\r\n";
    const std::string zrodlo = "1\r\n ZR 2.5 100 0 0\r\n";
    const std::string odcinek = "    1 a\r\n" + linieOdcinka("ZR", "W2", 16) + "\r\n1 ZR-W2\r\n" +
                                linieDE() + "Pro=  0\r\nPrw=  0\r\n";
    const std::string bladSieci = "Błąd odczytu Tabeli Opisu Sieci lub Trasy";
    struct Przypadek {
        const char* opis;
        std::string tekst;
        std::vector<std::string> komunikaty;
        int odcinkow;  // rows read (-1: the table was not touched)
    };
    const Przypadek przypadki[] = {
        {"pressure unit 7",
         "T\r\n123\r\n7 0 10 0.6 40 2 0.1 0\r\n0 0 0 0 0 0 0 0 0\r\n0\r\n",
         {"Plik nie zawiera poprawnych danych"},
         -1},
        {"urbanisation 0",
         "T\r\n123\r\n2 0 10 0.6 40 0 0.1 0\r\n0 0 0 0 0 0 0 0 0\r\n0\r\n",
         {"Plik nie zawiera poprawnych danych"},
         -1},
        {"empty file", "", {"Plik nie zawiera poprawnych danych"}, -1},
        {"unreadable header number",
         "T\r\n123\r\n2 x 10 0.6 40 2 0.1 0\r\n0 0 0 0 0 0 0 0 0\r\n0\r\n" + odcinek,
         {"Błąd odczytu części wstępnej"},
         1},
        {"unreadable source",
         naglowek + "2\r\n ZR 2.5 100 0 0\r\n" + std::string(15, ' ') + "Z2 zle 1 2 3\r\n",
         {"Błąd odczytu tabeli źródeł"},
         -1},
        {"a billion sources",
         naglowek + "1000000000\r\n ZR 2.5 100 0 0\r\n",
         {"Błąd odczytu tabeli źródeł"},
         -1},
        {"unreadable segment",
         naglowek + zrodlo + odcinek + "    2 b\r\n" + linieOdcinka("W2", "W3", 16) + "x\r\n",
         {bladSieci},
         1},
        {"fittings that never add up",
         naglowek + zrodlo + "    1 a\r\n" + std::string(14, ' ') + "ZR " + std::string(14, ' ') +
             "W2 " + std::string(14, ' ') +
             "90 12.5 5 3 0.01 0 0 0 0 brak 0 0 0 0 0\r\n1 ZR-W2\r\n" + linieDE() +
             "Pro=  0\r\nPrw=  0\r\n   15\r\n 1 0 0\r\n   16\r\n 0 0 1\r\n",
         {bladSieci},
         0},
        {"a billion connections",
         naglowek + zrodlo + "    1 a\r\n" + linieOdcinka("ZR", "W2", 16) + "\r\n1 ZR-W2\r\n" +
             linieDE() + "Pro=1000000000\r\n",
         {bladSieci},
         0},
        {"negative connection count",
         naglowek + zrodlo + "    1 a\r\n" + linieOdcinka("ZR", "W2", 16) + "\r\n1 ZR-W2\r\n" +
             linieDE() + "Pro= -1\r\n",
         {bladSieci},
         0},
        {"a route of a billion nodes",
         naglowek + zrodlo + odcinek + "-1000000000 " + std::string(14, ' ') + "ZR\r\n",
         {bladSieci},
         1},
        {"the smallest integer as route",
         naglowek + zrodlo + odcinek + "-2147483648\r\n",
         {bladSieci},
         1},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Obiekt ob;
        ob.Grid.ustawTekst(kol::NumerOdcinka, 1, "99");
        ob.liczbaOdcinkow = 1;
        RejestratorKomunikatow k;
        bool zmieniono = false;
        EXPECT_FALSE(czytajDaneZTekstu(ob, k, p.tekst, &zmieniono));
        EXPECT_TRUE(zmieniono);
        EXPECT_EQ(k.teksty(), p.komunikaty);
        if (p.odcinkow < 0) {
            EXPECT_EQ(ob.Grid.tekst(kol::NumerOdcinka, 1), "99");
        } else {
            EXPECT_EQ(ob.liczbaOdcinkow, p.odcinkow);
            EXPECT_EQ(ob.Grid.liczbaWierszy(), std::max(2, p.odcinkow + 1));
        }
    }
}

TEST(PlikDanychOdczyt, UnitOutOfRangeKeepsTitleAndTablesAndAValidUnit) {
    Obiekt ob;
    ob.Grid.ustawTekst(kol::NumerOdcinka, 1, "5");
    RejestratorKomunikatow k;
    EXPECT_FALSE(czytajDaneZTekstu(
        ob, k, cp("Nowy tytuł\r\n123\r\n7 0.5 12 0.6 40 2 0.1 0\r\n0 0 0 0 0 0 0 0 0\r\n")));
    EXPECT_EQ(ob.parametry.Tytul, "Nowy tytuł");
    EXPECT_EQ(ob.parametry.TcGazu, 12);
    EXPECT_EQ(ob.parametry.jednostkaP, 2);  // never an index outside the unit list
    EXPECT_EQ(ob.Grid.tekst(kol::NumerOdcinka, 1), "5");
}

TEST(PlikDanychOdczyt, MissingFile) {
    Obiekt ob;
    ob.parametry.Tytul = "stary";
    RejestratorKomunikatow k;
    bool zmieniono = true;
    EXPECT_FALSE(CzytajPlikDanych(ob, k, "/nie/ma/takiego.gaz", &zmieniono));
    EXPECT_FALSE(zmieniono);
    EXPECT_EQ(k.teksty(), std::vector<std::string>{"Nie znaleziono pliku /nie/ma/takiego.gaz"});
    EXPECT_EQ(ob.parametry.Tytul, "stary");
}

// Inputs the fuzzer found; each once crashed, hung or broke a round trip.
TEST(PlikDanychOdczyt, FuzzRegressions) {
    for (const auto& e : fs::directory_iterator(KELMOR_TESTDATA_DIR)) {
        const std::string n = e.path().filename().string();
        if (n.rfind("gaz-fuzz-", 0) != 0) continue;
        SCOPED_TRACE(n);
        Obiekt ob;
        RejestratorKomunikatow k;
        if (!czytajDaneZTekstu(ob, k, wczytaj(e.path().string()))) continue;
        std::string w1, w2;
        walidujTabele(ob, ob.ZrodlaGrid, k);
        walidujTabele(ob, ob.Grid, k);
        if (ob.bladGrid || ob.bladZrodel || !tekstPlikuDanych(ob, k, w1)) continue;
        Obiekt ob2;
        if (czytajDaneZTekstu(ob2, k, w1)) tekstPlikuDanych(ob2, k, w2);
    }
}

TEST(PlikDanychZapis, DirectionIdentifierStaysWithoutBlanksOverManySaves) {
    Obiekt ob;
    malaSiec(ob);
    RejestratorKomunikatow k;
    std::string bajty;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(tekstPlikuDanych(ob, k, bajty));
        Obiekt nowy;
        ASSERT_TRUE(czytajDaneZTekstu(nowy, k, bajty));
        ob.Grid = nowy.Grid;
        ob.ZrodlaGrid = nowy.ZrodlaGrid;
    }
    EXPECT_EQ(ob.Grid.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 1)->identyfikator, "ZR-A");
}

TEST(PlikDanychZapis, LongPreciseCoordinatesStillFitTheirField) {
    Obiekt ob;
    malaSiec(ob);
    auto& e = ob.Grid.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, 1);
    e.dokladneX = -123456.789012345;
    e.dokladneY = 1.23456789012345e-10;
    RejestratorKomunikatow k;
    std::string bajty;
    ASSERT_TRUE(tekstPlikuDanych(ob, k, bajty));
    Obiekt ob2;
    ASSERT_TRUE(czytajDaneZTekstu(ob2, k, bajty)) << ::testing::PrintToString(k.teksty());
    const auto* e2 = ob2.Grid.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, 1);
    EXPECT_NEAR(e2->dokladneX, -123456.789012345, 1e-8);
    EXPECT_NEAR(e2->dokladneY, 1.23456789012345e-10, 1e-20);
    EXPECT_EQ(ob2.trasa.size(), 2u);  // the fields after them were read in step
}

TEST(PlikDanychZapis, BadCellFailsAndLeavesTheOldFile) {
    Folder f;
    const std::string p = f / "siec.gaz";
    ASSERT_TRUE(zapiszAtomowo(p, "stare"));
    Obiekt ob;
    malaSiec(ob);
    ob.Grid.ustawTekst(kol::PoborWez, 1, "3,5x");
    RejestratorKomunikatow k;
    EXPECT_FALSE(ZapiszPlikDanych(ob, k, p));
    EXPECT_EQ(k.teksty(), std::vector<std::string>{"Były błędy w Tabeli Opisu Sieci"});
    EXPECT_EQ(wczytaj(p), "stare");
}

TEST(PlikDanychZapis, BadSourceFailsAndLeavesTheOldFile) {
    Folder f;
    const std::string p = f / "siec.gaz";
    ASSERT_TRUE(zapiszAtomowo(p, "stare"));
    Obiekt ob;
    malaSiec(ob);
    ob.ZrodlaGrid.ustawTekst(kol::Xzrodla, 1, "1.5");
    RejestratorKomunikatow k;
    EXPECT_FALSE(ZapiszPlikDanych(ob, k, p));
    EXPECT_EQ(k.teksty(), std::vector<std::string>{"Były błędy w tabeli źródeł"});
    EXPECT_EQ(wczytaj(p), "stare");
}

TEST(PlikDanychZapis, CharacterWithoutWindows1250CodeIsRefused) {
    Folder f;
    const std::string p = f / "siec.gaz";
    ASSERT_TRUE(zapiszAtomowo(p, "stare"));
    Obiekt ob;
    malaSiec(ob);
    ob.Grid.ustawTekst(kol::NazwaOdcinka, 1, "ul. Ж");
    RejestratorKomunikatow k;
    EXPECT_FALSE(ZapiszPlikDanych(ob, k, p));
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_NE(k.wpisy[0].tekst.find("Ж"), std::string::npos);
    EXPECT_EQ(wczytaj(p), "stare");
}

TEST(PlikDanychZapis, UnwritablePathIsReportedAsIoError) {
    Obiekt ob;
    malaSiec(ob);
    RejestratorKomunikatow k;
    EXPECT_FALSE(ZapiszPlikDanych(ob, k, "/nie/ma/folderu/siec.gaz"));
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_EQ(k.wpisy[0].rodzaj, RejestratorKomunikatow::Rodzaj::BladWeWy);
    EXPECT_EQ(k.wpisy[0].tekst,
              "Nie można zapisać pliku /nie/ma/folderu/siec.gaz: nie ma takiego pliku lub folderu");
}

TEST(PlikDanychZapis, LineBreaksInTextsDoNotBreakTheFile) {
    Obiekt ob;
    malaSiec(ob);
    ob.parametry.Tytul = "dwie\nlinie";
    ob.Grid.rekordTypu<ListaPrzylaczy>(kol::PoborOdc, 1)->pozycje[0].Nazwa = "a\r\nb";
    RejestratorKomunikatow k;
    std::string bajty;
    ASSERT_TRUE(tekstPlikuDanych(ob, k, bajty));
    Obiekt ob2;
    ASSERT_TRUE(czytajDaneZTekstu(ob2, k, bajty));
    EXPECT_EQ(ob2.parametry.Tytul, "dwie linie");
    EXPECT_EQ(ob2.Grid.rekordTypu<ListaPrzylaczy>(kol::PoborOdc, 1)->pozycje[0].Nazwa, "a  b");
    EXPECT_EQ(ob2.trasa.size(), 2u);
}

// A nearly closed gate valve must not come back fully open (an opening read
// as 0 means a fully open valve).
TEST(PlikDanychZapis, NearlyClosedGateValveStaysNearlyClosed) {
    Obiekt ob;
    malaSiec(ob);
    auto& o = *ob.Grid.rekordTypu<ListaOporow>(kol::IleOpo, 1);
    o.wpisy[17].Par1 = 0.00002;
    o.wpisy[17].Ile = 1;
    RejestratorKomunikatow k;
    std::string bajty;
    ASSERT_TRUE(tekstPlikuDanych(ob, k, bajty));
    Obiekt ob2;
    ASSERT_TRUE(czytajDaneZTekstu(ob2, k, bajty));
    EXPECT_EQ(ob2.Grid.rekordTypu<ListaOporow>(kol::IleOpo, 1)->wpisy[17].Par1, 0.0001);
}
