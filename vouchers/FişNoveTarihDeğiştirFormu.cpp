#include "vouchers/FişNoveTarihDeğiştirFormu.h"

#include "platform/MesajKapısı.h"
#include "platform/SayıTarih.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace {

const QString BoşSatır = QStringLiteral("\r\n\r\n");

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
        MarkaKodu = VeriTabanı
                        .tekDeğer(QStringLiteral("SELECT Kodu FROM %1 WHERE FisNo=? AND Tarihi BETWEEN ? AND ? "
                                                 "ORDER BY HareketNo LIMIT 1")
                                      .arg(tablo()),
                                  {fişNo, QDate(yıl, 1, 1), QDate(yıl, 12, 31)})
                        .toLongLong();
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

QString FişNoveTarihDeğiştirFormu::tablo() const {
    return tür_ == 0 ? QStringLiteral("GirisIslemleriTablosu") : QStringLiteral("CikisIslemleriTablosu");
}

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
        if (!FişNoUygunMu(yeniNo)) return;
        QVariant başkaKod;
        const bool yazıldı = HataYönetimiyle([&] {
            İşlem tx(VeriTabanı);
            // The number may have been taken by another brand code since it was checked.
            başkaKod = VeriTabanı.tekDeğer(
                QStringLiteral("SELECT Kodu FROM %1 WHERE FisNo=? AND Tarihi BETWEEN ? AND ? AND Kodu<>? LIMIT 1")
                    .arg(tablo()),
                {yeniNo, yılBaşı, yılSonu, MarkaKodu});
            if (!başkaKod.isNull()) return;
            VeriTabanı.çalıştır(
                QStringLiteral("UPDATE %1 SET FisNo=? WHERE FisNo=? AND Tarihi BETWEEN ? AND ?").arg(tablo()),
                {yeniNo, fişNo_, yılBaşı, yılSonu});
            tx.onayla();
        });
        if (!yazıldı) return;
        if (!başkaKod.isNull()) {
            başkaKodaAit(başkaKod.toLongLong());
            return;
        }
        fişNo_ = yeniNo;
        if (AğacıYenile) HataYönetimiyle(AğacıYenile);
    } else if (TarihiKutusu->isEnabled()) {
        const bool yazıldı = HataYönetimiyle([&] {
            İşlem tx(VeriTabanı);
            VeriTabanı.çalıştır(
                QStringLiteral("UPDATE %1 SET Tarihi=? WHERE FisNo=? AND Tarihi BETWEEN ? AND ?").arg(tablo()),
                {*yeniTarih, fişNo_, yılBaşı, yılSonu});
            tx.onayla();
        });
        if (!yazıldı) return;
        tarihMetni_ = KısaTarih(*yeniTarih);
        if (FişiYenile) HataYönetimiyle(FişiYenile);
    }
    accept();
}

// A number free in the year, or one of the voucher's own brand code after a Yes.
bool FişNoveTarihDeğiştirFormu::FişNoUygunMu(qint64 yeniNo) {
    const bool giriş = tür_ == 0;
    QVariant kodu;
    if (!HataYönetimiyle([&] {
            kodu = VeriTabanı.tekDeğer(
                QStringLiteral("SELECT Kodu FROM %1 WHERE FisNo=? AND Tarihi BETWEEN ? AND ? ORDER BY HareketNo LIMIT 1")
                    .arg(tablo()),
                {yeniNo, QDate(yıl_, 1, 1), QDate(yıl_, 12, 31)});
        }))
        return false;
    if (!kodu.isValid() || kodu.isNull()) return true;
    if (kodu.toLongLong() != MarkaKodu) return başkaKodaAit(kodu.toLongLong());
    if (!EvetMi((giriş ? QStringLiteral("Bu FİŞ NO ile daha önce giriş yapılmış!")
                       : QStringLiteral("Bu FİŞ NO ile daha önce çıkış yapılmış!")) +
                BoşSatır +
                (giriş ? QStringLiteral("Bu girişe ekleme yapmak istiyor musunuz?")
                       : QStringLiteral("Bu çıkışa ekleme yapmak istiyor musunuz?")))) {
        FişNoKutusu->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool FişNoveTarihDeğiştirFormu::başkaKodaAit(qint64 kodu) {
    return reddet(QStringLiteral("Bu FİŞ NO ile (%1) KOD için %2 yapılmış!")
                          .arg(kodu)
                          .arg(tür_ == 0 ? QStringLiteral("giriş") : QStringLiteral("çıkış")) +
                      BoşSatır + QStringLiteral("Lütfen, yeni bir FİŞ NO seçiniz!"),
                  FişNoKutusu);
}
