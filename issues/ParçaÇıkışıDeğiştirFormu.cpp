#include "issues/ParçaÇıkışıDeğiştirFormu.h"

#include "history/ParçaHareketleriFormu.h"
#include "issues/OrtalamaMaliyet.h"
#include "platform/MesajKapısı.h"
#include "platform/Türkçe.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ParçaÇıkışıDeğiştirFormu::ParçaÇıkışıDeğiştirFormu(ParçaHareketleriFormu* hareketler)
    : QDialog(hareketler), hareketler_(hareketler) {
    setObjectName(QStringLiteral("ParçaÇıkışıDeğiştirFormu"));
    setWindowTitle(QStringLiteral("Parça Çıkışı Bilgilerini Değiştir"));

    Çerçeve = new QGroupBox(QStringLiteral("Çıkış Bilgileri "), this);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    Altlık = new QWidget(Çerçeve);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    const QStringList başlıklar = {QStringLiteral("Fiş No'su :"), QStringLiteral("Tari&hi :"),
                                   QStringLiteral("&Miktarı :"), QStringLiteral("&Ver. Yer :")};
    for (int i = 0; i < 4; ++i) {
        Etiket[i] = new QLabel(başlıklar[i], Altlık);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
    }
    FişNoKutusu = new QLineEdit(Altlık);
    FişNoKutusu->setObjectName(QStringLiteral("FişNoKutusu"));
    TarihiKutusu = new QLineEdit(Altlık);
    TarihiKutusu->setObjectName(QStringLiteral("TarihiKutusu"));
    for (QLineEdit* k : {FişNoKutusu, TarihiKutusu}) {
        k->setMaxLength(10);
        k->setEnabled(false);  // shown, never written back
    }
    MiktarıKutusu = new QLineEdit(Altlık);
    MiktarıKutusu->setObjectName(QStringLiteral("MiktarıKutusu"));
    MiktarıKutusu->setAlignment(Qt::AlignRight);
    VerilecekYerKutusu = new QComboBox(Altlık);
    VerilecekYerKutusu->setObjectName(QStringLiteral("VerilecekYerKutusu"));
    VerilecekYerKutusu->setEditable(true);
    VerilecekYerKutusu->setInsertPolicy(QComboBox::NoInsert);
    VerilecekYerKutusu->setCompleter(nullptr);
    const std::array<QWidget*, 4> kutular = {FişNoKutusu, TarihiKutusu, MiktarıKutusu, VerilecekYerKutusu};
    for (int i = 0; i < 4; ++i) Etiket[i]->setBuddy(kutular[i]);

    Giriş::EtiketliAlan(MiktarıKutusu, Etiket[2]);
    Giriş::EnterİleSonraki(MiktarıKutusu);
    Giriş::SayıKutusu(MiktarıKutusu);
    Giriş::SayıDeğilseGeriAl(MiktarıKutusu);
    Giriş::EtiketliAlan(VerilecekYerKutusu, Etiket[3]);
    Giriş::EnterİleSonraki(VerilecekYerKutusu);
    Giriş::BüyükHarfKutusu(VerilecekYerKutusu);
    Giriş::AyrılıncaTemizle(VerilecekYerKutusu);

    const auto düğmeler = DeğiştirmePenceresiniKur(this, Çerçeve, Altlık,
                                                   {{Etiket[0], FişNoKutusu},
                                                    {Etiket[1], TarihiKutusu},
                                                    {Etiket[2], MiktarıKutusu},
                                                    {Etiket[3], VerilecekYerKutusu}},
                                                   [this] { KaydetDüğmesi_Click(); });
    KaydetDüğmesi = düğmeler.kaydet;
    KapatDüğmesi = düğmeler.kapat;
    // only the user's own typing or picking makes the row worth saving
    auto etkinleştir = [this] { KaydetDüğmesi->setEnabled(true); };
    connect(MiktarıKutusu, &QLineEdit::textEdited, this, etkinleştir);
    connect(VerilecekYerKutusu->lineEdit(), &QLineEdit::textEdited, this, etkinleştir);
    connect(VerilecekYerKutusu, &QComboBox::activated, this, etkinleştir);

    HataYönetimiyle([this] { HatırlananlarıYükle(VerilecekYerKutusu, YerBölümü); });
    VerilecekYerKutusu->setEditText(QString());
}

void ParçaÇıkışıDeğiştirFormu::KaydetDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    if (const QString h = Giriş::SayıHatası(MiktarıKutusu->text(), QStringLiteral("MİKTAR"), EnBüyükMiktar); !h.isEmpty()) {
        Bilgi(h);
        MiktarıKutusu->setFocus();
        return;
    }
    const auto miktar = SayıOku(MiktarıKutusu->text());
    const QString yer = SerbestMetin(VerilecekYerKutusu->currentText()).trimmed();
    if (yer.isEmpty()) {
        Bilgi(QStringLiteral("Lütfen, VERİLECEK YERİ giriniz."));
        VerilecekYerKutusu->setFocus();
        return;
    }
    const double q = *miktar;

    // The stock and the price come from the stored figures, in the same
    // transaction as the write, and from the movement's own part.
    std::optional<double> eskiMiktar;  // set when the stock refuses the quantity
    const bool tamam = HataYönetimiyle([&] {
        İşlem tx(VeriTabanı);
        const auto h = HareketiOku(false, DeğiştirilecekHareketNo);
        if (!h) throw DeporaHatası(HataNo::KayıtYok, QStringLiteral("Değiştirilecek hareket bulunamadı."));
        const qlonglong no = DeğiştirilecekHareketNo;
        if (q == h->miktar) {
            VeriTabanı.çalıştır(QStringLiteral("UPDATE CikisIslemleriTablosu SET VerilecekYer=? WHERE HareketNo=?"),
                                {yer, no});
        } else {
            const double mevcut = h->hareketsiz.mevcut();
            if (Normalleştir(mevcut - q) < 0) {
                eskiMiktar = h->miktar;
                return;
            }
            const Para fiyat = OrtalamaMaliyetFiyatı(mevcut, h->hareketsiz.değer());
            const Para tutar = Para::sayıdan(q * fiyat.sayı());
            VeriTabanı.çalıştır(QStringLiteral("UPDATE CikisIslemleriTablosu SET Miktari=?, Tutari=?, VerilecekYer=? "
                                               "WHERE HareketNo=?"),
                                {q, qlonglong(tutar.onBinde()), yer, no});
        }
        tx.onayla();
    });
    if (!tamam) return;
    if (eskiMiktar) {
        Bilgi(QStringLiteral("Mevcut miktarınız NEGATİF olacağı için bu değişiklik yapılamıyor!"));
        MiktarıKutusu->setText(GenelSayı(*eskiMiktar));
        MiktarıKutusu->setFocus();
        return;
    }
    if (hareketler_) hareketler_->HareketDeğiştiktenSonraYenile();
    // the movement is written: a place that cannot be remembered is reported, and the dialog still closes
    HataYönetimiyle([&] { DeğeriHatırla(VerilecekYerKutusu, YerBölümü, QStringLiteral("Verilecek Yer"), yer); });
    accept();
}
