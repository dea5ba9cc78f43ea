#include "reports/MalzemeCetveliFormu.h"

#include "platform/MesajKapısı.h"
#include "platform/Yazıcı.h"
#include "reports/MalzemeCetveliAktarımı.h"
#include "reports/CetvelKodListesi.h"
#include "reports/CetvelRakamları.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeOluşturuluyorFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YazdırmaVeAktarmaModülü.h"
#include "shell/YazdırılıyorFormu.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

const QString ListeTagı = QStringLiteral("0");
const QString AktarmaTagı = QStringLiteral("1");

// The sums of one movement table per part of a code: before the period (Önceki)
// and within it, both days included (Dönem). Later movements count nowhere.
QString dönemToplamları(const QString& tablo) {
    return QStringLiteral(
               "SELECT h.ParcaNo, "
               "SUM(CASE WHEN h.Tarihi < ? THEN h.Miktari END) AS OncekiMiktar, "
               "SUM(CASE WHEN h.Tarihi < ? THEN h.Tutari END) AS OncekiTutar, "
               "SUM(CASE WHEN h.Tarihi >= ? THEN h.Miktari END) AS DonemMiktar, "
               "SUM(CASE WHEN h.Tarihi >= ? THEN h.Tutari END) AS DonemTutar "
               "FROM %1 h JOIN ParcaBilgileriTablosu hp ON hp.ParcaNo=h.ParcaNo "
               "WHERE hp.Kodu=? AND h.Tarihi <= ? GROUP BY h.ParcaNo")
        .arg(tablo);
}

// The printed layout of the part columns; the figures follow under their groups.
constexpr std::array<std::pair<const char16_t*, double>, 4> MetinSütunları = {
    {{u"No", 10}, {u"Parça No", 20}, {u"Adı ve Niteliği", 50}, {u"Birimi", 95}}};

void başlıklarıYaz(Yazıcı& y) {
    y.kalınKoy(true);
    y.Y = 30;
    for (size_t i = 0; i < MetinSütunları.size(); ++i) {
        y.X = MetinSütunları[i].second;
        y.yaz(QString::fromUtf16(MetinSütunları[i].first), i + 1 == MetinSütunları.size());
    }
    CetvelRakamBaşlıklarınıYaz(y, 25, 30);
    y.kalınKoy(false);
}

QLineEdit* toplamKutusu(const QString& ad, QWidget* üst) {
    auto* k = new QLineEdit(üst);
    k->setObjectName(ad);
    k->setReadOnly(true);
    k->setAlignment(Qt::AlignRight);
    k->setFixedWidth(120);
    return k;
}

}  // namespace

MalzemeCetveliFormu::MalzemeCetveliFormu(const QDate& başlama, const QDate& bitiş, QWidget* sahip)
    : QDialog(sahip), BaşlamaTarihi(başlama), BitişTarihi(bitiş) {
    setObjectName(QStringLiteral("MalzemeCetveliFormu"));
    setWindowTitle(QStringLiteral("Malzeme Cetveli (%1 - %2)").arg(KısaTarih(başlama), KısaTarih(bitiş)));
    YazdırılıyorFormu::YordamKaydet<MalzemeCetveliFormu>(YazdırmaKodu);
    ListeOluşturuluyorFormu::YordamKaydet(ListeTagı, [](QWidget* w) {
        if (auto* f = dynamic_cast<MalzemeCetveliFormu*>(w)) f->Listele();
    });
    ListeOluşturuluyorFormu::YordamKaydet(AktarmaTagı, [](QWidget* w) {
        if (auto* f = dynamic_cast<MalzemeCetveliFormu*>(w)) f->MSExceleAktar();
    });

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Altlık->setAutoFillBackground(true);
    Altlık->setBackgroundRole(QPalette::Window);

    const KodListesiDenetimleri kodlar =
        KodListesiKur(Altlık, [this] { BulDüğmesi_Click(); }, [this] { KodListesi_Click(); });
    Etiket[0] = kodlar.kodEtiketi;
    Etiket[1] = kodlar.bulEtiketi;
    KodListesi = kodlar.KodListesi;
    BulKutusu = kodlar.BulKutusu;
    BulDüğmesi = kodlar.BulDüğmesi;

    Etiket[2] = new QLabel(QStringLiteral("&Parça Bilgileri"), Altlık);
    Etiket[2]->setObjectName(QStringLiteral("Etiket2"));
    ParçaBilgileriListesi = new ListeDenetimi(Altlık);
    ParçaBilgileriListesi->setObjectName(QStringLiteral("ParçaBilgileriListesi"));
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Sıra No"), 1200, SütunTürü::Sayı);
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("No'su"), 1200);
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Adı"), 1800);
    ParçaBilgileriListesi->sütunEkle(QStringLiteral("Birimi"), 1100);
    const std::array<std::pair<const char16_t*, int>, 10> rakamSütunları = {{
        {u"Dev. Miktar", 1500}, {u"Dev. Tutar", 1500}, {u"Giren Miktar", 1500}, {u"Giren Tutar", 1500},
        {u"Toplam Miktar", 1700}, {u"Toplam Tutar", 1500}, {u"Çıkan Miktar", 1500}, {u"Çıkan Tutar", 1500},
        {u"Akt. Miktar", 1500}, {u"Akt. Tutar", 1500}}};
    for (const auto& [başlık, genişlik] : rakamSütunları)
        ParçaBilgileriListesi->sütunEkle(QString::fromUtf16(başlık), genişlik, SütunTürü::Sayı, Qt::AlignRight);
    ParçaBilgileriListesi->düzeniBağla(ListeNo);
    ParçaBilgileriListesi->sıralanabilirYap(true);
    ParçaBilgileriListesi->metinSıralamasıKalıcıYap(true);
    ParçaBilgileriListesi->setMinimumSize(760, 380);
    Etiket[2]->setBuddy(ParçaBilgileriListesi);
    OdakRengiBağla(ParçaBilgileriListesi, Etiket[2]);

    Çerçeve = new QGroupBox(QStringLiteral("Toplam Tutar Bilgileri "), Altlık);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    DevredenTutarToplamıKutusu = toplamKutusu(QStringLiteral("DevredenTutarToplamıKutusu"), Çerçeve);
    GirenTutarToplamıKutusu = toplamKutusu(QStringLiteral("GirenTutarToplamıKutusu"), Çerçeve);
    GirenToplamTutarKutusu = toplamKutusu(QStringLiteral("GirenToplamTutarKutusu"), Çerçeve);
    ÇıkanTutarıToplamıKutusu = toplamKutusu(QStringLiteral("ÇıkanTutarıToplamıKutusu"), Çerçeve);
    AktarılanTutarToplamıKutusu = toplamKutusu(QStringLiteral("AktarılanTutarToplamıKutusu"), Çerçeve);
    auto* toplamDüzeni = new QHBoxLayout(Çerçeve);
    const std::array<const char16_t*, 5> toplamEtiketleri = {u"Devreden :", u"Giren :", u"Toplam :", u"Çıkan :",
                                                             u"Aktarılan :"};
    const auto kutular = toplamKutuları();
    for (int i = 0; i < 5; ++i) {
        Etiket[3 + i] = new QLabel(QString::fromUtf16(toplamEtiketleri[i]), Çerçeve);
        Etiket[3 + i]->setObjectName(QStringLiteral("Etiket%1").arg(3 + i));
        toplamDüzeni->addWidget(Etiket[3 + i]);
        toplamDüzeni->addWidget(kutular[i]);
    }

    auto düğme = [this](const QString& ad, const QString& metin) {
        auto* d = new QPushButton(metin, Altlık);
        d->setObjectName(ad);
        return d;
    };
    TümKodlarınTutarBilgileriniGösterDüğmesi = düğme(QStringLiteral("TümKodlarınTutarBilgileriniGösterDüğmesi"),
                                                     QStringLiteral("&Tüm Kodların Toplam Tutar Bilgilerini Göster"));
    ListeyiMSExceleAktarDüğmesi =
        düğme(QStringLiteral("ListeyiMSExceleAktarDüğmesi"), QStringLiteral("&Listeyi MS Excel'e Aktar"));
    YazdırDüğmesi = düğme(QStringLiteral("YazdırDüğmesi"), QStringLiteral("&Yazdır..."));
    KapatDüğmesi = düğme(QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    Giriş::DenetimAtlatır(KapatDüğmesi);
    connect(TümKodlarınTutarBilgileriniGösterDüğmesi, &QPushButton::clicked, this,
            [this] { TümKodlarınTutarBilgileriniGösterDüğmesi_Click(); });
    connect(ListeyiMSExceleAktarDüğmesi, &QPushButton::clicked, this, [this] { ListeyiMSExceleAktarDüğmesi_Click(); });
    connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);

    auto* sağ = new QVBoxLayout;
    sağ->addWidget(Etiket[2]);
    sağ->addWidget(ParçaBilgileriListesi, 1);
    sağ->addWidget(Çerçeve);
    auto* üst = new QHBoxLayout;
    üst->addLayout(kodlar.düzen);
    üst->addLayout(sağ, 1);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addWidget(TümKodlarınTutarBilgileriniGösterDüğmesi);
    düğmeler->addStretch();
    düğmeler->addWidget(ListeyiMSExceleAktarDüğmesi);
    düğmeler->addWidget(YazdırDüğmesi);
    düğmeler->addWidget(KapatDüğmesi);
    auto* altlıkDüzeni = new QVBoxLayout(Altlık);
    altlıkDüzeni->addLayout(üst, 1);
    altlıkDüzeni->addLayout(düğmeler);
    auto* ana = new QVBoxLayout(this);
    ana->setContentsMargins(0, 0, 0, 0);
    ana->addWidget(Altlık);

    HataYönetimiyle([this] { KodlarıYükle(KodListesi); });
    // the arrow on "Sıra No", ascending, whatever the last sort anywhere was
    SıralamaYönü = 1;
    ParçaBilgileriListesi->başlığaTıkla(SıraNoSütunu);

    KopyaSayısınıEtkinlikteOku(this, QStringLiteral("Ayarlar\\Malzeme Cetveli"), &MalzemeCetveliKopyaSayısı);
    Giriş::VarsayılanDüğmeleriKapat(this);
    sütunlarıSığdır(sahip);
    PencereyiSabitle(this);
}

// The window opens wide enough to show every column of the list side by side (and
// a vertical scroll bar), as far as the screen's free area has room for it.
void MalzemeCetveliFormu::sütunlarıSığdır(const QWidget* sahip) {
    ListeDenetimi* l = ParçaBilgileriListesi;
    int sütunlar = 2 * l->frameWidth() + l->verticalScrollBar()->sizeHint().width();
    for (int i = 0; i < l->sütunSayısı(); ++i) sütunlar += l->columnWidth(i);
    const QScreen* ekran = sahip && sahip->screen() ? sahip->screen() : QGuiApplication::primaryScreen();
    if (!ekran) return;
    constexpr int PencereKenarları = 16;  // the window frame around the client area
    const int gerisi = layout()->sizeHint().width() - l->minimumWidth();
    const int sığan = ekran->availableGeometry().width() - PencereKenarları - gerisi;
    l->setMinimumWidth(std::max(l->minimumWidth(), std::min(sütunlar, sığan)));
}

std::array<QLineEdit*, 5> MalzemeCetveliFormu::toplamKutuları() const {
    return {DevredenTutarToplamıKutusu, GirenTutarToplamıKutusu, GirenToplamTutarKutusu, ÇıkanTutarıToplamıKutusu,
            AktarılanTutarToplamıKutusu};
}

void MalzemeCetveliFormu::KodListesi_Click() {
    for (QLineEdit* k : toplamKutuları()) k->clear();
    if (!SeçiliKod(KodListesi)) {
        ParçaBilgileriListesi->temizle();
        return;
    }
    ListeOluştur(this, ListeTagı);
}

void MalzemeCetveliFormu::BulDüğmesi_Click() {
    KodBul(BulKutusu, KodListesi);
    if (!SeçiliKod(KodListesi)) KodListesi_Click();
}

void MalzemeCetveliFormu::Listele() {
    // emptied first: a listing that fails never leaves another code's figures
    ParçaBilgileriListesi->temizle();
    MiktarToplamları.fill(0);
    TutarToplamları.fill(Para());
    for (QLineEdit* k : toplamKutuları()) k->clear();
    const auto kod = SeçiliKod(KodListesi);
    if (!kod) return;

    // Every part of the code, with or without movements, and the sums of both tables in one statement.
    const QString sql =
        QStringLiteral(
            "SELECT p.ParcaNo, p.Nosu, p.Adi, p.Birimi, "
            "g.OncekiMiktar AS GirisOncekiMiktar, g.OncekiTutar AS GirisOncekiTutar, "
            "g.DonemMiktar AS GirisDonemMiktar, g.DonemTutar AS GirisDonemTutar, "
            "c.OncekiMiktar AS CikisOncekiMiktar, c.OncekiTutar AS CikisOncekiTutar, "
            "c.DonemMiktar AS CikisDonemMiktar, c.DonemTutar AS CikisDonemTutar "
            "FROM ParcaBilgileriTablosu p "
            "LEFT JOIN (%1) g ON g.ParcaNo=p.ParcaNo "
            "LEFT JOIN (%2) c ON c.ParcaNo=p.ParcaNo "
            "WHERE p.Kodu=? ORDER BY p.Nosu COLLATE TURKCE, p.ParcaNo")
            .arg(dönemToplamları(QStringLiteral("GirisIslemleriTablosu")),
                 dönemToplamları(QStringLiteral("CikisIslemleriTablosu")));
    const QVariant b = BaşlamaTarihi, e = BitişTarihi, k = qlonglong(*kod);
    Sorgu s(VeriTabanı, sql, {b, b, b, b, k, e, b, b, b, b, k, e, k});

    std::vector<ListeSatırı> satırlar;
    std::vector<CetvelRakamları> toplamlar;
    auto m = [&s](const char* ad) { return s.sayı(QString::fromLatin1(ad)); };
    auto t = [&s](const char* ad) { return s.para(QString::fromLatin1(ad)); };
    while (s.sonraki()) {
        QStringList h;
        h.reserve(SütunSayısı);
        h << QString() << s.metin(QStringLiteral("Nosu")) << s.metin(QStringLiteral("Adi"))
          << s.metin(QStringLiteral("Birimi"));
        satırlar.push_back({h, qlonglong(s.tamsayı(QStringLiteral("ParcaNo")))});
        toplamlar.push_back({.devredenMiktar = Normalleştir(m("GirisOncekiMiktar") - m("CikisOncekiMiktar")),
                             .devredenTutar = t("GirisOncekiTutar") - t("CikisOncekiTutar"),
                             .girenMiktar = Normalleştir(m("GirisDonemMiktar")),
                             .girenTutar = t("GirisDonemTutar"),
                             .çıkanMiktar = Normalleştir(m("CikisDonemMiktar")),
                             .çıkanTutar = t("CikisDonemTutar")});
    }

    ListeOluşturuluyorFormu::İlerlemeSınırı(static_cast<int>(satırlar.size()));
    for (size_t i = 0; i < satırlar.size(); ++i) {
        ListeOluşturuluyorFormu::İlerleme(static_cast<int>(i) + 1);
        QStringList& h = satırlar[i].hücreler;
        h[SıraNoSütunu] = QString::number(i + 1);
        h << CetvelRakamMetinleri(toplamlar[i]);
        for (int j = 0; j < 5; ++j) {
            MiktarToplamları[j] = Normalleştir(MiktarToplamları[j] + CetvelMiktarı(h[DevredenMiktarSütunu + 2 * j]));
            TutarToplamları[j] += CetvelTutarı(h[DevredenTutarSütunu + 2 * j]);
        }
    }
    ParçaBilgileriListesi->satırlarıKoy(std::move(satırlar));
    const auto kutular = toplamKutuları();
    for (int j = 0; j < 5; ++j) kutular[j]->setText(BiçimliSayı(TutarToplamları[j]));
}

void MalzemeCetveliFormu::TümKodlarınTutarBilgileriniGösterDüğmesi_Click() {
    if (KodListesi->count() == 0) return;
    KodSeçiminiKaldır(KodListesi);
    KodListesi_Click();
    HataYönetimiyle([this] {
        // one pass over each table: a scan beats following the date index to every row
        const QString sql = QStringLiteral(
            "SELECT SUM(CASE WHEN Tarihi < ? THEN Tutari END) AS OncekiTutar, "
            "SUM(CASE WHEN Tarihi BETWEEN ? AND ? THEN Tutari END) AS DonemTutar FROM %1");
        const QVariant b = BaşlamaTarihi, e = BitişTarihi;
        Sorgu g(VeriTabanı, sql.arg(QStringLiteral("GirisIslemleriTablosu")), {b, b, e});
        Sorgu c(VeriTabanı, sql.arg(QStringLiteral("CikisIslemleriTablosu")), {b, b, e});
        g.sonraki();
        c.sonraki();
        const Para devreden = g.para(QStringLiteral("OncekiTutar")) - c.para(QStringLiteral("OncekiTutar"));
        DevredenTutarToplamıKutusu->setText(BiçimliSayı(devreden));
        GirenTutarToplamıKutusu->setText(BiçimliSayı(g.para(QStringLiteral("DonemTutar"))));
        GirenToplamTutarKutusu->setText(
            BiçimliSayı(CetvelTutarı(DevredenTutarToplamıKutusu->text()) + CetvelTutarı(GirenTutarToplamıKutusu->text())));
        ÇıkanTutarıToplamıKutusu->setText(BiçimliSayı(c.para(QStringLiteral("DonemTutar"))));
        AktarılanTutarToplamıKutusu->setText(
            BiçimliSayı(CetvelTutarı(GirenToplamTutarKutusu->text()) - CetvelTutarı(ÇıkanTutarıToplamıKutusu->text())));
    });
}

void MalzemeCetveliFormu::YazdırDüğmesi_Click() {
    if (ParçaBilgileriListesi->satırSayısı() == 0) return;
    YazdırmaDüğmesi(this, YazdırDüğmesi, YazdırmaKodu);
}

void MalzemeCetveliFormu::Yazdır() {
    Yazıcı& y = GeçerliYazıcı();
    const QString başlık = KısaTarih(BaşlamaTarihi) + QStringLiteral(" - ") + KısaTarih(BitişTarihi) +
                           QStringLiteral(" TARİHLİ MALZEME HESAP ÇİZELGESİ-28");
    if (!CetvelBaskısınıBaşlat(y, başlık, MalzemeCetveliKopyaSayısı)) return;
    y.Y += 2;
    const auto kod = SeçiliKod(KodListesi);
    const QString kodMetni = kod ? QString::number(*kod) : QString();
    auto kodSatırı = [&] {
        y.X = 255;
        y.yaz(QStringLiteral("KOD NO "), false);
        y.X = 270;
        y.yaz(QStringLiteral(": ") + kodMetni);
    };
    kodSatırı();
    başlıklarıYaz(y);
    AltBoşluk = 20;
    y.kalınKoy(false);
    y.Y = 35;

    const int satırSayısı = ParçaBilgileriListesi->satırSayısı();
    for (int satır = 0; satır < satırSayısı; ++satır) {
        if (SayfaDolduysaYeniSayfa(y)) {
            y.kalınKoy(true);
            y.Y = 18;
            kodSatırı();
            başlıklarıYaz(y);
            y.Y = 35;
        }
        y.Y += 1.5;
        for (int sütun = SıraNoSütunu; sütun <= BirimiSütunu; ++sütun) {
            y.X = MetinSütunları[sütun].second;
            y.yaz(ParçaBilgileriListesi->hücre(satır, sütun), false);
        }
        CetvelRakamlarınıYaz(y, ParçaBilgileriListesi->satırlar()[static_cast<size_t>(satır)].hücreler,
                             DevredenMiktarSütunu);
    }

    y.kalınKoy(true);
    y.Y += 2.5;
    y.X = 10;
    y.yaz(QStringLiteral("GENEL TOPLAM :"), false);
    QStringList toplamlar;
    for (int j = 0; j < 5; ++j) toplamlar << BiçimliSayı(MiktarToplamları[j]) << BiçimliSayı(TutarToplamları[j]);
    CetvelRakamlarınıYaz(y, toplamlar);
    y.kalınKoy(false);

    SonSayfaNumarasınıYaz(y);
    y.belgeyiBitir();
}

void MalzemeCetveliFormu::ListeyiMSExceleAktarDüğmesi_Click() {
    ListeyiDışaAktar(this, ParçaBilgileriListesi->satırSayısı(), AktarmaTagı);
}

void MalzemeCetveliFormu::MSExceleAktar() { MalzemeCetveliniAktar(*this); }
