#pragma once
// Widgets over the document's tables: a model that reads and writes the
// cells of a `Tabela` in place, the two-line header, the cell drawing and
// the table view that forwards edits, cell moves, Enter, row dragging and
// hovering to the editor behaviour.
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <string>

#include "model/Obiekt.h"

namespace kelmor {

enum class RodzajWidoku { Siec, Zrodla, Katalog };

// Model rows are the table's data rows: model row r is table row r + 1.
class ModelTabeli : public QAbstractTableModel {
    Q_OBJECT
  public:
    ModelTabeli(RodzajWidoku rodzaj, Obiekt& ob, QObject* rodzic = nullptr);

    RodzajWidoku rodzaj() const { return rodzaj_; }
    Tabela& tabela() const;
    Obiekt& obiekt() const { return ob_; }

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int rola) const override;
    bool setData(const QModelIndex& i, const QVariant& v, int rola) override;
    QVariant headerData(int sekcja, Qt::Orientation o, int rola) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;

    // The two header lines of a column.
    std::pair<QString, QString> naglowek(int kolumna) const;
    QString podpowiedz(int kolumna) const;

    // Called when the user changed the text of a cell (column, table row, text).
    std::function<void(int, int, const std::string&)> naZmianeTekstu;

    // Re-reads the table after commands changed it behind the model.
    void odswiez();

  private:
    RodzajWidoku rodzaj_;
    Obiekt& ob_;
    int wiersze_ = 0, kolumny_ = 0;
};

// Header with one or two lines per column on the button-face colour.
class NaglowekTabeli : public QHeaderView {
    Q_OBJECT
  public:
    explicit NaglowekTabeli(QWidget* rodzic = nullptr);

  protected:
    void paintSection(QPainter* p, const QRect& r, int sekcja) const override;
};

class WidokTabeli;

// Draws marker, result and withdrawn cells; edits cells in a line edit
// that turns a typed comma into a point and reports every change.
class DelegatKomorki : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit DelegatKomorki(WidokTabeli* widok);
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
    QWidget* createEditor(QWidget* rodzic, const QStyleOptionViewItem& o,
                          const QModelIndex& i) const override;
    void setEditorData(QWidget* e, const QModelIndex& i) const override;
    void setModelData(QWidget* e, QAbstractItemModel* m, const QModelIndex& i) const override;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    WidokTabeli* widok_;
};

class WidokTabeli : public QTableView {
    Q_OBJECT
  public:
    WidokTabeli(ModelTabeli* model, QWidget* rodzic = nullptr);
    ModelTabeli* modelTabeli() const { return model_; }

    // Table coordinates of the current cell (row >= 1).
    int aktualnyWiersz() const;
    int aktualnaKolumna() const;
    // Makes a table cell current without running the leave-cell handler.
    void ustawAktualna(int kolumna, int wiersz);
    // Re-reads the table and puts the current cell back.
    void odswiez(int kolumna, int wiersz);
    // Width of a column in the spec's units, scaled to the font.
    void ustawSzerokosci();

    // Leaving a cell: previous (column, row) and new (column, row) in table
    // coordinates; returns false to keep the previous cell.
    std::function<bool(int, int, int, int)> naOpuszczenie;
    std::function<void()> naEnter;
    // Row moved by dragging the margin: table rows from, to.
    std::function<void(int, int)> naPrzesuniecie;
    // Mouse over a column (-1: nowhere).
    std::function<void(int)> naPodpowiedz;
    // Columns the user may not enter (result columns).
    std::function<bool(int)> kolumnaZablokowana;

    bool synchronizacja() const { return synchronizacja_ > 0; }

  signals:
    void komorkaWeszla(int kolumna, int wiersz);

  protected:
    void currentChanged(const QModelIndex& nowy, const QModelIndex& stary) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    friend class DelegatKomorki;
    void enter();
    ModelTabeli* model_;
    int synchronizacja_ = 0;
    int przeciagany_ = -1;  // model row being dragged by the margin
    int celPrzeciagania_ = -1;
};

}  // namespace kelmor
