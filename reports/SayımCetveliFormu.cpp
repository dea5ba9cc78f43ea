#include "reports/SayımCetveliFormu.h"

#include "platform/SayıTarih.h"
#include "platform/Yazıcı.h"
#include "reports/CetvelKodListesi.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeOluşturuluyorFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YazdırmaVeAktarmaModülü.h"
#include "shell/YazdırılıyorFormu.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString ListeTagı = QStringLiteral("2");

// The printed columns: heading and its X in millimetres; the stock ends where its heading ends.
struct YazılıSütun {
    const char16_t* başlık;
    double x;
};
constexpr std::array<YazılıSütun, 6> YazılıSütunlar = {{{u"No", 10},
                                                       {u"Orjinal Parça No", 20},
                                                       {u"Adı ve Niteliği", 65},
                                                       {u"Birimi", 125},
                                                       {u"Mevcudu", 145},
                                                       {u"Ambar Yeri", 165}}};

void başlıklarıYaz(Yazıcı& y) {
    y.kalınKoy(true);
    for (size_t i = 0; i < YazılıSütunlar.size(); ++i) {
        y.X = YazılıSütunlar[i].x;
        y.yaz(QString::fromUtf16(YazılıSütunlar[i].başlık), i + 1 == YazılıSütunlar.size());
    }
    y.kalınKoy(false);
}

}  // namespace

SayımCetveliFormu::SayımCetveliFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("SayımCetveliFormu"));
    setWindowTitle(QStringLiteral("Sayım Cetveli"));
    YazdırılıyorFormu::YordamKaydet<SayımCetveliFormu>(YazdırmaKodu);
    ListeOluşturuluyorFormu::YordamKaydet(ListeTagı, [](QWidget* w) {
        if (auto* f = dynamic_cast<SayımCetveliFormu*>(w)) f->Listele();
    });

    ParçaBilgileriListesi = new ListeDenetimi(this);
    ParçaBilgileriListesi->setObjectName(QStringLiteral("ParçaBilgileriListesi"));
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Sıra No"), 1200, SütunTürü::Sayı);
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Parça No'su"), 1600);
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Parça Adı"), 2600);
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Birimi"), 1200);
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Mevcudu"), 1400, SütunTürü::Sayı, Qt::AlignRight);
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Ambar Yeri"), 1500);
    ParçaBilgileriListesi->düzeniBağla(ListeNo);
    ParçaBilgileriListesi->sıralanabilirYap(true);
    ParçaBilgileriListesi->metinSıralamasıKalıcıYap(true);
    ParçaBilgileriListesi->setMinimumSize(640, 380);

    const KodListesiDenetimleri kodlar =
        KodListesiKur(this, [this] { BulDüğmesi_Click(); }, [this] { KodListesi_Click(); });
    Etiket[0] = kodlar.kodEtiketi;
    Etiket[1] = kodlar.bulEtiketi;
    KodListesi = kodlar.KodListesi;
    BulKutusu = kodlar.BulKutusu;
    BulDüğmesi = kodlar.BulDüğmesi;
    HataYönetimiyle([this] { KodlarıYükle(KodListesi); });

    Etiket[2] = new QLabel(this);
    Etiket[2]->setObjectName(QStringLiteral("Etiket2"));
    Etiket[2]->setBuddy(ParçaBilgileriListesi);
    OdakRengiBağla(ParçaBilgileriListesi, Etiket[2]);

    MevcuduKalmayanlarıListeleSeçeneği =
        new QCheckBox(QStringLiteral("&Sadece mevcudu kalmayanları listele "), this);
    MevcuduKalmayanlarıListeleSeçeneği->setObjectName(QStringLiteral("MevcuduKalmayanlarıListeleSeçeneği"));
    connect(MevcuduKalmayanlarıListeleSeçeneği, &QCheckBox::clicked, this,
            [this] { MevcuduKalmayanlarıListeleSeçeneği_Click(); });

    YazdırDüğmesi = AdlıDüğme(this, QStringLiteral("YazdırDüğmesi"), QStringLiteral("&Yazdır..."));
    connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
    KapatDüğmesi = AdlıDüğme(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    Giriş::DenetimAtlatır(KapatDüğmesi);
    connect(KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);

    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(YazdırDüğmesi);
    düğmeler->addWidget(KapatDüğmesi);
    auto* sağ = new QVBoxLayout;
    sağ->addWidget(Etiket[2]);
    sağ->addWidget(ParçaBilgileriListesi, 1);
    sağ->addWidget(MevcuduKalmayanlarıListeleSeçeneği);
    sağ->addLayout(düğmeler);
    auto* ana = new QHBoxLayout(this);
    ana->addLayout(kodlar.düzen);
    ana->addLayout(sağ, 1);

    // The code list first, the parts list after the find, as they stand on the window.
    setTabOrder(BulDüğmesi, ParçaBilgileriListesi);
    setTabOrder(ParçaBilgileriListesi, MevcuduKalmayanlarıListeleSeçeneği);

    KopyaSayısınıEtkinlikteOku(this, QStringLiteral("Ayarlar\\Sayim Cetveli"), &SayımCetveliKopyaSayısı);
    Giriş::VarsayılanDüğmeleriKapat(this);
    PencereyiSabitle(this);
}

void SayımCetveliFormu::KodListesi_Click() {
    const auto kod = SeçiliKod(KodListesi);
    if (!kod) {
        ParçaBilgileriListesi->temizle();
        return;
    }
    HataYönetimiyle([&] {
        // a code without a brand row shows no brand rather than the last code's
        Sorgu s(VeriTabanı, QStringLiteral("SELECT Markasi FROM MarkaBilgileriTablosu WHERE Kodu=?"),
                {qlonglong(*kod)});
        Etiket[2]->setText(s.sonraki() ? s.metin(QStringLiteral("Markasi")) : QString());
    });
    KodListesi->setEnabled(false);
    ListeOluştur(this, ListeTagı);
    KodListesi->setEnabled(true);
    KodListesi->setFocus();
}

void SayımCetveliFormu::MevcuduKalmayanlarıListeleSeçeneği_Click() { KodListesi_Click(); }

void SayımCetveliFormu::BulDüğmesi_Click() {
    KodBul(BulKutusu, KodListesi);
    if (!SeçiliKod(KodListesi)) ParçaBilgileriListesi->temizle();
}

void SayımCetveliFormu::Listele() {
    // emptied first: a listing that fails never leaves another code's parts
    ParçaBilgileriListesi->temizle();
    const auto kod = SeçiliKod(KodListesi);
    if (!kod) return;
    const bool tükenenler = MevcuduKalmayanlarıListeleSeçeneği->isChecked();

    // One statement for the parts and their stock: receipts minus issues over all years.
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT p.ParcaNo, p.Nosu, p.Adi, p.Birimi, p.AmbarYeri, "
                           "(SELECT SUM(g.Miktari) FROM GirisIslemleriTablosu g WHERE g.ParcaNo=p.ParcaNo) AS Giren, "
                           "(SELECT SUM(c.Miktari) FROM CikisIslemleriTablosu c WHERE c.ParcaNo=p.ParcaNo) AS Cikan "
                           "FROM ParcaBilgileriTablosu p WHERE p.Kodu=? "
                           "ORDER BY p.Nosu COLLATE TURKCE, p.ParcaNo"),
            {qlonglong(*kod)});
    std::vector<ListeSatırı> parçalar;
    std::vector<double> mevcutlar;
    while (s.sonraki()) {
        parçalar.push_back({{QString(), s.metin(QStringLiteral("Nosu")), s.metin(QStringLiteral("Adi")),
                             s.metin(QStringLiteral("Birimi")), QString(), s.metin(QStringLiteral("AmbarYeri"))},
                            qlonglong(s.tamsayı(QStringLiteral("ParcaNo")))});
        mevcutlar.push_back(Normalleştir(s.sayı(QStringLiteral("Giren")) - s.sayı(QStringLiteral("Cikan"))));
    }

    ListeOluşturuluyorFormu::İlerlemeSınırı(static_cast<int>(parçalar.size()));
    std::vector<ListeSatırı> satırlar;
    int sıraNo = 0;
    for (size_t i = 0; i < parçalar.size(); ++i) {
        ListeOluşturuluyorFormu::İlerleme(static_cast<int>(i) + 1);
        if ((mevcutlar[i] == 0) != tükenenler) continue;
        ListeSatırı& p = parçalar[i];
        p.hücreler[SıraNoSütunu] = QString::number(++sıraNo);
        p.hücreler[MevcuduSütunu] = GenelSayı(mevcutlar[i]);
        satırlar.push_back(std::move(p));
    }
    ParçaBilgileriListesi->satırlarıKoy(std::move(satırlar));
}

void SayımCetveliFormu::YazdırDüğmesi_Click() {
    if (ParçaBilgileriListesi->satırSayısı() == 0) return;
    YazdırmaDüğmesi(this, YazdırDüğmesi, YazdırmaKodu);
}

void SayımCetveliFormu::Yazdır() {
    Yazıcı& y = GeçerliYazıcı();
    y.kopyaSayısıKoy(SayımCetveliKopyaSayısı);

    OrtalıBaşlıkYaz(y, 15, QStringLiteral("SAYIM CETVELİ"));

    const auto kod = SeçiliKod(KodListesi);
    const std::array<std::pair<QString, QString>, 3> bilgiler = {{
        {QStringLiteral("KOD NO "), kod ? QString::number(*kod) : QString()},
        {QStringLiteral("MARKASI "), Etiket[2]->text()},
        {QStringLiteral("TARİHİ "), KısaTarih(QDate::currentDate())},
    }};
    for (const auto& [etiket, değer] : bilgiler) {
        y.kalınKoy(true);
        y.X = 145;
        y.yaz(etiket, false);
        y.kalınKoy(false);
        y.X = 160;
        y.yaz(QStringLiteral(": ") + değer);
    }

    y.Y = 35;
    başlıklarıYaz(y);
    AltBoşluk = 20;
    y.kalınKoy(false);
    y.Y += 1;

    const int satırSayısı = ParçaBilgileriListesi->satırSayısı();
    for (int satır = 0; satır < satırSayısı; ++satır) {
        if (SayfaDolduysaYeniSayfa(y)) {
            y.Y = 10;
            başlıklarıYaz(y);
            y.Y = 15;
        }
        y.Y += 1.5;
        for (int sütun = 0; sütun < static_cast<int>(YazılıSütunlar.size()); ++sütun) {
            const QString metin = ParçaBilgileriListesi->hücre(satır, sütun);
            const bool son = sütun == AmbarYeriSütunu;
            if (sütun == MevcuduSütunu) {
                SağaYaslıYaz(y, YazılıSütunlar[sütun].x, QString::fromUtf16(YazılıSütunlar[sütun].başlık), metin, son);
            } else {
                y.X = YazılıSütunlar[sütun].x;
                y.yaz(metin, son);
            }
        }
    }
    SonSayfaNumarasınıYaz(y);
    y.belgeyiBitir();
}
