// Design flows: simultaneity, trade factors, split among feeding segments.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/Analiza.h"
#include "engine/Model.h"
#include "engine/Rozplyw.h"
#include "engine/SiecTestowa.h"

namespace kelmor {
namespace {

using test::Odc;
using test::Zrodlo;

const dzialka* odcinek(const ModelSieci& m, int nr) {
    const dzialka* r = nullptr;
    dlaKazdegoOdcinka(m, [&](const dzialka& d) {
        if (d.Numer == nr) r = &d;
    });
    return r;
}

TEST(Jednoczesnosc, WzoryDlaTrzechStopniUrbanizacji) {
    EXPECT_DOUBLE_EQ(wspolczynnikJednoczesnosciKom(2, 1), 1);
    EXPECT_DOUBLE_EQ(wspolczynnikJednoczesnosciGrz(3, 0), 1);
    EXPECT_DOUBLE_EQ(wspolczynnikJednoczesnosciKom(1, 100),
                     0.975 / std::pow(100, 0.575) + 0.025 * std::pow(100, 0.03));
    EXPECT_DOUBLE_EQ(wspolczynnikJednoczesnosciKom(3, 100),
                     0.97 / std::pow(100, 0.57) + 0.03 * std::pow(100, 0.025));
    EXPECT_DOUBLE_EQ(wspolczynnikJednoczesnosciGrz(1, 50), 0.8 / std::pow(50, 0.4) + 0.2);
    EXPECT_DOUBLE_EQ(wspolczynnikJednoczesnosciGrz(2, 50), 0.77 / std::pow(50, 0.37) + 0.23);
    EXPECT_DOUBLE_EQ(wspolczynnikJednoczesnosciGrz(3, 50), 0.75 / std::pow(50, 0.35) + 0.25);
    EXPECT_DOUBLE_EQ(czynnikHandluKom(3), 1.33);
    EXPECT_DOUBLE_EQ(czynnikHandluGrz(1), 1.8);
}

TEST(Rozplyw, JedenOdcinekDziesieciuOdbiorcow) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A", .k8 = 10, .k9 = 1.2}}, {{.nazwa = "Z"}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    const double phi = 0.97 / std::pow(10, 0.57) + 0.03 * std::pow(10, 0.02);
    EXPECT_NEAR(odcinek(m, 1)->Q, phi * 6, 1e-12);
    EXPECT_NEAR(m.korzenie[0]->Q, phi * 12, 1e-12);
    EXPECT_EQ(odcinek(m, 1)->LiczbaKomSum, 10);
    EXPECT_NEAR(m.SumaPoborow, phi * 12, 1e-12);
}

TEST(Rozplyw, JedenOdbiorcaIHandel) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ob.parametry.urbanizacja = 1;
    test::ustawSiec(
        ob, {{.nr = 1, .S = "Z", .E = "A", .k8 = 1, .k9 = 2, .k10 = 2, .k11 = 3, .sklepy = true}},
        {{.nazwa = "Z"}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    // Own segment: half of the demand, phi(1) = 1, phi(2) for heating.
    const double phiH2 = 0.8 / std::pow(2, 0.4) + 0.2;
    EXPECT_NEAR(odcinek(m, 1)->Q, 1.15 * 0.5 * 2 + phiH2 * 1.8 * 2 * 0.5 * 3, 1e-12);
    EXPECT_NEAR(m.korzenie[0]->Q, 1.15 * 2 + phiH2 * 1.8 * 2 * 3, 1e-12);
}

TEST(Rozplyw, TaryfyLacznieW1IW2) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ob.parametry.sposoby = 1;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A", .k8 = 3, .k9 = 1}}, {{.nazwa = "Z"}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const dzialka* d = odcinek(*modelSieci(ob), 1);
    EXPECT_EQ(d->LiczbaKom, 4);
    EXPECT_DOUBLE_EQ(d->Q1Kom, (3 * 1.2 + 3.3) / 4);
    EXPECT_EQ(d->LiczbaGrz, 0);
    EXPECT_DOUBLE_EQ(d->Q1Grz, 0);
}

TEST(Rozplyw, PodzialDwaDoJednegoWedlugOdleglosci) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .L = 100, .qWez = 30},
                     {.nr = 2, .S = "Z", .E = "B", .L = 300},
                     {.nr = 3, .S = "B", .E = "A", .L = 100, .qWez = 30}},
                    {{.nazwa = "Z"}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    EXPECT_NEAR(odcinek(m, 1)->Q, 20, 1e-9);
    EXPECT_NEAR(odcinek(m, 3)->Q, 10, 1e-9);
    EXPECT_NEAR(odcinek(m, 2)->Q, 10, 1e-9);
    EXPECT_NEAR(m.SumaPoborow, 30, 1e-9);
    EXPECT_EQ(m.GridOsie[2][4], "30 nm3/h");
}

TEST(Rozplyw, PodzialLiczbOdbiorcowZaokraglaPolowkiDoParzystej) {
    // 5 consumers at the loop node split 1 : 1 -> 2.5 each -> 2 and 2.
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .L = 100},
                     {.nr = 2, .S = "Z", .E = "B", .L = 100},
                     {.nr = 3, .S = "A", .E = "C", .L = 100},
                     {.nr = 4, .S = "B", .E = "C", .L = 100},
                     {.nr = 5, .S = "C", .E = "D", .L = 100, .k8 = 5, .k9 = 1}},
                    {{.nazwa = "Z"}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    EXPECT_EQ(odcinek(m, 3)->LiczbaKomSum, 2);
    EXPECT_EQ(odcinek(m, 4)->LiczbaKomSum, 2);
    EXPECT_NEAR(odcinek(m, 3)->StrumienKom, 2.5, 1e-12);
}

TEST(Rozplyw, MnoznikTylkoPoboryJawne) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ob.parametry.mnoznik = 2;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A", .qOdc = 4, .qWez = 3, .k8 = 1, .k9 = 1.2}},
                    {{.nazwa = "Z"}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    EXPECT_NEAR(odcinek(m, 1)->Q, 0.6 + 2 * (3 + 2), 1e-12);
    EXPECT_NEAR(m.korzenie[0]->Q, 1.2 + 2 * (3 + 4), 1e-12);
}

// Flow balance at every node: in - out = nodal demand + half of the
// distributed demand of every touching segment, times mnoznik.
void sprawdzBilans(const Obiekt& ob) {
    const ModelSieci& m = *modelSieci(ob);
    const double mn = ob.parametry.mnoznik;
    std::map<std::string, double> bilans, pobor;
    for (const dzialka* r : m.korzenie) bilans[r->WezelKonc->Nazwa] += r->Q;
    dlaKazdegoOdcinka(m, [&](const dzialka& d) {
        const std::string a = d.WezelPocz->Nazwa, b = d.WezelKonc->Nazwa;
        bilans[a] -= d.Q;
        bilans[b] += d.Q;
        pobor[a] += 0.5 * d.PoborOdc * mn;
        pobor[b] += 0.5 * d.PoborOdc * mn;
    });
    // Nodal demands, once per node (column 14 of the rows ending there).
    std::map<std::string, double> wez;
    for (int w = 1; w <= ob.liczbaOdcinkow; ++w)
        wez[ob.Grid.tekst(kol::WezelKonc, w)] = std::stod(ob.Grid.tekst(kol::PoborWez, w)) * mn;
    for (const auto& [n, b] : bilans) EXPECT_NEAR(b, pobor[n] + wez[n], 1e-6) << n;
}

TEST(Rozplyw, BilansWezlowSieciZOczkami) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ob.parametry.mnoznik = 1.5;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .L = 120, .qOdc = 2, .qWez = 1},
                     {.nr = 2, .S = "Z", .E = "B", .L = 80, .qOdc = 1, .qWez = 2},
                     {.nr = 3, .S = "A", .E = "C", .L = 50, .qOdc = 3, .qWez = 4},
                     {.nr = 4, .S = "B", .E = "C", .L = 70, .qOdc = 0.5, .qWez = 4},
                     {.nr = 5, .S = "C", .E = "D", .L = 90, .qOdc = 1, .qWez = 5},
                     {.nr = 6, .S = "B", .E = "D", .L = 200, .qOdc = 2, .qWez = 5},
                     {.nr = 7, .S = "Y", .E = "D", .L = 60, .qOdc = 1, .qWez = 5},
                     {.nr = 8, .S = "D", .E = "F", .L = 60, .qOdc = 1, .qWez = 7}},
                    {{.nazwa = "Z", .p = 3}, {.nazwa = "Y", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    EXPECT_EQ(modelSieci(ob)->LiczbaOczek, 3);
    sprawdzBilans(ob);
}

TEST(Rozplyw, KolkoKierunkowZapetlonePrzezKopieJestOdwracane) {
    // A -> B -> C -> A' through node copies: a circle of flow directions.
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .qWez = 1},
                     {.nr = 2, .S = "Z", .E = "B", .qWez = 1},
                     {.nr = 3, .S = "A", .E = "C", .qWez = 1},
                     {.nr = 4, .S = "C", .E = "B", .qWez = 1},
                     {.nr = 5, .S = "B", .E = "A", .qWez = 1}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    bool linia = false;
    for (const auto& l : ob.ListBoxAnalizaDanych)
        linia |= l.rfind("Podczas sumowania zmieniam kierunek w odcinku ", 0) == 0;
    EXPECT_TRUE(linia);
    sprawdzBilans(ob);
}

}  // namespace
}  // namespace kelmor
