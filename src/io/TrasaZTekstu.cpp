#include "io/TrasaZTekstu.h"

#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

void trasaZTekstu(Obiekt& ob, KanalKomunikatow& k, const std::string& tekst) {
    ob.trasa.clear();
    if (tekst.empty()) return;
    std::size_t p = 0;
    while (true) {
        const std::size_t q = tekst.find(',', p);
        const std::string kawalek =
            pierwszeZnaki(tekst.substr(p, q == std::string::npos ? std::string::npos : q - p),
                          DlugoscNazwy);
        TMojaTr wpis{kawalek, 0};
        if (!ob.trasa.empty()) {
            double d = 0;
            if (znajdzOdcinek(ob, k, ob.trasa.back().wezel, kawalek, d)) wpis.dlugosc = d;
        }
        ob.trasa.push_back(std::move(wpis));
        if (q == std::string::npos) break;
        p = q + 1;
    }
}

}  // namespace kelmor
