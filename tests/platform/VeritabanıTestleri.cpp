#include "platform/VeritabanıBağlantısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"
#include "tests/ortak/TestOrtamı.h"

#include <QFile>

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

TEST_F(VeritabanıTesti, SıkıştırılmışKopyaDenetlenipYerineKonur) {
    VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Adi) VALUES (1, 'X')");
    VeriTabanı.aç(yol());  // as the program opens it: without the create flag
    const QString yedek = klasör() + "/Ambar.ydk";
    VeriTabanı.sıkıştırılmışKopyaYaz(yedek, TemelTablolar());
    VeritabanıBağlantısı vt;
    vt.aç(yedek);
    EXPECT_EQ(vt.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(), 1);
    vt.kapat();
    // a copy that fails its check leaves the old one in place
    const auto eski = QFile(yedek).size();
    EXPECT_THROW(VeriTabanı.sıkıştırılmışKopyaYaz(yedek, {"OlmayanTablo"}), DeporaHatası);
    EXPECT_EQ(QFile(yedek).size(), eski);
    EXPECT_FALSE(QFile::exists(yedek + ".yeni"));
    vt.aç(yedek);
    EXPECT_EQ(vt.tekDeğer("SELECT COUNT(*) FROM ParcaBilgileriTablosu").toInt(), 1);
}
