#include "platform/Masaüstü.h"
#include "shell/BaşlangıçModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/KarşılamaFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

class BaşlangıçTesti : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, 'CIVATA')");
        VeriTabanı.kapat();
        vt = ProgramKlasörü + "Ambar.vtb";
        yedek = ProgramDosyalarıKlasörü() + "Orvelta/Vtb Yedekleri/Ambar.ydk";
    }
    static void zamanıAyarla(const QString& yol, const QDateTime& zaman) {
        QFile f(yol);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(zaman, QFileDevice::FileModificationTime));
    }
    static QDateTime dün() { return QDateTime::currentDateTime().addDays(-1); }
    static QByteArray içerik(const QString& yol) {
        QFile f(yol);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    int parçaSayısı() { return VeriTabanı.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(); }

    QString vt, yedek;
};

TEST_F(BaşlangıçTesti, PencereBaşlığıSürümdenYapılır) {
    EXPECT_EQ(ProgramBaşlığınıYap(1, 9, 3), "Orvelta - Depora 1.93 (Sunucu)");
    EXPECT_EQ(ProgramBaşlığınıYap(2, 0, 0), "Orvelta - Depora 2.00 (Sunucu)");
}

TEST_F(BaşlangıçTesti, İlkÇalışmadaKlasörlerVeYedekOluşur) {
    EXPECT_FALSE(QDir(klasör() + "/veri/Orvelta").exists());
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));
    EXPECT_TRUE(mesajlar.empty()) << mesajMetinleri().join("|").toStdString();
    EXPECT_TRUE(QFileInfo::exists(yedek));
    EXPECT_EQ(yedek, klasör() + "/veri/Orvelta/Vtb Yedekleri/Ambar.ydk");
    EXPECT_TRUE(VeriTabanı.açıkMı());
    EXPECT_EQ(parçaSayısı(), 1);
    VeritabanıBağlantısı y;
    y.aç(yedek);
    EXPECT_EQ(y.tekDeğer("SELECT Adi FROM ParcaBilgileriTablosu").toString(), "CIVATA");
}

TEST_F(BaşlangıçTesti, YedekYalnızVeritabanıDündenKalmışsaYazılır) {
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));
    VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, 'DÜBEL')");
    VeriTabanı.kapat();
    // written today: the old backup stays as it is
    const QDateTime eskiYedekZamanı = dün();
    zamanıAyarla(yedek, eskiYedekZamanı);
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));
    VeriTabanı.kapat();
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), eskiYedekZamanı.date());
    // last written yesterday: a fresh backup with both parts
    zamanıAyarla(vt, dün());
    EXPECT_TRUE(GünlükYedekGerekli(vt, yedek));
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), QDate::currentDate());
    VeritabanıBağlantısı y;
    y.aç(yedek);
    EXPECT_EQ(y.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(), 2);
}

TEST_F(BaşlangıçTesti, YedekYazılamazsaEskisiKalır) {
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));
    VeriTabanı.kapat();
    const QByteArray eski = içerik(yedek);
    zamanıAyarla(vt, dün());
    QDir().mkpath(yedek + ".yeni/engel");  // the temporary copy cannot be written
    cevapla(MesajCevabı::Evet);
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    EXPECT_TRUE(mesajlar[0].metin.startsWith("Program, aşağıdaki hata nedeniyle doğru çalışmayabilir!"));
    EXPECT_EQ(içerik(yedek), eski);
    EXPECT_TRUE(VeriTabanı.açıkMı());
    EXPECT_EQ(sonlandırmaSayısı, 0);
}

TEST_F(BaşlangıçTesti, VeritabanıVeYedekYoksaBaşlamaz) {
    QFile::remove(vt);
    EXPECT_FALSE(VeritabanınıHazırla(vt, yedek));
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin,
              "\"Ambar.vtb\" adlı veritabanı dosyanıza ulaşılamadığı için program başlayamıyor! \nLütfen kontrol "
              "edip tekrar deneyin.");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Kritik);
    EXPECT_FALSE(QFileInfo::exists(vt));
}

TEST_F(BaşlangıçTesti, EksikVeritabanıYedektenSorularakOluşturulur) {
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));
    VeriTabanı.kapat();
    QFile::remove(vt);
    cevapla(MesajCevabı::Hayır);
    EXPECT_FALSE(VeritabanınıHazırla(vt, yedek));
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, "\"Ambar.vtb\" adlı veritabanı dosyanız bulunamadı.\r\nYedekten oluşturulsun mu?");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Soru);
    EXPECT_FALSE(QFileInfo::exists(vt));

    // Yes: the copy keeps the backup's time, so a backup from yesterday is written again today
    zamanıAyarla(yedek, dün());
    cevapla(MesajCevabı::Evet);
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));
    EXPECT_EQ(parçaSayısı(), 1);
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), QDate::currentDate());
}

TEST_F(BaşlangıçTesti, YanlışAnahtarlıDosyaSabitMesajlaBiter) {
    QFile::remove(vt);
    {
        VeritabanıBağlantısı başka;
        başka.yeniOluştur(vt, "baska-anahtar");
        başka.çalıştır("CREATE TABLE t (a)");
    }
    EXPECT_FALSE(VeritabanınıHazırla(vt, yedek));
    ASSERT_FALSE(mesajlar.empty());
    EXPECT_EQ(mesajlar[0].metin, "Veritabanı dosyanız önceki sürüme ait! Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);
    EXPECT_GE(sonlandırmaSayısı, 1);
    EXPECT_FALSE(VeriTabanı.açıkMı());
}

TEST_F(BaşlangıçTesti, BozukYedektenGeriYüklemeBaşlamaz) {
    QFile::remove(vt);
    QDir().mkpath(QFileInfo(yedek).absolutePath());
    {
        QFile f(yedek);
        f.open(QIODevice::WriteOnly);
        f.write("bozuk");
    }
    cevapla(MesajCevabı::Evet);
    EXPECT_FALSE(VeritabanınıHazırla(vt, yedek));
    EXPECT_TRUE(mesajMetinleri().contains("Veritabanı dosyanız önceki sürüme ait! Lütfen, kontrol edip tekrar deneyiniz!"));
    EXPECT_GE(sonlandırmaSayısı, 1);
    EXPECT_FALSE(VeriTabanı.açıkMı());
}

TEST_F(BaşlangıçTesti, İkinciKopyaBirinciyiÖneGetirir) {
    const QString başlık = "Depora deneme " + klasör();
    int gösterilme = 0;
    ASSERT_TRUE(Masaüstü::tekÖrnekOl(başlık, [&] { ++gösterilme; }));
    EXPECT_FALSE(Masaüstü::tekÖrnekOl(başlık, [] {}));
    for (int i = 0; i < 100 && gösterilme == 0; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    EXPECT_EQ(gösterilme, 1);
    Masaüstü::tekÖrneğiBırak();
}

TEST_F(BaşlangıçTesti, EkranVeŞifreAyarı) {
    EXPECT_FALSE(KarşılamaFormu::EkranYeterli(599));
    EXPECT_TRUE(KarşılamaFormu::EkranYeterli(600));
    EXPECT_FALSE(GirişŞifresiAyarlı());
    AyarYaz("Ayarlar", "Giris Sifresi Sor", "-1");
    EXPECT_FALSE(GirişŞifresiAyarlı());  // a flag without a stored password asks nothing
    AyarYaz("Ayarlar", "Giris Sifresi", "XYZW");
    EXPECT_TRUE(GirişŞifresiAyarlı());
    AyarYaz("Ayarlar", "Giris Sifresi Sor", "0");
    EXPECT_FALSE(GirişŞifresiAyarlı());
}

TEST_F(BaşlangıçTesti, AçılamayanVeritabanıErişilemiyorMesajıylaBiter) {
    ASSERT_TRUE(VeritabanınıHazırla(vt, yedek));  // the backup of today is written here
    VeriTabanı.kapat();
    VeritabanıBağlantısı başka;  // another workstation holds the file for writing
    başka.aç(vt);
    başka.betikÇalıştır("BEGIN EXCLUSIVE");
    EXPECT_FALSE(VeritabanınıHazırla(vt, yedek));
    ASSERT_EQ(mesajlar.size(), 1u) << mesajMetinleri().join("|").toStdString();
    EXPECT_EQ(mesajlar[0].metin, "Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);
    EXPECT_GE(sonlandırmaSayısı, 1);
    EXPECT_FALSE(VeriTabanı.açıkMı());
    başka.betikÇalıştır("ROLLBACK");
}
