#pragma once
// Message sink of the runs without a window (command line, batch run):
// every message becomes one line on stderr and nothing waits for a user.
// A question is written together with the answer the program took for it;
// that answer is the one that loses nothing (No, unless told otherwise).
#include <cstdio>
#include <string>

#include "model/Komunikaty.h"

namespace kelmor {

class KanalStderr : public KanalKomunikatow {
  public:
    explicit KanalStderr(std::FILE* cel = stderr, bool odpowiedz = false)
        : cel_(cel), odpowiedz_(odpowiedz) {}

    void informacja(const std::string& tekst) override;
    bool pytanie(const std::string& tekst) override;
    void bladWeWy(const std::string& tekst) override;

    // Number of messages written so far (questions included).
    int liczbaKomunikatow() const { return licznik_; }

    // A message as one line: the "\r\n" and "\n\r" breaks of the dialogs
    // become single spaces, surrounding blanks go.
    static std::string jednaLinia(const std::string& tekst);

  private:
    void pisz(const std::string& przedrostek, const std::string& tekst);
    std::FILE* cel_;
    bool odpowiedz_;
    int licznik_ = 0;
};

}  // namespace kelmor
