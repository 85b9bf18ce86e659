#include "model/Trasa.h"

#include "model/Tekst.h"
#include "model/Walidacja.h"

#include <gtest/gtest.h>

using namespace kelmor;

namespace {

// A-B (10 m), B-C (20 m), C-D withdrawn (30 m).
void siec(Obiekt& ob) {
    Tabela& g = ob.Grid;
    g.ustawLiczbeWierszy(4);
    const char* w[][4] = {{"A", "B", "10"}, {"B", "C", "20"}, {"C", "D", "30"}};
    for (int r = 1; r <= 3; ++r) {
        g.ustawTekst(kol::NumerOdcinka, r, std::to_string(r));
        g.ustawTekst(kol::WezelPocz, r, w[r - 1][0]);
        g.ustawTekst(kol::WezelKonc, r, w[r - 1][1]);
        g.ustawTekst(kol::DlugoscMetry, r, w[r - 1][2]);
    }
    g.zapewnijRekord<TWycof>(kol::NumerOdcinka, 3).wycofany = 1;
    ob.liczbaOdcinkow = 3;
}

}  // namespace

TEST(TrasaZTekstu, Cases) {
    struct Przypadek {
        const char* tekst;
        std::vector<TMojaTr> trasa;
        std::vector<std::string> komunikaty;
    };
    const Przypadek przypadki[] = {
        {"A,B,C", {{"A", 0}, {"B", 10}, {"C", 20}}, {}},
        {"C,B,A", {{"C", 0}, {"B", 20}, {"A", 10}}, {}},  // either direction
        {"A,C", {{"A", 0}, {"C", 0}}, {"Nie ma takiego odcinka: (A - C)"}},
        {"B,C,D", {{"B", 0}, {"C", 20}, {"D", 0}}, {"Odcinek (C - D) czasowo wycofany"}},
        {"A, B", {{"A", 0}, {" B", 0}}, {"Nie ma takiego odcinka: (A -  B)"}},
        {"", {}, {}},
        {"A", {{"A", 0}}, {}},
        {"ABCDEFGHIJKLMNOPQRST,A",
         {{"ABCDEFGHIJKLMNOP", 0}, {"A", 0}},
         {"Nie ma takiego odcinka: (ABCDEFGHIJKLMNOP - A)"}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.tekst);
        Obiekt ob;
        siec(ob);
        ob.trasa = {{"X", 1}};
        RejestratorKomunikatow k;
        trasaZTekstu(ob, k, p.tekst);
        EXPECT_EQ(ob.trasa, p.trasa);
        EXPECT_EQ(k.teksty(), p.komunikaty);
        EXPECT_FALSE(ob.DaneZmienione);
    }
}

TEST(TrasaZTekstu, TextOfTheRouteGoesBack) {
    Obiekt ob;
    siec(ob);
    RejestratorKomunikatow k;
    trasaZTekstu(ob, k, "A,B,C");
    EXPECT_EQ(tekstTrasy(ob), "A,B,C");
}

// The same lengths and dialogs as a lookup row by row (znajdzOdcinek), also
// where a pair of nodes is joined by more than one row.
TEST(TrasaZTekstu, AgreesWithFindSegment) {
    Obiekt ob;
    siec(ob);
    Tabela& g = ob.Grid;
    g.ustawLiczbeWierszy(6);
    const char* w[][3] = {{"C", "B", "99"}, {"D", "C", "5"}};  // duplicates, reversed
    for (int r = 4; r <= 5; ++r) {
        g.ustawTekst(kol::WezelPocz, r, w[r - 4][0]);
        g.ustawTekst(kol::WezelKonc, r, w[r - 4][1]);
        g.ustawTekst(kol::DlugoscMetry, r, w[r - 4][2]);
    }
    const std::vector<std::string> nazwy = {"A", "B", "C", "D", "C", "A", " A", "E"};
    RejestratorKomunikatow k1, k2;
    trasaZNazw(ob, k1, nazwy);
    std::vector<TMojaTr> oczekiwana = {{nazwy[0], 0}};
    for (std::size_t i = 1; i < nazwy.size(); ++i) {
        double d = 0;
        const bool ok =
            nazwy[i] == przytnij(nazwy[i]) && znajdzOdcinek(ob, k2, nazwy[i - 1], nazwy[i], d);
        if (nazwy[i] != przytnij(nazwy[i]))
            k2.informacja("Nie ma takiego odcinka: (" + nazwy[i - 1] + " - " + nazwy[i] + ")");
        oczekiwana.push_back({nazwy[i], ok ? d : 0});
    }
    EXPECT_EQ(ob.trasa, oczekiwana);
    EXPECT_EQ(k1.teksty(), k2.teksty());
    EXPECT_EQ(ob.trasa[2].dlugosc, 20);  // B-C: the first row joining them
}
