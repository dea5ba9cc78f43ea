#include "tests/vouchers/FişTestOrtamı.h"
#include "shell/PencereAçıcıları.h"
#include "vouchers/FişNoveTarihDeğiştirFormu.h"
#include "vouchers/FişSeçFormu.h"

#include <QRadioButton>

namespace {

class FişTarayıcısıTestleri : public FişTestOrtamı {
protected:
    // Brand code 5: vouchers 3, 8, 15; brand code 12: voucher 7 (two parts, one of them
    // "10" listed before "9"); an archived row, one of last year and one printed.
    void SetUp() override {
        FişTestOrtamı::SetUp();
        p9 = parça("9", "VİDA");
        p10 = parça("10", "SOMUN");
        for (qlonglong no : {15, 3, 8}) giriş({.parça = p9, .fişNo = no, .kodu = 5});
        giriş({.parça = p9, .fişNo = 7, .miktar = 2.5, .tutar = TL("10")});
        giriş({.parça = p10, .fişNo = 7, .miktar = 1000, .tutar = TL("20,5")});
        giriş({.parça = p10, .fişNo = 7, .miktar = 1, .tutar = TL("0,25")});
        giriş({.parça = p9, .fişNo = 0, .kodu = 30, .arşivFişNo = 4});
        giriş({.parça = p9, .fişNo = 9, .kodu = 31, .tarih = gün(3, buYıl() - 1)});
        giriş({.parça = p9, .fişNo = 21, .kodu = 40, .yazdırıldı = true});
    }
    qlonglong p9 = 0, p10 = 0;

    // Nothing listed, counted or totalled.
    static void listeBoş(GirişFişiYazdırFormu& f) {
        EXPECT_EQ(f.GirişBilgileriListesi->satırSayısı(), 0);
        EXPECT_EQ(f.SıraNo, 0);
        EXPECT_TRUE(f.ListeToplamı.sıfırMı());
        EXPECT_TRUE(f.ListeToplamıKutusu->text().isEmpty());
    }
    // The voucher clicked, its method of acquisition chosen and printed on the chosen printer.
    static void fişiYazdır(GirişFişiYazdırFormu& f, const QString& fiş, int alınmaŞekli) {
        tıkla(f, fiş);
        f.AlınmaŞekliKutusu->setCurrentIndex(alınmaŞekli);
        YazıcıSeçimindeTamam();
        f.FişiYazdırDüğmesi->click();
    }
};

TEST_F(FişTarayıcısıTestleri, AğaçYılınYazdırılmamışFişleriniMarkaKodlarıAltındaListeler) {
    auto f = aç<GirişFişiYazdırFormu>();
    EXPECT_EQ(f->windowTitle(), "Giriş Fişlerini Listele/Yazdır");
    EXPECT_FALSE(f->Altlık[0]->isVisible());
    EXPECT_EQ(ağaç(*f), QStringList({"5", "12", "3 No 'lu Fiş", "8 No 'lu Fiş", "15 No 'lu Fiş", "7 No 'lu Fiş"}));
    EXPECT_EQ(f->Düğüm(1)->data(0, Qt::UserRole + 1).toString(), "5-K");
    EXPECT_EQ(f->Düğüm(1)->foreground(0).color(), QColor(192, 64, 0));
    EXPECT_EQ(f->Düğüm(5)->parent(), f->Düğüm(1));
    EXPECT_EQ(f->Düğüm(5)->data(0, Qt::UserRole).toInt(), 3);
    EXPECT_EQ(f->Düğüm(6)->data(0, Qt::UserRole).toInt(), 1);
    for (int i = 1; i <= f->DüğümSayısı(); ++i) EXPECT_FALSE(f->Düğüm(i)->isExpanded());
    EXPECT_EQ(f->FişListesi->currentItem(), nullptr);

    // ticked: only vouchers whose rows are marked printed; a half-printed voucher shows under both
    VeriTabanı.çalıştır("UPDATE GirisIslemleriTablosu SET Yazdirildi=1 WHERE FisNo=8");
    giriş({.parça = p9, .fişNo = 21, .kodu = 40});
    f->YazdırılanlarıGösterOnayı->click();
    EXPECT_EQ(ağaç(*f), QStringList({"5", "40", "8 No 'lu Fiş", "21 No 'lu Fiş"}));
    f->YazdırılanlarıGösterOnayı->click();
    EXPECT_EQ(ağaç(*f), QStringList({"5", "12", "40", "3 No 'lu Fiş", "15 No 'lu Fiş", "7 No 'lu Fiş",
                                     "21 No 'lu Fiş"}));
}

TEST_F(FişTarayıcısıTestleri, FişeTıklamakSatırlarıToplamıVeBaşlığıGösterirMarkaKoduBoşaltır) {
    auto f = aç<GirişFişiYazdırFormu>();
    f->AlınmaŞekliKutusu->setCurrentIndex(1);
    for (int kez = 0; kez < 2; ++kez) {  // the same node twice shows the lines once
        tıkla(*f, "7 No 'lu Fiş");
        ASSERT_EQ(f->GirişBilgileriListesi->satırSayısı(), 3);
    }
    EXPECT_EQ(SeçiliFişNo, 7);
    EXPECT_EQ(f->FişNoKutusu->text(), "7/1");
    EXPECT_EQ(satır(f->GirişBilgileriListesi, 0),
              QStringList({"1", "10", "SOMUN", "ADET", "1000", "20,50", "RAF-10"}));
    EXPECT_EQ(satır(f->GirişBilgileriListesi, 1), QStringList({"2", "10", "SOMUN", "ADET", "1", "0,25", "RAF-10"}));
    EXPECT_EQ(satır(f->GirişBilgileriListesi, 2), QStringList({"3", "9", "VİDA", "ADET", "2,5", "10,00", "RAF-9"}));
    EXPECT_EQ(f->SıraNo, 3);
    EXPECT_EQ(f->ListeToplamı, TL("30,75"));
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "30,75");
    EXPECT_EQ(f->MalıAlanKutusu->text(), "Vu Rozu Rovozar");
    EXPECT_EQ(f->GirişTarihiKutusu->text(), KısaTarih(gün()));
    EXPECT_EQ(f->FaturaTarihiKutusu->text(), KısaTarih(gün().addDays(-2)));
    EXPECT_EQ(f->FaturaNoKutusu->text(), "F-77");
    EXPECT_EQ(f->FaturaVerenKutusu->text(), "ACME LTD");
    EXPECT_EQ(f->AlınmaŞekliKutusu->currentIndex(), -1);  // chosen anew for every voucher
    auto x = [&](const QWidget* k) { return k->mapTo(f.get(), QPoint()).x(); };  // the header's columns line up
    for (const QWidget* k : {f->GirişTarihiKutusu, f->FaturaTarihiKutusu, f->FaturaVerenKutusu})
        EXPECT_EQ(x(k), x(f->FişNoKutusu));
    EXPECT_EQ(x(f->FaturaNoKutusu), x(f->MalıAlanKutusu));
    EXPECT_EQ(x(f->AlınmaŞekliKutusu), x(f->MalıAlanKutusu));

    tıkla(*f, "3 No 'lu Fiş");
    QTest::keyClick(f->FişListesi, Qt::Key_Down);  // the keys show the voucher they reach
    EXPECT_EQ(f->FişListesi->currentItem()->text(0), "8 No 'lu Fiş");
    EXPECT_EQ(f->FişNoKutusu->text(), "8/2");
    EXPECT_EQ(f->GirişBilgileriListesi->satırSayısı(), 1);

    tıkla(*f, "12");
    listeBoş(*f);
    for (QLineEdit* k : {f->FişNoKutusu, f->MalıAlanKutusu, f->GirişTarihiKutusu,
                         f->FaturaTarihiKutusu, f->FaturaNoKutusu, f->FaturaVerenKutusu})
        EXPECT_TRUE(k->text().isEmpty()) << k->objectName().toStdString();
    EXPECT_EQ(SeçiliFişNo, 8);
}

TEST_F(FişTarayıcısıTestleri, SeçiliDüğümKapanınca_SatırlarVeToplamBoşalır) {
    auto f = aç<GirişFişiYazdırFormu>();
    tıkla(*f, "7 No 'lu Fiş");
    f->FişListesi->collapseItem(düğüm(*f, "5"));  // not the selected one: nothing changes
    EXPECT_EQ(f->GirişBilgileriListesi->satırSayısı(), 3);
    f->FişListesi->setCurrentItem(düğüm(*f, "12"));
    f->FişListesi->collapseItem(düğüm(*f, "12"));
    listeBoş(*f);
}

TEST_F(FişTarayıcısıTestleri, ArşivKipiSeçilenYılıArşivNumarasıylaListelerVeDeğiştirmeyeİzinVermez) {
    const int geçenYıl = buYıl() - 1;
    VeriTabanı.çalıştır("CREATE TABLE ArsivlenenYillarTablosu (YilBilgisi TEXT(4))");
    VeriTabanı.çalıştır("INSERT INTO ArsivlenenYillarTablosu VALUES (?)", {QString::number(geçenYıl)});
    VeriTabanı.çalıştır("INSERT INTO ArsivlenenYillarTablosu VALUES ('2001')");
    giriş({.parça = p9, .fişNo = 0, .kodu = 30, .tarih = gün(5, geçenYıl), .arşivFişNo = 4});
    giriş({.parça = p10, .fişNo = 0, .kodu = 30, .tarih = gün(6, 2001), .arşivFişNo = 4});

    auto f = aç<ÇıkışFişiYazdırFormu>(true);
    auto g = aç<GirişFişiYazdırFormu>(true);
    EXPECT_EQ(f->windowTitle(), "Arşivlenen Çıkış Fişlerini Listele/Yazdır");
    EXPECT_EQ(g->windowTitle(), "Arşivlenen Giriş Fişlerini Listele/Yazdır");
    EXPECT_TRUE(g->Altlık[0]->isVisible());
    EXPECT_EQ(g->YılListesiKutusu->count(), 2);
    EXPECT_EQ(g->YılListesiKutusu->itemText(0), "2001");
    EXPECT_EQ(g->DüğümSayısı(), 0);
    g->YazdırılanlarıGösterOnayı->click();  // no year chosen: stays empty
    EXPECT_EQ(g->DüğümSayısı(), 0);
    g->YazdırılanlarıGösterOnayı->click();

    g->YılListesiKutusu->setCurrentIndex(1);
    emit g->YılListesiKutusu->activated(1);
    EXPECT_EQ(FişNoAlanı, "ArsivFisNo");
    EXPECT_EQ(ağaç(*g), QStringList({"30", "4 No 'lu Fiş"}));
    tıkla(*g, "4 No 'lu Fiş");
    ASSERT_EQ(g->GirişBilgileriListesi->satırSayısı(), 1);  // the 2001 row of the same number is not shown
    EXPECT_EQ(g->GirişBilgileriListesi->hücre(0, 2), "VİDA");

    g->FişNoDeğiştirDüğmesi_Click();
    g->FişTarihiDeğiştirDüğmesi_Click();
    EXPECT_EQ(mesajMetinleri(),
              QStringList({"ARŞİVLENMİŞ fişleri değiştiremezsiniz!", "ARŞİVLENMİŞ fişleri değiştiremezsiniz!"}));
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);

    // the working year again: by FisNo
    auto h = aç<GirişFişiYazdırFormu>();
    EXPECT_EQ(FişNoAlanı, "FisNo");
    EXPECT_EQ(h->DüğümSayısı(), 6);
}

TEST_F(FişTarayıcısıTestleri, EtkinleşinceİmzalarıOkurEksikİmzaYazdırmayıDurdurur) {
    auto f = aç<GirişFişiYazdırFormu>();
    const QString b = "Ayarlar\\Giris Fisi";
    AyarYaz(b, "Ambar Memuru", "A");
    AyarYaz(b, "Teknik Eleman-1", "B");
    AyarYaz(b, "Ayniyat Saymani", "C");
    AyarYaz(b, "Kopya Sayisi", "3");
    f->Form_Activate();
    EXPECT_FALSE(DiğerBilgilerTamam);
    EXPECT_EQ(GirişFişiKopyaSayısı, 3);
    EXPECT_EQ(f->TeknikElemanlar[0], "B");

    tıkla(*f, "7 No 'lu Fiş");
    f->FişiYazdırDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Fiş için gerekli DİĞER BİLGİLER girilmemiş!\n\nLütfen, bu bilgileri girip tekrar deneyiniz.");
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Bilgi);

    girişİmzalarıYaz();
    f->Form_Activate();
    EXPECT_TRUE(DiğerBilgilerTamam);
    f->FişiYazdırDüğmesi->click();  // the method of acquisition is missing
    EXPECT_EQ(sonMesaj(), "Lütfen, ALINMA ŞEKLİ'ni giriniz.");

    YazıcıVar = false;
    f->FişiYazdırDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.");
    EXPECT_TRUE(basılanlar->empty());

    tıkla(*f, "12");  // no lines: the button does nothing
    const size_t önce = mesajlar.size();
    f->FişiYazdırDüğmesi->click();
    EXPECT_EQ(mesajlar.size(), önce);
}

TEST_F(FişTarayıcısıTestleri, YazdırılanFişİşaretlenirAğaçtanÇıkarSeçimSonrakineGeçer) {
    giriş({.parça = p9, .fişNo = 7, .tarih = gün(3, buYıl() - 1)});  // same number, last year
    girişİmzalarıYaz();
    auto f = aç<GirişFişiYazdırFormu>();
    f->Form_Activate();

    // one of three vouchers of brand code 5: the brand code stays selected, no voucher shown
    fişiYazdır(*f, "8 No 'lu Fiş", 0);
    ASSERT_EQ(basılanlar->size(), 1u);
    EXPECT_TRUE(belge().bitti);
    EXPECT_EQ(yazdırılanSayısı("GirisIslemleriTablosu", 8), 1);
    EXPECT_EQ(ağaç(*f), QStringList({"5", "12", "3 No 'lu Fiş", "15 No 'lu Fiş", "7 No 'lu Fiş"}));
    EXPECT_EQ(f->FişListesi->currentItem(), f->Düğüm(1));
    EXPECT_EQ(f->GirişBilgileriListesi->satırSayısı(), 0);
    EXPECT_TRUE(f->FişiYazdırDüğmesi->isEnabled());

    // the only voucher of the last brand code: its brand code goes, the first voucher is shown and selected
    fişiYazdır(*f, "7 No 'lu Fiş", 1);
    EXPECT_EQ(yazdırılanSayısı("GirisIslemleriTablosu", 7), 3);  // this year's rows only
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT Yazdirildi FROM GirisIslemleriTablosu WHERE FisNo=7 AND Tarihi<?",
                                  {QDate(buYıl(), 1, 1)}).toInt(), 0);
    EXPECT_EQ(ağaç(*f), QStringList({"5", "3 No 'lu Fiş", "15 No 'lu Fiş"}));
    EXPECT_EQ(f->FişListesi->currentItem(), f->Düğüm(2));
    EXPECT_EQ(f->FişNoKutusu->text(), "3/1");
    EXPECT_EQ(f->GirişBilgileriListesi->satırSayısı(), 1);

    // the printed list: printing again leaves the tree as it is
    f->YazdırılanlarıGösterOnayı->click();
    EXPECT_EQ(ağaç(*f), QStringList({"5", "12", "40", "8 No 'lu Fiş", "7 No 'lu Fiş", "21 No 'lu Fiş"}));
    fişiYazdır(*f, "21 No 'lu Fiş", 1);
    EXPECT_EQ(basılanlar->size(), 3u);
    EXPECT_EQ(f->DüğümSayısı(), 6);
    EXPECT_EQ(f->GirişBilgileriListesi->satırSayısı(), 1);
}

TEST_F(FişTarayıcısıTestleri, SonFişYazdırılıncaAğaçVeListeBoşalır) {
    VeriTabanı.çalıştır("DELETE FROM GirisIslemleriTablosu WHERE FisNo<>7");
    girişİmzalarıYaz();
    auto f = aç<GirişFişiYazdırFormu>();
    fişiYazdır(*f, "7 No 'lu Fiş", 0);
    EXPECT_EQ(f->DüğümSayısı(), 0);
    EXPECT_EQ(f->GirişBilgileriListesi->satırSayısı(), 0);
    EXPECT_TRUE(f->FişNoKutusu->text().isEmpty());
}

TEST_F(FişTarayıcısıTestleri, İptalVeyaGitmeyenBaskıFişiİşaretlemez) {
    girişİmzalarıYaz();
    auto f = aç<GirişFişiYazdırFormu>();
    tıkla(*f, "7 No 'lu Fiş");
    f->AlınmaŞekliKutusu->setCurrentIndex(0);
    for (int kez = 0; kez < 2; ++kez) {
        YazıcıSeçimindeTamam(true);
        f->FişiYazdırDüğmesi->click();
        EXPECT_FALSE(YazıcıSeçimiİptal);
    }
    EXPECT_TRUE(basılanlar->empty());

    // a printer that does not take the document: reported, not marked
    YazıcıArkaUcuYapıcısıKur([k = basılanlar](const QString& ad) {
        auto u = std::make_unique<KayıtArkaUcu>(k, ad);
        u->bozuk = true;
        return u;
    });
    GeçerliYazıcıyıSıfırla();
    YazıcıSeçimindeTamam();
    f->FişiYazdırDüğmesi->click();
    EXPECT_EQ(sonMesaj(), "Belge yazıcıya gönderilemedi!\n\nLütfen, yazıcınızı kontrol edip tekrar deneyiniz.");
    EXPECT_EQ(yazdırılanSayısı("GirisIslemleriTablosu", 7), 0);
    EXPECT_EQ(f->DüğümSayısı(), 6);
    EXPECT_EQ(f->GirişBilgileriListesi->satırSayısı(), 3);
    EXPECT_TRUE(f->FişiYazdırDüğmesi->isEnabled());
}

TEST_F(FişTarayıcısıTestleri, ÇıkışPenceresiYerSütunuVeTarihleGösterirVeYazdırır) {
    çıkış({.parça = p10, .fişNo = 4, .miktar = 3, .tutar = TL("12,5"), .kodu = 12, .yer = "ATÖLYE"});
    çıkış({.parça = p9, .fişNo = 4, .miktar = 0.5, .tutar = TL("1.000"), .kodu = 12, .tarih = gün(4)});
    çıkışİmzalarıYaz();
    auto f = aç<ÇıkışFişiYazdırFormu>();
    EXPECT_EQ(f->windowTitle(), "Çıkış Fişlerini Listele/Yazdır");
    EXPECT_EQ(ağaç(*f), QStringList({"12", "4 No 'lu Fiş"}));
    tıkla(*f, "4 No 'lu Fiş");
    EXPECT_EQ(satır(f->ÇıkışBilgileriListesi, 0), QStringList({"1", "10", "SOMUN", "ATÖLYE", "ADET", "3", "12,50"}));
    EXPECT_EQ(satır(f->ÇıkışBilgileriListesi, 1), QStringList({"2", "9", "VİDA", "BAKIM", "ADET", "0,5", "1.000,00"}));
    EXPECT_EQ(f->ÇıkışTarihiKutusu->text(), KısaTarih(gün()));
    EXPECT_EQ(f->ListeToplamıKutusu->text(), "1.012,50");
    EXPECT_EQ(f->FişNoKutusu->text(), "4/1");

    YazıcıSeçimindeTamam();
    f->FişiYazdırDüğmesi->click();
    ASSERT_EQ(basılanlar->size(), 1u);
    EXPECT_EQ(YazdırılacakRapor, 1);
    basıldı({"İSTEK ÇIKIŞ FİŞİ", ": 12", ": 4/1", ": <Isteyen>", "Toplam : 1.012,50"});
    EXPECT_EQ(yazdırılanSayısı("CikisIslemleriTablosu", 4), 2);
    EXPECT_EQ(f->DüğümSayısı(), 0);
    EXPECT_EQ(f->ListeToplamı, TL("1.012,50"));
    EXPECT_EQ(f->SıraNo, 3);
}

TEST_F(FişTarayıcısıTestleri, OdakEtiketleriBoyarEnterSonrakineGeçer) {
    auto g = aç<GirişFişiYazdırFormu>();
    QApplication::setActiveWindow(g.get());
    g->AlınmaŞekliKutusu->setFocus();
    EXPECT_EQ(g->Etiket[9]->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    QTest::keyClick(g->AlınmaŞekliKutusu, Qt::Key_Return);
    EXPECT_FALSE(g->AlınmaŞekliKutusu->hasFocus());
    g->FişListesi->setFocus();
    EXPECT_EQ(g->Etiket[0]->palette().color(QPalette::WindowText), QColor(192, 64, 0));
}

TEST_F(FişTarayıcısıTestleri, FişSeçmePenceresiSeçileniÇalışmaYılıİçinAçar) {
    for (int seçenek : {0, 1}) {
        ArşivModu = true;
        FişNoAlanı = "ArsivFisNo";
        FişSeçFormu s;
        s.show();
        EXPECT_EQ(s.windowTitle(), "Yazdırılacak Fişi Seçme");
        EXPECT_TRUE(s.FişSeçSeçeneği[0]->isChecked());
        if (seçenek) s.FişSeçSeçeneği[1]->click();
        QString açılan, başlık;
        int düğümler = 0;
        ModalGelinceÇalıştır([&](QWidget* w) {
            açılan = w->objectName();
            başlık = w->windowTitle();
            düğümler = static_cast<FişTarayıcısı*>(w)->DüğümSayısı();
            static_cast<QDialog*>(w)->reject();
        });
        s.Tamam->click();
        EXPECT_EQ(açılan, seçenek ? "ÇıkışFişiYazdırFormu" : "GirişFişiYazdırFormu");
        EXPECT_EQ(başlık, seçenek ? "Çıkış Fişlerini Listele/Yazdır" : "Giriş Fişlerini Listele/Yazdır");
        EXPECT_EQ(düğümler, seçenek ? 0 : 6);
        EXPECT_FALSE(ArşivModu);
        EXPECT_FALSE(s.isVisible());
    }
}

TEST_F(FişTarayıcısıTestleri, AnaPencereninAçıcılarıArşivKipindeYıllarıDoldurur) {
    VeriTabanı.çalıştır("CREATE TABLE ArsivlenenYillarTablosu (YilBilgisi TEXT(4))");
    VeriTabanı.çalıştır("INSERT INTO ArsivlenenYillarTablosu VALUES ('2019'), ('2018')");
    for (Pencere p : {Pencere::GirişFişleri, Pencere::ÇıkışFişleri, Pencere::FişSeç}) ASSERT_TRUE(PencereAçıcısı(p));
    QWidget sahip;
    sahip.show();
    QStringList yıllar;
    QString başlık;
    int seçili = 0;
    ModalGelinceÇalıştır([&](QWidget* w) {
        auto* f = static_cast<FişTarayıcısı*>(w);
        EXPECT_EQ(w->parentWidget(), &sahip);
        başlık = w->windowTitle();
        for (int i = 0; i < f->YılListesiKutusu->count(); ++i) yıllar << f->YılListesiKutusu->itemText(i);
        seçili = f->YılListesiKutusu->currentIndex();
        f->reject();
    });
    ArşivModu = true;
    PencereAçıcısı(Pencere::ÇıkışFişleri)(&sahip, true);
    EXPECT_EQ(başlık, "Arşivlenen Çıkış Fişlerini Listele/Yazdır");
    EXPECT_EQ(yıllar, QStringList({"2018", "2019"}));
    EXPECT_EQ(seçili, -1);
}

TEST_F(FişTarayıcısıTestleri, NumaraDeğişikliğiAğacıYenilerMarkaKodunuSeçipAçar) {
    auto f = aç<GirişFişiYazdırFormu>();
    tıkla(*f, "7 No 'lu Fiş");
    QString başlık;
    ModalGelinceÇalıştır<FişNoveTarihDeğiştirFormu>([&](FişNoveTarihDeğiştirFormu* d) {
        başlık = d->windowTitle();
        EXPECT_EQ(d->parentWidget(), f.get());
        EXPECT_EQ(d->FişNoKutusu->text(), "7");
        d->FişNoKutusu->setFocus();
        d->FişNoKutusu->setText("70");
        d->TamamDüğmesi->click();
    });
    f->FişNoDeğiştirDüğmesi->click();
    EXPECT_EQ(başlık, "Fiş No Değiştir");
    EXPECT_EQ(ağaç(*f), QStringList({"5", "12", "3 No 'lu Fiş", "8 No 'lu Fiş", "15 No 'lu Fiş", "70 No 'lu Fiş"}));
    EXPECT_EQ(f->FişListesi->currentItem(), f->Düğüm(2));
    EXPECT_TRUE(f->Düğüm(2)->isExpanded());
    EXPECT_EQ(f->GirişBilgileriListesi->satırSayısı(), 0);
}

TEST_F(FişTarayıcısıTestleri, TarihDeğişikliğiFişiYenidenGösterir) {
    çıkış({.parça = p10, .fişNo = 4, .miktar = 3, .tutar = TL("12,5")});
    auto f = aç<ÇıkışFişiYazdırFormu>();
    tıkla(*f, "4 No 'lu Fiş");
    ModalGelinceÇalıştır([&](QWidget* w) {
        auto* d = static_cast<FişNoveTarihDeğiştirFormu*>(w);
        EXPECT_EQ(d->windowTitle(), "Çıkış Tarihi Değiştir");
        EXPECT_EQ(d->TarihiKutusu->text(), KısaTarih(gün()));
        d->TarihiKutusu->setFocus();
        d->TarihiKutusu->setText(KısaTarih(gün(4)));
        d->TamamDüğmesi->click();
    });
    f->FişTarihiDeğiştirDüğmesi->click();
    EXPECT_EQ(f->ÇıkışTarihiKutusu->text(), KısaTarih(gün(4)));
    EXPECT_EQ(f->ÇıkışBilgileriListesi->satırSayısı(), 1);
    EXPECT_EQ(f->FişNoKutusu->text(), "4/1");
}

TEST_F(FişTarayıcısıTestleri, DiğerBilgilerPenceresiKapanıncaİmzalarYenidenOkunur) {
    auto f = aç<GirişFişiYazdırFormu>();
    EXPECT_FALSE(DiğerBilgilerTamam);
    QString açılan;
    ModalGelinceÇalıştır([&](QWidget* w) {
        açılan = w->objectName();
        EXPECT_EQ(w->parentWidget(), f.get());
        girişİmzalarıYaz();  // as the dialog's Tamam saves them
        static_cast<QDialog*>(w)->reject();
    });
    f->DiğerFişBilgileriniGösterDeğiştirDüğmesi->click();
    EXPECT_EQ(açılan, "DiğerGirişFişiBilgileriFormu");
    EXPECT_TRUE(DiğerBilgilerTamam);
    EXPECT_EQ(f->AyniyatSaymanı, "Cem SAYMAN");

    // the next print carries the new names
    fişiYazdır(*f, "7 No 'lu Fiş", 0);
    ASSERT_EQ(basılanlar->size(), 1u);
    basıldı({"Cem SAYMAN", ": Eda ALAN", ": 12", ": " + KısaTarih(gün()) + " - 7/1", ": İhale", "Toplam : 30,75",
             "3 kalemde yazılı malzeme tamam olarak ambara alındı."});
}

TEST_F(FişTarayıcısıTestleri, SatırListesiSayıSütunlarınıSayıOlarakSıralarDüzeniSaklar) {
    {
        auto f = aç<GirişFişiYazdırFormu>();
        tıkla(*f, "7 No 'lu Fiş");
        auto miktarlar = [&] {
            QStringList l;
            for (int i = 0; i < 3; ++i) l << f->GirişBilgileriListesi->hücre(i, 4);
            return l;
        };
        f->GirişBilgileriListesi->başlığaTıkla(4);
        EXPECT_EQ(miktarlar(), QStringList({"1", "2,5", "1000"}));
        f->GirişBilgileriListesi->başlığaTıkla(4);
        EXPECT_EQ(miktarlar(), QStringList({"1000", "2,5", "1"}));
        f->GirişBilgileriListesi->başlığaTıkla(2);
        EXPECT_EQ(SıralamaYönü, 0);
        EXPECT_EQ(f->GirişBilgileriListesi->hücre(0, 2), "SOMUN");
        f->GirişBilgileriListesi->setColumnWidth(2, 200);
        f->close();
    }
    EXPECT_EQ(AyarOku("Listeler\\Liste-4", "Genislik-3"), "3000");
    auto g = aç<GirişFişiYazdırFormu>();
    EXPECT_EQ(g->GirişBilgileriListesi->columnWidth(2), 200);
}

TEST_F(FişTarayıcısıTestleri, OkunamayanSatırlarHataGösterirListeBoşKalır) {
    auto f = aç<GirişFişiYazdırFormu>();
    VeriTabanı.çalıştır("ALTER TABLE ParcaBilgileriTablosu RENAME TO Baska");
    cevapla(MesajCevabı::Evet);
    tıkla(*f, "7 No 'lu Fiş");
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    listeBoş(*f);
    EXPECT_EQ(sonlandırmaSayısı, 0);
}

// Both browsers list, and the print shows, the lines in the Turkish order of the part numbers.
TEST_F(FişTarayıcısıTestleri, SatırlarVeBaskısıTürkçeNoSırasında) {
    const QStringList sıra{"C-1", "Ç-1", "D-1", "I-1", "İ-1", "J-1"};
    for (const char* no : {"J-1", "İ-1", "D-1", "Ç-1", "I-1", "C-1"}) {
        const qlonglong p = parça(QString::fromUtf8(no), "PİM", 50);
        giriş({.parça = p, .fişNo = 44, .kodu = 50});
        çıkış({.parça = p, .fişNo = 44, .kodu = 50});
    }
    auto nolar = [](const ListeDenetimi* l) {
        QStringList n;
        for (int i = 0; i < l->satırSayısı(); ++i) n << l->hücre(i, 1);
        return n;
    };
    auto g = aç<GirişFişiYazdırFormu>();
    tıkla(*g, "44 No 'lu Fiş");
    EXPECT_EQ(nolar(g->GirişBilgileriListesi), sıra);
    g.reset();
    çıkışİmzalarıYaz();
    auto ç = aç<ÇıkışFişiYazdırFormu>();
    tıkla(*ç, "44 No 'lu Fiş");
    EXPECT_EQ(nolar(ç->ÇıkışBilgileriListesi), sıra);
    YazıcıSeçimindeTamam();
    ç->FişiYazdırDüğmesi->click();
    ASSERT_EQ(basılanlar->size(), 1u);
    for (int i = 1; i < sıra.size(); ++i) {
        const auto önceki = bul(sıra[i - 1]), sonraki = bul(sıra[i]);
        ASSERT_TRUE(önceki && sonraki) << sıra[i].toStdString();
        EXPECT_LT(önceki->y, sonraki->y) << sıra[i].toStdString();
    }
}

}  // namespace
