#include "engine/Obliczenia.h"

#include <Eigen/Sparse>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <set>
#include <unordered_map>

#include "engine/Gaz.h"
#include "engine/Strata.h"
#include "model/Liczby.h"
#include "model/Tekst.h"

namespace kelmor {

std::string etapPrzerwania(const std::string& komunikat) {
    auto zaczyna = [&](const char* p) { return komunikat.rfind(p, 0) == 0; };
    if (zaczyna("B") || zaczyna("D") || zaczyna("M") || zaczyna("P"))
        return "Przerwano na etapie doboru średnic.";
    if (zaczyna("Ź")) return "Przerwano na etapie wstępnego obliczania strumieni w odcinkach.";
    return "Przerwano na etapie liczenia oporów hydraulicznych.";
}

namespace {

constexpr int kMaksPrzebiegow = 100;
constexpr int kProgGaussa = 200;  // loops solved densely up to this count
constexpr int kMaksIteracjiNewtona = 200;

struct Rura {
    std::string symbol;
    double Dwew = 0;
};

// The pipe catalogue as the calculation uses it.
class Katalog {
  public:
    Katalog(const Obiekt& ob, KanalKomunikatow& k) : ob_(ob), k_(k) {
        const int n = std::min(ob.liczbaRur, ob.RurGrid.liczbaWierszy() - 1);
        std::map<double, std::string> wgSrednicy;
        for (int r = 1; r <= n; ++r) {
            const std::string sym = nazwaWezla(ob.RurGrid.tekst(kol::Dn, r));
            pierwszyWiersz_.emplace(sym, r);
            auto dz = naLiczbe(ob.RurGrid.tekst(kol::Dzew, r));
            auto gr = naLiczbe(ob.RurGrid.tekst(kol::Gru, r));
            if (dz && gr && *dz - 2 * *gr > 0) wgSrednicy.emplace(*dz - 2 * *gr, sym);
        }
        liczba_ = n;
        for (const auto& [d, s] : wgSrednicy) posortowane_.push_back({s, d});
    }

    bool pusty() const { return liczba_ == 0; }
    bool zawiera(const std::string& sym) const { return pierwszyWiersz_.count(sym) > 0; }
    const std::vector<Rura>& wgSrednicy() const { return posortowane_; }

    // Inner diameter of a symbol (mm), 0 with its dialog when there is none.
    double srednica(const std::string& sym) {
        auto c = pamiec_.find(sym);
        if (c != pamiec_.end()) return c->second;
        double d = 0;
        auto it = pierwszyWiersz_.find(sym);
        if (it != pierwszyWiersz_.end()) {
            const int r = it->second;
            auto dz = naLiczbe(ob_.RurGrid.tekst(kol::Dzew, r));
            auto gr = naLiczbe(ob_.RurGrid.tekst(kol::Gru, r));
            if (dz && gr)
                d = *dz - 2 * *gr;
            else
                k_.informacja("Nie poprawna liczba w " + std::to_string(r) +
                              " wierszu katalogu rur");
        } else if (auto v = naLiczbe(sym)) {
            d = *v;
        } else {
            k_.informacja("Brak średnicy nominalnej " + sym + " w katalogu rur");
        }
        pamiec_.emplace(sym, d);
        return d;
    }

  private:
    const Obiekt& ob_;
    KanalKomunikatow& k_;
    int liczba_ = 0;
    std::unordered_map<std::string, int> pierwszyWiersz_;
    std::unordered_map<std::string, double> pamiec_;
    std::vector<Rura> posortowane_;
};

class Kalkulacja {
  public:
    Kalkulacja(Obiekt& ob, ModelSieci& m, KanalKomunikatow& k, const OpcjeObliczen& op,
               PostepObliczen* postep)
        : ob_(ob),
          m_(m),
          k_(k),
          opcje_(op),
          postep_(postep),
          par_(ob.parametry),
          gaz_(ob.parametry),
          katalog_(ob, k) {}

    WynikObliczen licz();

  private:
    void reset();
    bool znany(wezel* w);
    bool przebieg();  // sweeps; false on abort
    bool ocen(dzialka& s, wezel* K, bool wstecz);
    bool wyborPoczatkowy(dzialka& s, double Q, double rho1);
    void bilansuj();
    bool rozwiaz(std::vector<double>& dQ, const std::vector<double>& h);
    void zapiszWyniki();
    void przerwij(const std::string& tekst) {
        przerwano_ = true;
        komunikat_ = tekst;
    }
    double predkosc(double Q, double D, double rho) const {
        const double A = std::numbers::pi * D * D / 4 * 1e-6;
        return std::fabs(Q) / A * par_.GestoscNormalna / 3600 / rho;
    }

    Obiekt& ob_;
    ModelSieci& m_;
    KanalKomunikatow& k_;
    OpcjeObliczen opcje_;
    PostepObliczen* postep_;
    Parametry& par_;
    WlasnosciGazu gaz_;
    Katalog katalog_;

    std::vector<dzialka*> kolejnosc_;  // segments in sweep order
    std::vector<ListaOporow*> opory_;  // fittings of each segment, by Id
    std::vector<dzialka*> zostalo_;
    int nrPrzebiegu_ = 0;
    bool przerwano_ = false;
    bool przerwanoWOdcinku_ = false;
    std::string komunikat_ = " ";
    bool zmienionoStrumien_ = false;
    bool pierwszeBilansowanie_ = true;
    double G_ = 0;  // allowed gradient, kPa/m

    // Loop system: segments grouped by their loop memberships (a chain of
    // segments shared by the same loops adds to the same entries), and the
    // fixed sparse pattern of the matrix.
    struct Grupa {
        std::vector<std::pair<int, int>> czlonkostwo;  // (loop, sign)
        std::vector<int> pozycje;                      // value slot of each pair j >= k
        std::vector<dzialka*> odcinki;
    };
    std::vector<Grupa> grupy_;
    Eigen::SparseMatrix<double> A_;
    std::vector<int> przekatna_;  // value slot of A_jj
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> ldlt_;
    bool wzorzecGotowy_ = false;
    void przygotujUklad();
};

void Kalkulacja::reset() {
    for (dzialka* s : kolejnosc_) s->Policzony = 0;
    for (wezel& w : m_.wezly) {
        const bool zrodlo = w.Zasilajacy && w.Zasilajacy->Numer == kNumerZrodla &&
                            w.Zasilajacy->indeksKorzenia >= 0;
        if (!zrodlo) w.Cisnienie = kNieznane;
    }
}

bool Kalkulacja::znany(wezel* w) {
    if (w->Cisnienie != kNieznane) return true;
    wezel* p = pierwszyRekord(w);
    if (p->LiczbaKopii == 1) return false;
    for (wezel* c = p; c; c = c->NastepnaKopia)
        if (c != w && c->Cisnienie != kNieznane) {
            w->Cisnienie = c->Cisnienie;
            return true;
        }
    return false;
}

bool Kalkulacja::wyborPoczatkowy(dzialka& s, double Q, double rho1) {
    const auto& rury = katalog_.wgSrednicy();
    if (rury.empty()) {
        s.Dwew = 0;
        return true;
    }
    const wezel* z = m_.pierwszyKorzen() ? m_.pierwszyKorzen()->WezelKonc : nullptr;
    const double pz = z ? z->Cisnienie * par_.PrzelicznikCisnienia + 100 : 0;
    const double vmax = pz >= 500 ? 20 : 4;
    for (const Rura& r : rury)
        if (predkosc(Q, r.Dwew, rho1) < vmax) {
            s.Dn = r.symbol;
            s.Dwew = r.Dwew;
            return true;
        }
    const Rura& naj = rury.back();
    const double v = predkosc(Q, naj.Dwew, rho1);
    if (v < 100) {
        s.Dn = naj.symbol;
        s.Dwew = naj.Dwew;
        return true;
    }
    przerwij("Dla odcinka " + s.Opis + " za małe średnice w katalogu rur." + "\n\r" +
             formatStaly(v, 15, 2) + " m/s. " + naj.symbol);
    return false;
}

bool Kalkulacja::ocen(dzialka& s, wezel* K, bool wstecz) {
    const double f = par_.PrzelicznikCisnienia;
    wezel* A = s.WezelPocz;
    wezel* B = s.WezelKonc;
    wezel* O = (K == A) ? B : A;
    const double Le = s.ProcentL / 100 * s.Dlugosc;
    const double p1 = K->Cisnienie * f + 100 + s.Kompresor * f;
    if (p1 <= 0) {
        przerwij("Zbyt duże straty ciśnienia w odcinku " + s.Opis + " lub sąsiednim.");
        return false;
    }
    const StanGazu stan1 = gaz_.stan(p1);
    if (stan1.blad) {
        przerwij(stan1.tekst);
        return false;
    }
    K->Gestosc = stan1.Gestosc;

    const bool dobor = przytnij(s.Dn) == "0";
    if (dobor) {
        if (s.Q == kNieznane) {
            przerwij("Źródła powinny być połączone z siecią\n\rza pomocą tylko jednego odcinka.");
            return false;
        }
        if (!wyborPoczatkowy(s, s.Q, stan1.Gestosc)) return false;
    } else {
        s.Dwew = katalog_.srednica(s.Dn);
    }
    if (s.Dwew == 0) {
        przerwij("Brak katalogu rur, lub nie poprawna średnica nominalna\n\rw odcinku " + s.Opis +
                 ".");
        return false;
    }
    // Evaluating from the start needs Q >= 0, from the end Q <= 0.
    if (!wstecz && ((K == A && s.Q < 0) || (K == B && s.Q > 0))) {
        przerwij("Przeciwny kierunek obliczeń w odcinku" + s.Opis);
        return false;
    }
    if (nrPrzebiegu_ <= 2) {
        const double zA = A->Znacznik;
        s.UdzialWejscia = (s.Q > 0 && zA > 0 && s.Q <= zA) ? s.Q / zA : -1;
        wezel* pB = pierwszyRekord(B);
        if (pB->LiczbaKopii == 1) {
            s.UdzialWyjscia = 1;
        } else {
            double suma = 0;
            for (wezel* c = pB; c; c = c->NastepnaKopia) suma += c->Znacznik;
            s.UdzialWyjscia = (s.Q > 0 && suma > 0 && s.Q <= suma) ? s.Q / suma : -1;
        }
    }

    WejscieOdcinka we;
    we.Q = std::fabs(s.Q);
    we.D = s.Dwew;
    we.L = s.Dlugosc;
    we.Le = Le;
    we.k = s.Chropo;
    we.p1 = p1;
    we.stan1 = stan1;
    we.wstecz = wstecz;
    we.Kompresor = s.Kompresor;
    we.opory = opory_[s.Id];
    we.UdzialWejscia = s.UdzialWejscia;
    we.UdzialWyjscia = s.UdzialWyjscia;
    we.etykieta = s.Opis;
    we.przebieg = nrPrzebiegu_;
    we.zOczkami = m_.LiczbaOczek > 0;
    we.doborSrednicy = dobor;

    auto licz = [&](double D, bool zDoborem) {
        we.D = D;
        we.doborSrednicy = zDoborem;
        return obliczOdcinek(we, par_, gaz_, &k_);
    };
    WynikOdcinka w = licz(s.Dwew, dobor);
    if (!w.blad && dobor) {
        if (G_ < 0) {
            przerwij(
                "Minimalne dopuszczalne ciśnienie w sieci jest większe od ciśnienia w źródle.");
            return false;
        }
        const auto& rury = katalog_.wgSrednicy();
        int kierunek0 = 0;
        std::string poprzedniSym = s.Dn;
        double poprzedniD = s.Dwew;
        for (;;) {
            const int d = (0.6 * w.gradient > G_) ? +1 : -1;
            if (kierunek0 == 0) {
                kierunek0 = d;
            } else if (d != kierunek0) {
                if (kierunek0 < 0) {
                    s.Dn = poprzedniSym;
                    s.Dwew = poprzedniD;
                    w = licz(s.Dwew, false);
                }
                break;
            }
            poprzedniSym = s.Dn;
            poprzedniD = s.Dwew;
            const Rura* nowa = nullptr;
            if (d > 0) {
                for (const Rura& r : rury)
                    if (r.Dwew > s.Dwew) {
                        nowa = &r;
                        break;
                    }
                if (!nowa) break;
            } else {
                for (auto it = rury.rbegin(); it != rury.rend(); ++it)
                    if (it->Dwew < s.Dwew && predkosc(s.Q, it->Dwew, stan1.Gestosc) < 100) {
                        nowa = &*it;
                        break;
                    }
                if (!nowa) break;
            }
            s.Dn = nowa->symbol;
            s.Dwew = nowa->Dwew;
            w = licz(s.Dwew, true);
            if (w.blad) break;
        }
    }
    for (auto& l : w.linieWynikow) ob_.ListBoxWyni.push_back(std::move(l));
    if (w.blad) {
        przerwij(w.tekst);
        return false;
    }

    s.Policzony = 1;
    const bool zrodloO =
        O->Zasilajacy && O->Zasilajacy->Numer == kNumerZrodla && O->Zasilajacy->indeksKorzenia >= 0;
    if (!zrodloO) O->Cisnienie = (w.p2 - 100) / f;
    O->Gestosc = w.Gestosc2;
    if (K == A) {
        s.PredkoPocz = w.w1;
        s.PredkoKonc = w.w2;
    } else {
        s.PredkoPocz = w.w2;
        s.PredkoKonc = w.w1;
    }
    s.R = w.R;
    s.DeltaP = w.DeltaP;
    s.Re = w.Re;
    s.lambda = w.lambda;
    s.SumaZ = w.SumaZ;
    return true;
}

bool Kalkulacja::przebieg() {
    zostalo_ = kolejnosc_;
    const std::size_t n = kolejnosc_.size();
    std::size_t liczbaPrzejsc = 0;
    bool drugaSzansa = false;
    while (!zostalo_.empty()) {
        if (++liczbaPrzejsc > n + 1) break;
        bool postep = false;
        std::size_t j = 0;
        for (std::size_t i = 0; i < zostalo_.size(); ++i) {
            dzialka* s = zostalo_[i];
            if (!s->Policzony) {
                wezel* K = nullptr;
                bool wstecz = false;
                if (s->Q >= 0 && znany(s->WezelPocz)) {
                    K = s->WezelPocz;
                } else if (s->Q <= 0 && znany(s->WezelKonc)) {
                    K = s->WezelKonc;
                } else if (drugaSzansa) {
                    wezel* dol = s->Q >= 0 ? s->WezelKonc : s->WezelPocz;
                    if (znany(dol)) {
                        K = dol;
                        wstecz = true;
                    }
                }
                if (K) {
                    if (!ocen(*s, K, wstecz)) {
                        przerwanoWOdcinku_ = true;
                        return false;
                    }
                    postep = true;
                }
            }
            if (!s->Policzony) zostalo_[j++] = s;
        }
        zostalo_.resize(j);
        if (postep) {
            drugaSzansa = false;
        } else if (!drugaSzansa) {
            drugaSzansa = true;
        } else {
            break;
        }
    }
    if (!zostalo_.empty()) {
        przerwij("Nie policzono wszystkich odcinków.");
        return false;
    }
    return true;
}

void Kalkulacja::przygotujUklad() {
    const int n = static_cast<int>(m_.oczka.size());
    std::vector<std::vector<std::pair<int, int>>> czlonkostwo(m_.odcinki.size());
    for (int j = 0; j < n; ++j)
        for (const auto& sk : m_.oczka[j].skladniki)
            czlonkostwo[sk.odcinek->Id].push_back({j, sk.znak});
    std::map<std::vector<std::pair<int, int>>, int> indeksGrupy;
    grupy_.clear();
    for (dzialka& s : m_.odcinki) {
        auto& cz = czlonkostwo[s.Id];
        if (cz.empty()) continue;
        auto [it, nowa] = indeksGrupy.emplace(cz, static_cast<int>(grupy_.size()));
        if (nowa) grupy_.push_back({std::move(cz), {}, {}});
        grupy_[it->second].odcinki.push_back(&s);
    }
    std::vector<Eigen::Triplet<double>> tr;
    for (int j = 0; j < n; ++j) tr.emplace_back(j, j, 1.0);
    for (const Grupa& g : grupy_)
        for (const auto& a : g.czlonkostwo)
            for (const auto& b : g.czlonkostwo)
                if (a.first >= b.first) tr.emplace_back(a.first, b.first, 1.0);
    A_.resize(n, n);
    A_.setFromTriplets(tr.begin(), tr.end());
    A_.makeCompressed();
    auto slot = [&](int r, int c) {
        const int* b = A_.innerIndexPtr() + A_.outerIndexPtr()[c];
        const int* e = A_.innerIndexPtr() + A_.outerIndexPtr()[c + 1];
        return static_cast<int>(std::lower_bound(b, e, r) - A_.innerIndexPtr());
    };
    for (Grupa& g : grupy_)
        for (const auto& a : g.czlonkostwo)
            for (const auto& b : g.czlonkostwo)
                if (a.first >= b.first) g.pozycje.push_back(slot(a.first, b.first));
    przekatna_.resize(n);
    for (int j = 0; j < n; ++j) przekatna_[j] = slot(j, j);
    if (n > kProgGaussa) ldlt_.analyzePattern(A_.selfadjointView<Eigen::Lower>());
    wzorzecGotowy_ = true;
}

bool Kalkulacja::rozwiaz(std::vector<double>& dQ, const std::vector<double>& h) {
    const int n = static_cast<int>(h.size());
    double* val = A_.valuePtr();
    std::fill(val, val + A_.nonZeros(), 0.0);
    for (const Grupa& g : grupy_) {
        double a = 0;
        for (const dzialka* s : g.odcinki) a += 2 * std::fabs(s->Q) * s->R;
        if (a == 0) continue;
        int p = 0;
        for (const auto& x : g.czlonkostwo)
            for (const auto& y : g.czlonkostwo)
                if (x.first >= y.first) val[g.pozycje[p++]] += x.second * y.second * a;
    }
    double sr = 0;
    for (int j = 0; j < n; ++j) sr += val[przekatna_[j]];
    sr /= n;
    if (sr == 0) sr = 1;
    for (int i = 0; i < A_.nonZeros(); ++i) val[i] /= sr;
    dQ.assign(n, 0);
    if (n <= kProgGaussa) {
        // Gaussian elimination with partial pivoting on the dense matrix.
        std::vector<double> M(static_cast<std::size_t>(n) * n, 0.0), b(n);
        for (int c = 0; c < n; ++c)
            for (int p = A_.outerIndexPtr()[c]; p < A_.outerIndexPtr()[c + 1]; ++p) {
                const int r = A_.innerIndexPtr()[p];
                M[r * n + c] = val[p];
                M[c * n + r] = val[p];
            }
        for (int j = 0; j < n; ++j) b[j] = -h[j] / sr;
        for (int c = 0; c < n; ++c) {
            int piv = c;
            for (int r = c + 1; r < n; ++r)
                if (std::fabs(M[r * n + c]) > std::fabs(M[piv * n + c])) piv = r;
            if (std::fabs(M[piv * n + c]) < 1e-30) return false;
            if (piv != c) {
                for (int k = 0; k < n; ++k) std::swap(M[c * n + k], M[piv * n + k]);
                std::swap(b[c], b[piv]);
            }
            for (int r = c + 1; r < n; ++r) {
                const double f = M[r * n + c] / M[c * n + c];
                if (f == 0) continue;
                for (int k = c; k < n; ++k) M[r * n + k] -= f * M[c * n + k];
                b[r] -= f * b[c];
            }
        }
        for (int r = n - 1; r >= 0; --r) {
            double s = b[r];
            for (int k = r + 1; k < n; ++k) s -= M[r * n + k] * dQ[k];
            dQ[r] = s / M[r * n + r];
        }
        return true;
    }
    ldlt_.factorize(A_.selfadjointView<Eigen::Lower>());
    if (ldlt_.info() != Eigen::Success) return false;
    if (ldlt_.vectorD().cwiseAbs().minCoeff() < 1e-30) return false;
    Eigen::VectorXd b(n);
    for (int j = 0; j < n; ++j) b[j] = -h[j] / sr;
    Eigen::VectorXd x = ldlt_.solve(b);
    if (!x.allFinite()) return false;
    for (int j = 0; j < n; ++j) dQ[j] = x[j];
    return true;
}

void Kalkulacja::bilansuj() {
    const int n = static_cast<int>(m_.oczka.size());
    if (!wzorzecGotowy_) przygotujUklad();
    const double f = par_.PrzelicznikCisnienia;
    if (pierwszeBilansowanie_) {
        pierwszeBilansowanie_ = false;
        for (const oczko& o : m_.oczka) {
            double sumaR = 0;
            for (const auto& sk : o.skladniki) sumaR += sk.odcinek->R;
            if (sumaR < 1e-30) {
                std::string t = "Zwarcie w oczku utworzonym przez odcinki o numerach:";
                for (const auto& sk : o.skladniki)
                    if (!sk.odcinek->pseudo()) t += " " + std::to_string(sk.odcinek->Numer);
                przerwij(t);
                return;
            }
        }
    }
    std::vector<double> h(n), dQ;
    for (int iter = 0; iter < kMaksIteracjiNewtona; ++iter) {
        // h_j = Ciag + sum over members of sign x sgn(Q) x R x Q^2, summed
        // group by group (members of a group share their loops and signs).
        for (int j = 0; j < n; ++j) h[j] = m_.oczka[j].Ciag;
        for (const Grupa& g : grupy_) {
            double strata = 0;
            for (const dzialka* s : g.odcinki) {
                const double sg = s->Q > 0 ? 1 : (s->Q < 0 ? -1 : 0);
                strata += sg * s->R * s->Q * s->Q;
            }
            if (strata == 0) continue;
            for (const auto& [j, znak] : g.czlonkostwo) h[j] += znak * strata;
        }
        double maks = 0;
        bool zbiezne = true;
        for (int j = 0; j < n; ++j) {
            maks = std::max(maks, std::fabs(h[j]));
            if (!(std::fabs(h[j]) * f * 1000 <= 1)) zbiezne = false;
        }
        if (maks > 1e60 || !std::isfinite(maks)) {
            przerwij("Brak rozwiazania (1). Proszę skontaktować się z autorem programu.");
            return;
        }
        if (zbiezne) return;
        zmienionoStrumien_ = true;
        if (!rozwiaz(dQ, h)) {
            komunikat_ = "Za małe pobory.";
            return;
        }
        for (const Grupa& g : grupy_) {
            double d = 0;
            for (const auto& [j, znak] : g.czlonkostwo) d += znak * dQ[j];
            for (dzialka* s : g.odcinki) {
                s->Q += d;
                if (s->WezelKonc) s->WezelKonc->Znacznik = s->Q;
            }
        }
    }
}

void Kalkulacja::zapiszWyniki() {
    Tabela& g = ob_.Grid;
    const double f = par_.PrzelicznikCisnienia;
    const double c = par_.PredkoscDzwieku;
    const dzialka* pk = m_.pierwszyKorzen();
    const double z0 = (pk && pk->WezelKonc) ? pk->WezelKonc->Rzedna : 0;
    auto skorygowane = [&](const wezel* w) {
        return w->Cisnienie - (z0 - w->Rzedna) * (1.23 - w->Gestosc) * 9.81 / 1000 / f;
    };
    const double pmin = par_.PminDop;
    for (dzialka* s : kolejnosc_) {
        const int r = s->NumerWiersza;
        const double Pa = skorygowane(s->WezelPocz);
        const double Pb = skorygowane(s->WezelKonc);
        const bool krytP = s->PredkoPocz > 0.8 * c;
        const bool krytK = s->PredkoKonc > 0.8 * c;
        s->DeltaP = Pa - Pb;
        g.ustawTekst(kol::Ppocz, r, krytP ? "????" : formatStaly(Pa, 15, 2));
        g.ustawTekst(kol::Pkonc, r, krytK ? "????" : formatStaly(Pb, 15, 2));
        g.ustawTekst(kol::DeltaP, r, (krytP || krytK) ? "????" : formatStaly(Pa - Pb, 15, 2));
        g.ustawTekst(kol::PredkoPocz, r, krytP ? "W>kryt." : formatStaly(s->PredkoPocz, 15, 2));
        g.ustawTekst(kol::PredkoKonc, r, krytK ? "W>kryt." : formatStaly(s->PredkoKonc, 15, 2));
        g.ustawTekst(kol::Re, r, formatWykladniczy(s->Re, 5, 1));
        g.ustawTekst(kol::lambda, r, formatStaly(s->lambda, 15, 4));
        g.ustawTekst(kol::Qoblicz, r, formatStaly(s->Q, 15, 2));
        g.ustawTekst(kol::NumerOdc, r, g.tekst(kol::NumerOdcinka, r));
        std::string z;
        if (s->Kompresor > 0)
            z = "Z=" + formatOgolny(s->SumaZ, 15) + " Kompr=" + formatOgolny(s->Kompresor, 15);
        else if (s->Kompresor < 0)
            z = "Z=" + formatOgolny(s->SumaZ, 15) + " Reduk=" + formatOgolny(s->Kompresor, 15);
        else
            z = s->SumaZ == 0 ? "Z=0" : "Z=" + formatStaly(s->SumaZ, 15, 2);
        g.ustawTekst(kol::IleOpo, r, z);
        g.ustawTekst(kol::SrednicaNomin, r, s->Dn);
        if (Pa < pmin || Pb < pmin)
            ob_.ListBoxWyni.push_back("Wystąpiło ciśnienie mniejsze od dopuszczalnego.");
    }
    // Values for the class thresholds of the schematic and the pressure lines.
    if (pk && pk->WezelKonc) {
        m_.CisnienieMinimalne = m_.CisnienieMaksymalne = pk->WezelKonc->Cisnienie;
        m_.StrumienMaksymalny = pk->Q;
    }
    for (const dzialka* s : kolejnosc_) {
        const double p = s->WezelKonc->Cisnienie;
        m_.CisnienieMinimalne = std::min(m_.CisnienieMinimalne, p);
        m_.CisnienieMaksymalne = std::max(m_.CisnienieMaksymalne, p);
        m_.StrumienMaksymalny = std::max(m_.StrumienMaksymalny, s->Q);
    }
    m_.SaWyniki = true;
}

WynikObliczen Kalkulacja::licz() {
    WynikObliczen wynik;
    par_.przelicz();
    gaz_ = WlasnosciGazu(par_);
    const dzialka* pk = m_.pierwszyKorzen();
    const double pz = (pk && pk->WezelKonc) ? pk->WezelKonc->Cisnienie : 0;
    G_ = (pz - par_.PminDop) * par_.PrzelicznikCisnienia / m_.Lmax;
    dlaKazdegoOdcinka(m_, [&](dzialka& s) { kolejnosc_.push_back(&s); });
    opory_.assign(m_.odcinki.size(), nullptr);
    for (dzialka* s : kolejnosc_)
        opory_[s->Id] = ob_.Grid.rekordTypu<ListaOporow>(kol::IleOpo, s->NumerWiersza);
    m_.SaWyniki = false;

    // Catalogue warnings.
    if (katalog_.pusty()) {
        if (!opcje_.trybWsadowy)
            k_.informacja(
                "Ostrzeżenie!\r\nZ powodu braku katalogu rur\r\nwszystkie średnice nominalne będą "
                "traktowane jak wewnętrzne.");
    } else {
        std::set<std::string> brak;
        for (const dzialka* s : kolejnosc_) {
            const std::string d = przytnij(s->Dn);
            if (d != "0" && !katalog_.zawiera(d)) brak.insert(d);
        }
        if (!brak.empty()) {
            std::string t =
                "Ostrzeżenie!\r\nNastępujących średnic nominalnych nie ma w katalogu rur: \r\n";
            for (const auto& b : brak) t += b + ", ";
            t += "\r\ntoteż będą potraktowane jako średnice wewnętrzne.";
            k_.informacja(t);
        }
    }

    for (;;) {
        ++nrPrzebiegu_;
        if (postep_) postep_->przebieg(nrPrzebiegu_);
        ob_.ListBoxWyni.clear();
        reset();
        zmienionoStrumien_ = false;
        if (!przebieg()) {
            if (przerwanoWOdcinku_) {
                ob_.LaRaport1 = etapPrzerwania(komunikat_);
                ob_.LaRaport2 = komunikat_;
                ob_.Grid.ustawLiczbeKolumn(LiczbaKolumnDanych);
                wynik.stan = WynikObliczen::Stan::Przerwane;
                wynik.przebiegi = nrPrzebiegu_;
                wynik.komunikat = komunikat_;
                wynik.przerwanoWOdcinku = true;
                return wynik;
            }
        }
        if (!przerwano_ && m_.LiczbaOczek > 0) bilansuj();
        if (przerwano_) {
            ob_.LaRaport1 = "Obliczenia nie zostały zakończone.";
            ob_.LaRaport2 = komunikat_;
            ob_.Grid.ustawLiczbeKolumn(LiczbaKolumnDanych);
            wynik.stan = WynikObliczen::Stan::Przerwane;
            wynik.przebiegi = nrPrzebiegu_;
            wynik.komunikat = komunikat_;
            return wynik;
        }
        if (!zmienionoStrumien_ || nrPrzebiegu_ >= kMaksPrzebiegow) break;
    }

    wynik.przebiegi = nrPrzebiegu_;
    wynik.komunikat = komunikat_;
    if (zmienionoStrumien_) {
        // The loops did not close within 1 Pa in 100 passes.
        ob_.LaRaport1 = "Nie uzyskano wymaganej dokładności obliczeń.";
        ob_.LaRaport2 = "Orientacyjne wyniki liczbowe można oglądnąć w Tabeli Opisu Sieci.";
        wynik.stan = WynikObliczen::Stan::NieDokladne;
    } else {
        ob_.LaRaport1 = "Koniec obliczeń";
        ob_.LaRaport2 = "Wyniki liczbowe można oglądnąć w Tabeli Opisu Sieci";
        wynik.stan = WynikObliczen::Stan::Koniec;
    }
    ob_.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    ob_.WynikiAktualne = true;
    ob_.PotrzebnaAnaliza = false;
    zapiszWyniki();
    return wynik;
}

}  // namespace

WynikObliczen obliczenia(Obiekt& ob, KanalKomunikatow& k, const OpcjeObliczen& opcje,
                         PostepObliczen* postep) {
    ModelSieci* m = modelSieci(ob);
    if (!m || m->Przerwano || m->korzenie.empty()) {
        WynikObliczen w;
        ob.LaRaport1 = "Obliczenia nie zostały zakończone.";
        ob.LaRaport2 = " ";
        ob.Grid.ustawLiczbeKolumn(LiczbaKolumnDanych);
        return w;
    }
    Kalkulacja kalk(ob, *m, k, opcje, postep);
    return kalk.licz();
}

}  // namespace kelmor
