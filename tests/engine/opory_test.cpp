// Loss coefficients of the fittings: every kind by a hand value at an
// interior point and at its range limits, the messages and the sums.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Opory.h"

using namespace kelmor;

namespace {

StanDlaOporow stan(double D = 100, double Re = 20000, double lambda = 0.02, double eps = 0.0005) {
    StanDlaOporow s;
    s.etykieta = "7 (A - B)";
    s.D = D;
    s.Re = Re;
    s.lambda = lambda;
    s.eps = eps;
    s.UdzialWejscia = 0.5;
    s.UdzialWyjscia = 0.5;
    return s;
}

double zeta(uint8_t rodzaj, double par1, double par2, const StanDlaOporow& s,
            KanalKomunikatow* kanal = nullptr) {
    TMOpor w;
    w.Rodzaj = rodzaj;
    w.Par1 = par1;
    w.Par2 = par2;
    w.Ile = 1;
    w.Z = -99;
    wspolczynnikOporu(w, s, kanal);
    return w.Z;
}

}  // namespace

TEST(Opory, UtworzListe) {
    auto lista = utworzListeOporow();
    ASSERT_TRUE(lista);
    const uint8_t oczekiwane[21] = {3, 33, 4,  5,  6,  66, 1,  2,  22, 7, 8,
                                    9, 10, 11, 12, 13, 14, 15, 16, 20, 21};
    for (int i = 0; i < kLiczbaOporow; ++i) {
        EXPECT_EQ(lista->wpisy[i].Rodzaj, oczekiwane[i]) << i;
        EXPECT_EQ(lista->wpisy[i].Par1, 0);
        EXPECT_EQ(lista->wpisy[i].Par2, 0);
        EXPECT_EQ(lista->wpisy[i].Z, 0);
        EXPECT_EQ(lista->wpisy[i].Ile, 0);
    }
    EXPECT_STREQ(kNazwyOporow[17], "Zasuwa całkowicie lub częściowo otwarta ");
    EXPECT_STREQ(kNazwyOporow[20], "Kompresor (+) / Reduktor (-)");
}

struct Przypadek {
    const char* opis;
    uint8_t rodzaj;
    double par1, par2;
    double D, Re, lambda, eps;
    double oczekiwane;
};

class WspolczynnikRodzaju : public ::testing::TestWithParam<Przypadek> {};

TEST_P(WspolczynnikRodzaju, WartoscRecznie) {
    const auto& c = GetParam();
    EXPECT_NEAR(zeta(c.rodzaj, c.par1, c.par2, stan(c.D, c.Re, c.lambda, c.eps)), c.oczekiwane,
                1e-5 * std::max(1.0, std::fabs(c.oczekiwane)))
        << c.opis;
}

// Hand values (D = 100 mm unless stated).
INSTANTIATE_TEST_SUITE_P(
    Rodzaje, WspolczynnikRodzaju,
    ::testing::Values(
        // Confuser at the start: theta = atan(50/100) = 26.565 deg.
        Przypadek{"konfuzor pocz.", 3, 150, 100, 100, 2e4, 0.02, 0,
                  (1 - 1 / 2.25) * 26.56505118 / 360},
        // Confuser at the end, n = 0.25: (64 + 16 + 4) x 0.02/4 x 100/100.
        Przypadek{"konfuzor konc.", 33, 50, 100, 100, 2e4, 0.02, 0, 0.42},
        Przypadek{"zwezenie nagle 150->100", 4, 150, 0, 100, 2e4, 0.02, 0, 0.2777778},
        // Diffuser 60 deg is computed at 40: 3.2 tan(20)^1.25 (1 - 0.25)^2.
        Przypadek{"dyfuzor 60", 5, 200, 60, 100, 2e4, 0.02, 0, 3.2 * 0.2827093 * 0.5625},
        Przypadek{"dyfuzor 40", 5, 200, 40, 100, 2e4, 0.02, 0, 3.2 * 0.2827093 * 0.5625},
        Przypadek{"rozszerzenie konc. 100->200", 6, 200, 0, 100, 2e4, 0.02, 0, 0.5625},
        Przypadek{"rozszerzenie pocz. 50->100", 66, 50, 0, 100, 2e4, 0.02, 0, 0.5625},
        Przypadek{"zaslepiony", 22, 0, 0, 100, 2e4, 0.02, 0, 1.3},
        // Orifice r = 0.5: (1 + 0.707 sqrt(0.75) - 0.25)^2 / 0.0625.
        Przypadek{"kryza Re>=1e5", 7, 50, 0, 100, 2e5, 0.02, 0, 1.8558069 / 0.0625},
        // Re 1000: eps_Re 0.53, phi(n 0.25) = (36 + 30)/2 / 100.
        Przypadek{"kryza Re 1000", 7, 50, 0, 100, 1000, 0.02, 0,
                  (1.8558069 * 0.53 + 0.33) / 0.0625},
        // Re 100 is raised to 300: eps_Re 0.44, phi = (62 + 50)/2 / 100.
        Przypadek{"kryza Re 100->300", 7, 50, 0, 100, 100, 0.02, 0,
                  (1.8558069 * 0.44 + 0.56) / 0.0625},
        Przypadek{"kryza d = D", 7, 100, 0, 100, 2e4, 0.02, 0, 1e-6},
        Przypadek{"kryza d > D", 7, 120, 0, 100, 2e4, 0.02, 0, 1e-6},
        // Bent elbow R/d 2, 90 deg, Re 2e4: C = 64 lambda.
        Przypadek{"kolano 90 Re<40000", 8, 2, 90, 100, 2e4, 0.02, 0.0005,
                  0.21 * 1.28 / std::sqrt(2.0)},
        Przypadek{"kolano 30", 9, 2, 30, 100, 2e4, 0.02, 0.0005,
                  0.21 * 0.45 * 1.28 / std::sqrt(2.0)},
        Przypadek{"kolano 70", 10, 2, 70, 100, 2e4, 0.02, 0.0005, 0.21 * 1.28 / std::sqrt(2.0)},
        Przypadek{"kolano 120", 8, 2, 120, 100, 2e4, 0.02, 0.0005,
                  0.21 * (0.7 + 0.35 * 120 / 90) * 1.28 / std::sqrt(2.0)},
        // Re 1e5, smooth, R/d > 1.5: C = 64 lambda (eps^2 1e6 + 1) = 1.6.
        Przypadek{"kolano Re 1e5", 8, 2, 90, 100, 1e5, 0.02, 0.0005, 0.21 * 1.6 / std::sqrt(2.0)},
        // R/d <= 1.5 keeps C = 64 lambda.
        Przypadek{"kolano Re 1e5 R/d 1", 8, 1, 90, 100, 1e5, 0.02, 0.0005, 0.21 * 1.28},
        // Re 3e5, smooth: C = eps^2 1e6 + 1 (R/d > 1.5), eps 1000 + 1 otherwise.
        Przypadek{"kolano Re 3e5", 8, 2, 90, 100, 3e5, 0.02, 0.0005, 0.21 * 1.25 / std::sqrt(2.0)},
        Przypadek{"kolano Re 3e5 R/d 1", 8, 1, 90, 100, 3e5, 0.02, 0.0005, 0.21 * 1.5},
        // Rough: C = 128 lambda up to Re 2e5, 2 above.
        Przypadek{"kolano szorstkie", 8, 2, 90, 100, 1e5, 0.02, 0.002,
                  0.21 * 2.56 / std::sqrt(2.0)},
        Przypadek{"kolano szorstkie Re 3e5", 8, 2, 90, 100, 3e5, 0.02, 0.002,
                  0.21 * 2 / std::sqrt(2.0)},
        Przypadek{"kolano R/d 0", 8, 0, 90, 100, 2e4, 0.02, 0.0005, 0},
        Przypadek{"kolano kat 0", 8, 2, 0, 100, 2e4, 0.02, 0.0005, 0},
        // 3-segment elbow a = 1.0 at 90 deg: B between 0.98 and 1.47.
        Przypadek{"3-segm a 1", 11, 1.0, 90, 100, 2e4, 0.02, 0, 1.28 * (0.45 - 0.11 * 0.02 / 0.49)},
        Przypadek{"3-segm a 10", 12, 10, 90, 100, 2e4, 0.02, 0, 1.28 * 0.14},
        Przypadek{"3-segm a 12", 12, 12, 90, 100, 2e4, 0.02, 0, 1.28 * 0.14},
        Przypadek{"3-segm 45", 11, 1.0, 45, 100, 2e4, 0.02, 0, 1.28 * 0.11},
        Przypadek{"3-segm 50", 11, 1.0, 50, 100, 2e4, 0.02, 0, 1.28 * 0.15},
        Przypadek{"3-segm 60", 11, 1.0, 60, 100, 2e4, 0.02, 0, 1.28 * 0.11},
        Przypadek{"2-segm a 1.5", 13, 1.5, 90, 100, 2e4, 0.02, 0, 1.28 * 0.4},
        Przypadek{"2-segm a 0.1", 14, 0.1, 90, 100, 2e4, 0.02, 0, 1.28 * (1.1 - 0.18 * 0.1 / 0.37)},
        Przypadek{"2-segm a 8", 14, 8, 90, 100, 2e4, 0.02, 0, 1.28 * 0.2},
        Przypadek{"zasuwa 0.45", 15, 0.45, 0, 100, 2e4, 0.02, 0, 8.65},
        Przypadek{"zasuwa 0.25", 15, 0.25, 0, 100, 2e4, 0.02, 0, 30},
        Przypadek{"zasuwa 0.1", 15, 0.1, 0, 100, 2e4, 0.02, 0, 30},
        Przypadek{"zasuwa 1.0", 15, 1.0, 0, 100, 2e4, 0.02, 0, 0.15},
        Przypadek{"zasuwa 1.5", 15, 1.5, 0, 100, 2e4, 0.02, 0, 0.15},
        Przypadek{"zawor D 30", 16, 0, 0, 30, 2e4, 0.02, 0, 6.45},
        Przypadek{"zawor D 13", 16, 0, 0, 13, 2e4, 0.02, 0, 10.8},
        Przypadek{"zawor D 10", 16, 0, 0, 10, 2e4, 0.02, 0, 10.8},
        Przypadek{"zawor D 350", 16, 0, 0, 350, 2e4, 0.02, 0, 5.5},
        Przypadek{"zawor D 400", 16, 0, 0, 400, 2e4, 0.02, 0, 5.5},
        Przypadek{"inny", 20, 3.5, 0, 100, 2e4, 0.02, 0, 3.5}));

struct PrzypadekTrojnika {
    uint8_t rodzaj;
    double schemat, x, oczekiwane;
};

class Trojniki : public ::testing::TestWithParam<PrzypadekTrojnika> {};

TEST_P(Trojniki, WartoscRecznie) {
    const auto& c = GetParam();
    StanDlaOporow s = stan();
    s.UdzialWejscia = s.UdzialWyjscia = -5;
    (c.rodzaj == 1 ? s.UdzialWejscia : s.UdzialWyjscia) = c.x;
    RejestratorKomunikatow kanal;
    EXPECT_NEAR(zeta(c.rodzaj, 0, c.schemat, s, &kanal), c.oczekiwane, 1e-9)
        << int(c.rodzaj) << " schemat " << c.schemat << " x " << c.x;
    EXPECT_TRUE(kanal.wpisy.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Schematy, Trojniki,
    ::testing::Values(PrzypadekTrojnika{1, 1, 0.5, 0.1}, PrzypadekTrojnika{1, 2, 0.5, 1.1},
                      PrzypadekTrojnika{1, 3, 0.5, 1.1},
                      PrzypadekTrojnika{1, 1, 1.0, 1e-12},  // exact zero is replaced
                      PrzypadekTrojnika{1, 0, 0.5, 0.1},    // below 1 -> scheme 1
                      PrzypadekTrojnika{1, 5, 0.5, 1.1},    // above 3 -> scheme 2
                      PrzypadekTrojnika{2, 1, 0.5, 0.525}, PrzypadekTrojnika{2, 1, 1.0, 1e-12},
                      PrzypadekTrojnika{2, 2, 0.45, 1.265}, PrzypadekTrojnika{2, 2, 1.0, 2.0},
                      PrzypadekTrojnika{2, 2, 0.05, 1.835},  // below 0.1: first two points
                      PrzypadekTrojnika{2, 3, 0.5, 0.75}, PrzypadekTrojnika{2, 4, 0.45, 1.265}));

TEST(Opory, TrojnikPozaZakresemZKomunikatemZaKazdymRazem) {
    RejestratorKomunikatow kanal;
    StanDlaOporow s = stan();
    s.UdzialWejscia = -1;
    s.UdzialWyjscia = 1.2;
    s.pierwszyPrzebieg = false;
    EXPECT_EQ(zeta(1, 0, 1, s, &kanal), 0);
    EXPECT_EQ(zeta(2, 0, 1, s, &kanal), 0);
    s.UdzialWyjscia = 0;
    EXPECT_EQ(zeta(2, 0, 2, s, &kanal), 0);
    ASSERT_EQ(kanal.wpisy.size(), 3u);
    EXPECT_EQ(kanal.wpisy[0].tekst, "Nie policzono trójnika rozbieżnego w odcinku 7 (A - B)");
    EXPECT_EQ(kanal.wpisy[1].tekst, "Nie policzono trójnika zbieżnego w odcinku 7 (A - B)");
    EXPECT_EQ(kanal.wpisy[2].rodzaj, RejestratorKomunikatow::Rodzaj::Informacja);
}

TEST(Opory, ZwezeniaIRozszerzeniaZglaszajaTylkoWPierwszymPrzebiegu) {
    const std::string koniec = " Obliczenie współczynnika strat ciśnienia zostało pominięte.";
    struct {
        uint8_t rodzaj;
        double par1;
        std::string tekst;
    } przypadki[] = {
        {3, 80,
         "Dla konfuzora na pocz. odcinka 7 (A - B) podano za małą średnicę poprzedniego odcinka."},
        {33, 120,
         "Dla konfuzora na końcu odcinka 7 (A - B) podano za dużą średnicę następnego odcinka."},
        {4, 100,
         "Dla nagłego zwężenia na pocz. odcinka 7 (A - B) podano za małą średnicę poprzedniego "
         "odcinka."},
        {5, 100,
         "Dla dyfuzora na końcu odcinka 7 (A - B) podano za małą średnicę następnego odcinka."},
    };
    for (const auto& p : przypadki) {
        RejestratorKomunikatow kanal;
        StanDlaOporow s = stan();
        EXPECT_EQ(zeta(p.rodzaj, p.par1, 30, s, &kanal), 0);
        ASSERT_EQ(kanal.wpisy.size(), 1u) << int(p.rodzaj);
        EXPECT_EQ(kanal.wpisy[0].tekst, p.tekst + koniec);
        s.pierwszyPrzebieg = false;
        EXPECT_EQ(zeta(p.rodzaj, p.par1, 30, s, &kanal), 0);
        EXPECT_EQ(kanal.wpisy.size(), 1u);
    }
}

TEST(Opory, KryzaBezOtworuZglaszaWyjsciePozaZakres) {
    RejestratorKomunikatow kanal;
    StanDlaOporow s = stan();
    s.pierwszyPrzebieg = false;
    EXPECT_EQ(zeta(7, 0, 0, s, &kanal), 0);
    ASSERT_EQ(kanal.wpisy.size(), 1u);
    EXPECT_EQ(kanal.wpisy[0].tekst, "Procedura interp2 zgłasza wyjście poza zakres interpolacji.");
}

TEST(Opory, ZeroSztukDajeZeroAKompresoraNieRusza) {
    TMOpor w;
    w.Rodzaj = 22;
    w.Z = 5;
    w.Ile = 0;
    wspolczynnikOporu(w, stan(), nullptr);
    EXPECT_EQ(w.Z, 0);

    // No message from an entry without pieces.
    RejestratorKomunikatow kanal;
    TMOpor t;
    t.Rodzaj = 1;
    t.Z = 5;
    StanDlaOporow s = stan();
    s.UdzialWejscia = -1;
    wspolczynnikOporu(t, s, &kanal);
    EXPECT_EQ(t.Z, 0);
    EXPECT_TRUE(kanal.wpisy.empty());

    TMOpor k;
    k.Rodzaj = 21;
    k.Par1 = 50;
    k.Z = 7;
    k.Ile = 1;
    wspolczynnikOporu(k, stan(), nullptr);
    EXPECT_EQ(k.Z, 7);
}

TEST(Opory, SumaPoWpisach0Do19) {
    auto lista = utworzListeOporow();
    lista->wpisy[8].Ile = 2;       // blind tees: 2 x 1.3
    lista->wpisy[17].Ile = 1;      // gate valve
    lista->wpisy[17].Par1 = 0.45;  // 8.65
    lista->wpisy[19].Ile = 3;      // free coefficient
    lista->wpisy[19].Par1 = 0.5;   // 3 x 0.5
    lista->wpisy[20].Ile = 1;      // compressor: not a loss
    lista->wpisy[20].Par1 = 50;
    lista->wpisy[20].Z = 100;
    const double suma = policzOpory(*lista, stan(), nullptr);
    EXPECT_NEAR(suma, 2 * 1.3 + 8.65 + 1.5, 1e-12);
    EXPECT_NEAR(sumaOporow(*lista), suma, 1e-15);
    EXPECT_EQ(kompresorListy(*lista), 50);
    EXPECT_EQ(lista->wpisy[20].Z, 100);
}

TEST(Opory, Interpolacja) {
    const double xs[] = {1, 2, 4};
    const double ys[] = {10, 20, 0};
    EXPECT_DOUBLE_EQ(interpolujLiniowo(xs, ys, 3, 1.5), 15);
    EXPECT_DOUBLE_EQ(interpolujLiniowo(xs, ys, 3, 2), 20);  // at a point: the segment ending there
    EXPECT_DOUBLE_EQ(interpolujLiniowo(xs, ys, 3, 3), 10);
    EXPECT_DOUBLE_EQ(interpolujLiniowo(xs, ys, 3, 0), 0);  // below: first two points
    EXPECT_DOUBLE_EQ(interpolujLiniowo(xs, ys, 3, 1), 10);
}

TEST(Opory, WejsciaBezSensuFizycznegoNieDajaNieskonczonosci) {
    RejestratorKomunikatow kanal;
    StanDlaOporow s = stan();
    // A next diameter of 0 behind a confuser: out of range, not an infinite loss.
    EXPECT_EQ(zeta(33, 0, 100, s, &kanal), 0);
    EXPECT_EQ(kanal.wpisy.size(), 1u);
    // A sudden expansion into a diameter of 0 contributes nothing.
    EXPECT_EQ(zeta(6, 0, 0, s, &kanal), 0);
    // A confuser of zero length is a sudden one: theta = 90 degrees.
    EXPECT_NEAR(zeta(3, 200, 0, s, &kanal), 0.75 * 90 / 360, 1e-12);
    // A negative diffuser angle gives no loss rather than a NaN.
    EXPECT_EQ(zeta(5, 200, -10, s, &kanal), 0);
    EXPECT_EQ(kanal.wpisy.size(), 1u);
}
