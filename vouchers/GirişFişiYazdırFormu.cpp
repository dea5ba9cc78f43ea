#include "vouchers/GirişFişiYazdırFormu.h"

#include "platform/MesajKapısı.h"
#include "platform/Yazıcı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YazdırılıyorFormu.h"
#include "vouchers/DiğerGirişFişiBilgileriFormu.h"
#include "vouchers/FişBaskısı.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString Bölüm = QStringLiteral("Ayarlar\\Giris Fisi");

const FişTürü GirişFişi = {
    0,
    u"GirisIslemleriTablosu",
    u"GirişFişiYazdırFormu",
    u"Giriş Fişlerini Listele/Yazdır",
    u"Arşivlenen Giriş Fişlerini Listele/Yazdır",
    u"GirişBilgileriListesi",
    u"Giriş Bilgileri",
    u"Giriş &Tarihi Değiştir",
    4,
    u"p.AmbarYeri",
    6,
    {{{u"Sıra No", 1200, SütunTürü::Sayı, Qt::AlignLeft},
      {u"No'su", 1200, SütunTürü::Metin, Qt::AlignLeft},
      {u"Adı", 1600, SütunTürü::Metin, Qt::AlignLeft},
      {u"Birimi", 1200, SütunTürü::Metin, Qt::AlignLeft},
      {u"Miktarı", 1200, SütunTürü::Sayı, Qt::AlignRight},
      {u"Tutarı", 1200, SütunTürü::Sayı, Qt::AlignRight},
      {u"Ambar Yeri", 1400, SütunTürü::Metin, Qt::AlignLeft}}},
};

}  // namespace

GirişFişiYazdırFormu::GirişFişiYazdırFormu(QWidget* sahip) : FişTarayıcısı(sahip, GirişFişi) {
    YazdırılıyorFormu::YordamKaydet<GirişFişiYazdırFormu>(0);
    GirişBilgileriListesi = bilgiListesi_;

    Altlık[2] = new QWidget(Altlık[1]);
    Altlık[2]->setObjectName(QStringLiteral("Altlık2"));
    MalıAlanKutusu = saltOkunurKutu(QStringLiteral("MalıAlanKutusu"), Altlık[1]);
    GirişTarihiKutusu = saltOkunurKutu(QStringLiteral("GirişTarihiKutusu"), Altlık[1]);
    FaturaTarihiKutusu = saltOkunurKutu(QStringLiteral("FaturaTarihiKutusu"), Altlık[1]);
    FaturaNoKutusu = saltOkunurKutu(QStringLiteral("FaturaNoKutusu"), Altlık[1]);
    FaturaVerenKutusu = saltOkunurKutu(QStringLiteral("FaturaVerenKutusu"), Altlık[1]);
    AlınmaŞekliKutusu = new QComboBox(Altlık[1]);
    AlınmaŞekliKutusu->setObjectName(QStringLiteral("AlınmaŞekliKutusu"));
    AlınmaŞekliKutusu->addItems({QStringLiteral("İhale"), QStringLiteral("Satınalma")});
    AlınmaŞekliKutusu->setCurrentIndex(-1);
    Etiket[9] = new QLabel(QStringLiteral("Alın&ma Şekli :"), Altlık[1]);
    Etiket[9]->setObjectName(QStringLiteral("Etiket9"));
    Etiket[9]->setBuddy(AlınmaŞekliKutusu);

    auto etiket = [](const char16_t* m, QWidget* üst) { return new QLabel(QString::fromUtf16(m), üst); };
    başlıkDüzeni->addWidget(etiket(u"Malı Alan :", Altlık[1]), 0, 2);
    başlıkDüzeni->addWidget(MalıAlanKutusu, 0, 3);
    başlıkDüzeni->addWidget(etiket(u"Giriş Tarihi :", Altlık[1]), 1, 0);
    başlıkDüzeni->addWidget(GirişTarihiKutusu, 1, 1);
    başlıkDüzeni->addWidget(Etiket[9], 1, 2);
    başlıkDüzeni->addWidget(AlınmaŞekliKutusu, 1, 3);
    // The invoice rows share the header's columns, so every box of a column starts
    // at one x; their backing panel lies under them (made first, it stays below).
    başlıkDüzeni->addWidget(Altlık[2], 2, 0, 2, 4);
    başlıkDüzeni->addWidget(etiket(u"Fatura Tarihi :", Altlık[1]), 2, 0);
    başlıkDüzeni->addWidget(FaturaTarihiKutusu, 2, 1);
    başlıkDüzeni->addWidget(etiket(u"Fatura No'su :", Altlık[1]), 2, 2);
    başlıkDüzeni->addWidget(FaturaNoKutusu, 2, 3);
    başlıkDüzeni->addWidget(etiket(u"Fatura Veren :", Altlık[1]), 3, 0);
    başlıkDüzeni->addWidget(FaturaVerenKutusu, 3, 1, 1, 3);

    Giriş::EtiketliAlan(AlınmaŞekliKutusu, Etiket[9], false);
    Giriş::EnterİleSonraki(AlınmaŞekliKutusu);
    Form_Load();
}

void GirişFişiYazdırFormu::başlığıBoşalt() {
    for (QLineEdit* k : {MalıAlanKutusu, GirişTarihiKutusu, FaturaTarihiKutusu, FaturaNoKutusu, FaturaVerenKutusu})
        k->clear();
    AlınmaŞekliKutusu->setCurrentIndex(-1);
}

void GirişFişiYazdırFormu::başlığıOku() {
    başlığıBoşalt();
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT Tarihi, FaturaTarihi, FaturaNo, FaturaVeren FROM GirisIslemleriTablosu "
                           "WHERE %1 ORDER BY HareketNo LIMIT 1")
                .arg(fişKoşulu()),
            fişDeğerleri());
    MalıAlanKutusu->setText(QStringLiteral("Vu Rozu Rovozar"));
    if (!s.sonraki()) return;
    GirişTarihiKutusu->setText(KısaTarih(s.tarih(QStringLiteral("Tarihi"))));
    FaturaTarihiKutusu->setText(KısaTarih(s.tarih(QStringLiteral("FaturaTarihi"))));
    FaturaNoKutusu->setText(s.metin(QStringLiteral("FaturaNo")));
    FaturaVerenKutusu->setText(s.metin(QStringLiteral("FaturaVeren")));
}

QString GirişFişiYazdırFormu::tarihMetni() const { return GirişTarihiKutusu->text(); }

bool GirişFişiYazdırFormu::yazdırmayaHazırMı() {
    if (AlınmaŞekliKutusu->currentIndex() >= 0) return true;
    Bilgi(QStringLiteral("Lütfen, ALINMA ŞEKLİ'ni giriniz."));
    AlınmaŞekliKutusu->setFocus();
    return false;
}

bool GirişFişiYazdırFormu::imzalarıOku() {
    GirişFişiKopyaSayısı = std::max(1, AyarOku(Bölüm, QStringLiteral("Kopya Sayisi"), QStringLiteral("1")).toInt());
    AmbarMemuru = AyarOku(Bölüm, QStringLiteral("Ambar Memuru"));
    TeknikElemanlar[0] = AyarOku(Bölüm, QStringLiteral("Teknik Eleman-1"));
    TeknikElemanlar[1] = AyarOku(Bölüm, QStringLiteral("Teknik Eleman-2"));
    AlanAmbarMemuru = AyarOku(Bölüm, QStringLiteral("Alan Ambar Memuru"));
    AyniyatSaymanı = AyarOku(Bölüm, QStringLiteral("Ayniyat Saymani"));
    return GirişFişiBilgileriTamam();
}

void GirişFişiYazdırFormu::diğerBilgileriGöster() {
    DiğerGirişFişiBilgileriFormu pencere(this);
    pencere.exec();
}

void GirişFişiYazdırFormu::Yazdır() {
    GirişFişiBaskısı f;
    f.kodNo = markaKodu();
    f.malıAlan = MalıAlanKutusu->text();
    f.faturaVeren = FaturaVerenKutusu->text();
    f.girişTarihi = GirişTarihiKutusu->text();
    f.fişNo = FişNoKutusu->text();
    f.alınmaŞekli = AlınmaŞekliKutusu->currentText();
    f.faturaTarihi = FaturaTarihiKutusu->text();
    f.faturaNo = FaturaNoKutusu->text();
    f.satırlar = satırlar();
    f.ambarMemuru = AmbarMemuru;
    f.teknikEleman1 = TeknikElemanlar[0];
    f.teknikEleman2 = TeknikElemanlar[1];
    f.alanAmbarMemuru = AlanAmbarMemuru;
    f.ayniyatSaymanı = AyniyatSaymanı;
    f.kopya = GirişFişiKopyaSayısı;
    ListeToplamı = GirişFişiniBas(GeçerliYazıcı(), f);
    SıraNo = static_cast<int>(f.satırlar.size()) + 1;
}
