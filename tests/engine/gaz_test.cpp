// Gas properties: SGERG-88 compressibility against the worked examples of
// ISO 12213-3 (Annex C, gases 1 to 6), the derived constants, the viscosity
// and the validity checks with their codes and texts.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Gaz.h"

using namespace kelmor;

namespace {

struct GazWzorcowy {
    int nr;
    double Hs, d, xCO2, xH2;
    double Z60[5];   // 6 MPa, at the temperatures below
    double Z120[5];  // 12 MPa
};

// ISO 12213-3, Annex C: superior calorific value (MJ/m3, 25 C / 0 C),
// relative density, CO2 and H2 mole fractions, and the compression factors
// at 60 and 120 bar.
const GazWzorcowy kGazyWzorcowe[] = {
    {1,
     40.66,
     0.581,
     0.006,
     0.0,
     {0.84084, 0.86202, 0.88007, 0.90881, 0.92996},
     {0.72146, 0.75969, 0.79257, 0.84492, 0.88322}},
    {2,
     40.62,
     0.609,
     0.005,
     0.0,
     {0.83397, 0.85615, 0.87500, 0.90491, 0.92690},
     {0.71140, 0.75079, 0.78472, 0.83877, 0.87832}},
    {3,
     43.53,
     0.650,
     0.015,
     0.0,
     {0.79415, 0.82210, 0.84553, 0.88223, 0.90893},
     {0.64322, 0.69062, 0.73196, 0.79778, 0.84554}},
    {4,
     34.16,
     0.599,
     0.016,
     0.095,
     {0.88569, 0.90150, 0.91507, 0.93684, 0.95302},
     {0.80843, 0.83613, 0.85999, 0.89827, 0.92662}},
    {5,
     36.64,
     0.686,
     0.076,
     0.0,
     {0.82664, 0.85017, 0.87003, 0.90124, 0.92394},
     {0.69557, 0.73828, 0.77463, 0.83166, 0.87269}},
    {6,
     36.58,
     0.644,
     0.011,
     0.0,
     {0.85406, 0.87388, 0.89071, 0.91736, 0.93690},
     {0.74939, 0.78473, 0.81490, 0.86266, 0.89749}},
};
const double kTemperatury[5] = {-3.15, 6.85, 16.85, 36.85, 56.85};

}  // namespace

TEST(Sgerg, OdtwarzaPrzykladyNormy) {
    for (const auto& g : kGazyWzorcowe) {
        for (int i = 0; i < 5; ++i) {
            const WlasnosciGazu gaz(g.Hs, g.d, kTemperatury[i], g.xCO2, g.xH2);
            const StanGazu s60 = gaz.stan(6000);
            const StanGazu s120 = gaz.stan(12000);  // the upper limit itself is valid
            ASSERT_FALSE(s60.blad) << "gaz " << g.nr << ": " << s60.tekst;
            ASSERT_FALSE(s120.blad) << "gaz " << g.nr << ": " << s120.tekst;
            EXPECT_NEAR(s60.Z / g.Z60[i], 1.0, 1e-4) << "gaz " << g.nr << " t=" << kTemperatury[i];
            EXPECT_NEAR(s120.Z / g.Z120[i], 1.0, 1e-4)
                << "gaz " << g.nr << " t=" << kTemperatury[i];
        }
    }
}

TEST(Sgerg, GranicaGazuDoskonalegoPrzyNiskimCisnieniu) {
    const WlasnosciGazu gaz(Parametry{});
    const StanGazu s = gaz.stan(0.01);
    ASSERT_FALSE(s.blad);
    EXPECT_NEAR(s.Z, 1.0, 1e-6);
    // Z - 1 grows linearly with pressure at low pressure (second virial term).
    const double z1 = gaz.stan(50).Z - 1, z2 = gaz.stan(100).Z - 1;
    EXPECT_LT(z1, 0);
    EXPECT_NEAR(z2 / z1, 2.0, 0.01);
}

TEST(Sgerg, GazBogatyWMetanPrzy60Bar) {
    // Methane-rich natural gas at 60 bar and 10 C: Z is about 0.85 to 0.9;
    // Zn of such a gas is about 0.9975 (methane: 0.9976).
    Parametry p;
    const WlasnosciGazu gaz(p);
    const StanGazu s = gaz.stan(6000);
    ASSERT_FALSE(s.blad);
    EXPECT_GT(s.Z, 0.85);
    EXPECT_LT(s.Z, 0.90);
    EXPECT_GT(gaz.Zn(), 0.997);
    EXPECT_LT(gaz.Zn(), 0.998);
    EXPECT_DOUBLE_EQ(s.Zn, gaz.Zn());
    EXPECT_NEAR(gaz.udzialCH() + gaz.udzialN2(), 1.0, 1e-12);
}

TEST(Sgerg, GestoscZeStanuNormalnego) {
    // At the normal state the density is the normal density.
    const WlasnosciGazu gaz(40, 0.6, 0.0);
    const StanGazu s = gaz.stan(101.325);
    ASSERT_FALSE(s.blad);
    EXPECT_NEAR(s.Z / s.Zn, 1.0, 1e-9);
    EXPECT_NEAR(s.Gestosc, 0.6 * 1.292923, 1e-9);
    // At 10 C and 6 MPa: rho = rho_n p Tn / (T pn Z / Zn), by hand.
    const WlasnosciGazu g10(40, 0.6, 10);
    const StanGazu s2 = g10.stan(6000);
    EXPECT_NEAR(s2.Gestosc, 0.7757538 * 6000 * 273.15 / (283.15 * 101.325 * s2.Z / s2.Zn), 1e-9);
}

TEST(Gaz, StalePochodneDlaDomyslnych) {
    const WlasnosciGazu gaz(Parametry{});
    EXPECT_NEAR(gaz.GestoscNormalna(), 0.7757538, 1e-7);
    EXPECT_NEAR(gaz.IloczynRT(), 135397, 1.0);
    EXPECT_NEAR(gaz.PredkoscDzwieku(), 368.0, 0.05);
    // mu = 9.6e-7 T^1.5 / (T + 160) at 101.325 kPa: 1.0322e-5 Pa s at 283.15 K.
    EXPECT_NEAR(gaz.stan(101.325).Lepkosc, 1.0322e-5, 1e-9);
    EXPECT_NEAR(gaz.stan(1101.325).Lepkosc - gaz.stan(101.325).Lepkosc, 2.45e-7, 1e-15);
}

struct PrzypadekBledu {
    double Hs, d, Tc, p, xCO2, xH2;
    int kod;
};

class BledyGazu : public ::testing::TestWithParam<PrzypadekBledu> {};

TEST_P(BledyGazu, KodTekstILepkosc) {
    const auto& c = GetParam();
    const WlasnosciGazu gaz(c.Hs, c.d, c.Tc, c.xCO2, c.xH2);
    const StanGazu s = gaz.stan(c.p);
    EXPECT_EQ(s.kod, c.kod);
    EXPECT_EQ(s.blad, c.kod != 0);
    EXPECT_EQ(s.tekst, tekstBleduGazu(c.kod));
    // The viscosity is produced even when a check fails.
    EXPECT_NEAR(
        s.Lepkosc,
        9.6e-7 * std::pow(c.Tc + 273.15, 1.5) / (c.Tc + 433.15) + (c.p - 101.325) * 2.45e-10,
        1e-15);
    if (s.blad) {
        EXPECT_EQ(s.Z, 0);
        EXPECT_EQ(s.Gestosc, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kody, BledyGazu,
    ::testing::Values(PrzypadekBledu{40, 0.6, 10, 500, 0, 0, 0},
                      PrzypadekBledu{40, 0.5, 10, 500, 0, 0, kodgazu::GestoscWzgledna},
                      PrzypadekBledu{40, 0.6, 10, 12000, 0, 0, 0},
                      PrzypadekBledu{40, 0.6, 10, 12000.001, 0, 0, kodgazu::Cisnienie},
                      PrzypadekBledu{40, 0.6, 10, 0, 0, 0, kodgazu::Cisnienie},
                      PrzypadekBledu{40, 0.6, -23, 500, 0, 0, 0},
                      PrzypadekBledu{40, 0.6, -23.5, 500, 0, 0, kodgazu::Temperatura},
                      PrzypadekBledu{40, 0.6, 65.5, 500, 0, 0, kodgazu::Temperatura},
                      PrzypadekBledu{19, 0.6, 10, 500, 0, 0, kodgazu::CieploSpalania},
                      PrzypadekBledu{48.5, 0.6, 10, 500, 0, 0, kodgazu::CieploSpalania},
                      // The last failing check decides: density after heating value,
                      // pressure after composition, temperature after everything.
                      PrzypadekBledu{19, 0.5, 10, 500, 0, 0, kodgazu::GestoscWzgledna},
                      PrzypadekBledu{19, 0.5, 10, 13000, 0, 0, kodgazu::Cisnienie},
                      PrzypadekBledu{40, 0.6, 70, 13000, 0, 0, kodgazu::Temperatura},
                      PrzypadekBledu{40, 0.6, 10, 500, 0, 0.11, kodgazu::H2},
                      PrzypadekBledu{40, 0.8, 10, 500, 0.31, 0, kodgazu::CO2},
                      PrzypadekBledu{40, 0.6, 10, 500, 0.1, 0, kodgazu::Spojnosc},
                      // Second group: too little hydrocarbon; nitrogen inconsistent with d.
                      PrzypadekBledu{20, 0.9, 10, 500, 0, 0, kodgazu::Weglowodory},
                      PrzypadekBledu{30, 0.6, 10, 500, 0, 0, kodgazu::Spojnosc}));

TEST(Gaz, TekstyBledow) {
    EXPECT_EQ(tekstBleduGazu(1250), "Ciśnienie bezwzględne gazu nie może przekraczać 12000 kPa.");
    EXPECT_EQ(tekstBleduGazu(1251),
              "Temperatura gazu powinna być zawarta w granicach od -23 do 65 C.");
    EXPECT_EQ(tekstBleduGazu(1252),
              "Obliczenia gęstości gazu metodę SGERG-88 można stosować gdy \r\n"
              "udział CO2 w gazie nie przekracza 30%.");
    EXPECT_EQ(tekstBleduGazu(1254),
              "Obliczenia gęstości gazu metodę SGERG-88 można stosować gdy \r\n"
              "udział H2 w gazie nie przekracza 10%.");
    EXPECT_EQ(tekstBleduGazu(1255),
              "Obliczenia gęstości gazu metodę SGERG-88 można stosować gdy \r\n"
              "udział węglowodorów w gazie jest równy lub większy od 50%.");
    EXPECT_EQ(tekstBleduGazu(1258),
              "Gęstość względna gazu powinna być zawarta w granicach 0.55-0.9");
    EXPECT_EQ(tekstBleduGazu(1260),
              "Ciepło spalania gazu powinno być zawarte w granicach 20-48 MJ/m3.");
    EXPECT_EQ(tekstBleduGazu(1261), "Brak spójności gęstości względnej i ciepła spalania.");
}
