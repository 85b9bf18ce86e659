#include "engine/Analiza.h"

#include <cmath>

#include "engine/Rozplyw.h"
#include "engine/Topologia.h"
#include "model/Liczby.h"

namespace kelmor {

namespace {

double zaokraglijDo(double v, int miejsca) {
    const double f = std::pow(10.0, miejsca);
    return std::round(v * f) / f;
}

// Node records reached from the i-th root get NumerDrzewa = i (from 1).
// Returns the number of records (one per root plus one per record reached).
int numerujDrzewa(ModelSieci& m) {
    int licznik = 0;
    std::vector<dzialka*> stos;
    for (std::size_t i = 0; i < m.korzenie.size(); ++i) {
        const int nr = static_cast<int>(i) + 1;
        wezel* w = m.korzenie[i]->WezelKonc;
        if (!w) continue;
        w->NumerDrzewa = nr;
        ++licznik;
        if (w->PierwszyOdcinek) stos.push_back(w->PierwszyOdcinek);
        while (!stos.empty()) {
            dzialka* s = stos.back();
            stos.pop_back();
            s->WezelKonc->NumerDrzewa = nr;
            ++licznik;
            if (!s->Ostatni) stos.push_back(s->Nastepny);
            if (s->WezelKonc->PierwszyOdcinek) stos.push_back(s->WezelKonc->PierwszyOdcinek);
        }
    }
    return licznik;
}

// Trees of unconnected start nodes: a tree that touches another tree through
// a node record is turned round so that it hangs from that node.
bool napraw(Obiekt& ob, ModelSieci& m, KanalKomunikatow& k) {
    bool przebudowa = false;
    std::vector<dzialka*> stos;
    for (dzialka* korzen : m.korzenie) {
        if (korzen->Numer != kNumerNiepodlaczony || !korzen->WezelKonc) continue;
        wezel* rw = korzen->WezelKonc;
        const int nr = rw->NumerDrzewa;
        wezel* styk = nullptr;
        stos.clear();
        if (rw->PierwszyOdcinek) stos.push_back(rw->PierwszyOdcinek);
        while (!stos.empty() && !styk) {
            dzialka* s = stos.back();
            stos.pop_back();
            wezel* w = s->WezelKonc;
            if (pierwszyRekord(w)->LiczbaKopii > 1) {
                for (wezel* c = pierwszyRekord(w); c; c = c->NastepnaKopia)
                    if (c != w && c->NumerDrzewa != nr) {
                        styk = w;
                        break;
                    }
                if (styk) break;
            }
            if (!s->Ostatni) stos.push_back(s->Nastepny);
            if (w->PierwszyOdcinek) stos.push_back(w->PierwszyOdcinek);
        }
        if (styk) {
            for (dzialka* s = styk->Zasilajacy; s && !s->pseudo(); s = rodzic(s)) {
                ob.ListBoxAnalizaDanych.push_back("Zmieniam kierunek w odcinku: " +
                                                  std::to_string(s->Numer));
                odwrocWiersz(ob, s->NumerWiersza, k);
            }
            przebudowa = true;
        } else {
            ob.ListBoxAnalizaDanych.push_back("Brak połączenia sieci z węzłem " + rw->Nazwa);
        }
    }
    return przebudowa;
}

void odleglosci(ModelSieci& m) {
    m.Lmax = 0;
    m.SumaDlugosci = 0;
    m.WezelLmax.clear();
    std::vector<dzialka*> stos;
    for (dzialka* korzen : m.korzenie) {
        wezel* w = korzen->WezelKonc;
        if (!w) continue;
        w->Odleglosc = 0;
        if (w->PierwszyOdcinek) stos.push_back(w->PierwszyOdcinek);
        while (!stos.empty()) {
            dzialka* s = stos.back();
            stos.pop_back();
            wezel* e = s->WezelKonc;
            e->Odleglosc = s->WezelPocz->Odleglosc + s->Dlugosc;
            m.SumaDlugosci += s->Dlugosc;
            if (e->Odleglosc > m.Lmax) {
                m.Lmax = e->Odleglosc;
                m.WezelLmax = e->Nazwa;
            }
            if (!s->Ostatni) stos.push_back(s->Nastepny);
            if (e->PierwszyOdcinek) stos.push_back(e->PierwszyOdcinek);
        }
    }
}

}  // namespace

bool analizaWstepna(Obiekt& ob, KanalKomunikatow& k) {
    // A model left from an earlier analysis is freed.
    ob.model = std::make_unique<ModelSieci>();
    ModelSieci& m = *modelSieci(ob);
    auto& osie = m.GridOsie;
    osie[2] = {formatCalkowity(ob.liczbaZrodel),
               formatCalkowity(ob.liczbaOdcinkow),
               " 0",
               " 0",
               " 0",
               " 0"};

    if (ob.bladGrid || ob.bladZrodel) ob.ListBoxAnalizaDanych.push_back("Były błędy formalne.");
    bool stop = ob.bladGrid || ob.bladZrodel || ob.liczbaZrodel <= 0 || ob.liczbaOdcinkow <= 0;
    m.RoboczyWydrukDanych = ob.liczbaZrodel >= 1 || ob.liczbaOdcinkow >= 1;
    if (stop) {
        m.Przerwano = true;
        m.BuOblicz = false;
        return false;
    }

    int rekordy = 0;
    bool przebudowa = true;
    int budowy = 0;
    const int maksBudow = 2 * ob.liczbaOdcinkow + 20;
    while (przebudowa && !stop) {
        przebudowa = false;
        if (++budowy > maksBudow) {
            ob.ListBoxAnalizaDanych.push_back("Nie udało się ustalić kierunków odcinków.");
            stop = true;
            break;
        }
        const WynikBudowy wb = zbudujSiec(ob, m, k);
        if (wb.przerwano) stop = true;
        przebudowa = wb.przebudowa;
        if (!stop && !przebudowa) {
            rekordy = numerujDrzewa(m);
            przebudowa = napraw(ob, m, k);
        }
        if (!stop && !przebudowa) {
            odleglosci(m);
            const WynikSumowania ws = sumujStrumienie(ob, m, k);
            if (ws.przerwano) stop = true;
            if (ws.przebudowa) przebudowa = true;
            m.SumaPoborow = 0;
            for (const dzialka* r : m.korzenie) m.SumaPoborow += r->Q;
        }
        if (przebudowa) ob.DaneZmienione = true;
    }
    if (!stop && !przygotujOczka(m, k)) stop = true;

    m.LiczbaBudow = budowy;
    m.LiczbaWezlow = rekordy - m.LiczbaOczek;
    osie[2][2] = formatCalkowity(m.LiczbaWezlow);
    osie[2][3] = formatCalkowity(m.LiczbaOczek);
    osie[2][4] = formatOgolny(zaokraglijDo(m.SumaPoborow, 4), 8) + " nm3/h";
    osie[2][5] = formatOgolny(zaokraglijDo(m.SumaDlugosci, 2), 8) + " m";

    if (m.LiczbaOczek > kMaksOczek) {
        k.informacja(
            "W związku z liczbą oczek > 2000 konieczne są zmiany w programie. Proszę skontaktować "
            "się z autorem.");
        stop = true;
    }
    m.Przerwano = stop;
    m.BuOblicz = !stop;
    return !stop;
}

}  // namespace kelmor
