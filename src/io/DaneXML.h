#pragma once
// The XML form of a network: the data file (read and written) and the
// results file (written). Root "DaneDlaKELMOR", version "1.0", encoding
// "windows-1250"; all data in element text, no attributes.
#include <string>
#include <string_view>

#include "model/Komunikaty.h"
#include "model/Obiekt.h"
#include "model/Tekst.h"

namespace kelmor {

// The data file as Windows-1250 bytes (CR LF line ends); `blad` names a
// character that has no Windows-1250 code.
WynikKonwersji daneXMLNaBajty(const Obiekt& ob);
// The results file likewise: rows not withdrawn, with direction identifier
// and sign and the texts of columns 1 to 28.
WynikKonwersji wynikiXMLNaBajty(const Obiekt& ob);

// Write the files atomically; a failure goes to k.bladWeWy and leaves an
// existing file untouched.
bool ZapiszDaneXML(const Obiekt& ob, const std::string& sciezka, KanalKomunikatow& k);
bool ZapiszWynikiXML(const Obiekt& ob, const std::string& sciezka, KanalKomunikatow& k);

// Reads an XML data file into the tables (no dialog, no editor state). The
// element "czyKonczycPrace" sets `czyKonczycPrace`; otherwise it keeps its
// value. Returns false for a file that cannot be read or parsed, or holds a
// value that is not valid where a number is required; what was taken before
// the error stays. Messages of the route rebuild go to `k`. `zmieniono`
// (when given) tells whether anything of the document changed.
bool CzytajDaneXML(Obiekt& ob, const std::string& sciezka, KanalKomunikatow& k,
                   bool& czyKonczycPrace, bool* zmieniono = nullptr);
// The same from the file's bytes (Windows-1250, or UTF-8 when the file says so
// by a byte-order mark or its declaration).
bool CzytajDaneXMLZBajtow(Obiekt& ob, std::string_view bajty, KanalKomunikatow& k,
                          bool& czyKonczycPrace, bool* zmieniono = nullptr);

}  // namespace kelmor
