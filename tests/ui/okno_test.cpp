// The main window driven as a user drives it: keys into the network table,
// tab switches, closing, the busy panel, the information panel, help.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "app/EdycjaTabeli.h"
#include "engine/Model.h"
#include "io/KatalogRur.h"
#include "io/PlikDanych.h"
#include "model/Kolumny.h"
#include "okno_support.h"
#include "ui/Pomoc.h"

namespace kelmor::test {
namespace {

class Okno : public ::testing::Test, public OknoTest {};

TEST_F(Okno, StartujeZTytulemIStronaTytulowa) {
    EXPECT_EQ(okno->windowTitle(), "KELMOR 5.2");
    EXPECT_EQ(okno->Strony->currentIndex(), 0);
    EXPECT_EQ(okno->Strony->count(), 7);
    EXPECT_EQ(okno->Strony->tabText(3), "Tabela opisu sieci");
    EXPECT_FALSE(okno->Strony->isTabVisible(static_cast<int>(Zakladka::Wzory)));
    EXPECT_FALSE(okno->ListBoxAnalizaDanych->isVisible());
    EXPECT_FALSE(okno->ListBoxWyni->isVisible());
    EXPECT_FALSE(okno->BBElip1->isVisible());
    EXPECT_FALSE(okno->CBSklepy->isVisible());
    EXPECT_FALSE(okno->PanelTrwa->isVisible());
}

TEST_F(Okno, PrzecinekWpisanyDoKomorkiStajeSieKropka) {
    zakladka(Zakladka::TOS);
    komorka(kol::DlugoscMetry, 1);
    wpisz("1,5");
    EXPECT_EQ(grid(kol::DlugoscMetry, 1), "1.5");
    auto* edytor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(edytor, nullptr);
    EXPECT_EQ(edytor->text(), "1.5");
    // A comma as the first key opens the cell editor with a point.
    komorka(kol::ProcentDluNaOpory, 1);
    wpisz(",5");
    EXPECT_EQ(grid(kol::ProcentDluNaOpory, 1), ".5");
    // A lone point is not a number yet: its dialog, and the cell keeps the text.
    ASSERT_EQ(kanal.wpisy.size(), 1u);
    kanal.wyczysc();
    komorka(kol::JednostCeleKom, 1);
    wpisz("2,5");
    EXPECT_EQ(grid(kol::JednostCeleKom, 1), "2.5");
    EXPECT_TRUE(kanal.wpisy.empty());
    EXPECT_TRUE(e.ob.DaneZmienione);
}

TEST_F(Okno, EnterWTrakciePisaniaDopisujeWierszIPrzechodziDoNiego) {
    zakladka(Zakladka::TOS);
    komorka(kol::NumerOdcinka, 1);
    wpisz("12");
    enter();
    EXPECT_EQ(grid(kol::NumerOdcinka, 1), "12");
    EXPECT_EQ(okno->modelSieci->rowCount(), 2);
    EXPECT_EQ(okno->Grid->currentIndex().row(), 1);
    EXPECT_EQ(okno->Grid->currentIndex().column(), kol::NumerOdcinka);
    EXPECT_EQ(e.siec.wiersz, 2);
    EXPECT_EQ(grid(0, 2), "*");
    EXPECT_EQ(grid(0, 1), "");
    EXPECT_EQ(grid(kol::Sklepy, 2), "brak");
    EXPECT_EQ(grid(kol::IleOpo, 2), "0 szt");
}

TEST_F(Okno, PowtorzonyNumerOdcinkaZatrzymujeWWierszu) {
    zakladka(Zakladka::TOS);
    komorka(kol::NumerOdcinka, 1);
    wpisz("5");
    enter();
    wpisz("5");
    komorka(kol::NumerOdcinka, 1);
    ASSERT_FALSE(kanal.wpisy.empty());
    EXPECT_EQ(kanal.wpisy.back().tekst, "W wierszach 1 , 2 powtarzają się numery odcinka.");
    EXPECT_EQ(okno->Grid->currentIndex().row(), 1);
    EXPECT_EQ(e.siec.wiersz, 2);
    // With another number the move goes through.
    wpisz("6");
    kanal.wyczysc();
    komorka(kol::NumerOdcinka, 1);
    EXPECT_TRUE(kanal.wpisy.empty());
    EXPECT_EQ(okno->Grid->currentIndex().row(), 0);
}

TEST_F(Okno, MenuTabeliSaWidoczneTylkoNaJejZakladce) {
    const QMenu* menu[] = {okno->menuEdycja, okno->menuSzukaj, okno->menuNarzedzia,
                           okno->menuOpcje};
    for (int i = 0; i <= static_cast<int>(Zakladka::Obliczenia); ++i) {
        zakladka(static_cast<Zakladka>(i));
        const bool tos = i == static_cast<int>(Zakladka::TOS);
        EXPECT_EQ(e.okno.menuEdycja, tos) << i;
        EXPECT_EQ(e.okno.menuSzukaj, tos) << i;
        EXPECT_EQ(e.okno.menuNarzedzia, tos) << i;
        EXPECT_EQ(e.okno.menuOpcje, tos) << i;
        if (!tos) {
            for (const QMenu* m : menu) EXPECT_FALSE(m->menuAction()->isVisible()) << i;
        }
    }
    EXPECT_TRUE(okno->menuPlik->menuAction()->isVisible());
    EXPECT_TRUE(okno->menuPomoc->menuAction()->isVisible());
}

TEST_F(Okno, KolumnyWynikowZnikajaPoEdycji) {
    // Results as a calculation leaves them.
    e.ob.Grid.ustawLiczbeKolumn(LiczbaKolumnZWynikami);
    e.ob.Grid.ustawTekst(kol::Qoblicz, 1, "12.5");
    e.ob.WynikiAktualne = true;
    e.ob.PotrzebnaAnaliza = false;
    zakladka(Zakladka::TOS);
    EXPECT_EQ(okno->modelSieci->columnCount(), LiczbaKolumnZWynikami);
    EXPECT_EQ(okno->Grid->currentIndex().column(), LiczbaKolumnZWynikami - 1);
    komorka(kol::DlugoscMetry, 1);
    wpisz("7");
    EXPECT_EQ(okno->modelSieci->columnCount(), LiczbaKolumnDanych);
    EXPECT_FALSE(e.ob.WynikiAktualne);
    // The editor keeps working after the columns went.
    wpisz("5");
    EXPECT_EQ(grid(kol::DlugoscMetry, 1), "75");
}

TEST_F(Okno, ObliczenieNaPrzykladziePokazujeWyniki) {
    ASSERT_TRUE(CzytajKatalogRur(e.ob, kanal, KELMOR_EXAMPLES_DIR "/rury.rur"));
    ASSERT_TRUE(CzytajPlikDanych(e.ob, kanal, KELMOR_EXAMPLES_DIR "/osiedle.gaz"));
    e.ob.PotrzebnaAnaliza = true;
    okno->odswiez();
    zakladka(Zakladka::Obliczenia);
    EXPECT_FALSE(okno->GridOsie->item(2, 1)->text().isEmpty());
    ASSERT_TRUE(okno->BuOblicz->isEnabled()) << e.ob.LaRaport2;
    QTest::mouseClick(okno->BuOblicz, Qt::LeftButton);
    if (e.ob.LaRaport2 == "Brak modułu obliczeń.") GTEST_SKIP() << "no calculation in this build";
    EXPECT_EQ(okno->LaRaport1->text().toStdString(), e.ob.LaRaport1);
    EXPECT_TRUE(e.ob.WynikiAktualne);
    zakladka(Zakladka::TOS);
    EXPECT_EQ(okno->modelSieci->columnCount(), LiczbaKolumnZWynikami);
    EXPECT_FALSE(okno->modelSieci->data(okno->modelSieci->index(0, kol::Qoblicz), Qt::DisplayRole)
                     .toString()
                     .isEmpty());
}

TEST_F(Okno, ZamykanieZadajeObaPytania) {
    kanal.odpowiedz = false;
    e.ob.DaneZmienione = true;
    e.ob.RurGrid.ustawTekst(kol::Dn, 1, "100");
    e.ob.liczbaRur = 1;
    e.ob.KatalogZmieniony = true;
    EXPECT_FALSE(okno->close());
    EXPECT_TRUE(okno->isVisible());
    const std::vector<std::string> pytania = {
        "Ostatnia wersja danych nie została zapamiętana! Czy może zniknąć?",
        "Katalog rur nie został zapamiętany! Czy może zniknąć?"};
    EXPECT_EQ(kanal.teksty(), pytania);
    kanal.wyczysc();
    kanal.odpowiedz = true;
    EXPECT_TRUE(okno->close());
    EXPECT_EQ(kanal.teksty(), pytania);
}

TEST_F(Okno, ZamykanieBezZmianNicNiePyta) {
    kanal.odpowiedz = false;
    QTest::mouseClick(okno->BuKoniec, Qt::LeftButton);
    EXPECT_FALSE(okno->isVisible());
    EXPECT_TRUE(kanal.wpisy.empty());
}

TEST_F(Okno, PrzeciagniecieMarginesuPrzenosiWiersz) {
    zakladka(Zakladka::TOS);
    komorka(kol::NumerOdcinka, 1);
    wpisz("1");
    enter();
    wpisz("2");
    enter();
    wpisz("3");
    komorka(kol::NumerOdcinka, 1);
    QWidget* v = okno->Grid->viewport();
    const QRect z = okno->Grid->visualRect(okno->modelSieci->index(0, 0));
    const QRect na = okno->Grid->visualRect(okno->modelSieci->index(2, 0));
    QTest::mousePress(v, Qt::LeftButton, {}, z.center());
    QTest::mouseMove(v, na.center());
    QTest::mouseRelease(v, Qt::LeftButton, {}, na.center());
    EXPECT_EQ(grid(kol::NumerOdcinka, 1), "2");
    EXPECT_EQ(grid(kol::NumerOdcinka, 2), "3");
    EXPECT_EQ(grid(kol::NumerOdcinka, 3), "1");
    EXPECT_TRUE(e.ob.PotrzebnaAnaliza);
}

TEST_F(Okno, WycofanyWierszZostajeWTabeli) {
    zakladka(Zakladka::TOS);
    komorka(kol::NumerOdcinka, 1);
    wpisz("4");
    QTest::mouseClick(okno->Button8, Qt::LeftButton);
    EXPECT_TRUE(wierszSieciWycofany(e, 1));
    EXPECT_EQ(grid(kol::NumerOdcinka, 1), "4");
    QTest::mouseClick(okno->Button8, Qt::LeftButton);
    EXPECT_FALSE(wierszSieciWycofany(e, 1));
}

TEST_F(Okno, PodpowiedzKolumnyNaPaskuStanu) {
    zakladka(Zakladka::TOS);
    const QRect r = okno->Grid->visualRect(okno->modelSieci->index(0, kol::DlugoscMetry));
    QTest::mouseMove(okno->Grid->viewport(), r.center());
    EXPECT_EQ(okno->StaHint->currentMessage(), "Rzeczywista długość odcinka");
}

TEST_F(Okno, PanelInformacjiZnikaPoCzasie) {
    e.pokazInformacje("Dane zostały zapisane");
    okno->odswiez();
    EXPECT_TRUE(okno->PanelInformacji->isVisible());
    EXPECT_EQ(okno->PanelInformacji->text(), "  Dane zostały zapisane");
    EXPECT_TRUE(okno->Timerhint->isActive());
    EXPECT_EQ(okno->Timerhint->interval(), 7000);
    okno->Timerhint->start(1);
    QTest::qWait(30);
    EXPECT_FALSE(okno->PanelInformacji->isVisible());
    EXPECT_EQ(okno->Timerhint->interval(), 7000);
    EXPECT_EQ(okno->PanelInformacji->parentWidget(), okno->Trasa);
}

TEST_F(Okno, WyborWzoruUproszczonego) {
    zakladka(Zakladka::Obliczenia);
    EXPECT_TRUE(okno->CBstrata->isVisible());
    okno->CBstrata->setCurrentIndex(2);
    emit okno->CBstrata->activated(2);
    EXPECT_TRUE(okno->Strony->isTabVisible(static_cast<int>(Zakladka::Wzory)));
    EXPECT_TRUE(okno->LaJakiWzor->isVisible());
    EXPECT_EQ(okno->LaJakiWzor->text(), "Nie wybrano wzoru");
    EXPECT_EQ(e.ob.OpisMetody, "Nie wybrano wzoru");
    okno->LBWzory->setCurrentRow(4);
    EXPECT_EQ(e.ob.parametry.wzory.wzor, 4);
    EXPECT_EQ(okno->LaJakiWzor->text().toStdString(), "Wybrano wzór " + tekstWzoru(4));
    EXPECT_EQ(e.ob.OpisMetody, "Wzór " + tekstWzoru(4));
    okno->CBstrata->setCurrentIndex(0);
    emit okno->CBstrata->activated(0);
    EXPECT_FALSE(okno->LaJakiWzor->isVisible());
    EXPECT_FALSE(okno->Strony->isTabVisible(static_cast<int>(Zakladka::Wzory)));
    EXPECT_EQ(e.ob.OpisMetody, "Metoda dokładna");
}

// Records what the busy panel shows at the moment it appears.
class ObserwatorPanelu : public QObject {
  public:
    int pokazan = 0;
    QString tekst;
    bool kursor = false;
    bool eventFilter(QObject* o, QEvent* ev) override {
        if (ev->type() == QEvent::Show) {
            ++pokazan;
            tekst = static_cast<QLabel*>(o)->text();
            kursor = QApplication::overrideCursor() &&
                     QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        }
        return false;
    }
};

TEST_F(Okno, AnalizaBiegnieZaPanelemTrwaZKursoremOczekiwania) {
    ObserwatorPanelu obserwator;
    okno->PanelTrwa->installEventFilter(&obserwator);
    zakladka(Zakladka::Obliczenia);
    EXPECT_EQ(obserwator.pokazan, 1);
    EXPECT_TRUE(obserwator.kursor);
    EXPECT_EQ(obserwator.tekst, "Trwa wstępna analiza danych. Proszę czekać.");
    EXPECT_FALSE(okno->PanelTrwa->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(e.ob.PotrzebnaAnaliza);
    // A second visit without edits runs no analysis behind the panel.
    zakladka(Zakladka::TOS);
    zakladka(Zakladka::Obliczenia);
    EXPECT_EQ(obserwator.pokazan, 1);
}

TEST_F(Okno, OdczytDanychZMenuWypelniaPolaIPodpis) {
    std::vector<DialogPliku> dialogi;
    const std::string plik = KELMOR_EXAMPLES_DIR "/osiedle.gaz";
    ustawDialogPliku([&](const DialogPliku& d) -> std::optional<std::string> {
        dialogi.push_back(d);
        return plik;
    });
    okno->actOdczytDanych->trigger();
    ustawDialogPliku({});
    ASSERT_EQ(dialogi.size(), 1u);
    EXPECT_EQ(dialogi[0].tytul, "Odczyt danych z pliku");
    EXPECT_FALSE(dialogi[0].zapis);
    EXPECT_EQ(okno->windowTitle().toStdString(), "KELMOR 5.2 " + plik);
    EXPECT_EQ(okno->EdTytu->text(), "Osiedle Zielone Wzgórze - sieć niskiego ciśnienia");
    EXPECT_EQ(okno->EdPminDop->text(), "1.8");
    EXPECT_EQ(okno->Strony->currentIndex(), static_cast<int>(Zakladka::Cisn));
    EXPECT_FALSE(e.ob.DaneZmienione);
    EXPECT_TRUE(e.ob.PotrzebnaAnaliza);
    EXPECT_EQ(okno->modelSieci->rowCount(), e.ob.Grid.liczbaWierszy() - 1);
}

TEST_F(Okno, AnulowanyDialogNicNieZmienia) {
    ustawDialogPliku([](const DialogPliku&) -> std::optional<std::string> { return std::nullopt; });
    okno->actOdczytDanych->trigger();
    okno->actZapisXml->trigger();
    ustawDialogPliku({});
    EXPECT_EQ(okno->windowTitle(), "KELMOR 5.2");
    EXPECT_EQ(okno->EdTytu->text(), "");
    EXPECT_FALSE(e.ob.DaneZmienione);
}

TEST_F(Okno, WyborHandluWKolumnie12) {
    zakladka(Zakladka::TOS);
    komorka(kol::Sklepy, 1);
    ASSERT_TRUE(okno->CBSklepy->isVisible());
    EXPECT_EQ(okno->CBSklepy->currentText(), "brak");
    const QRect r = okno->Grid->visualRect(okno->modelSieci->index(0, kol::Sklepy));
    EXPECT_EQ(okno->CBSklepy->geometry().left(), r.left() + 2);
    okno->CBSklepy->setCurrentIndex(0);
    emit okno->CBSklepy->activated(0);
    EXPECT_EQ(grid(kol::Sklepy, 1), "jest");
    EXPECT_TRUE(e.ob.DaneZmienione);
    komorka(kol::PoborOdc, 1);
    EXPECT_FALSE(okno->CBSklepy->isVisible());
}

TEST_F(Okno, TrasaBudowanaZPolaWezla) {
    ASSERT_TRUE(CzytajPlikDanych(e.ob, kanal, KELMOR_EXAMPLES_DIR "/osiedle.gaz"));
    e.ob.trasa.clear();
    okno->odswiez();
    zakladka(Zakladka::Trasa);
    for (const char* w : {"ST1", "W01", "W02"}) {
        QTest::keyClicks(okno->EdTempWez, w);
        QTest::keyClick(okno->EdTempWez, Qt::Key_Return);
    }
    // Not joined to W02 by a segment: refused with its dialog.
    QTest::keyClicks(okno->EdTempWez, "W12");
    QTest::keyClick(okno->EdTempWez, Qt::Key_Return);
    ASSERT_EQ(okno->LBMojaTrasa->count(), 3);
    EXPECT_EQ(okno->LBMojaTrasa->item(2)->text(), "W02");
    EXPECT_EQ(kanal.teksty().back(), "Nie ma takiego odcinka: (W02 - W12)");
    EXPECT_EQ(e.ob.trasa[1].dlugosc, 50);
    QTest::mouseClick(okno->BuTrasa1, Qt::LeftButton);
    EXPECT_EQ(okno->LBMojaTrasa->count(), 2);
    QTest::mouseClick(okno->BuTrasa2, Qt::LeftButton);
    EXPECT_EQ(okno->LBMojaTrasa->count(), 0);
}

TEST(PlikPomocy, LezyObokProgramuIMaKazdyTemat) {
    const QString plik = QString(KELMOR_BIN_DIR) + "/KELMOR5help.chm";
    ASSERT_TRUE(QFile::exists(plik));
    OknoPomocy pomoc(plik);
    for (int temat : {10, 13, 20, 25, 30, 40, 41, 42, 45, 85, 110, 180, 190, 300, 310, 320})
        EXPECT_TRUE(pomoc.maTemat(temat)) << temat;
    EXPECT_FALSE(pomoc.maTemat(9999));
}

TEST_F(Okno, PrzewodnikOtwieraTematZakladki) {
    okno->SBuPrzewo->click();
    EXPECT_TRUE(e.okno.TrybPrzewodnika);
    EXPECT_EQ(okno->pomoc()->aktualnyTemat(), 20);
    zakladka(Zakladka::Cisn);
    EXPECT_EQ(okno->pomoc()->aktualnyTemat(), 30);
    okno->pomoc()->close();
}

}  // namespace
}  // namespace kelmor::test
