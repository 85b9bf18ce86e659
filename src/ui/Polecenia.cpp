#include "ui/Polecenia.h"

#include <QWidget>

#include "model/Kolumny.h"

#if __has_include("app/Przygotowanie.h")
#include "app/Przygotowanie.h"
#define KELMOR_MA_OBLICZENIA 1
#else
#define KELMOR_MA_OBLICZENIA 0
#endif

namespace kelmor {

void polaczKroki(Edytor& e) {
#if KELMOR_MA_OBLICZENIA
    if (!e.przygotowanieObliczen) e.przygotowanieObliczen = [](Edytor& ed) { przygotujObliczenia(ed); };
#else
    (void)e;
#endif
}

bool polecenieDostepne(RodzajPolecenia r) {
    switch (r) {
        case Obliczanie: return KELMOR_MA_OBLICZENIA;
        default: return false;
    }
}

void polecenieOdczytu(Edytor&, RodzajPolecenia, QWidget*) {}
void polecenieZapisu(Edytor&, RodzajPolecenia, QWidget*) {}
bool czytajPlikStartowy(Edytor&, const std::string&) { return false; }

void wykonajObliczeniaOkna(Edytor& e) {
#if KELMOR_MA_OBLICZENIA
    wykonajObliczenia(e, false);
#else
    (void)e;
#endif
}

namespace {
// Names of the simplified formulas, padded to 26 characters.
const char* const kNazwyWzorow[13] = {
    "Biel-Lummerta", "Biel-Lummerta", "Biel-Lummerta-niskie ciśn.",
    "Biel-Lummerta-niskie ciśn.", "Panhandla", "Panhandla", "Renouarda-niskie ciśnienie",
    "Renouarda-niskie ciśnienie", "Renouarda", "Waldena 1", "Waldena 2", "Weymoutha",
    "Krajowej Dyspozycji Gazu"};
}  // namespace

int liczbaWzorow() { return 13; }

std::string tekstWzoru(int indeks) {
#if KELMOR_MA_OBLICZENIA
    return wpisWzoru(indeks);
#else
    if (indeks < 0 || indeks >= 13) return {};
    QString n = QString::fromUtf8(kNazwyWzorow[indeks]);
    return (n.leftJustified(26, ' ') + "()").toStdString();
#endif
}

void ustawMetode(Edytor& e, int metoda, int wzor) {
    Wzory& w = e.ob.parametry.wzory;
    if (metoda < 0 || metoda > 2) return;
    if (wzor < -1 || wzor >= liczbaWzorow()) wzor = -1;
    if (w.metoda == metoda && w.wzor == wzor) return;
    w.metoda = metoda;
    w.wzor = wzor;
    // Results of another method no longer belong to the data.
    e.ob.DaneZmienione = true;
    e.wyczyscWyniki();
#if KELMOR_MA_OBLICZENIA
    ustawOpisMetody(e);
#else
    if (metoda == 0) e.ob.OpisMetody = "Metoda dokładna";
    else if (metoda == 1) e.ob.OpisMetody = "Metoda uniwersalna";
    else if (wzor < 0) e.ob.OpisMetody = "Nie wybrano wzoru";
    else e.ob.OpisMetody = "Wzór " + tekstWzoru(wzor);
#endif
}

std::string etykietaWzoru(const Edytor& e) {
    const Wzory& w = e.ob.parametry.wzory;
    if (w.metoda != 2) return {};
    if (w.wzor < 0) return "Nie wybrano wzoru";
    return "Wybrano wzór " + tekstWzoru(w.wzor);
}

bool kolumnaUkryta(const OpcjeKolumn& o, int k) {
    switch (k) {
        case kol::NazwaOdcinka: return o.CheckBoxUlica;
        case kol::ProcentDluNaOpory: return o.CheckBoxProcent;
        case kol::LiczbaOdbiorCeleKom:
        case kol::JednostCeleKom:
        case kol::LiczbaOdbiorGrzanie:
        case kol::JednostGrzanie:
        case kol::Sklepy: return o.CheckBoxLiczbaO;
        case kol::PoborOdc: return o.CheckBoxrro;
        case kol::PoborWez: return o.CheckBoxrrw;
        case kol::X:
        case kol::Y: return o.CheckBoxXY;
        case kol::RzednaTe: return o.CheckBoxTeren;
        case kol::Chropo: return o.CheckBoxChro;
        case kol::IleOpo: return o.CheckBoxOpory;
        default: return false;
    }
}

std::array<std::string, 6> wartosciGridOsie(const Edytor&) { return {}; }

}  // namespace kelmor
