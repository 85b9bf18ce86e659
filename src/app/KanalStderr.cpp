#include "app/KanalStderr.h"

namespace kelmor {

std::string KanalStderr::jednaLinia(const std::string& tekst) {
    // Each break with the blanks around it becomes one space.
    std::string r;
    r.reserve(tekst.size());
    bool przerwa = false;
    for (char c : tekst) {
        if (c == '\r' || c == '\n') {
            while (!r.empty() && r.back() == ' ') r.pop_back();
            przerwa = true;
            continue;
        }
        if (przerwa) {
            if (c == ' ') continue;
            if (!r.empty()) r += ' ';
            przerwa = false;
        }
        r += c;
    }
    const auto a = r.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    const auto b = r.find_last_not_of(' ');
    return r.substr(a, b - a + 1);
}

void KanalStderr::pisz(const std::string& przedrostek, const std::string& tekst) {
    ++licznik_;
    const std::string linia = przedrostek + jednaLinia(tekst) + "\n";
    std::fputs(linia.c_str(), cel_);
    std::fflush(cel_);
}

void KanalStderr::informacja(const std::string& tekst) {
    pisz("", tekst);
}

bool KanalStderr::pytanie(const std::string& tekst) {
    pisz("", tekst + (odpowiedz_ ? " [odpowiedź: Tak]" : " [odpowiedź: Nie]"));
    return odpowiedz_;
}

void KanalStderr::bladWeWy(const std::string& tekst) {
    pisz("Błąd wejścia/wyjścia: ", tekst);
}

}  // namespace kelmor
