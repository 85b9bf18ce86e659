#include "engine/Topologia.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "model/Liczby.h"
#include "model/Tekst.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

int ostatniWiersz(const Obiekt& ob) {
    const int n = ob.liczbaOdcinkow > 0 ? ob.liczbaOdcinkow : ob.Grid.liczbaWierszy() - 1;
    return std::min(n, ob.Grid.liczbaWierszy() - 1);
}

int ostatniWierszZrodel(const Obiekt& ob) {
    return std::min(ob.liczbaZrodel, ob.ZrodlaGrid.liczbaWierszy() - 1);
}

std::string nazwaZ(const Tabela& t, int kol, int w) {
    return nazwaWezla(t.tekst(kol, w));
}

// True when the cell holds the name (trimmed, cut to 16 characters), without
// building the name: the scans over all rows stay cheap.
bool nazwaRowna(const Tabela& t, int kol, int w, const std::string& nazwa) {
    std::string_view v = t.tekst(kol, w);
    while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
    while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
    if (v == nazwa) return true;
    if (v.size() <= nazwa.size()) return false;
    return liczbaZnakow(v) > DlugoscNazwy && pierwszeZnaki(v, DlugoscNazwy) == nazwa;
}

double liczba(KanalKomunikatow& k, const std::string& tekst) {
    double v = 0;
    parsujRzeczywista(k, tekst, v);
    return v;
}

int calkowita(KanalKomunikatow& k, const std::string& tekst) {
    int v = 0;
    parsujCalkowita(k, tekst, v);
    return v;
}

// Builder state: the name index and the root order.
class Budowniczy {
  public:
    Budowniczy(Obiekt& ob, ModelSieci& m, KanalKomunikatow& k) : ob_(ob), m_(m), k_(k) {}

    WynikBudowy buduj();

  private:
    dzialka& nowyOdcinek() {
        m_.odcinki.emplace_back();
        dzialka& d = m_.odcinki.back();
        d.Id = static_cast<int32_t>(m_.odcinki.size() - 1);
        return d;
    }
    wezel& nowyWezel(const std::string& nazwa) {
        m_.wezly.emplace_back();
        wezel& w = m_.wezly.back();
        w.Id = static_cast<int32_t>(m_.wezly.size() - 1);
        w.Nazwa = nazwa;
        w.Pierwszy = &w;
        indeks_[nazwa].push_back(&w);
        return w;
    }
    dzialka& nowyKorzen(int numer, wezel& w) {
        dzialka& d = nowyOdcinek();
        d.Numer = numer;
        d.NumerWiersza = -1;
        d.Q = kNieznane;
        d.WezelKonc = &w;
        d.indeksKorzenia = static_cast<int32_t>(korzenie_.size());
        korzenie_.push_back(&d);
        w.Zasilajacy = &d;
        return d;
    }
    bool jestKorzeniem(const wezel* w) const {
        return w->Zasilajacy && w->Zasilajacy->pseudo() && w->Zasilajacy->indeksKorzenia >= 0 &&
               korzenie_[w->Zasilajacy->indeksKorzenia] == w->Zasilajacy;
    }
    // The root node named `nazwa` first in root order, or null.
    wezel* korzenONazwie(const std::string& nazwa) const;
    // The record named `nazwa` that the search order finds first: root nodes
    // in root order, then every tree depth-first.
    wezel* znajdz(const std::string& nazwa) const;
    // Key of a record's place in the depth-first order of the forest.
    std::vector<int> kluczPorzadku(const wezel* w) const;

    Obiekt& ob_;
    ModelSieci& m_;
    KanalKomunikatow& k_;
    std::unordered_map<std::string, std::vector<wezel*>> indeks_;
    std::vector<dzialka*> korzenie_;  // in creation order; null = removed
};

wezel* Budowniczy::korzenONazwie(const std::string& nazwa) const {
    auto it = indeks_.find(nazwa);
    if (it == indeks_.end()) return nullptr;
    wezel* best = nullptr;
    for (wezel* w : it->second)
        if (jestKorzeniem(w) &&
            (!best || w->Zasilajacy->indeksKorzenia < best->Zasilajacy->indeksKorzenia))
            best = w;
    return best;
}

std::vector<int> Budowniczy::kluczPorzadku(const wezel* w) const {
    std::vector<int> klucz;
    const dzialka* s = w->Zasilajacy;
    while (s && !s->pseudo()) {
        klucz.push_back(s->Pozycja);
        s = s->WezelPocz->Zasilajacy;
    }
    klucz.push_back(s ? s->indeksKorzenia : 0);
    std::reverse(klucz.begin(), klucz.end());
    return klucz;
}

wezel* Budowniczy::znajdz(const std::string& nazwa) const {
    auto it = indeks_.find(nazwa);
    if (it == indeks_.end() || it->second.empty()) return nullptr;
    const auto& rek = it->second;
    if (rek.size() == 1) return rek[0];
    if (wezel* r = korzenONazwie(nazwa)) return r;
    // Several records inside the trees: the first in depth-first order. A
    // record that is an ancestor of another comes first (its key is a prefix).
    wezel* best = rek[0];
    std::vector<int> bestKlucz = kluczPorzadku(best);
    for (std::size_t i = 1; i < rek.size(); ++i) {
        std::vector<int> kl = kluczPorzadku(rek[i]);
        if (kl < bestKlucz) {
            bestKlucz = std::move(kl);
            best = rek[i];
        }
    }
    return best;
}

struct DaneWiersza {
    int numer = 0;
    std::string S, E, Dn;
    double L = 0, procent = 0, chropo = 0, poborOdc = 0, poborWez = 0, rzedna = 0;
    double k8 = 0, k9 = 0, k10 = 0, k11 = 0;
    int X = 0, Y = 0;
    bool sklepy = false;
    double kompresor = 0;
};

DaneWiersza czytajWiersz(const Obiekt& ob, int r, KanalKomunikatow& k) {
    const Tabela& g = ob.Grid;
    DaneWiersza d;
    d.numer = calkowita(k, g.tekst(kol::NumerOdcinka, r));
    d.S = parsujNazwe(k, g.tekst(kol::WezelPocz, r));
    d.E = parsujNazwe(k, g.tekst(kol::WezelKonc, r));
    d.Dn = parsujNazwe(k, g.tekst(kol::SrednicaNomin, r));
    d.L = liczba(k, g.tekst(kol::DlugoscMetry, r));
    d.procent = liczba(k, g.tekst(kol::ProcentDluNaOpory, r));
    d.chropo = liczba(k, g.tekst(kol::Chropo, r));
    d.poborOdc = liczba(k, g.tekst(kol::PoborOdc, r));
    d.k8 = liczba(k, g.tekst(8, r));
    d.k9 = liczba(k, g.tekst(9, r));
    d.k10 = liczba(k, g.tekst(10, r));
    d.k11 = liczba(k, g.tekst(11, r));
    d.sklepy = parsujHandel(g.tekst(kol::Sklepy, r));
    d.rzedna = liczba(k, g.tekst(kol::RzednaTe, r));
    d.poborWez = liczba(k, g.tekst(kol::PoborWez, r));
    d.X = calkowita(k, g.tekst(kol::X, r));
    d.Y = calkowita(k, g.tekst(kol::Y, r));
    if (const auto* lo = g.rekordTypu<ListaOporow>(kol::IleOpo, r))
        d.kompresor = lo->wpisy[kWpisKompresora].Par1;
    return d;
}

// Counts and unit demands of the two demand models.
void ustawPobory(const Parametry& p, const DaneWiersza& d, dzialka& s) {
    if (p.sposoby == 1) {
        const double a = d.k8, b = d.k9, c = d.k10, e = d.k11;
        s.LiczbaKom = static_cast<int32_t>(std::llround(a + b));
        s.Q1Kom = (a + b < 1) ? 0 : (a * p.Q1W[0] + b * p.Q1W[1]) / (a + b);
        s.LiczbaGrz = static_cast<int32_t>(std::llround(c + e));
        s.Q1Grz = (c + e < 1) ? 0 : (c * p.Q1W[2] + e * p.Q1W[3]) / (c + e);
    } else {
        s.LiczbaKom = static_cast<int32_t>(std::llround(d.k8));
        s.Q1Kom = d.k9;
        s.LiczbaGrz = static_cast<int32_t>(std::llround(d.k10));
        s.Q1Grz = d.k11;
    }
}

WynikBudowy Budowniczy::buduj() {
    WynikBudowy wynik;
    m_.wyczysc();
    const Tabela& zr = ob_.ZrodlaGrid;

    // 1. Sources.
    for (int r = 1; r <= ostatniWierszZrodel(ob_); ++r) {
        wezel& w = nowyWezel(parsujNazwe(k_, zr.tekst(kol::NazwaZrodla, r)));
        w.Cisnienie = liczba(k_, zr.tekst(kol::Pzrodla, r));
        w.Rzedna = liczba(k_, zr.tekst(kol::RzednaTeZrodla, r));
        w.X = calkowita(k_, zr.tekst(kol::Xzrodla, r));
        w.Y = calkowita(k_, zr.tekst(kol::Yzrodla, r));
        nowyKorzen(kNumerZrodla, w);
    }

    wezel* zapamietany = nullptr;
    const int n = ostatniWiersz(ob_);
    for (int r = 1; r <= n; ++r) {
        // 2.1 A row joining a node to itself is withdrawn.
        const std::string S0 = nazwaZ(ob_.Grid, kol::WezelPocz, r);
        const std::string E0 = nazwaZ(ob_.Grid, kol::WezelKonc, r);
        if (S0 == E0 && !wierszWycofany(ob_.Grid, r)) {
            ob_.Grid.zapewnijRekord<TWycof>(kol::NumerOdcinka, r).wycofany = 1;
            ob_.ListBoxAnalizaDanych.push_back("Wycofuję odcinek " +
                                               przytnij(ob_.Grid.tekst(kol::NumerOdcinka, r)) +
                                               " z powodu błędu");
        }
        if (wierszWycofany(ob_.Grid, r)) continue;
        const DaneWiersza d = czytajWiersz(ob_, r, k_);

        // 3.1 The start node.
        wezel* S = nullptr;
        if (zapamietany && zapamietany->Nazwa == d.S) S = zapamietany;
        if (!S) {
            // When the node has a record with outgoing segments, that record
            // takes the segment whichever record the search finds first.
            auto it = indeks_.find(d.S);
            if (it != indeks_.end() && it->second.size() > 1) {
                wezel* pierwszy = pierwszyRekord(it->second.front());
                bool jedenLancuch = true;
                for (wezel* w : it->second) jedenLancuch &= pierwszyRekord(w) == pierwszy;
                if (jedenLancuch)
                    for (wezel* w : it->second)
                        if (w->PierwszyOdcinek) S = w;
            }
        }
        if (!S) S = znajdz(d.S);
        if (!S) {
            wezel& w = nowyWezel(d.S);
            if (const auto* nwp = ob_.Grid.rekordTypu<TdaneNWP>(kol::WezelPocz, r)) {
                w.PoborWez = nwp->pobor;
                w.Rzedna = nwp->rzedna;
                w.X = nwp->X;
                w.Y = nwp->Y;
            }
            nowyKorzen(kNumerNiepodlaczony, w);
            S = &w;
        }
        // The record of the node that already has outgoing segments, if any.
        wezel* wlasciciel = S;
        if (!S->PierwszyOdcinek) {
            for (wezel* w = pierwszyRekord(S); w; w = w->NastepnaKopia)
                if (w->PierwszyOdcinek) {
                    wlasciciel = w;
                    break;
                }
        }

        // 3.2 The segment, appended to the outgoing list.
        dzialka& s = nowyOdcinek();
        s.NumerWiersza = r;
        s.Numer = d.numer;
        s.Dn = d.Dn;
        s.Opis = przytnij(ob_.Grid.tekst(kol::NumerOdcinka, r)) + " (" + d.S + " - " + d.E + ")";
        s.Dlugosc = d.L;
        s.ProcentL = d.procent;
        s.PoborOdc = d.poborOdc;
        s.Chropo = d.chropo;
        s.SumaZ = 0;
        s.Q = kNieznane;
        s.Sklepy = d.sklepy ? 1 : 0;
        s.Kompresor = d.kompresor;
        ustawPobory(ob_.parametry, d, s);
        s.WezelPocz = wlasciciel;
        s.Ostatni = 1;
        s.Nastepny = wlasciciel->Zasilajacy;
        dzialka* poprzedni = nullptr;
        if (!wlasciciel->PierwszyOdcinek) {
            wlasciciel->PierwszyOdcinek = &s;
            wlasciciel->Lisc = 0;
            s.Pozycja = 0;
        } else {
            poprzedni = wlasciciel->PierwszyOdcinek;
            while (!poprzedni->Ostatni) poprzedni = poprzedni->Nastepny;
            poprzedni->Ostatni = 0;
            poprzedni->Nastepny = &s;
            s.Pozycja = poprzedni->Pozycja + 1;
        }

        // 3.3 .. 3.5 The end node.
        wezel* E = nullptr;
        if (wezel* rk = korzenONazwie(d.E)) {
            rk->PoborWez = d.poborWez;
            rk->Rzedna = d.rzedna;
            rk->X = d.X;
            rk->Y = d.Y;
            bool okrag = false;
            for (wezel* w = wlasciciel; w;) {
                if (w->Nazwa == d.E) {
                    okrag = true;
                    break;
                }
                const dzialka* z = w->Zasilajacy;
                w = (z && !z->pseudo()) ? z->WezelPocz : nullptr;
            }
            if (okrag) {
                // Take the segment out again and reverse the row.
                if (poprzedni) {
                    poprzedni->Ostatni = 1;
                    poprzedni->Nastepny = wlasciciel->Zasilajacy;
                } else {
                    wlasciciel->PierwszyOdcinek = nullptr;
                    wlasciciel->Lisc = 1;
                }
                m_.odcinki.pop_back();
                ob_.ListBoxAnalizaDanych.push_back(
                    "Podczas generowania sieci zmieniam kierunek w odcinku: " +
                    przytnij(ob_.Grid.tekst(kol::NumerOdcinka, r)));
                odwrocWiersz(ob_, r, k_);
                wynik.przebudowa = true;
                continue;
            }
            dzialka* pseudo = rk->Zasilajacy;
            if (pseudo->Numer == kNumerNiepodlaczony) {
                // The unconnected start node's tree now hangs from the segment.
                korzenie_[pseudo->indeksKorzenia] = nullptr;
                pseudo->indeksKorzenia = -1;
                pseudo->WezelKonc = nullptr;
                rk->Zasilajacy = &s;
                if (rk->PierwszyOdcinek) {
                    dzialka* t = rk->PierwszyOdcinek;
                    while (!t->Ostatni) t = t->Nastepny;
                    t->Nastepny = &s;
                }
                s.WezelKonc = rk;
                E = rk;
            } else {
                pseudo->Q = 0;
            }
        }
        if (!E) {
            wezel* istniejacy = znajdz(d.E);
            if (istniejacy) {
                // A copy closes a loop.
                wezel* pierwszy = pierwszyRekord(istniejacy);
                wezel& kopia = nowyWezel(d.E);
                kopia.PoborWez = istniejacy->PoborWez;
                kopia.Rzedna = istniejacy->Rzedna;
                kopia.X = istniejacy->X;
                kopia.Y = istniejacy->Y;
                kopia.Cisnienie = kNieznane;
                kopia.Znacznik = kNieznane;
                kopia.Lisc = 1;
                kopia.Pierwszy = pierwszy;
                wezel* ogon = pierwszy;
                while (ogon->NastepnaKopia) ogon = ogon->NastepnaKopia;
                ogon->NastepnaKopia = &kopia;
                pierwszy->LiczbaKopii += 1;
                kopia.Zasilajacy = &s;
                s.WezelKonc = &kopia;
                oczko o;
                o.skladniki.push_back({istniejacy->Zasilajacy, -1});
                o.skladniki.push_back({&s, +1});
                m_.oczka.push_back(std::move(o));
                m_.LiczbaOczek += 1;
                E = &kopia;
            } else {
                wezel& w = nowyWezel(d.E);
                w.PoborWez = d.poborWez;
                w.Rzedna = d.rzedna;
                w.X = d.X;
                w.Y = d.Y;
                w.Zasilajacy = &s;
                s.WezelKonc = &w;
                E = &w;
            }
        }
        // 3.6 Remember the end node when it has one record.
        zapamietany = (pierwszyRekord(E)->LiczbaKopii == 1) ? E : nullptr;
    }

    // The root list in order, linked through Nastepny.
    for (dzialka* k : korzenie_)
        if (k) m_.korzenie.push_back(k);
    for (std::size_t i = 0; i < m_.korzenie.size(); ++i) {
        m_.korzenie[i]->indeksKorzenia = static_cast<int32_t>(i);
        m_.korzenie[i]->Ostatni = 1;
        m_.korzenie[i]->Nastepny = i + 1 < m_.korzenie.size() ? m_.korzenie[i + 1] : nullptr;
    }
    return wynik;
}

// ---- row reversal ----

struct AtrybutyWezla {
    double pobor = 0, rzedna = 0, dokladneX = 0, dokladneY = 0;
    int X = 0, Y = 0;
};

void zapiszAtrybuty(Tabela& g, int w, const AtrybutyWezla& a) {
    g.ustawTekst(kol::PoborWez, w, formatOgolny(a.pobor, 15));
    g.ustawTekst(kol::X, w, formatCalkowity(a.X));
    g.ustawTekst(kol::Y, w, formatCalkowity(a.Y));
    g.ustawTekst(kol::RzednaTe, w, formatOgolny(a.rzedna, 15));
    auto& dod = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, w);
    dod.dokladneX = a.dokladneX;
    dod.dokladneY = a.dokladneY;
}

bool jestZrodlem(const Obiekt& ob, const std::string& nazwa, int* wiersz = nullptr) {
    const int n = ob.ZrodlaGrid.liczbaWierszy() - 1;
    for (int r = 1; r <= n; ++r)
        if (nazwaRowna(ob.ZrodlaGrid, kol::NazwaZrodla, r, nazwa)) {
            if (wiersz) *wiersz = r;
            return true;
        }
    return false;
}

// Every row of the table counts, also rows typed since the last validation:
// the table editor calls the reversal and the node helpers between validations.
int innyWierszKonczacySie(const Obiekt& ob, const std::string& nazwa, int pomin) {
    const int n = ob.Grid.liczbaWierszy() - 1;
    for (int r = 1; r <= n; ++r)
        if (r != pomin && nazwaRowna(ob.Grid, kol::WezelKonc, r, nazwa)) return r;
    return 0;
}

}  // namespace

WynikBudowy zbudujSiec(Obiekt& ob, ModelSieci& m, KanalKomunikatow& k) {
    Budowniczy b(ob, m, k);
    return b.buduj();
}

bool przygotujOczka(ModelSieci& m, KanalKomunikatow& k) {
    const std::size_t limit = m.odcinki.size() + 1;
    std::vector<int32_t> znak(m.odcinki.size(), 0);  // loop stamp per segment
    int32_t stempel = 0;
    for (oczko& o : m.oczka) {
        ++stempel;
        dzialka* plus = nullptr;
        dzialka* minus = nullptr;
        for (const auto& sk : o.skladniki) (sk.znak > 0 ? plus : minus) = sk.odcinek;
        std::vector<skladnikOczka> gora;  // +1 path, from the closing segment up
        double pGorne = 0;
        for (dzialka* s = plus;;) {
            gora.push_back({s, +1});
            znak[s->Id] = stempel;
            if (s->pseudo()) {
                pGorne = s->WezelKonc ? s->WezelKonc->Cisnienie : 0;
                break;
            }
            if (gora.size() > limit) {
                k.informacja(
                    "Nie poprawne kierunki strumieni. Naciskaj cierpliwie klawisz OK, aż wycofam "
                    "się z drzewa");
                return false;
            }
            s = rodzic(s);
            if (!s) break;
        }
        std::vector<skladnikOczka> dol;  // -1 path, from the feeding segment up
        dzialka* wspolny = nullptr;
        double pDolne = 0;
        bool doKorzenia = false;
        for (dzialka* s = minus; s;) {
            if (znak[s->Id] == stempel) {
                wspolny = s;
                break;
            }
            dol.push_back({s, -1});
            if (s->pseudo()) {
                pDolne = s->WezelKonc ? s->WezelKonc->Cisnienie : 0;
                doKorzenia = true;
                break;
            }
            if (dol.size() > limit) {
                k.informacja(
                    "Nie poprawne kierunki strumieni. Naciskaj cierpliwie klawisz OK aż wyjdę z "
                    "drzewa.");
                return false;
            }
            s = rodzic(s);
        }
        o.skladniki.clear();
        o.skladniki.reserve(dol.size() + gora.size());
        for (auto it = dol.rbegin(); it != dol.rend(); ++it) o.skladniki.push_back(*it);
        for (const auto& sk : gora) {
            if (sk.odcinek == wspolny) break;
            o.skladniki.push_back(sk);
        }
        o.CisnienieZrodla = (doKorzenia && !wspolny) ? pDolne - pGorne : 0;
        double komp = 0;
        for (const auto& sk : o.skladniki) komp += sk.znak * sk.odcinek->Kompresor;
        o.Ciag = o.CisnienieZrodla - komp;
    }
    return true;
}

void oproznijBuforWezlow(Obiekt& ob) {
    ob.buforWezlow = BuforWezlow{};
}

void odwrocWiersz(Obiekt& ob, int r, KanalKomunikatow& k) {
    Tabela& g = ob.Grid;
    if (r < 1 || r >= g.liczbaWierszy()) return;
    const std::string S = nazwaZ(g, kol::WezelPocz, r);
    const std::string E = nazwaZ(g, kol::WezelKonc, r);

    // 1. The end node's attributes.
    AtrybutyWezla aE;
    aE.pobor = liczba(k, g.tekst(kol::PoborWez, r));
    aE.X = calkowita(k, g.tekst(kol::X, r));
    aE.Y = calkowita(k, g.tekst(kol::Y, r));
    aE.rzedna = liczba(k, g.tekst(kol::RzednaTe, r));
    if (const auto* dod = g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, r)) {
        aE.dokladneX = dod->dokladneX;
        aE.dokladneY = dod->dokladneY;
    } else {
        aE.dokladneX = aE.X;
        aE.dokladneY = aE.Y;
    }

    // 2. Keep them in the node buffer when nothing else holds them.
    BuforWezlow& buf = ob.buforWezlow;
    auto wBuforze = [&](const std::string& n) {
        for (std::size_t i = 0; i < buf.wpisy.size(); ++i)
            if (buf.wpisy[i].nazwa == n) return static_cast<int>(i);
        return -1;
    };
    if (wBuforze(E) < 0 && innyWierszKonczacySie(ob, E, r) == 0 && !jestZrodlem(ob, E)) {
        if (buf.indeks >= BuforWezlow::kRozmiar) {
            buf.indeks = 0;
            ob.ListBoxAnalizaDanych.push_back("Przepełnienie bufora węzłów");
        }
        WpisBuforaWezlow wpis{E, aE.X, aE.Y, aE.pobor, aE.rzedna};
        if (buf.indeks < static_cast<int>(buf.wpisy.size()))
            buf.wpisy[buf.indeks] = wpis;
        else
            buf.wpisy.push_back(wpis);
        ++buf.indeks;
    }

    // 3. Swap the names, empty the end-node columns, flip the direction sign.
    const std::string staryPocz = g.tekst(kol::WezelPocz, r);
    const std::string staryKon = g.tekst(kol::WezelKonc, r);
    g.ustawTekst(kol::WezelKonc, r, staryPocz);
    g.ustawTekst(kol::WezelPocz, r, staryKon);
    for (int c = kol::PoborWez; c <= kol::RzednaTe; ++c) g.ustawTekst(c, r, "");
    if (auto* kier = g.rekordTypu<TkierunekOdcinka>(kol::NazwaOdcinka, r)) {
        kier->znak *= -1;
    } else {
        auto& nowy = g.zapewnijRekord<TkierunekOdcinka>(kol::NazwaOdcinka, r);
        nowy.znak = -1;
        nowy.identyfikator = przytnij(staryPocz) + "-" + przytnij(staryKon);
    }

    // 4. The new end node S gets its attributes.
    auto* nwp = g.rekordTypu<TdaneNWP>(kol::WezelPocz, r);
    int wb = -1, inny = 0, wz = 0;
    if (nwp && nwp->niepodlaczony == 0) {
        AtrybutyWezla aS;
        aS.pobor = nwp->pobor;
        aS.rzedna = nwp->rzedna;
        aS.X = nwp->X;
        aS.Y = nwp->Y;
        aS.dokladneX = nwp->dokladneX;
        aS.dokladneY = nwp->dokladneY;
        zapiszAtrybuty(g, r, aS);
        nwp->pobor = aE.pobor;
        nwp->rzedna = aE.rzedna;
        nwp->X = aE.X;
        nwp->Y = aE.Y;
        nwp->dokladneX = aE.dokladneX;
        nwp->dokladneY = aE.dokladneY;
    } else if ((wb = wBuforze(S)) >= 0) {
        const WpisBuforaWezlow w = buf.wpisy[wb];
        buf.wpisy.erase(buf.wpisy.begin() + wb);
        if (wb < buf.indeks) --buf.indeks;
        zapiszAtrybuty(g, r, {w.pobor, w.rzedna, double(w.X), double(w.Y), w.X, w.Y});
    } else if ((inny = innyWierszKonczacySie(ob, S, r)) > 0) {
        for (int c : {kol::RzednaTe, kol::PoborWez, kol::X, kol::Y})
            g.ustawTekst(c, r, g.tekst(c, inny));
        auto& dod = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, r);
        if (const auto* d2 = g.rekordTypu<TdodatkoweDaneNWK>(kol::WezelKonc, inny)) {
            dod.dokladneX = d2->dokladneX;
            dod.dokladneY = d2->dokladneY;
        } else {
            dod.dokladneX = calkowita(k, g.tekst(kol::X, inny));
            dod.dokladneY = calkowita(k, g.tekst(kol::Y, inny));
        }
    } else if (jestZrodlem(ob, S, &wz)) {
        const Tabela& zr = ob.ZrodlaGrid;
        g.ustawTekst(kol::RzednaTe, r, zr.tekst(kol::RzednaTeZrodla, wz));
        g.ustawTekst(kol::X, r, zr.tekst(kol::Xzrodla, wz));
        g.ustawTekst(kol::Y, r, zr.tekst(kol::Yzrodla, wz));
        g.ustawTekst(kol::PoborWez, r, "0");
        auto& dod = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, r);
        dod.dokladneX = calkowita(k, zr.tekst(kol::Xzrodla, wz));
        dod.dokladneY = calkowita(k, zr.tekst(kol::Yzrodla, wz));
    } else {
        // Nothing holds them: zeros keep the row valid, and the user is asked
        // for the data when the columns are in use.
        for (int c = kol::PoborWez; c <= kol::RzednaTe; ++c) g.ustawTekst(c, r, "0");
        auto& dod = g.zapewnijRekord<TdodatkoweDaneNWK>(kol::WezelKonc, r);
        dod.dokladneX = dod.dokladneY = 0;
        if (!ob.opcje.CheckBoxrrw || !ob.opcje.CheckBoxTeren || !ob.opcje.CheckBoxXY)
            k.informacja("dla węzła " + S + " trzeba podać komplet danych");
    }
}

bool uzupelnijAtrybutyWezlaKoncowego(Obiekt& ob, int w) {
    Tabela& g = ob.Grid;
    const std::string E = nazwaZ(g, kol::WezelKonc, w);
    if (E.empty()) return false;
    bool znaleziono = false;
    int wz = 0;
    if (jestZrodlem(ob, E, &wz)) {
        g.ustawTekst(kol::RzednaTe, w, ob.ZrodlaGrid.tekst(kol::RzednaTeZrodla, wz));
        g.ustawTekst(kol::X, w, ob.ZrodlaGrid.tekst(kol::Xzrodla, wz));
        g.ustawTekst(kol::Y, w, ob.ZrodlaGrid.tekst(kol::Yzrodla, wz));
        g.ustawTekst(kol::PoborWez, w, "0");
        znaleziono = true;
    }
    if (int inny = innyWierszKonczacySie(ob, E, w)) {
        for (int c : {kol::RzednaTe, kol::PoborWez, kol::X, kol::Y})
            g.ustawTekst(c, w, g.tekst(c, inny));
        znaleziono = true;
    }
    return znaleziono;
}

void rozpowszechnijAtrybutWezla(Obiekt& ob, int w, int kolumna) {
    if (kolumna < kol::PoborWez || kolumna > kol::RzednaTe) return;
    Tabela& g = ob.Grid;
    const std::string E = nazwaZ(g, kol::WezelKonc, w);
    if (E.empty()) return;
    const std::string wartosc = g.tekst(kolumna, w);
    const int n = g.liczbaWierszy() - 1;
    for (int r = 1; r <= n; ++r)
        if (r != w && nazwaRowna(g, kol::WezelKonc, r, E)) g.ustawTekst(kolumna, r, wartosc);
    if (kolumna == kol::PoborWez) return;
    const int kz = kolumna == kol::X   ? kol::Xzrodla
                   : kolumna == kol::Y ? kol::Yzrodla
                                       : kol::RzednaTeZrodla;
    for (int r = 1; r < ob.ZrodlaGrid.liczbaWierszy(); ++r)
        if (nazwaRowna(ob.ZrodlaGrid, kol::NazwaZrodla, r, E))
            ob.ZrodlaGrid.ustawTekst(kz, r, wartosc);
}

int innyWierszZNumerem(const Obiekt& ob, int w) {
    const std::string nr = przytnij(ob.Grid.tekst(kol::NumerOdcinka, w));
    if (nr.empty()) return 0;
    const int n = ob.Grid.liczbaWierszy() - 1;
    for (int r = 1; r <= n; ++r)
        if (r != w && przytnij(ob.Grid.tekst(kol::NumerOdcinka, r)) == nr) return r;
    return 0;
}

}  // namespace kelmor
