#include "cli/Polecenia.h"

namespace kelmor::cli {

int polecenieGaz(const Argumenty& args);
int polecenieCalc(const Argumenty& args);
int polecenieBatch(const Argumenty& args);
int polecenieKonwertuj(const Argumenty& args);

const std::vector<Polecenie>& polecenia() {
    // Each command lives in its own file; add it here.
    static const std::vector<Polecenie> lista = {
        {"gas", "stan gazu (SGERG-88): Z, Zn, gęstość, lepkość", polecenieGaz},
        {"calc", "obliczenia sieci z pliku danych, tabela wyników na wyjściu", polecenieCalc},
        {"batch", "przebieg wsadowy pliku XML (wyniki i dziennik obok danych)", polecenieBatch},
        {"konwertuj", "zamiana pliku danych na *.gaz/*.gas lub XML", polecenieKonwertuj},
    };
    return lista;
}

}  // namespace kelmor::cli
