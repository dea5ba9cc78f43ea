#include "receipts/ParçaGirişiFormu.h"

#include "catalogue/ParçaTanımlaFormu.h"
#include "catalogue/ParçaVerileri.h"
#include "platform/MesajKapısı.h"
#include "receipts/ParçaGirişiVerileri.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeDenetimi.h"
#include "shell/ListeKutusu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/Twip.h"
#include "vouchers/FişNoKuralı.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <limits>

namespace {

constexpr int ListeNo = 1;

// The cells of a pending line.
enum Hücre {
    ParçaNoHücresi,
    SıraHücresi,
    KoduHücresi,
    NosuHücresi,
    AdıHücresi,
    MiktarıHücresi,
    KdvHücresi,
    FiyatıHücresi,
    TutarıHücresi,
    GirişTarihiHücresi,
    FaturaTarihiHücresi,
    FaturaNoHücresi,
    FaturaVerenHücresi,
    HücreSayısı
};


// The plain value of a box of digits; nothing when empty or too long to read.
std::optional<std::int64_t> rakamDeğeri(const QLineEdit* kutu) {
    bool tamam = false;
    const qlonglong d = kutu->text().trimmed().toLongLong(&tamam);
    if (!tamam) return std::nullopt;
    return d;
}

QDate tarihOlarak(const QString& metin) {
    const auto t = TarihOku(metin);
    if (!t) throw DeporaHatası(13, QStringLiteral("Tür uyuşmazlığı: \"%1\"").arg(metin));
    return *t;
}

Para paraOlarak(const QString& metin) {
    const auto p = Para::metinden(metin);
    if (!p) throw DeporaHatası(13, QStringLiteral("Tür uyuşmazlığı: \"%1\"").arg(metin));
    return *p;
}

// What a pending line stores.
GirişSatırı satırKaydı(const QStringList& h) {
    GirişSatırı g;
    bool tamam1 = false, tamam2 = false;
    g.parçaNo = h[ParçaNoHücresi].toLongLong(&tamam1);
    g.kodu = h[KoduHücresi].toLongLong(&tamam2);
    const auto miktar = SayıOku(h[MiktarıHücresi]);
    if (!tamam1 || !tamam2 || !miktar) throw DeporaHatası(13, QStringLiteral("Tür uyuşmazlığı"));
    g.miktarı = *miktar;
    g.fiyatı = paraOlarak(h[FiyatıHücresi]);
    g.tutarı = paraOlarak(h[TutarıHücresi]);
    g.tarihi = tarihOlarak(h[GirişTarihiHücresi]);
    g.faturaTarihi = tarihOlarak(h[FaturaTarihiHücresi]);
    g.faturaNo = h[FaturaNoHücresi];
    g.faturaVeren = h[FaturaVerenHücresi];
    return g;
}

bool reddet(const QString& mesaj, QWidget* odak) {
    Bilgi(mesaj);
    odak->setFocus(Qt::OtherFocusReason);
    return false;
}

}  // namespace

ParçaGirişiFormu::ParçaGirişiFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("ParçaGirişiFormu"));
    setWindowTitle(QStringLiteral("Parça Girişi İşlemleri"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(TwiptenPiksel(10455), TwiptenPiksel(8115));
    kontrolleriKur();
    davranışlarıBağla();
    Form_Load();
}

void ParçaGirişiFormu::kontrolleriKur() {
    auto adlı = [](auto* w, const QString& ad) {
        w->setObjectName(ad);
        return w;
    };
    auto etiket = [&](int i, const QString& metin, QWidget* kutu) {
        Etiket[i] = adlı(new QLabel(metin), QStringLiteral("Etiket%1").arg(i));
        if (kutu) Etiket[i]->setBuddy(kutu);
        return Etiket[i];
    };
    // A label and its box side by side in a grid.
    auto yanyana = [&](QGridLayout* ı, int satır, int sütun, int etiketNo, const QString& metin, QWidget* k,
                       int genişlik = 1) {
        ı->addWidget(etiket(etiketNo, metin, k), satır, sütun);
        ı->addWidget(k, satır, sütun + 1, 1, genişlik);
    };
    auto kutu = [&](const QString& ad) { return adlı(new QLineEdit, ad); };
    // A locked box shows data only: it can be clicked (to copy its text) but Tab and
    // Enter pass it by, so the clerk goes from the part straight to the voucher boxes.
    auto kilitli = [&](const QString& ad) {
        QLineEdit* k = kutu(ad);
        k->setReadOnly(true);
        k->setFocusPolicy(Qt::ClickFocus);
        return k;
    };
    auto düğme = [&](const QString& metin, const QString& ad) { return adlı(new QPushButton(metin), ad); };
    auto çerçeve = [&](int i, const QString& başlık, int x, int y, int g, int y2) {
        Çerçeve[i] = adlı(new QGroupBox(başlık, this), QStringLiteral("Çerçeve%1").arg(i));
        Çerçeve[i]->setGeometry(TwiptenPiksel(x), TwiptenPiksel(y), TwiptenPiksel(g), TwiptenPiksel(y2));
        auto* dış = new QVBoxLayout(Çerçeve[i]);
        dış->setContentsMargins(4, 2, 4, 4);
        QWidget* iç = new QWidget;
        if (i < 3) {
            Altlık[i] = adlı(iç, QStringLiteral("Altlık%1").arg(i));
            iç->setAutoFillBackground(true);
            iç->setBackgroundRole(QPalette::Window);
        }
        dış->addWidget(iç);
        auto* ızgara = new QGridLayout(iç);
        ızgara->setContentsMargins(2, 2, 2, 2);
        ızgara->setVerticalSpacing(3);
        return ızgara;
    };

    // Frame 0: finding a part. Controls are made in tab order.
    {
        QGridLayout* ı = çerçeve(0, QStringLiteral("Parça Bul "), 240, 210, 3405, 4215);
        BulKutusu = kutu(QStringLiteral("BulKutusu"));
        BulDüğmesi = düğme(QStringLiteral("B&ul"), QStringLiteral("BulDüğmesi"));
        TemizleDüğmesi = düğme(QStringLiteral("Temi&zle"), QStringLiteral("TemizleDüğmesi"));
        ParçaTanımlaDüğmesi = düğme(QStringLiteral("Parça Ta&nımla"), QStringLiteral("ParçaTanımlaDüğmesi"));
        ParçaListesi = adlı(new QListWidget, QStringLiteral("ParçaListesi"));
        ParçaBulKutusu = kutu(QStringLiteral("ParçaBulKutusu"));
        ı->addWidget(etiket(0, QStringLiteral("Parça &Kodu"), BulKutusu), 0, 0, 1, 2);
        ı->addWidget(BulKutusu, 1, 0, 1, 2);
        ı->addWidget(BulDüğmesi, 2, 0);
        ı->addWidget(TemizleDüğmesi, 2, 1);
        ı->addWidget(ParçaTanımlaDüğmesi, 3, 0, 1, 2);
        ı->addWidget(etiket(1, QStringLiteral("&Parça Listesi"), ParçaListesi), 4, 0, 1, 2);
        ı->addWidget(ParçaListesi, 5, 0, 1, 2);
        ı->addWidget(etiket(2, QStringLiteral("Parça &Bul"), ParçaBulKutusu), 6, 0, 1, 2);
        ı->addWidget(ParçaBulKutusu, 7, 0, 1, 2);
        ı->setRowStretch(5, 1);
    }
    // Frame 1: the selected part.
    {
        QGridLayout* ı = çerçeve(1, QStringLiteral("Parça Bilgileri "), 3870, 210, 6315, 1575);
        AdıKutusu = kilitli(QStringLiteral("AdıKutusu"));
        MarkasıKutusu = kilitli(QStringLiteral("MarkasıKutusu"));
        KdvOranıKutusu = kilitli(QStringLiteral("KdvOranıKutusu"));
        BirimiKutusu = kilitli(QStringLiteral("BirimiKutusu"));
        AmbarYeriKutusu = kilitli(QStringLiteral("AmbarYeriKutusu"));
        yanyana(ı, 0, 0, 3, QStringLiteral("Parça Adı :"), AdıKutusu, 3);
        yanyana(ı, 1, 0, 4, QStringLiteral("Markası :"), MarkasıKutusu);
        yanyana(ı, 1, 2, 5, QStringLiteral("Kdv Oranı :"), KdvOranıKutusu);
        yanyana(ı, 2, 0, 6, QStringLiteral("Miktar Birimi :"), BirimiKutusu);
        yanyana(ı, 2, 2, 7, QStringLiteral("Ambar Yeri :"), AmbarYeriKutusu);
    }
    // Frame 2: the voucher header and the line.
    {
        QGridLayout* ı = çerçeve(2, QStringLiteral("Giriş Bilgileri "), 3870, 2010, 6315, 2415);
        FişNoKutusu = kutu(QStringLiteral("FişNoKutusu"));
        GirişTarihiKutusu = kutu(QStringLiteral("GirişTarihiKutusu"));
        FaturaTarihiKutusu = kutu(QStringLiteral("FaturaTarihiKutusu"));
        FaturaNoKutusu = kutu(QStringLiteral("FaturaNoKutusu"));
        FaturaVerenKutusu = kutu(QStringLiteral("FaturaVerenKutusu"));
        MiktarıKutusu = kutu(QStringLiteral("MiktarıKutusu"));
        FiyatıKutusu = kutu(QStringLiteral("FiyatıKutusu"));
        BirimFiyatıOnayı = adlı(new QCheckBox(QStringLiteral("Bi&rim Fiyatı ")), QStringLiteral("BirimFiyatıOnayı"));
        KdvEklemeOnayı = adlı(new QCheckBox(QStringLiteral("Kdv Ekleme")), QStringLiteral("KdvEklemeOnayı"));
        ListeyeEkleDüğmesi = düğme(QStringLiteral("Listeye &Ekle"), QStringLiteral("ListeyeEkleDüğmesi"));
        for (QLineEdit* k : {FişNoKutusu, GirişTarihiKutusu, FaturaTarihiKutusu}) k->setMaxLength(10);
        BirimFiyatıOnayı->setChecked(true);
        yanyana(ı, 0, 0, 8, QStringLiteral("Fiş No'su :"), FişNoKutusu);
        yanyana(ı, 0, 2, 9, QStringLiteral("&Giriş Tarihi :"), GirişTarihiKutusu);
        yanyana(ı, 1, 0, 10, QStringLiteral("&Fatura Tarihi :"), FaturaTarihiKutusu);
        yanyana(ı, 1, 2, 11, QStringLiteral("Fatura N&o'su :"), FaturaNoKutusu);
        yanyana(ı, 2, 0, 12, QStringLiteral("Fatura &Veren :"), FaturaVerenKutusu, 3);
        yanyana(ı, 3, 0, 13, QStringLiteral("Giriş &Miktarı :"), MiktarıKutusu);
        yanyana(ı, 3, 2, 14, QStringLiteral("Birim Fiya&tı :"), FiyatıKutusu);
        auto* seçenekler = new QHBoxLayout;
        seçenekler->addWidget(BirimFiyatıOnayı);
        seçenekler->addWidget(KdvEklemeOnayı);
        seçenekler->addStretch(1);
        seçenekler->addWidget(ListeyeEkleDüğmesi);
        ı->addLayout(seçenekler, 4, 0, 1, 4);
        ı->setColumnStretch(1, 1);
        ı->setColumnStretch(3, 1);
    }
    // Frame 5: the pending lines.
    {
        Çerçeve[5] = adlı(new QGroupBox(QStringLiteral("Girişi Yapılacak Parçalar "), this), QStringLiteral("Çerçeve5"));
        Çerçeve[5]->setGeometry(TwiptenPiksel(240), TwiptenPiksel(4530), TwiptenPiksel(9945), TwiptenPiksel(2775));
        GirişYapılacakParçaListesi = adlı(new ListeDenetimi, QStringLiteral("GirişYapılacakParçaListesi"));
        ListeToplamıKutusu = kilitli(QStringLiteral("ListeToplamıKutusu"));
        QFont kalın = ListeToplamıKutusu->font();
        kalın.setBold(true);
        ListeToplamıKutusu->setFont(kalın);
        QPalette renk = ListeToplamıKutusu->palette();
        renk.setColor(QPalette::Text, QColor(192, 64, 0));
        ListeToplamıKutusu->setPalette(renk);
        ListeToplamıKutusu->setAlignment(Qt::AlignRight);
        auto* d = new QVBoxLayout(Çerçeve[5]);
        d->setContentsMargins(6, 4, 6, 6);
        d->addWidget(GirişYapılacakParçaListesi, 1);
        auto* alt = new QHBoxLayout;
        alt->addStretch(1);
        alt->addWidget(etiket(15, QStringLiteral("Liste Toplamı :"), ListeToplamıKutusu));
        ListeToplamıKutusu->setFixedWidth(TwiptenPiksel(1800));
        alt->addWidget(ListeToplamıKutusu);
        d->addLayout(alt);
    }
    // The buttons of the window, in one row at the bottom.
    ListeyiAmbaraEkleDüğmesi = düğme(QStringLiteral("Li&steyi Ambara Ekle"), QStringLiteral("ListeyiAmbaraEkleDüğmesi"));
    ListedenÇıkarDüğmesi =
        düğme(QStringLiteral("Seçili Parçayı Liste&den Çıkar"), QStringLiteral("ListedenÇıkarDüğmesi"));
    ListeyiTemizleDüğmesi = düğme(QStringLiteral("&Listeyi Temizle"), QStringLiteral("ListeyiTemizleDüğmesi"));
    KapatDüğmesi = düğme(QStringLiteral("Kapat (Esc)"), QStringLiteral("KapatDüğmesi"));
    const int düğmeY = TwiptenPiksel(7470), düğmeH = TwiptenPiksel(375);
    ListeyiAmbaraEkleDüğmesi->setParent(this);
    ListeyiAmbaraEkleDüğmesi->setGeometry(TwiptenPiksel(240), düğmeY, TwiptenPiksel(2100), düğmeH);
    ListedenÇıkarDüğmesi->setParent(this);
    ListedenÇıkarDüğmesi->setGeometry(TwiptenPiksel(2460), düğmeY, TwiptenPiksel(2700), düğmeH);
    ListeyiTemizleDüğmesi->setParent(this);
    ListeyiTemizleDüğmesi->setGeometry(TwiptenPiksel(5280), düğmeY, TwiptenPiksel(1800), düğmeH);
    KapatDüğmesi->setParent(this);
    KapatDüğmesi->setGeometry(TwiptenPiksel(8385), düğmeY, TwiptenPiksel(1800), düğmeH);
    for (QPushButton* d : {ListeyiAmbaraEkleDüğmesi, ListedenÇıkarDüğmesi, ListeyiTemizleDüğmesi}) d->setEnabled(false);

    // Tab order as the controls were listed (each label's buddy follows it).
    const std::vector<QWidget*> sıra = {
        BulKutusu,          BulDüğmesi,          TemizleDüğmesi,        ParçaTanımlaDüğmesi,  ParçaListesi,
        ParçaBulKutusu,     AdıKutusu,           MarkasıKutusu,         KdvOranıKutusu,       BirimiKutusu,
        AmbarYeriKutusu,    FişNoKutusu,         GirişTarihiKutusu,     FaturaTarihiKutusu,   FaturaNoKutusu,
        FaturaVerenKutusu,  MiktarıKutusu,       FiyatıKutusu,          BirimFiyatıOnayı,     KdvEklemeOnayı,
        ListeyeEkleDüğmesi, GirişYapılacakParçaListesi, ListeToplamıKutusu, ListeyiAmbaraEkleDüğmesi,
        ListedenÇıkarDüğmesi, ListeyiTemizleDüğmesi, KapatDüğmesi};
    for (size_t i = 1; i < sıra.size(); ++i) setTabOrder(sıra[i - 1], sıra[i]);
}

void ParçaGirişiFormu::davranışlarıBağla() {
    using namespace Giriş;
    VarsayılanDüğmeleriKapat(this);

    EtiketliAlan(BulKutusu, Etiket[0]);
    YalnızRakam(BulKutusu);
    EnterİleSonraki(BulKutusu, [this] { BulDüğmesi_Click(); });

    EtiketliAlan(ParçaListesi, Etiket[1], false);
    OklarİlkSatırdanBaşlar(ParçaListesi);
    // The selection, not the current row, names the part: a list entered with Tab has a
    // current row that is not selected, and selecting that row later changes no current row.
    connect(ParçaListesi, &QListWidget::itemSelectionChanged, this, [this] { ParçaListesi_Click(); });

    EtiketliAlan(ParçaBulKutusu, Etiket[2]);
    BüyükHarfKutusu(ParçaBulKutusu);
    EnterİleSonraki(ParçaBulKutusu);
    connect(ParçaBulKutusu, &QLineEdit::textChanged, this, [this] { ParçaBulKutusu_Change(); });

    EtiketliAlan(FişNoKutusu, Etiket[8]);
    YalnızRakam(FişNoKutusu);
    EnterİleSonraki(FişNoKutusu);

    EtiketliAlan(GirişTarihiKutusu, Etiket[9]);
    TarihKutusu(GirişTarihiKutusu);
    EnterİleSonraki(GirişTarihiKutusu);
    EtiketliAlan(FaturaTarihiKutusu, Etiket[10]);
    TarihKutusu(FaturaTarihiKutusu);
    EnterİleSonraki(FaturaTarihiKutusu);

    for (auto [k, e] : {std::pair{FaturaNoKutusu, Etiket[11]}, std::pair{FaturaVerenKutusu, Etiket[12]}}) {
        EtiketliAlan(k, e);
        BüyükHarfKutusu(k);
        EnterİleSonraki(k);
        AyrılıncaTemizle(k);
    }
    for (auto [k, e] : {std::pair{MiktarıKutusu, Etiket[13]}, std::pair{FiyatıKutusu, Etiket[14]}}) {
        EtiketliAlan(k, e);
        SayıKutusu(k);
        SayıDeğilseGeriAl(k);
        EnterİleSonraki(k);
    }
    EnterİleSonraki(BirimFiyatıOnayı);
    EnterİleSonraki(KdvEklemeOnayı);
    connect(BirimFiyatıOnayı, &QCheckBox::toggled, this, [this] { BirimFiyatıOnayı_Click(); });

    connect(BulDüğmesi, &QPushButton::clicked, this, [this] { BulDüğmesi_Click(); });
    connect(TemizleDüğmesi, &QPushButton::clicked, this, [this] { TemizleDüğmesi_Click(); });
    connect(ParçaTanımlaDüğmesi, &QPushButton::clicked, this, [this] { ParçaTanımlaDüğmesi_Click(); });
    connect(ListeyeEkleDüğmesi, &QPushButton::clicked, this, [this] { ListeyeEkleDüğmesi_Click(); });
    connect(ListeyiAmbaraEkleDüğmesi, &QPushButton::clicked, this, [this] { ListeyiAmbaraEkleDüğmesi_Click(); });
    connect(ListedenÇıkarDüğmesi, &QPushButton::clicked, this, [this] { ListedenÇıkarDüğmesi_Click(); });
    connect(ListeyiTemizleDüğmesi, &QPushButton::clicked, this, [this] { ListeyiTemizleDüğmesi_Click(); });
    GirişYapılacakParçaListesi->çiftTıklandı = [this](int) { ListedenÇıkarDüğmesi_Click(); };
    DenetimAtlatır(KapatDüğmesi);
    connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });
}

void ParçaGirişiFormu::Form_Load() {
    ListeDenetimi* l = GirişYapılacakParçaListesi;
    l->sütunEkle(QStringLiteral("Parça No"), 0);
    l->sütunEkle(QStringLiteral("No"), 500);
    l->sütunEkle(QStringLiteral("Kodu"), 800);
    l->sütunEkle(QStringLiteral("No'su"), 1300);
    l->sütunEkle(QStringLiteral("Adı"), 2300);
    l->sütunEkle(QStringLiteral("Miktarı"), 1100, SütunTürü::Sayı, Qt::AlignRight);
    l->sütunEkle(QStringLiteral("Kdv"), 800, SütunTürü::Metin, Qt::AlignHCenter);
    l->sütunEkle(QStringLiteral("Fiyatı"), 1200, SütunTürü::Sayı, Qt::AlignRight);
    l->sütunEkle(QStringLiteral("Tutarı"), 1300, SütunTürü::Sayı, Qt::AlignRight);
    l->sütunEkle(QStringLiteral("Giriş Tarihi"), 0, SütunTürü::Tarih);
    l->sütunEkle(QStringLiteral("Fatura Tarihi"), 0, SütunTürü::Tarih);
    l->sütunEkle(QStringLiteral("Fatatura No"), 0);
    l->sütunEkle(QStringLiteral("Fatura Veren"), 0);
    try {
        l->düzeniBağla(ListeNo);  // restored now, saved when the window closes, grid lines by the preference
    } catch (...) {
    }
    // A stored value other than 0 or 1 leaves the option as designed.
    auto onayYükle = [](QCheckBox* onay, const QString& anahtar, const QString& varsayılan) {
        try {
            bool tamam = false;
            const int d = AyarOku(QStringLiteral("Ayarlar"), anahtar, varsayılan).trimmed().toInt(&tamam);
            if (tamam && (d == 0 || d == 1)) onay->setChecked(d == 1);
        } catch (...) {
        }
    };
    onayYükle(BirimFiyatıOnayı, QStringLiteral("Birim Fiyati"), QStringLiteral("1"));
    onayYükle(KdvEklemeOnayı, QStringLiteral("Kdv Ekleme"), QStringLiteral("0"));
    BirimFiyatıOnayı_Click();
}

// ---- Finding and showing parts ----

void ParçaGirişiFormu::BulDüğmesi_Click() {
    const auto kodu = rakamDeğeri(BulKutusu);
    if (!kodu || *kodu == 0) return;  // empty, 0, or too long a number: nothing happens
    parçaKutularınıBoşalt();
    ParçaListesi->clear();
    AramaYapıldı = true;
    HataYönetimiyle([&] { SıralıListeyiDoldur(ParçaListesi, KodunParçaları(*kodu)); });
    listeSayısınıYaz();
    if (ParçaListesi->count() > 0) {
        BulKutusu->setText(QString::number(*kodu));
        BulKutusu->setEnabled(false);
        BulDüğmesi->setEnabled(false);
    }
}

void ParçaGirişiFormu::listeSayısınıYaz() {
    Etiket[1]->setText(ParçaListesiBaşlığı(ParçaListesi->count()));
}

void ParçaGirişiFormu::TemizleDüğmesi_Click() {
    BulKutusu->clear();
    if (!AramaYapıldı) return;
    AramaYapıldı = false;
    parçaKutularınıBoşalt();
    ParçaListesi->clear();
    ParçaBulKutusu->clear();
    Etiket[1]->setText(QStringLiteral("&Parça Listesi"));
    BulKutusu->setEnabled(true);
    BulDüğmesi->setEnabled(true);
    BulKutusu->setFocus(Qt::OtherFocusReason);
}

void ParçaGirişiFormu::ParçaTanımlaDüğmesi_Click() {
    const auto kodu = rakamDeğeri(BulKutusu);
    if (!kodu || *kodu == 0) {
        reddet(QStringLiteral("Lütfen, tanımlayacağınız parçanın KODUNU giriniz."), BulKutusu);
        return;
    }
    // The code goes over in its plain form, as the part window's code list holds it.
    BulKutusu->setText(QString::number(*kodu));
    ParçaTanımlaFormu pencere(this);
    pencere.EkleDüğmesi_Click();
    pencere.KoduKutusu->setEditText(BulKutusu->text());
    pencere.KoduKutusu->setEnabled(false);
    pencere.yeniParçaTeslimi = [this](std::int64_t parçaNo, const QString& nosu, const QString& adı) {
        YeniParçayıAl(parçaNo, nosu, adı);
    };
    pencere.exec();
}

void ParçaGirişiFormu::YeniParçayıAl(std::int64_t parçaNo, const QString& nosu, const QString& adı) {
    const int satır = SıralıListeyeEkle(ParçaListesi, ParçaListesiMetni(nosu, adı), parçaNo);
    listeSayısınıYaz();
    BulKutusu->setEnabled(false);
    BulDüğmesi->setEnabled(false);
    AramaYapıldı = true;
    {
        const QSignalBlocker sus(ParçaListesi);
        ParçaListesi->setCurrentRow(satır);
    }
    ParçaListesi_Click();
    (FişNoKutusu->isEnabled() ? FişNoKutusu : MiktarıKutusu)->setFocus(Qt::OtherFocusReason);
}

int ParçaGirişiFormu::seçiliParçaSatırı() const { return SeçiliSatır(ParçaListesi); }

void ParçaGirişiFormu::ParçaListesi_Click() {
    const int satır = seçiliParçaSatırı();
    if (satır < 0) return;
    parçaKutularınıBoşalt();
    HataYönetimiyle([&] {
        if (const auto kodu = rakamDeğeri(BulKutusu)) MarkasıKutusu->setText(MarkaAdı(*kodu));
        if (const auto p = ParçaBilgisiOku(ListeVerisi(ParçaListesi, satır))) {
            seçiliNosu_ = p->nosu;
            AdıKutusu->setText(p->adı);
            KdvOranıKutusu->setText(p->kdvOranı);
            BirimiKutusu->setText(p->birimi);
            AmbarYeriKutusu->setText(p->ambarYeri);
        }
    });
}

void ParçaGirişiFormu::parçaKutularınıBoşalt() {
    for (QLineEdit* k : {AdıKutusu, MarkasıKutusu, KdvOranıKutusu, BirimiKutusu, AmbarYeriKutusu}) k->clear();
    seçiliNosu_.clear();
}

void ParçaGirişiFormu::ParçaBulKutusu_Change() { ÖnekleSeç(ParçaListesi, ParçaBulKutusu->text()); }

void ParçaGirişiFormu::BirimFiyatıOnayı_Click() {
    Etiket[14]->setText(BirimFiyatıOnayı->isChecked() ? QStringLiteral("Birim Fiya&tı :") : QStringLiteral("&Tutarı :"));
}

// ---- The pending lines ----

void ParçaGirişiFormu::ListeyeEkleDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    HataYönetimiyle([&] {
        if (!satırıDenetle()) return;
        if (FişNoKutusu->isEnabled() && !fişNoKuralı()) return;
        const QString parçaNo = QString::number(ListeVerisi(ParçaListesi, seçiliParçaSatırı()));
        for (const auto& s : GirişYapılacakParçaListesi->satırlar()) {
            if (s.hücreler.value(ParçaNoHücresi) != parçaNo) continue;
            if (!EvetMi(QStringLiteral("Seçtiğiniz bu PARÇA listeye daha önce eklenmiş!\n\n"
                                       "AYNI PARÇA'yı bir kez daha eklemek istiyor musunuz?"))) {
                ParçaListesi->setFocus(Qt::OtherFocusReason);
                return;
            }
            break;
        }
        satırıEkle();
    });
}

// The checks of a line, in order; the first that fails refuses it.
bool ParçaGirişiFormu::satırıDenetle() {
    if (seçiliParçaSatırı() < 0) return reddet(QStringLiteral("Lütfen, listeden bir PARÇA seçiniz."), ParçaListesi);
    if (!Giriş::FişNoDenetle(FişNoKutusu)) return false;

    const QString tarihHatası = QStringLiteral("Lütfen, TARİHİ doğru biçimde giriniz.");
    if (GirişTarihiKutusu->text().isEmpty())
        return reddet(QStringLiteral("Lütfen, GİRİŞ TARİHİ'ni giriniz."), GirişTarihiKutusu);
    const auto girişTarihi = TarihOku(GirişTarihiKutusu->text());
    if (!girişTarihi) return reddet(tarihHatası, GirişTarihiKutusu);
    const int yıl = QDate::currentDate().year();
    if (girişTarihi->year() != yıl)
        return reddet(QStringLiteral("Sadece %1 YILI içerisinden bir tarih girebilirsiniz!").arg(yıl), GirişTarihiKutusu);
    if (FaturaTarihiKutusu->text().isEmpty())
        return reddet(QStringLiteral("Lütfen, FATURA TARİHİ'ni giriniz."), FaturaTarihiKutusu);
    if (!TarihOku(FaturaTarihiKutusu->text())) return reddet(tarihHatası, FaturaTarihiKutusu);
    if (FaturaNoKutusu->text().isEmpty()) return reddet(QStringLiteral("Lütfen, FATURA NO'yu giriniz."), FaturaNoKutusu);
    if (FaturaVerenKutusu->text().isEmpty())
        return reddet(QStringLiteral("Lütfen, FATURA VEREN'i giriniz."), FaturaVerenKutusu);
    if (const QString h = Giriş::SayıHatası(MiktarıKutusu->text(), QStringLiteral("MİKTAR"), EnBüyükMiktar); !h.isEmpty())
        return reddet(h, MiktarıKutusu);
    if (const QString h = Giriş::SayıHatası(FiyatıKutusu->text(), QStringLiteral("FİYAT"), EnBüyükFiyat); !h.isEmpty())
        return reddet(h, FiyatıKutusu);
    return true;
}

// The first line's voucher number: one used this year belongs to one brand code.
bool ParçaGirişiFormu::fişNoKuralı() {
    const int yıl = QDate::currentDate().year();
    YılBaşıTarihi = QDate(yıl, 1, 1);
    YılSonuTarihi = QDate(yıl, 12, 31);
    const auto başlık = FişBaşlığıOku(FişCinsi::Giriş, FişNoKutusu->text().toLongLong(), yıl);
    if (!başlık) return true;
    if (başlık->kodu != rakamDeğeri(BulKutusu).value_or(0))
        return reddet(BaşkaKodunFişNosu(FişCinsi::Giriş, başlık->kodu), FişNoKutusu);
    if (!EvetMi(FişeEklemeSorusu(FişCinsi::Giriş))) {
        FişNoKutusu->setFocus(Qt::OtherFocusReason);
        return false;
    }
    GirişTarihiKutusu->setText(KısaTarih(başlık->tarihi));
    FaturaTarihiKutusu->setText(KısaTarih(başlık->faturaTarihi));
    FaturaNoKutusu->setText(başlık->faturaNo);
    FaturaVerenKutusu->setText(başlık->faturaVeren);
    return true;
}

void ParçaGirişiFormu::satırıEkle() {
    ListeDenetimi* l = GirişYapılacakParçaListesi;
    // Priced before anything changes, so a failure adds nothing.
    const GirişFiyatı f = GirişFiyatıHesapla(FiyatıKutusu->text(), KdvOranıKutusu->text(), MiktarıKutusu->text(),
                                             KdvEklemeOnayı->isChecked(), BirimFiyatıOnayı->isChecked());
    const Para öncekiToplam = l->satırSayısı() == 0 ? Para() : ListeToplamı;
    if (const QString h = Giriş::TutarHatası(f.tutar, öncekiToplam); !h.isEmpty()) {
        reddet(h, FiyatıKutusu);
        return;
    }
    const Para toplam = öncekiToplam + Para::sayıdan(f.tutar);

    QStringList h;
    h.reserve(HücreSayısı);
    h << QString::number(ListeVerisi(ParçaListesi, seçiliParçaSatırı())) << QString::number(l->satırSayısı() + 1)
      << BulKutusu->text() << seçiliNosu_ << AdıKutusu->text() << MiktarıKutusu->text() << KdvOranıKutusu->text()
      << GenelSayı(f.birim) << GenelSayı(f.tutar) << GirişTarihiKutusu->text() << FaturaTarihiKutusu->text()
      << FaturaNoKutusu->text() << FaturaVerenKutusu->text();
    l->satırEkle(h, h[ParçaNoHücresi].toLongLong());
    ListeToplamı = toplam;
    ListeToplamıKutusu->setText(BiçimliSayı(ListeToplamı));

    başlığıKilitle(true);
    MiktarıKutusu->clear();
    FiyatıKutusu->clear();
    ParçaBulKutusu->setFocus(Qt::OtherFocusReason);
}

// Locked while lines are pending: the header cannot change and the find cannot be cleared.
void ParçaGirişiFormu::başlığıKilitle(bool kilitli) {
    for (QPushButton* d : {ListeyiAmbaraEkleDüğmesi, ListedenÇıkarDüğmesi, ListeyiTemizleDüğmesi}) d->setEnabled(kilitli);
    TemizleDüğmesi->setEnabled(!kilitli);
    for (QLineEdit* k : {FişNoKutusu, GirişTarihiKutusu, FaturaTarihiKutusu, FaturaNoKutusu, FaturaVerenKutusu})
        k->setEnabled(!kilitli);
}

void ParçaGirişiFormu::ListeyiAmbaraEkleDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    // All lines or none; on a failure or a refusal the list and the header stay.
    ListeDenetimi* l = GirişYapılacakParçaListesi;
    std::optional<GirişEngeli> engel;
    const bool yazıldı = HataYönetimiyle([&] {
        std::vector<GirişSatırı> satırlar;
        for (const auto& s : l->satırlar()) satırlar.push_back(satırKaydı(s.hücreler));
        engel = GirişleriYaz(satırlar, FişNoKutusu->text().toLongLong());
    });
    if (!yazıldı) return;
    if (!engel) {
        ListeyiTemizleDüğmesi_Click();
        return;
    }
    if (!engel->fişNoMesajı.isEmpty()) {
        Bilgi(engel->fişNoMesajı);
    } else {
        // the deleted part's line is selected, ready to be taken out
        const QString parçaNo = QString::number(engel->silinenParçaNo);
        for (int i = 0; i < l->satırSayısı(); ++i) {
            if (l->hücre(i, ParçaNoHücresi) != parçaNo) continue;
            Bilgi(SilinmişParçaMesajı(l->hücre(i, NosuHücresi), l->hücre(i, AdıHücresi)));
            l->satırSeç(i);
            break;
        }
    }
    l->setFocus(Qt::OtherFocusReason);
}

void ParçaGirişiFormu::ListedenÇıkarDüğmesi_Click() {
    ListeDenetimi* l = GirişYapılacakParçaListesi;
    const int seçili = l->seçiliSatır();
    if (seçili < 0) return;
    SeçiliSıra = seçili;
    try {
        ListeToplamı -= paraOlarak(l->hücre(seçili, TutarıHücresi));
    } catch (...) {
    }
    ListeToplamıKutusu->setText(BiçimliSayı(ListeToplamı));
    l->satırSil(seçili);
    for (int i = 0; i < l->satırSayısı(); ++i) l->hücreYaz(i, SıraHücresi, QString::number(i + 1));
    if (l->satırSayısı() == 0) {
        ListeyiTemizleDüğmesi_Click();
        return;
    }
    l->satırSeç(seçili == 0 ? 0 : seçili - 1);
    l->setFocus(Qt::OtherFocusReason);
}

void ParçaGirişiFormu::ListeyiTemizleDüğmesi_Click() {
    GirişYapılacakParçaListesi->temizle();
    başlığıKilitle(false);
    for (QLineEdit* k : {FişNoKutusu, GirişTarihiKutusu, FaturaTarihiKutusu, FaturaNoKutusu, FaturaVerenKutusu,
                         MiktarıKutusu, FiyatıKutusu, ListeToplamıKutusu})
        k->clear();
    ParçaBulKutusu->setFocus(Qt::OtherFocusReason);
}

// ---- Closing ----

void ParçaGirişiFormu::KapatDüğmesi_Click() { reject(); }

void ParçaGirişiFormu::reject() {
    if (!Form_QueryUnload()) return;
    QDialog::reject();
}

bool ParçaGirişiFormu::Form_QueryUnload() {
    if (GirişYapılacakParçaListesi->satırSayısı() > 0 &&
        !EvetMi(QStringLiteral("Listenizde ambara girilmemiş parçalar var, devam ederseniz bu parçalar ambara "
                               "eklenmeyecek!\n\nBu parçaları ambara eklemeden devam etmek istediğinize emin misiniz?")))
        return false;
    try {
        AyarYaz(QStringLiteral("Ayarlar"), QStringLiteral("Birim Fiyati"), BirimFiyatıOnayı->isChecked() ? "1" : "0");
        AyarYaz(QStringLiteral("Ayarlar"), QStringLiteral("Kdv Ekleme"), KdvEklemeOnayı->isChecked() ? "1" : "0");
    } catch (...) {
    }
    return true;
}
