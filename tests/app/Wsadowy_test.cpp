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

// The example network as a batch input in the test's folder.
std::string przykladXml(const Katalog& k, const std::string& nazwa, bool koniec) {
    std::string b = czytajBajty(fs::path(KELMOR_EXAMPLES_DIR) / "osiedle.xml");
    if (koniec) {
        const std::string stary = "<czyKonczycPrace>false</czyKonczycPrace>";
        b.replace(b.find(stary), stary.size(), "<czyKonczycPrace>true</czyKonczycPrace>");
    }
    zapiszBajty(k.sciezka(nazwa), b);
    return k.sciezka(nazwa);
}

TEST_F(PrzebiegTest, SuccessWritesResultsAndLogThenTakesTheLaterArguments) {
    const std::string we = przykladXml(*this, "siec.xml", false);
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_FALSE(przetworzArgumenty(ed, {we, sciezka("pozniej.XmL")}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::Sukces);
    EXPECT_FALSE(p.czyKonczycPrace);
    EXPECT_FALSE(p.koniecProgramu);
    // Windows-1250 with CR LF ("ł" is 0xB3).
    EXPECT_EQ(czytajBajty(sciezka("siec_Wyniki.Log")), "true\r\nDane z pliku " + we +
                                                           "\r\nMetoda dok\xb3"
                                                           "adna\r\nWyniki w pliku " +
                                                           sciezka("siec_Wyniki.XML") + "\r\n");
    EXPECT_EQ(czytajLog(sciezka("siec_Wyniki.Log")),
              (std::vector<std::string>{"true", "Dane z pliku " + we, "Metoda dokładna",
                                        "Wyniki w pliku " + sciezka("siec_Wyniki.XML")}));
    // The results: every row of the example, with the computed flow.
    const std::string wyniki = czytajBajty(sciezka("siec_Wyniki.XML"));
    EXPECT_EQ(wyniki.rfind("<?xml version=\"1.0\" encoding=\"windows-1250\"?>", 0), 0u);
    auto ile = [](const std::string& tekst, const std::string& co) {
        std::size_t n = 0;
        for (auto i = tekst.find(co); i != std::string::npos; i = tekst.find(co, i + 1)) ++n;
        return n;
    };
    const std::size_t odcinki = ile(czytajBajty(we), "<Odcinek>");
    EXPECT_GT(odcinki, 0u);
    EXPECT_EQ(ile(wyniki, "<Qoblicz>"), odcinki);
    // The later XML argument changed only the path of a later save.
    EXPECT_EQ(ed.SciezkaWynikowXML, sciezka("pozniej.XmL"));
    EXPECT_FALSE(fs::exists(sciezka("pozniej.XmL")));
    // The window comes back on the results.
    EXPECT_FALSE(ed.okno.Zminimalizowane);
    EXPECT_EQ(ed.okno.aktywna, Zakladka::Obliczenia);
    EXPECT_TRUE(ed.ob.WynikiAktualne);
    EXPECT_TRUE(ed.okno.BuLiCi);
    EXPECT_EQ(ed.ob.LaRaport1, "Koniec obliczeń");
}

TEST_F(PrzebiegTest, EndFlagEndsTheProgramBeforeTheLaterArguments) {
    const std::string we = przykladXml(*this, "Siec.XML", true);
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we, sciezka("pozniej.xml")}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::Sukces);
    EXPECT_TRUE(p.czyKonczycPrace);
    EXPECT_EQ(ed.SciezkaWynikowXML, sciezka("Siec_Wyniki.XML"));
    EXPECT_TRUE(fs::exists(sciezka("Siec_Wyniki.XML")));
    EXPECT_EQ(czytajLog(sciezka("Siec_Wyniki.Log")).at(0), "true");
}

TEST_F(PrzebiegTest, StopAtAStageRewritesTheLog) {
    // Diameters to select while the smallest admissible pressure exceeds the source's.
    Obiekt siec;
    test::siecRozgaleziona(siec);
    siec.parametry.PminDop = 3;
    for (int w = 1; w <= 3; ++w) siec.Grid.ustawTekst(kol::SrednicaNomin, w, "0");
    const std::string we = sciezka("dobor.xml");
    zapiszSiecXml(siec, we, true);
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::Przerwano);
    EXPECT_EQ(czytajLog(sciezka("dobor_Wyniki.Log")),
              (std::vector<std::string>{
                  "false", "Dane z pliku " + we, "Przerwano na etapie doboru średnic.",
                  "Minimalne dopuszczalne ciśnienie w sieci jest większe od ciśnienia w źródle."}));
    EXPECT_FALSE(fs::exists(sciezka("dobor_Wyniki.XML")));
}

TEST_F(PrzebiegTest, AbortAfterTheSweepsRewritesTheLogAsNotFinished) {
    // Two parallel rows of zero length close a loop without resistance.
    Obiekt siec;
    test::dodajZrodlo(siec, "S", "2.5");
    test::dodajOdcinek(siec, 1, "S", "A", "50", "100");
    test::dodajOdcinek(siec, 2, "A", "B", "50", "0");
    test::dodajOdcinek(siec, 3, "A", "B", "50", "0");
    siec.Grid.ustawTekst(kol::PoborWez, 2, "5");
    test::dodajRure(siec, "50", "60.3", "3.6");
    const std::string we = sciezka("zwarcie.xml");
    zapiszSiecXml(siec, we, false);
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we, sciezka("x.gaz")}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::NieZakonczone);
    EXPECT_EQ(czytajLog(sciezka("zwarcie_Wyniki.Log")),
              (std::vector<std::string>{
                  "false", "Dane z pliku " + we, "Obliczenia nie zostały zakończone",
                  "Zwarcie w oczku utworzonym przez odcinki o numerach: 2 3"}));
    EXPECT_FALSE(fs::exists(sciezka("zwarcie_Wyniki.XML")));
}

TEST_F(PrzebiegTest, NoSolutionWithinThePassLimitStillDeliversTheResults) {
    // Two sources of different pressure joined without any demand: the loop
    // head never balances and the pass limit is reached.
    Obiekt siec;
    test::dodajZrodlo(siec, "S1", "2.5");
    test::dodajZrodlo(siec, "S2", "2.0");
    test::dodajOdcinek(siec, 1, "S1", "A", "50", "100");
    test::dodajOdcinek(siec, 2, "S2", "A", "50", "100");
    test::dodajRure(siec, "50", "60.3", "3.6");
    const std::string we = sciezka("dwa.xml");
    zapiszSiecXml(siec, we, true);
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::NieDokladne);
    EXPECT_EQ(ed.ob.LaRaport1, "Nie uzyskano wymaganej dokładności obliczeń.");
    EXPECT_EQ(czytajLog(sciezka("dwa_Wyniki.Log")),
              (std::vector<std::string>{"true", "Dane z pliku " + we, "Metoda dokładna",
                                        "Obliczenia nie zostały zakończone",
                                        "Wyniki w pliku " + sciezka("dwa_Wyniki.XML")}));
    EXPECT_TRUE(fs::exists(sciezka("dwa_Wyniki.XML")));
}

TEST_F(PrzebiegTest, UnwritableResultsDoNotLeaveATrueLog) {
    const std::string we = przykladXml(*this, "siec.xml", true);
    fs::create_directory(sciezka("siec_Wyniki.XML"));  // a folder where the results should go
    RejestratorKomunikatow k;
    Edytor ed(k);
    PrzebiegWsadowy p;
    EXPECT_TRUE(przetworzArgumenty(ed, {we}, &p));
    EXPECT_EQ(p.wynik, WynikWsadowy::BladZapisu);
    const auto log = czytajLog(sciezka("siec_Wyniki.Log"));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], "false");
    EXPECT_EQ(log[3], "Nie udało się zapisać wyników w pliku " + sciezka("siec_Wyniki.XML"));
}

TEST_F(PrzebiegTest, PreloadArgumentsWithoutBatch) {
    RejestratorKomunikatow k;
    Edytor ed(k);
    // Unreadable catalogue and data files give their messages; other kinds are ignored.
    EXPECT_FALSE(przetworzArgumenty(ed, {sciezka("brak.RUR"), sciezka("brak.gAs"), sciezka("x.doc"),
                                         sciezka("e.txt"), sciezka("wyniki.xml")}));
    // (the readers' own messages about the missing files come first)
    EXPECT_THAT(k.teksty(),
                ::testing::IsSupersetOf({"Podany plik nie zawiera poprawnego katalogu rur.",
                                         "Podany plik nie zawiera poprawnych danych."}));
    EXPECT_EQ(ed.SciezkaEksportuGDO, "");                    // TXT only for data prepared by GDO
    EXPECT_EQ(ed.SciezkaWynikowXML, sciezka("wyniki.xml"));  // XML as a later argument
    EXPECT_EQ(ed.SciezkaLogu, "");
    EXPECT_EQ(ed.okno.aktywna, Zakladka::Ogolne);

    ed.ob.DaneZGDO = true;
    przetworzArgumenty(ed, {sciezka("x.doc"), sciezka("e.TXT")});
    EXPECT_EQ(ed.SciezkaEksportuGDO, sciezka("e.TXT"));
}

TEST_F(PrzebiegTest, CatalogueThenDataLeavesTheObjectTab) {
    const std::string rur = sciezka("rury.RUR"), gaz = sciezka("osiedle.gAz");
    fs::copy_file(fs::path(KELMOR_EXAMPLES_DIR) / "rury.rur", rur);
    fs::copy_file(fs::path(KELMOR_EXAMPLES_DIR) / "osiedle.gaz", gaz);
    RejestratorKomunikatow k;
    Edytor ed(k);
    ed.ob.KatalogZmieniony = true;
    EXPECT_FALSE(przetworzArgumenty(ed, {rur}));
    EXPECT_EQ(ed.okno.aktywna, Zakladka::KatRur);
    EXPECT_FALSE(ed.ob.KatalogZmieniony);
    EXPECT_FALSE(przetworzArgumenty(ed, {rur, gaz}));
    EXPECT_TRUE(k.wpisy.empty()) << k.teksty().front();
    EXPECT_EQ(ed.okno.aktywna, Zakladka::Cisn);
    EXPECT_GT(ed.ob.RurGrid.liczbaWierszy(), 2);
    EXPECT_GT(ed.ob.liczbaOdcinkow, 0);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2 " + gaz);
    EXPECT_FALSE(ed.ob.DaneZmienione);
    EXPECT_TRUE(ed.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(ed.ob.DaneZGDO);
    EXPECT_EQ(ed.SciezkaEksportuGDO, "");
}

TEST_F(PrzebiegTest, DataFromGdoProposeTheirExportPath) {
    const std::string gaz = sciezka("gdo.gaz");
    fs::copy_file(fs::path(KELMOR_EXAMPLES_DIR) / "gdo.gaz", gaz);
    RejestratorKomunikatow k;
    Edytor ed(k);
    EXPECT_FALSE(przetworzArgumenty(ed, {gaz}));
    ASSERT_TRUE(ed.ob.DaneZGDO);
    EXPECT_EQ(ed.SciezkaEksportuGDO, sciezka("gdo.TXT"));
    przetworzArgumenty(ed, {gaz, sciezka("inny.txt")});
    EXPECT_EQ(ed.SciezkaEksportuGDO, sciezka("inny.txt"));
}

}  // namespace
}  // namespace kelmor
