#pragma once
// Small networks for the engine tests, written straight into the tables.
#include <string>
#include <vector>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor::test {

struct Odc {
    int nr = 0;
    std::string S, E;
    std::string Dn = "100";
    double L = 100;
    double qOdc = 0;  // column 13
    double qWez = 0;  // column 14
    double k8 = 0, k9 = 0, k10 = 0, k11 = 0;
    bool sklepy = false;
    double rzedna = 0;
    int X = 0, Y = 0;
    double chropo = 0.1;
    double procent = 0;
    double kompresor = 0;  // fitting entry 20
};

struct Zrodlo {
    std::string nazwa;
    double p = 100;  // gauge, object unit
    double rzedna = 0;
    int X = 0, Y = 0;
};

struct Rura {
    std::string Dn;
    double Dzew = 0, gru = 0;
};

// Writes the three tables (rows in the given order).
void ustawSiec(Obiekt& ob, const std::vector<Odc>& odc, const std::vector<Zrodlo>& zr,
               const std::vector<Rura>& katalog = {});
// Validates the tables, refreshes the start-node records and runs the
// preliminary analysis, as entering the tab "Obliczenia" does.
bool przygotuj(Obiekt& ob, KanalKomunikatow& k);

// Row of Grid whose column 1 holds nr (0 when none).
int wierszOdcinka(const Obiekt& ob, int nr);

}  // namespace kelmor::test
