#include "engine/Strata.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/Opory.h"
#include "model/Liczby.h"
#include "model/Tekst.h"

namespace kelmor {

// ---------------------------------------------------------------- friction

double lambdaColebrooka(double Re, double eps, bool& blad) {
    blad = false;
    const double re = Re >= 4000 ? Re : 4000.0;
    auto F = [&](double l) {
        return 1.0 / std::sqrt(l) + 0.8686 * std::log(2.51 / (re * std::sqrt(l)) + eps / 3.71);
    };
    double a = eps < 0.001 ? 0.007 : 0.01;
    double b = 0.09;
    double fa = F(a), fb = F(b);
    for (int krok = 0; krok < 1000; ++krok) {
        if (fa == fb) break;
        const double l = (b * fa - a * fb) / (fa - fb);
        if (!(l > 0) || !std::isfinite(l)) break;
        const double f = F(l);
        if (!std::isfinite(f)) break;
        if (std::fabs(f) < 0.001) return l;
        // Replace the bracket end whose value has the same sign.
        if ((f > 0) == (fa > 0)) {
            a = l;
            fa = f;
        } else {
            b = l;
            fb = f;
        }
    }
    blad = true;
    return 0.01;
}

double wspolczynnikTarcia(double Re, double eps, bool& blad) {
    blad = false;
    if (Re < 10) return 6.4;
    double l = lambdaColebrooka(Re, eps, blad);
    if (blad) return l;
    if (Re < 2300) l = std::max(l, 64.0 / Re);
    return l;
}

// ------------------------------------------------------- simplified formulas

double wspolczynnikBielaLummerta(double d) {
    static const double K[] = {41.3, 45.7, 50.1, 54.6, 59.0, 63.4, 67.8,
                               72.2, 76.7, 81.1, 85.4, 89.8, 94.2};
    if (d <= 0.4) return K[0];
    if (d >= 1.0) return K[12];
    const double pos = (d - 0.4) / 0.05;
    int i = static_cast<int>(std::floor(pos));
    i = std::clamp(i, 0, 11);
    return K[i] + (K[i + 1] - K[i]) * (pos - i);
}

const std::array<std::string, 13>& tekstyWzorow() {
    static const std::array<std::string, 13> teksty = [] {
        const char* nazwy[13] = {"Biel-Lummerta",
                                 "Biel-Lummerta",
                                 "Biel-Lummerta-niskie ciśn.",
                                 "Biel-Lummerta-niskie ciśn.",
                                 "Panhandla",
                                 "Panhandla",
                                 "Renouarda-niskie ciśnienie",
                                 "Renouarda-niskie ciśnienie",
                                 "Renouarda",
                                 "Waldena 1",
                                 "Waldena 2",
                                 "Weymoutha",
                                 "Krajowej Dyspozycji Gazu"};
        std::array<std::string, 13> t;
        for (int i = 0; i < 13; ++i) {
            std::string s = nazwy[i];
            for (std::size_t n = liczbaZnakow(s); n < 26; ++n) s += ' ';
            t[i] = s + "()";
        }
        return t;
    }();
    return teksty;
}

namespace {

constexpr double kPi = std::numbers::pi;

struct Kontekst {
    const WejscieOdcinka& we;
    const Parametry& par;
    const WlasnosciGazu& gaz;
    KanalKomunikatow* kanal;
    WynikOdcinka& r;
    double c;   // PredkoscDzwieku
    double c2;  // IloczynRT
    double G;   // mass flux, kg/(m2 s)
};

enum class Rozwiazanie { Zwykle, Krytyczne, BrakZbieznosci };

// Velocity ratio x >= 1 of the isothermal flow equation over a loss ζ with
// the velocity w at the known end. Returns the velocity at the other end.
double predkoscKonca(const Kontekst& k, double w, double zeta, Rozwiazanie& stan) {
    stan = Rozwiazanie::Zwykle;
    const bool wstecz = k.we.wstecz;
    const double a = k.c2 / (w * w);
    auto F = [&](double x) {
        return wstecz ? a * (x * x - 1.0) - 2.0 * std::log(x) - zeta
                      : a * (x * x - 1.0) / (x * x) - 2.0 * std::log(x) - zeta;
    };
    auto predkosc = [&](double x) { return wstecz ? w / x : x * w; };
    const double krytyczna = 0.81 * k.c;
    if (!wstecz && F(1.1) <= -zeta) {
        stan = Rozwiazanie::Krytyczne;
        return krytyczna;
    }
    if (F(1.000001) > 0) return predkosc(1.000001);

    double x0 = wstecz ? 1.0 : 1.000001;
    double x1 = wstecz ? 1.000001 : 1.00001;
    double f0 = F(x0), f1 = F(x1);
    for (int krok = 0; krok < 40; ++krok) {
        if (f1 == f0) break;
        const double x = x1 - f1 * (x1 - x0) / (f1 - f0);
        if (!std::isfinite(x) || x < 1.0 || (x < x0 && x < x1)) {
            stan = Rozwiazanie::Krytyczne;
            return krytyczna;
        }
        const double f = F(x);
        if (std::fabs(f) < 1e-10) return predkosc(x);
        // Keep the pair that brackets the root once there is one.
        if ((f > 0) != (f1 > 0)) {
            x0 = x1;
            f0 = f1;
        } else if ((f > 0) != (f0 > 0)) {
            // x0 stays: it brackets the root with x.
        } else {
            x0 = x1;
            f0 = f1;
        }
        x1 = x;
        f1 = f;
        if (std::fabs(x1 - x0) < 1e-10) return predkosc(x);
    }
    stan = Rozwiazanie::BrakZbieznosci;
    return krytyczna;
}

bool blad(WynikOdcinka& r, std::string tekst) {
    r.blad = true;
    r.tekst = std::move(tekst);
    return false;
}

// Exact method: the segment in n equal parts, the gas state at every part end.
bool metodaDokladna(const Kontekst& k, double zeta) {
    WynikOdcinka& r = k.r;
    const bool dzielic = k.we.Kompresor == 0;
    bool zgloszono = false;
    for (int n = 1;; ++n) {
        double p = k.we.p1, w = r.w1, rho = r.Gestosc1;
        bool dobrze = true;
        for (int cz = 0; cz < n; ++cz) {
            Rozwiazanie st;
            const double wf = predkoscKonca(k, w, zeta / n, st);
            if (st == Rozwiazanie::BrakZbieznosci && !zgloszono) {
                zgloszono = true;
                r.linieWynikow.push_back("Za duża prędkość w odcinku " + k.we.etykieta);
                r.tekst = "Wpocz=" + formatStaly(w, 15, 2) + " m/s";
            }
            const double pk = p * w / wf;
            const StanGazu s = k.gaz.stan(pk);
            if (s.blad) return blad(r, s.tekst);
            const double wk = k.G / s.Gestosc;
            if (dzielic && n < 100 && std::fabs(wf - wk) / wk * 100.0 > 0.1) {
                dobrze = false;
                break;
            }
            p = pk;
            w = wk;
            rho = s.Gestosc;
        }
        if (dobrze) {
            r.p2 = p;
            r.Gestosc2 = rho;
            r.czesci = n;
            return true;
        }
    }
}

// Universal method (Stoner, Szargut, Ochęduszko).
bool metodaUniwersalna(const Kontekst& k, double zeta) {
    WynikOdcinka& r = k.r;
    const double w1 = r.w1;
    double w2;
    if (!k.we.wstecz) {
        const double m = k.c2 - zeta * w1 * w1;
        w2 = m > 0 ? w1 * std::sqrt(k.c2 / m) : 0.81 * k.c;
    } else {
        w2 = w1 * std::sqrt(k.c2 / (k.c2 + zeta * w1 * w1));
    }
    r.p2 = k.we.p1 * w1 / w2;
    const StanGazu s = k.gaz.stan(r.p2);
    if (s.blad) return blad(r, s.tekst);
    r.Gestosc2 = s.Gestosc;
    r.czesci = 1;
    return true;
}

// Simplified formulas (the entries of LBWzory).
bool wzorUproszczony(const Kontekst& k, const StanGazu& s1) {
    WynikOdcinka& r = k.r;
    const WejscieOdcinka& we = k.we;
    const int wzor = k.par.wzory.wzor;
    if (wzor < 0 || wzor > 12) {
        if (k.kanal) k.kanal->informacja(kTekstBrakWzoruDialog);
        return blad(r, kTekstBrakWzoru);
    }
    const double Q = we.Q, q = Q / 3600.0, D = we.D, d = D / 1000.0;
    const double l = we.L + we.Le;
    const double T = k.par.TcGazu + 273.15;
    const double De = k.par.dGazu;
    const double Z = s1.Z;
    const double s = we.wstecz ? -1.0 : 1.0;
    const double p1 = we.p1;
    const double K = wspolczynnikBielaLummerta(De);
    const double eps = D > 0 ? we.k / D : 0;
    double p2 = 0;
    double kw = 0;  // the value under a square root, when the formula has one
    bool pierwiastek = true;
    switch (wzor) {
        case 0:
            kw = std::pow(p1 / 100, 2) - s * 0.8227 * K * l * Q * Q / std::pow(D, 5);
            p2 = 100 * std::sqrt(std::max(kw, 0.0));
            break;
        case 1:
            kw =
                std::pow(p1 / 1000, 2) - s * 0.008635 * K * l * std::pow(Q, 1.875) / std::pow(D, 5);
            p2 = 1000 * std::sqrt(std::max(kw, 0.0));
            break;
        case 2:
            pierwiastek = false;
            p2 = p1 - s * 42.604 * K * l * std::pow(Q, 1.875) / std::pow(D, 5);
            break;
        case 3:
            pierwiastek = false;
            p2 = (1000 * p1 - s * 6.93e-7 * K * T * l * std::pow(q, 1.875) / std::pow(d, 5)) / 1000;
            break;
        case 4:
            kw = std::pow(1000 * p1, 2) -
                 s * 13.414 * Z * T * l * De * std::pow(q, 1.8539) / std::pow(d, 4.8539);
            p2 = std::sqrt(std::max(kw, 0.0)) / 1000;
            break;
        case 5:
            kw = std::pow(p1 / 100, 2) - s * 8.443 * 0.001 * std::pow(De, 0.961) * Z * T * l *
                                             std::pow(Q, 1.96) / std::pow(D, 4.96);
            p2 = 100 * std::sqrt(std::max(kw, 0.0));
            break;
        case 6:
            pierwiastek = false;
            p2 = (1000 * p1 - s * 8.9244e-5 * T * l * De * std::pow(q, 1.8) / std::pow(d, 4.8)) /
                 1000;
            break;
        case 7:
            pierwiastek = false;
            p2 = 100 *
                 (p1 / 100 - s * 22760 * std::pow(0.0001 * s1.Lepkosc / s1.Gestosc / 0.22, 0.22) *
                                 l * De * std::pow(Q, 1.82) / std::pow(D, 4.86));
            break;
        case 8:
            kw = std::pow(p1 / 1000, 2) -
                 s * 0.51515 * l * De * std::pow(Q, 1.82) / std::pow(D, 4.82);
            p2 = 1000 * std::sqrt(std::max(kw, 0.0));
            break;
        case 9:
            kw = std::pow(1000 * p1, 2) - s * 19.408 * std::pow(De, 0.835) * Z * T * l *
                                              std::pow(q, 1.835) / std::pow(d, 4.835);
            p2 = std::sqrt(std::max(kw, 0.0)) / 1000;
            break;
        case 10:
            kw = std::pow(p1 / 1000, 2) -
                 s * 51.798 * std::pow(eps, 0.1858) * Z * T * l * De * Q * Q / std::pow(D, 5);
            p2 = 1000 * std::sqrt(std::max(kw, 0.0));
            break;
        case 11:
            kw = std::pow(1000 * p1, 2) - s * 8.056 * Z * T * l * De * q * q / std::pow(d, 5.33);
            p2 = std::sqrt(std::max(kw, 0.0)) / 1000;
            break;
        case 12:
            kw = std::pow(p1 / 1000, 2) - s * 0.001 * Z * T * l * De * std::pow(Q, 1.814882) /
                                              (std::pow(0.6714, 1.814882) * std::pow(D, 4.814882));
            p2 = 1000 * std::sqrt(std::max(kw, 0.0));
            break;
    }
    if ((pierwiastek && !(kw >= 0)) || !std::isfinite(p2) || p2 < 99) {
        return blad(r, kTekstZbytDuzaStrata);
    }
    r.p2 = p2;
    const StanGazu s2 = k.gaz.stan(p2);
    if (s2.blad) return blad(r, s2.tekst);
    r.Gestosc2 = s2.Gestosc;
    r.czesci = 1;
    return true;
}

void straty(WynikOdcinka& r, const WejscieOdcinka& we, const Parametry& par) {
    const double dp = std::fabs(we.p1 - r.p2);
    const double przel = par.PrzelicznikCisnienia > 0 ? par.PrzelicznikCisnienia : 1.0;
    r.DeltaP = dp / przel;
    r.gradient = we.L > 0 ? dp / we.L : 0.0;
    r.R = we.Q < 1e-12 ? r.DeltaP * 1e24 : r.DeltaP / (we.Q * we.Q);
}

}  // namespace

WynikOdcinka obliczOdcinek(const WejscieOdcinka& we, const Parametry& par, const WlasnosciGazu& gaz,
                           KanalKomunikatow* kanal) {
    WynikOdcinka r;
    const double c = gaz.PredkoscDzwieku();
    Kontekst k{we, par, gaz, kanal, r, c, gaz.IloczynRT(), 0};

    const StanGazu s1 = we.stan1 ? *we.stan1 : gaz.stan(we.p1);
    if (s1.blad) {
        blad(r, s1.tekst);
        return r;
    }
    if (!(we.D > 0)) {
        blad(r, "Brak katalogu rur, lub nie poprawna średnica nominalna\n\rw odcinku " +
                    we.etykieta + ".");
        return r;
    }
    r.Gestosc1 = s1.Gestosc;

    // 1. Flow area, mass flux and velocity at the known end.
    const double A = kPi * we.D * we.D / 4.0 * 1e-6;
    k.G = we.Q / A * gaz.GestoscNormalna() / 3600.0;
    r.w1 = k.G / s1.Gestosc;

    // 2. Velocity limit at the known end.
    const bool bezLimitow = we.doborSrednicy || (we.zOczkami && we.przebieg <= 6);
    if (r.w1 > 0.6 * c && !bezLimitow) {
        blad(r, "Za duża prędkość na początku odcinka " + we.etykieta + "\n\r" +
                    "w=" + formatStaly(r.w1, 15, 0) + " m/s.");
        return r;
    }

    // 3.-4. Reynolds number, relative roughness, friction factor.
    r.Re = k.G * we.D * 0.001 / s1.Lepkosc;
    const double eps = we.k / we.D;
    bool bladLambdy = false;
    r.lambda = wspolczynnikTarcia(r.Re, eps, bladLambdy);
    if (bladLambdy) {
        blad(r, kTekstLambda);
        return r;
    }

    // 5. Fittings.
    if (we.opory) {
        StanDlaOporow so;
        so.etykieta = we.etykieta;
        so.UdzialWejscia = we.UdzialWejscia;
        so.UdzialWyjscia = we.UdzialWyjscia;
        so.lambda = r.lambda;
        so.Re = r.Re;
        so.eps = eps;
        so.D = we.D;
        so.pierwszyPrzebieg = we.przebieg <= 1;
        r.SumaZ = policzOpory(*we.opory, so, kanal);
    }

    // 6. No flow.
    if (r.w1 == 0) {
        r.w2 = 0;
        r.p2 = we.p1;
        r.Gestosc2 = r.Gestosc1;
        r.R = 1e24;
        return r;
    }
    // 7. No resistance.
    const double zeta = r.lambda * (we.L + we.Le) / (we.D * 0.001) + r.SumaZ;
    if (zeta == 0) {
        r.w2 = r.w1;
        r.p2 = we.p1;
        r.Gestosc2 = r.Gestosc1;
        r.R = 0;
        return r;
    }

    // 8. The method.
    bool ok;
    switch (par.wzory.metoda) {
        case 1:
            ok = metodaUniwersalna(k, zeta);
            break;
        case 2:
            ok = wzorUproszczony(k, s1);
            break;
        default:
            ok = metodaDokladna(k, zeta);
            break;
    }
    if (!ok) return r;
    r.w2 = k.G / r.Gestosc2;

    // 9. Loss, gradient, resistance.
    straty(r, we, par);

    // 10. Velocity limit at the other end.
    if (r.w2 > 0.8 * c && !we.doborSrednicy) {
        if (!we.zOczkami)
            r.linieWynikow.push_back("Za duża prędkość na końcu odcinka " + we.etykieta);
        if (we.przebieg >= 11) {
            blad(r, "Za duża prędkość na końcu odcinka " + we.etykieta + "\n\r" +
                        "w=" + formatOgolny(r.w2, 15) + " m/s.");
        }
    }
    return r;
}

}  // namespace kelmor
