#pragma once
// The calculation model built from the tables: a forest of trees hanging from
// the sources (pseudo-segments 11111) and from unconnected start nodes
// (pseudo-segments 10000), with copies of the nodes at which loops close and
// one loop record per copy. Owned by the document (`Obiekt::model`).
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "model/Obiekt.h"

namespace kelmor {

// "Not yet known" for flows and pressures; marks of the flow summation.
constexpr double kNieznane = 9999999;
constexpr double kZnacznikSumowany = 1009999;
constexpr double kZnacznikPonownie = 2009999;
// Segment numbers of the pseudo-segments.
constexpr int kNumerNiepodlaczony = 10000;
constexpr int kNumerZrodla = 11111;
// Largest number of loops the calculation handles.
constexpr int kMaksOczek = 2000;

struct wezel;

// One segment (row of Grid) or the pseudo-segment of a root.
struct dzialka {
    int32_t NumerWiersza = -1;  // row of Grid (-1 for a pseudo-segment)
    int32_t Numer = 0;          // column 1; 11111 source, 10000 unconnected start node
    std::string Dn;             // nominal diameter symbol (the chosen one after selection)
    std::string Opis;           // "nr (start - end)", label used in messages
    double Dwew = 0;            // inner diameter, mm
    double Dlugosc = 0;         // m
    double ProcentL = 0;        // %
    double PoborOdc = 0;        // nm3/h
    double Chropo = 0;          // mm
    double SumaZ = 0;
    double Q = kNieznane;  // nm3/h; negative = against the row direction
    double R = 0;          // resistance DeltaP / Q^2
    double DeltaP = 0;
    double PredkoPocz = 0, PredkoKonc = 0;
    double Re = 0, lambda = 0;
    double UdzialWejscia = -1, UdzialWyjscia = -1;
    int32_t LiczbaKom = 0, LiczbaGrz = 0;
    int32_t LiczbaKomSum = 0, LiczbaGrzSum = 0;
    double Q1Kom = 0, Q1Grz = 0;
    double StrumienKom = 0, StrumienGrz = 0, StrumienInny = 0;
    double Kompresor = 0;  // object pressure unit
    uint8_t Sklepy = 0;
    uint8_t Policzony = 0;
    uint8_t Ostatni = 1;
    wezel* WezelKonc = nullptr;
    // Next outgoing segment of the same node; for the last one (Ostatni = 1)
    // the segment that feeds the node.
    dzialka* Nastepny = nullptr;
    // Start node record (the record whose list holds this segment); null
    // for a pseudo-segment.
    wezel* WezelPocz = nullptr;
    // Position in the model's root list (pseudo-segments only), -1 otherwise.
    int32_t indeksKorzenia = -1;
    // Index of the record in ModelSieci::odcinki.
    int32_t Id = 0;
    // Place in the start record's list of outgoing segments (0 = first).
    int32_t Pozycja = 0;
    // A root's pseudo-segment (told by its missing row, so that segment
    // numbers above 9999 are never mistaken for one).
    bool pseudo() const { return NumerWiersza < 0; }
};

// One node record (a node, or a copy of a node at which a loop closes).
struct wezel {
    std::string Nazwa;
    int32_t LiczbaKopii = 1;  // records of this node (kept in the first record)
    double Waga = 0;
    double Odleglosc = 0;          // m from the source along the tree
    double Rzedna = 0;             // m
    double Cisnienie = kNieznane;  // gauge, object unit
    double Gestosc = 0;            // kg/m3
    double PoborWez = 0;           // nm3/h
    wezel* NastepnaKopia = nullptr;
    double Znacznik = kNieznane;
    int32_t X = 0, Y = 0;
    int32_t NumerDrzewa = 0;
    uint8_t Lisc = 1;
    dzialka* PierwszyOdcinek = nullptr;
    // First record of the node (itself for the first) and the segment that
    // feeds this record (a pseudo-segment for a root node).
    wezel* Pierwszy = nullptr;
    dzialka* Zasilajacy = nullptr;
    // Index of the record in ModelSieci::wezly.
    int32_t Id = 0;
};

struct skladnikOczka {
    dzialka* odcinek = nullptr;
    int znak = 1;
};

struct oczko {
    std::vector<skladnikOczka> skladniki;
    double Ciag = 0;             // pressure head driving the loop, object unit
    double CisnienieZrodla = 0;  // working value
};

// The summary grid "Taką sieć widzi program": 3 rows x 6 columns.
using TablicaOsi = std::array<std::array<std::string, 6>, 3>;
TablicaOsi pustaGridOsie();

class ModelSieci : public ModelSieciBaza {
  public:
    ModelSieci();

    // Topology (freed before every rebuild).
    std::deque<dzialka> odcinki;     // segments and pseudo-segments (stable addresses)
    std::deque<wezel> wezly;         // node records
    std::vector<dzialka*> korzenie;  // root list in order (also linked through Nastepny)
    std::vector<oczko> oczka;
    int LiczbaOczek = 0;
    // Frees the topology and every result of the analysis and calculation.
    void wyczysc();

    // First root (its pseudo-segment), or null.
    dzialka* pierwszyKorzen() const { return korzenie.empty() ? nullptr : korzenie.front(); }

    // Results of the preliminary analysis.
    TablicaOsi GridOsie = pustaGridOsie();
    int LiczbaWezlow = 0;
    double SumaPoborow = 0;   // total design flow drawn from the sources, nm3/h
    double SumaDlugosci = 0;  // m
    double Lmax = 0;          // longest tree path from a source, m
    std::string WezelLmax;    // node at its end
    bool Przerwano = false;   // abort flag: the calculation cannot start
    int LiczbaBudow = 0;      // builds the analysis needed (1 + rebuilds)
    // Button states the window reads.
    bool BuOblicz = false;             // "Wykonaj obliczenia"
    bool RoboczyWydrukDanych = false;  // "Roboczy wydruk danych..."

    // Values of the last successful calculation for the schematic's class
    // thresholds and the pressure lines (object unit, nm3/h).
    bool SaWyniki = false;
    double CisnienieMinimalne = 0;
    double CisnienieMaksymalne = 0;
    double StrumienMaksymalny = 0;
};

// The document's model as ModelSieci (null when there is none).
ModelSieci* modelSieci(Obiekt& ob);
const ModelSieci* modelSieci(const Obiekt& ob);
// Returns the document's model, creating an empty one when needed.
ModelSieci& zapewnijModel(Obiekt& ob);

// Parent of a segment: the segment that feeds its start node; null for a
// root pseudo-segment.
dzialka* rodzic(const dzialka* s);

// The i-th record of a node (0 = first) following NastepnaKopia.
inline wezel* pierwszyRekord(wezel* w) {
    return w->Pierwszy ? w->Pierwszy : w;
}

// Calls f(dzialka&) for every segment (pseudo-segments excluded) tree by
// tree from the roots, depth-first in the order of the outgoing lists.
template <class F>
void dlaKazdegoOdcinka(const ModelSieci& m, F&& f) {
    std::vector<dzialka*> stos;
    for (dzialka* k : m.korzenie) {
        wezel* w = k->WezelKonc;
        if (!w || !w->PierwszyOdcinek) continue;
        stos.push_back(w->PierwszyOdcinek);
        while (!stos.empty()) {
            dzialka* s = stos.back();
            stos.pop_back();
            f(*s);
            if (!s->Ostatni && s->Nastepny) stos.push_back(s->Nastepny);
            if (s->WezelKonc && s->WezelKonc->PierwszyOdcinek)
                stos.push_back(s->WezelKonc->PierwszyOdcinek);
        }
    }
}

}  // namespace kelmor
