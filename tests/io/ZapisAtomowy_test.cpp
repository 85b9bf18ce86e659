#include "io/ZapisAtomowy.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>
#include <csignal>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace kelmor;

namespace {

struct Folder {
    fs::path sciezka;
    Folder() {
        sciezka = fs::temp_directory_path() /
                  ("kelmor_zapis_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(sciezka);
        fs::create_directories(sciezka);
    }
    ~Folder() {
        std::error_code ec;
        fs::permissions(sciezka, fs::perms::owner_all, ec);
        fs::remove_all(sciezka, ec);
    }
    int liczbaPlikow() const {
        int n = 0;
        for ([[maybe_unused]] auto& e : fs::directory_iterator(sciezka)) ++n;
        return n;
    }
};

std::string zawartosc(const fs::path& p) {
    std::string d;
    EXPECT_TRUE(wczytajPlik(p.string(), d));
    return d;
}

}  // namespace

TEST(ZapisAtomowy, WritesNewFileAndReplacesOldOneWithoutLeftovers) {
    Folder f;
    const fs::path p = f.sciezka / "dane.gaz";
    ASSERT_TRUE(zapiszAtomowo(p.string(), std::string("abc\r\n\0x", 7)));
    EXPECT_EQ(zawartosc(p), std::string("abc\r\n\0x", 7));
    ASSERT_TRUE(zapiszAtomowo(p.string(), "nowe"));
    EXPECT_EQ(zawartosc(p), "nowe");
    EXPECT_EQ(f.liczbaPlikow(), 1);
}

TEST(ZapisAtomowy, FailureLeavesOldFileIntact) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    Folder f;
    const fs::path p = f.sciezka / "dane.gaz";
    ASSERT_TRUE(zapiszAtomowo(p.string(), "stare dane"));
    fs::permissions(f.sciezka, fs::perms::owner_read | fs::perms::owner_exec);
    std::string blad;
    EXPECT_FALSE(zapiszAtomowo(p.string(), "nowe", &blad));
    EXPECT_EQ(blad, "Nie można zapisać pliku " + p.string() + ": brak uprawnień");
    fs::permissions(f.sciezka, fs::perms::owner_all);
    EXPECT_EQ(zawartosc(p), "stare dane");
    EXPECT_EQ(f.liczbaPlikow(), 1);
}

// A write cut short (here by a file size limit, which binds every user)
// keeps the old file whole and leaves no temporary file behind.
TEST(ZapisAtomowy, ShortWriteLeavesOldFileIntact) {
    Folder f;
    const fs::path p = f.sciezka / "dane.gaz";
    ASSERT_TRUE(zapiszAtomowo(p.string(), "stare dane"));
    rlimit stary{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &stary), 0);
    auto poprzedni = std::signal(SIGXFSZ, SIG_IGN);
    rlimit maly = stary;
    maly.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &maly), 0);
    std::string blad;
    const bool ok = zapiszAtomowo(p.string(), std::string(1000, 'n'), &blad);
    ::setrlimit(RLIMIT_FSIZE, &stary);
    std::signal(SIGXFSZ, poprzedni);
    EXPECT_FALSE(ok);
    EXPECT_EQ(blad, "Nie można zapisać pliku " + p.string() + ": plik jest za duży");
    EXPECT_EQ(zawartosc(p), "stare dane");
    EXPECT_EQ(f.liczbaPlikow(), 1);
}

TEST(ZapisAtomowy, MissingFolderAndFolderAsTargetAreRefused) {
    Folder f;
    std::string blad;
    EXPECT_FALSE(zapiszAtomowo((f.sciezka / "brak" / "x.gaz").string(), "x", &blad));
    EXPECT_NE(blad.find("nie ma takiego pliku lub folderu"), std::string::npos);
    EXPECT_FALSE(zapiszAtomowo(f.sciezka.string(), "x", &blad));
    EXPECT_NE(blad.find("folderem"), std::string::npos);
}

TEST(ZapisAtomowy, KeepsPermissionsAndFollowsLinks) {
    Folder f;
    const fs::path p = f.sciezka / "dane.gaz";
    ASSERT_TRUE(zapiszAtomowo(p.string(), "1"));
    ::chmod(p.c_str(), 0640);
    const fs::path link = f.sciezka / "link.gaz";
    fs::create_symlink(p, link);
    ASSERT_TRUE(zapiszAtomowo(link.string(), "2"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(zawartosc(p), "2");
    struct stat st {};
    ::stat(p.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WczytajPlik, RefusesMissingFolderAndOversizedFiles) {
    Folder f;
    std::string d, blad;
    EXPECT_FALSE(wczytajPlik((f.sciezka / "brak.gaz").string(), d, &blad));
    EXPECT_NE(blad.find("Nie można odczytać pliku"), std::string::npos);
    EXPECT_FALSE(wczytajPlik(f.sciezka.string(), d, &blad));
    const fs::path p = f.sciezka / "duzy.gaz";
    ASSERT_TRUE(zapiszAtomowo(p.string(), std::string(100, 'x')));
    EXPECT_FALSE(wczytajPlik(p.string(), d, &blad, 99));
    EXPECT_NE(blad.find("plik jest za duży"), std::string::npos);
    EXPECT_TRUE(wczytajPlik(p.string(), d, &blad, 100));
    EXPECT_EQ(d.size(), 100u);
}
