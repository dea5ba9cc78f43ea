#include "shell/TarihSeçFormu.h"

#include "platform/MesajKapısı.h"
#include "platform/SayıTarih.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString BaşlamaBiçimHatası = QStringLiteral("Lütfen, BAŞLAMA TARİHİ'ni doğru biçimde giriniz.");
const QString BitişBiçimHatası = QStringLiteral("Lütfen, BİTİŞ TARİHİ'ni doğru biçimde giriniz.");
}  // namespace

TarihSeçFormu::TarihSeçFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("TarihSeçFormu"));
    setWindowTitle(QStringLiteral("Başlama ve Bitiş Tarihi Seç"));
    std::tie(Çerçeve, Altlık) = ÇerçeveVeAltlıkYap(this, QStringLiteral("Tarih Seç "));
    BaşlamaTarihiKutusu = new QLineEdit(Altlık);
    BaşlamaTarihiKutusu->setObjectName(QStringLiteral("BaşlamaTarihiKutusu"));
    BitişTarihiKutusu = new QLineEdit(Altlık);
    BitişTarihiKutusu->setObjectName(QStringLiteral("BitişTarihiKutusu"));
    Etiket[0] = new QLabel(QStringLiteral("&Başlama Tarihi :"), Altlık);
    Etiket[1] = new QLabel(QStringLiteral("Bitiş &Tarihi :"), Altlık);
    QLineEdit* kutular[2] = {BaşlamaTarihiKutusu, BitişTarihiKutusu};
    const QString hatalar[2] = {BaşlamaBiçimHatası, BitişBiçimHatası};
    for (int i = 0; i < 2; ++i) {
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
        Etiket[i]->setBuddy(kutular[i]);
        Giriş::EtiketliAlan(kutular[i], Etiket[i]);
        Giriş::EnterİleSonraki(kutular[i]);
        Giriş::TarihKutusu(kutular[i], {}, hatalar[i]);
    }
    TamamDüğmesi = AdlıDüğme(this, QStringLiteral("TamamDüğmesi"), QStringLiteral("Tamam"));
    İptalDüğmesi = AdlıDüğme(this, QStringLiteral("İptalDüğmesi"), QStringLiteral("İptal"));
    Giriş::DenetimAtlatır(İptalDüğmesi);

    ÇerçeveliDüzenKur(this, Çerçeve, Altlık, {{Etiket[0], BaşlamaTarihiKutusu}, {Etiket[1], BitişTarihiKutusu}},
                      TamamDüğmesi, İptalDüğmesi);

    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
    Giriş::VarsayılanDüğmeleriKapat(this);
    Form_Load();
    PencereyiSabitle(this);
}

void TarihSeçFormu::Form_Load() {
    const QString yıl = QString::number(QDate::currentDate().year());
    BaşlamaTarihiKutusu->setText(QStringLiteral("01.01.") + yıl);
    BitişTarihiKutusu->setText(QStringLiteral("31.12.") + yıl);
}

std::optional<std::pair<QDate, QDate>> TarihSeçFormu::Sor(QWidget* sahip) {
    TarihSeçFormu f(sahip);
    if (f.exec() != QDialog::Accepted) return std::nullopt;
    return std::make_pair(f.BaşlamaTarihi(), f.BitişTarihi());
}

void TarihSeçFormu::TamamDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    auto reddet = [](const QString& metin, QLineEdit* kutu) {
        Bilgi(metin);
        kutu->setFocus(Qt::OtherFocusReason);
    };
    if (BaşlamaTarihiKutusu->text().trimmed().isEmpty())
        return reddet(QStringLiteral("Lütfen, BAŞLAMA TARİHİ'ni giriniz."), BaşlamaTarihiKutusu);
    if (BitişTarihiKutusu->text().trimmed().isEmpty())
        return reddet(QStringLiteral("Lütfen, BİTİŞ TARİHİ'ni giriniz."), BitişTarihiKutusu);
    const auto başlama = TarihOku(BaşlamaTarihiKutusu->text());
    if (!başlama) return reddet(BaşlamaBiçimHatası, BaşlamaTarihiKutusu);
    const auto bitiş = TarihOku(BitişTarihiKutusu->text());
    if (!bitiş) return reddet(BitişBiçimHatası, BitişTarihiKutusu);
    if (başlama->daysTo(*bitiş) < 1)
        return reddet(QStringLiteral("İki tarih arasında en az BİR GÜN bulunması gerekiyor!"), BaşlamaTarihiKutusu);
    başlama_ = *başlama;
    bitiş_ = *bitiş;
    accept();
}

void TarihSeçFormu::İptalDüğmesi_Click() { reject(); }
