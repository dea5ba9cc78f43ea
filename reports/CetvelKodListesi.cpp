#include "reports/CetvelKodListesi.h"

#include "platform/SayıTarih.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeKutusu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/TercihlerFormu.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* etiket(QWidget* pencere, const QString& ad, const QString& metin) {
    auto* e = new QLabel(metin, pencere);
    e->setObjectName(ad);
    return e;
}
}  // namespace

KodListesiDenetimleri KodListesiKur(QWidget* pencere, std::function<void()> bul, std::function<void()> seçimDeğişti) {
    KodListesiDenetimleri d{};
    d.kodEtiketi = etiket(pencere, QStringLiteral("Etiket0"), QStringLiteral("&Kod Listesi"));
    d.KodListesi = new QListWidget(pencere);
    d.KodListesi->setObjectName(QStringLiteral("KodListesi"));
    d.KodListesi->setSelectionMode(QAbstractItemView::SingleSelection);
    d.kodEtiketi->setBuddy(d.KodListesi);
    d.bulEtiketi = etiket(pencere, QStringLiteral("Etiket1"), QStringLiteral("Kod B&ul"));
    d.BulKutusu = new QLineEdit(pencere);
    d.BulKutusu->setObjectName(QStringLiteral("BulKutusu"));
    d.BulKutusu->setMaxLength(10);
    d.bulEtiketi->setBuddy(d.BulKutusu);
    d.BulDüğmesi = new QPushButton(QStringLiteral("&Bul"), pencere);
    d.BulDüğmesi->setObjectName(QStringLiteral("BulDüğmesi"));

    OdakRengiBağla(d.KodListesi, d.kodEtiketi);
    OklarİlkSatırdanBaşlar(d.KodListesi);
    Giriş::EtiketliAlan(d.BulKutusu, d.bulEtiketi);
    Giriş::YalnızRakam(d.BulKutusu);
    // Enter only runs the find: it neither moves on nor reaches the dialog
    OlayDinle(d.BulKutusu, [bul](QEvent* o) {
        if (o->type() != QEvent::KeyPress) return false;
        const int t = static_cast<QKeyEvent*>(o)->key();
        if (t != Qt::Key_Return && t != Qt::Key_Enter) return false;
        bul();
        return true;
    });
    QObject::connect(d.BulDüğmesi, &QPushButton::clicked, pencere, [bul] { bul(); });
    QObject::connect(d.KodListesi, &QListWidget::itemSelectionChanged, pencere, [seçimDeğişti] { seçimDeğişti(); });
    d.KodListesi->setFixedWidth(115);
    d.BulKutusu->setFixedWidth(115);
    d.düzen = new QVBoxLayout;
    d.düzen->addWidget(d.kodEtiketi);
    d.düzen->addWidget(d.KodListesi, 1);
    d.düzen->addWidget(d.bulEtiketi);
    d.düzen->addWidget(d.BulKutusu);
    d.düzen->addWidget(d.BulDüğmesi);
    return d;
}

void KodlarıYükle(QListWidget* liste) {
    std::vector<std::int64_t> kodlar;
    {
        Sorgu s(VeriTabanı, QStringLiteral("SELECT Kodu FROM ParcaBilgileriTablosu GROUP BY Kodu ORDER BY Kodu"));
        while (s.sonraki()) kodlar.push_back(s.tamsayı(QStringLiteral("Kodu")));
    }
    for (const std::int64_t k : kodlar) {
        auto* ö = new QListWidgetItem(QString::number(k));
        ö->setData(Qt::UserRole, static_cast<qlonglong>(k));
        liste->addItem(ö);
    }
}

std::optional<std::int64_t> SeçiliKod(const QListWidget* liste) {
    const auto seçili = liste->selectedItems();
    if (seçili.isEmpty()) return std::nullopt;
    return seçili.first()->data(Qt::UserRole).toLongLong();
}

void KodBul(QLineEdit* kutu, QListWidget* liste) {
    if (!kutu->text().isEmpty()) kutu->setText(QString::number(TamSayıDeğeri(kutu->text())));
    const int satır = ÖnekleBaşlayanSatır(liste, kutu->text());
    if (satır < 0) KodSeçiminiKaldır(liste);
    else liste->setCurrentRow(satır, QItemSelectionModel::ClearAndSelect);
}

void KodSeçiminiKaldır(QListWidget* liste) {
    liste->setCurrentRow(-1, QItemSelectionModel::Clear);
    liste->clearSelection();
}

void KopyaSayısınıEtkinlikteOku(QDialog* pencere, const QString& bölüm, int* değişken) {
    OlayDinle(pencere, [bölüm, değişken](QEvent* o) {
        if (o->type() == QEvent::WindowActivate || o->type() == QEvent::Show) {
            try {
                *değişken = TercihlerFormu::KopyaSayısınıOku(bölüm);
            } catch (const std::exception&) {
                // an unreadable settings store keeps the count in memory
            }
        }
        return false;
    });
}

void OdakRengiBağla(QWidget* alan, QLabel* etiket) { Giriş::EtiketliAlan(alan, etiket, false); }
