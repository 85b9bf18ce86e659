#include "model/Walidacja.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelmor;

namespace {

// A complete network row: number, street, start, end, Dn, length, the rest
// defaults.
void wiersz(Obiekt& ob, int w, const std::string& nr, const std::string& a, const std::string& b,
            const std::string& dn = "100", const std::string& l = "50") {
    if (ob.Grid.liczbaWierszy() <= w) ob.Grid.ustawLiczbeWierszy(w + 1);
    ob.domyslneWiersza(w);
    ob.Grid.ustawTekst(1, w, nr);
    ob.Grid.ustawTekst(3, w, a);
    ob.Grid.ustawTekst(4, w, b);
    ob.Grid.ustawTekst(5, w, dn);
    ob.Grid.ustawTekst(6, w, l);
}

void zrodlo(Obiekt& ob, int w, const std::string& nazwa, const std::string& p) {
    if (ob.ZrodlaGrid.liczbaWierszy() <= w) ob.ZrodlaGrid.ustawLiczbeWierszy(w + 1);
    const char* t[] = {"", nazwa.c_str(), p.c_str(), "120.5", "10", "20"};
    for (int k = 1; k < 6; ++k) ob.ZrodlaGrid.ustawTekst(k, w, t[k]);
}

}  // namespace

TEST(ParsujRzeczywista, PrzypadkiIKomunikaty) {
    struct {
        const char* t;
        bool ok;
        double v;
    } przypadki[] = {{"", true, 0},         {"-", true, 0},    {"  2.5", true, 2.5},
                     {"1e3", true, 1000},   {"1,5", false, 7}, {"+", false, 7},
                     {"1e999", false, 7},   {"nan", false, 7}, {"0x10", false, 7},
                     {"\xc3\x28", false, 7}};
    for (const auto& c : przypadki) {
        RejestratorKomunikatow k;
        double cel = 7;
        EXPECT_EQ(parsujRzeczywista(k, c.t, cel), c.ok) << c.t;
        EXPECT_EQ(cel, c.v) << c.t;
        if (c.ok) {
            EXPECT_TRUE(k.wpisy.empty());
        } else {
            ASSERT_EQ(k.wpisy.size(), 1u);
            EXPECT_EQ(k.wpisy[0].tekst, std::string("Błąd w zapisie liczby: ") + c.t);
        }
    }
}

TEST(ParsujCalkowita, PrzypadkiIKomunikaty) {
    struct {
        const char* t;
        bool ok;
        int v;
    } przypadki[] = {{"", true, 0},    {"-", true, 0},    {" 12 ", true, 12},
                     {"-7", true, -7}, {"1.5", false, 3}, {"99999999999", false, 3},
                     {"x", false, 3}};
    for (const auto& c : przypadki) {
        RejestratorKomunikatow k;
        int cel = 3;
        EXPECT_EQ(parsujCalkowita(k, c.t, cel), c.ok) << c.t;
        EXPECT_EQ(cel, c.v);
        if (!c.ok) {
            EXPECT_EQ(k.teksty(), std::vector<std::string>{
                                      std::string("Błąd w zapisie liczby całkowitej: ") + c.t});
        }
    }
}

TEST(ParsujCalkowita, BardzoDlugiTekstNieSzkodzi) {
    RejestratorKomunikatow k;
    int cel = 1;
    EXPECT_FALSE(parsujCalkowita(k, std::string(10000, '7'), cel));
    EXPECT_EQ(cel, 1);
}

TEST(ParsujHandel, TylkoJest) {
    EXPECT_TRUE(parsujHandel(" jest "));
    EXPECT_FALSE(parsujHandel("brak"));
    EXPECT_FALSE(parsujHandel("Jest"));
    EXPECT_FALSE(parsujHandel(""));
}

TEST(ParsujNazwe, ObcinaDo16ZnakowZKomunikatem) {
    RejestratorKomunikatow k;
    EXPECT_EQ(parsujNazwe(k, "  Węzeł-ółśćżź12 "), "Węzeł-ółśćżź12");
    EXPECT_TRUE(k.wpisy.empty());
    EXPECT_EQ(parsujNazwe(k, "ABCDEFGHIJKLMNOPQ"), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(k.teksty(),
              std::vector<std::string>{"Przekroczenie maksymalnej długości nazwy (do 16 znaków): "
                                       "ABCDEFGHIJKLMNOPQ"});
}

TEST(SprawdzWiersz, StanyWierszaSieci) {
    struct {
        const char* opis;
        void (*przygotuj)(Obiekt&);
        StanWiersza::Rodzaj rodzaj;
        int kolumna;
    } przypadki[] = {
        {"good", [](Obiekt& o) { wiersz(o, 1, "1", "A", "B"); }, StanWiersza::Dobry, 0},
        {"only a street name", [](Obiekt& o) { o.Grid.ustawTekst(2, 1, "Polna"); },
         StanWiersza::Pusty, 0},
        {"new row defaults only", [](Obiekt&) {}, StanWiersza::Pusty, 0},
        {"one key column typed", [](Obiekt& o) { o.Grid.ustawTekst(3, 1, "A"); },
         StanWiersza::Niepelny, 0},
        {"length missing", [](Obiekt& o) { wiersz(o, 1, "1", "A", "B", "100", ""); },
         StanWiersza::Niepelny, 0},
        {"segment number not an integer", [](Obiekt& o) { wiersz(o, 1, "1.5", "A", "B"); },
         StanWiersza::Blad, 1},
        {"dash in an integer column",
         [](Obiekt& o) {
             wiersz(o, 1, "1", "A", "B");
             o.Grid.ustawTekst(8, 1, "-");
         },
         StanWiersza::Blad, 8},
        {"empty column 13 is an error",
         [](Obiekt& o) {
             wiersz(o, 1, "1", "A", "B");
             o.Grid.ustawTekst(13, 1, "");
         },
         StanWiersza::Blad, 13},
        {"decimal comma", [](Obiekt& o) { wiersz(o, 1, "1", "A", "B", "100", "12,5"); },
         StanWiersza::Blad, 6},
        {"17-character name", [](Obiekt& o) { wiersz(o, 1, "1", "ABCDEFGHIJKLMNOPQ", "B"); },
         StanWiersza::Blad, 3},
        {"later conversion failure wins over a long name",
         [](Obiekt& o) {
             wiersz(o, 1, "1", "ABCDEFGHIJKLMNOPQ", "B");
             o.Grid.ustawTekst(17, 1, "x");
         },
         StanWiersza::Blad, 17},
        {"first conversion failure stops",
         [](Obiekt& o) {
             wiersz(o, 1, "1", "A", "B", "100", "x");
             o.Grid.ustawTekst(15, 1, "y");
         },
         StanWiersza::Blad, 6},
        {"16 Polish characters fit", [](Obiekt& o) { wiersz(o, 1, "1", "ĄĆĘŁŃÓŚŹŻąćęłńóś", "B"); },
         StanWiersza::Dobry, 0},
    };
    for (const auto& c : przypadki) {
        Obiekt ob;
        c.przygotuj(ob);
        const StanWiersza s = sprawdzWiersz(ob.Grid, 1);
        EXPECT_EQ(s.rodzaj, c.rodzaj) << c.opis;
        EXPECT_EQ(s.kolumna, c.kolumna) << c.opis;
    }
}

TEST(WalidujTabele, UsuwaPusteWierszeZRekordami) {
    Obiekt ob;
    wiersz(ob, 1, "1", "A", "B");
    ob.Grid.ustawLiczbeWierszy(5);
    ob.Grid.ustawTekst(2, 2, "Polna");  // only a street name
    wiersz(ob, 3, "2", "B", "C");
    ob.Grid.zapewnijRekord<TWycof>(1, 3).wycofany = 1;
    RejestratorKomunikatow k;
    walidujTabele(ob, ob.Grid, k);
    EXPECT_EQ(ob.liczbaOdcinkow, 2);
    EXPECT_FALSE(ob.bladGrid);
    EXPECT_EQ(ob.Grid.liczbaWierszy(), 3);
    EXPECT_EQ(ob.Grid.tekst(1, 2), "2");
    EXPECT_TRUE(wierszWycofany(ob.Grid, 2));
    EXPECT_TRUE(k.wpisy.empty());
}

TEST(WalidujTabele, JedynyPustyWierszZostaje) {
    Obiekt ob;
    RejestratorKomunikatow k;
    walidujTabele(ob, ob.Grid, k);
    EXPECT_EQ(ob.liczbaOdcinkow, 0);
    EXPECT_EQ(ob.Grid.liczbaWierszy(), 2);
    EXPECT_EQ(ob.Grid.tekst(12, 1), "brak");

    ob.Grid.ustawLiczbeWierszy(4);  // three empty rows: two go, one stays
    walidujTabele(ob, ob.Grid, k);
    EXPECT_EQ(ob.Grid.liczbaWierszy(), 2);
    EXPECT_EQ(ob.liczbaOdcinkow, 0);
}

TEST(WalidujTabele, NiepelneWierszeDoListyAnalizy) {
    Obiekt ob;
    wiersz(ob, 1, "1", "A", "");
    ob.ZrodlaGrid.ustawTekst(1, 1, "A");
    ob.RurGrid.ustawTekst(1, 1, "100");
    ob.RurGrid.ustawTekst(2, 1, "114.3");
    RejestratorKomunikatow k;
    walidujTabele(ob, k);
    EXPECT_EQ(ob.ListBoxAnalizaDanych,
              (std::vector<std::string>{"Wiersz 1 w tabeli opisu sieci nie został cały wypełniony.",
                                        "Wiersz 1 w tabeli źródeł nie został cały wypełniony.",
                                        "Wiersz 1 w katalogu rur nie został cały wypełniony."}));
    EXPECT_TRUE(ob.bladGrid);
    EXPECT_TRUE(ob.bladZrodel);
    EXPECT_TRUE(ob.bladRur);
    EXPECT_TRUE(k.wpisy.empty());
}

TEST(WalidujTabele, KomunikatyBledowKazdejTabeli) {
    struct {
        const char* opis;
        void (*przygotuj)(Obiekt&);
        const char* dialog;
    } przypadki[] = {
        {"network integer", [](Obiekt& o) { wiersz(o, 1, "x1", "A", "B"); },
         "Błąd liczby całkowitej w wierszu 1 Tabeli Opisu Sieci: x1"},
        {"network name", [](Obiekt& o) { wiersz(o, 1, "1", "A", "B", "ABCDEFGHIJKLMNOPQ"); },
         "Za długa nazwa węzła lub za długi symbol średnicy nominalnej (tylko do 16 znaków!) "
         "w wierszu 1 Tabeli Opisu Sieci: ABCDEFGHIJKLMNOPQ"},
        {"network real", [](Obiekt& o) { wiersz(o, 1, "1", "A", "B", "100", "1,5"); },
         "Błąd liczby w wierszu 1 Tabeli Opisu Sieci:1,5"},
        {"catalogue name",
         [](Obiekt& o) {
             for (int k = 1; k <= 3; ++k)
                 o.RurGrid.ustawTekst(k, 1, k == 1 ? "ABCDEFGHIJKLMNOPQR" : "1");
         },
         "Za długi symbol średnicy nominalnej (tylko do 16 znaków!) w wierszu 1 w katalogu rur: "
         "ABCDEFGHIJKLMNOPQR"},
        {"catalogue real, last failing column reported",
         [](Obiekt& o) {
             o.RurGrid.ustawTekst(1, 1, "110");
             o.RurGrid.ustawTekst(2, 1, "a");
             o.RurGrid.ustawTekst(3, 1, "b");
         },
         "Błąd liczby w wierszu 1 katalogu rur: b"},
        {"source name", [](Obiekt& o) { zrodlo(o, 1, "ABCDEFGHIJKLMNOPQ", "2.5"); },
         "Za długa nazwa węzła (tylko do 16 znaków) w wierszu: 1 w tabeli źródeł "
         "ABCDEFGHIJKLMNOPQ"},
        {"source real", [](Obiekt& o) { zrodlo(o, 1, "Z", "2,5"); },
         "Błąd liczby w wierszu 1 tabeli źródeł: 2,5"},
        {"source integer",
         [](Obiekt& o) {
             zrodlo(o, 1, "Z", "2.5");
             o.ZrodlaGrid.ustawTekst(5, 1, "1.5");
         },
         "Błąd liczby całkowitej w wierszu 1 tabeli źródeł: 1.5"},
    };
    for (const auto& c : przypadki) {
        Obiekt ob;
        c.przygotuj(ob);
        RejestratorKomunikatow k;
        walidujTabele(ob, k);
        EXPECT_EQ(k.teksty(), std::vector<std::string>{c.dialog}) << c.opis;
        EXPECT_TRUE(ob.bladGrid || ob.bladZrodel || ob.bladRur) << c.opis;
    }
}

TEST(WalidujTabele, BrakOpisuZrodel) {
    Obiekt ob;
    wiersz(ob, 1, "1", "A", "B");
    RejestratorKomunikatow k;
    walidujTabele(ob, k);
    EXPECT_EQ(ob.ListBoxAnalizaDanych, std::vector<std::string>{"Brak opisu źródeł"});

    Obiekt pusty;
    walidujTabele(pusty, k);
    EXPECT_TRUE(pusty.ListBoxAnalizaDanych.empty());
}

TEST(WalidujTabele, ZrodloPrzekazujeRzednaIWspolrzedne) {
    Obiekt ob;
    wiersz(ob, 1, "1", "Z", "B");
    wiersz(ob, 2, "2", "B", "C");
    ob.Grid.zapewnijRekord<TdaneNWP>(3, 1);
    zrodlo(ob, 1, "Z", "2.5");
    RejestratorKomunikatow k;
    walidujTabele(ob, ob.ZrodlaGrid, k);
    EXPECT_EQ(ob.liczbaZrodel, 1);
    const auto* r = ob.Grid.rekordTypu<TdaneNWP>(3, 1);
    EXPECT_EQ(r->rzedna, 120.5);
    EXPECT_EQ(r->X, 10);
    EXPECT_EQ(r->Y, 20);
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(3, 2), nullptr);  // records are not created here
}

TEST(WalidujTabele, ZlyTekstNigdyNiePsujeTabeli) {
    const std::string zle[] = {"",
                               "-",
                               "+",
                               "1e999",
                               "nan",
                               "0x10",
                               std::string(10000, 'x'),
                               "\xff\xfe",
                               "ABCDEFGHIJKLMNOPQ",
                               std::string(10000, '9')};
    for (const auto& t : zle) {
        for (int k = 1; k < 20; ++k) {
            Obiekt ob;
            wiersz(ob, 1, "1", "A", "B");
            ob.Grid.ustawTekst(k, 1, t);
            RejestratorKomunikatow kan;
            walidujTabele(ob, kan);
            EXPECT_EQ(ob.Grid.tekst(k, 1), t);
            EXPECT_LE(kan.wpisy.size(), 1u);
        }
    }
}

TEST(OdswiezRekordy, WezlyPoczatkowe) {
    Obiekt ob;
    wiersz(ob, 1, "1", "Z", "A");
    wiersz(ob, 2, "2", "A", "B");
    wiersz(ob, 3, "3", "X", "C");
    ob.Grid.ustawTekst(14, 1, "2.5");
    ob.Grid.ustawTekst(15, 1, "100");
    ob.Grid.ustawTekst(16, 1, "200");
    ob.Grid.ustawTekst(17, 1, "110.25");
    zrodlo(ob, 1, "Z", "2");
    ob.liczbaOdcinkow = 3;

    odswiezRekordyPoczatkowe(ob, false);
    const auto* a = ob.Grid.rekordTypu<TdaneNWP>(3, 2);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->niepodlaczony, 0);
    EXPECT_EQ(a->pobor, 2.5);
    EXPECT_EQ(a->X, 100);
    EXPECT_EQ(a->Y, 200);
    EXPECT_EQ(a->rzedna, 110.25);
    EXPECT_EQ(a->dokladneX, 100.0);
    // without sources a source start node stays not connected
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(3, 1)->niepodlaczony, 1);
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(3, 3)->niepodlaczony, 1);
    const auto* kier = ob.Grid.rekordTypu<TkierunekOdcinka>(2, 2);
    ASSERT_NE(kier, nullptr);
    EXPECT_EQ(kier->znak, 1);
    EXPECT_EQ(kier->identyfikator, "A-B");
    EXPECT_EQ(ob.Grid.rekordTypu<TdodatkoweDaneNWK>(4, 1)->dokladneY, 200.0);

    odswiezRekordyPoczatkowe(ob, true);
    const auto* z = ob.Grid.rekordTypu<TdaneNWP>(3, 1);
    EXPECT_EQ(z->niepodlaczony, 0);
    EXPECT_EQ(z->X, 10);
    EXPECT_EQ(z->Y, 20);
    EXPECT_EQ(z->rzedna, 120.5);
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(3, 3)->niepodlaczony, 1);
}

TEST(OdswiezRekordy, PierwszyWierszKonczacyWezelWygrywa) {
    Obiekt ob;
    wiersz(ob, 1, "1", "P", "A");
    wiersz(ob, 2, "2", "Q", "A");
    wiersz(ob, 3, "3", "A", "B");
    ob.Grid.ustawTekst(15, 1, "1");
    ob.Grid.ustawTekst(15, 2, "2");
    ob.Grid.zapewnijRekord<TdodatkoweDaneNWK>(4, 1).dokladneX = 1.75;
    ob.liczbaOdcinkow = 3;
    odswiezRekordyPoczatkowe(ob, false);
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(3, 3)->X, 1);
    EXPECT_EQ(ob.Grid.rekordTypu<TdaneNWP>(3, 3)->dokladneX, 1.75);
}

TEST(WezelIOdcinek, SzukanieWTabeli) {
    Obiekt ob;
    wiersz(ob, 1, "1", "A", "B", "100", "12.5");
    wiersz(ob, 2, "2", "B", "C", "100", "30");
    ob.Grid.zapewnijRekord<TWycof>(1, 2).wycofany = 1;
    RejestratorKomunikatow k;
    EXPECT_TRUE(wezelIstnieje(ob, k, " C "));
    EXPECT_FALSE(wezelIstnieje(ob, k, "D"));
    double l = -1;
    EXPECT_EQ(znajdzOdcinek(ob, k, "B", "A", l), 1);
    EXPECT_EQ(l, 12.5);
    EXPECT_EQ(znajdzOdcinek(ob, k, "B", "C", l), 0);
    EXPECT_EQ(znajdzOdcinek(ob, k, "A", "C", l), 0);
    EXPECT_EQ(k.teksty(),
              (std::vector<std::string>{"Nie ma takiego węzła!", "Odcinek (B - C) czasowo wycofany",
                                        "Nie ma takiego odcinka: (A - C)"}));
    EXPECT_FALSE(wierszWycofany(ob.Grid, 1));
    EXPECT_TRUE(wierszWycofany(ob.Grid, 2));
}
