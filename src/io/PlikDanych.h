#pragma once
// The data file ".gaz"/".gas": the program's own text storage of one network
// (title, object parameters, column-use options, sources, the network
// description table with its cell records, the route). Windows-1250, CR LF.
//
// The reader accepts every variant ever written (the oldest one, 120, 121,
// 122 prepared by GDO, 123; a negative format number selects the tariff
// demand model); the writer always writes format 123.
#include <string>
#include <string_view>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

constexpr int kNumerFormatuDanych = 123;

// Reads a data file into the document. Replaces the sources table, the
// network description table and the route; sets the parameters (except the
// pressure-loss method and `mnoznik`), the column-use options, `DaneZGDO`
// and the segment and source counts; leaves the catalogue alone.
// Failures are reported through `k` with the program's messages ("Nie
// znaleziono pliku ...", "Błąd odczytu części wstępnej", "Plik nie zawiera
// poprawnych danych", "Błąd odczytu tabeli źródeł", "Błąd odczytu Tabeli
// Opisu Sieci lub Trasy"); what was read before a failure stays.
// `zmieniono` (when given) tells whether anything of the document changed.
bool CzytajPlikDanych(Obiekt& ob, KanalKomunikatow& k, const std::string& sciezka,
                      bool* zmieniono = nullptr);

// The same from the bytes of a file (Windows-1250 text).
bool czytajDaneZTekstu(Obiekt& ob, KanalKomunikatow& k, std::string_view bajty,
                       bool* zmieniono = nullptr);

// Writes format 123. Rows 1 .. ob.liczbaZrodel of the sources and 1 ..
// ob.liczbaOdcinkow of the network table are written, so the tables must
// have been validated (walidujTabele) just before, as the menu command does.
// The start-node records are refreshed first (without sources). A failure
// ("Były błędy w Tabeli Opisu Sieci", "Były błędy w tabeli źródeł", a
// character without a Windows-1250 code, the disk) leaves any existing file
// at the path untouched.
bool ZapiszPlikDanych(Obiekt& ob, KanalKomunikatow& k, const std::string& sciezka);

// The bytes ZapiszPlikDanych would write; false (with its messages) when the
// write would fail.
bool tekstPlikuDanych(Obiekt& ob, KanalKomunikatow& k, std::string& bajty);

}  // namespace kelmor
