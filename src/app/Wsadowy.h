#pragma once
// The command line of the program and the batch run: an XML data file as
// the first argument is calculated without the user, its results and a
// short log written beside it.
#include <string>
#include <vector>

#include "app/Edytor.h"

namespace kelmor {

// Kind of an argument: its last three characters with a..z upper-cased
// ("RUR", "XML", "GAZ", "GAS", "TXT", anything else is ignored).
std::string rodzajArgumentu(const std::string& argument);

// Results and log paths derived from the batch input: siec.xml gives
// siec_Wyniki.XML and siec_Wyniki.Log in the same folder.
struct NazwyWsadowe {
    std::string wyniki;
    std::string log;
};
NazwyWsadowe nazwyWsadowe(const std::string& wejscie);

// Outcome of a batch run, as its log tells it.
enum class WynikWsadowy {
    BledneDane,     // the XML data could not be read
    BrakWzoru,      // simplified formulas without a chosen formula
    Sukces,         // "Koniec obliczeń", results written
    NieDokladne,    // no solution within the pass limit, approximate results written
    Przerwano,      // stopped at a stage of the calculation
    NieZakonczone,  // not finished (loop balancing, analysis, ...)
    BladZapisu,     // the results file could not be written
};

struct PrzebiegWsadowy {
    WynikWsadowy wynik = WynikWsadowy::BledneDane;
    bool czyKonczycPrace = false;  // from the data
    bool koniecProgramu = true;    // the program ends after the run
};

// The batch run of one XML data file (the first command-line argument).
PrzebiegWsadowy przebiegWsadowy(Edytor& ed, const std::string& wejscie);

// Takes the command-line arguments (without the program name) in order:
// catalogues, data files, a results path, a GDO export path; an XML file as
// the first argument is a batch run. Returns true when the program should
// end now (a batch run that ends it); `przebieg` (may be null) receives the
// outcome of the batch run when there was one.
bool przetworzArgumenty(Edytor& ed, const std::vector<std::string>& argumenty,
                        PrzebiegWsadowy* przebieg = nullptr);

}  // namespace kelmor
