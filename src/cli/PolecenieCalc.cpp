// kelmor-cli calc: reads a network, prepares and calculates it, and writes
// the network table with the results.
#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/KanalStderr.h"
#include "app/PlikiBezOkna.h"
#include "app/Przygotowanie.h"
#include "app/TabelaTekstowa.h"
#include "cli/Opcje.h"
#include "model/Liczby.h"
#include "model/Tekst.h"

namespace kelmor::cli {

namespace {

constexpr const char* kNazwa = "calc";

void pomocCalc() {
    std::printf(
        "Użycie: kelmor-cli calc DANE [OPCJE...]\n\n"
        "Wczytuje sieć z pliku DANE (*.gaz, *.gas, *.xml lub *.pro - rodzaj według\n"
        "rozszerzenia, bez względu na wielkość liter), przeprowadza wstępną analizę\n"
        "danych i obliczenia, a potem wypisuje Tabelę Opisu Sieci z wynikami.\n"
        "Komunikaty, wyniki analizy danych, lista wyników i raport z przebiegu\n"
        "obliczeń trafiają na standardowe wyjście błędów.\n\n"
        "Opcje:\n"
        "  --katalog PLIK.rur   katalog rur (zastępuje katalog zapisany w danych XML)\n"
        "  --metoda METODA      metoda obliczania straty ciśnienia: dokladna (domyślna),\n"
        "                       uniwersalna albo wzor:N (wzór uproszczony nr N, 1..13)\n"
        "  --mnoznik X          mnożnik poborów jawnych (zastępuje wartość z danych)\n"
        "  --format FORMAT      tabela (domyślny: wyrównane kolumny), csv (pola\n"
        "                       rozdzielone \";\", kropka dziesiętna, UTF-8) albo xml\n"
        "                       (plik wyników XML, kodowanie windows-1250)\n"
        "  --wyjscie PLIK       zapis do pliku zamiast na standardowe wyjście\n"
        "  --help               ten opis\n\n"
        "Kod wyjścia: 0 - koniec obliczeń, 3 - nie uzyskano wymaganej dokładności\n"
        "obliczeń (wyniki orientacyjne), 1 - obliczenia przerwane lub niemożliwe,\n"
        "2 - błędne wywołanie albo nie można wczytać danych.\n");
}

bool ustawMetode(const std::string& tekst, Wzory& w) {
    if (tekst == "dokladna" || tekst == "dokładna") {
        w = {0, -1};
        return true;
    }
    if (tekst == "uniwersalna") {
        w = {1, -1};
        return true;
    }
    if (tekst.rfind("wzor:", 0) == 0 || tekst.rfind("wzór:", 0) == 0) {
        const auto n = naCalkowita(tekst.substr(tekst.find(':') + 1));
        if (!n || *n < 1 || *n > 13) return false;
        w = {2, *n - 1};
        return true;
    }
    return false;
}

bool zapiszTekst(const std::string& sciezka, const std::string& tekst) {
    if (sciezka.empty()) {
        std::fwrite(tekst.data(), 1, tekst.size(), stdout);
        std::fflush(stdout);
        return true;
    }
    std::ofstream f(sciezka, std::ios::binary | std::ios::trunc);
    f << tekst;
    f.flush();
    return static_cast<bool>(f);
}

// The results XML to a file, or through a temporary file to stdout.
bool zapiszXml(Edytor& ed, const std::string& sciezka) {
    if (!sciezka.empty()) return zapiszWynikiXml(ed, sciezka);
    std::error_code ec;
    const auto tymczasowy = std::filesystem::temp_directory_path(ec) /
                            ("kelmor-cli-" + std::to_string(::getpid()) + ".xml");
    if (ec) return false;
    bool ok = zapiszWynikiXml(ed, tymczasowy.string());
    if (ok) {
        std::ifstream f(tymczasowy, std::ios::binary);
        const std::string bajty((std::istreambuf_iterator<char>(f)),
                                std::istreambuf_iterator<char>());
        ok = zapiszTekst({}, bajty);
    }
    std::filesystem::remove(tymczasowy, ec);
    return ok;
}

void wypisz(const std::string& linia) {
    if (linia.empty()) return;
    std::fprintf(stderr, "%s\n", KanalStderr::jednaLinia(linia).c_str());
}

}  // namespace

int polecenieCalc(const Argumenty& args) {
    const RozbiorArgumentow r =
        rozbierz(args, {"--katalog", "--metoda", "--mnoznik", "--format", "--wyjscie"});
    if (r.pomoc) {
        pomocCalc();
        return kKodSukces;
    }
    if (!r.blad.empty()) return bladUzycia(kNazwa, r.blad);
    if (r.pozycyjne.empty())
        return bladUzycia(kNazwa, "brak pliku danych (zob. kelmor-cli calc --help)");
    if (r.pozycyjne.size() > 1) return bladUzycia(kNazwa, "nadmiarowy argument: " + r.pozycyjne[1]);

    auto opcja = [&r](const char* n) -> const std::string* {
        const auto it = r.opcje.find(n);
        return it == r.opcje.end() ? nullptr : &it->second;
    };
    const std::string format = opcja("--format") ? *opcja("--format") : "tabela";
    if (format != "tabela" && format != "csv" && format != "xml")
        return bladUzycia(kNazwa, "nieznany format: " + format + " (tabela, csv, xml)");
    Wzory metoda;
    const bool zmienMetode = opcja("--metoda") != nullptr;
    if (zmienMetode && !ustawMetode(*opcja("--metoda"), metoda))
        return bladUzycia(kNazwa, "nieznana metoda: " + *opcja("--metoda") +
                                      " (dokladna, uniwersalna, wzor:1..13)");
    double mnoznik = 0;
    if (const std::string* m = opcja("--mnoznik")) {
        const auto v = naLiczbe(przecinekNaKropke(*m));
        if (!v) return bladUzycia(kNazwa, "błędna wartość mnożnika: " + *m);
        mnoznik = *v;
    }
    const std::string dane = r.pozycyjne[0];
    const RodzajPliku rodzaj = rodzajPliku(dane);
    if (rodzaj != RodzajPliku::Gaz && rodzaj != RodzajPliku::Xml && rodzaj != RodzajPliku::Pro)
        return bladUzycia(
            kNazwa, "nieznany rodzaj pliku danych: " + dane + " (*.gaz, *.gas, *.xml, *.pro)");
    if (!plikIstnieje(dane)) return bladUzycia(kNazwa, "nie ma pliku " + dane);
    const std::string* katalog = opcja("--katalog");
    if (katalog && !plikIstnieje(*katalog)) return bladUzycia(kNazwa, "nie ma pliku " + *katalog);

    KanalStderr kanal;
    Edytor ed(kanal);
    if (!czytajDane(ed, dane, rodzaj))
        return bladUzycia(kNazwa, "nie można wczytać danych z pliku " + dane);
    // After the data: the catalogue asked for wins over one held in XML data.
    if (katalog && !czytajKatalog(ed, *katalog))
        return bladUzycia(kNazwa, "nie można wczytać katalogu rur " + *katalog);
    if (zmienMetode) ed.ob.parametry.wzory = metoda;
    if (opcja("--mnoznik")) ed.ob.parametry.mnoznik = mnoznik;
    ustawOpisMetody(ed);

    przygotujObliczenia(ed);
    const RodzajWyniku wynik = wykonajObliczenia(ed, false);

    const std::string* wyjscie = opcja("--wyjscie");
    const std::string cel = wyjscie ? *wyjscie : std::string();
    bool zapisane;
    if (format == "xml")
        zapisane = zapiszXml(ed, cel);
    else
        zapisane = zapiszTekst(cel, format == "csv" ? tabelaCsv(ed.ob) : tabelaTekstowa(ed.ob));

    for (const auto& l : ed.ob.ListBoxAnalizaDanych) wypisz(l);
    for (const auto& l : ed.ob.ListBoxWyni) wypisz(l);
    wypisz(ed.ob.LaRaport1);
    wypisz(ed.ob.LaRaport2);
    if (!zapisane) {
        std::fprintf(stderr, "kelmor-cli calc: nie można zapisać pliku %s\n", cel.c_str());
        return kKodPrzerwano;
    }
    switch (wynik) {
        case RodzajWyniku::Koniec:
            return kKodSukces;
        case RodzajWyniku::NieDokladne:
            return kKodNiedokladne;
        default:
            return kKodPrzerwano;
    }
}

}  // namespace kelmor::cli
