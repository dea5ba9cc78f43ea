#include "shell/KarşılamaFormu.h"

#include "platform/MesajKapısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/KaynakMetinleri.h"
#include "shell/Twip.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

KarşılamaFormu::KarşılamaFormu(QWidget* üst) : QWidget(üst, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("KarşılamaFormu"));
    setAttribute(Qt::WA_DeleteOnClose);
}

bool KarşılamaFormu::EkranYeterli(int ekranYüksekliği) { return ekranYüksekliği >= 600; }

bool KarşılamaFormu::Form_Load() {
    setFixedSize(TwiptenPiksel(8200), TwiptenPiksel(5400));
    const QScreen* ekran = QGuiApplication::primaryScreen();
    if (ekran) move(ekran->geometry().center() - rect().center());
    if (ekran && !EkranYeterli(ekran->geometry().height())) {
        Uyarı(QStringLiteral("Bu programın çalışması için ekran çözünürlüğünüzün en az") +
              QStringLiteral("800 x 600 piksel olması gerekiyor!"));
        return false;
    }
    return true;
}

void KarşılamaFormu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(rect().topLeft(), rect().bottomRight());
    g.setColorAt(0, QColor(24, 62, 110));
    g.setColorAt(1, QColor(12, 30, 56));
    p.fillRect(rect(), g);
    p.setPen(QColor(192, 64, 0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    QFont f(QStringLiteral("Liberation Sans"), 28, QFont::Bold);
    p.setFont(f);
    p.drawText(rect().adjusted(0, 0, 0, -60), Qt::AlignCenter, QStringLiteral("Depora"));
    f.setPointSize(11);
    f.setBold(false);
    p.setFont(f);
    p.drawText(rect().adjusted(0, 70, 0, 0), Qt::AlignCenter, QStringLiteral("Ambar ve Ayniyat İşlemleri"));
    p.drawText(rect().adjusted(12, 0, -12, -10), Qt::AlignBottom | Qt::AlignRight, ProgramBaşlığı);
}

void KarşılamaFormu::mousePressEvent(QMouseEvent*) { close(); }
