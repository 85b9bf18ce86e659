#include "io/DaneXML.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "io/PlikiTekstowe.h"
#include "model/Kolumny.h"
#include "model/Liczby.h"
#include "model/Rekordy.h"
#include "model/Trasa.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

// Most rows one table of an XML file may fill; a file asking for more is
// refused instead of exhausting memory.
constexpr int kMaksWierszyXML = 100000;

const char* const kNazwyKomunalne[4] = {"LiczbaOdbiorCeleKom", "JednostCeleKom",
                                        "LiczbaOdbiorGrzanie", "JednostGrzanie"};
const char* const kNazwyTaryfowe[4] = {"LiczbaW1", "LiczbaW2", "LiczbaW3", "LiczbaW4"};
const char* const kNazwyWynikow[9] = {"Qoblicz", "PredkoPocz", "PredkoKonc", "Ppocz",   "Pkonc",
                                      "DeltaP",  "Re",         "lambda",     "NumerOdc"};

void dodaj(pugi::xml_node rodzic, const char* nazwa, const std::string& tekst) {
    rodzic.append_child(nazwa).text().set(tekst.c_str());
}

pugi::xml_node nowyDokument(pugi::xml_document& doc) {
    auto dekl = doc.append_child(pugi::node_declaration);
    dekl.append_attribute("version") = "1.0";
    dekl.append_attribute("encoding") = "windows-1250";
    return doc.append_child("DaneDlaKELMOR");
}

std::string tekstWzorow(const Wzory& w) {
    if (w.metoda == 2 && w.wzor >= 0) return "2," + std::to_string(w.wzor);
    return std::to_string(w.metoda);
}

void daneOgolne(pugi::xml_node root, const Obiekt& ob, bool zKoncem) {
    const Parametry& p = ob.parametry;
    auto n = root.append_child("DaneOgolne");
    if (zKoncem) dodaj(n, "czyKonczycPrace", "false");
    dodaj(n, "Tytul", p.Tytul);
    dodaj(n, "jednostkaP", std::to_string(p.jednostkaP));
    dodaj(n, "PminDop", formatOgolny(p.PminDop, 4));
    dodaj(n, "TcGazu", formatOgolny(p.TcGazu, 4));
    dodaj(n, "dGazu", formatOgolny(p.dGazu, 4));
    dodaj(n, "HsGazu", formatOgolny(p.HsGazu, 4));
    dodaj(n, "sposoby", std::to_string(p.sposoby));
    for (int i = 0; i < 4; ++i)
        dodaj(n, ("Q1W" + std::to_string(i + 1)).c_str(), formatOgolny(p.Q1W[i], 4));
    dodaj(n, "urbanizacja", std::to_string(p.urbanizacja));
    dodaj(n, "wzory", tekstWzorow(p.wzory));
    dodaj(n, "mnoznik", formatOgolny(p.mnoznik, 4));
}

void zrodla(pugi::xml_node root, const Obiekt& ob) {
    auto n = root.append_child("Zrodla");
    const Tabela& t = ob.ZrodlaGrid;
    static const char* const nazwy[5] = {"NazwaZrodla", "Pzrodla", "RzednaTeZrodla", "Xzrodla",
                                         "Yzrodla"};
    for (int w = 1; w < t.liczbaWierszy(); ++w) {
        auto z = n.append_child("Zrodlo");
        for (int k = 0; k < 5; ++k) dodaj(z, nazwy[k], t.tekst(k + 1, w));
    }
}

const char* const* nazwyPoborow(const Obiekt& ob) {
    return ob.parametry.sposoby == 1 ? kNazwyTaryfowe : kNazwyKomunalne;
}

void kolumny1do7(pugi::xml_node o, const Tabela& g, int w) {
    static const char* const nazwy[7] = {"NumerOdcinka",     "NazwaOdcinka",  "WezelPocz",
                                         "WezelKonc",        "SrednicaNomin", "DlugoscMetry",
                                         "ProcentDluNaOpory"};
    for (int k = 0; k < 7; ++k) dodaj(o, nazwy[k], g.tekst(k + 1, w));
}

// Line ends of the serialised tree become CR LF. The library writes a CR
// inside a text as it stands, which a reader would take for a line end: it
// goes out as a character reference so that the text comes back unchanged.
std::string przeksztalcNaCrLf(const std::string& s) {
    std::string r;
    r.reserve(s.size() + s.size() / 16);
    for (char c : s) {
        if (c == '\r') {
            r += "&#13;";
            continue;
        }
        if (c == '\n') r += '\r';
        r += c;
    }
    return r;
}

WynikKonwersji naBajty(const pugi::xml_document& doc) {
    std::ostringstream os;
    doc.save(os, "  ", pugi::format_indent, pugi::encoding_utf8);
    return naCp1250(przeksztalcNaCrLf(os.str()));
}

}  // namespace

WynikKonwersji daneXMLNaBajty(const Obiekt& ob) {
    pugi::xml_document doc;
    auto root = nowyDokument(doc);
    daneOgolne(root, ob, true);
    zrodla(root, ob);

    auto odc = root.append_child("Odcinki");
    const Tabela& g = ob.Grid;
    const char* const* poborNazwy = nazwyPoborow(ob);
    for (int w = 1; w < g.liczbaWierszy(); ++w) {
        auto o = odc.append_child("Odcinek");
        dodaj(o, "Identyfikator", std::to_string(w));
        dodaj(o, "Wycofany", wierszWycofany(g, w) ? "True" : "False");
        kolumny1do7(o, g, w);
        for (int k = 0; k < 4; ++k)
            dodaj(o, poborNazwy[k], g.tekst(kol::LiczbaOdbiorCeleKom + k, w));
        dodaj(o, "Sklepy", g.tekst(kol::Sklepy, w));
        dodaj(o, "PoborOdc", g.tekst(kol::PoborOdc, w));
        const auto* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, w);
        dodaj(o, "PoborWezPocz", nwp ? formatOgolny(nwp->pobor, 8) : "0");
        dodaj(o, "XPocz", nwp ? std::to_string(nwp->X) : "0");
        dodaj(o, "YPocz", nwp ? std::to_string(nwp->Y) : "0");
        dodaj(o, "RzednaTePocz", nwp ? formatOgolny(nwp->rzedna, 8) : "0");
        static const char* const dalej[6] = {"PoborWez", "X", "Y", "RzednaTe", "Chropo", "IleOpo"};
        for (int k = 0; k < 6; ++k) dodaj(o, dalej[k], g.tekst(kol::PoborWez + k, w));
    }

    auto rury = root.append_child("Rury");
    const Tabela& r = ob.RurGrid;
    for (int w = 1; w < r.liczbaWierszy(); ++w) {
        auto rr = rury.append_child("Rura");
        dodaj(rr, "Dn", r.tekst(kol::Dn, w));
        dodaj(rr, "Dzew", r.tekst(kol::Dzew, w));
        dodaj(rr, "Gru", r.tekst(kol::Gru, w));
    }

    if (!ob.trasa.empty()) {
        std::string t;
        for (std::size_t i = 0; i < ob.trasa.size(); ++i) {
            if (i) t += ",";
            t += nazwaWezla(ob.trasa[i].wezel);
        }
        dodaj(root, "MojaTrasa", t);
    }
    return naBajty(doc);
}

WynikKonwersji wynikiXMLNaBajty(const Obiekt& ob) {
    pugi::xml_document doc;
    auto root = nowyDokument(doc);
    daneOgolne(root, ob, false);
    zrodla(root, ob);

    auto odc = root.append_child("Odcinki");
    const Tabela& g = ob.Grid;
    const char* const* poborNazwy = nazwyPoborow(ob);
    for (int w = 1; w < g.liczbaWierszy(); ++w) {
        if (wierszWycofany(g, w)) continue;
        auto o = odc.append_child("Odcinek");
        const auto* kier = g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, w);
        dodaj(o, "Identyfikator", kier ? kier->identyfikator : "");
        dodaj(o, "Kierunek", kier ? std::to_string(kier->znak) : "1");
        kolumny1do7(o, g, w);
        for (int k = 0; k < 4; ++k)
            dodaj(o, poborNazwy[k], g.tekst(kol::LiczbaOdbiorCeleKom + k, w));
        static const char* const dalej[8] = {"Sklepy", "PoborOdc", "PoborWez", "X",
                                             "Y",      "RzednaTe", "Chropo",   "IleOpo"};
        for (int k = 0; k < 8; ++k) dodaj(o, dalej[k], g.tekst(kol::Sklepy + k, w));
        for (int k = 0; k < 9; ++k) dodaj(o, kNazwyWynikow[k], g.tekst(kol::Qoblicz + k, w));
    }
    return naBajty(doc);
}

namespace {

bool zapisz(const WynikKonwersji& w, const std::string& sciezka, KanalKomunikatow& k) {
    if (!w.blad.empty()) {
        k.bladWeWy(w.blad);
        return false;
    }
    return zapiszPlikWymiany(k, sciezka, w.tekst);
}

}  // namespace

bool ZapiszDaneXML(const Obiekt& ob, const std::string& sciezka, KanalKomunikatow& k) {
    return zapisz(daneXMLNaBajty(ob), sciezka, k);
}

bool ZapiszWynikiXML(const Obiekt& ob, const std::string& sciezka, KanalKomunikatow& k) {
    return zapisz(wynikiXMLNaBajty(ob), sciezka, k);
}

// ---------------------------------------------------------------- reading

namespace {

bool bialy(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view bezBialych(std::string_view s) {
    while (!s.empty() && bialy(s.front())) s.remove_prefix(1);
    while (!s.empty() && bialy(s.back())) s.remove_suffix(1);
    return s;
}

std::optional<double> rzeczywista(std::string_view tekst) {
    const std::string s = przecinekNaKropke(bezBialych(tekst));
    if (s.empty() || s == "-") return 0.0;
    return naLiczbe(s);
}

std::optional<int32_t> calkowita(std::string_view tekst) {
    const std::string s = przecinekNaKropke(bezBialych(tekst));
    if (s.empty() || s == "-") return 0;
    return naCalkowita(s);
}

std::optional<bool> logiczna(std::string_view tekst) {
    std::string s(bezBialych(tekst));
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (s == "true" || s == "1") return true;
    if (s == "false" || s == "0") return false;
    return std::nullopt;
}

bool rowneBezWielkosci(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The file's text in UTF-8: a UTF-8 byte-order mark or a declaration naming
// UTF-8 (with valid UTF-8 content) keep the bytes; everything else is
// Windows-1250.
std::optional<std::string> tekstPliku(std::string_view b) {
    if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") {
        b.remove_prefix(3);
        if (!poprawneUtf8(b)) return std::nullopt;
        return std::string(b);
    }
    if (b.substr(0, 5) == "<?xml") {
        const auto koniec = b.find("?>");
        const std::string_view dekl = b.substr(0, koniec == std::string_view::npos ? 0 : koniec);
        const auto e = dekl.find("encoding");
        if (e != std::string_view::npos) {
            auto reszta = dekl.substr(e + 8);
            const auto q = reszta.find_first_of("\"'");
            if (q != std::string_view::npos) {
                const char cudz = reszta[q];
                reszta.remove_prefix(q + 1);
                const auto q2 = reszta.find(cudz);
                const auto nazwa = reszta.substr(0, q2);
                if ((rowneBezWielkosci(nazwa, "utf-8") || rowneBezWielkosci(nazwa, "utf8")) &&
                    poprawneUtf8(b))
                    return std::string(b);
            }
        }
    }
    return zCp1250(b);
}

class CzytnikXML {
  public:
    CzytnikXML(Obiekt& ob, KanalKomunikatow& k, bool& konczyc) : ob(ob), k(k), konczyc(konczyc) {}

    // Acts on one element that holds text; false ends the read as failed.
    bool element(std::string_view nazwa, std::string_view tekst);

  private:
    bool nowyWiersz(Tabela& t, int& licznik);
    void wyczyscWiersz(Tabela& t, int w);
    bool komorka(Tabela& t, int licznik, int kol, std::string tekst) {
        if (licznik < 1) return true;  // no row started yet: nothing to fill
        t.ustawTekst(kol, licznik, std::move(tekst));
        return true;
    }
    TdaneNWP* poczatkowy() {
        if (odcinki < 1) return nullptr;
        auto& r = ob.Grid.zapewnijRekord<TdaneNWP>(kol::WezelPocz, odcinki);
        r.niepodlaczony = 0;
        return &r;
    }
    bool pobor(int nr, bool taryfowy, std::string tekst);
    bool ileOpo(std::string tekst);

    Obiekt& ob;
    KanalKomunikatow& k;
    bool& konczyc;
    int zrodla = 0, odcinki = 0, rury = 0;
};

void CzytnikXML::wyczyscWiersz(Tabela& t, int w) {
    for (int c = 1; c < t.liczbaKolumn(); ++c) {
        t.ustawTekst(c, w, "");
        t.ustawRekord(c, w, nullptr);
    }
}

bool CzytnikXML::nowyWiersz(Tabela& t, int& licznik) {
    if (licznik >= kMaksWierszyXML) return false;
    ++licznik;
    t.ustawLiczbeWierszy(licznik + 1);
    wyczyscWiersz(t, licznik);
    return true;
}

bool CzytnikXML::pobor(int nr, bool taryfowy, std::string tekst) {
    if (odcinki < 1) return true;
    Tabela& g = ob.Grid;
    const int c = kol::LiczbaOdbiorCeleKom + nr;
    auto& r = g.zapewnijRekord<Ttaryfy>(c, odcinki);
    if ((ob.parametry.sposoby == 1) == taryfowy) g.ustawTekst(c, odcinki, tekst);
    (taryfowy ? r.taryfowy : r.komunalny) = std::move(tekst);
    return true;
}

bool CzytnikXML::ileOpo(std::string tekst) {
    if (odcinki < 1) return true;
    Tabela& g = ob.Grid;
    g.ustawTekst(kol::IleOpo, odcinki, tekst);
    // From the third character on: "Z=1.5" carries the total coefficient.
    std::size_t od = 0;
    for (int znak = 0; znak < 2 && od < tekst.size(); ++znak) {
        ++od;
        while (od < tekst.size() && (static_cast<unsigned char>(tekst[od]) & 0xC0) == 0x80) ++od;
    }
    std::string liczba = tekst.substr(od);
    auto v = naLiczbe(liczba);
    if (!v) {
        liczba = "0";
        v = 0.0;
    }
    if (liczba == "0") {
        g.ustawRekord(kol::IleOpo, odcinki, nullptr);
        return true;
    }
    auto lista = std::make_unique<ListaOporow>();
    TMOpor& e = lista->wpisy[19];
    e.Par1 = *v;
    e.Z = *v;
    e.Ile = 1;
    g.ustawRekord(kol::IleOpo, odcinki, std::move(lista));
    return true;
}

bool CzytnikXML::element(std::string_view n, std::string_view surowy) {
    Parametry& p = ob.parametry;
    Tabela& g = ob.Grid;
    const std::string jakJest(surowy);
    const std::string tekst = przecinekNaKropke(surowy);

    if (n == "czyKonczycPrace") {
        auto b = logiczna(tekst);
        if (!b) return false;
        konczyc = *b;
        return true;
    }
    if (n == "Tytul") {
        p.Tytul = jakJest;
        return true;
    }
    if (n == "jednostkaP") {
        auto v = calkowita(tekst);
        // An index outside 0..4 would leave the unit without label or factor
        // and make every later data file unreadable: the file is refused.
        if (!v || *v < 0 || *v > 4) return false;
        p.ustawJednostke(*v);
        return true;
    }
    if (n == "PminDop" || n == "TcGazu" || n == "dGazu" || n == "HsGazu" || n == "mnoznik" ||
        n == "Q1W1" || n == "Q1W2" || n == "Q1W3" || n == "Q1W4") {
        auto v = rzeczywista(tekst);
        if (!v) return false;
        if (n == "PminDop")
            p.PminDop = *v;
        else if (n == "TcGazu")
            p.ustawTemperature(*v);
        else if (n == "dGazu")
            p.ustawGestoscWzgledna(*v);
        else if (n == "HsGazu")
            p.HsGazu = *v;
        else if (n == "mnoznik")
            p.mnoznik = *v;
        else
            p.Q1W[n[3] - '1'] = *v;
        return true;
    }
    if (n == "sposoby") {
        auto v = calkowita(tekst);
        if (!v || *v < 0 || *v > 1) return false;
        p.sposoby = *v;
        ob.OpisModeluPoborow = *v == 1 ? "według taryf" : "komunalni i ogrzewający";
        return true;
    }
    if (n == "urbanizacja") {
        auto v = calkowita(tekst);
        if (!v || *v < 1 || *v > 3) return false;
        p.urbanizacja = *v;
        return true;
    }
    // Sources.
    if (n == "NazwaZrodla") {
        if (!nowyWiersz(ob.ZrodlaGrid, zrodla)) return false;
        ob.ZrodlaGrid.ustawTekst(kol::NazwaZrodla, zrodla, jakJest);
        return true;
    }
    if (n == "Pzrodla") return komorka(ob.ZrodlaGrid, zrodla, kol::Pzrodla, tekst);
    if (n == "RzednaTeZrodla") return komorka(ob.ZrodlaGrid, zrodla, kol::RzednaTeZrodla, tekst);
    if (n == "Xzrodla") return komorka(ob.ZrodlaGrid, zrodla, kol::Xzrodla, tekst);
    if (n == "Yzrodla") return komorka(ob.ZrodlaGrid, zrodla, kol::Yzrodla, tekst);
    // Segments.
    if (n == "Identyfikator") {
        if (!nowyWiersz(g, odcinki)) return false;
        const int w = odcinki;
        for (int c = kol::LiczbaOdbiorCeleKom; c <= kol::JednostGrzanie; ++c) {
            g.ustawTekst(c, w, "0");
            auto& t = g.zapewnijRekord<Ttaryfy>(c, w);
            t.komunalny = "0";
            t.taryfowy = "0";
        }
        auto& kier = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, w);
        kier.znak = 1;
        kier.identyfikator = jakJest;
        g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, w);
        g.zapewnijRekord<TdaneNWP>(kol::WezelPocz, w);
        g.zapewnijRekord<TWycof>(kol::NumerOdcinka, w);
        return true;
    }
    if (n == "Wycofany") {
        if (odcinki < 1) return true;
        g.zapewnijRekord<TWycof>(kol::NumerOdcinka, odcinki).wycofany = jakJest == "False" ? 0 : 1;
        return true;
    }
    if (n == "NumerOdcinka") return komorka(g, odcinki, kol::NumerOdcinka, tekst);
    if (n == "NazwaOdcinka") return komorka(g, odcinki, kol::NazwaOdcinka, jakJest);
    if (n == "WezelPocz") return komorka(g, odcinki, kol::WezelPocz, jakJest);
    if (n == "WezelKonc") return komorka(g, odcinki, kol::WezelKonc, jakJest);
    if (n == "SrednicaNomin") return komorka(g, odcinki, kol::SrednicaNomin, jakJest);
    if (n == "DlugoscMetry") return komorka(g, odcinki, kol::DlugoscMetry, tekst);
    if (n == "ProcentDluNaOpory") return komorka(g, odcinki, kol::ProcentDluNaOpory, tekst);
    for (int i = 0; i < 4; ++i) {
        if (n == kNazwyTaryfowe[i]) return pobor(i, true, tekst);
        if (n == kNazwyKomunalne[i]) return pobor(i, false, tekst);
    }
    if (n == "Sklepy") return komorka(g, odcinki, kol::Sklepy, tekst);
    if (n == "PoborOdc") return komorka(g, odcinki, kol::PoborOdc, tekst);
    if (n == "PoborWezPocz" || n == "RzednaTePocz") {
        auto v = rzeczywista(tekst);
        if (!v) return false;
        if (auto* r = poczatkowy()) (n == "PoborWezPocz" ? r->pobor : r->rzedna) = *v;
        return true;
    }
    if (n == "XPocz" || n == "YPocz") {
        auto v = calkowita(tekst);
        if (!v) return false;
        if (auto* r = poczatkowy()) (n == "XPocz" ? r->X : r->Y) = *v;
        return true;
    }
    if (n == "PoborWez") return komorka(g, odcinki, kol::PoborWez, tekst);
    if (n == "X") return komorka(g, odcinki, kol::X, tekst);
    if (n == "Y") return komorka(g, odcinki, kol::Y, tekst);
    if (n == "RzednaTe") return komorka(g, odcinki, kol::RzednaTe, tekst);
    if (n == "Chropo") return komorka(g, odcinki, kol::Chropo, tekst);
    if (n == "IleOpo") return ileOpo(tekst);
    // Catalogue.
    if (n == "Dn") {
        if (!nowyWiersz(ob.RurGrid, rury)) return false;
        ob.RurGrid.ustawTekst(kol::Dn, rury, jakJest);
        return true;
    }
    if (n == "Dzew") return komorka(ob.RurGrid, rury, kol::Dzew, tekst);
    if (n == "Gru") return komorka(ob.RurGrid, rury, kol::Gru, tekst);
    if (n == "MojaTrasa") {
        trasaZTekstu(ob, k, jakJest);
        return true;
    }
    return true;  // any other element: ignored
}

}  // namespace

bool CzytajDaneXMLZBajtow(Obiekt& ob, std::string_view bajty, KanalKomunikatow& k,
                          bool& czyKonczycPrace, bool* zmieniono) {
    if (zmieniono) *zmieniono = false;
    auto tekst = tekstPliku(bajty);
    if (!tekst) return false;
    pugi::xml_document doc;
    const auto wynik =
        doc.load_buffer(tekst->data(), tekst->size(), pugi::parse_default | pugi::parse_ws_pcdata,
                        pugi::encoding_utf8);
    if (!wynik) return false;
    pugi::xml_node root = doc.document_element();
    if (!root) return false;

    // The results of an earlier calculation no longer belong to the data.
    if (zmieniono) *zmieniono = true;
    ob.ustawPotrzebnaAnaliza();
    CzytnikXML czytnik(ob, k, czyKonczycPrace);
    // Depth first, in document order, without recursion.
    pugi::xml_node n = root;
    while (n) {
        if (n.type() == pugi::node_element) {
            bool dzieci = false;
            std::string t;
            for (auto c = n.first_child(); c; c = c.next_sibling()) {
                if (c.type() == pugi::node_element)
                    dzieci = true;
                else if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
                    t += c.value();
            }
            if (!dzieci || !bezBialych(t).empty()) {
                if (!czytnik.element(n.name(), t)) return false;
            }
        }
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && n != root && !n.next_sibling()) n = n.parent();
        if (!n || n == root) break;
        n = n.next_sibling();
    }
    return true;
}

bool CzytajDaneXML(Obiekt& ob, const std::string& sciezka, KanalKomunikatow& k,
                   bool& czyKonczycPrace, bool* zmieniono) {
    if (zmieniono) *zmieniono = false;
    auto bajty = czytajPlikWymiany(sciezka);
    if (!bajty) return false;
    return CzytajDaneXMLZBajtow(ob, *bajty, k, czyKonczycPrace, zmieniono);
}

}  // namespace kelmor
