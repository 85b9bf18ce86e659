#pragma once
// The calculation: passes of sweeps that compute every segment from a node of
// known pressure, diameter selection for segments whose nominal diameter is
// "0", loop balancing, and the results written into columns 5 and 19..28 of
// Grid. Needs the model of `analizaWstepna`.
#include <string>

#include "engine/Model.h"
#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

// Progress of a running calculation (for a busy panel or a log); every
// method has an empty default.
class PostepObliczen {
  public:
    virtual ~PostepObliczen() = default;
    // A new pass begins (1..100).
    virtual void przebieg(int /*numer*/) {}
};

struct OpcjeObliczen {
    // Batch run: no catalogue warning dialog.
    bool trybWsadowy = false;
};

struct WynikObliczen {
    enum class Stan {
        Koniec,       // "Koniec obliczeń"
        NieDokladne,  // "Nie uzyskano wymaganej dokładności obliczeń."
        Przerwane     // stopped: LaRaport1 names the stage, LaRaport2 the message
    };
    Stan stan = Stan::Przerwane;
    int przebiegi = 0;      // passes run
    std::string komunikat;  // the message (LaRaport2 on abort)
    // Abort during the sweeps (segment evaluation) rather than after them;
    // the batch log words the two differently.
    bool przerwanoWOdcinku = false;
    bool sukces() const { return stan != Stan::Przerwane; }
};

// Width of the Re column (26) while results are shown.
constexpr int kSzerokoscKolumnyRe = 90;

// Runs the calculation on the model of the last analysis. Writes LaRaport1,
// LaRaport2, ListBoxWyni and, on success, the result columns; sets
// WynikiAktualne and clears PotrzebnaAnaliza on success; leaves Grid with 20
// columns on abort.
WynikObliczen obliczenia(Obiekt& ob, KanalKomunikatow& k, const OpcjeObliczen& opcje = {},
                         PostepObliczen* postep = nullptr);

// Stage named on abort, from the first letter of the message.
std::string etapPrzerwania(const std::string& komunikat);

}  // namespace kelmor
