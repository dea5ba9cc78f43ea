// Finding and showing parts, the field habits of the part window.
#include "tests/catalogue/KatalogOrtamı.h"

#include <QLabel>

class ParçaBulma : public KatalogOrtamı {};

TEST_F(ParçaBulma, AdListesiTürkçeSıralanır) {
    marka(4, "DÖRT");
    for (const char* ad : {"İP", "DÜBEL", "IŞIK", "ÇEKİÇ", "CIVATA"}) parça(4, QString(), QString::fromUtf8(ad));
    aç();
    bul(1, "4");
    EXPECT_EQ(satırlar("ParçaListesi"), (QStringList{"CIVATA", "ÇEKİÇ", "DÜBEL", "IŞIK", "İP"}));
    EXPECT_EQ(k<QLabel>("Etiket1")->text(), "&Parça Listesi (Toplam: 5)");
}

TEST_F(ParçaBulma, NoKodVeAdBaşlangıcıylaBulur) {
    marka(7, "YEDİ");
    marka(8, "SEKİZ");
    parça(7, "AB-1", "KAPAK");
    parça(8, "AB-2", "KAPI KOLU");
    parça(7, "XAB", "KASA");
    parça(7, "", "NUMARASIZ");
    aç();

    bul(0, "ab");  // typed in upper case
    EXPECT_EQ(metni("BulKutusu"), "AB");
    EXPECT_EQ(satırlar("ParçaListesi"), (QStringList{"KAPAK", "KAPI KOLU"}));
    EXPECT_FALSE(k("BulKutusu")->isEnabled());
    EXPECT_FALSE(k("BulDüğmesi")->isEnabled());
    EXPECT_FALSE(k("Çerçeve1")->isEnabled());
    EXPECT_TRUE(AramaYapıldı);

    tıkla("TemizleDüğmesi");
    EXPECT_FALSE(AramaYapıldı);
    EXPECT_TRUE(satırlar("ParçaListesi").isEmpty());
    EXPECT_EQ(k<QLabel>("Etiket1")->text(), "&Parça Listesi");
    EXPECT_TRUE(k("BulKutusu")->isEnabled());
    EXPECT_TRUE(k("BulKutusu")->hasFocus());

    bul(1, "007");
    EXPECT_EQ(metni("BulKutusu"), "7");
    EXPECT_EQ(satırlar("ParçaListesi"), (QStringList{"KAPAK", "KASA", "NUMARASIZ"}));
    tıkla("TemizleDüğmesi");

    bul(2, "KAP");
    EXPECT_EQ(satırlar("ParçaListesi"), (QStringList{"KAPAK", "KAPI KOLU"}));
    tıkla("TemizleDüğmesi");

    // nothing found: the count is 0 and the find stays open
    bul(2, "ZZ");
    EXPECT_TRUE(satırlar("ParçaListesi").isEmpty());
    EXPECT_EQ(k<QLabel>("Etiket1")->text(), "&Parça Listesi (Toplam: 0)");
    EXPECT_TRUE(k("BulKutusu")->isEnabled());
    EXPECT_TRUE(k("BulDüğmesi")->isEnabled());
    EXPECT_TRUE(mesajlar.empty());

    // Temizle with no find only empties the box
    AramaYapıldı = false;
    tıkla("TemizleDüğmesi");
    EXPECT_EQ(metni("BulKutusu"), "");
    EXPECT_EQ(k<QLabel>("Etiket1")->text(), "&Parça Listesi (Toplam: 0)");
}

TEST_F(ParçaBulma, BoşAramaHiçbirŞeyiDeğiştirmez) {
    marka(7, "YEDİ");
    aç();
    // a part added without a find stays shown, and the find is still open
    tıkla("EkleDüğmesi");
    yaz("KoduKutusu", "7");
    yaz("AdıKutusu", "KAPAK");
    yaz("NosuKutusu", "K-1");
    tıkla("SilKaydetDüğmesi");
    ASSERT_EQ(metni("AdıKutusu"), "KAPAK");
    yaz("BulKutusu", "   ");
    QTest::keyClick(k("BulKutusu"), Qt::Key_Return);  // Enter finds as the button does
    EXPECT_EQ(metni("BulKutusu"), "");
    EXPECT_EQ(metni("AdıKutusu"), "KAPAK");
    EXPECT_EQ(satırlar("ParçaListesi"), QStringList{"KAPAK"});
    EXPECT_FALSE(AramaYapıldı);
    yaz("BulKutusu", "7");
    tıkla(f->ParçaBulSeçeneği[1]);
    QTest::keyClick(k("BulKutusu"), Qt::Key_Return);
    EXPECT_TRUE(AramaYapıldı);
    EXPECT_EQ(metni("AdıKutusu"), "");
    EXPECT_EQ(k<QLabel>("Etiket1")->text(), "&Parça Listesi (Toplam: 1)");
}

TEST_F(ParçaBulma, SeçilenParçaTümBilgileriyleGösterilir) {
    marka(7, "YEDİ");
    marka(8, "SEKİZ");
    const auto a = parça(7, "A-1", "AKS", "18,00");
    const auto b = parça(8, "B-1", "BİLYA");
    VeriTabanı.çalıştır("UPDATE ParcaBilgileriTablosu SET Birimi='ADET', AmbarYeri='RAF 3' WHERE ParcaNo=?", {a});
    VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Miktari) VALUES (?, 7, 20)", {a});
    VeriTabanı.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Miktari) VALUES (?, 7, 7.5)", {a});
    VeriTabanı.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Miktari) VALUES (?, 8, 2)", {b});
    VeriTabanı.çalıştır("INSERT INTO BaglantiNoBilgileriTablosu (ParcaNo, Nosu, BaglantiNo, BaglantiNosu) "
                        "VALUES (?, 'B-1', ?, 'A-1')",
                        {b, a});
    aç();
    bul(2, "A");
    satırSeç("ParçaListesi", "AKS");
    EXPECT_EQ(metni("KoduKutusu"), "7");
    EXPECT_EQ(metni("MarkasıKutusu"), "YEDİ");
    EXPECT_EQ(metni("NosuKutusu"), "A-1");
    EXPECT_EQ(metni("KdvOranıKutusu"), "18,00");
    EXPECT_EQ(metni("BirimiKutusu"), "ADET");
    EXPECT_EQ(metni("AmbarYeriKutusu"), "RAF 3");
    EXPECT_EQ(metni("MevcutKutusu"), "12,5");
    EXPECT_EQ(satırlar("BağlantıNoListesi"), QStringList{"B-1"});  // stored from the other side
    EXPECT_TRUE(k("DeğiştirDüğmesi")->isEnabled());
    EXPECT_FALSE(k("Çerçeve2")->isEnabled());

    tıkla("TemizleDüğmesi");
    bul(2, "B");
    QTest::keyClick(k("ParçaListesi"), Qt::Key_Down);  // nothing selected: Down starts at the first part
    EXPECT_EQ(metni("MevcutKutusu"), "-2");
    EXPECT_EQ(metni("KdvOranıKutusu"), "");  // no rate stored
    EXPECT_EQ(metni("BirimiKutusu"), "");
    EXPECT_EQ(satırlar("BağlantıNoListesi"), QStringList{"A-1"});
}

TEST_F(ParçaBulma, YazılanTürkçeBüyükHarfOlurKesmeİşaretiDeğişir) {
    marka(1, "BİR");
    aç();
    yaz("BulKutusu", "ı?i*#'k");
    EXPECT_EQ(metni("BulKutusu"), "IİK");
    tıkla("EkleDüğmesi");
    yaz("KoduKutusu", "1");
    EXPECT_EQ(metni("MarkasıKutusu"), "BİR");
    yaz("AdıKutusu", "  çekiç'li ıi  ");
    EXPECT_EQ(metni("AdıKutusu"), "  ÇEKİÇ’Lİ Iİ  ");
    EXPECT_EQ(k<QLabel>("Etiket4")->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    yaz("NosuKutusu", "ab'c");
    yaz("AmbarYeriKutusu", "raf ı");
    yaz("BirimiKutusu", "şişe");
    EXPECT_EQ(metni("BirimiKutusu"), "ŞİŞE");
    EXPECT_EQ(k<QLabel>("Etiket7")->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    EXPECT_NE(k<QLabel>("Etiket4")->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    k("KoduKutusu")->setFocus();  // leaving a box trims it
    EXPECT_EQ(metni("AdıKutusu"), "ÇEKİÇ’Lİ Iİ");
    EXPECT_EQ(metni("NosuKutusu"), "AB’C");
    EXPECT_EQ(metni("AmbarYeriKutusu"), "RAF I");
    yaz("KdvOranıKutusu", "8");
    k("KoduKutusu")->setFocus();
    EXPECT_EQ(metni("KdvOranıKutusu"), "8,00");
    tıkla("SilKaydetDüğmesi");
    EXPECT_EQ(say("ParcaBilgileriTablosu", "Adi=? AND Nosu=? AND Birimi=? AND AmbarYeri=? AND KdvOrani='8,00'",
                  {QString("ÇEKİÇ’Lİ Iİ"), QString("AB’C"), QString("ŞİŞE"), QString("RAF I")}),
              1);
}

TEST_F(ParçaBulma, KodKutusununListesiTanımlıKodlarıTutar) {
    marka(30, "OTUZ");
    marka(4, "DÖRT");
    aç();
    EXPECT_EQ(f->KodListesi(), (QStringList{"4", "30"}));
    tıkla("EkleDüğmesi");
    yaz("KoduKutusu", "3");
    EXPECT_EQ(metni("MarkasıKutusu"), "");
    yaz("KoduKutusu", "0");
    EXPECT_EQ(metni("MarkasıKutusu"), "OTUZ");
    EXPECT_FALSE(k("MarkasıKutusu")->isEnabled());
    // picking a code of the list looks its brand up as well
    k<QComboBox>("KoduKutusu")->setCurrentIndex(0);
    EXPECT_EQ(metni("KoduKutusu"), "4");
    EXPECT_EQ(metni("MarkasıKutusu"), "DÖRT");
}
