#include "shell/YazdırmaVeAktarmaModülü.h"
#include "tests/vouchers/FişTestOrtamı.h"
#include "vouchers/FişBaskısı.h"

#include <cmath>

namespace {

class FişBaskısıTestleri : public FişTestOrtamı {
protected:
    void SetUp() override {
        FişTestOrtamı::SetUp();
        SayfaÖlçüleriniAl();
    }
    static FişSatırları girişSatırları(int n) {
        FişSatırları l;
        for (int i = 1; i <= n; ++i)
            l.push_back({QString::number(i), "P-" + QString::number(i), "PARÇA", "ADET", "2", "12,50", "RAF"});
        return l;
    }
    static FişSatırları çıkışSatırları(int n) {
        FişSatırları l;
        for (int i = 1; i <= n; ++i)
            l.push_back({QString::number(i), "P-" + QString::number(i), "PARÇA", "BAKIM", "ADET", "1,5", "1.000,25"});
        return l;
    }
    GirişFişiBaskısı girişFişi(int satırSayısı) {
        GirişFişiBaskısı f;
        f.kodNo = "12";
        f.malıAlan = "Vu Rozu Rovozar";
        f.faturaVeren = "ACME LTD";
        f.girişTarihi = "15.03.2026";
        f.fişNo = "7/2";
        f.alınmaŞekli = "İhale";
        f.faturaTarihi = "13.03.2026";
        f.faturaNo = "F-77";
        f.satırlar = girişSatırları(satırSayısı);
        f.ambarMemuru = "Ali VELİ";
        f.teknikEleman1 = "Can TEK";
        f.teknikEleman2 = "Nur ELE";
        f.alanAmbarMemuru = "Eda ALAN";
        f.ayniyatSaymanı = "Cem SAYMAN";
        return f;
    }
    ÇıkışFişiBaskısı çıkışFişi(int satırSayısı) {
        ÇıkışFişiBaskısı f;
        f.kodNo = "12";
        f.tarihi = "15.03.2026";
        f.fişNo = "4/1";
        f.satırlar = çıkışSatırları(satırSayısı);
        f.isteyen = "İrem İSTER";
        f.isteyeninÜnvanı = "Şef";
        f.isteyeninServisi = "Bakım";
        f.uygunGören = "Umut UYGUN";
        f.uygunGöreninÜnvanı = "Müdür";
        f.verilmesiniEmreden = "Emre EMİR";
        f.verilmesiniEmredeninÜnvanı = "Başkan";
        f.ayniyatSaymanı = "Cem SAYMAN";
        f.ambarMemuru = "Ali VELİ";
        f.teslimAlan = "Tan ALAN";
        f.teslimAlanınÜnvanı = "Usta";
        return f;
    }
    // Width and line height of a text on the program's printer, at 8 points.
    static double genişlik(const QString& m, bool kalın = false, double punto = 8) {
        Yazıcı& y = GeçerliYazıcı();
        y.yazıBoyutuKoy(punto);
        y.kalınKoy(kalın);
        return y.metinGenişliği(m);
    }
    static double satırY() {
        GeçerliYazıcı().yazıBoyutuKoy(8);
        return GeçerliYazıcı().satırYüksekliği();
    }
    void konumda(const QString& metin, double x, double y, int sayfa = 1) {
        const auto m = bul(metin, sayfa);
        ASSERT_TRUE(m) << metin.toStdString();
        EXPECT_NEAR(m->x, x, 1e-6) << metin.toStdString();
        EXPECT_NEAR(m->y, y, 1e-6) << metin.toStdString();
    }
    struct Konum {
        QString metin;
        double x, y;
    };
    void konumlarda(std::initializer_list<Konum> konumlar) {
        for (const auto& k : konumlar) konumda(k.metin, k.x, k.y);
    }
    void sağKenarda(const QString& metin, double kenar, bool kalın = false, int sayfa = 1) {
        const auto m = bul(metin, sayfa);
        ASSERT_TRUE(m) << metin.toStdString();
        EXPECT_NEAR(m->x + genişlik(metin, kalın), kenar, 1e-6) << metin.toStdString();
    }
    QStringList altBilgiler() const {
        QStringList l;
        for (const auto& m : belge().metinler)
            if (m.metin.startsWith("Sayfa - ")) l << QString("%1@%2:%3").arg(m.metin).arg(m.sayfa).arg(m.y);
        return l;
    }
};

TEST_F(FişBaskısıTestleri, KısaGirişFişiTekSayfaA5MesajıylaVeİmzalar90da) {
    auto f = girişFişi(2);
    f.kopya = 3;
    const Para toplam = GirişFişiniBas(GeçerliYazıcı(), f);
    EXPECT_EQ(toplam, TL("25"));
    ASSERT_EQ(basılanlar->size(), 1u);
    EXPECT_TRUE(belge().bitti);
    EXPECT_EQ(belge().kopya, 3);
    EXPECT_EQ(belge().sayfaSayısı, 1);
    EXPECT_EQ(mesajMetinleri(),
              QStringList({"Giriş fişinizi A5 kağıda yazdırmak isterseniz, lütfen yazıcınıza A5 kağıt yükleyiniz!"}));

    const auto başlık = bul("GİRİŞ FİŞİ");
    ASSERT_TRUE(başlık);
    EXPECT_EQ(başlık->punto, 12);
    EXPECT_TRUE(başlık->kalın);
    EXPECT_NEAR(başlık->x, (200 - genişlik("GİRİŞ FİŞİ", true, 12)) / 2, 1e-6);
    EXPECT_EQ(başlık->y, 15);

    konumlarda({
        {"MALI ALAN", 10, 25}, {": Vu Rozu Rovozar", 35, 25}, {"KOD NO", 120, 25}, {": 12", 157, 25},
        {": ACME LTD", 35, 29}, {": 15.03.2026 - 7/2", 157, 29}, {": İhale", 35, 33},
        {": 13.03.2026 - F-77", 157, 33},
    });
    EXPECT_TRUE(bul("MALI ALAN")->kalın);
    EXPECT_FALSE(bul(": 12")->kalın);
    EXPECT_EQ(bul("MALI ALAN")->punto, 8);

    konumlarda({{"No", 10, 45}, {"Orjinal Parça No", 20, 45}, {"Ambar Yeri", 175, 45}});
    EXPECT_TRUE(bul("Ambar Yeri")->kalın);
    const double satır1 = 45 + satırY() + 1 + 1.5;
    konumlarda({{"P-1", 20, satır1}, {"P-2", 20, satır1 + satırY() + 1.5}});
    EXPECT_FALSE(bul("P-1")->kalın);
    sağKenarda("12,50", 160 + genişlik("Tutarı"));
    sağKenarda("2", 140 + genişlik("Miktarı"));
    const auto t = bul("Toplam : 25,00");
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->kalın);
    EXPECT_NEAR(t->y, satır1 + 2 * satırY() + 1.5 + 2.5, 1e-6);
    sağKenarda("Toplam : 25,00", 160 + genişlik("Tutarı", true), true);

    konumlarda({
        {"Yukarıda yazılı malzemeler istenilen niteliğe, teknik şartnamesine uygun ve tam olarak teslim alındı.", 10, 90},
        {"AMBAR MEMURU", 50, 95}, {"Can TEK", 90, 100}, {"Nur ELE", 130, 100}, {"İMZA", 10, 105},
        {"2 kalemde yazılı malzeme tamam olarak ambara alındı.", 10, 115}, {": Eda ALAN", 30, 125},
        {"İmzası", 10, 125 + satırY()}, {"AYNİYAT SAYMANI", 155, 115},
        {"Cem SAYMAN", 155 + (genişlik("AYNİYAT SAYMANI") - genişlik("Cem SAYMAN")) / 2, 115 + satırY()},
        {"MÜHÜR VE İMZA", 157, 115 + 2 * satırY() + 1.5},
    });
    EXPECT_FALSE(bul("AYNİYAT SAYMANI")->kalın);
    EXPECT_TRUE(altBilgiler().isEmpty());
    EXPECT_EQ(AltBoşluk, 60);
}

TEST_F(FişBaskısıTestleri, YediSatırlıGirişFişiMesajsızİmzalar230da) {
    GirişFişiniBas(GeçerliYazıcı(), girişFişi(7));
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_EQ(bul("Yukarıda yazılı malzemeler istenilen niteliğe, teknik şartnamesine uygun ve tam olarak teslim "
                  "alındı.")->y,
              230);
    basıldı({"7 kalemde yazılı malzeme tamam olarak ambara alındı.", "Toplam : 87,50"});
}

TEST_F(FişBaskısıTestleri, UzunGirişFişiSayfaNumaralarıVeTekrarlananBaşlıklar) {
    GirişFişiniBas(GeçerliYazıcı(), girişFişi(60));
    EXPECT_EQ(belge().sayfaSayısı, 2);
    EXPECT_EQ(altBilgiler(), QStringList({"Sayfa - 1@1:270", "Sayfa - 2@2:270"}));
    sağKenarda("Sayfa - 1", 190);
    EXPECT_FALSE(bul("Sayfa - 1")->kalın);
    EXPECT_EQ(say("GİRİŞ FİŞİ"), 1);
    EXPECT_EQ(say("MALI ALAN"), 1);
    konumda("Orjinal Parça No", 20, 10, 2);
    // the first row of page 2 stands one line and 1.5 mm under the headings
    for (const auto& m : belge().metinler)
        if (m.sayfa == 2 && m.metin.startsWith("P-")) {
            EXPECT_NEAR(m.y, 10 + satırY() + 1.5, 1e-6);
            break;
        }
    // the page-break test: no row starts where fewer than 20 mm are left
    for (const auto& m : belge().metinler)
        if (m.metin.startsWith("P-")) {
            EXPECT_LT(m.y - 1.5 + 20, 287 + 1e-6);
        }
    EXPECT_TRUE(bul("Toplam : 750,00", 2).has_value());
}

TEST_F(FişBaskısıTestleri, ToplamdanSonraYerKalmazsaİmzalarYeniSayfaya) {
    // as many rows as leave the total line between 230 and 267 mm on the first page
    const double lh = satırY();
    const int n = static_cast<int>(std::ceil((235 - (46 + lh) - 2.5 - lh) / (1.5 + lh)));
    ASSERT_LT(46 + lh + (n - 1) * (1.5 + lh) + 20, 287);
    GirişFişiniBas(GeçerliYazıcı(), girişFişi(n));
    EXPECT_TRUE(bul(QString("Toplam : %1").arg(BiçimliSayı(TL("12,50").sayı() * n)), 1).has_value());
    EXPECT_EQ(altBilgiler(), QStringList({"Sayfa - 1@1:270", "Sayfa - 2@2:270"}));
    EXPECT_TRUE(bul("Sayfa - 1")->kalın);   // after the bold total
    EXPECT_FALSE(bul("Sayfa - 2")->kalın);
    EXPECT_EQ(bul("AMBAR MEMURU")->sayfa, 2);
    EXPECT_EQ(bul("AMBAR MEMURU")->y, 235);
    EXPECT_FALSE(bul("Orjinal Parça No", 2).has_value());  // no headings on the signatures' page
}

TEST_F(FişBaskısıTestleri, ÇıkışFişiDüzeniYediSatırdaA5SekizdeAltta) {
    ÇıkışFişiniBas(GeçerliYazıcı(), çıkışFişi(7));
    EXPECT_EQ(mesajMetinleri(),
              QStringList({"Çıkış fişinizi A5 kağıda yazdırmak isterseniz, lütfen yazıcınıza A5 kağıt yükleyiniz!"}));
    const double başlıkAltı = 15 + [] {
        GeçerliYazıcı().yazıBoyutuKoy(12);
        return GeçerliYazıcı().satırYüksekliği();
    }();
    konumlarda({
        {"KOD NO ", 150, başlıkAltı}, {": 12", 170, başlıkAltı}, {"TARİHİ ", 150, başlıkAltı + satırY()},
        {": 4/1", 170, başlıkAltı + 2 * satırY()},
    });
    EXPECT_TRUE(bul("FİŞ NO ")->kalın);
    EXPECT_FALSE(bul(": 4/1")->kalın);

    konumlarda({{"İSTEYEN", 32, 35}, {"VERİLMESİNİ EMREDEN", 130, 35}});
    EXPECT_TRUE(bul("UYGUN GÖREN")->kalın);
    const double etiketler = 35 + satırY() + 1;
    konumlarda({
        {"Adı Soyadı ", 10, etiketler}, {": İrem İSTER", 30, etiketler}, {"Umut UYGUN", 80, etiketler},
        {"Başkan", 130, etiketler + satırY()}, {": Bakım", 30, etiketler + 2 * satırY()},
        {"İmzası ", 10, etiketler + 3 * satırY()},
    });
    EXPECT_FALSE(bul("Adı Soyadı ")->kalın);

    konumlarda({{"Verilen Yer", 110, 60}, {"Tutarı", 180, 60}, {"BAKIM", 110, 60 + satırY() + 1 + 1.5}});
    sağKenarda("1.000,25", 180 + genişlik("Tutarı"));
    sağKenarda("1,5", 160 + genişlik("Miktarı"));
    sağKenarda("Toplam : 7.001,75", 180 + genişlik("Tutarı", true), true);

    konumlarda({
        {"AYNİYAT SAYMANI", 32, 115}, {": Cem SAYMAN", 30, 120}, {"Ali VELİ", 80, 120},
        {"Tarih", 10, 120 + 2 * satırY()}, {"Yukarıda yazılı malzemeleri tam olarak aldım.", 120, 115},
        {": Tan ALAN", 150, 120}, {": Usta", 150, 120 + satırY()},
    });
    EXPECT_TRUE(altBilgiler().isEmpty());
    EXPECT_EQ(AltBoşluk, 40);

    mesajlar.clear();
    ÇıkışFişiniBas(GeçerliYazıcı(), çıkışFişi(8));
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_EQ(bul("Yukarıda yazılı malzemeleri tam olarak aldım.")->y, 250);
}

TEST_F(FişBaskısıTestleri, ÇokSayfalıÇıkışFişininHerSayfasıNumaralı) {
    const Para toplam = ÇıkışFişiniBas(GeçerliYazıcı(), çıkışFişi(100));
    EXPECT_EQ(toplam, TL("100.025"));
    const int sayfalar = belge().sayfaSayısı;
    ASSERT_GE(sayfalar, 3);
    QStringList beklenen;
    for (int i = 1; i <= sayfalar; ++i) beklenen << QString("Sayfa - %1@%2:270").arg(i).arg(i);
    EXPECT_EQ(altBilgiler(), beklenen);
    for (int i = 2; i <= sayfalar; ++i) konumda("Verilen Yer", 110, 10, i);
    EXPECT_EQ(say("İSTEYEN"), 1);
}

}  // namespace
