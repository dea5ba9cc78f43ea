#include "shell/GirişŞifresiSorFormu.h"

#include "platform/MesajKapısı.h"
#include "shell/AnaForm.h"
#include "shell/BaşlangıçModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/GirişŞifresiModülü.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

GirişŞifresiSorFormu::GirişŞifresiSorFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("GirişŞifresiSorFormu"));
    setWindowTitle(QStringLiteral("Giriş Şifresi"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Etiket = new QLabel(QStringLiteral("Şifre :"), this);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    ŞifreKutusu = new QLineEdit(this);
    ŞifreKutusu->setObjectName(QStringLiteral("ŞifreKutusu"));
    ŞifreKutusu->setEchoMode(QLineEdit::Password);
    ŞifreKutusu->setMaxLength(10);
    Etiket->setBuddy(ŞifreKutusu);
    Giriş::EtiketliAlan(ŞifreKutusu, nullptr);
    Giriş::YalnızRakam(ŞifreKutusu);

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
    TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
    İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
    İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
    Giriş::VarsayılanDüğmeleriKapat(this, TamamDüğmesi);

    auto* düzen = new QGridLayout(this);
    düzen->addWidget(Etiket, 0, 0);
    düzen->addWidget(ŞifreKutusu, 0, 1);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);
    düzen->addLayout(düğmeler, 1, 0, 1, 2);
    düzen->setSizeConstraint(QLayout::SetFixedSize);

    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
}

void GirişŞifresiSorFormu::TamamDüğmesi_Click() {
    const QString şifre = ŞifreKutusu->text();
    if (şifre.isEmpty()) {
        Bilgi(QStringLiteral("Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!"));
        ŞifreKutusu->setFocus();
        return;
    }
    if (şifre.size() < 4) {
        Bilgi(QStringLiteral("Şifre en az 4 rakam olmalıdır!"));
        ŞifreKutusu->setFocus();
        return;
    }
    if (GirişŞifresiDoğruMu(şifre)) {
        accept();
        return;
    }
    if (++yanlışSayısı_ < 3) {
        Bilgi(QStringLiteral("Şifre yanlış!"));
        ŞifreKutusu->clear();
        ŞifreKutusu->setFocus();
        return;
    }
    Uyarı(QStringLiteral("3 kez yanlış şifre girildiği için program kapatılacak!"));
    İptalDüğmesi_Click();
}

// Esc and the frame's close box come here too, through reject().
void GirişŞifresiSorFormu::İptalDüğmesi_Click() { reject(); }

bool GirişŞifresiniSor(QWidget* sahip) {
    if (!GirişŞifresiAyarlı()) {
        GirişŞifresiSor = false;
        return true;
    }
    GirişŞifresiSorFormu pencere(sahip);
    if (pencere.exec() == QDialog::Accepted) return true;
    if (auto* ana = dynamic_cast<AnaForm*>(sahip)) ana->ProgramKapatsın();
    return false;
}
