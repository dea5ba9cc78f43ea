#include "shell/ArşivModülü.h"
#include "shell/VeritabanıTabloları.h"
#include "tests/shell/KabukTestAraçları.h"

#include <QAction>
#include <QTest>

namespace {

QVariant sütun(const QString& tablo, const QString& ad, qlonglong hareketNo) {
    return VeriTabanı.tekDeğer(QStringLiteral("SELECT %1 FROM %2 WHERE HareketNo=?").arg(ad, tablo), {hareketNo});
}

const QString GeçenYılSorusu =
    QStringLiteral("ARŞİVLENECEK fişleriniz var, bunları arşivlemeden HİÇBİR İŞLEM yapamazsınız!\r\n\r\n"
                   "Eğer, şimdi bu fişleri arşivlemek istiyorsanız 'Evet'e tıklayınız!");

}  // namespace

class ArşivTesti : public KabukTesti {
protected:
    void tuşaBas(AnaForm& ana, int tuş) {
        ASSERT_TRUE(EtkinGöster(&ana));
        QTest::keyClick(&ana, static_cast<Qt::Key>(tuş));
    }
};

TEST_F(ArşivTesti, YüklenirkenGeçenYılArşivlenirBuYılDokunulmaz) {
    // a store as delivered before archiving existed: no ArsivFisNo, no year table
    VeriTabanı.betikÇalıştır(QStringLiteral(
        "DROP TABLE GirisIslemleriTablosu; DROP TABLE CikisIslemleriTablosu;"
        "CREATE TABLE GirisIslemleriTablosu (HareketNo INTEGER PRIMARY KEY AUTOINCREMENT, ParcaNo INTEGER, "
        "Kodu INTEGER, Tarihi TEXT, FisNo INTEGER, Miktari REAL, Fiyati INTEGER, Tutari INTEGER, FaturaTarihi TEXT,"
        " FaturaNo TEXT, FaturaVeren TEXT, Yazdirildi INTEGER NOT NULL DEFAULT 0);"
        "CREATE TABLE CikisIslemleriTablosu (HareketNo INTEGER PRIMARY KEY AUTOINCREMENT, ParcaNo INTEGER, "
        "Kodu INTEGER, Tarihi TEXT, FisNo INTEGER, VerilecekYer TEXT, Miktari REAL, Tutari INTEGER, "
        "Yazdirildi INTEGER NOT NULL DEFAULT 0);"));
    const int geçen = BuYıl() - 1;
    GirişEkle(QDate(geçen, 3, 1), 5);     // 1
    GirişEkle(QDate(geçen, 12, 31), 6);   // 2
    GirişEkle(QDate(BuYıl(), 1, 1), 1);   // 3
    ÇıkışEkle(QDate(geçen, 6, 15), 7);    // 1
    ÇıkışEkle(QDate(BuYıl(), 2, 1), 2);   // 2

    auto ana = anaForm();
    cevapla(MesajCevabı::Evet);  // archive now
    cevapla(MesajCevabı::Evet);  // sure
    ana->Form_Load(nullptr);

    ASSERT_EQ(mesajlar.size(), 3u);
    EXPECT_EQ(mesajlar[0].metin, GeçenYılSorusu);
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Soru);
    EXPECT_EQ(mesajlar[1].metin, QStringLiteral("01.01.%1 - 31.12.%1 tarihleri arasındaki tüm fişler ARŞİVLENECEK!"
                                                "\r\n\r\nBu işlem geri alınamaz! Devam etmek istediğinizden emin misiniz?")
                                     .arg(geçen));
    EXPECT_EQ(mesajlar[1].varsayılan, MesajCevabı::Hayır);
    EXPECT_EQ(mesajlar[2].metin, QStringLiteral("Giriş ve Çıkış Fişlerini ARŞİVLEME İşlemi TAMAMLANDI!\r\n\r\n"
                                                "Arşivlenen Giriş Fişi Sayısı: 2\r\n\r\nArşivlenen Çıkış Fişi Sayısı: 1"));
    EXPECT_EQ(mesajlar[2].simge, MesajSimgesi::Bilgi);
    EXPECT_EQ(ana->TümFişleriArşivleMenüsü->data().toString(), "1");
    EXPECT_TRUE(ana->isVisible());

    const QString g = QStringLiteral("GirisIslemleriTablosu"), ç = QStringLiteral("CikisIslemleriTablosu");
    EXPECT_EQ(sütun(g, "FisNo", 1).toInt(), 0);
    EXPECT_EQ(sütun(g, "ArsivFisNo", 1).toInt(), 5);
    EXPECT_EQ(sütun(g, "FisNo", 2).toInt(), 0);
    EXPECT_EQ(sütun(g, "ArsivFisNo", 2).toInt(), 6);
    EXPECT_EQ(sütun(g, "FisNo", 3).toInt(), 1);
    EXPECT_TRUE(sütun(g, "ArsivFisNo", 3).isNull());
    EXPECT_EQ(sütun(ç, "FisNo", 1).toInt(), 0);
    EXPECT_EQ(sütun(ç, "ArsivFisNo", 1).toInt(), 7);
    EXPECT_EQ(sütun(ç, "FisNo", 2).toInt(), 2);
    EXPECT_TRUE(sütun(ç, "ArsivFisNo", 2).isNull());
    EXPECT_EQ(ArşivlenenYıllar(), QStringList{QString::number(geçen)});
    EXPECT_EQ(YılBaşıTarihi, QDate(geçen, 1, 1));
    EXPECT_EQ(YılSonuTarihi, QDate(geçen, 12, 31));

    // the gate lets work go on; a second run finds nothing
    mesajlar.clear();
    ana->AmbaraGirişMenüsü->trigger();
    EXPECT_EQ(açılanlar, std::vector<Pencere>{Pencere::ParçaGirişi});
    ana->TümFişleriArşivleMenüsü->trigger();
    EXPECT_EQ(mesajMetinleri(), QStringList{"ARŞİVLENECEK fişiniz bulunmuyor!"});
}

TEST_F(ArşivTesti, BoşVeritabanındaArşivlenecekFişYok) {
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    EXPECT_TRUE(mesajlar.empty());
    ana->TümFişleriArşivleMenüsü->trigger();
    EXPECT_EQ(mesajMetinleri(), QStringList{"ARŞİVLENECEK fişiniz bulunmuyor!"});
    EXPECT_FALSE(ArşivTablosuVarMı());
    EXPECT_FALSE(ana->ArşivDevirUyarısıVer());
}

TEST_F(ArşivTesti, BekleyenFişlerVarkenKapıGirişÇıkışVeHareketleriKapatır) {
    GirişEkle(QDate(BuYıl() - 1, 5, 5), 3);
    auto ana = anaForm();
    cevapla(MesajCevabı::Hayır);
    ana->Form_Load(nullptr);
    ASSERT_EQ(mesajMetinleri(), QStringList{GeçenYılSorusu});

    for (int tuş : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}) {
        cevapla(MesajCevabı::Hayır);
        tuşaBas(*ana, tuş);
    }
    for (int sıra : {4, 5, 6}) {
        cevapla(MesajCevabı::Hayır);
        ana->Düğme[sıra]->trigger();
    }
    EXPECT_EQ(mesajlar.size(), 7u);
    for (const auto& m : mesajlar) EXPECT_EQ(m.metin, GeçenYılSorusu);
    EXPECT_TRUE(açılanlar.empty());

    // the catalogue, vouchers and reports stay open
    tuşaBas(*ana, Qt::Key_F5);
    ana->ParçaTanımlaMenüsü->trigger();
    ana->SayımCetveliYazdırMenüsü->trigger();
    ana->Düğme[8]->trigger();
    EXPECT_EQ(açılanlar, (std::vector<Pencere>{Pencere::GirişFişleri, Pencere::ParçaTanımla, Pencere::SayımCetveli,
                                               Pencere::FişSeç}));
    EXPECT_EQ(mesajlar.size(), 7u);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT FisNo FROM GirisIslemleriTablosu").toInt(), 3);
}

TEST_F(ArşivTesti, OnaydaHayırHiçbirŞeyDeğiştirmezKapıKapalıKalır) {
    ÇıkışEkle(QDate(BuYıl() - 2, 5, 5), 4);  // only an issue waits: found through the issue table
    auto ana = anaForm();
    ana->Form_Load(nullptr);  // no answer queued: the gate question's default is Yes, the confirmation's No
    EXPECT_EQ(ana->ArşivlenecekYıl, BuYıl() - 2);
    ASSERT_EQ(mesajlar.size(), 2u);
    EXPECT_TRUE(mesajlar[1].metin.startsWith(QStringLiteral("01.01.%1 - 31.12.%1").arg(BuYıl() - 2)));
    EXPECT_EQ(ana->TümFişleriArşivleMenüsü->data().toString(), "0");
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT FisNo FROM CikisIslemleriTablosu").toInt(), 4);
    EXPECT_FALSE(ArşivTablosuVarMı());
    cevapla(MesajCevabı::Hayır);
    EXPECT_TRUE(ana->ArşivDevirUyarısıVer());
}

TEST_F(ArşivTesti, BaşarısızArşivlemeGeriAlınırTamamlandıDenmez) {
    const int geçen = BuYıl() - 1;
    GirişEkle(QDate(geçen, 3, 1), 5);
    ÇıkışEkle(QDate(geçen, 3, 2), 6);
    VeriTabanı.betikÇalıştır(QStringLiteral(
        "CREATE TRIGGER Engel BEFORE UPDATE ON CikisIslemleriTablosu BEGIN SELECT RAISE(ABORT, 'kilitli'); END;"));
    auto ana = anaForm();
    cevapla(MesajCevabı::Evet);
    cevapla(MesajCevabı::Evet);
    cevapla(MesajCevabı::Evet);  // the error box: go on
    ana->Form_Load(nullptr);

    ASSERT_EQ(mesajlar.size(), 3u);
    EXPECT_EQ(mesajlar[2].başlık, QStringLiteral("Hata oluştu!"));
    EXPECT_EQ(sonlandırmaSayısı, 0);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT FisNo FROM GirisIslemleriTablosu").toInt(), 5);
    EXPECT_TRUE(VeriTabanı.tekDeğer("SELECT ArsivFisNo FROM GirisIslemleriTablosu").isNull());
    EXPECT_TRUE(ArşivlenenYıllar().isEmpty());
    EXPECT_TRUE(ana->ArşivlenecekFişVar);
    cevapla(MesajCevabı::Hayır);
    ana->AmbardanÇıkışMenüsü->trigger();
    EXPECT_TRUE(açılanlar.empty());
}

TEST_F(ArşivTesti, ArşivlenmişYılİkinciKezArşivlenmez) {
    const int geçen = BuYıl() - 1;
    const QString g = QStringLiteral("GirisIslemleriTablosu"), ç = QStringLiteral("CikisIslemleriTablosu");
    GirişEkle(QDate(geçen, 3, 1), 5);
    ÇıkışEkle(QDate(geçen, 6, 1), 4);
    ÇıkışEkle(QDate(BuYıl(), 1, 2), 1);
    const auto ilk = YılıArşivle(geçen);
    EXPECT_EQ(ilk.giriş, 1);
    EXPECT_EQ(ArşivlenecekYılıBul(g, BuYıl()), std::nullopt);  // archived rows and this year's never count
    EXPECT_EQ(ArşivlenecekYılıBul(ç, BuYıl()), std::nullopt);
    GirişEkle(QDate(geçen, 4, 1), 9);  // dated into the archived year later: found there
    ÇıkışEkle(QDate(geçen, 12, 31), 9);
    EXPECT_EQ(ArşivlenecekYılıBul(g, BuYıl()), geçen);
    EXPECT_EQ(ArşivlenecekYılıBul(ç, BuYıl()), geçen);
    const auto ikinci = YılıArşivle(geçen);
    EXPECT_EQ(ikinci.giriş, 1);
    const auto üçüncü = YılıArşivle(geçen);
    EXPECT_EQ(üçüncü.giriş, 0);
    EXPECT_EQ(üçüncü.çıkış, 0);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT ArsivFisNo FROM GirisIslemleriTablosu WHERE HareketNo=1").toInt(), 5);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT ArsivFisNo FROM GirisIslemleriTablosu WHERE HareketNo=2").toInt(), 9);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT count(*) FROM ArsivlenenYillarTablosu").toInt(), 1);
}

TEST_F(ArşivTesti, BuYılArşivlendiyseHiçbirİşlemYapılamaz) {
    ArşivYapısınıTamamla(VeriTabanı);
    VeriTabanı.çalıştır("INSERT INTO ArsivlenenYillarTablosu (YilBilgisi) VALUES (?)", {QString::number(BuYıl())});
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    const QString kapalı = QStringLiteral("Bu yıla ait tüm fişleriniz ARŞİVLENDİĞİ için HİÇBİR İŞLEM yapamazsınız!");
    EXPECT_EQ(mesajMetinleri(), QStringList{kapalı});
    ana->Düğme[6]->trigger();
    EXPECT_EQ(sonMesaj(), kapalı);
    ana->TümFişleriArşivleMenüsü->trigger();
    EXPECT_EQ(sonMesaj(), QStringLiteral("Bu yıla ait tüm fişleriniz ARŞİVLENMİŞ!"));
    EXPECT_TRUE(açılanlar.empty());
}

TEST_F(ArşivTesti, ArşivlenenFişlerYılSırasıylaArşivKipindeAçılır) {
    auto ana = anaForm();
    ana->Form_Load(nullptr);
    ana->ArşivlenenGirişFişleriniGösterMenüsü->trigger();
    EXPECT_EQ(mesajMetinleri(), QStringList{"ARŞİVLENMİŞ fişiniz bulunmuyor!"});
    ArşivYapısınıTamamla(VeriTabanı);
    ana->ArşivlenenÇıkışFişleriniGösterMenüsü->trigger();
    EXPECT_EQ(mesajlar.size(), 2u);
    EXPECT_TRUE(açılanlar.empty());

    for (const char* yıl : {"2019", "2018"})
        VeriTabanı.çalıştır("INSERT INTO ArsivlenenYillarTablosu (YilBilgisi) VALUES (?)", {QString(yıl)});
    EXPECT_EQ(ArşivlenenYıllar(), (QStringList{"2018", "2019"}));
    ana->ArşivlenenGirişFişleriniGösterMenüsü->trigger();
    ana->ArşivlenenÇıkışFişleriniGösterMenüsü->trigger();
    ana->GirişFişiYazdırMenüsü->trigger();  // the plain item turns archive mode off first
    EXPECT_EQ(açılanlar, (std::vector<Pencere>{Pencere::GirişFişleri, Pencere::ÇıkışFişleri, Pencere::GirişFişleri}));
    EXPECT_EQ(arşivModları, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(arşivİstendi, (std::vector<bool>{true, true, false}));
    EXPECT_TRUE(ArşivModu == false);
}
