#include "app/PlikiProfil.h"

#include <gtest/gtest.h>

#include "io/SiecWymiany.h"

using namespace kelmor;
using namespace wymiana;

namespace {
const std::string kPrzyklad = std::string(KELMOR_EXAMPLES_DIR) + "/siec.pro";

struct Dialog {
    explicit Dialog(std::optional<std::string> o = std::nullopt) : odpowiedz(std::move(o)) {}
    std::optional<std::string> odpowiedz;
    std::vector<DialogPliku> pokazane;
    WyborPliku wybor() {
        return [this](const DialogPliku& d) {
            pokazane.push_back(d);
            return odpowiedz;
        };
    }
};
}  // namespace

TEST(PlikiProfil, ImportCommandShowsTheNetworkTable) {
    RejestratorKomunikatow k;
    Edytor ed(k);
    zbudujOsiedle(ed.ob);
    ed.okno.TrybPrzewodnika = true;
    ed.ob.ListBoxWyni = {"w"};
    ed.ob.LaRaport2 = "r";
    ed.ob.DaneZmienione = true;
    ed.SciezkaImportuPROFIL = "/stary/plik.pro";

    Dialog anuluj;
    EXPECT_FALSE(polecenieImportPROFIL(ed, true, anuluj.wybor()));
    EXPECT_EQ(ed.ob.Grid.liczbaWierszy(), 7);  // cancel changes nothing
    const DialogPliku& nowe = anuluj.pokazane.at(0);
    EXPECT_EQ(nowe.tytul, "Import danych z programu PROFIL (nowe dane)");
    EXPECT_EQ(nowe.nazwaPliku, "/stary/plik.pro");
    EXPECT_EQ(nowe.filtr, 4);
    EXPECT_EQ(przygotujImportPROFIL(ed, false).tytul, "Import danych z programu PROFIL (poprawki)");

    Dialog ok{kPrzyklad};
    ASSERT_TRUE(polecenieImportPROFIL(ed, true, ok.wybor()));
    EXPECT_TRUE(k.wpisy.empty());
    EXPECT_EQ(ed.SciezkaImportuPROFIL, kPrzyklad);
    EXPECT_EQ(ed.katalogOtwarcia, std::string(KELMOR_EXAMPLES_DIR) + "/");
    EXPECT_EQ(ed.katalogZapisu, ed.katalogOtwarcia);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2 " + kPrzyklad);
    EXPECT_FALSE(ed.ob.DaneZmienione);
    EXPECT_TRUE(ed.ob.PotrzebnaAnaliza);
    EXPECT_TRUE(ed.ob.ListBoxWyni.empty());
    EXPECT_EQ(ed.ob.LaRaport2, "");
    EXPECT_EQ(ed.okno.aktywna, Zakladka::TOS);
    EXPECT_TRUE(ed.okno.menuNarzedzia && ed.okno.menuEdycja && ed.okno.menuSzukaj &&
                ed.okno.menuOpcje);
    EXPECT_EQ(ed.tematyPomocy, std::vector<int>{40});
    EXPECT_EQ(ed.ob.Grid.liczbaWierszy(), 10);
}

TEST(PlikiProfil, FailedImportSaysSoAndMarksTheDataChanged) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    const std::string p = f.plik("zly.pro");
    zapisz(p, "1 a A B 10 de40 0 0 1 5 5 2\r\n2 b B\r\n");
    EXPECT_FALSE(importujPROFIL(ed, true, p));
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{
                              "Błąd importu z PROFIL.\nPodany plik nie zawiera poprawnych danych",
                              "Podany plik nie zawiera poprawnych danych"}));
    EXPECT_EQ(ed.ob.Grid.liczbaWierszy(), 2);
    EXPECT_TRUE(ed.ob.DaneZmienione);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2");

    k.wyczysc();
    Edytor ed2(k);
    EXPECT_FALSE(importujPROFIL(ed2, false, f.plik("brak.pro")));
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{"Nie znaleziono pliku " + f.plik("brak.pro"),
                                                    "Podany plik nie zawiera poprawnych danych"}));
    EXPECT_FALSE(ed2.ob.DaneZmienione);
}

TEST(PlikiProfil, ExportCommandConfirmsTheFile) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    zbudujOsiedle(ed.ob);
    ed.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    for (int w = 1; w <= 6; ++w) {
        ed.ob.Grid.ustawTekst(kol::Ppocz, w, "2.2");
        ed.ob.Grid.ustawTekst(kol::Pkonc, w, "2.0");
    }
    ed.ob.Grid.ustawTekst(kol::Pkonc, 6, "1.0");  // withdrawn: not in the range
    Dialog anuluj;
    EXPECT_FALSE(polecenieEksportPROFIL(ed, anuluj.wybor()));
    const std::string p = f.plik("profil.txt");
    Dialog ok{p};
    ASSERT_TRUE(polecenieEksportPROFIL(ed, ok.wybor()));
    EXPECT_EQ(ed.SciezkaEksportuPROFIL, p);
    EXPECT_EQ(przygotujEksportPROFIL(ed).nazwaPliku, p);
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{"Wyniki zostały zapisane w pliku " + p}));
    EXPECT_EQ(bajty(p).substr(0, 38), "    1.8000     2.2000     1.8000 kPa\r\n");
}

TEST(PlikiProfil, GdoExportCommand) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    // Data not from GDO: no direction record in row 1.
    Dialog d0;
    EXPECT_FALSE(polecenieEksportGDO(ed, d0.wybor()));
    EXPECT_TRUE(d0.pokazane.empty());
    EXPECT_EQ(k.teksty(),
              (std::vector<std::string>{
                  "Dane nie pochodzą z GDO i dlatego eksport do GDO nie został wykonany."}));
    k.wyczysc();

    zbudujOsiedle(ed.ob);
    // Cancelling with no proposed path writes nothing and says nothing.
    Dialog anuluj;
    EXPECT_FALSE(polecenieEksportGDO(ed, anuluj.wybor()));
    const DialogPliku& d = anuluj.pokazane.at(0);
    EXPECT_EQ(d.tytul, "Eksport wyników dla GDO do pliku");
    EXPECT_EQ(d.rozszerzenie, "TXT");
    EXPECT_EQ(d.filtr, 4);
    EXPECT_TRUE(k.wpisy.empty());

    // Cancelling after GDO gave a path still writes that file.
    ed.SciezkaEksportuGDO = f.plik("gdo.TXT");
    ASSERT_TRUE(polecenieEksportGDO(ed, anuluj.wybor()));
    EXPECT_TRUE(fs::exists(f.plik("gdo.TXT")));
    EXPECT_EQ(k.teksty(),
              (std::vector<std::string>{"Wyniki dla GDO zostały poprawnie zapisane w pliku " +
                                        f.plik("gdo.TXT")}));
    // A chosen path is used but not kept.
    Dialog inny{f.plik("inny.txt")};
    ASSERT_TRUE(polecenieEksportGDO(ed, inny.wybor()));
    EXPECT_TRUE(fs::exists(f.plik("inny.txt")));
    EXPECT_EQ(przygotujEksportGDO(ed)->nazwaPliku, f.plik("gdo.TXT"));
}

TEST(PlikiProfil, TwoStepFormForTheWindow) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    EXPECT_EQ(dialogImportuPROFIL(ed, false).filtr, 4);
    EXPECT_FALSE(importPROFIL(ed, true, std::nullopt));
    ASSERT_TRUE(importPROFIL(ed, true, kPrzyklad));
    EXPECT_EQ(ed.ob.Grid.liczbaWierszy(), 10);
    EXPECT_TRUE(dialogEksportuPROFIL(ed).zapis);
    ASSERT_TRUE(eksportPROFIL(ed, f.plik("p.txt")));
    ed.SciezkaEksportuGDO = f.plik("g.txt");
    ASSERT_TRUE(dialogEksportuGDO(ed).has_value());
    EXPECT_EQ(dialogEksportuGDO(ed)->filtr, 4);
    ASSERT_TRUE(eksportGDO(ed, std::nullopt));
    EXPECT_TRUE(fs::exists(f.plik("g.txt")));
}
