#include "model/Trasa.h"

#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

void trasaZNazw(Obiekt& ob, KanalKomunikatow& k, const std::vector<std::string>& nazwy) {
    ob.trasa.clear();
    ob.trasa.reserve(nazwy.size());
    for (std::size_t i = 0; i < nazwy.size(); ++i) {
        TMojaTr wpis;
        wpis.wezel = pierwszeZnaki(nazwy[i], DlugoscNazwy);
        if (i > 0) {
            const std::string& poprzedni = ob.trasa.back().wezel;
            double dlugosc = 0;
            if (poprzedni != przytnij(poprzedni) || wpis.wezel != przytnij(wpis.wezel)) {
                // Names are compared exactly; the table holds them trimmed.
                k.informacja("Nie ma takiego odcinka: (" + poprzedni + " - " + wpis.wezel + ")");
            } else if (znajdzOdcinek(ob, k, poprzedni, wpis.wezel, dlugosc) == 0) {
                dlugosc = 0;
            }
            wpis.dlugosc = dlugosc;
        }
        ob.trasa.push_back(std::move(wpis));
    }
}

void trasaZTekstu(Obiekt& ob, KanalKomunikatow& k, const std::string& tekst) {
    std::vector<std::string> nazwy;
    if (!tekst.empty()) {
        std::size_t a = 0;
        for (;;) {
            const std::size_t b = tekst.find(',', a);
            if (b == std::string::npos) {
                nazwy.push_back(tekst.substr(a));
                break;
            }
            nazwy.push_back(tekst.substr(a, b - a));
            a = b + 1;
        }
    }
    trasaZNazw(ob, k, nazwy);
}

std::string tekstTrasy(const Obiekt& ob) {
    std::string t;
    for (std::size_t i = 0; i < ob.trasa.size(); ++i) {
        if (i) t += ',';
        t += ob.trasa[i].wezel;
    }
    return t;
}

}  // namespace kelmor
