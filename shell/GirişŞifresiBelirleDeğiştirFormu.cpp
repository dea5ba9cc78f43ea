#include "shell/GirişŞifresiBelirleDeğiştirFormu.h"

#include "platform/MesajKapısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişŞifresiModülü.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

GirişŞifresiBelirleDeğiştirFormu::GirişŞifresiBelirleDeğiştirFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("GirişŞifresiBelirleDeğiştirFormu"));
    setWindowTitle(QStringLiteral("Giriş Şifresi Belirle"));
    Etiket[0] = new QLabel(QStringLiteral("Şifre :"), this);
    Etiket[0]->setObjectName(QStringLiteral("Etiket0"));
    Etiket[1] = new QLabel(QStringLiteral("Doğrula :"), this);
    Etiket[1]->setObjectName(QStringLiteral("Etiket1"));
    ŞifreKutusu = ŞifreKutusuYap(this, QStringLiteral("ŞifreKutusu"), Etiket[0]);
    ŞifreDoğrulaKutusu = ŞifreKutusuYap(this, QStringLiteral("ŞifreDoğrulaKutusu"), Etiket[1]);
    std::tie(TamamDüğmesi, İptalDüğmesi) =
        ŞifreDüğmeleriYap(this, [this] { TamamDüğmesi_Click(); }, [this] { İptalDüğmesi_Click(); });
    ŞifrePenceresiniDiz(this, {{Etiket[0], ŞifreKutusu}, {Etiket[1], ŞifreDoğrulaKutusu}}, TamamDüğmesi,
                        İptalDüğmesi);
    başlıklarıAyarla();
}

void GirişŞifresiBelirleDeğiştirFormu::başlıklarıAyarla() {
    Etiket[0]->setText(GirişŞifresiSor ? QStringLiteral("Yeni Şifre :") : QStringLiteral("Şifre :"));
    İptalDüğmesi->setText(GirişŞifresiSor ? QStringLiteral("Şifreyi Kaldır") : QStringLiteral("İptal"));
    setWindowTitle(GirişŞifresiSor ? QStringLiteral("Giriş Şifresi Değiştir") : QStringLiteral("Giriş Şifresi Belirle"));
}

void GirişŞifresiBelirleDeğiştirFormu::TamamDüğmesi_Click() {
    if (!ŞifreUzunluğuYeterli(ŞifreKutusu)) return;
    const QString şifre = ŞifreKutusu->text();
    const QString doğrulama = ŞifreDoğrulaKutusu->text();
    if (doğrulama.isEmpty() || doğrulama != şifre) {
        Bilgi(doğrulama.isEmpty()
                  ? QStringLiteral("Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!")
                  : QStringLiteral("Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen, kontrol ediniz."));
        ŞifreDoğrulaKutusu->setFocus();
        return;
    }
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
