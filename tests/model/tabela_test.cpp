#include "model/Tabela.h"

#include <gtest/gtest.h>

#include "model/Rekordy.h"

using namespace kelmor;

namespace {
// Three data rows "a", "b", "c" in column 1, each owning a withdrawal record
// whose flag tells the rows apart.
Tabela trzyWiersze() {
    Tabela t(5, 4);
    const char* nazwy[] = {"a", "b", "c"};
    for (int w = 1; w <= 3; ++w) {
        t.ustawTekst(1, w, nazwy[w - 1]);
        t.zapewnijRekord<TWycof>(1, w).wycofany = static_cast<uint8_t>(w);
    }
    return t;
}
std::string kolejnosc(const Tabela& t) {
    std::string s;
    for (int w = 1; w < t.liczbaWierszy(); ++w) {
        s += t.tekst(1, w);
        const auto* r = t.rekordTypu<TWycof>(1, w);
        s += r ? std::to_string(r->wycofany) : "-";
    }
    return s;
}
}  // namespace

TEST(Tabela, RekordyWedrujaZWierszem) {
    struct {
        const char* opis;
        void (*op)(Tabela&);
        const char* po;
    } przypadki[] = {
        {"insert", [](Tabela& t) { t.wstawWiersz(2); }, "a1-b2c3"},
        {"append", [](Tabela& t) { t.wstawWiersz(t.liczbaWierszy()); }, "a1b2c3-"},
        {"delete", [](Tabela& t) { t.usunWiersz(2); }, "a1c3"},
        {"move down", [](Tabela& t) { t.przesunWiersz(1, 3); }, "b2c3a1"},
        {"move up", [](Tabela& t) { t.przesunWiersz(3, 1); }, "c3a1b2"},
        {"header untouched", [](Tabela& t) { t.usunWiersz(0); }, "a1b2c3"},
        {"out of range", [](Tabela& t) { t.przesunWiersz(1, 9); }, "a1b2c3"},
    };
    for (const auto& c : przypadki) {
        Tabela t = trzyWiersze();
        c.op(t);
        EXPECT_EQ(kolejnosc(t), c.po) << c.opis;
    }
}

TEST(Tabela, KopiaJestGleboka) {
    Tabela t = trzyWiersze();
    Tabela k(t);
    k.rekordTypu<TWycof>(1, 1)->wycofany = 9;
    k.ustawTekst(1, 1, "z");
    EXPECT_EQ(kolejnosc(t), "a1b2c3");
    EXPECT_EQ(kolejnosc(k), "z9b2c3");
}

TEST(Tabela, ZmniejszenieLiczbyKolumnUsuwaKomorki) {
    Tabela t(29, 2);
    t.ustawTekst(25, 1, "wynik");
    t.zapewnijRekord<Ttaryfy>(25, 1);
    t.ustawLiczbeKolumn(20);
    EXPECT_EQ(t.tekst(25, 1), "");
    EXPECT_EQ(t.rekord(25, 1), nullptr);
    t.ustawLiczbeKolumn(29);
    EXPECT_EQ(t.tekst(25, 1), "");
}

TEST(Tabela, PozaZakresemBezSkutkow) {
    Tabela t(4, 2);
    t.ustawTekst(10, 10, "x");
    t.ustawTekst(-1, 0, "x");
    EXPECT_EQ(t.tekst(10, 10), "");
    EXPECT_EQ(t.rekord(-1, 5), nullptr);
}

TEST(Tabela, ZapewnijRekordZastepujeInnyTyp) {
    Tabela t(4, 2);
    t.zapewnijRekord<TWycof>(1, 1).wycofany = 1;
    auto& k = t.zapewnijRekord<TkierunekOdcinka>(1, 1);
    EXPECT_EQ(k.znak, 1);
    EXPECT_EQ(t.rekordTypu<TWycof>(1, 1), nullptr);
}

TEST(ListaOporow, DwadziesciaJedenWpisowZRodzajami) {
    ListaOporow l;
    EXPECT_EQ(l.wpisy[0].Rodzaj, 3);
    EXPECT_EQ(l.wpisy[5].Rodzaj, 66);
    EXPECT_EQ(l.wpisy[19].Rodzaj, 20);
    EXPECT_EQ(l.wpisy[20].Rodzaj, 21);
    for (const auto& w : l.wpisy) {
        EXPECT_EQ(w.Ile, 0);
        EXPECT_EQ(w.Par1, 0);
    }
}

TEST(Przylacza, WartoscPoziomuToSumaStrumieniRazyMnozniki) {
    ListaPrzylaczy l;
    l.pozycje.push_back({"Kowalscy", 1.5, 2, 1, {}});
    l.pozycje.push_back({"Nowak", 0.5, 1, 2, {{"licznik 1", 9, 1, 1, {}}}});
    EXPECT_DOUBLE_EQ(l.wartosc(), 3.5);
    auto kopia = l.kopia();
    auto* k = dynamic_cast<ListaPrzylaczy*>(kopia.get());
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->pozycje[1].Podrzedne[0].Nazwa, "licznik 1");
}
