#include "receipts/ParçaGirişiDeğiştirFormu.h"

#include "history/ParçaHareketleriFormu.h"
#include "platform/MesajKapısı.h"
#include "platform/Türkçe.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

GirişStokSorunu GirişStokSorunuBul(const ParçaToplamları& sonra, bool yalnızMiktar) {
    const double m = sonra.mevcut();
    const Para t = sonra.değer();
    if (m < 0) return GirişStokSorunu::MiktarEksi;
    if (yalnızMiktar) return GirişStokSorunu::Yok;
    if (m == 0 && t > Para()) return GirişStokSorunu::SıfırMiktardaTutarVar;
    if (t < Para()) return GirişStokSorunu::TutarEksi;
    if (t.sıfırMı() && m > 0) return GirişStokSorunu::TutarYetersiz;
    return GirişStokSorunu::Yok;
}

QString GirişStokSorunuMetni(GirişStokSorunu sorun, const QString& sonEk) {
    switch (sorun) {
    case GirişStokSorunu::Yok: return {};
    case GirişStokSorunu::MiktarEksi: return QStringLiteral("Mevcut miktarınız NEGATİF olacağı için ") + sonEk;
    case GirişStokSorunu::SıfırMiktardaTutarVar:
        return QStringLiteral("Mevcut miktarınız (0) olurken; giriş tutarınız, çıkışınızdan FAZLA olamayacağı için ") +
               sonEk;
    case GirişStokSorunu::TutarEksi: return QStringLiteral("Mevcut tutarınız NEGATİF olacağı için ") + sonEk;
    case GirişStokSorunu::TutarYetersiz:
        return QStringLiteral("Giriş tutarınız, çıkış yapmak için YETERSİZ kalacağı için ") + sonEk;
    }
    return {};
}

ParçaGirişiDeğiştirFormu::ParçaGirişiDeğiştirFormu(ParçaHareketleriFormu* hareketler)
    : QDialog(hareketler), hareketler_(hareketler) {
    setObjectName(QStringLiteral("ParçaGirişiDeğiştirFormu"));
    setWindowTitle(QStringLiteral("Parça Girişi Bilgilerini Değiştir"));

    Çerçeve = new QGroupBox(QStringLiteral("Giriş Bilgileri "), this);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    Çerçeve->setStyleSheet(QStringLiteral("QGroupBox::title { color: rgb(0, 0, 192); }"));
    Altlık = new QWidget(Çerçeve);
    Altlık->setObjectName(QStringLiteral("Altlık"));

    const QStringList başlıklar = {QStringLiteral("&Giriş Tarihi :"),  QStringLiteral("Fatura Tari&hi :"),
                                   QStringLiteral("Fatura N&o'su :"),  QStringLiteral("Fatura &Veren :"),
                                   QStringLiteral("Giriş &Miktarı :"), QStringLiteral("Kdv'li Fiya&tı :")};
    const QStringList kutuAdları = {QStringLiteral("GirişTarihiKutusu"), QStringLiteral("FaturaTarihiKutusu"),
                                    QStringLiteral("FaturaNoKutusu"),    QStringLiteral("FaturaVerenKutusu"),
                                    QStringLiteral("MiktarıKutusu"),     QStringLiteral("FiyatıKutusu")};
    std::array<QLineEdit*, 6> kutular{};
    for (int i = 0; i < 6; ++i) {
        Etiket[i] = new QLabel(başlıklar[i], Altlık);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
        kutular[i] = new QLineEdit(Altlık);
        kutular[i]->setObjectName(kutuAdları[i]);
        Etiket[i]->setBuddy(kutular[i]);
        Giriş::EtiketliAlan(kutular[i], Etiket[i]);
        Giriş::EnterİleSonraki(kutular[i]);
        // only the user's own typing makes the row worth saving
        connect(kutular[i], &QLineEdit::textEdited, this, [this] { KaydetDüğmesi->setEnabled(true); });
    }
    GirişTarihiKutusu = kutular[0];
    FaturaTarihiKutusu = kutular[1];
    FaturaNoKutusu = kutular[2];
    FaturaVerenKutusu = kutular[3];
    MiktarıKutusu = kutular[4];
    FiyatıKutusu = kutular[5];
    GirişTarihiKutusu->setMaxLength(10);
    FaturaTarihiKutusu->setMaxLength(10);
    Giriş::TarihKutusu(GirişTarihiKutusu);
    Giriş::TarihKutusu(FaturaTarihiKutusu);
    for (QLineEdit* k : {FaturaNoKutusu, FaturaVerenKutusu}) {
        Giriş::BüyükHarfKutusu(k);
        Giriş::AyrılıncaTemizle(k);
    }
    for (QLineEdit* k : {MiktarıKutusu, FiyatıKutusu}) {
        Giriş::SayıKutusu(k);
        Giriş::SayıDeğilseGeriAl(k);
        k->setAlignment(Qt::AlignRight);
    }

    const auto düğmeler = DeğiştirmePenceresiniKur(
        this, Çerçeve, Altlık,
        {{Etiket[0], GirişTarihiKutusu}, {Etiket[1], FaturaTarihiKutusu}, {Etiket[2], FaturaNoKutusu},
         {Etiket[3], FaturaVerenKutusu}, {Etiket[4], MiktarıKutusu}, {Etiket[5], FiyatıKutusu}},
        [this] { KaydetDüğmesi_Click(); });
    KaydetDüğmesi = düğmeler.kaydet;
    KapatDüğmesi = düğmeler.kapat;
}

void ParçaGirişiDeğiştirFormu::KaydetDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    auto reddet = [](const QString& metin, QLineEdit* kutu) {
        Bilgi(metin);
        kutu->setFocus();
    };
    auto boş = [](QLineEdit* k) { return k->text().trimmed().isEmpty(); };

    if (boş(GirişTarihiKutusu)) return reddet(QStringLiteral("Lütfen, GİRİŞ TARİHİ'ni giriniz."), GirişTarihiKutusu);
    const auto girişTarihi = TarihOku(GirişTarihiKutusu->text());
    if (!girişTarihi) return reddet(QStringLiteral("Lütfen, TARİHİ doğru biçimde giriniz."), GirişTarihiKutusu);
    const int yıl = QDate::currentDate().year();
    if (girişTarihi->year() != yıl)
        return reddet(QStringLiteral("Sadece %1 YILI içerisinden bir tarih girebilirsiniz!").arg(yıl), GirişTarihiKutusu);
    if (boş(FaturaTarihiKutusu))
        return reddet(QStringLiteral("Lütfen, FATURA TARİHİ'ni giriniz."), FaturaTarihiKutusu);
    const auto faturaTarihi = TarihOku(FaturaTarihiKutusu->text());
    if (!faturaTarihi) return reddet(QStringLiteral("Lütfen, TARİHİ doğru biçimde giriniz."), FaturaTarihiKutusu);
    const QString faturaNo = SerbestMetin(FaturaNoKutusu->text()).trimmed();
    const QString faturaVeren = SerbestMetin(FaturaVerenKutusu->text()).trimmed();
    if (faturaNo.isEmpty()) return reddet(QStringLiteral("Lütfen, FATURA NO'yu giriniz."), FaturaNoKutusu);
    if (faturaVeren.isEmpty()) return reddet(QStringLiteral("Lütfen, FATURA VEREN'i giriniz."), FaturaVerenKutusu);
    if (const QString h = Giriş::SayıHatası(MiktarıKutusu->text(), QStringLiteral("MİKTAR"), EnBüyükMiktar); !h.isEmpty())
        return reddet(h, MiktarıKutusu);
    if (const QString h = Giriş::SayıHatası(FiyatıKutusu->text(), QStringLiteral("FİYAT"), EnBüyükFiyat); !h.isEmpty())
        return reddet(h, FiyatıKutusu);
    // "0,00001" is a number above 0 but no price of four decimals
    const auto miktar = SayıOku(MiktarıKutusu->text());
    const auto fiyat = Para::metinden(FiyatıKutusu->text());
    if (!fiyat || *fiyat <= Para()) return reddet(QStringLiteral("Lütfen, geçerli bir FİYAT giriniz."), FiyatıKutusu);
    if (const QString h = Giriş::TutarHatası(*miktar * fiyat->sayı()); !h.isEmpty()) return reddet(h, FiyatıKutusu);

    // The stock is checked against the stored figures, in the same transaction as the write.
    GirişStokSorunu sorun = GirişStokSorunu::Yok;
    const bool tamam = HataYönetimiyle([&] {
        İşlem tx(VeriTabanı);
        const auto h = HareketiOku(true, DeğiştirilecekHareketNo);
        if (!h) throw DeporaHatası(HataNo::KayıtYok, QStringLiteral("Değiştirilecek hareket bulunamadı."));
        // The boxes show two decimals: a box left as shown keeps the stored figure.
        const bool miktarDeğişti = miktar != SayıOku(BiçimliSayı(h->miktar));
        const bool fiyatDeğişti = fiyat != Para::metinden(BiçimliSayı(h->fiyat));
        const double q = miktarDeğişti ? *miktar : h->miktar;
        const Para p = fiyatDeğişti ? *fiyat : h->fiyat;
        const Para tutar = miktarDeğişti || fiyatDeğişti ? Para::sayıdan(p.sayı() * q) : h->tutar;
        ParçaToplamları sonra = h->hareketsiz;
        sonra.girişMiktarı += q;
        sonra.girişTutarı += tutar;
        sorun = GirişStokSorunuBul(sonra);
        if (sorun != GirişStokSorunu::Yok) return;
        VeriTabanı.çalıştır(QStringLiteral("UPDATE GirisIslemleriTablosu SET Tarihi=?, FaturaTarihi=?, FaturaNo=?, "
                                           "FaturaVeren=?, Miktari=?, Fiyati=?, Tutari=? WHERE HareketNo=?"),
                            {*girişTarihi, *faturaTarihi, faturaNo, faturaVeren, q, qlonglong(p.onBinde()),
                             qlonglong(tutar.onBinde()), qlonglong(DeğiştirilecekHareketNo)});
        tx.onayla();
    });
    if (!tamam) return;
    if (sorun != GirişStokSorunu::Yok) {
        const bool miktarKutusuna = sorun == GirişStokSorunu::MiktarEksi || sorun == GirişStokSorunu::TutarEksi;
        return reddet(GirişStokSorunuMetni(sorun, QStringLiteral("değişiklik yapılamıyor!")),
                      miktarKutusuna ? MiktarıKutusu : FiyatıKutusu);
    }
    if (hareketler_) hareketler_->HareketDeğiştiktenSonraYenile();
    accept();
}
