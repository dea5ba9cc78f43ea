#include "shell/GirişŞifresiModülü.h"

#include "platform/MesajKapısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString Bölüm = QStringLiteral("Ayarlar");
const QString SorAnahtarı = QStringLiteral("Giris Sifresi Sor");
const QString ŞifreAnahtarıAdı = QStringLiteral("Giris Sifresi");
}  // namespace

bool GirişŞifresiDoğruMu(const QString& yazılan) {
    const QString saklı = AyarOku(Bölüm, ŞifreAnahtarıAdı);
    return !saklı.isEmpty() && Şifrele(yazılan, ŞifreAlfabesi, ŞifreAnahtarı) == saklı;
}

void GirişŞifresiniSakla(const QString& şifre) {
    AyarYaz(Bölüm, ŞifreAnahtarıAdı, Şifrele(şifre, ŞifreAlfabesi, ŞifreAnahtarı));
    AyarYaz(Bölüm, SorAnahtarı, QStringLiteral("-1"));
    GirişŞifresiSor = true;
}

void GirişŞifresiniKaldır() {
    AyarYaz(Bölüm, SorAnahtarı, QStringLiteral("0"));
    AyarYaz(Bölüm, ŞifreAnahtarıAdı, QString());
    GirişŞifresiSor = false;
}

QLineEdit* ŞifreKutusuYap(QWidget* pencere, const QString& ad, QLabel* etiket) {
    auto* kutu = new QLineEdit(pencere);
    kutu->setObjectName(ad);
    kutu->setEchoMode(QLineEdit::Password);
    kutu->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*" for each character, whatever the style
    kutu->setMaxLength(10);
    if (etiket) etiket->setBuddy(kutu);
    Giriş::EtiketliAlan(kutu, etiket);
    Giriş::YalnızRakam(kutu);
    return kutu;
}

std::pair<QPushButton*, QPushButton*> ŞifreDüğmeleriYap(QDialog* pencere, std::function<void()> tamam,
                                                        std::function<void()> iptal) {
    auto* t = AdlıDüğme(pencere, QStringLiteral("TamamDüğmesi"), QStringLiteral("Tamam"));
    auto* i = AdlıDüğme(pencere, QStringLiteral("İptalDüğmesi"), QStringLiteral("İptal"));
    QObject::connect(t, &QPushButton::clicked, pencere, [tamam] { tamam(); });
    QObject::connect(i, &QPushButton::clicked, pencere, [iptal] { iptal(); });
    return {t, i};
}

void ŞifrePenceresiniDiz(QDialog* pencere, const std::vector<std::pair<QLabel*, QLineEdit*>>& satırlar,
                         QPushButton* tamam, QPushButton* iptal) {
    Giriş::VarsayılanDüğmeleriKapat(pencere, tamam);
    auto* düzen = new QGridLayout(pencere);
    int satır = 0;
    for (const auto& [etiket, kutu] : satırlar) {
        // wide enough for ten digits and for the longest caption in the title bar
        kutu->setMinimumWidth(160);
        düzen->addWidget(etiket, satır, 0);
        düzen->addWidget(kutu, satır++, 1);
    }
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(tamam);
    düğmeler->addWidget(iptal);
    düzen->addLayout(düğmeler, satır, 0, 1, 2);
    PencereyiSabitle(pencere);
}

bool ŞifreUzunluğuYeterli(QLineEdit* kutu) {
    const auto uzunluk = kutu->text().size();
    if (uzunluk >= 4) return true;
    Bilgi(uzunluk == 0 ? QStringLiteral("Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!")
                       : QStringLiteral("Şifre en az 4 rakam olmalıdır!"));
    kutu->setFocus();
    return false;
}
