#include "app/TabelaTekstowa.h"

#include <gtest/gtest.h>

#include <sstream>

#include "SiecTestowa.h"
#include "model/Tekst.h"

namespace kelmor {
namespace {

std::vector<std::string> linie(const std::string& s) {
    std::vector<std::string> r;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) r.push_back(l);
    return r;
}

std::vector<std::string> pola(const std::string& l) {
    std::vector<std::string> r(1);
    for (char c : l) {
        if (c == ';')
            r.emplace_back();
        else
            r.back() += c;
    }
    return r;
}

TEST(TabelaCsvTest, HeaderLineAndOneLinePerRow) {
    Obiekt ob;
    test::siecRozgaleziona(ob);
    ob.Grid.ustawTekst(kol::NazwaOdcinka, 2, "ul. Długa; róg");
    ob.Grid.ustawTekst(kol::NazwaOdcinka, 3, "\"Stara\"");
    const auto l = linie(tabelaCsv(ob));
    ASSERT_EQ(l.size(), 4u);
    const auto h = pola(l[0]);
    ASSERT_EQ(h.size(), 19u);
    EXPECT_EQ(h[0], "Nr odcinka");
    EXPECT_EQ(h[2], "Węzeł początkowy");
    EXPECT_EQ(h[4], "Dn");
    EXPECT_EQ(h[5], "Długość odcinka L [m]");
    EXPECT_EQ(pola(l[1])[2], "S");
    EXPECT_EQ(pola(l[1])[5], "100");
    EXPECT_EQ(l[2].rfind("2;\"ul. Długa; róg\";A;", 0), 0u) << l[2];
    EXPECT_EQ(l[3].rfind("3;\"\"\"Stara\"\"\";A;", 0), 0u) << l[3];
}

TEST(TabelaCsvTest, ResultColumnsWithThePressureUnit) {
    Obiekt ob;
    test::siecRozgaleziona(ob);
    ob.parametry.ustawJednostke(3);
    ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    ob.Grid.ustawTekst(kol::Ppocz, 1, "2.50");
    const auto l = linie(tabelaCsv(ob));
    const auto h = pola(l[0]);
    ASSERT_EQ(h.size(), 28u);
    EXPECT_EQ(h[kol::Ppocz - 1], "P pocz. BAR (nad)");
    EXPECT_EQ(h[kol::DeltaP - 1], "Strata BAR");
    EXPECT_EQ(h[kol::NumerOdc - 1], "Nr odcinka");
    EXPECT_EQ(pola(l[1])[kol::Ppocz - 1], "2.50");
}

TEST(TabelaTekstowaTest, ColumnsAlignedByCharacters) {
    Obiekt ob;
    test::siecRozgaleziona(ob);
    ob.Grid.ustawTekst(kol::WezelKonc, 2, "Żółw");
    const auto l = linie(tabelaTekstowa(ob));
    ASSERT_EQ(l.size(), 5u);                                 // two header lines, three rows
    EXPECT_EQ(l[0].rfind("     Nr  Nazwa", 0), 0u) << l[0];  // numbers right, names left
    EXPECT_EQ(l[1].rfind("odcinka  odcinka", 0), 0u) << l[1];
    // The column of end nodes starts at the same character in every line.
    auto kolumna = [](const std::string& linia, const std::string& co) {
        return liczbaZnakow(linia.substr(0, linia.find(co)));
    };
    EXPECT_EQ(kolumna(l[0], "Węzeł  "), kolumna(l[2], "S"));
    const std::size_t koniec = kolumna(l[3], "Żółw");
    EXPECT_EQ(kolumna(l[2], " A ") + 1, koniec);
    EXPECT_EQ(kolumna(l[4], " C ") + 1, koniec);
}

TEST(TabelaTekstowaTest, EmptyTableHasOnlyHeaders) {
    Obiekt ob;
    EXPECT_EQ(linie(tabelaTekstowa(ob)).size(), 2u);
    EXPECT_EQ(linie(tabelaCsv(ob)).size(), 1u);
}

}  // namespace
}  // namespace kelmor
