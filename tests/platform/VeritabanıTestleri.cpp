#include "platform/VeritabanıBağlantısı.h"
#include "platform/ÇözenDosyaKatmanı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"
#include "tests/ortak/TestOrtamı.h"

#include <QDir>
#include <QFile>
#include <sqlcipher/sqlite3.h>
#include <functional>
#include <vector>

class VeritabanıTesti : public TestOrtamı {
protected:
    QString yol() const { return ProgramKlasörü + "Ambar.vtb"; }
};

TEST_F(VeritabanıTesti, DosyaŞifreliVeYalnızAnahtarlaAçılır) {
    VeriTabanı.kapat();
    QFile f(yol());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.read(16).startsWith("SQLite format 3"));
    f.close();
    VeritabanıBağlantısı vt;
    try {
        vt.aç(yol(), "yanlış");
        FAIL() << "yanlış anahtarla açıldı";
    } catch (const DeporaHatası& h) {
        EXPECT_EQ(h.numara(), HataNo::ŞifreYanlış);
    }
    EXPECT_NO_THROW(vt.aç(yol()));
    EXPECT_TRUE(vt.tabloVarMı("GirisIslemleriTablosu"));
}

TEST_F(VeritabanıTesti, AçmakDosyaYaratmaz) {
    VeritabanıBağlantısı vt;
    const QString yok = klasör() + "/program/Yok.vtb";
    try {
        vt.aç(yok);
        FAIL();
    } catch (const DeporaHatası& h) {
        EXPECT_EQ(h.numara(), HataNo::DosyayaErişilemiyor);
    }
    EXPECT_FALSE(QFile::exists(yok));
    try {
        vt.aç(klasör() + "/olmayan/klasör/Ambar.vtb");
        FAIL();
    } catch (const DeporaHatası& h) {
        EXPECT_EQ(h.numara(), HataNo::YolBulunamadı);
    }
    VeritabanıBağlantısı açılmamış;
    EXPECT_THROW(açılmamış.çalıştır("SELECT 1"), DeporaHatası);
}

TEST_F(VeritabanıTesti, BağlıDeğerlerİşlemVeAnahtarlar) {
    VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi) VALUES (?, ?, ?)", {7, "A'1", "O'NUN"});
    const auto no = VeriTabanı.sonEklenenNo();
    EXPECT_GT(no, 0);
    {
        Sorgu s(VeriTabanı, "SELECT * FROM ParcaBilgileriTablosu WHERE Nosu=?", {"A'1"});
        ASSERT_TRUE(s.sonraki());
        EXPECT_EQ(s.metin("Adi"), "O'NUN");
        EXPECT_EQ(s.tamsayı("parcano"), no);
        EXPECT_TRUE(s.boşMu("KdvOrani"));
        // a name asked again, in another spelling, or not there at all
        EXPECT_EQ(s.metin("ADI"), "O'NUN");
        EXPECT_EQ(s.metin("Adi"), "O'NUN");
        EXPECT_EQ(s.tamsayı("ParcaNo"), no);
        EXPECT_THROW(s.metin("Adı"), DeporaHatası);
    }
    try {
        İşlem i(VeriTabanı);
        VeriTabanı.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (1, 'A')");
        VeriTabanı.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (1, 'B')");  // unique
        i.onayla();
    } catch (const DeporaHatası&) {
    }
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM MarkaBilgileriTablosu").toInt(), 0);
    // keys are never reused
    VeriTabanı.çalıştır("DELETE FROM ParcaBilgileriTablosu");
    VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, 'X')");
    EXPECT_GT(VeriTabanı.sonEklenenNo(), no);
}

TEST_F(VeritabanıTesti, LikeKalıbıJokerleriDüzMetinSayar) {
    VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi) VALUES (1, '10%A', 'X')");
    VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi) VALUES (1, '10BA', 'Y')");
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu WHERE Nosu LIKE ? ESCAPE '\\'",
                                  {İleBaşlarKalıbı("10%")}).toInt(), 1);
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu WHERE Nosu LIKE ? ESCAPE '\\'",
                                  {İleBaşlarKalıbı("10")}).toInt(), 2);
}

TEST_F(VeritabanıTesti, TürkçeHarmanlamaİleSıralar) {
    for (const char* ad : {"İP", "IŞIK", "DÜBEL", "ÇEKİÇ", "CIVATA"})
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, ?)", {QString::fromUtf8(ad)});
    QStringList sıra;
    Sorgu s(VeriTabanı, "SELECT Adi FROM ParcaBilgileriTablosu ORDER BY Adi COLLATE TURKCE");
    while (s.sonraki()) sıra << s.metin("Adi");
    EXPECT_EQ(sıra, QStringList({"CIVATA", "ÇEKİÇ", "DÜBEL", "IŞIK", "İP"}));
}

TEST_F(VeritabanıTesti, DosyaKopyasıAnahtarıylaAçılırBozukSayfaDenetimdeBulunur) {
    {
        İşlem i(VeriTabanı);
        for (int n = 0; n < 3000; ++n)
            VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi, AmbarYeri) VALUES (1, 'X', ?)",
                                {QString(500, QChar('A' + n % 26))});
        i.onayla();
    }
    const QString kopya = klasör() + "/Ambar.ydk";
    VeriTabanı.dosyaKopyasıYaz(kopya);
    EXPECT_EQ(QFile(kopya).permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    {
        VeritabanıBağlantısı vt;
        vt.aç(kopya);
        EXPECT_NO_THROW(vt.sağlamlığıDenetle(TemelTablolar(), true));
        EXPECT_EQ(vt.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(), 3000);
        EXPECT_FALSE(vt.anahtarSayaçları().isEmpty());
        EXPECT_EQ(vt.anahtarSayaçları().value("ParcaBilgileriTablosu"), 3000);
    }
    // an existing file is never written over
    const auto boyut = QFile(kopya).size();
    EXPECT_THROW(VeriTabanı.dosyaKopyasıYaz(kopya), DeporaHatası);
    EXPECT_EQ(QFile(kopya).size(), boyut);

    // one page of the parts written over: the key still opens the store, the
    // tables are there, the page check and a read of the rows find the damage
    VeriTabanı.kapat();
    {
        QFile f(yol());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(f.size() / 2);
        f.write(QByteArray(512, '\x5a'));
    }
    VeriTabanı.aç(yol());
    EXPECT_NO_THROW(VeriTabanı.sağlamlığıDenetle(TemelTablolar(), false));
    for (const auto& denetim : std::vector<std::function<void()>>{
             [] { VeriTabanı.sağlamlığıDenetle(TemelTablolar(), true); },
             [] { VeriTabanı.tekDeğer("SELECT SUM(length(AmbarYeri)) FROM ParcaBilgileriTablosu"); }}) {
        try {
            denetim();
            ADD_FAILURE() << "bozukluk bulunmadı";
            continue;
        } catch (const DeporaHatası& h) {
            EXPECT_EQ(h.numara(), HataNo::VeritabanıBozuk) << h.açıklama().toStdString();
        }
    }
    try {
        VeriTabanı.sağlamlığıDenetle({"OlmayanTablo"}, false);
        ADD_FAILURE();
    } catch (const DeporaHatası& h) {
        EXPECT_EQ(h.numara(), HataNo::VeritabanıBozuk);
    }
}

// The program's own decryption of a file being checked reads what the engine
// reads, and finds what the engine's check finds; a file it cannot read is left
// to the engine.
TEST_F(VeritabanıTesti, DenetlenenDosyayıProgramKendisiÇözer) {
    {
        İşlem i(VeriTabanı);
        for (int n = 0; n < 2000; ++n)
            VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi, AmbarYeri) VALUES (1, 'X', ?)",
                                {QString(400, QChar('A' + n % 26))});
        i.onayla();
    }
    const QString klasörü = klasör() + "/yedek ?#%ığ";
    ASSERT_TRUE(QDir().mkpath(klasörü));
    const QString sağlam = klasörü + "/Ambar.ydk";
    VeriTabanı.dosyaKopyasıYaz(sağlam);
    // what a connection without a key reads through the layer: the check's verdict, or the failure
    auto katmanla = [](const QString& dosya, const QString& anahtar) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(ÇözülecekDosyaAdresi(dosya, anahtar).constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                        ÇözenDosyaKatmanı());
        sqlite3_stmt* st = nullptr;
        QString sonuç;
        if (sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            sonuç = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        else
            sonuç = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
        sqlite3_close_v2(db);
        return sonuç;
    };
    const auto bozuğu = [&](const QString& ad, const std::function<void(QFile&)>& boz) {
        const QString dosya = klasörü + "/" + ad;
        QFile::copy(sağlam, dosya);
        QFile f(dosya);
        f.open(QIODevice::ReadWrite);
        boz(f);
        return dosya;
    };
    struct Durum {
        QString dosya, anahtar, sonuç;
    };
    for (const Durum& d : std::vector<Durum>{
             {sağlam, VeritabanıBağlantısı::VarsayılanAnahtar(), "ok"},
             {sağlam, "yanlış", "file is encrypted or is not a database"},
             {bozuğu("bayt.ydk", [](QFile& f) { f.seek(f.size() / 2 + 100); f.write("\x01"); }),
              VeritabanıBağlantısı::VarsayılanAnahtar(), "bozuk"},
             {bozuğu("kesik.ydk", [](QFile& f) { f.resize(f.size() - 300); }),
              VeritabanıBağlantısı::VarsayılanAnahtar(), "bozuk"},
         }) {
        const QString sonuç = katmanla(d.dosya, d.anahtar);
        if (d.sonuç == "bozuk")
            EXPECT_NE(sonuç, "ok") << d.dosya.toStdString();
        else
            EXPECT_EQ(sonuç, d.sonuç) << d.dosya.toStdString();
    }
    // the connection of a check reads the sound copy through the layer, with the engine's results
    VeritabanıBağlantısı vt;
    vt.denetimİçinAç(sağlam);
    sqlite3_vfs* katman = nullptr;
    sqlite3_file_control(vt.tutamaç(), "main", SQLITE_FCNTL_VFS_POINTER, &katman);
    ASSERT_TRUE(katman);
    EXPECT_STREQ(katman->zName, ÇözenDosyaKatmanı());
    EXPECT_NO_THROW(vt.sağlamlığıDenetle(TemelTablolar(), true));
    EXPECT_EQ(vt.tekDeğer("SELECT SUM(length(AmbarYeri)) FROM ParcaBilgileriTablosu").toInt(), 2000 * 400);
    EXPECT_EQ(vt.anahtarSayaçları(), VeriTabanı.anahtarSayaçları());
    try {
        vt.denetimİçinAç(sağlam, "yanlış");
        ADD_FAILURE() << "yanlış anahtarla açıldı";
    } catch (const DeporaHatası& h) {
        EXPECT_EQ(h.numara(), HataNo::ŞifreYanlış);
    }
    // a file written otherwise (here with a raw key the engine takes as it is) is read by the engine
    const QString hamAnahtar = "x'" + QString(64, '7') + "'";
    const QString başka = klasörü + "/Başka.vtb";
    {
        VeritabanıBağlantısı yeni;
        yeni.yeniOluştur(başka, hamAnahtar);
        TemelTablolarıOluştur(yeni);
    }
    vt.denetimİçinAç(başka, hamAnahtar);
    sqlite3_file_control(vt.tutamaç(), "main", SQLITE_FCNTL_VFS_POINTER, &katman);
    EXPECT_STRNE(katman->zName, ÇözenDosyaKatmanı());
    EXPECT_NO_THROW(vt.sağlamlığıDenetle(TemelTablolar(), true));
}

namespace {
bool dizinVar(VeritabanıBağlantısı& vt, const char* ad) {
    return vt.tekDeğer("SELECT count(*) FROM sqlite_master WHERE type='index' AND name=?", {ad}).toInt() == 1;
}
QString plan(VeritabanıBağlantısı& vt, const QString& sql) {
    QString p;
    Sorgu s(vt, "EXPLAIN QUERY PLAN " + sql, {1});
    while (s.sonraki()) p += s.metin("detail") + "\n";
    return p;
}
}  // namespace

TEST_F(VeritabanıTesti, OkumaDizinleriEskiDepoAçılırkenEklenirToplamlarDizindenOkunur) {
    // a store of an earlier version: made without them
    for (const char* d : {"Giris_ParcaToplamlari", "Cikis_ParcaToplamlari", "Giris_ArsivFisNo", "Cikis_ArsivFisNo"})
        VeriTabanı.çalıştır(QString("DROP INDEX %1").arg(d));
    VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Tarihi, Miktari, Tutari) VALUES (1, '2026-01-02', 2, "
                        "40000)");
    VeriTabanı.aç(yol());
    for (const char* d : {"Giris_ParcaToplamlari", "Cikis_ParcaToplamlari", "Giris_ArsivFisNo", "Cikis_ArsivFisNo"})
        EXPECT_TRUE(dizinVar(VeriTabanı, d)) << d;
    for (const char* t : {"GirisIslemleriTablosu", "CikisIslemleriTablosu"}) {
        EXPECT_TRUE(plan(VeriTabanı, QString("SELECT SUM(Miktari), SUM(Tutari) FROM %1 WHERE ParcaNo=?").arg(t))
                        .contains("COVERING INDEX"))
            << t;
        EXPECT_TRUE(plan(VeriTabanı, QString("SELECT * FROM %1 WHERE ArsivFisNo=?").arg(t)).contains("ArsivFisNo"))
            << t;
    }
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT SUM(Tutari) FROM GirisIslemleriTablosu WHERE ParcaNo=1").toLongLong(), 40000);
}

TEST_F(VeritabanıTesti, ArşivSütunuOlmayanDepoAçılırDiziniArşivYapısıylaGelir) {
    VeriTabanı.kapat();
    const QString eski = klasör() + "/Eski.vtb";
    {
        VeritabanıBağlantısı vt;
        vt.yeniOluştur(eski);
        vt.betikÇalıştır("CREATE TABLE GirisIslemleriTablosu (HareketNo INTEGER PRIMARY KEY, ParcaNo INTEGER, "
                         "Tarihi TEXT, FisNo INTEGER, Miktari REAL, Tutari INTEGER);"
                         "CREATE TABLE CikisIslemleriTablosu (HareketNo INTEGER PRIMARY KEY, ParcaNo INTEGER, "
                         "Tarihi TEXT, FisNo INTEGER, Miktari REAL, Tutari INTEGER);");
    }
    VeritabanıBağlantısı vt;
    ASSERT_NO_THROW(vt.aç(eski));
    EXPECT_TRUE(dizinVar(vt, "Giris_ParcaToplamlari"));
    EXPECT_FALSE(dizinVar(vt, "Giris_ArsivFisNo"));
    ArşivYapısınıTamamla(vt);
    EXPECT_TRUE(dizinVar(vt, "Giris_ArsivFisNo"));
    EXPECT_TRUE(dizinVar(vt, "Cikis_ArsivFisNo"));
}
