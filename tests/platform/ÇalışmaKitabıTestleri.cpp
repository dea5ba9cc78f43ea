#include "platform/DeporaHatası.h"
#include "platform/Masaüstü.h"
#include "platform/ÇalışmaKitabı.h"
#include "tests/ortak/TestOrtamı.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Reads a workbook back with openpyxl and answers what the test asks, as JSON.
QJsonObject oku(const QString& yol) {
    const char* betik = R"(
import json, sys, openpyxl
kitap = openpyxl.load_workbook(sys.argv[1])
s = kitap.worksheets[0]
def hücre(ad):
    c = s[ad]
    return {"değer": c.value, "tür": c.data_type, "kalın": bool(c.font.b),
            "yatay": c.alignment.horizontal, "dikey": c.alignment.vertical,
            "kaydır": bool(c.alignment.wrap_text), "biçim": c.number_format}
çıktı = {
  "sayfalar": kitap.sheetnames,
  "birleşik": [str(r) for r in s.merged_cells.ranges],
  "hücreler": {ad: hücre(ad) for ad in ["A1", "A2", "B2", "A3", "B3", "C3", "D3", "A4", "C4"]},
  "yükseklik1": s.row_dimensions[1].height, "yükseklik2": s.row_dimensions[2].height,
  "genişlikA": s.column_dimensions["A"].width, "genişlikB": s.column_dimensions["B"].width,
  "kenar": [s.page_margins.left, s.page_margins.right, s.page_margins.top, s.page_margins.bottom],
  "ortala": bool(s.print_options.horizontalCentered), "kılavuz": bool(s.print_options.gridLines),
  "yön": s.page_setup.orientation, "kâğıt": s.page_setup.paperSize,
  # an attribute left out has the file format's default, 1
  "sığdırGenişlik": 1 if s.page_setup.fitToWidth is None else int(s.page_setup.fitToWidth),
  "sığdırYükseklik": 1 if s.page_setup.fitToHeight is None else int(s.page_setup.fitToHeight),
  "sığdır": bool(s.sheet_properties.pageSetUpPr.fitToPage) if s.sheet_properties.pageSetUpPr else False,
}
print(json.dumps(çıktı, ensure_ascii=False))
)";
    return ÇalışmaKitabınıOku(betik, yol);
}

using ÇalışmaKitabıTestleri = TestOrtamı;

}  // namespace

TEST_F(ÇalışmaKitabıTestleri, DışaAktarımınKurduğuSayfaGeriOkunur) {
    ÇalışmaKitabı k;
    k.sayfaAdıKoy("Parça Alınan Yerler");
    // rows first, as an export writes them, the title and the formats after
    k.metinYaz(3, 1, "12");
    k.hücreBiçimi(3, 2).sayıBiçimi = "@";
    k.metinYaz(3, 2, "0012 İĞNE");
    k.sayıMetniYaz(3, 3, "1.234,50");
    k.sayıMetniYaz(3, 4, "abc");  // not a number: stays empty
    k.metinYaz(4, 1, "13");
    k.sayıYaz(4, 3, 9.5);
    k.metinYaz(1, 1, "ACME ADLI FİRMADAN ALINAN PARÇALAR");
    k.birleştir(1, 1, 1, 10);
    k.satırBiçimi(1).yatay = ÇalışmaKitabı::Yatay::Orta;
    k.satırBiçimi(1).dikey = ÇalışmaKitabı::Dikey::Orta;
    k.satırBiçimi(1).kalın = true;
    k.satırYüksekliğiKoy(1, 30);
    k.satırYüksekliğiKoy(2, 20);
    for (int s = 1; s <= 2; ++s) {
        k.metinYaz(2, s, s == 1 ? "Kodu" : "Parça Adı");
        auto& b = k.hücreBiçimi(2, s);
        b.yatay = ÇalışmaKitabı::Yatay::Orta;
        b.dikey = ÇalışmaKitabı::Dikey::Orta;
        b.kaydır = true;
        b.kalın = true;
    }
    k.sütunGenişliğiKoy(1, 18);
    k.sütunGenişliğiKoy(2, 12);
    auto& d = k.düzen();
    d.kenarBoşluğuİnç = 0.590551181102362;
    d.yataydaOrtala = true;
    d.kılavuzÇizgileriYazdır = true;
    d.yatayYön = true;
    d.sığdırGenişlik = 1;

    const QString yol = k.kaydet("Parça Alınan Yerler");
    EXPECT_EQ(QFileInfo(yol).absolutePath(), QFileInfo(Masaüstü::belgeKlasörü() + "x").absolutePath());
    EXPECT_TRUE(yol.endsWith("/Parça Alınan Yerler.xlsx"));
    const QJsonObject o = oku(yol);
    ASSERT_FALSE(o.isEmpty());
    EXPECT_EQ(o["sayfalar"].toVariant().toStringList(), QStringList{"Parça Alınan Yerler"});
    EXPECT_EQ(o["birleşik"].toVariant().toStringList(), QStringList{"A1:J1"});
    const QJsonObject h = o["hücreler"].toObject();
    const QJsonObject a1 = h["A1"].toObject();
    EXPECT_EQ(a1["değer"].toString(), "ACME ADLI FİRMADAN ALINAN PARÇALAR");
    EXPECT_TRUE(a1["kalın"].toBool());
    EXPECT_EQ(a1["yatay"].toString(), "center");
    EXPECT_EQ(a1["dikey"].toString(), "center");
    const QJsonObject b2 = h["B2"].toObject();
    EXPECT_EQ(b2["değer"].toString(), "Parça Adı");
    EXPECT_TRUE(b2["kalın"].toBool() && b2["kaydır"].toBool());
    EXPECT_EQ(b2["yatay"].toString(), "center");
    EXPECT_EQ(h["A3"].toObject()["değer"].toString(), "12");
    EXPECT_EQ(h["A3"].toObject()["tür"].toString(), "s");
    EXPECT_EQ(h["B3"].toObject()["biçim"].toString(), "@");
    EXPECT_EQ(h["B3"].toObject()["değer"].toString(), "0012 İĞNE");
    EXPECT_EQ(h["C3"].toObject()["tür"].toString(), "n");
    EXPECT_DOUBLE_EQ(h["C3"].toObject()["değer"].toDouble(), 1234.5);
    EXPECT_TRUE(h["D3"].toObject()["değer"].isNull());
    EXPECT_DOUBLE_EQ(h["C4"].toObject()["değer"].toDouble(), 9.5);
    EXPECT_FALSE(h["A4"].toObject()["kalın"].toBool());
    EXPECT_DOUBLE_EQ(o["yükseklik1"].toDouble(), 30);
    EXPECT_DOUBLE_EQ(o["yükseklik2"].toDouble(), 20);
    EXPECT_NEAR(o["genişlikA"].toDouble(), 18.71, 0.05);
    EXPECT_NEAR(o["genişlikB"].toDouble(), 12.71, 0.05);
    for (const auto& m : o["kenar"].toArray()) EXPECT_NEAR(m.toDouble(), 0.5906, 0.001);
    EXPECT_TRUE(o["ortala"].toBool());
    EXPECT_TRUE(o["kılavuz"].toBool());
    EXPECT_EQ(o["yön"].toString(), "landscape");
    EXPECT_EQ(o["kâğıt"].toInt(), 9);
    EXPECT_TRUE(o["sığdır"].toBool());
    EXPECT_EQ(o["sığdırGenişlik"].toInt(), 1);
    EXPECT_EQ(o["sığdırYükseklik"].toInt(), 0);
}

TEST_F(ÇalışmaKitabıTestleri, SayfaDüzeniİstenmezseKurulmaz) {
    ÇalışmaKitabı k("Malzeme Cetveli Özeti");
    k.metinYaz(1, 1, "x");
    k.düzen().a4 = false;
    const QJsonObject o = oku(k.kaydet("Özet"));
    EXPECT_EQ(o["sayfalar"].toVariant().toStringList(), QStringList{"Malzeme Cetveli Özeti"});
    EXPECT_FALSE(o["ortala"].toBool());
    EXPECT_FALSE(o["kılavuz"].toBool());
    EXPECT_FALSE(o["sığdır"].toBool());
    EXPECT_NE(o["yön"].toString(), "landscape");
}

TEST_F(ÇalışmaKitabıTestleri, HerKayıtKendiAdınıAlırVarOlanDosyanınÜstüneYazılmaz) {
    QFile eski(Masaüstü::belgeKlasörü() + "Liste.xlsx");
    ASSERT_TRUE(eski.open(QIODevice::WriteOnly));
    eski.write("kullanıcının dosyası");
    eski.close();
    ÇalışmaKitabı a, b;
    a.metinYaz(1, 1, "a");
    b.metinYaz(1, 1, "b");
    EXPECT_TRUE(a.kaydet("Liste").endsWith("/Liste (2).xlsx"));
    EXPECT_TRUE(b.kaydet("Liste").endsWith("/Liste (3).xlsx"));
    ASSERT_TRUE(eski.open(QIODevice::ReadOnly));
    EXPECT_EQ(eski.readAll(), "kullanıcının dosyası");
}

TEST_F(ÇalışmaKitabıTestleri, YazılamayanKitapHataVerirGeriDosyaBırakmaz) {
    const struct {
        QString sayfa, metin, ileti;
    } durumlar[] = {
        {"Geçersiz [ad]", "a", "Geçersiz sayfa adı: Geçersiz [ad]"},
        // a cell takes at most 32767 characters
        {"Sayfa1", QString(40000, 'x'), "Çalışma kitabı yazılamadı (hücre): "},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ileti.toStdString());
        ÇalışmaKitabı k(d.sayfa);
        k.metinYaz(1, 1, d.metin);
        try {
            k.kaydet("Bozuk");
            FAIL() << "no error";
        } catch (const DeporaHatası& h) {
            EXPECT_EQ(h.numara(), HataNo::ÇalışmaKitabıHatası);
            EXPECT_TRUE(h.açıklama().startsWith(d.ileti)) << h.açıklama().toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(Masaüstü::belgeKlasörü() + "Bozuk.xlsx"));
        EXPECT_FALSE(QFileInfo::exists(Masaüstü::belgeKlasörü() + "Bozuk.xlsx.yaziliyor"));
    }
}

TEST_F(ÇalışmaKitabıTestleri, BırakılanKitapYazılmaz) {
    ÇalışmaKitabı k;
    k.metinYaz(1, 1, "yarım");
    k.bırak();
    EXPECT_TRUE(k.kaydet("Yarım").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Masaüstü::belgeKlasörü() + "Yarım.xlsx"));
}
