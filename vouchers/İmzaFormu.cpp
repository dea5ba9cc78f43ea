#include "vouchers/İmzaFormu.h"

#include "platform/AyarDeposu.h"
#include "platform/MesajKapısı.h"
#include "platform/Türkçe.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace {

constexpr int EnÇokAd = 10;

// What leaving a box makes of its text.
QString AyrılıncaBiçimle(const QString& metin, bool kişiAdı) {
    QString s = metin.trimmed();
    if (!s.isEmpty()) s = BaşHarfleriBüyüt(s);
    if (kişiAdı) s = SoyadınıBüyüt(s);
    return s;
}

}  // namespace

void HatırlananAdlaraEkle(const QString& ad, const HatırlananListe& liste) {
    if (ad.isEmpty()) return;
    const auto kayıtlar = AyarDeposu::bölümüOku(UygulamaAdı, liste.bölüm);
    if (kayıtlar.size() > EnÇokAd) return;
    for (const auto& [anahtar, eski] : kayıtlar)
        if (TürkçeAynı(eski, ad)) return;
    const int n = static_cast<int>(kayıtlar.size());
    if (n < EnÇokAd) {
        AyarYaz(liste.bölüm, liste.önek + QString::number(n + 1), ad);
        return;
    }
    QStringList adlar{ad};
    for (int i = 0; i < EnÇokAd - 1; ++i) adlar << kayıtlar[i].second;
    for (int i = 0; i < EnÇokAd; ++i) AyarYaz(liste.bölüm, liste.önek + QString::number(i + 1), adlar[i]);
}

İmzaFormu::İmzaFormu(QWidget* sahip, const QString& başlık, const QString& ayarBölümü, const Yerleşim& yerleşim)
    : QDialog(sahip), ayarBölümü_(ayarBölümü), yerleşim_(yerleşim) {
    setWindowTitle(başlık);
}

void İmzaFormu::çerçeveEkle(const QString& başlık, int üst, int yükseklik) {
    const Yerleşim& y = yerleşim_;
    const int no = static_cast<int>(Çerçeve.size());
    auto* ç = new QGroupBox(başlık, this);
    ç->setObjectName(QStringLiteral("Çerçeve%1").arg(no));
    TwipİleYerleştir(ç, y.çerçeveSol, üst, y.çerçeveGenişlik, yükseklik);
    auto* a = new QWidget(ç);
    a->setObjectName(QStringLiteral("Altlık%1").arg(no));
    a->setAutoFillBackground(true);
    a->setBackgroundRole(QPalette::Window);
    TwipİleYerleştir(a, y.altlıkSol, y.altlıkÜst, y.çerçeveGenişlik - 2 * y.altlıkSol,
                     yükseklik - y.altlıkÜst - y.altlıkSol);
    Çerçeve.push_back(ç);
    Altlık.push_back(a);
}

QComboBox* İmzaFormu::alanEkle(const Alan& alan, int üst) {
    const Yerleşim& y = yerleşim_;
    QWidget* altlık = Altlık.back();
    auto* etiket = new QLabel(alan.etiket, altlık);
    etiket->setObjectName(QStringLiteral("Etiket%1").arg(Etiket.size()));
    etiket->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TwipİleYerleştir(etiket, 0, üst, y.etiketSonu, 315);
    auto* kutu = new QComboBox(altlık);
    kutu->setObjectName(alan.adı);
    kutu->setEditable(true);
    kutu->setInsertPolicy(QComboBox::NoInsert);
    kutu->setCompleter(nullptr);  // typed text stays as typed
    TwipİleYerleştir(kutu, y.kutuSol, üst, y.kutuGenişlik, 315);

    // The label is coloured, the text not selected; Enter moves on.
    Giriş::EtiketliAlan(kutu, etiket, false);
    Giriş::EnterİleSonraki(kutu);
    const bool kişiAdı = alan.kural == Kural::KişiAdı;
    OlayDinle(kutu, [kutu, kişiAdı](QEvent* o) {
        if (o->type() != QEvent::FocusOut) return false;
        // opening the drop-down list or another window is not leaving the box
        const auto neden = static_cast<QFocusEvent*>(o)->reason();
        if (neden == Qt::PopupFocusReason || neden == Qt::ActiveWindowFocusReason) return false;
        const QString yeni = AyrılıncaBiçimle(kutu->currentText(), kişiAdı);
        if (yeni != kutu->currentText()) kutu->setEditText(yeni);
        return false;
    });
    // Only the user's own typing or picking enables "Tamam".
    connect(kutu->lineEdit(), &QLineEdit::textEdited, this, [this] { TamamDüğmesi->setEnabled(true); });
    connect(kutu, &QComboBox::activated, this, [this] { TamamDüğmesi->setEnabled(true); });

    Etiket.push_back(etiket);
    kutular_.push_back({alan, kutu});
    return kutu;
}

void İmzaFormu::bitir(std::vector<int> kayıtSırası) {
    kayıtSırası_ = std::move(kayıtSırası);
    if (kayıtSırası_.empty())
        for (int i = 0; i < static_cast<int>(kutular_.size()); ++i) kayıtSırası_.push_back(i);

    TamamDüğmesi = AdlıDüğme(this, QStringLiteral("TamamDüğmesi"), QStringLiteral("Tamam"));
    TamamDüğmesi->setEnabled(false);
    İptalDüğmesi = AdlıDüğme(this, QStringLiteral("İptalDüğmesi"), QStringLiteral("İptal (Esc)"));
    TwipİleYerleştir(TamamDüğmesi, yerleşim_.düğmeSol, yerleşim_.tamamÜst, 1245, 345);
    TwipİleYerleştir(İptalDüğmesi, yerleşim_.düğmeSol, yerleşim_.iptalÜst, 1245, 345);
    SabitBoyutlu(this, yerleşim_.genişlik, yerleşim_.yükseklik);
    Giriş::DenetimAtlatır(İptalDüğmesi);
    Giriş::VarsayılanDüğmeleriKapat(this);
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });
    yükle();
}

// The lists from the remembered sections, then the saved values as stored.
void İmzaFormu::yükle() {
    for (const auto& k : kutular_) HataYönetimiyle([&] { HatırlananlarıYükle(k.kutu, k.alan.liste.bölüm); });
    for (const auto& k : kutular_) {
        k.kutu->setCurrentIndex(-1);
        HataYönetimiyle([&] { k.kutu->setEditText(AyarOku(ayarBölümü_, k.alan.anahtar)); });
    }
}

bool İmzaFormu::BilgilerTamam() const {
    for (const auto& k : kutular_)
        if (k.kutu->currentText().isEmpty()) return false;
    return true;
}

void İmzaFormu::TamamDüğmesi_Click() {
    for (const auto& k : kutular_) {
        const QString metin = k.kutu->currentText();
        QString mesaj;
        if (metin.isEmpty()) {
            mesaj = k.alan.boşMesajı;
        } else if (k.alan.kural == Kural::KişiAdı) {
            BoşlukKonumu = static_cast<int>(metin.lastIndexOf(QLatin1Char(' '))) + 1;
            if (BoşlukKonumu == 0) mesaj = k.alan.soyadıMesajı;
        }
        if (!mesaj.isEmpty()) {
            Bilgi(mesaj);
            k.kutu->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // A failed write is reported and the dialog stays open with what was typed.
    const bool yazıldı = HataYönetimiyle([this] {
        for (const auto& k : kutular_) HatırlananAdlaraEkle(k.kutu->currentText(), k.alan.liste);
        for (int i : kayıtSırası_) AyarYaz(ayarBölümü_, kutular_[i].alan.anahtar, kutular_[i].kutu->currentText());
    });
    if (yazıldı) accept();
}

void İmzaFormu::İptalDüğmesi_Click() { reject(); }
