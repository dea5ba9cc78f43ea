#include "reports/ÖzetMalzemeCetveliFormu.h"

#include "platform/MesajKapısı.h"
#include "platform/VeritabanıBağlantısı.h"
#include "platform/Yazıcı.h"
#include "reports/MalzemeCetveliAktarımı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeOluşturuluyorFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YazdırmaVeAktarmaModülü.h"
#include "shell/YazdırılıyorFormu.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>

namespace {

// Devreden, Giren and Çıkan per brand code in one pass over each movement
// table; the dates bound as ISO text, so "<" and BETWEEN compare as dates.
const QString ÖzetSorgusu = QStringLiteral(
    "SELECT g.Kodu AS Kodu, m.Markasi AS Markasi, "
    "g.DevMiktar AS GirDevMiktar, g.DevTutar AS GirDevTutar, g.DonemMiktar AS GirenMiktar, "
    "g.DonemTutar AS GirenTutar, IFNULL(c.DevMiktar, 0) AS CikDevMiktar, IFNULL(c.DevTutar, 0) AS CikDevTutar, "
    "IFNULL(c.DonemMiktar, 0) AS CikanMiktar, IFNULL(c.DonemTutar, 0) AS CikanTutar "
    "FROM (%1 FROM GirisIslemleriTablosu GROUP BY +Kodu) AS g "
    "LEFT JOIN (%1 FROM CikisIslemleriTablosu GROUP BY +Kodu) AS c ON c.Kodu = g.Kodu "
    "LEFT JOIN MarkaBilgileriTablosu AS m ON m.Kodu = g.Kodu "
    "ORDER BY g.Kodu");
const QString ToplamParçası = QStringLiteral(
    "SELECT Kodu, "
    "TOTAL(CASE WHEN Tarihi < ? THEN Miktari END) AS DevMiktar, "
    "IFNULL(SUM(CASE WHEN Tarihi < ? THEN Tutari END), 0) AS DevTutar, "
    "TOTAL(CASE WHEN Tarihi BETWEEN ? AND ? THEN Miktari END) AS DonemMiktar, "
    "IFNULL(SUM(CASE WHEN Tarihi BETWEEN ? AND ? THEN Tutari END), 0) AS DonemTutar");

double sayısı(const QString& metin) { return SayıOku(metin).value_or(0); }
Para tutarı(const QString& metin) { return Para::metinden(metin).value_or(Para()); }

// The columns of the printed sheet: heading, X in millimetres, the list column.
struct BaskıSütunu {
    const char* başlık;
    double x;
    int listeSütunu;
};
constexpr BaskıSütunu BaskıSütunları[] = {
    {"Kodu", 20, 1},     {"Markası", 35, 2},  {"Miktar", 110, 3}, {"Tutar", 130, 4},  {"Miktar", 145, 5},
    {"Tutar", 165, 6},   {"Miktar", 180, 7},  {"Tutar", 200, 8},  {"Miktar", 215, 9}, {"Tutar", 235, 10},
    {"Miktar", 250, 11}, {"Tutar", 270, 12},
};
struct BaskıGrubu {
    const char* başlık;
    double x;
};
constexpr BaskıGrubu BaskıGrupları[] = {
    {"DEVREDEN", 110}, {"YIL İÇİNDE GİREN", 145}, {"TOPLAM", 180}, {"YIL İÇİNDE ÇIKAN", 215}, {"AKTARILAN", 250},
};

}  // namespace

QStringList CetvelRakamMetinleri(const CetvelRakamları& r) {
    const QString devM = BiçimliSayı(r.devredenMiktar), devT = BiçimliSayı(r.devredenTutar);
    const QString girM = BiçimliSayı(r.girenMiktar), girT = BiçimliSayı(r.girenTutar);
    const QString topM = BiçimliSayı(Normalleştir(sayısı(devM) + sayısı(girM)));
    const QString topT = BiçimliSayı(tutarı(devT) + tutarı(girT));
    const QString çıkM = BiçimliSayı(r.çıkanMiktar), çıkT = BiçimliSayı(r.çıkanTutar);
    const QString aktM = BiçimliSayı(Normalleştir(sayısı(topM) - sayısı(çıkM)));
    const QString aktT = BiçimliSayı(tutarı(topT) - tutarı(çıkT));
    return {devM, devT, girM, girT, topM, topT, çıkM, çıkT, aktM, aktT};
}

std::vector<ÖzetCetvelSatırı> ÖzetCetvelSatırlarınıOku(const QDate& başlama, const QDate& bitiş) {
    const QVariantList tarihler{başlama, başlama, başlama, bitiş, başlama, bitiş};
    QVariantList değerler = tarihler;
    değerler += tarihler;
    std::vector<ÖzetCetvelSatırı> satırlar;
    Sorgu s(VeriTabanı, ÖzetSorgusu.arg(ToplamParçası), değerler);
    while (s.sonraki()) {
        ÖzetCetvelSatırı r;
        r.kodu = s.metin("Kodu");
        r.markası = s.metin("Markasi");
        r.rakamlar.devredenMiktar = Normalleştir(s.sayı("GirDevMiktar") - s.sayı("CikDevMiktar"));
        r.rakamlar.devredenTutar = s.para("GirDevTutar") - s.para("CikDevTutar");
        r.rakamlar.girenMiktar = Normalleştir(s.sayı("GirenMiktar"));
        r.rakamlar.girenTutar = s.para("GirenTutar");
        r.rakamlar.çıkanMiktar = Normalleştir(s.sayı("CikanMiktar"));
        r.rakamlar.çıkanTutar = s.para("CikanTutar");
        satırlar.push_back(std::move(r));
    }
    return satırlar;
}

ÖzetMalzemeCetveliFormu::ÖzetMalzemeCetveliFormu(const QDate& başlama, const QDate& bitiş, QWidget* sahip)
    : QDialog(sahip), BaşlamaTarihi(başlama), BitişTarihi(bitiş) {
    setObjectName(QStringLiteral("ÖzetMalzemeCetveliFormu"));
    setWindowTitle(QStringLiteral("Malzeme Cetveli Özeti (%1 - %2)").arg(KısaTarih(başlama), KısaTarih(bitiş)));

    MalzemeHareketleriListesi = new ListeDenetimi(this);
    MalzemeHareketleriListesi->setObjectName(QStringLiteral("MalzemeHareketleriListesi"));
    auto* l = MalzemeHareketleriListesi;
    l->sütunEkle(QStringLiteral("Sıra No"), 0, SütunTürü::Metin);
    l->sütunEkle(QStringLiteral("Kodu"), 1200, SütunTürü::Sayı);
    l->sütunEkle(QStringLiteral("Markası"), 1800, SütunTürü::Metin);
    for (const char* başlık : {"Dev. Miktar", "Dev. Tutar", "Giren Miktar", "Giren Tutar", "Toplam Miktar",
                               "Toplam Tutar", "Çıkan Miktar", "Çıkan Tutar", "Akt. Miktar", "Akt. Tutar"})
        l->sütunEkle(QString::fromUtf8(başlık), 1500, SütunTürü::Sayı, Qt::AlignRight);
    l->düzeniBağla(ListeNo);
    l->sıralanabilirYap(true);
    l->metinSıralamasıKalıcıYap(true);
    l->setMinimumSize(820, 380);

    ListeyiYenileDüğmesi = new QPushButton(QStringLiteral("Listeyi Yenile (F5)"), this);
    ListeyiYenileDüğmesi->setObjectName(QStringLiteral("ListeyiYenileDüğmesi"));
    YazdırDüğmesi = new QPushButton(QStringLiteral("&Yazdır..."), this);
    YazdırDüğmesi->setObjectName(QStringLiteral("YazdırDüğmesi"));
    ListeyiMSExceleAktarDüğmesi = new QPushButton(QStringLiteral("&Listeyi MS Excel'e Aktar"), this);
    ListeyiMSExceleAktarDüğmesi->setObjectName(QStringLiteral("ListeyiMSExceleAktarDüğmesi"));
    KapatDüğmesi = new QPushButton(QStringLiteral("Kapat (Esc)"), this);
    KapatDüğmesi->setObjectName(QStringLiteral("KapatDüğmesi"));
    Giriş::DenetimAtlatır(KapatDüğmesi);

    auto* düğmeler = new QHBoxLayout;
    düğmeler->addWidget(ListeyiYenileDüğmesi);
    düğmeler->addWidget(YazdırDüğmesi);
    düğmeler->addWidget(ListeyiMSExceleAktarDüğmesi);
    düğmeler->addStretch();
    düğmeler->addWidget(KapatDüğmesi);
    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(l);
    düzen->addLayout(düğmeler);

    connect(ListeyiYenileDüğmesi, &QPushButton::clicked, this, [this] { ListeyiYenileDüğmesi_Click(); });
    connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
    connect(ListeyiMSExceleAktarDüğmesi, &QPushButton::clicked, this, [this] { ListeyiMSExceleAktarDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    // F5 whichever control has the focus
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, [this] {
        if (ListeyiYenileDüğmesi->isEnabled()) ListeyiYenileDüğmesi_Click();
    });

    ListeOluşturuluyorFormu::YordamKaydet(ListeTag, [](QWidget* w) {
        if (auto* f = dynamic_cast<ÖzetMalzemeCetveliFormu*>(w)) f->Listele();
    });
    ListeOluşturuluyorFormu::YordamKaydet(AktarmaTag, [](QWidget* w) {
        if (auto* f = dynamic_cast<ÖzetMalzemeCetveliFormu*>(w)) f->MSExceleAktar();
    });
    YazdırılıyorFormu::YordamKaydet<ÖzetMalzemeCetveliFormu>(YazdırmaKodu);

    Giriş::VarsayılanDüğmeleriKapat(this);
    PencereyiSabitle(this);

    // the sheet opens in the order of its row numbers, ascending
    SıralamaYönü = 1;
    MalzemeHareketleriListesi->başlığaTıkla(SıraNoSütunu);
}

void ÖzetMalzemeCetveliFormu::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (yüklendi_) return;
    yüklendi_ = true;
    // the list is built over the window once it is on the screen
    QMetaObject::invokeMethod(this, [this] { ListeOluştur(this, ListeTag); }, Qt::QueuedConnection);
}

void ÖzetMalzemeCetveliFormu::Listele() {
    const auto satırlar = ÖzetCetvelSatırlarınıOku(BaşlamaTarihi, BitişTarihi);
    const int n = static_cast<int>(satırlar.size());
    ListeOluşturuluyorFormu::İlerlemeSınırı(n);
    std::vector<ListeSatırı> liste = MalzemeHareketleriListesi->satırlar();
    liste.reserve(liste.size() + satırlar.size());
    int sıraNo = 0;
    for (const auto& r : satırlar) {
        ++sıraNo;
        ListeOluşturuluyorFormu::İlerleme(sıraNo);
        QStringList hücreler{QString::number(sıraNo), r.kodu, r.markası};
        hücreler += CetvelRakamMetinleri(r.rakamlar);
        liste.push_back({hücreler, r.kodu});
    }
    // new rows take their place in the list's own text order while it is on
    MalzemeHareketleriListesi->satırlarıKoy(std::move(liste));
}

void ÖzetMalzemeCetveliFormu::ListeyiYenileDüğmesi_Click() {
    ListeyiYenileDüğmesi->setEnabled(false);
    MalzemeHareketleriListesi->temizle();
    ListeOluştur(this, ListeTag);
    MalzemeHareketleriListesi->setFocus();
    ListeyiYenileDüğmesi->setEnabled(true);
}

void ÖzetMalzemeCetveliFormu::YazdırDüğmesi_Click() {
    if (MalzemeHareketleriListesi->satırSayısı() == 0) return;
    YazdırmaDüğmesi(this, YazdırDüğmesi, YazdırmaKodu);
}

void ÖzetMalzemeCetveliFormu::ListeyiMSExceleAktarDüğmesi_Click() {
    ListeyiDışaAktar(this, MalzemeHareketleriListesi->satırSayısı(), AktarmaTag);
}

void ÖzetMalzemeCetveliFormu::MSExceleAktar() { ÖzetMalzemeCetveliniAktar(*this); }

void ÖzetMalzemeCetveliFormu::başlıkBloğunuYaz() {
    Yazıcı& y = GeçerliYazıcı();
    y.kalınKoy(true);
    y.Y = 22;
    y.X = 20;
    y.yaz(QStringLiteral("Kodu"), false);
    y.X = 35;
    y.yaz(QStringLiteral("Markası"), false);
    const double grup = std::nearbyint(y.metinGenişliği(QStringLiteral("MiktarTutar")) + 10);
    y.Y = 18;
    for (const auto& g : BaskıGrupları) {
        const QString başlık = QString::fromUtf8(g.başlık);
        y.X = g.x + (grup - y.metinGenişliği(başlık)) / 2;
        y.yaz(başlık, &g == std::end(BaskıGrupları) - 1);
    }
    y.Y = 22;
    for (size_t i = 2; i < std::size(BaskıSütunları); ++i) {
        y.X = BaskıSütunları[i].x;
        y.yaz(QString::fromUtf8(BaskıSütunları[i].başlık), i + 1 == std::size(BaskıSütunları));
    }
    y.kalınKoy(false);
}

void ÖzetMalzemeCetveliFormu::Yazdır() {
    Yazıcı& y = GeçerliYazıcı();
    y.yönKoy(SayfaYönü::Yatay);
    if (y.yön() != SayfaYönü::Yatay) {
        Uyarı(QStringLiteral("Yazdırma yönü YATAY olarak ayarlanamadığı için işlem iptal edildi!\n\n"
                             "Lütfen, yazıcınızın ayarlarlarını kontrol edip yeniden deneyiniz!"));
        return;
    }
    SayfaÖlçüleriniAl();
    y.yazıBoyutuKoy(12);
    y.kalınKoy(true);
    y.Y = 10;
    const QString başlık = KısaTarih(BaşlamaTarihi) + QStringLiteral(" - ") + KısaTarih(BitişTarihi) +
                           QStringLiteral(" TARİHLİ İCMAL ÖZETİ");
    y.X = (SayfaGenişliği - y.metinGenişliği(başlık)) / 2;
    y.yaz(başlık);
    y.yazıBoyutuKoy(8);
    başlıkBloğunuYaz();
    AltBoşluk = 20;
    y.Y = 25;
    const auto& satırlar = MalzemeHareketleriListesi->satırlar();
    for (const auto& satır : satırlar) {
        if (y.Y + AltBoşluk + 5 >= SayfaYüksekliği) {
            y.Y = SayfaYüksekliği - AltBoşluk;
            SayfaNumarasıYaz(y);
            y.yeniSayfa();
            başlıkBloğunuYaz();
            y.Y = 25;
        }
        y.Y += 1.5;
        for (size_t i = 0; i < std::size(BaskıSütunları); ++i) {
            const auto& s = BaskıSütunları[i];
            const QString alan = satır.hücreler.value(s.listeSütunu);
            const bool son = i + 1 == std::size(BaskıSütunları);
            if (s.listeSütunu <= MarkasıSütunu) {
                y.X = s.x;
                y.yaz(alan, son);
            } else {
                SağaYaslıYaz(y, s.x, QString::fromUtf8(s.başlık), alan, son);
            }
        }
    }
    if (y.sayfaNo() != 1) {
        y.Y = SayfaYüksekliği - AltBoşluk;
        SayfaNumarasıYaz(y);
    }
    y.belgeyiBitir();
}
