#include "io/Gdo.h"

#include <optional>

#include "io/PlikiTekstowe.h"
#include "model/Kolumny.h"
#include "model/Liczby.h"
#include "model/Rekordy.h"
#include "model/Tekst.h"

namespace kelmor {

namespace {

const char* const kNaglowkiGDO[25] = {"odc",
                                      "nazwa_odc",
                                      "poczatek",
                                      "poczatek_id",
                                      "zrodlo_gazu_p",
                                      "koniec",
                                      "koniec_id",
                                      "zrodlo_gazu_k",
                                      "Dn",
                                      "liczba_komun",
                                      "Q1_komun",
                                      "liczba_ogrz",
                                      "Q1_ogrz",
                                      "pobor_odc",
                                      "pobor_wezl_pocz",
                                      "pobor_wezl_konc",
                                      "chrop",
                                      "Q",
                                      "v_pocz",
                                      "v_konc",
                                      "P_pocz",
                                      "P_konc",
                                      "delta_P",
                                      "liczba_Re",
                                      "wspolczynnik_tarcia"};

std::string polacz(const std::vector<std::string>& pola) {
    std::string r;
    for (std::size_t i = 0; i < pola.size(); ++i) {
        if (i) r += '\t';
        r += pola[i];
    }
    return r;
}

// The value of a flow or pressure-loss cell; an empty cell (a row without
// results) has none and stays empty.
bool liczbaKomorki(const std::string& tekst, std::optional<double>& v) {
    v.reset();
    if (przytnij(tekst).empty()) return true;
    v = naLiczbe(tekst);
    return v.has_value();
}

std::string zeZnakiem(const std::optional<double>& v, int znak) {
    return v ? formatOgolny(*v * znak, 8) : std::string();
}

}  // namespace

bool daneDlaGDO(const Obiekt& ob) {
    return ob.Grid.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, 1) != nullptr;
}

bool linieGDO(const Obiekt& ob, KanalKomunikatow& k, std::vector<std::string>& linie) {
    const Tabela& g = ob.Grid;
    linie.clear();
    linie.push_back(polacz({std::begin(kNaglowkiGDO), std::end(kNaglowkiGDO)}));
    for (int w = 1; w < g.liczbaWierszy(); ++w) {
        auto t = [&](int c) { return g.tekst(c, w); };
        std::optional<double> q, dp;
        for (int c : {kol::Qoblicz, kol::DeltaP}) {
            std::optional<double>& v = c == kol::Qoblicz ? q : dp;
            if (!liczbaKomorki(t(c), v)) {
                k.bladWeWy("Błąd w zapisie liczby: " + t(c) + " (wiersz " + std::to_string(w) +
                           "). Eksport do GDO nie został wykonany.");
                return false;
            }
        }
        const auto* kier = g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, w);
        const int znak = kier ? kier->znak : 1;
        const auto* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, w);
        const auto* nwk = g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, w);
        const std::string idP = nwp ? nwp->IdentyfikatorWezla : "";
        const std::string zrP = std::to_string(nwp ? nwp->WezelZrodlowy : 0);
        const std::string idK = nwk ? nwk->IdentyfikatorWezla : "";
        const std::string zrK = std::to_string(nwk ? nwk->WezelZrodlowy : 0);
        const std::string poborP = formatOgolny(nwp ? nwp->pobor : 0.0, 8);
        std::vector<std::string> p;
        p.reserve(25);
        const bool prosto = znak == 1;
        p.push_back(t(kol::NumerOdcinka));
        p.push_back(t(kol::NazwaOdcinka));
        p.push_back(prosto ? t(kol::WezelPocz) : t(kol::WezelKonc));
        p.push_back(prosto ? idP : idK);
        p.push_back(prosto ? zrP : zrK);
        p.push_back(prosto ? t(kol::WezelKonc) : t(kol::WezelPocz));
        p.push_back(prosto ? idK : idP);
        p.push_back(prosto ? zrK : zrP);
        p.push_back(t(kol::SrednicaNomin));
        for (int c = kol::LiczbaOdbiorCeleKom; c <= kol::JednostGrzanie; ++c) p.push_back(t(c));
        p.push_back(t(kol::PoborOdc));
        p.push_back(prosto ? poborP : t(kol::PoborWez));
        p.push_back(prosto ? t(kol::PoborWez) : poborP);
        p.push_back(t(kol::Chropo));
        p.push_back(prosto ? t(kol::Qoblicz) : zeZnakiem(q, znak));
        p.push_back(prosto ? t(kol::PredkoPocz) : t(kol::PredkoKonc));
        p.push_back(prosto ? t(kol::PredkoKonc) : t(kol::PredkoPocz));
        p.push_back(prosto ? t(kol::Ppocz) : t(kol::Pkonc));
        p.push_back(prosto ? t(kol::Pkonc) : t(kol::Ppocz));
        p.push_back(prosto ? t(kol::DeltaP) : zeZnakiem(dp, znak));
        p.push_back(t(kol::Re));
        p.push_back(t(kol::lambda));
        linie.push_back(polacz(p));
    }
    return true;
}

bool ZapiszWynikiGDO(const Obiekt& ob, const std::string& sciezka, KanalKomunikatow& k) {
    std::vector<std::string> linie;
    if (!linieGDO(ob, k, linie)) return false;
    return zapiszLinieWymiany(k, sciezka, linie);
}

}  // namespace kelmor
