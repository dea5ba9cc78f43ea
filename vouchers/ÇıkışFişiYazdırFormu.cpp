#include "vouchers/ÇıkışFişiYazdırFormu.h"

#include "platform/Yazıcı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YazdırılıyorFormu.h"
#include "vouchers/DiğerÇıkışFişiBilgileriFormu.h"
#include "vouchers/FişBaskısı.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <utility>

namespace {

const QString Bölüm = QStringLiteral("Ayarlar\\Cikis Fisi");

const FişTürü ÇıkışFişi = {
    1,
    u"CikisIslemleriTablosu",
    u"ÇıkışFişiYazdırFormu",
    u"Çıkış Fişlerini Listele/Yazdır",
    u"Arşivlenen Çıkış Fişlerini Listele/Yazdır",
    u"ÇıkışBilgileriListesi",
    u"Çıkış &Bilgileri",
    u"Çıkış &Tarihi Değiştir",
    5,
    u"h.VerilecekYer",
    3,
    {{{u"Sıra No", 1200, SütunTürü::Sayı, Qt::AlignLeft},
      {u"No'su", 1200, SütunTürü::Metin, Qt::AlignLeft},
      {u"Adı", 1800, SütunTürü::Metin, Qt::AlignLeft},
      {u"Verilecek Yer", 1600, SütunTürü::Metin, Qt::AlignHCenter},
      {u"Birimi", 1100, SütunTürü::Metin, Qt::AlignLeft},
      {u"Miktarı", 1100, SütunTürü::Sayı, Qt::AlignRight},
      {u"Tutarı", 1100, SütunTürü::Sayı, Qt::AlignRight}}},
};

}  // namespace

ÇıkışFişiYazdırFormu::ÇıkışFişiYazdırFormu(QWidget* sahip) : FişTarayıcısı(sahip, ÇıkışFişi) {
    YazdırılıyorFormu::YordamKaydet<ÇıkışFişiYazdırFormu>(1);
    ÇıkışBilgileriListesi = bilgiListesi_;
    ÇıkışTarihiKutusu = saltOkunurKutu(QStringLiteral("ÇıkışTarihiKutusu"), Altlık[1]);
    başlıkDüzeni->addWidget(new QLabel(QStringLiteral("Tarihi :"), Altlık[1]), 0, 2);
    başlıkDüzeni->addWidget(ÇıkışTarihiKutusu, 0, 3);
    Giriş::EtiketliAlan(ÇıkışBilgileriListesi, Etiket[2], false);
    Form_Load();
}

void ÇıkışFişiYazdırFormu::başlığıBoşalt() { ÇıkışTarihiKutusu->clear(); }

void ÇıkışFişiYazdırFormu::başlığıOku() {
    başlığıBoşalt();
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT Tarihi FROM CikisIslemleriTablosu WHERE %1 ORDER BY HareketNo LIMIT 1")
                .arg(fişKoşulu()),
            fişDeğerleri());
    if (s.sonraki()) ÇıkışTarihiKutusu->setText(KısaTarih(s.tarih(QStringLiteral("Tarihi"))));
}

QString ÇıkışFişiYazdırFormu::tarihMetni() const { return ÇıkışTarihiKutusu->text(); }

bool ÇıkışFişiYazdırFormu::imzalarıOku() {
    ÇıkışFişiKopyaSayısı = std::max(1, AyarOku(Bölüm, QStringLiteral("Kopya Sayisi"), QStringLiteral("1")).toInt());
    const std::pair<QString*, const char*> değerler[] = {
        {&İsteyeninServisi, "Isteyenin Servisi"},
        {&İsteyen, "Isteyen"},
        {&İsteyeninÜnvanı, "Isteyenin Unvani"},
        {&UygunGören, "Uygun Goren"},
        {&UygunGöreninÜnvanı, "Uygun Gorenin Unvani"},
        {&VerilmesiniEmreden, "Verilmesini Emreden"},
        {&VerilmesiniEmredeninÜnvanı, "Verilmesini Emredenin Unvani"},
        {&AmbarMemuru, "Ambar Memuru"},
        {&AyniyatSaymanı, "Ayniyat Saymani"},
        {&TeslimAlan, "Teslim Alan"},
        {&TeslimAlanınÜnvanı, "Teslim Alanin Unvani"},
    };
    for (const auto& [değer, anahtar] : değerler) *değer = AyarOku(Bölüm, QLatin1String(anahtar));
    return ÇıkışFişiBilgileriTamam();
}

void ÇıkışFişiYazdırFormu::diğerBilgileriGöster() {
    DiğerÇıkışFişiBilgileriFormu pencere(this);
    pencere.exec();
}

void ÇıkışFişiYazdırFormu::Yazdır() {
    ÇıkışFişiBaskısı f;
    f.kodNo = markaKodu();
    f.tarihi = ÇıkışTarihiKutusu->text();
    f.fişNo = FişNoKutusu->text();
    f.satırlar = satırlar();
    f.isteyen = İsteyen;
    f.isteyeninÜnvanı = İsteyeninÜnvanı;
    f.isteyeninServisi = İsteyeninServisi;
    f.uygunGören = UygunGören;
    f.uygunGöreninÜnvanı = UygunGöreninÜnvanı;
    f.verilmesiniEmreden = VerilmesiniEmreden;
    f.verilmesiniEmredeninÜnvanı = VerilmesiniEmredeninÜnvanı;
    f.ayniyatSaymanı = AyniyatSaymanı;
    f.ambarMemuru = AmbarMemuru;
    f.teslimAlan = TeslimAlan;
    f.teslimAlanınÜnvanı = TeslimAlanınÜnvanı;
    f.kopya = ÇıkışFişiKopyaSayısı;
    ListeToplamı = ÇıkışFişiniBas(GeçerliYazıcı(), f);
    SıraNo = static_cast<int>(f.satırlar.size()) + 1;
}
