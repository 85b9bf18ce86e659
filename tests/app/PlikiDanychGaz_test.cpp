#include "app/PlikiDanych.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "io/ZapisAtomowy.h"

namespace fs = std::filesystem;
using namespace kelmor;
using Rodzaj = RejestratorKomunikatow::Rodzaj;

namespace {

std::string przyklad(const char* n) {
    return std::string(KELMOR_EXAMPLES_DIR) + "/" + n;
}

struct Folder {
    fs::path p;
    Folder() {
        p = fs::temp_directory_path() /
            ("kelmor_app_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(p);
        fs::create_directories(p);
    }
    ~Folder() { fs::remove_all(p); }
    std::string operator/(const char* n) const { return (p / n).string(); }
};

// Shows no dialog: records what it was asked and answers with a path.
struct Dialog {
    Dialog() = default;
    explicit Dialog(std::string s) : odpowiedz(std::move(s)) {}
    std::optional<std::string> odpowiedz;
    std::vector<DialogPliku> pokazane;
    WyborPliku funkcja() {
        return [this](const DialogPliku& d) {
            pokazane.push_back(d);
            return odpowiedz;
        };
    }
};

}  // namespace

TEST(PolecenieOdczytDanych, AsksAboutChangedDataFirst) {
    RejestratorKomunikatow k(false);
    Edytor ed(k);
    ed.ob.DaneZmienione = true;
    Dialog d{przyklad("osiedle.gaz")};
    EXPECT_FALSE(polecenieOdczytDanych(ed, d.funkcja()));
    EXPECT_TRUE(d.pokazane.empty());
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_EQ(k.wpisy[0].rodzaj, Rodzaj::Pytanie);
    EXPECT_EQ(k.wpisy[0].tekst,
              "Odczyt danych spowoduje zniknięcie aktualnych danych. Czy mogą zniknąć?");
    EXPECT_EQ(ed.SciezkaDanych, "");
}

TEST(PolecenieOdczytDanych, SuccessSetsCaptionFlagsTabAndPaths) {
    RejestratorKomunikatow k(true);
    Edytor ed(k);
    ed.okno.TrybPrzewodnika = true;
    ed.okno.aktywna = Zakladka::Obliczenia;
    ed.pokazMenuTOS();
    ed.ob.DaneZmienione = true;
    ed.ob.WynikiAktualne = true;
    ed.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    ed.ob.ListBoxAnalizaDanych = {"stare"};
    ed.ob.ListBoxWyni = {"stare"};
    ed.ob.LaRaport1 = "raport";
    ed.okno.BuRozklad = ed.okno.BuLiCi = ed.okno.BuDruWyni = true;
    ed.ob.RurGrid.ustawTekst(kol::Dn, 1, "PE63");
    Dialog d{przyklad("osiedle.gaz")};
    ASSERT_TRUE(polecenieOdczytDanych(ed, d.funkcja()));

    ASSERT_EQ(d.pokazane.size(), 1u);
    EXPECT_FALSE(d.pokazane[0].zapis);
    EXPECT_EQ(d.pokazane[0].tytul, "Odczyt danych z pliku");
    EXPECT_EQ(d.pokazane[0].filtr, 2);     // "Dane do obliczeń (*.gaz;*.gas)"
    EXPECT_EQ(d.pokazane[0].katalog, "");  // the program's own directory
    EXPECT_EQ(k.teksty().size(), 1u);      // only the question

    const std::string p = przyklad("osiedle.gaz");
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2 " + p);
    EXPECT_EQ(ed.SciezkaDanych, p);
    EXPECT_EQ(ed.katalogOtwarcia, std::string(KELMOR_EXAMPLES_DIR) + "/");
    EXPECT_EQ(ed.katalogZapisu, std::string(KELMOR_EXAMPLES_DIR) + "/");
    EXPECT_FALSE(ed.ob.DaneZmienione);
    EXPECT_TRUE(ed.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(ed.ob.WynikiAktualne);
    EXPECT_EQ(ed.tematyPomocy, std::vector<int>{30});
    EXPECT_EQ(ed.okno.aktywna, Zakladka::Cisn);
    EXPECT_EQ(ed.okno.fokus, "EdTytu");
    EXPECT_FALSE(ed.okno.menuNarzedzia || ed.okno.menuEdycja || ed.okno.menuSzukaj ||
                 ed.okno.menuOpcje);
    EXPECT_TRUE(ed.ob.ListBoxAnalizaDanych.empty());
    EXPECT_TRUE(ed.ob.ListBoxWyni.empty());
    EXPECT_EQ(ed.ob.LaRaport1, "");
    EXPECT_EQ(ed.ob.Grid.liczbaKolumn(), LiczbaKolumnDanych);
    EXPECT_FALSE(ed.okno.BuRozklad || ed.okno.BuLiCi || ed.okno.BuDruWyni);
    EXPECT_EQ(ed.ob.liczbaOdcinkow, 28);
    EXPECT_EQ(ed.ob.RurGrid.tekst(kol::Dn, 1), "PE63");  // the catalogue stays

    // The next dialog starts in the folder of the file.
    Dialog d2;
    polecenieOdczytDanych(ed, d2.funkcja());
    ASSERT_EQ(d2.pokazane.size(), 1u);
    EXPECT_EQ(d2.pokazane[0].katalog, std::string(KELMOR_EXAMPLES_DIR) + "/");
    EXPECT_EQ(d2.pokazane[0].nazwaPliku, p);
}

TEST(PolecenieOdczytDanych, MissingFileChangesNoStateButThePath) {
    RejestratorKomunikatow k;
    Edytor ed(k);
    ed.okno.aktywna = Zakladka::TOS;
    ASSERT_FALSE(odczytajDane(ed, "/nie/ma/siec.gaz"));
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{"Nie znaleziono pliku /nie/ma/siec.gaz",
                                                    "Podany plik nie zawiera poprawnych danych"}));
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2");
    EXPECT_EQ(ed.okno.aktywna, Zakladka::TOS);
    EXPECT_FALSE(ed.ob.DaneZmienione);
    EXPECT_EQ(ed.SciezkaDanych, "/nie/ma/siec.gaz");
}

// A damaged file leaves what was read in the tables: they are marked
// changed, so that nothing is lost or overwritten without a question.
TEST(PolecenieOdczytDanych, DamagedFileMarksTheDataChanged) {
    Folder f;
    std::string bajty;
    ASSERT_TRUE(wczytajPlik(przyklad("taryfy.gaz"), bajty));
    const std::string p = f / "uszkodzony.gaz";
    ASSERT_TRUE(zapiszAtomowo(p, bajty.substr(0, bajty.size() / 2) + "\r\nzle\r\n"));
    RejestratorKomunikatow k;
    Edytor ed(k);
    ed.ob.WynikiAktualne = true;
    ASSERT_FALSE(odczytajDane(ed, p));
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{"Błąd odczytu Tabeli Opisu Sieci lub Trasy",
                                                    "Podany plik nie zawiera poprawnych danych"}));
    EXPECT_GT(ed.ob.liczbaOdcinkow, 0);
    EXPECT_TRUE(ed.ob.DaneZmienione);
    EXPECT_TRUE(ed.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(ed.ob.WynikiAktualne);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2");
}

TEST(PolecenieZapisDanych, ValidationErrorsStopBeforeTheDialog) {
    RejestratorKomunikatow k;
    Edytor ed(k);
    ASSERT_TRUE(odczytajDane(ed, przyklad("osiedle.gaz")));
    k.wyczysc();
    ed.ob.ZrodlaGrid.ustawTekst(kol::Pzrodla, 1, "x");
    Dialog d{"/tmp/nigdy.gaz"};
    EXPECT_FALSE(polecenieZapisDanych(ed, d.funkcja()));
    EXPECT_TRUE(d.pokazane.empty());
    EXPECT_EQ(k.teksty().back(), "Błędy w tabeli źródeł. Dane nie zostały zapisane!");
    ed.ob.ZrodlaGrid.ustawTekst(kol::Pzrodla, 1, "2.5");
    ed.ob.Grid.ustawTekst(kol::DlugoscMetry, 3, "");
    k.wyczysc();
    EXPECT_FALSE(polecenieZapisDanych(ed, d.funkcja()));
    EXPECT_TRUE(d.pokazane.empty());
    EXPECT_EQ(k.teksty(),
              std::vector<std::string>{"Błędy w Tabeli Opisu Sieci. Dane nie zostały zapisane!"});
    EXPECT_EQ(ed.ob.ListBoxAnalizaDanych.back(),
              "Wiersz 3 w tabeli opisu sieci nie został cały wypełniony.");
}

TEST(PolecenieZapisDanych, SuccessAndFailure) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    ASSERT_TRUE(odczytajDane(ed, przyklad("osiedle.gaz")));
    ed.ob.oznaczZmianeDanych();
    const std::string p = f / "kopia.gaz";
    Dialog d{p};
    ASSERT_TRUE(polecenieZapisDanych(ed, d.funkcja()));
    ASSERT_EQ(d.pokazane.size(), 1u);
    EXPECT_TRUE(d.pokazane[0].zapis);
    EXPECT_EQ(d.pokazane[0].tytul, "Zapis danych do pliku");
    EXPECT_EQ(d.pokazane[0].rozszerzenie, "gaz");
    EXPECT_EQ(d.pokazane[0].filtr, 2);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2 " + p);
    EXPECT_FALSE(ed.ob.DaneZmienione);
    EXPECT_EQ(ed.informacja, "Dane zostały poprawnie zapisane w pliku " + p);
    std::string a, b;
    ASSERT_TRUE(wczytajPlik(p, a));
    ASSERT_TRUE(wczytajPlik(przyklad("osiedle.gaz"), b));
    EXPECT_EQ(a, b);

    ed.ob.oznaczZmianeDanych();
    k.wyczysc();
    EXPECT_FALSE(zapiszDane(ed, f / "brak/x.gaz"));
    ASSERT_EQ(k.wpisy.size(), 2u);
    EXPECT_EQ(k.wpisy[1].rodzaj, Rodzaj::BladWeWy);
    EXPECT_EQ(k.wpisy[1].tekst, "Błąd zapisu. Zmiana dokonana w danych nie została zapisana.");
    EXPECT_TRUE(ed.ob.DaneZmienione);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2 " + p);
}

TEST(PolecenieOdczytKatalogu, QuestionAndSuccess) {
    RejestratorKomunikatow nie(false);
    Edytor ed(nie);
    ed.ob.KatalogZmieniony = true;
    ed.SciezkaKatalogu = "stary.rur";
    Dialog d{przyklad("rury.rur")};
    EXPECT_FALSE(polecenieOdczytKatalogu(ed, d.funkcja()));
    EXPECT_EQ(nie.teksty(),
              std::vector<std::string>{
                  "Odczyt katalogu rur z pliku spowoduje zniknięcie aktualnego katalogu rur. "
                  "Czy kontynuować odczyt?"});
    EXPECT_EQ(ed.SciezkaKatalogu, "stary.rur");
    EXPECT_TRUE(d.pokazane.empty());

    nie.odpowiedz = true;
    ed.okno.TrybPrzewodnika = true;
    ed.ob.PotrzebnaAnaliza = false;
    ed.ob.WynikiAktualne = true;
    ASSERT_TRUE(polecenieOdczytKatalogu(ed, d.funkcja()));
    ASSERT_EQ(d.pokazane.size(), 1u);
    EXPECT_EQ(d.pokazane[0].tytul, "Odczyt katalogu rur z pliku");
    EXPECT_EQ(d.pokazane[0].filtr, 1);  // "Katalogi rur (*.rur)"
    EXPECT_EQ(d.pokazane[0].nazwaPliku, "stary.rur");
    EXPECT_EQ(ed.SciezkaKatalogu, przyklad("rury.rur"));
    EXPECT_EQ(ed.ob.liczbaRur, 24);
    EXPECT_FALSE(ed.ob.KatalogZmieniony);
    EXPECT_TRUE(ed.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(ed.ob.WynikiAktualne);
    EXPECT_EQ(ed.okno.aktywna, Zakladka::KatRur);
    EXPECT_EQ(ed.okno.fokus, "RurGrid");
    EXPECT_EQ(ed.tematyPomocy, std::vector<int>{25});
}

TEST(PolecenieZapisKatalogu, EmptyErrorsSuccessFailure) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    Dialog d{f / "rury.rur"};
    EXPECT_FALSE(polecenieZapisKatalogu(ed, d.funkcja()));
    EXPECT_EQ(k.teksty(), std::vector<std::string>{"Brak katalogu rur"});
    EXPECT_TRUE(d.pokazane.empty());
    EXPECT_FALSE(fs::exists(f / "rury.rur"));

    ed.ob.RurGrid.ustawTekst(kol::Dn, 1, "PE63");
    ed.ob.RurGrid.ustawTekst(kol::Dzew, 1, "63");
    k.wyczysc();
    EXPECT_FALSE(polecenieZapisKatalogu(ed, d.funkcja()));
    EXPECT_EQ(k.teksty().back(), "Błędy w katalogu rur");

    ed.ob.RurGrid.ustawTekst(kol::Gru, 1, "5.8");
    ed.ob.KatalogZmieniony = true;
    ed.okno.aktywna = Zakladka::KatRur;
    k.wyczysc();
    ASSERT_TRUE(polecenieZapisKatalogu(ed, d.funkcja()));
    ASSERT_EQ(d.pokazane.size(), 1u);
    EXPECT_TRUE(d.pokazane[0].zapis);
    EXPECT_EQ(d.pokazane[0].tytul, "Zapis katalogu rur do pliku");
    EXPECT_EQ(d.pokazane[0].rozszerzenie, "rur");
    EXPECT_FALSE(ed.ob.KatalogZmieniony);
    EXPECT_EQ(ed.okno.fokus, "RurGrid");
    EXPECT_EQ(ed.informacja, "Katalog rur został poprawnie zapisany w pliku " + (f / "rury.rur"));
    EXPECT_TRUE(k.wpisy.empty());

    ed.ob.KatalogZmieniony = true;
    ed.okno.fokus.clear();
    ed.okno.aktywna = Zakladka::TOS;
    EXPECT_FALSE(zapiszKatalog(ed, f / "brak/rury.rur"));
    EXPECT_EQ(k.wpisy.back().tekst,
              "Błąd zapisu. Zmiana dokonana w katalogu rur nie została zapisana.");
    EXPECT_EQ(k.wpisy.back().rodzaj, Rodzaj::BladWeWy);
    EXPECT_TRUE(ed.ob.KatalogZmieniony);
    EXPECT_EQ(ed.okno.fokus, "");
}

TEST(KatalogSciezki, CutAfterTheLastSeparator) {
    EXPECT_EQ(katalogSciezki("C:\\dane\\siec.gaz"), "C:\\dane\\");
    EXPECT_EQ(katalogSciezki("/home/jan/siec.gaz"), "/home/jan/");
    EXPECT_EQ(katalogSciezki("C:siec.gaz"), "C:");
    EXPECT_EQ(katalogSciezki("siec.gaz"), "");
}
