// Fuzzes the pipe catalogue reader. A catalogue that reads and validates
// must give the same bytes when written, read again and written again.
// seeds: examples/*.rur tests/data/*.rur
#include <cstdint>
#include <string>

#include "io/KatalogRur.h"
#include "model/Walidacja.h"

using namespace kelmor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
    const std::string_view bajty(reinterpret_cast<const char*>(dane), n);
    Obiekt ob;
    RejestratorKomunikatow k;
    if (!czytajKatalogZTekstu(ob, k, bajty)) return 0;
    walidujTabele(ob, ob.RurGrid, k);
    if (ob.bladRur) return 0;
    std::string w1;
    if (!tekstKataloguRur(ob, k, w1)) return 0;
    Obiekt ob2;
    if (!czytajKatalogZTekstu(ob2, k, w1)) __builtin_trap();
    std::string w2;
    if (!tekstKataloguRur(ob2, k, w2)) __builtin_trap();
    if (w1 != w2) __builtin_trap();
    return 0;
}
