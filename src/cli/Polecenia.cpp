#include "cli/Polecenia.h"

namespace kelmor::cli {

int polecenieGaz(const Argumenty& args);

const std::vector<Polecenie>& polecenia() {
    // Each command lives in its own file; add it here.
    static const std::vector<Polecenie> lista = {
        {"gas", "stan gazu (SGERG-88): Z, Zn, gęstość, lepkość", polecenieGaz},
    };
    return lista;
}

}  // namespace kelmor::cli
