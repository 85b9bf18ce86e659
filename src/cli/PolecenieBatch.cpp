// kelmor-cli batch: the batch run of an XML data file, as when the program
// is started with that file as its first argument.
#include <cstdio>
#include <string>

#include "app/KanalStderr.h"
#include "app/PlikiBezOkna.h"
#include "app/Wsadowy.h"
#include "cli/Opcje.h"

namespace kelmor::cli {

namespace {

constexpr const char* kNazwa = "batch";

void pomocBatch() {
    std::printf(
        "Użycie: kelmor-cli batch PLIK.xml [ARGUMENTY...]\n\n"
        "Przebieg wsadowy: wczytuje dane z PLIK.xml, przeprowadza wstępną analizę\n"
        "i obliczenia bez udziału użytkownika, zapisuje wyniki w pliku PLIK_Wyniki.XML\n"
        "i dziennik w pliku PLIK_Wyniki.Log obok pliku danych, a dziennik wypisuje\n"
        "na standardowe wyjście. Komunikaty o błędach w danych trafiają na\n"
        "standardowe wyjście błędów; pytania otrzymują odpowiedź \"Nie\".\n\n"
        "Gdy dane zawierają <czyKonczycPrace>false</czyKonczycPrace>, po obliczeniach\n"
        "brane są kolejne ARGUMENTY, tak jak przy uruchomieniu programu:\n"
        "  *.rur            katalog rur\n"
        "  *.gaz, *.gas     plik danych\n"
        "  *.xml            ścieżka późniejszego zapisu wyników XML\n"
        "  *.txt            ścieżka eksportu do GDO (dla danych z GDO)\n"
        "Rodzaj argumentu wynika z trzech ostatnich znaków, bez względu na wielkość\n"
        "liter; inne argumenty są pomijane.\n\n"
        "Opcje:\n"
        "  --help           ten opis\n\n"
        "Kod wyjścia: 0 - pierwszy wiersz dziennika to \"true\", 1 - \"false\",\n"
        "2 - błędne wywołanie albo brak pliku danych.\n");
}

}  // namespace

int polecenieBatch(const Argumenty& args) {
    const RozbiorArgumentow r = rozbierz(args, {});
    if (r.pomoc) {
        pomocBatch();
        return kKodSukces;
    }
    if (!r.blad.empty()) return bladUzycia(kNazwa, r.blad);
    if (r.pozycyjne.empty())
        return bladUzycia(kNazwa, "brak pliku XML (zob. kelmor-cli batch --help)");
    const std::string& wejscie = r.pozycyjne[0];
    if (rodzajArgumentu(wejscie) != "XML")
        return bladUzycia(kNazwa, "pierwszym argumentem musi być plik danych *.xml: " + wejscie);
    const bool brakPliku = !plikIstnieje(wejscie);

    KanalStderr kanal;
    Edytor ed(kanal);
    PrzebiegWsadowy przebieg;
    przetworzArgumenty(ed, r.pozycyjne, &przebieg);

    const std::vector<std::string> log = czytajLog(ed.SciezkaLogu);
    for (const auto& l : log) std::printf("%s\n", l.c_str());
    std::fflush(stdout);
    // A missing input still gets its log, as the calling program expects one.
    if (brakPliku) return bladUzycia(kNazwa, "nie ma pliku " + wejscie);
    return !log.empty() && log[0] == "true" ? kKodSukces : kKodPrzerwano;
}

}  // namespace kelmor::cli
