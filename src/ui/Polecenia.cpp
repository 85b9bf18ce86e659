#include "ui/Polecenia.h"

#include <QDir>
#include <QFileDialog>
#include <QWidget>

#include "app/EdycjaObiektu.h"
#include "app/PlikiBezOkna.h"
#include "app/PlikiProfil.h"
#include "app/PlikiXML.h"
#include "app/Przygotowanie.h"
#include "app/Wsadowy.h"
#include "engine/Model.h"
#include "model/Kolumny.h"

#if __has_include("app/PlikiDanych.h")
#include "app/PlikiDanych.h"
#define KELMOR_MA_PLIKI_DANYCH 1
#else
#define KELMOR_MA_PLIKI_DANYCH 0
#endif

namespace kelmor {

bool polecenieDostepne(RodzajPolecenia r) {
    switch (r) {
        case PlikXml:
        case PlikProNowe:
        case PlikProZmiany:
        case Obliczanie:
            return true;
        case PlikRur:
        case PlikGaz:
            return KELMOR_MA_PLIKI_DANYCH;
    }
    return false;
}

std::optional<std::string> pokazDialogPliku(const DialogPliku& d,
                                            const std::string& katalogProgramu, QWidget* rodzic) {
    static const char* const kOdczyt[5] = {"Katalogi rur (*.rur)", "Dane do obliczeń (*.gaz *.gas)",
                                           "Dane do obliczeń (*.xml)", "Import z PROFIL (*.pro)",
                                           "Wszystkie pliki (*)"};
    static const char* const kZapis[5] = {"Katalogi rur (*.rur)", "Dane do obliczeń (*.gaz *.gas)",
                                          "Dane do obliczeń (*.xml)", "Eksport do GDO (*.txt)",
                                          "Wszystkie pliki (*)"};
    const char* const* filtry = d.zapis ? kZapis : kOdczyt;
    QStringList lista;
    for (int i = 0; i < 5; ++i) lista << QString::fromUtf8(filtry[i]);
    const QString katalog = QString::fromStdString(d.katalog.empty() ? katalogProgramu : d.katalog);
    QFileDialog dialog(rodzic, QString::fromStdString(d.tytul), katalog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(lista);
    dialog.selectNameFilter(lista.value(std::clamp(d.filtr, 1, 5) - 1));
    dialog.setAcceptMode(d.zapis ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(d.zapis ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!d.rozszerzenie.empty()) dialog.setDefaultSuffix(QString::fromStdString(d.rozszerzenie));
    if (!d.nazwaPliku.empty()) dialog.selectFile(QString::fromStdString(d.nazwaPliku));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

namespace {
std::function<std::optional<std::string>(const DialogPliku&)> gDialog;

std::optional<std::string> dialog(Edytor& e, const DialogPliku& d, QWidget* rodzic) {
    if (gDialog) return gDialog(d);
    return pokazDialogPliku(d, e.katalogProgramu, rodzic);
}
}  // namespace

#if KELMOR_MA_PLIKI_DANYCH
namespace {
WyborPliku wyborPliku(Edytor& e, QWidget* rodzic) {
    return [&e, rodzic](const DialogPliku& d) { return dialog(e, d, rodzic); };
}
}  // namespace
#endif

void ustawDialogPliku(std::function<std::optional<std::string>(const DialogPliku&)> d) {
    gDialog = std::move(d);
}

namespace {
// After data were read the fields of "Obiekt" and "Obliczenia" show the
// parameters read (filling runs their handlers, which would mark the data
// changed: the flag stays as the read left it).
void wypelnijPoOdczycie(Edytor& e) {
    const bool zmienione = e.ob.DaneZmienione;
    wypelnijPola(e);
    e.ob.DaneZmienione = zmienione;
}
}  // namespace

void polecenieOdczytu(Edytor& e, RodzajPolecenia r, QWidget* rodzic) {
    bool dane = false;
    switch (r) {
#if KELMOR_MA_PLIKI_DANYCH
        case PlikRur:
            polecenieOdczytKatalogu(e, wyborPliku(e, rodzic));
            break;
        case PlikGaz:
            dane = polecenieOdczytDanych(e, wyborPliku(e, rodzic));
            break;
#endif
        case PlikXml: {
            const DialogPliku d = dialogOdczytuDanychXML(e);
            dane = odczytDanychXML(e, dialog(e, d, rodzic));
            break;
        }
        case PlikProNowe: {
            const DialogPliku d = dialogImportuPROFIL(e, true);
            dane = importPROFIL(e, true, dialog(e, d, rodzic));
            break;
        }
        case PlikProZmiany: {
            const DialogPliku d = dialogImportuPROFIL(e, false);
            dane = importPROFIL(e, false, dialog(e, d, rodzic));
            break;
        }
        default:
            break;
    }
    if (dane) wypelnijPoOdczycie(e);
}

void polecenieZapisu(Edytor& e, RodzajPolecenia r, QWidget* rodzic) {
    switch (r) {
#if KELMOR_MA_PLIKI_DANYCH
        case PlikRur:
            polecenieZapisKatalogu(e, wyborPliku(e, rodzic));
            break;
        case PlikGaz:
            polecenieZapisDanych(e, wyborPliku(e, rodzic));
            break;
#endif
        case PlikXml: {
            const DialogPliku d = dialogZapisuDanychXML(e);
            zapisDanychXML(e, dialog(e, d, rodzic));
            break;
        }
        default:
            break;
    }
}

bool przetworzWierszPolecen(Edytor& e, const std::vector<std::string>& argumenty) {
    if (przetworzArgumenty(e, argumenty)) return true;
    wypelnijPoOdczycie(e);
    return false;
}

void wykonajObliczeniaOkna(Edytor& e) {
    wykonajObliczenia(e, false);
}

int liczbaWzorow() {
    return 13;
}

std::string tekstWzoru(int indeks) {
    return wpisWzoru(indeks);
}

void ustawMetode(Edytor& e, int metoda, int wzor) {
    kelmor::Wzory& w = e.ob.parametry.wzory;
    if (metoda < 0 || metoda > 2) return;
    if (wzor < -1 || wzor >= liczbaWzorow()) wzor = -1;
    if (w.metoda == metoda && w.wzor == wzor) return;
    w.metoda = metoda;
    w.wzor = wzor;
    // Results of another method no longer belong to the data.
    e.ob.DaneZmienione = true;
    e.wyczyscWyniki();
    ustawOpisMetody(e);
}

std::string etykietaWzoru(const Edytor& e) {
    return e.okno.LaJakiWzorWidoczny ? e.okno.LaJakiWzor : std::string();
}

bool kolumnaUkryta(const OpcjeKolumn& o, int k) {
    switch (k) {
        case kol::NazwaOdcinka:
            return o.CheckBoxUlica;
        case kol::ProcentDluNaOpory:
            return o.CheckBoxProcent;
        case kol::LiczbaOdbiorCeleKom:
        case kol::JednostCeleKom:
        case kol::LiczbaOdbiorGrzanie:
        case kol::JednostGrzanie:
        case kol::Sklepy:
            return o.CheckBoxLiczbaO;
        case kol::PoborOdc:
            return o.CheckBoxrro;
        case kol::PoborWez:
            return o.CheckBoxrrw;
        case kol::X:
        case kol::Y:
            return o.CheckBoxXY;
        case kol::RzednaTe:
            return o.CheckBoxTeren;
        case kol::Chropo:
            return o.CheckBoxChro;
        case kol::IleOpo:
            return o.CheckBoxOpory;
        default:
            return false;
    }
}

std::array<std::string, 6> wartosciGridOsie(Edytor& e) {
    if (ModelSieci* m = modelSieci(e.ob)) return m->GridOsie[2];
    return {};
}

}  // namespace kelmor
