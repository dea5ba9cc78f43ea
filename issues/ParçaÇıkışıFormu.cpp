#include "issues/ParçaÇıkışıFormu.h"

#include "catalogue/ParçaVerileri.h"
#include "issues/OrtalamaMaliyet.h"
#include "platform/MesajKapısı.h"
#include "platform/Türkçe.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeDenetimi.h"
#include "shell/ListeKutusu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "vouchers/FişNoKuralı.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <optional>

namespace {

const QString YerBölümü = QStringLiteral("Listelenecekler\\Verilecek Yer");
const QString YerÖneki = QStringLiteral("Verilecek Yer");
constexpr int ListeNo = 2;
const QString BoşSatır = QStringLiteral("\r\n\r\n");

// The number a box shows; an empty or unreadable text counts as 0.
double kutuSayısı(const QLineEdit* kutu) { return Normalleştir(SayıOku(kutu->text()).value_or(0)); }

// A quantity as the list and the pending table keep it.
double miktarDeğeri(const QString& metin) { return Normalleştir(SayıOku(metin).value_or(0)); }

QLineEdit* saltOkunur(QWidget* üst, const QString& ad) {
    auto* k = new QLineEdit(üst);
    k->setObjectName(ad);
    k->setReadOnly(true);
    return k;
}

}  // namespace

ParçaÇıkışıFormu::ParçaÇıkışıFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("ParçaÇıkışıFormu"));
    setWindowTitle(QStringLiteral("Parça Çıkışı İşlemleri"));
    pencereyiKur();
    PencereyiSabitle(this);
    Form_Load();
}

void ParçaÇıkışıFormu::pencereyiKur() {
    auto etiket = [this](int i, const QString& yazı, QWidget* üst) {
        Etiket[i] = new QLabel(yazı, üst);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
        return Etiket[i];
    };
    auto çerçeve = [this](int i, const QString& yazı) {
        Çerçeve[i] = new QGroupBox(yazı, this);
        Çerçeve[i]->setObjectName(QStringLiteral("Çerçeve%1").arg(i));
        auto* d = new QVBoxLayout(Çerçeve[i]);
        QWidget* altlık = Çerçeve[i];
        if (i < 3) {
            Altlık[i] = new QWidget(Çerçeve[i]);
            Altlık[i]->setObjectName(QStringLiteral("Altlık%1").arg(i));
            Altlık[i]->setAutoFillBackground(true);
            d->addWidget(Altlık[i]);
            altlık = Altlık[i];
        }
        return altlık;
    };

    // Widgets are made in tab order.
    QWidget* bul = çerçeve(0, QStringLiteral("Parça Bul "));
    auto* bulDüzen = new QGridLayout(bul);
    bulDüzen->setContentsMargins(0, 0, 0, 0);
    bulDüzen->addWidget(etiket(0, QStringLiteral("Parça &Kodu"), bul), 0, 0);
    BulKutusu = new QLineEdit(bul);
    BulKutusu->setObjectName(QStringLiteral("BulKutusu"));
    bulDüzen->addWidget(BulKutusu, 0, 1);
    BulDüğmesi = AdlıDüğme(bul, QStringLiteral("BulDüğmesi"), QStringLiteral("B&ul"));
    bulDüzen->addWidget(BulDüğmesi, 0, 2);
    TemizleDüğmesi = AdlıDüğme(bul, QStringLiteral("TemizleDüğmesi"), QStringLiteral("Temi&zle"));
    bulDüzen->addWidget(TemizleDüğmesi, 0, 3);
    bulDüzen->addWidget(etiket(1, QStringLiteral("&Parça Listesi"), bul), 1, 0, 1, 4);
    ParçaListesi = new QListWidget(bul);
    ParçaListesi->setObjectName(QStringLiteral("ParçaListesi"));
    ParçaListesi->setSelectionMode(QAbstractItemView::SingleSelection);
    ParçaListesi->setMinimumHeight(220);
    bulDüzen->addWidget(ParçaListesi, 2, 0, 1, 4);
    bulDüzen->addWidget(etiket(2, QStringLiteral("Parça &Bul"), bul), 3, 0);
    ParçaBulKutusu = new QLineEdit(bul);
    ParçaBulKutusu->setObjectName(QStringLiteral("ParçaBulKutusu"));
    bulDüzen->addWidget(ParçaBulKutusu, 3, 1, 1, 3);

    QWidget* bilgi = çerçeve(1, QStringLiteral("Parça Bilgileri "));
    auto* bilgiDüzen = new QGridLayout(bilgi);
    bilgiDüzen->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<QString, QString>, 5> bilgiKutuları{{
        {QStringLiteral("Parça Adı :"), QStringLiteral("AdıKutusu")},
        {QStringLiteral("Markası :"), QStringLiteral("MarkasıKutusu")},
        {QStringLiteral("Kdv Oranı :"), QStringLiteral("KdvOranıKutusu")},
        {QStringLiteral("Birimi :"), QStringLiteral("BirimiKutusu")},
        {QStringLiteral("Ambar Yeri :"), QStringLiteral("AmbarYeriKutusu")},
    }};
    std::array<QLineEdit*, 5> bilgiler{};
    for (int i = 0; i < 5; ++i) {
        bilgiDüzen->addWidget(etiket(3 + i, bilgiKutuları[i].first, bilgi), i, 0);
        bilgiler[i] = saltOkunur(bilgi, bilgiKutuları[i].second);
        bilgiDüzen->addWidget(bilgiler[i], i, 1);
    }
    AdıKutusu = bilgiler[0];
    MarkasıKutusu = bilgiler[1];
    KdvOranıKutusu = bilgiler[2];
    BirimiKutusu = bilgiler[3];
    AmbarYeriKutusu = bilgiler[4];

    QWidget* çıkış = çerçeve(2, QStringLiteral("Çıkış Bilgileri "));
    auto* çıkışDüzen = new QGridLayout(çıkış);
    çıkışDüzen->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<QString, QString>, 7> çıkışKutuları{{
        {QStringLiteral("Fiyatı :"), QStringLiteral("FiyatıKutusu")},
        {QStringLiteral("Mevcut :"), QStringLiteral("MevcuduKutusu")},
        {QStringLiteral("Eklenen :"), QStringLiteral("EklenenKutusu")},
        {QStringLiteral("Kalan :"), QStringLiteral("KalanKutusu")},
        {QStringLiteral("Fiş No'su :"), QStringLiteral("FişNoKutusu")},
        {QStringLiteral("Tari&hi :"), QStringLiteral("TarihiKutusu")},
        {QStringLiteral("&Miktarı :"), QStringLiteral("MiktarıKutusu")},
    }};
    std::array<QLineEdit*, 7> çıkışlar{};
    for (int i = 0; i < 7; ++i) {
        çıkışDüzen->addWidget(etiket(8 + i, çıkışKutuları[i].first, çıkış), i % 4, (i / 4) * 2);
        çıkışlar[i] = new QLineEdit(çıkış);
        çıkışlar[i]->setObjectName(çıkışKutuları[i].second);
        çıkışDüzen->addWidget(çıkışlar[i], i % 4, (i / 4) * 2 + 1);
        if (i < 4) çıkışlar[i]->setEnabled(false);  // display only
    }
    FiyatıKutusu = çıkışlar[0];
    MevcuduKutusu = çıkışlar[1];
    EklenenKutusu = çıkışlar[2];
    KalanKutusu = çıkışlar[3];
    FişNoKutusu = çıkışlar[4];
    TarihiKutusu = çıkışlar[5];
    MiktarıKutusu = çıkışlar[6];
    FişNoKutusu->setMaxLength(10);
    TarihiKutusu->setMaxLength(10);
    çıkışDüzen->addWidget(etiket(15, QStringLiteral("&Ver. Yer :"), çıkış), 3, 2);
    VerilecekYerKutusu = new QComboBox(çıkış);
    VerilecekYerKutusu->setObjectName(QStringLiteral("VerilecekYerKutusu"));
    VerilecekYerKutusu->setEditable(true);
    VerilecekYerKutusu->setInsertPolicy(QComboBox::NoInsert);
    VerilecekYerKutusu->setCompleter(nullptr);
    VerilecekYerKutusu->setMinimumWidth(180);
    çıkışDüzen->addWidget(VerilecekYerKutusu, 3, 3);
    ListeyeEkleDüğmesi = AdlıDüğme(çıkış, QStringLiteral("ListeyeEkleDüğmesi"), QStringLiteral("Listeye &Ekle"));
    çıkışDüzen->addWidget(ListeyeEkleDüğmesi, 4, 3);

    Çerçeve[4] = new QGroupBox(QStringLiteral("Çıkışı Yapılacak Parçalar "), this);
    Çerçeve[4]->setObjectName(QStringLiteral("Çerçeve4"));
    auto* listeDüzen = new QGridLayout(Çerçeve[4]);
    ÇıkışYapılacakParçaListesi = new ListeDenetimi(Çerçeve[4]);
    ÇıkışYapılacakParçaListesi->setObjectName(QStringLiteral("ÇıkışYapılacakParçaListesi"));
    ÇıkışYapılacakParçaListesi->setMinimumHeight(160);
    listeDüzen->addWidget(ÇıkışYapılacakParçaListesi, 0, 0, 1, 5);
    listeDüzen->addWidget(etiket(16, QStringLiteral("Liste Toplamı :"), Çerçeve[4]), 1, 3, Qt::AlignRight);
    ListeToplamıKutusu = saltOkunur(Çerçeve[4], QStringLiteral("ListeToplamıKutusu"));
    QFont kalın = ListeToplamıKutusu->font();
    kalın.setBold(true);
    ListeToplamıKutusu->setFont(kalın);
    ListeToplamıKutusu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    listeDüzen->addWidget(ListeToplamıKutusu, 1, 4);
    ListeyiAmbardanÇıkarDüğmesi =
        AdlıDüğme(Çerçeve[4], QStringLiteral("ListeyiAmbardanÇıkarDüğmesi"), QStringLiteral("Listeyi &Ambardan Çıkar"));
    ListedenÇıkarDüğmesi =
        AdlıDüğme(Çerçeve[4], QStringLiteral("ListedenÇıkarDüğmesi"), QStringLiteral("Seçili Parçayı Liste&den Çıkar"));
    ListeyiTemizleDüğmesi =
        AdlıDüğme(Çerçeve[4], QStringLiteral("ListeyiTemizleDüğmesi"), QStringLiteral("&Listeyi Temizle"));
    listeDüzen->addWidget(ListeyiAmbardanÇıkarDüğmesi, 2, 0);
    listeDüzen->addWidget(ListedenÇıkarDüğmesi, 2, 1);
    listeDüzen->addWidget(ListeyiTemizleDüğmesi, 2, 2);
    for (auto* d : {ListeyiAmbardanÇıkarDüğmesi, ListedenÇıkarDüğmesi, ListeyiTemizleDüğmesi}) d->setEnabled(false);

    KapatDüğmesi = AdlıDüğme(this, QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"));

    auto* üstSıra = new QHBoxLayout;
    üstSıra->addWidget(Çerçeve[0]);
    auto* sağ = new QVBoxLayout;
    sağ->addWidget(Çerçeve[1]);
    sağ->addWidget(Çerçeve[2]);
    üstSıra->addLayout(sağ);
    auto* ana = new QVBoxLayout(this);
    ana->addLayout(üstSıra);
    ana->addWidget(Çerçeve[4]);
    ana->addWidget(KapatDüğmesi, 0, Qt::AlignRight);

    // Access keys of the labels.
    Etiket[0]->setBuddy(BulKutusu);
    Etiket[1]->setBuddy(ParçaListesi);
    Etiket[2]->setBuddy(ParçaBulKutusu);
    Etiket[13]->setBuddy(TarihiKutusu);
    Etiket[14]->setBuddy(MiktarıKutusu);
    Etiket[15]->setBuddy(VerilecekYerKutusu);

    // Pending list columns.
    auto* l = ÇıkışYapılacakParçaListesi;
    l->sütunEkle(QStringLiteral("Parça No"), 0);
    l->sütunEkle(QStringLiteral("No"), 500);
    l->sütunEkle(QStringLiteral("Kodu"), 800);
    l->sütunEkle(QStringLiteral("Tarihi"), 1000, SütunTürü::Tarih);
    l->sütunEkle(QStringLiteral("No'su"), 1200);
    l->sütunEkle(QStringLiteral("Adı"), 1700);
    l->sütunEkle(QStringLiteral("Verilecek Yer"), 1600);
    l->sütunEkle(QStringLiteral("Miktarı"), 1000, SütunTürü::Sayı, Qt::AlignRight);
    l->sütunEkle(QStringLiteral("Tutarı"), 1000, SütunTürü::Sayı, Qt::AlignRight);
    l->sıralanabilirYap(false);

    // Field behaviour.
    using namespace Giriş;
    EtiketliAlan(BulKutusu, Etiket[0]);
    EtiketliAlan(ParçaListesi, Etiket[1], false);
    OklarİlkSatırdanBaşlar(ParçaListesi);
    EtiketliAlan(ParçaBulKutusu, Etiket[2]);
    EtiketliAlan(FişNoKutusu, Etiket[12]);
    EtiketliAlan(TarihiKutusu, Etiket[13]);
    EtiketliAlan(MiktarıKutusu, Etiket[14]);
    EtiketliAlan(VerilecekYerKutusu, Etiket[15]);
    EnterİleSonraki(BulKutusu, [this] { BulDüğmesi_Click(); });
    for (QWidget* k : std::initializer_list<QWidget*>{ParçaBulKutusu, FişNoKutusu, TarihiKutusu, MiktarıKutusu,
                                                      VerilecekYerKutusu})
        EnterİleSonraki(k);
    YalnızRakam(BulKutusu);
    YalnızRakam(FişNoKutusu);
    BüyükHarfKutusu(ParçaBulKutusu);
    TarihKutusu(TarihiKutusu);
    SayıKutusu(MiktarıKutusu);
    SayıDeğilseGeriAl(MiktarıKutusu);
    BüyükHarfKutusu(VerilecekYerKutusu);
    AyrılıncaKırp(VerilecekYerKutusu);
    DenetimAtlatır(KapatDüğmesi);
    VarsayılanDüğmeleriKapat(this);

    // Events.
    auto bağla = [this](QPushButton* d, void (ParçaÇıkışıFormu::*işleyici)()) {
        connect(d, &QPushButton::clicked, this, [this, işleyici] {
            if (Giriş::AyrılmaDenetimiGeçti(this)) (this->*işleyici)();
        });
    };
    bağla(BulDüğmesi, &ParçaÇıkışıFormu::BulDüğmesi_Click);
    bağla(TemizleDüğmesi, &ParçaÇıkışıFormu::TemizleDüğmesi_Click);
    bağla(ListeyeEkleDüğmesi, &ParçaÇıkışıFormu::ListeyeEkleDüğmesi_Click);
    bağla(ListeyiAmbardanÇıkarDüğmesi, &ParçaÇıkışıFormu::ListeyiAmbardanÇıkarDüğmesi_Click);
    bağla(ListedenÇıkarDüğmesi, &ParçaÇıkışıFormu::ListedenÇıkarDüğmesi_Click);
    bağla(ListeyiTemizleDüğmesi, &ParçaÇıkışıFormu::ListeyiTemizleDüğmesi_Click);
    connect(KapatDüğmesi, &QPushButton::clicked, this, &ParçaÇıkışıFormu::reject);
    connect(ParçaListesi, &QListWidget::itemSelectionChanged, this, [this] { ParçaListesi_Click(); });
    connect(ParçaBulKutusu, &QLineEdit::textChanged, this, [this](const QString&) { ParçaBulKutusu_Change(); });
    ÇıkışYapılacakParçaListesi->çiftTıklandı = [this](int) { ListedenÇıkarDüğmesi_Click(); };
}

void ParçaÇıkışıFormu::Form_Load() {
    // restores the column layout, saves it on closing, grid lines on activation
    HataYönetimiyle([this] { ÇıkışYapılacakParçaListesi->düzeniBağla(ListeNo); });
    HataYönetimiyle([this] { HatırlananlarıYükle(VerilecekYerKutusu, YerBölümü); });
    VerilecekYerKutusu->setCurrentIndex(-1);
    VerilecekYerKutusu->clearEditText();
    // The pending lines belong to this connection: its own temporary table of the
    // same name hides the one in the file from every statement of this connection.
    HataYönetimiyle([] {
        VeriTabanı.çalıştır(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS GeciciCikisIslemleriTablosu "
                                           "(ParcaNo INTEGER, Miktari REAL, VerilecekYer TEXT)"));
        VeriTabanı.çalıştır(QStringLiteral("DELETE FROM GeciciCikisIslemleriTablosu"));
    });
}

void ParçaÇıkışıFormu::parçaKutularınıBoşalt() {
    for (QLineEdit* k : {AdıKutusu, MarkasıKutusu, KdvOranıKutusu, BirimiKutusu, AmbarYeriKutusu, MevcuduKutusu,
                         FiyatıKutusu, EklenenKutusu, KalanKutusu})
        k->clear();
    seçiliNosu_.clear();
}

// ---- Finding and showing a part ----

void ParçaÇıkışıFormu::BulDüğmesi_Click() {
    const QString metin = BulKutusu->text();
    if (metin.isEmpty()) return;
    bool sayıMı = false;
    const qlonglong kod = metin.toLongLong(&sayıMı);
    if (sayıMı && kod == 0) return;
    parçaKutularınıBoşalt();
    ParçaListesi->clear();
    AramaYapıldı = true;
    HataYönetimiyle([&] {
        if (!sayıMı) return;  // a code too long to be one has no parts
        const QSignalBlocker sessiz(ParçaListesi);
        SıralıListeyiDoldur(ParçaListesi, KodunParçaları(kod));
        ParçaListesi->setCurrentRow(-1);
    });
    const int sayı = ParçaListesi->count();
    Etiket[1]->setText(QStringLiteral("&Parça Listesi (Toplam: %1)").arg(sayı));
    if (sayı > 0) {
        BulKutusu->setText(QString::number(kod));
        BulKutusu->setEnabled(false);
        BulDüğmesi->setEnabled(false);
    }
}

void ParçaÇıkışıFormu::TemizleDüğmesi_Click() {
    BulKutusu->clear();
    if (!AramaYapıldı) return;
    AramaYapıldı = false;
    parçaKutularınıBoşalt();
    ParçaListesi->clear();
    Etiket[1]->setText(QStringLiteral("&Parça Listesi"));
    BulKutusu->setEnabled(true);
    BulDüğmesi->setEnabled(true);
    BulKutusu->setFocus();
}

void ParçaÇıkışıFormu::ParçaBulKutusu_Change() { ÖnekleSeç(ParçaListesi, ParçaBulKutusu->text()); }

void ParçaÇıkışıFormu::ParçaListesi_Click() {
    // Every box is emptied first: a step that fails leaves its box empty, never
    // showing the figures of the part selected before.
    parçaKutularınıBoşalt();
    const int satır = SeçiliSatır(ParçaListesi);
    if (satır < 0) return;
    const qlonglong parçaNo = ListeVerisi(ParçaListesi, satır);

    HataYönetimiyle([&] {
        Sorgu s(VeriTabanı, QStringLiteral("SELECT Markasi FROM MarkaBilgileriTablosu WHERE Kodu=?"),
                {BulKutusu->text().toLongLong()});
        if (!s.sonraki()) throw DeporaHatası(HataNo::KayıtYok, QStringLiteral("Geçerli kayıt yok."));
        if (s.boşMu(QStringLiteral("Markasi")))
            throw DeporaHatası(HataNo::GeçersizNull, QStringLiteral("Geçersiz boş değer kullanımı."));
        MarkasıKutusu->setText(s.metin(QStringLiteral("Markasi")));
    });
    HataYönetimiyle([&] {
        const auto p = ParçaBilgisiOku(parçaNo);
        if (!p) throw DeporaHatası(HataNo::KayıtYok, QStringLiteral("Geçerli kayıt yok."));
        seçiliNosu_ = p->nosu;
        AdıKutusu->setText(p->adı);
        KdvOranıKutusu->setText(p->kdvOranı);
        BirimiKutusu->setText(p->birimi);
        AmbarYeriKutusu->setText(p->ambarYeri);
    });
    HataYönetimiyle([&] {
        const ParçaToplamları t = ParçaToplamlarınıOku(parçaNo);
        MevcuduKutusu->setText(GenelSayı(t.mevcut()));
        FiyatıKutusu->setText(GenelSayı(OrtalamaMaliyetFiyatı(kutuSayısı(MevcuduKutusu), t.değer())));
    });
    HataYönetimiyle([&] {
        const QVariant eklenen = VeriTabanı.tekDeğer(
            QStringLiteral("SELECT SUM(Miktari) AS ListeToplami FROM GeciciCikisIslemleriTablosu WHERE ParcaNo=?"),
            {parçaNo});
        EklenenKutusu->setText(eklenen.isNull() ? QStringLiteral("0") : GenelSayı(Normalleştir(eklenen.toDouble())));
    });
    KalanKutusu->setText(GenelSayı(Normalleştir(kutuSayısı(MevcuduKutusu) - kutuSayısı(EklenenKutusu))));
}

// ---- Adding a line ----

bool ParçaÇıkışıFormu::satırDenetimleri(double& miktar) {
    auto reddet = [](const QString& metin, QWidget* odak) {
        Bilgi(metin);
        odak->setFocus();
        return false;
    };
    if (SeçiliSatır(ParçaListesi) < 0) return reddet(QStringLiteral("Lütfen, listeden bir PARÇA seçiniz."), ParçaListesi);
    const double mevcut = kutuSayısı(MevcuduKutusu);
    if (mevcut == 0)
        return reddet(QStringLiteral("Bu parçanın ambarda MEVCUDU kalmamış!") + BoşSatır +
                          QStringLiteral("Lütfen, başka bir parça seçiniz."),
                      ParçaBulKutusu);
    const double kalan = kutuSayısı(KalanKutusu);
    if (kalan == 0)
        return reddet(QStringLiteral("Bu parçanın TÜM MEVCUDU listeye eklenmiş!") + BoşSatır +
                          QStringLiteral("Lütfen, başka bir parça seçiniz."),
                      ParçaBulKutusu);
    if (!Giriş::FişNoDenetle(FişNoKutusu)) return false;
    if (TarihiKutusu->text().trimmed().isEmpty()) return reddet(QStringLiteral("Lütfen, TARİHİ giriniz."), TarihiKutusu);
    const auto tarih = TarihOku(TarihiKutusu->text());
    if (!tarih) return reddet(QStringLiteral("Lütfen, TARİHİ doğru biçimde giriniz."), TarihiKutusu);
    TarihiKutusu->setText(KısaTarih(*tarih));
    const int buYıl = QDate::currentDate().year();
    if (tarih->year() != buYıl)
        return reddet(QStringLiteral("Sadece %1 YILI içerisinden bir tarih girebilirsiniz!").arg(buYıl), TarihiKutusu);

    // The quantity as the box shows it once left.
    if (const auto m = SayıOku(MiktarıKutusu->text())) MiktarıKutusu->setText(BiçimliSayı(*m));
    if (const QString h = Giriş::SayıHatası(MiktarıKutusu->text(), QStringLiteral("MİKTAR"), EnBüyükMiktar); !h.isEmpty())
        return reddet(h, MiktarıKutusu);
    miktar = miktarDeğeri(MiktarıKutusu->text());
    if (miktar <= 0) return reddet(QStringLiteral("Lütfen, geçerli bir MİKTAR giriniz."), MiktarıKutusu);
    if (mevcut < miktar) {
        MiktarıKutusu->setText(MevcuduKutusu->text());
        return reddet(QStringLiteral("Çıkış yapacağınız MİKTAR ambardaki mevcuttan fazla olamaz!"), MiktarıKutusu);
    }
    if (Normalleştir(kalan - miktar) < 0) {
        const QString enFazla = GenelSayı(kalan);
        MiktarıKutusu->setText(enFazla);
        return reddet(QStringLiteral("Bu parçadan en fazla (%1) birim çıkış yapabilirsiniz!").arg(enFazla),
                      MiktarıKutusu);
    }
    VerilecekYerKutusu->setEditText(SerbestMetin(VerilecekYerKutusu->currentText()).trimmed());
    if (VerilecekYerKutusu->currentText().isEmpty())
        return reddet(QStringLiteral("Lütfen, VERİLECEK YERİ giriniz."), VerilecekYerKutusu);
    return true;
}

bool ParçaÇıkışıFormu::fişNoKuralı() {
    const int yıl = QDate::currentDate().year();
    YılBaşıTarihi = QDate(yıl, 1, 1);
    YılSonuTarihi = QDate(yıl, 12, 31);
    std::optional<FişBaşlığı> ilk;
    if (!HataYönetimiyle([&] { ilk = FişBaşlığıOku(FişCinsi::Çıkış, FişNoKutusu->text().toLongLong(), yıl); }))
        return false;
    if (!ilk) return true;
    if (ilk->kodu != BulKutusu->text().toLongLong()) {
        Bilgi(BaşkaKodunFişNosu(FişCinsi::Çıkış, ilk->kodu));
        FişNoKutusu->setFocus();
        return false;
    }
    if (!EvetMi(FişeEklemeSorusu(FişCinsi::Çıkış))) {
        FişNoKutusu->setFocus();
        return false;
    }
    TarihiKutusu->setText(KısaTarih(ilk->tarihi));
    return true;
}

void ParçaÇıkışıFormu::ListeyeEkleDüğmesi_Click() {
    double miktar = 0;
    if (!satırDenetimleri(miktar)) return;
    if (FişNoKutusu->isEnabled() && !fişNoKuralı()) return;
    const qlonglong parçaNo = ListeVerisi(ParçaListesi, SeçiliSatır(ParçaListesi));
    const auto& satırlar = ÇıkışYapılacakParçaListesi->satırlar();
    const bool dahaÖnce = std::any_of(satırlar.begin(), satırlar.end(),
                                      [&](const ListeSatırı& s) { return s.anahtar.toLongLong() == parçaNo; });
    if (dahaÖnce && !EvetMi(QStringLiteral("Seçtiğiniz bu PARÇA listeye daha önce eklenmiş!") + BoşSatır +
                            QStringLiteral("AYNI PARÇA'yı bir kez daha eklemek istiyor musunuz?"))) {
        ParçaListesi->setFocus();
        return;
    }
    HataYönetimiyle([&] { satırıEkle(parçaNo, miktar); });
}

void ParçaÇıkışıFormu::satırıEkle(std::int64_t parçaNo, double miktar) {
    // Everything that can fail comes before the pending row is stored.
    const auto fiyat = Para::metinden(FiyatıKutusu->text());
    if (!fiyat) throw DeporaHatası(HataNo::GeçersizNull, QStringLiteral("Parçanın fiyatı okunamadı."));
    const double tutar = fiyat->sayı() * miktar;
    const Para öncekiToplam = ÇıkışYapılacakParçaListesi->satırSayısı() == 0 ? Para() : listeToplamı_;
    if (const QString h = Giriş::TutarHatası(tutar, öncekiToplam); !h.isEmpty()) {
        Bilgi(h);
        MiktarıKutusu->setFocus();
        return;
    }
    const Para toplam = öncekiToplam + Para::sayıdan(tutar);
    const QString yer = VerilecekYerKutusu->currentText();

    VeriTabanı.çalıştır(
        QStringLiteral("INSERT INTO GeciciCikisIslemleriTablosu (ParcaNo, Miktari, VerilecekYer) VALUES (?, ?, ?)"),
        {static_cast<qlonglong>(parçaNo), miktar, yer});

    const int no = ÇıkışYapılacakParçaListesi->satırSayısı() + 1;
    ÇıkışYapılacakParçaListesi->satırEkle({QString::number(parçaNo), QString::number(no), BulKutusu->text(),
                                          TarihiKutusu->text(), seçiliNosu_, AdıKutusu->text(), yer,
                                          MiktarıKutusu->text(), GenelSayı(tutar)},
                                         static_cast<qlonglong>(parçaNo));
    listeToplamı_ = toplam;
    ListeToplamıKutusu->setText(BiçimliSayı(listeToplamı_));

    for (auto* d : {ListeyiAmbardanÇıkarDüğmesi, ListedenÇıkarDüğmesi, ListeyiTemizleDüğmesi}) d->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{TemizleDüğmesi, FişNoKutusu, TarihiKutusu}) w->setEnabled(false);
    MiktarıKutusu->clear();
    VerilecekYerKutusu->setCurrentIndex(-1);
    VerilecekYerKutusu->clearEditText();
    ParçaListesi_Click();
    ParçaBulKutusu->setFocus();

    DeğeriHatırla(VerilecekYerKutusu, YerBölümü, YerÖneki, yer);
    VerilecekYerKutusu->setCurrentIndex(-1);
    VerilecekYerKutusu->clearEditText();
}

// ---- Writing, removing and clearing ----

void ParçaÇıkışıFormu::ListeyiAmbardanÇıkarDüğmesi_Click() {
    auto* l = ÇıkışYapılacakParçaListesi;
    if (l->satırSayısı() == 0) return;
    // What refuses the list inside the writing transaction: another workstation
    // may have changed the store since the lines were added.
    QString fişNoMesajı;
    int silinenSatır = -1, aşanSatır = -1;
    const bool yazıldı = HataYönetimiyle([&] {
        const qlonglong fişNo = FişNoKutusu->text().toLongLong();
        const auto tarihler = TarihOku(l->hücre(0, SütunTarihi));
        if (!tarihler) throw DeporaHatası(13, QStringLiteral("Tür uyuşmazlığı."));
        İşlem işlem(VeriTabanı);
        // the voucher number still belongs to the list's brand code, and a voucher of
        // that code begun elsewhere has the date the join question gave the lines
        fişNoMesajı = FişNoEngeli(FişCinsi::Çıkış, fişNo, tarihler->year(),
                                  {.kodu = l->hücre(0, SütunKodu).toLongLong(), .tarihi = *tarihler});
        if (!fişNoMesajı.isEmpty()) return;
        for (int i = 0; i < l->satırSayısı() && silinenSatır < 0; ++i)
            if (!ParçaVarMı(l->anahtar(i).toLongLong())) silinenSatır = i;
        if (silinenSatır >= 0) return;
        // the list must still fit in the stock (another workstation may have issued the same part)
        std::map<qlonglong, double> istenen;
        for (int i = 0; i < l->satırSayısı(); ++i) {
            double& toplam = istenen[l->anahtar(i).toLongLong()];
            toplam = Normalleştir(toplam + miktarDeğeri(l->hücre(i, SütunMiktarı)));
        }
        for (int i = 0; i < l->satırSayısı() && aşanSatır < 0; ++i) {
            const qlonglong parçaNo = l->anahtar(i).toLongLong();
            if (istenen[parçaNo] > ParçaStokMiktarı(parçaNo)) aşanSatır = i;
        }
        if (aşanSatır >= 0) return;
        for (int i = 0; i < l->satırSayısı(); ++i) {
            const auto tarih = TarihOku(l->hücre(i, SütunTarihi));
            const auto tutar = Para::metinden(l->hücre(i, SütunTutarı));
            if (!tarih || !tutar) throw DeporaHatası(13, QStringLiteral("Tür uyuşmazlığı."));
            Sorgu s(VeriTabanı,
                    QStringLiteral("INSERT INTO CikisIslemleriTablosu "
                                   "(ParcaNo, Kodu, Tarihi, VerilecekYer, Miktari, Tutari, FisNo) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?)"));
            s.bağla(l->anahtar(i).toLongLong())
                .bağla(l->hücre(i, SütunKodu).toLongLong())
                .bağla(*tarih)
                .bağla(l->hücre(i, SütunYer))
                .bağla(miktarDeğeri(l->hücre(i, SütunMiktarı)))
                .bağla(*tutar)
                .bağla(fişNo);
            s.çalıştır();
        }
        VeriTabanı.çalıştır(QStringLiteral("DELETE FROM GeciciCikisIslemleriTablosu"));
        işlem.onayla();
    });
    if (!yazıldı) return;
    if (fişNoMesajı.isEmpty() && silinenSatır < 0 && aşanSatır < 0) {
        ListeyiTemizleDüğmesi_Click();
        return;
    }
    // Refused: nothing stored, the list stays; the line at fault is selected.
    if (!fişNoMesajı.isEmpty()) {
        Bilgi(fişNoMesajı);
    } else if (silinenSatır >= 0) {
        Bilgi(SilinmişParçaMesajı(l->hücre(silinenSatır, SütunNosu), l->hücre(silinenSatır, SütunAdı)));
    } else {
        Bilgi(QStringLiteral("Çıkış yapacağınız MİKTAR ambardaki mevcuttan fazla olamaz!"));
        ParçaListesi_Click();  // the stock as it stands now
    }
    if (const int satır = std::max(silinenSatır, aşanSatır); satır >= 0) l->satırSeç(satır);
    l->setFocus();
}

void ParçaÇıkışıFormu::ListedenÇıkarDüğmesi_Click() {
    auto* l = ÇıkışYapılacakParçaListesi;
    const int sıra = l->seçiliSatır();
    if (sıra < 0) return;
    try {
        VeriTabanı.çalıştır(QStringLiteral("DELETE FROM GeciciCikisIslemleriTablosu WHERE rowid = "
                                           "(SELECT rowid FROM GeciciCikisIslemleriTablosu "
                                           "WHERE ParcaNo=? AND Miktari=? AND VerilecekYer=? LIMIT 1)"),
                            {l->anahtar(sıra).toLongLong(), miktarDeğeri(l->hücre(sıra, SütunMiktarı)),
                             l->hücre(sıra, SütunYer)});
    } catch (const std::exception&) {
        // the line still goes from the list
    }
    ParçaListesi_Click();
    try {
        listeToplamı_ -= Para::metinden(l->hücre(sıra, SütunTutarı)).value_or(Para());
    } catch (const std::exception&) {
    }
    ListeToplamıKutusu->setText(BiçimliSayı(listeToplamı_));
    l->satırSil(sıra);
    for (int i = 0; i < l->satırSayısı(); ++i) l->hücreYaz(i, SütunNo, QString::number(i + 1));
    if (l->satırSayısı() == 0) {
        ListeyiTemizleDüğmesi_Click();
        return;
    }
    l->satırSeç(sıra == 0 ? 0 : sıra - 1);
    l->setFocus();
}

void ParçaÇıkışıFormu::ListeyiTemizleDüğmesi_Click() {
    ÇıkışYapılacakParçaListesi->temizle();
    for (auto* d : {ListeyiAmbardanÇıkarDüğmesi, ListedenÇıkarDüğmesi, ListeyiTemizleDüğmesi}) d->setEnabled(false);
    for (QLineEdit* k : {FişNoKutusu, TarihiKutusu, MiktarıKutusu, ListeToplamıKutusu}) k->clear();
    VerilecekYerKutusu->setCurrentIndex(-1);
    VerilecekYerKutusu->clearEditText();
    for (QWidget* w : std::initializer_list<QWidget*>{FişNoKutusu, TarihiKutusu, TemizleDüğmesi}) w->setEnabled(true);
    try {
        VeriTabanı.çalıştır(QStringLiteral("DELETE FROM GeciciCikisIslemleriTablosu"));
    } catch (const std::exception&) {
    }
    ParçaListesi_Click();
    ParçaBulKutusu->setFocus();
}

// ---- Closing ----

bool ParçaÇıkışıFormu::Form_QueryUnload() {
    if (ÇıkışYapılacakParçaListesi->satırSayısı() > 0 &&
        !EvetMi(QStringLiteral("Listenizde ambardan çıkışı yapılmamış parçalar var, devam ederseniz bu parçaların "
                               "çıkışı yapılmayacak!") +
                BoşSatır +
                QStringLiteral("Bu parçaların ambardan çıkışını yapmadan devam etmek istediğinize emin misiniz?")))
        return false;
    try {
        VeriTabanı.çalıştır(QStringLiteral("DELETE FROM GeciciCikisIslemleriTablosu"));
    } catch (const std::exception&) {
    }
    return true;
}

void ParçaÇıkışıFormu::reject() {
    if (Form_QueryUnload()) QDialog::reject();
}
