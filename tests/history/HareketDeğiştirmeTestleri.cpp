#include "issues/ParçaÇıkışıDeğiştirFormu.h"
#include "platform/AyarDeposu.h"
#include "receipts/ParçaGirişiDeğiştirFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/history/HareketTestOrtamı.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>

class HareketDeğiştirmeTesti : public HareketTestOrtamı {
protected:
    // The change dialog of row `satır`, as the change button opens it, shown
    // (the movement window owns it).
    template <class Pencere>
    Pencere* aç(ParçaHareketleriFormu& f, int satır) {
        f.HareketListesi->satırSeç(satır);
        auto* d = dynamic_cast<Pencere*>(f.DeğiştirmePenceresiHazırla().release());
        if (d) d->show();
        return d;
    }
    Para tutarı(const char* tablo, qlonglong no) {
        return Para::onBindeden(
            tamsayı(QStringLiteral("SELECT Tutari FROM %1 WHERE HareketNo=?").arg(tablo), {no}));
    }
};

// ---- receipts

TEST_F(HareketDeğiştirmeTesti, GirişPenceresiHareketleDolarKaydetKullanıcıylaAçılır) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 2.5, TL("1,1111"), std::nullopt, 3, {}, "ACME");
    girişEkle(p, 1, TL("5"));
    auto f = pencereAç("A-1");
    auto* d = aç<ParçaGirişiDeğiştirFormu>(*f, 1);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), "Parça Girişi Bilgilerini Değiştir");
    EXPECT_EQ(d->parentWidget(), f.get());
    EXPECT_EQ(d->Altlık->parentWidget(), static_cast<QWidget*>(d->Çerçeve));
    EXPECT_EQ(d->FiyatıKutusu->parentWidget(), d->Altlık);
    EXPECT_GT(d->width(), d->fontMetrics().horizontalAdvance(d->windowTitle()) + 100);  // the caption fits
    EXPECT_EQ(SekmeSırası(d->GirişTarihiKutusu),
              QStringList({"GirişTarihiKutusu", "FaturaTarihiKutusu", "FaturaNoKutusu", "FaturaVerenKutusu",
                           "MiktarıKutusu", "FiyatıKutusu", "KapatDüğmesi"}));
    EXPECT_EQ(SeçiliSıra, 2);
    EXPECT_EQ(DeğiştirilecekHareketNo, 2);
    d->reject();
    d = aç<ParçaGirişiDeğiştirFormu>(*f, 0);
    EXPECT_EQ(d->GirişTarihiKutusu->text(), KısaTarih(bugün()));
    EXPECT_EQ(d->FaturaTarihiKutusu->text(), KısaTarih(bugün()));
    EXPECT_EQ(d->FaturaNoKutusu->text(), "F1");
    EXPECT_EQ(d->FaturaVerenKutusu->text(), "ACME");
    EXPECT_EQ(d->MiktarıKutusu->text(), "2,50");
    EXPECT_EQ(d->FiyatıKutusu->text(), "1,11");
    EXPECT_EQ(HareketsizMevcutMiktar, 1);
    EXPECT_EQ(HareketsizMevcutTutar, TL("5"));
    EXPECT_FALSE(d->KaydetDüğmesi->isEnabled());
    tuşla(d->FaturaNoKutusu, "x");
    EXPECT_TRUE(d->KaydetDüğmesi->isEnabled());
    EXPECT_EQ(d->FaturaNoKutusu->text(), "F1X");
}

TEST_F(HareketDeğiştirmeTesti, GirişDeğişikliğininDörtStokReddiVeKabulSınırları) {
    struct Durum {
        double girişMiktarı;
        const char* girişFiyatı;
        const char* yeniMiktar;  // null: unchanged
        const char* yeniFiyat;
        QString mesaj;
        const char* odak;
    };
    const std::vector<Durum> durumlar = {
        {10, "10", "3", nullptr, "Mevcut miktarınız NEGATİF olacağı için değişiklik yapılamıyor!", "MiktarıKutusu"},
        {4, "10", nullptr, "11",
         "Mevcut miktarınız (0) olurken; giriş tutarınız, çıkışınızdan FAZLA olamayacağı için değişiklik yapılamıyor!",
         "FiyatıKutusu"},
        {4, "10", nullptr, "9", "Mevcut tutarınız NEGATİF olacağı için değişiklik yapılamıyor!", "MiktarıKutusu"},
        {10, "10", nullptr, "4", "Giriş tutarınız, çıkış yapmak için YETERSİZ kalacağı için değişiklik yapılamıyor!",
         "FiyatıKutusu"},
        // accepted: no stock and an amount of exactly 0; the smallest quantity with a little amount
        {10, "10", "4", nullptr, "", nullptr},
        {10, "10", "4,01", "9,98", "", nullptr},
    };
    int sıra = 0;
    for (const auto& d : durumlar) {
        const QString no = QString("P-%1").arg(++sıra);
        const auto p = parçaEkle(no, "PARÇA");
        const auto g = girişEkle(p, d.girişMiktarı, TL(d.girişFiyatı));
        çıkışEkle(p, 4, TL("40"));
        auto f = pencereAç(no);
        auto* w = aç<ParçaGirişiDeğiştirFormu>(*f, 0);
        ASSERT_TRUE(w);
        if (d.yeniMiktar) yaz(w->MiktarıKutusu, d.yeniMiktar);
        if (d.yeniFiyat) yaz(w->FiyatıKutusu, d.yeniFiyat);
        mesajlar.clear();
        w->KaydetDüğmesi->click();
        EXPECT_EQ(sonMesaj(), d.mesaj) << sıra;
        EXPECT_EQ(w->isVisible(), !d.mesaj.isEmpty()) << sıra;
        if (d.mesaj.isEmpty()) {
            EXPECT_EQ(sayı("SELECT Miktari FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}), *SayıOku(d.yeniMiktar));
            continue;
        }
        EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Bilgi);
        EXPECT_EQ(w->focusWidget() ? w->focusWidget()->objectName() : QString(), d.odak) << sıra;
        EXPECT_EQ(sayı("SELECT Miktari FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}), d.girişMiktarı);
        EXPECT_EQ(tutarı("GirisIslemleriTablosu", g), Para::sayıdan(d.girişMiktarı * TL(d.girişFiyatı).sayı()));
    }
}

TEST_F(HareketDeğiştirmeTesti, YalnızFaturaBilgisiDeğişinceFiyatVeTutarKorunur) {
    const auto p = parçaEkle("A-1", "CİVATA");
    girişEkle(p, 1, TL("1"));
    const auto g = girişEkle(p, 3, TL("39,3333"), TL("118"));
    auto f = pencereAç("A-1");
    auto* d = aç<ParçaGirişiDeğiştirFormu>(*f, 1);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->FiyatıKutusu->text(), "39,33");
    yaz(d->FaturaVerenKutusu, "yeni tedarikçi");
    d->KaydetDüğmesi->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(tamsayı("SELECT Fiyati FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}), 393333);
    EXPECT_EQ(tutarı("GirisIslemleriTablosu", g), TL("118"));
    EXPECT_EQ(sayı("SELECT Miktari FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}), 3);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT FaturaVeren FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}).toString(),
              "YENİ TEDARİKÇİ");
    // reloaded, the same row selected again
    EXPECT_EQ(hücre(*f, 1, ParçaHareketleriFormu::YerSütunu), "YENİ TEDARİKÇİ");
    EXPECT_EQ(f->HareketListesi->seçiliSatır(), 1);
}

TEST_F(HareketDeğiştirmeTesti, MiktarDeğişinceSaklıFiyatlaTutarYenidenHesaplanır) {
    const auto p = parçaEkle("A-1", "CİVATA");
    const auto g = girişEkle(p, 3, TL("39,3333"), TL("118"));
    auto f = pencereAç("A-1");
    auto* d = aç<ParçaGirişiDeğiştirFormu>(*f, 0);
    yaz(d->MiktarıKutusu, "6");
    d->KaydetDüğmesi->click();
    EXPECT_EQ(sayı("SELECT Miktari FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}), 6);
    EXPECT_EQ(tamsayı("SELECT Fiyati FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}), 393333);
    EXPECT_EQ(tutarı("GirisIslemleriTablosu", g), TL("235,9998"));
    EXPECT_EQ(f->GirişMiktarıKutusu->text(), "6,00");

    // a new price is taken as typed
    d = aç<ParçaGirişiDeğiştirFormu>(*f, 0);
    yaz(d->FiyatıKutusu, "2,5");
    d->KaydetDüğmesi->click();
    EXPECT_EQ(tutarı("GirisIslemleriTablosu", g), TL("15"));
}

TEST_F(HareketDeğiştirmeTesti, GirişAlanDenetimleri) {
    const auto p = parçaEkle("A-1", "CİVATA");
    const auto g = girişEkle(p, 3, TL("10"));
    auto f = pencereAç("A-1");
    auto* d = aç<ParçaGirişiDeğiştirFormu>(*f, 0);
    const QString geçenYıl = KısaTarih(bugün().addYears(-1));
    auto dene = [&](QLineEdit* kutu, const QString& metin, const QString& beklenen) {
        const QString eski = kutu->text();
        kutu->setText(metin);
        d->KaydetDüğmesi->setEnabled(true);
        d->KaydetDüğmesi->click();
        EXPECT_EQ(sonMesaj(), beklenen) << metin.toStdString();
        EXPECT_TRUE(d->isVisible());
        kutu->setText(eski);
    };
    dene(d->GirişTarihiKutusu, "", "Lütfen, GİRİŞ TARİHİ'ni giriniz.");
    dene(d->GirişTarihiKutusu, geçenYıl,
         QString("Sadece %1 YILI içerisinden bir tarih girebilirsiniz!").arg(bugün().year()));
    dene(d->FaturaTarihiKutusu, "", "Lütfen, FATURA TARİHİ'ni giriniz.");
    dene(d->FaturaNoKutusu, "  ", "Lütfen, FATURA NO'yu giriniz.");
    dene(d->FaturaVerenKutusu, "", "Lütfen, FATURA VEREN'i giriniz.");
    dene(d->MiktarıKutusu, "0,00", "Lütfen, geçerli bir MİKTAR giriniz.");
    dene(d->MiktarıKutusu, "00", "Lütfen, geçerli bir MİKTAR giriniz.");
    dene(d->FiyatıKutusu, "0", "Lütfen, geçerli bir FİYAT giriniz.");
    EXPECT_EQ(tutarı("GirisIslemleriTablosu", g), TL("30"));
    // an invoice date of last year is accepted
    d->FaturaTarihiKutusu->setText(geçenYıl);
    d->KaydetDüğmesi->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT FaturaTarihi FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}).toString(),
              VtTarihi(bugün().addYears(-1)));
}

TEST_F(HareketDeğiştirmeTesti, SayıKutusunaSayıOlmayanYazılamazKapatYazmaz) {
    const auto p = parçaEkle("A-1", "CİVATA");
    const auto g = girişEkle(p, 3, TL("10"));
    auto f = pencereAç("A-1");
    auto* d = aç<ParçaGirişiDeğiştirFormu>(*f, 0);
    yaz(d->MiktarıKutusu, "1,2,a5");
    EXPECT_EQ(d->MiktarıKutusu->text(), "1,25");
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(sayı("SELECT Miktari FROM GirisIslemleriTablosu WHERE HareketNo=?", {g}), 3);
}

// A change saved, or a delete, while the list shows a linked part: the window
// goes back to the part chosen in the part list and selects the same row of its list.
TEST_F(HareketDeğiştirmeTesti, BağlıParçadaDeğişiklikYaDaSilmeSeçiliParçayaDöner) {
    const auto a = parçaEkle("A-1", "ANA");
    const auto b = parçaEkle("B-1", "BAĞLI");
    VeriTabanı.çalıştır("INSERT INTO BaglantiNoBilgileriTablosu (ParcaNo, Nosu, BaglantiNo, BaglantiNosu) "
                        "VALUES (?, 'A-1', ?, 'B-1')", {a, b});
    for (int i = 0; i < 3; ++i) {
        girişEkle(a, 10, TL("1"));
        çıkışEkle(a, 1, TL("1"));
        girişEkle(b, 10, TL("2"));
        çıkışEkle(b, 1, TL("2"));
    }
    enum İşlem { Sil, Değiştir };
    const struct { bool çıkışlar; İşlem işlem; } durumlar[] = {
        {false, Sil}, {true, Sil}, {false, Değiştir}, {true, Değiştir}};
    for (const auto& d : durumlar) {
        SCOPED_TRACE(std::string(d.çıkışlar ? "issue " : "receipt ") + (d.işlem == Sil ? "deleted" : "changed"));
        auto f = pencereAç("A-1", d.çıkışlar);
        f->BağlantıNoListesi->setCurrentRow(0);
        ASSERT_EQ(f->NosuKutusu->text(), "B-1");
        if (d.işlem == Sil) {
            f->HareketListesi->satırSeç(1);
            cevapla(MesajCevabı::Evet);
            f->SilDüğmesi->click();
        } else if (auto* w = d.çıkışlar ? static_cast<QDialog*>(aç<ParçaÇıkışıDeğiştirFormu>(*f, 1))
                                        : aç<ParçaGirişiDeğiştirFormu>(*f, 1)) {
            yaz(w->findChild<QLineEdit*>("MiktarıKutusu"), "2");
            w->findChild<QPushButton*>("KaydetDüğmesi")->click();
            EXPECT_FALSE(w->isVisible()) << sonMesaj().toStdString();
        }
        EXPECT_EQ(f->NosuKutusu->text(), "A-1");
        EXPECT_EQ(f->HareketListesi->satırSayısı(), 3);
        EXPECT_EQ(f->HareketListesi->seçiliSatır(), 1);
    }
}

// ---- issues

class ÇıkışDeğiştirmeTesti : public HareketDeğiştirmeTesti {
protected:
    // receipts 10 units for 100; other issues 4 units for 40; the issue under test
    void SetUp() override {
        HareketDeğiştirmeTesti::SetUp();
        parça = parçaEkle("A-1", "CİVATA");
        girişEkle(parça, 10, TL("10"));
        çıkışEkle(parça, 4, TL("40"));
        çıkış = çıkışEkle(parça, 2, TL("13,1234"), 4, "BAKIM");
        f = pencereAç("A-1", true);
    }
    qlonglong parça = 0, çıkış = 0;
    std::unique_ptr<ParçaHareketleriFormu> f;
};

TEST_F(ÇıkışDeğiştirmeTesti, PencereHareketleDolarKutularYazılmaz) {
    AyarYaz("Listelenecekler\\Verilecek Yer", "Verilecek Yer-1", "DEPO");
    auto* d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 1);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), "Parça Çıkışı Bilgilerini Değiştir");
    EXPECT_EQ(d->VerilecekYerKutusu->parentWidget(), d->Altlık);
    EXPECT_GT(d->width(), d->fontMetrics().horizontalAdvance(d->windowTitle()) + 100);  // the caption fits
    EXPECT_EQ(SekmeSırası(d->MiktarıKutusu), QStringList({"MiktarıKutusu", "VerilecekYerKutusu", "KapatDüğmesi"}));
    EXPECT_EQ(d->FişNoKutusu->text(), "4");
    EXPECT_FALSE(d->FişNoKutusu->isEnabled());
    EXPECT_EQ(d->TarihiKutusu->text(), KısaTarih(bugün()));
    EXPECT_FALSE(d->TarihiKutusu->isEnabled());
    EXPECT_EQ(d->MiktarıKutusu->text(), "2");
    EXPECT_EQ(d->VerilecekYerKutusu->currentText(), "BAKIM");
    ASSERT_EQ(d->VerilecekYerKutusu->count(), 1);
    EXPECT_EQ(d->VerilecekYerKutusu->itemText(0), "DEPO");
    EXPECT_EQ(DeğiştirilecekMiktar, 2);
    EXPECT_EQ(HareketsizMevcutMiktar, 6);
    EXPECT_EQ(SeçiliSıra, 2);
    EXPECT_FALSE(d->KaydetDüğmesi->isEnabled());
    d->VerilecekYerKutusu->activated(0);
    EXPECT_TRUE(d->KaydetDüğmesi->isEnabled());
}

TEST_F(ÇıkışDeğiştirmeTesti, MiktarDeğişinceOrtalamaMaliyetleYenidenFiyatlanır) {
    auto* d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 1);
    yaz(d->MiktarıKutusu, "3");
    EXPECT_TRUE(d->KaydetDüğmesi->isEnabled());
    d->KaydetDüğmesi->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(sayı("SELECT Miktari FROM CikisIslemleriTablosu WHERE HareketNo=?", {çıkış}), 3);
    EXPECT_EQ(tutarı("CikisIslemleriTablosu", çıkış), TL("30"));
    EXPECT_EQ(hücre(*f, 1, ParçaHareketleriFormu::TutarıSütunu), "30");
    EXPECT_EQ(f->HareketListesi->seçiliSatır(), 1);
    EXPECT_EQ(AyarOku("Listelenecekler\\Verilecek Yer", "Verilecek Yer-1"), "BAKIM");
}

TEST_F(ÇıkışDeğiştirmeTesti, YalnızYerDeğişinceTutarKorunur) {
    auto* d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 1);
    d->MiktarıKutusu->setText("2,00");
    yaz(d->VerilecekYerKutusu->lineEdit(), "depo'ya");
    EXPECT_EQ(d->VerilecekYerKutusu->currentText(), "DEPO’YA");
    d->KaydetDüğmesi->click();
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT VerilecekYer FROM CikisIslemleriTablosu WHERE HareketNo=?", {çıkış})
                  .toString(),
              "DEPO’YA");
    EXPECT_EQ(tutarı("CikisIslemleriTablosu", çıkış), TL("13,1234"));
    EXPECT_EQ(sayı("SELECT Miktari FROM CikisIslemleriTablosu WHERE HareketNo=?", {çıkış}), 2);
}

TEST_F(ÇıkışDeğiştirmeTesti, StoğuAşanMiktarReddedilirKalanıTamBitirenKabulEdilir) {
    auto* d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 1);
    yaz(d->MiktarıKutusu, "9");
    d->KaydetDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Mevcut miktarınız NEGATİF olacağı için bu değişiklik yapılamıyor!");
    EXPECT_EQ(d->MiktarıKutusu->text(), "2");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(sayı("SELECT Miktari FROM CikisIslemleriTablosu WHERE HareketNo=?", {çıkış}), 2);
    yaz(d->MiktarıKutusu, "6");
    d->KaydetDüğmesi->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(tutarı("CikisIslemleriTablosu", çıkış), TL("60"));
    EXPECT_EQ(f->MevcutMiktarıKutusu->text(), "0,00");
}

TEST_F(ÇıkışDeğiştirmeTesti, BoşMiktarVeYerReddedilir) {
    auto* d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 1);
    for (const char* m : {"", "0", "0,00", "00"}) {
        d->MiktarıKutusu->setText(m);
        d->KaydetDüğmesi->setEnabled(true);
        d->KaydetDüğmesi->click();
        EXPECT_EQ(sonMesaj(), "Lütfen, geçerli bir MİKTAR giriniz.") << m;
    }
    d->MiktarıKutusu->setText("2");
    d->VerilecekYerKutusu->setEditText("  ");
    d->KaydetDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Lütfen, VERİLECEK YERİ giriniz.");
    EXPECT_TRUE(d->isVisible());
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT VerilecekYer FROM CikisIslemleriTablosu WHERE HareketNo=?", {çıkış})
                  .toString(),
              "BAKIM");
}

TEST_F(ÇıkışDeğiştirmeTesti, BağlıParçanınÇıkışıKendiMaliyetiyleFiyatlanır) {
    const auto b = parçaEkle("B-1", "BAĞLI");
    VeriTabanı.çalıştır("INSERT INTO BaglantiNoBilgileriTablosu (ParcaNo, Nosu, BaglantiNo, BaglantiNosu) "
                        "VALUES (?, 'A-1', ?, 'B-1')", {parça, b});
    girişEkle(b, 5, TL("2"));  // B's cost: 2
    const auto bÇıkış = çıkışEkle(b, 1, TL("2"));
    f->BulDüğmesi->click();
    parçayaTıkla(*f, "A-1");
    f->BağlantıNoListesi->setCurrentRow(0);
    ASSERT_EQ(f->NosuKutusu->text(), "B-1");
    auto* d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 0);
    yaz(d->MiktarıKutusu, "2");
    d->KaydetDüğmesi->click();
    EXPECT_EQ(tutarı("CikisIslemleriTablosu", bÇıkış), TL("4"));  // not A's cost of 10
}

TEST_F(ÇıkışDeğiştirmeTesti, OnYerHatırlanınDahaEskisiDüşer) {
    for (int i = 1; i <= 10; ++i) AyarYaz("Listelenecekler\\Verilecek Yer", QString("Verilecek Yer-%1").arg(i),
                                         QString("YER %1").arg(i));
    auto* d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 1);
    ASSERT_EQ(d->VerilecekYerKutusu->count(), 10);
    yaz(d->VerilecekYerKutusu->lineEdit(), "YENİ YER");
    d->KaydetDüğmesi->click();
    EXPECT_EQ(AyarOku("Listelenecekler\\Verilecek Yer", "Verilecek Yer-1"), "YENİ YER");
    EXPECT_EQ(AyarOku("Listelenecekler\\Verilecek Yer", "Verilecek Yer-10"), "YER 9");
}

TEST_F(ÇıkışDeğiştirmeTesti, YazılamayanYerBildirilirDeğişiklikKalırPencereKapanır) {
    auto* d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 1);
    // the settings file cannot be written
    QFile::remove(AyarDeposu::dosyaYolu(UygulamaAdı));
    ASSERT_TRUE(QDir().mkpath(AyarDeposu::dosyaYolu(UygulamaAdı)));
    yaz(d->VerilecekYerKutusu->lineEdit(), "YENİ YER");
    cevapla(MesajCevabı::Evet);
    d->KaydetDüğmesi->click();
    ASSERT_FALSE(mesajlar.empty());
    EXPECT_EQ(mesajlar.back().başlık, "Hata oluştu!");
    EXPECT_EQ(sonlandırmaSayısı, 0);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT VerilecekYer FROM CikisIslemleriTablosu WHERE HareketNo=?", {çıkış}).toString(),
              "YENİ YER");
    EXPECT_EQ(hücre(*f, 1, ParçaHareketleriFormu::YerSütunu), "YENİ YER");
}

TEST_F(ÇıkışDeğiştirmeTesti, ÇiftTıklamaDeğiştirmePenceresiniModalAçarKaydedinceListeYenilenir) {
    f->HareketListesi->satırSeç(1);
    bool açıldı = false;
    ModalGelinceÇalıştır<ParçaÇıkışıDeğiştirFormu>([&](ParçaÇıkışıDeğiştirFormu* d) {
        açıldı = true;
        EXPECT_EQ(d->parentWidget(), f.get());
        yaz(d->MiktarıKutusu, "3");
        d->KaydetDüğmesi->click();
    });
    const QModelIndex i = f->HareketListesi->model()->index(1, ParçaHareketleriFormu::MiktarıSütunu);
    f->HareketListesi->doubleClicked(i);
    EXPECT_TRUE(açıldı);
    EXPECT_EQ(hücre(*f, 1, ParçaHareketleriFormu::MiktarıSütunu), "3");
    EXPECT_EQ(f->HareketListesi->seçiliSatır(), 1);
}

// A hostile text pasted into a box of the receipt change is refused by name (the
// row unchanged) or stored exactly as the box shows it.
TEST_F(HareketDeğiştirmeTesti, GirişDeğişikliğindeDüşmancaMetinReddedilirYaDaGösterildiğiGibiSaklanır) {
    girişEkle(parçaEkle("A-1", "CİVATA"), 3, TL("1"));
    auto f = pencereAç("A-1");
    ParçaGirişiDeğiştirFormu* d = nullptr;
    const auto hazırla = [&](int kutu) {
        VeriTabanı.çalıştır("UPDATE GirisIslemleriTablosu SET FaturaNo='F1', FaturaVeren='ACME', Miktari=3, "
                            "Fiyati=10000, Tutari=30000");
        d = aç<ParçaGirişiDeğiştirFormu>(*f, 0);
        return d ? std::array{d->FaturaNoKutusu, d->FaturaVerenKutusu, d->MiktarıKutusu, d->FiyatıKutusu}[kutu]
                 : nullptr;
    };
    düşmancaMetinleriDene(4, hazırla, "GirişTarihiKutusu", [&] { d->KaydetDüğmesi->click(); },
                          [&](int kutu, const QString& gösterilen, bool red) {
        if (red) d->reject();  // the row as it was
        Sorgu s(VeriTabanı, "SELECT FaturaNo, FaturaVeren, Miktari, Fiyati FROM GirisIslemleriTablosu");
        ASSERT_TRUE(s.sonraki());
        QStringList beklenen{"F1", "ACME", "3,00", "1,00"};
        if (!red) beklenen[kutu] = kutu < 2 ? gösterilen : BiçimliSayı(SayıOku(gösterilen).value_or(-1));
        EXPECT_EQ((QStringList{s.metin("FaturaNo"), s.metin("FaturaVeren"), BiçimliSayı(s.sayı("Miktari")),
                               BiçimliSayı(Para::onBindeden(s.tamsayı("Fiyati")))}), beklenen);
    });
}

// The same for the issue change: the quantity and the place.
TEST_F(ÇıkışDeğiştirmeTesti, DüşmancaMetinReddedilirYaDaGösterildiğiGibiSaklanır) {
    girişEkle(parça, 2000000, TL("10"));
    ParçaÇıkışıDeğiştirFormu* d = nullptr;
    const auto hazırla = [&](int kutu) {
        VeriTabanı.çalıştır("UPDATE CikisIslemleriTablosu SET Miktari=2, VerilecekYer='BAKIM' WHERE HareketNo=?",
                            {çıkış});
        d = aç<ParçaÇıkışıDeğiştirFormu>(*f, 1);
        return d ? (kutu == 0 ? d->MiktarıKutusu : d->VerilecekYerKutusu->lineEdit()) : nullptr;
    };
    düşmancaMetinleriDene(2, hazırla, nullptr, [&] { d->KaydetDüğmesi->click(); },
                          [&](int kutu, const QString& gösterilen, bool red) {
        if (red) d->reject();  // the row as it was
        Sorgu s(VeriTabanı, "SELECT Miktari, VerilecekYer FROM CikisIslemleriTablosu WHERE HareketNo=?", {çıkış});
        ASSERT_TRUE(s.sonraki());
        QVariantList beklenen{2.0, "BAKIM"};
        if (!red) beklenen[kutu] = kutu == 0 ? QVariant(SayıOku(gösterilen).value_or(-1)) : gösterilen.trimmed();
        EXPECT_EQ((QVariantList{s.sayı("Miktari"), s.metin("VerilecekYer")}), beklenen);
    });
}
