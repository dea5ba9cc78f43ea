#include "tests/history/YerlereTestOrtamı.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>

namespace {

using Alınan = AlınanYerlereGöreParçaHareketleriFormu;
using Verilen = VerilenYerlereGöreParçaHareketleriFormu;

class YerlereYazdırmaTestleri : public YerlereTestOrtamı {
protected:
    // The width of a text in millimetres, in the printer's font of that size and weight.
    static double genişlik(const QString& metin, double punto, bool kalın = false) {
        Yazıcı& y = GeçerliYazıcı();
        y.yazıBoyutuKoy(punto);
        y.kalınKoy(kalın);
        return y.metinGenişliği(metin);
    }
    static double satırYüksekliği(double punto, bool kalın) {
        Yazıcı& y = GeçerliYazıcı();
        y.yazıBoyutuKoy(punto);
        y.kalınKoy(kalın);
        return y.satırYüksekliği();
    }
    // The printer's printable page is this high.
    void sayfaYüksekliği(double mm) {
        YazıcıArkaUcuYapıcısıKur(
            [k = basılanlar, mm](const QString& ad) { return std::make_unique<KayıtArkaUcu>(k, ad, QSizeF(200, mm)); });
        GeçerliYazıcıyıSıfırla();
    }
    static const YazılanMetin* bul(const YazılanBelge& b, const QString& metin, int sayfa = 0) {
        for (const auto& m : b.metinler)
            if (m.metin == metin && (sayfa == 0 || m.sayfa == sayfa)) return &m;
        return nullptr;
    }
    void yazdır(YerlereGöreParçaHareketleriFormu& f) {
        yazıcıSeçilecek();
        f.YazdırDüğmesi->click();
    }
    // The headings from the second text on, then the one row's fields: each at its column's
    // left edge, the figures (sağa) ending where their heading ends, measured not bold.
    static void sütunlarıDenetle(const YazılanBelge& b, const QStringList& başlıklar, const std::vector<double>& x,
                                 const QStringList& alanlar, const std::set<int>& sağa) {
        const auto n = static_cast<size_t>(başlıklar.size());
        ASSERT_EQ(b.metinler.size(), 1 + 2 * n);
        for (int s = 0; s < başlıklar.size(); ++s) {
            SCOPED_TRACE(başlıklar[s].toStdString());
            const auto i = static_cast<size_t>(s);
            const YazılanMetin& h = b.metinler[1 + i];
            EXPECT_EQ(h.metin, başlıklar[s]);
            EXPECT_DOUBLE_EQ(h.x, x[i]);
            EXPECT_TRUE(h.kalın);
            const YazılanMetin& m = b.metinler[1 + n + i];
            EXPECT_EQ(m.metin, alanlar[s]);
            EXPECT_FALSE(m.kalın);
            if (sağa.count(s))
                EXPECT_NEAR(m.x + genişlik(m.metin, 8), x[i] + genişlik(başlıklar[s], 8), 1e-9);
            else
                EXPECT_DOUBLE_EQ(m.x, x[i]);
        }
    }
};

}  // namespace

TEST_F(YerlereYazdırmaTestleri, TekSatırlıListeBaşlıkSütunBaşlıklarıVeSatırlaAltBilgisizBasılır) {
    girişEkle({.veren = "ACME", .parça = parçaEkle("VİDA", 10), .kodu = 10, .faturaNo = "B-7", .miktar = 1234.5,
               .fiyatOnBinde = 25000, .tutarOnBinde = 30862500, .fişNo = 12});
    auto f = aç<Alınan>("ACME");
    yazdır(*f);
    ASSERT_EQ(basılanlar->size(), 1u);
    const YazılanBelge& b = basılanlar->front();
    EXPECT_TRUE(b.bitti);
    EXPECT_EQ(b.sayfaSayısı, 1);
    EXPECT_EQ(YazdırılacakRapor, 5);
    EXPECT_EQ(AltBoşluk, 20);
    EXPECT_TRUE(f->YazdırDüğmesi->isEnabled());

    const QString başlık = "ACME ADLI FİRMADAN ALINAN PARÇALAR";
    const YazılanMetin& t = b.metinler[0];
    EXPECT_EQ(t.metin, başlık);
    EXPECT_EQ(t.punto, 12);
    EXPECT_TRUE(t.kalın);
    EXPECT_DOUBLE_EQ(t.y, 15);
    EXPECT_NEAR(t.x, (200 - genişlik(başlık, 12, true)) / 2, 1e-9);
    sütunlarıDenetle(b,
                     {"Kodu", "Parça Adı", "Giriş Tarihi", "Fatura Tarihi", "Fatura No", "Miktarı", "Fiyatı", "Tutarı",
                      "Fiş No", "Arşiv Fiş No"},
                     {10, 20, 80, 97, 115, 133, 150, 165, 175, 185},
                     {"10", "VİDA", "05.03.2026", "01.03.2026", "B-7", "1.234,50", "2,50", "3.086,25", "12", "0"},
                     {5, 6, 7});
    // headings at 25 mm in 8 points, the row one heading line and 2.5 mm below; no page footer
    const double satırY = 25 + satırYüksekliği(8, true) + 1 + 1.5;
    for (size_t i = 1; i < b.metinler.size(); ++i) {
        EXPECT_EQ(b.metinler[i].punto, 8);
        EXPECT_NEAR(b.metinler[i].y, i <= 10 ? 25 : satırY, 1e-9) << i;
    }
}

TEST_F(YerlereYazdırmaTestleri, YerListesiKendiBaşlığıVeSütunlarıylaBasılır) {
    çıkışEkle({.yer = "BAKIM", .parça = parçaEkle("VİDA", 10), .miktar = 3, .tutarOnBinde = 12345678, .fişNo = 0,
               .arşivFişNo = 55});
    auto f = aç<Verilen>("BAKIM");
    yazdır(*f);
    ASSERT_EQ(basılanlar->size(), 1u);
    const YazılanBelge& b = basılanlar->front();
    EXPECT_EQ(YazdırılacakRapor, 6);
    EXPECT_EQ(b.metinler[0].metin, "BAKIM ADLI YERE VERİLEN PARÇALAR");
    sütunlarıDenetle(b, {"Kodu", "Parça Adı", "Tarihi", "Miktarı", "Tutarı", "Fiş No", "Arşiv Fiş No"},
                     {15, 25, 80, 110, 135, 155, 175}, {"100", "VİDA", "05.03.2026", "3,00", "1.234,57", "0", "55"},
                     {3, 4});
}

TEST_F(YerlereYazdırmaTestleri, UzunListeSayfalaraBölünürHerSayfaAltBilgiVeBaşlıklarAlır) {
    sayfaYüksekliği(280);
    const qlonglong p = parçaEkle("VİDA", 10);
    for (int i = 1; i <= 60; ++i) çıkışEkle({.yer = "BAKIM", .parça = p, .kodu = i, .fişNo = i});
    auto f = aç<Verilen>("BAKIM");
    yazdır(*f);
    ASSERT_EQ(basılanlar->size(), 1u);
    const YazılanBelge& b = basılanlar->front();
    ASSERT_GE(b.sayfaSayısı, 2);
    EXPECT_EQ(SayfaYüksekliği, 280);

    // the rows: the code at 15 mm, not bold
    std::vector<const YazılanMetin*> kodlar;
    for (const auto& m : b.metinler)
        if (m.x == 15 && !m.kalın && m.punto == 8) kodlar.push_back(&m);
    ASSERT_EQ(kodlar.size(), 60u);
    for (size_t i = 0; i < kodlar.size(); ++i) {
        EXPECT_EQ(kodlar[i]->metin, QString::number(i + 1));
        EXPECT_LT(kodlar[i]->y - 1.5, 255) << i;  // started before the break line
        if (i > 0 && kodlar[i]->sayfa != kodlar[i - 1]->sayfa) {
            EXPECT_GE(kodlar[i - 1]->y + satırYüksekliği(8, false), 255);  // the next row would have started past it
            EXPECT_DOUBLE_EQ(kodlar[i]->y, 16.5);
        }
    }
    for (int sayfa = 1; sayfa <= b.sayfaSayısı; ++sayfa) {
        const QString altBilgi = QString("Sayfa - %1").arg(sayfa);
        const YazılanMetin* a = bul(b, altBilgi, sayfa);
        ASSERT_TRUE(a) << altBilgi.toStdString();
        EXPECT_DOUBLE_EQ(a->y, 260);
        EXPECT_NEAR(a->x + genişlik(altBilgi, 8), 190, 1e-9);
        EXPECT_FALSE(a->kalın);
        const YazılanMetin* h = bul(b, "Kodu", sayfa);
        ASSERT_TRUE(h);
        EXPECT_DOUBLE_EQ(h->y, sayfa == 1 ? 25 : 10);
        EXPECT_TRUE(h->kalın);
    }
    // the title on the first page only
    int başlıklar = 0;
    for (const auto& m : b.metinler) başlıklar += m.metin == "BAKIM ADLI YERE VERİLEN PARÇALAR";
    EXPECT_EQ(başlıklar, 1);
}

TEST_F(YerlereYazdırmaTestleri, BoşListeYazıcısızVeİptalEdilenSeçimHiçbirŞeyBasmaz) {
    girişEkle({.veren = "ACME"});
    girişEkle({.veren = "BETA"});
    auto f = aç<Alınan>();
    YazıcıVar = true;
    f->YazdırDüğmesi->click();  // nothing listed yet: no chooser, no message
    EXPECT_TRUE(mesajlar.empty());

    seç(*f, "ACME");
    YazıcıVar = false;
    f->YazdırDüğmesi->click();
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin,
              "Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);

    YazıcıVar = true;
    ModalGelinceÇalıştır([](QWidget* w) {
        if (auto* s = dynamic_cast<YazıcıSeçmeFormu*>(w)) s->İptalDüğmesi->click();
    });
    f->YazdırDüğmesi->click();
    EXPECT_FALSE(YazıcıSeçimiİptal);
    EXPECT_TRUE(f->YazdırDüğmesi->isEnabled());
    EXPECT_TRUE(basılanlar->empty());
    EXPECT_EQ(mesajlar.size(), 1u);
}

// ---- the workbook ----

namespace {

class YerlereAktarmaTestleri : public YerlereTestOrtamı {
protected:
    void SetUp() override {
        YerlereTestOrtamı::SetUp();
        Masaüstü::işleyiciSorgusuKur([](const QString& u) { return u == "xlsx"; });
        Masaüstü::adresAçıcıKur([this](const QString& a) {
            açılanlar << a;
            return true;
        });
    }
    // Reads a workbook back with openpyxl.
    static QJsonObject oku(const QString& yol) {
        const char* betik = R"(
import json, sys, openpyxl
from openpyxl.utils import get_column_letter
kitap = openpyxl.load_workbook(sys.argv[1])
s = kitap.worksheets[0]
def hücre(c):
    return {"değer": c.value, "tür": c.data_type, "kalın": bool(c.font.b), "yatay": c.alignment.horizontal,
            "dikey": c.alignment.vertical, "kaydır": bool(c.alignment.wrap_text)}
pr = s.sheet_properties.pageSetUpPr
print(json.dumps({
  "sayfalar": kitap.sheetnames,
  "hücreler": {c.coordinate: hücre(c) for satır in s.iter_rows(min_row=1, max_row=s.max_row, max_col=10) for c in satır},
  "birleşik": [str(r) for r in s.merged_cells.ranges],
  "yükseklik": [s.row_dimensions[1].height, s.row_dimensions[2].height],
  "genişlik": [s.column_dimensions[get_column_letter(k)].width for k in range(1, 11)],
  "kenar": [s.page_margins.left, s.page_margins.right, s.page_margins.top, s.page_margins.bottom],
  "ortala": bool(s.print_options.horizontalCentered), "kılavuz": bool(s.print_options.gridLines),
  "sığdır": bool(pr.fitToPage) if pr else False,
  "sığdırGenişlik": 1 if s.page_setup.fitToWidth is None else int(s.page_setup.fitToWidth),
  "sığdırYükseklik": 1 if s.page_setup.fitToHeight is None else int(s.page_setup.fitToHeight),
  "yön": s.page_setup.orientation,
}, ensure_ascii=False))
)";
        return ÇalışmaKitabınıOku(betik, yol);
    }
    static QJsonObject hücre(const QJsonObject& k, const QString& ad) { return k["hücreler"].toObject()[ad].toObject(); }
    static QJsonValue değer(const QJsonObject& k, const QString& ad) { return hücre(k, ad)["değer"]; }
    static QString tür(const QJsonObject& k, const QString& ad) { return hücre(k, ad)["tür"].toString(); }
    // The page set-up a printer brings: 1.5 cm margins, centred, grid lines; fitted one page across or not.
    static void sayfaDüzeni(const QJsonObject& k, bool yazıcılı, bool sığdır) {
        for (const auto& m : k["kenar"].toArray())
            EXPECT_EQ(std::abs(m.toDouble() - 0.590551181102362) < 1e-9, yazıcılı) << m.toDouble();
        EXPECT_EQ(k["ortala"].toBool(), yazıcılı);
        EXPECT_EQ(k["kılavuz"].toBool(), yazıcılı);
        EXPECT_EQ(k["sığdır"].toBool(), sığdır);
        if (sığdır) {
            EXPECT_EQ(k["sığdırGenişlik"].toInt(), 1);
            EXPECT_EQ(k["sığdırYükseklik"].toInt(), 0);
        }
    }

    QStringList açılanlar;
};

}  // namespace

TEST_F(YerlereAktarmaTestleri, TedarikçiListesiBaşlıkBaşlıklarVeSatırlarlaKitabaYazılır) {
    const qlonglong vida = parçaEkle("VİDA", 10), somun = parçaEkle("SOMUN", 9);
    girişEkle({.veren = "ACME", .parça = vida, .kodu = 10, .faturaNo = "B-7", .miktar = 1234.5,
               .fiyatOnBinde = 25000, .tutarOnBinde = 30862500, .fişNo = 12});
    girişEkle({.veren = "ACME", .parça = somun, .kodu = 9, .miktar = 2, .fiyatOnBinde = 12345678,
               .tutarOnBinde = 24691356, .fişNo = 0, .arşivFişNo = 31});
    girişEkle({.veren = "ACME", .parça = somun, .kodu = 9, .tarihi = QDate(2026, 4, 1)});
    YazıcıVar = true;
    auto f = aç<Alınan>("ACME");
    f->ListeyiMSExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.size(), 1);
    EXPECT_TRUE(açılanlar[0].endsWith("/belgeler/Parça Alınan Yerler.xlsx")) << açılanlar[0].toStdString();
    EXPECT_FALSE(static_cast<bool>(ExcelUygulaması));
    EXPECT_TRUE(mesajlar.empty());
    const QJsonObject k = oku(açılanlar[0]);
    EXPECT_EQ(k["sayfalar"].toArray(), QJsonArray{"Parça Alınan Yerler"});

    EXPECT_EQ(değer(k, "A1").toString(), "ACME ADLI FİRMADAN ALINAN PARÇALAR");
    EXPECT_EQ(k["birleşik"].toArray(), QJsonArray{"A1:J1"});
    EXPECT_TRUE(hücre(k, "A1")["kalın"].toBool());
    EXPECT_EQ(hücre(k, "A1")["yatay"].toString(), "center");
    EXPECT_EQ(hücre(k, "A1")["dikey"].toString(), "center");
    EXPECT_EQ(k["yükseklik"].toArray(), (QJsonArray{30, 20}));

    const QStringList başlıklar = {"Kodu",    "Parça Adı", "Giriş Tarihi", "Fatura Tarihi", "Fatura No",
                                   "Miktarı", "Fiyatı",    "Tutarı",       "Fiş No",        "Arşiv Fiş No"};
    const QString harfler = "ABCDEFGHIJ";
    const std::vector<int> twips = {1000, 1800, 1400, 1500, 1400, 1100, 1100, 1100, 1100, 1500};
    for (int s = 0; s < 10; ++s) {
        const QString ad = QString(harfler[s]) + "2";
        EXPECT_EQ(değer(k, ad).toString(), başlıklar[s]);
        EXPECT_TRUE(hücre(k, ad)["kalın"].toBool());
        EXPECT_TRUE(hücre(k, ad)["kaydır"].toBool());
        EXPECT_EQ(hücre(k, ad)["yatay"].toString(), "center");
        EXPECT_EQ(hücre(k, ad)["dikey"].toString(), "center");
        // the list's width in twips / 100; the file keeps whole pixels and reads back about 0.71 wider
        EXPECT_NEAR(k["genişlik"].toArray()[s].toDouble(), twips[static_cast<size_t>(s)] / 100.0 + 0.71, 0.06) << s;
    }
    // rows 3 to 5 as the list shows them: F, G and H numbers, the rest text
    for (int r = 0; r < 3; ++r)
        for (int s = 0; s < 10; ++s) {
            const QString ad = QString(harfler[s]) + QString::number(r + 3);
            const QString liste = f->HareketListesi->hücre(r, s);
            if (s >= 5 && s <= 7) {
                EXPECT_EQ(tür(k, ad), "n") << ad.toStdString();
                EXPECT_DOUBLE_EQ(değer(k, ad).toDouble(), *SayıOku(liste)) << ad.toStdString();
            } else if (!liste.isEmpty()) {
                EXPECT_EQ(tür(k, ad), "s") << ad.toStdString();
                EXPECT_EQ(değer(k, ad).toString(), liste) << ad.toStdString();
            }
        }
    EXPECT_DOUBLE_EQ(değer(k, "G4").toDouble(), 1234.57);
    EXPECT_TRUE(değer(k, "A6").isNull());
    sayfaDüzeni(k, true, true);
}

TEST_F(YerlereAktarmaTestleri, YerListesiSayılarıDVeEdeTutarYazıcısızSayfaDüzeniKurulmaz) {
    çıkışEkle({.yer = "BAKIM", .parça = parçaEkle("VİDA", 10), .miktar = 3, .tutarOnBinde = 12345678});
    auto f = aç<Verilen>("BAKIM");
    f->HareketListesi->setColumnWidth(1, 160);  // the user widened "Parça Adı" to 2400 twips
    f->ListeyiMSExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.size(), 1);
    EXPECT_TRUE(açılanlar[0].endsWith("/Parça Verilen Yerler.xlsx"));
    QJsonObject k = oku(açılanlar[0]);
    EXPECT_EQ(k["sayfalar"].toArray(), QJsonArray{"Parça Verilen Yerler"});
    EXPECT_EQ(değer(k, "A1").toString(), "BAKIM ADLI YERE VERİLEN PARÇALAR");
    EXPECT_EQ(k["birleşik"].toArray(), QJsonArray{"A1:G1"});
    EXPECT_EQ(değer(k, "G2").toString(), "Arşiv Fiş No");
    EXPECT_NEAR(k["genişlik"].toArray()[1].toDouble(), 24.71, 0.01);
    EXPECT_TRUE(değer(k, "H2").isNull());
    const std::tuple<QString, QString, QJsonValue> hücreler[] = {
        {"A3", "s", "100"}, {"C3", "s", "05.03.2026"}, {"D3", "n", 3}, {"E3", "n", 1234.57},
        {"F3", "s", "7"},   {"G3", "s", "0"},
    };
    for (const auto& [ad, beklenenTür, beklenen] : hücreler) {
        EXPECT_EQ(tür(k, ad), beklenenTür) << ad.toStdString();
        EXPECT_EQ(değer(k, ad), beklenen) << ad.toStdString();
    }
    sayfaDüzeni(k, false, false);

    // with a printer the page is set up, but never fitted to one page across
    YazıcıVar = true;
    f->ListeyiMSExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.size(), 2);
    EXPECT_TRUE(açılanlar[1].endsWith("/Parça Verilen Yerler (2).xlsx"));
    sayfaDüzeni(oku(açılanlar[1]), true, false);
}

TEST_F(YerlereAktarmaTestleri, BoşListeAktarılmazYazılamayanKitapAçılmışGibiGösterilmez) {
    çıkışEkle({.yer = "BAKIM"});
    auto f = aç<Verilen>();
    f->ListeyiMSExceleAktarDüğmesi->click();
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_TRUE(açılanlar.isEmpty());

    seç(*f, "BAKIM");
    // the documents folder cannot be made: a file stands in its way
    QFile engel(klasör() + "/dosya");
    ASSERT_TRUE(engel.open(QIODevice::WriteOnly));
    engel.close();
    qputenv("DEPORA_BELGE_KLASORU", (klasör() + "/dosya/belgeler").toLocal8Bit());
    f->ListeyiMSExceleAktarDüğmesi->click();
    EXPECT_TRUE(açılanlar.isEmpty());
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    EXPECT_FALSE(static_cast<bool>(ExcelUygulaması));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(YerlereYazdırmaTestleri, YazıcıyaGitmeyenBelgeBildirilir) {
    YazıcıArkaUcuYapıcısıKur([k = basılanlar](const QString& ad) {
        auto a = std::make_unique<KayıtArkaUcu>(k, ad);
        a->bozuk = true;
        return a;
    });
    GeçerliYazıcıyıSıfırla();
    girişEkle({.veren = "ACME"});
    auto f = aç<Alınan>("ACME");
    yazdır(*f);
    EXPECT_EQ(sonMesaj(), "Belge yazıcıya gönderilemedi!\n\nLütfen, yazıcınızı kontrol edip tekrar deneyiniz.");
    EXPECT_TRUE(f->YazdırDüğmesi->isEnabled());
}
