#include "app/Edytor.h"

#include "app/Przygotowanie.h"
#include "engine/Analiza.h"
#include "model/Liczby.h"

namespace kelmor {

Edytor::Edytor(KanalKomunikatow& kanal) : kanal(kanal) {
    const Parametry& p = ob.parametry;
    pola.EdTytu = p.Tytul;
    pola.EdPminDop = formatOgolny(p.PminDop, 4);
    pola.EdT = formatOgolny(p.TcGazu, 4);
    pola.EddGazu = formatOgolny(p.dGazu, 4);
    pola.EdHs = formatOgolny(p.HsGazu, 4);
    pola.EdChro = formatOgolny(p.ChropoDomyslne, 4);
    pola.Edlz = formatOgolny(p.ProcentDomyslny, 4);
    for (int i = 0; i < 4; ++i) pola.EdQ1W[i] = formatOgolny(p.Q1W[i], 4);
    pola.Edmnoznik = formatOgolny(p.mnoznik, 4);
    pola.CBjed1 = p.jednostkaP;
    pola.CBKomuna = p.sposoby;
    pola.CBUrban = p.urbanizacja - 1;
    pola.Lajed1 = p.NazwaJednostki;
    pola.EdQ1Wwlaczone = p.sposoby == 1;
    przygotowanieObliczen = [](Edytor& e) { przygotujObliczenia(e); };
    analizaWstepna = [](Edytor& e) { e.okno.BuOblicz = kelmor::analizaWstepna(e.ob, e.kanal); };
}

void Edytor::domyslneWierszaSieci(int wiersz) {
    ob.domyslneWiersza(wiersz);
    ob.Grid.ustawTekst(kol::ProcentDluNaOpory, wiersz, pola.Edlz);
    ob.Grid.ustawTekst(kol::Chropo, wiersz, pola.EdChro);
}

}  // namespace kelmor
