#include "io/KatalogRur.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "io/ZapisAtomowy.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace fs = std::filesystem;
using namespace kelmor;

namespace {

std::string wczytaj(const std::string& p) {
    std::string d;
    EXPECT_TRUE(wczytajPlik(p, d)) << p;
    return d;
}
// A hand-made line with Polish letters, in Windows-1250.
std::string cp1250Test() {
    return naCp1250("    Stal ż     10.00      1.00").tekst;
}
std::string przyklad(const char* n) {
    return std::string(KELMOR_EXAMPLES_DIR) + "/" + n;
}

void wiersz(Obiekt& ob, int w, const char* dn, const char* dzew, const char* gru) {
    if (ob.RurGrid.liczbaWierszy() <= w) ob.RurGrid.ustawLiczbeWierszy(w + 1);
    ob.RurGrid.ustawTekst(kol::Dn, w, dn);
    ob.RurGrid.ustawTekst(kol::Dzew, w, dzew);
    ob.RurGrid.ustawTekst(kol::Gru, w, gru);
    ob.liczbaRur = ob.RurGrid.liczbaWierszy() - 1;
}

}  // namespace

TEST(KatalogRurZapis, LineLayout) {
    Obiekt ob;
    wiersz(ob, 1, "PE110", "110", "10");
    wiersz(ob, 2, "1234567890123456", "114.3", "1234567.891");
    wiersz(ob, 3, "Ø", "1", "0.005");  // no Windows-1250 code: refused below
    ob.liczbaRur = 2;
    RejestratorKomunikatow k;
    std::string bajty;
    ASSERT_TRUE(tekstKataloguRur(ob, k, bajty));
    EXPECT_EQ(bajty,
              "           PE110    110.00     10.00\r\n"
              " 1234567890123456    114.301234567.89\r\n");
    ob.liczbaRur = 3;
    EXPECT_FALSE(tekstKataloguRur(ob, k, bajty));
    // A number too wide for its 10 characters could not be read back.
    wiersz(ob, 3, "X", "1", "12345678.9");
    k.wyczysc();
    EXPECT_FALSE(tekstKataloguRur(ob, k, bajty));
    EXPECT_EQ(k.teksty(),
              std::vector<std::string>{"Błąd w zapisie liczby lub nazwy: X  1  12345678.9"});
}

TEST(KatalogRurOdczyt, ExampleRoundTripsByteForByte) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajKatalogRur(ob, k, przyklad("rury.rur")));
    EXPECT_TRUE(k.wpisy.empty());
    EXPECT_EQ(ob.liczbaRur, 24);
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dn, 1), "PE32");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dzew, 19), "114.30");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Gru, 19), "4.50");
    walidujTabele(ob, ob.RurGrid, k);
    EXPECT_FALSE(ob.bladRur);
    std::string bajty;
    ASSERT_TRUE(tekstKataloguRur(ob, k, bajty));
    EXPECT_EQ(bajty, wczytaj(przyklad("rury.rur")));
}

TEST(KatalogRurOdczyt, FieldsAreTakenFromTheEndOfTheLine) {
    struct Przypadek {
        const char* opis;
        std::string linia;
        const char* dn;
        const char* dzew;
        const char* gru;
    };
    const Przypadek przypadki[] = {
        {"as written", "           PE110    110.00     10.00", "PE110", "110.00", "10.00"},
        {"16-character symbol, 37 characters", " 1234567890123456    114.30      4.50",
         "1234567890123456", "114.30", "4.50"},
        {"symbol typed from column 1 loses its first character", "DN100     114.3       4.5",
         "N100", "114.30", "4.50"},
        {"thickness filling its whole field", "  DN25     33.70123456.789", "DN25", "33.70",
         "123456.79"},
        {"tabs count as blanks",
         "\tDN50" + std::string(6, '\t') + "60.3" + std::string(7, '\t') + "3.6", "DN50", "60.30",
         "3.60"},
        {"blanks after the last field", "           PE63     63.00      5.80   ", "PE63", "63.00",
         "5.80"},
        {"bare LF and CR LF alike", "            PE90     90.00      8.20\r", "PE90", "90.00",
         "8.20"},
        {"Windows-1250 letters", cp1250Test(), "Stal ż", "10.00", "1.00"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Obiekt ob;
        RejestratorKomunikatow k;
        ASSERT_TRUE(czytajKatalogZTekstu(ob, k, p.linia + "\n"));
        EXPECT_TRUE(k.wpisy.empty()) << ::testing::PrintToString(k.teksty());
        ASSERT_EQ(ob.liczbaRur, 1);
        EXPECT_EQ(ob.RurGrid.tekst(kol::Dn, 1), p.dn);
        EXPECT_EQ(ob.RurGrid.tekst(kol::Dzew, 1), p.dzew);
        EXPECT_EQ(ob.RurGrid.tekst(kol::Gru, 1), p.gru);
    }
}

TEST(KatalogRurOdczyt, DamagedLines) {
    Obiekt ob;
    wiersz(ob, 1, "stary", "1", "1");
    RejestratorKomunikatow k;
    // A long symbol is cut with its message; a bad number stays as typed.
    const std::string t =
        " Rura_o_bardzo_dlugiej_nazwie     50.00      3.00\r\n"
        "\r\n"
        "            PE90      abc       8.20\r\n"
        "            PE40     40.00      3.70\r\n"
        "DN20 26.9 2.6\r\n"
        "            PE50     50.00      4.60\r\n";
    EXPECT_FALSE(czytajKatalogZTekstu(ob, k, t));
    EXPECT_EQ(
        k.teksty(),
        (std::vector<std::string>{
            "Przekroczenie maksymalnej długości nazwy (do 16 znaków): Rura_o_bardzo_dlugiej_nazwie",
            "Błąd w zapisie liczby: abc", "Podany plik nie zawiera poprawnego katalogu rur"}));
    ASSERT_EQ(ob.liczbaRur, 3);
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dn, 1), "Rura_o_bardzo_dl");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dzew, 2), "abc");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dn, 3), "PE40");
    // The validation then points at the bad cell.
    k.wyczysc();
    walidujTabele(ob, ob.RurGrid, k);
    EXPECT_TRUE(ob.bladRur);
}

TEST(KatalogRurOdczyt, EmptyFileLeavesOneEmptyRow) {
    Obiekt ob;
    wiersz(ob, 1, "PE63", "63", "5.8");
    RejestratorKomunikatow k;
    ASSERT_TRUE(czytajKatalogZTekstu(ob, k, "\r\n  \r\n"));
    EXPECT_EQ(ob.liczbaRur, 0);
    EXPECT_EQ(ob.RurGrid.liczbaWierszy(), 2);
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dn, 1), "");
}

TEST(KatalogRurOdczyt, MissingFileChangesNothing) {
    Obiekt ob;
    wiersz(ob, 1, "PE63", "63", "5.8");
    RejestratorKomunikatow k;
    bool zmieniono = true;
    EXPECT_FALSE(CzytajKatalogRur(ob, k, "/nie/ma/rury.rur", &zmieniono));
    EXPECT_FALSE(zmieniono);
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_EQ(k.wpisy[0].rodzaj, RejestratorKomunikatow::Rodzaj::BladWeWy);
    EXPECT_EQ(ob.RurGrid.tekst(kol::Dn, 1), "PE63");
}

TEST(KatalogRurZapis, BadCellStopsTheWriteAndKeepsTheOldFile) {
    const fs::path folder =
        fs::temp_directory_path() / ("kelmor_rur_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string p = (folder / "rury.rur").string();
    ASSERT_TRUE(zapiszAtomowo(p, "stary katalog"));
    Obiekt ob;
    wiersz(ob, 1, "PE63", "63", "5.8");
    wiersz(ob, 2, "PE90", "90,0", "8.2");
    RejestratorKomunikatow k;
    EXPECT_FALSE(ZapiszKatalogRur(ob, k, p));
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_EQ(k.wpisy[0].rodzaj, RejestratorKomunikatow::Rodzaj::BladWeWy);
    EXPECT_EQ(k.wpisy[0].tekst, "Błąd w zapisie liczby lub nazwy: PE90  90,0  8.2");
    EXPECT_EQ(wczytaj(p), "stary katalog");
    ob.RurGrid.ustawTekst(kol::Dzew, 2, "90");
    ASSERT_TRUE(ZapiszKatalogRur(ob, k, p));
    Obiekt ob2;
    ASSERT_TRUE(CzytajKatalogRur(ob2, k, p));
    EXPECT_EQ(ob2.RurGrid.tekst(kol::Dzew, 2), "90.00");
    fs::remove_all(folder);
}

TEST(KatalogRurOdczyt, FuzzRegressions) {
    for (const auto& e : fs::directory_iterator(KELMOR_TESTDATA_DIR)) {
        const std::string n = e.path().filename().string();
        if (n.rfind("rur-fuzz-", 0) != 0) continue;
        SCOPED_TRACE(n);
        Obiekt ob;
        RejestratorKomunikatow k;
        if (!czytajKatalogZTekstu(ob, k, wczytaj(e.path().string()))) continue;
        walidujTabele(ob, ob.RurGrid, k);
        std::string w1, w2;
        if (ob.bladRur || !tekstKataloguRur(ob, k, w1)) continue;
        Obiekt ob2;
        ASSERT_TRUE(czytajKatalogZTekstu(ob2, k, w1));
        ASSERT_TRUE(tekstKataloguRur(ob2, k, w2));
        EXPECT_EQ(w1, w2);
    }
}
