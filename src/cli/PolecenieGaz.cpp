// kelmor-cli gas: the gas state (SGERG-88) at one pressure and temperature.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/Polecenia.h"
#include "engine/Gaz.h"
#include "model/Liczby.h"

namespace kelmor::cli {

namespace {

void pomocGaz() {
    std::printf(
        "Użycie: kelmor-cli gas --hs MJ_NA_M3 --d GĘSTOŚĆ_WZGL --t STOPNIE_C --p KPA_ABS\n"
        "                       [--co2 UDZIAŁ] [--h2 UDZIAŁ]\n\n"
        "Stan gazu ziemnego wg SGERG-88 przy danym ciśnieniu i temperaturze.\n\n"
        "  --hs    ciepło spalania, MJ/m3 (20..48)\n"
        "  --d     gęstość względna gazu, powietrze = 1 (0.55..0.9)\n"
        "  --t     temperatura gazu, C (-23..65)\n"
        "  --p     ciśnienie bezwzględne, kPa (do 12000)\n"
        "  --co2   udział molowy CO2, 0..1 (domyślnie 0)\n"
        "  --h2    udział molowy H2, 0..1 (domyślnie 0; CO = 0.0964 x H2)\n\n"
        "Wypisuje wiersze: Z, Zn, rho (kg/m3), mu (Pa s), 17 cyfr znaczących.\n"
        "Kod wyjścia: 0 - wynik, 1 - dane poza zakresem metody, 2 - błędne wywołanie.\n");
}

int bladWywolania(const std::string& tekst) {
    std::fprintf(stderr, "kelmor-cli gas: %s\n", tekst.c_str());
    return 2;
}

}  // namespace

int polecenieGaz(const Argumenty& args) {
    std::optional<double> hs, d, t, p;
    double co2 = 0, h2 = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            pomocGaz();
            return 0;
        }
        double* cel = nullptr;
        std::optional<double>* celOpc = nullptr;
        if (a == "--hs")
            celOpc = &hs;
        else if (a == "--d")
            celOpc = &d;
        else if (a == "--t")
            celOpc = &t;
        else if (a == "--p")
            celOpc = &p;
        else if (a == "--co2")
            cel = &co2;
        else if (a == "--h2")
            cel = &h2;
        else
            return bladWywolania("nieznana opcja: " + a + " (zob. kelmor-cli gas --help)");
        if (i + 1 >= args.size()) return bladWywolania("brak wartości opcji " + a);
        const std::string& tekst = args[++i];
        const std::optional<double> v = naLiczbe(tekst);
        if (!v) return bladWywolania("niepoprawna liczba w opcji " + a + ": " + tekst);
        if (cel) *cel = *v;
        if (celOpc) *celOpc = *v;
    }
    const std::pair<const char*, const std::optional<double>*> wymagane[] = {
        {"--hs", &hs}, {"--d", &d}, {"--t", &t}, {"--p", &p}};
    for (const auto& [nazwa, v] : wymagane) {
        if (!*v) return bladWywolania(std::string("brak wymaganej opcji ") + nazwa);
    }

    const WlasnosciGazu gaz(*hs, *d, *t, co2, h2);
    const StanGazu s = gaz.stan(*p);
    if (s.blad) {
        std::printf("mu %s\n", formatOgolny(s.Lepkosc, 17).c_str());
        std::fprintf(stderr, "%s\n", s.tekst.c_str());
        return 1;
    }
    std::printf("Z %s\n", formatOgolny(s.Z, 17).c_str());
    std::printf("Zn %s\n", formatOgolny(s.Zn, 17).c_str());
    std::printf("rho %s\n", formatOgolny(s.Gestosc, 17).c_str());
    std::printf("mu %s\n", formatOgolny(s.Lepkosc, 17).c_str());
    return 0;
}

}  // namespace kelmor::cli
