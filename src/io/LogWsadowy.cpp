#include "io/LogWsadowy.h"

#include "io/PlikiTekstowe.h"

namespace kelmor {

std::vector<std::string> liniePoczatkuLogu(bool daneOdczytane, const std::string& sciezkaDanych,
                                           const std::string& opisMetody) {
    if (!daneOdczytane) return {"false", "Plik " + sciezkaDanych + " zawiera niepoprawne dane"};
    if (opisMetody == kOpisBrakuWzoru) return {"false", opisMetody};
    return {"true", "Dane z pliku " + sciezkaDanych, opisMetody};
}

std::string liniaWynikowLogu(const std::string& sciezkaWynikow) {
    return "Wyniki w pliku " + sciezkaWynikow;
}

std::vector<std::string> liniePrzerwaniaLogu(const std::string& sciezkaDanych,
                                             const std::string& etap, const std::string& powod) {
    return {"false", "Dane z pliku " + sciezkaDanych, etap, powod};
}

std::vector<std::string> linieNiezakonczeniaLogu(const std::string& sciezkaDanych,
                                                 const std::string& powod) {
    return {"false", "Dane z pliku " + sciezkaDanych, kLogNiezakonczone, powod};
}

bool zapiszLinieLogu(KanalKomunikatow& k, const std::string& sciezkaLogu,
                     const std::vector<std::string>& linie, bool dopisz) {
    auto nowe = linieNaCp1250(linie);
    if (!nowe.blad.empty()) {
        k.bladWeWy(nowe.blad);
        return false;
    }
    std::string bajty;
    if (dopisz) {
        if (auto stare = czytajPlikWymiany(sciezkaLogu)) {
            bajty = std::move(*stare);
            if (!bajty.empty() && bajty.back() != '\n') bajty += "\r\n";
        }
    }
    bajty += nowe.tekst;
    return zapiszPlikWymiany(k, sciezkaLogu, bajty);
}

bool zapiszPoczatekLogu(KanalKomunikatow& k, const std::string& sciezkaLogu, bool daneOdczytane,
                        const std::string& sciezkaDanych, const std::string& opisMetody) {
    return zapiszLinieLogu(k, sciezkaLogu,
                           liniePoczatkuLogu(daneOdczytane, sciezkaDanych, opisMetody), false);
}

bool dopiszWynikiDoLogu(KanalKomunikatow& k, const std::string& sciezkaLogu,
                        const std::string& sciezkaWynikow) {
    return zapiszLinieLogu(k, sciezkaLogu, {liniaWynikowLogu(sciezkaWynikow)}, true);
}

bool dopiszBrakRozwiazaniaDoLogu(KanalKomunikatow& k, const std::string& sciezkaLogu) {
    return zapiszLinieLogu(k, sciezkaLogu, {kLogNiezakonczone}, true);
}

bool zapiszPrzerwanieDoLogu(KanalKomunikatow& k, const std::string& sciezkaLogu,
                            const std::string& sciezkaDanych, const std::string& etap,
                            const std::string& powod) {
    return zapiszLinieLogu(k, sciezkaLogu, liniePrzerwaniaLogu(sciezkaDanych, etap, powod), false);
}

bool zapiszNiezakonczenieDoLogu(KanalKomunikatow& k, const std::string& sciezkaLogu,
                                const std::string& sciezkaDanych, const std::string& powod) {
    return zapiszLinieLogu(k, sciezkaLogu, linieNiezakonczeniaLogu(sciezkaDanych, powod), false);
}

}  // namespace kelmor
