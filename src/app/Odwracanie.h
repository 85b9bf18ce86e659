#pragma once
// Reversal of one row of the network description table: start and end node
// swap and every node keeps its attributes (demand, X, Y, elevation).
#include <string>
#include <vector>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Attributes of a node that, after a reversal, is found nowhere else in the
// tables; kept so that reversing the row back restores them. Texts are kept
// as typed so that a double reversal restores the cells exactly.
struct WezelWBuforze {
    std::string nazwa;
    std::string pobor, X, Y, rzedna;  // texts of columns 14, 15, 16, 17
    double dokladneX = 0, dokladneY = 0;
    bool maDokladne = false;
};

// At most 100 entries; when full the oldest entry gives way and the analysis
// list gets "Przepełnienie bufora węzłów".
struct BuforWezlowEdytora {
    static constexpr int kPojemnosc = 100;
    std::vector<WezelWBuforze> wpisy;
    void wyczysc() { wpisy.clear(); }
    int znajdz(const std::string& nazwa) const;  // index or -1
};

// Reverses row `wiersz` of ob.Grid (the caller marks the data changed).
// "dla węzła " + S + " trzeba podać komplet danych" when the new end node S
// has no known attributes and the column options need them.
void odwrocWiersz(Obiekt& ob, int wiersz, BuforWezlowEdytora& bufor, KanalKomunikatow& k);

}  // namespace kelmor
