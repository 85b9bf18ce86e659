#include "ui/OProgramie.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/Edytor.h"

namespace kelmor {

OknoOProgramie::OknoOProgramie(QWidget* rodzic) : QDialog(rodzic) {
    setObjectName("OknoOProgramie");
    setWindowTitle("O programie");
    setModal(true);
    auto* u = new QVBoxLayout(this);
    auto* nazwa = new QLabel(QString("KELMOR %1").arg(kWersjaProgramu), this);
    nazwa->setObjectName("LaNazwa");
    QFont f = nazwa->font();
    f.setPointSize(f.pointSize() + 10);
    f.setBold(true);
    nazwa->setFont(f);
    nazwa->setAlignment(Qt::AlignHCenter);
    auto* opis = new QLabel(
        "Dobór średnic i symulacja sieci gazociągowych.\n\n"
        "Program dobiera średnice rur i oblicza ustalone przepływy oraz ciśnienia\n"
        "w rozgałęzionych i pierścieniowych sieciach gazowych, od niskiego ciśnienia\n"
        "do 12000 kPa (ciśnienie bezwzględne).\n\n"
        "Wersja " +
            QString(kWersjaProgramu) + ".",
        this);
    opis->setObjectName("LaOpis");
    opis->setAlignment(Qt::AlignHCenter);
    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    u->addWidget(nazwa);
    u->addSpacing(8);
    u->addWidget(opis);
    u->addWidget(przyciski);
}

}  // namespace kelmor
