#pragma once
// The editor without widgets: the document plus the state of the main
// window that commands change (caption, active tab, visible menus, enabled
// buttons, current cells, field texts, paths). The desktop program forwards
// every event to a function of src/app and then shows this state; tests
// read it.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

constexpr const char* kWersjaProgramu = "5.2";

// Tab sheets of the main window, in page order.
enum class Zakladka { Ogolne = 0, KatRur, Cisn, TOS, Trasa, Obliczenia, Wzory };

// The three tables the shared row commands act on.
enum class TabelaEdytora { Siec, Zrodla, Katalog };

struct StanOkna {
    std::string tytul = "KELMOR 5.2";
    Zakladka aktywna = Zakladka::Ogolne;
    // Menus shown only on the network table tab.
    bool menuNarzedzia = false, menuEdycja = false, menuSzukaj = false, menuOpcje = false;
    // Buttons of the "Obliczenia" tab.
    bool BuSchemat = false, BuRozklad = false, BuLiCi = false, BuDruWyni = false;
    bool TrybPrzewodnika = false;
    // "Wykonaj obliczenia": available after an analysis that found the network usable.
    bool BuOblicz = false;
    // Red label of the chosen simplified formula on the "Obliczenia" tab.
    bool LaJakiWzorWidoczny = false;
    std::string LaJakiWzor;
    // The main window is minimised while a batch run works.
    bool Zminimalizowane = false;
    // Name of the control that should take the focus after a command ("" = none):
    // "Grid", "ZrodlaGrid", "RurGrid", "EdTempWez".
    std::string fokus;

    // Network table tab: the sub-editor button over the current cell (the
    // cell is in column 13, 14 or 19 and that column is not hidden), the
    // in-cell choice over column 12, the status bar text.
    bool BBElip1 = false;
    bool CBSklepy = false;
    std::string StaHint;
    // "Obiekt" tab: status bar of the sources table.
    std::string StaZrodla;
};

// Texts of the fields of the "Obiekt" tab and of `Edmnoznik`, as shown. The
// window shows these texts and forwards every change to zmienPole().
struct PolaObiektu {
    std::string EdTytu;
    std::string EdPminDop, EdT, EddGazu, EdHs, EdChro, Edlz;
    std::array<std::string, 4> EdQ1W;
    std::string Edmnoznik;
    int CBjed1 = 2;    // pressure unit index
    int CBKomuna = 0;  // demand model index
    int CBUrban = 1;   // urbanisation index (urbanizacja - 1)
    std::string Lajed1 = "kPa";
    bool EdQ1Wwlaczone = false;  // EdQ1W1..EdQ1W4 enabled (tariff model)
};

// Current cell of a table (column, row); the row carries "*" in column 0.
struct BiezacaKomorka {
    int kolumna = 1;
    int wiersz = 1;
};

class Edytor {
  public:
    // Starts with the default parameters shown in the fields.
    explicit Edytor(KanalKomunikatow& kanal);
    Edytor(const Edytor&) = delete;
    Edytor& operator=(const Edytor&) = delete;

    Obiekt ob;
    KanalKomunikatow& kanal;
    StanOkna okno;
    PolaObiektu pola;

    // Current cells: AktualnaKolumna/AktualnyWiersz of Grid, and the
    // remembered current cells of the sources table and the catalogue.
    BiezacaKomorka siec, zrodla, katalog;
    int& AktualnyWiersz() { return siec.wiersz; }
    int& AktualnaKolumna() { return siec.kolumna; }

    // Length-from-coordinates mode of the tools menu.
    bool TrybLiczeniaDlugosci = false;

    // "Moja trasa": the text of EdTempWez and the node name parsed from it.
    std::string EdTempWez;
    std::string wezelTrasy;

    // Two long steps, set by the constructor to the program's own: the
    // preparation for the calculation on entering "Obliczenia"
    // (przygotujObliczenia) and the preliminary analysis when `Edmnoznik`
    // changes (analizaWstepna). The window may wrap them (busy panel); tests
    // may replace them.
    std::function<void(Edytor&)> przygotowanieObliczen;
    std::function<void(Edytor&)> analizaWstepna;

    // Paths that last for the run.
    std::string katalogProgramu;
    std::string SciezkaDanych, SciezkaKatalogu;
    std::string SciezkaDanychWejsciowych, SciezkaWynikowXML, SciezkaLogu, SciezkaEksportuGDO;
    std::string SciezkaImportuPROFIL, SciezkaEksportuPROFIL;
    // Start directories of the open and save dialogs ("" = the program's own).
    std::string katalogOtwarcia, katalogZapisu;
    // Read from an XML data file: end the program after a successful batch run.
    bool czyKonczycPrace = false;

    // Transient information panel: the text shown and a counter that grows
    // with every call, so the window knows to show it again.
    std::string informacja;
    int licznikInformacji = 0;
    void pokazInformacje(const std::string& tekst) {
        informacja = tekst;
        ++licznikInformacji;
    }

    // Help topics asked for since the window last looked (it opens and clears them).
    std::vector<int> tematyPomocy;
    void otworzPomoc(int temat) { tematyPomocy.push_back(temat); }
    void pomocWTrybiePrzewodnika(int temat) {
        if (okno.TrybPrzewodnika) otworzPomoc(temat);
    }

    // Caption after a file: "KELMOR 5.2 " + path.
    void ustawTytulPliku(const std::string& sciezka) {
        okno.tytul = std::string("KELMOR ") + kWersjaProgramu + " " + sciezka;
    }
    void ukryjMenuTOS() {
        okno.menuNarzedzia = okno.menuEdycja = okno.menuSzukaj = okno.menuOpcje = false;
    }
    void pokazMenuTOS() {
        okno.menuNarzedzia = okno.menuEdycja = okno.menuSzukaj = okno.menuOpcje = true;
    }
    // Results gone: lists and labels emptied, 20 columns, result buttons off.
    void wyczyscWyniki() {
        ob.ListBoxWyni.clear();
        ob.LaRaport1.clear();
        ob.LaRaport2.clear();
        ob.Grid.ustawLiczbeKolumn(LiczbaKolumnDanych);
        ob.WynikiAktualne = false;
        okno.BuRozklad = okno.BuLiCi = okno.BuDruWyni = false;
    }

    // Defaults of a new network row, columns 7 and 18 from the texts of the
    // fields Edlz and EdChro.
    void domyslneWierszaSieci(int wiersz);
};

}  // namespace kelmor
