#pragma once
// Object-wide parameters of one network and the values derived from them.
#include <array>
#include <string>

namespace kelmor {

// Pressure-loss method: 0 exact, 1 universal, 2 simplified formula `wzor`
// (0..12; -1 = none chosen).
struct Wzory {
    int metoda = 0;
    int wzor = -1;
};

class Parametry {
  public:
    Parametry() { przelicz(); }

    std::string Tytul;
    int jednostkaP = 2;  // 0 Pa, 1 hPa, 2 kPa, 3 BAR, 4 MPa
    double PminDop = 0;
    double TcGazu = 10;
    double dGazu = 0.6;
    double HsGazu = 40;
    double ChropoDomyslne = 0.1;
    double ProcentDomyslny = 0;
    int sposoby = 0;  // 0 household, 1 tariff groups
    std::array<double, 4> Q1W = {1.2, 3.3, 4.0, 4.2};
    int urbanizacja = 2;  // 1 small, 2 medium, 3 large
    double mnoznik = 1.0;
    Wzory wzory;

    // Derived values; recomputed by przelicz() and by the setters below.
    double PrzelicznikCisnienia = 1;
    std::string NazwaJednostki = "kPa";
    double GestoscNormalna = 0;
    double GestoscNormalna3600 = 0;  // GestoscNormalna / 3600: nm3/h -> kg/s
    double IloczynRT = 0;
    double PredkoscDzwieku = 0;

    void ustawJednostke(int j);
    void ustawTemperature(double t);
    void ustawGestoscWzgledna(double d);
    // Recomputes every derived value.
    void przelicz();
};

// Unit labels and factors to kPa, by `jednostkaP`.
extern const std::array<const char*, 5> kNazwyJednostek;
extern const std::array<const char*, 5> kOpisyJednostek;  // "Pa", "hPa (mBAR)", ...
extern const std::array<double, 5> kPrzelicznikiCisnienia;

// Texts of the choices.
extern const std::array<const char*, 2> kSposobyPoborow;
extern const std::array<const char*, 3> kStopnieUrbanizacji;
extern const std::array<const char*, 3> kMetodyStraty;

}  // namespace kelmor
