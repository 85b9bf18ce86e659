#include "engine/SiecTestowa.h"

#include "engine/Analiza.h"
#include "model/Liczby.h"
#include "model/Walidacja.h"

namespace kelmor::test {

namespace {
std::string L(double v) {
    return formatOgolny(v, 15);
}
}  // namespace

void ustawSiec(Obiekt& ob, const std::vector<Odc>& odc, const std::vector<Zrodlo>& zr,
               const std::vector<Rura>& katalog) {
    ob.nowaTabelaSieci();
    ob.Grid.ustawLiczbeWierszy(static_cast<int>(odc.size()) + 1);
    for (std::size_t i = 0; i < odc.size(); ++i) {
        const int w = static_cast<int>(i) + 1;
        const Odc& o = odc[i];
        ob.domyslneWiersza(w);
        Tabela& g = ob.Grid;
        g.ustawTekst(kol::NumerOdcinka, w, std::to_string(o.nr));
        g.ustawTekst(kol::WezelPocz, w, o.S);
        g.ustawTekst(kol::WezelKonc, w, o.E);
        g.ustawTekst(kol::SrednicaNomin, w, o.Dn);
        g.ustawTekst(kol::DlugoscMetry, w, L(o.L));
        g.ustawTekst(kol::ProcentDluNaOpory, w, L(o.procent));
        g.ustawTekst(8, w, L(o.k8));
        g.ustawTekst(9, w, L(o.k9));
        g.ustawTekst(10, w, L(o.k10));
        g.ustawTekst(11, w, L(o.k11));
        g.ustawTekst(kol::Sklepy, w, o.sklepy ? "jest" : "brak");
        g.ustawTekst(kol::PoborOdc, w, L(o.qOdc));
        g.ustawTekst(kol::PoborWez, w, L(o.qWez));
        g.ustawTekst(kol::X, w, std::to_string(o.X));
        g.ustawTekst(kol::Y, w, std::to_string(o.Y));
        g.ustawTekst(kol::RzednaTe, w, L(o.rzedna));
        g.ustawTekst(kol::Chropo, w, L(o.chropo));
        if (o.kompresor != 0) {
            auto& lo = g.zapewnijRekord<ListaOporow>(kol::IleOpo, w);
            lo.wpisy[kWpisKompresora].Par1 = o.kompresor;
            lo.wpisy[kWpisKompresora].Ile = 1;
        }
    }
    ob.nowaTabelaZrodel();
    ob.ZrodlaGrid.ustawLiczbeWierszy(static_cast<int>(std::max<std::size_t>(zr.size(), 1)) + 1);
    for (std::size_t i = 0; i < zr.size(); ++i) {
        const int w = static_cast<int>(i) + 1;
        ob.ZrodlaGrid.ustawTekst(kol::NazwaZrodla, w, zr[i].nazwa);
        ob.ZrodlaGrid.ustawTekst(kol::Pzrodla, w, L(zr[i].p));
        ob.ZrodlaGrid.ustawTekst(kol::RzednaTeZrodla, w, L(zr[i].rzedna));
        ob.ZrodlaGrid.ustawTekst(kol::Xzrodla, w, std::to_string(zr[i].X));
        ob.ZrodlaGrid.ustawTekst(kol::Yzrodla, w, std::to_string(zr[i].Y));
    }
    ob.nowyKatalog();
    ob.RurGrid.ustawLiczbeWierszy(static_cast<int>(std::max<std::size_t>(katalog.size(), 1)) + 1);
    for (std::size_t i = 0; i < katalog.size(); ++i) {
        const int w = static_cast<int>(i) + 1;
        ob.RurGrid.ustawTekst(kol::Dn, w, katalog[i].Dn);
        ob.RurGrid.ustawTekst(kol::Dzew, w, L(katalog[i].Dzew));
        ob.RurGrid.ustawTekst(kol::Gru, w, L(katalog[i].gru));
    }
    ob.ustawPotrzebnaAnaliza();
    ob.WezlyZmienione = true;
}

bool przygotuj(Obiekt& ob, KanalKomunikatow& k) {
    walidujTabele(ob, k);
    if (ob.WezlyZmienione) {
        odswiezRekordyPoczatkowe(ob, false);
        ob.WezlyZmienione = false;
    }
    const bool ok = analizaWstepna(ob, k);
    ob.PotrzebnaAnaliza = false;
    return ok;
}

int wierszOdcinka(const Obiekt& ob, int nr) {
    for (int w = 1; w < ob.Grid.liczbaWierszy(); ++w)
        if (ob.Grid.tekst(kol::NumerOdcinka, w) == std::to_string(nr)) return w;
    return 0;
}

}  // namespace kelmor::test
