#include "shell/ListeOluşturuluyorFormu.h"

#include "shell/KaynakSimgeleri.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <map>

namespace {
std::map<QString, İlerlemePenceresi::Yordam>& yordamlar() {
    static std::map<QString, İlerlemePenceresi::Yordam> y;
    return y;
}

// The shown progress window, for the procedures that move its bar.
QPointer<ListeOluşturuluyorFormu>& gösterilen() {
    static QPointer<ListeOluşturuluyorFormu> g;
    return g;
}
}  // namespace

ListeOluşturuluyorFormu::ListeOluşturuluyorFormu(QWidget* sahip) : İlerlemePenceresi(sahip) {
    setObjectName(QStringLiteral("ListeOluşturuluyorFormu"));
    setWindowTitle(QStringLiteral("Liste Oluşturuluyor..."));
    Etiket = new QLabel(QStringLiteral("Liste oluşturulurken lütfen, bekleyiniz!"), this);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    SimgeKutusu = new QLabel(this);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    İlerlemeÇubuğu = new QProgressBar(this);
    İlerlemeÇubuğu->setObjectName(QStringLiteral("İlerlemeÇubuğu"));
    İlerlemeÇubuğu->setRange(0, 100);
    İlerlemeÇubuğu->setValue(0);
    İlerlemeÇubuğu->setTextVisible(false);
    İlerlemeÇubuğu->setMinimumWidth(280);
    auto* d = new QGridLayout(this);
    d->setContentsMargins(16, 16, 16, 16);
    d->setHorizontalSpacing(14);
    d->addWidget(SimgeKutusu, 0, 0, 2, 1, Qt::AlignTop);
    d->addWidget(Etiket, 0, 1);
    d->addWidget(İlerlemeÇubuğu, 1, 1);
    SimgeKoy(SimgeKutusu, QStringLiteral("LISTE"));
    PencereyiSabitle(this);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    gösterilen() = this;
}

ListeOluşturuluyorFormu::~ListeOluşturuluyorFormu() {
    if (gösterilen() == this) gösterilen() = nullptr;
}

void ListeOluşturuluyorFormu::AktarmaGörünümü() {
    setWindowTitle(QStringLiteral("MS Excel'e Aktarılıyor..."));
    Etiket->setText(QStringLiteral("MS Excel'e aktarılırken lütfen, bekleyiniz!"));
    SimgeKoy(SimgeKutusu, QStringLiteral("EXCEL"));
}

void ListeOluşturuluyorFormu::YordamKaydet(const QString& tag, Yordam yordam) { yordamlar()[tag] = std::move(yordam); }

İlerlemePenceresi::Yordam ListeOluşturuluyorFormu::yordam() const {
    const auto it = yordamlar().find(Tag);
    return it == yordamlar().end() ? Yordam() : it->second;
}

void ListeOluşturuluyorFormu::İlerlemeSınırı(int enBüyük) {
    if (auto* f = gösterilen().data()) f->İlerlemeÇubuğu->setMaximum(std::max(enBüyük, 0));
}

void ListeOluşturuluyorFormu::İlerleme(int değer) {
    if (auto* f = gösterilen().data()) {
        QProgressBar* ç = f->İlerlemeÇubuğu;
        ç->setValue(std::clamp(değer, ç->minimum(), ç->maximum()));
    }
}

int ListeOluşturuluyorFormu::İlerlemeDeğeri() {
    const auto* f = gösterilen().data();
    return f ? f->İlerlemeÇubuğu->value() : 0;
}
