#pragma once
// A table of text cells with an optional owned record per cell.
// Row 0 is the header, column 0 the margin; data rows are 1 .. rows-1.
#include <memory>
#include <string>
#include <vector>

#include "model/Rekordy.h"

namespace kelmor {

struct Komorka {
    std::string tekst;
    std::unique_ptr<Rekord> rekord;
};

class Tabela {
  public:
    Tabela(int kolumny, int wiersze);
    Tabela(const Tabela& inna);
    Tabela& operator=(const Tabela& inna);
    Tabela(Tabela&&) noexcept = default;
    Tabela& operator=(Tabela&&) noexcept = default;

    int liczbaKolumn() const { return kolumny_; }
    int liczbaWierszy() const { return static_cast<int>(wiersze_.size()); }
    bool wZakresie(int kol, int wiersz) const {
        return kol >= 0 && kol < kolumny_ && wiersz >= 0 && wiersz < liczbaWierszy();
    }

    // Text of a cell; an empty text outside the table.
    const std::string& tekst(int kol, int wiersz) const;
    // Writes a cell; ignored outside the table.
    void ustawTekst(int kol, int wiersz, std::string tekst);

    Rekord* rekord(int kol, int wiersz) const;
    template <class T>
    T* rekordTypu(int kol, int wiersz) const {
        return dynamic_cast<T*>(rekord(kol, wiersz));
    }
    // Replaces the record of a cell (frees the old one).
    void ustawRekord(int kol, int wiersz, std::unique_ptr<Rekord> r);
    // Returns the record of the cell as T, creating it when there is none
    // (a record of another type is replaced). The cell must exist.
    template <class T>
    T& zapewnijRekord(int kol, int wiersz) {
        if (auto* r = rekordTypu<T>(kol, wiersz)) return *r;
        auto nowy = std::make_unique<T>();
        T& ref = *nowy;
        ustawRekord(kol, wiersz, std::move(nowy));
        return ref;
    }

    // Inserts an empty row before row `przed` (przed == rows appends).
    void wstawWiersz(int przed);
    // Deletes a row with its records.
    void usunWiersz(int wiersz);
    // Moves a row (with its records) so that it ends at index `na`.
    void przesunWiersz(int z, int na);
    // Column count; cells beyond a smaller count are dropped with their records.
    void ustawLiczbeKolumn(int n);
    // Row count (at least 1, the header); new rows are empty.
    void ustawLiczbeWierszy(int n);
    // Empties every data cell and record, leaving `wiersze` rows; header kept.
    void wyczyscDane(int wiersze);

  private:
    using Wiersz = std::vector<Komorka>;
    Wiersz pustyWiersz() const;
    int kolumny_;
    std::vector<Wiersz> wiersze_;
};

}  // namespace kelmor
