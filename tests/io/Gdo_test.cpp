#include "io/Gdo.h"

#include <gtest/gtest.h>

#include "io/SiecWymiany.h"

using namespace kelmor;
using namespace wymiana;

namespace {

// Three rows as GDO prepared them and the calculation left them: row 2 was
// reversed (sign -1), row 3 is withdrawn and has no results.
void zbudujWynikiGDO(Obiekt& ob) {
    Tabela& g = ob.Grid;
    g.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    g.ustawLiczbeWierszy(4);
    ustawWiersz(
        g, 1, {"1",   "Główna", "S1",  "A",      "de110",  "120",   "10",     "0",   "0",   "0",
               "0",   "brak",   "0",   "0",      "0",      "120",   "112.50", "0.1", "Z=0", "45.2",
               "2.1", "2.3",    "2.3", "2.1234", "0.1766", "52340", "0.0312", "1"});
    ustawWiersz(g, 2,
                {"2",   "Leśna", "B",   "A",    "de90", "85",   "10",     "12",  "1.2", "8",
                 "2.1", "brak",  "0.5", "3.5",  "0",    "120",  "112.50", "0.1", "Z=0", "12.5",
                 "1.1", "1.2",   "2",   "2.31", "0.31", "8120", "0.0345", "2"});
    ustawWiersz(g, 3,
                {"3", "Ślepa", "C", "E", "de40", "40", "10", "3", "1.2", "3", "2.1", "brak", "0",
                 "0", "150", "200", "114.60", "0.1", "0 szt"});
    auto& p1 = g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, 1);
    p1.IdentyfikatorWezla = "G-S1";
    p1.WezelZrodlowy = 1;
    g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, 1).IdentyfikatorWezla = "G-A";
    auto& p2 = g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, 2);
    p2.IdentyfikatorWezla = "G-B";
    p2.pobor = 1.25;
    g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, 2).IdentyfikatorWezla = "G-A";
    g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, 1).identyfikator = "S1-A";
    auto& k2 = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, 2);
    k2.identyfikator = "A-B";
    k2.znak = -1;
    g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, 3).identyfikator = "C-E";
    g.zapewnijRekord<TWycof>(kol::NumerOdcinka, 3).wycofany = 1;
}

}  // namespace

TEST(Gdo, FileMatchesTheHandWrittenLayout) {
    Folder f;
    Obiekt ob;
    zbudujWynikiGDO(ob);
    RejestratorKomunikatow k;
    const std::string p = f.plik("wyniki.txt");
    ASSERT_TRUE(ZapiszWynikiGDO(ob, p, k));
    EXPECT_TRUE(k.wpisy.empty());
    EXPECT_EQ(bajty(p), bajty(std::string(KELMOR_TESTDATA_DIR) + "/gdo_oczekiwane.txt"));
}

TEST(Gdo, ReversedRowSwapsEndsAndNegatesFlowAndLoss) {
    Obiekt ob;
    zbudujWynikiGDO(ob);
    RejestratorKomunikatow k;
    std::vector<std::string> linie;
    ASSERT_TRUE(linieGDO(ob, k, linie));
    ASSERT_EQ(linie.size(), 4u);
    EXPECT_NE(linie[2].find("\tA\tG-A\t0\tB\tG-B\t0\t"), std::string::npos);
    EXPECT_NE(linie[2].find("\t-12.5\t1.2\t1.1\t2.31\t2\t-0.31\t"), std::string::npos);
}

TEST(Gdo, DataWithoutDirectionRecordsAreNotFromGdo) {
    Obiekt ob;
    EXPECT_FALSE(daneDlaGDO(ob));
    zbudujWynikiGDO(ob);
    EXPECT_TRUE(daneDlaGDO(ob));
}

TEST(Gdo, FlowThatIsNotANumberWritesNothingAndKeepsTheOldFile) {
    Folder f;
    const std::string p = f.plik("wyniki.txt");
    zapisz(p, "poprzedni eksport");
    Obiekt ob;
    zbudujWynikiGDO(ob);
    ob.Grid.ustawTekst(kol::DeltaP, 2, "????");
    RejestratorKomunikatow k;
    EXPECT_FALSE(ZapiszWynikiGDO(ob, p, k));
    ASSERT_EQ(k.wpisy.size(), 1u);
    EXPECT_EQ(k.wpisy[0].rodzaj, RejestratorKomunikatow::Rodzaj::BladWeWy);
    EXPECT_NE(k.wpisy[0].tekst.find("Błąd w zapisie liczby: ????"), std::string::npos);
    EXPECT_EQ(bajty(p), "poprzedni eksport");
}
