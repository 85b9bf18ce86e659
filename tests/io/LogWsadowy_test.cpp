#include "io/LogWsadowy.h"

#include <gtest/gtest.h>

#include "io/SiecWymiany.h"
#include "model/Tekst.h"

using namespace kelmor;
using namespace wymiana;

namespace {

std::string cp1250(const std::vector<std::string>& linie) {
    std::string r;
    for (const auto& l : linie) r += naCp1250(l).tekst + "\r\n";
    return r;
}

}  // namespace

// The whole log after each outcome of a batch run.
TEST(LogWsadowy, EveryOutcomeLeavesItsLines) {
    Folder f;
    const std::string log = f.plik("siec_Wyniki.Log");
    const std::string we = "/dane/sieć.xml";
    const std::string wy = "/dane/sieć_Wyniki.XML";
    RejestratorKomunikatow k;

    ASSERT_TRUE(zapiszPoczatekLogu(k, log, false, we, ""));
    EXPECT_EQ(bajty(log), cp1250({"false", "Plik /dane/sieć.xml zawiera niepoprawne dane"}));

    ASSERT_TRUE(zapiszPoczatekLogu(k, log, true, we, "Nie wybrano wzoru"));
    EXPECT_EQ(bajty(log), cp1250({"false", "Nie wybrano wzoru"}));

    ASSERT_TRUE(zapiszPoczatekLogu(k, log, true, we, "Metoda dokładna"));
    ASSERT_TRUE(dopiszWynikiDoLogu(k, log, wy));
    EXPECT_EQ(bajty(log), cp1250({"true", "Dane z pliku /dane/sieć.xml", "Metoda dokładna",
                                  "Wyniki w pliku /dane/sieć_Wyniki.XML"}));

    ASSERT_TRUE(zapiszPoczatekLogu(k, log, true, we, "Metoda dokładna"));
    ASSERT_TRUE(zapiszPrzerwanieDoLogu(
        k, log, we, "Przerwano na etapie doboru średnic.",
        "Minimalne dopuszczalne ciśnienie w sieci jest większe od ciśnienia w źródle."));
    EXPECT_EQ(
        bajty(log),
        cp1250({"false", "Dane z pliku /dane/sieć.xml", "Przerwano na etapie doboru średnic.",
                "Minimalne dopuszczalne ciśnienie w sieci jest większe od ciśnienia w źródle."}));

    ASSERT_TRUE(zapiszPoczatekLogu(k, log, true, we, "Metoda uniwersalna"));
    ASSERT_TRUE(zapiszNiezakonczenieDoLogu(k, log, we, "Nie policzono wszystkich odcinków."));
    EXPECT_EQ(bajty(log),
              cp1250({"false", "Dane z pliku /dane/sieć.xml", "Obliczenia nie zostały zakończone",
                      "Nie policzono wszystkich odcinków."}));

    ASSERT_TRUE(zapiszPoczatekLogu(k, log, true, we, "Metoda dokładna"));
    ASSERT_TRUE(dopiszBrakRozwiazaniaDoLogu(k, log));
    EXPECT_EQ(bajty(log), cp1250({"true", "Dane z pliku /dane/sieć.xml", "Metoda dokładna",
                                  "Obliczenia nie zostały zakończone"}));
    EXPECT_TRUE(k.wpisy.empty());
}

TEST(LogWsadowy, AppendingToAMissingLogCreatesIt) {
    Folder f;
    RejestratorKomunikatow k;
    const std::string log = f.plik("nowy.Log");
    ASSERT_TRUE(dopiszWynikiDoLogu(k, log, "w.XML"));
    EXPECT_EQ(bajty(log), "Wyniki w pliku w.XML\r\n");
}

TEST(LogWsadowy, LogThatCannotBeWrittenIsReported) {
    Folder f;
    RejestratorKomunikatow k;
    EXPECT_FALSE(
        zapiszPoczatekLogu(k, f.plik("brak/folderu.Log"), true, "a.xml", "Metoda dokładna"));
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_EQ(k.wpisy[0].rodzaj, RejestratorKomunikatow::Rodzaj::BladWeWy);
}
