// kelmor-cli as a user runs it: help, argument errors, exit codes.
#include <gmock/gmock.h>

#include "Uruchomienie.h"
#include "io/DaneXML.h"
#include "model/Obiekt.h"

namespace kelmor {
namespace {

using test::FolderTestu;
using test::liczbaLinii;
using ::testing::HasSubstr;

using CliTest = FolderTestu;

TEST_F(CliTest, GeneralHelpListsTheCommands) {
    const auto w = uruchom({"--help"});
    EXPECT_EQ(w.kod, 0);
    for (const char* p : {"calc", "batch", "konwertuj", "Polecenia:"})
        EXPECT_THAT(w.wyjscie, HasSubstr(p));
}

TEST_F(CliTest, EachCommandHasItsHelpInPolish) {
    struct Przypadek {
        const char* polecenie;
        std::vector<std::string> opcje;
    };
    const Przypadek przypadki[] = {
        {"calc", {"--katalog", "--metoda", "--mnoznik", "--format", "--wyjscie", "Kod wyjścia"}},
        {"batch", {"PLIK_Wyniki.XML", "PLIK_Wyniki.Log", "czyKonczycPrace", "Kod wyjścia"}},
        {"konwertuj", {"--katalog", "format 123", "Kod wyjścia"}},
    };
    for (const auto& p : przypadki) {
        const auto w = uruchom({p.polecenie, "--help"});
        EXPECT_EQ(w.kod, 0) << p.polecenie;
        EXPECT_THAT(w.wyjscie, HasSubstr("Użycie: kelmor-cli " + std::string(p.polecenie)));
        for (const auto& o : p.opcje) EXPECT_THAT(w.wyjscie, HasSubstr(o)) << p.polecenie;
    }
}

TEST_F(CliTest, CallErrorsGiveOneLineAndExitTwo) {
    const std::string brak = sciezka("brak.gaz");
    test::zapiszPlik(sciezka("jest.gaz"), "x\r\n");
    const std::vector<std::vector<std::string>> wywolania = {
        {"nieznane"},
        {"calc"},
        {"calc", brak},
        {"calc", sciezka("jest.gaz"), "--bez-takiej"},
        {"calc", sciezka("jest.gaz"), "--format", "html"},
        {"calc", sciezka("jest.gaz"), "--metoda", "wzor:14"},
        {"calc", sciezka("jest.gaz"), "--metoda", "szybka"},
        {"calc", sciezka("jest.gaz"), "--mnoznik", "dwa"},
        {"calc", sciezka("jest.gaz"), "--katalog", sciezka("brak.rur")},
        {"calc", sciezka("jest.gaz"), "--wyjscie"},
        {"calc", sciezka("dane.doc")},
        {"batch"},
        {"batch", sciezka("jest.gaz")},
        {"batch", sciezka("a.xml"), "--opcja"},
        {"konwertuj", sciezka("jest.gaz")},
        {"konwertuj", brak, sciezka("b.xml")},
        {"konwertuj", sciezka("jest.gaz"), sciezka("b.pdf")},
    };
    for (const auto& args : wywolania) {
        const auto w = uruchom(args);
        std::string opis;
        for (const auto& a : args) opis += a + " ";
        EXPECT_EQ(w.kod, 2) << opis;
        EXPECT_EQ(liczbaLinii(w.bledy), 1) << opis << "\n" << w.bledy;
        EXPECT_THAT(w.bledy, HasSubstr("kelmor-cli")) << opis;
        EXPECT_EQ(w.wyjscie, "") << opis;
    }
}

TEST_F(CliTest, OptionsTakeEitherForm) {
    // An unreadable data file is reached only when both option forms are accepted.
    test::zapiszPlik(sciezka("zle.xml"), "<DaneDlaKELMOR><DaneOgolne><PminDop>abc</PminDop>");
    const auto w = uruchom(
        {"calc", sciezka("zle.xml"), "--format=csv", "--metoda", "wzor:3", "--mnoznik=1,5"});
    EXPECT_EQ(w.kod, 2);
    EXPECT_THAT(w.bledy, HasSubstr("nie można wczytać danych"));
}

using KonwertujTest = FolderTestu;

TEST_F(KonwertujTest, ReadErrorWritesNothing) {
    test::zapiszPlik(sciezka("zle.xml"), "<DaneDlaKELMOR><Zrodla><Zrodlo><NazwaZrodla>S</Naz");
    const auto w = uruchom({"konwertuj", sciezka("zle.xml"), sciezka("wynik.xml")});
    EXPECT_EQ(w.kod, 2);
    EXPECT_FALSE(test::fs::exists(sciezka("wynik.xml")));
    EXPECT_FALSE(test::fs::exists(sciezka("wynik.gaz")));
}

TEST_F(KonwertujTest, XmlDataWrittenAgainIsTheSame) {
    Obiekt ob;
    ob.parametry.Tytul = "Osiedle Zielone";
    ob.ZrodlaGrid.ustawTekst(kol::NazwaZrodla, 1, "S");
    ob.ZrodlaGrid.ustawTekst(kol::Pzrodla, 1, "2.5");
    ob.Grid.ustawTekst(kol::NumerOdcinka, 1, "1");
    ob.Grid.ustawTekst(kol::WezelPocz, 1, "S");
    ob.Grid.ustawTekst(kol::WezelKonc, 1, "Ł1");
    ob.Grid.ustawTekst(kol::SrednicaNomin, 1, "50");
    ob.Grid.ustawTekst(kol::DlugoscMetry, 1, "120");
    RejestratorKomunikatow k;
    ASSERT_TRUE(ZapiszDaneXML(ob, sciezka("a.xml"), k));
    const auto w = uruchom({"konwertuj", sciezka("a.xml"), sciezka("B.XML")});
    EXPECT_EQ(w.kod, 0) << w.bledy;
    EXPECT_EQ(test::czytajPlik(sciezka("B.XML")), test::czytajPlik(sciezka("a.xml")));
}

using BatchTest = FolderTestu;

TEST_F(BatchTest, FaultyXmlGivesFalseLogAndExitOne) {
    test::zapiszPlik(sciezka("siec.xml"), "<DaneDlaKELMOR><DaneOgolne><jednostkaP>x</jednostkaP>");
    const auto w = uruchom({"batch", sciezka("siec.xml")});
    EXPECT_EQ(w.kod, 1);
    const std::string log =
        "false\r\nPlik " + sciezka("siec.xml") + " zawiera niepoprawne dane\r\n";
    EXPECT_EQ(test::czytajPlik(sciezka("siec_Wyniki.Log")), log);
    EXPECT_EQ(w.wyjscie, "false\nPlik " + sciezka("siec.xml") + " zawiera niepoprawne dane\n");
    EXPECT_FALSE(test::fs::exists(sciezka("siec_Wyniki.XML")));
}

TEST_F(BatchTest, MissingInputStillWritesItsLog) {
    const auto w = uruchom({"batch", sciezka("Brak.XmL")});
    EXPECT_EQ(w.kod, 2);
    EXPECT_THAT(w.bledy, HasSubstr("nie ma pliku"));
    EXPECT_THAT(test::czytajPlik(sciezka("Brak_Wyniki.Log")), ::testing::StartsWith("false\r\n"));
}

}  // namespace
}  // namespace kelmor
