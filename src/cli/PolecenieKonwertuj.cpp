// kelmor-cli konwertuj: reads a data file of any kind and writes it as a
// .gaz/.gas file or as XML data.
#include <cstdio>
#include <string>

#include "app/KanalStderr.h"
#include "app/PlikiBezOkna.h"
#include "cli/Opcje.h"

namespace kelmor::cli {

namespace {

constexpr const char* kNazwa = "konwertuj";

void pomocKonwertuj() {
    std::printf(
        "Użycie: kelmor-cli konwertuj WEJŚCIE WYJŚCIE [OPCJE...]\n\n"
        "Wczytuje dane sieci z pliku WEJŚCIE (*.gaz lub *.gas w każdej wersji,\n"
        "*.xml, *.pro) i zapisuje je w pliku WYJŚCIE: *.gaz lub *.gas (format 123)\n"
        "albo *.xml (dane XML). Rodzaj pliku wynika z rozszerzenia, bez względu na\n"
        "wielkość liter. Gdy danych nie można wczytać, nic nie jest zapisywane.\n\n"
        "Opcje:\n"
        "  --katalog PLIK.rur   katalog rur zapisywany w danych XML (zastępuje\n"
        "                       katalog zapisany w danych wejściowych XML)\n"
        "  --help               ten opis\n\n"
        "Kod wyjścia: 0 - zapisano, 1 - błąd zapisu, 2 - błędne wywołanie albo nie\n"
        "można wczytać danych.\n");
}

}  // namespace

int polecenieKonwertuj(const Argumenty& args) {
    const RozbiorArgumentow r = rozbierz(args, {"--katalog"});
    if (r.pomoc) {
        pomocKonwertuj();
        return kKodSukces;
    }
    if (!r.blad.empty()) return bladUzycia(kNazwa, r.blad);
    if (r.pozycyjne.size() < 2)
        return bladUzycia(
            kNazwa, "potrzebne dwa pliki: WEJŚCIE WYJŚCIE (zob. kelmor-cli konwertuj --help)");
    if (r.pozycyjne.size() > 2) return bladUzycia(kNazwa, "nadmiarowy argument: " + r.pozycyjne[2]);
    const std::string& we = r.pozycyjne[0];
    const std::string& wy = r.pozycyjne[1];
    const RodzajPliku rodzajWe = rodzajPliku(we);
    const RodzajPliku rodzajWy = rodzajPliku(wy);
    if (rodzajWe != RodzajPliku::Gaz && rodzajWe != RodzajPliku::Xml &&
        rodzajWe != RodzajPliku::Pro)
        return bladUzycia(kNazwa,
                          "nieznany rodzaj pliku danych: " + we + " (*.gaz, *.gas, *.xml, *.pro)");
    if (rodzajWy != RodzajPliku::Gaz && rodzajWy != RodzajPliku::Xml)
        return bladUzycia(kNazwa,
                          "nieznany rodzaj pliku wynikowego: " + wy + " (*.gaz, *.gas, *.xml)");
    if (!plikIstnieje(we)) return bladUzycia(kNazwa, "nie ma pliku " + we);
    const auto kat = r.opcje.find("--katalog");
    if (kat != r.opcje.end() && !plikIstnieje(kat->second))
        return bladUzycia(kNazwa, "nie ma pliku " + kat->second);

    KanalStderr kanal;
    Edytor ed(kanal);
    if (!czytajDane(ed, we, rodzajWe))
        return bladUzycia(kNazwa, "nie można wczytać danych z pliku " + we);
    if (kat != r.opcje.end() && !czytajKatalog(ed, kat->second))
        return bladUzycia(kNazwa, "nie można wczytać katalogu rur " + kat->second);
    if (!zapiszDane(ed, wy, rodzajWy)) {
        std::fprintf(stderr, "kelmor-cli konwertuj: nie można zapisać pliku %s\n", wy.c_str());
        return kKodPrzerwano;
    }
    return kKodSukces;
}

}  // namespace kelmor::cli
