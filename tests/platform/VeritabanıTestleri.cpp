#include "platform/VeritabanıBağlantısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"
#include "tests/ortak/TestOrtamı.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>
#include <functional>
#include <unistd.h>

class VeritabanıTesti : public TestOrtamı {
protected:
    QString yol() const { return ProgramKlasörü + "Ambar.vtb"; }
    // The number of the error iş throws; 0 when it throws none.
    static int hatası(const std::function<void()>& iş) {
        try {
            iş();
        } catch (const DeporaHatası& h) {
            return h.numara();
        }
        return 0;
    }
    // Sets the engine's defaults for the stores opened after (the whole process).
    static void motorVarsayılanları(const char* ayarlar) {
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        EXPECT_EQ(sqlite3_exec(db, ayarlar, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
};

TEST_F(VeritabanıTesti, DosyaŞifreliVeYalnızAnahtarlaAçılır) {
    VeriTabanı.kapat();
    QFile f(yol());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.read(16).startsWith("SQLite format 3"));
    f.close();
    VeritabanıBağlantısı vt;
    EXPECT_EQ(hatası([&] { vt.aç(yol(), "yanlış"); }), HataNo::ŞifreYanlış);
    EXPECT_NO_THROW(vt.aç(yol()));
    EXPECT_TRUE(vt.tabloVarMı("GirisIslemleriTablosu"));
}

TEST_F(VeritabanıTesti, AçmakDosyaYaratmaz) {
    VeritabanıBağlantısı vt;
    const QString yok = klasör() + "/program/Yok.vtb";
    EXPECT_EQ(hatası([&] { vt.aç(yok); }), HataNo::DosyayaErişilemiyor);
    EXPECT_FALSE(QFile::exists(yok));
    EXPECT_EQ(hatası([&] { vt.aç(klasör() + "/olmayan/klasör/Ambar.vtb"); }), HataNo::YolBulunamadı);
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
        EXPECT_TRUE(s.boşMu("KdvOrani"));
        // a name in any letter case, asked again, or not there at all
        for (const char* ad : {"Adi", "ADI", "Adi"}) EXPECT_EQ(s.metin(ad), "O'NUN") << ad;
        for (const char* ad : {"parcano", "ParcaNo"}) EXPECT_EQ(s.tamsayı(ad), no) << ad;
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

// Under the engine's defaults of its version 3 or of its next version, the stores open, a copy taken with the key passes the engine's check and a damaged copy is
// refused (a page written over, one bit changed inside a row that only the page's seal tells, a cut-short
// file, the last page of a long text wiped with zeros); another seat writes while the copy is flushed.
TEST_F(VeritabanıTesti, DepolarMotorunSonrakiSürümündeAçılırKopyaMotorcaDenetlenir) {
    constexpr int Satır = 2000, Uzunluk = 400;  // a store of many pages, a long text last
    İşlem i(VeriTabanı);
    for (int n = 0; n <= Satır; ++n)
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi, AmbarYeri) VALUES (1, 'X', ?)",
                            {QString(n < Satır ? Uzunluk : 10 * Uzunluk, QChar('A' + n % 26))});
    i.onayla();
    const char* const üçüncü = "PRAGMA cipher_default_kdf_iter = 64000; PRAGMA cipher_default_page_size = 1024;"
                               "PRAGMA cipher_default_hmac_algorithm = HMAC_SHA1;"
                               "PRAGMA cipher_default_kdf_algorithm = PBKDF2_HMAC_SHA1;";
    const char* const sonraki = "PRAGMA cipher_default_kdf_iter = 256000; PRAGMA cipher_default_page_size = 4096;"
                                "PRAGMA cipher_default_hmac_algorithm = HMAC_SHA512;"
                                "PRAGMA cipher_default_kdf_algorithm = PBKDF2_HMAC_SHA512;";
    for (const char* varsayılan : {üçüncü, sonraki}) {
        SCOPED_TRACE(varsayılan);
        motorVarsayılanları(varsayılan);
        VeriTabanı.aç(yol());
        const QString kopya = klasör() + "/yedek " + QString::number(varsayılan == sonraki) + "/Ambar.ydk";
        ASSERT_TRUE(QDir().mkpath(QFileInfo(kopya).path()));
        auto öteki = ÖtekiKoltuğuAç();
        sqlite3_busy_timeout(öteki->tutamaç(), 50);
        int yazılırken = -1;
        DiskeYazıcıKur([&](int t) {
            yazılırken = hatası([&] { öteki->çalıştır("UPDATE ParcaBilgileriTablosu SET Adi='Y' WHERE ParcaNo=1"); });
            return ::fsync(t) == 0;
        });
        EXPECT_NO_THROW(VeriTabanı.dosyaKopyasıYaz(kopya));
        DiskeYazıcıKur(nullptr);
        EXPECT_EQ(yazılırken, 0);
        // an existing file is never written over
        const auto boyut = QFile(kopya).size();
        EXPECT_THROW(VeriTabanı.dosyaKopyasıYaz(kopya), DeporaHatası);
        EXPECT_EQ(QFile(kopya).size(), boyut);
        const QString sayfa = kopya + ".sayfa", bit = kopya + ".bit", kesik = kopya + ".kesik", sıfır = kopya + ".0";
        for (const QString& d : {sayfa, bit, kesik, sıfır}) QFile::copy(kopya, d);
        {
            QFile f(sayfa), g(bit), h(sıfır);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(f.size() / 2) && f.write(QByteArray(512, 0x5a)) == 512);
            ASSERT_TRUE(g.open(QIODevice::ReadWrite) && g.seek(g.size() / 2 + 100));
            const char b = g.peek(1).at(0) ^ 0x01;
            ASSERT_EQ(g.write(&b, 1), 1);
            ASSERT_TRUE(h.open(QIODevice::ReadWrite) && h.seek(h.size() - 1024) && h.write(QByteArray(1024, 0)) == 1024);
        }
        QFile::resize(kesik, QFileInfo(kesik).size() - 300);
        VeritabanıBağlantısı vt;
        vt.saltOkunurAç(kopya);
        EXPECT_NO_THROW(vt.sağlamlığıDenetle(TemelTablolar(), true));
        EXPECT_EQ(vt.tekDeğer("SELECT SUM(length(AmbarYeri)) FROM ParcaBilgileriTablosu").toInt(),
                  (Satır + 10) * Uzunluk);
        EXPECT_EQ(vt.anahtarSayaçları().value("ParcaBilgileriTablosu"), Satır + 1);
        for (const QString& d : {sayfa, bit, kesik, sıfır}) {
            vt.saltOkunurAç(d);  // the key still opens it
            EXPECT_EQ(hatası([&] { vt.sağlamlığıDenetle(TemelTablolar(), true); }), HataNo::VeritabanıBozuk) << d.toStdString();
        }
        EXPECT_EQ(hatası([&] { vt.saltOkunurAç(kopya, "yanlış"); }), HataNo::ŞifreYanlış);
    }
    motorVarsayılanları(üçüncü);
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
    const char* const dizinler[] = {"Giris_ParcaToplamlari", "Cikis_ParcaToplamlari", "Giris_ArsivFisNo", "Cikis_ArsivFisNo"};
    for (const char* d : dizinler) VeriTabanı.çalıştır(QString("DROP INDEX %1").arg(d));
    VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Tarihi, Miktari, Tutari) VALUES (1, '2026-01-02', 2, "
                        "40000)");
    VeriTabanı.aç(yol());
    for (const char* d : dizinler) EXPECT_TRUE(dizinVar(VeriTabanı, d)) << d;
    for (const char* t : {"GirisIslemleriTablosu", "CikisIslemleriTablosu"}) {
        SCOPED_TRACE(t);
        EXPECT_TRUE(plan(VeriTabanı, QString("SELECT SUM(Miktari), SUM(Tutari) FROM %1 WHERE ParcaNo=?").arg(t))
                        .contains("COVERING INDEX"));
        EXPECT_TRUE(plan(VeriTabanı, QString("SELECT * FROM %1 WHERE ArsivFisNo=?").arg(t)).contains("ArsivFisNo"));
    }
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT SUM(Tutari) FROM GirisIslemleriTablosu WHERE ParcaNo=1").toLongLong(), 40000);
}

TEST_F(VeritabanıTesti, ArşivSütunuOlmayanDepoAçılırDiziniArşivYapısıylaGelir) {
    VeriTabanı.kapat();
    const QString eski = klasör() + "/Eski.vtb";
    {
        VeritabanıBağlantısı vt;
        vt.yeniOluştur(eski);
        for (const char* t : {"Giris", "Cikis"})
            vt.çalıştır(QString("CREATE TABLE %1IslemleriTablosu (HareketNo INTEGER PRIMARY KEY, ParcaNo INTEGER, "
                                "Tarihi TEXT, FisNo INTEGER, Miktari REAL, Tutari INTEGER)").arg(t));
    }
    VeritabanıBağlantısı vt;
    ASSERT_NO_THROW(vt.aç(eski));
    EXPECT_TRUE(dizinVar(vt, "Giris_ParcaToplamlari"));
    EXPECT_FALSE(dizinVar(vt, "Giris_ArsivFisNo"));
    ArşivYapısınıTamamla(vt);
    for (const char* d : {"Giris_ArsivFisNo", "Cikis_ArsivFisNo"}) EXPECT_TRUE(dizinVar(vt, d)) << d;
}
