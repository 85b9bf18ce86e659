// The preliminary analysis: stopping conditions, repairs, summary grid.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/Analiza.h"
#include "engine/Model.h"
#include "engine/Obliczenia.h"
#include "engine/SiecTestowa.h"

namespace kelmor {
namespace {

using test::Odc;
using test::Zrodlo;
using ::testing::Contains;
using ::testing::ElementsAre;

TEST(Analiza, BezZrodelNieMaObliczen) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A"}}, {});
    EXPECT_FALSE(test::przygotuj(ob, k));
    EXPECT_THAT(ob.ListBoxAnalizaDanych, Contains("Brak opisu źródeł"));
    const ModelSieci& m = *modelSieci(ob);
    EXPECT_TRUE(m.Przerwano);
    EXPECT_FALSE(m.BuOblicz);
    EXPECT_TRUE(m.RoboczyWydrukDanych);
    EXPECT_THAT(m.GridOsie[2], ElementsAre("0", "1", " 0", " 0", " 0", " 0"));
    EXPECT_EQ(m.GridOsie[0][4], "Suma");
    EXPECT_EQ(m.GridOsie[1][2], "węzłów");
    EXPECT_FALSE(obliczenia(ob, k).sukces());
}

TEST(Analiza, BledyFormalneZatrzymuja) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A"}}, {{.nazwa = "Z"}});
    ob.Grid.ustawTekst(kol::DlugoscMetry, 1, "12,5");
    EXPECT_FALSE(test::przygotuj(ob, k));
    EXPECT_THAT(ob.ListBoxAnalizaDanych, Contains("Były błędy formalne."));
}

TEST(Analiza, DrzewoNiepodlaczonegoWezlaJestOdwracane) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .qWez = 1},
                     {.nr = 2, .S = "X", .E = "B", .qWez = 2},
                     {.nr = 3, .S = "B", .E = "A", .qWez = 1}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    EXPECT_THAT(ob.ListBoxAnalizaDanych,
                ElementsAre("Zmieniam kierunek w odcinku: 3", "Zmieniam kierunek w odcinku: 2"));
    const ModelSieci& m = *modelSieci(ob);
    EXPECT_EQ(m.korzenie.size(), 1u);
    EXPECT_EQ(m.LiczbaOczek, 0);
    EXPECT_EQ(m.GridOsie[2][2], "4");
    EXPECT_EQ(ob.Grid.tekst(kol::WezelPocz, 3), "A");
    EXPECT_EQ(ob.Grid.tekst(kol::WezelKonc, 2), "X");
    // B's demand stayed with B.
    EXPECT_EQ(ob.Grid.tekst(kol::PoborWez, 3), "2");
    EXPECT_NEAR(m.SumaPoborow, 3, 1e-12);
    EXPECT_TRUE(obliczenia(ob, k).sukces()) << ob.LaRaport2;
}

TEST(Analiza, WyspaBezPolaczeniaNieDajeSiePoliczyc) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(
        ob, {{.nr = 1, .S = "Z", .E = "A", .qWez = 1}, {.nr = 2, .S = "X", .E = "Y", .qWez = 1}},
        {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    EXPECT_THAT(ob.ListBoxAnalizaDanych, Contains("Brak połączenia sieci z węzłem X"));
    const WynikObliczen w = obliczenia(ob, k);
    EXPECT_EQ(w.stan, WynikObliczen::Stan::Przerwane);
    EXPECT_EQ(ob.LaRaport1, "Obliczenia nie zostały zakończone.");
    EXPECT_EQ(ob.LaRaport2, "Nie policzono wszystkich odcinków.");
}

TEST(Analiza, PonadDwaTysiaceOczek) {
    for (int oczka : {2000, 2001}) {
        Obiekt ob;
        RejestratorKomunikatow k;
        std::vector<Odc> o;
        for (int i = 0; i <= oczka; ++i) o.push_back({.nr = i + 1, .S = "Z", .E = "A", .qWez = 1});
        test::ustawSiec(ob, o, {{.nazwa = "Z", .p = 3}});
        const bool ok = test::przygotuj(ob, k);
        EXPECT_EQ(modelSieci(ob)->LiczbaOczek, oczka);
        EXPECT_EQ(ok, oczka <= 2000);
        EXPECT_EQ(modelSieci(ob)->BuOblicz, oczka <= 2000);
        if (oczka > 2000) {
            EXPECT_THAT(k.teksty(),
                        Contains("W związku z liczbą oczek > 2000 konieczne są zmiany w "
                                 "programie. Proszę skontaktować się z autorem."));
        }
    }
}

TEST(Analiza, OdlegloscILmax) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .L = 100.25},
                     {.nr = 2, .S = "A", .E = "B", .L = 50},
                     {.nr = 3, .S = "A", .E = "C", .L = 70}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    EXPECT_DOUBLE_EQ(m.Lmax, 170.25);
    EXPECT_EQ(m.WezelLmax, "C");
    EXPECT_EQ(m.GridOsie[2][5], "220.25 m");
    EXPECT_EQ(m.GridOsie[2][4], "0 nm3/h");
}

}  // namespace
}  // namespace kelmor
