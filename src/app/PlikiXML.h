#pragma once
// The XML file commands of the editor: "Zapis danych do pliku (*.xml)...",
// "Odczyt danych z pliku (*.xml)...", the print-choice button "Zapisz wyniki
// w formacie XML..." (BuWynikiXML) and the XML steps of the batch run.
// Each command: przygotuj… (before the dialog), the dialog the window shows,
// the piece that takes the chosen path, and polecenie… running all three
// (see app/PlikiDanych.h).
#include <optional>
#include <string>

#include "app/DialogPliku.h"
#include "app/Edytor.h"
#include "app/PlikiDanych.h"

namespace kelmor {

// --- "Zapis danych do pliku (*.xml)..." ---------------------------------
// Gives SciezkaDanych the extension "XML" (it keeps it even when the dialog
// is cancelled) and describes the save dialog.
DialogPliku przygotujZapisDanychXML(Edytor& ed);
// Writes the data file; then SciezkaDanych := path, caption,
// DaneZmienione := false and the information panel
// "Dane zostały poprawnie zapisane w pliku " + path.
bool zapiszDaneXMLDoPliku(Edytor& ed, const std::string& sciezka);
// Cancel writes nothing.
bool polecenieZapisDanychXML(Edytor& ed, const WyborPliku& wybierz);

// --- "Odczyt danych z pliku (*.xml)..." ---------------------------------
DialogPliku przygotujOdczytDanychXML(const Edytor& ed);
// SciezkaDanychWejsciowych and SciezkaDanych := path, reads it, on failure
// "Plik " + path + " zawiera niepoprawne dane."; in either case sets the
// method description (ustawOpisMetody).
bool odczytajDaneXML(Edytor& ed, const std::string& sciezka);
// Cancel does nothing (no read with the path held before).
bool polecenieOdczytDanychXML(Edytor& ed, const WyborPliku& wybierz);

// --- "Zapisz wyniki w formacie XML..." (BuWynikiXML) ---------------------
DialogPliku przygotujZapisWynikowXML(const Edytor& ed);
// SciezkaWynikowXML := path and the results file is written there; no
// message on success.
bool zapiszWynikiXMLDoPliku(Edytor& ed, const std::string& sciezka);
// Cancel writes nothing.
bool polecenieZapisWynikowXML(Edytor& ed, const WyborPliku& wybierz);

// --- Batch run ------------------------------------------------------------
// Reads SciezkaDanychWejsciowych without a dialog (sets ed.czyKonczycPrace
// when the file says so) and, on success, puts the editor into the state
// after a data read. No message: the batch log tells the outcome.
bool odczytDanychXMLWsadowy(Edytor& ed);
// Writes the results file to SciezkaWynikowXML without a dialog or message.
bool zapisWynikowXMLWsadowy(Edytor& ed);

// The editor state after a successful XML data read (caption with
// SciezkaDanychWejsciowych, flags, "Obiekt" tab, menus, lists, buttons).
void stanPoOdczycieXML(Edytor& ed);

// The same commands in two steps for the window: the dialog to show, then
// the command with the choice (nothing = cancel, which does nothing).
DialogPliku dialogZapisuDanychXML(Edytor& ed);
bool zapisDanychXML(Edytor& ed, const std::optional<std::string>& wybor);
DialogPliku dialogOdczytuDanychXML(const Edytor& ed);
bool odczytDanychXML(Edytor& ed, const std::optional<std::string>& wybor);
DialogPliku dialogZapisuWynikowXML(const Edytor& ed);
bool zapisWynikowXML(Edytor& ed, const std::optional<std::string>& wybor);

}  // namespace kelmor
