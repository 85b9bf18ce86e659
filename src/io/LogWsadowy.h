#pragma once
// The batch log: a small Windows-1250 text file (CR LF, one message per line)
// written beside the results of a batch run, so that the program that started
// the run can tell how it ended. Every write replaces the file atomically.
//
// Outcomes and the whole content of the log:
//   data not readable        : "false" / "Plik <in> zawiera niepoprawne dane"
//   method 2, no formula     : "false" / "Nie wybrano wzoru"
//   success                  : "true" / "Dane z pliku <in>" / <method> / "Wyniki w pliku <out>"
//   stopped at a stage       : "false" / "Dane z pliku <in>" / <LaRaport1> / <reason>
//   not finished             : "false" / "Dane z pliku <in>" / "Obliczenia nie zostały zakończone"
//   / <reason> no solution in the limit : "true" / "Dane z pliku <in>" / <method> / "Obliczenia nie
//   zostały zakończone"
#include <string>
#include <vector>

#include "model/Komunikaty.h"

namespace kelmor {

constexpr const char* kOpisBrakuWzoru = "Nie wybrano wzoru";
constexpr const char* kLogNiezakonczone = "Obliczenia nie zostały zakończone";

// --- The lines of each outcome (UTF-8) -----------------------------------

// First lines, after the data file was read or not: when read, "true" and
// "Dane z pliku " + input path followed by the method text, or "false" and
// the method text when it is "Nie wybrano wzoru"; when not read, "false" and
// "Plik " + input path + " zawiera niepoprawne dane".
std::vector<std::string> liniePoczatkuLogu(bool daneOdczytane, const std::string& sciezkaDanych,
                                           const std::string& opisMetody);
// "Wyniki w pliku " + results path.
std::string liniaWynikowLogu(const std::string& sciezkaWynikow);
// A stop at a stage: "false", "Dane z pliku " + input, the stage text
// (LaRaport1), the reason (LaRaport2).
std::vector<std::string> liniePrzerwaniaLogu(const std::string& sciezkaDanych,
                                             const std::string& etap, const std::string& powod);
// A calculation not finished: "false", "Dane z pliku " + input,
// "Obliczenia nie zostały zakończone", the reason.
std::vector<std::string> linieNiezakonczeniaLogu(const std::string& sciezkaDanych,
                                                 const std::string& powod);

// --- Writing (functions the batch run calls) ------------------------------

// Batch steps 3 to 5: creates the log anew with its first lines.
bool zapiszPoczatekLogu(KanalKomunikatow& k, const std::string& sciezkaLogu, bool daneOdczytane,
                        const std::string& sciezkaDanych, const std::string& opisMetody);
// After a successful calculation and the results XML: appends
// "Wyniki w pliku " + results path.
bool dopiszWynikiDoLogu(KanalKomunikatow& k, const std::string& sciezkaLogu,
                        const std::string& sciezkaWynikow);
// No solution within the iteration limit: appends
// "Obliczenia nie zostały zakończone".
bool dopiszBrakRozwiazaniaDoLogu(KanalKomunikatow& k, const std::string& sciezkaLogu);
// The calculation stopped at a stage: rewrites the log.
bool zapiszPrzerwanieDoLogu(KanalKomunikatow& k, const std::string& sciezkaLogu,
                            const std::string& sciezkaDanych, const std::string& etap,
                            const std::string& powod);
// The calculation was not finished (abort after the sweeps): rewrites the log.
bool zapiszNiezakonczenieDoLogu(KanalKomunikatow& k, const std::string& sciezkaLogu,
                                const std::string& sciezkaDanych, const std::string& powod);

// Low level: replaces the log with the lines, or appends them to what the
// log holds (a missing log is created). Windows-1250, CR LF.
bool zapiszLinieLogu(KanalKomunikatow& k, const std::string& sciezkaLogu,
                     const std::vector<std::string>& linie, bool dopisz);

}  // namespace kelmor
