#include "app/KanalStderr.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace kelmor {
namespace {

std::string przeczytaj(std::FILE* f) {
    std::rewind(f);
    std::string r;
    char buf[256];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, f)) r.append(buf, n);
    return r;
}

TEST(KanalStderrTest, OneLinePerMessageAndQuestionsAnsweredNo) {
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    KanalStderr k(f);
    k.informacja("Ostrzeżenie!\r\nZ powodu braku katalogu rur\r\nwszystkie średnice");
    EXPECT_FALSE(k.pytanie("Czy może zniknąć?"));
    k.bladWeWy("Nie można zapisać pliku a.xml");
    EXPECT_EQ(k.liczbaKomunikatow(), 3);
    EXPECT_EQ(przeczytaj(f),
              "Ostrzeżenie! Z powodu braku katalogu rur wszystkie średnice\n"
              "Czy może zniknąć? [odpowiedź: Nie]\n"
              "Błąd wejścia/wyjścia: Nie można zapisać pliku a.xml\n");
    std::fclose(f);
}

TEST(KanalStderrTest, JoinsBreaksOfEitherOrder) {
    EXPECT_EQ(KanalStderr::jednaLinia("Źródła powinny być połączone z siecią\n\rza pomocą"),
              "Źródła powinny być połączone z siecią za pomocą");
    EXPECT_EQ(KanalStderr::jednaLinia("  a \r\n b  "), "a b");
    EXPECT_EQ(KanalStderr::jednaLinia(" "), "");
    KanalStderr tak(stderr, true);
    std::FILE* f = std::tmpfile();
    KanalStderr k(f, true);
    EXPECT_TRUE(k.pytanie("?"));
    std::fclose(f);
}

}  // namespace
}  // namespace kelmor
