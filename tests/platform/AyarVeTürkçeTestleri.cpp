#include "platform/AyarDeposu.h"
#include "platform/Türkçe.h"
#include "tests/ortak/TestOrtamı.h"

#include <QFile>
#include <algorithm>

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

TEST(Türkçe, BüyükHarfVeSıra) {
    EXPECT_EQ(TürkçeBüyükHarf("ışık iğne"), "IŞIK İĞNE");
    EXPECT_EQ(TürkçeKüçükHarf("IŞIK İĞNE"), "ışık iğne");
    EXPECT_EQ(SerbestMetin("ali'nin"), "ALİ’NİN");
    QStringList adlar = {"İP", "IŞIK", "DÜBEL", "ÇEKİÇ", "CIVATA"};
    std::sort(adlar.begin(), adlar.end(), [](const QString& a, const QString& b) { return TürkçeKarşılaştır(a, b) < 0; });
    EXPECT_EQ(adlar, QStringList({"CIVATA", "ÇEKİÇ", "DÜBEL", "IŞIK", "İP"}));
    EXPECT_TRUE(TürkçeAynı("adet", "ADET"));
}
