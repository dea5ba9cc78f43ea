#include "platform/VeritabanıBağlantısı.h"
#include "platform/ÇözenDosyaKatmanı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"
#include "tests/ortak/TestOrtamı.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>
#include <functional>

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
    // The file layer the connection reads its store through.
    static QByteArray katmanı(VeritabanıBağlantısı& vt) {
        sqlite3_vfs* katman = nullptr;
        sqlite3_file_control(vt.tutamaç(), "main", SQLITE_FCNTL_VFS_POINTER, &katman);
        return katman ? katman->zName : "";
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

// A copy of the store's file opens with its key, and the program's own
// decryption for a check reads what the engine reads and finds what the
// engine's check finds (a damaged page too); a file it cannot read is left to the engine.
TEST_F(VeritabanıTesti, DosyaKopyasıAnahtarıylaAçılırDenetlenenDosyayıProgramKendisiÇözer) {
    constexpr int Satır = 2000, Uzunluk = 400;  // a store of many pages
    İşlem i(VeriTabanı);
    for (int n = 0; n < Satır; ++n)
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi, AmbarYeri) VALUES (1, 'X', ?)",
                            {QString(Uzunluk, QChar('A' + n % 26))});
    i.onayla();
    const QString kopya = klasör() + "/yedek ?#%ığ/Ambar.ydk";  // a name the layer's address carries escaped
    ASSERT_TRUE(QDir().mkpath(QFileInfo(kopya).path()));
    VeriTabanı.dosyaKopyasıYaz(kopya);
    // an existing file is never written over
    const auto boyut = QFile(kopya).size();
    EXPECT_THROW(VeriTabanı.dosyaKopyasıYaz(kopya), DeporaHatası);
    EXPECT_EQ(QFile(kopya).size(), boyut);

    // a connection without a key, through the layer: the quick check's verdict, or the failure
    const auto katmanla = [](const QString& dosya, const QString& anahtar = VeritabanıBağlantısı::VarsayılanAnahtar()) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(ÇözülecekDosyaAdresi(dosya, anahtar).constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                        ÇözenDosyaKatmanı());
        QString sonuç;
        const auto satır = [](void* s, int, char** d, char**) { *static_cast<QString*>(s) = d[0]; return 0; };
        if (sqlite3_exec(db, "PRAGMA quick_check(1)", satır, &sonuç, nullptr) != SQLITE_OK)
            sonuç = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close_v2(db);
        return sonuç;
    };
    EXPECT_EQ(katmanla(kopya), "ok");
    EXPECT_EQ(katmanla(kopya, "yanlış"), "file is encrypted or is not a database");
    // a page written over, one bit changed inside a row's text (which only the page's
    // seal tells), a cut-short file: the check finds the damage
    const QString sayfa = kopya + ".sayfa", bit = kopya + ".bit", kesik = kopya + ".kesik";
    for (const QString& d : {sayfa, bit, kesik}) QFile::copy(kopya, d);
    {
        QFile f(sayfa);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(f.size() / 2) && f.write(QByteArray(512, 0x5a)) == 512);
        QFile g(bit);
        ASSERT_TRUE(g.open(QIODevice::ReadWrite) && g.seek(g.size() / 2 + 100));
        const char b = g.peek(1).at(0) ^ 0x01;
        ASSERT_EQ(g.write(&b, 1), 1);
    }
    QFile::resize(kesik, QFileInfo(kesik).size() - 300);
    for (const QString& d : {sayfa, bit, kesik}) EXPECT_NE(katmanla(d), "ok") << d.toStdString();
    // decrypted by the program for a check, or opened by the engine with the key: the same store
    VeritabanıBağlantısı vt;
    for (const bool çözerek : {true, false}) {
        SCOPED_TRACE(çözerek ? "denetim için açılan" : "anahtarıyla açılan");
        çözerek ? vt.denetimİçinAç(kopya) : vt.aç(kopya);
        EXPECT_EQ(katmanı(vt) == ÇözenDosyaKatmanı(), çözerek);
        EXPECT_NO_THROW(vt.sağlamlığıDenetle(TemelTablolar(), true));
        EXPECT_EQ(vt.tekDeğer("SELECT SUM(length(AmbarYeri)) FROM ParcaBilgileriTablosu").toInt(), Satır * Uzunluk);
        EXPECT_EQ(vt.anahtarSayaçları().value("ParcaBilgileriTablosu"), Satır);
        EXPECT_EQ(vt.anahtarSayaçları(), VeriTabanı.anahtarSayaçları());
        çözerek ? vt.denetimİçinAç(sayfa) : vt.aç(sayfa);  // a damaged page: the key still opens it
        EXPECT_EQ(hatası([&] { vt.sağlamlığıDenetle(TemelTablolar(), true); }), HataNo::VeritabanıBozuk);
    }
    EXPECT_EQ(hatası([&] { vt.denetimİçinAç(kopya, "yanlış"); }), HataNo::ŞifreYanlış);
    // a file written otherwise (here with a raw key the engine takes as it is) is read by the engine
    const QString hamAnahtar = "x'" + QString(64, '7') + "'", başka = klasör() + "/Başka.vtb";
    vt.yeniOluştur(başka, hamAnahtar);
    TemelTablolarıOluştur(vt);
    vt.denetimİçinAç(başka, hamAnahtar);
    EXPECT_NE(katmanı(vt), ÇözenDosyaKatmanı());
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
