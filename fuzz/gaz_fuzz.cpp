// Fuzzes the data file reader. A file that reads and validates must also
// survive a round trip: written, read again and written again it gives the
// same bytes.
// seeds: examples/*.gaz examples/*.gas tests/data/*.gaz tests/data/*.gas
#include <cstdint>
#include <string>

#include "io/PlikDanych.h"
#include "model/Walidacja.h"

using namespace kelmor;

namespace {

// Names with blanks or control characters inside cannot stand first in a
// file (the first line is split at blanks), so such files are only read.
bool zwykleNazwy(const Obiekt& ob) {
    auto zwykla = [](const std::string& s) {
        for (char c : s)
            if (static_cast<unsigned char>(c) <= ' ') return false;
        return !s.empty();
    };
    for (int w = 1; w <= ob.liczbaZrodel; ++w)
        if (!zwykla(ob.ZrodlaGrid.tekst(kol::NazwaZrodla, w))) return false;
    for (int w = 1; w <= ob.liczbaOdcinkow; ++w)
        for (int k : {kol::WezelPocz, kol::WezelKonc, kol::SrednicaNomin})
            if (!zwykla(ob.Grid.tekst(k, w))) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t n) {
    const std::string_view bajty(reinterpret_cast<const char*>(dane), n);
    Obiekt ob;
    RejestratorKomunikatow k;
    if (!czytajDaneZTekstu(ob, k, bajty)) return 0;
    walidujTabele(ob, ob.ZrodlaGrid, k);
    walidujTabele(ob, ob.Grid, k);
    if (ob.bladZrodel || ob.bladGrid || !zwykleNazwy(ob)) return 0;
    std::string w1;
    if (!tekstPlikuDanych(ob, k, w1)) return 0;
    Obiekt ob2;
    if (!czytajDaneZTekstu(ob2, k, w1)) __builtin_trap();
    std::string w2;
    if (!tekstPlikuDanych(ob2, k, w2)) __builtin_trap();
    if (w1 != w2) __builtin_trap();
    return 0;
}
