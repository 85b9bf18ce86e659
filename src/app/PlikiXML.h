#pragma once
// The XML file commands of the editor: "Zapis danych do pliku (*.xml)...",
// "Odczyt danych z pliku (*.xml)...", the print-choice button "Zapisz wyniki
// w formacie XML..." and the XML steps of the batch run.
#include <optional>
#include <string>

#include "app/DialogPliku.h"
#include "app/Edytor.h"

namespace kelmor {

// --- "Zapis danych do pliku (*.xml)..." ---------------------------------
// Gives SciezkaDanych the extension "XML" (it keeps it even when the dialog
// is cancelled) and describes the save dialog.
DialogPliku dialogZapisuDanychXML(Edytor& ed);
// After the dialog: nothing on cancel; otherwise writes the data file,
// SciezkaDanych := path, caption, DaneZmienione := false and the
// information panel "Dane zostały poprawnie zapisane w pliku " + path.
bool zapisDanychXML(Edytor& ed, const std::optional<std::string>& wybor);

// --- "Odczyt danych z pliku (*.xml)..." ---------------------------------
DialogPliku dialogOdczytuDanychXML(const Edytor& ed);
// After the dialog: nothing on cancel; otherwise SciezkaDanychWejsciowych
// and SciezkaDanych := path, reads it, and on failure shows
// "Plik " + path + " zawiera niepoprawne dane."; in either case sets the
// method description.
bool odczytDanychXML(Edytor& ed, const std::optional<std::string>& wybor);

// --- "Zapisz wyniki w formacie XML..." (BuWynikiXML) ---------------------
DialogPliku dialogZapisuWynikowXML(const Edytor& ed);
// After the dialog: nothing on cancel; otherwise SciezkaWynikowXML := path and
// the results file is written there. No message on success.
bool zapisWynikowXML(Edytor& ed, const std::optional<std::string>& wybor);

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

// Method description: "Metoda dokładna", "Metoda uniwersalna",
// "Nie wybrano wzoru" or "Wzór " + the chosen simplified formula.
std::string opisMetodyObliczen(const Wzory& w);

}  // namespace kelmor
