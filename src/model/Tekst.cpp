#include "model/Tekst.h"

#include <array>
#include <cstdio>

namespace kelmor {

namespace {

// Upper half of Windows-1250. Bytes the code page leaves unassigned
// (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control of the same value,
// as the Windows converter does, so that every byte survives a round trip.
constexpr std::array<char16_t, 128> kGorna = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

void dopiszUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at s[i]; returns its length, 0 when invalid.
std::size_t dekoduj(std::string_view s, std::size_t i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    std::size_t n;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

std::string przytnijLewa(std::string_view s) {
    std::size_t a = 0;
    while (a < s.size() && s[a] == ' ') ++a;
    return std::string(s.substr(a));
}

std::string przytnij(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && s[a] == ' ') ++a;
    while (b > a && s[b - 1] == ' ') --b;
    return std::string(s.substr(a, b - a));
}

std::size_t liczbaZnakow(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size();) {
        char32_t c;
        const std::size_t len = dekoduj(s, i, c);
        i += len ? len : 1;
        ++n;
    }
    return n;
}

std::string pierwszeZnaki(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k) {
        char32_t c;
        const std::size_t len = dekoduj(s, i, c);
        i += len ? len : 1;
    }
    return std::string(s.substr(0, i));
}

bool poprawneUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        char32_t c;
        const std::size_t len = dekoduj(s, i, c);
        if (!len) return false;
        i += len;
    }
    return true;
}

std::string przecinekNaKropke(std::string_view s) {
    std::string r(s);
    for (char& ch : r)
        if (ch == ',') ch = '.';
    return r;
}

char32_t znakCp1250(unsigned char b) {
    return b < 0x80 ? b : kGorna[b - 0x80];
}

std::optional<unsigned char> bajtCp1250(char32_t c) {
    if (c < 0x80) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kGorna.size(); ++i)
        if (kGorna[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string zCp1250(std::string_view bajty) {
    std::string out;
    out.reserve(bajty.size() + bajty.size() / 4);
    for (char ch : bajty) dopiszUtf8(out, znakCp1250(static_cast<unsigned char>(ch)));
    return out;
}

WynikKonwersji naCp1250(std::string_view utf8) {
    // Lookup for the upper half built once: code point -> byte.
    static const auto odwrotna = [] {
        std::array<unsigned char, 0x2200> t{};
        for (std::size_t i = 0; i < kGorna.size(); ++i) t[kGorna[i]] = 0x80 + i;
        return t;
    }();
    WynikKonwersji w;
    w.tekst.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c;
        const std::size_t len = dekoduj(utf8, i, c);
        if (!len) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(utf8[i]));
            w.blad = std::string("Nieprawidłowy zapis tekstu (bajt 0x") + buf +
                     ") - tekstu nie można zapisać w kodzie Windows-1250.";
            w.tekst.clear();
            return w;
        }
        if (c < 0x80) {
            w.tekst += static_cast<char>(c);
        } else if (c < odwrotna.size() && odwrotna[c]) {
            w.tekst += static_cast<char>(odwrotna[c]);
        } else {
            char buf[16];
            std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
            std::string znak;
            dopiszUtf8(znak, c);
            w.blad = "Znak \"" + znak + "\" (" + buf +
                     ") nie występuje w kodzie Windows-1250 i nie może zostać zapisany.";
            w.tekst.clear();
            return w;
        }
        i += len;
    }
    return w;
}

}  // namespace kelmor
