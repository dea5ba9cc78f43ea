#include "tests/reports/RaporYardımcıları.h"
#include "tests/reports/ÖzetCetvelOrtamı.h"

#include <QApplication>
#include <QComboBox>
#include <algorithm>

namespace {

// A landscape page 277 mm wide and 190 mm high (portrait 190 x 277).
class ÖzetBaskıTestleri : public ÖzetCetvelOrtamı {
protected:
    void SetUp() override {
        ÖzetCetvelOrtamı::SetUp();
        yazıcıKur(basılanlar, {190, 277});
    }
    void kodlarEkle(int kaç) {
        for (int k = 1; k <= kaç; ++k) {
            markaEkle(k, QString("MARKA %1").arg(k));
            hareketEkle(true, k, QDate(2019, 1, 1), 1234.5, 12345000 + k);
            hareketEkle(true, k, QDate(2020, 5, 1), 2, 20000);
            hareketEkle(false, k, QDate(2020, 6, 1), 1, 10000);
        }
    }
};

TEST_F(ÖzetBaskıTestleri, TekSayfaBaşlıkGruplarSütunlarVeSağaYaslıRakamlar) {
    kodlarEkle(1);
    auto f = aç();
    yazdır(f->YazdırDüğmesi);
    ASSERT_NO_FATAL_FAILURE(tekSayfaBasıldı(basılanlar, SayfaYönü::Yatay, 1));
    const YazılanBelge& b = basılanlar->front();
    EXPECT_DOUBLE_EQ(SayfaGenişliği, 277);
    EXPECT_DOUBLE_EQ(SayfaYüksekliği, 190);

    const QString başlık = "01.03.2020 - 31.12.2020 TARİHLİ İCMAL ÖZETİ";
    konumda(b, başlık, (277 - genişlik(başlık, 12, true)) / 2, 10, true);
    EXPECT_EQ(bul(b, başlık)->punto, 12);
    const double grup = std::nearbyint(genişlik("MiktarTutar", 8, true) + 10);
    konumda(b, "TOPLAM", 180 + (grup - genişlik("TOPLAM", 8, true)) / 2, 18, true);
    konumda(b, "Kodu", 20, 22, true);
    EXPECT_EQ(std::count_if(b.metinler.begin(), b.metinler.end(), [](const auto& m) { return m.metin == "Miktar"; }),
              5);

    // the row: no row number, code at 20, brand at 35, figures on their headings' right ends
    konumda(b, "1", 20, 26.5, false);
    EXPECT_EQ(bul(b, "1")->punto, 8);
    EXPECT_DOUBLE_EQ(bul(b, "MARKA 1")->x, 35);
    başlığaYaslı(b, "1.234,50", 110, "Miktar");
    // Aktarılan 1.234,50 + 2,00 - 1,00, the quantity at 250 and the amount at 270
    std::vector<double> aktarılan;
    for (const auto& m : b.metinler)
        if (m.metin == "1.235,50") aktarılan.push_back(m.x + genişlik(m.metin, 8, false));
    ASSERT_EQ(aktarılan.size(), 2u);
    EXPECT_NEAR(aktarılan[0], 250 + genişlik("Miktar", 8, false), 1e-9);
    EXPECT_NEAR(aktarılan[1], 270 + genişlik("Tutar", 8, false), 1e-9);
    sayfaNumarasız(b);
    EXPECT_TRUE(f->YazdırDüğmesi->isEnabled());
}

TEST_F(ÖzetBaskıTestleri, SayfaSonuAltBilgiVeYeniSayfadaBaşlıklar) {
    kodlarEkle(60);
    auto f = aç();
    yazdır(f->YazdırDüğmesi);
    ASSERT_EQ(basılanlar->size(), 1u);
    const YazılanBelge& b = basılanlar->front();
    ASSERT_GE(b.sayfaSayısı, 2);
    for (int sayfa = 1; sayfa <= b.sayfaSayısı; ++sayfa) {
        sayfaNumarası(b, sayfa, 277, 170);
        // every row starts above 165 mm; the headings stand on every page, the title on the first only
        for (const auto& m : b.metinler)
            if (m.sayfa == sayfa && m.x == 20 && m.y > 25) {
                EXPECT_LT(m.y - 1.5, 165.0) << m.y;
            }
        EXPECT_TRUE(bul(b, "AKTARILAN", sayfa));
        EXPECT_EQ(bul(b, "AKTARILAN", sayfa)->y, 18);
        EXPECT_TRUE(bul(b, "Kodu", sayfa)->kalın);
    }
    EXPECT_FALSE(bul(b, "01.03.2020 - 31.12.2020 TARİHLİ İCMAL ÖZETİ", 2));
    // page 2 goes on with the row after the last of page 1, at 26.5 mm
    double sonY = 0;
    QString sonKod;
    for (const auto& m : b.metinler)
        if (m.sayfa == 1 && m.x == 20 && m.y > 25 && m.y > sonY) sonY = m.y, sonKod = m.metin;
    EXPECT_GE(sonY - 1.5 + satırYüksekliği(8, false) + AltBoşluk + 5, 190.0);  // the next row would not have fitted
    const auto& satırlar = f->MalzemeHareketleriListesi->satırlar();
    int sonra = -1;
    for (size_t i = 0; i < satırlar.size(); ++i)
        if (satırlar[i].hücreler[1] == sonKod) sonra = int(i) + 1;
    ASSERT_GT(sonra, 0);
    const auto* ilk = bul(b, satırlar[size_t(sonra)].hücreler[1], 2);
    ASSERT_TRUE(ilk);
    EXPECT_DOUBLE_EQ(ilk->y, 26.5);
}

TEST_F(ÖzetBaskıTestleri, DikeyKalanYazıcıBasmazUyarır) {
    kodlarEkle(1);
    yazıcıKur(basılanlar, {190, 277}, false);
    auto f = aç();
    yatayOlmadı(f->YazdırDüğmesi, basılanlar, mesajlar);
}

TEST_F(ÖzetBaskıTestleri, İptalBoşListeVeYazıcısızlıkHiçbirŞeyBasmaz) {
    auto f = aç();
    basılmaz(f->YazdırDüğmesi, basılanlar, mesajlar, [&] {
        kodlarEkle(1);
        f->ListeyiYenileDüğmesi->click();
        ASSERT_EQ(f->MalzemeHareketleriListesi->satırSayısı(), 1);
    });
}

}  // namespace
