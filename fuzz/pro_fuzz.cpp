// seeds: examples/*.pro tests/data/*.pro
// libFuzzer target: the PROFIL import as new data and then as changes over
// what it built, followed by the PROFIL and GDO exports of the result.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "io/Gdo.h"
#include "io/Profil.h"

using namespace kelmor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
    Obiekt ob;
    ob.ZrodlaGrid.ustawTekst(1, 1, "S1");
    RejestratorKomunikatow k;
    CzytajPROFILZBajtow(ob, wejscie, true, k);
    CzytajPROFILZBajtow(ob, wejscie, false, k);
    double pmin = 0, pmax = 0;
    zakresCisnien(ob, pmin, pmax);
    (void)liniePROFIL(ob, pmin, pmax, k);
    std::vector<std::string> linie;
    (void)linieGDO(ob, k, linie);
    return 0;
}
