// The message boxes of the desktop program: icon, empty title, buttons.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/KanalGui.h"

namespace kelmor {
namespace {

struct Pudelko {
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QString tytul = "?", tekst;
    QMessageBox::StandardButtons przyciski;
};

TEST(KanalGui, PytanieMaIkonePytaniaPustyTytulITakNie) {
    KanalKomunikatowGui kanal;
    Pudelko p;
    QTimer::singleShot(0, [&p] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        p.ikona = box->icon();
        p.tytul = box->windowTitle();
        p.tekst = box->text();
        p.przyciski = box->standardButtons();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(kanal.pytanie("Czy skasować wskazany wiersz?"));
    EXPECT_EQ(p.ikona, QMessageBox::Question);
    EXPECT_EQ(p.tytul, "");
    EXPECT_EQ(p.tekst, "Czy skasować wskazany wiersz?");
    EXPECT_EQ(p.przyciski, QMessageBox::Yes | QMessageBox::No);

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(kanal.pytanie("Czy skasować wskazany wiersz?"));
}

TEST(KanalGui, InformacjaMaIkoneInformacjiPustyTytulIOK) {
    KanalKomunikatowGui kanal;
    Pudelko p;
    QTimer::singleShot(0, [&p] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        p.ikona = box->icon();
        p.tytul = box->windowTitle();
        p.przyciski = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    kanal.informacja("Brak pliku KELMOR5help.chm");
    EXPECT_EQ(p.ikona, QMessageBox::Information);
    EXPECT_EQ(p.tytul, "");
    EXPECT_EQ(p.przyciski, QMessageBox::StandardButtons(QMessageBox::Ok));
}

}  // namespace
}  // namespace kelmor
