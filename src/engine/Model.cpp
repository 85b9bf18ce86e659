#include "engine/Model.h"

namespace kelmor {

TablicaOsi pustaGridOsie() {
    TablicaOsi t{};
    t[0] = {"Liczba", "Liczba", "Liczba", "Liczba", "Suma", "Suma"};
    t[1] = {"źródeł", "odcinków", "węzłów", "oczek", "poborów", "długości"};
    return t;
}

ModelSieci::ModelSieci() = default;

void ModelSieci::wyczysc() {
    korzenie.clear();
    oczka.clear();
    odcinki.clear();
    wezly.clear();
    LiczbaOczek = 0;
    LiczbaWezlow = 0;
    SumaPoborow = 0;
    SumaDlugosci = 0;
    Lmax = 0;
    WezelLmax.clear();
    SaWyniki = false;
    CisnienieMinimalne = CisnienieMaksymalne = StrumienMaksymalny = 0;
}

ModelSieci* modelSieci(Obiekt& ob) {
    return dynamic_cast<ModelSieci*>(ob.model.get());
}
const ModelSieci* modelSieci(const Obiekt& ob) {
    return dynamic_cast<const ModelSieci*>(ob.model.get());
}

ModelSieci& zapewnijModel(Obiekt& ob) {
    if (auto* m = modelSieci(ob)) return *m;
    auto nowy = std::make_unique<ModelSieci>();
    ModelSieci& r = *nowy;
    ob.model = std::move(nowy);
    return r;
}

dzialka* rodzic(const dzialka* s) {
    if (!s || s->pseudo()) return nullptr;
    const dzialka* d = s;
    while (!d->Ostatni) d = d->Nastepny;
    return d->Nastepny;
}

}  // namespace kelmor
