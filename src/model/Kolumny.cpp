#include "model/Kolumny.h"

#include <array>

namespace kelmor {

namespace {

struct OpisKolumny {
    const char* nazwa;
    const char* linia1;
    const char* linia2;
    const char* podpowiedz;
};

// Household-model texts; columns 8..11 of the tariff model are below.
const std::array<OpisKolumny, LiczbaKolumnZWynikami> kSiec = {{
    {"", "", "",
     "Margines tabeli. Wskazuje aktualny wiersz. Służy również do przemieszczania wierszy "
     "metodą \"przesuń-upuść\""},
    {"NumerOdcinka", "Nr", "odcinka",
     "Unikalny numer odcinka. Liczba całkowita nie większa od 9999."},
    {"NazwaOdcinka", "Nazwa", "odcinka", "Nazwa odcinka (nazwa ulicy). Można nie wypełnić."},
    {"WezelPocz", "Węzeł", "początkowy",
     "Nazwa węzła początkowego dla opisywanego odcinka (do 16 znaków)"},
    {"WezelKonc", "Węzeł", "końcowy",
     "Nazwa węzła końcowego dla opisywanego odcinka (do 16 znaków)"},
    {"SrednicaNomin", " Dn", "",
     "Średnica nominalna (nazwa do 16 znaków np.100a).Jeżeli ma być dobierana wpisać 0."},
    {"DlugoscMetry", "Długość odcinka", " L [m]", "Rzeczywista długość odcinka"},
    {"ProcentDluNaOpory", "%L za", "opory [%]",
     "Dodatkowa długość odcinka zastępująca opory miejscowe [% rzeczywistej długości]."},
    {"LiczbaOdbiorCeleKom", "Liczba odbiorców", "komunalnych",
     "Liczba odbiorców (przypadająca na odcinek) zużywających gaz do celów komunalnych "
     "(gotowanie posiłków, grzanie wody)"},
    {"JednostCeleKom", "Q1-cele komunalne", " nm3/h",
     "Zużycie gazu na cele komunalne przez jednego odbiorcę uśrednione w ramach odcinka."},
    {"LiczbaOdbiorGrzanie", "Liczba odbiorców", "ogrzewających",
     "Liczba odbiorców (przypadająca na odcinek) ogrzewających gazem pomieszczenia"},
    {"JednostGrzanie", "Q1-ogrzewanie pomieszczeń", " nm3/h",
     "Zużycie gazu na ogrzewanie pomieszczeń przez jednego odbiorcę uśrednione w ramach "
     "odcinka."},
    {"Sklepy", "Handel-", "usługi?", "Czy występuje na odcinku sektor handlowo-usługowy"},
    {"PoborOdc", "Pobór odcinkowy", " nm3/h",
     "Pobór gazu rozłożony na odcinku np. wyznaczony na podstawie odczytów gazomierzy i "
     "współczynników nierównomierności czasowej."},
    {"PoborWez", "Pobór węzłowy", " nm3/h",
     "Pobór gazu skupiony w węźle końcowym odcinka np. tranzyt do dużego miasta, zasilanie "
     "zakładu przemysłowego i tp."},
    {"X", "  X", "", "Współrzędna pozioma węzła końcowego na planie sieci (wzrasta w prawo)"},
    {"Y", "  Y", "", "Współrzędna pionowa węzła końcowego na planie sieci (wzrasta do góry)"},
    {"RzednaTe", "Rzędna", "terenu [m]",
     "Rzędna pionowa węzła końcowego (istotna przy niskich ciśnieniech i dużych różnicach "
     "poziomów)."},
    {"Chropo", "Chropowatość", " mm", "Chropowatość wewnętrznej ściany rury"},
    {"IleOpo", "Opory", "miejscowe",
     "Przed obliczeniem liczba sztuk oporów. Po obliczeniu suma Z. Kliknij żeby uruchomić "
     "edytor oporów miejscowych"},
    {"Qoblicz", "Q obliczeniowe", " nm3/h", "Strumień obliczeniowy w odcinku"},
    {"PredkoPocz", "W pocz.", " m/s", "Prędkość liniowa na początku odcinka"},
    {"PredkoKonc", "W końc.", " m/s", "Prędkość liniowa na końcu odcinka"},
    {"Ppocz", "P pocz.", nullptr, "Ciśnienie gazu w węźle początkowym"},
    {"Pkonc", "P końc.", nullptr, "Ciśnienie gazu w węźle końcowym"},
    {"DeltaP", "Strata", nullptr, "Strata ciśnienia na odcinku (Ppocz-Pkonc)"},
    {"Re", "Liczba", " Re", "Liczba Reynoldsa"},
    {"lambda", "Współcz.", "tarcia", "Współczynnik tarcia \"lambda\""},
    {"NumerOdc", "Nr", "odcinka", "Numer odcinka"},
}};

const std::array<const char*, 4> kNazwyTaryf = {"LiczbaW1", "LiczbaW2", "LiczbaW3", "LiczbaW4"};
const std::array<const char*, 4> kTaryfy2 = {"W-1", "W-2", "W-3", "W-4"};

const std::array<OpisKolumny, LiczbaKolumnZrodel> kZrodla = {{
    {"", "", "",
     "Margines tabeli. Wskazuje aktualny wiersz. Służy również do przemieszczania wierszy "
     "metodą \"przesuń-upuść\""},
    {"NazwaZrodla", "Nazwa węzła", "źródłowego",
     "Węzłem źródłowym jest wylot stacji gazowej. Nazwa do 16 znaków"},
    {"Pzrodla", "Nadciśnienie", nullptr, "Nadciśnienie na wylocie stacji gazowej"},
    {"RzednaTeZrodla", "Rzędna", "terenu [m]",
     "Rzędne terenu podawać tylko przy niskich ciśnieniach i dużych różnicach poziomów"},
    {"Xzrodla", " X", "",
     "Współrzędna pozioma na planie sieci (jednostka dowolna). Zalecane wypełnianie !"},
    {"Yzrodla", "Y", "",
     "Współrzędna pionowa na planie sieci (jednostka dowolna). Zalecane wypełnianie !"},
}};

}  // namespace

const char* const kLegendaKatalogu[3] = {"Dn - średnica nominalna (nazwa o długości do 16 znaków)",
                                         "Dzew - średnica zewnętrzna",
                                         "gru - grubość ściany rury "};

Naglowek naglowekSieci(int k, int sposoby, const std::string& jednostka) {
    if (k < 0 || k >= LiczbaKolumnZWynikami) return {};
    if (sposoby == 1 && k >= kol::LiczbaOdbiorCeleKom && k <= kol::JednostGrzanie)
        return {"Liczba odbiorców", kTaryfy2[k - kol::LiczbaOdbiorCeleKom]};
    const OpisKolumny& o = kSiec[k];
    if (k == kol::Ppocz || k == kol::Pkonc) return {o.linia1, jednostka + " (nad)"};
    if (k == kol::DeltaP) return {o.linia1, " " + jednostka};
    return {o.linia1, o.linia2};
}

std::string nazwaKolumnySieci(int k, int sposoby) {
    if (k < 0 || k >= LiczbaKolumnZWynikami) return {};
    if (sposoby == 1 && k >= kol::LiczbaOdbiorCeleKom && k <= kol::JednostGrzanie)
        return kNazwyTaryf[k - kol::LiczbaOdbiorCeleKom];
    return kSiec[k].nazwa;
}

std::string podpowiedzSieci(int k) {
    if (k < 0 || k >= LiczbaKolumnZWynikami) return {};
    return kSiec[k].podpowiedz;
}

TypKolumny typKolumnySieci(int k) {
    switch (k) {
        case 1:
        case 8:
        case 10:
        case 15:
        case 16:
            return TypKolumny::Calkowita;
        case 6:
        case 7:
        case 9:
        case 11:
        case 13:
        case 14:
        case 17:
        case 18:
            return TypKolumny::Rzeczywista;
        case 3:
        case 4:
        case 5:
            return TypKolumny::Nazwa;
        default:
            return TypKolumny::Tekst;
    }
}

int szerokoscKolumnySieci(int k) {
    if (k == 0) return 10;
    if (k == kol::Re) return 90;  // widened once results are written
    return 70;
}

Naglowek naglowekZrodel(int k, const std::string& jednostka) {
    if (k < 0 || k >= LiczbaKolumnZrodel) return {};
    if (k == kol::Pzrodla) return {kZrodla[k].linia1, jednostka};
    return {kZrodla[k].linia1, kZrodla[k].linia2};
}

std::string podpowiedzZrodel(int k) {
    if (k < 0 || k >= LiczbaKolumnZrodel) return {};
    return kZrodla[k].podpowiedz;
}

Naglowek naglowekKatalogu(int k) {
    switch (k) {
        case kol::Dn:
            return {"  Dn", ""};
        case kol::Dzew:
            return {" Dzew [mm]", ""};
        case kol::Gru:
            return {" gru [mm]", ""};
        default:
            return {};
    }
}

}  // namespace kelmor
