// Preliminary analysis and calculation of generated meshed networks.
// Peak memory is the process's maximum resident set; run one size per
// process (--benchmark_filter) to read it per size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "engine/Analiza.h"
#include "engine/Generator.h"
#include "engine/Model.h"
#include "engine/Obliczenia.h"
#include "engine/SiecTestowa.h"
#include "model/Walidacja.h"

namespace {

using namespace kelmor;

class CichyKanal : public KanalKomunikatow {
  public:
    void informacja(const std::string&) override {}
    bool pytanie(const std::string&) override { return true; }
    void bladWeWy(const std::string&) override {}
};

double szczytPamieciMB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

void przygotujDane(Obiekt& ob, int odcinki, int oczka, KanalKomunikatow& k) {
    test::ParametryGeneratora p;
    p.odcinki = odcinki;
    p.oczka = oczka;
    p.zrodla = odcinki >= 10000 ? 2 : 1;
    test::generujSiec(ob, p);
    walidujTabele(ob, k);
    odswiezRekordyPoczatkowe(ob, false);
    ob.WezlyZmienione = false;
}

// Analysis only.
void BM_Analiza(benchmark::State& st) {
    CichyKanal k;
    Obiekt ob;
    przygotujDane(ob, static_cast<int>(st.range(0)), static_cast<int>(st.range(1)), k);
    for (auto _ : st) {
        ob.ListBoxAnalizaDanych.clear();
        benchmark::DoNotOptimize(analizaWstepna(ob, k));
    }
    st.counters["szczyt_MB"] = szczytPamieciMB();
}

// A fresh document holding the validated tables and parameters of `wzor`.
void kopiujDane(const Obiekt& wzor, Obiekt& ob) {
    ob.Grid = wzor.Grid;
    ob.ZrodlaGrid = wzor.ZrodlaGrid;
    ob.RurGrid = wzor.RurGrid;
    ob.parametry = wzor.parametry;
    ob.liczbaOdcinkow = wzor.liczbaOdcinkow;
    ob.liczbaZrodel = wzor.liczbaZrodel;
    ob.liczbaRur = wzor.liczbaRur;
}

// Analysis plus calculation from the same tables (diameters "0" are reset
// before every run so that the selection runs each time).
void BM_AnalizaIObliczenia(benchmark::State& st) {
    CichyKanal k;
    Obiekt wzor;
    przygotujDane(wzor, static_cast<int>(st.range(0)), static_cast<int>(st.range(1)), k);
    int przebiegi = 0;
    bool ok = true;
    for (auto _ : st) {
        st.PauseTiming();
        Obiekt ob;
        kopiujDane(wzor, ob);
        st.ResumeTiming();
        ok &= analizaWstepna(ob, k);
        const WynikObliczen w = obliczenia(ob, k, {.trybWsadowy = true});
        ok &= w.stan == WynikObliczen::Stan::Koniec;
        przebiegi = w.przebiegi;
        if (w.stan != WynikObliczen::Stan::Koniec) st.SetLabel(ob.LaRaport1 + " " + w.komunikat);
    }
    st.counters["przebiegi"] = przebiegi;
    st.counters["ok"] = ok;
    st.counters["szczyt_MB"] = szczytPamieciMB();
}

// Analysis of tables with 5 % of the tree rows written backwards, in random
// row order: the repair rebuilds the model once per circle of directions the
// flow summation meets.
void BM_AnalizaZNaprawa(benchmark::State& st) {
    CichyKanal k;
    Obiekt wzor;
    test::ParametryGeneratora p;
    p.odcinki = static_cast<int>(st.range(0));
    p.oczka = static_cast<int>(st.range(1));
    p.wymieszaj = true;
    p.udzialOdwroconych = 0.05;
    test::generujSiec(wzor, p);
    walidujTabele(wzor, k);
    odswiezRekordyPoczatkowe(wzor, false);
    std::size_t linie = 0;
    for (auto _ : st) {
        st.PauseTiming();
        Obiekt ob;
        kopiujDane(wzor, ob);
        st.ResumeTiming();
        benchmark::DoNotOptimize(analizaWstepna(ob, k));
        linie = ob.ListBoxAnalizaDanych.size();
    }
    st.counters["odwrocenia"] = static_cast<double>(linie);
    st.counters["szczyt_MB"] = szczytPamieciMB();
}

void rozmiary(benchmark::internal::Benchmark* b) {
    b->Args({1000, 100})->Args({5000, 500})->Args({10000, 1000})->Args({20000, 2000});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Analiza)->Apply(rozmiary);
BENCHMARK(BM_AnalizaIObliczenia)->Apply(rozmiary);
BENCHMARK(BM_AnalizaZNaprawa)->Args({1000, 100})->Args({5000, 500})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
