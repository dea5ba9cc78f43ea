#include "platform/Masaüstü.h"
#include "shell/BaşlangıçModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/KarşılamaFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/VeritabanıTabloları.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <functional>
#include <utility>

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
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int parçaSayısı() { return VeriTabanı.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(); }
    static int parçaSayısı(const QString& yol) {
        VeritabanıBağlantısı y;
        y.aç(yol);
        return y.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt();
    }
    // What Main does: the store made ready, then the daily backup when due.
    bool başlat() {
        const auto h = VeritabanınıHazırla(vt, yedek);
        if (h && h.yedekGerekli) GünlükYedekAl(vt, yedek);
        return h.açıldı;
    }
    // Parts with long texts, so the store spans many pages.
    static void parçalarEkle(VeritabanıBağlantısı& v, int sayı) {
        İşlem i(v);
        for (int n = 0; n < sayı; ++n)
            v.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi, AmbarYeri) VALUES (1, 'PUL', ?)",
                       {QString(500, QChar('A' + n % 26))});
        i.onayla();
    }
    // The store with that many more parts and its backup, written today; both closed.
    void yedekliDepo(int parça) {
        VeriTabanı.aç(vt);
        parçalarEkle(VeriTabanı, parça);
        VeriTabanı.kapat();
        ASSERT_TRUE(başlat());
        VeriTabanı.kapat();
    }
    static void üzerineYaz(const QString& yol, qint64 konum) {
        QFile f(yol);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(konum);
        f.write(QByteArray(512, '\x5a'));
    }
    static void ortasınıBoz(const QString& yol) { üzerineYaz(yol, QFileInfo(yol).size() / 2); }
    static void başınıBoz(const QString& yol) { üzerineYaz(yol, 100); }
    static void boşalt(const QString& yol) {
        QFile f(yol);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    QStringList yedekKlasörü() const { return QFileInfo(yedek).dir().entryList(QDir::Files, QDir::Name); }

    QString vt, yedek;
};

TEST_F(BaşlangıçTesti, PencereBaşlığıSürümdenYapılır) {
    EXPECT_EQ(ProgramBaşlığınıYap(1, 9, 3), "Orvelta - Depora 1.93 (Sunucu)");
    EXPECT_EQ(ProgramBaşlığınıYap(2, 0, 0), "Orvelta - Depora 2.00 (Sunucu)");
}

TEST_F(BaşlangıçTesti, İlkÇalışmadaKlasörlerVeYedekOluşur) {
    EXPECT_FALSE(QDir(klasör() + "/veri/Orvelta").exists());
    const auto hazırlık = VeritabanınıHazırla(vt, yedek);
    ASSERT_TRUE(hazırlık);
    EXPECT_TRUE(hazırlık.yedekGerekli);
    GünlükYedekAl(vt, yedek);
    EXPECT_TRUE(mesajlar.empty()) << mesajMetinleri().join("|").toStdString();
    EXPECT_TRUE(QFileInfo::exists(yedek));
    EXPECT_EQ(QFile(yedek).permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    EXPECT_EQ(yedek, klasör() + "/veri/Orvelta/Vtb Yedekleri/Ambar.ydk");
    EXPECT_TRUE(VeriTabanı.açıkMı());
    EXPECT_EQ(parçaSayısı(), 1);
    VeritabanıBağlantısı y;
    y.aç(yedek);
    EXPECT_EQ(y.tekDeğer("SELECT Adi FROM ParcaBilgileriTablosu").toString(), "CIVATA");
}

TEST_F(BaşlangıçTesti, YedekYalnızVeritabanıDündenKalmışsaYazılır) {
    ASSERT_TRUE(başlat());
    VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, 'DÜBEL')");
    VeriTabanı.kapat();
    // written today: the old backup stays as it is
    const QDateTime eskiYedekZamanı = dün();
    zamanıAyarla(yedek, eskiYedekZamanı);
    ASSERT_TRUE(başlat());
    VeriTabanı.kapat();
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), eskiYedekZamanı.date());
    // last written yesterday: a fresh backup with both parts
    zamanıAyarla(vt, dün());
    EXPECT_TRUE(GünlükYedekGerekli(vt, yedek));
    ASSERT_TRUE(başlat());
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), QDate::currentDate());
    EXPECT_EQ(parçaSayısı(yedek), 2);
    // the backup it replaced stays beside it under its date
    EXPECT_EQ(parçaSayısı(YedekKuşağı(yedek, eskiYedekZamanı.date())), 1);
    // a store that gets an index on opening (one made before it) still gets its backup
    VeriTabanı.çalıştır("DROP INDEX Giris_ArsivlenmemisTarihi");
    VeriTabanı.kapat();
    zamanıAyarla(vt, dün());
    zamanıAyarla(yedek, dün());
    ASSERT_TRUE(başlat());
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), QDate::currentDate());
}

TEST_F(BaşlangıçTesti, YedekYazılamazsaEskisiKalır) {
    ASSERT_TRUE(başlat());
    VeriTabanı.kapat();
    const QByteArray eski = içerik(yedek);
    zamanıAyarla(vt, dün());
    QDir().mkpath(yedek + ".yeni/engel");  // the temporary copy cannot be written
    cevapla(MesajCevabı::Evet);
    ASSERT_TRUE(başlat());
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    EXPECT_TRUE(mesajlar[0].metin.startsWith("Program, aşağıdaki hata nedeniyle doğru çalışmayabilir!"));
    EXPECT_EQ(içerik(yedek), eski);
    EXPECT_TRUE(VeriTabanı.açıkMı());
    EXPECT_EQ(sonlandırmaSayısı, 0);
}

TEST_F(BaşlangıçTesti, VeritabanıVeYedekYoksaBaşlamaz) {
    QFile::remove(vt);
    EXPECT_FALSE(başlat());
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin,
              "\"Ambar.vtb\" adlı veritabanı dosyanıza ulaşılamadığı için program başlayamıyor! \nLütfen kontrol "
              "edip tekrar deneyin.");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Kritik);
    EXPECT_FALSE(QFileInfo::exists(vt));
}

TEST_F(BaşlangıçTesti, EksikVeritabanıYedektenSorularakOluşturulur) {
    ASSERT_TRUE(başlat());
    VeriTabanı.kapat();
    QFile::remove(vt);
    cevapla(MesajCevabı::Hayır);
    EXPECT_FALSE(başlat());
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, "\"Ambar.vtb\" adlı veritabanı dosyanız bulunamadı.\r\nYedekten oluşturulsun mu?");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Soru);
    EXPECT_FALSE(QFileInfo::exists(vt));

    // Yes: the copy keeps the backup's time, so a backup from yesterday is written again today
    zamanıAyarla(yedek, dün());
    cevapla(MesajCevabı::Evet);
    ASSERT_TRUE(başlat());
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
    EXPECT_FALSE(başlat());
    ASSERT_FALSE(mesajlar.empty());
    EXPECT_EQ(mesajlar[0].metin, "Veritabanı dosyanız önceki sürüme ait! Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);
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
    ASSERT_TRUE(başlat());  // the backup of today is written here
    VeriTabanı.kapat();
    VeritabanıBağlantısı başka;  // another workstation holds the file for writing
    başka.aç(vt);
    başka.betikÇalıştır("BEGIN EXCLUSIVE");
    EXPECT_FALSE(başlat());
    ASSERT_EQ(mesajlar.size(), 1u) << mesajMetinleri().join("|").toStdString();
    EXPECT_EQ(mesajlar[0].metin, "Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);
    EXPECT_GE(sonlandırmaSayısı, 1);
    EXPECT_FALSE(VeriTabanı.açıkMı());
    başka.betikÇalıştır("ROLLBACK");
}

// A store that is not one (empty file, first page unreadable, no tables) is
// treated as a missing one; a restore copies only a backup that passes its
// check; without one the program ends, changes and creates nothing.
TEST_F(BaşlangıçTesti, BozukYaDaEksikVeritabanıYalnızSağlamYedektenOluşur) {
    ASSERT_NO_FATAL_FAILURE(yedekliDepo(400));
    const QByteArray sağlamVt = içerik(vt), sağlamYedek = içerik(yedek);
    const QString tablosuz = klasör() + "/tablosuz.vtb";
    {
        VeritabanıBağlantısı t;
        t.yeniOluştur(tablosuz);
        t.çalıştır("CREATE TABLE Notlar (a)");
    }
    using Boz = std::function<void(const QString&)>;
    const Boz sağlam = [](const QString&) {}, sil = [](const QString& y) { QFile::remove(y); };
    const Boz tablolarıYok = [&](const QString& y) {
        QFile::remove(y);
        QFile::copy(tablosuz, y);
    };
    const Boz günlükBırak = [](const QString& y) {  // a journal left by a store that is gone
        QFile::remove(y);
        QFile f(y + "-journal");
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(2048, '\x11'));
    };
    const QString bozukSoru = "\"Ambar.vtb\" adlı veritabanı dosyanız bozuk; bozuk dosya \"Ambar-bozuk-";
    const QString yedekBozuk = "; \"Ambar.ydk\" adlı yedeğiniz de bozuk olduğu için yedekten oluşturulamıyor!\n"
                               "Yedeğiniz: " + QDir::toNativeSeparators(yedek);
    struct Durum {
        const char* ad;
        Boz veritabanı, yedeği;
        MesajCevabı cevap;
        QString ilkMesaj;  // its beginning
        bool açılır;
    };
    const Durum durumlar[] = {
        {"boş dosya", boşalt, sağlam, MesajCevabı::Evet, bozukSoru, true},
        {"ilk sayfası bozuk", başınıBoz, sağlam, MesajCevabı::Evet, bozukSoru, true},
        {"tabloları yok", tablolarıYok, sağlam, MesajCevabı::Evet, bozukSoru, true},
        {"yok, eski günlüğü duruyor", günlükBırak, sağlam, MesajCevabı::Evet,
         "\"Ambar.vtb\" adlı veritabanı dosyanız bulunamadı.\r\nYedekten oluşturulsun mu?", true},
        {"boş dosya, Hayır", boşalt, sağlam, MesajCevabı::Hayır, bozukSoru, false},
        {"boş dosya, yedek yok", boşalt, sil, MesajCevabı::Evet,
         "\"Ambar.vtb\" adlı veritabanı dosyanız bozuk olduğu için program başlayamıyor! \nLütfen kontrol edip "
         "tekrar deneyin.", false},
        {"yok, yedek boş", sil, boşalt, MesajCevabı::Evet, "\"Ambar.vtb\" adlı veritabanı dosyanız bulunamadı" + yedekBozuk,
         false},
        {"yok, yedeğin bir sayfası bozuk", sil, ortasınıBoz, MesajCevabı::Evet,
         "\"Ambar.vtb\" adlı veritabanı dosyanız bulunamadı" + yedekBozuk, false},
        {"ilk sayfası bozuk, yedeğin ilk sayfası bozuk", başınıBoz, başınıBoz, MesajCevabı::Evet,
         "\"Ambar.vtb\" adlı veritabanı dosyanız bozuk" + yedekBozuk, false},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        for (const QString& ad : QDir(ProgramKlasörü).entryList(QDir::Files)) QFile::remove(ProgramKlasörü + ad);
        for (const auto& [yol, veri] : {std::pair{vt, sağlamVt}, std::pair{yedek, sağlamYedek}}) {
            QFile f(yol);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(veri);
        }
        d.veritabanı(vt);
        d.yedeği(yedek);
        const QStringList öncekiDosyalar = QDir(ProgramKlasörü).entryList(QDir::Files);
        const QByteArray önceki = içerik(vt);
        mesajlar.clear();
        cevapla(d.cevap);
        EXPECT_EQ(başlat(), d.açılır);
        ASSERT_FALSE(mesajlar.empty());
        EXPECT_TRUE(mesajlar[0].metin.startsWith(d.ilkMesaj)) << mesajlar[0].metin.toStdString();
        if (d.açılır) {
            EXPECT_EQ(mesajlar.size(), 1u) << mesajMetinleri().join("|").toStdString();
            EXPECT_EQ(parçaSayısı(), 401);
            VeriTabanı.kapat();
            // the damaged file (and a journal left beside) kept aside under the name the question gave
            const QStringList kenarda = QDir(ProgramKlasörü).entryList({"Ambar-bozuk-*"}, QDir::Files);
            EXPECT_EQ(kenarda.size(), öncekiDosyalar.size()) << kenarda.join("|").toStdString();
            for (const QString& ad : kenarda) {
                EXPECT_TRUE(ad.endsWith(".vtb") || ad.endsWith(".vtb-journal")) << ad.toStdString();
                if (ad.endsWith(".vtb")) {
                    EXPECT_TRUE(mesajlar[0].metin.contains("\"" + ad + "\" adıyla saklanacak.\r\n"));
                    EXPECT_EQ(içerik(ProgramKlasörü + ad), önceki);
                }
            }
            EXPECT_FALSE(QFileInfo::exists(vt + "-journal"));
        } else {
            EXPECT_FALSE(VeriTabanı.açıkMı());
            EXPECT_EQ(QDir(ProgramKlasörü).entryList(QDir::Files), öncekiDosyalar);
            EXPECT_EQ(içerik(vt), önceki);
        }
    }
}

// A store with a damaged page starts (no full check on every start); the daily
// backup finds the damage in its copy and keeps the old backup; every read that
// meets the damage tells where the backup is.
TEST_F(BaşlangıçTesti, BozukSayfalıVeritabanıYedeğiBozmazHataYedeğiGösterir) {
    ASSERT_NO_FATAL_FAILURE(yedekliDepo(1000));
    zamanıAyarla(yedek, dün());
    const QByteArray eskiYedek = içerik(yedek);
    ortasınıBoz(vt);
    zamanıAyarla(vt, dün());
    ASSERT_TRUE(başlat());
    const QString bozukMetni = "Hata Kodu: 11\r\n\r\nHata Mesajı: Veritabanı dosyanız bozulmuş: " +
                               QDir::toNativeSeparators(vt) + "\r\nSon yedeğiniz: " + QDir::toNativeSeparators(yedek) +
                               " (" + dün().toString("dd.MM.yyyy HH:mm") + ")\r\nProgramı kapatıp bozuk dosyayı";
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    EXPECT_TRUE(mesajlar[0].metin.contains(bozukMetni)) << mesajlar[0].metin.toStdString();
    EXPECT_EQ(içerik(yedek), eskiYedek);
    EXPECT_EQ(yedekKlasörü(), QStringList{"Ambar.ydk"});
    EXPECT_TRUE(HataYönetimiyle([] { VeriTabanı.tekDeğer("SELECT SUM(length(AmbarYeri)) FROM ParcaBilgileriTablosu"); })
                == false);
    ASSERT_EQ(mesajlar.size(), 2u);
    EXPECT_TRUE(mesajlar[1].metin.contains(bozukMetni)) << mesajlar[1].metin.toStdString();
}

// The delivered empty store put in place of a full one: the daily backup (on
// its own thread) keeps the full backup as the newest and the copy beside it.
TEST_F(BaşlangıçTesti, BoşVeritabanıDoluYedeğinYerineGeçmez) {
    ASSERT_NO_FATAL_FAILURE(yedekliDepo(39));
    zamanıAyarla(yedek, dün());
    QFile::remove(vt);
    {
        VeritabanıBağlantısı boş;
        boş.yeniOluştur(vt);
        TemelTablolarıOluştur(boş);
    }
    zamanıAyarla(vt, dün());
    const auto hazırlık = VeritabanınıHazırla(vt, yedek);
    ASSERT_TRUE(hazırlık);
    ASSERT_TRUE(hazırlık.yedekGerekli);
    GünlükYedeğiArkadaAl(vt, yedek);
    GünlükYedeğiBekle();
    EXPECT_TRUE(mesajlar.empty());  // told on the main thread
    QCoreApplication::processEvents();
    const QString bugünkü = YedekKuşağı(yedek, QDate::currentDate());
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, "Veritabanı dosyanız son yedeğinizden daha eski görünüyor; yerine başka bir dosya "
                                 "konmuş olabilir.\r\nSon yedeğiniz değiştirilmedi: " + QDir::toNativeSeparators(yedek) +
                                 "\r\nBugünkü kopyası ayrıca saklandı: " + QDir::toNativeSeparators(bugünkü));
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);
    EXPECT_EQ(parçaSayısı(yedek), 40);
    EXPECT_EQ(parçaSayısı(bugünkü), 0);
    // the next day the same: the full backup is never replaced by the empty store
    zamanıAyarla(vt, dün());
    zamanıAyarla(bugünkü, dün());
    QFile::rename(bugünkü, YedekKuşağı(yedek, dün().date()));
    VeriTabanı.kapat();
    ASSERT_TRUE(başlat());
    EXPECT_EQ(parçaSayısı(yedek), 40);
}

// What an interrupted backup or restore left is removed at the next start.
TEST_F(BaşlangıçTesti, YarımKalanKopyalarSonrakiBaşlangıçtaSilinir) {
    ASSERT_TRUE(başlat());
    VeriTabanı.kapat();
    for (const QString& kalıntı : {yedek + ".yeni", vt + ".geri"}) {
        QFile f(kalıntı);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(içerik(vt));
    }
    ASSERT_TRUE(başlat());
    EXPECT_FALSE(QFileInfo::exists(yedek + ".yeni"));
    EXPECT_FALSE(QFileInfo::exists(vt + ".geri"));
    EXPECT_EQ(yedekKlasörü(), QStringList{"Ambar.ydk"});
}

// Dated backups: those of the last 7 days and the newest of each of the last 12 months stay.
TEST_F(BaşlangıçTesti, YedekKuşaklarıAyıklanır) {
    ASSERT_TRUE(başlat());
    VeriTabanı.kapat();
    const QDate bugün = QDate::currentDate();
    auto ayın = [&](int ay, int gün) {
        const QDate a = bugün.addMonths(ay);
        return QDate(a.year(), a.month(), gün);
    };
    const std::pair<QDate, bool> kuşaklar[] = {
        {bugün.addDays(-1), true},   {bugün.addDays(-6), true},  {ayın(-2, 3), false}, {ayın(-2, 10), true},
        {ayın(-11, 1), true},        {ayın(-12, 28), false},     {ayın(-13, 15), false},
    };
    for (const auto& [gün, kalır] : kuşaklar) QFile::copy(yedek, YedekKuşağı(yedek, gün));
    QFile(QFileInfo(yedek).absolutePath() + "/Ambar-notlar.ydk").open(QIODevice::WriteOnly);
    zamanıAyarla(yedek, bugün.addDays(-2).startOfDay());
    zamanıAyarla(vt, dün());
    ASSERT_TRUE(başlat());
    QStringList beklenen = {"Ambar-notlar.ydk", "Ambar.ydk", QFileInfo(YedekKuşağı(yedek, bugün.addDays(-2))).fileName()};
    for (const auto& [gün, kalır] : kuşaklar)
        if (kalır) beklenen << QFileInfo(YedekKuşağı(yedek, gün)).fileName();
    beklenen.sort();
    EXPECT_EQ(yedekKlasörü(), beklenen);
}
