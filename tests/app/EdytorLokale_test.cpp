// The editor reads and writes numbers with a point whatever the process locale.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/EdycjaObiektu.h"
#include "app/EdycjaTabeli.h"
#include "app/PomocEdytora.h"
#include "model/locale_support.h"

using namespace kelmor;
using namespace kelmor::test;
using ::testing::IsEmpty;

namespace {

TEST(Lokale, PointIsTheDecimalSeparatorUnderACommaLocale) {
    const std::string lokale = ustawLokalePrzecinkowe();
    if (lokale.empty()) GTEST_SKIP() << "no locale with a decimal comma could be made";
    Srodowisko s;
    EXPECT_EQ(s.e.pola.EddGazu, "0.6");
    EXPECT_EQ(wpiszDoKomorkiSieci(s.e, kol::DlugoscMetry, 1, "1,5"), "1.5");
    EXPECT_EQ(zmienPole(s.e, PoleObiektu::EddGazu, "0,55"), "0.55");
    EXPECT_DOUBLE_EQ(s.e.ob.parametry.dGazu, 0.55);
    odcinek(s.e, 1, "1", "A", "B");
    atrybuty(s.e, 1, "0", "0", "0", "0.5");
    odcinek(s.e, 2, "2", "B", "C", "");
    atrybuty(s.e, 2, "0", "30", "40", "0.5");
    obliczDlugoscZeWspolrzednych(s.e, 2);
    przywrocLokaleC();
    EXPECT_EQ(s.g().tekst(kol::DlugoscMetry, 2), "50.00");
    EXPECT_THAT(s.kanal.teksty(), IsEmpty());
}

}  // namespace
