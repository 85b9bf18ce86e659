#pragma once
// The about box: program name, version and purpose.
#include <QDialog>

namespace kelmor {

class OknoOProgramie : public QDialog {
    Q_OBJECT
  public:
    explicit OknoOProgramie(QWidget* rodzic = nullptr);
};

}  // namespace kelmor
