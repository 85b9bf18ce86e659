#pragma once
// Helpers of the editor tests: an editor with a recording sink and rows of
// the network table written as lists of cell texts.
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/Edytor.h"
#include "model/Komunikaty.h"

namespace kelmor::test {

// A sink that answers questions from a queue (then with `domyslna`).
class KanalZOdpowiedziami : public RejestratorKomunikatow {
  public:
    std::deque<bool> odpowiedzi;
    bool pytanie(const std::string& t) override {
        wpisy.push_back({Rodzaj::Pytanie, t});
        if (odpowiedzi.empty()) return odpowiedz;
        const bool o = odpowiedzi.front();
        odpowiedzi.pop_front();
        return o;
    }
};

struct Srodowisko {
    KanalZOdpowiedziami kanal;
    Edytor e{kanal};
    Tabela& g() { return e.ob.Grid; }
};

// Writes a network row: number, name, start, end, Dn, length; the other
// columns take the new-row defaults. Rows are added as needed.
inline void odcinek(Edytor& e, int w, const std::string& nr, const std::string& pocz,
                    const std::string& konc, const std::string& dlugosc = "100") {
    Tabela& g = e.ob.Grid;
    if (g.liczbaWierszy() <= w) g.ustawLiczbeWierszy(w + 1);
    e.domyslneWierszaSieci(w);
    g.ustawTekst(kol::NumerOdcinka, w, nr);
    g.ustawTekst(kol::WezelPocz, w, pocz);
    g.ustawTekst(kol::WezelKonc, w, konc);
    g.ustawTekst(kol::SrednicaNomin, w, "100");
    g.ustawTekst(kol::DlugoscMetry, w, dlugosc);
}

// End-node attributes of a row: demand, X, Y, elevation (columns 14..17).
inline void atrybuty(Edytor& e, int w, const std::string& pobor, const std::string& x,
                     const std::string& y, const std::string& z) {
    Tabela& g = e.ob.Grid;
    g.ustawTekst(kol::PoborWez, w, pobor);
    g.ustawTekst(kol::X, w, x);
    g.ustawTekst(kol::Y, w, y);
    g.ustawTekst(kol::RzednaTe, w, z);
}

inline void zrodlo(Edytor& e, int w, const std::string& nazwa, const std::string& p,
                   const std::string& z, const std::string& x, const std::string& y) {
    Tabela& t = e.ob.ZrodlaGrid;
    if (t.liczbaWierszy() <= w) t.ustawLiczbeWierszy(w + 1);
    t.ustawTekst(kol::NazwaZrodla, w, nazwa);
    t.ustawTekst(kol::Pzrodla, w, p);
    t.ustawTekst(kol::RzednaTeZrodla, w, z);
    t.ustawTekst(kol::Xzrodla, w, x);
    t.ustawTekst(kol::Yzrodla, w, y);
}

// Texts of one row, columns 0 .. count-1.
inline std::vector<std::string> wiersz(const Tabela& t, int w) {
    std::vector<std::string> r;
    for (int k = 0; k < t.liczbaKolumn(); ++k) r.push_back(t.tekst(k, w));
    return r;
}

inline std::vector<std::string> kolumna(const Tabela& t, int k) {
    std::vector<std::string> r;
    for (int w = 1; w < t.liczbaWierszy(); ++w) r.push_back(t.tekst(k, w));
    return r;
}

}  // namespace kelmor::test
