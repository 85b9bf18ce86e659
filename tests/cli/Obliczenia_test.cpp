// kelmor-cli calc, batch and konwertuj on real networks: the bundled
// examples and small networks written for the outcomes.
#include <gmock/gmock.h>

#include <sstream>

#include "Uruchomienie.h"
#include "app/SiecTestowa.h"
#include "io/DaneXML.h"
#include "model/Liczby.h"

namespace kelmor {
namespace {

using test::FolderTestu;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

const fs::path kPrzyklady = KELMOR_EXAMPLES_DIR;

std::vector<std::string> linie(const std::string& s) {
    std::vector<std::string> r;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) r.push_back(l);
    return r;
}

std::vector<std::string> pola(const std::string& l) {
    std::vector<std::string> r(1);
    bool cudzyslow = false;
    for (char c : l) {
        if (c == '"')
            cudzyslow = !cudzyslow;
        else if (c == ';' && !cudzyslow)
            r.emplace_back();
        else
            r.back() += c;
    }
    return r;
}

// Data files among the examples (every kind the command reads).
std::vector<fs::path> przykladoweDane() {
    std::vector<fs::path> r;
    for (const auto& e : fs::directory_iterator(kPrzyklady)) {
        std::string ext = e.path().extension().string();
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".gaz" || ext == ".gas" || ext == ".xml" || ext == ".pro") r.push_back(e.path());
    }
    return r;
}

void zapiszXml(const Obiekt& ob, const std::string& sciezka) {
    RejestratorKomunikatow k;
    ASSERT_TRUE(ZapiszDaneXML(ob, sciezka, k));
}

using CalcTest = FolderTestu;

TEST_F(CalcTest, EveryExampleInEveryFormat) {
    const std::string katalog = (kPrzyklady / "rury.rur").string();
    const auto dane = przykladoweDane();
    ASSERT_GE(dane.size(), 2u);
    for (const auto& plik : dane) {
        for (const std::string format : {"tabela", "csv", "xml"}) {
            const std::string opis = plik.filename().string() + " " + format;
            const auto w =
                uruchom({"calc", plik.string(), "--katalog", katalog, "--format", format});
            // The exit code agrees with the report on stderr.
            switch (w.kod) {
                case 0:
                    EXPECT_THAT(w.bledy, HasSubstr("Koniec obliczeń\n")) << opis;
                    break;
                case 3:
                    EXPECT_THAT(w.bledy, HasSubstr("Nie uzyskano wymaganej dokładności obliczeń."))
                        << opis;
                    break;
                case 1:
                    EXPECT_THAT(w.bledy,
                                ::testing::AnyOf(HasSubstr("Przerwano na etapie"),
                                                 HasSubstr("Obliczenia nie zostały zakończone.")))
                        << opis;
                    break;
                default:
                    ADD_FAILURE() << opis << ": exit " << w.kod << "\n" << w.bledy;
            }
            const bool wyniki = w.kod == 0 || w.kod == 3;
            const auto l = linie(w.wyjscie);
            ASSERT_GE(l.size(), 2u) << opis;
            if (format == "csv") {
                const std::size_t kolumny = pola(l[0]).size();
                EXPECT_EQ(kolumny, wyniki ? 28u : 19u) << opis;
                for (std::size_t i = 1; i < l.size(); ++i)
                    EXPECT_EQ(pola(l[i]).size(), kolumny) << opis << " line " << i;
            } else if (format == "xml") {
                EXPECT_EQ(l[0].rfind("<?xml version=\"1.0\" encoding=\"windows-1250\"?>", 0), 0u)
                    << opis;
                EXPECT_THAT(w.wyjscie, HasSubstr("<DaneDlaKELMOR>")) << opis;
                EXPECT_EQ(w.wyjscie.find("<Rury>"), std::string::npos) << opis;
            } else {
                EXPECT_THAT(l[0], HasSubstr("Nr")) << opis;
                EXPECT_THAT(l[1], HasSubstr("odcinka")) << opis;
            }
        }
    }
}

TEST_F(CalcTest, BundledExampleBalancesItsColumns) {
    const auto w = uruchom({"calc", (kPrzyklady / "osiedle.gaz").string(), "--katalog",
                            (kPrzyklady / "rury.rur").string(), "--format", "csv"});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    const auto l = linie(w.wyjscie);
    ASSERT_GT(l.size(), 2u);
    const auto h = pola(l[0]);
    EXPECT_EQ(h[kol::Ppocz - 1], "P pocz. kPa (nad)");
    for (std::size_t i = 1; i < l.size(); ++i) {
        const auto p = pola(l[i]);
        EXPECT_EQ(p[kol::NumerOdc - 1], p[kol::NumerOdcinka - 1]);
        const auto a = naLiczbe(p[kol::Ppocz - 1]), b = naLiczbe(p[kol::Pkonc - 1]),
                   d = naLiczbe(p[kol::DeltaP - 1]);
        ASSERT_TRUE(a && b && d) << l[i];
        // Loss = start - end, each shown to two decimals.
        EXPECT_NEAR(*a - *b, *d, 0.0101) << l[i];
    }
}

TEST_F(CalcTest, OutputFileAndOptionsChangeTheResult) {
    const std::string dane = (kPrzyklady / "osiedle.gaz").string();
    const std::string katalog = (kPrzyklady / "rury.rur").string();
    const auto zwykly = uruchom(
        {"calc", dane, "--katalog", katalog, "--format", "csv", "--wyjscie", sciezka("a.csv")});
    ASSERT_EQ(zwykly.kod, 0);
    EXPECT_EQ(zwykly.wyjscie, "");
    const std::string a = test::czytajPlik(sciezka("a.csv"));
    auto przeplyw = [](const std::string& csv) {
        return naLiczbe(pola(linie(csv).at(1)).at(kol::Qoblicz - 1)).value_or(-1);
    };
    const auto podwojne =
        uruchom({"calc", dane, "--katalog", katalog, "--format=csv", "--mnoznik", "2"});
    EXPECT_GT(przeplyw(podwojne.wyjscie), przeplyw(a));  // explicit demands doubled
    const auto uniwersalna =
        uruchom({"calc", dane, "--katalog", katalog, "--format=csv", "--metoda", "uniwersalna"});
    EXPECT_EQ(uniwersalna.kod, 0) << uniwersalna.bledy;
    EXPECT_DOUBLE_EQ(przeplyw(uniwersalna.wyjscie), przeplyw(a));  // same demands
    const auto wzor =
        uruchom({"calc", dane, "--katalog", katalog, "--format=csv", "--metoda=wzor:3"});
    EXPECT_THAT(wzor.kod, ::testing::AnyOf(0, 1, 3));
    EXPECT_NE(wzor.wyjscie, a);
}

TEST_F(CalcTest, ExitCodesOfTheOutcomes) {
    // Stopped: diameters to select while the smallest admissible pressure is too high.
    Obiekt dobor;
    test::siecRozgaleziona(dobor);
    dobor.parametry.PminDop = 3;
    dobor.Grid.ustawTekst(kol::SrednicaNomin, 1, "0");
    zapiszXml(dobor, sciezka("dobor.xml"));
    // Not accurate: two sources of different pressure joined without demand.
    Obiekt dwa;
    test::dodajZrodlo(dwa, "S1", "2.5");
    test::dodajZrodlo(dwa, "S2", "2.0");
    test::dodajOdcinek(dwa, 1, "S1", "A", "50", "100");
    test::dodajOdcinek(dwa, 2, "S2", "A", "50", "100");
    test::dodajRure(dwa, "50", "60.3", "3.6");
    zapiszXml(dwa, sciezka("dwa.xml"));
    // Not possible: no source.
    Obiekt bez;
    test::dodajOdcinek(bez, 1, "S", "A", "50", "10");
    zapiszXml(bez, sciezka("bez.xml"));

    auto w = uruchom({"calc", sciezka("dobor.xml")});
    EXPECT_EQ(w.kod, 1);
    EXPECT_THAT(w.bledy, HasSubstr("Przerwano na etapie doboru średnic.\nMinimalne dopuszczalne"));
    w = uruchom({"calc", sciezka("dwa.xml")});
    EXPECT_EQ(w.kod, 3);
    EXPECT_THAT(w.bledy, HasSubstr("Nie uzyskano wymaganej dokładności obliczeń.\n"));
    EXPECT_EQ(
        pola(linie(uruchom({"calc", sciezka("dwa.xml"), "--format", "csv"}).wyjscie)[0]).size(),
        28u);  // approximate results are shown
    w = uruchom({"calc", sciezka("bez.xml")});
    EXPECT_EQ(w.kod, 1);
    EXPECT_THAT(w.bledy, HasSubstr("Brak opisu źródeł\n"));
    EXPECT_THAT(w.bledy, HasSubstr("Obliczenia nie zostały zakończone.\n"));
    // Unreadable data.
    test::zapiszPlik(sciezka("zle.gaz"), "tytul\r\nabc\r\n");
    EXPECT_EQ(uruchom({"calc", sciezka("zle.gaz")}).kod, 2);
}

using BatchCliTest = FolderTestu;

TEST_F(BatchCliTest, ExampleRunPrintsItsLogAndExitsZero) {
    fs::copy_file(kPrzyklady / "osiedle.xml", sciezka("siec.xml"));
    const auto w =
        uruchom({"batch", sciezka("siec.xml"), sciezka("pozniej.xml"), sciezka("x.doc")});
    EXPECT_EQ(w.kod, 0) << w.bledy;
    EXPECT_EQ(w.wyjscie, "true\nDane z pliku " + sciezka("siec.xml") +
                             "\nMetoda dokładna\nWyniki w pliku " + sciezka("siec_Wyniki.XML") +
                             "\n");
    EXPECT_TRUE(fs::exists(sciezka("siec_Wyniki.XML")));
    EXPECT_FALSE(fs::exists(sciezka("pozniej.xml")));
}

TEST_F(BatchCliTest, EndFlagDecidesWhetherTheLaterArgumentsAreTaken) {
    std::string xml = test::czytajPlik(kPrzyklady / "osiedle.xml");
    test::zapiszPlik(sciezka("dalej.xml"), xml);
    const std::string flaga = "<czyKonczycPrace>false</czyKonczycPrace>";
    xml.replace(xml.find(flaga), flaga.size(), "<czyKonczycPrace>true</czyKonczycPrace>");
    test::zapiszPlik(sciezka("koniec.xml"), xml);
    const std::string brakKatalogu = "Podany plik nie zawiera poprawnego katalogu rur.";
    // false: the program goes on with the missing catalogue and says so.
    auto w = uruchom({"batch", sciezka("dalej.xml"), sciezka("brak.RUR")});
    EXPECT_EQ(w.kod, 0);
    EXPECT_THAT(w.bledy, HasSubstr(brakKatalogu));
    // true: the program ends after the calculation.
    w = uruchom({"batch", sciezka("koniec.xml"), sciezka("brak.RUR")});
    EXPECT_EQ(w.kod, 0);
    EXPECT_THAT(w.bledy, ::testing::Not(HasSubstr(brakKatalogu)));
}

TEST_F(BatchCliTest, StoppedCalculationExitsOne) {
    Obiekt dobor;
    test::siecRozgaleziona(dobor);
    dobor.parametry.PminDop = 3;
    dobor.Grid.ustawTekst(kol::SrednicaNomin, 2, "0");
    zapiszXml(dobor, sciezka("dobor.XML"));
    const auto w = uruchom({"batch", sciezka("dobor.XML")});
    EXPECT_EQ(w.kod, 1);
    EXPECT_THAT(w.wyjscie, ::testing::StartsWith("false\nDane z pliku "));
    EXPECT_FALSE(fs::exists(sciezka("dobor_Wyniki.XML")));
}

using KonwersjaTest = FolderTestu;

TEST_F(KonwersjaTest, ConvertedDataCalculateTheSame) {
    const std::string katalog = (kPrzyklady / "rury.rur").string();
    auto rodzaj = [](const fs::path& p) {
        std::string e = p.extension().string();
        for (char& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return e == ".gas" ? std::string(".gaz") : e;
    };
    for (const auto& plik : przykladoweDane()) {
        const std::string opis = plik.filename().string();
        const auto przed =
            uruchom({"calc", plik.string(), "--katalog", katalog, "--format", "csv"});
        for (const std::string cel : {"kopia.gaz", "kopia.GAS", "kopia.xml"}) {
            const auto k =
                uruchom({"konwertuj", plik.string(), sciezka(cel), "--katalog", katalog});
            ASSERT_EQ(k.kod, 0) << opis << " -> " << cel << "\n" << k.bledy;
            const auto po =
                uruchom({"calc", sciezka(cel), "--katalog", katalog, "--format", "csv"});
            EXPECT_NE(po.kod, 2) << opis << " -> " << cel << "\n" << po.bledy;
            // Written in its own kind, a network calculates exactly as before (each
            // kind carries a different part of the data: .gaz the fittings and
            // connections, XML the catalogue).
            if (rodzaj(plik) == rodzaj(cel)) {
                EXPECT_EQ(po.kod, przed.kod) << opis << " -> " << cel;
                EXPECT_EQ(po.wyjscie, przed.wyjscie) << opis << " -> " << cel;
            }
        }
    }
    // A .gaz written by the conversion is format 123.
    const auto k = uruchom({"konwertuj", (kPrzyklady / "osiedle.xml").string(), sciezka("n.gaz")});
    ASSERT_EQ(k.kod, 0);
    EXPECT_EQ(linie(test::czytajPlik(sciezka("n.gaz"))).at(1).substr(0, 3), "123");
}

TEST(MakeRunTest, ExampleScriptCalculatesTheBundledNetwork) {
    const fs::path build = fs::path(KELMOR_BIN_DIR).parent_path();
    const fs::path wyjscie =
        fs::temp_directory_path() / ("kelmor-run-" + std::to_string(::getpid()));
    const std::string polecenie =
        "bash " + test::wCudzyslowie(std::string(KELMOR_SOURCE_DIR) + "/scripts/run-example") +
        " " + test::wCudzyslowie(build.string()) + " >" + test::wCudzyslowie(wyjscie.string()) +
        " 2>&1";
    const int s = std::system(polecenie.c_str());
    const std::string tekst = test::czytajPlik(wyjscie);
    fs::remove(wyjscie);
    EXPECT_EQ(WEXITSTATUS(s), 0) << tekst;
    EXPECT_THAT(tekst, HasSubstr("Koniec obliczeń"));
    EXPECT_THAT(tekst, HasSubstr("Q obliczeniowe"));
}

}  // namespace
}  // namespace kelmor
