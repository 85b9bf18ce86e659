#include "cli/Opcje.h"

#include <cstdio>
#include <filesystem>

namespace kelmor::cli {

RozbiorArgumentow rozbierz(const Argumenty& args, const std::set<std::string>& zWartoscia) {
    RozbiorArgumentow r;
    bool tylkoPozycyjne = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (tylkoPozycyjne || a.size() < 2 || a[0] != '-') {
            r.pozycyjne.push_back(a);
            continue;
        }
        if (a == "--") {
            tylkoPozycyjne = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            r.pomoc = true;
            continue;
        }
        std::string nazwa = a;
        std::string wartosc;
        bool maWartosc = false;
        if (const auto rowna = a.find('='); rowna != std::string::npos) {
            nazwa = a.substr(0, rowna);
            wartosc = a.substr(rowna + 1);
            maWartosc = true;
        }
        if (!zWartoscia.count(nazwa)) {
            if (r.blad.empty()) r.blad = "nieznana opcja: " + nazwa;
            continue;
        }
        if (!maWartosc) {
            if (i + 1 >= args.size()) {
                if (r.blad.empty()) r.blad = "opcja " + nazwa + " wymaga wartości";
                continue;
            }
            wartosc = args[++i];
        }
        r.opcje[nazwa] = wartosc;
    }
    return r;
}

int bladUzycia(const char* polecenie, const std::string& tekst) {
    std::fprintf(stderr, "kelmor-cli %s: %s\n", polecenie, tekst.c_str());
    return kKodBladWejscia;
}

bool plikIstnieje(const std::string& sciezka) {
    std::error_code ec;
    return std::filesystem::is_regular_file(sciezka, ec);
}

}  // namespace kelmor::cli
