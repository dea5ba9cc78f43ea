#include "shell/GirişDavranışları.h"

#include "platform/MesajKapısı.h"
#include "platform/SayıTarih.h"
#include "platform/Türkçe.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

namespace {

const char* const DenetimAtlaÖzelliği = "depora_denetimAtla";
// A box whose edits go through a filter, which drops control characters itself.
const char* const SüzülürÖzelliği = "depora_süzülür";

struct Denetim {
    std::function<bool()> işlev;
};

QHash<QWidget*, Denetim>& denetimler() {
    static QHash<QWidget*, Denetim> d;
    return d;
}

// Box whose check waits for the handler of the button that took the focus.
QHash<QWidget*, QPointer<QWidget>>& bekleyenler() {
    static QHash<QWidget*, QPointer<QWidget>> b;
    return b;
}

bool çalışıyor = false;

// Why the focus last moved: a click or an accelerator on a button leaves the
// check to the button's handler, which runs it before its work.
Qt::FocusReason sonOdakNedeni = Qt::OtherFocusReason;

QWidget* denetimliAlan(QWidget* w) {
    // a combo box's line edit stands for its combo box
    while (w) {
        if (denetimler().contains(w)) return w;
        if (!qobject_cast<QLineEdit*>(w)) return nullptr;
        w = w->parentWidget();
        if (!qobject_cast<QComboBox*>(w)) return nullptr;
    }
    return nullptr;
}

bool denetle(QWidget* alan) {
    if (çalışıyor) return true;
    auto it = denetimler().find(alan);
    if (it == denetimler().end() || !it->işlev) return true;
    çalışıyor = true;
    bool sonuç = true;
    try {
        sonuç = it->işlev();
    } catch (...) {
        sonuç = true;
    }
    çalışıyor = false;
    if (!sonuç) {
        alan->setFocus(Qt::OtherFocusReason);
        MetniSeç(alan);
    }
    return sonuç;
}

void odakDeğişti(QWidget* eski, QWidget* yeni) {
    if (çalışıyor || !yeni) return;
    QWidget* pencere = yeni->window();
    // leaving the button that had a pending check for another field runs it
    if (auto b = bekleyenler().value(pencere); b && !qobject_cast<QAbstractButton*>(yeni)) {
        bekleyenler().remove(pencere);
        if (b != yeni && !yeni->property(DenetimAtlaÖzelliği).toBool()) denetle(b);
        return;
    }
    QWidget* alan = denetimliAlan(eski);
    if (!alan || alan->window() != pencere) return;  // another window (a message box): no check
    if (yeni == alan || alan->isAncestorOf(yeni)) return;
    if (yeni->property(DenetimAtlaÖzelliği).toBool()) return;
    if (qobject_cast<QAbstractButton*>(yeni) &&
        (sonOdakNedeni == Qt::MouseFocusReason || sonOdakNedeni == Qt::ShortcutFocusReason)) {
        bekleyenler().insert(pencere, alan);
        return;
    }
    denetle(alan);
}

void odakİzle() {
    static bool kuruldu = false;
    if (kuruldu || !qApp) return;
    kuruldu = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* eski, QWidget* yeni) { odakDeğişti(eski, yeni); });
}

// The text without lone surrogates and control characters.
QString geçerliMetin(const QString& metin) {
    QString s;
    s.reserve(metin.size());
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin[i];
        if (c.isHighSurrogate() && i + 1 < metin.size() && metin[i + 1].isLowSurrogate()) {
            s += c;
            s += metin[++i];
        } else if (!c.isSurrogate() && c.category() != QChar::Other_Control) {
            s += c;
        }
    }
    return s;
}

// Every change the user makes to the box (typed, pasted, dropped, from the context
// menu) is handed to süz as the text before the change's place, the characters it
// puts in and the text after: süz gives the characters to keep in their place, or
// nothing to put the box back as it was.
using Süzgeç = std::function<std::optional<QString>(const QString& önü, const QString& eklenen, const QString& arkası)>;

void düzenlemeyiSüz(QLineEdit* kutu, Süzgeç süz) {
    // the filter sees every edit whole: the application-wide dropping of control
    // characters, were it to run first, would hide the rest of a pasted text from it
    kutu->setProperty(SüzülürÖzelliği, true);
    auto önceki = std::make_shared<QString>(kutu->text());
    // textEdited comes before textChanged: önceki still holds the text before the change
    // (a text that is no longer the box's comes from an edit a watcher has put back)
    QObject::connect(kutu, &QLineEdit::textChanged, kutu, [kutu, önceki](const QString& metin) {
        if (metin == kutu->text()) *önceki = metin;
    });
    QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu, önceki, süz] {
        const QString yeni = kutu->text();
        const QString eski = *önceki;
        if (yeni == eski) return;  // an earlier watcher put it back already
        qsizetype baş = 0;
        while (baş < yeni.size() && baş < eski.size() && yeni[baş] == eski[baş]) ++baş;
        qsizetype son = 0;
        while (son < yeni.size() - baş && son < eski.size() - baş &&
               yeni[yeni.size() - 1 - son] == eski[eski.size() - 1 - son])
            ++son;
        const QString eklenen = yeni.mid(baş, yeni.size() - baş - son);
        auto kalan = süz(yeni.left(baş), eklenen, yeni.right(son));
        if (kalan) *kalan = geçerliMetin(*kalan);
        if (kalan == eklenen) return;
        kutu->setText(kalan ? yeni.left(baş) + *kalan + yeni.right(son) : eski);
        kutu->setCursorPosition(static_cast<int>(baş + (kalan ? kalan->size() : 0)));
    });
}

void tuşSüz(QWidget* kutu, std::function<bool(QChar)> izinli) {
    auto* satır = qobject_cast<QLineEdit*>(kutu);
    if (auto* c = qobject_cast<QComboBox*>(kutu)) satır = c->lineEdit();
    if (satır)
        düzenlemeyiSüz(satır, [izinli](const QString&, const QString& eklenen, const QString&) {
            QString kalan;
            for (QChar c : eklenen)
                if (izinli(c)) kalan += c;
            return std::optional<QString>(kalan);
        });
    OlayDinle(kutu, [izinli](QEvent* o) {
        if (o->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(o);
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        const QString t = k->text();
        if (t.isEmpty() || !t[0].isPrint()) return false;  // navigation, Backspace, Enter
        for (QChar c : t)
            if (!izinli(c)) return true;
        return false;
    });
}

void büyükHarfYap(QLineEdit* kutu) {
    QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu] {
        const QString metin = kutu->text();  // an earlier watcher may have changed it
        const QString yeni = SerbestMetin(metin);
        if (yeni == metin) return;
        const int imleç = kutu->cursorPosition();
        kutu->setText(yeni);
        kutu->setCursorPosition(std::min(imleç, static_cast<int>(yeni.size())));
    });
}

// The text of a line edit or of an editable combo box, and writing it back.
QString alanMetni(QWidget* alan) {
    if (auto* c = qobject_cast<QComboBox*>(alan)) return c->currentText();
    if (auto* e = qobject_cast<QLineEdit*>(alan)) return e->text();
    return {};
}

void alanMetniniYaz(QWidget* alan, const QString& metin) {
    if (auto* c = qobject_cast<QComboBox*>(alan)) c->setEditText(metin);
    else if (auto* e = qobject_cast<QLineEdit*>(alan)) e->setText(metin);
}

// When the box is left, its text becomes dönüştür's text (when that differs).
// An editable combo box holds the focus itself and hands its focus events to
// its line edit directly, past any watcher: both are watched.
void ayrılıncaDönüştür(QWidget* alan, std::function<QString(const QString&)> dönüştür) {
    auto ayrılınca = [alan, dönüştür](QEvent* o) {
        if (o->type() == QEvent::FocusOut) {
            const QString eski = alanMetni(alan);
            const QString yeni = dönüştür(eski);
            if (yeni != eski) alanMetniniYaz(alan, yeni);
        }
        return false;
    };
    OlayDinle(alan, ayrılınca);
    if (auto* c = qobject_cast<QComboBox*>(alan); c && c->lineEdit()) OlayDinle(c->lineEdit(), ayrılınca);
}

// What every text box of the program does (see UygulamaGenelindeKur).
void metinKutusunuKur(QLineEdit* kutu) {
    const char* const kuruldu = "depora_metinKutusu";
    if (kutu->property(kuruldu).toBool()) return;
    kutu->setProperty(kuruldu, true);
    QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu] {
        if (kutu->property(SüzülürÖzelliği).toBool()) return;
        const QString metin = kutu->text();
        const QString temiz = geçerliMetin(metin);
        if (temiz == metin) return;
        const int imleç = kutu->cursorPosition();
        const QString önü = geçerliMetin(metin.left(imleç));
        kutu->setText(temiz);
        kutu->setCursorPosition(static_cast<int>(önü.size()));
    });
    // setText leaves the box unmodified, the user's own edits do not; a text that is
    // no longer the box's comes from an edit that a watcher has already rewritten
    QObject::connect(kutu, &QLineEdit::textChanged, kutu, [kutu](const QString& metin) {
        if (metin == kutu->text() && !kutu->isModified() && !kutu->hasFocus()) kutu->setCursorPosition(0);
    });
}

// Watches every event of the application: which text boxes are made ready, and
// why the focus moves.
class UygulamaGözcüsü : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* nesne, QEvent* olay) override {
        if (olay->type() == QEvent::FocusIn) sonOdakNedeni = static_cast<QFocusEvent*>(olay)->reason();
        else if (olay->type() == QEvent::Polish)
            if (auto* k = qobject_cast<QLineEdit*>(nesne)) metinKutusunuKur(k);
        return false;
    }
};

// A limit as the messages name it: "999.999.999".
QString tamSayıMetni(double sayı) { return BiçimliSayı(sayı).chopped(3); }

// A number shows as "##,##0.00"; any other text stays.
QString biçimliSayıMetni(const QString& metin) {
    const auto s = SayıOku(metin);
    return s ? BiçimliSayı(*s) : metin;
}

// A box the user types text into: a line edit or an editable combo box.
bool metinKutusu(QWidget* w) {
    if (qobject_cast<QLineEdit*>(w)) return true;
    auto* c = qobject_cast<QComboBox*>(w);
    return c && c->isEditable();
}

// Tab, Shift+Tab, Enter (which moves on as Tab does) or an accelerator brought the focus.
bool klavyeyleGirildi(QEvent* olay) {
    const Qt::FocusReason neden = static_cast<QFocusEvent*>(olay)->reason();
    return neden == Qt::TabFocusReason || neden == Qt::BacktabFocusReason || neden == Qt::ShortcutFocusReason;
}

}  // namespace

namespace Giriş {

void UygulamaGenelindeKur() {
    static QPointer<QObject> gözcü;
    if (gözcü || !qApp) return;
    gözcü = new UygulamaGözcüsü(qApp);
    qApp->installEventFilter(gözcü);
}

void EtiketliAlan(QWidget* alan, QLabel* etiket, bool metniSeç) {
    // An editable combo box keeps the focus itself (its line edit has it as focus
    // proxy) and hands keys to the line edit directly: the combo box is watched.
    QPointer<QLabel> e(etiket);
    OlayDinle(alan, [alan, e, metniSeç](QEvent* o) {
        if (o->type() == QEvent::FocusIn) {
            if (e) {
                QPalette p = e->palette();
                p.setColor(QPalette::WindowText, EtkinEtiketRengi);
                e->setPalette(p);
            }
            if (metniSeç) {
                // after Qt's own focus handling, which may move the cursor
                QPointer<QWidget> a(alan);
                QMetaObject::invokeMethod(alan, [a] { if (a) MetniSeç(a); }, Qt::QueuedConnection);
                MetniSeç(alan);
            } else if (metinKutusu(alan) && klavyeyleGirildi(o)) {
                // Qt selects the whole text of a box the keyboard enters: the box is
                // handed the entry as a plain one, which leaves its text as it was
                QFocusEvent sade(QEvent::FocusIn, Qt::OtherFocusReason);
                QCoreApplication::sendEvent(alan, &sade);
                return true;
            }
        } else if (o->type() == QEvent::FocusOut) {
            if (e) e->setPalette(QPalette());
        } else if (o->type() == QEvent::KeyPress) {
            // Alt with a character is an accelerator; one that names no control
            // types nothing (Ctrl+Alt is AltGr on some keyboards and types).
            const auto* k = static_cast<QKeyEvent*>(o);
            const Qt::KeyboardModifiers m = k->modifiers();
            return (m & Qt::AltModifier) && !(m & Qt::ControlModifier) && !k->text().isEmpty() &&
                   k->text()[0].isPrint();
        }
        return false;
    });
}

void EnterİleSonraki(QWidget* alan, std::function<void()> önce) {
    OlayDinle(alan, [alan, önce](QEvent* o) {
        if (o->type() != QEvent::KeyPress) return false;
        const int t = static_cast<QKeyEvent*>(o)->key();
        if (t != Qt::Key_Return && t != Qt::Key_Enter) return false;
        if (önce) önce();
        QWidget* sonraki = alan->nextInFocusChain();
        while (sonraki && sonraki != alan &&
               (!sonraki->isEnabled() || !sonraki->isVisible() || !(sonraki->focusPolicy() & Qt::TabFocus) ||
                alan->isAncestorOf(sonraki)))
            sonraki = sonraki->nextInFocusChain();
        if (sonraki && sonraki != alan) sonraki->setFocus(Qt::TabFocusReason);
        return true;
    });
}

void YalnızRakam(QLineEdit* kutu) {
    tuşSüz(kutu, [](QChar c) { return c.isDigit(); });
}

void YalnızRakam(QComboBox* kutu) {
    tuşSüz(kutu, [](QChar c) { return c.isDigit(); });
}

void SayıKutusu(QLineEdit* kutu) {
    tuşSüz(kutu, [](QChar c) { return c.isDigit() || c == QLatin1Char(','); });
    ayrılıncaDönüştür(kutu, biçimliSayıMetni);
}

void SayıKutusu(QComboBox* kutu) {
    tuşSüz(kutu, [](QChar c) { return c.isDigit() || c == QLatin1Char(','); });
    ayrılıncaDönüştür(kutu, biçimliSayıMetni);
}

void Yasakla(QLineEdit* kutu, const QString& karakterler) {
    tuşSüz(kutu, [karakterler](QChar c) { return !karakterler.contains(c); });
}

void SayıDeğilseGeriAl(QLineEdit* kutu) {
    düzenlemeyiSüz(kutu, [](const QString& önü, const QString& eklenen, const QString& arkası) -> std::optional<QString> {
        const QString yeni = önü + eklenen + arkası;
        if (yeni.isEmpty() || SayıOku(yeni)) return eklenen;
        return std::nullopt;
    });
}

bool FişNoDenetle(QLineEdit* kutu) {
    const QString metin = kutu->text().trimmed();
    QString hata;
    bool rakamlar = !metin.isEmpty();
    for (QChar c : metin) rakamlar = rakamlar && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const std::int64_t no = rakamlar ? TamSayıDeğeri(metin) : 0;
    if (metin.isEmpty()) hata = QStringLiteral("FİŞ NO boş olamaz!");
    else if (!rakamlar) hata = QStringLiteral("FİŞ NO yalnızca rakamlardan oluşabilir!");
    else if (no == 0) hata = QStringLiteral("FİŞ NO (0) olamaz!");
    else if (no > std::numeric_limits<std::int32_t>::max()) hata = QStringLiteral("FİŞ NO en fazla 2147483647 olabilir!");
    if (hata.isEmpty()) {
        kutu->setText(QString::number(no));
        return true;
    }
    Bilgi(hata);
    kutu->setFocus(Qt::OtherFocusReason);
    return false;
}

QString SayıHatası(const QString& metin, const QString& ad, double enBüyük) {
    const auto s = SayıOku(metin);
    if (!s || *s <= 0) return QStringLiteral("Lütfen, geçerli bir %1 giriniz.").arg(ad);
    if (*s > enBüyük) return QStringLiteral("%1 en fazla %2 olabilir!").arg(ad, tamSayıMetni(enBüyük));
    return {};
}

QString TutarHatası(double tutar, Para listeToplamı) {
    if (!(std::abs(tutar) <= EnBüyükTutar))
        return QStringLiteral("TUTAR en fazla %1 olabilir!").arg(tamSayıMetni(EnBüyükTutar));
    if (std::abs(listeToplamı.sayı() + tutar) > EnBüyükTutar)
        return QStringLiteral("LİSTE TOPLAMI en fazla %1 olabilir!").arg(tamSayıMetni(EnBüyükTutar));
    return {};
}

void TarihKutusu(QLineEdit* kutu, std::function<bool()> ekDenetim, const QString& hataMetni) {
    tuşSüz(kutu, [](QChar c) {
        return c.isDigit() || c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.');
    });
    AyrılıncaDenetle(kutu, [kutu, ekDenetim, hataMetni] {
        if (kutu->text().trimmed().isEmpty()) return true;
        const auto t = TarihOku(kutu->text());
        if (!t) {
            Bilgi(hataMetni.isEmpty() ? QStringLiteral("Lütfen, TARİHİ doğru biçimde giriniz.") : hataMetni);
            return false;
        }
        kutu->setText(KısaTarih(*t));
        return ekDenetim ? ekDenetim() : true;
    });
}

void BüyükHarfKutusu(QLineEdit* kutu) { büyükHarfYap(kutu); }

void BüyükHarfKutusu(QComboBox* kutu) {
    if (kutu->lineEdit()) büyükHarfYap(kutu->lineEdit());
}

void AyrılıncaKırp(QWidget* alan) {
    if (auto* c = qobject_cast<QComboBox*>(alan)) AyrılıncaTemizle(c);
    else if (auto* e = qobject_cast<QLineEdit*>(alan)) AyrılıncaTemizle(e);
}

QString TemizMetin(const QString& metin) {
    QString s = metin;
    s.replace(QLatin1Char('\''), QChar(0x2019));
    return s.trimmed();
}

void AyrılıncaTemizle(QLineEdit* kutu) { ayrılıncaDönüştür(kutu, TemizMetin); }

void AyrılıncaTemizle(QComboBox* kutu) { ayrılıncaDönüştür(kutu, TemizMetin); }

void AyrılıncaDenetle(QWidget* alan, std::function<bool()> denetim) {
    odakİzle();
    denetimler().insert(alan, Denetim{std::move(denetim)});
    QObject::connect(alan, &QObject::destroyed, [alan] { denetimler().remove(alan); });
}

void DenetimAtlatır(QAbstractButton* düğme) { düğme->setProperty(DenetimAtlaÖzelliği, true); }

bool AyrılmaDenetimiGeçti(QWidget* pencere) {
    QWidget* p = pencere->window();
    if (auto b = bekleyenler().take(p)) return denetle(b);
    if (QWidget* alan = denetimliAlan(p->focusWidget())) return denetle(alan);
    return true;
}

void VarsayılanDüğmeleriKapat(QDialog* pencere, QAbstractButton* varsayılan) {
    for (auto* d : pencere->findChildren<QPushButton*>()) {
        d->setAutoDefault(false);
        d->setDefault(false);
        // A button that has the focus still answers Enter, as Space.
        OlayDinle(d, [d](QEvent* o) {
            if (o->type() != QEvent::KeyPress) return false;
            const auto* t = static_cast<QKeyEvent*>(o);
            if ((t->key() != Qt::Key_Return && t->key() != Qt::Key_Enter) || t->modifiers() & ~Qt::KeypadModifier)
                return false;
            d->click();
            return true;
        });
    }
    if (auto* d = qobject_cast<QPushButton*>(varsayılan)) d->setDefault(true);
}

}  // namespace Giriş
