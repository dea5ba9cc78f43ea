#include "catalogue/BağlantıNoİçinKodSeçFormu.h"

#include "platform/MesajKapısı.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

BağlantıNoİçinKodSeçFormu::BağlantıNoİçinKodSeçFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("BağlantıNoİçinKodSeçFormu"));
    setWindowTitle(QStringLiteral("Kod Seçimi"));

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Etiket = new QLabel(QStringLiteral("Kod Listesi"), Altlık);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    KodListesi = new QListWidget(Altlık);
    KodListesi->setObjectName(QStringLiteral("KodListesi"));
    KodListesi->setSelectionMode(QAbstractItemView::SingleSelection);
    Etiket->setBuddy(KodListesi);
    auto* al = new QVBoxLayout(Altlık);
    al->setContentsMargins(0, 0, 0, 0);
    al->addWidget(Etiket);
    al->addWidget(KodListesi, 1);

    TamamDüğmesi = AdlıDüğme(this, QStringLiteral("TamamDüğmesi"), QStringLiteral("Tamam"));
    VazgeçDüğmesi = AdlıDüğme(this, QStringLiteral("VazgeçDüğmesi"), QStringLiteral("Vazgeç"));
    auto* l = new QHBoxLayout(this);
    l->addWidget(Altlık, 1);
    auto* dl = new QVBoxLayout;
    dl->addWidget(TamamDüğmesi);
    dl->addWidget(VazgeçDüğmesi);
    dl->addStretch();
    l->addLayout(dl);

    Giriş::EtiketliAlan(KodListesi, Etiket, false);
    PencereyiSabitle(this);
    Giriş::DenetimAtlatır(VazgeçDüğmesi);
    Giriş::VarsayılanDüğmeleriKapat(this);
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, [this] { VazgeçDüğmesi_Click(); });
}

void BağlantıNoİçinKodSeçFormu::KodEkle(const QString& kodu, std::int64_t parçaNo) {
    auto* öğe = new QListWidgetItem(kodu, KodListesi);
    öğe->setData(Qt::UserRole, static_cast<qlonglong>(parçaNo));
}

void BağlantıNoİçinKodSeçFormu::TamamDüğmesi_Click() {
    const auto seçili = KodListesi->selectedItems();
    if (seçili.isEmpty()) {
        Bilgi(QStringLiteral("Lütfen, listeden bir KOD seçiniz!"));
        return;
    }
    SeçilenParçaNo = seçili.first()->data(Qt::UserRole).toLongLong();
    accept();
}

void BağlantıNoİçinKodSeçFormu::VazgeçDüğmesi_Click() {
    SeçilenParçaNo = 0;
    reject();
}
