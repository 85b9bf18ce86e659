#pragma once
// A main window over an editor whose messages are recorded, with helpers to
// type into the network table the way a user does.
#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>

#include "app/Edytor.h"
#include "app/OknoGlowne.h"
#include "model/Komunikaty.h"
#include "ui/Polecenia.h"
#include "ui/TEd.h"
#include "ui/Tabele.h"

namespace kelmor::test {

struct OknoTest {
    RejestratorKomunikatow kanal{true};
    Edytor e{kanal};
    std::unique_ptr<TEd> okno;

    explicit OknoTest(const std::function<void(Edytor&)>& przedOknem = {}) {
        e.katalogProgramu = KELMOR_BIN_DIR;
        ustawieniaStartowe(e);
        if (przedOknem) przedOknem(e);
        okno = std::make_unique<TEd>(e);
        okno->show();
        QApplication::setActiveWindow(okno.get());
        QApplication::processEvents();
    }
    ~OknoTest() {
        // Nothing to ask about when the window goes.
        e.ob.DaneZmienione = false;
        e.ob.KatalogZmieniony = false;
        okno.reset();
    }

    void zakladka(Zakladka z) {
        okno->Strony->setCurrentIndex(static_cast<int>(z));
        QApplication::processEvents();
    }
    // Makes a cell of the network table current as a click would.
    void komorka(int kol, int wiersz) {
        okno->Grid->setCurrentIndex(okno->modelSieci->index(wiersz - 1, kol));
        QApplication::processEvents();
    }
    // Types text into the current cell of the network table, key by key.
    void wpisz(const QString& tekst) {
        QWidget* f = QApplication::focusWidget();
        if (f != okno->Grid && !okno->Grid->isAncestorOf(f)) okno->Grid->setFocus();
        for (QChar c : tekst) {
            QWidget* cel = QApplication::focusWidget() ? QApplication::focusWidget() : okno->Grid;
            QTest::keyClick(cel, c.toLatin1());
        }
        QApplication::processEvents();
    }
    void enter() {
        QWidget* cel = QApplication::focusWidget() ? QApplication::focusWidget() : okno->Grid;
        QTest::keyClick(cel, Qt::Key_Return);
        QApplication::processEvents();
    }
    std::string grid(int kol, int wiersz) const { return e.ob.Grid.tekst(kol, wiersz); }
};

}  // namespace kelmor::test
