#include "vouchers/FişSeçFormu.h"

#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"
#include "vouchers/GirişFişiYazdırFormu.h"
#include "vouchers/ÇıkışFişiYazdırFormu.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FişSeçFormu::FişSeçFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("FişSeçFormu"));
    setWindowTitle(QStringLiteral("Yazdırılacak Fişi Seçme"));
    auto* çerçeve = new QGroupBox(this);
    Altlık = new QWidget(çerçeve);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    auto* seçenekler = new QVBoxLayout(Altlık);
    const QString metinler[] = {QStringLiteral("Giriş Fişi Yazdır "), QStringLiteral("Çıkış Fişi Yazdır ")};
    for (int i = 0; i < 2; ++i) {
        FişSeçSeçeneği[i] = new QRadioButton(metinler[i], Altlık);
        FişSeçSeçeneği[i]->setObjectName(QStringLiteral("FişSeçSeçeneği%1").arg(i));
        FişSeçSeçeneği[i]->setCursor(Qt::PointingHandCursor);
        seçenekler->addWidget(FişSeçSeçeneği[i]);
    }
    FişSeçSeçeneği[0]->setChecked(true);
    (new QVBoxLayout(çerçeve))->addWidget(Altlık);

    Tamam = AdlıDüğme(this, QStringLiteral("Tamam"), QStringLiteral("Tamam"));
    İptalDüğmesi = AdlıDüğme(this, QStringLiteral("İptalDüğmesi"), QStringLiteral("İptal"));
    Giriş::DenetimAtlatır(İptalDüğmesi);
    auto* düğmeler = new QVBoxLayout;
    düğmeler->addWidget(Tamam);
    düğmeler->addWidget(İptalDüğmesi);
    düğmeler->addStretch();
    auto* ana = new QHBoxLayout(this);
    ana->addWidget(çerçeve);
    ana->addLayout(düğmeler);

    connect(Tamam, &QPushButton::clicked, this, [this] { Tamam_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    Giriş::VarsayılanDüğmeleriKapat(this, Tamam);
    PencereyiSabitle(this);
}

void FişSeçFormu::Tamam_Click() {
    ArşivModu = false;
    if (FişSeçSeçeneği[0]->isChecked()) FişPenceresiniAç<GirişFişiYazdırFormu>(this, false);
    else FişPenceresiniAç<ÇıkışFişiYazdırFormu>(this, false);
    accept();
}
