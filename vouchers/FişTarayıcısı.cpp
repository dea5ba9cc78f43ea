#include "vouchers/FişTarayıcısı.h"

#include "platform/MesajKapısı.h"
#include "platform/VeritabanıBağlantısı.h"
#include "shell/ArşivModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/Twip.h"
#include "shell/YazdırmaVeAktarmaModülü.h"
#include "vouchers/FişNoveTarihDeğiştirFormu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace {

const QColor MarkaRengi(192, 64, 0);

// The voucher-number column of the listed year, one of two fixed names.
QString fişNoSütunu() {
    return FişNoAlanı == QLatin1String("ArsivFisNo") ? QStringLiteral("ArsivFisNo") : QStringLiteral("FisNo");
}

void yılSınırlarınıKoy() {
    YılBaşıTarihi = QDate(ListelenenYıl, 1, 1);
    YılSonuTarihi = QDate(ListelenenYıl, 12, 31);
}

QPushButton* düğme(const QString& ad, const QString& metin, QWidget* üst) {
    auto* d = new QPushButton(metin, üst);
    d->setObjectName(ad);
    return d;
}

}  // namespace

FişTarayıcısı::FişTarayıcısı(QWidget* sahip, const FişTürü& tür) : QDialog(sahip), tür_(tür) {
    setObjectName(QString::fromUtf16(tür.pencereAdı));

    const QString etiketler[] = {QStringLiteral("&Fiş Listesi"), QStringLiteral("&Arşivlenen Yılı Seç :"),
                                 QString::fromUtf16(tür.listeEtiketi)};
    for (int i = 0; i < 3; ++i) {
        Etiket[i] = new QLabel(etiketler[i], this);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
    }
    for (int i = 0; i < 2; ++i) {
        Altlık[i] = new QWidget(this);
        Altlık[i]->setObjectName(QStringLiteral("Altlık%1").arg(i));
    }

    // The tree and the archive year
    FişListesi = new QTreeWidget(this);
    FişListesi->setObjectName(QStringLiteral("FişListesi"));
    FişListesi->setHeaderHidden(true);
    FişListesi->setColumnCount(1);
    FişListesi->setFixedWidth(220);
    Etiket[0]->setBuddy(FişListesi);
    YazdırılanlarıGösterOnayı = new QCheckBox(QStringLiteral("Sadece ya&zdırılan fişleri göster "), this);
    YazdırılanlarıGösterOnayı->setObjectName(QStringLiteral("YazdırılanlarıGösterOnayı"));
    YazdırılanlarıGösterOnayı->setCursor(Qt::PointingHandCursor);
    YılListesiKutusu = new QComboBox(Altlık[0]);
    YılListesiKutusu->setObjectName(QStringLiteral("YılListesiKutusu"));
    Etiket[1]->setParent(Altlık[0]);
    Etiket[1]->setBuddy(YılListesiKutusu);
    auto* yılDüzeni = new QHBoxLayout(Altlık[0]);
    yılDüzeni->setContentsMargins(0, 0, 0, 0);
    yılDüzeni->addWidget(Etiket[1]);
    yılDüzeni->addWidget(YılListesiKutusu, 1);
    auto* sol = new QVBoxLayout;
    sol->addWidget(Etiket[0]);
    sol->addWidget(FişListesi);
    sol->addWidget(YazdırılanlarıGösterOnayı);
    sol->addWidget(Altlık[0]);
    sol->addStretch();

    // The header (the derived window adds its boxes), the lines and the total
    FişNoKutusu = saltOkunurKutu(QStringLiteral("FişNoKutusu"), Altlık[1]);
    başlıkDüzeni = new QGridLayout(Altlık[1]);
    başlıkDüzeni->setContentsMargins(0, 0, 0, 0);
    başlıkDüzeni->addWidget(new QLabel(QStringLiteral("Fiş No :"), Altlık[1]), 0, 0);
    başlıkDüzeni->addWidget(FişNoKutusu, 0, 1);

    bilgiListesi_ = new ListeDenetimi(this);
    bilgiListesi_->setObjectName(QString::fromUtf16(tür.listeAdı));
    bilgiListesi_->setMinimumSize(640, 260);
    Etiket[2]->setBuddy(bilgiListesi_);
    ListeToplamıKutusu = saltOkunurKutu(QStringLiteral("ListeToplamıKutusu"), this);
    ListeToplamıKutusu->setAlignment(Qt::AlignRight);
    QFont kalın = ListeToplamıKutusu->font();
    kalın.setBold(true);
    ListeToplamıKutusu->setFont(kalın);
    ListeToplamıKutusu->setMaximumWidth(160);
    auto* toplam = new QHBoxLayout;
    toplam->addStretch();
    toplam->addWidget(new QLabel(QStringLiteral("Liste Toplamı :"), this));
    toplam->addWidget(ListeToplamıKutusu);

    FişNoDeğiştirDüğmesi = düğme(QStringLiteral("FişNoDeğiştirDüğmesi"), QStringLiteral("Fiş &No Değiştir"), this);
    FişTarihiDeğiştirDüğmesi =
        düğme(QStringLiteral("FişTarihiDeğiştirDüğmesi"), QString::fromUtf16(tür.tarihDüğmesi), this);
    DiğerFişBilgileriniGösterDeğiştirDüğmesi = düğme(QStringLiteral("DiğerFişBilgileriniGösterDeğiştirDüğmesi"),
                                                    QStringLiteral("&Diğer Fiş Bilgileri..."), this);
    FişiYazdırDüğmesi = düğme(QStringLiteral("FişiYazdırDüğmesi"), QStringLiteral("Fişi &Yazdır..."), this);
    KapatDüğmesi = düğme(QStringLiteral("KapatDüğmesi"), QStringLiteral("Kapat (Esc)"), this);
    Giriş::DenetimAtlatır(KapatDüğmesi);
    auto* düğmeler = new QHBoxLayout;
    for (QPushButton* d : {FişNoDeğiştirDüğmesi, FişTarihiDeğiştirDüğmesi, DiğerFişBilgileriniGösterDeğiştirDüğmesi,
                           FişiYazdırDüğmesi})
        düğmeler->addWidget(d);
    düğmeler->addStretch();
    düğmeler->addWidget(KapatDüğmesi);

    auto* sağ = new QVBoxLayout;
    sağ->addWidget(Altlık[1]);
    sağ->addWidget(Etiket[2]);
    sağ->addWidget(bilgiListesi_, 1);
    sağ->addLayout(toplam);
    sağ->addLayout(düğmeler);
    auto* ana = new QHBoxLayout(this);
    ana->addLayout(sol);
    ana->addLayout(sağ, 1);

    // Behaviour
    Giriş::EtiketliAlan(FişListesi, Etiket[0], false);
    connect(FişListesi, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* d) { FişListesi_NodeClick(d); });
    // a node reached with the keys is shown as a clicked one, so the voucher shown is always the selected one
    OlayDinle(FişListesi, [this](QEvent* o) {
        if (o->type() == QEvent::KeyPress) tuşlaSeçiliyor_ = true;
        else if (o->type() == QEvent::KeyRelease) tuşlaSeçiliyor_ = false;
        return false;
    });
    connect(FişListesi, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* d) {
        if (!tuşlaSeçiliyor_ || !d) return;
        tuşlaSeçiliyor_ = false;
        FişListesi_NodeClick(d);
    });
    connect(FişListesi, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* d) { FişListesi_Collapse(d); });
    connect(YazdırılanlarıGösterOnayı, &QCheckBox::toggled, this, [this] { YazdırılanlarıGösterOnayı_Click(); });
    connect(YılListesiKutusu, &QComboBox::activated, this, [this] { YılListesiKutusu_Click(); });
    connect(FişNoDeğiştirDüğmesi, &QPushButton::clicked, this, [this] { FişNoDeğiştirDüğmesi_Click(); });
    connect(FişTarihiDeğiştirDüğmesi, &QPushButton::clicked, this, [this] { FişTarihiDeğiştirDüğmesi_Click(); });
    connect(DiğerFişBilgileriniGösterDeğiştirDüğmesi, &QPushButton::clicked, this,
            [this] { DiğerFişBilgileriniGösterDeğiştirDüğmesi_Click(); });
    connect(FişiYazdırDüğmesi, &QPushButton::clicked, this, [this] { FişiYazdırDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* FişTarayıcısı::saltOkunurKutu(const QString& ad, QWidget* üst) {
    auto* k = new QLineEdit(üst);
    k->setObjectName(ad);
    k->setReadOnly(true);
    return k;
}

void FişTarayıcısı::Form_Load() {
    for (const auto& s : tür_.sütunlar)
        bilgiListesi_->sütunEkle(QString::fromUtf16(s.başlık), s.twips, s.tür, s.hiza);
    bilgiListesi_->düzeniBağla(tür_.listeNo);
    bilgiListesi_->sıralanabilirYap(true);
    if (ArşivModu) {
        setWindowTitle(QString::fromUtf16(tür_.arşivBaşlığı));
        FişListesi->setFixedHeight(TwiptenPiksel(6105));
        Altlık[0]->show();
        ListelenenYıl = 0;
    } else {
        setWindowTitle(QString::fromUtf16(tür_.başlık));
        FişListesi->setFixedHeight(TwiptenPiksel(6765));
        Altlık[0]->hide();
        ListelenenYıl = QDate::currentDate().year();
        FişNoAlanı = QStringLiteral("FisNo");
        YazdırılanlarıGösterOnayı_Click();
    }
    Giriş::VarsayılanDüğmeleriKapat(this);
    PencereyiSabitle(this);
}

// ----- the tree -----

QTreeWidgetItem* FişTarayıcısı::Düğüm(int konum) const {
    if (konum < 1 || konum > DüğümSayısı()) return nullptr;
    return düğümler_[static_cast<size_t>(konum - 1)];
}

int FişTarayıcısı::DüğümKonumu(const QTreeWidgetItem* düğüm) const {
    const auto it = std::find(düğümler_.begin(), düğümler_.end(), düğüm);
    return it == düğümler_.end() ? 0 : static_cast<int>(it - düğümler_.begin()) + 1;
}

void FişTarayıcısı::düğümEkle(QTreeWidgetItem* düğüm, QTreeWidgetItem* üst) {
    if (üst) üst->addChild(düğüm);
    else FişListesi->addTopLevelItem(düğüm);
    düğümler_.push_back(düğüm);
}

void FişTarayıcısı::düğümüSil(QTreeWidgetItem* düğüm) {
    for (int i = 0; i < düğüm->childCount(); ++i) std::erase(düğümler_, düğüm->child(i));
    std::erase(düğümler_, düğüm);
    delete düğüm;
}

void FişTarayıcısı::ağacıBoşalt() {
    düğümler_.clear();
    FişListesi->clear();
}

void FişTarayıcısı::panelleriBoşalt() {
    bilgiListesi_->temizle();
    FişNoKutusu->clear();
    başlığıBoşalt();
    ListeToplamıKutusu->clear();
}

void FişTarayıcısı::YazdırılanlarıGösterOnayı_Click() {
    ağacıBoşalt();
    panelleriBoşalt();
    if (ListelenenYıl == 0) return;  // an archived year is not chosen yet
    yılSınırlarınıKoy();
    HataYönetimiyle([&] {
        const QString f = fişNoSütunu();
        Sorgu s(VeriTabanı,
                QStringLiteral("SELECT Kodu, %1 AS No FROM %2 WHERE Tarihi BETWEEN ? AND ? AND Yazdirildi=? AND %1>0 "
                               "GROUP BY Kodu, %1 ORDER BY Kodu, %1")
                    .arg(f, QString::fromUtf16(tür_.tablo)),
                {YılBaşıTarihi, YılSonuTarihi, YazdırılanlarıGösterOnayı->isChecked() ? 1 : 0});
        std::vector<std::pair<std::int64_t, std::int64_t>> fişler;
        while (s.sonraki()) fişler.emplace_back(s.tamsayı(QStringLiteral("Kodu")), s.tamsayı(QStringLiteral("No")));
        // the brand codes first, then each one's vouchers numbered from 1
        std::map<std::int64_t, QTreeWidgetItem*> markalar;
        for (const auto& [kodu, no] : fişler) {
            if (markalar.count(kodu)) continue;
            auto* d = new QTreeWidgetItem(QStringList(QString::number(kodu)));
            d->setData(0, Qt::UserRole + 1, QString::number(kodu) + QStringLiteral("-K"));
            d->setForeground(0, MarkaRengi);
            düğümEkle(d, nullptr);
            markalar[kodu] = d;
        }
        for (const auto& [kodu, no] : fişler) {
            QTreeWidgetItem* marka = markalar[kodu];
            auto* d = new QTreeWidgetItem(QStringList(QString::number(no) + QStringLiteral(" No 'lu Fiş")));
            d->setData(0, Qt::UserRole, marka->childCount() + 1);
            düğümEkle(d, marka);
        }
    });
}

void FişTarayıcısı::YılListesiKutusu_Click() {
    ListelenenYıl = YılListesiKutusu->currentText().toInt();
    FişNoAlanı = QStringLiteral("ArsivFisNo");
    YazdırılanlarıGösterOnayı_Click();
}

void FişTarayıcısı::FişListesi_Collapse(QTreeWidgetItem* düğüm) {
    if (düğüm != FişListesi->currentItem()) return;
    SıraNo = 0;
    ListeToplamı = Para();
    ListeToplamıKutusu->clear();
    bilgiListesi_->temizle();
}

// ----- the voucher shown -----

QString FişTarayıcısı::fişKoşulu(const QString& önek) const {
    return QStringLiteral("%1%2=? AND %1Tarihi BETWEEN ? AND ?").arg(önek, fişNoSütunu());
}

QVariantList FişTarayıcısı::fişDeğerleri() const { return {qlonglong(SeçiliFişNo), YılBaşıTarihi, YılSonuTarihi}; }

void FişTarayıcısı::FişListesi_NodeClick(QTreeWidgetItem* düğüm) {
    SıraNo = 0;
    ListeToplamı = Para();
    ListeToplamıKutusu->clear();
    bilgiListesi_->temizle();
    if (!düğüm) return;
    if (düğüm->childCount() > 0 || !düğüm->parent()) {  // a brand-code node
        FişNoKutusu->clear();
        başlığıBoşalt();
        return;
    }
    SeçiliFişNo = düğüm->text(0).section(QLatin1Char(' '), 0, 0).toLongLong();
    yılSınırlarınıKoy();
    const QTreeWidgetItem* seçili = FişListesi->currentItem();
    FişNoKutusu->setText(QString::number(SeçiliFişNo) + QLatin1Char('/') +
                         (seçili ? seçili->data(0, Qt::UserRole).toString() : QString()));
    const bool okundu = HataYönetimiyle([&] {
        Sorgu s(VeriTabanı,
                QStringLiteral("SELECT p.Nosu, p.Adi, p.Birimi, %1 AS Ek, h.Miktari, h.Tutari "
                               "FROM %2 h LEFT JOIN ParcaBilgileriTablosu p ON p.ParcaNo = h.ParcaNo "
                               "WHERE %3 ORDER BY p.Nosu COLLATE TURKCE, h.HareketNo")
                    .arg(QString::fromUtf16(tür_.ekSütun), QString::fromUtf16(tür_.tablo), fişKoşulu(QStringLiteral("h."))),
                fişDeğerleri());
        std::vector<ListeSatırı> satırlar;
        while (s.sonraki()) {
            ++SıraNo;
            const Para tutar = s.para(QStringLiteral("Tutari"));
            QStringList hücreler = {QString::number(SıraNo), s.metin(QStringLiteral("Nosu")),
                                    s.metin(QStringLiteral("Adi")), s.metin(QStringLiteral("Birimi")),
                                    GenelSayı(s.sayı(QStringLiteral("Miktari"))), BiçimliSayı(tutar)};
            hücreler.insert(tür_.ekSütunYeri, s.metin(QStringLiteral("Ek")));
            satırlar.push_back({hücreler, {}});
            ListeToplamı += tutar;
        }
        bilgiListesi_->satırlarıKoy(std::move(satırlar));
        if (SıraNo > 0) ListeToplamıKutusu->setText(BiçimliSayı(ListeToplamı));
    });
    if (!okundu) {  // the list stays empty, and so do its counts
        SıraNo = 0;
        ListeToplamı = Para();
    }
    HataYönetimiyle([&] { başlığıOku(); });
}

std::vector<QStringList> FişTarayıcısı::satırlar() const {
    std::vector<QStringList> l;
    for (const ListeSatırı& s : bilgiListesi_->satırlar()) l.push_back(s.hücreler);
    return l;
}

QString FişTarayıcısı::markaKodu() const {
    const QTreeWidgetItem* d = FişListesi->currentItem();
    return d && d->parent() ? d->parent()->text(0) : QString();
}

// ----- activation -----

void FişTarayıcısı::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    Form_Activate();
}

void FişTarayıcısı::changeEvent(QEvent* olay) {
    QDialog::changeEvent(olay);
    if (olay->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void FişTarayıcısı::Form_Activate() {
    if (ArşivModu && Altlık[0]->isVisible()) YılListesiKutusu->setFocus();
    HataYönetimiyle([&] { DiğerBilgilerTamam = imzalarıOku(); });
}

// ----- buttons -----

void FişTarayıcısı::DiğerFişBilgileriniGösterDeğiştirDüğmesi_Click() {
    diğerBilgileriGöster();
    Form_Activate();
}

void FişTarayıcısı::FişiYazdırDüğmesi_Click() {
    if (bilgiListesi_->satırSayısı() == 0) return;
    if (!YazıcıVarMı()) return;
    if (!DiğerBilgilerTamam) {
        Bilgi(QStringLiteral("Fiş için gerekli DİĞER BİLGİLER girilmemiş!\n\nLütfen, bu bilgileri girip tekrar deneyiniz."));
        DiğerFişBilgileriniGösterDeğiştirDüğmesi->setFocus();
        return;
    }
    if (!yazdırmayaHazırMı()) return;
    ListeToplamı = Para();
    // a voucher is marked printed only when its document got through
    if (!YazıcıSeçipYazdır(this, FişiYazdırDüğmesi, tür_.kod)) return;
    const bool işaretlendi = HataYönetimiyle([&] {
        VeriTabanı.çalıştır(QStringLiteral("UPDATE %1 SET Yazdirildi=1 WHERE %2")
                                .arg(QString::fromUtf16(tür_.tablo), fişKoşulu()),
                            fişDeğerleri());
    });
    if (işaretlendi && !YazdırılanlarıGösterOnayı->isChecked()) basılanıAğaçtanÇıkar();
}

void FişTarayıcısı::basılanıAğaçtanÇıkar() {
    QTreeWidgetItem* fiş = FişListesi->currentItem();
    if (!fiş || !fiş->parent()) return;
    QTreeWidgetItem* marka = fiş->parent();
    SeçiliSıra = DüğümKonumu(marka);
    düğümüSil(fiş);
    if (marka->childCount() == 0) düğümüSil(marka);
    if (QTreeWidgetItem* sonraki = Düğüm(std::min(SeçiliSıra, DüğümSayısı()))) {
        // what is shown is what is selected, so the next print's brand code and ordinal are its own
        FişListesi->setCurrentItem(sonraki);
        FişListesi_NodeClick(sonraki);
        FişListesi->setFocus();
    } else {
        bilgiListesi_->temizle();
        FişNoKutusu->clear();
        başlığıBoşalt();
    }
}

void FişTarayıcısı::değiştir(bool fişNo) {
    FişNoveTarihDeğiştirFormu::Aç(
        this, tür_.kod, fişNo, bilgiListesi_->satırSayısı() > 0, SeçiliFişNo, TarihOku(tarihMetni()).value_or(QDate()),
        ListelenenYıl, [this] { ağacıYenileVeMarkayıSeç(); },
        [this] { FişListesi_NodeClick(FişListesi->currentItem()); });
    Form_Activate();
}

void FişTarayıcısı::ağacıYenileVeMarkayıSeç() {
    const QTreeWidgetItem* seçili = FişListesi->currentItem();
    SeçiliSıra = DüğümKonumu(seçili && seçili->parent() ? seçili->parent() : seçili);
    YazdırılanlarıGösterOnayı_Click();
    if (QTreeWidgetItem* marka = Düğüm(SeçiliSıra)) {
        FişListesi->setCurrentItem(marka);
        FişListesi->scrollToItem(marka);
        marka->setExpanded(true);
    }
}

void FişTarayıcısı::FişNoDeğiştirDüğmesi_Click() { değiştir(true); }

void FişTarayıcısı::FişTarihiDeğiştirDüğmesi_Click() { değiştir(false); }

void ArşivYıllarınıKoy(FişTarayıcısı& pencere) {
    HataYönetimiyle([&] { pencere.YılListesiKutusu->addItems(ArşivlenenYıllar()); });
    pencere.YılListesiKutusu->setCurrentIndex(-1);
}
