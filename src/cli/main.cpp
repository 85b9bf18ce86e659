// kelmor-cli: the program without its window.
#include <clocale>
#include <cstdio>
#include <string>

#include "cli/Polecenia.h"

namespace {

constexpr const char* kWersja = "5.2";

void pomoc() {
    std::printf(
        "KELMOR %s - dobór średnic i symulacja sieci gazociągowych (wersja bez okna)\n\n"
        "Użycie: kelmor-cli POLECENIE [OPCJE...]\n"
        "        kelmor-cli --help | --version\n\n"
        "Polecenia:\n",
        kWersja);
    for (const auto& p : kelmor::cli::polecenia()) std::printf("  %-10s %s\n", p.nazwa, p.opis);
    std::printf("\nPomoc do polecenia: kelmor-cli POLECENIE --help\n");
}

}  // namespace

int main(int argc, char** argv) {
    // Numbers are always written and read with "." whatever the system locale.
    std::setlocale(LC_ALL, "C");
    if (argc < 2) {
        pomoc();
        return 2;
    }
    const std::string pierwszy = argv[1];
    if (pierwszy == "--help" || pierwszy == "-h" || pierwszy == "pomoc") {
        pomoc();
        return 0;
    }
    if (pierwszy == "--version" || pierwszy == "-V") {
        std::printf("KELMOR %s\n", kWersja);
        return 0;
    }
    for (const auto& p : kelmor::cli::polecenia()) {
        if (pierwszy == p.nazwa) {
            kelmor::cli::Argumenty args(argv + 2, argv + argc);
            return p.uruchom(args);
        }
    }
    std::fprintf(stderr, "kelmor-cli: nieznane polecenie: %s (zob. kelmor-cli --help)\n",
                 pierwszy.c_str());
    return 2;
}
