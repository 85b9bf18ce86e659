#pragma once
// Reading and writing of the exchange text files (XML, PROFIL, GDO, batch
// log): bounded whole-file reads, line splitting, Windows-1250 with CR LF,
// and saves that never destroy the file they replace.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Komunikaty.h"
#include "model/Tekst.h"

namespace kelmor {

// Largest exchange file read (bytes); larger files are refused.
constexpr std::size_t kMaksRozmiarPlikuWymiany = 64u * 1024u * 1024u;

// The whole file; nothing when it cannot be opened or is larger than the limit.
std::optional<std::string> czytajPlikWymiany(const std::string& sciezka);

// Lines of a text: a line ends at LF, a CR before the LF is dropped (bare LF
// and CR LF are both accepted); a final line without LF counts, an empty text
// after the last LF does not.
std::vector<std::string_view> podzielNaLinie(std::string_view tekst);

// UTF-8 lines -> Windows-1250 bytes, each line followed by CR LF. A character
// with no Windows-1250 code is refused (`blad` holds the message).
WynikKonwersji linieNaCp1250(const std::vector<std::string>& linie);

// Writes the bytes to a temporary file beside the target and renames it over
// the target only after a complete, flushed write; on any failure the old
// file is left as it was, the temporary file is removed and the error is
// reported through `k.bladWeWy`.
bool zapiszPlikWymiany(KanalKomunikatow& k, const std::string& sciezka, std::string_view bajty);

// Lines written as Windows-1250 with CR LF, atomically; an unencodable
// character is reported through `k.bladWeWy` and nothing is written.
bool zapiszLinieWymiany(KanalKomunikatow& k, const std::string& sciezka,
                        const std::vector<std::string>& linie);

}  // namespace kelmor
