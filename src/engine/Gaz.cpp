#include "engine/Gaz.h"

#include <algorithm>
#include <cmath>

namespace kelmor {

namespace {

// Normal state and constants of the SGERG-88 method.
constexpr double kTn = 273.15;                  // K
constexpr double kPn = 101.325;                 // kPa
constexpr double kVmn = 22.414097;              // ideal molar volume at the normal state, m3/kmol
constexpr double kRwir = 8.31451;               // kJ/(kmol K), virial solution
constexpr double kRT = 8314.5;                  // J/(kmol K), IloczynRT
constexpr double kGestoscPowietrza = 1.292923;  // kg/m3 at the normal state

// Molar heating values (MJ/kmol, combustion at 25 C) and molar masses (kg/kmol).
constexpr double kHH2 = 285.83;
constexpr double kHCO = 282.98;
constexpr double kMN2 = 28.0135;
constexpr double kMCO2 = 44.010;
constexpr double kMH2 = 2.0159;
constexpr double kMCO = 28.010;
// Molar mass of the equivalent hydrocarbon as a linear function of its
// molar heating value.
constexpr double kMCH0 = -2.709328;
constexpr double kMCH1 = 0.021062199;

// Quadratic in T: a0 + a1 T + a2 T^2.
struct Kw {
    double a0, a1, a2;
    double operator()(double T) const { return a0 + (a1 + a2 * T) * T; }
};

// Second virial coefficients (m3/kmol).
constexpr Kw kB11H0{-0.425468, 0.286500e-2, -0.462073e-5};
constexpr Kw kB11H1{0.877118e-3, -0.556281e-5, 0.881510e-8};
constexpr Kw kB11H2{-0.824747e-6, 0.431436e-8, -0.608319e-11};
constexpr Kw kB22{-0.144600, 0.740910e-3, -0.911950e-6};     // N2
constexpr Kw kB23{-0.339693, 0.161176e-2, -0.204429e-5};     // N2-CO2
constexpr Kw kB33{-0.868340, 0.403760e-2, -0.516570e-5};     // CO2
constexpr Kw kB15{-0.521280e-1, 0.271570e-3, -0.25e-6};      // CH-H2
constexpr Kw kB17{-0.687290e-1, -0.239381e-5, 0.518195e-6};  // CH-CO
constexpr Kw kB55{-0.110596e-2, 0.813385e-4, -0.987220e-7};  // H2
constexpr Kw kB77{-0.130820, 0.602540e-3, -0.644300e-6};     // CO
constexpr double kB25 = 0.012;                               // N2-H2

// Third virial coefficients ((m3/kmol)^2).
constexpr Kw kC111H0{-0.302488, 0.195861e-2, -0.316302e-5};
constexpr Kw kC111H1{0.646422e-3, -0.422876e-5, 0.688157e-8};
constexpr Kw kC111H2{-0.332805e-6, 0.223160e-8, -0.367713e-11};
constexpr Kw kC222{0.784980e-2, -0.398950e-4, 0.611870e-7};
constexpr Kw kC223{0.552066e-2, -0.168609e-4, 0.157169e-7};
constexpr Kw kC233{0.358783e-2, 0.806674e-5, -0.325798e-7};
constexpr Kw kC333{0.205130e-2, 0.348880e-4, -0.837030e-7};
constexpr Kw kC555{0.104711e-2, -0.364887e-5, 0.467095e-8};
constexpr Kw kC117{0.736748e-2, -0.276578e-4, 0.343051e-7};

// Interaction parameters.
constexpr double kZ12 = 0.72;
constexpr double kZ13 = -0.865;
constexpr double kY12 = 0.92;
constexpr double kY13 = 0.92;
constexpr double kY123 = 1.10;
constexpr double kY115 = 1.2;

double pierwiastekSzescienny(double v) {
    return std::cbrt(v);
}

// Largest real root of a3 x^3 + a2 x^2 + a1 x + a0 = 0 (a3 != 0).
double najwiekszyPierwiastek(double a3, double a2, double a1, double a0) {
    const double b = a2 / a3, c = a1 / a3, d = a0 / a3;
    // Depressed cubic t^3 + p t + q with x = t - b/3.
    const double p = c - b * b / 3.0;
    const double q = 2.0 * b * b * b / 27.0 - b * c / 3.0 + d;
    const double delta = q * q / 4.0 + p * p * p / 27.0;
    double t;
    if (delta > 0) {
        const double s = std::sqrt(delta);
        t = pierwiastekSzescienny(-q / 2.0 + s) + pierwiastekSzescienny(-q / 2.0 - s);
    } else if (p == 0) {
        t = pierwiastekSzescienny(-q);
    } else {
        // Three real roots: the trigonometric form, k = 0 gives the largest.
        const double m = 2.0 * std::sqrt(-p / 3.0);
        double arg = 3.0 * q / (p * m);
        arg = std::clamp(arg, -1.0, 1.0);
        t = m * std::cos(std::acos(arg) / 3.0);
    }
    double x = t - b / 3.0;
    // Two Newton steps polish the closed form.
    for (int i = 0; i < 2; ++i) {
        const double f = ((a3 * x + a2) * x + a1) * x + a0;
        const double fp = (3.0 * a3 * x + 2.0 * a2) * x + a1;
        if (fp == 0) break;
        const double nx = x - f / fp;
        if (!std::isfinite(nx)) break;
        x = nx;
    }
    return x;
}

// Z from the virial equation Z = 1 + B rho + C rho^2 with rho = p / (Z R T):
// the largest real root of C rho^3 + B rho^2 + rho - p / (R T) = 0.
double zetWirialu(double p, double T, double B, double C) {
    const double a0 = -p / (kRwir * T);
    double rho;
    if (C != 0) {
        rho = najwiekszyPierwiastek(C, B, 1.0, a0);
    } else if (B != 0) {
        const double disc = 1.0 - 4.0 * B * a0;
        rho = (-1.0 + std::sqrt(std::max(0.0, disc))) / (2.0 * B);
    } else {
        rho = -a0;
    }
    if (!(rho > 0) || !std::isfinite(rho)) return 1.0;
    return 1.0 + B * rho + C * rho * rho;
}

}  // namespace

std::string tekstBleduGazu(int kod) {
    static const std::string sgerg =
        "Obliczenia gęstości gazu metodę SGERG-88 można stosować gdy \r\n";
    switch (kod) {
        case kodgazu::Cisnienie:
            return "Ciśnienie bezwzględne gazu nie może przekraczać 12000 kPa.";
        case kodgazu::Temperatura:
            return "Temperatura gazu powinna być zawarta w granicach od -23 do 65 C.";
        case kodgazu::CO2:
            return sgerg + "udział CO2 w gazie nie przekracza 30%.";
        case kodgazu::H2:
            return sgerg + "udział H2 w gazie nie przekracza 10%.";
        case kodgazu::Weglowodory:
            return sgerg + "udział węglowodorów w gazie jest równy lub większy od 50%.";
        case kodgazu::GestoscWzgledna:
            return "Gęstość względna gazu powinna być zawarta w granicach 0.55-0.9";
        case kodgazu::CieploSpalania:
            return "Ciepło spalania gazu powinno być zawarte w granicach 20-48 MJ/m3.";
        case kodgazu::Spojnosc:
            return "Brak spójności gęstości względnej i ciepła spalania.";
        default:
            return "";
    }
}

double lepkoscGazu(double TK, double pKPa) {
    return 9.6e-7 * std::pow(TK, 1.5) / (TK + 160.0) + (pKPa - 101.325) * 2.45e-10;
}

WlasnosciGazu::WlasnosciGazu(const Parametry& p, double xCO2, double xH2)
    : WlasnosciGazu(p.HsGazu, p.dGazu, p.TcGazu, xCO2, xH2) {}

WlasnosciGazu::WlasnosciGazu(double HsGazu, double dGazu, double TcGazu, double xCO2, double xH2)
    : Hs_(HsGazu), d_(dGazu), Tc_(TcGazu), T_(TcGazu + kTn) {
    rhoN_ = d_ * kGestoscPowietrza;
    rt_ = rhoN_ > 0 ? T_ * kRT / (rhoN_ * kVmn) : 0;
    c_ = rt_ > 0 ? std::sqrt(rt_) : 0;
    licz(xCO2, xH2);
}

int WlasnosciGazu::kodGazu() const {
    if (kodTemperatury_) return kodTemperatury_;
    if (kodPrzedCisnieniem_) return kodPrzedCisnieniem_;
    return kodDrugi_;
}

void WlasnosciGazu::wspolczynnikiWirialne(double T, double& B, double& C) const {
    const double H = hCH_;
    const double x1 = xCH_, x2 = xN2_, x3 = xCO2_, x5 = xH2_, x7 = xCO_;

    const double B11 = kB11H0(T) + kB11H1(T) * H + kB11H2(T) * H * H;
    const double B22 = kB22(T), B23 = kB23(T), B33 = kB33(T);
    const double B15 = kB15(T), B17 = kB17(T), B55 = kB55(T), B77 = kB77(T);
    const double B12 = (kZ12 + 1.875e-5 * (320.0 - T) * (320.0 - T)) * (B11 + B22) / 2.0;
    const double B13 = kZ13 * std::sqrt(std::max(0.0, B11 * B33));
    B = x1 * x1 * B11 + 2 * x1 * x2 * B12 + 2 * x1 * x3 * B13 + x2 * x2 * B22 + 2 * x2 * x3 * B23 +
        x3 * x3 * B33 + x5 * x5 * B55 + 2 * x1 * x5 * B15 + 2 * x2 * x5 * kB25 + 2 * x1 * x7 * B17 +
        x7 * x7 * B77;

    const double C111 = kC111H0(T) + kC111H1(T) * H + kC111H2(T) * H * H;
    const double C222 = kC222(T), C223 = kC223(T), C233 = kC233(T), C333 = kC333(T);
    const double C555 = kC555(T), C117 = kC117(T);
    auto cbrtDod = [](double v) { return std::cbrt(std::max(0.0, v)); };
    const double y12 = kY12 + (T - 270.0) * 0.0013;
    const double C112 = cbrtDod(C111 * C111 * C222) * y12;
    const double C122 = cbrtDod(C111 * C222 * C222) * y12;
    const double C113 = cbrtDod(C111 * C111 * C333) * kY13;
    const double C133 = cbrtDod(C111 * C333 * C333) * kY13;
    const double C123 = cbrtDod(C111 * C222 * C333) * kY123;
    const double C115 = cbrtDod(C111 * C111 * C555) * kY115;
    C = x1 * x1 * x1 * C111 + 3 * x1 * x1 * x2 * C112 + 3 * x1 * x1 * x3 * C113 +
        3 * x1 * x1 * x5 * C115 + 3 * x1 * x2 * x2 * C122 + 6 * x1 * x2 * x3 * C123 +
        3 * x1 * x3 * x3 * C133 + x2 * x2 * x2 * C222 + 3 * x2 * x2 * x3 * C223 +
        3 * x2 * x3 * x3 * C233 + x3 * x3 * x3 * C333 + x5 * x5 * x5 * C555 +
        3 * x1 * x1 * x7 * C117;
}

double WlasnosciGazu::zetSGERG(double pKPa, double TK) const {
    double B = 0, C = 0;
    wspolczynnikiWirialne(TK, B, C);
    return zetWirialu(pKPa, TK, B, C);
}

void WlasnosciGazu::licz(double xCO2, double xH2) {
    xCO2_ = xCO2;
    xH2_ = xH2;
    xCO_ = 0.0964 * xH2;

    // First group of checks; every failing check overwrites the code, so the
    // last one listed decides. The pressure check sits between the
    // composition checks and the temperature check and is made in stan().
    int kod = 0;
    // A relative density out of its range is reported as such, not as an
    // inconsistency with the composition.
    const bool dPoza = d_ < 0.55 || d_ > 0.9;
    if (Hs_ < 20 || Hs_ > 48) kod = kodgazu::CieploSpalania;
    if (!dPoza && 0.55 + 0.97 * xCO2 - 0.45 * xH2 > d_) kod = kodgazu::Spojnosc;
    if (dPoza) kod = kodgazu::GestoscWzgledna;
    if (xH2 > 0.10) kod = kodgazu::H2;
    if (xCO2 > 0.30) kod = kodgazu::CO2;
    kodPrzedCisnieniem_ = kod;
    kodTemperatury_ = (Tc_ < -23 || Tc_ > 65) ? kodgazu::Temperatura : 0;
    if (kodPrzedCisnieniem_ || kodTemperatury_) return;

    // Hydrocarbon molar heating value H and composition from Hs and the
    // normal density: fixed point on the molar density at the normal state.
    double amol = 1.0 / 22.349097;  // kmol/m3
    double H = 1000.0;
    auto gestoscZ = [&](double h, double am) {
        const double x1 = (Hs_ - (xH2_ * kHH2 + xCO_ * kHCO) * am) / (h * am);
        const double x2 = 1.0 - x1 - xCO2_ - xH2_ - xCO_;
        xCH_ = x1;
        xN2_ = x2;
        return (x1 * (kMCH0 + kMCH1 * h) + x2 * kMN2 + xCO2_ * kMCO2 + xH2_ * kMH2 + xCO_ * kMCO) *
               am;
    };
    bool zbiezne = false;
    for (int zew = 0; zew < 50 && !zbiezne; ++zew) {
        // Secant steps on H until the mixture reproduces the normal density.
        int kroki = 0;
        for (; kroki < 50; ++kroki) {
            const double r1 = gestoscZ(H, amol);
            if (std::fabs(rhoN_ - r1) < 1e-6) break;
            const double r2 = gestoscZ(H + 1.0, amol);
            if (r2 == r1) break;
            H += (rhoN_ - r1) / (r2 - r1);
        }
        gestoscZ(H, amol);  // composition for the final H
        hCH_ = H;
        // Zn at the normal state with this composition, and the molar density.
        const double zn = zetSGERG(kPn, kTn);
        amol = kPn / (zn * kRwir * kTn);
        zbiezne = std::fabs(rhoN_ - gestoscZ(H, amol)) < 1e-6;
    }
    gestoscZ(H, amol);
    hCH_ = H;
    mCH_ = kMCH0 + kMCH1 * H;
    zn_ = zetSGERG(kPn, kTn);
    wspolczynnikiWirialne(T_, B_, C_);

    int kod2 = 0;
    if (!(xCH_ >= 0.5)) kod2 = kodgazu::Weglowodory;
    if (0.55 + 0.4 * xN2_ + 0.97 * xCO2_ - 0.45 * xH2_ > d_) kod2 = kodgazu::Spojnosc;
    if (!zbiezne || !std::isfinite(zn_)) kod2 = kod2 ? kod2 : kodgazu::Spojnosc;
    kodDrugi_ = kod2;
}

StanGazu WlasnosciGazu::stan(double p) const {
    StanGazu s;
    s.Lepkosc = lepkoscGazu(T_, p);
    int kod = kodPrzedCisnieniem_;
    if (!(p > 0 && p <= 12000)) kod = kodgazu::Cisnienie;
    if (kodTemperatury_) kod = kodTemperatury_;
    if (!kod) kod = kodDrugi_;
    if (kod) {
        s.blad = true;
        s.kod = kod;
        s.tekst = tekstBleduGazu(kod);
        return s;
    }
    // The virial coefficients at the gas temperature are fixed; solve the cubic.
    s.Z = zetWirialu(p, T_, B_, C_);
    s.Zn = zn_;
    s.Gestosc = rhoN_ * p * kTn / (T_ * kPn * s.Z / s.Zn);
    return s;
}

}  // namespace kelmor
