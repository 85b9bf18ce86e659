#pragma once
// Safe file access for every file the program writes or reads whole.
//
// A save never destroys the file it replaces: the new contents go to a
// temporary file in the same folder, which is flushed to the disk and only
// then renamed over the old file. A failure at any point leaves the old file
// as it was and removes the temporary one.
#include <cstddef>
#include <string>
#include <string_view>

namespace kelmor {

// Writes `dane` (bytes as they should stand in the file) to `sciezka`.
// Returns false on failure; `blad` (when given) then holds a Polish
// description naming the path, e.g. "Nie można zapisać pliku X: brak miejsca na dysku".
bool zapiszAtomowo(const std::string& sciezka, std::string_view dane, std::string* blad = nullptr);

// Largest file the readers accept (far beyond any real network).
constexpr std::size_t kNajwiekszyPlik = 256u * 1024u * 1024u;

// Reads a whole file into `dane`. Returns false when it cannot be opened or
// read, is a folder, or is larger than `limit`; `blad` then holds a Polish
// description naming the path.
bool wczytajPlik(const std::string& sciezka, std::string& dane, std::string* blad = nullptr,
                 std::size_t limit = kNajwiekszyPlik);

// Polish description of an errno value ("brak uprawnień", ...).
std::string opisBleduSystemu(int kod);

}  // namespace kelmor
