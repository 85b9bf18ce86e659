#pragma once
// A small looped low-pressure estate network used by the exchange tests,
// and helpers for temporary folders and file bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/Kolumny.h"
#include "model/Obiekt.h"
#include "model/Rekordy.h"
#include "model/Walidacja.h"

namespace wymiana {

namespace fs = std::filesystem;
using namespace kelmor;

struct Folder {
    fs::path sciezka;
    Folder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        sciezka = fs::temp_directory_path() / ("kelmor_wymiana_" + std::to_string(::getpid()) +
                                               "_" + info->test_suite_name() + "_" + info->name());
        fs::remove_all(sciezka);
        fs::create_directories(sciezka);
    }
    ~Folder() {
        std::error_code ec;
        fs::permissions(sciezka, fs::perms::owner_all, ec);
        fs::remove_all(sciezka, ec);
    }
    std::string plik(const std::string& nazwa) const { return (sciezka / nazwa).string(); }
};

inline std::string bajty(const std::string& sciezka) {
    std::ifstream f(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void zapisz(const std::string& sciezka, const std::string& tresc) {
    std::ofstream f(sciezka, std::ios::binary);
    f << tresc;
}

// One row of the network table: columns 1..19.
struct Wiersz {
    std::vector<std::string> k;  // 19 texts, columns 1..19
};

inline void ustawWiersz(Tabela& g, int w, const std::vector<std::string>& k) {
    for (std::size_t i = 0; i < k.size(); ++i) g.ustawTekst(static_cast<int>(i) + 1, w, k[i]);
}

// The estate: one gas station S1, a loop A-B-C-D, a dead end C-E that is
// temporarily withdrawn, a four-entry catalogue, a route S1,A,B,C.
inline void zbudujOsiedle(Obiekt& ob) {
    Parametry& p = ob.parametry;
    p.Tytul = "Osiedle Łąkowe – sieć niskiego ciśnienia";
    p.ustawJednostke(2);
    p.PminDop = 1.8;
    p.ustawTemperature(8);
    p.ustawGestoscWzgledna(0.56);
    p.HsGazu = 39.5;
    p.urbanizacja = 2;
    p.mnoznik = 1.1;
    p.Q1W = {1.2, 3.3, 4.0, 4.2};

    Tabela& z = ob.ZrodlaGrid;
    z.ustawLiczbeWierszy(2);
    ustawWiersz(z, 1, {"S1", "2.5", "112.00", "0", "0"});

    Tabela& r = ob.RurGrid;
    r.ustawLiczbeWierszy(5);
    ustawWiersz(r, 1, {"de40", "40", "3.7"});
    ustawWiersz(r, 2, {"de63", "63", "5.8"});
    ustawWiersz(r, 3, {"de90", "90", "8.2"});
    ustawWiersz(r, 4, {"de110", "110", "10"});

    Tabela& g = ob.Grid;
    g.ustawLiczbeWierszy(7);
    //           Nr   nazwa        pocz  konc  Dn       L        %    8     9      10   11     12 13
    //           14    X     Y     rz        chr   opory
    ustawWiersz(g, 1,
                {"1", "Główna", "S1", "A", "de110", "120.5", "10", "0", "0", "0", "0", "brak", "0",
                 "0", "0", "120", "112.50", "0.1", "0 szt"});
    ustawWiersz(g, 2,
                {"2", "Leśna", "A", "B", "de90", "85", "10", "12", "1.2", "8", "2.1", "jest", "0",
                 "0", "90", "120", "113.20", "0.1", "0 szt"});
    ustawWiersz(g, 3,
                {"3", "Żytnia", "B", "C", "de63", "60", "10", "6", "1.2", "6", "2.1", "brak", "1.5",
                 "0", "90", "200", "114.00", "0.1", "0 szt"});
    ustawWiersz(g, 4,
                {"4", "Polna", "A", "D", "de63", "70", "10", "10", "1.2", "4", "2.1", "brak", "0",
                 "3.2", "0", "200", "113.80", "0.1", "0 szt"});
    ustawWiersz(g, 5,
                {"5", "", "D", "C", "de63", "90", "10", "0", "0", "0", "0", "brak", "0", "0", "90",
                 "200", "114.00", "0.1", "0 szt"});
    ustawWiersz(g, 6,
                {"6", "Ślepa", "C", "E", "de40", "40", "10", "3", "1.2", "3", "2.1", "brak", "0",
                 "0", "150", "200", "114.60", "0.1", "0 szt"});
    for (int w = 1; w <= 6; ++w) {
        auto& kier = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, w);
        kier.znak = 1;
        kier.identyfikator = g.tekst(kol::WezelPocz, w) + "-" + g.tekst(kol::WezelKonc, w);
        auto& nwk = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, w);
        nwk.dokladneX = std::stod(g.tekst(kol::X, w));
        nwk.dokladneY = std::stod(g.tekst(kol::Y, w));
        for (int c = kol::LiczbaOdbiorCeleKom; c <= kol::JednostGrzanie; ++c) {
            auto& t = g.zapewnijRekord<Ttaryfy>(c, w);
            t.komunalny = g.tekst(c, w);
            t.taryfowy = "0";
        }
    }
    // Start-node records: S1 from the source, the others from the row that ends there.
    auto nwp = [&](int w, int x, int y, double rz, double pobor) {
        auto& r = g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, w);
        r.X = x;
        r.Y = y;
        r.dokladneX = x;
        r.dokladneY = y;
        r.rzedna = rz;
        r.pobor = pobor;
    };
    nwp(1, 0, 0, 112, 0);
    nwp(2, 0, 120, 112.5, 0);
    nwp(3, 90, 120, 113.2, 0);
    nwp(4, 0, 120, 112.5, 0);
    nwp(5, 0, 200, 113.8, 3.2);
    nwp(6, 90, 200, 114, 0);
    g.zapewnijRekord<TWycof>(kol::NumerOdcinka, 6).wycofany = 1;
    ob.trasa = {{"S1", 0}, {"A", 120.5}, {"B", 85}, {"C", 60}};
}

}  // namespace wymiana
