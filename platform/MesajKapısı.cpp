#include "platform/MesajKapısı.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace {
QString& başlıkDeğişkeni() {
    static QString b = QStringLiteral("Depora");
    return b;
}
MesajKapısı::Yanıtlayıcı& yanıtlayıcı() {
    static MesajKapısı::Yanıtlayıcı y;
    return y;
}

// Centre the box on its owner unless the owner is minimised or its frame reaches
// past the left or top edge of the screen.
void ortala(QMessageBox& kutu, QWidget* sahip) {
    if (!sahip || sahip->isMinimized()) return;
    const QRect d = sahip->frameGeometry();
    if (d.left() < 0 || d.top() < 0 || d.right() < 0 || d.bottom() < 0) return;
    kutu.adjustSize();
    const QSize k = kutu.sizeHint();
    const double x = d.left() + d.width() / 2.0 - k.width() / 2.0;
    const double y = d.top() + d.height() / 2.0 - k.height() / 2.0;
    kutu.move(static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y)));
}
}  // namespace

namespace MesajKapısı {
void başlığıAyarla(const QString& b) { başlıkDeğişkeni() = b; }
const QString& başlık() { return başlıkDeğişkeni(); }
void yanıtlayıcıKur(Yanıtlayıcı y) { yanıtlayıcı() = std::move(y); }
void yanıtlayıcıKaldır() { yanıtlayıcı() = nullptr; }
}  // namespace MesajKapısı

MesajCevabı MesajGöster(const QString& metin, MesajSimgesi simge, MesajDüğmeleri düğmeler, const QString& başlık,
                        MesajCevabı varsayılan) {
    MesajKaydı kayıt{metin, başlık.isEmpty() ? başlıkDeğişkeni() : başlık, simge, düğmeler, varsayılan};
    if (düğmeler == MesajDüğmeleri::Tamam) kayıt.varsayılan = MesajCevabı::Tamam;
    if (yanıtlayıcı()) return yanıtlayıcı()(kayıt);

    QWidget* sahip = QApplication::activeWindow();
    QMessageBox kutu(sahip);
    kutu.setWindowTitle(kayıt.başlık);
    kutu.setText(metin);
    switch (simge) {
    case MesajSimgesi::Bilgi: kutu.setIcon(QMessageBox::Information); break;
    case MesajSimgesi::Soru: kutu.setIcon(QMessageBox::Question); break;
    case MesajSimgesi::Ünlem: kutu.setIcon(QMessageBox::Warning); break;
    case MesajSimgesi::Kritik: kutu.setIcon(QMessageBox::Critical); break;
    }
    QPushButton* tamam = nullptr;
    QPushButton* evet = nullptr;
    QPushButton* hayır = nullptr;
    if (düğmeler == MesajDüğmeleri::Tamam) {
        tamam = kutu.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
        kutu.setDefaultButton(tamam);
        kutu.setEscapeButton(tamam);
    } else {
        evet = kutu.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
        hayır = kutu.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
        kutu.setDefaultButton(varsayılan == MesajCevabı::Hayır ? hayır : evet);
        kutu.setEscapeButton(hayır);
    }
    ortala(kutu, sahip);
    kutu.exec();
    if (düğmeler == MesajDüğmeleri::Tamam) return MesajCevabı::Tamam;
    return kutu.clickedButton() == evet ? MesajCevabı::Evet : MesajCevabı::Hayır;
}

void Bilgi(const QString& metin) { MesajGöster(metin, MesajSimgesi::Bilgi); }
void Uyarı(const QString& metin) { MesajGöster(metin, MesajSimgesi::Ünlem); }
bool EvetMi(const QString& metin) {
    return MesajGöster(metin, MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır) == MesajCevabı::Evet;
}
