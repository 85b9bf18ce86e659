#pragma once
// Loss coefficients of the fittings (local resistances) of one segment.
// The list itself (`ListaOporow`, 21 `TMOpor` entries keyed "0".."20") is in
// model/Rekordy.h.
#include <array>
#include <memory>
#include <string>

#include "model/Komunikaty.h"
#include "model/Rekordy.h"

namespace kelmor {

// Kind codes (`TMOpor::Rodzaj`).
namespace rodzajoporu {
constexpr uint8_t TrojnikRozbiezny = 1;
constexpr uint8_t TrojnikZbiezny = 2;
constexpr uint8_t KonfuzorPoczatek = 3;
constexpr uint8_t ZwezenieNagle = 4;
constexpr uint8_t Dyfuzor = 5;
constexpr uint8_t RozszerzenieKoniec = 6;
constexpr uint8_t Kryza = 7;
constexpr uint8_t KolanoGiete1 = 8;
constexpr uint8_t KolanoGiete2 = 9;
constexpr uint8_t KolanoGiete3 = 10;
constexpr uint8_t Kolano3Segm1 = 11;
constexpr uint8_t Kolano3Segm2 = 12;
constexpr uint8_t Kolano2Segm1 = 13;
constexpr uint8_t Kolano2Segm2 = 14;
constexpr uint8_t Zasuwa = 15;
constexpr uint8_t ZaworGrzybkowy = 16;
constexpr uint8_t Inny = 20;
constexpr uint8_t Kompresor = 21;
constexpr uint8_t TrojnikZaslepiony = 22;
constexpr uint8_t KonfuzorKoniec = 33;
constexpr uint8_t RozszerzeniePoczatek = 66;
}  // namespace rodzajoporu

// Names of the 21 entries as the editor shows them, by key "0".."20".
extern const std::array<const char*, kLiczbaOporow> kNazwyOporow;

// Create list: the 21 entries with their kind codes and all numbers 0.
std::unique_ptr<ListaOporow> utworzListeOporow();

// The segment state a coefficient depends on.
struct StanDlaOporow {
    std::string etykieta;       // segment label used in messages
    double UdzialWyjscia = -1;  // flow ratio at the end junction (-1 = unusable)
    double UdzialWejscia = -1;  // flow ratio at the start junction (-1 = unusable)
    double lambda = 0;          // friction factor of the segment
    double Re = 0;              // Reynolds number (raised to 300 when below)
    double eps = 0;             // relative roughness k/D
    double D = 0;               // own inner diameter, mm
    // Messages of contractions and expansions are shown only in the first
    // pass of a calculation; tee and orifice messages every time.
    bool pierwszyPrzebieg = true;
};

// Coefficient of an entry: writes `wpis.Z` (ζ of one piece). Entries with
// Ile = 0 get Z = 0; the compressor entry (kind 21) is not touched. Messages
// of inputs out of a kind's range go to `kanal` when it is given.
void wspolczynnikOporu(TMOpor& wpis, const StanDlaOporow& stan, KanalKomunikatow* kanal);

// Sum over entries 0..19 of Ile x Z (the Z values as they stand).
double sumaOporow(const ListaOporow& lista);

// Computes the coefficient of entries 0..19 and returns their sum.
double policzOpory(ListaOporow& lista, const StanDlaOporow& stan, KanalKomunikatow* kanal);

// Pressure raise (+) or reduction (-) of the compressor entry, in the
// object's pressure unit; 0 when the segment has none.
double kompresorListy(const ListaOporow& lista);

// Linear interpolation between table points: the first point whose abscissa
// is not smaller than x and the one before it (the first two points for x at
// or below the first point; the last two above the last point).
double interpolujLiniowo(const double* xs, const double* ys, int n, double x);

}  // namespace kelmor
