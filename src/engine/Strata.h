#pragma once
// Pressure loss of one segment: from the state at the end whose pressure is
// known (p1) to the state at the other end, with the friction factor, the
// fittings and the chosen method (exact, universal or a simplified formula).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/Gaz.h"
#include "model/Komunikaty.h"
#include "model/Parametry.h"
#include "model/Rekordy.h"

namespace kelmor {

// Inputs of one segment evaluation (units as used inside the engine).
struct WejscieOdcinka {
    double Q = 0;   // |flow|, nm3/h
    double D = 0;   // inner diameter, mm
    double L = 0;   // length, m
    double Le = 0;  // extra length for local resistances, m (ProcentL / 100 x L)
    double k = 0;   // roughness, mm
    double p1 = 0;  // pressure at the known end, kPa absolute (Kompresor already added)
    // Gas state at the known end; computed from p1 when not given.
    std::optional<StanGazu> stan1;
    // The known end is the downstream end (the calculation goes against the flow).
    bool wstecz = false;
    // Pressure raise (+) or reduction (-) at the segment's start, object unit.
    // A segment with a compressor or reducer is never divided into parts.
    double Kompresor = 0;
    // The segment's fittings, or null; the coefficients (Z) are written into it.
    ListaOporow* opory = nullptr;
    double UdzialWejscia = -1;  // flow ratio at the start junction
    double UdzialWyjscia = -1;  // flow ratio at the end junction
    std::string etykieta;       // "nr (start - end)", used in messages
    // Driver state: pass number (1..), whether the network has loops, and
    // whether a diameter is being selected for this segment. They decide
    // which velocity limits stop the evaluation.
    int przebieg = 1;
    bool zOczkami = false;
    bool doborSrednicy = false;
};

// Outputs of one segment evaluation.
struct WynikOdcinka {
    double p2 = 0;        // kPa absolute at the other end
    double Gestosc2 = 0;  // kg/m3 at the other end
    double Gestosc1 = 0;  // kg/m3 at the known end
    double w1 = 0;        // m/s at the known end
    double w2 = 0;        // m/s at the other end
    double DeltaP = 0;    // |p1 - p2| in the object's pressure unit
    double R = 0;         // DeltaP / Q^2 (DeltaP x 1e24 when Q < 1e-12)
    double Re = 0;
    double lambda = 0;
    double SumaZ = 0;
    double gradient = 0;  // |p1 - p2| / L, kPa per metre (0 when L = 0)
    int czesci = 0;       // parts the exact method divided the segment into
    bool blad = false;
    std::string tekst;  // error text (also the exact method's "Wpocz=" note)
    // Lines to add to the results list (ListBoxWyni); they do not stop the
    // calculation.
    std::vector<std::string> linieWynikow;
};

// Evaluates one segment with the method of `par.wzory`. The gas constants
// (GestoscNormalna, IloczynRT, PredkoscDzwieku) are taken from `gaz`.
// Dialogs (no formula chosen, fittings out of range) go to `kanal` when given.
WynikOdcinka obliczOdcinek(const WejscieOdcinka& we, const Parametry& par, const WlasnosciGazu& gaz,
                           KanalKomunikatow* kanal);

// Friction factor: 6.4 for Re < 10, otherwise Colebrook-White solved by
// regula falsi (with Re raised to 4000 below it) and, below Re 2300, at least
// 64 / Re. `blad` is set (and 0.01 returned) when the solution fails.
double wspolczynnikTarcia(double Re, double eps, bool& blad);
// The Colebrook-White root alone (Re* = max(Re, 4000)); `blad` as above.
double lambdaColebrooka(double Re, double eps, bool& blad);

// Biel-Lummert coefficient K of the relative density.
double wspolczynnikBielaLummerta(double dGazu);

// Texts of the 13 entries of the list of simplified formulas (LBWzory).
const std::array<std::string, 13>& tekstyWzorow();

// Error texts.
inline constexpr const char* kTekstBrakWzoruDialog =
    "Proszę zaznaczyć odpowiedni wzór na zakładce \"Wzory uproszczone\"";
inline constexpr const char* kTekstBrakWzoru =
    "Nie wybrano wzoru na zakładce \"Wzory uproszczone\"";
inline constexpr const char* kTekstZbytDuzaStrata =
    "Wzór uproszczony wykazał zbyt dużą stratę ciśnienia. Proszę zmienić wzór.";
inline constexpr const char* kTekstLambda = "Lambda zgłasza brak rozwiązania.";

}  // namespace kelmor
