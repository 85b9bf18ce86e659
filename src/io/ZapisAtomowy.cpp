#include "io/ZapisAtomowy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

namespace kelmor {

namespace fs = std::filesystem;

std::string opisBleduSystemu(int kod) {
    switch (kod) {
        case EACCES:
        case EPERM:
            return "brak uprawnień";
        case ENOENT:
            return "nie ma takiego pliku lub folderu";
        case ENOTDIR:
            return "część ścieżki nie jest folderem";
        case EISDIR:
            return "podana ścieżka jest folderem";
        case ENOSPC:
            return "brak miejsca na dysku";
#ifdef EDQUOT
        case EDQUOT:
            return "przekroczony przydział miejsca na dysku";
#endif
        case EROFS:
            return "nośnik tylko do odczytu";
        case ENAMETOOLONG:
            return "za długa nazwa pliku";
        case EIO:
            return "błąd urządzenia";
        case EFBIG:
            return "plik jest za duży";
        case EMFILE:
        case ENFILE:
            return "za dużo otwartych plików";
        case EBUSY:
        case ETXTBSY:
            return "plik jest zajęty";
        default:
            return "błąd systemu nr " + std::to_string(kod);
    }
}

namespace {

bool niepowodzenie(std::string* blad, const std::string& tekst) {
    if (blad) *blad = tekst;
    return false;
}

// Writes everything, retrying short writes and interruptions.
bool zapiszWszystko(int fd, std::string_view dane) {
    const char* p = dane.data();
    std::size_t zostalo = dane.size();
    while (zostalo > 0) {
        const ssize_t n = ::write(fd, p, zostalo);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        zostalo -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool zapiszAtomowo(const std::string& sciezka, std::string_view dane, std::string* blad) {
    const std::string poczatek = "Nie można zapisać pliku " + sciezka + ": ";
    if (sciezka.empty()) return niepowodzenie(blad, poczatek + "nie podano nazwy pliku");

    // A link is followed, so that the file it points to gets the new contents.
    fs::path cel(sciezka);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(cel, ec))) {
        fs::path rozwiazana = fs::canonical(cel, ec);
        if (!ec) cel = rozwiazana;
    }
    struct stat stary {};
    const bool istnieje = ::stat(cel.c_str(), &stary) == 0;
    if (istnieje && S_ISDIR(stary.st_mode))
        return niepowodzenie(blad, poczatek + opisBleduSystemu(EISDIR));

    const fs::path folder = cel.has_parent_path() ? cel.parent_path() : fs::path(".");
    std::random_device los;
    std::string tymczasowa;
    int fd = -1;
    for (int proba = 0; proba < 100 && fd < 0; ++proba) {
        tymczasowa =
            (folder / ("." + cel.filename().string() + ".tmp" + std::to_string(los()))).string();
        fd = ::open(tymczasowa.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return niepowodzenie(blad, poczatek + opisBleduSystemu(errno));

    bool ok = zapiszWszystko(fd, dane);
    int kod = ok ? 0 : errno;
    if (ok && istnieje) (void)::fchmod(fd, stary.st_mode & 07777);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        kod = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        kod = errno;
    }
    if (ok && ::rename(tymczasowa.c_str(), cel.c_str()) != 0) {
        ok = false;
        kod = errno;
    }
    if (!ok) {
        ::unlink(tymczasowa.c_str());
        return niepowodzenie(blad, poczatek + opisBleduSystemu(kod));
    }
    // Make the rename itself durable.
    const int fdFolderu = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdFolderu >= 0) {
        (void)::fsync(fdFolderu);
        ::close(fdFolderu);
    }
    return true;
}

bool wczytajPlik(const std::string& sciezka, std::string& dane, std::string* blad,
                 std::size_t limit) {
    const std::string poczatek = "Nie można odczytać pliku " + sciezka + ": ";
    dane.clear();
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return niepowodzenie(blad, poczatek + opisBleduSystemu(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int kod = errno;
        ::close(fd);
        return niepowodzenie(blad, poczatek + opisBleduSystemu(kod));
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return niepowodzenie(blad, poczatek + opisBleduSystemu(EISDIR));
    }
    if (S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) > limit) {
        ::close(fd);
        return niepowodzenie(blad, poczatek + "plik jest za duży");
    }
    char bufor[65536];
    for (;;) {
        const ssize_t n = ::read(fd, bufor, sizeof bufor);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int kod = errno;
            ::close(fd);
            dane.clear();
            return niepowodzenie(blad, poczatek + opisBleduSystemu(kod));
        }
        if (n == 0) break;
        if (dane.size() + static_cast<std::size_t>(n) > limit) {
            ::close(fd);
            dane.clear();
            return niepowodzenie(blad, poczatek + "plik jest za duży");
        }
        dane.append(bufor, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

}  // namespace kelmor
