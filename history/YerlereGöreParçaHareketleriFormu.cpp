#include "history/YerlereGöreParçaHareketleriFormu.h"

#include "platform/SayıTarih.h"
#include "platform/Türkçe.h"
#include "platform/Yazıcı.h"
#include "platform/ÇalışmaKitabı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeKutusu.h"
#include "shell/ListeOluşturuluyorFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/Twip.h"
#include "shell/YazdırmaVeAktarmaModülü.h"
#include "shell/YazdırılıyorFormu.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace {

// The four margins of the printed sheet: 1.5 cm.
constexpr double KenarBoşluğuİnç = 0.590551181102362;

using Alan = YerlereGöreParçaHareketleriFormu::Alan;

// A cell's value as read: nothing for NULL, texts and dates as stored, numbers as numbers.
QVariant hücreDeğeri(const Sorgu& s, const QString& ad, Alan biçim) {
    if (s.boşMu(ad)) return {};
    switch (biçim) {
    case Alan::Metin:
    case Alan::Tarih: return s.metin(ad);
    case Alan::Miktar: return s.sayı(ad);
    case Alan::Tutar:
    case Alan::Numara:
    case Alan::ArşivNo: return qlonglong(s.tamsayı(ad));
    }
    return {};
}

// The text the list shows for that value.
QString hücreMetni(const QVariant& değer, Alan biçim) {
    if (!değer.isValid()) return biçim == Alan::ArşivNo ? QStringLiteral("0") : QString();
    switch (biçim) {
    case Alan::Metin: return değer.toString();
    case Alan::Tarih: return KısaTarih(VtTarihindenOku(değer.toString()));
    case Alan::Miktar: return BiçimliSayı(değer.toDouble());
    case Alan::Tutar: return BiçimliSayı(Para::onBindeden(değer.toLongLong()));
    case Alan::Numara:
    case Alan::ArşivNo: return QString::number(değer.toLongLong());
    }
    return {};
}

// The bar moves in steps of a two-hundredth: redrawing it for each of many rows costs more than the rows.
void ilerlet(int sıra, int toplam) {
    const int adım = std::max(1, toplam / 200);
    if (sıra % adım == 0 || sıra == toplam) ListeOluşturuluyorFormu::İlerleme(sıra);
}

}  // namespace

YerlereGöreParçaHareketleriFormu::YerlereGöreParçaHareketleriFormu(Tanım tanım, QWidget* sahip)
    : QDialog(sahip), tanım_(std::move(tanım)) {
    setObjectName(tanım_.pencereAdı);
    setWindowTitle(tanım_.başlık);

    const QStringList etiketler = {tanım_.listeEtiketi, QStringLiteral("Bul :"), QStringLiteral("Hareketler"),
                                   QStringLiteral("Listelenen : 0")};
    for (int i = 0; i < 4; ++i) {
        Etiket[i] = new QLabel(etiketler[i], this);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
    }
    yerlerListesi_ = new QListWidget(this);
    yerlerListesi_->setObjectName(tanım_.listeAdı);
    yerlerListesi_->setSelectionMode(QAbstractItemView::SingleSelection);
    yerlerListesi_->setMinimumWidth(220);
    OklarİlkSatırdanBaşlar(yerlerListesi_);
    BulKutusu = new QLineEdit(this);
    BulKutusu->setObjectName(QStringLiteral("BulKutusu"));
    HareketListesi = new ListeDenetimi(this);
    HareketListesi->setObjectName(QStringLiteral("HareketListesi"));
    YazdırDüğmesi = AdlıDüğme(this, QStringLiteral("YazdırDüğmesi"), QStringLiteral("&Yazdır..."));
    ListeyiMSExceleAktarDüğmesi = AdlıDüğme(this, QStringLiteral("ListeyiMSExceleAktarDüğmesi"), QStringLiteral("&Listeyi MS Excel'e Aktar"));
    KapatDüğmesi = AdlıDüğme(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    Etiket[0]->setBuddy(yerlerListesi_);
    Etiket[1]->setBuddy(BulKutusu);
    Etiket[2]->setBuddy(HareketListesi);

    auto* düzen = new QGridLayout(this);
    düzen->addWidget(Etiket[0], 0, 0);
    düzen->addWidget(yerlerListesi_, 1, 0);
    düzen->addWidget(Etiket[1], 2, 0);
    düzen->addWidget(BulKutusu, 3, 0);
    düzen->addWidget(Etiket[2], 0, 1);
    düzen->addWidget(HareketListesi, 1, 1, 3, 1);
    düzen->addWidget(Etiket[3], 4, 1);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(YazdırDüğmesi);
    düğmeler->addWidget(ListeyiMSExceleAktarDüğmesi);
    düğmeler->addWidget(KapatDüğmesi);
    düzen->addLayout(düğmeler, 5, 0, 1, 2);
    düzen->setColumnStretch(1, 1);
    düzen->setRowStretch(1, 1);

    Giriş::EtiketliAlan(yerlerListesi_, Etiket[0], false);
    Giriş::EtiketliAlan(BulKutusu, Etiket[1], false);
    Giriş::EtiketliAlan(HareketListesi, Etiket[2], false);
    Giriş::Yasakla(BulKutusu, QStringLiteral("?'#*"));
    Giriş::BüyükHarfKutusu(BulKutusu);
    Giriş::DenetimAtlatır(KapatDüğmesi);
    Giriş::VarsayılanDüğmeleriKapat(this);
    connect(BulKutusu, &QLineEdit::textChanged, this, [this] { BulKutusu_Change(); });
    // a change of the selection, by the user or by the find box, is the list box's Click
    connect(yerlerListesi_, &QListWidget::itemSelectionChanged, this, [this] { YerlerListesi_Click(); });
    connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
    connect(ListeyiMSExceleAktarDüğmesi, &QPushButton::clicked, this, [this] { ListeyiMSExceleAktarDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);

    int genişlik = 0;
    for (const Sütun& s : tanım_.sütunlar) {
        HareketListesi->sütunEkle(s.başlık, s.genişlikTwips, s.tür, s.sağa ? Qt::AlignRight : Qt::AlignLeft);
        genişlik += TwiptenPiksel(s.genişlikTwips);
    }
    // every column in sight as designed, beside a vertical scroll bar
    HareketListesi->setMinimumSize(genişlik + 24, 380);
    HataYönetimiyle([this] { HareketListesi->düzeniBağla(tanım_.listeNo); });
    HareketListesi->sıralanabilirYap(true);
    HareketListesi->metinSıralamasıKalıcıYap(true);
    HataYönetimiyle([this] { yerleriDoldur(); });
    // whatever the last sort of any list was, this one starts ascending on "Kodu"
    SıralamaYönü = 1;
    HareketListesi->başlığaTıkla(0);
    PencereyiSabitle(this);
}

void YerlereGöreParçaHareketleriFormu::yordamlarıKaydet(const Tanım& t, void (*yükle)(QWidget*),
                                                         void (*aktar)(QWidget*), void (*yazdır)(QWidget*)) {
    ListeOluşturuluyorFormu::YordamKaydet(t.listeTag, yükle);
    ListeOluşturuluyorFormu::YordamKaydet(t.aktarmaTag, aktar);
    YazdırılıyorFormu::YordamKaydet(t.yazdırmaKodu, yazdır);
}

void YerlereGöreParçaHareketleriFormu::yerleriDoldur() {
    // One seek in the column's index for each distinct name, from the smallest on:
    // a few hundred names among hundreds of thousands of movements. A movement
    // without a counterpart has no entry: there is nothing to pick it by. Each step
    // starts after the value as stored, inside the engine: a value that does not read
    // back as the same text (one put in as bytes, or not valid UTF-8) cannot make it
    // find that value again. Such a value is listed as it reads, once.
    Sorgu s(VeriTabanı, QStringLiteral("WITH RECURSIVE yerler(ad) AS ("
                                       "SELECT min(%1) FROM %2 WHERE %1 > '' "
                                       "UNION ALL SELECT (SELECT min(%1) FROM %2 WHERE %1 > ad) "
                                       "FROM yerler WHERE ad IS NOT NULL) "
                                       "SELECT ad FROM yerler WHERE ad IS NOT NULL")
                                           .arg(tanım_.yerAlanı, tanım_.tablo));
    QStringList yerler;
    while (s.sonraki()) yerler << s.metin(QStringLiteral("ad"));
    yerler.removeDuplicates();
    std::stable_sort(yerler.begin(), yerler.end(),
                     [](const QString& a, const QString& b) { return TürkçeKarşılaştır(a, b) < 0; });
    yerlerListesi_->addItems(yerler);
}

QString YerlereGöreParçaHareketleriFormu::seçiliYer() const {
    const auto seçili = yerlerListesi_->selectedItems();
    return seçili.isEmpty() ? QString() : seçili.first()->text();
}

void YerlereGöreParçaHareketleriFormu::BulKutusu_Change() {
    const int satır = ÖnekleBaşlayanSatır(yerlerListesi_, BulKutusu->text());
    if (satır >= 0) yerlerListesi_->setCurrentRow(satır);
    else yerlerListesi_->clearSelection();
}

void YerlereGöreParçaHareketleriFormu::YerlerListesi_Click() {
    if (HareketListesi->satırSayısı() > 0) HareketListesi->temizle();
    if (!seçiliYer().isEmpty()) ListeOluştur(this, tanım_.listeTag);
    // also when the load failed: the list is empty then
    Etiket[3]->setText(QStringLiteral("Listelenen : %1").arg(HareketListesi->satırSayısı()));
}

void YerlereGöreParçaHareketleriFormu::HareketleriYükle() {
    const QString yer = seçiliYer();
    if (yer.isEmpty()) return;
    const auto& sütunlar = tanım_.sütunlar;
    QStringList adlar, alanlar;
    for (size_t i = 0; i < sütunlar.size(); ++i) {
        adlar << QStringLiteral("s%1").arg(i);
        alanlar << sütunlar[i].alan + QStringLiteral(" AS ") + adlar.back();
    }
    const int toplam = static_cast<int>(
        VeriTabanı.tekDeğer(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(tanım_.tablo, tanım_.yerAlanı),
                            {yer})
            .toLongLong());
    if (toplam > 0) ListeOluşturuluyorFormu::İlerlemeSınırı(toplam);
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT %1 FROM %2 AS h LEFT JOIN ParcaBilgileriTablosu AS p ON p.ParcaNo = h.ParcaNo "
                           "WHERE h.%3 = ? ORDER BY h.Kodu, h.Tarihi, h.HareketNo")
                .arg(alanlar.join(QStringLiteral(", ")), tanım_.tablo, tanım_.yerAlanı),
            {yer});
    // the values are kept; the list makes the texts of the rows it shows
    std::vector<QVariantList> satırlar;
    satırlar.reserve(static_cast<size_t>(toplam));
    while (s.sonraki()) {
        QVariantList değerler;
        değerler.reserve(static_cast<qsizetype>(sütunlar.size()));
        for (size_t i = 0; i < sütunlar.size(); ++i)
            değerler << hücreDeğeri(s, adlar[static_cast<qsizetype>(i)], sütunlar[i].biçim);
        satırlar.push_back(std::move(değerler));
        ilerlet(static_cast<int>(satırlar.size()), toplam);
    }
    HareketListesi->satırlarıDeğerlerleKoy(std::move(satırlar), [this](int sütun, const QVariant& değer) {
        return hücreMetni(değer, tanım_.sütunlar[static_cast<size_t>(sütun)].biçim);
    });
    Etiket[3]->setText(QStringLiteral("Listelenen : %1").arg(HareketListesi->satırSayısı()));
}

// ---- printing ----

void YerlereGöreParçaHareketleriFormu::YazdırDüğmesi_Click() {
    if (HareketListesi->satırSayısı() == 0) return;
    YazdırmaDüğmesi(this, YazdırDüğmesi, tanım_.yazdırmaKodu);
}

void YerlereGöreParçaHareketleriFormu::başlıklarıYaz(Yazıcı& y) const {
    const auto& sütunlar = tanım_.sütunlar;
    y.kalınKoy(true);
    for (size_t i = 0; i < sütunlar.size(); ++i) {
        y.X = sütunlar[i].yazdırmaX;
        y.yaz(sütunlar[i].başlık, i + 1 == sütunlar.size());
    }
    y.kalınKoy(false);
}

void YerlereGöreParçaHareketleriFormu::Yazdır() {
    Yazıcı& y = GeçerliYazıcı();
    const auto& sütunlar = tanım_.sütunlar;
    OrtalıBaşlıkYaz(y, 15, seçiliYer() + tanım_.başlıkEki);
    y.Y = 25;
    başlıklarıYaz(y);
    AltBoşluk = 20;
    y.kalınKoy(false);
    y.Y += 1;
    for (const ListeSatırı& satır : HareketListesi->satırlar()) {
        if (SayfaDolduysaYeniSayfa(y)) {
            y.Y = 10;
            başlıklarıYaz(y);
            y.Y = 15;
        }
        y.Y += 1.5;
        for (size_t i = 0; i < sütunlar.size(); ++i) {
            const Sütun& s = sütunlar[i];
            const QString metin = satır.hücreler.value(static_cast<qsizetype>(i));
            const bool son = i + 1 == sütunlar.size();
            if (s.yazdırmadaSağa) {
                SağaYaslıYaz(y, s.yazdırmaX, s.başlık, metin, son);
            } else {
                y.X = s.yazdırmaX;
                y.yaz(metin, son);
            }
        }
    }
    SonSayfaNumarasınıYaz(y);
    y.belgeyiBitir();
    QCoreApplication::processEvents();
}

// ---- the workbook ----

void YerlereGöreParçaHareketleriFormu::ListeyiMSExceleAktarDüğmesi_Click() {
    ListeyiDışaAktar(this, HareketListesi->satırSayısı(), tanım_.aktarmaTag);
}

void YerlereGöreParçaHareketleriFormu::MSExceleAktar() {
    using Yatay = ÇalışmaKitabı::Yatay;
    using Dikey = ÇalışmaKitabı::Dikey;
    const auto& sütunlar = tanım_.sütunlar;
    const int n = static_cast<int>(sütunlar.size());
    const auto& satırlar = HareketListesi->satırlar();
    const int toplam = static_cast<int>(satırlar.size());
    ListeOluşturuluyorFormu::İlerlemeSınırı(toplam);
    ÇalışmaKitabı kitap(tanım_.sayfaAdı);
    SürenAktarım süren(kitap);
    for (int r = 1; r <= toplam; ++r) {
        ilerlet(r, toplam);
        const QStringList& hücreler = satırlar[static_cast<size_t>(r - 1)].hücreler;
        for (int k = 0; k < n; ++k) {
            if (sütunlar[static_cast<size_t>(k)].çalışmaKitabındaSayı) kitap.sayıMetniYaz(r + 2, k + 1, hücreler.value(k));
            else kitap.metinYaz(r + 2, k + 1, hücreler.value(k));
        }
    }
    if (YazıcıVar) {
        kitap.düzen().kenarBoşluğuİnç = KenarBoşluğuİnç;
        kitap.düzen().yataydaOrtala = true;
        kitap.düzen().kılavuzÇizgileriYazdır = true;
    }
    kitap.metinYaz(1, 1, seçiliYer() + tanım_.başlıkEki);
    kitap.birleştir(1, 1, 1, n);
    auto& başlıkSatırı = kitap.satırBiçimi(1);
    başlıkSatırı.yatay = Yatay::Orta;
    başlıkSatırı.dikey = Dikey::Orta;
    başlıkSatırı.kalın = true;
    kitap.satırYüksekliğiKoy(1, 30);
    kitap.satırYüksekliğiKoy(2, 20);
    for (int k = 1; k <= n; ++k) {
        kitap.metinYaz(2, k, HareketListesi->sütunBaşlığı(k - 1));
        kitap.sütunGenişliğiKoy(k, HareketListesi->sütunGenişliğiTwips(k - 1) / 100.0);
        auto& b = kitap.hücreBiçimi(2, k);
        b.yatay = Yatay::Orta;
        b.dikey = Dikey::Orta;
        b.kaydır = true;
        b.kalın = true;
    }
    // the sheet's columns printed on one page across, with no vertical page break
    if (tanım_.sayfayıGenişliğeSığdır && YazıcıVar) {
        kitap.düzen().sığdırGenişlik = 1;
        kitap.düzen().sığdırYükseklik = 0;
    }
    ÇalışmaKitabınıKaydedipAç(kitap, tanım_.sayfaAdı);
}
