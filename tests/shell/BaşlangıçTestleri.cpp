#include "platform/Masaüstü.h"
#include "shell/BaşlangıçModülü.h"
#include "shell/DepoBakımı.h"
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
#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>
#include <unistd.h>
#include <utility>

class BaşlangıçTesti : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, 'CIVATA')");
        VeriTabanı.kapat();
        vt = ProgramKlasörü + "Ambar.vtb";
        yedek = KullanıcıVeriKlasörü() + "Orvelta/Vtb Yedekleri/Ambar.ydk";
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
        for (int n = 0; n < parça; ++n)  // the last one a text over several pages
            VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi, AmbarYeri) VALUES (1, 'PUL', ?)",
                                {QString(n + 1 < parça ? 500 : 5000, QChar('A' + n % 26))});
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
    static void sonSayfasınıSıfırla(const QString& yol) {
        QFile f(yol);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(f.size() - 1024) && f.write(QByteArray(1024, 0)) == 1024);
    }
    // The name of this run's temporary of the given kind beside yol.
    static QString geçiciAdı(const QString& yol, const char* tür, qint64 süreç = QCoreApplication::applicationPid()) {
        return yol + "." + tür + "-" + QSysInfo::machineHostName() + "-" + QString::number(getuid()) + "-" +
               QString::number(süreç);
    }
    static void başınıBoz(const QString& yol) { üzerineYaz(yol, 100); }
    static void boşalt(const QString& yol) { yaz(yol, {}); }
    QStringList yedekKlasörü() const { return QFileInfo(yedek).dir().entryList(QDir::Files, QDir::Name); }
    void yedekKlasörünüBoşalt() const {
        for (const QString& ad : yedekKlasörü()) QFile::remove(QFileInfo(yedek).dir().filePath(ad));
    }

    // Days go by (gün < 0) or the clock is put back (gün > 0): the store and every backup look that many
    // days older or newer, the dated backups by their names too (one a day, so moved in turn).
    void günKaydır(int gün) {
        const QDir k = QFileInfo(yedek).dir();
        for (const QString& yol : QStringList{vt} + yedekKlasörü().replaceInStrings(QRegularExpression("^"), k.path() + "/")) {
            QFile f(yol);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite) &&
                        f.setFileTime(QFileInfo(yol).lastModified().addDays(gün), QFileDevice::FileModificationTime));
        }
        QStringList tarihli = yedekKlasörü().filter(QRegularExpression("^Ambar-\\d{4}-\\d\\d-\\d\\d\\.ydk$"));
        if (gün > 0) std::reverse(tarihli.begin(), tarihli.end());
        for (const QString& ad : tarihli)
            ASSERT_TRUE(QFile::rename(k.filePath(ad), YedekKuşağı(yedek, QDate::fromString(ad.mid(6, 10), Qt::ISODate).addDays(gün))));
    }

    // What the backup folder holds: Ambar.ydk's parts ("bozuk": it fails its check) | every other backup,
    // oldest first, as its day from today (a copy kept apart: "eski") and its parts.
    QString yedekler() const {
        const auto parçaları = [](const QString& yol) -> QString {
            try {
                VeritabanıBağlantısı y;
                y.saltOkunurAç(yol);
                y.sağlamlığıDenetle(TemelTablolar(), true);
                return y.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toString();
            } catch (const DeporaHatası&) {
                return "bozuk";
            }
        };
        QStringList l = {parçaları(yedek), "|"};
        for (const QString& ad : yedekKlasörü().filter(QRegularExpression("^Ambar-"))) {
            const QDate gün = QDate::fromString(ad.mid(6, 10), Qt::ISODate);
            const int fark = QDate::currentDate().daysTo(gün);
            const QString ne = ad.startsWith("Ambar-eski-depo-") ? "eski" : gün.isValid() ? QString::asprintf("%+d", fark) : ad;
            l << ne + ":" + parçaları(QFileInfo(yedek).dir().filePath(ad));
        }
        return l.join(' ');
    }

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
    // written today: the old backup stays as it is; what an interrupted backup or restore of an earlier
    // run of this seat left goes, another seat's restore under way stays
    const QDateTime eskiYedekZamanı = düneAl(yedek);
    const QString başkaKoltuk = vt + ".geri-baska-makine-1000-7";
    for (const QString& kalıntı : {geçiciAdı(yedek, "yeni", 1), geçiciAdı(yedek, "gun", 1), geçiciAdı(vt, "geri", 1), başkaKoltuk})
        yaz(kalıntı, içerik(vt));
    ASSERT_TRUE(başlat());
    VeriTabanı.çalıştır("DROP INDEX Giris_ArsivlenmemisTarihi");  // a store made before it: it is added on opening
    VeriTabanı.kapat();
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), eskiYedekZamanı.date());
    EXPECT_EQ(yedekKlasörü(), QStringList{"Ambar.ydk"});
    EXPECT_EQ(QDir(ProgramKlasörü).entryList(QDir::Files), QStringList({"Ambar.vtb", QFileInfo(başkaKoltuk).fileName()}));
    // last written yesterday, though opening writes it: a fresh backup with both parts, the one it replaced beside it
    düneAl(vt);
    ASSERT_TRUE(başlat());
    EXPECT_EQ(QFileInfo(yedek).lastModified().date(), QDate::currentDate());
    EXPECT_EQ(oku(yedek).toInt(), 2);
    EXPECT_EQ(oku(YedekKuşağı(yedek, eskiYedekZamanı.date())).toInt(), 1);
    EXPECT_EQ(yedekKlasörü().size(), 2);
}

// The dated backups kept are counted by day from the backups themselves, whatever the clock says: the 7
// newest days and the newest of each of the 12 months up to the newest's, of a day (an earlier version kept
// several) its last; one dated after today is neither counted nor removed.
TEST_F(BaşlangıçTesti, TarihliYedeklerSaatYüzündenSilinmez) {
    QDir().mkpath(QFileInfo(yedek).absolutePath());
    const QDate gün(2026, 12, 7);
    // the dates in the names, each marked + when it stays and - when it goes
    const std::pair<QDate, const char*> durumlar[] = {
        {gün, "+2026-12-05-2 -2026-12-05 +2026-12-01 +2026-11-20 +2026-11-10 +2026-10-31 +2026-10-01 +2026-09-15 "
              "-2026-09-01 +2026-01-31 -2025-12-31"},
        {gün.addYears(1), "+2026-12-06 +2026-12-05 +2026-12-04 +2026-12-03 +2026-12-02 +2026-12-01 +2026-11-30 "
                          "-2026-11-15 +2026-10-20"},
        {gün, "+2027-06-01 +2027-06-01-2 +2027-05-01 +2026-12-06 +2026-12-05 +2026-12-04 +2026-12-03 +2026-12-02 +2026-12-01 "
              "+2026-11-30 -2026-11-29"},
    };
    for (const auto& [bugün, kuşaklar] : durumlar) {
        SCOPED_TRACE(kuşaklar);
        QStringList kalanlar = {"Ambar.ydk"};
        yaz(yedek, "yedek");
        for (const QString& k : QString(kuşaklar).split(' ')) {
            yaz(QFileInfo(yedek).absolutePath() + "/Ambar-" + k.mid(1) + ".ydk", "kuşak");
            if (k.startsWith('+')) kalanlar << "Ambar-" + k.mid(1) + ".ydk";
        }
        KuşaklarıAyıkla(yedek, bugün);
        kalanlar.sort();
        EXPECT_EQ(yedekKlasörü(), kalanlar);
        yedekKlasörünüBoşalt();
    }
}

// Over days of starts, each day keeps one dated backup, the last made that day: a quiet day's many starts
// replace today's backup instead of pushing out the week; starts after a day's writes make none; with the
// clock put back, the backup written "tomorrow" is kept under its own day. Each token: b a start, y a part
// written, g a day gone by, G the clock put back a day.
TEST_F(BaşlangıçTesti, HerGünBirYedekKalır) {
    const struct { const char* ad; const char* günler; const char* kalan; } durumlar[] = {
        {"a quiet day, eight starts", "b y g b y g b y g b y g b y g b y g b y g b b b b b b b b",
         "8 | -7:1 -6:2 -5:3 -4:4 -3:5 -2:6 -1:7"},
        {"a day with writes", "b y g b y b y b y g b", "5 | -2:1 -1:2"},
        {"the clock put back", "b y g b g b G b b", "2 | -1:1 +0:2 +1:2"},
    };
    const QByteArray ilk = içerik(vt);  // one part
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        yedekKlasörünüBoşalt();
        yaz(vt, ilk);
        for (const QString& adım : QString(d.günler).split(' ')) {
            if (adım == "b") {
                ASSERT_TRUE(başlat());
                VeriTabanı.kapat();
            } else if (adım == "y") {
                VeritabanıBağlantısı v;
                v.aç(vt);
                v.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, 'PUL')");
            } else {
                ASSERT_NO_FATAL_FAILURE(günKaydır(adım == "g" ? -1 : 1));
            }
        }
        EXPECT_EQ(mesajMetinleri(), QStringList());
        EXPECT_EQ(yedekler().toStdString(), d.kalan);
    }
}

// A backup that cannot be written (its temporary copy blocked, or the copy shows a damaged page of the
// store, or a page of it wiped with zeros) leaves the old one and tells why; the store stays open (no full
// check on every start), and every read that meets the damage tells where the backup is. The finding is
// noted, so the next start checks every page and offers the restore.
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
    QDir().mkpath(geçiciAdı(yedek, "yeni") + "/engel");  // this run's temporary copy cannot be written
    eskisiKalır("");
    QDir(geçiciAdı(yedek, "yeni")).removeRecursively();
    const QString bozukMetni = "Hata Kodu: 11\r\n\r\nHata Mesajı: Veritabanı dosyanız bozulmuş: " +
                               QDir::toNativeSeparators(vt) + "\r\nSon yedeğiniz: " + QDir::toNativeSeparators(yedek) +
                               " (" + yedekZamanı.toString("dd.MM.yyyy HH:mm") + ")\r\nProgram bir sonraki açılışında "
                               "dosyanın tamamını denetleyecek; bozuksa yedekten oluşturmayı önerecek.";
    sonSayfasınıSıfırla(vt);
    eskisiKalır(bozukMetni);
    EXPECT_TRUE(QFileInfo::exists(vt + ".denetlenecek"));
    ortasınıBoz(vt);
    EXPECT_FALSE(
        HataYönetimiyle([] { VeriTabanı.tekDeğer("SELECT SUM(length(AmbarYeri)) FROM ParcaBilgileriTablosu"); }));
    ASSERT_EQ(mesajlar.size(), 2u);
    EXPECT_TRUE(mesajlar[1].metin.contains(bozukMetni)) << mesajlar[1].metin.toStdString();
    VeriTabanı.kapat();
    mesajlar.clear();
    cevaplar = {MesajCevabı::Evet};
    ASSERT_TRUE(başlat());
    EXPECT_TRUE(mesajMetinleri().value(0).startsWith("\"Ambar.vtb\" adlı veritabanı dosyanız bozuk; bozuk dosya"));
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(), 1001);
    EXPECT_FALSE(QFileInfo::exists(vt + ".denetlenecek"));
}

// A store that is missing or not one (empty file, first page unreadable, no tables, another key, a damage
// noted since the last start) is restored, when the user agrees, only from the newest backup that passes
// its check (a page of zeros fails it); otherwise, and when another seat holds the file, the program ends,
// changing and creating nothing.
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
                               "Yedeğiniz: " + QDir::toNativeSeparators(yedek);
    const Boz kaydedilmiş = [](const QString& y) { ortasınıBoz(y); yaz(y + ".denetlenecek", "1"); };
    // the newest backup damaged, a dated one of yesterday too, one of three days ago sound
    const QDate üçGünÖnce = QDate::currentDate().addDays(-3);
    const Boz tarihliSağlam = [&](const QString& y) {
        for (const QDate& gün : {üçGünÖnce, üçGünÖnce.addDays(2)}) {
            yaz(YedekKuşağı(y, gün), sağlamYedek);
            düneAl(YedekKuşağı(y, gün));
        }
        ortasınıBoz(YedekKuşağı(y, üçGünÖnce.addDays(2)));
        ortasınıBoz(y);
    };
    const QString tarihliSoru = dosyanız + " bozuk; bozuk dosya \"Ambar-bozuk-*.vtb\" adıyla saklanacak.\r\n\"Ambar.ydk\" "
                                "adlı son yedeğiniz de bozuk; " + üçGünÖnce.toString("dd.MM.yyyy") + " tarihli \"" +
                                QFileInfo(YedekKuşağı(yedek, üçGünÖnce)).fileName() +
                                "\" yedeğiniz sağlam.\r\nBu yedekten oluşturulsun mu?";
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
        {"bozukluğu kaydedilmiş", kaydedilmiş, sağlam, Evet, bozukSoru, Soru, true},
        {"boş dosya, son yedek bozuk", boşalt, tarihliSağlam, Evet, tarihliSoru, Soru, true},
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
        {"yok, yedeğin son sayfası sıfır", sil, sonSayfasınıSıfırla, Evet, yok + yedekBozuk, Kritik, false},
        {"ilk sayfası bozuk, yedeğin de", başınıBoz, başınıBoz, Evet, dosyanız + " bozuk" + yedekBozuk, Kritik, false},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        başka.reset();
        for (const QString& ad : QDir(ProgramKlasörü).entryList(QDir::Files)) QFile::remove(ProgramKlasörü + ad);
        yedekKlasörünüBoşalt();
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
            EXPECT_EQ(kenarda.replaceInStrings(kök, "Ambar"), öncekiDosyalar.filter(QRegularExpression("vtb(-journal)?$")))
                << kök.toStdString();
            EXPECT_FALSE(QFileInfo::exists(vt + ".denetlenecek"));
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
    // a store noted as damaged that passes the full check opens without a word, the note gone
    başka.reset();
    yaz(vt, sağlamVt);
    yaz(vt + ".denetlenecek", "1");
    mesajlar.clear();
    EXPECT_TRUE(başlat());
    EXPECT_EQ(mesajMetinleri(), QStringList());
    EXPECT_FALSE(QFileInfo::exists(vt + ".denetlenecek"));
}

// A store whose record counters went back from those of the newest backup that passes its check (here
// the delivered empty store in place of a full one) never replaces it: its copy is kept apart under a name
// of its own, and the clerk, warned on the main thread, may confirm the store is the right one (its copy
// then becomes the newest backup, the old one kept under its date). A damaged newest backup is no measure;
// a sound dated one is, however often the older store starts, for the kept copies are never a measure nor
// counted as a day's backup, and only the 3 newest of them stay.
TEST_F(BaşlangıçTesti, KayıtSayaçlarıGeriGidenDepoSonYedeğinYerineGeçmez) {
    ASSERT_NO_FATAL_FAILURE(yedekliDepo(39));
    const QByteArray doluYedek = içerik(yedek);
    using enum MesajCevabı;
    const struct {
        const char* ad;
        bool yedekBozuk;
        int tarihliGün, açılış;  // days of dated backups of the full store before; starts of the older store
        MesajCevabı cevap;
        bool uyarılır;
        const char* kalan;
    } durumlar[] = {
        {"Hayır", false, 0, 1, Hayır, true, "40 | eski:0"},
        {"Evet", false, 0, 1, Evet, true, "0 | -1:40"},
        {"son yedek bozuk", true, 0, 1, Evet, false, "0 |"},
        {"son yedek bozuk, dünkü sağlam, Evet", true, 1, 1, Evet, true, "0 | -1:40"},
        {"son yedek bozuk, bir hafta sağlam, dört açılış", true, 7, 4, Hayır, true,
         "bozuk | -7:40 -6:40 -5:40 -4:40 -3:40 -2:40 -1:40 eski:0 eski:0 eski:0"},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        yedekKlasörünüBoşalt();
        yaz(yedek, doluYedek);
        düneAl(yedek);
        for (int gün = 1; gün <= d.tarihliGün; ++gün) yaz(YedekKuşağı(yedek, QDate::currentDate().addDays(-gün)), doluYedek);
        if (d.yedekBozuk) ortasınıBoz(yedek);
        yeniDosya(vt, true);
        for (int açılış = 0; açılış < d.açılış; ++açılış) {
            düneAl(vt);
            mesajlar.clear();
            cevaplar = {d.cevap};
            const auto hazırlık = VeritabanınıHazırla(vt, yedek);
            ASSERT_TRUE(hazırlık && hazırlık.yedekGerekli);
            GünlükYedeğiArkadaAl(vt, yedek);
            GünlükYedeğiBekle();
            EXPECT_TRUE(mesajlar.empty());  // told on the main thread
            QCoreApplication::processEvents();
            VeriTabanı.kapat();
        }
        const QString saklanan = QRegularExpression("saklandı: (.*Ambar-eski-depo-\\d{8}-\\d{6}(-\\d)?\\.ydk)$")
                                     .match(mesajMetinleri().value(0)).captured(1);
        const QStringList beklenen = {
            "Veritabanı dosyanız son yedeğinizden daha eski görünüyor; yerine başka bir dosya konmuş olabilir.\r\n"
            "Son yedeğiniz değiştirilmedi: " + QDir::toNativeSeparators(yedek) + "\r\nBugünkü kopyası ayrıca saklandı: " +
                saklanan,
            "Kullandığınız veritabanı dosyası doğru dosya ise bugünkü kopyası son yedeğiniz olsun mu?\r\n"
            "Şimdiki son yedeğiniz tarihli adıyla saklanır."};
        EXPECT_EQ(mesajMetinleri(), d.uyarılır ? beklenen : QStringList());
        EXPECT_EQ(yedekler().toStdString(), d.kalan);
    }
}

TEST_F(BaşlangıçTesti, İkinciKopyaBirinciyiÖneGetirir) {
    const QString başlık = "Depora deneme " + klasör();
    int gösterilme = 0;
    ASSERT_TRUE(Masaüstü::tekÖrnekOl(başlık, [&] { ++gösterilme; }));
    EXPECT_FALSE(Masaüstü::tekÖrnekOl(başlık, [] {}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return gösterilme == 1; }, 1000));
    Masaüstü::tekÖrneğiBırak();
}

// Two starts at the same moment (this test's program run twice at once): one runs, the other asks it to
// show itself and ends.
TEST_F(BaşlangıçTesti, AynıAndaİkiBaşlangıçtanYalnızBiriÇalışır) {
    if (const QByteArray başlık = qgetenv("DEPORA_DENEME_BASLIGI"); !başlık.isEmpty()) {  // one of the two
        // both start at the same instant, whenever each process came up
        std::this_thread::sleep_until(std::chrono::system_clock::time_point(
            std::chrono::milliseconds(qgetenv("DEPORA_DENEME_ANI").toLongLong())));
        int gösterilme = 0;
        const bool çalışır = Masaüstü::tekÖrnekOl(QString::fromUtf8(başlık), [&] { ++gösterilme; });
        const bool gösterildi = çalışır && QTest::qWaitFor([&] { return gösterilme > 0; }, 10000);
        std::printf("%s %d\n", çalışır ? "calisan" : "cikan", int(gösterildi));
        return Masaüstü::tekÖrneğiBırak();
    }
    const auto* bu = ::testing::UnitTest::GetInstance()->current_test_info();
    for (int çift = 0; çift < 2; ++çift) {
        QProcess başlangıçlar[2];
        QStringList sonuçlar;
        const qint64 an = QDateTime::currentMSecsSinceEpoch() + 700;
        for (QProcess& p : başlangıçlar) {
            auto ortam = QProcessEnvironment::systemEnvironment();
            ortam.insert("DEPORA_DENEME_BASLIGI", "Depora iki başlangıç " + klasör() + QString::number(çift));
            ortam.insert("DEPORA_DENEME_ANI", QString::number(an));
            p.setProcessEnvironment(ortam);
            p.start(QCoreApplication::applicationFilePath(),
                    {QString("--gtest_filter=%1.%2").arg(bu->test_suite_name(), bu->name())});
        }
        for (QProcess& p : başlangıçlar) {
            EXPECT_TRUE(p.waitForFinished(20000));
            sonuçlar << QString(p.readAllStandardOutput()).split('\n').filter(QRegularExpression("^(calisan|cikan) "));
        }
        sonuçlar.sort();
        EXPECT_EQ(sonuçlar, QStringList({"calisan 1", "cikan 0"})) << çift;
    }
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
