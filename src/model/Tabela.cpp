#include "model/Tabela.h"

#include <algorithm>

namespace kelmor {

namespace {
const std::string kPusty;
}

Tabela::Tabela(int kolumny, int wiersze) : kolumny_(std::max(1, kolumny)) {
    wiersze_.resize(std::max(1, wiersze));
    for (auto& w : wiersze_) w.resize(kolumny_);
}

Tabela::Tabela(const Tabela& inna) : kolumny_(inna.kolumny_) {
    wiersze_.resize(inna.wiersze_.size());
    for (std::size_t r = 0; r < wiersze_.size(); ++r) {
        wiersze_[r].resize(kolumny_);
        for (int c = 0; c < kolumny_; ++c) {
            const Komorka& k = inna.wiersze_[r][c];
            wiersze_[r][c].tekst = k.tekst;
            if (k.rekord) wiersze_[r][c].rekord = k.rekord->kopia();
        }
    }
}

Tabela& Tabela::operator=(const Tabela& inna) {
    if (this != &inna) {
        Tabela kopia(inna);
        *this = std::move(kopia);
    }
    return *this;
}

const std::string& Tabela::tekst(int kol, int wiersz) const {
    if (!wZakresie(kol, wiersz)) return kPusty;
    return wiersze_[wiersz][kol].tekst;
}

void Tabela::ustawTekst(int kol, int wiersz, std::string tekst) {
    if (!wZakresie(kol, wiersz)) return;
    wiersze_[wiersz][kol].tekst = std::move(tekst);
}

Rekord* Tabela::rekord(int kol, int wiersz) const {
    if (!wZakresie(kol, wiersz)) return nullptr;
    return wiersze_[wiersz][kol].rekord.get();
}

void Tabela::ustawRekord(int kol, int wiersz, std::unique_ptr<Rekord> r) {
    if (!wZakresie(kol, wiersz)) return;
    wiersze_[wiersz][kol].rekord = std::move(r);
}

Tabela::Wiersz Tabela::pustyWiersz() const {
    Wiersz w;
    w.resize(kolumny_);
    return w;
}

void Tabela::wstawWiersz(int przed) {
    przed = std::clamp(przed, 1, liczbaWierszy());
    wiersze_.insert(wiersze_.begin() + przed, pustyWiersz());
}

void Tabela::usunWiersz(int wiersz) {
    if (wiersz < 1 || wiersz >= liczbaWierszy()) return;
    wiersze_.erase(wiersze_.begin() + wiersz);
}

void Tabela::przesunWiersz(int z, int na) {
    const int n = liczbaWierszy();
    if (z < 1 || z >= n || na < 1 || na >= n || z == na) return;
    if (z < na) {
        std::rotate(wiersze_.begin() + z, wiersze_.begin() + z + 1, wiersze_.begin() + na + 1);
    } else {
        std::rotate(wiersze_.begin() + na, wiersze_.begin() + z, wiersze_.begin() + z + 1);
    }
}

void Tabela::ustawLiczbeKolumn(int n) {
    n = std::max(1, n);
    if (n == kolumny_) return;
    kolumny_ = n;
    for (auto& w : wiersze_) w.resize(kolumny_);
}

void Tabela::ustawLiczbeWierszy(int n) {
    n = std::max(1, n);
    const int stare = liczbaWierszy();
    wiersze_.resize(n);
    for (int r = stare; r < n; ++r) wiersze_[r].resize(kolumny_);
}

void Tabela::wyczyscDane(int wiersze) {
    Wiersz naglowek = std::move(wiersze_[0]);
    wiersze_.clear();
    wiersze_.push_back(std::move(naglowek));
    ustawLiczbeWierszy(std::max(1, wiersze));
}

}  // namespace kelmor
