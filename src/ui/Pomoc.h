#pragma once
// The help viewer: shows one topic of the program's help file
// ("KELMOR5help.chm" beside the program) by its context number.
#include <QDialog>
#include <QMap>
#include <QString>

class QTextBrowser;

namespace kelmor {

class OknoPomocy : public QDialog {
    Q_OBJECT
  public:
    explicit OknoPomocy(const QString& plik, QWidget* rodzic = nullptr);
    // Shows the topic (non-modal); false when the file has no such topic.
    bool pokazTemat(int kontekst);
    int aktualnyTemat() const { return temat_; }
    bool maTemat(int kontekst);

  private:
    void wczytaj();
    QString plik_;
    bool wczytany_ = false;
    QString tytulPliku_;
    QMap<int, QString> tematy_;
    QTextBrowser* przegladarka_;
    int temat_ = 0;
};

}  // namespace kelmor
