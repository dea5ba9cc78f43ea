// Superseded numbers and links: NoEkleFormu, the code chooser and the number frame.
#include "catalogue/BağlantıNoİçinKodSeçFormu.h"
#include "catalogue/NoEkleFormu.h"
#include "tests/catalogue/KatalogOrtamı.h"

#include <QTimer>

namespace {
// Runs iş once a modal window of the given name is active.
void ModalAdıylaGelince(const QString& ad, std::function<void(QWidget*)> iş) {
    auto* z = new QTimer;
    z->setInterval(10);
    QObject::connect(z, &QTimer::timeout, [z, ad, iş] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w->objectName() != ad) return;
        z->stop();
        z->deleteLater();
        iş(w);
    });
    z->start();
}
}  // namespace

class NoBilgileri : public KatalogOrtamı {
protected:
    void SetUp() override {
        KatalogOrtamı::SetUp();
        for (int kod : {1, 2, 3}) marka(kod, QString("MARKA %1").arg(kod));
        a = parça(1, "A-1", "AKS");
        b = parça(2, "B-1", "BURÇ");
    }

    std::unique_ptr<NoEkleFormu> dialog(NoEkleFormu::Tür tür, qlonglong parçaNo, const QString& nosu) {
        const QString adı = VeriTabanı.tekDeğer("SELECT Adi FROM ParcaBilgileriTablosu WHERE ParcaNo=?", {parçaNo}).toString();
        auto d = std::make_unique<NoEkleFormu>(tür, parçaNo, nosu, adı);
        d->EkleKaydetDüğmesi_Click();
        d->show();
        d->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
        return d;
    }
    static void gir(NoEkleFormu& d, const QString& no) {
        d.NoEkleKutusu->setFocus();
        Yaz(d.NoEkleKutusu, no);
        QTest::mouseClick(d.EkleKaydetDüğmesi, Qt::LeftButton);
    }
    static bool boşta(const NoEkleFormu& d) {
        return !d.Altlık->isEnabled() && d.EkleKaydetDüğmesi->text() == "&Yeni No Ekle" &&
               d.KapatVazgeçDüğmesi->text() == "Kapat (Esc)";
    }

    qlonglong a = 0, b = 0;
};

TEST_F(NoBilgileri, DeğişenNoBoşVeKendiNosuOlamazAynıNoİkiKezEklenebilir) {
    auto d = dialog(NoEkleFormu::Tür::DeğişenNo, a, "A-1");
    EXPECT_TRUE(d->Altlık->isEnabled());
    EXPECT_EQ(d->EkleKaydetDüğmesi->text(), "Kaydet");
    QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
    EXPECT_EQ(sonMesaj(), "NO boş olamaz!");
    gir(*d, "a-1");
    EXPECT_EQ(sonMesaj(), "Yazdığınız NO ile PARÇANIN NOSU aynı olamaz!");
    EXPECT_TRUE(d->Altlık->isEnabled());
    d->NoEkleKutusu->clear();
    gir(*d, "eski'1");
    EXPECT_TRUE(boşta(*d));
    EXPECT_EQ(d->NoEkleKutusu->text(), "");
    QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
    gir(*d, "ESKİ’1");
    EXPECT_EQ(say("DegisenNoBilgileriTablosu", "ParcaNo=? AND Adi='AKS' AND DegisenNo=?", {a, QString("ESKİ’1")}), 2);

    // Vazgeç keeps the text and goes idle; Kapat closes
    QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
    Yaz(d->NoEkleKutusu, "X");
    QTest::mouseClick(d->KapatVazgeçDüğmesi, Qt::LeftButton);
    EXPECT_TRUE(boşta(*d));
    EXPECT_EQ(d->NoEkleKutusu->text(), "X");
    QTest::mouseClick(d->KapatVazgeçDüğmesi, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
}

TEST_F(NoBilgileri, BağlantıİkiYöndeBirKezKurulur) {
    {
        auto d = dialog(NoEkleFormu::Tür::BağlantıNo, a, "A-1");
        gir(*d, "YOK-1");
        EXPECT_EQ(sonMesaj(),
                  "Bu \"Parça No\" ile girilmiş bir parça bulunmuyor.\n\nLütfen, kontrol edip tekrar deneyiniz!");
        EXPECT_TRUE(d->Altlık->isEnabled());
        d->NoEkleKutusu->clear();
        gir(*d, "B-1");
        EXPECT_TRUE(boşta(*d));
        EXPECT_EQ(say("BaglantiNoBilgileriTablosu", "ParcaNo=? AND Nosu='A-1' AND BaglantiNo=? AND BaglantiNosu='B-1'",
                      {a, b}),
                  1);
        QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
        gir(*d, "B-1");
        EXPECT_EQ(sonMesaj(), "Bu bağlantı zaten MEVCUT!");
        EXPECT_TRUE(boşta(*d));
    }
    auto d = dialog(NoEkleFormu::Tür::BağlantıNo, b, "B-1");
    gir(*d, "A-1");
    EXPECT_EQ(sonMesaj(), "Bu bağlantı zaten MEVCUT!");
    EXPECT_EQ(say("BaglantiNoBilgileriTablosu"), 1);
}

TEST_F(NoBilgileri, ParçaKendisineBağlanamaz) {
    // the number box was changed but not saved: the stored number still means this part
    auto d = dialog(NoEkleFormu::Tür::BağlantıNo, a, "A-2");
    gir(*d, "A-1");
    EXPECT_EQ(sonMesaj(), "Yazdığınız NO ile PARÇANIN NOSU aynı olamaz!");
    EXPECT_TRUE(d->Altlık->isEnabled());
    EXPECT_EQ(say("BaglantiNoBilgileriTablosu"), 0);
}

TEST_F(NoBilgileri, ÜçKoddaKullanılanNoKodSeçtirirVazgeçSaklamaz) {
    const auto x1 = parça(1, "X-9", "XA");
    const auto x2 = parça(2, "X-9", "XB");
    const auto x3 = parça(3, "X-9", "XC");
    auto d = dialog(NoEkleFormu::Tür::BağlantıNo, a, "A-1");

    QStringList kodlar;
    ModalAdıylaGelince("BağlantıNoİçinKodSeçFormu", [&](QWidget* w) {
        auto* seç = static_cast<BağlantıNoİçinKodSeçFormu*>(w);
        EXPECT_EQ(seç->windowTitle(), "Kod Seçimi");
        for (int i = 0; i < seç->KodListesi->count(); ++i) kodlar << seç->KodListesi->item(i)->text();
        QTest::mouseClick(seç->VazgeçDüğmesi, Qt::LeftButton);
    });
    gir(*d, "X-9");
    EXPECT_EQ(kodlar, (QStringList{"1", "2", "3"}));
    EXPECT_EQ(mesajlar.back().metin,
              "Bu \"Parça No\" (3) \"Kod\" için kullanılmış.\n\nLütfen, listeden uygun olan kodu seçiniz!");
    EXPECT_EQ(say("BaglantiNoBilgileriTablosu"), 0);
    EXPECT_TRUE(boşta(*d));
    EXPECT_EQ(d->NoEkleKutusu->text(), "");

    // Tamam without a row asks for one; with a row the part of that code is linked
    QTest::mouseClick(d->EkleKaydetDüğmesi, Qt::LeftButton);
    ModalAdıylaGelince("BağlantıNoİçinKodSeçFormu", [&](QWidget* w) {
        auto* seç = static_cast<BağlantıNoİçinKodSeçFormu*>(w);
        QTest::mouseClick(seç->TamamDüğmesi, Qt::LeftButton);
        EXPECT_EQ(sonMesaj(), "Lütfen, listeden bir KOD seçiniz!");
        EXPECT_TRUE(seç->isVisible());
        seç->KodListesi->setCurrentRow(1);
        QTest::mouseClick(seç->TamamDüğmesi, Qt::LeftButton);
    });
    gir(*d, "X-9");
    EXPECT_EQ(say("BaglantiNoBilgileriTablosu", "ParcaNo=? AND BaglantiNo=?", {a, x2}), 1);
    EXPECT_EQ(say("BaglantiNoBilgileriTablosu"), 1);
    (void)x1;
    (void)x3;
}

// Another workstation changes the store while a number is added: the write checks
// the parts and the link again, stores nothing and tells the clerk.
TEST_F(NoBilgileri, ÖtekiKoltuğunDeğişikliğiNumarayıDurdurur) {
    const QString silindi = "Listedeki \"%1\" (%2) adlı parça başka bir kullanıcı tarafından silinmiş!\r\n\r\n"
                            "Lütfen, bu parçayı listeden çıkarınız.";
    const char* aksıSiler = "DELETE FROM ParcaBilgileriTablosu WHERE Nosu='A-1'";
    const auto bağlantı = NoEkleFormu::Tür::BağlantıNo;
    const struct {
        const char* ad;
        NoEkleFormu::Tür tür;
        const char* arada;
        QString mesaj;
        bool boşta;  // back to idle (else the typed number stays for another try)
    } durumlar[] = {
        {"part deleted, superseded number", NoEkleFormu::Tür::DeğişenNo, aksıSiler, silindi.arg("AKS", "A-1"), false},
        {"part deleted, link", bağlantı, aksıSiler, silindi.arg("AKS", "A-1"), false},
        {"linked part deleted", bağlantı, "DELETE FROM ParcaBilgileriTablosu WHERE Nosu='B-1'",
         silindi.arg("BURÇ", "B-1"), false},
        {"link stored from the other side", bağlantı,
         "INSERT INTO BaglantiNoBilgileriTablosu (ParcaNo, Nosu, BaglantiNo, BaglantiNosu) "
         "SELECT b.ParcaNo, 'B-1', a.ParcaNo, 'A-1' FROM ParcaBilgileriTablosu a, ParcaBilgileriTablosu b "
         "WHERE a.Nosu='A-1' AND b.Nosu='B-1'", "Bu bağlantı zaten MEVCUT!", true}};
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        VeriTabanı.betikÇalıştır("DELETE FROM ParcaBilgileriTablosu; DELETE FROM BaglantiNoBilgileriTablosu");
        a = parça(1, "A-1", "AKS");
        b = parça(2, "B-1", "BURÇ");
        auto dlg = dialog(d.tür, a, "A-1");
        mesajlar.clear();
        {
            const auto öteki = yazarkenBırakır(d.arada);
            gir(*dlg, "B-1");
        }
        EXPECT_EQ(mesajMetinleri(), QStringList{d.mesaj});
        EXPECT_EQ(say("DegisenNoBilgileriTablosu") + say("BaglantiNoBilgileriTablosu"), d.boşta ? 1 : 0);
        EXPECT_EQ(boşta(*dlg), d.boşta);
        EXPECT_EQ(dlg->NoEkleKutusu->text(), d.boşta ? "" : "B-1");
    }
}

TEST_F(NoBilgileri, ParçaPenceresindenEklenirVeSilinir) {
    VeriTabanı.çalıştır("INSERT INTO DegisenNoBilgileriTablosu (ParcaNo, Adi, DegisenNo) VALUES (?, 'AKS', 'E-1')", {a});
    aç();
    bul(2, "AKS");
    satırSeç("ParçaListesi", "AKS");
    tıkla("DeğiştirDüğmesi");
    tıkla(f->NoListesiSeçeneği[1]);
    EXPECT_TRUE(k("BağlantıNoListesi")->isEnabled());
    EXPECT_FALSE(k("DeğişenNoListesi")->isEnabled());

    QString başlık;
    ModalAdıylaGelince("NoEkleFormu", [&](QWidget* w) {
        auto* d = static_cast<NoEkleFormu*>(w);
        başlık = d->windowTitle();
        EXPECT_TRUE(d->Altlık->isEnabled());  // opens ready for a number
        d->NoEkleKutusu->setFocus();
        Yaz(d->NoEkleKutusu, "b-1");
        QTest::keyClick(d->NoEkleKutusu, Qt::Key_Return);  // Enter confirms
        QTest::keyClick(d, Qt::Key_Escape);
    });
    tıkla("NoEkleKaydetDüğmesi");
    EXPECT_EQ(başlık, "Bağlantı No Ekle");
    EXPECT_EQ(say("BaglantiNoBilgileriTablosu", "ParcaNo=? AND BaglantiNo=?", {a, b}), 1);

    // the lists show it when the part is shown again
    tıkla("KapatVazgeçDüğmesi");
    EXPECT_EQ(satırlar("BağlantıNoListesi"), QStringList{"B-1"});
    tıkla("DeğiştirDüğmesi");
    tıkla(f->NoListesiSeçeneği[1]);

    // deleting: nothing selected does nothing; No keeps it; Yes removes it for both parts
    tıkla("NoSilVazgeçDüğmesi");
    EXPECT_TRUE(mesajlar.empty());
    k<QListWidget>("BağlantıNoListesi")->setCurrentRow(0);
    cevapla(MesajCevabı::Hayır);
    tıkla("NoSilVazgeçDüğmesi");
    EXPECT_EQ(sonMesaj(), "Seçtiğiniz \"Bağlantı No\"yu silmek istiyor musunuz?");
    EXPECT_EQ(say("BaglantiNoBilgileriTablosu"), 1);
    cevapla(MesajCevabı::Evet);
    tıkla("NoSilVazgeçDüğmesi");
    EXPECT_EQ(say("BaglantiNoBilgileriTablosu"), 0);
    EXPECT_TRUE(satırlar("BağlantıNoListesi").isEmpty());

    tıkla(f->NoListesiSeçeneği[0]);
    k<QListWidget>("DeğişenNoListesi")->setCurrentRow(0);
    cevapla(MesajCevabı::Evet);
    tıkla("NoSilVazgeçDüğmesi");
    EXPECT_EQ(sonMesaj(), "Seçtiğiniz \"Değişen No\"yu silmek istiyor musunuz?");
    EXPECT_EQ(say("DegisenNoBilgileriTablosu"), 0);
}
