#include "model/Tekst.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

using namespace kelmor;

TEST(Przytnij, TylkoSpacjeNaKoncach) {
    EXPECT_EQ(przytnij("  ab c  "), "ab c");
    EXPECT_EQ(przytnij("   "), "");
    EXPECT_EQ(przytnijLewa("  x "), "x ");
}

TEST(Znaki, LiczoneJakoZnakiNieBajty) {
    EXPECT_EQ(liczbaZnakow("Łódź"), 4u);
    EXPECT_EQ(pierwszeZnaki("Żółwiowa-Źródlana", 5), "Żółwi");
    EXPECT_EQ(liczbaZnakow("a\xff"
                           "b"),
              3u);  // an invalid byte counts as one
    EXPECT_TRUE(poprawneUtf8("zażółć gęślą jaźń"));
    EXPECT_FALSE(poprawneUtf8("\xc5"));
    EXPECT_FALSE(poprawneUtf8("\xed\xa0\x80"));  // a surrogate
    EXPECT_FALSE(poprawneUtf8("\xc0\xaf"));      // overlong
}

TEST(Cp1250, KazdyBajtWracaBezZmian) {
    std::string wszystkie;
    for (int b = 0; b < 256; ++b) wszystkie += static_cast<char>(b);
    const std::string utf8 = zCp1250(wszystkie);
    EXPECT_TRUE(poprawneUtf8(utf8));
    const auto w = naCp1250(utf8);
    ASSERT_TRUE(w.blad.empty()) << w.blad;
    EXPECT_EQ(w.tekst, wszystkie);
}

// The table is checked against the system's own converter for every byte the
// code page assigns.
TEST(Cp1250, ZgodnyZIconv) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    if (cd == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "iconv has no CP1250";
    int sprawdzone = 0;
    for (int b = 0x80; b < 256; ++b) {
        char in = static_cast<char>(b);
        char out[8] = {};
        char* pin = &in;
        char* pout = out;
        size_t nin = 1, nout = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &pin, &nin, &pout, &nout) == static_cast<size_t>(-1)) continue;  // unassigned
        EXPECT_EQ(zCp1250(std::string(1, in)), std::string(out, pout)) << std::hex << b;
        ++sprawdzone;
    }
    iconv_close(cd);
    EXPECT_GE(sprawdzone, 123);
}

TEST(Cp1250, PolskieLitery) {
    const auto w = naCp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    EXPECT_EQ(w.tekst, "\xb9\xe6\xea\xb3\xf1\xf3\x9c\x9f\xbf\xa5\xc6\xca\xa3\xd1\xd3\x8c\x8f\xaf");
}

TEST(Cp1250, ZnakSpozaStronyKodowejOdrzucony) {
    const auto w = naCp1250("Ulica Ωmega");
    EXPECT_TRUE(w.tekst.empty());
    EXPECT_NE(w.blad.find("\"Ω\""), std::string::npos) << w.blad;
    EXPECT_NE(w.blad.find("U+03A9"), std::string::npos);
    EXPECT_NE(w.blad.find("Windows-1250"), std::string::npos);

    const auto z = naCp1250("a\xff");
    EXPECT_TRUE(z.tekst.empty());
    EXPECT_NE(z.blad.find("0xFF"), std::string::npos) << z.blad;
}

TEST(Tekst, PrzecinekNaKropke) {
    EXPECT_EQ(przecinekNaKropke("1,5;2,25"), "1.5;2.25");
}
