#include "app/Przygotowanie.h"

#include <algorithm>
#include <optional>

#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

#include "engine/Analiza.h"
#include "engine/Obliczenia.h"
#include "engine/Strata.h"

namespace kelmor {

namespace {

// Integer coordinate of a cell; an empty cell or "-" is 0, a cell that is
// not an integer does not count.
std::optional<int> wspolrzedna(const Tabela& t, int kol, int wiersz) {
    const std::string s = przytnij(t.tekst(kol, wiersz));
    if (s.empty() || s == "-") return 0;
    if (auto v = naCalkowita(s)) return *v;
    return std::nullopt;
}

struct Zbieracz {
    ZakresXY z;
    void x(std::optional<int> v) {
        if (!v) return;
        z.minX = std::min(z.minX, *v);
        z.maxX = std::max(z.maxX, *v);
    }
    void y(std::optional<int> v) {
        if (!v) return;
        z.minY = std::min(z.minY, *v);
        z.maxY = std::max(z.maxY, *v);
    }
};

}  // namespace

void zakresWspolrzednych(Edytor& ed) {
    Obiekt& ob = ed.ob;
    const Tabela& g = ob.Grid;
    Zbieracz zb;
    const int odcinki = std::min(ob.liczbaOdcinkow, g.liczbaWierszy() - 1);
    for (int w = 1; w <= odcinki; ++w) {
        if (wierszWycofany(g, w)) continue;
        zb.x(wspolrzedna(g, kol::X, w));
        zb.y(wspolrzedna(g, kol::Y, w));
        if (const auto* p = g.rekordTypu<TdaneNWP>(kol::WezelPocz, w); p && !p->niepodlaczony) {
            zb.x(p->X);
            zb.y(p->Y);
        }
    }
    const Tabela& zr = ob.ZrodlaGrid;
    const int zrodla = std::min(ob.liczbaZrodel, zr.liczbaWierszy() - 1);
    for (int w = 1; w <= zrodla; ++w) {
        zb.x(wspolrzedna(zr, kol::Xzrodla, w));
        zb.y(wspolrzedna(zr, kol::Yzrodla, w));
    }
    ob.zakres = zb.z;
    // 64-bit spans: the extremes may lie at both ends of the integer range.
    const long long szerokosc = static_cast<long long>(zb.z.maxX) - zb.z.minX;
    const long long wysokosc = static_cast<long long>(zb.z.maxY) - zb.z.minY;
    ob.BrakWspolrzednych = !(szerokosc > 5 || wysokosc >= 6);
    ed.okno.BuSchemat = !ob.BrakWspolrzednych;
}

bool przygotujObliczenia(Edytor& ed, const PanelTrwa& panel) {
    Obiekt& ob = ed.ob;
    walidujTabele(ob, ed.kanal);  // also "Brak opisu źródeł"
    const bool analiza = ob.PotrzebnaAnaliza;
    if (analiza) zakresWspolrzednych(ed);
    if (ob.WezlyZmienione) {
        odswiezRekordyPoczatkowe(ob, false);
        ob.WezlyZmienione = false;
    }
    if (analiza) {
        if (panel) panel(true, "Trwa wstępna analiza danych. Proszę czekać.");
        ed.okno.BuOblicz = analizaWstepna(ob, ed.kanal);
        if (panel) panel(false, "");
        ob.PotrzebnaAnaliza = false;
        ed.wyczyscWyniki();
    }
    return ed.okno.BuOblicz;
}

RodzajWyniku rodzajWyniku(const Obiekt& ob) {
    if (ob.LaRaport1 == "Koniec obliczeń") return RodzajWyniku::Koniec;
    if (ob.LaRaport1 == "Nie uzyskano wymaganej dokładności obliczeń.")
        return RodzajWyniku::NieDokladne;
    if (ob.LaRaport1.rfind("Przerwano na etapie", 0) == 0) return RodzajWyniku::Przerwano;
    return RodzajWyniku::NieZakonczone;
}

RodzajWyniku wykonajObliczenia(Edytor& ed, bool wsadowy, const PanelTrwa& panel) {
    Obiekt& ob = ed.ob;
    ob.ListBoxWyni.clear();
    ob.LaRaport1.clear();
    ob.LaRaport2.clear();
    if (!ed.okno.BuOblicz) {
        // The analysis found the network unusable: say so instead of calculating.
        ed.wyczyscWyniki();
        ob.LaRaport1 = "Obliczenia nie zostały zakończone.";
        ob.LaRaport2 = "Wstępna analiza danych nie dopuszcza obliczeń";
        if (!ob.ListBoxAnalizaDanych.empty()) ob.LaRaport2 += ": " + ob.ListBoxAnalizaDanych.back();
        return RodzajWyniku::NieZakonczone;
    }
    OpcjeObliczen opcje;
    opcje.trybWsadowy = wsadowy;
    if (panel) panel(true, "Trwają obliczenia. Proszę czekać.");
    const WynikObliczen wynik = obliczenia(ob, ed.kanal, opcje);
    if (panel) panel(false, "");
    RodzajWyniku w = RodzajWyniku::Koniec;
    switch (wynik.stan) {
        case WynikObliczen::Stan::Koniec:
            w = RodzajWyniku::Koniec;
            break;
        case WynikObliczen::Stan::NieDokladne:
            w = RodzajWyniku::NieDokladne;
            break;
        case WynikObliczen::Stan::Przerwane:
            // During the sweeps the labels name the stage; after them the
            // calculation counts as not finished.
            w = wynik.przerwanoWOdcinku ? RodzajWyniku::Przerwano : RodzajWyniku::NieZakonczone;
            break;
    }
    const bool wyniki = w == RodzajWyniku::Koniec || w == RodzajWyniku::NieDokladne;
    ed.okno.BuRozklad = wyniki && !ob.BrakWspolrzednych;
    ed.okno.BuLiCi = wyniki;
    ed.okno.BuDruWyni = wyniki;
    return w;
}

std::string wpisWzoru(int indeks) {
    const auto& wpisy = tekstyWzorow();
    if (indeks < 0 || indeks >= static_cast<int>(wpisy.size())) return {};
    return wpisy[static_cast<std::size_t>(indeks)];
}

void ustawOpisMetody(Edytor& ed) {
    const Wzory& w = ed.ob.parametry.wzory;
    switch (w.metoda) {
        case 1:
            ed.ob.OpisMetody = "Metoda uniwersalna";
            ed.okno.LaJakiWzorWidoczny = false;
            break;
        case 2: {
            ed.okno.LaJakiWzorWidoczny = true;
            const std::string wpis = wpisWzoru(w.wzor);
            if (wpis.empty()) {
                ed.okno.LaJakiWzor = "Nie wybrano wzoru";
                ed.ob.OpisMetody = "Nie wybrano wzoru";
            } else {
                ed.okno.LaJakiWzor = "Wybrano wzór " + wpis;
                ed.ob.OpisMetody = "Wzór " + wpis;
            }
            break;
        }
        default:
            ed.ob.OpisMetody = "Metoda dokładna";
            ed.okno.LaJakiWzorWidoczny = false;
            break;
    }
}

}  // namespace kelmor
