#include "ui/Tabele.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "model/Kolumny.h"
#include "model/Walidacja.h"

namespace kelmor {

namespace {

bool kolumnaNazw(RodzajWidoku r, int kol) {
    switch (r) {
        case RodzajWidoku::Siec:
            return kol >= kol::NazwaOdcinka && kol <= kol::SrednicaNomin;
        case RodzajWidoku::Zrodla:
            return kol == kol::NazwaZrodla;
        case RodzajWidoku::Katalog:
            return kol == kol::Dn;
    }
    return false;
}

bool kolumnaWyniku(RodzajWidoku r, int kol) {
    return r == RodzajWidoku::Siec && kol >= kol::Qoblicz && kol <= kol::lambda;
}

}  // namespace

// ---------------------------------------------------------------- model

ModelTabeli::ModelTabeli(RodzajWidoku rodzaj, Obiekt& ob, QObject* rodzic)
    : QAbstractTableModel(rodzic), rodzaj_(rodzaj), ob_(ob) {
    wiersze_ = std::max(0, tabela().liczbaWierszy() - 1);
    kolumny_ = tabela().liczbaKolumn();
}

Tabela& ModelTabeli::tabela() const {
    switch (rodzaj_) {
        case RodzajWidoku::Siec:
            return ob_.Grid;
        case RodzajWidoku::Zrodla:
            return ob_.ZrodlaGrid;
        case RodzajWidoku::Katalog:
            break;
    }
    return ob_.RurGrid;
}

int ModelTabeli::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : wiersze_;
}
int ModelTabeli::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : kolumny_;
}

QVariant ModelTabeli::data(const QModelIndex& i, int rola) const {
    if (!i.isValid()) return {};
    if (rola == Qt::DisplayRole || rola == Qt::EditRole)
        return QString::fromStdString(tabela().tekst(i.column(), i.row() + 1));
    if (rola == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

bool ModelTabeli::setData(const QModelIndex& i, const QVariant& v, int rola) {
    if (!i.isValid() || rola != Qt::EditRole) return false;
    const int kol = i.column(), wiersz = i.row() + 1;
    const std::string tekst = v.toString().toStdString();
    if (tabela().tekst(kol, wiersz) == tekst) return true;
    if (naZmianeTekstu)
        naZmianeTekstu(kol, wiersz, tekst);
    else
        tabela().ustawTekst(kol, wiersz, tekst);
    odswiez();
    return true;
}

std::pair<QString, QString> ModelTabeli::naglowek(int k) const {
    Naglowek n;
    const std::string& jedn = ob_.parametry.NazwaJednostki;
    switch (rodzaj_) {
        case RodzajWidoku::Siec:
            n = naglowekSieci(k, ob_.parametry.sposoby, jedn);
            break;
        case RodzajWidoku::Zrodla:
            n = naglowekZrodel(k, jedn);
            break;
        case RodzajWidoku::Katalog:
            n = naglowekKatalogu(k);
            break;
    }
    return {QString::fromStdString(n.linia1), QString::fromStdString(n.linia2)};
}

QString ModelTabeli::podpowiedz(int k) const {
    if (k < 0) return {};
    switch (rodzaj_) {
        case RodzajWidoku::Siec:
            return QString::fromStdString(podpowiedzSieci(k));
        case RodzajWidoku::Zrodla:
            return QString::fromStdString(podpowiedzZrodel(k));
        case RodzajWidoku::Katalog:
            break;
    }
    return {};
}

QVariant ModelTabeli::headerData(int s, Qt::Orientation o, int rola) const {
    if (o != Qt::Horizontal) return {};
    if (rola == Qt::DisplayRole) {
        auto [l1, l2] = naglowek(s);
        return l2.isEmpty() ? l1 : l1 + "\n" + l2;
    }
    return {};
}

Qt::ItemFlags ModelTabeli::flags(const QModelIndex& i) const {
    if (!i.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (i.column() == 0 || kolumnaWyniku(rodzaj_, i.column())) return f;
    if (rodzaj_ == RodzajWidoku::Siec && i.column() == kol::Sklepy) return f;
    return f | Qt::ItemIsEditable;
}

void ModelTabeli::odswiez() {
    const int k = tabela().liczbaKolumn();
    const int w = std::max(0, tabela().liczbaWierszy() - 1);
    if (k < kolumny_) {
        beginRemoveColumns({}, k, kolumny_ - 1);
        kolumny_ = k;
        endRemoveColumns();
    } else if (k > kolumny_) {
        beginInsertColumns({}, kolumny_, k - 1);
        kolumny_ = k;
        endInsertColumns();
    }
    if (w < wiersze_) {
        beginRemoveRows({}, w, wiersze_ - 1);
        wiersze_ = w;
        endRemoveRows();
    } else if (w > wiersze_) {
        beginInsertRows({}, wiersze_, w - 1);
        wiersze_ = w;
        endInsertRows();
    }
    if (wiersze_ > 0 && kolumny_ > 0)
        emit dataChanged(index(0, 0), index(wiersze_ - 1, kolumny_ - 1));
    if (kolumny_ > 0) emit headerDataChanged(Qt::Horizontal, 0, kolumny_ - 1);
}

// ---------------------------------------------------------------- header

NaglowekTabeli::NaglowekTabeli(QWidget* rodzic) : QHeaderView(Qt::Horizontal, rodzic) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void NaglowekTabeli::paintSection(QPainter* p, const QRect& r, int s) const {
    auto* m = qobject_cast<ModelTabeli*>(model());
    p->save();
    p->fillRect(r, palette().button());
    p->setPen(palette().mid().color());
    p->drawLine(r.topRight(), r.bottomRight());
    p->drawLine(r.bottomLeft(), r.bottomRight());
    p->setPen(palette().buttonText().color());
    if (m) {
        auto [l1, l2] = m->naglowek(s);
        const QRect wew = r.adjusted(3, 1, -2, -1);
        const int pol = wew.height() / 2;
        const QRect gora(wew.left(), wew.top(), wew.width(), pol);
        const QRect dol(wew.left(), wew.top() + pol, wew.width(), wew.height() - pol);
        // Two-line captions fill the upper and lower half; one-line captions stand at the top.
        p->drawText(gora, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, l1);
        if (!l2.isEmpty())
            p->drawText(dol, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, l2);
    }
    p->restore();
}

// ---------------------------------------------------------------- cells

DelegatKomorki::DelegatKomorki(WidokTabeli* widok) : QStyledItemDelegate(widok), widok_(widok) {}

void DelegatKomorki::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const {
    ModelTabeli* m = widok_->modelTabeli();
    const int kol = i.column(), wiersz = i.row() + 1;
    const bool biezacy = wiersz == widok_->aktualnyWiersz();
    const QPalette& pal = o.palette;
    const QString tekst = i.data().toString();
    if (kol == 0 || kolumnaWyniku(m->rodzaj(), kol)) {
        // The margin of the current row and the result cells of the current
        // row stand out on the active-caption colour.
        p->save();
        p->fillRect(o.rect, biezacy ? pal.highlight() : pal.button());
        p->setPen(biezacy ? pal.highlightedText().color() : pal.buttonText().color());
        const QRect r = o.rect.adjusted(kol == 0 ? 2 : 1, 0, 0, 0);
        p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, tekst);
        p->restore();
    } else {
        QStyleOptionViewItem opt(o);
        // Only the current cell is marked, never a selected range.
        if (!(opt.state & QStyle::State_HasFocus)) opt.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(p, opt, i);
    }
    if (m->rodzaj() == RodzajWidoku::Siec && kol >= 1 && wierszWycofany(m->tabela(), wiersz)) {
        p->save();
        p->setPen(QPen(Qt::red, 1));
        const int y = o.rect.center().y();
        p->drawLine(o.rect.left(), y, o.rect.right(), y);
        p->restore();
    }
}

QWidget* DelegatKomorki::createEditor(QWidget* rodzic, const QStyleOptionViewItem&,
                                      const QModelIndex&) const {
    auto* e = new QLineEdit(rodzic);
    e->setFrame(false);
    auto* self = const_cast<DelegatKomorki*>(this);
    // Every change reaches the cell at once; a comma becomes a point.
    connect(e, &QLineEdit::textEdited, self, [self, e](const QString& t) {
        if (t.contains(',')) {
            const int kursor = e->cursorPosition();
            QString z = t;
            z.replace(',', '.');
            e->setText(z);
            e->setCursorPosition(kursor);
        }
        emit self->commitData(e);
    });
    return e;
}

void DelegatKomorki::setEditorData(QWidget* e, const QModelIndex& i) const {
    auto* le = qobject_cast<QLineEdit*>(e);
    if (!le) return;
    const QString t = i.data(Qt::EditRole).toString();
    if (le->text() != t) le->setText(t);
}

void DelegatKomorki::setModelData(QWidget* e, QAbstractItemModel* m, const QModelIndex& i) const {
    auto* le = qobject_cast<QLineEdit*>(e);
    if (!le) return;
    QString t = le->text();
    t.replace(',', '.');
    m->setData(i, t, Qt::EditRole);
}

bool DelegatKomorki::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            auto* ed = qobject_cast<QWidget*>(o);
            emit commitData(ed);
            emit closeEditor(ed, QAbstractItemDelegate::NoHint);
            widok_->enter();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(o, e);
}

// ---------------------------------------------------------------- view

WidokTabeli::WidokTabeli(ModelTabeli* model, QWidget* rodzic) : QTableView(rodzic), model_(model) {
    setHorizontalHeader(new NaglowekTabeli(this));
    setModel(model);
    setItemDelegate(new DelegatKomorki(this));
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setMouseTracking(true);
    setWordWrap(false);
    horizontalHeader()->setMouseTracking(true);
    horizontalHeader()->viewport()->installEventFilter(this);
    const int h = fontMetrics().height();
    verticalHeader()->setDefaultSectionSize(std::max(WysokoscWiersza, h + 6));
    verticalHeader()->setMinimumSectionSize(std::max(WysokoscWiersza, h + 6));
    horizontalHeader()->setFixedHeight(std::max(WysokoscNaglowka, 2 * h + 8));
    ustawSzerokosci();
}

void WidokTabeli::ustawSzerokosci() {
    const QFontMetrics fm(horizontalHeader()->font());
    for (int k = 0; k < model_->columnCount(); ++k) {
        int w = 70;
        switch (model_->rodzaj()) {
            case RodzajWidoku::Siec:
                w = szerokoscKolumnySieci(k);
                break;
            case RodzajWidoku::Zrodla:
                w = (k == 4 || k == 5) ? 60 : 70;
                break;
            case RodzajWidoku::Katalog:
                w = 100;
                break;
        }
        if (k == 0) {
            // The margin: narrow, wide enough for the marker and to grab.
            setColumnWidth(0, std::max(14, fm.horizontalAdvance('*') + 10));
            continue;
        }
        // Never narrower than the header, so that no caption is clipped.
        auto [l1, l2] = model_->naglowek(k);
        w = std::max({w, fm.horizontalAdvance(l1) + 8, fm.horizontalAdvance(l2) + 8});
        // Name columns grow with their longest name (street names, nodes).
        if (kolumnaNazw(model_->rodzaj(), k)) {
            const QFontMetrics fc(font());
            const Tabela& t = model_->tabela();
            const int n = std::min(t.liczbaWierszy(), 2000);
            for (int r = 1; r < n; ++r)
                w = std::max(w, fc.horizontalAdvance(QString::fromStdString(t.tekst(k, r))) + 10);
            w = std::min(w, 260);
        }
        setColumnWidth(k, w);
    }
}

int WidokTabeli::aktualnyWiersz() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 1;
}

int WidokTabeli::aktualnaKolumna() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : 1;
}

void WidokTabeli::ustawAktualna(int kolumna, int wiersz) {
    ++synchronizacja_;
    const int w = std::clamp(wiersz - 1, 0, std::max(0, model_->rowCount() - 1));
    const int k = std::clamp(kolumna, 0, std::max(0, model_->columnCount() - 1));
    const QModelIndex i = model_->index(w, k);
    if (i.isValid()) {
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        scrollTo(i);
    }
    --synchronizacja_;
    viewport()->update();
}

void WidokTabeli::odswiez(int kolumna, int wiersz) {
    ++synchronizacja_;
    const int kolumny = model_->columnCount();
    const int wiersze = model_->rowCount();
    model_->odswiez();
    // A new column set or a table loaded anew: widths fitted again.
    if (kolumny != model_->columnCount() || std::abs(wiersze - model_->rowCount()) > 1)
        ustawSzerokosci();
    --synchronizacja_;
    ustawAktualna(kolumna, wiersz);
}

void WidokTabeli::currentChanged(const QModelIndex& nowy, const QModelIndex& stary) {
    if (synchronizacja_ == 0 && stary.isValid() && nowy.isValid() && nowy != stary) {
        bool wolno = !(kolumnaZablokowana && kolumnaZablokowana(nowy.column()));
        if (wolno && naOpuszczenie)
            wolno = naOpuszczenie(stary.column(), stary.row() + 1, nowy.column(), nowy.row() + 1);
        if (!wolno) {
            ++synchronizacja_;
            selectionModel()->setCurrentIndex(stary, QItemSelectionModel::ClearAndSelect);
            --synchronizacja_;
            viewport()->update();
            return;
        }
    }
    QTableView::currentChanged(nowy, stary);
    viewport()->update();
    if (synchronizacja_ == 0 && nowy.isValid()) emit komorkaWeszla(nowy.column(), nowy.row() + 1);
}

void WidokTabeli::enter() {
    if (naEnter) naEnter();
}

void WidokTabeli::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        enter();
        e->accept();
        return;
    }
    if (e->text() == ",") {
        // A comma starts the editor with a point.
        QKeyEvent kropka(e->type(), Qt::Key_Period, e->modifiers(), ".");
        QTableView::keyPressEvent(&kropka);
        return;
    }
    QTableView::keyPressEvent(e);
}

void WidokTabeli::mousePressEvent(QMouseEvent* e) {
    QTableView::mousePressEvent(e);
    const QModelIndex i = indexAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && i.isValid() && i.column() == 0 &&
        currentIndex().row() == i.row()) {
        przeciagany_ = i.row();
        celPrzeciagania_ = i.row();
        viewport()->setCursor(Qt::SizeVerCursor);
    }
}

void WidokTabeli::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (przeciagany_ >= 0) {
        int w = rowAt(p.y());
        if (w < 0) w = p.y() < 0 ? 0 : model_->rowCount() - 1;
        if (w != celPrzeciagania_) {
            celPrzeciagania_ = w;
            viewport()->update();
        }
        return;
    }
    const QModelIndex i = indexAt(p);
    if (naPodpowiedz) naPodpowiedz(i.isValid() ? i.column() : -1);
    QTableView::mouseMoveEvent(e);
}

void WidokTabeli::mouseReleaseEvent(QMouseEvent* e) {
    if (przeciagany_ >= 0) {
        const int z = przeciagany_, na = celPrzeciagania_;
        przeciagany_ = celPrzeciagania_ = -1;
        viewport()->unsetCursor();
        viewport()->update();
        if (na >= 0 && na != z && naPrzesuniecie) naPrzesuniecie(z + 1, na + 1);
        e->accept();
        return;
    }
    QTableView::mouseReleaseEvent(e);
}

bool WidokTabeli::eventFilter(QObject* o, QEvent* e) {
    // The header row shows the hints too, below its top 3 pixels.
    if (o == horizontalHeader()->viewport() && e->type() == QEvent::MouseMove && naPodpowiedz) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        naPodpowiedz(p.y() > 3 ? horizontalHeader()->logicalIndexAt(p.x()) : -1);
    }
    return QTableView::eventFilter(o, e);
}

void WidokTabeli::paintEvent(QPaintEvent* e) {
    QTableView::paintEvent(e);
    if (przeciagany_ < 0 || celPrzeciagania_ < 0 || celPrzeciagania_ == przeciagany_) return;
    // Where the dragged row will land.
    QPainter p(viewport());
    p.setPen(QPen(palette().highlight().color(), 2));
    const int y = celPrzeciagania_ > przeciagany_
                      ? rowViewportPosition(celPrzeciagania_) + rowHeight(celPrzeciagania_)
                      : rowViewportPosition(celPrzeciagania_);
    p.drawLine(0, y, viewport()->width(), y);
}

}  // namespace kelmor
