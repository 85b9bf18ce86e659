#include "ui/KanalGui.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>

namespace kelmor {

namespace {

int pokaz(QMessageBox::Icon ikona, const std::string& tekst,
          QMessageBox::StandardButtons przyciski) {
    QMessageBox box(ikona, QString(), QString::fromStdString(tekst), przyciski,
                    QApplication::activeWindow());
    // A box opened during a long step must not show the busy cursor.
    const bool zajety = QApplication::overrideCursor() != nullptr;
    if (zajety) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int wynik = box.exec();
    if (zajety) QApplication::restoreOverrideCursor();
    return wynik;
}

}  // namespace

void KanalKomunikatowGui::informacja(const std::string& tekst) {
    pokaz(QMessageBox::Information, tekst, QMessageBox::Ok);
}

bool KanalKomunikatowGui::pytanie(const std::string& tekst) {
    return pokaz(QMessageBox::Question, tekst, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void KanalKomunikatowGui::bladWeWy(const std::string& tekst) {
    pokaz(QMessageBox::Critical, tekst, QMessageBox::Ok);
}

}  // namespace kelmor
