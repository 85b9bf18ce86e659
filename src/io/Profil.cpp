#include "io/Profil.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "io/PlikiTekstowe.h"
#include "model/Kolumny.h"
#include "model/Liczby.h"
#include "model/Rekordy.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

// Nearest integer, halves to even, kept within the 32-bit range.
int32_t zaokraglij(double v) {
    const double r = std::nearbyint(v);
    if (!(r > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (!(r < std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r);
}

std::string_view bezSpacji(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Splits a trimmed line into n blank-separated fields and the rest of the
// line; false when there are fewer fields (the rest must not be empty).
bool pola(std::string_view linia, int n, std::vector<std::string>& wynik) {
    wynik.clear();
    std::size_t p = 0;
    for (int i = 0; i < n; ++i) {
        while (p < linia.size() && linia[p] == ' ') ++p;
        const std::size_t a = p;
        while (p < linia.size() && linia[p] != ' ') ++p;
        if (p == a) return false;
        wynik.emplace_back(linia.substr(a, p - a));
    }
    const auto reszta = bezSpacji(linia.substr(p));
    if (reszta.empty()) return false;
    wynik.emplace_back(reszta);
    return true;
}

// One segment line.
struct LiniaOdcinka {
    std::string id, pocz, konc, dn;
    double dlugosc = 0, xp = 0, yp = 0, zp = 0, xk = 0, yk = 0, zk = 0;
};

// A connector between two coincident nodes of different names.
struct TDodatko {
    std::string identyfikator;
    std::string nazwaPocz, nazwaKonc, srednica;
    std::string poborKonc, rzednaKonc, XKonc, YKonc;  // texts
    std::string XPocz, YPocz;                         // texts
    double dokladneXPocz = 0, dokladneYPocz = 0;
    double rzednaPocz = 0, poborPocz = 0;
    double dokladneXKonc = 0, dokladneYKonc = 0;
};

// A node of a row seen by the connector search: the row's end or start.
struct Wezel {
    std::string nazwa;
    bool jest = false;  // has precise coordinates
    double x = 0, y = 0;
};

double liczbaCicho(const std::string& t) {
    auto v = naLiczbe(t);
    return v ? *v : 0.0;
}

int liczbaCalkowitaCicho(const std::string& t) {
    auto v = naCalkowita(t);
    return v ? *v : 0;
}

Wezel koniecWiersza(const Tabela& g, int w) {
    Wezel n;
    n.nazwa = przytnij(g.tekst(kol::WezelKonc, w));
    if (const auto* r = g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, w)) {
        n.x = r->dokladneX;
        n.y = r->dokladneY;
    } else {
        n.x = liczbaCicho(g.tekst(kol::X, w));
        n.y = liczbaCicho(g.tekst(kol::Y, w));
    }
    n.jest = true;
    return n;
}

Wezel poczatekWiersza(const Tabela& g, int w) {
    Wezel n;
    n.nazwa = przytnij(g.tekst(kol::WezelPocz, w));
    if (const auto* r = g.rekordTypu<TdaneNWP>(kol::WezelPocz, w)) {
        n.x = r->dokladneX;
        n.y = r->dokladneY;
        n.jest = true;
    }
    return n;
}

bool wJednymMiejscu(const Wezel& a, const Wezel& b) {
    return a.jest && b.jest && std::fabs(a.x - b.x) < 0.5 && std::fabs(a.y - b.y) < 0.5 &&
           a.nazwa != b.nazwa;
}

// Start of a connector at the end or the start of row w.
void poczatekZKonca(const Tabela& g, int w, TDodatko& d) {
    d.nazwaPocz = nazwaWezla(g.tekst(kol::WezelKonc, w));
    const Wezel n = koniecWiersza(g, w);
    d.dokladneXPocz = n.x;
    d.dokladneYPocz = n.y;
    d.XPocz = g.tekst(kol::X, w);
    d.YPocz = g.tekst(kol::Y, w);
    d.rzednaPocz = liczbaCicho(g.tekst(kol::RzednaTe, w));
    d.poborPocz = liczbaCicho(g.tekst(kol::PoborWez, w));
}

void koniecZKonca(const Tabela& g, int w, TDodatko& d) {
    d.nazwaKonc = nazwaWezla(g.tekst(kol::WezelKonc, w));
    const Wezel n = koniecWiersza(g, w);
    d.dokladneXKonc = n.x;
    d.dokladneYKonc = n.y;
    d.poborKonc = g.tekst(kol::PoborWez, w);
    d.rzednaKonc = g.tekst(kol::RzednaTe, w);
    d.XKonc = g.tekst(kol::X, w);
    d.YKonc = g.tekst(kol::Y, w);
}

void koniecZPoczatku(const Tabela& g, int w, TDodatko& d) {
    d.nazwaKonc = nazwaWezla(g.tekst(kol::WezelPocz, w));
    d.poborKonc = "0";
    d.rzednaKonc = formatStaly(0, 8, 2);
    d.XKonc = "0";
    d.YKonc = "0";
    if (const auto* r = g.rekordTypu<TdaneNWP>(kol::WezelPocz, w)) {
        d.dokladneXKonc = r->dokladneX;
        d.dokladneYKonc = r->dokladneY;
        d.poborKonc = formatOgolny(r->pobor, 8);
        d.rzednaKonc = formatStaly(r->rzedna, 8, 2);
        d.XKonc = std::to_string(r->X);
        d.YKonc = std::to_string(r->Y);
    }
}

class ImportPROFIL {
  public:
    ImportPROFIL(Obiekt& ob, bool nowe, KanalKomunikatow& k)
        : ob(ob), g(ob.Grid), nowe(nowe), k(k) {}

    void przygotuj();
    bool czytaj(std::string_view bajty);
    void oznaczZrodla();
    void polaczenia();

  private:
    bool odcinek(std::string_view linia);
    bool katalog(std::string_view linia);
    void wierszDomyslny(int w);
    int dopiszWiersz();
    void ustawGeometrie(int w, const LiniaOdcinka& l, bool odwrotnie);
    int numerZaPoprzednim(int w) const {
        return (w > 1 ? liczbaCalkowitaCicho(g.tekst(kol::NumerOdcinka, w - 1)) : 0) + 1;
    }

    Obiekt& ob;
    Tabela& g;
    bool nowe;
    KanalKomunikatow& k;
    int istniejace = 0;  // rows present when the import began (changes)
    int odcinkow = 0;    // segment lines read
    int rur = 0;         // catalogue rows of the current catalogue part
    bool wKatalogu = false;
};

void ImportPROFIL::przygotuj() {
    g.ustawLiczbeKolumn(LiczbaKolumnDanych);
    if (nowe) {
        g.wyczyscDane(1);
        ob.liczbaOdcinkow = 0;
        ob.trasa.clear();
        ob.ListBoxAnalizaDanych.clear();
        istniejace = 0;
        return;
    }
    // Connector rows of an earlier import sit at the end with length "0".
    while (g.liczbaWierszy() > 1 && g.tekst(kol::DlugoscMetry, g.liczbaWierszy() - 1) == "0")
        g.usunWiersz(g.liczbaWierszy() - 1);
    istniejace = g.liczbaWierszy() - 1;
    // The single empty row of a new table is not a segment.
    if (istniejace == 1 && sprawdzWiersz(g, 1).rodzaj == StanWiersza::Pusty) {
        g.wyczyscDane(1);
        istniejace = 0;
    }
}

void ImportPROFIL::wierszDomyslny(int w) {
    const Parametry& p = ob.parametry;
    g.ustawTekst(kol::ProcentDluNaOpory, w, formatOgolny(p.ProcentDomyslny, 15));
    g.ustawTekst(kol::Chropo, w, formatOgolny(p.ChropoDomyslne, 15));
    g.ustawTekst(kol::IleOpo, w, "0");
    for (int c = kol::LiczbaOdbiorCeleKom; c <= kol::JednostGrzanie; ++c) {
        g.ustawTekst(c, w, "0");
        auto& t = g.zapewnijRekord<Ttaryfy>(c, w);
        t.komunalny = "0";
        t.taryfowy = "0";
    }
    g.ustawTekst(kol::PoborOdc, w, "0");
    g.ustawTekst(kol::PoborWez, w, "0");
    g.ustawTekst(kol::Sklepy, w, "brak");
}

int ImportPROFIL::dopiszWiersz() {
    const int w = g.liczbaWierszy();
    g.ustawLiczbeWierszy(w + 1);
    wierszDomyslny(w);
    return w;
}

void ImportPROFIL::ustawGeometrie(int w, const LiniaOdcinka& l, bool odwrotnie) {
    // The row's end takes PROFIL's end (or, for a reversed row, its start).
    const double xk = odwrotnie ? l.xp : l.xk, yk = odwrotnie ? l.yp : l.yk;
    const double zk = odwrotnie ? l.zp : l.zk;
    const double xp = odwrotnie ? l.xk : l.xp, yp = odwrotnie ? l.yk : l.yp;
    const double zp = odwrotnie ? l.zk : l.zp;
    g.ustawTekst(kol::RzednaTe, w, formatStaly(zk, 8, 2));
    g.ustawTekst(kol::X, w, std::to_string(zaokraglij(xk)));
    g.ustawTekst(kol::Y, w, std::to_string(zaokraglij(yk)));
    auto& nwk = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, w);
    nwk.dokladneX = xk;
    nwk.dokladneY = yk;
    auto& nwp = g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, w);
    nwp.niepodlaczony = 0;
    nwp.X = zaokraglij(xp);
    nwp.Y = zaokraglij(yp);
    nwp.dokladneX = xp;
    nwp.dokladneY = yp;
    nwp.rzedna = zp;
}

bool ImportPROFIL::odcinek(std::string_view linia) {
    std::vector<std::string> f;
    if (!pola(linia, 11, f)) return false;
    if (odcinkow >= kMaksWierszyPROFIL) return false;
    ++odcinkow;
    LiniaOdcinka l;
    l.id = f[1];
    l.pocz = parsujNazwe(k, f[2]);
    l.konc = parsujNazwe(k, f[3]);
    l.dn = parsujNazwe(k, f[5]);
    double* cele[8] = {&l.dlugosc, nullptr, &l.xp, &l.yp, &l.zp, &l.xk, &l.yk, &l.zk};
    for (int i = 4; i < 12; ++i)
        if (cele[i - 4]) parsujRzeczywista(k, przecinekNaKropke(f[i]), *cele[i - 4]);

    if (!nowe) {
        bool znaleziony = false;
        for (int w = 1; w <= istniejace; ++w) {
            const auto* kier = g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, w);
            if (!kier || przytnij(kier->identyfikator) != przytnij(l.id)) continue;
            znaleziony = true;
            g.ustawTekst(kol::DlugoscMetry, w, formatOgolny(l.dlugosc, 8));
            g.ustawTekst(kol::SrednicaNomin, w, l.dn);
            ustawGeometrie(w, l, kier->znak != 1);
        }
        if (znaleziony) return true;
    }
    const int w = dopiszWiersz();
    g.ustawTekst(kol::NumerOdcinka, w, std::to_string(nowe ? odcinkow : numerZaPoprzednim(w)));
    g.ustawTekst(kol::NazwaOdcinka, w, nowe ? "" : "0");
    g.ustawTekst(kol::WezelPocz, w, l.pocz);
    g.ustawTekst(kol::WezelKonc, w, l.konc);
    g.ustawTekst(kol::SrednicaNomin, w, l.dn);
    g.ustawTekst(kol::DlugoscMetry, w, formatOgolny(l.dlugosc, 8));
    auto& kier = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, w);
    kier.znak = 1;
    kier.identyfikator = l.id;
    ustawGeometrie(w, l, false);
    return true;
}

bool ImportPROFIL::katalog(std::string_view surowa) {
    const std::string linia = przecinekNaKropke(surowa);
    std::vector<std::string> f;
    if (!pola(linia, 2, f)) return false;
    if (rur >= kMaksWierszyPROFIL) return false;
    Tabela& r = ob.RurGrid;
    if (rur == 0) r.wyczyscDane(1);  // a catalogue part replaces the catalogue
    ++rur;
    r.ustawLiczbeWierszy(rur + 1);
    r.ustawTekst(kol::Dn, rur, f[0]);
    r.ustawTekst(kol::Dzew, rur, f[1]);
    r.ustawTekst(kol::Gru, rur, f[2]);
    ob.KatalogZmieniony = true;
    return true;
}

bool ImportPROFIL::czytaj(std::string_view bajty) {
    const std::string tekst = zCp1250(bajty);
    for (std::string_view surowa : podzielNaLinie(tekst)) {
        const std::string_view linia = bezSpacji(surowa);
        if (!linia.empty() && linia.front() == '*') {
            wKatalogu = true;
            rur = 0;  // every "*" line starts the catalogue over
            continue;
        }
        if (!(wKatalogu ? katalog(linia) : odcinek(linia))) return false;
    }
    return true;
}

void ImportPROFIL::oznaczZrodla() {
    Tabela& z = ob.ZrodlaGrid;
    for (int w = 1; w < g.liczbaWierszy(); ++w) {
        const std::string pocz = przytnij(g.tekst(kol::WezelPocz, w));
        const std::string konc = przytnij(g.tekst(kol::WezelKonc, w));
        for (int s = 1; s < z.liczbaWierszy(); ++s) {
            const std::string nazwa = przytnij(z.tekst(kol::NazwaZrodla, s));
            if (nazwa.empty()) continue;
            if (nazwa == pocz) {
                auto& r = g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, w);
                r.WezelZrodlowy = 1;
                z.ustawTekst(kol::RzednaTeZrodla, s, formatStaly(r.rzedna, 8, 2));
                z.ustawTekst(kol::Xzrodla, s, std::to_string(r.X));
                z.ustawTekst(kol::Yzrodla, s, std::to_string(r.Y));
            }
            if (nazwa == konc) {
                g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, w).WezelZrodlowy = 1;
                z.ustawTekst(kol::RzednaTeZrodla, s, g.tekst(kol::RzednaTe, w));
                z.ustawTekst(kol::Xzrodla, s, g.tekst(kol::X, w));
                z.ustawTekst(kol::Yzrodla, s, g.tekst(kol::Y, w));
            }
        }
    }
}

void ImportPROFIL::polaczenia() {
    std::vector<TDodatko> lista;
    const int n = g.liczbaWierszy() - 1;
    std::vector<Wezel> konce(n + 1), poczatki(n + 1);
    for (int w = 1; w <= n; ++w) {
        konce[w] = koniecWiersza(g, w);
        poczatki[w] = poczatekWiersza(g, w);
    }
    for (int a = 1; a <= n; ++a) {
        for (int b = 1; b < a; ++b) {
            TDodatko d;
            if (wJednymMiejscu(konce[a], konce[b])) {
                poczatekZKonca(g, b, d);
                koniecZKonca(g, a, d);
                if (liczbaCicho(g.tekst(kol::PoborWez, a)) > 0 &&
                    liczbaCicho(g.tekst(kol::PoborWez, b)) > 0)
                    ob.ListBoxAnalizaDanych.push_back(
                        "Tylko jeden z węzłów " + przytnij(g.tekst(kol::WezelKonc, a)) + " i " +
                        przytnij(g.tekst(kol::WezelKonc, b)) +
                        " może mieć rozbiór węzłowy większy od zera.");
            } else if (wJednymMiejscu(konce[a], poczatki[b])) {
                poczatekZKonca(g, a, d);
                koniecZPoczatku(g, b, d);
            } else if (wJednymMiejscu(poczatki[a], konce[b])) {
                poczatekZKonca(g, b, d);
                koniecZPoczatku(g, a, d);
            } else {
                continue;
            }
            d.srednica = nazwaWezla(g.tekst(kol::SrednicaNomin, a));
            bool powtorzony = false;
            for (const auto& e : lista)
                if ((e.nazwaPocz == d.nazwaPocz && e.nazwaKonc == d.nazwaKonc) ||
                    (e.nazwaPocz == d.nazwaKonc && e.nazwaKonc == d.nazwaPocz))
                    powtorzony = true;
            if (!powtorzony) {
                d.identyfikator = "dodatkowy" + std::to_string(lista.size() + 1);
                lista.push_back(std::move(d));
            }
            break;
        }
    }
    const Parametry& p = ob.parametry;
    for (const auto& d : lista) {
        const int w = dopiszWiersz();
        g.ustawTekst(kol::NumerOdcinka, w, std::to_string(numerZaPoprzednim(w)));
        g.ustawTekst(kol::NazwaOdcinka, w, d.identyfikator);
        g.ustawTekst(kol::WezelPocz, w, d.nazwaPocz);
        g.ustawTekst(kol::WezelKonc, w, d.nazwaKonc);
        g.ustawTekst(kol::SrednicaNomin, w, d.srednica);
        g.ustawTekst(kol::DlugoscMetry, w, "0");
        g.ustawTekst(kol::ProcentDluNaOpory, w, formatOgolny(p.ProcentDomyslny, 15));
        g.ustawTekst(kol::PoborWez, w, d.poborKonc);
        g.ustawTekst(kol::RzednaTe, w, d.rzednaKonc);
        g.ustawTekst(kol::X, w, d.XKonc);
        g.ustawTekst(kol::Y, w, d.YKonc);
        auto& nwp = g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, w);
        nwp.niepodlaczony = 0;
        nwp.X = liczbaCalkowitaCicho(d.XPocz);
        nwp.Y = liczbaCalkowitaCicho(d.YPocz);
        nwp.dokladneX = d.dokladneXPocz;
        nwp.dokladneY = d.dokladneYPocz;
        nwp.rzedna = d.rzednaPocz;
        nwp.pobor = d.poborPocz;
        auto& nwk = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, w);
        nwk.dokladneX = d.dokladneXKonc;
        nwk.dokladneY = d.dokladneYKonc;
        auto& kier = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, w);
        kier.znak = 1;
        kier.identyfikator = d.identyfikator;
    }
}

}  // namespace

bool CzytajPROFILZBajtow(Obiekt& ob, std::string_view bajty, bool noweDane, KanalKomunikatow& k) {
    ImportPROFIL imp(ob, noweDane, k);
    imp.przygotuj();
    const bool ok = imp.czytaj(bajty);
    if (!ok) k.informacja("Błąd importu z PROFIL.\nPodany plik nie zawiera poprawnych danych");
    imp.oznaczZrodla();
    imp.polaczenia();
    if (ob.Grid.liczbaWierszy() < 2) ob.nowaTabelaSieci();
    ob.liczbaOdcinkow = ob.Grid.liczbaWierszy() - 1;
    return ok;
}

bool CzytajPlikPROFIL(Obiekt& ob, const std::string& sciezka, bool noweDane, KanalKomunikatow& k) {
    if (noweDane) {
        ImportPROFIL imp(ob, true, k);
        imp.przygotuj();
        if (ob.Grid.liczbaWierszy() < 2) ob.nowaTabelaSieci();
    }
    auto bajty = czytajPlikWymiany(sciezka);
    if (!bajty) {
        k.informacja("Nie znaleziono pliku " + sciezka);
        return false;
    }
    return CzytajPROFILZBajtow(ob, *bajty, noweDane, k);
}

// ---------------------------------------------------------------- export

void zakresCisnien(const Obiekt& ob, double& minimalne, double& maksymalne) {
    const Tabela& g = ob.Grid;
    bool jest = false;
    minimalne = maksymalne = 0;
    for (int w = 1; w < g.liczbaWierszy(); ++w) {
        if (wierszWycofany(g, w)) continue;
        for (int c : {kol::Ppocz, kol::Pkonc}) {
            auto v = naLiczbe(g.tekst(c, w));
            if (!v) continue;
            if (!jest || *v < minimalne) minimalne = *v;
            if (!jest || *v > maksymalne) maksymalne = *v;
            jest = true;
        }
    }
}

namespace {

std::string wPolu(const std::string& t, std::size_t szerokosc) {
    const std::size_t n = liczbaZnakow(t);
    return n >= szerokosc ? t : std::string(szerokosc - n, ' ') + t;
}

// F(w.d): fixed with d decimals, right-aligned in w characters.
std::string staly(double v, int w, int d) {
    return wPolu(formatStaly(v, 17, d), w);
}

}  // namespace

std::vector<std::string> liniePROFIL(const Obiekt& ob, double cisnienieMinimalne,
                                     double cisnienieMaksymalne, KanalKomunikatow& k) {
    const Parametry& p = ob.parametry;
    const Tabela& g = ob.Grid;
    std::vector<std::string> linie;
    linie.push_back(staly(std::min(cisnienieMinimalne, p.PminDop), 10, 4) + " " +
                    staly(cisnienieMaksymalne, 10, 4) + " " + staly(p.PminDop, 10, 4) + " " +
                    p.NazwaJednostki);
    for (int w = 1; w < g.liczbaWierszy(); ++w) {
        int numer = 0;
        parsujCalkowita(k, g.tekst(kol::NumerOdcinka, w), numer);
        std::string l = std::to_string(numer) + " " + wPolu(g.tekst(kol::NazwaOdcinka, w), 20) +
                        " " + wPolu(g.tekst(kol::WezelPocz, w), 10) + " " +
                        wPolu(g.tekst(kol::WezelKonc, w), 10);
        for (int c : {kol::Ppocz, kol::Pkonc}) {
            double v = 0;
            // A pressure that is not a number ("????") stays as it is.
            if (parsujRzeczywista(k, g.tekst(c, w), v))
                l += " " + staly(v, 10, 4);
            else
                l += " " + wPolu(g.tekst(c, w), 10);
        }
        linie.push_back(std::move(l));
    }
    return linie;
}

bool ZapiszWynikiPROFIL(const Obiekt& ob, const std::string& sciezka, double cisnienieMinimalne,
                        double cisnienieMaksymalne, KanalKomunikatow& k) {
    return zapiszLinieWymiany(k, sciezka,
                              liniePROFIL(ob, cisnienieMinimalne, cisnienieMaksymalne, k));
}

}  // namespace kelmor
