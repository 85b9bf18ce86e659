#include "engine/Opory.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelmor {

const std::array<const char*, kLiczbaOporow> kNazwyOporow = {
    "Konfuzor zlokalizowany na początku odcinka",
    "Konfuzor zlokalizowany na końcu odcinka",
    "Zwężenie nagłe na początku odcinka",
    "Dyfuzor zlokalizowany na końcu odcinka",
    "Rozszerzenie nagłe na końcu odcinka",
    "Rozszerzenie nagłe na początku odcinka",
    "Trójnik rozbieżny na początku odcinka",
    "Trójnik zbieżny na końcu odcinka",
    "Trójniki zaślepione",
    "Kryza ostrokrawędziowa",
    "Kolano gięte",
    "Kolano gięte",
    "Kolano gięte",
    "Kolano 3-segmentowe, 90 stopni",
    "Kolano 3-segmentowe, 90 stopni",
    "Kolano 2 lub 1-segmentowe (dla alfa<60 jeden segment)",
    "Kolano 2 lub 1-segmentowe (dla alfa<60 jeden segment)",
    "Zasuwa całkowicie lub częściowo otwarta ",
    "Zawór grzybkowy całkowicie otwarty",
    "Opór miejscowy nie ujęty w powyższym spisie",
    "Kompresor (+) / Reduktor (-)",
};

namespace {

constexpr double kStopien = std::numbers::pi / 180.0;
constexpr const char* kPominieto = " Obliczenie współczynnika strat ciśnienia zostało pominięte.";

// Orifice: contraction factor by Re, and the extra term phi (x100) by n and Re.
constexpr double kKryzaRe[] = {100, 200, 400, 1000, 2000, 4000, 10000, 20000, 100000};
constexpr double kKryzaEps[] = {0.40, 0.42, 0.46, 0.53, 0.59, 0.64, 0.74, 0.81, 0.94};
constexpr double kKryzaN[] = {0.0, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
constexpr double kKryzaFi[10][9] = {
    {89, 69, 64, 39, 30, 22, 15, 11, 4}, {85, 67, 57, 36, 26, 20, 13, 9, 3},
    {75, 57, 43, 30, 22, 17, 10, 7, 2},  {57, 40, 28, 19, 14, 10, 6, 4, 2},
    {34, 19, 12, 7, 5, 3, 2, 1, 1},      {19, 10, 6, 3, 2, 1, 1, 0, 0},
    {11, 6, 3, 2, 1, 0, 0, 0, 0},        {6, 3, 2, 1, 0, 0, 0, 0, 0},
    {3, 1, 0, 0, 0, 0, 0, 0, 0},         {0, 0, 0, 0, 0, 0, 0, 0, 0}};

// Converging tee, side inflow.
constexpr double kTrojnikX[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
constexpr double kTrojnikZ[] = {1.73, 1.52, 1.37, 1.28, 1.25, 1.28, 1.37, 1.52, 1.73, 2.0};

// Segmented elbows at 90 degrees and more.
constexpr double kKolano3A[] = {0, 0.49, 0.98, 1.47, 1.9, 2.5, 5.0, 7.5, 10.0};
constexpr double kKolano3B[] = {1.1, 0.75, 0.45, 0.34, 0.15, 0.12, 0.1, 0.12, 0.14};
constexpr double kKolano2A[] = {0, 0.37, 0.75, 1.12, 1.5, 1.97, 3.74, 5.6, 7.46};
constexpr double kKolano2B[] = {1.1, 0.92, 0.7, 0.58, 0.4, 0.3, 0.16, 0.19, 0.2};

// Gate valve by H/d; globe valve by D in mm.
constexpr double kZasuwaH[] = {0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
constexpr double kZasuwaZ[] = {30, 22, 12, 5.3, 2.8, 1.5, 0.8, 0.3, 0.15};
constexpr double kZaworD[] = {13, 20, 40, 80, 100, 150, 200, 250, 300, 350};
constexpr double kZaworZ[] = {10.8, 8.0, 4.9, 4.0, 4.1, 4.4, 4.7, 5.1, 5.4, 5.5};

template <size_t N>
double interp(const double (&xs)[N], const double (&ys)[N], double x) {
    return interpolujLiniowo(xs, ys, static_cast<int>(N), x);
}

// Index i >= 1 of the segment [i-1, i] used for x (same rule as the 1-D case).
int przedzial(const double* xs, int n, double x) {
    int i = 0;
    while (i < n && xs[i] < x) ++i;
    if (i == 0) i = 1;
    if (i >= n) i = n - 1;
    return i;
}

// Orifice phi (already divided by 100) by n and Re; false outside the table.
bool fiKryzy(double n, double Re, double& fi) {
    constexpr int nn = 10, nr = 9;
    if (n < kKryzaN[0] || n > kKryzaN[nn - 1] || Re < kKryzaRe[0] || Re > kKryzaRe[nr - 1]) {
        fi = 0;
        return false;
    }
    const int i = przedzial(kKryzaN, nn, n);
    const int j = przedzial(kKryzaRe, nr, Re);
    const double tn = (n - kKryzaN[i - 1]) / (kKryzaN[i] - kKryzaN[i - 1]);
    const double tr = (Re - kKryzaRe[j - 1]) / (kKryzaRe[j] - kKryzaRe[j - 1]);
    const double f00 = kKryzaFi[i - 1][j - 1], f01 = kKryzaFi[i - 1][j];
    const double f10 = kKryzaFi[i][j - 1], f11 = kKryzaFi[i][j];
    const double a = f00 + (f01 - f00) * tr;
    const double b = f10 + (f11 - f10) * tr;
    fi = (a + (b - a) * tn) / 100.0;
    return true;
}

void powiedz(KanalKomunikatow* kanal, const std::string& tekst) {
    if (kanal) kanal->informacja(tekst);
}

// Correction of a bend for Reynolds number and roughness.
double poprawkaKolana(double rd, const StanDlaOporow& s, double Re) {
    const double lam = s.lambda, eps = s.eps;
    double C = 64.0 * lam;
    if (Re > 40000) {
        if (eps <= 0.001) {
            if (Re <= 200000) {
                if (rd > 1.5) C = 64.0 * lam * (eps * eps * 1e6 + 1.0);
            } else {
                C = rd > 1.5 ? eps * eps * 1e6 + 1.0 : eps * 1000.0 + 1.0;
            }
        } else {
            C = Re <= 200000 ? 128.0 * lam : 2.0;
        }
    }
    return C;
}

int schematTrojnika(double par2) {
    if (par2 < 1) return 1;
    if (par2 > 3) return 2;
    return static_cast<int>(std::lround(par2));
}

}  // namespace

double interpolujLiniowo(const double* xs, const double* ys, int n, double x) {
    if (n <= 0) return 0;
    if (n == 1) return ys[0];
    const int i = przedzial(xs, n, x);
    const double dx = xs[i] - xs[i - 1];
    if (dx == 0) return ys[i];
    return ys[i - 1] + (ys[i] - ys[i - 1]) * (x - xs[i - 1]) / dx;
}

std::unique_ptr<ListaOporow> utworzListeOporow() {
    return std::make_unique<ListaOporow>();
}

void wspolczynnikOporu(TMOpor& w, const StanDlaOporow& s, KanalKomunikatow* kanal) {
    using namespace rodzajoporu;
    if (w.Rodzaj == Kompresor) return;
    if (w.Ile == 0) {
        w.Z = 0;
        return;
    }
    const double D = s.D;
    const double Re = std::max(s.Re, 300.0);
    const std::string& et = s.etykieta;
    // Contractions and expansions report a wrong diameter only in the first pass.
    auto zwezenie = [&](const std::string& tekst) {
        if (s.pierwszyPrzebieg) powiedz(kanal, tekst + kPominieto);
        return 0.0;
    };
    double z = 0;
    switch (w.Rodzaj) {
        case KonfuzorPoczatek:
            if (w.Par1 > D) {
                const double theta =
                    w.Par2 > 0 ? std::atan((w.Par1 - D) / w.Par2) / kStopien : 90.0;
                z = (1.0 - (D / w.Par1) * (D / w.Par1)) * theta / 360.0;
            } else {
                z = zwezenie("Dla konfuzora na pocz. odcinka " + et +
                             " podano za małą średnicę poprzedniego odcinka.");
            }
            break;
        case KonfuzorKoniec:
            // A next diameter of zero would mean an infinite loss: out of range too.
            if (w.Par1 < D && w.Par1 > 0) {
                const double n = (w.Par1 / D) * (w.Par1 / D);
                z = (1.0 / (n * n * n) + 1.0 / (n * n) + 1.0 / n) * s.lambda / 4.0 * w.Par2 / D;
            } else {
                z = zwezenie("Dla konfuzora na końcu odcinka " + et +
                             " podano za dużą średnicę następnego odcinka.");
            }
            break;
        case ZwezenieNagle:
            if (w.Par1 > D) {
                z = 0.5 * (1.0 - (D / w.Par1) * (D / w.Par1));
            } else {
                z = zwezenie("Dla nagłego zwężenia na pocz. odcinka " + et +
                             " podano za małą średnicę poprzedniego odcinka.");
            }
            break;
        case Dyfuzor:
            if (w.Par1 > D) {
                const double n = (D / w.Par1) * (D / w.Par1);
                const double alfa = std::clamp(w.Par2, 0.0, 40.0);
                z = 3.2 * std::pow(std::tan(alfa / 2.0 * kStopien), 1.25) * (1.0 - n) * (1.0 - n);
            } else {
                z = zwezenie("Dla dyfuzora na końcu odcinka " + et +
                             " podano za małą średnicę następnego odcinka.");
            }
            break;
        case RozszerzenieKoniec:
            if (w.Par1 > 0) {
                const double r = 1.0 - (D / w.Par1) * (D / w.Par1);
                z = r * r;
            }
            break;
        case RozszerzeniePoczatek:
            if (D > 0) {
                const double r = 1.0 - (w.Par1 / D) * (w.Par1 / D);
                z = r * r;
            }
            break;
        case TrojnikRozbiezny:
        case TrojnikZbiezny: {
            const bool rozbiezny = w.Rodzaj == TrojnikRozbiezny;
            const double x = rozbiezny ? s.UdzialWejscia : s.UdzialWyjscia;
            if (!(x > 0 && x <= 1)) {
                powiedz(kanal, (rozbiezny ? "Nie policzono trójnika rozbieżnego w odcinku "
                                          : "Nie policzono trójnika zbieżnego w odcinku ") +
                                   et);
                z = 0;
                break;
            }
            const int sch = schematTrojnika(w.Par2);
            if (rozbiezny) {
                z = sch == 1 ? 0.4 * (1.0 - x) * (1.0 - x) : 1.0 + 0.4 * x * x;
            } else if (sch == 1) {
                z = 1.55 * (1.0 - x) - (1.0 - x) * (1.0 - x);
            } else if (sch == 2) {
                z = interp(kTrojnikX, kTrojnikZ, x);
            } else {
                z = 0.6 * ((x + 1.0) * (x + 1.0) - 2.0 * (1.0 - x));
            }
            if (z == 0) z = 1e-12;
            break;
        }
        case TrojnikZaslepiony:
            z = 1.3;
            break;
        case Kryza: {
            const double r = D > 0 ? std::min(w.Par1 / D, 1.0) : 0.0;
            if (r == 1.0) {
                z = 1e-6;
                break;
            }
            if (!(r > 0)) {
                // No opening: outside the orifice tables.
                powiedz(kanal, "Procedura interp2 zgłasza wyjście poza zakres interpolacji.");
                z = 0;
                break;
            }
            const double n = r * r;
            const double a = 1.0 + 0.707 * std::sqrt(1.0 - n) - n;
            if (Re >= 100000) {
                z = a * a / (n * n);
            } else {
                const double epsRe = interp(kKryzaRe, kKryzaEps, Re);
                double fi = 0;
                if (!fiKryzy(n, Re, fi)) {
                    powiedz(kanal, "Procedura interp2 zgłasza wyjście poza zakres interpolacji.");
                    z = 0;
                    break;
                }
                z = (a * a * epsRe + fi) / (n * n);
            }
            break;
        }
        case KolanoGiete1:
        case KolanoGiete2:
        case KolanoGiete3:
        case Kolano3Segm1:
        case Kolano3Segm2:
        case Kolano2Segm1:
        case Kolano2Segm2: {
            if (!(w.Par1 * w.Par2 > 0)) {
                z = 0;
                break;
            }
            const double rd = w.Par1, delta = w.Par2;
            const double C = poprawkaKolana(rd, s, Re);
            if (w.Rodzaj <= KolanoGiete3) {
                double A;
                if (delta < 70)
                    A = 0.9 * std::sin(delta * kStopien);
                else if (delta < 100)
                    A = 1.0;
                else
                    A = 0.7 + 0.35 * delta / 90.0;
                z = 0.21 * A * C / std::sqrt(std::fabs(rd));
            } else {
                double B;
                if (delta <= 45)
                    B = 0.11;
                else if (delta < 60)
                    B = 0.15;
                else if (delta < 90)
                    B = 0.11;
                else if (w.Rodzaj <= Kolano3Segm2)
                    B = rd < kKolano3A[8] ? interp(kKolano3A, kKolano3B, rd) : kKolano3B[8];
                else
                    B = rd < kKolano2A[8] ? interp(kKolano2A, kKolano2B, rd) : kKolano2B[8];
                z = C * B;
            }
            break;
        }
        case Zasuwa: {
            const double h = w.Par1;
            if (h <= 0.25)
                z = 30;
            else if (h > 1)
                z = 0.15;
            else
                z = interp(kZasuwaH, kZasuwaZ, h);
            break;
        }
        case ZaworGrzybkowy:
            if (D <= 13)
                z = 10.8;
            else if (D >= 350)
                z = 5.5;
            else
                z = interp(kZaworD, kZaworZ, D);
            break;
        case Inny:
            z = w.Par1;
            break;
        default:
            z = 0;
            break;
    }
    if (!std::isfinite(z)) z = 0;
    w.Z = z;
}

double sumaOporow(const ListaOporow& lista) {
    double s = 0;
    for (int i = 0; i < kWpisKompresora; ++i) s += lista.wpisy[i].Ile * lista.wpisy[i].Z;
    return s;
}

double policzOpory(ListaOporow& lista, const StanDlaOporow& stan, KanalKomunikatow* kanal) {
    for (int i = 0; i < kWpisKompresora; ++i) wspolczynnikOporu(lista.wpisy[i], stan, kanal);
    return sumaOporow(lista);
}

double kompresorListy(const ListaOporow& lista) {
    const TMOpor& k = lista.wpisy[kWpisKompresora];
    return k.Rodzaj == rodzajoporu::Kompresor ? k.Par1 : 0.0;
}

}  // namespace kelmor
