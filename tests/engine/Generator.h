#pragma once
// Generator of realistic meshed gas networks for benchmarks and large tests:
// nodes on a street grid, a random spanning forest grown from the sources,
// extra grid edges closing loops, household or tariff consumers and explicit
// demands, a PE and steel catalogue, and "0" diameters on part of the rows.
#include <cstdint>

#include "model/Obiekt.h"

namespace kelmor::test {

struct ParametryGeneratora {
    int odcinki = 1000;
    int oczka = 100;
    int zrodla = 1;
    double udzialDoboru = 0.2;     // share of rows with diameter "0"
    bool taryfy = false;           // tariff demand model instead of households
    bool tylkoJawne = false;       // explicit demands only (columns 13, 14)
    bool wymieszaj = false;        // rows in random order
    double udzialOdwroconych = 0;  // share of tree rows written backwards
    double cisnienieZrodla = 400;  // kPa gauge
    uint32_t ziarno = 12345;
};

// Writes the three tables of a generated network (validation and the
// start-node refresh are left to the caller, as after loading a file).
void generujSiec(Obiekt& ob, const ParametryGeneratora& p);

}  // namespace kelmor::test
