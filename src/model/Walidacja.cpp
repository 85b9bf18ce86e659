#include "model/Walidacja.h"

#include <unordered_map>

#include "model/Liczby.h"
#include "model/Tekst.h"

namespace kelmor {

bool parsujRzeczywista(KanalKomunikatow& k, std::string_view tekst, double& cel) {
    const std::string t = przytnijLewa(tekst);
    if (t.empty() || t == "-") {
        cel = 0;
        return true;
    }
    if (auto v = naLiczbe(t)) {
        cel = *v;
        return true;
    }
    k.informacja("Błąd w zapisie liczby: " + std::string(tekst));
    return false;
}

bool parsujCalkowita(KanalKomunikatow& k, std::string_view tekst, int& cel) {
    const std::string t = przytnij(tekst);
    if (t.empty() || t == "-") {
        cel = 0;
        return true;
    }
    if (auto v = naCalkowita(t)) {
        cel = *v;
        return true;
    }
    k.informacja("Błąd w zapisie liczby całkowitej: " + std::string(tekst));
    return false;
}

bool parsujHandel(std::string_view tekst) {
    return przytnij(tekst) == "jest";
}

std::string parsujNazwe(KanalKomunikatow& k, std::string_view tekst) {
    const std::string t = przytnij(tekst);
    if (liczbaZnakow(t) > DlugoscNazwy) {
        k.informacja("Przekroczenie maksymalnej długości nazwy (do " +
                     std::to_string(DlugoscNazwy) + " znaków): " + t);
        return pierwszeZnaki(t, DlugoscNazwy);
    }
    return t;
}

RodzajTabeli rodzajTabeli(const Tabela& t) {
    if (t.liczbaKolumn() == LiczbaKolumnKatalogu) return RodzajTabeli::Katalog;
    if (t.liczbaKolumn() == LiczbaKolumnZrodel) return RodzajTabeli::Zrodla;
    return RodzajTabeli::Siec;
}

namespace {

bool pusty(const Tabela& t, int k, int w) {
    return przytnij(t.tekst(k, w)).empty();
}
bool zaDluga(const Tabela& t, int k, int w) {
    return liczbaZnakow(przytnij(t.tekst(k, w))) > DlugoscNazwy;
}
bool rzeczywista(const Tabela& t, int k, int w) {
    return naLiczbe(t.tekst(k, w)).has_value();
}
bool calkowita(const Tabela& t, int k, int w) {
    return naCalkowita(przytnij(t.tekst(k, w))).has_value();
}

}  // namespace

StanWiersza sprawdzWiersz(const Tabela& t, int w) {
    const RodzajTabeli rodzaj = rodzajTabeli(t);
    const int kluczowe = rodzaj == RodzajTabeli::Katalog  ? 3
                         : rodzaj == RodzajTabeli::Zrodla ? 2
                                                          : 6;
    int n = 0;
    for (int k = 1; k <= kluczowe; ++k)
        if (pusty(t, k, w)) ++n;
    if (rodzaj == RodzajTabeli::Siec && pusty(t, kol::NazwaOdcinka, w)) --n;

    StanWiersza s;
    if (n == kluczowe || (rodzaj == RodzajTabeli::Siec && n == 5)) {
        s.rodzaj = StanWiersza::Pusty;
        return s;
    }
    if (n > 0) {
        s.rodzaj = StanWiersza::Niepelny;
        return s;
    }
    auto blad = [&s](int k) {
        s.rodzaj = StanWiersza::Blad;
        s.kolumna = k;
    };
    switch (rodzaj) {
        case RodzajTabeli::Katalog:
            if (zaDluga(t, 1, w)) blad(1);
            if (!rzeczywista(t, 2, w)) blad(2);
            if (!rzeczywista(t, 3, w)) blad(3);
            break;
        case RodzajTabeli::Zrodla:
            if (zaDluga(t, 1, w)) blad(1);
            if (!rzeczywista(t, 2, w)) blad(2);
            if (!rzeczywista(t, 3, w)) blad(3);
            if (!calkowita(t, 4, w)) blad(4);
            if (!calkowita(t, 5, w)) blad(5);
            break;
        case RodzajTabeli::Siec: {
            const int ostatnia = std::min(t.liczbaKolumn() - 1, kol::IleOpo);
            for (int k = 1; k <= ostatnia; ++k) {
                switch (typKolumnySieci(k)) {
                    case TypKolumny::Calkowita:
                        if (!calkowita(t, k, w)) {
                            blad(k);
                            return s;
                        }
                        break;
                    case TypKolumny::Rzeczywista:
                        if (!rzeczywista(t, k, w)) {
                            blad(k);
                            return s;
                        }
                        break;
                    case TypKolumny::Nazwa:
                        if (zaDluga(t, k, w)) blad(k);
                        break;
                    case TypKolumny::Tekst:
                        break;
                }
            }
            break;
        }
    }
    return s;
}

namespace {

std::string komunikatBledu(RodzajTabeli r, int k, int w, const std::string& cell) {
    const std::string wiersz = std::to_string(w);
    switch (r) {
        case RodzajTabeli::Siec:
            if (typKolumnySieci(k) == TypKolumny::Nazwa)
                return "Za długa nazwa węzła lub za długi symbol średnicy nominalnej (tylko do 16 "
                       "znaków!) w wierszu " +
                       wiersz + " Tabeli Opisu Sieci: " + cell;
            if (typKolumnySieci(k) == TypKolumny::Calkowita)
                return "Błąd liczby całkowitej w wierszu " + wiersz +
                       " Tabeli Opisu Sieci: " + cell;
            return "Błąd liczby w wierszu " + wiersz + " Tabeli Opisu Sieci:" + cell;
        case RodzajTabeli::Katalog:
            if (k == 1)
                return "Za długi symbol średnicy nominalnej (tylko do 16 znaków!) w wierszu " +
                       wiersz + " w katalogu rur: " + cell;
            return "Błąd liczby w wierszu " + wiersz + " katalogu rur: " + cell;
        case RodzajTabeli::Zrodla:
            if (k == 1)
                return "Za długa nazwa węzła (tylko do 16 znaków) w wierszu: " + wiersz +
                       " w tabeli źródeł " + cell;
            if (k == 2 || k == 3)
                return "Błąd liczby w wierszu " + wiersz + " tabeli źródeł: " + cell;
            return "Błąd liczby całkowitej w wierszu " + wiersz + " tabeli źródeł: " + cell;
    }
    return {};
}

// A source's elevation and coordinates go into the start-node records of the
// rows that start at it.
void przeniesDaneZrodla(Obiekt& ob, int wz) {
    const Tabela& z = ob.ZrodlaGrid;
    const std::string nazwa = nazwaWezla(z.tekst(kol::NazwaZrodla, wz));
    const double rzedna = naLiczbe(z.tekst(kol::RzednaTeZrodla, wz)).value_or(0);
    const int x = naCalkowita(przytnij(z.tekst(kol::Xzrodla, wz))).value_or(0);
    const int y = naCalkowita(przytnij(z.tekst(kol::Yzrodla, wz))).value_or(0);
    for (int w = 1; w < ob.Grid.liczbaWierszy(); ++w) {
        auto* r = ob.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, w);
        if (!r || nazwaWezla(ob.Grid.tekst(kol::WezelPocz, w)) != nazwa) continue;
        r->rzedna = rzedna;
        r->X = x;
        r->Y = y;
    }
}

}  // namespace

void walidujTabele(Obiekt& ob, Tabela& t, KanalKomunikatow& k) {
    const RodzajTabeli rodzaj = rodzajTabeli(t);
    bool blad = false;
    int liczba = 0;
    const char* miejsce = rodzaj == RodzajTabeli::Siec     ? " w tabeli opisu sieci"
                          : rodzaj == RodzajTabeli::Zrodla ? " w tabeli źródeł"
                                                           : " w katalogu rur";
    bool koniec = false;
    for (int w = 1; w < t.liczbaWierszy() && !koniec;) {
        const StanWiersza s = sprawdzWiersz(t, w);
        switch (s.rodzaj) {
            case StanWiersza::Pusty:
                if (t.liczbaWierszy() == 2) {
                    koniec = true;  // the only data row stays, the count is 0
                    break;
                }
                t.usunWiersz(w);
                continue;
            case StanWiersza::Niepelny:
                ob.ListBoxAnalizaDanych.push_back("Wiersz " + std::to_string(w) + miejsce +
                                                  " nie został cały wypełniony.");
                blad = true;
                break;
            case StanWiersza::Blad:
                k.informacja(komunikatBledu(rodzaj, s.kolumna, w, t.tekst(s.kolumna, w)));
                blad = true;
                break;
            case StanWiersza::Dobry:
                if (rodzaj == RodzajTabeli::Zrodla && !blad) przeniesDaneZrodla(ob, w);
                break;
        }
        ++w;
    }
    liczba = koniec ? 0 : t.liczbaWierszy() - 1;
    switch (rodzaj) {
        case RodzajTabeli::Siec:
            ob.liczbaOdcinkow = liczba;
            ob.bladGrid = blad;
            break;
        case RodzajTabeli::Zrodla:
            ob.liczbaZrodel = liczba;
            ob.bladZrodel = blad;
            break;
        case RodzajTabeli::Katalog:
            ob.liczbaRur = liczba;
            ob.bladRur = blad;
            break;
    }
}

void walidujTabele(Obiekt& ob, KanalKomunikatow& k) {
    walidujTabele(ob, ob.Grid, k);
    walidujTabele(ob, ob.ZrodlaGrid, k);
    walidujTabele(ob, ob.RurGrid, k);
    if (ob.liczbaZrodel == 0 && ob.liczbaOdcinkow >= 1)
        ob.ListBoxAnalizaDanych.push_back("Brak opisu źródeł");
}

void odswiezRekordyPoczatkowe(Obiekt& ob, bool zeZrodlami) {
    Tabela& g = ob.Grid;
    const int n = std::min(ob.liczbaOdcinkow, g.liczbaWierszy() - 1);
    // First row (in row order) ending at each node name.
    std::unordered_map<std::string, int> pierwszyKoniec;
    pierwszyKoniec.reserve(static_cast<std::size_t>(n) * 2);
    for (int e = 1; e < g.liczbaWierszy(); ++e)
        pierwszyKoniec.emplace(nazwaWezla(g.tekst(kol::WezelKonc, e)), e);
    std::unordered_map<std::string, int> pierwszeZrodlo;
    if (zeZrodlami)
        for (int z = 1; z < ob.ZrodlaGrid.liczbaWierszy(); ++z)
            pierwszeZrodlo.emplace(nazwaWezla(ob.ZrodlaGrid.tekst(kol::NazwaZrodla, z)), z);

    for (int r = 1; r <= n; ++r) {
        const std::string s = nazwaWezla(g.tekst(kol::WezelPocz, r));
        TdaneNWP* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, r);
        if (!nwp) {
            nwp = &g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, r);
            nwp->niepodlaczony = 1;
        }
        if (auto it = pierwszyKoniec.find(s); it != pierwszyKoniec.end()) {
            const int e = it->second;
            nwp->niepodlaczony = 0;
            nwp->pobor = naLiczbe(g.tekst(kol::PoborWez, e)).value_or(0);
            nwp->X = naCalkowita(przytnij(g.tekst(kol::X, e))).value_or(0);
            nwp->Y = naCalkowita(przytnij(g.tekst(kol::Y, e))).value_or(0);
            nwp->rzedna = naLiczbe(g.tekst(kol::RzednaTe, e)).value_or(0);
            if (auto* nwk = g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, e)) {
                nwp->dokladneX = nwk->dokladneX;
                nwp->dokladneY = nwk->dokladneY;
            } else {
                nwp->dokladneX = naLiczbe(g.tekst(kol::X, e)).value_or(0);
                nwp->dokladneY = naLiczbe(g.tekst(kol::Y, e)).value_or(0);
            }
        } else if (zeZrodlami) {
            if (auto it = pierwszeZrodlo.find(s); it != pierwszeZrodlo.end()) {
                const Tabela& z = ob.ZrodlaGrid;
                const int wz = it->second;
                nwp->niepodlaczony = 0;
                nwp->pobor = 0;
                nwp->X = naCalkowita(przytnij(z.tekst(kol::Xzrodla, wz))).value_or(0);
                nwp->Y = naCalkowita(przytnij(z.tekst(kol::Yzrodla, wz))).value_or(0);
                nwp->rzedna = naLiczbe(z.tekst(kol::RzednaTeZrodla, wz)).value_or(0);
            }
        }
        if (!g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, r)) {
            auto& kier = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, r);
            kier.znak = 1;
            kier.identyfikator =
                przytnij(g.tekst(kol::WezelPocz, r)) + "-" + przytnij(g.tekst(kol::WezelKonc, r));
        }
        if (!g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, r)) {
            auto& nwk = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, r);
            nwk.dokladneX = naLiczbe(g.tekst(kol::X, r)).value_or(0);
            nwk.dokladneY = naLiczbe(g.tekst(kol::Y, r)).value_or(0);
        }
    }
}

bool wezelIstnieje(const Obiekt& ob, KanalKomunikatow& k, const std::string& nazwa) {
    const std::string n = nazwaWezla(nazwa);
    for (int w = 1; w < ob.Grid.liczbaWierszy(); ++w)
        if (nazwaWezla(ob.Grid.tekst(kol::WezelPocz, w)) == n ||
            nazwaWezla(ob.Grid.tekst(kol::WezelKonc, w)) == n)
            return true;
    k.informacja("Nie ma takiego węzła!");
    return false;
}

int znajdzOdcinek(const Obiekt& ob, KanalKomunikatow& k, const std::string& a, const std::string& b,
                  double& dlugosc) {
    const std::string na = nazwaWezla(a), nb = nazwaWezla(b);
    for (int w = 1; w < ob.Grid.liczbaWierszy(); ++w) {
        const std::string p = nazwaWezla(ob.Grid.tekst(kol::WezelPocz, w));
        const std::string q = nazwaWezla(ob.Grid.tekst(kol::WezelKonc, w));
        if (!((p == na && q == nb) || (p == nb && q == na))) continue;
        if (wierszWycofany(ob.Grid, w)) {
            k.informacja("Odcinek (" + a + " - " + b + ") czasowo wycofany");
            return 0;
        }
        dlugosc = naLiczbe(ob.Grid.tekst(kol::DlugoscMetry, w)).value_or(0);
        return w;
    }
    k.informacja("Nie ma takiego odcinka: (" + a + " - " + b + ")");
    return 0;
}

bool wierszWycofany(const Tabela& grid, int wiersz) {
    const auto* r = grid.rekordTypu<TWycof>(kol::NumerOdcinka, wiersz);
    return r && r->wycofany;
}

}  // namespace kelmor
