#include "model/Trasa.h"

#include <unordered_map>

#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

// First row joining two nodes, in either direction (as znajdzOdcinek looks
// for it), for every pair at once: a long route must not cost a pass over
// the table per node.
class IndeksOdcinkow {
  public:
    explicit IndeksOdcinkow(const Obiekt& ob) {
        const Tabela& g = ob.Grid;
        for (int w = 1; w < g.liczbaWierszy(); ++w)
            pierwszy_.emplace(klucz(nazwaWezla(g.tekst(kol::WezelPocz, w)),
                                    nazwaWezla(g.tekst(kol::WezelKonc, w))),
                              w);
    }
    int znajdz(const std::string& a, const std::string& b) const {
        const auto it = pierwszy_.find(klucz(nazwaWezla(a), nazwaWezla(b)));
        return it == pierwszy_.end() ? 0 : it->second;
    }

  private:
    static std::string klucz(const std::string& a, const std::string& b) {
        return a < b ? a + '\n' + b : b + '\n' + a;
    }
    std::unordered_map<std::string, int> pierwszy_;
};

}  // namespace

void trasaZNazw(Obiekt& ob, KanalKomunikatow& k, const std::vector<std::string>& nazwy) {
    ob.trasa.clear();
    ob.trasa.reserve(nazwy.size());
    const IndeksOdcinkow indeks(ob);
    for (std::size_t i = 0; i < nazwy.size(); ++i) {
        TMojaTr wpis;
        wpis.wezel = pierwszeZnaki(nazwy[i], DlugoscNazwy);
        if (i > 0) {
            const std::string& poprzedni = ob.trasa.back().wezel;
            double dlugosc = 0;
            // Names are compared exactly; the table holds them trimmed.
            const bool przyciete =
                poprzedni == przytnij(poprzedni) && wpis.wezel == przytnij(wpis.wezel);
            const int w = przyciete ? indeks.znajdz(poprzedni, wpis.wezel) : 0;
            // The dialogs of znajdzOdcinek, for the row it would find.
            if (w == 0)
                k.informacja("Nie ma takiego odcinka: (" + poprzedni + " - " + wpis.wezel + ")");
            else if (wierszWycofany(ob.Grid, w))
                k.informacja("Odcinek (" + poprzedni + " - " + wpis.wezel + ") czasowo wycofany");
            else
                dlugosc = naLiczbe(ob.Grid.tekst(kol::DlugoscMetry, w)).value_or(0);
            wpis.dlugosc = dlugosc;
        }
        ob.trasa.push_back(std::move(wpis));
    }
}

void trasaZTekstu(Obiekt& ob, KanalKomunikatow& k, const std::string& tekst) {
    std::vector<std::string> nazwy;
    if (!tekst.empty()) {
        std::size_t a = 0;
        for (;;) {
            const std::size_t b = tekst.find(',', a);
            if (b == std::string::npos) {
                nazwy.push_back(tekst.substr(a));
                break;
            }
            nazwy.push_back(tekst.substr(a, b - a));
            a = b + 1;
        }
    }
    trasaZNazw(ob, k, nazwy);
}

std::string tekstTrasy(const Obiekt& ob) {
    std::string t;
    for (std::size_t i = 0; i < ob.trasa.size(); ++i) {
        if (i) t += ',';
        t += ob.trasa[i].wezel;
    }
    return t;
}

}  // namespace kelmor
