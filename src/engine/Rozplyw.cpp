#include "engine/Rozplyw.h"

#include <cmath>

#include "engine/Topologia.h"
#include "model/Tekst.h"

namespace kelmor {

namespace {
int stopien(int u) {
    return u < 1 ? 1 : (u > 3 ? 3 : u);
}

// The integer nearest to x, halves to the even one.
int32_t zaokraglij(double x) {
    double c = std::floor(x);
    const double r = x - c;
    if (r > 0.5 || (r == 0.5 && std::fmod(c, 2.0) != 0)) c += 1;
    return static_cast<int32_t>(c);
}
}  // namespace

double wspolczynnikJednoczesnosciKom(int u, double n) {
    if (n <= 1) return 1;
    switch (stopien(u)) {
        case 1:
            return 0.975 / std::pow(n, 0.575) + 0.025 * std::pow(n, 0.03);
        case 2:
            return 0.97 / std::pow(n, 0.57) + 0.03 * std::pow(n, 0.02);
        default:
            return 0.97 / std::pow(n, 0.57) + 0.03 * std::pow(n, 0.025);
    }
}

double wspolczynnikJednoczesnosciGrz(int u, double n) {
    if (n <= 1) return 1;
    switch (stopien(u)) {
        case 1:
            return 0.8 / std::pow(n, 0.4) + 0.2;
        case 2:
            return 0.77 / std::pow(n, 0.37) + 0.23;
        default:
            return 0.75 / std::pow(n, 0.35) + 0.25;
    }
}

double czynnikHandluKom(int u) {
    static constexpr double f[] = {1.15, 1.25, 1.33};
    return f[stopien(u) - 1];
}

double czynnikHandluGrz(int u) {
    static constexpr double f[] = {1.8, 1.9, 2.1};
    return f[stopien(u) - 1];
}

namespace {

// One node being summed (a frame of the summation, kept on an explicit
// stack so that long chains do not exhaust the call stack).
struct Ramka {
    wezel* N = nullptr;
    wezel* rekord = nullptr;  // record whose outgoing list is walked
    int indeksRekordu = 0;    // 0 .. LiczbaKopii-1
    dzialka* s = nullptr;     // current outgoing segment
    wezel* ostatniZOdcinkami = nullptr;
    double inny = 0, sumKom = 0, sumGrz = 0;
    int64_t nKom = 0, nGrz = 0;
};

class Sumowanie {
  public:
    Sumowanie(Obiekt& ob, KanalKomunikatow& k)
        : ob_(ob), k_(k), u_(ob.parametry.urbanizacja), m_(ob.parametry.mnoznik) {}

    // Sums the node of record N (already marked). False when stopped.
    bool sumuj(wezel* N);
    WynikSumowania wynik;

  private:
    double fK(const dzialka& s) const { return s.Sklepy ? czynnikHandluKom(u_) : 1.0; }
    double fH(const dzialka& s) const { return s.Sklepy ? czynnikHandluGrz(u_) : 1.0; }
    void start(Ramka& r, wezel* N) const;
    // Moves the frame to the next outgoing segment (across the node's
    // records); false when there is none.
    bool nastepny(Ramka& r) const;
    void dodaj(Ramka& r, const dzialka& s) const;
    void rozdziel(Ramka& r);

    Obiekt& ob_;
    KanalKomunikatow& k_;
    int u_;
    double m_;
    dzialka* zapamietany_ = nullptr;
};

wezel* nastepnyRekord(wezel* w) {
    return w->NastepnaKopia ? w->NastepnaKopia : pierwszyRekord(w);
}

void Sumowanie::start(Ramka& r, wezel* N) const {
    r = Ramka{};
    r.N = N;
    r.inny = N->PoborWez * m_;
    r.rekord = N;
    r.indeksRekordu = 0;
    r.s = N->PierwszyOdcinek;
    if (r.s)
        r.ostatniZOdcinkami = N;
    else
        nastepny(r);
}

bool Sumowanie::nastepny(Ramka& r) const {
    if (r.s && !r.s->Ostatni) {
        r.s = r.s->Nastepny;
        return true;
    }
    r.s = nullptr;
    const int k = pierwszyRekord(r.N)->LiczbaKopii;
    while (r.indeksRekordu + 1 < k) {
        ++r.indeksRekordu;
        r.rekord = nastepnyRekord(r.rekord);
        if (r.rekord->PierwszyOdcinek) {
            r.s = r.rekord->PierwszyOdcinek;
            r.ostatniZOdcinkami = r.rekord;
            return true;
        }
    }
    return false;
}

void Sumowanie::dodaj(Ramka& r, const dzialka& s) const {
    r.nKom += s.LiczbaKomSum;
    r.nGrz += s.LiczbaGrzSum;
    r.sumKom += fK(s) * s.LiczbaKom * 0.5 * s.Q1Kom + s.StrumienKom;
    r.sumGrz += fH(s) * s.LiczbaGrz * 0.5 * s.Q1Grz + s.StrumienGrz;
    r.inny += s.StrumienInny + s.PoborOdc * 0.5 * m_;
}

void Sumowanie::rozdziel(Ramka& r) {
    wezel* pocz = r.ostatniZOdcinkami ? r.ostatniZOdcinkami : r.N;
    const int k = pierwszyRekord(pocz)->LiczbaKopii;
    double W = 0;
    wezel* w = pocz;
    for (int i = 0; i < k; ++i, w = nastepnyRekord(w)) {
        double d = w->Odleglosc;
        if (d < 0.001) d = 0.001;
        w->Waga = 1.0 / std::sqrt(d);
        W += w->Waga;
    }
    w = pocz;
    for (int i = 0; i < k; ++i, w = nastepnyRekord(w)) {
        if (i > 0 && !w->Lisc) k_.informacja("Błąd podczas rozdzielania strumieni " + w->Nazwa);
        dzialka* p = w->Zasilajacy;
        if (!p) continue;
        const double si = k == 1 ? 1.0 : w->Waga / W;
        p->LiczbaKomSum = zaokraglij(static_cast<double>(r.nKom) * si) + p->LiczbaKom;
        p->LiczbaGrzSum = zaokraglij(static_cast<double>(r.nGrz) * si) + p->LiczbaGrz;
        p->StrumienKom = fK(*p) * (p->LiczbaKom * 0.5 * p->Q1Kom) + r.sumKom * si;
        p->StrumienGrz = fH(*p) * (p->LiczbaGrz * 0.5 * p->Q1Grz) + r.sumGrz * si;
        p->StrumienInny = r.inny * si + p->PoborOdc * 0.5 * m_;
        p->Q = wspolczynnikJednoczesnosciKom(u_, p->LiczbaKomSum) * p->StrumienKom +
               wspolczynnikJednoczesnosciGrz(u_, p->LiczbaGrzSum) * p->StrumienGrz +
               p->StrumienInny;
        w->Znacznik = p->Q;
    }
}

bool Sumowanie::sumuj(wezel* N0) {
    std::vector<Ramka> stos;
    stos.emplace_back();
    start(stos.back(), N0);
    while (!stos.empty()) {
        Ramka& r = stos.back();
        if (!r.s) {
            rozdziel(r);
            stos.pop_back();
            if (!stos.empty()) {
                Ramka& rodz = stos.back();
                dodaj(rodz, *rodz.s);
                if (!nastepny(rodz)) rodz.s = nullptr;
            }
            continue;
        }
        dzialka* s = r.s;
        if (s->Q == kNieznane) {
            wezel* E = s->WezelKonc;
            if (E->Znacznik == kNieznane) {
                E->Znacznik = kZnacznikSumowany;
            } else if (E->Znacznik == kZnacznikSumowany) {
                E->Znacznik = kZnacznikPonownie;
                zapamietany_ = s;
            } else if (E->Znacznik == kZnacznikPonownie) {
                dzialka* z = zapamietany_ ? zapamietany_ : s;
                ob_.ListBoxAnalizaDanych.push_back(
                    "Podczas sumowania zmieniam kierunek w odcinku " + std::to_string(z->Numer));
                if (z->NumerWiersza > 0) odwrocWiersz(ob_, z->NumerWiersza, k_);
                wynik.przebudowa = true;
                return false;
            } else {
                k_.informacja("Podczas sumowania strumieni nastąpiło zapętlenie.");
                wynik.przerwano = true;
                return false;
            }
            Ramka nowa;
            start(nowa, E);
            stos.push_back(nowa);  // invalidates r
            continue;
        }
        dodaj(r, *s);
        if (!nastepny(r)) r.s = nullptr;
    }
    return true;
}

}  // namespace

WynikSumowania sumujStrumienie(Obiekt& ob, ModelSieci& m, KanalKomunikatow& k) {
    Sumowanie sum(ob, k);
    for (dzialka* korzen : m.korzenie) {
        if (korzen->Q != kNieznane || !korzen->WezelKonc) continue;
        wezel* w = korzen->WezelKonc;
        if (w->Znacznik == kNieznane) w->Znacznik = kZnacznikSumowany;
        if (!sum.sumuj(w)) break;
    }
    return sum.wynik;
}

}  // namespace kelmor
