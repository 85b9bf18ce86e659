#pragma once
// The main window: seven tab sheets, the main menu and the three tables.
// It lays out the controls, forwards every event to the editor behaviour
// (src/app) and then shows the editor's state again (odswiez).
#include <QMainWindow>
#include <QSet>
#include <functional>
#include <string>

#include "app/Edytor.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;

namespace kelmor {

class ModelTabeli;
class WidokTabeli;
class OknoPomocy;
class OknoOProgramie;

class TEd : public QMainWindow {
    Q_OBJECT
  public:
    explicit TEd(Edytor& e, QWidget* rodzic = nullptr);
    ~TEd() override;

    Edytor& edytor() { return e_; }
    // Shows the editor's state: caption, tab, menus, tables, fields, lists,
    // buttons, focus, help topics asked for and the information panel.
    void odswiez();

    OknoPomocy* pomoc() const { return pomoc_; }
    void ustawOknoOProgramie(OknoOProgramie* o) { oProgramie_ = o; }

    // Shows or hides the "Proszę czekać" panel with the wait cursor, for the
    // long steps of the preparation and the calculation.
    std::function<void(bool, const std::string&)> panelTrwa();

    // The controls, by their names (tests reach them as well).
    QTabWidget* Strony = nullptr;
    QWidget *Ogolne = nullptr, *KatRur = nullptr, *Cisn = nullptr, *TOS = nullptr, *Trasa = nullptr,
            *Obliczenia = nullptr, *Wzory = nullptr;
    QMenu *menuPlik = nullptr, *menuEdycja = nullptr, *menuSzukaj = nullptr,
          *menuNarzedzia = nullptr, *menuOpcje = nullptr, *menuPomoc = nullptr;
    QAction *actOdczytKatalogu = nullptr, *actOdczytDanych = nullptr, *actOdczytXml = nullptr,
            *actImportNowe = nullptr, *actImportZmiany = nullptr, *actZapisKatalogu = nullptr,
            *actZapisDanych = nullptr, *actZapisXml = nullptr, *actKoniec = nullptr,
            *actSpisTresci = nullptr, *actAutor = nullptr;

    // "Strona tytułowa"
    QToolButton* SBuPrzewo = nullptr;
    QPushButton* BuKoniec = nullptr;
    // "Katalog rur"
    ModelTabeli* modelRur = nullptr;
    WidokTabeli* RurGrid = nullptr;
    QPushButton *BuNowyRu = nullptr, *BuWstawRu = nullptr, *BuKasujZr = nullptr;
    // "Obiekt"
    QLineEdit *EdTytu = nullptr, *EdPminDop = nullptr, *EdT = nullptr, *EddGazu = nullptr,
              *EdHs = nullptr, *EdChro = nullptr, *Edlz = nullptr;
    QLineEdit* EdQ1W[4] = {};
    QComboBox *CBjed1 = nullptr, *CBKomuna = nullptr, *CBUrban = nullptr;
    QLabel* Lajed1 = nullptr;
    QToolButton* BBhelp320 = nullptr;
    ModelTabeli* modelZrodel = nullptr;
    WidokTabeli* ZrodlaGrid = nullptr;
    QPushButton *BuNowyZr = nullptr, *BuWstawZr = nullptr, *SpeedButton3 = nullptr;
    QStatusBar* StaZrodla = nullptr;
    // "Tabela opisu sieci"
    ModelTabeli* modelSieci = nullptr;
    WidokTabeli* Grid = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *SBWstawnaK = nullptr, *SBWstawM = nullptr, *Button8 = nullptr, *Button9 = nullptr,
                *SpeedButton13 = nullptr, *Button7 = nullptr, *BuDn0 = nullptr, *Button10 = nullptr,
                *Button12 = nullptr, *SBTabelka = nullptr;
    QToolButton* BBElip1 = nullptr;
    QComboBox* CBSklepy = nullptr;
    QStatusBar* StaHint = nullptr;
    // "Moja trasa"
    QListWidget* LBMojaTrasa = nullptr;
    QToolButton* MojaTrasaArrow = nullptr;
    QLineEdit* EdTempWez = nullptr;
    QPushButton *BuTrasa1 = nullptr, *BuTrasa2 = nullptr;
    QLabel* PanelInformacji = nullptr;
    // "Obliczenia"
    QTableWidget* GridOsie = nullptr;
    QListWidget* ListBoxAnalizaDanych = nullptr;
    QPushButton *BuSchemat = nullptr, *BuDrukDane = nullptr, *BuOblicz = nullptr;
    QLabel *Lawybor1 = nullptr, *LaJakiWzor = nullptr, *Lamnoznik = nullptr;
    QComboBox* CBstrata = nullptr;
    QToolButton *BBhelp300 = nullptr, *BBhelp310 = nullptr;
    QLineEdit* Edmnoznik = nullptr;
    QGroupBox* Raport = nullptr;
    QLabel *LaRaport1 = nullptr, *LaRaport2 = nullptr;
    QListWidget* ListBoxWyni = nullptr;
    QPushButton *BuRozklad = nullptr, *BuLiCi = nullptr, *BuDruWyni = nullptr, *BuKoniec2 = nullptr;
    QLabel* PanelTrwa = nullptr;
    // "Wzory uproszczone"
    QListWidget* LBWzory = nullptr;
    QTimer* Timerhint = nullptr;

  protected:
    bool eventFilter(QObject* o, QEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    void resizeEvent(QResizeEvent* ev) override;

  private:
    void budujMenu();
    QWidget* budujOgolne();
    QWidget* budujKatalog();
    QWidget* budujObiekt();
    QWidget* budujTabeleSieci();
    QWidget* budujTrase();
    QWidget* budujObliczenia();
    QWidget* budujWzory();
    void podlaczTabele();

    // Runs one editor command and shows the state afterwards.
    void wykonaj(const std::function<void()>& polecenie);
    void zmianaZakladki(int indeks);
    void pokazPola();
    void pokazTabele();
    void pokazKolumnyUkryte();
    void pokazCBSklepy();
    void pokazListy();
    void ulozTrase();
    void pokazMetode();
    void pokazStatus();
    void pokazInformacje(const QString& tekst);
    void ukryjInformacje();
    void ustawFokus();
    void oblicz();
    void wybierzMetode(int indeks);
    void wybierzWzor(int indeks);
    void odczytPliku(int rodzaj);
    void zapisPliku(int rodzaj);
    void fokusZmieniony(QWidget* stary, QWidget* nowy);

    Edytor& e_;
    OknoPomocy* pomoc_ = nullptr;
    OknoOProgramie* oProgramie_ = nullptr;
    int synchronizacja_ = 0;
    bool zajety_ = false;
    int widzianaInformacja_ = 0;
    QSet<int> ukryteKolumny_;
    QWidget* rodzicInformacji_ = nullptr;
};

}  // namespace kelmor
