// The desktop program KELMOR.
#include <QApplication>

#include "ui/Uruchomienie.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KELMOR");
    return kelmor::uruchom(app);
}
