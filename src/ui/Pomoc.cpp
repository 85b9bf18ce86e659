#include "ui/Pomoc.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kelmor {

OknoPomocy::OknoPomocy(const QString& plik, QWidget* rodzic) : QDialog(rodzic), plik_(plik) {
    setObjectName("OknoPomocy");
    setWindowTitle("KELMOR - pomoc");
    setModal(false);
    resize(640, 520);
    przegladarka_ = new QTextBrowser(this);
    przegladarka_->setOpenLinks(false);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(4, 4, 4, 4);
    uklad->addWidget(przegladarka_);
    // Links between topics read "#t<number>".
    connect(przegladarka_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QString f = url.fragment().isEmpty() ? url.toString() : url.fragment();
        static const QRegularExpression re("t(\\d+)$");
        const auto m = re.match(f);
        if (m.hasMatch()) pokazTemat(m.captured(1).toInt());
    });
}

void OknoPomocy::wczytaj() {
    if (wczytany_) return;
    wczytany_ = true;
    QFile f(plik_);
    if (!f.open(QIODevice::ReadOnly)) return;
    const QString tekst = QString::fromUtf8(f.readAll());
    // Each topic is a block <div class="temat" id="t<number>"> ... </div>.
    static const QRegularExpression re("<div class=\"temat\" id=\"t(\\d+)\">(.*?)</div>",
                                       QRegularExpression::DotMatchesEverythingOption);
    for (auto it = re.globalMatch(tekst); it.hasNext();) {
        const auto m = it.next();
        tematy_.insert(m.captured(1).toInt(), m.captured(2));
    }
    static const QRegularExpression reStyl("<style>.*?</style>",
                                           QRegularExpression::DotMatchesEverythingOption);
    const auto styl = reStyl.match(tekst);
    if (styl.hasMatch()) tytulPliku_ = styl.captured(0);
}

bool OknoPomocy::maTemat(int kontekst) {
    wczytaj();
    return tematy_.contains(kontekst);
}

bool OknoPomocy::pokazTemat(int kontekst) {
    wczytaj();
    temat_ = kontekst;
    QString tresc = tematy_.value(kontekst);
    const bool jest = !tresc.isEmpty();
    if (!jest)
        tresc = QString(
                    "<h2>Brak tematu %1</h2><p>Plik pomocy nie zawiera tego tematu. "
                    "<a href=\"#t10\">Spis treści</a></p>")
                    .arg(kontekst);
    przegladarka_->setHtml("<html><head>" + tytulPliku_ + "</head><body>" + tresc +
                           "</body></html>");
    show();
    raise();
    activateWindow();
    return jest;
}

}  // namespace kelmor
