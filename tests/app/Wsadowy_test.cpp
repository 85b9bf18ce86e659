#include "app/Wsadowy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "SiecTestowa.h"
#include "app/PlikiBezOkna.h"
#include "io/DaneXML.h"

namespace kelmor {
namespace {

namespace fs = std::filesystem;

std::string czytajBajty(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void zapiszBajty(const fs::path& p, const std::string& s) {
    std::ofstream f(p, std::ios::binary);
    f << s;
}

// A fresh folder per test.
struct Katalog : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("kelmor-wsadowy-" + std::to_string(::getpid()) + "-" +
                                           info->test_suite_name() + "-" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string sciezka(const std::string& nazwa) const { return (dir / nazwa).string(); }
};

TEST(RodzajArgumentuTest, LastThreeCharactersUpperCased) {
    EXPECT_EQ(rodzajArgumentu("dane.GaS"), "GAS");
    EXPECT_EQ(rodzajArgumentu("/a/b/siec.xml"), "XML");
    EXPECT_EQ(rodzajArgumentu("katalog.Rur"), "RUR");
    EXPECT_EQ(rodzajArgumentu("eksport.txt"), "TXT");
    EXPECT_EQ(rodzajArgumentu("plikxml"), "XML");  // the dot is not looked at
    EXPECT_EQ(rodzajArgumentu("ab"), "AB");
    EXPECT_EQ(rodzajArgumentu("dane.ąś1"), rodzajArgumentu("dane.ąś1"));  // bytes, no crash
}

TEST(NazwyWsadoweTest, ResultsAndLogBesideTheInput) {
    const NazwyWsadowe n = nazwyWsadowe("/dane/siec.xml");
    EXPECT_EQ(n.wyniki, "/dane/siec_Wyniki.XML");
    EXPECT_EQ(n.log, "/dane/siec_Wyniki.Log");
    EXPECT_EQ(nazwyWsadowe("C:\\GDO\\Osiedle.XML").wyniki, "C:\\GDO\\Osiedle_Wyniki.XML");
    EXPECT_EQ(nazwyWsadowe("a.b.xml").log, "a.b_Wyniki.Log");
    EXPECT_EQ(nazwyWsadowe("xml").wyniki, "_Wyniki.XML");  // too short: no crash
}

TEST(RodzajPlikuTest, ByExtensionIgnoringCase) {
    EXPECT_EQ(rodzajPliku("a.GAZ"), RodzajPliku::Gaz);
    EXPECT_EQ(rodzajPliku("a.gas"), RodzajPliku::Gaz);
    EXPECT_EQ(rodzajPliku("a.Xml"), RodzajPliku::Xml);
    EXPECT_EQ(rodzajPliku("a.PRO"), RodzajPliku::Pro);
    EXPECT_EQ(rodzajPliku("a.rur"), RodzajPliku::Rur);
    EXPECT_EQ(rodzajPliku("a.txt"), RodzajPliku::Txt);
    EXPECT_EQ(rodzajPliku("katalog.d/plik"), RodzajPliku::Inny);
    EXPECT_EQ(rodzajPliku("plikxml"), RodzajPliku::Inny);
}

using LogTest = Katalog;

TEST_F(LogTest, ReadBackFromWindows1250) {
    zapiszBajty(sciezka("a.Log"), "true\r\nDane z pliku \xbf.xml\r\n\r\nx");
    EXPECT_EQ(czytajLog(sciezka("a.Log")),
              (std::vector<std::string>{"true", "Dane z pliku ż.xml", "", "x"}));
    EXPECT_TRUE(czytajLog(sciezka("brak.Log")).empty());
}

using PrzebiegTest = Katalog;

TEST_F(PrzebiegTest, FaultyXmlLeavesFalseLogAndNoResults) {
    const std::string we = sciezka("siec.xml");
    zapiszBajty(we, "<?xml version=\"1.0\"?><DaneDlaKELMOR><DaneOgolne><Tytul>x</Tyt");
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we, sciezka("inny.xml")}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::BledneDane);
    EXPECT_TRUE(p.koniecProgramu);
    EXPECT_EQ(ed.SciezkaLogu, sciezka("siec_Wyniki.Log"));
    EXPECT_EQ(ed.SciezkaWynikowXML, sciezka("siec_Wyniki.XML"));  // the later argument is not taken
    EXPECT_EQ(czytajLog(ed.SciezkaLogu),
              (std::vector<std::string>{"false", "Plik " + we + " zawiera niepoprawne dane"}));
    EXPECT_FALSE(fs::exists(sciezka("siec_Wyniki.XML")));
    EXPECT_EQ(ed.SciezkaDanychWejsciowych, we);
    EXPECT_EQ(ed.SciezkaDanych, we);
}

TEST_F(PrzebiegTest, MissingXmlInputStillGetsItsLog) {
    const std::string we = sciezka("nie-ma.XML");
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we}, &p));
    EXPECT_EQ(czytajLog(sciezka("nie-ma_Wyniki.Log")),
              (std::vector<std::string>{"false", "Plik " + we + " zawiera niepoprawne dane"}));
}

// Writes the network as an XML data file, with the batch end flag.
void zapiszSiecXml(const Obiekt& ob, const std::string& sciezka, bool koniec) {
    RejestratorKomunikatow k;
    ASSERT_TRUE(ZapiszDaneXML(ob, sciezka, k));
    if (koniec) {
        std::string b = czytajBajty(sciezka);
        const std::string stary = "<czyKonczycPrace>false</czyKonczycPrace>";
        const auto i = b.find(stary);
        ASSERT_NE(i, std::string::npos);
        b.replace(i, stary.size(), "<czyKonczycPrace>true</czyKonczycPrace>");
        zapiszBajty(sciezka, b);
    }
}

TEST_F(PrzebiegTest, SimplifiedFormulasWithoutAFormulaEndAfterTheLog) {
    Obiekt siec;
    test::siecRozgaleziona(siec);
    const std::string we = sciezka("siec.xml");
    zapiszSiecXml(siec, we, false);
    RejestratorKomunikatow k;
    Edytor ed(k);
    ed.ob.parametry.wzory = {2, -1};  // the method in force; the XML does not carry it
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::BrakWzoru);
    EXPECT_EQ(czytajBajty(sciezka("siec_Wyniki.Log")), "false\r\nNie wybrano wzoru\r\n");
    EXPECT_FALSE(fs::exists(sciezka("siec_Wyniki.XML")));
    EXPECT_EQ(ed.ob.liczbaOdcinkow, 0);  // no preparation ran
}

TEST_F(PrzebiegTest, NetworkThatCannotBeCalculatedRewritesTheLog) {
    Obiekt siec;
    test::dodajOdcinek(siec, 1, "S", "A", "50", "10");  // no source
    const std::string we = sciezka("bez zrodel.XML");
    zapiszSiecXml(siec, we, false);
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::NieZakonczone);
    const auto log = czytajLog(sciezka("bez zrodel_Wyniki.Log"));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], "false");
    EXPECT_EQ(log[1], "Dane z pliku " + we);
    EXPECT_EQ(log[2], "Obliczenia nie zostały zakończone");
    EXPECT_NE(log[3].find("Brak opisu źródeł"), std::string::npos) << log[3];
    EXPECT_FALSE(fs::exists(sciezka("bez zrodel_Wyniki.XML")));
    EXPECT_TRUE(ed.okno.Zminimalizowane);
}

TEST_F(PrzebiegTest, PreloadArgumentsWithoutBatch) {
    RejestratorKomunikatow k;
    Edytor ed(k);
    // Unreadable catalogue and data files give their messages; other kinds are ignored.
    EXPECT_FALSE(przetworzArgumenty(
        ed, {sciezka("brak.RUR"), sciezka("brak.gAs"), sciezka("x.doc"), sciezka("e.txt"),
             sciezka("wyniki.xml")}));
    // (the readers' own messages about the missing files come first)
    EXPECT_THAT(k.teksty(), ::testing::IsSupersetOf(
                                {"Podany plik nie zawiera poprawnego katalogu rur.",
                                 "Podany plik nie zawiera poprawnych danych."}));
    EXPECT_EQ(ed.SciezkaEksportuGDO, "");  // TXT only for data prepared by GDO
    EXPECT_EQ(ed.SciezkaWynikowXML, sciezka("wyniki.xml"));  // XML as a later argument
    EXPECT_EQ(ed.SciezkaLogu, "");
    EXPECT_EQ(ed.okno.aktywna, Zakladka::Ogolne);

    ed.ob.DaneZGDO = true;
    przetworzArgumenty(ed, {sciezka("x.doc"), sciezka("e.TXT")});
    EXPECT_EQ(ed.SciezkaEksportuGDO, sciezka("e.TXT"));
}

}  // namespace
}  // namespace kelmor
