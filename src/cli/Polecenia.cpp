#include "cli/Polecenia.h"

namespace kelmor::cli {

const std::vector<Polecenie>& polecenia() {
    // Each command lives in its own file; add it here.
    static const std::vector<Polecenie> lista = {};
    return lista;
}

}  // namespace kelmor::cli
