// kelmor-cli gas: output lines, exit codes and call errors.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Wynik {
    int kod = -1;
    std::string wyjscie;
    std::string bledy;
};

Wynik uruchom(const std::string& argumenty) {
    // CTest runs the tests of this file as parallel processes: one file each.
    const std::string bledy =
        ::testing::TempDir() + "gaz_cli_stderr_" + std::to_string(getpid()) + ".txt";
    const std::string polecenie =
        std::string(KELMOR_BIN_DIR) + "/kelmor-cli gas " + argumenty + " 2>" + bledy;
    Wynik w;
    FILE* f = popen(polecenie.c_str(), "r");
    if (!f) return w;
    char bufor[512];
    while (std::fgets(bufor, sizeof bufor, f)) w.wyjscie += bufor;
    const int status = pclose(f);
    w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream e(bledy, std::ios::binary);
    std::stringstream ss;
    ss << e.rdbuf();
    w.bledy = ss.str();
    return w;
}

double wartosc(const std::string& wyjscie, const std::string& klucz) {
    std::istringstream in(wyjscie);
    std::string k, v;
    while (in >> k >> v) {
        if (k == klucz) return std::strtod(v.c_str(), nullptr);
    }
    return -1;
}

}  // namespace

TEST(KelmorCliGas, GazPierwszyNormyPrzy60Bar) {
    // ISO 12213-3, Annex C, gas 1 at 60 bar and -3.15 C: Z = 0.84084.
    const Wynik w = uruchom("--hs 40.66 --d 0.581 --t -3.15 --p 6000 --co2 0.006");
    ASSERT_EQ(w.kod, 0) << w.bledy;
    EXPECT_TRUE(w.bledy.empty());
    EXPECT_NEAR(wartosc(w.wyjscie, "Z"), 0.84084, 1e-5);
    const double Z = wartosc(w.wyjscie, "Z"), Zn = wartosc(w.wyjscie, "Zn");
    EXPECT_NEAR(wartosc(w.wyjscie, "rho"),
                0.581 * 1.292923 * 6000 * 273.15 / (270.0 * 101.325 * Z / Zn), 1e-9);
    EXPECT_NEAR(wartosc(w.wyjscie, "mu"), 1.1350037e-5, 1e-11);
    // Four lines, full precision.
    EXPECT_EQ(w.wyjscie.rfind("Z 0.8408", 0), 0u);
    int wiersze = 0;
    for (char c : w.wyjscie) wiersze += c == '\n';
    EXPECT_EQ(wiersze, 4);
    EXPECT_GE(w.wyjscie.find('\n') - 2, 17u);  // "0." + at least 16 more digits
}

TEST(KelmorCliGas, DanePozaZakresem) {
    const Wynik w = uruchom("--hs 40 --d 0.5 --t 10 --p 500");
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.bledy, "Gęstość względna gazu powinna być zawarta w granicach 0.55-0.9\n");
    EXPECT_GT(wartosc(w.wyjscie, "mu"), 1e-5);
    EXPECT_EQ(w.wyjscie.find("Z "), std::string::npos);
}

TEST(KelmorCliGas, BledyWywolania) {
    for (const char* a : {"--hs 40 --d 0.6 --t 10", "--hs 40 --d 0.6 --t 10 --p 500 --x 1",
                          "--hs abc --d 0.6 --t 10 --p 500", "--hs 40 --d 0.6 --t 10 --p"}) {
        const Wynik w = uruchom(a);
        EXPECT_EQ(w.kod, 2) << a;
        EXPECT_TRUE(w.wyjscie.empty()) << a;
        EXPECT_EQ(w.bledy.rfind("kelmor-cli gas: ", 0), 0u) << a;
        EXPECT_EQ(w.bledy.find('\n'), w.bledy.size() - 1) << a;
    }
    const Wynik pomoc = uruchom("--help");
    EXPECT_EQ(pomoc.kod, 0);
    EXPECT_NE(pomoc.wyjscie.find("Użycie: kelmor-cli gas"), std::string::npos);
}
