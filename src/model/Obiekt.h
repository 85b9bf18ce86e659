#pragma once
// The document: one gas network with its three tables, parameters,
// column-use options, editor flags, result lists and route.
#include <memory>
#include <string>
#include <vector>

#include "model/Kolumny.h"
#include "model/Parametry.h"
#include "model/Tabela.h"

namespace kelmor {

// Column-use options (stored with the data).
struct OpcjeKolumn {
    bool CheckBoxUlica = false;    // column 2 not used
    bool CheckBoxLiczbaO = false;  // consumer counts not used (8..12 hidden)
    bool CheckBoxrro = false;      // no distributed demands (13 hidden)
    bool CheckBoxrrw = false;      // no nodal demands (14 hidden)
    bool CheckBoxProcent = false;  // one percentage for the network (7 hidden)
    bool CheckBoxChro = false;     // one roughness for the network (18 hidden)
    bool CheckBoxTeren = false;    // no terrain elevations (17 hidden)
    bool CheckBoxXY = false;       // no coordinates (15, 16 hidden)
    bool CheckBoxOpory = false;    // no local resistances (19 hidden)
    bool operator==(const OpcjeKolumn&) const = default;
};

// One node of "my route" with the length of the segment joining it to the
// previous node (0 for the first).
struct TMojaTr {
    std::string wezel;
    double dlugosc = 0;
    bool operator==(const TMojaTr&) const = default;
};

// Base of the calculation model the engine builds; owned by the document so
// that it is freed with it and before every rebuild.
struct ModelSieciBaza {
    virtual ~ModelSieciBaza() = default;
};

// Node buffer of the row reversal: attributes of end nodes that a reversal
// would otherwise lose (100 entries).
struct WpisBuforaWezlow {
    std::string nazwa;
    int X = 0;
    int Y = 0;
    double pobor = 0;
    double rzedna = 0;
};
struct BuforWezlow {
    static constexpr int kRozmiar = 100;
    static constexpr int kPojemnosc = kRozmiar;
    std::vector<WpisBuforaWezlow> wpisy;  // at most kRozmiar
    int indeks = 0;                       // slot of the next stored entry
};

// Extent of the coordinates, for the schematic.
struct ZakresXY {
    int minX = 100000000, maxX = -100000000;
    int minY = 100000000, maxY = -100000000;
};

class Obiekt {
  public:
    Obiekt();
    Obiekt(const Obiekt&) = delete;
    Obiekt& operator=(const Obiekt&) = delete;

    Tabela Grid;
    Tabela ZrodlaGrid;
    Tabela RurGrid;

    Parametry parametry;
    OpcjeKolumn opcje;

    // Editor state flags.
    bool DaneZmienione = false;
    bool PotrzebnaAnaliza = true;
    bool WynikiAktualne = false;
    bool WezlyZmienione = false;
    bool KatalogZmieniony = false;
    bool DaneZGDO = false;
    bool BrakWspolrzednych = true;

    // Row counts and error flags set by the validation of each table.
    int liczbaOdcinkow = 0;
    int liczbaZrodel = 0;
    int liczbaRur = 0;
    bool bladGrid = false;
    bool bladZrodel = false;
    bool bladRur = false;

    // Findings of the analysis and of the calculation, and the report labels.
    std::vector<std::string> ListBoxAnalizaDanych;
    std::vector<std::string> ListBoxWyni;
    std::string LaRaport1;
    std::string LaRaport2;

    std::vector<TMojaTr> trasa;

    std::string OpisMetody;
    std::string OpisModeluPoborow = "komunalni i ogrzewający";
    ZakresXY zakres;

    std::unique_ptr<ModelSieciBaza> model;
    BuforWezlow buforWezlow;

    // PotrzebnaAnaliza := true, WynikiAktualne := false, Grid back to 20 columns.
    void ustawPotrzebnaAnaliza();
    // An edit of the data: DaneZmienione too, and WezlyZmienione for a
    // node column (3, 4, 14..17) of Grid. kolumna < 0: no particular column.
    void oznaczZmianeDanych(int kolumna = -1);

    // New empty tables with the program's defaults.
    void nowaTabelaSieci();
    void nowaTabelaZrodel();
    void nowyKatalog();
    // Defaults of a new network row (columns 7..19).
    void domyslneWiersza(int wiersz);

    // Switches the demand model (0 household, 1 tariff), swapping the texts
    // of columns 8..11 with the ones kept for the other model.
    void zmienSposobPoborow(int nowy);

    // Marks the current row with "*" in the margin of a table.
    static void oznaczWiersz(Tabela& t, int wiersz);
};

// Trimmed name cut to 16 characters, as names are compared.
std::string nazwaWezla(const std::string& tekst);

}  // namespace kelmor
