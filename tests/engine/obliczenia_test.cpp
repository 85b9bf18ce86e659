// The calculation driver: passes, diameter selection, loop balancing and the
// result columns, checked against hand calculations and conservation laws
// computed from the written table.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/Analiza.h"
#include "engine/Model.h"
#include "engine/Obliczenia.h"
#include "engine/SiecTestowa.h"
#include "model/Liczby.h"

namespace kelmor {
namespace {

using test::Odc;
using test::Rura;
using test::Zrodlo;
using ::testing::Contains;
using ::testing::HasSubstr;

double liczbaZ(const Obiekt& ob, int kol, int w) {
    return naLiczbe(ob.Grid.tekst(kol, w)).value_or(NAN);
}

const dzialka* odcinek(const ModelSieci& m, int nr) {
    const dzialka* r = nullptr;
    dlaKazdegoOdcinka(m, [&](const dzialka& d) {
        if (d.Numer == nr) r = &d;
    });
    return r;
}

// Every node shows one pressure in all rows that touch it (start pressure in
// column 23, end pressure in 24), within `tol` in the object's unit; sources
// show their outlet pressure. Returns the pressures by node name.
std::map<std::string, double> sprawdzCisnieniaWezlow(const Obiekt& ob, double tol) {
    std::map<std::string, double> p;
    auto dodaj = [&](const std::string& n, double v) {
        auto it = p.find(n);
        if (it == p.end()) {
            p[n] = v;
        } else {
            EXPECT_NEAR(v, it->second, tol) << n;
        }
    };
    for (int w = 1; w <= ob.liczbaOdcinkow; ++w) {
        dodaj(ob.Grid.tekst(kol::WezelPocz, w), liczbaZ(ob, kol::Ppocz, w));
        dodaj(ob.Grid.tekst(kol::WezelKonc, w), liczbaZ(ob, kol::Pkonc, w));
    }
    for (int w = 1; w <= ob.liczbaZrodel; ++w) {
        const std::string n = ob.ZrodlaGrid.tekst(kol::NazwaZrodla, w);
        if (p.count(n)) {
            EXPECT_NEAR(p[n], naLiczbe(ob.ZrodlaGrid.tekst(kol::Pzrodla, w)).value(), tol) << n;
        }
    }
    return p;
}

// Flow balance from column 20: in - out = what the node takes.
void sprawdzBilansZTabeli(const Obiekt& ob) {
    std::map<std::string, double> bilans, pobor;
    std::map<std::string, bool> zrodlo;
    for (int w = 1; w <= ob.liczbaZrodel; ++w)
        zrodlo[ob.ZrodlaGrid.tekst(kol::NazwaZrodla, w)] = true;
    const double mn = ob.parametry.mnoznik;
    for (int w = 1; w <= ob.liczbaOdcinkow; ++w) {
        const std::string a = ob.Grid.tekst(kol::WezelPocz, w),
                          b = ob.Grid.tekst(kol::WezelKonc, w);
        const double q = liczbaZ(ob, kol::Qoblicz, w);
        bilans[a] -= q;
        bilans[b] += q;
        const double odc = liczbaZ(ob, kol::PoborOdc, w) * 0.5 * mn;
        pobor[a] += odc;
        pobor[b] += odc;
    }
    std::map<std::string, double> wez;
    for (int w = 1; w <= ob.liczbaOdcinkow; ++w)
        wez[ob.Grid.tekst(kol::WezelKonc, w)] = liczbaZ(ob, kol::PoborWez, w) * mn;
    for (const auto& [n, b] : bilans) {
        if (zrodlo[n]) continue;
        // Column 20 has two decimals: allow the rounding of the rows touching the node.
        EXPECT_NEAR(b, pobor[n] + wez[n], 0.05) << n;
    }
}

void sprawdzBilansModelu(const Obiekt& ob) {
    const ModelSieci& m = *modelSieci(ob);
    std::map<std::string, double> bilans, pobor;
    const double mn = ob.parametry.mnoznik;
    for (const dzialka* r : m.korzenie) bilans[r->WezelKonc->Nazwa] += r->Q;
    dlaKazdegoOdcinka(m, [&](const dzialka& d) {
        bilans[d.WezelPocz->Nazwa] -= d.Q;
        bilans[d.WezelKonc->Nazwa] += d.Q;
        pobor[d.WezelPocz->Nazwa] += 0.5 * d.PoborOdc * mn;
        pobor[d.WezelKonc->Nazwa] += 0.5 * d.PoborOdc * mn;
    });
    for (int w = 1; w <= ob.liczbaOdcinkow; ++w) pobor[ob.Grid.tekst(kol::WezelKonc, w)] += 0;
    std::map<std::string, double> wez;
    for (int w = 1; w <= ob.liczbaOdcinkow; ++w)
        wez[ob.Grid.tekst(kol::WezelKonc, w)] = liczbaZ(ob, kol::PoborWez, w) * mn;
    for (const auto& [n, b] : bilans) EXPECT_NEAR(b, pobor[n] + wez[n], 1e-6) << n;
}

// Low-pressure Biel-Lummert formula 3 (kPa absolute, nm3/h, mm, m).
double bielLummert(double p1, double Q, double D, double L) {
    return p1 - 42.604 * 59.0 * L * std::pow(Q, 1.875) / std::pow(D, 5);
}

TEST(Obliczenia, SiecRozgalezionaJedenPrzebiegZgodnieZRecznymRachunkiem) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ob.parametry.wzory = {2,
                          2};  // "Biel-Lummerta-niskie ciśn.", p2 = p1 - 42.604 K l Q^1.875 / D^5
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .Dn = "100", .L = 300, .qWez = 10},
                     {.nr = 2, .S = "A", .E = "B", .Dn = "80", .L = 200, .qWez = 20},
                     {.nr = 3, .S = "A", .E = "C", .Dn = "50", .L = 100, .qOdc = 4}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const WynikObliczen w = obliczenia(ob, k);
    ASSERT_EQ(w.stan, WynikObliczen::Stan::Koniec) << ob.LaRaport2;
    EXPECT_EQ(w.przebiegi, 1);
    EXPECT_EQ(ob.LaRaport1, "Koniec obliczeń");
    EXPECT_EQ(ob.LaRaport2, "Wyniki liczbowe można oglądnąć w Tabeli Opisu Sieci");
    EXPECT_EQ(ob.Grid.liczbaKolumn(), LiczbaKolumnZWynikami);
    EXPECT_TRUE(ob.WynikiAktualne);
    EXPECT_FALSE(ob.PotrzebnaAnaliza);

    const double pA = bielLummert(103, 34, 100, 300);
    const double pB = bielLummert(pA, 20, 80, 200);
    const double pC = bielLummert(pA, 2, 50, 100);
    EXPECT_EQ(ob.Grid.tekst(kol::Qoblicz, 1), "34.00");
    EXPECT_EQ(ob.Grid.tekst(kol::Qoblicz, 3), "2.00");
    EXPECT_EQ(ob.Grid.tekst(kol::Ppocz, 1), "3.00");
    EXPECT_EQ(ob.Grid.tekst(kol::Pkonc, 1), formatStaly(pA - 100, 15, 2));
    EXPECT_EQ(ob.Grid.tekst(kol::Pkonc, 2), formatStaly(pB - 100, 15, 2));
    EXPECT_EQ(ob.Grid.tekst(kol::Pkonc, 3), formatStaly(pC - 100, 15, 2));
    EXPECT_EQ(ob.Grid.tekst(kol::DeltaP, 2), formatStaly((pA - 100) - (pB - 100), 15, 2));
    EXPECT_EQ(ob.Grid.tekst(kol::NumerOdc, 2), "2");
    EXPECT_EQ(ob.Grid.tekst(kol::IleOpo, 2), "Z=0");
    EXPECT_EQ(ob.Grid.tekst(kol::SrednicaNomin, 2), "80");
    EXPECT_THAT(ob.Grid.tekst(kol::Re, 1), ::testing::MatchesRegex(R"([0-9]\.[0-9]{4}E\+[0-9]+)"));
    EXPECT_THAT(ob.Grid.tekst(kol::lambda, 1), ::testing::MatchesRegex(R"(0\.[0-9]{4})"));
    // Velocity at the start of row 1: Q / A x rho_n / 3600 / rho(103 kPa).
    const double v = liczbaZ(ob, kol::PredkoPocz, 1);
    // (the gas is nearly ideal at 103 kPa: Z/Zn differs from 1 by under 0.1 %)
    EXPECT_NEAR(v, 34 / (M_PI * 0.01 / 4) / 3600 * 101.325 / 103 * 283.15 / 273.15, 0.006);
    const ModelSieci& m = *modelSieci(ob);
    EXPECT_NEAR(m.CisnienieMaksymalne, 3, 1e-12);
    EXPECT_NEAR(m.CisnienieMinimalne, std::min(pB, pC) - 100, 1e-9);
    EXPECT_NEAR(m.StrumienMaksymalny, 34, 1e-9);
}

TEST(Obliczenia, PoprawkaNaRzednaTerenu) {
    auto licz = [](double rzedna) {
        Obiekt ob;
        RejestratorKomunikatow k;
        test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A", .L = 100, .qWez = 10, .rzedna = rzedna}},
                        {{.nazwa = "Z", .p = 3}});
        EXPECT_TRUE(test::przygotuj(ob, k));
        EXPECT_TRUE(obliczenia(ob, k).sukces());
        const wezel* a = odcinek(*modelSieci(ob), 1)->WezelKonc;
        return std::pair{liczbaZ(ob, kol::Pkonc, 1), a->Gestosc};
    };
    const auto [p0, rho0] = licz(0);
    const auto [p20, rho20] = licz(20);
    EXPECT_NEAR(p20 - p0, 20 * (1.23 - rho20) * 9.81 / 1000, 0.006);
}

TEST(Obliczenia, DwaZrodlaOczkoZamykaSieICiagJestRoznicaCisnien) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ob.parametry.ustawJednostke(0);  // Pa: two decimals resolve 0.01 Pa
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "A", .E = "B", .Dn = "50", .L = 400, .qWez = 5},
                     {.nr = 2, .S = "C", .E = "B", .Dn = "50", .L = 300, .qWez = 5},
                     {.nr = 3, .S = "B", .E = "D", .Dn = "40", .L = 100, .qWez = 8}},
                    {{.nazwa = "A", .p = 3000}, {.nazwa = "C", .p = 2500}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    ASSERT_EQ(m.LiczbaOczek, 1);
    EXPECT_DOUBLE_EQ(m.oczka[0].Ciag, 500);
    const WynikObliczen w = obliczenia(ob, k);
    ASSERT_EQ(w.stan, WynikObliczen::Stan::Koniec) << ob.LaRaport2;
    EXPECT_GT(w.przebiegi, 1);
    const auto p = sprawdzCisnieniaWezlow(ob, 1.01);
    // Both sources lose exactly their own outlet pressure minus B's pressure.
    EXPECT_NEAR(liczbaZ(ob, kol::DeltaP, 1) - liczbaZ(ob, kol::DeltaP, 2), 500, 1.02);
    sprawdzBilansZTabeli(ob);
    sprawdzBilansModelu(ob);
    EXPECT_NEAR(m.korzenie[0]->Q + m.korzenie[1]->Q, 13, 1e-6);
}

std::vector<Odc> siecOczkowa() {
    // Three loops, one source, explicit demands only.
    return {{.nr = 1, .S = "Z", .E = "A", .Dn = "100", .L = 120, .qOdc = 2, .qWez = 10},
            {.nr = 2, .S = "Z", .E = "B", .Dn = "80", .L = 80, .qOdc = 1, .qWez = 12},
            {.nr = 3, .S = "A", .E = "C", .Dn = "50", .L = 150, .qOdc = 3, .qWez = 4},
            {.nr = 4, .S = "B", .E = "C", .Dn = "50", .L = 170, .qOdc = 0.5, .qWez = 4},
            {.nr = 5, .S = "C", .E = "D", .Dn = "40", .L = 90, .qOdc = 1, .qWez = 5},
            {.nr = 6, .S = "B", .E = "D", .Dn = "40", .L = 200, .qOdc = 2, .qWez = 5},
            {.nr = 7, .S = "A", .E = "F", .Dn = "50", .L = 260, .qOdc = 1, .qWez = 6},
            {.nr = 8, .S = "D", .E = "F", .Dn = "40", .L = 160, .qOdc = 1, .qWez = 6},
            {.nr = 9, .S = "F", .E = "G", .Dn = "32", .L = 60, .qOdc = 0, .qWez = 3}};
}

TEST(Obliczenia, SiecOczkowaZamykaOczkaWJednymPaskalu) {
    for (int metoda : {0, 1}) {
        Obiekt ob;
        RejestratorKomunikatow k;
        ob.parametry.ustawJednostke(0);
        ob.parametry.wzory = {metoda, -1};
        ob.parametry.mnoznik = 1.3;
        test::ustawSiec(
            ob, siecOczkowa(), {{.nazwa = "Z", .p = 2500}},
            {{"32", 32, 0}, {"40", 40, 0}, {"50", 50, 0}, {"80", 80, 0}, {"100", 100, 0}});
        ASSERT_TRUE(test::przygotuj(ob, k));
        ASSERT_EQ(modelSieci(ob)->LiczbaOczek, 3);
        const WynikObliczen w = obliczenia(ob, k);
        ASSERT_EQ(w.stan, WynikObliczen::Stan::Koniec) << ob.LaRaport2;
        sprawdzCisnieniaWezlow(ob, 1.01);
        sprawdzBilansModelu(ob);
        sprawdzBilansZTabeli(ob);
    }
}

TEST(Obliczenia, NaprawaKierunkowDajeTeSameCisnieniaIStrumienie) {
    auto licz = [](std::vector<Odc> odc) {
        Obiekt ob;
        RejestratorKomunikatow k;
        ob.parametry.ustawJednostke(0);
        test::ustawSiec(ob, odc, {{.nazwa = "Z", .p = 2500}});
        EXPECT_TRUE(test::przygotuj(ob, k));
        EXPECT_TRUE(obliczenia(ob, k).sukces()) << ob.LaRaport2;
        std::map<int, double> q;
        for (int w = 1; w <= ob.liczbaOdcinkow; ++w)
            q[std::stoi(ob.Grid.tekst(kol::NumerOdcinka, w))] =
                std::fabs(liczbaZ(ob, kol::Qoblicz, w));
        return std::pair{sprawdzCisnieniaWezlow(ob, 1.01), q};
    };
    const auto naprzod = siecOczkowa();
    // Rows 3, 5 and 7 written backwards (columns 14..17 then describe their
    // new end node), rows shuffled.
    std::vector<Odc> wstecz = naprzod;
    auto odwroc = [&](int nr, double qWezNowy) {
        Odc& o = wstecz[nr - 1];
        std::swap(o.S, o.E);
        o.qWez = qWezNowy;
    };
    odwroc(3, 10);  // C->A, A's demand
    odwroc(5, 4);   // D->C
    odwroc(7, 10);  // F->A
    const std::vector<Odc> pomieszane = {wstecz[8], wstecz[4], wstecz[0], wstecz[6], wstecz[2],
                                         wstecz[5], wstecz[1], wstecz[7], wstecz[3]};
    const auto [p1, q1] = licz(naprzod);
    const auto [p2, q2] = licz(pomieszane);
    ASSERT_EQ(p1.size(), p2.size());
    for (const auto& [n, v] : p1) {
        ASSERT_TRUE(p2.count(n)) << n;
        EXPECT_NEAR(p2.at(n), v, 1.0) << n;
    }
    // Loops close within 1 Pa, which on these pipes (about 0.3 Pa per nm3/h
    // on the main rows) leaves the loop flows free by a few hundredths.
    for (const auto& [nr, q] : q1) EXPECT_NEAR(q2.at(nr), q, 0.1) << nr;
}

TEST(Obliczenia, DoborSrednic) {
    struct Przypadek {
        double pmin;
        std::string oczekiwana;
    };
    // Source 3 kPa, 200 m, 12 nm3/h: the start is 40 (v(32) > 4 m/s). The
    // loss on 25 mm is about 5.4 kPa, on 32 mm 1.6, on 40 mm 0.5, on 80 mm 0.016.
    // pmin 0 (G = 0.015 kPa/m): shrinks to 25, which is too narrow, so the
    // previous size 32 is restored. pmin 2.99 (G = 5e-5): grows until 80 is
    // wide enough. A very low pmin lets it shrink to the smallest size.
    for (const auto& [pmin, oczek] :
         std::vector<Przypadek>{{0, "32"}, {2.99, "80"}, {-1000, "25"}}) {
        Obiekt ob;
        RejestratorKomunikatow k;
        ob.parametry.PminDop = pmin;
        test::ustawSiec(
            ob, {{.nr = 1, .S = "Z", .E = "A", .Dn = "0", .L = 200, .qWez = 12}},
            {{.nazwa = "Z", .p = 3}},
            {{"80", 80, 0}, {"25", 25, 0}, {"50", 50, 0}, {"32", 32, 0}, {"40", 40, 0}});
        ASSERT_TRUE(test::przygotuj(ob, k));
        const WynikObliczen w = obliczenia(ob, k);
        ASSERT_TRUE(w.sukces()) << ob.LaRaport2;
        EXPECT_EQ(ob.Grid.tekst(kol::SrednicaNomin, 1), oczek) << pmin;
    }
}

TEST(Obliczenia, PoczatkowyWyborIPminWiekszeOdCisnieniaZrodla) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ob.parametry.PminDop = 5;
    // 12 nm3/h at ~103 kPa: v(25) = 6.6, v(32) = 4.04, v(40) = 2.6 m/s.
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A", .Dn = "0", .L = 200, .qWez = 12}},
                    {{.nazwa = "Z", .p = 3}},
                    {{"50", 50, 0}, {"25", 25, 0}, {"40", 40, 0}, {"32", 32, 0}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const WynikObliczen w = obliczenia(ob, k);
    EXPECT_EQ(w.stan, WynikObliczen::Stan::Przerwane);
    EXPECT_EQ(ob.LaRaport1, "Przerwano na etapie doboru średnic.");
    EXPECT_EQ(ob.LaRaport2,
              "Minimalne dopuszczalne ciśnienie w sieci jest większe od ciśnienia w źródle.");
    EXPECT_EQ(ob.Grid.liczbaKolumn(), LiczbaKolumnDanych);
    EXPECT_EQ(odcinek(*modelSieci(ob), 1)->Dn, "40");
}

TEST(Obliczenia, OstrzezeniaKatalogu) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .Dn = "150", .qWez = 1},
                     {.nr = 2, .S = "A", .E = "B", .Dn = "100a", .qWez = 1},
                     {.nr = 3, .S = "A", .E = "C", .Dn = "125", .qWez = 1}},
                    {{.nazwa = "Z", .p = 3}}, {{"100a", 114.3, 3.6}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    k.wyczysc();
    EXPECT_TRUE(obliczenia(ob, k).sukces());
    EXPECT_THAT(k.teksty(),
                Contains("Ostrzeżenie!\r\nNastępujących średnic nominalnych nie ma w katalogu rur: "
                         "\r\n125, 150, \r\ntoteż będą potraktowane jako średnice wewnętrzne."));
    EXPECT_NEAR(odcinek(*modelSieci(ob), 2)->Dwew, 107.1, 1e-9);
    EXPECT_NEAR(odcinek(*modelSieci(ob), 1)->Dwew, 150, 1e-9);

    Obiekt bez;
    test::ustawSiec(bez, {{.nr = 1, .S = "Z", .E = "A", .Dn = "abc", .qWez = 1}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(bez, k));
    k.wyczysc();
    EXPECT_FALSE(obliczenia(bez, k).sukces());
    EXPECT_THAT(k.teksty(), Contains(HasSubstr("Z powodu braku katalogu rur")));
    EXPECT_THAT(k.teksty(), Contains("Brak średnicy nominalnej abc w katalogu rur"));
    EXPECT_EQ(bez.LaRaport2,
              "Brak katalogu rur, lub nie poprawna średnica nominalna\n\rw odcinku 1 (Z - A).");
    EXPECT_EQ(bez.LaRaport1, "Przerwano na etapie doboru średnic.");
    // No warning dialog in the batch run.
    k.wyczysc();
    ASSERT_TRUE(test::przygotuj(bez, k));
    k.wyczysc();
    obliczenia(bez, k, {.trybWsadowy = true});
    EXPECT_THAT(k.teksty(), Not(Contains(HasSubstr("Z powodu braku katalogu rur"))));
}

TEST(Obliczenia, PredkoscKrytycznaNaKoncu) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A", .Dn = "20", .L = 100, .qWez = 400}},
                    {{.nazwa = "Z", .p = 100}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const WynikObliczen w = obliczenia(ob, k);
    ASSERT_TRUE(w.sukces()) << ob.LaRaport2;
    EXPECT_EQ(ob.Grid.tekst(kol::PredkoKonc, 1), "W>kryt.");
    EXPECT_EQ(ob.Grid.tekst(kol::Pkonc, 1), "????");
    EXPECT_EQ(ob.Grid.tekst(kol::DeltaP, 1), "????");
    EXPECT_NE(ob.Grid.tekst(kol::Ppocz, 1), "????");
    EXPECT_THAT(ob.ListBoxWyni, Contains(HasSubstr("Za duża prędkość na końcu odcinka 1 (Z - A)")));
}

TEST(Obliczenia, KompresorIReduktorWKolumnie19) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .L = 100, .qWez = 10, .kompresor = 50},
                     {.nr = 2, .S = "A", .E = "B", .L = 100, .qWez = 10, .kompresor = -20}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    ASSERT_TRUE(obliczenia(ob, k).sukces()) << ob.LaRaport2;
    EXPECT_EQ(ob.Grid.tekst(kol::IleOpo, 1), "Z=0 Kompr=50");
    EXPECT_EQ(ob.Grid.tekst(kol::IleOpo, 2), "Z=0 Reduk=-20");
    // The raise acts at the start of the segment.
    EXPECT_GT(liczbaZ(ob, kol::Pkonc, 1), 50);
}

TEST(Obliczenia, SumaWspolczynnikowOporowWKolumnie19) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A", .L = 100, .qWez = 10}},
                    {{.nazwa = "Z", .p = 3}});
    auto& lo = ob.Grid.zapewnijRekord<ListaOporow>(kol::IleOpo, 1);
    lo.wpisy[19].Par1 = 2.5;  // free coefficient, two pieces
    lo.wpisy[19].Ile = 2;
    lo.wpisy[8].Ile = 1;  // blind tee, 1.3
    ASSERT_TRUE(test::przygotuj(ob, k));
    ASSERT_TRUE(obliczenia(ob, k).sukces()) << ob.LaRaport2;
    EXPECT_EQ(ob.Grid.tekst(kol::IleOpo, 1), "Z=6.30");
}

TEST(Obliczenia, CisnienieMniejszeOdDopuszczalnego) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ob.parametry.PminDop = 2.99;
    test::ustawSiec(ob, {{.nr = 1, .S = "Z", .E = "A", .Dn = "50", .L = 500, .qWez = 20}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    ASSERT_TRUE(obliczenia(ob, k).sukces());
    EXPECT_THAT(ob.ListBoxWyni, Contains("Wystąpiło ciśnienie mniejsze od dopuszczalnego."));
}

TEST(Obliczenia, ZwarcieWOczku) {
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .L = 0, .qWez = 10},
                     {.nr = 2, .S = "Z", .E = "A", .L = 0, .qWez = 10}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const WynikObliczen w = obliczenia(ob, k);
    EXPECT_EQ(w.stan, WynikObliczen::Stan::Przerwane);
    EXPECT_EQ(ob.LaRaport1, "Obliczenia nie zostały zakończone.");
    EXPECT_EQ(ob.LaRaport2, "Zwarcie w oczku utworzonym przez odcinki o numerach: 1 2");
}

TEST(Obliczenia, ZatlaczanieLiczonePodPradWDrugiejSzansie) {
    // B injects gas (negative demand): both rows carry gas towards the
    // source, so their known ends are downstream; each needs a second-chance
    // sweep computed against the flow.
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ustawSiec(ob,
                    {{.nr = 1, .S = "Z", .E = "A", .Dn = "50", .L = 200, .qWez = 5},
                     {.nr = 2, .S = "A", .E = "B", .Dn = "50", .L = 200, .qWez = -20}},
                    {{.nazwa = "Z", .p = 3}});
    ASSERT_TRUE(test::przygotuj(ob, k));
    const WynikObliczen w = obliczenia(ob, k);
    ASSERT_EQ(w.stan, WynikObliczen::Stan::Koniec) << ob.LaRaport2;
    EXPECT_EQ(ob.Grid.tekst(kol::Qoblicz, 1), "-15.00");
    EXPECT_EQ(ob.Grid.tekst(kol::Qoblicz, 2), "-20.00");
    const double pA = liczbaZ(ob, kol::Pkonc, 1), pB = liczbaZ(ob, kol::Pkonc, 2);
    EXPECT_GT(pA, 3);
    EXPECT_GT(pB, pA);
    EXPECT_NEAR(liczbaZ(ob, kol::Ppocz, 2), pA, 1e-9);
}

TEST(Obliczenia, EtapyPrzerwania) {
    EXPECT_EQ(etapPrzerwania("Brak katalogu"), "Przerwano na etapie doboru średnic.");
    EXPECT_EQ(etapPrzerwania("Przeciwny kierunek"), "Przerwano na etapie doboru średnic.");
    EXPECT_EQ(etapPrzerwania("Źródła powinny"),
              "Przerwano na etapie wstępnego obliczania strumieni w odcinkach.");
    EXPECT_EQ(etapPrzerwania("Za duża prędkość"),
              "Przerwano na etapie liczenia oporów hydraulicznych.");
}

}  // namespace
}  // namespace kelmor
