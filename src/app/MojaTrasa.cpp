#include "app/MojaTrasa.h"

#include "model/Walidacja.h"

namespace kelmor {

void zmienWezelTrasy(Edytor& e, const std::string& tekst) {
    e.EdTempWez = tekst;
    e.wezelTrasy = parsujNazwe(e.kanal, tekst);
}

bool dodajWezelDoTrasy(Edytor& e) {
    Obiekt& ob = e.ob;
    e.okno.fokus = "EdTempWez";
    if (ob.Grid.liczbaWierszy() <= 2) return false;
    const std::string wezel = e.wezelTrasy;
    // An empty name would match the empty row at the end of the table.
    if (wezel.empty()) return false;
    if (!wezelIstnieje(ob, e.kanal, wezel)) return false;
    double dlugosc = 0;
    if (!ob.trasa.empty()) {
        const std::string& ostatni = ob.trasa.back().wezel;
        if (znajdzOdcinek(ob, e.kanal, ostatni, wezel, dlugosc) == 0) return false;
    }
    ob.trasa.push_back({wezel, dlugosc});
    ob.DaneZmienione = true;
    e.EdTempWez.clear();
    e.wezelTrasy.clear();
    return true;
}

void usunOstatniWezelTrasy(Edytor& e) {
    e.okno.fokus = "EdTempWez";
    if (e.ob.trasa.empty()) return;
    e.ob.trasa.pop_back();
    e.ob.DaneZmienione = true;
}

void kasujTrase(Edytor& e) {
    e.okno.fokus = "EdTempWez";
    if (e.ob.trasa.empty()) return;
    e.ob.trasa.clear();
    e.ob.DaneZmienione = true;
}

}  // namespace kelmor
