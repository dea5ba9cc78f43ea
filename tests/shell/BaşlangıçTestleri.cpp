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
#include <QRegularExpression>
#include <QThread>
#include <functional>
#include <optional>
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
    // Dates the file back to this time yesterday, which it returns.
    static QDateTime düneAl(const QString& yol) {
        const QDateTime dün = QDateTime::currentDateTime().addDays(-1);
        QFile f(yol);
        EXPECT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(dün, QFileDevice::FileModificationTime));
        return dün;
    }
    static QByteArray içerik(const QString& yol) {
        QFile f(yol);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void yaz(const QString& yol, const QByteArray& veri) {
        QFile f(yol);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(veri) == veri.size());
    }
    // A value read from another store file (by default its part count).
    static QVariant oku(const QString& yol, const QString& sql = "SELECT COUNT(*) FROM ParcaBilgileriTablosu") {
        VeritabanıBağlantısı y;
        y.aç(yol);
        return y.tekDeğer(sql);
    }
    // What Main does: the store made ready, then the daily backup when due.
    bool başlat() {
        const auto h = VeritabanınıHazırla(vt, yedek);
        if (h && h.yedekGerekli) GünlükYedekAl(vt, yedek);
        return h.açıldı;
    }
    // The store with that many more parts, long ones over many pages, and its backup of today; both closed.
    void yedekliDepo(int parça) {
        VeriTabanı.aç(vt);
        İşlem i(VeriTabanı);
        for (int n = 0; n < parça; ++n)
            VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi, AmbarYeri) VALUES (1, 'PUL', ?)",
                                {QString(500, QChar('A' + n % 26))});
        i.onayla();
        VeriTabanı.kapat();
        ASSERT_TRUE(başlat());
        VeriTabanı.kapat();
    }
    // A new store file in the place of yol: with the base tables, or with a table of its own only.
    static void yeniDosya(const QString& yol, bool temelTablolar,
                          const QString& anahtar = VeritabanıBağlantısı::VarsayılanAnahtar()) {
        QFile::remove(yol);
        VeritabanıBağlantısı v;
        v.yeniOluştur(yol, anahtar);
        temelTablolar ? TemelTablolarıOluştur(v) : void(v.çalıştır("CREATE TABLE Notlar (a)"));
    }
    static void üzerineYaz(const QString& yol, qint64 konum) {
        QFile f(yol);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(konum) && f.write(QByteArray(512, '\x5a')) == 512);
    }
    static void ortasınıBoz(const QString& yol) { üzerineYaz(yol, QFileInfo(yol).size() / 2); }
    static void başınıBoz(const QString& yol) { üzerineYaz(yol, 100); }
    static void boşalt(const QString& yol) { yaz(yol, {}); }
    QStringList yedekKlasörü() const { return QFileInfo(yedek).dir().entryList(QDir::Files, QDir::Name); }

    QString vt, yedek;
};

TEST_F(BaşlangıçTesti, PencereBaşlığıSürümdenYapılır) {
    EXPECT_EQ(ProgramBaşlığınıYap(1, 9, 3), "Orvelta - Depora 1.93 (Sunucu)");
    EXPECT_EQ(ProgramBaşlığınıYap(2, 0, 0), "Orvelta - Depora 2.00 (Sunucu)");
}

// The first start makes the folders and the backup; after that the backup is
// written only when the store was last written before today.
TEST_F(BaşlangıçTesti, YedekYalnızVeritabanıDündenKalmışsaYazılır) {
    EXPECT_FALSE(QDir(klasör() + "/veri/Orvelta").exists());
    ASSERT_TRUE(başlat());
    EXPECT_TRUE(mesajlar.empty()) << mesajMetinleri().join("|").toStdString();
    EXPECT_EQ(yedek, klasör() + "/veri/Orvelta/Vtb Yedekleri/Ambar.ydk");
    EXPECT_EQ(QFile(yedek).permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    EXPECT_EQ(oku(yedek, "SELECT Adi FROM ParcaBilgileriTablosu").toString(), "CIVATA");
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(), 1);  // open
    VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, 'DÜBEL')");
    VeriTabanı.kapat();
    // written today: the old backup stays as it is; what an interrupted backup or restore left goes
    const QDateTime eskiYedekZamanı = düneAl(yedek);
    for (const QString& kalıntı : {yedek + ".yeni", vt + ".geri"}) yaz(kalıntı, içerik(vt));
    ASSERT_TRUE(başlat());
    VeriTabanı.çalıştır("DROP INDEX Giris_ArsivlenmemisTarihi");  // a store made before it: it is added on opening
    VeriTabanı.kapat();
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), eskiYedekZamanı.date());
    EXPECT_EQ(yedekKlasörü(), QStringList{"Ambar.ydk"});
    EXPECT_FALSE(QFileInfo::exists(vt + ".geri"));
    // last written yesterday, though opening writes it: a fresh backup with both parts, the one it replaced beside it
    // under its date; of the dated ones, those of the last 7 days and the newest of each of the last 12 months stay
    const QDate bugün = QDate::currentDate();
    auto ayın = [&](int ay, int gün) { return QDate(bugün.addMonths(ay).year(), bugün.addMonths(ay).month(), gün); };
    const std::pair<QDate, bool> kuşaklar[] = {{bugün.addDays(-6), true}, {ayın(-2, 3), false}, {ayın(-2, 10), true},
                                               {ayın(-11, 1), true}, {ayın(-12, 28), false}, {ayın(-13, 15), false}};
    QStringList kalanlar = {"Ambar-notlar.ydk", "Ambar.ydk",
                            QFileInfo(YedekKuşağı(yedek, eskiYedekZamanı.date())).fileName()};
    for (const auto& [gün, kalır] : kuşaklar) {
        QFile::copy(yedek, YedekKuşağı(yedek, gün));
        if (kalır) kalanlar << QFileInfo(YedekKuşağı(yedek, gün)).fileName();
    }
    yaz(QFileInfo(yedek).absolutePath() + "/Ambar-notlar.ydk", {});
    düneAl(vt);
    ASSERT_TRUE(başlat());
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), bugün);
    EXPECT_EQ(oku(yedek).toInt(), 2);
    EXPECT_EQ(oku(YedekKuşağı(yedek, eskiYedekZamanı.date())).toInt(), 1);
    kalanlar.sort();
    EXPECT_EQ(yedekKlasörü(), kalanlar);
}

// A backup that cannot be written (its temporary copy blocked, or the copy shows a damaged page of the
// store) leaves the old one and tells why; the store stays open (no full check on every start), and every
// read that meets the damage tells where the backup is.
TEST_F(BaşlangıçTesti, YedekYazılamazsaEskisiKalır) {
    ASSERT_NO_FATAL_FAILURE(yedekliDepo(1000));
    const QDateTime yedekZamanı = düneAl(yedek);
    const QByteArray eskiYedek = içerik(yedek);
    auto eskisiKalır = [&](const QString& neden) {
        VeriTabanı.kapat();
        düneAl(vt);
        mesajlar.clear();
        ASSERT_TRUE(başlat());
        ASSERT_EQ(mesajlar.size(), 1u);
        EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
        EXPECT_TRUE(mesajlar[0].metin.startsWith("Program, aşağıdaki hata nedeniyle doğru çalışmayabilir!"));
        EXPECT_TRUE(mesajlar[0].metin.contains(neden)) << mesajlar[0].metin.toStdString();
        EXPECT_EQ(içerik(yedek), eskiYedek);
        EXPECT_EQ(yedekKlasörü(), QStringList{"Ambar.ydk"});
        EXPECT_TRUE(VeriTabanı.açıkMı());
        EXPECT_EQ(sonlandırmaSayısı, 0);
    };
    QDir().mkpath(yedek + ".yeni/engel");  // the temporary copy cannot be written
    eskisiKalır("");
    QDir(yedek + ".yeni").removeRecursively();
    ortasınıBoz(vt);
    const QString bozukMetni = "Hata Kodu: 11\r\n\r\nHata Mesajı: Veritabanı dosyanız bozulmuş: " +
                               QDir::toNativeSeparators(vt) + "\r\nSon yedeğiniz: " + QDir::toNativeSeparators(yedek) +
                               " (" + yedekZamanı.toString("dd.MM.yyyy HH:mm") + ")\r\nProgramı kapatıp bozuk dosyayı";
    eskisiKalır(bozukMetni);
    EXPECT_FALSE(
        HataYönetimiyle([] { VeriTabanı.tekDeğer("SELECT SUM(length(AmbarYeri)) FROM ParcaBilgileriTablosu"); }));
    ASSERT_EQ(mesajlar.size(), 2u);
    EXPECT_TRUE(mesajlar[1].metin.contains(bozukMetni)) << mesajlar[1].metin.toStdString();
}

// A store that is missing or not one (empty file, first page unreadable, no tables, another key) is
// restored, when the user agrees, only from a backup that passes its check; otherwise, and when another
// seat holds the file, the program ends, changing and creating nothing.
TEST_F(BaşlangıçTesti, BozukYaDaEksikVeritabanıYalnızSağlamYedektenOluşur) {
    ASSERT_NO_FATAL_FAILURE(yedekliDepo(400));
    const QByteArray sağlamVt = içerik(vt), sağlamYedek = içerik(yedek);
    using Boz = std::function<void(const QString&)>;
    const Boz sağlam = [](const QString&) {}, sil = [](const QString& y) { QFile::remove(y); };
    const Boz tablolarıYok = [](const QString& y) { yeniDosya(y, false); };
    const Boz başkaAnahtar = [](const QString& y) { yeniDosya(y, false, "baska-anahtar"); };
    // a journal left by a store that is gone
    const Boz günlükBırak = [](const QString& y) { QFile::remove(y); yaz(y + "-journal", QByteArray(2048, '\x11')); };
    std::optional<VeritabanıBağlantısı> başka;  // another workstation, holding the file for writing
    const Boz kilit = [&](const QString& y) { başka.emplace(); başka->aç(y); başka->betikÇalıştır("BEGIN EXCLUSIVE"); };
    const QString dosyanız = "\"Ambar.vtb\" adlı veritabanı dosyanız", yok = dosyanız + " bulunamadı";
    const QString soru = ".\r\nYedekten oluşturulsun mu?", tekrar = " Lütfen, kontrol edip tekrar deneyiniz!";
    const QString bozukSoru = dosyanız + " bozuk; bozuk dosya \"Ambar-bozuk-*.vtb\" adıyla saklanacak" + soru;
    const QString başlayamaz = " için program başlayamıyor! \nLütfen kontrol edip tekrar deneyin.";
    const QString yedekBozuk = "; \"Ambar.ydk\" adlı yedeğiniz de bozuk olduğu için yedekten oluşturulamıyor!\n"
                               "Yedeğiniz: " + QDir::toNativeSeparators(yedek) +
                               "\nÖnceki günlerin yedekleri aynı klasördedir.";
    using enum MesajCevabı;
    using enum MesajSimgesi;
    struct Durum {
        const char* ad;
        Boz veritabanı, yedeği;
        MesajCevabı cevap;
        QString mesaj;  // "Ambar-bozuk-*.vtb": the name the damaged file is to be kept under
        MesajSimgesi simge;
        bool açılır;
    };
    const Durum durumlar[] = {
        {"boş dosya", boşalt, sağlam, Evet, bozukSoru, Soru, true},
        {"ilk sayfası bozuk", başınıBoz, sağlam, Evet, bozukSoru, Soru, true},
        {"tabloları yok", tablolarıYok, sağlam, Evet, bozukSoru, Soru, true},
        {"yok, eski günlüğü duruyor", günlükBırak, sağlam, Evet, yok + soru, Soru, true},
        {"yok, Hayır", sil, sağlam, Hayır, yok + soru, Soru, false},
        {"boş dosya, Hayır", boşalt, sağlam, Hayır, bozukSoru, Soru, false},
        {"yok, yedek yok", sil, sil, Evet, dosyanız + "a ulaşılamadığı" + başlayamaz, Kritik, false},
        {"boş dosya, yedek yok", boşalt, sil, Evet, dosyanız + " bozuk olduğu" + başlayamaz, Kritik, false},
        {"başka anahtar, yedek yok", başkaAnahtar, sil, Evet, "Veritabanı dosyanız önceki sürüme ait!" + tekrar, Ünlem,
         false},
        {"başka koltukta kilitli", kilit, sağlam, Evet, "Dosyaya erişilemiyor." + tekrar, Ünlem, false},
        {"yok, yedek boş", sil, boşalt, Evet, yok + yedekBozuk, Kritik, false},
        {"yok, yedeğin bir sayfası bozuk", sil, ortasınıBoz, Evet, yok + yedekBozuk, Kritik, false},
        {"ilk sayfası bozuk, yedeğin de", başınıBoz, başınıBoz, Evet, dosyanız + " bozuk" + yedekBozuk, Kritik, false},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        başka.reset();
        for (const QString& ad : QDir(ProgramKlasörü).entryList(QDir::Files)) QFile::remove(ProgramKlasörü + ad);
        yaz(vt, sağlamVt);
        yaz(yedek, sağlamYedek);
        düneAl(yedek);
        d.veritabanı(vt);
        d.yedeği(yedek);
        const QStringList öncekiDosyalar = QDir(ProgramKlasörü).entryList(QDir::Files);
        const QByteArray önceki = içerik(vt);
        mesajlar.clear();
        cevaplar = {d.cevap};
        sonlandırmaSayısı = 0;
        EXPECT_EQ(başlat(), d.açılır);
        ASSERT_EQ(mesajlar.size(), 1u) << mesajMetinleri().join("|").toStdString();
        const QString mesaj = mesajlar[0].metin;
        EXPECT_EQ(QString(mesaj).replace(QRegularExpression("-bozuk-[0-9-]+\\.vtb"), "-bozuk-*.vtb"), d.mesaj);
        EXPECT_EQ(mesajlar[0].simge, d.simge);
        EXPECT_EQ(sonlandırmaSayısı > 0, d.simge == Ünlem);  // the error routine's fixed boxes end the program
        if (d.açılır) {
            EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(), 401);
            // the copy keeps the backup's time, so the backup of yesterday is written again today
            EXPECT_EQ(QFileInfo(yedek).lastModified().date(), QDate::currentDate());
            VeriTabanı.kapat();
            // the damaged file (and a journal left beside) kept aside under the name the question gave
            QStringList kenarda = QDir(ProgramKlasörü).entryList({"Ambar-bozuk-*"}, QDir::Files);
            const QString kök = kenarda.value(0).section('.', 0, 0);  // Ambar-bozuk-20261207-104500
            EXPECT_EQ(kenarda.replaceInStrings(kök, "Ambar"), öncekiDosyalar) << kök.toStdString();
            if (öncekiDosyalar.contains("Ambar.vtb")) {
                EXPECT_TRUE(mesaj.contains("\"" + kök + ".vtb\" adıyla saklanacak.\r\n"));
                EXPECT_EQ(içerik(ProgramKlasörü + kök + ".vtb"), önceki);
            }
            EXPECT_FALSE(QFileInfo::exists(vt + "-journal"));
        } else {
            EXPECT_FALSE(VeriTabanı.açıkMı());
            EXPECT_EQ(QDir(ProgramKlasörü).entryList(QDir::Files), öncekiDosyalar);
            EXPECT_EQ(içerik(vt), önceki);
        }
    }
}

// The delivered empty store put in place of a full one: the daily backup (on
// its own thread) keeps the full backup as the newest and the copy beside it.
TEST_F(BaşlangıçTesti, BoşVeritabanıDoluYedeğinYerineGeçmez) {
    ASSERT_NO_FATAL_FAILURE(yedekliDepo(39));
    düneAl(yedek);
    yeniDosya(vt, true);
    düneAl(vt);
    const auto hazırlık = VeritabanınıHazırla(vt, yedek);
    ASSERT_TRUE(hazırlık && hazırlık.yedekGerekli);
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
    EXPECT_EQ(oku(yedek).toInt(), 40);
    EXPECT_EQ(oku(bugünkü).toInt(), 0);
    // the next day the same: the full backup is never replaced by the empty store
    düneAl(vt);
    QFile::rename(bugünkü, YedekKuşağı(yedek, düneAl(bugünkü).date()));
    VeriTabanı.kapat();
    ASSERT_TRUE(başlat());
    EXPECT_EQ(oku(yedek).toInt(), 40);
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
