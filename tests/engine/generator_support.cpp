#include "engine/Generator.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "engine/SiecTestowa.h"

namespace kelmor::test {

namespace {

struct RuraKatalogu {
    const char* Dn;
    double Dzew, gru, chropo;
};

// PE (SDR 11) and steel pipes.
const std::vector<RuraKatalogu> kKatalog = {
    {"PE25", 25, 2.3, 0.01},    {"PE32", 32, 3.0, 0.01},    {"PE40", 40, 3.7, 0.01},
    {"PE63", 63, 5.8, 0.01},    {"PE90", 90, 8.2, 0.01},    {"PE110", 110, 10.0, 0.01},
    {"PE160", 160, 14.6, 0.01}, {"PE225", 225, 20.5, 0.01}, {"St150", 168.3, 4.5, 0.1},
    {"St200", 219.1, 5.9, 0.1}, {"St250", 273.0, 6.3, 0.1}, {"St300", 323.9, 7.1, 0.1},
    {"St400", 406.4, 8.8, 0.1}, {"St500", 508.0, 11.0, 0.1}};

}  // namespace

void generujSiec(Obiekt& ob, const ParametryGeneratora& p) {
    std::mt19937 los(p.ziarno);
    auto rownomierny = [&](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(los);
    };
    auto calkowity = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(los); };

    const int S = std::max(1, p.zrodla);
    const int n = p.odcinki - p.oczka + S;  // nodes
    const int w = static_cast<int>(std::ceil(std::sqrt(double(n))));
    auto sasiedzi = [&](int v, std::vector<int>& out) {
        out.clear();
        const int x = v % w, y = v / w;
        if (x > 0) out.push_back(v - 1);
        if (x + 1 < w && v + 1 < n) out.push_back(v + 1);
        if (y > 0) out.push_back(v - w);
        if (v + w < n) out.push_back(v + w);
    };

    // Sources spread over the grid.
    std::vector<int> zrodla;
    for (int i = 0; i < S; ++i) zrodla.push_back(static_cast<int>((i + 0.5) * n / S));
    // Random spanning forest grown from the sources.
    std::vector<int> rodzic(n, -2), kolejnosc;
    std::vector<std::pair<int, int>> brzeg;  // (from, to)
    std::vector<int> sas;
    for (int z : zrodla) {
        rodzic[z] = -1;
        kolejnosc.push_back(z);
        sasiedzi(z, sas);
        for (int t : sas) brzeg.push_back({z, t});
    }
    while (!brzeg.empty()) {
        const int i = calkowity(0, static_cast<int>(brzeg.size()) - 1);
        const auto [a, b] = brzeg[i];
        brzeg[i] = brzeg.back();
        brzeg.pop_back();
        if (rodzic[b] != -2) continue;
        rodzic[b] = a;
        kolejnosc.push_back(b);
        sasiedzi(b, sas);
        for (int t : sas)
            if (rodzic[t] == -2) brzeg.push_back({b, t});
    }
    // Grid edges outside the forest close the loops.
    std::vector<std::pair<int, int>> dodatkowe;
    for (int v = 0; v < n; ++v) {
        sasiedzi(v, sas);
        for (int t : sas)
            if (t > v && rodzic[t] != v && rodzic[v] != t) dodatkowe.push_back({v, t});
    }
    std::shuffle(dodatkowe.begin(), dodatkowe.end(), los);
    if (static_cast<int>(dodatkowe.size()) > p.oczka) dodatkowe.resize(p.oczka);

    auto nazwa = [&](int v) {
        for (int i = 0; i < S; ++i)
            if (zrodla[i] == v) return "Z" + std::to_string(i + 1);
        return "W" + std::to_string(v);
    };

    // Loads of the nodes and the flows of the forest, for the diameters.
    std::vector<Odc> wezlowe(n);
    std::vector<double> obciazenie(n, 0);
    for (int v = 0; v < n; ++v) {
        Odc& o = wezlowe[v];
        o.L = rownomierny(40, 160);
        o.X = (v % w) * 100;
        o.Y = (v / w) * 100;
        o.rzedna = rownomierny(0, 30);
        if (p.tylkoJawne) {
            o.qOdc = rownomierny(0, 2);
            o.qWez = calkowity(0, 3) == 0 ? rownomierny(0, 10) : 0;
        } else {
            o.k8 = calkowity(0, 8);
            o.k9 = p.taryfy ? calkowity(0, 5) : 1.2;
            o.k10 = calkowity(0, 4);
            o.k11 = p.taryfy ? calkowity(0, 3) : 2.5;
            o.sklepy = calkowity(0, 9) == 0;
            o.qOdc = calkowity(0, 4) == 0 ? rownomierny(0, 3) : 0;
            o.qWez = calkowity(0, 49) == 0 ? rownomierny(0, 20) : 0;
        }
        obciazenie[v] = o.qOdc + o.qWez + (o.k8 * 1.2 + o.k10 * 2.5) * 0.25;
    }
    for (auto it = kolejnosc.rbegin(); it != kolejnosc.rend(); ++it)
        if (rodzic[*it] >= 0) obciazenie[rodzic[*it]] += obciazenie[*it];
    auto srednica = [&](double q, bool stal) {
        // Smallest pipe whose friction gradient at the source pressure stays
        // below 8 Pa/m (lambda about 0.02).
        const double gest = 0.78 * (p.cisnienieZrodla + 100) / 101.325;
        for (const auto& r : kKatalog) {
            if ((r.Dn[0] == 'S') != stal && r.Dzew < 150) continue;
            const double d = (r.Dzew - 2 * r.gru) / 1000;
            const double v = q / 3600 / (std::numbers::pi * d * d / 4) * 0.78 / gest;
            if (0.02 / d * gest * v * v / 2 < 8) return r;
        }
        return kKatalog.back();
    };

    std::vector<Odc> wiersze;
    int nr = 0;
    auto dodaj = [&](int a, int b, double q) {
        Odc o = wezlowe[b];
        o.nr = ++nr;
        o.S = nazwa(a);
        o.E = nazwa(b);
        const auto r = srednica(q * 1.5, calkowity(0, 3) == 0);
        o.Dn = rownomierny(0, 1) < p.udzialDoboru ? "0" : r.Dn;
        o.chropo = r.chropo;
        o.procent = calkowity(0, 4) == 0 ? 10 : 0;
        wiersze.push_back(o);
    };
    for (int v : kolejnosc) {
        if (rodzic[v] < 0) continue;
        dodaj(rodzic[v], v, obciazenie[v]);
        if (rownomierny(0, 1) < p.udzialOdwroconych) {
            // Written from its end: the columns of the end node now describe
            // the old start node.
            Odc& o = wiersze.back();
            std::swap(o.S, o.E);
            const Odc& a = wezlowe[rodzic[v]];
            o.qWez = a.qWez;
            o.X = a.X;
            o.Y = a.Y;
            o.rzedna = a.rzedna;
        }
    }
    // Loop rows drawn along the flow: from the node nearer to its source (by
    // tree depth, then by number), so that no circle of directions arises.
    std::vector<int> glebokosc(n, 0);
    for (int v : kolejnosc)
        if (rodzic[v] >= 0) glebokosc[v] = glebokosc[rodzic[v]] + 1;
    for (auto [a, b] : dodatkowe) {
        if (std::pair{glebokosc[b], b} < std::pair{glebokosc[a], a}) std::swap(a, b);
        dodaj(a, b, 0.6 * obciazenie[b] + 1);
    }
    if (p.wymieszaj) std::shuffle(wiersze.begin(), wiersze.end(), los);

    std::vector<Zrodlo> zr;
    for (int i = 0; i < S; ++i)
        zr.push_back({.nazwa = nazwa(zrodla[i]),
                      .p = p.cisnienieZrodla,
                      .rzedna = 10,
                      .X = (zrodla[i] % w) * 100,
                      .Y = (zrodla[i] / w) * 100});
    std::vector<Rura> kat;
    for (const auto& r : kKatalog) kat.push_back({r.Dn, r.Dzew, r.gru});
    ob.parametry.sposoby = p.taryfy ? 1 : 0;
    ob.parametry.PminDop = 50;
    ustawSiec(ob, wiersze, zr, kat);
}

}  // namespace kelmor::test
