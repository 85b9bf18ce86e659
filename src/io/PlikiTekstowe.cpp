#include "io/PlikiTekstowe.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelmor {

std::optional<std::string> czytajPlikWymiany(const std::string& sciezka) {
    if (sciezka.empty()) return std::nullopt;
    std::error_code ec;
    if (std::filesystem::is_directory(sciezka, ec)) return std::nullopt;
    std::ifstream f(sciezka, std::ios::binary);
    if (!f) return std::nullopt;
    std::string dane;
    char buf[65536];
    while (f) {
        f.read(buf, sizeof buf);
        const auto n = static_cast<std::size_t>(f.gcount());
        if (dane.size() + n > kMaksRozmiarPlikuWymiany) return std::nullopt;
        dane.append(buf, n);
    }
    if (f.bad()) return std::nullopt;
    return dane;
}

std::vector<std::string_view> podzielNaLinie(std::string_view t) {
    std::vector<std::string_view> linie;
    std::size_t p = 0;
    while (p < t.size()) {
        std::size_t k = t.find('\n', p);
        const bool koniec = k == std::string_view::npos;
        if (koniec) k = t.size();
        std::size_t e = k;
        if (!koniec && e > p && t[e - 1] == '\r') --e;
        linie.push_back(t.substr(p, e - p));
        p = koniec ? t.size() : k + 1;
    }
    return linie;
}

WynikKonwersji linieNaCp1250(const std::vector<std::string>& linie) {
    WynikKonwersji w;
    for (const auto& l : linie) {
        auto c = naCp1250(l);
        if (!c.blad.empty()) {
            w.blad = std::move(c.blad);
            w.tekst.clear();
            return w;
        }
        w.tekst += c.tekst;
        w.tekst += "\r\n";
    }
    return w;
}

namespace {

std::string opisBledu(int nr) { return std::strerror(nr); }

}  // namespace

bool zapiszPlikWymiany(KanalKomunikatow& k, const std::string& sciezka, std::string_view bajty) {
    if (sciezka.empty()) {
        k.bladWeWy("Nie można utworzyć pliku: nie podano nazwy pliku.");
        return false;
    }
    std::string szablon = sciezka + ".XXXXXX";
    std::vector<char> nazwa(szablon.begin(), szablon.end());
    nazwa.push_back('\0');
    const int fd = ::mkstemp(nazwa.data());
    if (fd < 0) {
        k.bladWeWy("Nie można utworzyć pliku " + sciezka + ": " + opisBledu(errno));
        return false;
    }
    const std::string tymczasowy(nazwa.data());
    auto porzuc = [&](int nr) {
        ::close(fd);
        ::unlink(tymczasowy.c_str());
        k.bladWeWy("Błąd zapisu pliku " + sciezka + ": " + opisBledu(nr));
        return false;
    };
    std::size_t zapisane = 0;
    while (zapisane < bajty.size()) {
        const ssize_t n = ::write(fd, bajty.data() + zapisane, bajty.size() - zapisane);
        if (n < 0) {
            if (errno == EINTR) continue;
            return porzuc(errno);
        }
        zapisane += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return porzuc(errno);
    // Keep the permissions an existing file had; a new file gets the usual ones.
    struct stat st {};
    if (::stat(sciezka.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t maska = ::umask(0);
        ::umask(maska);
        ::fchmod(fd, 0666 & ~maska);
    }
    if (::close(fd) != 0) {
        const int nr = errno;
        ::unlink(tymczasowy.c_str());
        k.bladWeWy("Błąd zapisu pliku " + sciezka + ": " + opisBledu(nr));
        return false;
    }
    if (std::rename(tymczasowy.c_str(), sciezka.c_str()) != 0) {
        const int nr = errno;
        ::unlink(tymczasowy.c_str());
        k.bladWeWy("Błąd zapisu pliku " + sciezka + ": " + opisBledu(nr));
        return false;
    }
    return true;
}

bool zapiszLinieWymiany(KanalKomunikatow& k, const std::string& sciezka,
                        const std::vector<std::string>& linie) {
    auto w = linieNaCp1250(linie);
    if (!w.blad.empty()) {
        k.bladWeWy(w.blad);
        return false;
    }
    return zapiszPlikWymiany(k, sciezka, w.tekst);
}

}  // namespace kelmor
