#include "shell/TercihlerFormu.h"

#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/controls/AyarliKutu.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString AnaBölüm = QStringLiteral("Ayarlar");
const QString ÇizgiAnahtarı = QStringLiteral("Cizgili Listeler");
const QString KopyaAnahtarı = QStringLiteral("Kopya Sayisi");

// The four copy counts, in the order of the window's boxes.
struct KopyaAyarı {
    QString bölüm;
    int* değişken;
};
const KopyaAyarı (&kopyaAyarları())[4] {
    static const KopyaAyarı a[4] = {
        {QStringLiteral("Ayarlar\\Giris Fisi"), &GirişFişiKopyaSayısı},
        {QStringLiteral("Ayarlar\\Cikis Fisi"), &ÇıkışFişiKopyaSayısı},
        {QStringLiteral("Ayarlar\\Sayim Cetveli"), &SayımCetveliKopyaSayısı},
        {QStringLiteral("Ayarlar\\Malzeme Cetveli"), &MalzemeCetveliKopyaSayısı},
    };
    return a;
}

constexpr int EnAzKopya = 1;
constexpr int EnÇokKopya = 10;

// A stored copy count: 1 when it cannot be read, kept within 1 to 10.
int kopyaSayısıOku(const QString& bölüm) {
    bool sayı = false;
    const int değer = AyarOku(bölüm, KopyaAnahtarı, QStringLiteral("1")).trimmed().toInt(&sayı);
    return sayı ? std::clamp(değer, EnAzKopya, EnÇokKopya) : EnAzKopya;
}

}  // namespace

int TercihlerFormu::KopyaSayısınıOku(const QString& bölüm) { return kopyaSayısıOku(bölüm); }

void TercihlerFormu::TercihleriYükle() {
    try {
        bool sayı = false;
        const int çizgi = AyarOku(AnaBölüm, ÇizgiAnahtarı, QStringLiteral("1")).trimmed().toInt(&sayı);
        if (sayı) ÇizgiliListeler = çizgi != 0;
        for (const auto& a : kopyaAyarları()) *a.değişken = kopyaSayısıOku(a.bölüm);
    } catch (const std::exception&) {
        // a settings store that cannot be read leaves the values as they are
    }
}

TercihlerFormu::TercihlerFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("TercihlerFormu"));
    setWindowTitle(QStringLiteral("Tercihler (Ayarlar)..."));

    TümListelerÇizgiliOlsunOnayı = new QCheckBox(QStringLiteral("&Tüm listeler çizgili (ızgaralı) olsun "), this);
    TümListelerÇizgiliOlsunOnayı->setObjectName(QStringLiteral("TümListelerÇizgiliOlsunOnayı"));

    std::tie(Çerçeve, Altlık) = ÇerçeveVeAltlıkYap(this, QString());
    (new QVBoxLayout(Çerçeve))->addWidget(Altlık);
    auto* çerçeveDüzeni = new QGridLayout(Altlık);
    çerçeveDüzeni->setContentsMargins(0, 0, 0, 0);
    GirişFişiKopyaSayısıKutusu = kopyaKutusu(0, QStringLiteral("GirişFişiKopyaSayısıKutusu"),
                                            QStringLiteral("Giriş fişi kopya sayısı :"));
    ÇıkışFişiKopyaSayısıKutusu = kopyaKutusu(1, QStringLiteral("ÇıkışFişiKopyaSayısıKutusu"),
                                            QStringLiteral("Çıkış fişi kopya sayısı :"));
    SayımCetveliKopyaSayısıKutusu = kopyaKutusu(2, QStringLiteral("SayımCetveliKopyaSayısıKutusu"),
                                               QStringLiteral("Sayım cetveli kopya sayısı :"));
    MalzemeCetveliKopyaSayısıKutusu = kopyaKutusu(3, QStringLiteral("MalzemeCetveliKopyaSayısıKutusu"),
                                                 QStringLiteral("Malzeme cetveli kopya sayısı :"));
    for (int i = 0; i < 4; ++i) {
        çerçeveDüzeni->addWidget(Etiket[i], i, 0);
        çerçeveDüzeni->addWidget(kutular_[i], i, 1);
    }

    TamamDüğmesi = AdlıDüğme(this, QStringLiteral("TamamDüğmesi"), QStringLiteral("Tamam"));
    TamamDüğmesi->setEnabled(false);
    İptalDüğmesi = AdlıDüğme(this, QStringLiteral("İptalDüğmesi"), QStringLiteral("İptal"));
    Giriş::DenetimAtlatır(İptalDüğmesi);
    İlkAyarlarDüğmesi = AdlıDüğme(this, QStringLiteral("İlkAyarlarDüğmesi"), QStringLiteral("İlk Ayarlar"));
    Giriş::VarsayılanDüğmeleriKapat(this);

    auto* düğmeler = new QHBoxLayout;
    düğmeler->addWidget(İlkAyarlarDüğmesi);
    düğmeler->addStretch();
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);
    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(TümListelerÇizgiliOlsunOnayı);
    düzen->addWidget(Çerçeve);
    düzen->addLayout(düğmeler);
    PencereyiSabitle(this);

    connect(TümListelerÇizgiliOlsunOnayı, &QCheckBox::clicked, this, [this] { TamamDüğmesi->setEnabled(true); });
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
    connect(İlkAyarlarDüğmesi, &QPushButton::clicked, this, [this] { İlkAyarlarDüğmesi_Click(); });

    // The load: the stored preferences into the variables, then into the controls.
    TercihleriYükle();
    TümListelerÇizgiliOlsunOnayı->setChecked(ÇizgiliListeler);
    for (int i = 0; i < 4; ++i) kutular_[i]->setValue(*kopyaAyarları()[i].değişken);
}

AyarliKutu* TercihlerFormu::kopyaKutusu(int sıra, const QString& ad, const QString& etiket) {
    Etiket[sıra] = new QLabel(etiket, Altlık);
    Etiket[sıra]->setObjectName(QStringLiteral("Etiket%1").arg(sıra));
    auto* kutu = new AyarliKutu(Altlık);
    kutu->setObjectName(ad);
    kutu->setEnDusuk(EnAzKopya);
    kutu->setEnYuksek(EnÇokKopya);
    kutu->setMaxLength(2);
    kutu->setFixedWidth(70);
    kutu->setValue(1);
    Etiket[sıra]->setBuddy(kutu->DeğerKutusu);
    // only the user's own changes count: the box must hold the focus
    kutu->Change = [this, kutu] {
        if (QWidget* odak = focusWidget(); odak && (odak == kutu || kutu->isAncestorOf(odak)))
            TamamDüğmesi->setEnabled(true);
    };
    kutular_[sıra] = kutu;
    return kutu;
}

void TercihlerFormu::İlkAyarlarDüğmesi_Click() {
    TümListelerÇizgiliOlsunOnayı->setChecked(true);
    for (auto* kutu : kutular_) kutu->setValue(1);
    TamamDüğmesi->setEnabled(true);
}

void TercihlerFormu::TamamDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    const bool kaydedildi = HataYönetimiyle([this] {
        AyarYaz(AnaBölüm, ÇizgiAnahtarı, TümListelerÇizgiliOlsunOnayı->isChecked() ? QStringLiteral("1")
                                                                                 : QStringLiteral("0"));
        ÇizgiliListeler = TümListelerÇizgiliOlsunOnayı->isChecked();
        for (int i = 0; i < 4; ++i) {
            AyarYaz(kopyaAyarları()[i].bölüm, KopyaAnahtarı, QString::number(kutular_[i]->Value()));
            *kopyaAyarları()[i].değişken = kutular_[i]->Value();
        }
    });
    if (kaydedildi) accept();
}

void TercihlerFormu::İptalDüğmesi_Click() { reject(); }
