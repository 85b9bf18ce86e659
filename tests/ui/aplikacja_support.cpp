// One QApplication for every test of the desktop window, on the offscreen
// platform so that the tests need no display.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>

namespace {

class SrodowiskoQt : public ::testing::Environment {
  public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nazwa[] = "kelmor_ui_test";
        static char* argv[] = {nazwa, nullptr};
        app_ = new QApplication(argc, argv);
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

  private:
    QApplication* app_ = nullptr;
};

const auto* const kSrodowisko = ::testing::AddGlobalTestEnvironment(new SrodowiskoQt);

}  // namespace
