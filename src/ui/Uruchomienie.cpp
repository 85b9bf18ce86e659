#include "ui/Uruchomienie.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTabWidget>
#include <QTimer>

#include "app/Edytor.h"
#include "app/OknoGlowne.h"
#include "ui/KanalGui.h"
#include "ui/OProgramie.h"
#include "ui/Polecenia.h"
#include "ui/Pomoc.h"
#include "ui/TEd.h"

namespace kelmor {

void zapiszZrzuty(TEd& okno, const QString& folder) {
    QDir().mkpath(folder);
    const char* nazwy[] = {"0_tytulowa", "1_katalog", "2_obiekt",
                           "3_tabela",   "4_trasa",   "5_obliczenia"};
    for (int i = 0; i < 6; ++i) {
        okno.Strony->setCurrentIndex(i);
        QApplication::processEvents();
        okno.grab().save(QDir(folder).filePath(QString(nazwy[i]) + ".png"));
    }
    // After a calculation, when this build can calculate.
    if (polecenieDostepne(Obliczanie)) {
        okno.Strony->setCurrentIndex(5);
        QApplication::processEvents();
        wykonajObliczeniaOkna(okno.edytor());
        okno.odswiez();
        QApplication::processEvents();
        okno.grab().save(QDir(folder).filePath("6_po_obliczeniach.png"));
        okno.Strony->setCurrentIndex(3);
        QApplication::processEvents();
        okno.grab().save(QDir(folder).filePath("7_tabela_wyniki.png"));
    }
    // The sheet of simplified formulas, as it shows with that method chosen.
    ustawMetode(okno.edytor(), 2, 4);
    okno.odswiez();
    okno.Strony->setCurrentIndex(5);
    QApplication::processEvents();
    okno.grab().save(QDir(folder).filePath("8_metoda.png"));
    okno.Strony->setCurrentIndex(6);
    QApplication::processEvents();
    okno.grab().save(QDir(folder).filePath("9_wzory.png"));
    okno.pomoc()->pokazTemat(40);
    QApplication::processEvents();
    okno.pomoc()->grab().save(QDir(folder).filePath("10_pomoc.png"));
    okno.pomoc()->close();
}

int uruchom(QApplication& app) {
    // "." is the decimal point for every number the program shows or reads.
    QLocale::setDefault(QLocale::c());
    KanalKomunikatowGui kanal;
    Edytor e(kanal);
    e.katalogProgramu = QApplication::applicationDirPath().toStdString();
    if (!e.katalogProgramu.empty() && e.katalogProgramu.back() != '/') e.katalogProgramu += '/';
    // Defaults and the help file check ("Brak pliku KELMOR5help.chm" ends the program).
    if (!ustawieniaStartowe(e)) return 1;

    // The windows, created once in their order and kept for the whole run.
    TEd okno(e);
    OknoOProgramie oProgramie(&okno);
    okno.ustawOknoOProgramie(&oProgramie);

    // The command line: catalogues and data files to load, or a batch run.
    std::vector<std::string> argumenty;
    const QStringList lista = app.arguments();
    for (int i = 1; i < lista.size(); ++i) argumenty.push_back(lista[i].toStdString());
    if (!argumenty.empty() && przetworzWierszPolecen(e, argumenty)) return 0;
    okno.odswiez();
    okno.show();
    // KELMOR_ZRZUTY=<folder>: saves a picture of every tab and ends (for the docs).
    const QString zrzuty = qEnvironmentVariable("KELMOR_ZRZUTY");
    if (!zrzuty.isEmpty()) {
        QTimer::singleShot(300, &okno, [&] {
            zapiszZrzuty(okno, zrzuty);
            okno.edytor().ob.DaneZmienione = false;
            okno.edytor().ob.KatalogZmieniony = false;
            okno.close();
        });
    }
    return app.exec();
}

}  // namespace kelmor
