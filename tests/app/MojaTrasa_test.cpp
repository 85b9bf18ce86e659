#include "app/MojaTrasa.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/PomocEdytora.h"

using namespace kelmor;
using namespace kelmor::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class Trasa : public ::testing::Test {
  protected:
    void SetUp() override {
        odcinek(s.e, 1, "1", "A", "B", "120.5");
        odcinek(s.e, 2, "2", "C", "B", "80");
        odcinek(s.e, 3, "3", "C", "D", "40");
        s.g().zapewnijRekord<TWycof>(kol::NumerOdcinka, 3).wycofany = 1;
    }
    bool dodaj(const std::string& nazwa) {
        zmienWezelTrasy(s.e, nazwa);
        return dodajWezelDoTrasy(s.e);
    }
    std::vector<TMojaTr>& trasa() { return s.e.ob.trasa; }
    Srodowisko s;
};

TEST_F(Trasa, NodesJoinedBySegmentsInEitherDirectionCarryTheirLengths) {
    EXPECT_TRUE(dodaj("A"));
    EXPECT_TRUE(dodaj(" B "));
    EXPECT_TRUE(dodaj("C"));  // C -> B is written against the route
    EXPECT_THAT(trasa(), ElementsAre(TMojaTr{"A", 0}, TMojaTr{"B", 120.5}, TMojaTr{"C", 80}));
    EXPECT_TRUE(s.e.ob.DaneZmienione);
    EXPECT_EQ(s.e.EdTempWez, "");
    EXPECT_EQ(s.e.wezelTrasy, "");
    EXPECT_EQ(s.e.okno.fokus, "EdTempWez");
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
}

TEST_F(Trasa, RefusedNodesLeaveTheRouteUnchanged) {
    struct Przypadek {
        const char* wezel;
        const char* dialog;
    };
    ASSERT_TRUE(dodaj("B"));
    for (const Przypadek& p : {Przypadek{"X", "Nie ma takiego węzła!"},
                               Przypadek{"D", "Nie ma takiego odcinka: (B - D)"},
                               Przypadek{"B", "Nie ma takiego odcinka: (B - B)"}}) {
        s.kanal.wyczysc();
        s.e.ob.DaneZmienione = false;
        EXPECT_FALSE(dodaj(p.wezel));
        EXPECT_THAT(s.kanal.teksty(), ElementsAre(p.dialog));
        EXPECT_THAT(trasa(), ElementsAre(TMojaTr{"B", 0}));
        EXPECT_FALSE(s.e.ob.DaneZmienione);
        EXPECT_EQ(s.e.EdTempWez, p.wezel);  // the field keeps the name
    }
    ASSERT_TRUE(dodaj("C"));
    s.kanal.wyczysc();
    EXPECT_FALSE(dodaj("D"));
    EXPECT_THAT(s.kanal.teksty(), ElementsAre("Odcinek (C - D) czasowo wycofany"));
}

TEST_F(Trasa, NothingHappensWithOneSegmentRowOrAnEmptyName) {
    EXPECT_FALSE(dodaj(""));
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
    s.g().ustawLiczbeWierszy(2);
    EXPECT_FALSE(dodaj("A"));
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
    EXPECT_THAT(trasa(), IsEmpty());
}

TEST_F(Trasa, TooLongNameIsCutWithItsDialog) {
    odcinek(s.e, 4, "4", "B", "Węzeł1234567890AB");
    zmienWezelTrasy(s.e, "Węzeł1234567890ABC");
    EXPECT_THAT(
        s.kanal.teksty(),
        ElementsAre("Przekroczenie maksymalnej długości nazwy (do 16 znaków): Węzeł1234567890ABC"));
    EXPECT_EQ(s.e.wezelTrasy, "Węzeł1234567890A");
}

TEST_F(Trasa, RemovingTheLastNodeAndClearing) {
    ASSERT_TRUE(dodaj("A"));
    s.e.ob.DaneZmienione = false;
    usunOstatniWezelTrasy(s.e);
    EXPECT_THAT(trasa(), IsEmpty());
    EXPECT_TRUE(s.e.ob.DaneZmienione);

    s.e.ob.DaneZmienione = false;
    usunOstatniWezelTrasy(s.e);
    kasujTrase(s.e);
    EXPECT_FALSE(s.e.ob.DaneZmienione);  // nothing to remove
    EXPECT_EQ(s.e.okno.fokus, "EdTempWez");

    ASSERT_TRUE(dodaj("A"));
    ASSERT_TRUE(dodaj("B"));
    s.e.ob.DaneZmienione = false;
    kasujTrase(s.e);
    EXPECT_THAT(trasa(), IsEmpty());
    EXPECT_TRUE(s.e.ob.DaneZmienione);
}

}  // namespace
