#include "reports/ÖzetMalzemeCetveliFormu.h"

#include "platform/MesajKapısı.h"
#include "platform/VeritabanıBağlantısı.h"
#include "platform/Yazıcı.h"
#include "reports/CetvelRakamları.h"
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

// The printed sheet's leading columns; the figures follow under their groups.
constexpr double KoduX = 20;
constexpr double MarkasıX = 35;

}  // namespace

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
    l->setMinimumSize(1000, 420);

    ListeyiYenileDüğmesi = AdlıDüğme(this, QStringLiteral("ListeyiYenileDüğmesi"), QStringLiteral("Listeyi Yenile (F5)"));
    YazdırDüğmesi = AdlıDüğme(this, QStringLiteral("YazdırDüğmesi"), QStringLiteral("&Yazdır..."));
    ListeyiMSExceleAktarDüğmesi = AdlıDüğme(this, QStringLiteral("ListeyiMSExceleAktarDüğmesi"), QStringLiteral("&Listeyi MS Excel'e Aktar"));
    KapatDüğmesi = AdlıDüğme(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
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
    // F5 whichever control has the focus, with or without Shift, Ctrl and Alt
    auto* f5 = new QShortcut(this);
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    QList<QKeySequence> tuşlar;
    for (const Qt::KeyboardModifiers kip : {Qt::KeyboardModifiers(), shift, ctrl, alt, shift | ctrl, shift | alt,
                                            ctrl | alt, shift | ctrl | alt})
        tuşlar << QKeySequence(QKeyCombination(kip, Qt::Key_F5));
    f5->setKeys(tuşlar);
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
    y.X = KoduX;
    y.yaz(QStringLiteral("Kodu"), false);
    y.X = MarkasıX;
    y.yaz(QStringLiteral("Markası"), false);
    CetvelRakamBaşlıklarınıYaz(y, 18, 22);
    y.kalınKoy(false);
}

void ÖzetMalzemeCetveliFormu::Yazdır() {
    Yazıcı& y = GeçerliYazıcı();
    const QString başlık = KısaTarih(BaşlamaTarihi) + QStringLiteral(" - ") + KısaTarih(BitişTarihi) +
                           QStringLiteral(" TARİHLİ İCMAL ÖZETİ");
    if (!CetvelBaskısınıBaşlat(y, başlık)) return;
    başlıkBloğunuYaz();
    AltBoşluk = 20;
    y.Y = 25;
    for (const auto& satır : MalzemeHareketleriListesi->satırlar()) {
        if (SayfaDolduysaYeniSayfa(y)) {
            başlıkBloğunuYaz();
            y.Y = 25;
        }
        y.Y += 1.5;
        y.X = KoduX;
        y.yaz(satır.hücreler.value(KoduSütunu), false);
        y.X = MarkasıX;
        y.yaz(satır.hücreler.value(MarkasıSütunu), false);
        CetvelRakamlarınıYaz(y, satır.hücreler, İlkRakamSütunu);
    }
    SonSayfaNumarasınıYaz(y);
    y.belgeyiBitir();
}
