#include "model/Liczby.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/locale_support.h"

using namespace kelmor;

struct PrzypadekOgolny {
    double v;
    int p;
    const char* oczekiwany;
};

class FormatOgolny : public ::testing::TestWithParam<PrzypadekOgolny> {};

TEST_P(FormatOgolny, Tekst) {
    const auto& c = GetParam();
    EXPECT_EQ(formatOgolny(c.v, c.p), c.oczekiwany) << c.v << " p=" << c.p;
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, FormatOgolny,
    ::testing::Values(PrzypadekOgolny{0, 8, "0"}, PrzypadekOgolny{-0.0, 8, "0"},
                      PrzypadekOgolny{1, 8, "1"}, PrzypadekOgolny{125.5, 8, "125.5"},
                      PrzypadekOgolny{0.1, 15, "0.1"}, PrzypadekOgolny{-2.5, 4, "-2.5"},
                      // rounding to p significant digits, trailing zeros dropped
                      PrzypadekOgolny{3.14159265, 4, "3.142"}, PrzypadekOgolny{1.99999, 4, "2"},
                      PrzypadekOgolny{123456.7, 8, "123456.7"},
                      // exponent when the decimal exponent is not below p ...
                      PrzypadekOgolny{12345, 4, "1.235E4"}, PrzypadekOgolny{1e20, 8, "1E20"},
                      PrzypadekOgolny{9999.9, 4, "1E4"}, PrzypadekOgolny{1234, 4, "1234"},
                      // ... or below -5
                      PrzypadekOgolny{0.00001, 8, "0.00001"},
                      PrzypadekOgolny{0.0000015, 8, "1.5E-6"},
                      PrzypadekOgolny{-0.000000123, 3, "-1.23E-7"}));

TEST(FormatStaly, ZaokraglaDoCyfrZnaczacychIPokazujeDMiejsc) {
    struct {
        double v;
        int p, d;
        const char* o;
    } przypadki[] = {
        {12.345, 4, 2, "12.35"},      {12.3, 8, 2, "12.30"},      {0, 8, 2, "0.00"},
        {1234.5678, 4, 2, "1235.00"}, {-0.001, 4, 2, "0.00"},     {-3.456, 8, 1, "-3.5"},
        {100, 4, 0, "100"},           {123456, 4, 2, "1.235E+5"},
    };
    for (const auto& c : przypadki)
        EXPECT_EQ(formatStaly(c.v, c.p, c.d), c.o) << c.v << " " << c.p << "/" << c.d;
}

TEST(FormatWykladniczy, ZnakIMinimalnaLiczbaCyfrWykladnika) {
    EXPECT_EQ(formatWykladniczy(12345.6, 5, 1), "1.2346E+4");
    EXPECT_EQ(formatWykladniczy(2300, 5, 1), "2.3000E+3");
    EXPECT_EQ(formatWykladniczy(0.00012, 3, 2), "1.20E-04");
    EXPECT_EQ(formatWykladniczy(-5e10, 2, 1), "-5.0E+10");
    EXPECT_EQ(formatWykladniczy(0, 5, 1), "0.0000E+0");
}

TEST(FormatCalkowity, Zwykly) {
    EXPECT_EQ(formatCalkowity(0), "0");
    EXPECT_EQ(formatCalkowity(-42), "-42");
}

TEST(NaLiczbe, PrzyjmujeZapisZKropka) {
    struct {
        const char* t;
        double v;
    } dobre[] = {{"0", 0},    {"1.5", 1.5}, {" 2.25 ", 2.25}, {"-3", -3},        {"+4.5", 4.5},
                 {".5", 0.5}, {"5.", 5},    {"1e3", 1000},    {"1.5E-2", 0.015}, {"1e-400", 0}};
    for (const auto& c : dobre) {
        auto v = naLiczbe(c.t);
        ASSERT_TRUE(v.has_value()) << c.t;
        EXPECT_DOUBLE_EQ(*v, c.v) << c.t;
    }
}

TEST(NaLiczbe, OdrzucaWszystkoInne) {
    for (const char* t : {"", " ", "-", "+", "1,5", "1e999", "nan", "NaN", "inf", "0x10", "1e",
                          "e5", "1.2.3", "12a", "--1", "1 2", "\xff"})
        EXPECT_FALSE(naLiczbe(t).has_value()) << t;
    EXPECT_FALSE(naLiczbe(std::string(10000, '9')).has_value() &&
                 std::isinf(*naLiczbe(std::string(10000, '9'))));
}

TEST(NaCalkowita, ZakresTrzydziestoDwuBitowy) {
    EXPECT_EQ(naCalkowita("2147483647"), 2147483647);
    EXPECT_EQ(naCalkowita("-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(naCalkowita(" 12 "), 12);
    for (const char* t : {"2147483648", "", "-", "+", "1.0", "0x10", "12a", "99999999999999999999"})
        EXPECT_FALSE(naCalkowita(t).has_value()) << t;
}

// Number text must not follow the process locale.
TEST(Liczby, NiezalezneOdLokalizacji) {
    const std::string lokale = test::ustawLokalePrzecinkowe();
    if (lokale.empty()) GTEST_SKIP() << "no locale with a decimal comma could be made";
    EXPECT_EQ(formatOgolny(1.5, 8), "1.5");
    EXPECT_EQ(formatStaly(2.25, 8, 2), "2.25");
    EXPECT_EQ(formatWykladniczy(12345.6, 5, 1), "1.2346E+4");
    EXPECT_EQ(naLiczbe("1.5"), 1.5);
    EXPECT_FALSE(naLiczbe("1,5").has_value());
    test::przywrocLokaleC();
}
