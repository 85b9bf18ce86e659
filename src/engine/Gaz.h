#pragma once
// Gas properties: compressibility (SGERG-88), density and viscosity of the
// natural gas at a given absolute pressure and the object's gas temperature.
//
// The composition-dependent part (the hydrocarbon heating value and molar
// mass, the virial coefficients at the gas temperature, Zn and the validity
// checks that do not depend on pressure) is computed once, when a
// `WlasnosciGazu` is built from the object parameters; `stan(p)` then only
// solves the virial equation at p.
#include <string>

#include "model/Parametry.h"

namespace kelmor {

// Codes of the validity checks of the gas model.
namespace kodgazu {
constexpr int Cisnienie = 1250;        // p outside (0, 12000] kPa
constexpr int Temperatura = 1251;      // TcGazu outside -23..65 C
constexpr int CO2 = 1252;              // CO2 above 30 %
constexpr int H2 = 1254;               // H2 above 10 %
constexpr int Weglowodory = 1255;      // hydrocarbons below 50 %
constexpr int GestoscWzgledna = 1258;  // dGazu outside 0.55..0.9
constexpr int CieploSpalania = 1260;   // HsGazu outside 20..48
constexpr int Spojnosc = 1261;         // relative density inconsistent
}  // namespace kodgazu

// Error text of a gas-model code ("" for 0 or an unknown code).
std::string tekstBleduGazu(int kod);

// The gas state at one pressure.
struct StanGazu {
    double Z = 0;        // compressibility at p, T
    double Zn = 0;       // compressibility at the normal state
    double Gestosc = 0;  // density, kg/m3
    double Lepkosc = 0;  // dynamic viscosity, Pa s (produced even on error)
    bool blad = false;
    int kod = 0;        // gas-model code of the failed check, 0 when none
    std::string tekst;  // error text, "" when none
};

class WlasnosciGazu {
  public:
    // From the object parameters (HsGazu, dGazu, TcGazu); the program always
    // uses zero CO2 and H2 fractions.
    explicit WlasnosciGazu(const Parametry& p, double xCO2 = 0, double xH2 = 0);
    // HsGazu MJ/m3, dGazu (air = 1), TcGazu C, mole fractions of CO2 and H2
    // (0..1). CO is taken as 0.0964 x the H2 fraction.
    WlasnosciGazu(double HsGazu, double dGazu, double TcGazu, double xCO2 = 0, double xH2 = 0);

    // State at the absolute pressure p (kPa).
    StanGazu stan(double pKPa) const;

    // Compressibility at the normal state (0 when the gas failed a check).
    double Zn() const { return zn_; }
    // Code of the first failing pressure-independent check result, 0 if none.
    int kodGazu() const;
    double GestoscNormalna() const { return rhoN_; }  // kg/m3
    double IloczynRT() const { return rt_; }          // J/kg
    double PredkoscDzwieku() const { return c_; }     // m/s
    double temperaturaK() const { return T_; }

    // Details of the SGERG-88 solution, for checks and reports.
    double cieploMolowe() const { return hCH_; }  // hydrocarbon molar heating value, MJ/kmol
    double masaMolowa() const { return mCH_; }    // hydrocarbon molar mass, kg/kmol
    double udzialCH() const { return xCH_; }      // mole fraction of hydrocarbons
    double udzialN2() const { return xN2_; }
    double B() const { return B_; }  // second virial coefficient at T, m3/kmol
    double C() const { return C_; }  // third virial coefficient at T, (m3/kmol)^2

    // Z at pressure p (kPa) and temperature T (K) for this composition,
    // without any check (the largest real root of the virial cubic).
    double zetSGERG(double pKPa, double TK) const;

  private:
    void licz(double xCO2, double xH2);
    void wspolczynnikiWirialne(double TK, double& B, double& C) const;

    double Hs_ = 0, d_ = 0, Tc_ = 0, T_ = 0;
    double rhoN_ = 0, rt_ = 0, c_ = 0;
    double xCO2_ = 0, xH2_ = 0, xCO_ = 0, xN2_ = 0, xCH_ = 0;
    double hCH_ = 0, mCH_ = 0;
    double B_ = 0, C_ = 0;
    double zn_ = 0;
    int kodPrzedCisnieniem_ = 0;  // first group, checks listed before the pressure
    int kodTemperatury_ = 0;      // first group, the temperature (listed last)
    int kodDrugi_ = 0;            // second group
};

// Dynamic viscosity of the gas, Pa s, at T (K) and p (kPa absolute).
double lepkoscGazu(double TK, double pKPa);

}  // namespace kelmor
