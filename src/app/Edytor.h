#pragma once
// The editor without widgets: the document plus the state of the main
// window that commands change (caption, active tab, visible menus, enabled
// buttons, paths). The desktop program shows this state; tests read it.
#include <string>
#include <vector>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"

namespace kelmor {

constexpr const char* kWersjaProgramu = "5.2";

// Tab sheets of the main window, in page order.
enum class Zakladka { Ogolne = 0, KatRur, Cisn, TOS, Trasa, Obliczenia, Wzory };

struct StanOkna {
    std::string tytul = "KELMOR 5.2";
    Zakladka aktywna = Zakladka::Ogolne;
    // Menus shown only on the network table tab.
    bool menuNarzedzia = false, menuEdycja = false, menuSzukaj = false, menuOpcje = false;
    // Buttons of the "Obliczenia" tab.
    bool BuSchemat = false, BuRozklad = false, BuLiCi = false, BuDruWyni = false;
    bool TrybPrzewodnika = false;
    // Name of the control that should take the focus after a command ("" = none).
    std::string fokus;
};

class Edytor {
public:
    explicit Edytor(KanalKomunikatow& kanal) : kanal(kanal) {}
    Edytor(const Edytor&) = delete;
    Edytor& operator=(const Edytor&) = delete;

    Obiekt ob;
    KanalKomunikatow& kanal;
    StanOkna okno;

    // Paths that last for the run.
    std::string katalogProgramu;
    std::string SciezkaDanych, SciezkaKatalogu;
    std::string SciezkaDanychWejsciowych, SciezkaWynikowXML, SciezkaLogu, SciezkaEksportuGDO;
    std::string SciezkaImportuPROFIL, SciezkaEksportuPROFIL;
    // Start directory of the open and save dialogs ("" = the program's own).
    std::string KatalogDialogow;
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
};

}  // namespace kelmor
