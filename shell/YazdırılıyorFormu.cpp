#include "shell/YazdırılıyorFormu.h"

#include "shell/GenelDeğişkenler.h"
#include "shell/KaynakSimgeleri.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QHBoxLayout>
#include <QLabel>
#include <map>

namespace {
std::map<int, İlerlemePenceresi::Yordam>& yordamlar() {
    static std::map<int, İlerlemePenceresi::Yordam> y;
    return y;
}
}  // namespace

YazdırılıyorFormu::YazdırılıyorFormu(QWidget* sahip) : İlerlemePenceresi(sahip) {
    setObjectName(QStringLiteral("YazdırılıyorFormu"));
    setWindowTitle(QStringLiteral("Yazdırılıyor..."));
    SimgeKutusu = new QLabel(this);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    Etiket = new QLabel(QStringLiteral("Yazdırma işlemi sürüyor. Lütfen, bekleyiniz!"), this);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    auto* d = new QHBoxLayout(this);
    d->setContentsMargins(16, 16, 24, 16);
    d->setSpacing(14);
    d->addWidget(SimgeKutusu);
    d->addWidget(Etiket);
    SimgeKoy(SimgeKutusu, QStringLiteral("YAZDIR"));
    PencereyiSabitle(this);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
}

void YazdırılıyorFormu::YordamKaydet(int kod, Yordam yordam) { yordamlar()[kod] = std::move(yordam); }

İlerlemePenceresi::Yordam YazdırılıyorFormu::yordam() const {
    const auto it = yordamlar().find(YazdırılacakRapor);
    return it == yordamlar().end() ? Yordam() : it->second;
}
