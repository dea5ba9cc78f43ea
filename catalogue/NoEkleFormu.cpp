#include "catalogue/NoEkleFormu.h"

#include "catalogue/BağlantıNoİçinKodSeçFormu.h"
#include "catalogue/ParçaVerileri.h"
#include "platform/MesajKapısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {
const QString KendiNosuMesajı = QStringLiteral("Yazdığınız NO ile PARÇANIN NOSU aynı olamaz!");
}

NoEkleFormu::NoEkleFormu(Tür tür, std::int64_t parçaNo, const QString& parçaNosu, const QString& parçaAdı,
                         QWidget* sahip)
    : QDialog(sahip), tür_(tür), parçaNo_(parçaNo), parçaNosu_(parçaNosu), parçaAdı_(parçaAdı) {
    setObjectName(QStringLiteral("NoEkleFormu"));

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Etiket = new QLabel(QStringLiteral("Parça No'su :"), Altlık);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    NoEkleKutusu = new QLineEdit(Altlık);
    NoEkleKutusu->setObjectName(QStringLiteral("NoEkleKutusu"));
    NoEkleKutusu->setMaxLength(25);
    NoEkleKutusu->setMinimumWidth(NoEkleKutusu->fontMetrics().averageCharWidth() * 26);  // room for a whole number
    Etiket->setBuddy(NoEkleKutusu);
    auto* al = new QHBoxLayout(Altlık);
    al->setContentsMargins(0, 0, 0, 0);
    al->addWidget(Etiket);
    al->addWidget(NoEkleKutusu, 1);

    EkleKaydetDüğmesi = AdlıDüğme(this, QStringLiteral("EkleKaydetDüğmesi"), QStringLiteral("&Yeni No Ekle"));
    KapatVazgeçDüğmesi = AdlıDüğme(this, QStringLiteral("KapatVazgeçDüğmesi"), QStringLiteral("Kapat (Esc)"));

    auto* l = new QVBoxLayout(this);
    l->addWidget(Altlık);
    auto* dl = new QHBoxLayout;
    dl->addStretch();
    dl->addWidget(EkleKaydetDüğmesi);
    dl->addWidget(KapatVazgeçDüğmesi);
    l->addLayout(dl);
    Altlık->setEnabled(false);

    Giriş::EtiketliAlan(NoEkleKutusu, Etiket);
    Giriş::BüyükHarfKutusu(NoEkleKutusu);
    Giriş::AyrılıncaTemizle(NoEkleKutusu);
    PencereyiSabitle(this);
    Giriş::DenetimAtlatır(KapatVazgeçDüğmesi);
    // Enter confirms the number.
    Giriş::VarsayılanDüğmeleriKapat(this, EkleKaydetDüğmesi);

    connect(EkleKaydetDüğmesi, &QPushButton::clicked, this, [this] { EkleKaydetDüğmesi_Click(); });
    connect(KapatVazgeçDüğmesi, &QPushButton::clicked, this, [this] { KapatVazgeçDüğmesi_Click(); });
}

void NoEkleFormu::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
        KapatVazgeçDüğmesi_Click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

void NoEkleFormu::EkleKaydetDüğmesi_Click() {
    if (!Altlık->isEnabled()) {
        Altlık->setEnabled(true);
        EkleKaydetDüğmesi->setText(QStringLiteral("Kaydet"));
        KapatVazgeçDüğmesi->setText(QStringLiteral("Vazgeç"));
        if (isVisible()) NoEkleKutusu->setFocus();
        return;
    }
    if (!Giriş::AyrılmaDenetimiGeçti(this)) return;
    const QString no = Giriş::TemizMetin(NoEkleKutusu->text());
    NoEkleKutusu->setText(no);
    if (no.isEmpty()) {
        Bilgi(QStringLiteral("NO boş olamaz!"));
        kal();
        return;
    }
    if (no == parçaNosu_) {
        Bilgi(KendiNosuMesajı);
        kal();
        return;
    }
    sakla(no);
}

// The part a link goes to: the one that carries the typed number, over all brand
// codes, chosen by its code when several do. Nothing (ParcaNo 0) when there is
// none, when the choice is cancelled (sonra: back to idle) or when it is this part.
NoEkleFormu::BağlıParça NoEkleFormu::bağlanacakParça(const QString& no, Sonra& sonra) {
    std::vector<BağlıParça> parçalar;
    {
        Sorgu s(VeriTabanı, QStringLiteral("SELECT ParcaNo, Kodu, Adi FROM ParcaBilgileriTablosu WHERE Nosu=? "
                                           "ORDER BY Kodu, ParcaNo"),
                {no});
        while (s.sonraki())
            parçalar.push_back({s.tamsayı(QStringLiteral("ParcaNo")), s.tamsayı(QStringLiteral("Kodu")),
                                s.metin(QStringLiteral("Adi"))});
    }
    if (parçalar.empty()) {
        Bilgi(QStringLiteral("Bu \"Parça No\" ile girilmiş bir parça bulunmuyor.\n\n"
                             "Lütfen, kontrol edip tekrar deneyiniz!"));
        return {};
    }
    BağlıParça bağlı = parçalar.front();
    if (parçalar.size() > 1) {
        Bilgi(QStringLiteral("Bu \"Parça No\" (%1) \"Kod\" için kullanılmış.\n\n"
                             "Lütfen, listeden uygun olan kodu seçiniz!")
                  .arg(parçalar.size()));
        BağlantıNoİçinKodSeçFormu seç(this);
        for (const auto& p : parçalar) seç.KodEkle(QString::number(p.kodu), p.no);
        seç.exec();
        const auto seçilen = std::find_if(parçalar.begin(), parçalar.end(),
                                          [&](const BağlıParça& p) { return p.no == seç.SeçilenParçaNo; });
        if (seçilen == parçalar.end()) {
            sonra = Sonra::Boşta;
            return {};
        }
        bağlı = *seçilen;
    }
    if (bağlı.no == parçaNo_) {  // a part is not linked to itself
        Bilgi(KendiNosuMesajı);
        return {};
    }
    return bağlı;
}

void NoEkleFormu::sakla(const QString& no) {
    Sonra sonra = Sonra::Kal;
    BağlıParça bağlı;
    if (tür_ == Tür::BağlantıNo) {
        HataYönetimiyle([&] { bağlı = bağlanacakParça(no, sonra); });
        if (bağlı.no == 0) {
            if (sonra == Sonra::Boşta) boşalt();
            else kal();
            return;
        }
    }

    // Stored under the write lock, with the parts and the link checked again as the
    // store stands now: another seat may have changed it since the number was typed.
    QString engel;
    HataYönetimiyle([&] {
        İşlem tx(VeriTabanı);
        const QVariant adı = VeriTabanı.tekDeğer(QStringLiteral("SELECT Adi FROM ParcaBilgileriTablosu WHERE ParcaNo=?"),
                                                 {static_cast<qlonglong>(parçaNo_)});
        if (adı.isNull()) {
            engel = SilinmişParçaMesajı(parçaNosu_, parçaAdı_);
            return;
        }
        if (tür_ == Tür::DeğişenNo) {
            VeriTabanı.çalıştır(
                QStringLiteral("INSERT INTO DegisenNoBilgileriTablosu (ParcaNo, Adi, DegisenNo) VALUES (?, ?, ?)"),
                {static_cast<qlonglong>(parçaNo_), adı, no});
        } else {
            if (!ParçaVarMı(bağlı.no)) {
                engel = SilinmişParçaMesajı(no, bağlı.adı);
                return;
            }
            const bool var =
                !VeriTabanı
                     .tekDeğer(QStringLiteral("SELECT 1 FROM BaglantiNoBilgileriTablosu "
                                              "WHERE (ParcaNo=? AND BaglantiNo=?) OR (ParcaNo=? AND BaglantiNo=?) LIMIT 1"),
                               {static_cast<qlonglong>(parçaNo_), static_cast<qlonglong>(bağlı.no),
                                static_cast<qlonglong>(bağlı.no), static_cast<qlonglong>(parçaNo_)})
                     .isNull();
            if (var) {
                engel = QStringLiteral("Bu bağlantı zaten MEVCUT!");
                sonra = Sonra::Boşta;
                return;
            }
            VeriTabanı.çalıştır(QStringLiteral("INSERT INTO BaglantiNoBilgileriTablosu "
                                               "(ParcaNo, Nosu, BaglantiNo, BaglantiNosu) VALUES (?, ?, ?, ?)"),
                                {static_cast<qlonglong>(parçaNo_), parçaNosu_, static_cast<qlonglong>(bağlı.no), no});
        }
        tx.onayla();
        sonra = Sonra::Boşta;
    });
    if (!engel.isEmpty()) Bilgi(engel);
    if (sonra == Sonra::Boşta) boşalt();
    else kal();
}

void NoEkleFormu::boşalt() {
    boştaDurumunaDön();
    NoEkleKutusu->clear();
}

void NoEkleFormu::kal() { NoEkleKutusu->setFocus(); }

void NoEkleFormu::boştaDurumunaDön() {
    Altlık->setEnabled(false);
    EkleKaydetDüğmesi->setText(QStringLiteral("&Yeni No Ekle"));
    KapatVazgeçDüğmesi->setText(QStringLiteral("Kapat (Esc)"));
}

void NoEkleFormu::KapatVazgeçDüğmesi_Click() {
    if (Altlık->isEnabled()) {
        boştaDurumunaDön();  // the typed text stays
        return;
    }
    reject();
}
