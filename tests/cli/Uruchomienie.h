#pragma once
// Runs kelmor-cli from the build tree and collects its exit code and output.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kelmor::test {

namespace fs = std::filesystem;

inline std::string czytajPlik(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void zapiszPlik(const fs::path& p, const std::string& s) {
    std::ofstream f(p, std::ios::binary);
    f << s;
}

inline std::string wCudzyslowie(const std::string& s) {
    std::string r = "'";
    for (char c : s) {
        if (c == '\'')
            r += "'\\''";
        else
            r += c;
    }
    return r + "'";
}

struct Wynik {
    int kod = -1;
    std::string wyjscie;  // stdout
    std::string bledy;    // stderr
};

// A fresh folder per test, and the program run inside it.
struct FolderTestu : ::testing::Test {
    fs::path dir;
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("kelmor-cli-" + std::to_string(::getpid()) + "-" +
                                           info->test_suite_name() + "-" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string sciezka(const std::string& nazwa) const { return (dir / nazwa).string(); }

    Wynik uruchom(const std::vector<std::string>& argumenty) const {
        const fs::path program = fs::path(KELMOR_BIN_DIR) / "kelmor-cli";
        EXPECT_TRUE(fs::exists(program)) << "build kelmor-cli first: " << program;
        std::string polecenie = wCudzyslowie(program.string());
        for (const auto& a : argumenty) polecenie += " " + wCudzyslowie(a);
        const fs::path out = dir / ".stdout", err = dir / ".stderr";
        polecenie += " >" + wCudzyslowie(out.string()) + " 2>" + wCudzyslowie(err.string());
        Wynik w;
        const int s = std::system(polecenie.c_str());
        w.kod = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
        w.wyjscie = czytajPlik(out);
        w.bledy = czytajPlik(err);
        fs::remove(out);
        fs::remove(err);
        return w;
    }
};

inline int liczbaLinii(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

}  // namespace kelmor::test
