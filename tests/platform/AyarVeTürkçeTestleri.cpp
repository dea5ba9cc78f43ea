#include "platform/AyarDeposu.h"
#include "platform/Türkçe.h"
#include "platform/ÇalışmaKitabı.h"
#include "tests/ortak/TestOrtamı.h"

#include <QFile>
#include <algorithm>
#include <utility>
#include <sys/stat.h>

class AyarDeposuTesti : public TestOrtamı {};

TEST_F(AyarDeposuTesti, AnahtarlarYazıldıklarıSıradaGelir) {
    const QString uyg = "Orvelta\\Depora";
    for (int i = 1; i <= 10; ++i) AyarDeposu::yaz(uyg, "Listelenecekler\\Birimi", QString("X-%1").arg(i), QString::number(i));
    AyarDeposu::yaz(uyg, "Listelenecekler\\Birimi", "X-3", "üç");  // a rewrite keeps the place
    AyarDeposu::yenidenYükle();
    const auto b = AyarDeposu::bölümüOku(uyg, "Listelenecekler\\Birimi");
    ASSERT_EQ(b.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(b[i].first, QString("X-%1").arg(i + 1));
    EXPECT_EQ(b[2].second, "üç");
    EXPECT_TRUE(QFile::exists(klasör() + "/ayarlar/Orvelta/Depora.ini"));
}

TEST_F(AyarDeposuTesti, VarsayılanSilmeVeÖzelKarakterler) {
    const QString uyg = "Orvelta\\Depora";
    EXPECT_EQ(AyarDeposu::oku(uyg, "Ayarlar", "Yok", "v"), "v");
    AyarDeposu::yaz(uyg, "Ayarlar", "Adres", "a=b\\c\nd");
    AyarDeposu::yaz(uyg, "Ayarlar", "Diğer", "1");
    AyarDeposu::yenidenYükle();
    EXPECT_EQ(AyarDeposu::oku(uyg, "ayarlar", "adres"), "a=b\\c\nd");
    AyarDeposu::sil(uyg, "Ayarlar", "Adres");
    EXPECT_EQ(AyarDeposu::oku(uyg, "Ayarlar", "Adres", "yok"), "yok");
    AyarDeposu::sil(uyg, "Ayarlar");
    AyarDeposu::yenidenYükle();
    EXPECT_TRUE(AyarDeposu::bölümüOku(uyg, "Ayarlar").empty());
}

// The settings and an exported sheet carry the store's content: readable by the
// user alone, under a lax umask too, and an old file that others could read is
// tightened on its next write.
TEST_F(AyarDeposuTesti, AyarVeKitapDosyalarıYalnızKullanıcınındır) {
    const mode_t eskiMaske = ::umask(022);
    const auto izinleri = [](const QString& yol) { return QFile::permissions(yol) & 0x0777; };
    const auto yalnızKullanıcı = QFileDevice::ReadUser | QFileDevice::WriteUser;
    const QString uyg = "Orvelta\\Depora", ayarlar = AyarDeposu::dosyaYolu(uyg);
    AyarDeposu::yaz(uyg, "Ayarlar", "A", "1");
    EXPECT_EQ(izinleri(ayarlar), yalnızKullanıcı) << "yeni ayar dosyası";
    QFile::setPermissions(ayarlar, QFile::permissions(ayarlar) | QFileDevice::ReadOther | QFileDevice::ReadGroup);
    AyarDeposu::yaz(uyg, "Ayarlar", "A", "2");
    EXPECT_EQ(izinleri(ayarlar), yalnızKullanıcı) << "herkesin okuyabildiği eski ayar dosyası";
    ÇalışmaKitabı k;
    k.metinYaz(1, 1, "PARÇA");
    EXPECT_EQ(izinleri(k.kaydet("Liste")), yalnızKullanıcı) << "çalışma kitabı";
    ::umask(eskiMaske);
    AyarDeposu::yenidenYükle();
    EXPECT_EQ(AyarDeposu::oku(uyg, "Ayarlar", "A"), "2");
}

// A line longer than any the program writes (an editor's accident, a hostile
// file) is passed over quickly; the lines around it still count.
TEST_F(AyarDeposuTesti, AşırıUzunSatırYokSayılır) {
    const QString uyg = "Orvelta\\Depora";
    AyarDeposu::yaz(uyg, "Ayarlar", "Yukseklik", "6000");
    // the first, with "Uzun=" and the carriage return, at the limit
    const std::pair<qsizetype, bool> durumlar[] = {
        {AyarDeposu::EnUzunSatır - 6, true}, {AyarDeposu::EnUzunSatır - 5, false}, {10 * 1024 * 1024, false}};
    for (const auto& [uzunluk, okunur] : durumlar) {
        SCOPED_TRACE(uzunluk);
        const QByteArray değer(uzunluk, '7');
        QFile f(AyarDeposu::dosyaYolu(uyg));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("\xEF\xBB\xBF[Ayarlar]\r\nYukseklik=6000\r\nUzun=" + değer + "\r\nGenislik=7500\r\n");
        f.close();
        AyarDeposu::yenidenYükle();
        EXPECT_EQ(AyarDeposu::oku(uyg, "Ayarlar", "Yukseklik"), "6000");
        EXPECT_EQ(AyarDeposu::oku(uyg, "Ayarlar", "Genislik"), "7500");
        EXPECT_EQ(AyarDeposu::oku(uyg, "Ayarlar", "Uzun", "yok"), okunur ? QString::fromLatin1(değer) : "yok");
    }
}

TEST(Türkçe, BüyükHarfVeSıra) {
    EXPECT_EQ(TürkçeBüyükHarf("ışık iğne"), "IŞIK İĞNE");
    EXPECT_EQ(TürkçeKüçükHarf("IŞIK İĞNE"), "ışık iğne");
    EXPECT_EQ(SerbestMetin("ali'nin"), "ALİ’NİN");
    QStringList adlar = {"İP", "IŞIK", "DÜBEL", "ÇEKİÇ", "CIVATA"};
    std::sort(adlar.begin(), adlar.end(), [](const QString& a, const QString& b) { return TürkçeKarşılaştır(a, b) < 0; });
    EXPECT_EQ(adlar, QStringList({"CIVATA", "ÇEKİÇ", "DÜBEL", "IŞIK", "İP"}));
    EXPECT_TRUE(TürkçeAynı("adet", "ADET"));
}
