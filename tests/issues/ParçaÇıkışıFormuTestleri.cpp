#include "issues/OrtalamaMaliyet.h"
#include "tests/issues/ParçaÇıkışıTestOrtamı.h"

// ---- The average-cost rule ----

TEST(OrtalamaMaliyet, KuralDörtOndalığaYarıdaÇifteYuvarlar) {
    EXPECT_EQ(GenelSayı(OrtalamaMaliyetFiyatı(3, Para::sayıdan(10))), "3,3333");
    EXPECT_EQ(GenelSayı(OrtalamaMaliyetFiyatı(3, Para::sayıdan(20))), "6,6667");
    EXPECT_EQ(GenelSayı(OrtalamaMaliyetFiyatı(16, Para::sayıdan(25))), "1,5625");
    EXPECT_EQ(GenelSayı(OrtalamaMaliyetFiyatı(6, Para::sayıdan(75))), "12,5");
    // 0,00005 is a tie: the even digit stays
    EXPECT_EQ(OrtalamaMaliyetFiyatı(2, Para::onBindeden(1)).onBinde(), 0);
    EXPECT_EQ(OrtalamaMaliyetFiyatı(2, Para::onBindeden(3)).onBinde(), 2);
    EXPECT_TRUE(OrtalamaMaliyetFiyatı(0, Para::sayıdan(5)).sıfırMı());
    EXPECT_TRUE(OrtalamaMaliyetFiyatı(-2, Para::sayıdan(5)).sıfırMı());
}

TEST_F(ParçaÇıkışıTesti, OrtalamaMaliyetTümYıllarınHareketleriniSayar) {
    const auto p = parça(7, "A1");
    giriş(p, 10, 100, QDate(2001, 5, 5));  // archived year
    giriş(p, 10, 150);
    çıkış(p, 4, 40, 7, 0, QDate(2001, 6, 6));
    const auto t = ParçaToplamlarınıOku(p);
    EXPECT_EQ(t.mevcut(), 16);
    EXPECT_EQ(GenelSayı(OrtalamaMaliyetFiyatı(p)), "13,125");
    EXPECT_TRUE(OrtalamaMaliyetFiyatı(parça(7, "BOŞ")).sıfırMı());
}

// ---- Finding and showing a part ----

TEST_F(ParçaÇıkışıTesti, StokFiyatEklenenVeKalanGenelSayıOlarakGörünür) {
    const auto p = parça(7, "A1");
    giriş(p, 4, 50);
    giriş(p, 6, 75);
    çıkış(p, 4, 50);
    aç();
    bul("7");
    seç(0);
    EXPECT_EQ(metin("MevcuduKutusu"), "6");
    EXPECT_EQ(metin("FiyatıKutusu"), "12,5");
    EXPECT_EQ(metin("EklenenKutusu"), "0");
    EXPECT_EQ(metin("KalanKutusu"), "6");
    EXPECT_EQ(metin("AdıKutusu"), "CONTA");
    EXPECT_EQ(metin("MarkasıKutusu"), "FORD");
    EXPECT_EQ(metin("KdvOranıKutusu"), "18");
    EXPECT_EQ(metin("BirimiKutusu"), "ADET");
    EXPECT_EQ(metin("AmbarYeriKutusu"), "A-1");
    ekle("2", "MUHASEBE");
    EXPECT_TRUE(mesajlar.empty()) << sonMesaj().toStdString();
    EXPECT_EQ(metin("EklenenKutusu"), "2");
    EXPECT_EQ(metin("KalanKutusu"), "4");
    EXPECT_EQ(metin("MevcuduKutusu"), "6");
}

TEST_F(ParçaÇıkışıTesti, HareketsizEksiVeOndalıkStoklar) {
    const auto boş = parça(7, "A1");
    const auto eksi = parça(7, "A2");
    const auto ondalık = parça(7, "A3");
    (void)boş;
    giriş(eksi, 2, 10);
    çıkış(eksi, 5, 10);
    giriş(ondalık, 0.1, 1);
    giriş(ondalık, 0.2, 2);
    çıkış(ondalık, 0.3, 2);
    aç();
    bul("7");
    seç(0);
    for (const char* ad : {"MevcuduKutusu", "FiyatıKutusu", "EklenenKutusu", "KalanKutusu"}) EXPECT_EQ(metin(ad), "0") << ad;
    seç(1);
    EXPECT_EQ(metin("MevcuduKutusu"), "-3");
    EXPECT_EQ(metin("FiyatıKutusu"), "0");
    seç(2);  // 0,1 + 0,2 - 0,3 is no stock at all, not 5,55E-17
    EXPECT_EQ(metin("MevcuduKutusu"), "0");
    EXPECT_EQ(metin("FiyatıKutusu"), "0");
}

TEST_F(ParçaÇıkışıTesti, BulmaSıfırlarıAtarSıralarVeTemizleGeriAlır) {
    parça(7, "B2");
    parça(7, "", "ZİNCİR");
    parça(7, "A1");
    parça(8, "C3");
    aç();
    bul("");
    bul("000");
    EXPECT_EQ(k<QListWidget>("ParçaListesi")->count(), 0);
    EXPECT_FALSE(AramaYapıldı);
    bul("9");
    EXPECT_EQ(k<QLabel>("Etiket1")->text(), "&Parça Listesi (Toplam: 0)");
    EXPECT_TRUE(k("BulKutusu")->isEnabled());
    EXPECT_TRUE(mesajlar.empty());
    bul("007");
    auto* l = k<QListWidget>("ParçaListesi");
    ASSERT_EQ(l->count(), 3);
    EXPECT_EQ(l->item(0)->text(), "A1");
    EXPECT_EQ(l->item(1)->text(), "B2");
    EXPECT_EQ(l->item(2)->text(), "ZİNCİR (Nosu Yok!)");
    EXPECT_EQ(l->currentRow(), -1);
    EXPECT_EQ(metin("BulKutusu"), "7");
    EXPECT_FALSE(k("BulKutusu")->isEnabled());
    EXPECT_FALSE(k<QPushButton>("BulDüğmesi")->isEnabled());
    EXPECT_EQ(k<QLabel>("Etiket1")->text(), "&Parça Listesi (Toplam: 3)");

    seç(1);
    yaz("FişNoKutusu", "44");
    tıkla("TemizleDüğmesi");
    EXPECT_FALSE(AramaYapıldı);
    EXPECT_EQ(l->count(), 0);
    EXPECT_EQ(metin("AdıKutusu"), "");
    EXPECT_EQ(metin("BulKutusu"), "");
    EXPECT_TRUE(k("BulKutusu")->isEnabled());
    EXPECT_EQ(k<QLabel>("Etiket1")->text(), "&Parça Listesi");
    EXPECT_EQ(metin("FişNoKutusu"), "44");
}

TEST_F(ParçaÇıkışıTesti, EnterBulKutusundaBulur) {
    parça(7, "A1");
    aç();
    yaz("BulKutusu", "7");
    QTest::keyClick(k("BulKutusu"), Qt::Key_Return);
    EXPECT_EQ(k<QListWidget>("ParçaListesi")->count(), 1);
}

TEST_F(ParçaÇıkışıTesti, ÖndenYazmaİlkUyananSatırıSeçer) {
    parça(7, "AB-1");
    parça(7, "İZ-2");
    parça(7, "IZ-3");
    aç();
    bul("7");
    auto* l = k<QListWidget>("ParçaListesi");
    yaz("ParçaBulKutusu", "iz");  // typed as "İZ"
    EXPECT_EQ(metin("ParçaBulKutusu"), "İZ");
    ASSERT_GE(l->currentRow(), 0);
    EXPECT_EQ(l->currentItem()->text(), "İZ-2");
    EXPECT_EQ(metin("AdıKutusu"), "CONTA");
    yaz("ParçaBulKutusu", "X");
    EXPECT_EQ(l->currentRow(), -1);
    EXPECT_EQ(metin("AdıKutusu"), "");
    yaz("ParçaBulKutusu", "ab");
    EXPECT_EQ(l->currentItem()->text(), "AB-1");
    yaz("ParçaBulKutusu", "  ");
    EXPECT_EQ(l->currentItem()->text(), "AB-1");
}

// ---- The checks of a new line ----

TEST_F(ParçaÇıkışıTesti, DenetimlerSırayla) {
    parça(7, "A0");  // no stock
    giriş(parça(7, "A1"), 6, 60);
    aç();
    bul("7");
    auto* l = k<QListWidget>("ParçaListesi");
    l->setFocus();
    l->setCurrentRow(1, QItemSelectionModel::NoUpdate);  // a current row that is not selected
    EXPECT_EQ(metin("MevcuduKutusu"), "");
    tıkla("ListeyeEkleDüğmesi");
    EXPECT_EQ(sonMesaj(), "Lütfen, listeden bir PARÇA seçiniz.");
    l->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(l, Qt::Key_Down);  // the list's own key starts at the first part
    EXPECT_EQ(metin("MevcuduKutusu"), "0");
    tıkla("ListeyeEkleDüğmesi");
    EXPECT_EQ(sonMesaj(), "Bu parçanın ambarda MEVCUDU kalmamış!\r\n\r\nLütfen, başka bir parça seçiniz.");
    seç(1);
    // each step types into one box and adds: the next check refuses the line
    const QString miktar = "Lütfen, geçerli bir MİKTAR giriniz.";
    const std::tuple<const char*, QString, QString> adımlar[] = {
        {"FişNoKutusu", "", "FİŞ NO boş olamaz!"}, {"FişNoKutusu", "000", "FİŞ NO (0) olamaz!"},
        {"FişNoKutusu", "2147483648", "FİŞ NO en fazla 2147483647 olabilir!"},
        {"FişNoKutusu", "007", "Lütfen, TARİHİ giriniz."},
        {"TarihiKutusu", "01.01.2001",
         QString("Sadece %1 YILI içerisinden bir tarih girebilirsiniz!").arg(QDate::currentDate().year())},
        {"TarihiKutusu", buYıl(5, 2), miktar}, {"MiktarıKutusu", "0", miktar}, {"MiktarıKutusu", "0,00", miktar},
        {"MiktarıKutusu", "0,0", miktar}, {"MiktarıKutusu", "00", miktar},
        {"MiktarıKutusu", "8", "Çıkış yapacağınız MİKTAR ambardaki mevcuttan fazla olamaz!"}};
    for (const auto& [kutu, yazılan, mesaj] : adımlar) {
        SCOPED_TRACE(std::string(kutu) + " " + yazılan.toStdString());
        yaz(kutu, yazılan);
        tıkla("ListeyeEkleDüğmesi");
        EXPECT_EQ(sonMesaj(), mesaj);
    }
    EXPECT_EQ(metin("FişNoKutusu"), "7");
    EXPECT_EQ(metin("MiktarıKutusu"), "6");  // the quantity brought down to the stock
    tıkla("ListeyeEkleDüğmesi");  // a quantity equal to the stock passes
    EXPECT_EQ(sonMesaj(), "Lütfen, VERİLECEK YERİ giriniz.");
    EXPECT_EQ(liste()->satırSayısı(), 0);
    EXPECT_EQ(bekleyen(), 0);

    ekle("4", "DEPO");
    EXPECT_EQ(liste()->satırSayısı(), 1);
    const auto önceki = mesajlar.size();
    cevapla(MesajCevabı::Evet);  // for the repeated-part question, which comes after the checks
    ekle("3", "DEPO");
    ASSERT_EQ(mesajlar.size(), önceki + 1);
    EXPECT_EQ(sonMesaj(), "Bu parçadan en fazla (2) birim çıkış yapabilirsiniz!");
    EXPECT_EQ(metin("MiktarıKutusu"), "2");
    tıkla("ListeyeEkleDüğmesi");
    EXPECT_EQ(liste()->satırSayısı(), 2);
    EXPECT_EQ(metin("KalanKutusu"), "0");
    tıkla("ListeyeEkleDüğmesi");
    EXPECT_EQ(sonMesaj(), "Bu parçanın TÜM MEVCUDU listeye eklenmiş!\r\n\r\nLütfen, başka bir parça seçiniz.");
}

TEST_F(ParçaÇıkışıTesti, AynıParçaSorusuHayırdaEklemez) {
    const auto p = parça(7, "A1");
    giriş(p, 10, 10);
    aç();
    bul("7");
    seç(0);
    ekle("1", "DEPO");
    cevapla(MesajCevabı::Hayır);
    ekle("1", "DEPO");
    EXPECT_EQ(sonMesaj(), "Seçtiğiniz bu PARÇA listeye daha önce eklenmiş!\r\n\r\nAYNI PARÇA'yı bir kez daha eklemek "
                          "istiyor musunuz?");
    EXPECT_EQ(liste()->satırSayısı(), 1);
    EXPECT_EQ(bekleyen(), 1);
    cevapla(MesajCevabı::Evet);
    tıkla("ListeyeEkleDüğmesi");
    EXPECT_EQ(liste()->satırSayısı(), 2);
    EXPECT_EQ(bekleyen(), 2);
}

TEST_F(ParçaÇıkışıTesti, FişNoKuralı) {
    const auto p = parça(7, "A1");
    giriş(p, 10, 10);
    const auto diğer = parça(8, "C1");
    çıkış(diğer, 1, 1, 8, 30);
    çıkış(p, 1, 1, 7, 31, QDate(QDate::currentDate().year(), 2, 14));
    çıkış(p, 1, 1, 7, 32, QDate(2001, 2, 14));  // last year's number is free
    aç();
    bul("7");
    seç(0);
    ekle("1", "DEPO", "30");
    EXPECT_EQ(sonMesaj(), "Bu FİŞ NO ile (8) KOD için çıkış yapılmış!\r\n\r\nLütfen, yeni bir FİŞ NO seçiniz!");
    EXPECT_EQ(liste()->satırSayısı(), 0);
    cevapla(MesajCevabı::Hayır);
    ekle("1", "DEPO", "31");
    EXPECT_EQ(sonMesaj(), "Bu FİŞ NO ile daha önce çıkış yapılmış!\r\n\r\nBu çıkışa ekleme yapmak istiyor musunuz?");
    EXPECT_EQ(liste()->satırSayısı(), 0);
    cevapla(MesajCevabı::Evet);
    ekle("1", "DEPO", "31");
    ASSERT_EQ(liste()->satırSayısı(), 1);
    EXPECT_EQ(metin("TarihiKutusu"), buYıl(14, 2));
    EXPECT_EQ(liste()->hücre(0, ParçaÇıkışıFormu::SütunTarihi), buYıl(14, 2));
    EXPECT_FALSE(k("FişNoKutusu")->isEnabled());
    EXPECT_FALSE(k("TarihiKutusu")->isEnabled());
    EXPECT_FALSE(k<QPushButton>("TemizleDüğmesi")->isEnabled());
    // with lines in the list the voucher number is not looked at again
    const auto önceki = mesajlar.size();
    cevapla(MesajCevabı::Evet);
    ekle("1", "DEPO");
    EXPECT_EQ(mesajlar.size(), önceki + 1);  // only the repeated-part question
    EXPECT_EQ(liste()->satırSayısı(), 2);

    tıkla("ListeyiTemizleDüğmesi");
    ekle("1", "DEPO", "32");
    EXPECT_EQ(liste()->satırSayısı(), 1);
}

// ---- Amounts and the total ----

TEST_F(ParçaÇıkışıTesti, TutarOrtalamaMaliyetleVeToplamYarıdaÇifte) {
    const auto p = parça(7, "A1");
    giriş(p, 3, 10);
    const auto q = parça(7, "B1");
    giriş(q, 16, 25);
    aç();
    bul("7");
    seç(0);
    EXPECT_EQ(metin("FiyatıKutusu"), "3,3333");
    ekle("2,5", "DEPO");
    ASSERT_EQ(liste()->satırSayısı(), 1);
    EXPECT_EQ(liste()->hücre(0, ParçaÇıkışıFormu::SütunMiktarı), "2,50");
    EXPECT_EQ(liste()->hücre(0, ParçaÇıkışıFormu::SütunTutarı), "8,33325");
    EXPECT_EQ(metin("ListeToplamıKutusu"), "8,33");
    tıkla("ListeyiAmbardanÇıkarDüğmesi");
    EXPECT_EQ(say("SELECT Tutari FROM CikisIslemleriTablosu WHERE ParcaNo=" + QString::number(p)), 83332);

    seç(1);
    EXPECT_EQ(metin("FiyatıKutusu"), "1,5625");
    ekle("3", "DEPO");
    EXPECT_EQ(liste()->hücre(0, ParçaÇıkışıFormu::SütunTutarı), "4,6875");
    EXPECT_EQ(metin("ListeToplamıKutusu"), "4,69");
}

TEST_F(ParçaÇıkışıTesti, FiyatıHesaplanamayanParçaÖncekininFiyatınıGöstermez) {
    const auto p = parça(7, "A1");
    giriş(p, 4, 50);
    const auto q = parça(7, "B1");  // a near-zero stock worth a fortune: the price overflows
    giriş(q, 1.000001, 10000000000.0);
    çıkış(q, 1, 0);
    aç();
    bul("7");
    seç(0);
    EXPECT_EQ(metin("FiyatıKutusu"), "12,5");
    seç(1);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Kritik);
    EXPECT_EQ(metin("MevcuduKutusu"), "1E-06");
    EXPECT_EQ(metin("FiyatıKutusu"), "");
    EXPECT_EQ(sonlandırmaSayısı, 0);
}

TEST_F(ParçaÇıkışıTesti, MarkasıOlmayanKodHataVerirDiğerBilgilerGelir) {
    const auto p = parça(9, "A1");
    giriş(p, 2, 5);
    aç();
    bul("9");
    seç(0);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(metin("MarkasıKutusu"), "");
    EXPECT_EQ(metin("AdıKutusu"), "CONTA");
    EXPECT_EQ(metin("FiyatıKutusu"), "2,5");
}

TEST_F(ParçaÇıkışıTesti, SekmeSırasıTablodakiGibi) {
    aç();
    const QStringList beklenen{"BulKutusu", "BulDüğmesi", "TemizleDüğmesi", "ParçaListesi", "ParçaBulKutusu",
                               "AdıKutusu", "MarkasıKutusu", "KdvOranıKutusu", "BirimiKutusu", "AmbarYeriKutusu",
                               "FişNoKutusu", "TarihiKutusu", "MiktarıKutusu", "VerilecekYerKutusu",
                               "ListeyeEkleDüğmesi", "ÇıkışYapılacakParçaListesi", "ListeToplamıKutusu",
                               "KapatDüğmesi"};
    EXPECT_EQ(SekmeSırası(k("BulKutusu")), beklenen);
}
