#include "io/PlikDanych.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "io/ZapisAtomowy.h"
#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Trasa.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

constexpr const char* kBladNaglowka = "Błąd odczytu części wstępnej";
constexpr const char* kBladParametrow = "Plik nie zawiera poprawnych danych";
constexpr const char* kBladZrodel = "Błąd odczytu tabeli źródeł";
constexpr const char* kBladSieci = "Błąd odczytu Tabeli Opisu Sieci lub Trasy";

bool bialy(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// ---------------------------------------------------------------------------
// Reading: a cursor over the file's bytes with the reads the format uses.
// Integer and real tokens skip blanks and line ends and end at the first
// blank or control character; fixed fields never cross a line end. At the
// end of the file a token reads as 0 and a field as empty.
class Czytnik {
  public:
    explicit Czytnik(std::string_view bajty) {
        // CR LF and bare LF end lines; any other CR counts as a blank.
        t_.reserve(bajty.size());
        for (std::size_t i = 0; i < bajty.size(); ++i) {
            const char c = bajty[i];
            if (c == '\r') {
                if (i + 1 < bajty.size() && bajty[i + 1] == '\n') continue;
                t_ += ' ';
            } else {
                t_ += c;
                if (c == '\n') ++liczbaLinii_;
            }
        }
        if (!t_.empty() && t_.back() != '\n') ++liczbaLinii_;
    }

    bool koniecPliku() const { return p_ >= t_.size(); }
    bool koniecLinii() const { return p_ >= t_.size() || t_[p_] == '\n'; }
    // Nothing but blanks and line ends up to the end of the file.
    bool tylkoBialeDoKonca() const {
        for (std::size_t i = p_; i < t_.size(); ++i)
            if (!bialy(t_[i])) return false;
        return true;
    }
    // Lines from the current one to the end of the file.
    std::size_t pozostaleLinie() const { return liczbaLinii_ > linia_ ? liczbaLinii_ - linia_ : 0; }

    void nastepnaLinia() {
        while (p_ < t_.size() && t_[p_] != '\n') ++p_;
        if (p_ < t_.size()) {
            ++p_;
            ++linia_;
        }
    }
    // Back to the start of line n (0-based) of the file.
    void przejdzDoLinii(std::size_t n) {
        p_ = 0;
        linia_ = 0;
        while (linia_ < n && p_ < t_.size()) nastepnaLinia();
    }
    void pomin(int n) {
        for (; n > 0 && !koniecLinii(); --n) ++p_;
    }
    std::string znaki(int n) {
        const std::size_t a = p_;
        pomin(n);
        return t_.substr(a, p_ - a);
    }
    // A name field: n characters, tabs as blanks, blanks removed at both ends.
    std::string nazwa(int n) { return przytnij(tabulatoryNaSpacje(znaki(n))); }
    std::string resztaLinii() {
        const std::size_t a = p_;
        while (!koniecLinii()) ++p_;
        return t_.substr(a, p_ - a);
    }
    // The next token; empty at the end of the file.
    std::string token() {
        while (p_ < t_.size() && bialy(t_[p_])) {
            if (t_[p_] == '\n') ++linia_;
            ++p_;
        }
        const std::size_t a = p_;
        while (p_ < t_.size() && !bialy(t_[p_])) ++p_;
        return t_.substr(a, p_ - a);
    }
    bool calkowita(int64_t& v) {
        const std::string s = token();
        if (s.empty()) {
            v = 0;
            return true;
        }
        const auto w = naCalkowita(s);
        if (!w) return false;
        v = *w;
        return true;
    }
    bool calkowita(int& v) {
        int64_t w;
        if (!calkowita(w)) return false;
        v = static_cast<int>(w);
        return true;
    }
    bool rzeczywista(double& v) {
        const std::string s = token();
        if (s.empty()) {
            v = 0;
            return true;
        }
        const auto w = naLiczbe(przecinekNaKropke(s));
        if (!w) return false;
        v = *w;
        return true;
    }

    static std::string tabulatoryNaSpacje(std::string s) {
        for (char& c : s)
            if (c == '\t') c = ' ';
        return s;
    }

  private:
    std::string t_;
    std::size_t p_ = 0;
    std::size_t linia_ = 0;
    std::size_t liczbaLinii_ = 0;
};

// A line read whole and split into blank-separated tokens (the first source
// line, or the first segment line of a file without sources).
struct LiniaTokenow {
    explicit LiniaTokenow(std::string linia) : l(Czytnik::tabulatoryNaSpacje(std::move(linia))) {}
    std::string l;
    std::size_t p = 0;
    std::string nastepny() {
        while (p < l.size() && bialy(l[p])) ++p;
        const std::size_t a = p;
        while (p < l.size() && !bialy(l[p])) ++p;
        return l.substr(a, p - a);
    }
    std::string reszta() {
        return przytnij(Czytnik::tabulatoryNaSpacje(l.substr(std::min(p, l.size()))));
    }
    // Name width from the characters at 1-based positions a, a+1 and b, b+1.
    int szerokosc(std::size_t a, std::size_t b) const {
        auto znak = [this](std::size_t poz) { return poz <= l.size() ? l[poz - 1] : ' '; };
        if (znak(a) != ' ' && znak(a + 1) == ' ') return 4;
        if (znak(b) != ' ' && znak(b + 1) == ' ') return 8;
        return 16;
    }
};

bool liczbaZTekstu(const std::string& s, double& v) {
    const std::string t = przytnij(s);
    if (t.empty()) {
        v = 0;
        return true;
    }
    const auto w = naLiczbe(przecinekNaKropke(t));
    if (!w) return false;
    v = *w;
    return true;
}
bool calkowitaZTekstu(const std::string& s, int& v) {
    const std::string t = przytnij(s);
    if (t.empty()) {
        v = 0;
        return true;
    }
    const auto w = naCalkowita(t);
    if (!w) return false;
    v = *w;
    return true;
}

// Fixed p/d as the cells show it, unless that would lose the value read
// (a source pressure of 0.0025 MPa must not come back as "0.00").
std::string tekstStaly(double v, int p, int d) {
    std::string s = formatStaly(v, p, d);
    const auto w = naLiczbe(s);
    if (w && std::fabs(*w - v) <= 1e-12 * std::max(1.0, std::fabs(v))) return s;
    return formatOgolny(v, 8);
}

// Everything one segment block holds.
struct Blok {
    int numer = 0;
    std::string nazwa, pocz, konc, dn;
    double dlugosc = 0;
    bool wycofany = false;
    double procent = 0, chropo = 0, c9 = 0, c11 = 0, poborOdc = 0, poborWez = 0, rzedna = 0;
    int64_t liczbaOporow = 0;
    int c8 = 0, c10 = 0, x = 0, y = 0;
    std::string sklepy;
    int znak = 1;
    std::string identyfikator;
    TdaneNWP nwp;
    TdodatkoweDaneNWK nwk;
    std::vector<TPrzylacze> przylaczaOdc, przylaczaWez;
};

// The numbers of line b from the length on, read as tokens with the
// four-character trade flag after one skipped character.
bool czytajLiczbyB(Czytnik& cz, Blok& b) {
    if (!cz.rzeczywista(b.dlugosc)) return false;
    if (!cz.rzeczywista(b.procent)) return false;
    if (!cz.calkowita(b.liczbaOporow)) return false;
    if (!cz.rzeczywista(b.chropo)) return false;
    if (!cz.calkowita(b.c8) || !cz.rzeczywista(b.c9)) return false;
    if (!cz.calkowita(b.c10) || !cz.rzeczywista(b.c11)) return false;
    cz.pomin(1);
    b.sklepy = cz.znaki(4);
    if (!cz.rzeczywista(b.poborOdc) || !cz.rzeczywista(b.poborWez)) return false;
    if (!cz.rzeczywista(b.rzedna)) return false;
    return cz.calkowita(b.x) && cz.calkowita(b.y);
}

// Line b read whole, with the name width detected from it.
bool czytajPierwszaLinieB(Czytnik& cz, Blok& b, int& szerokosc, KanalKomunikatow& k) {
    LiniaTokenow l(cz.resztaLinii());
    szerokosc = l.szerokosc(4, 8);
    b.pocz = parsujNazwe(k, zCp1250(l.nastepny()));
    b.konc = parsujNazwe(k, zCp1250(l.nastepny()));
    b.dn = parsujNazwe(k, zCp1250(l.nastepny()));
    int64_t n = 0;
    if (!liczbaZTekstu(l.nastepny(), b.dlugosc)) return false;
    if (!liczbaZTekstu(l.nastepny(), b.procent)) return false;
    int lo = 0;
    if (!calkowitaZTekstu(l.nastepny(), lo)) return false;
    n = lo;
    b.liczbaOporow = n;
    if (!liczbaZTekstu(l.nastepny(), b.chropo)) return false;
    if (!calkowitaZTekstu(l.nastepny(), b.c8) || !liczbaZTekstu(l.nastepny(), b.c9)) return false;
    if (!calkowitaZTekstu(l.nastepny(), b.c10) || !liczbaZTekstu(l.nastepny(), b.c11)) return false;
    b.sklepy = l.nastepny();
    if (!liczbaZTekstu(l.nastepny(), b.poborOdc) || !liczbaZTekstu(l.nastepny(), b.poborWez))
        return false;
    if (!liczbaZTekstu(l.nastepny(), b.rzedna)) return false;
    if (!calkowitaZTekstu(l.nastepny(), b.x)) return false;
    return calkowitaZTekstu(l.reszta(), b.y);
}

// One level of a connection list: `n` entries, each followed (levels 1..3)
// by the count of its sub-entries and those entries.
bool czytajPoziom(Czytnik& cz, int poziom, int64_t n, std::vector<TPrzylacze>& lista) {
    // Every entry takes a line: a larger count cannot be right.
    if (n < 0 || static_cast<uint64_t>(n) > cz.pozostaleLinie()) return false;
    for (int64_t i = 0; i < n; ++i) {
        TPrzylacze p;
        if (!cz.calkowita(p.Lp)) return false;
        cz.pomin(8);  // "  pobor="
        if (!cz.rzeczywista(p.Strumien)) return false;
        cz.pomin(4);  // "  * "
        if (!cz.rzeczywista(p.Mnoznik)) return false;
        cz.pomin(1);
        p.Nazwa = zCp1250(cz.resztaLinii());
        cz.nastepnaLinia();
        if (poziom < 4) {
            int64_t m = 0;
            if (!cz.calkowita(m)) return false;
            cz.nastepnaLinia();
            if (!czytajPoziom(cz, poziom + 1, m, p.Podrzedne)) return false;
        }
        lista.push_back(std::move(p));
    }
    return true;
}

bool czytajListePrzylaczy(Czytnik& cz, std::vector<TPrzylacze>& lista) {
    cz.pomin(4);  // "Pro=" or "Prw=", not compared
    int64_t n = 0;
    if (!cz.calkowita(n)) return false;
    cz.nastepnaLinia();
    return czytajPoziom(cz, 1, n, lista);
}

// Entries of the fitting list until their piece counts add up to the number
// of fittings; a file that ends first is damaged.
bool czytajOpory(Czytnik& cz, int64_t liczba, ListaOporow& lista, std::string& tekstKolumny,
                 const Parametry& par) {
    int64_t suma = 0;
    while (suma < liczba) {
        if (cz.tylkoBialeDoKonca()) return false;
        int rodzaj = 0;
        if (!cz.calkowita(rodzaj)) return false;
        cz.nastepnaLinia();
        double p1 = 0, p2 = 0;
        int ile = 0;
        if (!cz.rzeczywista(p1) || !cz.rzeczywista(p2) || !cz.calkowita(ile)) return false;
        cz.nastepnaLinia();
        suma += ile;
        for (int i = 0; i < kLiczbaOporow; ++i) {
            if (kRodzajeOporow[i] != rodzaj) continue;
            TMOpor& w = lista.wpisy[i];
            w.Rodzaj = static_cast<uint8_t>(rodzaj);
            w.Par1 = (rodzaj == 15 && p1 == 0 && ile >= 1) ? 1 : p1;
            w.Par2 = p2;
            w.Ile = ile;
            if (rodzaj == 21) tekstKolumny = formatOgolny(p1, 8) + " " + par.NazwaJednostki;
            break;
        }
    }
    return true;
}

void dolaczListe(Tabela& g, int kolumna, int w, std::vector<TPrzylacze>&& lista) {
    if (lista.empty()) return;
    auto& r = g.zapewnijRekord<ListaPrzylaczy>(kolumna, w);
    r.pozycje = std::move(lista);
}

// Puts a block read into a new last row of the network table.
void dopiszWiersz(Obiekt& ob, Blok& b, const std::unordered_set<std::string>& zrodla,
                  std::unique_ptr<ListaOporow> opory, const std::string& tekstOporow) {
    Tabela& g = ob.Grid;
    const int w = g.liczbaWierszy();
    g.ustawLiczbeWierszy(w + 1);
    ++ob.liczbaOdcinkow;
    g.ustawTekst(kol::NumerOdcinka, w, std::to_string(b.numer));
    g.ustawTekst(kol::NazwaOdcinka, w, przytnij(b.nazwa));
    g.ustawTekst(kol::WezelPocz, w, b.pocz);
    g.ustawTekst(kol::WezelKonc, w, b.konc);
    g.ustawTekst(kol::SrednicaNomin, w, b.dn);
    g.ustawTekst(kol::DlugoscMetry, w, formatOgolny(std::fabs(b.dlugosc), 8));
    g.ustawTekst(kol::ProcentDluNaOpory, w, formatOgolny(b.procent, 8));
    g.ustawTekst(kol::LiczbaOdbiorCeleKom, w, std::to_string(b.c8));
    g.ustawTekst(kol::JednostCeleKom, w, formatOgolny(b.c9, 8));
    g.ustawTekst(kol::LiczbaOdbiorGrzanie, w, std::to_string(b.c10));
    g.ustawTekst(kol::JednostGrzanie, w, formatOgolny(b.c11, 8));
    g.ustawTekst(kol::Sklepy, w, zCp1250(b.sklepy));
    g.ustawTekst(kol::PoborOdc, w, formatOgolny(b.poborOdc, 8));
    g.ustawTekst(kol::PoborWez, w, formatOgolny(b.poborWez, 8));
    g.ustawTekst(kol::X, w, std::to_string(b.x));
    g.ustawTekst(kol::Y, w, std::to_string(b.y));
    g.ustawTekst(kol::RzednaTe, w, formatStaly(b.rzedna, 8, 2));
    g.ustawTekst(kol::Chropo, w, formatOgolny(b.chropo, 8));
    g.ustawTekst(kol::IleOpo, w, tekstOporow);
    if (opory) g.ustawRekord(kol::IleOpo, w, std::move(opory));

    // The values of the demand model not in use are not stored: "0".
    for (int kk = kol::LiczbaOdbiorCeleKom; kk <= kol::JednostGrzanie; ++kk) {
        auto& t = g.zapewnijRekord<Ttaryfy>(kk, w);
        t.komunalny = ob.parametry.sposoby == 0 ? g.tekst(kk, w) : "0";
        t.taryfowy = ob.parametry.sposoby == 1 ? g.tekst(kk, w) : "0";
    }
    if (b.wycofany) g.zapewnijRekord<TWycof>(kol::NumerOdcinka, w).wycofany = 1;
    auto& kier = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, w);
    kier.znak = b.znak;
    kier.identyfikator = b.identyfikator;
    auto& nwp = g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, w);
    nwp = b.nwp;
    nwp.niepodlaczony = 0;
    nwp.WezelZrodlowy = zrodla.count(b.pocz) ? 1 : 0;
    auto& nwk = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, w);
    nwk = b.nwk;
    nwk.WezelZrodlowy = zrodla.count(b.konc) ? 1 : 0;
    dolaczListe(g, kol::PoborOdc, w, std::move(b.przylaczaOdc));
    dolaczListe(g, kol::PoborWez, w, std::move(b.przylaczaWez));
}

bool czytajPoleDokladne(Czytnik& cz, double& v) {
    return liczbaZTekstu(cz.znaki(16), v);
}

}  // namespace

bool czytajDaneZTekstu(Obiekt& ob, KanalKomunikatow& k, std::string_view bajty, bool* zmieniono) {
    if (zmieniono) *zmieniono = true;
    Czytnik cz(bajty);
    Parametry& par = ob.parametry;
    bool sukces = true;

    // Header: title, format number, parameters, tariff demands, options.
    par.Tytul = zCp1250(cz.resztaLinii());
    cz.nastepnaLinia();
    int64_t numer = 0;
    bool naglowekOk = cz.calkowita(numer);
    const bool taryfy = numer < 0;
    if (taryfy) numer = -numer;
    ob.zmienSposobPoborow(taryfy ? 1 : 0);
    ob.DaneZGDO = numer == 122;
    const bool najstarszy = numer < 120 || numer > 123;
    int jednostka = par.jednostkaP, urbanizacja = par.urbanizacja;
    if (naglowekOk) {
        if (najstarszy) {
            jednostka = static_cast<int>(numer);
        } else {
            cz.nastepnaLinia();
            naglowekOk = cz.calkowita(jednostka);
        }
    }
    naglowekOk = naglowekOk && cz.rzeczywista(par.PminDop) && cz.rzeczywista(par.TcGazu) &&
                 cz.rzeczywista(par.dGazu) && cz.rzeczywista(par.HsGazu) &&
                 cz.calkowita(urbanizacja) && cz.rzeczywista(par.ChropoDomyslne) &&
                 cz.rzeczywista(par.ProcentDomyslny);
    cz.nastepnaLinia();
    if (naglowekOk && taryfy && !najstarszy) {
        for (double& q : par.Q1W) naglowekOk = naglowekOk && cz.rzeczywista(q);
        cz.nastepnaLinia();
    }
    if (naglowekOk) {
        bool* opcje[] = {
            &ob.opcje.CheckBoxUlica, &ob.opcje.CheckBoxLiczbaO, &ob.opcje.CheckBoxrro,
            &ob.opcje.CheckBoxrrw,   &ob.opcje.CheckBoxProcent, &ob.opcje.CheckBoxChro,
            &ob.opcje.CheckBoxTeren, &ob.opcje.CheckBoxXY,      &ob.opcje.CheckBoxOpory};
        if (najstarszy) ob.opcje.CheckBoxUlica = true;
        for (int i = najstarszy ? 1 : 0; i < 9 && naglowekOk; ++i) {
            int v = 0;
            naglowekOk = cz.calkowita(v);
            if (naglowekOk) *opcje[i] = v == 1;
        }
        cz.nastepnaLinia();
    }
    if (!naglowekOk) {
        k.informacja(kBladNaglowka);
        sukces = false;
        // The sources begin after the fixed number of header lines.
        cz.przejdzDoLinii(najstarszy ? 3 : (taryfy ? 5 : 4));
    }
    if (jednostka < 0 || jednostka > 4 || urbanizacja < 1 || urbanizacja > 3) {
        par.przelicz();
        k.informacja(kBladParametrow);
        return false;
    }
    par.ustawJednostke(jednostka);
    par.urbanizacja = urbanizacja;
    par.przelicz();

    // Sources. The first line is read whole: it gives the name width.
    Tabela& z = ob.ZrodlaGrid;
    z.wyczyscDane(1);
    ob.liczbaZrodel = 0;
    int szerokosc = najstarszy ? 4 : 16;
    std::unordered_set<std::string> nazwyZrodel;
    int64_t liczbaZrodel = 0;
    bool zrodlaOk = cz.calkowita(liczbaZrodel) && liczbaZrodel >= 0 &&
                    static_cast<uint64_t>(liczbaZrodel) <= cz.pozostaleLinie();
    cz.nastepnaLinia();
    for (int64_t i = 0; zrodlaOk && i < liczbaZrodel; ++i) {
        if (cz.koniecPliku()) {
            zrodlaOk = false;
            break;
        }
        std::string nazwa;
        double p = 0, rz = 0;
        int x = 0, y = 0;
        if (i == 0) {
            LiniaTokenow l(cz.resztaLinii());
            szerokosc = l.szerokosc(5, 9);
            nazwa = parsujNazwe(k, zCp1250(l.nastepny()));
            zrodlaOk = liczbaZTekstu(l.nastepny(), p) && liczbaZTekstu(l.nastepny(), rz) &&
                       calkowitaZTekstu(l.nastepny(), x) && calkowitaZTekstu(l.reszta(), y);
        } else {
            cz.pomin(1);
            nazwa = zCp1250(cz.nazwa(szerokosc));
            zrodlaOk =
                cz.rzeczywista(p) && cz.rzeczywista(rz) && cz.calkowita(x) && cz.calkowita(y);
        }
        cz.nastepnaLinia();
        if (!zrodlaOk) break;
        const int w = z.liczbaWierszy();
        z.ustawLiczbeWierszy(w + 1);
        z.ustawTekst(kol::NazwaZrodla, w, nazwa);
        z.ustawTekst(kol::Pzrodla, w, tekstStaly(p, 4, 2));
        z.ustawTekst(kol::RzednaTeZrodla, w, tekstStaly(rz, 4, 2));
        z.ustawTekst(kol::Xzrodla, w, std::to_string(x));
        z.ustawTekst(kol::Yzrodla, w, std::to_string(y));
        ++ob.liczbaZrodel;
        nazwyZrodel.insert(nazwa);
    }
    if (ob.liczbaZrodel == 0) ob.nowaTabelaZrodel();
    Obiekt::oznaczWiersz(z, 1);
    if (!zrodlaOk) {
        k.informacja(kBladZrodel);
        return false;
    }
    // A GDO file without sources: names are taken 16 wide.

    // Segments and the route, up to the end of the file.
    Tabela& g = ob.Grid;
    g.ustawLiczbeKolumn(LiczbaKolumnDanych);
    g.wyczyscDane(1);
    ob.liczbaOdcinkow = 0;
    ob.trasa.clear();
    bool pierwszy = true;
    bool sieciOk = true;
    while (sieciOk && !cz.tylkoBialeDoKonca()) {
        int64_t v = 0;
        if (!cz.calkowita(v)) {
            sieciOk = false;
            break;
        }
        if (v < 0) {
            // The route: -n and n names on one line.
            std::vector<std::string> nazwy;
            for (int64_t i = 0; i < -v; ++i) {
                if (cz.koniecLinii()) {
                    sieciOk = false;
                    break;
                }
                cz.pomin(1);
                nazwy.push_back(zCp1250(cz.nazwa(szerokosc)));
            }
            cz.nastepnaLinia();
            if (!sieciOk) break;
            trasaZNazw(ob, k, nazwy);
            continue;
        }
        Blok b;
        b.numer = static_cast<int>(v);
        bool ok = true;
        if (najstarszy) {
            cz.pomin(1);
            b.pocz = zCp1250(cz.nazwa(4));
            cz.pomin(1);
            b.konc = zCp1250(cz.nazwa(4));
            cz.pomin(1);
            b.dn = zCp1250(cz.nazwa(4));
            ok = czytajLiczbyB(cz, b);
            cz.nastepnaLinia();
        } else {
            b.nazwa = zCp1250(przytnij(cz.resztaLinii()));
            cz.nastepnaLinia();
            if (numer == 122) {
                b.pocz = zCp1250(cz.nazwa(szerokosc));
                b.nwp.IdentyfikatorWezla = zCp1250(przytnij(cz.resztaLinii()));
                cz.nastepnaLinia();
                ok = cz.rzeczywista(b.nwp.pobor) && cz.rzeczywista(b.nwp.rzedna) &&
                     cz.calkowita(b.nwp.X) && cz.calkowita(b.nwp.Y);
                cz.pomin(1);
                b.konc = zCp1250(cz.nazwa(szerokosc));
                b.nwk.IdentyfikatorWezla = zCp1250(przytnij(cz.resztaLinii()));
                cz.nastepnaLinia();
                b.dn = zCp1250(cz.nazwa(szerokosc));
                ok = ok && czytajLiczbyB(cz, b);
                cz.nastepnaLinia();
            } else if (pierwszy && ob.liczbaZrodel == 0) {
                ok = czytajPierwszaLinieB(cz, b, szerokosc, k);
                cz.nastepnaLinia();
            } else {
                b.pocz = zCp1250(cz.nazwa(szerokosc));
                cz.pomin(1);
                b.konc = zCp1250(cz.nazwa(szerokosc));
                cz.pomin(1);
                b.dn = zCp1250(cz.nazwa(szerokosc));
                ok = czytajLiczbyB(cz, b);
                cz.nastepnaLinia();
            }
            if (ok && numer == 123) {
                // c: direction; d: start node; e: end node.
                ok = cz.calkowita(b.znak);
                b.identyfikator = zCp1250(przytnij(cz.resztaLinii()));
                cz.nastepnaLinia();
                ok = ok && cz.calkowita(b.nwp.X) && cz.calkowita(b.nwp.Y);
                cz.pomin(1);
                ok = ok && czytajPoleDokladne(cz, b.nwp.dokladneX);
                cz.pomin(1);
                ok = ok && czytajPoleDokladne(cz, b.nwp.dokladneY) &&
                     cz.rzeczywista(b.nwp.rzedna) && cz.rzeczywista(b.nwp.pobor);
                cz.nastepnaLinia();
                ok = ok && czytajPoleDokladne(cz, b.nwk.dokladneX);
                cz.pomin(1);
                ok = ok && czytajPoleDokladne(cz, b.nwk.dokladneY);
                cz.nastepnaLinia();
            }
        }
        pierwszy = false;
        b.wycofany = std::signbit(b.dlugosc);
        if (ok && numer >= 121 && numer <= 123 && !najstarszy) {
            ok = czytajListePrzylaczy(cz, b.przylaczaOdc) &&
                 czytajListePrzylaczy(cz, b.przylaczaWez);
        }
        std::unique_ptr<ListaOporow> opory;
        std::string tekstOporow = std::to_string(b.liczbaOporow) + " szt";
        if (ok && b.liczbaOporow > 0) {
            opory = std::make_unique<ListaOporow>();
            ok = czytajOpory(cz, b.liczbaOporow, *opory, tekstOporow, par);
        }
        if (!ok) {
            sieciOk = false;
            break;
        }
        dopiszWiersz(ob, b, nazwyZrodel, std::move(opory), tekstOporow);
    }
    if (ob.liczbaOdcinkow == 0) ob.nowaTabelaSieci();
    Obiekt::oznaczWiersz(g, 1);
    if (!sieciOk) {
        k.informacja(kBladSieci);
        sukces = false;
    }
    if (najstarszy || numer <= 121) odswiezRekordyPoczatkowe(ob, true);
    return sukces;
}

bool CzytajPlikDanych(Obiekt& ob, KanalKomunikatow& k, const std::string& sciezka,
                      bool* zmieniono) {
    if (zmieniono) *zmieniono = false;
    std::string bajty;
    if (!wczytajPlik(sciezka, bajty)) {
        k.informacja("Nie znaleziono pliku " + sciezka);
        return false;
    }
    return czytajDaneZTekstu(ob, k, bajty, zmieniono);
}

// ---------------------------------------------------------------------------
// Writing.

namespace {

const char* const kKoniecLinii = "\r\n";

std::string doPrawej(std::string s, std::size_t szerokosc) {
    const std::size_t n = liczbaZnakow(s);
    if (n < szerokosc) s.insert(0, szerokosc - n, ' ');
    return s;
}
// A text field must not end the line early.
std::string tekstT(std::string s) {
    for (char& c : s)
        if (c == '\n' || c == '\r') c = ' ';
    return s;
}
// A name field: at most 16 characters, no control characters, right-aligned.
std::string poleNazwy(std::string s) {
    for (char& c : s)
        if (static_cast<unsigned char>(c) < ' ') c = ' ';
    return doPrawej(nazwaWezla(s), DlugoscNazwy);
}
std::string poleF(double v, int w, int d) {
    return doPrawej(formatStaly(v, 15, d), w);
}
std::string poleI(long long v, int w = 0) {
    return doPrawej(std::to_string(v), w);
}
// Precise coordinate: the shortest general text (at most 15 digits) that
// fits the 16 characters the reader takes.
std::string poleDokladne(double v) {
    std::string s;
    for (int p = 15; p >= 1; --p) {
        s = formatOgolny(v, p);
        if (s.size() <= 16) break;
    }
    return doPrawej(s, 16);
}

// Cell text to a number: an empty text or "-" is 0.
bool rzecz(const std::string& tekst, double& v) {
    const std::string t = przytnij(tekst);
    v = 0;
    if (t.empty() || t == "-") return true;
    if (auto w = naLiczbe(t)) {
        v = *w;
        return true;
    }
    return false;
}
bool calk(const std::string& tekst, long long& v) {
    const std::string t = przytnij(tekst);
    v = 0;
    if (t.empty() || t == "-") return true;
    if (auto w = naCalkowita(t)) {
        v = *w;
        return true;
    }
    return false;
}

void zapiszPoziom(std::string& o, const std::vector<TPrzylacze>& lista, int poziom) {
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const TPrzylacze& p = lista[i];
        o += poleI(static_cast<long long>(i + 1), 1 + 10 * poziom);
        o += "  pobor=" + poleF(p.Strumien, 10, 5) + "  * " + poleF(p.Mnoznik, 10, 5) + " " +
             tekstT(p.Nazwa) + kKoniecLinii;
        if (poziom < 4) {
            o += poleI(static_cast<long long>(p.Podrzedne.size()), 10 + 10 * poziom) + kKoniecLinii;
            zapiszPoziom(o, p.Podrzedne, poziom + 1);
        }
    }
}

void zapiszListe(std::string& o, const char* naglowek, const ListaPrzylaczy* lista) {
    const std::size_t n = lista ? lista->pozycje.size() : 0;
    o += std::string(naglowek) + poleI(static_cast<long long>(n), 3) + kKoniecLinii;
    if (lista) zapiszPoziom(o, lista->pozycje, 1);
}

// A gate valve opening 0 is read as fully open; a tiny opening that would
// print as 0.0000 is written as the smallest one the field shows instead.
double parametrDoZapisu(int klucz, double p) {
    if (kRodzajeOporow[klucz] == 15 && p != 0 && std::fabs(p) < 0.00005)
        return std::copysign(0.0001, p);
    return p;
}

// Number of fittings as the file counts them: pieces of all 21 entries.
long long liczbaOporow(const ListaOporow* l) {
    long long n = 0;
    if (l)
        for (const auto& w : l->wpisy)
            if (w.Ile > 0) n += w.Ile;
    return n;
}

}  // namespace

bool tekstPlikuDanych(Obiekt& ob, KanalKomunikatow& k, std::string& bajty) {
    bajty.clear();
    odswiezRekordyPoczatkowe(ob, false);
    const Parametry& par = ob.parametry;
    const Tabela& g = ob.Grid;
    const Tabela& z = ob.ZrodlaGrid;
    std::string o;
    auto linia = [&o](const std::string& s) { o += s + kKoniecLinii; };

    linia(tekstT(par.Tytul));
    linia(std::to_string(par.sposoby == 1 ? -kNumerFormatuDanych : kNumerFormatuDanych));
    linia(poleI(par.jednostkaP) + " " + poleF(par.PminDop, 10, 4) + " " + poleF(par.TcGazu, 5, 2) +
          " " + poleF(par.dGazu, 8, 4) + " " + poleF(par.HsGazu, 8, 3) + " " +
          poleI(par.urbanizacja) + " " + poleF(par.ChropoDomyslne, 8, 4) + " " +
          poleF(par.ProcentDomyslny, 8, 2));
    if (par.sposoby == 1)
        linia(poleF(par.Q1W[0], 8, 4) + " " + poleF(par.Q1W[1], 8, 4) + " " +
              poleF(par.Q1W[2], 8, 4) + " " + poleF(par.Q1W[3], 8, 4));
    const OpcjeKolumn& op = ob.opcje;
    std::string opcje;
    for (bool b :
         {op.CheckBoxUlica, op.CheckBoxLiczbaO, op.CheckBoxrro, op.CheckBoxrrw, op.CheckBoxProcent,
          op.CheckBoxChro, op.CheckBoxTeren, op.CheckBoxXY, op.CheckBoxOpory})
        opcje += std::string(opcje.empty() ? "" : " ") + (b ? "1" : "0");
    linia(opcje);

    const int zrodel = std::clamp(ob.liczbaZrodel, 0, z.liczbaWierszy() - 1);
    linia(std::to_string(zrodel));
    for (int w = 1; w <= zrodel; ++w) {
        double p, rz;
        long long x, y;
        if (!rzecz(z.tekst(kol::Pzrodla, w), p) || !rzecz(z.tekst(kol::RzednaTeZrodla, w), rz) ||
            !calk(z.tekst(kol::Xzrodla, w), x) || !calk(z.tekst(kol::Yzrodla, w), y)) {
            k.informacja("Były błędy w tabeli źródeł");
            return false;
        }
        linia(" " + poleNazwy(z.tekst(kol::NazwaZrodla, w)) + " " + poleF(p, 10, 5) + " " +
              poleF(rz, 8, 2) + " " + poleI(x) + " " + poleI(y));
    }

    bool sukces = true;
    const int odcinkow = std::clamp(ob.liczbaOdcinkow, 0, g.liczbaWierszy() - 1);
    for (int w = 1; w <= odcinkow; ++w) {
        bool ok = true;
        auto R = [&](int kk) {
            double v;
            ok = rzecz(g.tekst(kk, w), v) && ok;
            return v;
        };
        auto I = [&](int kk) {
            long long v;
            ok = calk(g.tekst(kk, w), v) && ok;
            return v;
        };
        const long long numer = I(kol::NumerOdcinka);
        const double dl = R(kol::DlugoscMetry), proc = R(kol::ProcentDluNaOpory),
                     chro = R(kol::Chropo), c9 = R(kol::JednostCeleKom),
                     c11 = R(kol::JednostGrzanie), pOdc = R(kol::PoborOdc), pWez = R(kol::PoborWez),
                     rzedna = R(kol::RzednaTe);
        const long long c8 = I(kol::LiczbaOdbiorCeleKom), c10 = I(kol::LiczbaOdbiorGrzanie),
                        x = I(kol::X), y = I(kol::Y);
        if (!ok && sukces) {
            k.informacja("Były błędy w Tabeli Opisu Sieci");
            sukces = false;
        }
        const auto* opory = g.rekordTypu<ListaOporow>(kol::IleOpo, w);
        const long long nOporow = liczbaOporow(opory);
        // The sign of the length carries the withdrawn flag, whatever the value.
        const std::string dlugosc =
            doPrawej((wierszWycofany(g, w) ? "-" : "") + formatStaly(std::fabs(dl), 15, 2), 8);

        linia(poleI(numer, 5) + " " + tekstT(g.tekst(kol::NazwaOdcinka, w)));
        linia(poleNazwy(g.tekst(kol::WezelPocz, w)) + " " + poleNazwy(g.tekst(kol::WezelKonc, w)) +
              " " + poleNazwy(g.tekst(kol::SrednicaNomin, w)) + " " + dlugosc + " " +
              poleF(proc, 8, 2) + " " + poleI(nOporow) + " " + poleF(chro, 7, 3) + " " +
              poleI(c8, 8) + " " + poleF(c9, 7, 2) + " " + poleI(c10, 8) + " " + poleF(c11, 7, 2) +
              " " + (parsujHandel(g.tekst(kol::Sklepy, w)) ? "jest" : "brak") + " " +
              poleF(pOdc, 8, 3) + " " + poleF(pWez, 8, 3) + " " + poleF(rzedna, 8, 2) + " " +
              poleI(x) + " " + poleI(y));

        const auto* kier = g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, w);
        if (kier)
            linia(poleI(kier->znak) + " " + tekstT(kier->identyfikator));
        else
            linia("1 " + tekstT(przytnij(g.tekst(kol::WezelPocz, w)) + "-" +
                                przytnij(g.tekst(kol::WezelKonc, w))));
        TdaneNWP nwp;
        if (const auto* r = g.rekordTypu<TdaneNWP>(kol::WezelPocz, w)) nwp = *r;
        linia(poleI(nwp.X) + " " + poleI(nwp.Y) + " " + poleDokladne(nwp.dokladneX) + " " +
              poleDokladne(nwp.dokladneY) + " " + poleF(nwp.rzedna, 7, 2) + " " +
              poleF(nwp.pobor, 8, 3));
        TdodatkoweDaneNWK nwk;
        if (const auto* r = g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, w)) nwk = *r;
        linia(poleDokladne(nwk.dokladneX) + " " + poleDokladne(nwk.dokladneY));

        zapiszListe(o, "Pro=", g.rekordTypu<ListaPrzylaczy>(kol::PoborOdc, w));
        zapiszListe(o, "Prw=", g.rekordTypu<ListaPrzylaczy>(kol::PoborWez, w));

        if (opory) {
            for (int i = 0; i < kLiczbaOporow; ++i) {
                const TMOpor& e = opory->wpisy[i];
                if (e.Ile <= 0) continue;
                linia(poleI(kRodzajeOporow[i], 5));
                if (i == kWpisKompresora)
                    linia(poleF(e.Par1, 10, 4) + " 0 " + poleI(e.Ile));
                else
                    linia(poleF(parametrDoZapisu(i, e.Par1), 10, 4) + " " + poleF(e.Par2, 10, 4) +
                          poleI(e.Ile, 10));
            }
        }
    }

    if (!ob.trasa.empty()) {
        std::string t = "-" + std::to_string(ob.trasa.size());
        for (const auto& wz : ob.trasa) t += " " + poleNazwy(wz.wezel);
        linia(t);
    }

    WynikKonwersji kod = naCp1250(o);
    if (!kod.blad.empty()) {
        k.informacja(kod.blad);
        return false;
    }
    bajty = std::move(kod.tekst);
    return sukces;
}

bool ZapiszPlikDanych(Obiekt& ob, KanalKomunikatow& k, const std::string& sciezka) {
    std::string bajty;
    if (!tekstPlikuDanych(ob, k, bajty)) return false;
    std::string blad;
    if (!zapiszAtomowo(sciezka, bajty, &blad)) {
        k.bladWeWy(blad);
        return false;
    }
    return true;
}

}  // namespace kelmor
