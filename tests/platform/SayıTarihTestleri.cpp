#include "platform/DeporaHatası.h"
#include "platform/SayıTarih.h"

#include <gtest/gtest.h>

TEST(Para, DörtOndalığaYarıdaÇifteYuvarlar) {
    EXPECT_EQ(Para::sayıdan(8.33325).onBinde(), 83332);
    EXPECT_EQ(Para::sayıdan(3.33335).onBinde(), 33334);
    EXPECT_EQ(Para::sayıdan(-8.33325).onBinde(), -83332);
    EXPECT_EQ(Para::sayıdan(3.3333 * 2.5).onBinde(), 83332);
    EXPECT_EQ(Para::sayıdan(125.0 / 10.0).onBinde(), 125000);
    EXPECT_EQ(Para::sayıdan(10.0 / 3.0).onBinde(), 33333);
    EXPECT_EQ(Para::sayıdan(0.1 + 0.2).onBinde(), 3000);
}

TEST(Para, ToplamlarTamVeTaşmaHata) {
    Para t;
    for (int i = 0; i < 10; ++i) t += Para::sayıdan(0.1);
    EXPECT_EQ(t, Para::sayıdan(1.0));
    EXPECT_THROW(Para::onBindeden(INT64_MAX) + Para::onBindeden(1), DeporaHatası);
    EXPECT_THROW(Para::sayıdan(1e300), DeporaHatası);
    EXPECT_EQ(Para::metinden("1.234,5")->onBinde(), 12345000);
    EXPECT_FALSE(Para::metinden("abc").has_value());
}

TEST(SayıBiçimi, BiçimliVeGenelMetinler) {
    EXPECT_EQ(BiçimliSayı(1234.5), "1.234,50");
    EXPECT_EQ(BiçimliSayı(0.0), "0,00");
    EXPECT_EQ(BiçimliSayı(-1234567.125), "-1.234.567,13");
    EXPECT_EQ(BiçimliSayı(Para::sayıdan(8.33325)), "8,33");
    EXPECT_EQ(BiçimliSayı(Para::sayıdan(59)), "59,00");
    EXPECT_EQ(BiçimliSayı(Para::sayıdan(4.6875)), "4,69");
    EXPECT_EQ(GenelSayı(12.5), "12,5");
    EXPECT_EQ(GenelSayı(6.0), "6");
    EXPECT_EQ(GenelSayı(100.0 / 3.0 * 1.18), "39,3333333333333");
    EXPECT_EQ(GenelSayı(5.55111512312578e-17), "5,55111512312578E-17");
    EXPECT_EQ(GenelSayı(Para::sayıdan(12.5)), "12,5");
    EXPECT_EQ(GenelSayı(Para::sayıdan(3.3333)), "3,3333");
    EXPECT_EQ(GenelSayı(Para::sayıdan(-0.5)), "-0,5");
}

TEST(SayıBiçimi, TürkçeSayıOkur) {
    EXPECT_DOUBLE_EQ(*SayıOku("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(*SayıOku("1.234,50"), 1234.5);
    EXPECT_DOUBLE_EQ(*SayıOku("-3"), -3);
    EXPECT_DOUBLE_EQ(*SayıOku("0,0"), 0);
    EXPECT_FALSE(SayıOku("").has_value());
    EXPECT_FALSE(SayıOku("1,2,3").has_value());
    EXPECT_FALSE(SayıOku("12a").has_value());
}

TEST(SayıBiçimi, MiktarlarNormalleşir) {
    EXPECT_EQ(Normalleştir(0.1 + 0.2 - 0.3), 0.0);
    EXPECT_EQ(GenelSayı(Normalleştir(10 + 2.5 - 4)), "8,5");
    EXPECT_EQ(GenelSayı(Normalleştir(0.7 + 0.1)), "0,8");
}

TEST(Tarih, KutularınTarihleri) {
    EXPECT_EQ(KısaTarih(QDate(2026, 3, 5)), "05.03.2026");
    EXPECT_EQ(*TarihOku("5.3.2026"), QDate(2026, 3, 5));
    EXPECT_EQ(*TarihOku("05/03/2026"), QDate(2026, 3, 5));
    EXPECT_EQ(*TarihOku("5-3-26"), QDate(2026, 3, 5));
    EXPECT_EQ(*TarihOku("5-3-45"), QDate(1945, 3, 5));
    // two digits up to 29 are this century's, from 30 the last one's
    EXPECT_EQ(*TarihOku("1.1.29"), QDate(2029, 1, 1));
    EXPECT_EQ(*TarihOku("1.1.30"), QDate(1930, 1, 1));
    EXPECT_FALSE(TarihOku("31.02.2026").has_value());
    EXPECT_FALSE(TarihOku("2026").has_value());
    EXPECT_EQ(*TarihOku("5.12"), QDate(QDate::currentDate().year(), 12, 5));
    EXPECT_FALSE(TarihOku("31.2").has_value());
    EXPECT_FALSE(TarihOku("").has_value());
    EXPECT_EQ(VtTarihi(QDate(2026, 12, 31)), "2026-12-31");
    EXPECT_EQ(VtTarihindenOku("2026-12-31"), QDate(2026, 12, 31));
}
