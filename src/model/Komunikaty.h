#pragma once
// The message sink: how code below the user interface talks to the user.
// The desktop program shows message boxes, the batch run and the command
// line write to stderr, tests record what was said.
#include <string>
#include <vector>

namespace kelmor {

class KanalKomunikatow {
  public:
    virtual ~KanalKomunikatow() = default;
    // Information box: information icon, one OK button, empty title.
    virtual void informacja(const std::string& tekst) = 0;
    // Question box: question icon, Yes/No. Returns true for Yes.
    virtual bool pytanie(const std::string& tekst) = 0;
    // Error report of a failed file operation (error icon, OK).
    virtual void bladWeWy(const std::string& tekst) = 0;
};

// Records everything; answers questions with a fixed answer.
class RejestratorKomunikatow : public KanalKomunikatow {
  public:
    enum class Rodzaj { Informacja, Pytanie, BladWeWy };
    struct Wpis {
        Rodzaj rodzaj;
        std::string tekst;
    };
    explicit RejestratorKomunikatow(bool odpowiedz = true) : odpowiedz(odpowiedz) {}
    void informacja(const std::string& t) override { wpisy.push_back({Rodzaj::Informacja, t}); }
    bool pytanie(const std::string& t) override {
        wpisy.push_back({Rodzaj::Pytanie, t});
        return odpowiedz;
    }
    void bladWeWy(const std::string& t) override { wpisy.push_back({Rodzaj::BladWeWy, t}); }

    std::vector<std::string> teksty() const {
        std::vector<std::string> r;
        for (const auto& w : wpisy) r.push_back(w.tekst);
        return r;
    }
    void wyczysc() { wpisy.clear(); }

    bool odpowiedz;
    std::vector<Wpis> wpisy;
};

}  // namespace kelmor
