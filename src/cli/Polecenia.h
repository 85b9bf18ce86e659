#pragma once
// Sub-commands of kelmor-cli. Each takes the arguments after its name and
// returns the process exit code.
#include <string>
#include <vector>

namespace kelmor::cli {

using Argumenty = std::vector<std::string>;

struct Polecenie {
    const char* nazwa;
    const char* opis;  // one line for the general help
    int (*uruchom)(const Argumenty& args);
};

// All sub-commands, in the order the help lists them.
const std::vector<Polecenie>& polecenia();

}  // namespace kelmor::cli
