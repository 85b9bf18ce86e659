#pragma once
// Records attached to table cells. Each is owned by its cell and moves with
// its row.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelmor {

struct Rekord {
    virtual ~Rekord() = default;
    virtual std::unique_ptr<Rekord> kopia() const = 0;
};

template <class T>
struct RekordKopiowalny : Rekord {
    std::unique_ptr<Rekord> kopia() const override {
        return std::make_unique<T>(static_cast<const T&>(*this));
    }
};

// Column 1: the row is temporarily withdrawn ("czasowo wycofany").
struct TWycof : RekordKopiowalny<TWycof> {
    uint8_t wycofany = 0;
};

// Column 2: direction sign (+1 as created, negated by every reversal) and
// the identifier "start-end" taken when the record was created.
struct TkierunekOdcinka : RekordKopiowalny<TkierunekOdcinka> {
    int32_t znak = 1;
    std::string identyfikator;
};

// Column 3: data of the row's START node.
struct TdaneNWP : RekordKopiowalny<TdaneNWP> {
    uint8_t niepodlaczony = 0;  // 1 = neither an end node of any row nor a source
    int32_t X = 0;
    int32_t Y = 0;
    double rzedna = 0;  // terrain elevation, m
    double pobor = 0;   // nodal demand, nm3/h
    double dokladneX = 0;
    double dokladneY = 0;
    std::string IdentyfikatorWezla;
    uint8_t WezelZrodlowy = 0;
};

// Column 4: precise coordinates and identifiers of the END node.
struct TdodatkoweDaneNWK : RekordKopiowalny<TdodatkoweDaneNWK> {
    double dokladneX = 0;
    double dokladneY = 0;
    std::string IdentyfikatorWezla;
    uint8_t WezelZrodlowy = 0;
};

// Columns 8..11: the text that belongs to the demand model not shown.
struct Ttaryfy : RekordKopiowalny<Ttaryfy> {
    std::string komunalny;  // household model
    std::string taryfowy;   // tariff model
};

// One fitting entry of a segment.
struct TMOpor {
    uint8_t Rodzaj = 0;
    double Par1 = 0;
    double Par2 = 0;
    double Z = 0;
    int32_t Ile = 0;
};

constexpr int kLiczbaOporow = 21;
// Kind code of each entry, by key "0".."20".
constexpr std::array<uint8_t, kLiczbaOporow> kRodzajeOporow = {
    3, 33, 4, 5, 6, 66, 1, 2, 22, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20, 21};
constexpr int kWpisKompresora = 20;

// Column 19: the 21 fitting entries keyed "0".."20" (index = key).
struct ListaOporow : RekordKopiowalny<ListaOporow> {
    ListaOporow() {
        for (int i = 0; i < kLiczbaOporow; ++i) wpisy[i].Rodzaj = kRodzajeOporow[i];
    }
    std::array<TMOpor, kLiczbaOporow> wpisy{};
    // Number of pieces over entries 0..19 (the "n szt" of column 19).
    int liczbaSztuk() const {
        int n = 0;
        for (int i = 0; i < kWpisKompresora; ++i) n += wpisy[i].Ile;
        return n;
    }
};

// One connection, branch or gas meter; keyed by its 1-based position.
struct TPrzylacze {
    std::string Nazwa;
    double Strumien = 0;
    double Mnoznik = 1;
    int32_t Lp = 0;
    std::vector<TPrzylacze> Podrzedne;  // the next level; empty = none
};

// Value of a level: sum of Strumien x Mnoznik.
inline double wartoscPoziomu(const std::vector<TPrzylacze>& poziom) {
    double s = 0;
    for (const auto& p : poziom) s += p.Strumien * p.Mnoznik;
    return s;
}

// Columns 13 and 14: the level-1 connection list.
struct ListaPrzylaczy : RekordKopiowalny<ListaPrzylaczy> {
    std::vector<TPrzylacze> pozycje;
    double wartosc() const { return wartoscPoziomu(pozycje); }
};

}  // namespace kelmor
