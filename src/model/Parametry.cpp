#include "model/Parametry.h"

#include <cmath>

namespace kelmor {

const std::array<const char*, 5> kNazwyJednostek = {"Pa", "hPa", "kPa", "BAR", "MPa"};
const std::array<const char*, 5> kOpisyJednostek = {"Pa", "hPa (mBAR)", "kPa", "BAR", "MPa"};
const std::array<double, 5> kPrzelicznikiCisnienia = {0.001, 0.1, 1, 100, 1000};
const std::array<const char*, 2> kSposobyPoborow = {"komunalni i ogrzewający",
                                                    "Taryfy W-1, W-2, W-3, W-4"};
const std::array<const char*, 3> kStopnieUrbanizacji = {"Mały", "Średni", "Duży"};
const std::array<const char*, 3> kMetodyStraty = {
    "Metoda dokładna (PN-76/M-34034)", "Metoda uniwersalna (Stoner, Szargut, Ochęduszko)",
    "Wzory uproszczone"};

void Parametry::ustawJednostke(int j) {
    if (j < 0 || j > 4) return;
    jednostkaP = j;
    przelicz();
}

void Parametry::ustawTemperature(double t) {
    TcGazu = t;
    przelicz();
}

void Parametry::ustawGestoscWzgledna(double d) {
    dGazu = d;
    przelicz();
}

void Parametry::przelicz() {
    const int j = (jednostkaP >= 0 && jednostkaP <= 4) ? jednostkaP : 2;
    PrzelicznikCisnienia = kPrzelicznikiCisnienia[j];
    NazwaJednostki = kNazwyJednostek[j];
    GestoscNormalna = dGazu * 1.292923;
    GestoscNormalna3600 = GestoscNormalna / 3600.0;
    IloczynRT =
        GestoscNormalna > 0 ? (TcGazu + 273.15) * 8314.5 / (GestoscNormalna * 22.414097) : 0;
    PredkoscDzwieku = IloczynRT > 0 ? std::sqrt(IloczynRT) : 0;
}

}  // namespace kelmor
