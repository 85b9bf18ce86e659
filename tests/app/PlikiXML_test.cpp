#include "app/PlikiXML.h"

#include <gtest/gtest.h>

#include "io/DaneXML.h"
#include "io/SiecWymiany.h"

using namespace kelmor;
using namespace wymiana;

namespace {

// Stands in for the window's file dialog: remembers what it was asked to
// show and answers with a fixed choice (nothing = cancel).
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

TEST(PlikiXML, SaveCommandGivesTheXmlExtensionAndConfirms) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    zbudujOsiedle(ed.ob);
    ed.ob.DaneZmienione = true;
    ed.katalogProgramu = "/opt/kelmor/";
    ed.SciezkaDanych = f.plik("osiedle.gaz");

    // Cancel: nothing written, the extension stays.
    Dialog anuluj;
    EXPECT_FALSE(polecenieZapisDanychXML(ed, anuluj.wybor()));
    ASSERT_EQ(anuluj.pokazane.size(), 1u);
    const DialogPliku& d = anuluj.pokazane[0];
    EXPECT_EQ(d.tytul, "Zapis danych w formacie XML");
    EXPECT_EQ(d.filtr, 3);
    EXPECT_EQ(d.nazwaPliku, f.plik("osiedle.XML"));
    EXPECT_EQ(d.katalog, "/opt/kelmor/");
    EXPECT_TRUE(d.zapis);
    EXPECT_FALSE(fs::exists(f.plik("osiedle.XML")));
    EXPECT_TRUE(ed.ob.DaneZmienione);
    EXPECT_EQ(ed.SciezkaDanych, f.plik("osiedle.XML"));

    const std::string cel = f.plik("wybrany.xml");
    Dialog ok{cel};
    ASSERT_TRUE(polecenieZapisDanychXML(ed, ok.wybor()));
    EXPECT_EQ(ed.SciezkaDanych, cel);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2 " + cel);
    EXPECT_FALSE(ed.ob.DaneZmienione);
    EXPECT_EQ(ed.informacja, "Dane zostały poprawnie zapisane w pliku " + cel);
    EXPECT_EQ(bajty(cel), daneXMLNaBajty(ed.ob).tekst);
    EXPECT_TRUE(k.wpisy.empty());
}

TEST(PlikiXML, FailedSaveKeepsTheStateAndReportsTheError) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    ed.ob.DaneZmienione = true;
    ed.SciezkaDanych = "a.gaz";
    Dialog d{f.plik("brak/x.xml")};
    EXPECT_FALSE(polecenieZapisDanychXML(ed, d.wybor()));
    EXPECT_TRUE(ed.ob.DaneZmienione);
    EXPECT_EQ(ed.SciezkaDanych, "a.XML");
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2");
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_EQ(k.wpisy[0].rodzaj, RejestratorKomunikatow::Rodzaj::BladWeWy);
}

TEST(PlikiXML, ReadCommandPutsTheEditorOnTheObjectTab) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor zrodlo(k);
    zbudujOsiedle(zrodlo.ob);
    const std::string p = f.plik("siec.xml");
    ASSERT_TRUE(ZapiszDaneXML(zrodlo.ob, p, k));

    Edytor ed(k);
    ed.okno.TrybPrzewodnika = true;
    ed.okno.aktywna = Zakladka::TOS;
    ed.pokazMenuTOS();
    ed.ob.ListBoxAnalizaDanych = {"x"};
    ed.ob.ListBoxWyni = {"y"};
    ed.ob.LaRaport1 = "Koniec obliczeń";
    ed.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    ed.ob.WynikiAktualne = true;
    ed.okno.BuRozklad = ed.okno.BuLiCi = ed.okno.BuDruWyni = true;
    ed.ob.DaneZmienione = true;

    ed.SciezkaDanychWejsciowych = "poprzedni.xml";
    Dialog dlg{p};
    ASSERT_TRUE(polecenieOdczytDanychXML(ed, dlg.wybor()));
    const DialogPliku& d = dlg.pokazane.at(0);
    EXPECT_EQ(d.tytul, "Odczyt danych z pliku *.XML");
    EXPECT_EQ(d.filtr, 3);
    EXPECT_EQ(d.nazwaPliku, "poprzedni.xml");
    EXPECT_FALSE(d.zapis);
    EXPECT_TRUE(k.wpisy.empty());
    EXPECT_EQ(ed.SciezkaDanychWejsciowych, p);
    EXPECT_EQ(ed.SciezkaDanych, p);
    EXPECT_EQ(ed.katalogOtwarcia, f.sciezka.string() + "/");
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2 " + p);
    EXPECT_FALSE(ed.ob.DaneZmienione);
    EXPECT_TRUE(ed.ob.PotrzebnaAnaliza);
    EXPECT_FALSE(ed.ob.WynikiAktualne);
    EXPECT_EQ(ed.okno.aktywna, Zakladka::Cisn);
    EXPECT_FALSE(ed.okno.menuNarzedzia || ed.okno.menuSzukaj || ed.okno.menuOpcje);
    EXPECT_TRUE(ed.ob.ListBoxAnalizaDanych.empty());
    EXPECT_TRUE(ed.ob.ListBoxWyni.empty());
    EXPECT_EQ(ed.ob.LaRaport1, "");
    EXPECT_EQ(ed.ob.Grid.liczbaKolumn(), LiczbaKolumnDanych);
    EXPECT_FALSE(ed.okno.BuRozklad || ed.okno.BuLiCi || ed.okno.BuDruWyni);
    EXPECT_EQ(ed.tematyPomocy, std::vector<int>{30});
    EXPECT_EQ(ed.ob.OpisMetody, "Metoda dokładna");
    EXPECT_EQ(ed.ob.Grid.tekst(kol::NazwaOdcinka, 3), "Żytnia");
}

TEST(PlikiXML, ReadCommandFailureNamesTheFile) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    const std::string p = f.plik("zly.xml");
    zapisz(p, "<DaneDlaKELMOR><Tytul>");
    ed.okno.aktywna = Zakladka::TOS;
    EXPECT_FALSE(odczytajDaneXML(ed, p));
    EXPECT_EQ(k.teksty(), (std::vector<std::string>{"Plik " + p + " zawiera niepoprawne dane."}));
    EXPECT_EQ(ed.okno.aktywna, Zakladka::TOS);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2");
    EXPECT_EQ(ed.ob.OpisMetody, "Metoda dokładna");
    // Cancelling the dialog does nothing at all.
    k.wyczysc();
    Dialog anuluj;
    EXPECT_FALSE(polecenieOdczytDanychXML(ed, anuluj.wybor()));
    EXPECT_TRUE(k.wpisy.empty());
}

TEST(PlikiXML, ResultsButtonAndBatchSteps) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    const std::string we = f.plik("siec.xml");
    zapisz(we,
           "<?xml version=\"1.0\" encoding=\"windows-1250\"?><DaneDlaKELMOR><DaneOgolne>"
           "<czyKonczycPrace>true</czyKonczycPrace><Tytul>T</Tytul></DaneOgolne>"
           "<Odcinki><Odcinek><Identyfikator>ID-7</Identyfikator><WezelPocz>A</WezelPocz>"
           "<WezelKonc>B</WezelKonc></Odcinek></Odcinki></DaneDlaKELMOR>");
    ed.SciezkaDanychWejsciowych = we;
    ASSERT_TRUE(odczytDanychXMLWsadowy(ed));
    EXPECT_TRUE(ed.czyKonczycPrace);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2 " + we);
    EXPECT_TRUE(k.wpisy.empty());

    ed.SciezkaWynikowXML = f.plik("siec_Wyniki.XML");
    ASSERT_TRUE(zapisWynikowXMLWsadowy(ed));
    const std::string wyniki = bajty(ed.SciezkaWynikowXML);
    EXPECT_NE(wyniki.find("<Identyfikator>ID-7</Identyfikator>"), std::string::npos);

    Dialog anuluj;
    EXPECT_FALSE(polecenieZapisWynikowXML(ed, anuluj.wybor()));
    EXPECT_EQ(anuluj.pokazane.at(0).tytul, "Zapis wyników w formacie XML");
    EXPECT_EQ(anuluj.pokazane.at(0).nazwaPliku, f.plik("siec_Wyniki.XML"));
    EXPECT_EQ(ed.SciezkaWynikowXML, f.plik("siec_Wyniki.XML"));
    Dialog inny{f.plik("inne.xml")};
    ASSERT_TRUE(polecenieZapisWynikowXML(ed, inny.wybor()));
    EXPECT_EQ(ed.SciezkaWynikowXML, f.plik("inne.xml"));
    EXPECT_EQ(bajty(f.plik("inne.xml")), wyniki);
    EXPECT_TRUE(k.wpisy.empty());  // no message after a results save

    ed.SciezkaDanychWejsciowych = f.plik("brak.xml");
    EXPECT_FALSE(odczytDanychXMLWsadowy(ed));
    EXPECT_TRUE(k.wpisy.empty());  // the batch log tells it, not a dialog
}

TEST(PlikiXML, TwoStepFormForTheWindow) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    zbudujOsiedle(ed.ob);
    ed.SciezkaDanych = "x.gaz";
    const DialogPliku d = dialogZapisuDanychXML(ed);
    EXPECT_EQ(d.filtr, 3);
    EXPECT_EQ(d.nazwaPliku, "x.XML");
    EXPECT_TRUE(d.zapis);
    EXPECT_FALSE(zapisDanychXML(ed, std::nullopt));
    const std::string p = f.plik("a.xml");
    ASSERT_TRUE(zapisDanychXML(ed, p));
    EXPECT_EQ(dialogOdczytuDanychXML(ed).tytul, "Odczyt danych z pliku *.XML");
    EXPECT_FALSE(odczytDanychXML(ed, std::nullopt));
    ASSERT_TRUE(odczytDanychXML(ed, p));
    EXPECT_EQ(ed.SciezkaDanychWejsciowych, p);
    EXPECT_EQ(dialogZapisuWynikowXML(ed).tytul, "Zapis wyników w formacie XML");
    ASSERT_TRUE(zapisWynikowXML(ed, f.plik("w.xml")));
    EXPECT_EQ(ed.SciezkaWynikowXML, f.plik("w.xml"));
}

TEST(PlikiXML, ReadFailingHalfwayMarksTheDataChanged) {
    Folder f;
    RejestratorKomunikatow k;
    Edytor ed(k);
    const std::string p = f.plik("pol.xml");
    zapisz(p,
           "<DaneDlaKELMOR><DaneOgolne><Tytul>Nowy</Tytul><TcGazu>x</TcGazu></DaneOgolne>"
           "</DaneDlaKELMOR>");
    EXPECT_FALSE(odczytajDaneXML(ed, p));
    EXPECT_EQ(ed.ob.parametry.Tytul, "Nowy");
    EXPECT_TRUE(ed.ob.DaneZmienione);
    EXPECT_TRUE(ed.ob.PotrzebnaAnaliza);
    EXPECT_EQ(ed.okno.tytul, "KELMOR 5.2");
}
