#include "vouchers/FişNoveTarihDeğiştirFormu.h"

#include "platform/MesajKapısı.h"
#include "platform/SayıTarih.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"
#include "vouchers/FişNoKuralı.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace {

// The value of a box of digits: 0 when empty.
qint64 rakamDeğeri(const QString& metin) { return metin.toLongLong(); }

}  // namespace

FişNoveTarihDeğiştirFormu::FişNoveTarihDeğiştirFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("FişNoveTarihDeğiştirFormu"));

    Çerçeve = new QGroupBox(this);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    Altlık = new QWidget(Çerçeve);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Altlık->setAutoFillBackground(true);
    Altlık->setBackgroundRole(QPalette::Window);

    const QString etiketler[] = {QStringLiteral("Fiş No :"), QStringLiteral("Tarihi :")};
    for (int i = 0; i < 2; ++i) {
        Etiket[i] = new QLabel(etiketler[i], Altlık);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
        Etiket[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    FişNoKutusu = new QLineEdit(Altlık);
    FişNoKutusu->setObjectName(QStringLiteral("FişNoKutusu"));
    TarihiKutusu = new QLineEdit(Altlık);
    TarihiKutusu->setObjectName(QStringLiteral("TarihiKutusu"));
    for (QLineEdit* k : {FişNoKutusu, TarihiKutusu}) k->setMaxLength(10);
    TwipİleYerleştir(Çerçeve, 240, 240, 2655, 1395);
    TwipİleYerleştir(Altlık, 120, 210, 2415, 1065);
    // both labels end at 690, their text right-aligned
    TwipİleYerleştir(Etiket[0], 0, 210, 690, 195);
    TwipİleYerleştir(FişNoKutusu, 870, 150, 1395, 315);
    TwipİleYerleştir(Etiket[1], 0, 630, 690, 195);
    TwipİleYerleştir(TarihiKutusu, 870, 570, 1395, 315);

    TamamDüğmesi = AdlıDüğme(this, QStringLiteral("TamamDüğmesi"), QStringLiteral("Tamam"));
    TamamDüğmesi->setEnabled(false);
    VazgeçDüğmesi = AdlıDüğme(this, QStringLiteral("VazgeçDüğmesi"), QStringLiteral("Vazgeç"));
    TwipİleYerleştir(TamamDüğmesi, 3150, 810, 1215, 345);
    TwipİleYerleştir(VazgeçDüğmesi, 3150, 1230, 1215, 345);
    SabitBoyutlu(this, 4680, 2010);

    // Entering a box selects its text and colours its label; Enter moves on.
    Giriş::EtiketliAlan(FişNoKutusu, Etiket[0]);
    Giriş::EtiketliAlan(TarihiKutusu, Etiket[1]);
    Giriş::EnterİleSonraki(FişNoKutusu);
    Giriş::EnterİleSonraki(TarihiKutusu);
    Giriş::YalnızRakam(FişNoKutusu);
    // Leaving the number box drops its leading zeros.
    OlayDinle(FişNoKutusu, [this](QEvent* o) {
        if (o->type() == QEvent::FocusOut && !FişNoKutusu->text().isEmpty())
            FişNoKutusu->setText(QString::number(rakamDeğeri(FişNoKutusu->text())));
        return false;
    });
    // A good date is rewritten "dd.MM.yyyy"; a wrong one keeps the focus.
    Giriş::TarihKutusu(TarihiKutusu);
    connect(FişNoKutusu, &QLineEdit::textChanged, this, [this] { tamamıDeğerlendir(); });
    connect(TarihiKutusu, &QLineEdit::textChanged, this, [this] { tamamıDeğerlendir(); });

    Giriş::DenetimAtlatır(VazgeçDüğmesi);
    Giriş::VarsayılanDüğmeleriKapat(this);
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(VazgeçDüğmesi, &QPushButton::clicked, this, [this] { VazgeçDüğmesi_Click(); });
}

void FişNoveTarihDeğiştirFormu::Hazırla(int tür, qint64 fişNo, const QDate& tarih, int yıl) {
    tür_ = tür;
    yıl_ = yıl;
    fişNo_ = fişNo;
    tarihMetni_ = tarih.isValid() ? KısaTarih(tarih) : QString();
    dolduruluyor_ = true;
    FişNoKutusu->setText(QString::number(fişNo));
    TarihiKutusu->setText(tarihMetni_);
    dolduruluyor_ = false;
    HataYönetimiyle([&] {
        if (const auto b = FişBaşlığıOku(türü(), fişNo, yıl)) MarkaKodu = b->kodu;
    });
}

void FişNoveTarihDeğiştirFormu::FişNoDeğişikliği() {
    setWindowTitle(QStringLiteral("Fiş No Değiştir"));
    Etiket[0]->setEnabled(true);
    FişNoKutusu->setEnabled(true);
    Etiket[1]->setEnabled(false);
    TarihiKutusu->setEnabled(false);
}

void FişNoveTarihDeğiştirFormu::TarihDeğişikliği() {
    setWindowTitle(tür_ == 0 ? QStringLiteral("Giriş Tarihi Değiştir") : QStringLiteral("Çıkış Tarihi Değiştir"));
    Etiket[0]->setEnabled(false);
    FişNoKutusu->setEnabled(false);
    Etiket[1]->setEnabled(true);
    TarihiKutusu->setEnabled(true);
}

int FişNoveTarihDeğiştirFormu::exec() {
    if (ArşivModu) {
        Uyarı(QStringLiteral("ARŞİVLENMİŞ fişleri değiştiremezsiniz!"));
        return Rejected;
    }
    return QDialog::exec();
}

void FişNoveTarihDeğiştirFormu::Aç(QWidget* tarayıcı, int tür, bool fişNoDeğişikliği, bool fişGösteriliyor,
                                   qint64 fişNo, const QDate& tarih, int yıl, std::function<void()> ağacıYenile,
                                   std::function<void()> fişiYenile) {
    if (!fişGösteriliyor) return;
    FişNoveTarihDeğiştirFormu f(tarayıcı);
    f.Hazırla(tür, fişNo, tarih, yıl);
    fişNoDeğişikliği ? f.FişNoDeğişikliği() : f.TarihDeğişikliği();
    f.AğacıYenile = std::move(ağacıYenile);
    f.FişiYenile = std::move(fişiYenile);
    f.exec();
}

FişCinsi FişNoveTarihDeğiştirFormu::türü() const { return tür_ == 0 ? FişCinsi::Giriş : FişCinsi::Çıkış; }

// "Tamam" is usable once the user's value differs from the opening one: the
// number by its value, the date by its text.
void FişNoveTarihDeğiştirFormu::tamamıDeğerlendir() {
    if (dolduruluyor_) return;
    QObject* k = sender();
    if (k == FişNoKutusu) TamamDüğmesi->setEnabled(rakamDeğeri(FişNoKutusu->text()) != fişNo_);
    else if (k == TarihiKutusu) TamamDüğmesi->setEnabled(TarihiKutusu->text() != tarihMetni_);
}

bool FişNoveTarihDeğiştirFormu::reddet(const QString& mesaj, QWidget* odak) {
    Bilgi(mesaj);
    odak->setFocus(Qt::OtherFocusReason);
    return false;
}

void FişNoveTarihDeğiştirFormu::VazgeçDüğmesi_Click() { reject(); }

void FişNoveTarihDeğiştirFormu::TamamDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    if (!Giriş::FişNoDenetle(FişNoKutusu)) return;
    const qint64 yeniNo = rakamDeğeri(FişNoKutusu->text());
    if (TarihiKutusu->text().isEmpty()) {
        reddet(QStringLiteral("Lütfen, TARİHİ giriniz."), TarihiKutusu);
        return;
    }
    const auto yeniTarih = TarihOku(TarihiKutusu->text());
    if (TarihiKutusu->isEnabled()) {
        if (!yeniTarih) {
            reddet(QStringLiteral("Lütfen, TARİHİ doğru biçimde giriniz."), TarihiKutusu);
            return;
        }
        if (yeniTarih->year() != yıl_) {
            reddet(QStringLiteral("Sadece %1 YILI içerisinden bir tarih girebilirsiniz!").arg(yıl_), TarihiKutusu);
            return;
        }
    }

    const QVariant yılBaşı = QDate(yıl_, 1, 1), yılSonu = QDate(yıl_, 12, 31);
    if (FişNoKutusu->isEnabled() && yeniNo != fişNo_) {
        std::optional<FişBaşlığı> katılınan;
        if (!FişNoUygunMu(yeniNo, katılınan)) return;
        QString engel;
        const bool yazıldı = HataYönetimiyle([&] {
            İşlem tx(VeriTabanı);
            // Since the look-up another workstation may have stored the number: the
            // voucher joins only the one the clerk agreed to join; when none was asked
            // about, any voucher now under the number stops the change.
            const bool soruldu = katılınan.has_value();
            if (!soruldu) katılınan = FişBaşlığıOku(türü(), fişNo_, yıl_).value_or(FişBaşlığı{.kodu = MarkaKodu});
            engel = FişNoEngeli(türü(), yeniNo, yıl_, *katılınan, soruldu);
            if (!engel.isEmpty()) return;
            VeriTabanı.çalıştır(
                QStringLiteral("UPDATE %1 SET FisNo=? WHERE FisNo=? AND Tarihi BETWEEN ? AND ?").arg(FişTablosu(türü())),
                {yeniNo, fişNo_, yılBaşı, yılSonu});
            tx.onayla();
        });
        if (!yazıldı) return;
        if (!engel.isEmpty()) {
            reddet(engel, FişNoKutusu);
            return;
        }
        fişNo_ = yeniNo;
        if (AğacıYenile) HataYönetimiyle(AğacıYenile);
    } else if (TarihiKutusu->isEnabled()) {
        const bool yazıldı = HataYönetimiyle([&] {
            İşlem tx(VeriTabanı);
            VeriTabanı.çalıştır(
                QStringLiteral("UPDATE %1 SET Tarihi=? WHERE FisNo=? AND Tarihi BETWEEN ? AND ?").arg(FişTablosu(türü())),
                {*yeniTarih, fişNo_, yılBaşı, yılSonu});
            tx.onayla();
        });
        if (!yazıldı) return;
        tarihMetni_ = KısaTarih(*yeniTarih);
        if (FişiYenile) HataYönetimiyle(FişiYenile);
    }
    accept();
}

// A number free in the year, or one of the voucher's own brand code after a
// Yes; katılınan is then the voucher the clerk agreed to join.
bool FişNoveTarihDeğiştirFormu::FişNoUygunMu(qint64 yeniNo, std::optional<FişBaşlığı>& katılınan) {
    if (!HataYönetimiyle([&] { katılınan = FişBaşlığıOku(türü(), yeniNo, yıl_); })) return false;
    if (!katılınan) return true;
    if (katılınan->kodu != MarkaKodu) return reddet(BaşkaKodunFişNosu(türü(), katılınan->kodu), FişNoKutusu);
    if (!EvetMi(FişeEklemeSorusu(türü()))) {
        FişNoKutusu->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}
