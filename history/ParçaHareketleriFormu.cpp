#include "history/ParçaHareketleriFormu.h"

#include "catalogue/ParçaVerileri.h"
#include "issues/ParçaÇıkışıDeğiştirFormu.h"
#include "platform/MesajKapısı.h"
#include "receipts/ParçaGirişiDeğiştirFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeKutusu.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

const QString GirişSorgusu = QStringLiteral(
    "SELECT HareketNo, Tarihi, Miktari, Fiyati, Tutari, FisNo, ArsivFisNo, FaturaVeren AS Yer "
    "FROM GirisIslemleriTablosu WHERE ParcaNo=? ORDER BY HareketNo");
const QString ÇıkışSorgusu = QStringLiteral(
    "SELECT HareketNo, Tarihi, Miktari, 0 AS Fiyati, Tutari, FisNo, ArsivFisNo, VerilecekYer AS Yer "
    "FROM CikisIslemleriTablosu WHERE ParcaNo=? ORDER BY HareketNo");

// The leading number of a text, 0 when it has none ("12AB" -> 12).
double baştakiSayı(const QString& metin) {
    static const QRegularExpression sayı(QStringLiteral("^\\s*[+-]?\\d+(\\.\\d*)?"));
    const auto m = sayı.match(metin);
    return m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
}

std::optional<qlonglong> seçiliVeri(const QListWidget* liste) {
    const auto seçili = liste->selectedItems();
    if (seçili.isEmpty()) return std::nullopt;
    return seçili.first()->data(Qt::UserRole).toLongLong();
}

QLineEdit* saltOkunurKutu(const QString& ad, QWidget* üst) {
    auto* k = new QLineEdit(üst);
    k->setObjectName(ad);
    k->setReadOnly(true);
    return k;
}

}  // namespace

std::optional<HareketKaydı> HareketiOku(bool giriş, std::int64_t hareketNo) {
    Sorgu s(VeriTabanı,
            giriş ? QStringLiteral("SELECT ParcaNo, Miktari, Fiyati, Tutari FROM GirisIslemleriTablosu WHERE HareketNo=?")
                  : QStringLiteral("SELECT ParcaNo, Miktari, 0 AS Fiyati, Tutari FROM CikisIslemleriTablosu "
                                   "WHERE HareketNo=?"),
            {qlonglong(hareketNo)});
    if (!s.sonraki()) return std::nullopt;
    HareketKaydı h;
    h.parçaNo = s.tamsayı(QStringLiteral("ParcaNo"));
    h.miktar = s.sayı(QStringLiteral("Miktari"));
    h.fiyat = s.para(QStringLiteral("Fiyati"));
    h.tutar = s.para(QStringLiteral("Tutari"));
    h.hareketsiz = ParçaToplamlarınıOku(h.parçaNo);
    if (giriş) {
        h.hareketsiz.girişMiktarı -= h.miktar;
        h.hareketsiz.girişTutarı -= h.tutar;
    } else {
        h.hareketsiz.çıkışMiktarı -= h.miktar;
        h.hareketsiz.çıkışTutarı -= h.tutar;
    }
    return h;
}

DeğiştirmeDüğmeleri DeğiştirmePenceresiniKur(QDialog* pencere, QGroupBox* çerçeve, QWidget* altlık,
                                             std::initializer_list<std::pair<QWidget*, QWidget*>> satırlar,
                                             std::function<void()> kaydet) {
    auto* kaydetDüğmesi = AdlıDüğme(pencere, QStringLiteral("KaydetDüğmesi"), QStringLiteral("Kaydet"));
    kaydetDüğmesi->setEnabled(false);
    auto* kapatDüğmesi = AdlıDüğme(pencere, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    Giriş::DenetimAtlatır(kapatDüğmesi);
    QObject::connect(kaydetDüğmesi, &QPushButton::clicked, pencere, std::move(kaydet));
    QObject::connect(kapatDüğmesi, &QPushButton::clicked, pencere, &QDialog::reject);
    ÇerçeveliDüzenKur(pencere, çerçeve, altlık, satırlar, kaydetDüğmesi, kapatDüğmesi);
    Giriş::VarsayılanDüğmeleriKapat(pencere);
    PencereyiSabitle(pencere);
    return {kaydetDüğmesi, kapatDüğmesi};
}

ParçaHareketleriFormu::ParçaHareketleriFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("ParçaHareketleriFormu"));
    setWindowTitle(QStringLiteral("Parça Hareketleri (İzleme/Düzenleme) "));

    const QStringList etiketler = {QStringLiteral("&Bulunacak Parça"), QStringLiteral("&Parça Listesi"),
                                   QStringLiteral("Değişen N&o Listesi"), QStringLiteral("Bağlantı No &Listesi"),
                                   QStringLiteral("Har&eketler")};
    for (int i = 0; i < 5; ++i) {
        Etiket[i] = new QLabel(etiketler[i], this);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
    }

    // Each frame holds its backing panel, which carries the frame's controls.
    auto altlıkKur = [this](QGroupBox* çerçeve, int i) {
        Altlık[i] = new QWidget(çerçeve);
        Altlık[i]->setObjectName(QStringLiteral("Altlık%1").arg(i));
        Altlık[i]->setAutoFillBackground(true);
        auto* d = new QVBoxLayout(çerçeve);
        d->addWidget(Altlık[i]);
        return Altlık[i];
    };

    // Find
    auto* bulÇerçevesi = new QGroupBox(QStringLiteral("Parça Bul "), this);
    QWidget* bul = altlıkKur(bulÇerçevesi, 0);
    BulKutusu = new QLineEdit(bul);
    BulKutusu->setObjectName(QStringLiteral("BulKutusu"));
    BulDüğmesi = AdlıDüğme(bul, QStringLiteral("BulDüğmesi"), QStringLiteral("B&ul"));
    TemizleDüğmesi = AdlıDüğme(bul, QStringLiteral("TemizleDüğmesi"), QStringLiteral("Temi&zle"));
    auto* yerÇerçevesi = new QGroupBox(QStringLiteral("Bulunacak Yer "), bul);
    QWidget* yer = altlıkKur(yerÇerçevesi, 1);
    auto* yerDüzeni = new QHBoxLayout(yer);
    yerDüzeni->setContentsMargins(0, 0, 0, 0);
    const QStringList bulSeçenekleri = {QStringLiteral("&No'sunda Bul "), QStringLiteral("&Kodu'nda Bul "),
                                        QStringLiteral("&Adı'nda Bul ")};
    for (int i = 0; i < 3; ++i) {
        ParçaBulSeçeneği[i] = new QRadioButton(bulSeçenekleri[i], yer);
        ParçaBulSeçeneği[i]->setObjectName(QStringLiteral("ParçaBulSeçeneği%1").arg(i));
        ParçaBulSeçeneği[i]->setCursor(Qt::PointingHandCursor);
        yerDüzeni->addWidget(ParçaBulSeçeneği[i]);
    }
    ParçaBulSeçeneği[0]->setChecked(true);
    auto liste = [this](const QString& ad, QWidget* üst) {
        auto* l = new QListWidget(üst);
        l->setObjectName(ad);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        return l;
    };
    ParçaListesi = liste(QStringLiteral("ParçaListesi"), bul);
    DeğişenNoListesi = liste(QStringLiteral("DeğişenNoListesi"), bul);
    BağlantıNoListesi = liste(QStringLiteral("BağlantıNoListesi"), bul);
    Etiket[0]->setBuddy(BulKutusu);
    Etiket[1]->setBuddy(ParçaListesi);
    Etiket[2]->setBuddy(DeğişenNoListesi);
    Etiket[3]->setBuddy(BağlantıNoListesi);
    auto* bulDüzeni = new QGridLayout(bul);
    bulDüzeni->setContentsMargins(0, 0, 0, 0);
    bulDüzeni->addWidget(Etiket[0], 0, 0, 1, 2);
    bulDüzeni->addWidget(BulKutusu, 1, 0, 1, 2);
    bulDüzeni->addWidget(BulDüğmesi, 2, 0);
    bulDüzeni->addWidget(TemizleDüğmesi, 2, 1);
    bulDüzeni->addWidget(yerÇerçevesi, 3, 0, 1, 2);
    bulDüzeni->addWidget(Etiket[1], 4, 0, 1, 2);
    bulDüzeni->addWidget(ParçaListesi, 5, 0, 1, 2);
    bulDüzeni->addWidget(Etiket[2], 6, 0, 1, 2);
    bulDüzeni->addWidget(DeğişenNoListesi, 7, 0, 1, 2);
    bulDüzeni->addWidget(Etiket[3], 8, 0, 1, 2);
    bulDüzeni->addWidget(BağlantıNoListesi, 9, 0, 1, 2);
    ParçaListesi->setMinimumHeight(180);
    DeğişenNoListesi->setFixedHeight(80);
    BağlantıNoListesi->setFixedHeight(80);

    // Receipts or issues
    auto* türÇerçevesi = new QGroupBox(QStringLiteral("Hareket Türü Seç "), this);
    QWidget* tür = altlıkKur(türÇerçevesi, 2);
    auto* türDüzeni = new QHBoxLayout(tür);
    türDüzeni->setContentsMargins(0, 0, 0, 0);
    const QStringList türler = {QStringLiteral("&Giriş Hareketlerini Listele"),
                                QStringLiteral("Çıkış &Hareketlerini Listele")};
    for (int i = 0; i < 2; ++i) {
        GirişÇıkışSeçeneği[i] = new QRadioButton(türler[i], tür);
        GirişÇıkışSeçeneği[i]->setObjectName(QStringLiteral("GirişÇıkışSeçeneği%1").arg(i));
        GirişÇıkışSeçeneği[i]->setCursor(Qt::PointingHandCursor);
        Giriş::EnterİleSonraki(GirişÇıkışSeçeneği[i]);
        türDüzeni->addWidget(GirişÇıkışSeçeneği[i]);
        // clicked comes only from the user (a click or an arrow key), never from setChecked
        connect(GirişÇıkışSeçeneği[i], &QRadioButton::clicked, this, [this, i] { GirişÇıkışSeçeneği_Click(i); });
    }

    // Part data and totals
    auto* parçaÇerçevesi = new QGroupBox(QStringLiteral("Parça Bilgileri "), this);
    QWidget* parçaAltlığı = altlıkKur(parçaÇerçevesi, 3);
    auto* parçaDüzeni = new QGridLayout(parçaAltlığı);
    parçaDüzeni->setContentsMargins(0, 0, 0, 0);
    KoduKutusu = saltOkunurKutu(QStringLiteral("KoduKutusu"), parçaAltlığı);
    MarkasıKutusu = saltOkunurKutu(QStringLiteral("MarkasıKutusu"), parçaAltlığı);
    NosuKutusu = saltOkunurKutu(QStringLiteral("NosuKutusu"), parçaAltlığı);
    BirimiKutusu = saltOkunurKutu(QStringLiteral("BirimiKutusu"), parçaAltlığı);
    KdvOranıKutusu = saltOkunurKutu(QStringLiteral("KdvOranıKutusu"), parçaAltlığı);
    AmbarYeriKutusu = saltOkunurKutu(QStringLiteral("AmbarYeriKutusu"), parçaAltlığı);
    const std::array<std::pair<const char16_t*, QLineEdit*>, 6> parçaKutuları = {{
        {u"Kodu :", KoduKutusu}, {u"Markası :", MarkasıKutusu}, {u"No'su :", NosuKutusu},
        {u"Birimi :", BirimiKutusu}, {u"Kdv Oranı :", KdvOranıKutusu}, {u"Ambar Yeri :", AmbarYeriKutusu}}};
    for (int i = 0; i < 6; ++i) {
        parçaDüzeni->addWidget(new QLabel(QString::fromUtf16(parçaKutuları[i].first), parçaAltlığı), i / 2,
                               (i % 2) * 2);
        parçaDüzeni->addWidget(parçaKutuları[i].second, i / 2, (i % 2) * 2 + 1);
    }

    auto* toplamÇerçevesi = new QGroupBox(QStringLiteral("Miktar ve Tutar Bilgileri "), this);
    QWidget* toplamAltlığı = altlıkKur(toplamÇerçevesi, 4);
    auto* toplamDüzeni = new QGridLayout(toplamAltlığı);
    toplamDüzeni->setContentsMargins(0, 0, 0, 0);
    GirişMiktarıKutusu = saltOkunurKutu(QStringLiteral("GirişMiktarıKutusu"), toplamAltlığı);
    ÇıkışMiktarıKutusu = saltOkunurKutu(QStringLiteral("ÇıkışMiktarıKutusu"), toplamAltlığı);
    MevcutMiktarıKutusu = saltOkunurKutu(QStringLiteral("MevcutMiktarıKutusu"), toplamAltlığı);
    GirişTutarıKutusu = saltOkunurKutu(QStringLiteral("GirişTutarıKutusu"), toplamAltlığı);
    ÇıkışTutarıKutusu = saltOkunurKutu(QStringLiteral("ÇıkışTutarıKutusu"), toplamAltlığı);
    MevcutTutarıKutusu = saltOkunurKutu(QStringLiteral("MevcutTutarıKutusu"), toplamAltlığı);
    const std::array<std::pair<const char16_t*, QLineEdit*>, 6> toplamKutuları = {{
        {u"Giriş Miktarı :", GirişMiktarıKutusu}, {u"Giriş Tutarı :", GirişTutarıKutusu},
        {u"Çıkış Miktarı :", ÇıkışMiktarıKutusu}, {u"Çıkış Tutarı :", ÇıkışTutarıKutusu},
        {u"Mevcut Miktarı :", MevcutMiktarıKutusu}, {u"Mevcut Tutarı :", MevcutTutarıKutusu}}};
    const std::array<QColor, 3> renkler = {QColor(0, 128, 0), QColor(0, 0, 128), QColor(128, 0, 0)};
    for (int i = 0; i < 6; ++i) {
        QLineEdit* k = toplamKutuları[i].second;
        QFont yazı = k->font();
        yazı.setBold(true);
        k->setFont(yazı);
        k->setAlignment(Qt::AlignRight);
        QPalette p = k->palette();
        p.setColor(QPalette::Text, renkler[i / 2]);
        k->setPalette(p);
        toplamDüzeni->addWidget(new QLabel(QString::fromUtf16(toplamKutuları[i].first), toplamAltlığı), i / 2,
                                (i % 2) * 2);
        toplamDüzeni->addWidget(k, i / 2, (i % 2) * 2 + 1);
    }

    // Movements
    HareketListesi = new ListeDenetimi(this);
    HareketListesi->setObjectName(QStringLiteral("HareketListesi"));
    HareketListesi->sütunEkle(QStringLiteral("Hareket No"), 0, SütunTürü::Metin);
    HareketListesi->sütunEkle(QStringLiteral("Tarihi"), 1200, SütunTürü::Tarih);
    for (const char16_t* b : {u"Miktarı", u"Fiyatı", u"Tutarı", u"Toplamı", u"Fiş No"})
        HareketListesi->sütunEkle(QString::fromUtf16(b), 1200, SütunTürü::Sayı, Qt::AlignRight);
    HareketListesi->sütunEkle(QStringLiteral("Arşiv Fiş No"), 1500, SütunTürü::Sayı, Qt::AlignRight);
    HareketListesi->sütunEkle(QStringLiteral("Alınan Yer"), 1600, SütunTürü::Metin);
    HareketListesi->düzeniBağla(ListeNo);
    HareketListesi->sıralanabilirYap(true);
    HareketListesi->metinSıralamasıKalıcıYap(true);  // a text sort holds for the later loads
    HareketListesi->setMinimumSize(720, 260);
    HareketListesi->çiftTıklandı = [this](int) { DeğişiklikYapDüğmesi_Click(); };
    Etiket[4]->setBuddy(HareketListesi);

    DeğişiklikYapDüğmesi = AdlıDüğme(this, QStringLiteral("DeğişiklikYapDüğmesi"), QStringLiteral("Seçili Hareketi &Değiştir"));
    SilDüğmesi = AdlıDüğme(this, QStringLiteral("SilDüğmesi"), QStringLiteral("Seçili Hareketi &Sil"));
    KapatDüğmesi = AdlıDüğme(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));
    Giriş::DenetimAtlatır(KapatDüğmesi);

    auto* düğmeler = new QHBoxLayout;
    düğmeler->addWidget(DeğişiklikYapDüğmesi);
    düğmeler->addWidget(SilDüğmesi);
    düğmeler->addStretch();
    düğmeler->addWidget(KapatDüğmesi);
    auto* sağ = new QVBoxLayout;
    sağ->addWidget(türÇerçevesi);
    sağ->addWidget(parçaÇerçevesi);
    sağ->addWidget(toplamÇerçevesi);
    sağ->addWidget(Etiket[4]);
    sağ->addWidget(HareketListesi, 1);
    sağ->addLayout(düğmeler);
    auto* ana = new QHBoxLayout(this);
    ana->addWidget(bulÇerçevesi);
    ana->addLayout(sağ, 1);

    // Behaviour
    Giriş::EtiketliAlan(BulKutusu, Etiket[0]);
    Giriş::BüyükHarfKutusu(BulKutusu);
    OlayDinle(BulKutusu, [this](QEvent* olay) { return BulKutusu_KeyPress(olay); });
    Giriş::EtiketliAlan(ParçaListesi, Etiket[1], false);
    Giriş::EtiketliAlan(DeğişenNoListesi, Etiket[2], false);
    Giriş::EtiketliAlan(BağlantıNoListesi, Etiket[3], false);
    Giriş::EtiketliAlan(HareketListesi, Etiket[4], false);
    connect(BulDüğmesi, &QPushButton::clicked, this, [this] { BulDüğmesi_Click(); });
    connect(TemizleDüğmesi, &QPushButton::clicked, this, [this] { TemizleDüğmesi_Click(); });
    connect(ParçaListesi, &QListWidget::itemSelectionChanged, this, [this] {
        if (!programDolduruyor_) ParçaListesi_Click();
    });
    // a click on the entry already selected brings its part back after a linked part was shown
    connect(ParçaListesi, &QListWidget::itemClicked, this, [this] {
        if (BağlantıNoListesiTag != QStringLiteral("0")) ParçaListesi_Click();
    });
    connect(BağlantıNoListesi, &QListWidget::itemSelectionChanged, this, [this] {
        if (!programDolduruyor_) BağlantıNoListesi_Click();
    });
    connect(DeğişiklikYapDüğmesi, &QPushButton::clicked, this, [this] { DeğişiklikYapDüğmesi_Click(); });
    connect(SilDüğmesi, &QPushButton::clicked, this, [this] { SilDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    Giriş::VarsayılanDüğmeleriKapat(this);
    PencereyiSabitle(this);

    GirişÇıkışSeçeneği[0]->setChecked(true);
}

bool ParçaHareketleriFormu::BulKutusu_KeyPress(QEvent* olay) {
    if (olay->type() != QEvent::KeyPress) return false;
    auto* tuş = static_cast<QKeyEvent*>(olay);
    if (tuş->key() == Qt::Key_Return || tuş->key() == Qt::Key_Enter) {
        BulDüğmesi_Click();
        focusNextChild();
        return true;
    }
    const QString metin = tuş->text();
    return metin.size() == 1 && QStringLiteral("?'#*").contains(metin[0]);
}

bool ParçaHareketleriFormu::girişlerListeleniyor() const { return GirişÇıkışSeçeneği[0]->isChecked(); }

void ParçaHareketleriFormu::kutularıBoşalt() {
    for (QLineEdit* k : {KoduKutusu, MarkasıKutusu, NosuKutusu, BirimiKutusu, KdvOranıKutusu, AmbarYeriKutusu,
                         GirişMiktarıKutusu, ÇıkışMiktarıKutusu, MevcutMiktarıKutusu, GirişTutarıKutusu,
                         ÇıkışTutarıKutusu, MevcutTutarıKutusu})
        k->clear();
}

void ParçaHareketleriFormu::herŞeyiBoşalt() {
    programDolduruyor_ = true;
    kutularıBoşalt();
    ParçaListesi->clear();
    DeğişenNoListesi->clear();
    BağlantıNoListesi->clear();
    HareketListesi->temizle();
    programDolduruyor_ = false;
}

void ParçaHareketleriFormu::BulDüğmesi_Click() {
    const QString metin = BulKutusu->text().trimmed();
    BulKutusu->setText(metin);
    if (metin.isEmpty()) return;
    herŞeyiBoşalt();
    HataYönetimiyle([&] {
        std::vector<ListeKutusuÖğesi> öğeler;
        auto oku = [&öğeler](Sorgu& s) {
            while (s.sonraki())
                öğeler.emplace_back(s.metin(QStringLiteral("Adi")), s.tamsayı(QStringLiteral("ParcaNo")));
        };
        const QString kalıp = İleBaşlarKalıbı(metin);
        if (ParçaBulSeçeneği[1]->isChecked()) {
            Sorgu s(VeriTabanı, QStringLiteral("SELECT ParcaNo, Adi FROM ParcaBilgileriTablosu WHERE Kodu=?"),
                    {baştakiSayı(metin)});
            oku(s);
        } else {
            const QString sütun = ParçaBulSeçeneği[0]->isChecked() ? QStringLiteral("Nosu") : QStringLiteral("Adi");
            Sorgu s(VeriTabanı,
                    QStringLiteral("SELECT ParcaNo, Adi FROM ParcaBilgileriTablosu WHERE %1 LIKE ? ESCAPE '\\'")
                        .arg(sütun),
                    {kalıp});
            oku(s);
        }
        AramaYapıldı = true;
        const auto bulunan = öğeler.size();
        // by number: parts whose superseded number matches too (not counted)
        if (ParçaBulSeçeneği[0]->isChecked()) {
            Sorgu s(VeriTabanı,
                    QStringLiteral("SELECT ParcaNo, Adi FROM DegisenNoBilgileriTablosu WHERE DegisenNo LIKE ? ESCAPE '\\'"),
                    {kalıp});
            oku(s);
        }
        programDolduruyor_ = true;
        SıralıListeyiDoldur(ParçaListesi, std::move(öğeler));
        programDolduruyor_ = false;
        Etiket[1]->setText(QStringLiteral("&Parça Listesi (Toplam: %1)").arg(bulunan));
    });
}

void ParçaHareketleriFormu::TemizleDüğmesi_Click() {
    BulKutusu->clear();
    if (!AramaYapıldı) return;
    AramaYapıldı = false;
    herŞeyiBoşalt();
    Etiket[1]->setText(QStringLiteral("&Parça Listesi"));
}

void ParçaHareketleriFormu::GirişÇıkışSeçeneği_Click(int seçenek) {
    HareketListesi->sütunBaşlığıYaz(YerSütunu, seçenek == 0 ? QStringLiteral("Alınan Yer") : QStringLiteral("Verilen Yer"));
    Etiket[4]->setText(seçenek == 0 ? QStringLiteral("Hareketler (Girişler)") : QStringLiteral("Hareketler (Çıkışlar)"));
    if (BağlantıNoListesiTag.isEmpty()) return;
    if (BağlantıNoListesiTag.toInt() != 0) BağlantıNoListesi_Click();
    else ParçaListesi_Click();
}

void ParçaHareketleriFormu::ParçaListesi_Click() {
    const auto n = seçiliVeri(ParçaListesi);
    if (!n) {
        HareketListesi->temizle();
        kutularıBoşalt();
        return;
    }
    BağlantıNoListesiTag = QStringLiteral("0");
    parçayıYükle(*n, true);
}

void ParçaHareketleriFormu::BağlantıNoListesi_Click() {
    const auto n = seçiliVeri(BağlantıNoListesi);
    if (!n) return;
    BağlantıNoListesiTag = QStringLiteral("1");
    parçayıYükle(*n, false);
}

void ParçaHareketleriFormu::parçayıYükle(std::int64_t n, bool yanListeler) {
    HareketListesi->temizle();
    kutularıBoşalt();
    const qlonglong no = n;
    const bool tamam = HataYönetimiyle([&] {
        hareketleriYükle(n);
        {
            Sorgu s(VeriTabanı,
                    QStringLiteral("SELECT Kodu, Nosu, KdvOrani, Birimi, AmbarYeri FROM ParcaBilgileriTablosu "
                                   "WHERE ParcaNo=?"),
                    {no});
            if (s.sonraki()) {
                KoduKutusu->setText(s.metin(QStringLiteral("Kodu")));
                NosuKutusu->setText(s.metin(QStringLiteral("Nosu")));
                KdvOranıKutusu->setText(s.boşMu(QStringLiteral("KdvOrani")) ? QStringLiteral("0")
                                                                            : s.metin(QStringLiteral("KdvOrani")));
                BirimiKutusu->setText(s.metin(QStringLiteral("Birimi")));
                AmbarYeriKutusu->setText(s.metin(QStringLiteral("AmbarYeri")));
            }
        }
        if (!KoduKutusu->text().isEmpty())
            MarkasıKutusu->setText(MarkaAdı(KoduKutusu->text().toLongLong()));
        const ParçaToplamları t = ParçaToplamlarınıOku(n);
        GirişMiktarıKutusu->setText(BiçimliSayı(Normalleştir(t.girişMiktarı)));
        ÇıkışMiktarıKutusu->setText(BiçimliSayı(Normalleştir(t.çıkışMiktarı)));
        MevcutMiktarıKutusu->setText(BiçimliSayı(t.mevcut()));
        GirişTutarıKutusu->setText(BiçimliSayı(t.girişTutarı));
        ÇıkışTutarıKutusu->setText(BiçimliSayı(t.çıkışTutarı));
        MevcutTutarıKutusu->setText(BiçimliSayı(t.değer()));
        if (!yanListeler) return;

        std::vector<ListeKutusuÖğesi> değişenler;
        {
            Sorgu s(VeriTabanı, QStringLiteral("SELECT DegisenNo FROM DegisenNoBilgileriTablosu WHERE ParcaNo=?"), {no});
            while (s.sonraki()) değişenler.emplace_back(s.metin(QStringLiteral("DegisenNo")), 0);
        }
        // a link is stored once and shows on both sides, always naming the other part
        std::vector<ListeKutusuÖğesi> bağlantılar;
        {
            Sorgu s(VeriTabanı,
                    QStringLiteral("SELECT BaglantiNosu AS Metin, BaglantiNo AS Veri FROM BaglantiNoBilgileriTablosu "
                                   "WHERE ParcaNo=? "
                                   "UNION ALL SELECT Nosu, ParcaNo FROM BaglantiNoBilgileriTablosu WHERE BaglantiNo=?"),
                    {no, no});
            while (s.sonraki())
                bağlantılar.emplace_back(s.metin(QStringLiteral("Metin")), s.tamsayı(QStringLiteral("Veri")));
        }
        programDolduruyor_ = true;
        SıralıListeyiDoldur(DeğişenNoListesi, std::move(değişenler));
        SıralıListeyiDoldur(BağlantıNoListesi, std::move(bağlantılar));
        programDolduruyor_ = false;
    });
    if (!tamam) {
        // never leave another part's figures, or half of this one's, on show
        programDolduruyor_ = false;
        HareketListesi->temizle();
        kutularıBoşalt();
    }
}

void ParçaHareketleriFormu::hareketleriYükle(std::int64_t n) {
    const bool giriş = girişlerListeleniyor();
    Sorgu s(VeriTabanı, giriş ? GirişSorgusu : ÇıkışSorgusu, {qlonglong(n)});
    std::vector<ListeSatırı> satırlar;
    Para toplam;
    while (s.sonraki()) {
        const QString no = s.metin(QStringLiteral("HareketNo"));
        const double miktar = s.sayı(QStringLiteral("Miktari"));
        const Para tutar = s.para(QStringLiteral("Tutari"));
        QString fiyatMetni, tutarMetni;
        if (giriş) {
            // the row shows price times quantity, not the stored amount
            const Para fiyat = s.para(QStringLiteral("Fiyati"));
            const double çarpım = fiyat.sayı() * miktar;
            fiyatMetni = GenelSayı(fiyat);
            tutarMetni = GenelSayı(çarpım);
            toplam += Para::sayıdan(çarpım);
        } else {
            // a zero quantity has no unit price
            if (miktar != 0) fiyatMetni = GenelSayı(tutar.sayı() / miktar);
            tutarMetni = GenelSayı(tutar);
            toplam += tutar;
        }
        satırlar.push_back({{no, KısaTarih(s.tarih(QStringLiteral("Tarihi"))), GenelSayı(miktar), fiyatMetni,
                             tutarMetni, GenelSayı(toplam), s.metin(QStringLiteral("FisNo")),
                             s.metin(QStringLiteral("ArsivFisNo")), s.metin(QStringLiteral("Yer"))},
                            QVariant(no.toLongLong())});
    }
    HareketListesi->satırlarıKoy(std::move(satırlar));
}

void ParçaHareketleriFormu::HareketDeğiştiktenSonraYenile() {
    ParçaListesi_Click();
    const int n = HareketListesi->satırSayısı();
    if (n == 0) return;
    HareketListesi->satırSeç(SeçiliSıra > n ? SeçiliSıra - 2 : SeçiliSıra - 1);
}

std::optional<std::int64_t> ParçaHareketleriFormu::seçiliHareket(const QString& arşivMesajı) {
    const int satır = HareketListesi->seçiliSatır();
    if (satır < 0) return std::nullopt;
    if (baştakiSayı(HareketListesi->hücre(satır, FişNoSütunu)) == 0) {
        Uyarı(arşivMesajı);
        return std::nullopt;
    }
    return HareketListesi->hücre(satır, HareketNoSütunu).toLongLong();
}

std::unique_ptr<QDialog> ParçaHareketleriFormu::DeğiştirmePenceresiHazırla() {
    const auto no = seçiliHareket(QStringLiteral("Bu harekete ait fiş ARŞİVLENDİĞİ için değişiklik yapılamaz!"));
    if (!no) return nullptr;
    SeçiliSıra = HareketListesi->seçiliSatır() + 1;
    DeğiştirilecekHareketNo = *no;
    std::unique_ptr<QDialog> pencere;
    HataYönetimiyle([&] {
        if (girişlerListeleniyor()) {
            Sorgu s(VeriTabanı,
                    QStringLiteral("SELECT Tarihi, FaturaTarihi, FaturaNo, FaturaVeren, Miktari, Fiyati "
                                   "FROM GirisIslemleriTablosu WHERE HareketNo=?"),
                    {qlonglong(*no)});
            if (!s.sonraki()) throw DeporaHatası(HataNo::KayıtYok, QStringLiteral("Değiştirilecek hareket bulunamadı."));
            auto d = std::make_unique<ParçaGirişiDeğiştirFormu>(this);
            d->GirişTarihiKutusu->setText(KısaTarih(s.tarih(QStringLiteral("Tarihi"))));
            d->FaturaTarihiKutusu->setText(KısaTarih(s.tarih(QStringLiteral("FaturaTarihi"))));
            d->FaturaNoKutusu->setText(s.metin(QStringLiteral("FaturaNo")));
            d->FaturaVerenKutusu->setText(s.metin(QStringLiteral("FaturaVeren")));
            d->MiktarıKutusu->setText(BiçimliSayı(s.sayı(QStringLiteral("Miktari"))));
            d->FiyatıKutusu->setText(BiçimliSayı(s.para(QStringLiteral("Fiyati"))));
            pencere = std::move(d);
        } else {
            Sorgu s(VeriTabanı,
                    QStringLiteral("SELECT FisNo, Tarihi, Miktari, VerilecekYer FROM CikisIslemleriTablosu "
                                   "WHERE HareketNo=?"),
                    {qlonglong(*no)});
            if (!s.sonraki()) throw DeporaHatası(HataNo::KayıtYok, QStringLiteral("Değiştirilecek hareket bulunamadı."));
            auto d = std::make_unique<ParçaÇıkışıDeğiştirFormu>(this);
            d->FişNoKutusu->setText(s.metin(QStringLiteral("FisNo")));
            d->TarihiKutusu->setText(KısaTarih(s.tarih(QStringLiteral("Tarihi"))));
            d->MiktarıKutusu->setText(GenelSayı(s.sayı(QStringLiteral("Miktari"))));
            d->VerilecekYerKutusu->setEditText(s.metin(QStringLiteral("VerilecekYer")));
            DeğiştirilecekMiktar = s.sayı(QStringLiteral("Miktari"));
            pencere = std::move(d);
        }
        // the stock without the movement, from the stored figures (the dialogs check it again when saving)
        if (const auto h = HareketiOku(girişlerListeleniyor(), *no)) {
            HareketsizMevcutMiktar = h->hareketsiz.mevcut();
            if (girişlerListeleniyor()) HareketsizMevcutTutar = h->hareketsiz.değer();
        }
    });
    return pencere;
}

void ParçaHareketleriFormu::DeğişiklikYapDüğmesi_Click() {
    if (auto pencere = DeğiştirmePenceresiHazırla()) pencere->exec();
}

void ParçaHareketleriFormu::SilDüğmesi_Click() {
    const auto no = seçiliHareket(QStringLiteral("Bu harekete ait fiş ARŞİVLENDİĞİ için bu hareket silinemez!"));
    if (!no) return;
    if (!EvetMi(QStringLiteral("Bu hareketi SİLMEK istediğinizden emin misiniz?"))) return;
    DeğiştirilecekHareketNo = *no;
    SeçiliSıra = HareketListesi->seçiliSatır() + 1;
    const bool giriş = girişlerListeleniyor();
    GirişStokSorunu sorun = GirişStokSorunu::Yok;
    const bool tamam = HataYönetimiyle([&] {
        İşlem tx(VeriTabanı);
        if (giriş) {
            // removing an issue only raises the stock; a receipt must leave it consistent
            const auto h = HareketiOku(true, *no);
            if (h) {
                HareketsizMevcutMiktar = h->hareketsiz.mevcut();
                HareketsizMevcutTutar = h->hareketsiz.değer();
                sorun = GirişStokSorunuBul(h->hareketsiz, h->hareketsiz.çıkışMiktarı <= 0);
                if (sorun != GirişStokSorunu::Yok) return;
            }
            VeriTabanı.çalıştır(QStringLiteral("DELETE FROM GirisIslemleriTablosu WHERE HareketNo=?"), {qlonglong(*no)});
        } else {
            VeriTabanı.çalıştır(QStringLiteral("DELETE FROM CikisIslemleriTablosu WHERE HareketNo=?"), {qlonglong(*no)});
        }
        tx.onayla();
    });
    if (!tamam) return;
    if (sorun != GirişStokSorunu::Yok) {
        Bilgi(GirişStokSorunuMetni(sorun, QStringLiteral("silinemiyor!")));
        return;
    }
    HareketDeğiştiktenSonraYenile();
}
