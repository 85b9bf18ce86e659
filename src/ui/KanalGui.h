#pragma once
// Message boxes for the desktop program: information (information icon,
// empty title, OK), questions (question icon, Yes/No), file errors.
#include "model/Komunikaty.h"

namespace kelmor {

class KanalKomunikatowGui : public KanalKomunikatow {
  public:
    void informacja(const std::string& tekst) override;
    bool pytanie(const std::string& tekst) override;
    void bladWeWy(const std::string& tekst) override;
};

}  // namespace kelmor
