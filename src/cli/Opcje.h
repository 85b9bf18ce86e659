#pragma once
// Option parsing shared by the commands of kelmor-cli.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/Polecenia.h"

namespace kelmor::cli {

struct RozbiorArgumentow {
    std::vector<std::string> pozycyjne;
    std::map<std::string, std::string> opcje;  // "--katalog" -> value
    bool pomoc = false;
    std::string blad;  // one-line error; empty when the arguments are good
};

// Splits the arguments into positional ones and options; `zWartoscia` are
// the options that take a value ("--opcja WARTOŚĆ" or "--opcja=WARTOŚĆ").
// "--help"/"-h" ask for help; "--" ends the options.
RozbiorArgumentow rozbierz(const Argumenty& args, const std::set<std::string>& zWartoscia);

// Writes "kelmor-cli POLECENIE: tekst" to stderr and returns 2.
int bladUzycia(const char* polecenie, const std::string& tekst);

bool plikIstnieje(const std::string& sciezka);

// Exit codes.
constexpr int kKodSukces = 0;
constexpr int kKodPrzerwano = 1;
constexpr int kKodBladWejscia = 2;
constexpr int kKodNiedokladne = 3;

}  // namespace kelmor::cli
