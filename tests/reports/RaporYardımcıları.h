#pragma once
// Shared by the report tests: brands of the store, and reading a recorded print
// (where a text stands, in which font, on which page).
#include "shell/GenelDeğişkenler.h"
#include "platform/Yazıcı.h"
#include "shell/YazıcıSeçmeFormu.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QPushButton>
#include <functional>
#include <QString>

inline constexpr const char* YazıcıYokMesajı =
    "Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.";
inline constexpr const char* YatayOlmadıMesajı =
    "Yazdırma yönü YATAY olarak ayarlanamadığı için işlem iptal edildi!\n\n"
    "Lütfen, yazıcınızın ayarlarlarını kontrol edip yeniden deneyiniz!";

inline void markaEkle(int kodu, const QString& markası) {
    VeriTabanı.çalıştır(QStringLiteral("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (?, ?)"),
                        {kodu, markası});
}

// The system's one printer, recording what it prints, has this portrait printable area; it may refuse landscape.
inline void yazıcıKur(const YazılanBelgeler& basılanlar, QSizeF dikeyAlan, bool yatayAlır = true) {
    YazıcıVar = true;
    YazıcıArkaUcuYapıcısıKur([basılanlar, dikeyAlan, yatayAlır](const QString& ad) {
        auto a = std::make_unique<KayıtArkaUcu>(basılanlar, ad, dikeyAlan);
        a->yatayAlır = yatayAlır;
        return a;
    });
    GeçerliYazıcıyıSıfırla();
}

// One finished document of one page went out, in this direction and this many copies.
inline void tekSayfaBasıldı(const YazılanBelgeler& basılanlar, SayfaYönü yön, int kopya) {
    ASSERT_EQ(basılanlar->size(), 1u);
    const YazılanBelge& b = basılanlar->back();
    EXPECT_TRUE(b.bitti);
    EXPECT_EQ(b.yön, yön);
    EXPECT_EQ(b.kopya, kopya);
    EXPECT_EQ(b.sayfaSayısı, 1);
}

inline const YazılanMetin* bul(const YazılanBelge& b, const QString& metin, int sayfa = 1) {
    for (const auto& m : b.metinler)
        if (m.metin == metin && m.sayfa == sayfa) return &m;
    return nullptr;
}
// Width and line height in millimetres in a font of the printer.
inline Yazıcı yazıTipinde(double punto, bool kalın) {
    Yazıcı y;
    y.yazıBoyutuKoy(punto);
    y.kalınKoy(kalın);
    return y;
}
inline double genişlik(const QString& metin, double punto, bool kalın) {
    return yazıTipinde(punto, kalın).metinGenişliği(metin);
}
inline double satırYüksekliği(double punto, bool kalın) { return yazıTipinde(punto, kalın).satırYüksekliği(); }
// The text stands at (x, y) on the page, bold or regular.
inline void konumda(const YazılanBelge& b, const QString& metin, double x, double y, bool kalın, int sayfa = 1) {
    const YazılanMetin* m = bul(b, metin, sayfa);
    ASSERT_TRUE(m) << metin.toStdString() << " sayfa " << sayfa;
    EXPECT_NEAR(m->x, x, 1e-9) << metin.toStdString();
    EXPECT_NEAR(m->y, y, 1e-9) << metin.toStdString();
    EXPECT_EQ(m->kalın, kalın) << metin.toStdString();
}
// The text (a figure) ends where the 8-point heading starting at x ends.
inline void başlığaYaslı(const YazılanBelge& b, const QString& metin, double x, const QString& başlık,
                         bool kalın = false) {
    const YazılanMetin* m = bul(b, metin);
    ASSERT_TRUE(m) << metin.toStdString();
    EXPECT_NEAR(m->x + genişlik(metin, 8, kalın), x + genişlik(başlık, 8, kalın), 1e-9) << metin.toStdString();
}
// The page number in the bottom right corner, 10 mm from the edge of a page this wide.
inline void sayfaNumarası(const YazılanBelge& b, int sayfa, double sayfaGenişliği, double y) {
    const QString alt = QString("Sayfa - %1").arg(sayfa);
    konumda(b, alt, sayfaGenişliği - 10 - genişlik(alt, 8, false), y, false, sayfa);
}
inline void sayfaNumarasız(const YazılanBelge& b) {
    for (const auto& m : b.metinler) EXPECT_FALSE(m.metin.startsWith("Sayfa - ")) << m.metin.toStdString();
}
// Clicks the print button and takes the printer offered (or cancels).
inline void yazdır(QPushButton* düğme, bool iptal = false) {
    YazıcıSeçimindeTamam(iptal);
    düğme->click();
}
// "Yazdır" prints nothing: on an empty list, with a printer or without, quietly; once
// doldur has filled the list, with the printer choice cancelled (quietly, the button
// stays usable) and with no printer (the clerk is told).
inline void basılmaz(QPushButton* düğme, const YazılanBelgeler& basılanlar, const std::vector<MesajKaydı>& mesajlar,
                     const std::function<void()>& doldur) {
    for (const bool var : {false, true}) {
        YazıcıVar = var;
        düğme->click();
    }
    EXPECT_TRUE(mesajlar.empty());
    doldur();
    yazdır(düğme, true);
    EXPECT_TRUE(düğme->isEnabled());
    EXPECT_FALSE(YazıcıSeçimiİptal);
    EXPECT_TRUE(mesajlar.empty());
    YazıcıVar = false;
    düğme->click();
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, YazıcıYokMesajı);
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);
    EXPECT_TRUE(basılanlar->empty());
}
// A printer that keeps portrait: the landscape sheet is not printed, the clerk is warned.
inline void yatayOlmadı(QPushButton* düğme, const YazılanBelgeler& basılanlar, const std::vector<MesajKaydı>& mesajlar) {
    yazdır(düğme);
    for (const auto& b : *basılanlar) EXPECT_TRUE(b.metinler.empty() && !b.bitti);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, YatayOlmadıMesajı);
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);
    EXPECT_TRUE(düğme->isEnabled());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
