#include "app/TabelaTekstowa.h"

#include <algorithm>

#include "model/Kolumny.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

std::string zwinOdstepy(const std::string& s) {
    std::string r;
    for (char c : s) {
        if (c == ' ' && (r.empty() || r.back() == ' ')) continue;
        r += c;
    }
    while (!r.empty() && r.back() == ' ') r.pop_back();
    return r;
}

bool kolumnaTekstowa(int k) {
    return k == kol::NazwaOdcinka || k == kol::WezelPocz || k == kol::WezelKonc ||
           k == kol::SrednicaNomin || k == kol::Sklepy || k == kol::IleOpo;
}

void dopelnij(std::string& linia, const std::string& tekst, std::size_t szerokosc, bool doLewej) {
    const std::size_t n = liczbaZnakow(tekst);
    const std::string odstep(szerokosc > n ? szerokosc - n : 0, ' ');
    linia += doLewej ? tekst + odstep : odstep + tekst;
}

std::string poleCsv(const std::string& s) {
    if (s.find_first_of(";\"\r\n") == std::string::npos) return s;
    std::string r = "\"";
    for (char c : s) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + "\"";
}

}  // namespace

std::vector<int> wierszeDanych(const Obiekt& ob) {
    std::vector<int> w;
    for (int i = 1; i < ob.Grid.liczbaWierszy(); ++i)
        if (sprawdzWiersz(ob.Grid, i).rodzaj != StanWiersza::Pusty) w.push_back(i);
    return w;
}

std::string naglowekJednaLinia(const Obiekt& ob, int k) {
    const Naglowek n = naglowekSieci(k, ob.parametry.sposoby, ob.parametry.NazwaJednostki);
    return zwinOdstepy(przytnij(n.linia1) + " " + przytnij(n.linia2));
}

std::string tabelaTekstowa(const Obiekt& ob) {
    const Tabela& g = ob.Grid;
    const int kolumny = g.liczbaKolumn();
    const std::vector<int> wiersze = wierszeDanych(ob);
    std::vector<Naglowek> naglowki(static_cast<std::size_t>(kolumny));
    std::vector<std::size_t> szer(static_cast<std::size_t>(kolumny), 0);
    for (int k = 1; k < kolumny; ++k) {
        const Naglowek n = naglowekSieci(k, ob.parametry.sposoby, ob.parametry.NazwaJednostki);
        auto& h = naglowki[static_cast<std::size_t>(k)];
        h = {przytnij(n.linia1), przytnij(n.linia2)};
        szer[static_cast<std::size_t>(k)] =
            std::max(liczbaZnakow(h.linia1), liczbaZnakow(h.linia2));
        for (int w : wiersze)
            szer[static_cast<std::size_t>(k)] =
                std::max(szer[static_cast<std::size_t>(k)], liczbaZnakow(przytnij(g.tekst(k, w))));
    }
    auto linia = [&](auto tekst) {
        std::string l;
        for (int k = 1; k < kolumny; ++k) {
            if (k > 1) l += "  ";
            dopelnij(l, tekst(k), szer[static_cast<std::size_t>(k)], kolumnaTekstowa(k));
        }
        while (!l.empty() && l.back() == ' ') l.pop_back();
        return l + "\n";
    };
    std::string r;
    r += linia([&](int k) { return naglowki[static_cast<std::size_t>(k)].linia1; });
    r += linia([&](int k) { return naglowki[static_cast<std::size_t>(k)].linia2; });
    for (int w : wiersze) r += linia([&](int k) { return przytnij(g.tekst(k, w)); });
    return r;
}

std::string tabelaCsv(const Obiekt& ob) {
    const Tabela& g = ob.Grid;
    const int kolumny = g.liczbaKolumn();
    std::string r;
    for (int k = 1; k < kolumny; ++k) {
        if (k > 1) r += ';';
        r += poleCsv(naglowekJednaLinia(ob, k));
    }
    r += '\n';
    for (int w : wierszeDanych(ob)) {
        for (int k = 1; k < kolumny; ++k) {
            if (k > 1) r += ';';
            r += poleCsv(g.tekst(k, w));
        }
        r += '\n';
    }
    return r;
}

}  // namespace kelmor
