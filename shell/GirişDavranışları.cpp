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

namespace {

const char* const DenetimAtlaÖzelliği = "depora_denetimAtla";

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
    if (!sonuç) alan->setFocus(Qt::OtherFocusReason);
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
    if (qobject_cast<QAbstractButton*>(yeni)) {
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

void tuşSüz(QWidget* kutu, std::function<bool(QChar)> izinli) {
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
    QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu](const QString& metin) {
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

// A number shows as "##,##0.00"; any other text stays.
QString biçimliSayıMetni(const QString& metin) {
    const auto s = SayıOku(metin);
    return s ? BiçimliSayı(*s) : metin;
}

}  // namespace

namespace Giriş {

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
    QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu](const QString& metin) {
        if (!metin.isEmpty() && !SayıOku(metin)) kutu->backspace();
    });
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
