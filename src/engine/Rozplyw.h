#pragma once
// Design flows: consumer counts summed along the trees with simultaneity
// coefficients, explicit demands times `mnoznik`, split among the segments
// that feed a node by 1/sqrt(distance) weights.
#include "engine/Model.h"
#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Simultaneity coefficients for n consumers and urbanisation degree u (1..3).
double wspolczynnikJednoczesnosciKom(int u, double n);
double wspolczynnikJednoczesnosciGrz(int u, double n);
// Trade factors (household, heating) for urbanisation degree u.
double czynnikHandluKom(int u);
double czynnikHandluGrz(int u);

struct WynikSumowania {
    bool przerwano = false;   // "Podczas sumowania strumieni nastąpiło zapętlenie."
    bool przebudowa = false;  // a row was reversed
};

// Sums the flows from every root whose pseudo-segment still has Q = 9999999.
WynikSumowania sumujStrumienie(Obiekt& ob, ModelSieci& m, KanalKomunikatow& k);

}  // namespace kelmor
