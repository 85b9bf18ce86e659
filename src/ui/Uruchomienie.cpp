#include "ui/Uruchomienie.h"

#include <QApplication>
#include <QLocale>

#include "app/Edytor.h"
#include "app/OknoGlowne.h"
#include "ui/KanalGui.h"
#include "ui/OProgramie.h"
#include "ui/Polecenia.h"
#include "ui/TEd.h"

namespace kelmor {

int uruchom(QApplication& app) {
    // "." is the decimal point for every number the program shows or reads.
    QLocale::setDefault(QLocale::c());
    KanalKomunikatowGui kanal;
    Edytor e(kanal);
    e.katalogProgramu = QApplication::applicationDirPath().toStdString();
    if (!e.katalogProgramu.empty() && e.katalogProgramu.back() != '/') e.katalogProgramu += '/';
    // Defaults and the help file check ("Brak pliku KELMOR5help.chm" ends the program).
    if (!ustawieniaStartowe(e)) return 1;
    polaczKroki(e);

    // The windows, created once in their order and kept for the whole run.
    TEd okno(e);
    OknoOProgramie oProgramie(&okno);
    okno.ustawOknoOProgramie(&oProgramie);

    // Files named on the command line: a catalogue and a data file.
    const QStringList argumenty = app.arguments();
    for (int i = 1; i < argumenty.size(); ++i) czytajPlikStartowy(e, argumenty[i].toStdString());
    okno.odswiez();
    okno.show();
    return app.exec();
}

}  // namespace kelmor
