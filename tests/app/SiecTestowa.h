#pragma once
// Small networks typed into the tables, for the tests of the preparation
// and the batch run.
#include <string>

#include "model/Kolumny.h"
#include "model/Obiekt.h"

namespace kelmor::test {

// Appends a segment row: number, start, end, Dn, length, X, Y of the end node.
inline int dodajOdcinek(Obiekt& ob, int nr, const std::string& a, const std::string& b,
                        const std::string& dn, const std::string& l, int x = 0, int y = 0) {
    Tabela& g = ob.Grid;
    int w = g.liczbaWierszy() - 1;
    if (!g.tekst(kol::NumerOdcinka, w).empty() || w == 0) {
        g.ustawLiczbeWierszy(g.liczbaWierszy() + 1);
        w = g.liczbaWierszy() - 1;
        ob.domyslneWiersza(w);
    }
    g.ustawTekst(kol::NumerOdcinka, w, std::to_string(nr));
    g.ustawTekst(kol::WezelPocz, w, a);
    g.ustawTekst(kol::WezelKonc, w, b);
    g.ustawTekst(kol::SrednicaNomin, w, dn);
    g.ustawTekst(kol::DlugoscMetry, w, l);
    g.ustawTekst(kol::X, w, std::to_string(x));
    g.ustawTekst(kol::Y, w, std::to_string(y));
    return w;
}

// Sets the source of row 1 (or appends one): name, pressure, X, Y.
inline int dodajZrodlo(Obiekt& ob, const std::string& nazwa, const std::string& p, int x = 0,
                       int y = 0) {
    Tabela& z = ob.ZrodlaGrid;
    int w = z.liczbaWierszy() - 1;
    if (!z.tekst(kol::NazwaZrodla, w).empty()) {
        z.ustawLiczbeWierszy(z.liczbaWierszy() + 1);
        w = z.liczbaWierszy() - 1;
        z.ustawTekst(kol::RzednaTeZrodla, w, "0");
    }
    z.ustawTekst(kol::NazwaZrodla, w, nazwa);
    z.ustawTekst(kol::Pzrodla, w, p);
    z.ustawTekst(kol::Xzrodla, w, std::to_string(x));
    z.ustawTekst(kol::Yzrodla, w, std::to_string(y));
    return w;
}

inline void dodajRure(Obiekt& ob, const std::string& dn, const std::string& dzew,
                      const std::string& gru) {
    Tabela& r = ob.RurGrid;
    int w = r.liczbaWierszy() - 1;
    if (!r.tekst(kol::Dn, w).empty()) {
        r.ustawLiczbeWierszy(r.liczbaWierszy() + 1);
        w = r.liczbaWierszy() - 1;
    }
    r.ustawTekst(kol::Dn, w, dn);
    r.ustawTekst(kol::Dzew, w, dzew);
    r.ustawTekst(kol::Gru, w, gru);
}

// A branched network of three segments fed by source "S": S-A, A-B, A-C.
inline void siecRozgaleziona(Obiekt& ob) {
    dodajZrodlo(ob, "S", "2.5");
    dodajOdcinek(ob, 1, "S", "A", "50", "100");
    dodajOdcinek(ob, 2, "A", "B", "40", "80");
    dodajOdcinek(ob, 3, "A", "C", "40", "60");
    ob.Grid.ustawTekst(kol::PoborWez, 2, "5");
    ob.Grid.ustawTekst(kol::PoborWez, 3, "3");
    dodajRure(ob, "40", "48.3", "3.2");
    dodajRure(ob, "50", "60.3", "3.6");
}

}  // namespace kelmor::test
