#pragma once
// Columns of the three tables: indices, headers, hints, widths and the
// contents of a new row. Read by the editor, the printouts and the files.
#include <string>

namespace kelmor {

namespace kol {
// Network description table (Grid).
constexpr int NumerOdcinka = 1;
constexpr int NazwaOdcinka = 2;
constexpr int WezelPocz = 3;
constexpr int WezelKonc = 4;
constexpr int SrednicaNomin = 5;
constexpr int DlugoscMetry = 6;
constexpr int ProcentDluNaOpory = 7;
constexpr int LiczbaOdbiorCeleKom = 8;   // tariff model: LiczbaW1
constexpr int JednostCeleKom = 9;        // tariff model: LiczbaW2
constexpr int LiczbaOdbiorGrzanie = 10;  // tariff model: LiczbaW3
constexpr int JednostGrzanie = 11;       // tariff model: LiczbaW4
constexpr int Sklepy = 12;
constexpr int PoborOdc = 13;
constexpr int PoborWez = 14;
constexpr int X = 15;
constexpr int Y = 16;
constexpr int RzednaTe = 17;
constexpr int Chropo = 18;
constexpr int IleOpo = 19;
constexpr int Qoblicz = 20;
constexpr int PredkoPocz = 21;
constexpr int PredkoKonc = 22;
constexpr int Ppocz = 23;
constexpr int Pkonc = 24;
constexpr int DeltaP = 25;
constexpr int Re = 26;
constexpr int lambda = 27;
constexpr int NumerOdc = 28;

// Sources table (ZrodlaGrid).
constexpr int NazwaZrodla = 1;
constexpr int Pzrodla = 2;
constexpr int RzednaTeZrodla = 3;
constexpr int Xzrodla = 4;
constexpr int Yzrodla = 5;

// Pipe catalogue (RurGrid).
constexpr int Dn = 1;
constexpr int Dzew = 2;
constexpr int Gru = 3;
}  // namespace kol

constexpr int LiczbaKolumnDanych = 20;
constexpr int LiczbaKolumnZWynikami = 29;
constexpr int LiczbaKolumnZrodel = 6;
constexpr int LiczbaKolumnKatalogu = 4;
constexpr int DlugoscNazwy = 16;

// What an input column of Grid holds, as parsing and validation read it.
enum class TypKolumny { Calkowita, Rzeczywista, Nazwa, Tekst };
TypKolumny typKolumnySieci(int kolumna);

struct Naglowek {
    std::string linia1;
    std::string linia2;
};

// Header of a Grid column for the demand model (0 household, 1 tariff) and
// the pressure unit label ("kPa", ...).
Naglowek naglowekSieci(int kolumna, int sposoby, const std::string& jednostka);
std::string nazwaKolumnySieci(int kolumna, int sposoby);
std::string podpowiedzSieci(int kolumna);
int szerokoscKolumnySieci(int kolumna);  // in the table's units

Naglowek naglowekZrodel(int kolumna, const std::string& jednostka);
std::string podpowiedzZrodel(int kolumna);
Naglowek naglowekKatalogu(int kolumna);

constexpr int WysokoscNaglowka = 40;
constexpr int WysokoscWiersza = 20;

extern const char* const kLegendaKatalogu[3];

}  // namespace kelmor
