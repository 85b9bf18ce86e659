// Generated meshed networks: conservation checks on whole networks.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/Analiza.h"
#include "engine/Generator.h"
#include "engine/Model.h"
#include "engine/Obliczenia.h"
#include "engine/SiecTestowa.h"
#include "model/Liczby.h"

namespace kelmor {
namespace {

struct Przypadek {
    int odcinki, oczka, zrodla;
    bool wymieszaj;
};

class SiecDuza : public ::testing::TestWithParam<Przypadek> {};

TEST_P(SiecDuza, BilansWezlowIZamkniecieOczek) {
    const Przypadek c = GetParam();
    Obiekt ob;
    RejestratorKomunikatow k;
    test::ParametryGeneratora p;
    p.odcinki = c.odcinki;
    p.oczka = c.oczka;
    p.zrodla = c.zrodla;
    p.tylkoJawne = true;
    p.wymieszaj = c.wymieszaj;
    test::generujSiec(ob, p);
    ASSERT_TRUE(test::przygotuj(ob, k));
    const ModelSieci& m = *modelSieci(ob);
    ASSERT_EQ(m.LiczbaOczek, c.oczka);
    const WynikObliczen w = obliczenia(ob, k, {.trybWsadowy = true});
    ASSERT_EQ(w.stan, WynikObliczen::Stan::Koniec) << ob.LaRaport2;

    // Flow balance at every node from the model's flows.
    std::map<std::string, double> bilans, pobor;
    for (const dzialka* r : m.korzenie) bilans[r->WezelKonc->Nazwa] += r->Q;
    dlaKazdegoOdcinka(m, [&](const dzialka& d) {
        bilans[d.WezelPocz->Nazwa] -= d.Q;
        bilans[d.WezelKonc->Nazwa] += d.Q;
        pobor[d.WezelPocz->Nazwa] += 0.5 * d.PoborOdc;
        pobor[d.WezelKonc->Nazwa] += 0.5 * d.PoborOdc;
    });
    for (int r = 1; r <= ob.liczbaOdcinkow; ++r) pobor[ob.Grid.tekst(kol::WezelKonc, r)] += 0;
    std::map<std::string, double> wez;
    for (int r = 1; r <= ob.liczbaOdcinkow; ++r)
        wez[ob.Grid.tekst(kol::WezelKonc, r)] = *naLiczbe(ob.Grid.tekst(kol::PoborWez, r));
    for (const auto& [n, b] : bilans) ASSERT_NEAR(b, pobor[n] + wez[n], 1e-6) << n;

    // One pressure per node in every row touching it (kPa, 2 decimals:
    // 1 Pa plus the rounding of the two cells).
    std::map<std::string, double> cis;
    for (int r = 1; r <= ob.liczbaOdcinkow; ++r)
        for (auto [kn, kp] :
             {std::pair{kol::WezelPocz, kol::Ppocz}, std::pair{kol::WezelKonc, kol::Pkonc}}) {
            const std::string n = ob.Grid.tekst(kn, r);
            const double v = *naLiczbe(ob.Grid.tekst(kp, r));
            auto it = cis.find(n);
            if (it == cis.end()) {
                cis[n] = v;
            } else {
                ASSERT_NEAR(v, it->second, 0.001 + 0.01) << n;
            }
        }
    // Every loop closes within 1 Pa, from the model's node pressures.
    for (const oczko& o : m.oczka) {
        double h = o.CisnienieZrodla;
        for (const auto& s : o.skladniki)
            if (!s.odcinek->pseudo())
                h += s.znak * (s.odcinek->WezelPocz->Cisnienie - s.odcinek->WezelKonc->Cisnienie);
        ASSERT_LE(std::fabs(h) * 1000, 1.0 + 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Generowane, SiecDuza,
                         ::testing::Values(Przypadek{300, 30, 1, false},
                                           Przypadek{1000, 100, 2, false},
                                           Przypadek{400, 40, 1, true}));

}  // namespace
}  // namespace kelmor
