// seeds: examples/*.xml tests/data/*.xml
// libFuzzer target: the XML data reader, then the writers on what it read.
// After one read and write the form is settled: reading and writing it again
// must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/DaneXML.h"

using namespace kelmor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
    const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
    Obiekt ob;
    RejestratorKomunikatow k;
    bool konczyc = false;
    if (!CzytajDaneXMLZBajtow(ob, wejscie, k, konczyc)) return 0;
    (void)wynikiXMLNaBajty(ob);
    const auto w1 = daneXMLNaBajty(ob);
    if (!w1.blad.empty()) return 0;
    Obiekt ob2;
    ob2.parametry.wzory = ob.parametry.wzory;
    if (!CzytajDaneXMLZBajtow(ob2, w1.tekst, k, konczyc)) std::abort();
    const auto w2 = daneXMLNaBajty(ob2);
    if (w2.tekst != w1.tekst) std::abort();
    return 0;
}
