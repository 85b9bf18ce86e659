#include "io/DaneXML.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "io/KatalogRur.h"
#include "io/PlikDanych.h"
#include "io/SiecWymiany.h"
#include "model/Tekst.h"

using namespace kelmor;
using namespace wymiana;

namespace {

std::string bajtyDanych(const Obiekt& ob) {
    auto w = daneXMLNaBajty(ob);
    EXPECT_EQ(w.blad, "");
    return w.tekst;
}

bool czytaj(Obiekt& ob, const std::string& utf8, RejestratorKomunikatow& k,
            bool* konczyc = nullptr) {
    bool flaga = false;
    auto w = naCp1250(utf8);
    EXPECT_EQ(w.blad, "");
    const bool ok = CzytajDaneXMLZBajtow(ob, w.tekst, k, konczyc ? *konczyc : flaga);
    return ok;
}

std::string dokument(const std::string& tresc) {
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n<DaneDlaKELMOR>" + tresc +
           "</DaneDlaKELMOR>\n";
}

// Segment element with the given children.
std::string odcinek(const std::string& id, const std::string& reszta) {
    return "<Odcinek><Identyfikator>" + id + "</Identyfikator>" + reszta + "</Odcinek>";
}

}  // namespace

TEST(DaneXML, RoundTripIsByteIdenticalAndKeepsEveryInput) {
    Obiekt a;
    zbudujOsiedle(a);
    a.parametry.HsGazu = 39.863;
    a.parametry.wzory = {2, 4};
    const std::string b1 = bajtyDanych(a);

    Obiekt b;
    b.parametry.wzory = {2, 4};  // the method is the editor's: the file does not set it
    RejestratorKomunikatow k;
    bool konczyc = true;
    ASSERT_TRUE(CzytajDaneXMLZBajtow(b, b1, k, konczyc));
    EXPECT_TRUE(k.wpisy.empty()) << k.teksty()[0];
    EXPECT_FALSE(konczyc);  // written as "false"
    EXPECT_EQ(bajtyDanych(b), b1);

    // Parameters, rounded to 4 significant digits; the method is not read.
    EXPECT_EQ(b.parametry.Tytul, a.parametry.Tytul);
    EXPECT_DOUBLE_EQ(b.parametry.HsGazu, 39.86);
    EXPECT_DOUBLE_EQ(b.parametry.PminDop, 1.8);
    EXPECT_DOUBLE_EQ(b.parametry.TcGazu, 8);
    EXPECT_DOUBLE_EQ(b.parametry.dGazu, 0.56);
    EXPECT_DOUBLE_EQ(b.parametry.mnoznik, 1.1);
    Obiekt c;
    ASSERT_TRUE(CzytajDaneXMLZBajtow(c, b1, k, konczyc));
    EXPECT_EQ(c.parametry.wzory.metoda, 0);
    // Every input cell of the three tables.
    ASSERT_EQ(b.Grid.liczbaWierszy(), a.Grid.liczbaWierszy());
    for (int w = 1; w < a.Grid.liczbaWierszy(); ++w)
        for (int c = 1; c < LiczbaKolumnDanych; ++c)
            EXPECT_EQ(b.Grid.tekst(c, w), a.Grid.tekst(c, w)) << "row " << w << " col " << c;
    ASSERT_EQ(b.ZrodlaGrid.liczbaWierszy(), 2);
    for (int c = 1; c < LiczbaKolumnZrodel; ++c)
        EXPECT_EQ(b.ZrodlaGrid.tekst(c, 1), a.ZrodlaGrid.tekst(c, 1));
    ASSERT_EQ(b.RurGrid.liczbaWierszy(), 5);
    for (int w = 1; w < 5; ++w)
        for (int c = 1; c < LiczbaKolumnKatalogu; ++c)
            EXPECT_EQ(b.RurGrid.tekst(c, w), a.RurGrid.tekst(c, w));
    // Records: withdrawal, start-node values, the direction record from the row number.
    EXPECT_TRUE(wierszWycofany(b.Grid, 6));
    EXPECT_FALSE(wierszWycofany(b.Grid, 5));
    const auto* nwp = b.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, 5);
    ASSERT_NE(nwp, nullptr);
    EXPECT_EQ(nwp->X, 0);
    EXPECT_EQ(nwp->Y, 200);
    EXPECT_DOUBLE_EQ(nwp->rzedna, 113.8);
    EXPECT_DOUBLE_EQ(nwp->pobor, 3.2);
    EXPECT_EQ(nwp->niepodlaczony, 0);
    const auto* kier = b.Grid.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 3);
    ASSERT_NE(kier, nullptr);
    EXPECT_EQ(kier->identyfikator, "3");
    EXPECT_EQ(kier->znak, 1);
    // The route with the lengths of its segments.
    ASSERT_EQ(b.trasa.size(), 4u);
    EXPECT_EQ(b.trasa, a.trasa);
}

TEST(DaneXML, DeclaresWindows1250AndEncodesTheTextSoWithCrLf) {
    Obiekt a;
    zbudujOsiedle(a);
    const std::string b = bajtyDanych(a);
    EXPECT_EQ(b.rfind("<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n", 0), 0u);
    EXPECT_NE(b.find("<Tytul>Osiedle \xA3\xB9kowe \x96 sie\xE6 niskiego ci\x9Cnienia</Tytul>"),
              std::string::npos);
    for (std::size_t i = 0; i < b.size(); ++i)
        if (b[i] == '\n') {
            ASSERT_TRUE(i > 0 && b[i - 1] == '\r') << "bare LF at " << i;
        }
    // Order of the parts and of the general data.
    const char* kolejnosc[] = {"<DaneOgolne>",  "<czyKonczycPrace>false<",
                               "<Tytul>",       "<jednostkaP>2<",
                               "<PminDop>1.8<", "<TcGazu>8<",
                               "<dGazu>0.56<",  "<HsGazu>39.5<",
                               "<sposoby>0<",   "<Q1W1>1.2<",
                               "<Q1W4>4.2<",    "<urbanizacja>2<",
                               "<wzory>0<",     "<mnoznik>1.1<",
                               "<Zrodla>",      "<Odcinki>",
                               "<Rury>",        "<MojaTrasa>S1,A,B,C</MojaTrasa>"};
    std::size_t p = 0;
    for (const char* s : kolejnosc) {
        const auto q = b.find(s, p);
        ASSERT_NE(q, std::string::npos) << s;
        p = q;
    }
}

TEST(DaneXML, SegmentElementsInOrderNamedByTheDemandModel) {
    Obiekt a;
    zbudujOsiedle(a);
    a.zmienSposobPoborow(1);
    a.parametry.wzory = {2, 4};
    pugi::xml_document doc;
    const std::string utf8 = zCp1250(bajtyDanych(a));
    ASSERT_TRUE(doc.load_string(utf8.c_str()));
    EXPECT_STREQ(doc.child("DaneDlaKELMOR").child("DaneOgolne").child_value("wzory"), "2,4");
    auto o = doc.child("DaneDlaKELMOR").child("Odcinki").child("Odcinek").next_sibling();
    std::vector<std::string> nazwy, teksty;
    for (auto c : o.children()) {
        nazwy.push_back(c.name());
        teksty.push_back(c.child_value());
    }
    const std::vector<std::string> oczekiwane = {"Identyfikator",
                                                 "Wycofany",
                                                 "NumerOdcinka",
                                                 "NazwaOdcinka",
                                                 "WezelPocz",
                                                 "WezelKonc",
                                                 "SrednicaNomin",
                                                 "DlugoscMetry",
                                                 "ProcentDluNaOpory",
                                                 "LiczbaW1",
                                                 "LiczbaW2",
                                                 "LiczbaW3",
                                                 "LiczbaW4",
                                                 "Sklepy",
                                                 "PoborOdc",
                                                 "PoborWezPocz",
                                                 "XPocz",
                                                 "YPocz",
                                                 "RzednaTePocz",
                                                 "PoborWez",
                                                 "X",
                                                 "Y",
                                                 "RzednaTe",
                                                 "Chropo",
                                                 "IleOpo"};
    EXPECT_EQ(nazwy, oczekiwane);
    EXPECT_EQ(teksty[0], "2");
    EXPECT_EQ(teksty[1], "False");
    EXPECT_EQ(teksty[9], "0");  // the tariff texts are shown now
    EXPECT_EQ(teksty[16], "0");
    EXPECT_EQ(teksty[17], "120");
    EXPECT_EQ(teksty[18], "112.5");
}

TEST(DaneXML, ResultsFileListsRowsNotWithdrawnWithIdentifiersAndSigns) {
    Obiekt a;
    zbudujOsiedle(a);
    Tabela& g = a.Grid;
    g.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    for (int w = 1; w <= 6; ++w)
        for (int c = kol::Qoblicz; c <= kol::NumerOdc; ++c)
            g.ustawTekst(c, w, "r" + std::to_string(w) + "c" + std::to_string(c));
    g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 4)->znak = -1;
    g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 2)->identyfikator = "GDO-77";
    g.ustawRekord(kol::NazwaOdcinka, 5, nullptr);

    auto w = wynikiXMLNaBajty(a);
    ASSERT_EQ(w.blad, "");
    EXPECT_EQ(w.tekst.rfind("<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n", 0), 0u);
    pugi::xml_document doc;
    const std::string utf8 = zCp1250(w.tekst);
    ASSERT_TRUE(doc.load_string(utf8.c_str()));
    auto root = doc.child("DaneDlaKELMOR");
    std::vector<std::string> czesci;
    for (auto c : root.children()) czesci.push_back(c.name());
    EXPECT_EQ(czesci, (std::vector<std::string>{"DaneOgolne", "Zrodla", "Odcinki"}));
    EXPECT_FALSE(root.child("DaneOgolne").child("czyKonczycPrace"));
    EXPECT_STREQ(root.child("DaneOgolne").first_child().name(), "Tytul");

    std::vector<pugi::xml_node> odc;
    for (auto o : root.child("Odcinki").children("Odcinek")) odc.push_back(o);
    ASSERT_EQ(odc.size(), 5u);  // row 6 is withdrawn
    EXPECT_STREQ(odc[1].child_value("Identyfikator"), "GDO-77");
    EXPECT_STREQ(odc[3].child_value("Identyfikator"), "A-D");
    EXPECT_STREQ(odc[3].child_value("Kierunek"), "-1");
    EXPECT_STREQ(odc[4].child_value("Identyfikator"), "");
    EXPECT_STREQ(odc[4].child_value("Kierunek"), "1");
    std::vector<std::string> nazwy;
    for (auto c : odc[0].children()) nazwy.push_back(c.name());
    const std::vector<std::string> oczekiwane = {"Identyfikator",
                                                 "Kierunek",
                                                 "NumerOdcinka",
                                                 "NazwaOdcinka",
                                                 "WezelPocz",
                                                 "WezelKonc",
                                                 "SrednicaNomin",
                                                 "DlugoscMetry",
                                                 "ProcentDluNaOpory",
                                                 "LiczbaOdbiorCeleKom",
                                                 "JednostCeleKom",
                                                 "LiczbaOdbiorGrzanie",
                                                 "JednostGrzanie",
                                                 "Sklepy",
                                                 "PoborOdc",
                                                 "PoborWez",
                                                 "X",
                                                 "Y",
                                                 "RzednaTe",
                                                 "Chropo",
                                                 "IleOpo",
                                                 "Qoblicz",
                                                 "PredkoPocz",
                                                 "PredkoKonc",
                                                 "Ppocz",
                                                 "Pkonc",
                                                 "DeltaP",
                                                 "Re",
                                                 "lambda",
                                                 "NumerOdc"};
    EXPECT_EQ(nazwy, oczekiwane);
    EXPECT_STREQ(odc[2].child_value("Qoblicz"), "r3c20");
    EXPECT_STREQ(odc[2].child_value("NumerOdc"), "r3c28");
    EXPECT_STREQ(odc[2].child_value("WezelPocz"), "B");
}

TEST(DaneXML, ReadingActsOnElementsWhereverTheyStand) {
    Obiekt ob;
    zbudujOsiedle(ob);
    RejestratorKomunikatow k;
    bool konczyc = false;
    const std::string xml = dokument(
        "<Cokolwiek><Glebiej><NazwaZrodla>Z9</NazwaZrodla><Pzrodla>3,5</Pzrodla></Glebiej></"
        "Cokolwiek>"
        "<czyKonczycPrace>true</czyKonczycPrace>"
        "<Odcinki>" +
        odcinek("A-1",
                "<Wycofany>false</Wycofany><NumerOdcinka>7</NumerOdcinka>"
                "<NazwaOdcinka>Nowa, boczna</NazwaOdcinka><WezelPocz>Z9</WezelPocz>"
                "<WezelKonc>K</WezelKonc><SrednicaNomin>0</SrednicaNomin>"
                "<DlugoscMetry>120,5</DlugoscMetry><LiczbaOdbiorCeleKom>4</LiczbaOdbiorCeleKom>"
                "<LiczbaW2>9</LiczbaW2><XPocz>5</XPocz><RzednaTePocz>200,1</RzednaTePocz>"
                "<IleOpo>Z=1,5</IleOpo>") +
        odcinek("A-2", "<Wycofany>False</Wycofany><IleOpo>3 szt</IleOpo>") + "</Odcinki>");
    ASSERT_TRUE(czytaj(ob, xml, k, &konczyc));
    EXPECT_TRUE(konczyc);
    // Sources: one row read, the rows beyond it are gone.
    EXPECT_EQ(ob.ZrodlaGrid.liczbaWierszy(), 2);
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::NazwaZrodla, 1), "Z9");
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::Pzrodla, 1), "3.5");
    // Segments: two rows, the earlier six are replaced.
    const Tabela& g = ob.Grid;
    ASSERT_EQ(g.liczbaWierszy(), 3);
    EXPECT_TRUE(wierszWycofany(g, 1));  // only "False" clears
    EXPECT_FALSE(wierszWycofany(g, 2));
    EXPECT_EQ(g.tekst(kol::NazwaOdcinka, 1), "Nowa, boczna");  // as is
    EXPECT_EQ(g.tekst(kol::DlugoscMetry, 1), "120.5");
    EXPECT_EQ(g.tekst(kol::LiczbaOdbiorCeleKom, 1), "4");
    EXPECT_EQ(g.tekst(kol::JednostCeleKom, 1), "0");
    EXPECT_EQ(g.rekordTypu<Ttaryfy>(kol::JednostCeleKom, 1)->taryfowy, "9");
    EXPECT_EQ(g.rekordTypu<Ttaryfy>(kol::LiczbaOdbiorCeleKom, 1)->komunalny, "4");
    EXPECT_EQ(g.tekst(kol::Chropo, 1), "");  // not in the file: the old row is not kept
    const auto* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, 1);
    EXPECT_EQ(nwp->X, 5);
    EXPECT_DOUBLE_EQ(nwp->rzedna, 200.1);
    EXPECT_EQ(g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 2)->identyfikator, "A-2");
    // "Z=1,5": one entry of kind 20 carrying 1.5; "3 szt": no list.
    EXPECT_EQ(g.tekst(kol::IleOpo, 1), "Z=1.5");
    const auto* opory = g.rekordTypu<ListaOporow>(kol::IleOpo, 1);
    ASSERT_NE(opory, nullptr);
    EXPECT_EQ(opory->wpisy[19].Rodzaj, 20);
    EXPECT_DOUBLE_EQ(opory->wpisy[19].Par1, 1.5);
    EXPECT_DOUBLE_EQ(opory->wpisy[19].Z, 1.5);
    EXPECT_EQ(opory->wpisy[19].Ile, 1);
    EXPECT_EQ(g.rekordTypu<ListaOporow>(kol::IleOpo, 2), nullptr);
    // No "Rury": the catalogue stays; no "MojaTrasa": the route stays.
    EXPECT_EQ(ob.RurGrid.liczbaWierszy(), 5);
    EXPECT_EQ(ob.trasa.size(), 4u);
}

TEST(DaneXML, FaultyFilesAreRefusedKeepingWhatWasTaken) {
    struct Przypadek {
        const char* opis;
        std::string xml;
    };
    const std::vector<Przypadek> przypadki = {
        {"malformed", dokument("<DaneOgolne><Tytul>x</DaneOgolne>")},
        {"empty file", ""},
        {"no root", "<?xml version=\"1.0\"?>"},
        {"non-numeric real",
         dokument("<DaneOgolne><Tytul>Nowy</Tytul><PminDop>abc</PminDop></DaneOgolne>")},
        {"non-numeric start X", dokument("<DaneOgolne><Tytul>Nowy</Tytul></DaneOgolne><Odcinki>" +
                                         odcinek("1", "<XPocz>1.5</XPocz>") + "</Odcinki>")},
        {"unit outside 0..4",
         dokument("<DaneOgolne><Tytul>Nowy</Tytul><jednostkaP>7</jednostkaP></DaneOgolne>")},
        {"demand model outside 0..1",
         dokument("<DaneOgolne><Tytul>Nowy</Tytul><sposoby>2</sposoby></DaneOgolne>")},
        {"urbanisation outside 1..3",
         dokument("<DaneOgolne><Tytul>Nowy</Tytul><urbanizacja>0</urbanizacja></DaneOgolne>")},
        {"end flag not boolean",
         dokument(
             "<DaneOgolne><Tytul>Nowy</Tytul><czyKonczycPrace>tak</czyKonczycPrace></DaneOgolne>")},
    };
    for (const auto& p : przypadki) {
        Obiekt ob;
        zbudujOsiedle(ob);
        RejestratorKomunikatow k;
        EXPECT_FALSE(czytaj(ob, p.xml, k)) << p.opis;
        EXPECT_EQ(ob.parametry.jednostkaP, 2) << p.opis;
        EXPECT_EQ(ob.parametry.sposoby, 0) << p.opis;
        EXPECT_EQ(ob.parametry.urbanizacja, 2) << p.opis;
        EXPECT_DOUBLE_EQ(ob.parametry.PminDop, 1.8) << p.opis;
        if (p.xml.find("<Tytul>Nowy") != std::string::npos) {
            EXPECT_EQ(ob.parametry.Tytul, "Nowy") << p.opis;  // taken before the error
        }
    }
}

TEST(DaneXML, CellElementsBeforeAnyRowAreIgnored) {
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(czytaj(ob,
                       dokument("<Pzrodla>9</Pzrodla><NumerOdcinka>5</NumerOdcinka>"
                                "<Gru>3</Gru><XPocz>4</XPocz>"),
                       k));
    EXPECT_EQ(ob.ZrodlaGrid.tekst(kol::Pzrodla, 0), "");
    EXPECT_EQ(ob.Grid.tekst(kol::NumerOdcinka, 0), "");
    EXPECT_EQ(ob.RurGrid.tekst(kol::Gru, 0), "");
}

TEST(DaneXML, Utf8FileIsReadWhenItSaysSo) {
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><DaneDlaKELMOR><DaneOgolne>"
        "<Tytul>Żółw</Tytul></DaneOgolne></DaneDlaKELMOR>";
    Obiekt ob;
    RejestratorKomunikatow k;
    bool f = false;
    ASSERT_TRUE(CzytajDaneXMLZBajtow(ob, xml, k, f));
    EXPECT_EQ(ob.parametry.Tytul, "Żółw");
    ASSERT_TRUE(CzytajDaneXMLZBajtow(ob, "\xEF\xBB\xBF<a><Tytul>Łódź</Tytul></a>", k, f));
    EXPECT_EQ(ob.parametry.Tytul, "Łódź");
}

TEST(DaneXML, RouteTextIsTakenAsItStands) {
    Obiekt ob;
    zbudujOsiedle(ob);
    RejestratorKomunikatow k;
    ASSERT_TRUE(czytaj(ob, dokument("<MojaTrasa>S1,A, B</MojaTrasa>"), k));
    ASSERT_EQ(ob.trasa.size(), 3u);
    EXPECT_EQ(ob.trasa[1].wezel, "A");
    EXPECT_DOUBLE_EQ(ob.trasa[1].dlugosc, 120.5);
    EXPECT_EQ(ob.trasa[2].wezel, " B");
}

TEST(DaneXML, UnencodableCharacterRefusesTheSaveAndKeepsTheOldFile) {
    Folder f;
    const std::string p = f.plik("dane.xml");
    zapisz(p, "stare dane");
    Obiekt ob;
    zbudujOsiedle(ob);
    ob.Grid.ustawTekst(kol::NazwaOdcinka, 2, "Улица");
    RejestratorKomunikatow k;
    EXPECT_FALSE(ZapiszDaneXML(ob, p, k));
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_EQ(k.wpisy[0].rodzaj, RejestratorKomunikatow::Rodzaj::BladWeWy);
    EXPECT_NE(k.wpisy[0].tekst.find("nie występuje w kodzie Windows-1250"), std::string::npos);
    EXPECT_EQ(bajty(p), "stare dane");
    EXPECT_EQ(std::distance(fs::directory_iterator(f.sciezka), fs::directory_iterator()), 1);
}

TEST(DaneXML, WriteAndReadThroughFiles) {
    Folder f;
    const std::string p = f.plik("osiedle.xml");
    Obiekt a;
    zbudujOsiedle(a);
    RejestratorKomunikatow k;
    ASSERT_TRUE(ZapiszDaneXML(a, p, k));
    EXPECT_EQ(bajty(p), bajtyDanych(a));
    Obiekt b;
    bool konczyc = false;
    ASSERT_TRUE(CzytajDaneXML(b, p, k, konczyc));
    EXPECT_EQ(b.Grid.tekst(kol::WezelKonc, 6), "E");
    EXPECT_FALSE(CzytajDaneXML(b, f.plik("brak.xml"), k, konczyc));
    EXPECT_FALSE(CzytajDaneXML(b, "", k, konczyc));
    EXPECT_FALSE(ZapiszDaneXML(a, f.plik("nie/ma/folderu.xml"), k));
    EXPECT_EQ(k.wpisy.back().rodzaj, RejestratorKomunikatow::Rodzaj::BladWeWy);
}

TEST(DaneXML, ExampleFileReadsAndWritesBackUnchanged) {
    const std::string p = std::string(KELMOR_EXAMPLES_DIR) + "/osiedle.xml";
    Obiekt ob;
    RejestratorKomunikatow k;
    bool konczyc = false;
    ASSERT_TRUE(CzytajDaneXML(ob, p, k, konczyc));
    EXPECT_TRUE(k.wpisy.empty());
    EXPECT_GE(ob.Grid.liczbaWierszy(), 10);
    EXPECT_EQ(bajtyDanych(ob), bajty(p));
}

TEST(DaneXML, LineBreaksInsideTextsComeBackUnchanged) {
    Obiekt a;
    a.parametry.Tytul = "linia 1\r\nlinia 2\rkoniec\n";
    a.Grid.ustawTekst(kol::NazwaOdcinka, 1, "  dwie spacje ");
    const std::string b1 = bajtyDanych(a);
    Obiekt b;
    RejestratorKomunikatow k;
    bool f = false;
    ASSERT_TRUE(CzytajDaneXMLZBajtow(b, b1, k, f));
    EXPECT_EQ(b.parametry.Tytul, a.parametry.Tytul);
    EXPECT_EQ(b.Grid.tekst(kol::NazwaOdcinka, 1), "  dwie spacje ");
    EXPECT_EQ(bajtyDanych(b), b1);
}

TEST(DaneXML, EstateExampleIsTheNetworkOfTheDataFile) {
    const std::string ex = KELMOR_EXAMPLES_DIR;
    Obiekt ob;
    RejestratorKomunikatow k;
    ASSERT_TRUE(CzytajPlikDanych(ob, k, ex + "/osiedle.gaz"));
    ASSERT_TRUE(CzytajKatalogRur(ob, k, ex + "/rury.rur"));
    EXPECT_EQ(bajtyDanych(ob), bajty(ex + "/osiedle.xml"));
}
