#include "ui/TEd.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/EdycjaObiektu.h"
#include "app/EdycjaTabeli.h"
#include "app/MojaTrasa.h"
#include "app/OknoGlowne.h"
#include "app/Przygotowanie.h"
#include "model/Kolumny.h"
#include "model/Parametry.h"
#include "ui/OProgramie.h"
#include "ui/Polecenia.h"
#include "ui/Pomoc.h"
#include "ui/Tabele.h"

namespace kelmor {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& t) {
    return t.toStdString();
}

// Title page: a quiet gradient with a sketch of a pipe network behind the
// program name.
class StronaTytulowa : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, width(), height());
        g.setColorAt(0, QColor(0xdc, 0xe8, 0xf4));
        g.setColorAt(1, QColor(0x9c, 0xb8, 0xd8));
        p.fillRect(rect(), g);
        p.setPen(QPen(QColor(255, 255, 255, 120), 6, Qt::SolidLine, Qt::RoundCap));
        const int w = width(), h = height();
        const QPoint wezly[] = {{w / 10, h * 7 / 10},     {w * 3 / 10, h * 6 / 10},
                                {w / 2, h * 8 / 10},      {w * 7 / 10, h * 6 / 10},
                                {w * 9 / 10, h * 7 / 10}, {w * 3 / 10, h * 9 / 10},
                                {w * 7 / 10, h * 9 / 10}};
        const int odcinki[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {1, 5}, {5, 2}, {2, 6}, {6, 3}};
        for (const auto& o : odcinki) p.drawLine(wezly[o[0]], wezly[o[1]]);
        p.setBrush(QColor(255, 255, 255, 160));
        p.setPen(Qt::NoPen);
        for (const auto& pt : wezly) p.drawEllipse(pt, 8, 8);
    }
};

QToolButton* przyciskPomocy(QWidget* rodzic, const char* nazwa) {
    auto* b = new QToolButton(rodzic);
    b->setObjectName(nazwa);
    b->setText("?");
    b->setToolTip("Pomoc");
    b->setAutoRaise(false);
    return b;
}

QLabel* etykieta(const QString& tekst, QWidget* rodzic) {
    auto* l = new QLabel(tekst, rodzic);
    return l;
}

}  // namespace

TEd::TEd(Edytor& e, QWidget* rodzic) : QMainWindow(rodzic), e_(e) {
    setObjectName("TEd");
    setWindowTitle(q(e_.okno.tytul));

    pomoc_ = new OknoPomocy(q(sciezkaPomocy(e_)), this);

    Strony = new QTabWidget(this);
    Strony->setObjectName("Strony");
    Strony->addTab(Ogolne = budujOgolne(), q(tytulZakladki(Zakladka::Ogolne)));
    Strony->addTab(KatRur = budujKatalog(), q(tytulZakladki(Zakladka::KatRur)));
    Strony->addTab(Cisn = budujObiekt(), q(tytulZakladki(Zakladka::Cisn)));
    Strony->addTab(TOS = budujTabeleSieci(), q(tytulZakladki(Zakladka::TOS)));
    Strony->addTab(Trasa = budujTrase(), q(tytulZakladki(Zakladka::Trasa)));
    Strony->addTab(Obliczenia = budujObliczenia(), q(tytulZakladki(Zakladka::Obliczenia)));
    Strony->addTab(Wzory = budujWzory(), q(tytulZakladki(Zakladka::Wzory)));
    Strony->setTabVisible(static_cast<int>(Zakladka::Wzory), false);
    setCentralWidget(Strony);
    budujMenu();
    podlaczTabele();

    Timerhint = new QTimer(this);
    Timerhint->setObjectName("Timerhint");
    Timerhint->setSingleShot(true);
    Timerhint->setInterval(7000);
    connect(Timerhint, &QTimer::timeout, this, &TEd::ukryjInformacje);

    connect(Strony, &QTabWidget::currentChanged, this, &TEd::zmianaZakladki);
    connect(qApp, &QApplication::focusChanged, this, &TEd::fokusZmieniony);

    // F1 opens the topic of the active tab; the window's own topic is 13.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        const int t = tematPomocyZakladki(static_cast<Zakladka>(Strony->currentIndex()));
        wykonaj([&] { e_.otworzPomoc(t > 0 ? t : 13); });
    });

    // The long steps of the preparation and the calculation run behind the
    // busy panel.
    e_.przygotowanieObliczen = [this](Edytor& ed) { przygotujObliczenia(ed, panelTrwa()); };
    if (e_.analizaWstepna) {
        auto krok = e_.analizaWstepna;
        e_.analizaWstepna = [this, krok](Edytor& ed) {
            const auto panel = panelTrwa();
            panel(true, "Trwa wstępna analiza danych. Proszę czekać.");
            krok(ed);
            panel(false, "");
        };
    }

    resize(1180, 720);
    odswiez();
}

TEd::~TEd() = default;

// ------------------------------------------------------------------ menus

void TEd::budujMenu() {
    menuPlik = menuBar()->addMenu("&Plik");
    menuPlik->setObjectName("Plik");
    actOdczytKatalogu = menuPlik->addAction("Odczyt katalogu r&ur z pliku (*.rur)...");
    actOdczytDanych = menuPlik->addAction("Odczyt d&anych z pliku (*.gaz) lub (*.gas)...");
    actOdczytDanych->setShortcut(QKeySequence("Ctrl+G"));
    actOdczytXml = menuPlik->addAction("Odczyt danych z pliku (*.xml)...");
    QMenu* import = menuPlik->addMenu("Import danych z PROFIL (*.pro)...");
    import->setObjectName("ImportPROFIL");
    actImportNowe = import->addAction("Nowe dane z PROFIL...");
    actImportNowe->setShortcut(QKeySequence("Ctrl+I"));
    actImportZmiany = import->addAction("Zmiany w danych...");
    actImportZmiany->setShortcut(QKeySequence("Ctrl+P"));
    menuPlik->addSeparator();
    actZapisKatalogu = menuPlik->addAction("Zapis katalogu &rur do pliku (*.rur)...");
    actZapisDanych = menuPlik->addAction("Zapis &danych do pliku (*.gaz) lub (*.gas)...");
    actZapisDanych->setShortcut(QKeySequence("Ctrl+S"));
    actZapisXml = menuPlik->addAction("Zapis danych do pliku (*.xml)...");
    menuPlik->addSeparator();
    actKoniec = menuPlik->addAction("Koniec pracy");
    connect(actKoniec, &QAction::triggered, this, &QWidget::close);

    connect(actOdczytKatalogu, &QAction::triggered, this, [this] { odczytPliku(PlikRur); });
    connect(actOdczytDanych, &QAction::triggered, this, [this] { odczytPliku(PlikGaz); });
    connect(actOdczytXml, &QAction::triggered, this, [this] { odczytPliku(PlikXml); });
    connect(actImportNowe, &QAction::triggered, this, [this] { odczytPliku(PlikProNowe); });
    connect(actImportZmiany, &QAction::triggered, this, [this] { odczytPliku(PlikProZmiany); });
    connect(actZapisKatalogu, &QAction::triggered, this, [this] { zapisPliku(PlikRur); });
    connect(actZapisDanych, &QAction::triggered, this, [this] { zapisPliku(PlikGaz); });
    connect(actZapisXml, &QAction::triggered, this, [this] { zapisPliku(PlikXml); });
    // Commands whose file format is not part of this build stay out of the menu.
    actOdczytKatalogu->setVisible(polecenieDostepne(PlikRur));
    actZapisKatalogu->setVisible(polecenieDostepne(PlikRur));
    actOdczytDanych->setVisible(polecenieDostepne(PlikGaz));
    actZapisDanych->setVisible(polecenieDostepne(PlikGaz));
    actOdczytXml->setVisible(polecenieDostepne(PlikXml));
    actZapisXml->setVisible(polecenieDostepne(PlikXml));
    actImportNowe->setVisible(polecenieDostepne(PlikProNowe));
    actImportZmiany->setVisible(polecenieDostepne(PlikProZmiany));
    import->menuAction()->setVisible(polecenieDostepne(PlikProNowe));

    // Menus of the network table tab. Their tools are separate windows;
    // the menu shows only when it holds a command of this build.
    menuEdycja = menuBar()->addMenu("Edycja");
    menuEdycja->setObjectName("Edycja");
    menuSzukaj = menuBar()->addMenu("Szukaj");
    menuSzukaj->setObjectName("Szukaj");
    menuNarzedzia = menuBar()->addMenu("&Narzędzia");
    menuNarzedzia->setObjectName("Narzedzia");
    menuOpcje = menuBar()->addMenu("&Opcje");
    menuOpcje->setObjectName("Opcje");

    menuPomoc = menuBar()->addMenu("Pomoc");
    menuPomoc->setObjectName("Pomoc");
    actSpisTresci = menuPomoc->addAction("Spis treści");
    actAutor = menuPomoc->addAction("Autor programu");
    connect(actSpisTresci, &QAction::triggered, this,
            [this] { wykonaj([&] { e_.otworzPomoc(10); }); });
    connect(actAutor, &QAction::triggered, this, [this] {
        if (oProgramie_) oProgramie_->exec();
    });
}

// ------------------------------------------------------------------ tabs

QWidget* TEd::budujOgolne() {
    auto* w = new StronaTytulowa(this);
    w->setObjectName("Ogolne");
    auto* u = new QVBoxLayout(w);
    u->setContentsMargins(40, 30, 40, 30);
    auto* la1 = new QLabel("KELMOR", w);
    QFont f = la1->font();
    f.setPointSize(44);
    f.setBold(true);
    la1->setFont(f);
    la1->setStyleSheet("color: #17375e;");
    auto* la2 = new QLabel("Dobór średnic i symulacja", w);
    auto* la3 = new QLabel("sieci  gazociągowych", w);
    QFont f2 = la2->font();
    f2.setPointSize(20);
    la2->setFont(f2);
    la3->setFont(f2);
    la2->setStyleSheet("color: #17375e;");
    la3->setStyleSheet("color: #17375e;");
    for (auto* l : {la1, la2, la3}) l->setAlignment(Qt::AlignHCenter);
    u->addStretch(1);
    u->addWidget(la1);
    u->addWidget(la2);
    u->addWidget(la3);
    u->addStretch(2);
    auto* dol = new QHBoxLayout;
    SBuPrzewo = new QToolButton(w);
    SBuPrzewo->setObjectName("SBuPrzewo");
    SBuPrzewo->setText("Przewodnik");
    SBuPrzewo->setToolTip("Do każdej zakładki dołącza objaśnienia");
    SBuPrzewo->setCheckable(true);
    SBuPrzewo->setMinimumSize(120, 32);
    BuKoniec = new QPushButton("Koniec pracy", w);
    BuKoniec->setObjectName("BuKoniec");
    BuKoniec->setToolTip("Wyjście do WINDOWS");
    BuKoniec->setMinimumSize(120, 32);
    dol->addWidget(SBuPrzewo);
    dol->addStretch(1);
    dol->addWidget(BuKoniec);
    u->addLayout(dol);
    connect(SBuPrzewo, &QToolButton::toggled, this,
            [this](bool wcisniety) { wykonaj([&] { przelaczPrzewodnik(e_, wcisniety); }); });
    connect(BuKoniec, &QPushButton::clicked, this, &QWidget::close);
    return w;
}

QWidget* TEd::budujKatalog() {
    auto* w = new QWidget(this);
    w->setObjectName("KatRur");
    auto* u = new QHBoxLayout(w);
    modelRur = new ModelTabeli(RodzajWidoku::Katalog, e_.ob, this);
    RurGrid = new WidokTabeli(modelRur, w);
    RurGrid->setObjectName("RurGrid");
    RurGrid->setMinimumWidth(330);
    RurGrid->setMaximumWidth(460);
    u->addWidget(RurGrid, 0);
    auto* prawa = new QVBoxLayout;
    BuNowyRu = new QPushButton("Wstaw nowy wiersz na &koniec tabeli", w);
    BuNowyRu->setObjectName("BuNowyRu");
    BuNowyRu->setToolTip("Przygotowuje pusty wiersz do wypełnienia");
    BuWstawRu = new QPushButton("Wstaw nowy wiersz &między wiersze  ", w);
    BuWstawRu->setObjectName("BuWstawRu");
    BuWstawRu->setToolTip("Przygotowuje pusty wiersz do wypełnienia");
    BuKasujZr = new QPushButton("Kasuj wskazany wiersz", w);
    BuKasujZr->setObjectName("BuKasujZr");
    BuKasujZr->setToolTip("Usuwa wiersz z tabeli");
    for (auto* b : {BuNowyRu, BuWstawRu, BuKasujZr}) prawa->addWidget(b);
    prawa->addSpacing(24);
    for (const char* l : kLegendaKatalogu) prawa->addWidget(etykieta(q(l), w));
    prawa->addSpacing(24);
    prawa->addWidget(etykieta("Lewy margines tabeli służy do przemieszczania wierszy", w));
    prawa->addWidget(etykieta("metodą 'ciągnij i upuść'.", w));
    prawa->addStretch(1);
    auto* kolumna = new QWidget(w);
    kolumna->setLayout(prawa);
    kolumna->setMaximumWidth(440);
    u->addWidget(kolumna, 0, Qt::AlignTop);
    u->addStretch(1);
    connect(BuNowyRu, &QPushButton::clicked, this,
            [this] { wykonaj([&] { wstawWierszNaKoniec(e_, TabelaEdytora::Katalog); }); });
    connect(BuWstawRu, &QPushButton::clicked, this,
            [this] { wykonaj([&] { wstawWierszMiedzy(e_, TabelaEdytora::Katalog); }); });
    connect(BuKasujZr, &QPushButton::clicked, this,
            [this] { wykonaj([&] { usunBiezacyWiersz(e_, TabelaEdytora::Katalog); }); });
    return w;
}

QWidget* TEd::budujObiekt() {
    auto* w = new QWidget(this);
    w->setObjectName("Cisn");
    auto* u = new QVBoxLayout(w);
    auto* gora = new QHBoxLayout;

    auto* pola = new QGridLayout;
    pola->setHorizontalSpacing(8);
    auto pole = [&](int wiersz, const QString& opis, const char* nazwa, const QString& jednostka,
                    PoleObiektu p) {
        auto* ed = new QLineEdit(w);
        ed->setObjectName(nazwa);
        ed->setMaximumWidth(110);
        pola->addWidget(etykieta(opis, w), wiersz, 0);
        pola->addWidget(ed, wiersz, 1);
        if (!jednostka.isEmpty()) pola->addWidget(etykieta(jednostka, w), wiersz, 2);
        connect(ed, &QLineEdit::textEdited, this, [this, ed, p](const QString& t) {
            std::string wynik;
            wykonaj([&] { wynik = zmienPole(e_, p, s(t)); });
            if (ed->text() != q(wynik)) {
                const int kursor = ed->cursorPosition();
                ed->setText(q(wynik));
                ed->setCursorPosition(kursor);
            }
        });
        return ed;
    };
    EdTytu = new QLineEdit(w);
    EdTytu->setObjectName("EdTytu");
    EdTytu->setToolTip("Dowolny tekst");
    pola->addWidget(etykieta("Obiekt", w), 0, 0);
    pola->addWidget(EdTytu, 0, 1, 1, 3);
    connect(EdTytu, &QLineEdit::textEdited, this, [this](const QString& t) {
        wykonaj([&] { zmienPole(e_, PoleObiektu::EdTytu, s(t)); });
    });
    CBjed1 = new QComboBox(w);
    CBjed1->setObjectName("CBjed1");
    for (const char* o : kOpisyJednostek) CBjed1->addItem(q(o));
    pola->addWidget(etykieta("Wybór jednostki dla ciśnień", w), 1, 0);
    pola->addWidget(CBjed1, 1, 1);
    connect(CBjed1, &QComboBox::activated, this,
            [this](int i) { wykonaj([&] { zmienJednostke(e_, i); }); });
    EdPminDop = pole(2, "Najmniejsze dopuszczalne nadciśnienie w sieci", "EdPminDop", "",
                     PoleObiektu::EdPminDop);
    Lajed1 = new QLabel(w);
    Lajed1->setObjectName("Lajed1");
    pola->addWidget(Lajed1, 2, 2);
    EdT = pole(3, "Temperatura gazu", "EdT", "st. C", PoleObiektu::EdT);
    EddGazu = pole(4, "Gęstość względna gazu", "EddGazu", "--", PoleObiektu::EddGazu);
    EdHs = pole(5, "Ciepło spalania", "EdHs", "MJ/m3", PoleObiektu::EdHs);
    EdChro = pole(6, "Domyślna chropowatość", "EdChro", "mm", PoleObiektu::EdChro);
    Edlz = pole(7, "Domyślna długość zastępująca opory  miejscowe", "Edlz", "%", PoleObiektu::Edlz);
    pola->setColumnStretch(3, 1);
    gora->addLayout(pola, 3);

    auto* grupa = new QGroupBox("Obliczanie zapotrzebowania na gaz", w);
    grupa->setObjectName("GrupaZapotrzebowanie");
    auto* g = new QGridLayout(grupa);
    CBKomuna = new QComboBox(grupa);
    CBKomuna->setObjectName("CBKomuna");
    for (const char* o : kSposobyPoborow) CBKomuna->addItem(q(o));
    BBhelp320 = przyciskPomocy(grupa, "BBhelp320");
    g->addWidget(etykieta("Wybór sposobu zliczania odbiorców", grupa), 0, 0, 1, 3);
    g->addWidget(CBKomuna, 1, 0, 1, 2);
    g->addWidget(BBhelp320, 1, 2);
    connect(CBKomuna, &QComboBox::activated, this,
            [this](int i) { wykonaj([&] { zmienModelPoborow(e_, i); }); });
    connect(BBhelp320, &QToolButton::clicked, this,
            [this] { wykonaj([&] { e_.otworzPomoc(320); }); });
    const PoleObiektu pq[4] = {PoleObiektu::EdQ1W1, PoleObiektu::EdQ1W2, PoleObiektu::EdQ1W3,
                               PoleObiektu::EdQ1W4};
    for (int i = 0; i < 4; ++i) {
        auto* ed = new QLineEdit(grupa);
        ed->setObjectName(QString("EdQ1W%1").arg(i + 1));
        ed->setMaximumWidth(90);
        EdQ1W[i] = ed;
        g->addWidget(etykieta(QString("Jednostkowy pobór dla W-%1").arg(i + 1), grupa), 2 + i, 0);
        g->addWidget(ed, 2 + i, 1);
        g->addWidget(etykieta("nm3/h", grupa), 2 + i, 2);
        const PoleObiektu p = pq[i];
        connect(ed, &QLineEdit::textEdited, this, [this, ed, p](const QString& t) {
            std::string wynik;
            wykonaj([&] { wynik = zmienPole(e_, p, s(t)); });
            if (ed->text() != q(wynik)) {
                const int kursor = ed->cursorPosition();
                ed->setText(q(wynik));
                ed->setCursorPosition(kursor);
            }
        });
    }
    CBUrban = new QComboBox(grupa);
    CBUrban->setObjectName("CBUrban");
    for (const char* o : kStopnieUrbanizacji) CBUrban->addItem(q(o));
    g->addWidget(etykieta("Stopień urbanizacji  całego obiektu", grupa), 6, 0);
    g->addWidget(CBUrban, 6, 1, 1, 2);
    connect(CBUrban, &QComboBox::activated, this,
            [this](int i) { wykonaj([&] { zmienUrbanizacje(e_, i); }); });
    gora->addWidget(grupa, 2);
    u->addLayout(gora);

    auto* zr = new QGroupBox("Lokalizacje i ciśnienia źródeł", w);
    zr->setObjectName("GrupaZrodla");
    auto* zu = new QHBoxLayout(zr);
    zr->installEventFilter(this);
    modelZrodel = new ModelTabeli(RodzajWidoku::Zrodla, e_.ob, this);
    ZrodlaGrid = new WidokTabeli(modelZrodel, zr);
    ZrodlaGrid->setObjectName("ZrodlaGrid");
    ZrodlaGrid->setToolTip("Tabela opisu źródeł");
    zu->addWidget(ZrodlaGrid, 1);
    auto* zp = new QVBoxLayout;
    BuNowyZr = new QPushButton("na &koniec", zr);
    BuNowyZr->setObjectName("BuNowyZr");
    BuWstawZr = new QPushButton("&między", zr);
    BuWstawZr->setObjectName("BuWstawZr");
    SpeedButton3 = new QPushButton("Kasuj  ", zr);
    SpeedButton3->setObjectName("SpeedButton3");
    zp->addWidget(etykieta("Nowy wiersz:", zr));
    zp->addWidget(BuNowyZr);
    zp->addWidget(BuWstawZr);
    zp->addSpacing(12);
    zp->addWidget(SpeedButton3);
    zp->addStretch(1);
    zp->addWidget(etykieta("źródło = stacja gazowa zasilająca sieć.", zr));
    zu->addLayout(zp);
    u->addWidget(zr, 1);
    connect(BuNowyZr, &QPushButton::clicked, this,
            [this] { wykonaj([&] { wstawWierszNaKoniec(e_, TabelaEdytora::Zrodla); }); });
    connect(BuWstawZr, &QPushButton::clicked, this,
            [this] { wykonaj([&] { wstawWierszMiedzy(e_, TabelaEdytora::Zrodla); }); });
    connect(SpeedButton3, &QPushButton::clicked, this,
            [this] { wykonaj([&] { usunBiezacyWiersz(e_, TabelaEdytora::Zrodla); }); });

    StaZrodla = new QStatusBar(w);
    StaZrodla->setObjectName("StaZrodla");
    StaZrodla->setSizeGripEnabled(false);
    u->addWidget(StaZrodla);
    return w;
}

QWidget* TEd::budujTabeleSieci() {
    auto* w = new QWidget(this);
    w->setObjectName("TOS");
    auto* u = new QVBoxLayout(w);
    u->setContentsMargins(2, 2, 2, 0);
    ToolBar1 = new QToolBar(w);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto przycisk = [&](QToolButton*& b, const char* nazwa, const QString& tekst,
                        const std::function<void()>& polecenie) {
        b = new QToolButton(ToolBar1);
        b->setObjectName(nazwa);
        b->setText(tekst);
        b->setToolTip(q(podpowiedzPrzycisku(nazwa)));
        ToolBar1->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, polecenie] { wykonaj(polecenie); });
    };
    przycisk(Button2, "Button2", "⇑ Pierwszy", [this] { doPierwszegoWiersza(e_); });
    przycisk(Button1, "Button1", "⇓ Ostatni", [this] { doOstatniegoWiersza(e_); });
    przycisk(Button3, "Button3", "⇐ Kol. 1", [this] { doPierwszejKolumny(e_); });
    przycisk(Button4, "Button4", "Kol. ost. ⇒", [this] { doOstatniejKolumny(e_); });
    ToolBar1->addSeparator();
    przycisk(SBWstawnaK, "SBWstawnaK", "&k",
             [this] { wstawWierszNaKoniec(e_, TabelaEdytora::Siec); });
    przycisk(SBWstawM, "SBWstawM", "&m", [this] { wstawWierszMiedzy(e_, TabelaEdytora::Siec); });
    przycisk(Button7, "Button7", "Kasuj wiersz",
             [this] { usunBiezacyWiersz(e_, TabelaEdytora::Siec); });
    przycisk(Button8, "Button8", "Wycofaj / przywróć", [this] { wycofajLubPrzywroc(e_); });
    ToolBar1->addSeparator();
    przycisk(Button9, "Button9", "Zmień kierunek", [this] { zmienKierunekBiezacego(e_); });
    przycisk(SpeedButton13, "SpeedButton13", "Kierunki ujemnych",
             [this] { zmienKierunkiUjemnym(e_); });
    przycisk(BuDn0, "BuDn0", "Dn=0", [this] { zerujSrednice(e_); });
    ToolBar1->addSeparator();
    przycisk(Button10, "Button10", "Kasuj tabelę", [this] { kasujTabeleSieci(e_); });
    przycisk(Button12, "Button12", "Opory", [this] { podgladOporow(e_); });
    przycisk(SBTabelka, "SBTabelka", "Q1=?", [] {});
    // The fittings preview and the unit-demand table are separate windows
    // that this build does not have.
    for (QAction* a : ToolBar1->actions()) {
        QWidget* b = ToolBar1->widgetForAction(a);
        if (b == Button12 || b == SBTabelka) a->setVisible(false);
    }
    ToolBar1->installEventFilter(this);
    u->addWidget(ToolBar1);

    modelSieci = new ModelTabeli(RodzajWidoku::Siec, e_.ob, this);
    Grid = new WidokTabeli(modelSieci, w);
    Grid->setObjectName("Grid");
    u->addWidget(Grid, 1);

    BBElip1 = new QToolButton(Grid->viewport());
    BBElip1->setObjectName("BBElip1");
    BBElip1->setText("...");
    BBElip1->setToolTip("Do podedytora");
    BBElip1->hide();

    CBSklepy = new QComboBox(Grid->viewport());
    CBSklepy->setObjectName("CBSklepy");
    CBSklepy->addItems({"jest", "brak"});
    CBSklepy->hide();
    connect(CBSklepy, &QComboBox::activated, this,
            [this](int i) { wykonaj([&] { wybierzCBSklepy(e_, s(CBSklepy->itemText(i))); }); });

    StaHint = new QStatusBar(w);
    StaHint->setObjectName("StaHint");
    StaHint->setSizeGripEnabled(false);
    u->addWidget(StaHint);
    return w;
}

QWidget* TEd::budujTrase() {
    auto* w = new QWidget(this);
    w->setObjectName("Trasa");
    auto* u = new QVBoxLayout(w);
    auto* gora = new QHBoxLayout;
    auto* panel = new QWidget(w);
    panel->setObjectName("PanelWezla");
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(0xc0, 0x20, 0x20));
    pal.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(pal);
    auto* pu = new QHBoxLayout(panel);
    auto* la = new QLabel("Węzeł:", panel);
    EdTempWez = new QLineEdit(panel);
    EdTempWez->setObjectName("EdTempWez");
    EdTempWez->setToolTip("Tu wpisz nazwę węzła");
    EdTempWez->setMaximumWidth(180);
    pu->addWidget(la);
    pu->addWidget(EdTempWez);
    MojaTrasaArrow = new QToolButton(w);
    MojaTrasaArrow->setObjectName("MojaTrasaArrow");
    MojaTrasaArrow->setArrowType(Qt::DownArrow);
    MojaTrasaArrow->setToolTip("Dołącz węzeł do trasy");
    MojaTrasaArrow->setMinimumSize(32, 32);
    BuTrasa1 = new QPushButton("Kasuj ostatni węzeł", w);
    BuTrasa1->setObjectName("BuTrasa1");
    BuTrasa2 = new QPushButton("Kasuj całą trasę", w);
    BuTrasa2->setObjectName("BuTrasa2");
    gora->addWidget(panel);
    gora->addWidget(MojaTrasaArrow);
    gora->addStretch(1);
    gora->addWidget(BuTrasa1);
    gora->addWidget(BuTrasa2);
    u->addLayout(gora);
    LBMojaTrasa = new QListWidget(w);
    LBMojaTrasa->setObjectName("LBMojaTrasa");
    LBMojaTrasa->setToolTip("Opis \"mojej trasy\". Szczegóły w przewodniku.");
    LBMojaTrasa->setFlow(QListView::TopToBottom);
    LBMojaTrasa->setWrapping(true);
    LBMojaTrasa->setResizeMode(QListView::Adjust);
    LBMojaTrasa->setUniformItemSizes(true);
    u->addWidget(LBMojaTrasa, 1);
    PanelInformacji = new QLabel(w);
    PanelInformacji->setObjectName("PanelInformacji");
    PanelInformacji->setAutoFillBackground(true);
    QPalette pi = PanelInformacji->palette();
    pi.setColor(QPalette::Window, QColor(0xff, 0xff, 0xe1));
    pi.setColor(QPalette::WindowText, Qt::black);
    PanelInformacji->setPalette(pi);
    PanelInformacji->setFrameShape(QFrame::Box);
    PanelInformacji->setMinimumHeight(28);
    PanelInformacji->hide();
    u->addWidget(PanelInformacji);
    rodzicInformacji_ = w;

    connect(EdTempWez, &QLineEdit::textEdited, this,
            [this](const QString& t) { wykonaj([&] { zmienWezelTrasy(e_, s(t)); }); });
    connect(EdTempWez, &QLineEdit::returnPressed, this,
            [this] { wykonaj([&] { dodajWezelDoTrasy(e_); }); });
    connect(MojaTrasaArrow, &QToolButton::clicked, this, [this] {
        wykonaj([&] {
            dodajWezelDoTrasy(e_);
            e_.okno.fokus = "EdTempWez";
        });
    });
    connect(BuTrasa1, &QPushButton::clicked, this,
            [this] { wykonaj([&] { usunOstatniWezelTrasy(e_); }); });
    connect(BuTrasa2, &QPushButton::clicked, this, [this] { wykonaj([&] { kasujTrase(e_); }); });
    return w;
}

QWidget* TEd::budujObliczenia() {
    auto* w = new QWidget(this);
    w->setObjectName("Obliczenia");
    auto* u = new QHBoxLayout(w);
    auto* lewa = new QVBoxLayout;

    GridOsie = new QTableWidget(3, 6, w);
    GridOsie->setObjectName("GridOsie");
    GridOsie->setToolTip("Taką sieć widzi program");
    GridOsie->horizontalHeader()->hide();
    GridOsie->verticalHeader()->hide();
    GridOsie->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridOsie->setSelectionMode(QAbstractItemView::NoSelection);
    GridOsie->setFocusPolicy(Qt::NoFocus);
    GridOsie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GridOsie->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const char* r1[] = {"źródeł", "odcinków", "węzłów", "oczek", "poborów", "długości"};
    for (int k = 0; k < 6; ++k) {
        auto* a = new QTableWidgetItem(k < 4 ? "Liczba" : "Suma");
        auto* b = new QTableWidgetItem(r1[k]);
        for (auto* it : {a, b}) it->setBackground(palette().button());
        GridOsie->setItem(0, k, a);
        GridOsie->setItem(1, k, b);
        GridOsie->setItem(2, k, new QTableWidgetItem);
    }
    const int wys = fontMetrics().height() + 6;
    for (int k = 0; k < 6; ++k)
        GridOsie->setColumnWidth(
            k, std::max(k >= 4 ? 80 : 64, fontMetrics().horizontalAdvance(r1[k]) + 14));
    for (int r = 0; r < 3; ++r) GridOsie->setRowHeight(r, r == 2 ? std::max(22, wys) : wys);
    int szer = 2, wysT = 2;
    for (int k = 0; k < 6; ++k) szer += GridOsie->columnWidth(k);
    for (int r = 0; r < 3; ++r) wysT += GridOsie->rowHeight(r);
    GridOsie->setFixedSize(szer, wysT);
    lewa->addWidget(GridOsie);

    ListBoxAnalizaDanych = new QListWidget(w);
    ListBoxAnalizaDanych->setObjectName("ListBoxAnalizaDanych");
    ListBoxAnalizaDanych->hide();

    auto* przyciski = new QHBoxLayout;
    BuSchemat = new QPushButton("Schemat sieci", w);
    BuSchemat->setObjectName("BuSchemat");
    BuSchemat->setToolTip("Schemat w wersji czarno-białej");
    BuDrukDane = new QPushButton("Roboczy wydruk danych...", w);
    BuDrukDane->setObjectName("BuDrukDane");
    BuDrukDane->setToolTip("Drukuje dane");
    przyciski->addWidget(BuSchemat);
    przyciski->addWidget(BuDrukDane);
    przyciski->addStretch(1);
    lewa->addLayout(przyciski);

    auto* metoda = new QGridLayout;
    Lawybor1 = new QLabel("Wybór metody obliczania straty ciśnienia w odcinku", w);
    Lawybor1->setObjectName("Lawybor1");
    CBstrata = new QComboBox(w);
    CBstrata->setObjectName("CBstrata");
    for (const char* m : kMetodyStraty) CBstrata->addItem(q(m));
    BBhelp300 = przyciskPomocy(w, "BBhelp300");
    LaJakiWzor = new QLabel(w);
    LaJakiWzor->setObjectName("LaJakiWzor");
    LaJakiWzor->setStyleSheet("color: red;");
    // The formula entries are laid out for a fixed-width font.
    LaJakiWzor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    LaJakiWzor->hide();
    metoda->addWidget(Lawybor1, 0, 0, 1, 2);
    metoda->addWidget(CBstrata, 1, 0);
    metoda->addWidget(BBhelp300, 1, 1);
    metoda->addWidget(LaJakiWzor, 2, 0, 1, 2);
    Lamnoznik = new QLabel("Mnożnik poborów jawnych", w);
    Lamnoznik->setObjectName("Lamnoznik");
    Edmnoznik = new QLineEdit(w);
    Edmnoznik->setObjectName("Edmnoznik");
    Edmnoznik->setMaximumWidth(90);
    BBhelp310 = przyciskPomocy(w, "BBhelp310");
    auto* mn = new QHBoxLayout;
    mn->addWidget(Lamnoznik);
    mn->addWidget(Edmnoznik);
    mn->addWidget(BBhelp310);
    mn->addStretch(1);
    metoda->addLayout(mn, 3, 0, 1, 2);
    metoda->setColumnStretch(0, 1);
    lewa->addLayout(metoda);

    BuOblicz = new QPushButton("Wykonaj obliczenia", w);
    BuOblicz->setObjectName("BuOblicz");
    BuOblicz->setToolTip("Dobór średnic i obliczenia symulacyjne");
    BuOblicz->setMinimumHeight(36);
    QFont fb = BuOblicz->font();
    fb.setBold(true);
    BuOblicz->setFont(fb);
    lewa->addWidget(BuOblicz);
    lewa->addWidget(ListBoxAnalizaDanych, 10);
    lewa->addStretch(1);
    u->addLayout(lewa, 2);

    Raport = new QGroupBox("Raport z przebiegu obliczeń i wyniki", w);
    Raport->setObjectName("Raport");
    auto* ru = new QVBoxLayout(Raport);
    LaRaport1 = new QLabel(Raport);
    LaRaport1->setObjectName("LaRaport1");
    LaRaport2 = new QLabel(Raport);
    LaRaport2->setObjectName("LaRaport2");
    for (auto* l : {LaRaport1, LaRaport2}) {
        l->setWordWrap(true);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    ListBoxWyni = new QListWidget(Raport);
    ListBoxWyni->setObjectName("ListBoxWyni");
    ListBoxWyni->hide();
    ru->addWidget(LaRaport1);
    ru->addWidget(LaRaport2);
    ru->addWidget(ListBoxWyni, 10);
    ru->addStretch(1);
    BuRozklad = new QPushButton("Rozkłady na schemacie", Raport);
    BuRozklad->setObjectName("BuRozklad");
    BuLiCi = new QPushButton("Rzędne linii ciśnień", Raport);
    BuLiCi->setObjectName("BuLiCi");
    BuDruWyni = new QPushButton("Wydruk tabeli wyników...", Raport);
    BuDruWyni->setObjectName("BuDruWyni");
    BuKoniec2 = new QPushButton("Koniec pracy", Raport);
    BuKoniec2->setObjectName("BuKoniec2");
    for (auto* b : {BuRozklad, BuLiCi, BuDruWyni, BuKoniec2}) ru->addWidget(b);
    u->addWidget(Raport, 3);

    // The schematic, the pressure lines and the printouts are separate
    // windows that this build does not have.
    for (auto* b : {BuSchemat, BuDrukDane, BuRozklad, BuLiCi, BuDruWyni}) b->hide();

    PanelTrwa = new QLabel("Proszę czekać", w);
    PanelTrwa->setObjectName("PanelTrwa");
    PanelTrwa->setAlignment(Qt::AlignCenter);
    PanelTrwa->setAutoFillBackground(true);
    QFont ft = PanelTrwa->font();
    ft.setPointSize(ft.pointSize() + 4);
    ft.setBold(true);
    PanelTrwa->setFont(ft);
    PanelTrwa->hide();

    connect(BuOblicz, &QPushButton::clicked, this, &TEd::oblicz);
    connect(BuKoniec2, &QPushButton::clicked, this, &QWidget::close);
    connect(BBhelp300, &QToolButton::clicked, this,
            [this] { wykonaj([&] { e_.otworzPomoc(300); }); });
    connect(BBhelp310, &QToolButton::clicked, this,
            [this] { wykonaj([&] { e_.otworzPomoc(310); }); });
    connect(CBstrata, &QComboBox::activated, this, &TEd::wybierzMetode);
    connect(Edmnoznik, &QLineEdit::textEdited, this, [this](const QString& t) {
        std::string wynik;
        wykonaj([&] { wynik = zmienPole(e_, PoleObiektu::Edmnoznik, s(t)); });
        if (Edmnoznik->text() != q(wynik)) {
            const int kursor = Edmnoznik->cursorPosition();
            Edmnoznik->setText(q(wynik));
            Edmnoznik->setCursorPosition(kursor);
        }
    });
    return w;
}

QWidget* TEd::budujWzory() {
    auto* w = new QWidget(this);
    w->setObjectName("Wzory");
    auto* u = new QVBoxLayout(w);
    auto* l1 = new QLabel(
        "Uwaga! Wzory uproszczone nie są przeznaczone do sieci z rur o różnej "
        "chropowatości,",
        w);
    auto* l2 = new QLabel(
        "ani do sieci o różnych średnicach i znacznie różniących się liczbach "
        "Reynoldsa.",
        w);
    auto* l3 = new QLabel("Zaznacz wzór, według którego ma być liczona strata ciśnienia:", w);
    for (auto* l : {l1, l2}) l->setStyleSheet("color: red; font-weight: bold;");
    u->addWidget(l1);
    u->addWidget(l2);
    u->addSpacing(8);
    u->addWidget(l3);
    LBWzory = new QListWidget(w);
    LBWzory->setObjectName("LBWzory");
    LBWzory->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (int i = 0; i < liczbaWzorow(); ++i) LBWzory->addItem(q(tekstWzoru(i)));
    u->addWidget(LBWzory, 1);
    connect(LBWzory, &QListWidget::currentRowChanged, this, &TEd::wybierzWzor);
    return w;
}

// ------------------------------------------------------------------ tables

void TEd::podlaczTabele() {
    modelSieci->naZmianeTekstu = [this](int k, int w, const std::string& t) {
        wpiszDoKomorkiSieci(e_, k, w, t);
    };
    Grid->naOpuszczenie = [this](int, int, int k, int w) {
        bool wolno = true;
        wykonaj([&] { wolno = przejdzDoKomorkiSieci(e_, k, w); });
        return wolno;
    };
    Grid->naEnter = [this] { wykonaj([&] { wstawWierszNaKoniec(e_, TabelaEdytora::Siec); }); };
    Grid->naPrzesuniecie = [this](int z, int na) {
        wykonaj([&] { przeniesWiersz(e_, TabelaEdytora::Siec, z, na); });
    };
    Grid->naPodpowiedz = [this](int k) {
        myszNadTabelaSieci(e_, k);
        pokazStatus();
    };
    connect(Grid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { pokazCBSklepy(); });
    connect(Grid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { pokazCBSklepy(); });
    connect(Grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { pokazCBSklepy(); });

    modelZrodel->naZmianeTekstu = [this](int k, int w, const std::string& t) {
        wpiszDoKomorkiZrodel(e_, k, w, t);
    };
    ZrodlaGrid->naOpuszczenie = [this](int, int, int k, int w) {
        wykonaj([&] { przejdzDoKomorkiZrodel(e_, k, w); });
        return true;
    };
    ZrodlaGrid->naEnter = [this] {
        wykonaj([&] { wstawWierszNaKoniec(e_, TabelaEdytora::Zrodla); });
    };
    ZrodlaGrid->naPrzesuniecie = [this](int z, int na) {
        wykonaj([&] { przeniesWiersz(e_, TabelaEdytora::Zrodla, z, na); });
    };
    ZrodlaGrid->naPodpowiedz = [this](int k) {
        myszNadTabelaZrodel(e_, k);
        pokazStatus();
    };

    modelRur->naZmianeTekstu = [this](int k, int w, const std::string& t) {
        wpiszDoKomorkiKatalogu(e_, k, w, t);
    };
    RurGrid->naOpuszczenie = [this](int, int, int k, int w) {
        wykonaj([&] { przejdzDoKomorkiKatalogu(e_, k, w); });
        return true;
    };
    RurGrid->naEnter = [this] {
        wykonaj([&] { wstawWierszNaKoniec(e_, TabelaEdytora::Katalog); });
    };
    RurGrid->naPrzesuniecie = [this](int z, int na) {
        wykonaj([&] { przeniesWiersz(e_, TabelaEdytora::Katalog, z, na); });
    };
}

// ------------------------------------------------------------------ events

void TEd::wykonaj(const std::function<void()>& polecenie) {
    polecenie();
    odswiez();
}

void TEd::zmianaZakladki(int indeks) {
    if (synchronizacja_ > 0 || indeks < 0) return;
    wykonaj([&] { zmienZakladke(e_, static_cast<Zakladka>(indeks)); });
}

void TEd::fokusZmieniony(QWidget* stary, QWidget* nowy) {
    if (synchronizacja_ > 0 || !stary) return;
    if (stary == CBSklepy && nowy != CBSklepy && !(nowy && CBSklepy->isAncestorOf(nowy)) &&
        !(nowy && CBSklepy->view()->isAncestorOf(nowy)) && nowy != CBSklepy->view()) {
        wykonaj([&] { CBSklepyTraciFokus(e_, s(CBSklepy->currentText())); });
        return;
    }
    // The sources table is validated when the focus leaves it (its cell
    // editor counts as part of it).
    if (ZrodlaGrid->isAncestorOf(stary) || stary == ZrodlaGrid) {
        if (nowy && (nowy == ZrodlaGrid || ZrodlaGrid->isAncestorOf(nowy))) return;
        if (QApplication::activeModalWidget()) return;
        wykonaj([&] { zrodlaTracaFokus(e_); });
    }
}

bool TEd::eventFilter(QObject* o, QEvent* ev) {
    // Moving over the tool bar clears the column hint; over the sources
    // group (outside its table) the sources hint.
    const bool mysz = ev->type() == QEvent::Enter || ev->type() == QEvent::MouseMove;
    if (mysz && o == ToolBar1) {
        myszNadTabelaSieci(e_, -1);
        pokazStatus();
    } else if (mysz && o == ZrodlaGrid->parentWidget()) {
        myszNadTabelaZrodel(e_, -1);
        pokazStatus();
    }
    return QMainWindow::eventFilter(o, ev);
}

void TEd::closeEvent(QCloseEvent* ev) {
    bool moznaKonczyc = false;
    wykonaj([&] { moznaKonczyc = moznaZamknac(e_); });
    if (moznaKonczyc) {
        if (pomoc_) pomoc_->close();
        ev->accept();
    } else {
        ev->ignore();
    }
}

void TEd::resizeEvent(QResizeEvent* ev) {
    QMainWindow::resizeEvent(ev);
    ukryjBBElip1(e_);
    if (BBElip1) BBElip1->hide();
    if (PanelTrwa && PanelTrwa->isVisible()) PanelTrwa->setGeometry(Obliczenia->rect());
    ulozTrase();
}

void TEd::ulozTrase() {
    // The route list shows its nodes in ten columns.
    if (!LBMojaTrasa) return;
    const int szer = std::max(40, (LBMojaTrasa->viewport()->width() - 2) / 10);
    const QSize siatka(szer, LBMojaTrasa->fontMetrics().height() + 6);
    if (LBMojaTrasa->gridSize() != siatka) LBMojaTrasa->setGridSize(siatka);
}

std::function<void(bool, const std::string&)> TEd::panelTrwa() {
    return [this](bool widoczny, const std::string& tekst) {
        if (widoczny) {
            if (!zajety_) QApplication::setOverrideCursor(Qt::WaitCursor);
            zajety_ = true;
            PanelTrwa->setText(q(tekst));
            PanelTrwa->setGeometry(Obliczenia->rect());
            PanelTrwa->raise();
            PanelTrwa->show();
            PanelTrwa->repaint();
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        } else {
            if (zajety_) QApplication::restoreOverrideCursor();
            zajety_ = false;
            PanelTrwa->hide();
        }
    };
}

void TEd::oblicz() {
    wykonaj([&] { wykonajObliczenia(e_, false, panelTrwa()); });
}

void TEd::wybierzMetode(int indeks) {
    wykonaj([&] { ustawMetode(e_, indeks, e_.ob.parametry.wzory.wzor); });
}

void TEd::wybierzWzor(int indeks) {
    if (synchronizacja_ > 0 || indeks < 0) return;
    wykonaj([&] { ustawMetode(e_, e_.ob.parametry.wzory.metoda, indeks); });
}

void TEd::odczytPliku(int rodzaj) {
    wykonaj([&] { polecenieOdczytu(e_, static_cast<RodzajPolecenia>(rodzaj), this); });
}

void TEd::zapisPliku(int rodzaj) {
    wykonaj([&] { polecenieZapisu(e_, static_cast<RodzajPolecenia>(rodzaj), this); });
}

// ------------------------------------------------------------------ showing

void TEd::odswiez() {
    ++synchronizacja_;
    setWindowTitle(q(e_.okno.tytul));
    const int aktywna = static_cast<int>(e_.okno.aktywna);
    if (Strony->currentIndex() != aktywna) {
        Strony->setTabVisible(aktywna, true);
        Strony->setCurrentIndex(aktywna);
    }
    // Menus of the network table tab; a menu without a command of this
    // build stays out of sight.
    auto menu = [](QMenu* m, bool widoczne) {
        bool maPolecenie = false;
        for (QAction* a : m->actions()) maPolecenie = maPolecenie || a->isVisible();
        m->menuAction()->setVisible(widoczne && maPolecenie);
    };
    menu(menuEdycja, e_.okno.menuEdycja);
    menu(menuSzukaj, e_.okno.menuSzukaj);
    menu(menuNarzedzia, e_.okno.menuNarzedzia);
    menu(menuOpcje, e_.okno.menuOpcje);
    SBuPrzewo->setChecked(e_.okno.TrybPrzewodnika);
    BuSchemat->setEnabled(e_.okno.BuSchemat);
    BuRozklad->setEnabled(e_.okno.BuRozklad);
    BuLiCi->setEnabled(e_.okno.BuLiCi);
    BuDruWyni->setEnabled(e_.okno.BuDruWyni);
    BuOblicz->setEnabled(e_.okno.BuOblicz);

    pokazTabele();
    pokazPola();
    pokazListy();
    pokazMetode();
    pokazStatus();
    --synchronizacja_;

    ustawFokus();
    if (!e_.tematyPomocy.empty()) {
        const auto tematy = e_.tematyPomocy;
        e_.tematyPomocy.clear();
        for (int t : tematy) pomoc_->pokazTemat(t);
    }
    if (e_.licznikInformacji != widzianaInformacja_) {
        widzianaInformacja_ = e_.licznikInformacji;
        pokazInformacje(q(e_.informacja));
    }
}

void TEd::pokazTabele() {
    Grid->odswiez(e_.siec.kolumna, e_.siec.wiersz);
    ZrodlaGrid->odswiez(e_.zrodla.kolumna, e_.zrodla.wiersz);
    RurGrid->odswiez(e_.katalog.kolumna, e_.katalog.wiersz);
    pokazKolumnyUkryte();
    // The sub-editors of the demand and fittings columns are separate
    // windows that this build does not have, so their button stays hidden.
    BBElip1->hide();
    pokazCBSklepy();
}

void TEd::pokazKolumnyUkryte() {
    QSet<int> ukryte;
    for (int k = 1; k < modelSieci->columnCount(); ++k)
        if (kolumnaUkryta(e_.ob.opcje, k)) ukryte.insert(k);
    if (ukryte == ukryteKolumny_) {
        for (int k : ukryte) Grid->setColumnWidth(k, 2);
        return;
    }
    Grid->ustawSzerokosci();
    for (int k : ukryte) Grid->setColumnWidth(k, 2);
    ukryteKolumny_ = ukryte;
}

void TEd::pokazCBSklepy() {
    if (!CBSklepy) return;
    if (!e_.okno.CBSklepy || e_.siec.kolumna != kol::Sklepy) {
        CBSklepy->hide();
        return;
    }
    const QModelIndex i = modelSieci->index(e_.siec.wiersz - 1, kol::Sklepy);
    const QRect r = Grid->visualRect(i);
    if (!i.isValid() || r.isEmpty()) {
        CBSklepy->hide();
        return;
    }
    const QString t = q(tekstCBSklepy(e_));
    if (CBSklepy->currentText() != t) CBSklepy->setCurrentIndex(t == "jest" ? 0 : 1);
    CBSklepy->setGeometry(r.left() + 2, r.top(), std::max(r.width(), 60), r.height());
    CBSklepy->show();
    CBSklepy->raise();
}

void TEd::pokazPola() {
    const PolaObiektu& p = e_.pola;
    auto tekst = [](QLineEdit* ed, const std::string& t) {
        const QString n = QString::fromStdString(t);
        if (ed->text() != n) ed->setText(n);
    };
    tekst(EdTytu, p.EdTytu);
    tekst(EdPminDop, p.EdPminDop);
    tekst(EdT, p.EdT);
    tekst(EddGazu, p.EddGazu);
    tekst(EdHs, p.EdHs);
    tekst(EdChro, p.EdChro);
    tekst(Edlz, p.Edlz);
    for (int i = 0; i < 4; ++i) {
        tekst(EdQ1W[i], p.EdQ1W[i]);
        EdQ1W[i]->setEnabled(p.EdQ1Wwlaczone);
    }
    tekst(Edmnoznik, p.Edmnoznik);
    if (CBjed1->currentIndex() != p.CBjed1) CBjed1->setCurrentIndex(p.CBjed1);
    if (CBKomuna->currentIndex() != p.CBKomuna) CBKomuna->setCurrentIndex(p.CBKomuna);
    if (CBUrban->currentIndex() != p.CBUrban) CBUrban->setCurrentIndex(p.CBUrban);
    Lajed1->setText(q(p.Lajed1));
}

void TEd::pokazListy() {
    auto lista = [](QListWidget* l, const std::vector<std::string>& wiersze) {
        bool inna = l->count() != static_cast<int>(wiersze.size());
        for (int i = 0; !inna && i < l->count(); ++i)
            inna = l->item(i)->text() != QString::fromStdString(wiersze[i]);
        if (inna) {
            l->clear();
            for (const auto& w : wiersze) l->addItem(QString::fromStdString(w));
        }
        // The lists are hidden while they are empty.
        l->setVisible(!wiersze.empty());
    };
    lista(ListBoxAnalizaDanych, e_.ob.ListBoxAnalizaDanych);
    lista(ListBoxWyni, e_.ob.ListBoxWyni);
    LaRaport1->setText(q(e_.ob.LaRaport1));
    LaRaport2->setText(q(e_.ob.LaRaport2));

    std::vector<std::string> trasa;
    for (const auto& t : e_.ob.trasa) trasa.push_back(t.wezel);
    bool inna = LBMojaTrasa->count() != static_cast<int>(trasa.size());
    for (int i = 0; !inna && i < LBMojaTrasa->count(); ++i)
        inna = LBMojaTrasa->item(i)->text() != q(trasa[i]);
    if (inna) {
        LBMojaTrasa->clear();
        for (const auto& t : trasa) LBMojaTrasa->addItem(q(t));
    }
    if (EdTempWez->text() != q(e_.EdTempWez)) EdTempWez->setText(q(e_.EdTempWez));
    ulozTrase();

    const auto osie = wartosciGridOsie(e_);
    bool szersza = false;
    for (int k = 0; k < 6; ++k) {
        GridOsie->item(2, k)->setText(q(osie[k]));
        const int w = GridOsie->fontMetrics().horizontalAdvance(q(osie[k])) + 14;
        if (w > GridOsie->columnWidth(k)) {
            GridOsie->setColumnWidth(k, w);
            szersza = true;
        }
    }
    if (szersza) {
        int szer = 2;
        for (int k = 0; k < 6; ++k) szer += GridOsie->columnWidth(k);
        GridOsie->setFixedWidth(szer);
    }
}

void TEd::pokazMetode() {
    const kelmor::Wzory& w = e_.ob.parametry.wzory;
    if (CBstrata->currentIndex() != w.metoda) CBstrata->setCurrentIndex(w.metoda);
    const std::string etykieta = etykietaWzoru(e_);
    LaJakiWzor->setVisible(e_.okno.LaJakiWzorWidoczny);
    LaJakiWzor->setText(q(etykieta));
    if (LBWzory->currentRow() != w.wzor) LBWzory->setCurrentRow(w.wzor);
    // The sheet of simplified formulas is reachable only with that method.
    Strony->setTabVisible(static_cast<int>(Zakladka::Wzory),
                          w.metoda == 2 || e_.okno.aktywna == Zakladka::Wzory);
}

void TEd::pokazStatus() {
    if (StaHint->currentMessage() != q(e_.okno.StaHint)) StaHint->showMessage(q(e_.okno.StaHint));
    if (StaZrodla->currentMessage() != q(e_.okno.StaZrodla))
        StaZrodla->showMessage(q(e_.okno.StaZrodla));
}

void TEd::ustawFokus() {
    const std::string f = e_.okno.fokus;
    if (f.empty()) return;
    e_.okno.fokus.clear();
    QWidget* w = nullptr;
    if (f == "Grid")
        w = Grid;
    else if (f == "ZrodlaGrid")
        w = ZrodlaGrid;
    else if (f == "RurGrid")
        w = RurGrid;
    else if (f == "EdTempWez")
        w = EdTempWez;
    else
        w = findChild<QWidget*>(q(f));
    if (w && w->isVisible()) w->setFocus();
}

void TEd::pokazInformacje(const QString& tekst) {
    // Shown on top of whichever window is active.
    QWidget* okno = QApplication::activeWindow();
    if (!okno) okno = this;
    PanelInformacji->setParent(okno);
    PanelInformacji->setText("  " + tekst);
    const QFontMetrics fm(PanelInformacji->font());
    const int szer = std::min(okno->width() - 8, fm.horizontalAdvance("  " + tekst) + 24);
    const int wys = fm.height() + 14;
    PanelInformacji->setGeometry(4, okno->height() - wys - 4, szer, wys);
    PanelInformacji->raise();
    PanelInformacji->show();
    Timerhint->stop();
    Timerhint->setInterval(7000);
    Timerhint->start();
}

void TEd::ukryjInformacje() {
    Timerhint->stop();
    Timerhint->setInterval(7000);
    PanelInformacji->hide();
    // Back to its place on the route tab.
    if (PanelInformacji->parentWidget() != rodzicInformacji_) {
        PanelInformacji->setParent(rodzicInformacji_);
        if (auto* u = qobject_cast<QVBoxLayout*>(rodzicInformacji_->layout()))
            u->addWidget(PanelInformacji);
        PanelInformacji->hide();
    }
}

}  // namespace kelmor
