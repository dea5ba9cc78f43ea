#include "shell/GirişŞifresiBelirleDeğiştirFormu.h"

#include "platform/MesajKapısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/GirişŞifresiModülü.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QLineEdit* şifreKutusuYap(QWidget* sahip, const QString& ad, QLabel* etiket) {
    auto* kutu = new QLineEdit(sahip);
    kutu->setObjectName(ad);
    kutu->setEchoMode(QLineEdit::Password);
    kutu->setMaxLength(10);
    etiket->setBuddy(kutu);
    Giriş::EtiketliAlan(kutu, etiket);
    Giriş::YalnızRakam(kutu);
    return kutu;
}
}  // namespace

GirişŞifresiBelirleDeğiştirFormu::GirişŞifresiBelirleDeğiştirFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("GirişŞifresiBelirleDeğiştirFormu"));
    setWindowTitle(QStringLiteral("Giriş Şifresi Belirle"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Etiket[0] = new QLabel(QStringLiteral("Şifre :"), this);
    Etiket[0]->setObjectName(QStringLiteral("Etiket0"));
    Etiket[1] = new QLabel(QStringLiteral("Doğrula :"), this);
    Etiket[1]->setObjectName(QStringLiteral("Etiket1"));
    ŞifreKutusu = şifreKutusuYap(this, QStringLiteral("ŞifreKutusu"), Etiket[0]);
    ŞifreDoğrulaKutusu = şifreKutusuYap(this, QStringLiteral("ŞifreDoğrulaKutusu"), Etiket[1]);

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
    İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
    Giriş::VarsayılanDüğmeleriKapat(this, TamamDüğmesi);

    auto* düzen = new QGridLayout(this);
    düzen->addWidget(Etiket[0], 0, 0);
    düzen->addWidget(ŞifreKutusu, 0, 1);
    düzen->addWidget(Etiket[1], 1, 0);
    düzen->addWidget(ŞifreDoğrulaKutusu, 1, 1);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);
    düzen->addLayout(düğmeler, 2, 0, 1, 2);
    düzen->setSizeConstraint(QLayout::SetFixedSize);

    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
    başlıklarıAyarla();
}

void GirişŞifresiBelirleDeğiştirFormu::başlıklarıAyarla() {
    Etiket[0]->setText(GirişŞifresiSor ? QStringLiteral("Yeni Şifre :") : QStringLiteral("Şifre :"));
    İptalDüğmesi->setText(GirişŞifresiSor ? QStringLiteral("Şifreyi Kaldır") : QStringLiteral("İptal"));
    setWindowTitle(GirişŞifresiSor ? QStringLiteral("Giriş Şifresi Değiştir") : QStringLiteral("Giriş Şifresi Belirle"));
}

void GirişŞifresiBelirleDeğiştirFormu::TamamDüğmesi_Click() {
    auto reddet = [](const QString& metin, QLineEdit* kutu) {
        Bilgi(metin);
        kutu->setFocus();
    };
    const QString şifre = ŞifreKutusu->text();
    if (şifre.isEmpty()) return reddet(QStringLiteral("Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!"), ŞifreKutusu);
    if (şifre.size() < 4) return reddet(QStringLiteral("Şifre en az 4 rakam olmalıdır!"), ŞifreKutusu);
    if (ŞifreDoğrulaKutusu->text().isEmpty())
        return reddet(QStringLiteral("Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!"),
                      ŞifreDoğrulaKutusu);
    if (ŞifreDoğrulaKutusu->text() != şifre)
        return reddet(QStringLiteral("Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen, kontrol ediniz."),
                      ŞifreDoğrulaKutusu);
    if (HataYönetimiyle([&] { GirişŞifresiniSakla(şifre); })) accept();
}

bool GirişŞifresiBelirleDeğiştirFormu::kaldır() { return HataYönetimiyle([] { GirişŞifresiniKaldır(); }); }

void GirişŞifresiBelirleDeğiştirFormu::İptalDüğmesi_Click() {
    if (GirişŞifresiSor) {
        if (MesajGöster(QStringLiteral("GİRİŞ ŞİFRE'sini kaldırmak istiyor musunuz?"), MesajSimgesi::Soru,
                        MesajDüğmeleri::EvetHayır, QString(), MesajCevabı::Hayır) == MesajCevabı::Evet &&
            !kaldır())
            return;
        reject();
        return;
    }
    if (MesajGöster(QStringLiteral("GİRİŞ ŞİFRE'si belirlemek istemiyor musunuz?"), MesajSimgesi::Soru,
                    MesajDüğmeleri::EvetHayır, QString(), MesajCevabı::Evet) == MesajCevabı::Hayır)
        return;
    if (kaldır()) reject();
}

// Esc is the cancel button; the frame's close box just closes.
void GirişŞifresiBelirleDeğiştirFormu::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
        İptalDüğmesi_Click();
        return;
    }
    QDialog::keyPressEvent(olay);
}
