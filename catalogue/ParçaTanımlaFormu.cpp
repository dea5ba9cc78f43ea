#include "catalogue/ParçaTanımlaFormu.h"

#include "catalogue/NoEkleFormu.h"
#include "catalogue/ParçaVerileri.h"
#include "platform/MesajKapısı.h"
#include "platform/SayıTarih.h"
#include "platform/Türkçe.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/ListeKutusu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/Twip.h"

#include <QComboBox>
#include <QCollator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Brand codes are whole numbers of 32 bits.
constexpr std::int64_t EnBüyükKod = 2147483647;

const QString BirimBölümü = QStringLiteral("Listelenecekler\\Birimi");
const QString KdvBölümü = QStringLiteral("Listelenecekler\\Kdv Orani");

std::int64_t parçaNoOf(const QListWidgetItem* öğe) { return öğe->data(Qt::UserRole).toLongLong(); }

QListWidgetItem* yeniÖğe(const QString& metin, std::int64_t veri) {
    auto* öğe = new QListWidgetItem(metin);
    öğe->setData(Qt::UserRole, static_cast<qlonglong>(veri));
    return öğe;
}

// The text a VAT rate is stored as: "##,##0.00", or nothing when it is no number.
QString biçimliOran(const QString& metin) {
    const auto s = SayıOku(metin);
    return s ? BiçimliSayı(*s) : QString();
}

const QString NoAlınmışMesajı = QStringLiteral(
    "Girmeye çalıştığınız ORJİNAL PARÇA NO daha önce girilmiş!\n\nLütfen, değiştirip yeniden deneyiniz.");

bool kodTanımlı(std::int64_t kod) {
    return !VeriTabanı
                .tekDeğer(QStringLiteral("SELECT 1 FROM MarkaBilgileriTablosu WHERE Kodu=?"), {static_cast<qlonglong>(kod)})
                .isNull();
}

// A refusal of the save: the message, then the focus on the box to mend.
std::nullopt_t reddet(const QString& metin, QWidget* kutu) {
    Bilgi(metin);
    if (kutu->isEnabled()) kutu->setFocus();
    return std::nullopt;
}

// Adds to a number list the rows of a part: the text of one column, item data the row's HareketNo.
// The names are fixed texts of this file, never typed ones.
void numaralarıEkle(QListWidget* liste, const QString& metinSütunu, const QString& tablo, const QString& parçaSütunu,
                    qlonglong parçaNo) {
    Sorgu s(VeriTabanı,
            QStringLiteral("SELECT HareketNo, %1 FROM %2 WHERE %3=? ORDER BY HareketNo").arg(metinSütunu, tablo, parçaSütunu),
            {parçaNo});
    while (s.sonraki()) liste->addItem(yeniÖğe(s.metin(metinSütunu), s.tamsayı(QStringLiteral("HareketNo"))));
}

template <class T>
T* adlı(T* w, const QString& ad) {
    w->setObjectName(ad);
    return w;
}

}  // namespace

const QStringList& SabitBirimler() {
    static const QStringList l = {QStringLiteral("ADET"),  QStringLiteral("TAKIM"), QStringLiteral("KUTU"),
                                  QStringLiteral("METRE"), QStringLiteral("LİTRE"), QStringLiteral("KİLOGRAM")};
    return l;
}

const QStringList& SabitKdvOranları() {
    static const QStringList l = {QStringLiteral("0"), QStringLiteral("18")};
    return l;
}

ParçaTanımlaFormu::ParçaTanımlaFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("ParçaTanımlaFormu"));
    setWindowTitle(QStringLiteral("Parça Tanımlama (Ekleme/Değiştirme/Silme)"));
    setFixedSize(TwiptenPiksel(9525), TwiptenPiksel(6390));
    PencereyiSabitle(this);
    kontrolleriKur();
    davranışlarıBağla();
    Form_Load();
}

void ParçaTanımlaFormu::kontrolleriKur() {
    auto çerçeve = [this](int i, const QString& başlık, QWidget* üst, const char* renk) {
        Çerçeve[i] = adlı(new QGroupBox(başlık, üst), QStringLiteral("Çerçeve%1").arg(i));
        Çerçeve[i]->setStyleSheet(QStringLiteral("QGroupBox::title { color: %1; }").arg(QLatin1String(renk)));
        auto* l = new QVBoxLayout(Çerçeve[i]);
        l->setContentsMargins(4, 2, 4, 4);
        Altlık[i] = adlı(new QWidget(Çerçeve[i]), QStringLiteral("Altlık%1").arg(i));
        l->addWidget(Altlık[i]);
    };
    auto etiket = [this](int i, const QString& metin) {
        Etiket[i] = adlı(new QLabel(metin), QStringLiteral("Etiket%1").arg(i));
        return Etiket[i];
    };
    auto düğme = [](const QString& ad, const QString& metin, QWidget* üst) {
        return adlı(new QPushButton(metin, üst), ad);
    };
    auto kutu = [](const QString& ad, int enFazla = 0) {
        auto* k = adlı(new QLineEdit, ad);
        if (enFazla > 0) k->setMaxLength(enFazla);
        return k;
    };
    auto seçmeli = [](const QString& ad, const QStringList& öğeler) {
        auto* k = adlı(new QComboBox, ad);
        k->setEditable(true);
        k->setInsertPolicy(QComboBox::NoInsert);
        k->setCompleter(nullptr);
        k->addItems(öğeler);
        k->setEditText(QString());
        return k;
    };

    // Find frame.
    çerçeve(0, QStringLiteral("Parça Bul "), this, "rgb(0, 0, 192)");
    Çerçeve[0]->setGeometry(TwiptenPiksel(270), TwiptenPiksel(270), TwiptenPiksel(3135), TwiptenPiksel(5835));
    {
        auto* l = new QVBoxLayout(Altlık[0]);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(etiket(0, QStringLiteral("Buluna&cak Parça")));
        BulKutusu = kutu(QStringLiteral("BulKutusu"));
        l->addWidget(BulKutusu);
        auto* satır = new QHBoxLayout;
        çerçeve(1, QStringLiteral("Bulunacak Yer "), Altlık[0], "rgb(128, 128, 255)");
        auto* sl = new QVBoxLayout(Altlık[1]);
        sl->setContentsMargins(0, 0, 0, 0);
        const QString seçenekler[3] = {QStringLiteral("&No'sunda Bul "), QStringLiteral("&Kodu'nda Bul "),
                                       QStringLiteral("A&dı'nda Bul ")};
        for (int i = 0; i < 3; ++i) {
            ParçaBulSeçeneği[i] =
                adlı(new QRadioButton(seçenekler[i]), QStringLiteral("ParçaBulSeçeneği%1").arg(i));
            ParçaBulSeçeneği[i]->setCursor(Qt::PointingHandCursor);
            sl->addWidget(ParçaBulSeçeneği[i]);
        }
        ParçaBulSeçeneği[0]->setChecked(true);
        satır->addWidget(Çerçeve[1], 1);
        auto* dl = new QVBoxLayout;
        BulDüğmesi = düğme(QStringLiteral("BulDüğmesi"), QStringLiteral("B&ul"), nullptr);
        TemizleDüğmesi = düğme(QStringLiteral("TemizleDüğmesi"), QStringLiteral("Temi&zle"), nullptr);
        dl->addStretch();
        for (QPushButton* d : {BulDüğmesi, TemizleDüğmesi}) {
            d->setFixedWidth(TwiptenPiksel(945));  // narrow, so the options keep their whole captions
            dl->addWidget(d);
        }
        satır->addLayout(dl);
        l->addLayout(satır);
        l->addWidget(etiket(1, QStringLiteral("&Parça Listesi")));
        ParçaListesi = adlı(new QListWidget, QStringLiteral("ParçaListesi"));
        ParçaListesi->setSelectionMode(QAbstractItemView::SingleSelection);
        l->addWidget(ParçaListesi, 1);
    }

    // Part frame.
    çerçeve(2, QStringLiteral("Parça Bilgileri "), this, "rgb(0, 0, 192)");
    Çerçeve[2]->setGeometry(TwiptenPiksel(3660), TwiptenPiksel(270), TwiptenPiksel(5565), TwiptenPiksel(2655));
    {
        auto* g = new QGridLayout(Altlık[2]);
        g->setContentsMargins(0, 0, 0, 0);
        g->addWidget(etiket(2, QStringLiteral("K&odu :")), 0, 0);
        KoduKutusu = seçmeli(QStringLiteral("KoduKutusu"), {});
        KoduKutusu->lineEdit()->setMaxLength(10);
        g->addWidget(KoduKutusu, 0, 1);
        g->addWidget(etiket(3, QStringLiteral("&Markası :")), 0, 2);
        MarkasıKutusu = kutu(QStringLiteral("MarkasıKutusu"));
        g->addWidget(MarkasıKutusu, 0, 3);
        g->addWidget(etiket(4, QStringLiteral("&Adı :")), 1, 0);
        AdıKutusu = kutu(QStringLiteral("AdıKutusu"));
        g->addWidget(AdıKutusu, 1, 1, 1, 3);
        g->addWidget(etiket(5, QStringLiteral("No'&su :")), 2, 0);
        NosuKutusu = kutu(QStringLiteral("NosuKutusu"), 25);
        g->addWidget(NosuKutusu, 2, 1, 1, 3);
        g->addWidget(etiket(6, QStringLiteral("Kd&v Oranı :")), 3, 0);
        KdvOranıKutusu = seçmeli(QStringLiteral("KdvOranıKutusu"), SabitKdvOranları());
        g->addWidget(KdvOranıKutusu, 3, 1);
        g->addWidget(etiket(7, QStringLiteral("Bi&rimi :")), 3, 2);
        BirimiKutusu = seçmeli(QStringLiteral("BirimiKutusu"), SabitBirimler());
        g->addWidget(BirimiKutusu, 3, 3);
        g->addWidget(etiket(8, QStringLiteral("Am&bar Yeri :")), 4, 0);
        AmbarYeriKutusu = kutu(QStringLiteral("AmbarYeriKutusu"), 25);
        g->addWidget(AmbarYeriKutusu, 4, 1);
        g->addWidget(etiket(9, QStringLiteral("Mevcut :")), 4, 2);
        MevcutKutusu = kutu(QStringLiteral("MevcutKutusu"));
        MevcutKutusu->setReadOnly(true);
        g->addWidget(MevcutKutusu, 4, 3);
        g->setColumnStretch(1, 1);
        g->setColumnStretch(3, 1);
    }
    MarkasıKutusu->setEnabled(false);
    Çerçeve[2]->setEnabled(false);

    // Number frame.
    çerçeve(3, QStringLiteral("No Bilgileri "), this, "rgb(0, 0, 192)");
    Çerçeve[3]->setGeometry(TwiptenPiksel(3660), TwiptenPiksel(3090), TwiptenPiksel(5565), TwiptenPiksel(2295));
    {
        auto* g = new QGridLayout(Altlık[3]);
        g->setContentsMargins(0, 0, 0, 0);
        NoListesiSeçeneği[0] = adlı(new QRadioButton(QStringLiteral("Değişen No'lar")), QStringLiteral("NoListesiSeçeneği0"));
        NoListesiSeçeneği[1] =
            adlı(new QRadioButton(QStringLiteral("Bağlantılı No'lar")), QStringLiteral("NoListesiSeçeneği1"));
        g->addWidget(NoListesiSeçeneği[0], 0, 0);
        g->addWidget(NoListesiSeçeneği[1], 0, 1);
        DeğişenNoListesi = adlı(new QListWidget, QStringLiteral("DeğişenNoListesi"));
        BağlantıNoListesi = adlı(new QListWidget, QStringLiteral("BağlantıNoListesi"));
        g->addWidget(DeğişenNoListesi, 1, 0);
        g->addWidget(BağlantıNoListesi, 1, 1);
        auto* dl = new QVBoxLayout;
        NoEkleKaydetDüğmesi = düğme(QStringLiteral("NoEkleKaydetDüğmesi"), QStringLiteral("No Ekle"), nullptr);
        NoSilVazgeçDüğmesi = düğme(QStringLiteral("NoSilVazgeçDüğmesi"), QStringLiteral("No Sil"), nullptr);
        dl->addWidget(NoEkleKaydetDüğmesi);
        dl->addWidget(NoSilVazgeçDüğmesi);
        dl->addStretch();
        g->addLayout(dl, 1, 2);
    }
    NoEkleKaydetDüğmesi->setEnabled(false);
    NoSilVazgeçDüğmesi->setEnabled(false);
    Çerçeve[3]->setEnabled(false);

    // Main buttons, in a row below the frames.
    EkleDüğmesi = düğme(QStringLiteral("EkleDüğmesi"), QStringLiteral("Parça &Ekle"), this);
    DeğiştirDüğmesi = düğme(QStringLiteral("DeğiştirDüğmesi"), QStringLiteral("Değişiklik &Yap"), this);
    SilKaydetDüğmesi = düğme(QStringLiteral("SilKaydetDüğmesi"), QStringLiteral("Parça S&il"), this);
    KapatVazgeçDüğmesi = düğme(QStringLiteral("KapatVazgeçDüğmesi"), QStringLiteral("Kapat (Esc)"), this);
    QPushButton* düğmeler[4] = {EkleDüğmesi, DeğiştirDüğmesi, SilKaydetDüğmesi, KapatVazgeçDüğmesi};
    for (int i = 0; i < 4; ++i) düğmeler[i]->setGeometry(TwiptenPiksel(3660 + i * 1410), TwiptenPiksel(5640), TwiptenPiksel(1335), TwiptenPiksel(345));
    DeğiştirDüğmesi->setEnabled(false);
    SilKaydetDüğmesi->setEnabled(false);

    // Each label's accelerator moves to its box.
    QWidget* kutular[9] = {BulKutusu,    ParçaListesi,   KoduKutusu,   MarkasıKutusu,  AdıKutusu,
                           NosuKutusu,   KdvOranıKutusu, BirimiKutusu, AmbarYeriKutusu};
    for (int i = 0; i < 9; ++i) Etiket[i]->setBuddy(kutular[i]);
    Etiket[9]->setBuddy(MevcutKutusu);
}

void ParçaTanımlaFormu::davranışlarıBağla() {
    using namespace Giriş;
    EtiketliAlan(BulKutusu, Etiket[0]);
    EnterİleSonraki(BulKutusu, [this] { BulDüğmesi_Click(); });
    Yasakla(BulKutusu, QStringLiteral("?'#*"));
    BüyükHarfKutusu(BulKutusu);

    EtiketliAlan(ParçaListesi, Etiket[1], false);
    OklarİlkSatırdanBaşlar(ParçaListesi);
    connect(ParçaListesi, &QListWidget::itemSelectionChanged, this, [this] { ParçaListesi_Click(); });

    EtiketliAlan(KoduKutusu, Etiket[2]);
    EnterİleSonraki(KoduKutusu);
    YalnızRakam(KoduKutusu);
    // typing and picking an entry of the list both look the brand up
    connect(KoduKutusu, &QComboBox::editTextChanged, this, [this] { KoduKutusu_Change(); });

    for (QLineEdit* k : {MarkasıKutusu, AdıKutusu, NosuKutusu, AmbarYeriKutusu}) {
        EtiketliAlan(k, Etiket[k == MarkasıKutusu ? 3 : k == AdıKutusu ? 4 : k == NosuKutusu ? 5 : 8]);
        EnterİleSonraki(k);
        BüyükHarfKutusu(k);
        AyrılıncaTemizle(k);
    }

    EtiketliAlan(KdvOranıKutusu, Etiket[6], false);
    EnterİleSonraki(KdvOranıKutusu);
    SayıKutusu(KdvOranıKutusu);
    SayıDeğilseGeriAl(KdvOranıKutusu->lineEdit());

    EtiketliAlan(BirimiKutusu, Etiket[7]);
    EnterİleSonraki(BirimiKutusu);
    BüyükHarfKutusu(BirimiKutusu);
    AyrılıncaTemizle(BirimiKutusu);

    for (auto* s : NoListesiSeçeneği) connect(s, &QRadioButton::clicked, this, [this] { NoListesiSeçeneği_Click(); });

    connect(BulDüğmesi, &QPushButton::clicked, this, [this] { BulDüğmesi_Click(); });
    connect(TemizleDüğmesi, &QPushButton::clicked, this, [this] { TemizleDüğmesi_Click(); });
    connect(EkleDüğmesi, &QPushButton::clicked, this, [this] { EkleDüğmesi_Click(); });
    connect(DeğiştirDüğmesi, &QPushButton::clicked, this, [this] { DeğiştirDüğmesi_Click(); });
    connect(SilKaydetDüğmesi, &QPushButton::clicked, this, [this] { SilKaydetDüğmesi_Click(); });
    connect(KapatVazgeçDüğmesi, &QPushButton::clicked, this, [this] { KapatVazgeçDüğmesi_Click(); });
    connect(NoEkleKaydetDüğmesi, &QPushButton::clicked, this, [this] { NoEkleKaydetDüğmesi_Click(); });
    connect(NoSilVazgeçDüğmesi, &QPushButton::clicked, this, [this] { NoSilVazgeçDüğmesi_Click(); });

    DenetimAtlatır(KapatVazgeçDüğmesi);
    VarsayılanDüğmeleriKapat(this);
}

void ParçaTanımlaFormu::Form_Load() {
    try {
        kodlarıYükle();
    } catch (const std::exception&) {
    }
    try {
        HatırlananlarıYükle(BirimiKutusu, BirimBölümü);
        BirimiKutusu->setEditText(QString());
    } catch (const std::exception&) {
    }
    try {
        HatırlananlarıYükle(KdvOranıKutusu, KdvBölümü);
        KdvOranıKutusu->setEditText(QString());
    } catch (const std::exception&) {
    }
    BulKutusu->setFocus();
}

void ParçaTanımlaFormu::kodlarıYükle() {
    QStringList kodlar;
    Sorgu s(VeriTabanı, QStringLiteral("SELECT Kodu FROM MarkaBilgileriTablosu ORDER BY Kodu"));
    while (s.sonraki()) kodlar << QString::number(s.tamsayı(QStringLiteral("Kodu")));
    // the typed code stays in the box while its list is filled again
    const QString yazılan = KoduKutusu->currentText();
    {
        const QSignalBlocker b(KoduKutusu);
        KoduKutusu->clear();
        KoduKutusu->addItems(kodlar);
        KoduKutusu->setEditText(yazılan);
    }
}

QStringList ParçaTanımlaFormu::KodListesi() const {
    QStringList l;
    for (int i = 0; i < KoduKutusu->count(); ++i) l << KoduKutusu->itemText(i);
    return l;
}

void ParçaTanımlaFormu::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
        KapatVazgeçDüğmesi_Click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

bool ParçaTanımlaFormu::düzenlemede() const { return Çerçeve[2]->isEnabledTo(this); }

void ParçaTanımlaFormu::parçaKutularınıBoşalt() {
    KoduKutusu->setEditText(QString());
    NosuKutusu->clear();
    AdıKutusu->clear();
    MarkasıKutusu->clear();
    KdvOranıKutusu->setEditText(QString());
    BirimiKutusu->setEditText(QString());
    AmbarYeriKutusu->clear();
    MevcutKutusu->clear();
}

// No part shown: empty boxes and number lists, nothing to change or delete.
void ParçaTanımlaFormu::hiçbirParçaGösterme() {
    parçaKutularınıBoşalt();
    DeğişenNoListesi->clear();
    BağlantıNoListesi->clear();
    DeğiştirDüğmesi->setEnabled(false);
    SilKaydetDüğmesi->setEnabled(false);
}

void ParçaTanımlaFormu::seçenekleriBırak() {
    for (auto* s : NoListesiSeçeneği) s->setAutoExclusive(false);
    for (auto* s : NoListesiSeçeneği) s->setChecked(false);
    for (auto* s : NoListesiSeçeneği) s->setAutoExclusive(true);
}

int ParçaTanımlaFormu::sıralıKonum(const QString& ad) const {
    int alt = 0, üst = ParçaListesi->count();
    while (alt < üst) {
        const int orta = (alt + üst) / 2;
        if (TürkçeKarşılaştır(ParçaListesi->item(orta)->text(), ad) <= 0) alt = orta + 1;
        else üst = orta;
    }
    return alt;
}

// ---- Finding ----

void ParçaTanımlaFormu::BulDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    const QString metin = BulKutusu->text().trimmed();
    BulKutusu->setText(metin);
    if (metin.isEmpty()) return;

    {
        const QSignalBlocker b(ParçaListesi);
        ParçaListesi->clear();
    }
    hiçbirParçaGösterme();

    const bool koddan = !ParçaBulSeçeneği[0]->isChecked() && ParçaBulSeçeneği[1]->isChecked();
    const std::int64_t kod = TamSayıDeğeri(metin);
    HataYönetimiyle([&] {
        QString koşul;
        QVariantList değerler;
        if (ParçaBulSeçeneği[0]->isChecked()) {
            koşul = QStringLiteral("Nosu >= ? AND Nosu < ?");
            değerler = {metin, ÖnekÜstSınırı(metin)};
        } else if (koddan) {
            koşul = QStringLiteral("Kodu = ?");
            değerler = {static_cast<qlonglong>(kod)};
        } else {
            koşul = QStringLiteral("Adi >= ? AND Adi < ?");
            değerler = {metin, ÖnekÜstSınırı(metin)};
        }
        struct Satır {
            QString adı;
            std::int64_t parçaNo;
            QCollatorSortKey anahtar;
        };
        std::vector<Satır> satırlar;
        Sorgu s(VeriTabanı, QStringLiteral("SELECT ParcaNo, Adi FROM ParcaBilgileriTablosu WHERE ") + koşul, değerler);
        while (s.sonraki()) {
            const QString adı = s.metin(QStringLiteral("Adi"));
            satırlar.push_back({adı, s.tamsayı(QStringLiteral("ParcaNo")), TürkçeSıralamaAnahtarı(adı)});
        }
        // the list is ordered by name, the Turkish way (one sort key a row is far
        // cheaper than the collation compared pair by pair)
        std::stable_sort(satırlar.begin(), satırlar.end(),
                         [](const Satır& a, const Satır& b) { return a.anahtar.compare(b.anahtar) < 0; });
        const QSignalBlocker b(ParçaListesi);
        ParçaListesi->setUpdatesEnabled(false);
        for (const auto& satır : satırlar) ParçaListesi->addItem(yeniÖğe(satır.adı, satır.parçaNo));
        ParçaListesi->setUpdatesEnabled(true);
    });
    AramaYapıldı = true;

    listeSayısınıYaz();
    if (ParçaListesi->count() > 0) {
        if (koddan) BulKutusu->setText(QString::number(kod));
        BulKutusu->setEnabled(false);
        BulDüğmesi->setEnabled(false);
        Çerçeve[1]->setEnabled(false);
    }
}

// The list's label counts its rows, also after a part is added or deleted.
void ParçaTanımlaFormu::listeSayısınıYaz() { Etiket[1]->setText(ParçaListesiBaşlığı(ParçaListesi->count())); }

void ParçaTanımlaFormu::TemizleDüğmesi_Click() {
    BulKutusu->clear();
    if (!AramaYapıldı) return;
    AramaYapıldı = false;
    {
        const QSignalBlocker b(ParçaListesi);
        ParçaListesi->clear();
    }
    hiçbirParçaGösterme();
    Etiket[1]->setText(QStringLiteral("&Parça Listesi"));
    BulKutusu->setEnabled(true);
    BulDüğmesi->setEnabled(true);
    Çerçeve[1]->setEnabled(true);
    BulKutusu->setFocus();
}

// ---- Showing a part ----

void ParçaTanımlaFormu::ParçaListesi_Click() {
    const int satır = SeçiliSatır(ParçaListesi);
    if (satır < 0) {
        hiçbirParçaGösterme();
        return;
    }
    const qlonglong n = parçaNoOf(ParçaListesi->item(satır));

    bool bulundu = true;
    HataYönetimiyle([&] {
        Sorgu s(VeriTabanı,
                QStringLiteral("SELECT Kodu, Nosu, Adi, KdvOrani, Birimi, AmbarYeri FROM ParcaBilgileriTablosu "
                               "WHERE ParcaNo=?"),
                {n});
        if (!s.sonraki()) {
            bulundu = false;  // removed meanwhile from another seat
            return;
        }
        KoduKutusu->setEditText(QString::number(s.tamsayı(QStringLiteral("Kodu"))));
        SeçiliNosu = s.metin(QStringLiteral("Nosu"));
        NosuKutusu->setText(SeçiliNosu);
        AdıKutusu->setText(s.metin(QStringLiteral("Adi")));
        KdvOranıKutusu->setEditText(s.metin(QStringLiteral("KdvOrani")));
        BirimiKutusu->setEditText(s.metin(QStringLiteral("Birimi")));
        AmbarYeriKutusu->setText(s.metin(QStringLiteral("AmbarYeri")));
    });
    if (!bulundu) {
        hiçbirParçaGösterme();
        return;
    }
    HataYönetimiyle([&] { MevcutKutusu->setText(GenelSayı(ParçaStokMiktarı(n))); });

    // Links: first those stored from this part's side, then those from the other's.
    BağlantıNoListesi->clear();
    HataYönetimiyle([&] {
        numaralarıEkle(BağlantıNoListesi, QStringLiteral("BaglantiNosu"), QStringLiteral("BaglantiNoBilgileriTablosu"),
                       QStringLiteral("ParcaNo"), n);
        numaralarıEkle(BağlantıNoListesi, QStringLiteral("Nosu"), QStringLiteral("BaglantiNoBilgileriTablosu"),
                       QStringLiteral("BaglantiNo"), n);
    });
    DeğişenNoListesi->clear();
    HataYönetimiyle([&] {
        numaralarıEkle(DeğişenNoListesi, QStringLiteral("DegisenNo"), QStringLiteral("DegisenNoBilgileriTablosu"),
                       QStringLiteral("ParcaNo"), n);
    });

    DeğiştirDüğmesi->setEnabled(true);
    SilKaydetDüğmesi->setEnabled(true);
}

// ---- States ----

void ParçaTanımlaFormu::EkleDüğmesi_Click() {
    parçaKutularınıBoşalt();
    Çerçeve[0]->setEnabled(false);
    Çerçeve[2]->setEnabled(true);
    MevcutKutusu->setEnabled(false);
    EkleDüğmesi->setEnabled(false);
    DeğiştirDüğmesi->setEnabled(false);
    SilKaydetDüğmesi->setEnabled(true);
    SilKaydetDüğmesi->setText(QStringLiteral("Kaydet"));
    KapatVazgeçDüğmesi->setText(QStringLiteral("Vazgeç"));
    Değiştiriliyor = false;
    if (isVisible()) KoduKutusu->setFocus();
}

void ParçaTanımlaFormu::DeğiştirDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    KoduKutusu->setEnabled(false);
    MevcutKutusu->setEnabled(false);
    Çerçeve[0]->setEnabled(false);
    Çerçeve[2]->setEnabled(true);
    Çerçeve[3]->setEnabled(true);
    NoEkleKaydetDüğmesi->setEnabled(true);
    NoSilVazgeçDüğmesi->setEnabled(true);
    NoListesiSeçeneği[0]->setChecked(true);
    NoListesiSeçeneği_Click();
    EkleDüğmesi->setEnabled(false);
    DeğiştirDüğmesi->setEnabled(false);
    SilKaydetDüğmesi->setEnabled(true);
    SilKaydetDüğmesi->setText(QStringLiteral("Kaydet"));
    KapatVazgeçDüğmesi->setText(QStringLiteral("Vazgeç"));
    Değiştiriliyor = true;
    AdıKutusu->setFocus();
}

void ParçaTanımlaFormu::gözatmaDurumunaDön(const QString& silBaşlığı) {
    KoduKutusu->setEnabled(true);
    MevcutKutusu->setEnabled(true);
    Çerçeve[2]->setEnabled(false);
    Çerçeve[3]->setEnabled(false);
    NoEkleKaydetDüğmesi->setEnabled(false);
    NoSilVazgeçDüğmesi->setEnabled(false);
    seçenekleriBırak();
    EkleDüğmesi->setEnabled(true);
    SilKaydetDüğmesi->setText(silBaşlığı);
    KapatVazgeçDüğmesi->setText(QStringLiteral("Kapat (Esc)"));
    Çerçeve[0]->setEnabled(true);
}

void ParçaTanımlaFormu::KapatVazgeçDüğmesi_Click() {
    if (!düzenlemede()) {
        reject();
        return;
    }
    if (yeniParçaTeslimi) {  // opened by the receipt window: cancelling closes
        reject();
        return;
    }
    MarkasıKutusu->setEnabled(false);
    gözatmaDurumunaDön(QStringLiteral("Parça &Sil"));
    SilKaydetDüğmesi->setEnabled(false);
    ParçaListesi_Click();
}

// ---- Field handlers ----

void ParçaTanımlaFormu::KoduKutusu_Change() {
    const QString metin = KoduKutusu->currentText();
    if (metin.isEmpty()) {
        MarkasıKutusu->clear();
        return;
    }
    try {
        Sorgu s(VeriTabanı, QStringLiteral("SELECT Markasi FROM MarkaBilgileriTablosu WHERE Kodu=?"),
                {static_cast<qlonglong>(TamSayıDeğeri(metin))});
        if (s.sonraki()) {
            MarkasıKutusu->setText(s.metin(QStringLiteral("Markasi")));
            MarkasıKutusu->setEnabled(false);
        } else {
            MarkasıKutusu->clear();
        }
    } catch (const std::exception&) {
    }
}

// ---- Saving and deleting ----

void ParçaTanımlaFormu::SilKaydetDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    if (const int satır = SeçiliSatır(ParçaListesi); satır > -1) {
        seçiliSıra_ = satır;
        SeçiliParçaNo = parçaNoOf(ParçaListesi->item(satır));
    }
    if (düzenlemede()) kaydet();
    else sil();
}

std::optional<ParçaTanımlaFormu::Kayıt> ParçaTanımlaFormu::kayıtDenetimleri() {
    Kayıt k;
    const QString kodMetni = KoduKutusu->currentText().trimmed();
    if (kodMetni.isEmpty()) return reddet(QStringLiteral("KODU boş bırakılamaz!"), KoduKutusu);
    k.kod = TamSayıDeğeri(kodMetni);
    if (k.kod == 0) return reddet(QStringLiteral("KODU (0) sıfır olamaz!"), KoduKutusu);
    if (k.kod > EnBüyükKod)
        return reddet(QStringLiteral("KODU en fazla %1 olabilir!").arg(EnBüyükKod), KoduKutusu);
    k.adı = Giriş::TemizMetin(AdıKutusu->text());
    if (k.adı.isEmpty()) return reddet(QStringLiteral("Parça ADI boş bırakılamaz!"), AdıKutusu);

    // Is the code defined: its value against the table ("007" is code 7).
    bool tanımlı = false;
    if (!HataYönetimiyle([&] { tanımlı = kodTanımlı(k.kod); })) return std::nullopt;
    if (!tanımlı && !MarkasıKutusu->isEnabled()) {
        tanımsızKoduSor();
        return std::nullopt;
    }
    k.markası = Giriş::TemizMetin(MarkasıKutusu->text());
    if (k.markası.isEmpty()) return reddet(QStringLiteral("MARKASI boş bırakılamaz!"), MarkasıKutusu);
    k.markaTanımlanacak = MarkasıKutusu->isEnabled() && !tanımlı;

    k.nosu = Giriş::TemizMetin(NosuKutusu->text());
    if (k.nosu.isEmpty()) {
        if (!EvetMi(QStringLiteral("Parça NOSU'nu boş bırakmak istiyor musunuz?"))) {
            NosuKutusu->setFocus();
            return std::nullopt;
        }
    } else {
        bool alınmış = false;
        if (!HataYönetimiyle([&] { alınmış = noAlınmış(k); })) return std::nullopt;
        if (alınmış) return reddet(NoAlınmışMesajı, NosuKutusu);
    }

    k.kdvOranı = biçimliOran(KdvOranıKutusu->currentText().trimmed());
    k.birimi = Giriş::TemizMetin(BirimiKutusu->currentText());
    k.ambarYeri = Giriş::TemizMetin(AmbarYeriKutusu->text());
    return k;
}

void ParçaTanımlaFormu::tanımsızKoduSor() {
    if (EvetMi(QStringLiteral("Bu KOD daha önce tanımlanmamış!\n\nŞimdi tanımlamak ister misiniz?"))) {
        MarkasıKutusu->setEnabled(true);
        MarkasıKutusu->setFocus();
    } else if (KoduKutusu->isEnabled()) {
        KoduKutusu->setFocus();
    }
}

// Whether another part of the code has the number; in the change state the part
// may keep its own number. An empty number is never taken.
bool ParçaTanımlaFormu::noAlınmış(const Kayıt& k) const {
    if (k.nosu.isEmpty() || (Değiştiriliyor && k.nosu == SeçiliNosu)) return false;
    return !VeriTabanı
                .tekDeğer(QStringLiteral("SELECT 1 FROM ParcaBilgileriTablosu WHERE Kodu=? AND Nosu=? AND ParcaNo<>?"),
                          {static_cast<qlonglong>(k.kod), k.nosu,
                           static_cast<qlonglong>(Değiştiriliyor ? SeçiliParçaNo : 0)})
                .isNull();
}

ParçaTanımlaFormu::Engel ParçaTanımlaFormu::kaydıYaz(const Kayıt& k) {
    // The brand row and the part row are stored together or not at all, under the
    // write lock; the checks made before hold again, as the store stands now.
    Engel engel = Engel::Hata;
    HataYönetimiyle([&] {
        İşlem tx(VeriTabanı);
        if (kodTanımlı(k.kod) == k.markaTanımlanacak) {
            engel = k.markaTanımlanacak ? Engel::KodTanımlanmış : Engel::KodSilinmiş;
            return;
        }
        if (Değiştiriliyor && !ParçaVarMı(SeçiliParçaNo)) {
            engel = Engel::ParçaSilinmiş;
            return;
        }
        if (noAlınmış(k)) {
            engel = Engel::NoAlınmış;
            return;
        }
        if (k.markaTanımlanacak)
            VeriTabanı.çalıştır(QStringLiteral("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (?, ?)"),
                                {static_cast<qlonglong>(k.kod), k.markası});
        const QVariantList değerler = {static_cast<qlonglong>(k.kod), k.nosu, k.adı,
                                       k.kdvOranı.isEmpty() ? QVariant() : QVariant(k.kdvOranı), k.birimi,
                                       k.ambarYeri};
        std::int64_t parçaNo = SeçiliParçaNo;
        if (!Değiştiriliyor) {
            VeriTabanı.çalıştır(QStringLiteral("INSERT INTO ParcaBilgileriTablosu "
                                               "(Kodu, Nosu, Adi, KdvOrani, Birimi, AmbarYeri) "
                                               "VALUES (?, ?, ?, ?, ?, ?)"),
                                değerler);
            parçaNo = VeriTabanı.sonEklenenNo();
        } else {
            VeriTabanı.çalıştır(QStringLiteral("UPDATE ParcaBilgileriTablosu SET Kodu=?, Nosu=?, Adi=?, KdvOrani=?, "
                                               "Birimi=?, AmbarYeri=? WHERE ParcaNo=?"),
                                değerler + QVariantList{static_cast<qlonglong>(SeçiliParçaNo)});
        }
        tx.onayla();
        SeçiliParçaNo = parçaNo;
        engel = Engel::Yok;
    });
    return engel;
}

// Tells why the save stopped inside its transaction; the window stays as it is,
// with what was typed, for another try.
void ParçaTanımlaFormu::engeliBildir(Engel engel) {
    switch (engel) {
    case Engel::NoAlınmış:
        reddet(NoAlınmışMesajı, NosuKutusu);
        break;
    case Engel::ParçaSilinmiş: {
        const auto* öğe = ParçaListesi->item(seçiliSıra_);
        Bilgi(SilinmişParçaMesajı(SeçiliNosu, öğe ? öğe->text() : AdıKutusu->text()));
        break;
    }
    case Engel::KodTanımlanmış:
    case Engel::KodSilinmiş:
        // the code's brand as the store has it now
        HataYönetimiyle([&] {
            kodlarıYükle();
            KoduKutusu_Change();
        });
        if (engel == Engel::KodSilinmiş) {
            tanımsızKoduSor();
        } else {
            Bilgi(QStringLiteral("Bu KOD başka bir kullanıcı tarafından tanımlanmış!\n\n"
                                 "Lütfen, MARKASI'nı kontrol edip yeniden deneyiniz."));
        }
        break;
    case Engel::Yok:
    case Engel::Hata:
        break;
    }
}

void ParçaTanımlaFormu::kaydet() {
    const auto kayıt = kayıtDenetimleri();
    if (!kayıt) return;
    if (const Engel engel = kaydıYaz(*kayıt); engel != Engel::Yok) {
        engeliBildir(engel);
        return;
    }

    if (kayıt->markaTanımlanacak) {
        try {
            kodlarıYükle();
        } catch (const std::exception&) {
        }
        MarkasıKutusu->setEnabled(false);
        KoduKutusu->setEditText(QString::number(kayıt->kod));
    }

    if (!Değiştiriliyor && yeniParçaTeslimi) {
        yeniParçaTeslimi(SeçiliParçaNo, kayıt->nosu, kayıt->adı);
    } else {
        // a new part takes its place by name; a changed one stays where it was
        const int konum = Değiştiriliyor ? seçiliSıra_ : sıralıKonum(kayıt->adı);
        {
            const QSignalBlocker b(ParçaListesi);
            if (Değiştiriliyor) delete ParçaListesi->takeItem(konum);
            ParçaListesi->insertItem(konum, yeniÖğe(kayıt->adı, SeçiliParçaNo));
            ParçaListesi->setCurrentRow(konum);
        }
        listeSayısınıYaz();
        ParçaListesi_Click();
    }

    gözatmaDurumunaDön(QStringLiteral("Parça Sil"));

    HataYönetimiyle([&] {
        DeğeriHatırla(BirimiKutusu, BirimBölümü, QStringLiteral("Birim"), kayıt->birimi, SabitBirimler());
        DeğeriHatırla(KdvOranıKutusu, KdvBölümü, QStringLiteral("Oran"), kayıt->kdvOranı, SabitKdvOranları());
    });

    if (yeniParçaTeslimi) {
        accept();
        return;
    }
    ParçaListesi->setFocus();
}

void ParçaTanımlaFormu::sil() {
    const int satır = SeçiliSatır(ParçaListesi);
    if (satır < 0) return;
    const qlonglong n = SeçiliParçaNo;
    const QString girişVarMesajı =
        QStringLiteral("Bu parçadan GİRİŞ yapıldığı için, önce bu giriş işlemlerini silmeniz gerekir!");
    bool girişVar = false;
    if (!HataYönetimiyle([&] { girişVar = ParçadanGirişVarMı(n); })) return;
    if (girişVar) {
        Bilgi(girişVarMesajı);
        return;
    }
    if (!EvetMi(QLatin1Char('"') + ParçaListesi->item(satır)->text() +
                QStringLiteral("\" adlı bu parçayı silmek istediğinizden emin misiniz?")))
        return;

    // A receipt stored by another workstation while the question was open keeps the part.
    bool silindi = false;
    if (!HataYönetimiyle([&] { silindi = ParçayıSil(n); })) return;
    if (!silindi) {
        Bilgi(girişVarMesajı);
        return;
    }

    {
        const QSignalBlocker b(ParçaListesi);
        delete ParçaListesi->takeItem(satır);
    }
    listeSayısınıYaz();
    if (ParçaListesi->count() == 0) {
        hiçbirParçaGösterme();
        return;
    }
    {
        const QSignalBlocker b(ParçaListesi);
        ParçaListesi->setCurrentRow(std::max(0, satır - 1));
    }
    ParçaListesi_Click();
}

// ---- Superseded numbers and links ----

void ParçaTanımlaFormu::NoListesiSeçeneği_Click() {
    const bool değişen = NoListesiSeçeneği[0]->isChecked();
    DeğişenNoListesi->setEnabled(değişen);
    BağlantıNoListesi->setEnabled(!değişen);
}

void ParçaTanımlaFormu::NoEkleKaydetDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    const int satır = SeçiliSatır(ParçaListesi);
    if (satır < 0) return;
    const bool değişen = NoListesiSeçeneği[0]->isChecked();
    NoEkleFormu f(değişen ? NoEkleFormu::Tür::DeğişenNo : NoEkleFormu::Tür::BağlantıNo,
                  parçaNoOf(ParçaListesi->item(satır)), NosuKutusu->text(), ParçaListesi->item(satır)->text(), this);
    f.setWindowTitle(değişen ? QStringLiteral("Değişen No Ekle") : QStringLiteral("Bağlantı No Ekle"));
    f.EkleKaydetDüğmesi_Click();
    f.exec();
}

void ParçaTanımlaFormu::NoSilVazgeçDüğmesi_Click() {
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    const bool değişen = NoListesiSeçeneği[0]->isChecked();
    QListWidget* liste = değişen ? DeğişenNoListesi : BağlantıNoListesi;
    const int satır = SeçiliSatır(liste);
    if (satır < 0) return;
    if (!EvetMi(değişen ? QStringLiteral("Seçtiğiniz \"Değişen No\"yu silmek istiyor musunuz?")
                        : QStringLiteral("Seçtiğiniz \"Bağlantı No\"yu silmek istiyor musunuz?")))
        return;
    const qlonglong hareketNo = liste->item(satır)->data(Qt::UserRole).toLongLong();
    if (!HataYönetimiyle([&] {
            VeriTabanı.çalıştır(değişen ? QStringLiteral("DELETE FROM DegisenNoBilgileriTablosu WHERE HareketNo=?")
                                        : QStringLiteral("DELETE FROM BaglantiNoBilgileriTablosu WHERE HareketNo=?"),
                                {hareketNo});
        }))
        return;
    delete liste->takeItem(satır);
}
