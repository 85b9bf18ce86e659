#include "io/PlikiTekstowe.h"

#include "io/ZapisAtomowy.h"

namespace kelmor {

std::optional<std::string> czytajPlikWymiany(const std::string& sciezka) {
    std::string dane;
    if (!wczytajPlik(sciezka, dane, nullptr, kMaksRozmiarPlikuWymiany)) return std::nullopt;
    return dane;
}

std::vector<std::string_view> podzielNaLinie(std::string_view t) {
    std::vector<std::string_view> linie;
    std::size_t p = 0;
    while (p < t.size()) {
        std::size_t k = t.find('\n', p);
        const bool koniec = k == std::string_view::npos;
        if (koniec) k = t.size();
        std::size_t e = k;
        if (!koniec && e > p && t[e - 1] == '\r') --e;
        linie.push_back(t.substr(p, e - p));
        p = koniec ? t.size() : k + 1;
    }
    return linie;
}

WynikKonwersji linieNaCp1250(const std::vector<std::string>& linie) {
    WynikKonwersji w;
    for (const auto& l : linie) {
        auto c = naCp1250(l);
        if (!c.blad.empty()) {
            w.blad = std::move(c.blad);
            w.tekst.clear();
            return w;
        }
        w.tekst += c.tekst;
        w.tekst += "\r\n";
    }
    return w;
}

bool zapiszPlikWymiany(KanalKomunikatow& k, const std::string& sciezka, std::string_view bajty) {
    std::string blad;
    if (zapiszAtomowo(sciezka, bajty, &blad)) return true;
    k.bladWeWy(blad);
    return false;
}

bool zapiszLinieWymiany(KanalKomunikatow& k, const std::string& sciezka,
                        const std::vector<std::string>& linie) {
    auto w = linieNaCp1250(linie);
    if (!w.blad.empty()) {
        k.bladWeWy(w.blad);
        return false;
    }
    return zapiszPlikWymiany(k, sciezka, w.tekst);
}

}  // namespace kelmor
