#include "io/KatalogRur.h"

#include <algorithm>

#include "io/ZapisAtomowy.h"
#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

constexpr std::size_t kPolaLiczb = 20;  // two numeric fields of 10 characters

std::string doPrawej(std::string s, std::size_t szerokosc) {
    const std::size_t n = liczbaZnakow(s);
    if (n < szerokosc) s.insert(0, szerokosc - n, ' ');
    return s;
}

}  // namespace

bool czytajKatalogZTekstu(Obiekt& ob, KanalKomunikatow& k, std::string_view bajty) {
    Tabela& t = ob.RurGrid;
    t.wyczyscDane(1);
    ob.liczbaRur = 0;
    bool ok = true;
    std::size_t a = 0;
    while (a < bajty.size()) {
        std::size_t b = bajty.find('\n', a);
        if (b == std::string_view::npos) b = bajty.size();
        std::string linia(bajty.substr(a, b - a));
        a = b + 1;
        if (!linia.empty() && linia.back() == '\r') linia.pop_back();
        for (char& c : linia)
            if (c == '\t' || c == '\r') c = ' ';
        // Blanks after the last field carry nothing; a blank line is no row.
        while (!linia.empty() && linia.back() == ' ') linia.pop_back();
        if (linia.empty()) continue;
        const std::size_t L = linia.size();
        if (L <= kPolaLiczb) {
            ok = false;
            break;
        }
        const std::string symbol = linia.substr(1, L - kPolaLiczb - 1);
        const std::string dzew = przytnij(linia.substr(L - kPolaLiczb, 10));
        const std::string gru = przytnij(linia.substr(L - 10, 10));

        const int w = t.liczbaWierszy();
        t.ustawLiczbeWierszy(w + 1);
        ++ob.liczbaRur;
        t.ustawTekst(kol::Dn, w, parsujNazwe(k, zCp1250(symbol)));
        double v = 0;
        t.ustawTekst(kol::Dzew, w,
                     parsujRzeczywista(k, zCp1250(dzew), v) ? formatStaly(v, 8, 2) : zCp1250(dzew));
        v = 0;
        t.ustawTekst(kol::Gru, w,
                     parsujRzeczywista(k, zCp1250(gru), v) ? formatStaly(v, 8, 2) : zCp1250(gru));
    }
    if (ob.liczbaRur == 0) ob.nowyKatalog();
    Obiekt::oznaczWiersz(t, 1);
    if (!ok) k.informacja("Podany plik nie zawiera poprawnego katalogu rur");
    return ok;
}

bool CzytajKatalogRur(Obiekt& ob, KanalKomunikatow& k, const std::string& sciezka,
                      bool* zmieniono) {
    if (zmieniono) *zmieniono = false;
    std::string bajty, blad;
    if (!wczytajPlik(sciezka, bajty, &blad)) {
        k.bladWeWy(blad);
        return false;
    }
    if (zmieniono) *zmieniono = true;
    return czytajKatalogZTekstu(ob, k, bajty);
}

bool tekstKataloguRur(const Obiekt& ob, KanalKomunikatow& k, std::string& bajty) {
    bajty.clear();
    const Tabela& t = ob.RurGrid;
    const int n = std::clamp(ob.liczbaRur, 0, t.liczbaWierszy() - 1);
    std::string o;
    for (int w = 1; w <= n; ++w) {
        std::string symbol = t.tekst(kol::Dn, w);
        for (char& c : symbol)
            if (static_cast<unsigned char>(c) < ' ') c = ' ';
        symbol = nazwaWezla(symbol);
        const auto dzew = naLiczbe(t.tekst(kol::Dzew, w));
        const auto gru = naLiczbe(t.tekst(kol::Gru, w));
        // The reader takes exactly 10 characters for each number.
        const std::string tDzew = dzew ? formatStaly(*dzew, 15, 2) : "";
        const std::string tGru = gru ? formatStaly(*gru, 15, 2) : "";
        if (!dzew || !gru || tDzew.size() > 10 || tGru.size() > 10) {
            k.bladWeWy("Błąd w zapisie liczby lub nazwy: " + symbol + "  " + t.tekst(kol::Dzew, w) +
                       "  " + t.tekst(kol::Gru, w));
            return false;
        }
        o += doPrawej(" " + symbol, 16) + doPrawej(tDzew, 10) + doPrawej(tGru, 10) + "\r\n";
    }
    WynikKonwersji kod = naCp1250(o);
    if (!kod.blad.empty()) {
        k.informacja(kod.blad);
        return false;
    }
    bajty = std::move(kod.tekst);
    return true;
}

bool ZapiszKatalogRur(const Obiekt& ob, KanalKomunikatow& k, const std::string& sciezka) {
    std::string bajty;
    if (!tekstKataloguRur(ob, k, bajty)) return false;
    std::string blad;
    if (!zapiszAtomowo(sciezka, bajty, &blad)) {
        k.bladWeWy(blad);
        return false;
    }
    return true;
}

}  // namespace kelmor
