#pragma once
// Text helpers: trimming, UTF-8 character counting and the Windows-1250
// code page used by every text file the program reads or writes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelmor {

// Removes leading and trailing spaces (only ' ', as the tables store them).
std::string przytnij(std::string_view s);
std::string przytnijLewa(std::string_view s);

// Number of characters of a UTF-8 text (an invalid byte counts as one).
std::size_t liczbaZnakow(std::string_view s);
// The first n characters of a UTF-8 text.
std::string pierwszeZnaki(std::string_view s, std::size_t n);
bool poprawneUtf8(std::string_view s);
// Replaces every "," with ".".
std::string przecinekNaKropke(std::string_view s);

// Windows-1250 bytes -> UTF-8. Every byte value has a character, so the
// conversion never fails and cp1250 -> UTF-8 -> cp1250 gives the same bytes.
std::string zCp1250(std::string_view bajty);

struct WynikKonwersji {
    std::string tekst;  // the converted text (valid when `blad` is empty)
    std::string blad;   // Polish message naming the offending character
};
// UTF-8 -> Windows-1250. A character with no Windows-1250 code, or a byte
// sequence that is not UTF-8, is refused with a message; nothing is replaced.
WynikKonwersji naCp1250(std::string_view utf8);

// Code point of the Windows-1250 byte b.
char32_t znakCp1250(unsigned char b);
// Windows-1250 byte of the code point, when there is one.
std::optional<unsigned char> bajtCp1250(char32_t c);

}  // namespace kelmor
