#include "model/locale_support.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace kelmor::test {

namespace {
bool przecinek() {
    const std::lconv* lc = std::localeconv();
    return lc && lc->decimal_point && std::string(lc->decimal_point) == ",";
}
}  // namespace

std::string ustawLokalePrzecinkowe() {
    for (const char* n : {"pl_PL.UTF-8", "pl_PL.utf8", "de_DE.UTF-8", "de_DE.utf8"})
        if (std::setlocale(LC_ALL, n) && przecinek()) return n;
    // Compile a Polish locale into a private folder when the system has the
    // sources but no compiled locale.
    const auto dir = std::filesystem::temp_directory_path() / "kelmor-locale";
    std::filesystem::create_directories(dir);
    const std::string cel = (dir / "pl_PL.UTF-8").string();
    if (!std::filesystem::exists(cel)) {
        const std::string cmd = "localedef -i pl_PL -f UTF-8 '" + cel + "' >/dev/null 2>&1";
        if (std::system(cmd.c_str()) != 0 && !std::filesystem::exists(cel)) return "";
    }
    setenv("LOCPATH", dir.c_str(), 1);
    if (std::setlocale(LC_ALL, "pl_PL.UTF-8") && przecinek()) return "pl_PL.UTF-8";
    return "";
}

void przywrocLokaleC() {
    std::setlocale(LC_ALL, "C");
}

}  // namespace kelmor::test
