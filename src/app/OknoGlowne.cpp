#include "app/OknoGlowne.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/EdycjaObiektu.h"
#include "app/Przygotowanie.h"
#include "engine/Topologia.h"

namespace kelmor {

std::string sciezkaPomocy(const Edytor& e) {
    return (std::filesystem::path(e.katalogProgramu) / kPlikPomocy).string();
}

bool ustawieniaStartowe(Edytor& e, bool sprawdzPomoc) {
    if (sprawdzPomoc) {
        std::error_code blad;
        if (!std::filesystem::is_regular_file(sciezkaPomocy(e), blad)) {
            e.kanal.informacja("Brak pliku KELMOR5help.chm");
            return false;
        }
    }
    Obiekt& ob = e.ob;
    ob.parametry = Parametry();
    ob.opcje = OpcjeKolumn();
    ob.PotrzebnaAnaliza = true;
    ob.WynikiAktualne = false;
    ob.nowyKatalog();
    ob.nowaTabelaZrodel();
    ob.nowaTabelaSieci();
    ob.liczbaOdcinkow = ob.liczbaZrodel = ob.liczbaRur = 0;
    ob.ListBoxAnalizaDanych.clear();
    ob.ListBoxWyni.clear();
    ob.LaRaport1.clear();
    ob.LaRaport2.clear();
    ob.trasa.clear();
    wypelnijPola(e);
    ob.WezlyZmienione = false;

    e.ukryjMenuTOS();
    e.okno.BBElip1 = false;
    e.okno.CBSklepy = false;
    e.okno.aktywna = Zakladka::Ogolne;
    e.okno.tytul = std::string("KELMOR ") + kWersjaProgramu;
    e.okno.BuSchemat = e.okno.BuRozklad = e.okno.BuLiCi = e.okno.BuDruWyni = false;
    ob.OpisMetody.clear();
    ob.OpisModeluPoborow = "komunalni i ogrzewający";

    e.domyslneWierszaSieci(1);
    Obiekt::oznaczWiersz(ob.Grid, 1);
    e.siec = e.zrodla = e.katalog = BiezacaKomorka();

    ob.DaneZmienione = false;
    ob.KatalogZmieniony = false;
    e.SciezkaEksportuGDO.clear();
    return true;
}

void pokazWczytaneDane(Edytor& e) {
    Obiekt& ob = e.ob;
    wypelnijPola(e);
    e.siec = e.zrodla = e.katalog = BiezacaKomorka();
    Obiekt::oznaczWiersz(ob.Grid, 1);
    Obiekt::oznaczWiersz(ob.ZrodlaGrid, 1);
    Obiekt::oznaczWiersz(ob.RurGrid, 1);
    e.okno.BBElip1 = false;
    e.okno.CBSklepy = false;
    ob.DaneZmienione = false;
}

std::string tytulZakladki(Zakladka z) {
    switch (z) {
        case Zakladka::Ogolne:
            return "Strona tytułowa";
        case Zakladka::KatRur:
            return "Katalog rur";
        case Zakladka::Cisn:
            return "Obiekt";
        case Zakladka::TOS:
            return "Tabela opisu sieci";
        case Zakladka::Trasa:
            return "Moja trasa";
        case Zakladka::Obliczenia:
            return "Obliczenia";
        case Zakladka::Wzory:
            return "Wzory uproszczone";
    }
    return {};
}

int tematPomocyZakladki(Zakladka z) {
    switch (z) {
        case Zakladka::Ogolne:
            return 20;
        case Zakladka::KatRur:
            return 25;
        case Zakladka::Cisn:
            return 30;
        case Zakladka::TOS:
            return 40;
        case Zakladka::Trasa:
            return 41;
        case Zakladka::Obliczenia:
            return 42;
        case Zakladka::Wzory:
            return 45;
    }
    return 13;
}

void ustawKolumnySieci(Edytor& e) {
    e.ob.Grid.ustawLiczbeKolumn(e.ob.WynikiAktualne ? LiczbaKolumnZWynikami : LiczbaKolumnDanych);
    if (e.siec.kolumna >= e.ob.Grid.liczbaKolumn()) e.siec.kolumna = 1;
}

namespace {

// Validation may have removed rows: the current row stays in the table and
// carries the marker.
void dopasujWiersz(Tabela& t, BiezacaKomorka& b) {
    b.wiersz = std::clamp(b.wiersz, 1, std::max(1, t.liczbaWierszy() - 1));
    Obiekt::oznaczWiersz(t, b.wiersz);
}

}  // namespace

void zmienZakladke(Edytor& e, Zakladka nowa) {
    if (nowa == e.okno.aktywna) return;
    if (e.okno.aktywna == Zakladka::Obliczenia) e.ob.ListBoxAnalizaDanych.clear();
    e.okno.aktywna = nowa;
    e.ukryjMenuTOS();
    switch (nowa) {
        case Zakladka::KatRur:
            dopasujWiersz(e.ob.RurGrid, e.katalog);
            e.okno.fokus = "RurGrid";
            break;
        case Zakladka::Cisn:
            oproznijBuforWezlow(e.ob);
            dopasujWiersz(e.ob.ZrodlaGrid, e.zrodla);
            break;
        case Zakladka::TOS:
            e.pokazMenuTOS();
            ustawKolumnySieci(e);
            e.siec.kolumna = e.ob.WynikiAktualne ? LiczbaKolumnZWynikami - 1 : 1;
            dopasujWiersz(e.ob.Grid, e.siec);
            e.okno.BBElip1 = false;
            e.okno.CBSklepy = false;
            e.okno.fokus = "Grid";
            break;
        case Zakladka::Trasa:
            e.okno.fokus = "EdTempWez";
            break;
        case Zakladka::Obliczenia:
            e.pomocWTrybiePrzewodnika(tematPomocyZakladki(nowa));
            if (e.przygotowanieObliczen)
                e.przygotowanieObliczen(e);
            else
                przygotujObliczenia(e);
            return;
        case Zakladka::Ogolne:
        case Zakladka::Wzory:
            break;
    }
    e.pomocWTrybiePrzewodnika(tematPomocyZakladki(nowa));
}

void przelaczPrzewodnik(Edytor& e, bool wcisniety) {
    e.okno.TrybPrzewodnika = wcisniety;
    if (wcisniety) e.otworzPomoc(20);
}

bool moznaZamknac(Edytor& e) {
    bool moze = true;
    if (e.ob.DaneZmienione &&
        !e.kanal.pytanie("Ostatnia wersja danych nie została zapamiętana! Czy może zniknąć?"))
        moze = false;
    if (e.ob.liczbaRur >= 1 && e.ob.KatalogZmieniony &&
        !e.kanal.pytanie("Katalog rur nie został zapamiętany! Czy może zniknąć?"))
        moze = false;
    return moze;
}

}  // namespace kelmor
