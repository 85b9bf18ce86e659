#include "app/PlikiBezOkna.h"

#include <fstream>
#include <iterator>

#include "model/Tekst.h"

namespace kelmor {

namespace {

std::string rozszerzenie(const std::string& sciezka) {
    const auto kropka = sciezka.find_last_of('.');
    const auto ukosnik = sciezka.find_last_of("/\\");
    if (kropka == std::string::npos || (ukosnik != std::string::npos && kropka < ukosnik))
        return {};
    std::string r = sciezka.substr(kropka + 1);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

// Windows-1250 text of a log line; a character the code page lacks becomes "?".
std::string doCp1250(const std::string& utf8) {
    WynikKonwersji w = naCp1250(utf8);
    if (w.blad.empty()) return w.tekst;
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = 1;
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 0xF0) n = 4;
        else if (b >= 0xE0) n = 3;
        else if (b >= 0xC0) n = 2;
        WynikKonwersji z = naCp1250(utf8.substr(i, n));
        r += z.blad.empty() ? z.tekst : std::string("?");
        i += n;
    }
    return r;
}

}  // namespace

RodzajPliku rodzajPliku(const std::string& sciezka) {
    const std::string r = rozszerzenie(sciezka);
    if (r == "gaz" || r == "gas") return RodzajPliku::Gaz;
    if (r == "xml") return RodzajPliku::Xml;
    if (r == "pro") return RodzajPliku::Pro;
    if (r == "rur") return RodzajPliku::Rur;
    if (r == "txt") return RodzajPliku::Txt;
    return RodzajPliku::Inny;
}

bool czytajDane(Edytor& ed, const std::string& sciezka, RodzajPliku rodzaj,
                bool* czyKonczycPrace) {
    (void)sciezka;
    (void)rodzaj;
    (void)czyKonczycPrace;
    ed.kanal.informacja("Odczyt tego rodzaju plików nie jest jeszcze dostępny.");
    return false;
}

bool czytajKatalog(Edytor& ed, const std::string& sciezka) {
    (void)sciezka;
    ed.kanal.informacja("Odczyt katalogu rur nie jest jeszcze dostępny.");
    return false;
}

bool zapiszDane(Edytor& ed, const std::string& sciezka, RodzajPliku rodzaj) {
    (void)sciezka;
    (void)rodzaj;
    ed.kanal.informacja("Zapis tego rodzaju plików nie jest jeszcze dostępny.");
    return false;
}

bool zapiszWynikiXml(Edytor& ed, const std::string& sciezka) {
    (void)sciezka;
    ed.kanal.informacja("Zapis wyników XML nie jest jeszcze dostępny.");
    return false;
}

bool zapiszLog(const std::string& sciezka, const std::vector<std::string>& linie, bool dopisz,
               KanalKomunikatow& kanal) {
    std::ofstream f(sciezka, std::ios::binary | (dopisz ? std::ios::app : std::ios::trunc));
    if (!f) {
        kanal.bladWeWy("Nie można zapisać pliku " + sciezka);
        return false;
    }
    for (const auto& l : linie) f << doCp1250(l) << "\r\n";
    f.flush();
    if (!f) {
        kanal.bladWeWy("Nie można zapisać pliku " + sciezka);
        return false;
    }
    return true;
}

std::vector<std::string> czytajLog(const std::string& sciezka) {
    std::ifstream f(sciezka, std::ios::binary);
    if (!f) return {};
    const std::string bajty((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const std::string tekst = zCp1250(bajty);
    std::vector<std::string> linie;
    std::string biezaca;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        const char c = tekst[i];
        if (c == '\r' || c == '\n') {
            linie.push_back(biezaca);
            biezaca.clear();
            if (c == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') ++i;
        } else {
            biezaca += c;
        }
    }
    if (!biezaca.empty()) linie.push_back(biezaca);
    return linie;
}

}  // namespace kelmor
