#pragma once
// The file readers and writers as the runs without a window use them: the
// data file by its kind, the catalogue, the results XML and the batch log.
// No dialog asks for a path; problems go to the editor's message sink.
#include <string>
#include <vector>

#include "app/Edytor.h"

namespace kelmor {

// Kind of a file by its extension (case-insensitive).
enum class RodzajPliku { Gaz, Xml, Pro, Rur, Txt, Inny };
RodzajPliku rodzajPliku(const std::string& sciezka);

// Reads a data file of the kind Gaz, Xml or Pro (PROFIL as new data) into
// the document and sets the editor state as after a read from the menu
// (an XML file also sets ed.czyKonczycPrace when it holds the flag).
bool czytajDane(Edytor& ed, const std::string& sciezka, RodzajPliku rodzaj);
// Reads a pipe catalogue (.rur); KatalogZmieniony := false on success.
bool czytajKatalog(Edytor& ed, const std::string& sciezka);
// Writes the data as a .gaz/.gas file (Gaz) or as XML data (Xml).
bool zapiszDane(Edytor& ed, const std::string& sciezka, RodzajPliku rodzaj);
// Writes the results XML of the last calculation.
bool zapiszWynikiXml(Edytor& ed, const std::string& sciezka);

// Lines of a batch log (UTF-8, without line ends); empty when unreadable.
std::vector<std::string> czytajLog(const std::string& sciezka);

}  // namespace kelmor
