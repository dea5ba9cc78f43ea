#include "shell/YazıcıSeçmeFormu.h"

#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

YazıcıSeçmeFormu::YazıcıSeçmeFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("YazıcıSeçmeFormu"));
    setWindowTitle(QStringLiteral("Yazıcı Seç"));
    std::tie(Çerçeve, Altlık) = ÇerçeveVeAltlıkYap(this, QStringLiteral("Yazıcı "));
    YazıcıAdlarıKutusu = new QComboBox(Altlık);
    YazıcıAdlarıKutusu->setObjectName(QStringLiteral("YazıcıAdlarıKutusu"));
    YazıcıAdlarıKutusu->setMinimumWidth(260);
    BağlantıNoktasıKutusu = new QLineEdit(Altlık);
    BağlantıNoktasıKutusu->setObjectName(QStringLiteral("BağlantıNoktasıKutusu"));
    BağlantıNoktasıKutusu->setReadOnly(true);
    auto* adEtiketi = new QLabel(QStringLiteral("Yazıcı &Adı :"), Altlık);
    adEtiketi->setBuddy(YazıcıAdlarıKutusu);
    auto* yerEtiketi = new QLabel(QStringLiteral("&Bağlantı Yeri :"), Altlık);
    yerEtiketi->setBuddy(BağlantıNoktasıKutusu);
    TamamDüğmesi = AdlıDüğme(this, QStringLiteral("TamamDüğmesi"), QStringLiteral("Tamam"));
    İptalDüğmesi = AdlıDüğme(this, QStringLiteral("İptalDüğmesi"), QStringLiteral("İptal (Esc)"));

    ÇerçeveliDüzenKur(this, Çerçeve, Altlık, {{adEtiketi, YazıcıAdlarıKutusu}, {yerEtiketi, BağlantıNoktasıKutusu}},
                      TamamDüğmesi, İptalDüğmesi);

    connect(YazıcıAdlarıKutusu, &QComboBox::currentIndexChanged, this, [this] { YazıcıAdlarıKutusu_Click(); });
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
    Giriş::VarsayılanDüğmeleriKapat(this);
    Form_Load();
    PencereyiSabitle(this);
}

void YazıcıSeçmeFormu::Form_Load() {
    yazıcılar_ = Yazıcılar();
    for (size_t i = 0; i < yazıcılar_.size(); ++i) YazıcıAdlarıKutusu->addItem(yazıcılar_[i].ad, static_cast<int>(i));
    // the printer in use stands selected
    YazıcıAdlarıKutusu->setCurrentIndex(YazıcıAdlarıKutusu->findText(GeçerliYazıcı().ad(), Qt::MatchExactly));
}

void YazıcıSeçmeFormu::YazıcıAdlarıKutusu_Click() {
    const int i = YazıcıAdlarıKutusu->currentData().toInt();
    const bool var = YazıcıAdlarıKutusu->currentIndex() >= 0 && i >= 0 && i < static_cast<int>(yazıcılar_.size());
    BağlantıNoktasıKutusu->setText(var ? yazıcılar_[static_cast<size_t>(i)].yer : QString());
}

void YazıcıSeçmeFormu::TamamDüğmesi_Click() {
    if (YazıcıAdlarıKutusu->currentIndex() >= 0) {
        const QString ad = yazıcılar_[static_cast<size_t>(YazıcıAdlarıKutusu->currentData().toInt())].ad;
        Yazıcı& y = GeçerliYazıcı();
        if (ad != y.ad()) y.aygıtıSeç(ad);
    }
    accept();
    QCoreApplication::processEvents();  // the dialog goes before printing starts
}

void YazıcıSeçmeFormu::İptalDüğmesi_Click() { reject(); }

void YazıcıSeçmeFormu::reject() {
    YazıcıSeçimiİptal = true;
    QDialog::reject();
}
