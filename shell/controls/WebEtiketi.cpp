#include "shell/controls/WebEtiketi.h"

#include "platform/Masaüstü.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/Twip.h"
#include "shell/YapımcıBilgileri.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

namespace {
const int Kenar = TwiptenPiksel(30);

QColor düğmeMetniRengi() { return QApplication::palette().color(QPalette::ButtonText); }
}  // namespace

WebEtiketi::WebEtiketi(QWidget* üst) : QWidget(üst), Etiket(new QLabel(QStringLiteral("..."), this)), url_(YapımcıAnaSayfası()) {
    Etiket->setObjectName(QStringLiteral("Etiket"));
    Etiket->setCursor(Qt::PointingHandCursor);
    Etiket->setMouseTracking(true);
    ForeColor(düğmeMetniRengi());
    OlayDinle(Etiket, [this](QEvent* o) {
        if (o->type() == QEvent::MouseMove) {
            auto* m = static_cast<QMouseEvent*>(o);
            if (MouseMove)
                MouseMove(m->buttons(), m->modifiers(), PikseldenTwip(m->position().x()), PikseldenTwip(m->position().y()));
            return true;  // the host's background must not see it
        }
        if (o->type() == QEvent::MouseButtonRelease) {
            auto* m = static_cast<QMouseEvent*>(o);
            if (m->button() == Qt::LeftButton && Etiket->rect().contains(m->position().toPoint())) Etiket_Click();
            return true;
        }
        return false;
    });
    UserControl_Resize();
}

void WebEtiketi::UserControl_Resize() {
    Etiket->adjustSize();
    Etiket->move(Kenar, Kenar);
    setFixedSize(Etiket->width() + 2 * Kenar, Etiket->height() + 2 * Kenar);
}

void WebEtiketi::Etiket_Click() { Masaüstü::adresAç(url_); }  // nothing is reported when it fails

QString WebEtiketi::Caption() const { return Etiket->text(); }

void WebEtiketi::Caption(const QString& metin) {
    Etiket->setText(metin);
    UserControl_Resize();
}

bool WebEtiketi::FontUnderline() const { return Etiket->font().underline(); }

void WebEtiketi::FontUnderline(bool altıÇizili) {
    QFont f = Etiket->font();
    f.setUnderline(altıÇizili);
    Etiket->setFont(f);
    UserControl_Resize();
}

QColor WebEtiketi::ForeColor() const { return Etiket->palette().color(QPalette::WindowText); }

void WebEtiketi::ForeColor(const QColor& renk) {
    QPalette p = Etiket->palette();
    p.setColor(QPalette::WindowText, renk);
    Etiket->setPalette(p);
}

QFont WebEtiketi::Font() const { return Etiket->font(); }

void WebEtiketi::Font(const QFont& yazıTipi) {
    Etiket->setFont(yazıTipi);
    UserControl_Resize();
}

QColor WebEtiketi::AktifRenk() {
    ForeColor(aktifRenk_);
    return aktifRenk_;
}

void WebEtiketi::AktifRenk(const QColor& renk) {
    aktifRenk_ = renk;
    ForeColor(renk);
}

QVariantMap WebEtiketi::ÖzellikleriYaz() const {
    return {
        {QStringLiteral("Caption"), Caption()},
        {QStringLiteral("FontUnderline"), FontUnderline()},
        {QStringLiteral("ForeColor"), ForeColor()},
        {QStringLiteral("Font"), Font()},
        {QStringLiteral("AktifRenk"), aktifRenk_},
        {QStringLiteral("PasifRenk"), pasifRenk_},
        {QStringLiteral("RenkDeğiştir"), renkDeğiştir_},
        {QStringLiteral("Url"), url_},
    };
}

void WebEtiketi::ÖzellikleriOku(const QVariantMap& torba) {
    const QWidget* sahip = parentWidget();
    Etiket->setText(torba.value(QStringLiteral("Caption"), QStringLiteral("...")).toString());
    QFont f = torba.value(QStringLiteral("Font"), sahip ? sahip->font() : QApplication::font()).value<QFont>();
    f.setUnderline(torba.value(QStringLiteral("FontUnderline"), false).toBool());
    Etiket->setFont(f);
    ForeColor(torba.value(QStringLiteral("ForeColor"), düğmeMetniRengi()).value<QColor>());
    // the active colour is only stored: the caption keeps its saved colour
    aktifRenk_ = torba.value(QStringLiteral("AktifRenk"), VarsayılanAktifRenk()).value<QColor>();
    pasifRenk_ = torba.value(QStringLiteral("PasifRenk"), VarsayılanPasifRenk()).value<QColor>();
    renkDeğiştir_ = torba.value(QStringLiteral("RenkDeğiştir"), false).toBool();
    url_ = torba.value(QStringLiteral("Url"), YapımcıAnaSayfası()).toString();
    UserControl_Resize();
}
