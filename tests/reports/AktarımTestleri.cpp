#include "platform/Masaüstü.h"
#include "reports/MalzemeCetveliFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/reports/ÖzetCetvelOrtamı.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>

namespace {

// Reads the exported workbook back with openpyxl: the cells of the first rows,
// merges, widths, row height and page setup, as JSON.
QJsonObject oku(const QString& yol) {
    const char* betik = R"(
import json, sys, openpyxl
from openpyxl.utils import get_column_letter
kitap = openpyxl.load_workbook(sys.argv[1])
s = kitap.worksheets[0]
son = s.max_column
def hücre(c):
    return {"değer": c.value, "tür": c.data_type, "kalın": bool(c.font.b), "yatay": c.alignment.horizontal,
            "dikey": c.alignment.vertical, "kaydır": bool(c.alignment.wrap_text), "biçim": c.number_format}
print(json.dumps({
  "sayfalar": kitap.sheetnames,
  "birleşik": [str(r) for r in s.merged_cells.ranges],
  "satırlar": [[hücre(c) for c in satır] for satır in s.iter_rows(min_row=1, max_row=s.max_row, max_col=14)],
  "sonSütun": son,
  "genişlikler": [s.column_dimensions[get_column_letter(i)].width for i in range(1, 13)],
  "yükseklik1": s.row_dimensions[1].height,
  "kenar": [s.page_margins.left, s.page_margins.right, s.page_margins.top, s.page_margins.bottom],
  "ortala": bool(s.print_options.horizontalCentered), "kılavuz": bool(s.print_options.gridLines),
  "yön": s.page_setup.orientation,
  "sığdır": bool(s.sheet_properties.pageSetUpPr.fitToPage) if s.sheet_properties.pageSetUpPr else False,
  "sığdırGenişlik": 1 if s.page_setup.fitToWidth is None else int(s.page_setup.fitToWidth),
  "sığdırYükseklik": 1 if s.page_setup.fitToHeight is None else int(s.page_setup.fitToHeight),
}, ensure_ascii=False))
)";
    return ÇalışmaKitabınıOku(betik, yol);
}

class AktarımTestleri : public ÖzetCetvelOrtamı {
protected:
    void SetUp() override {
        ÖzetCetvelOrtamı::SetUp();
        YazıcıVar = true;
        Masaüstü::işleyiciSorgusuKur([](const QString& u) { return u == "xlsx"; });
        Masaüstü::adresAçıcıKur([this](const QString& adres) {
            açılanlar << adres;
            return true;
        });
        markaEkle(3, "ÇELİK");
        markaEkle(12, "ACME");
        markaEkle(40, "0040 BOSCH");
        hareketEkle(true, 3, QDate(2019, 1, 1), 1234.5, 12345000);
        hareketEkle(true, 12, QDate(2020, 5, 1), 2.25, 22500);
        hareketEkle(false, 12, QDate(2020, 6, 1), 1, 10000);
        hareketEkle(true, 40, QDate(2020, 7, 1), 1, 0);
    }
    // Exports the sheet and reads the workbook the desktop was asked to open.
    QJsonObject aktar(ÖzetMalzemeCetveliFormu& f) {
        f.ListeyiMSExceleAktarDüğmesi->click();
        if (açılanlar.size() != 1) {
            ADD_FAILURE() << "no workbook opened";
            return {};
        }
        return oku(açılanlar.front());
    }
    static QJsonObject hücre(const QJsonObject& o, int satır, int sütun) {
        return o["satırlar"].toArray()[satır - 1].toArray()[sütun - 1].toObject();
    }
    // One property of the cells from (satır, sütun) on, down the column or along the row, as text.
    static QStringList hücreler(const QJsonObject& o, int satır, int sütun, int kaç, const char* özellik = "değer",
                                bool aşağı = true) {
        QStringList l;
        for (int i = 0; i < kaç; ++i)
            l << hücre(o, satır + (aşağı ? i : 0), sütun + (aşağı ? 0 : i))[özellik].toVariant().toString();
        return l;
    }
    QStringList açılanlar;
};

TEST_F(AktarımTestleri, ÖzetCetvelBaşlıkBirleşikSütunBaşlıklarıKodlarVeSayılar) {
    auto f = aç();
    const QJsonObject o = aktar(*f);
    ASSERT_FALSE(o.isEmpty());
    EXPECT_TRUE(açılanlar.front().endsWith("/Malzeme Cetveli Özeti.xlsx"));
    EXPECT_EQ(o["sayfalar"].toVariant().toStringList(), QStringList{"Malzeme Cetveli Özeti"});
    EXPECT_EQ(o["birleşik"].toVariant().toStringList(), QStringList{"A1:L1"});
    EXPECT_EQ(o["sonSütun"].toInt(), 12);
    const QJsonObject a1 = hücre(o, 1, 1);
    EXPECT_EQ(a1["değer"].toString(), "Malzeme Cetveli Özeti (01.03.2020 - 31.12.2020)");
    EXPECT_TRUE(a1["kalın"].toBool());
    EXPECT_EQ(a1["yatay"].toString(), "center");
    EXPECT_EQ(a1["dikey"].toString(), "center");
    EXPECT_DOUBLE_EQ(o["yükseklik1"].toDouble(), 30);

    EXPECT_EQ(hücreler(o, 2, 1, 12, "değer", false),
              QStringList({"Kodu", "Markası", "Dev. Miktar", "Dev. Tutar", "Giren Miktar", "Giren Tutar",
                           "Toplam Miktar", "Toplam Tutar", "Çıkan Miktar", "Çıkan Tutar", "Akt. Miktar",
                           "Akt. Tutar"}));
    for (const auto& [özellik, değer] : {std::pair{"kalın", "true"}, std::pair{"kaydır", "true"},
                                         std::pair{"yatay", "center"}, std::pair{"dikey", "center"}})
        EXPECT_EQ(hücreler(o, 2, 1, 12, özellik, false), QStringList(12, değer)) << özellik;
    // the hidden row number is written nowhere: column A holds the codes as text
    EXPECT_EQ(o["satırlar"].toArray().size(), 5);
    EXPECT_EQ(hücreler(o, 3, 1, 3), QStringList({"3", "12", "40"}));
    EXPECT_EQ(hücreler(o, 3, 1, 3, "tür"), QStringList(3, "s"));
    EXPECT_EQ(hücreler(o, 3, 1, 3, "yatay"), QStringList(3, "center"));
    EXPECT_EQ(hücreler(o, 3, 2, 3, "biçim"), QStringList(3, "@"));
    EXPECT_EQ(hücre(o, 5, 2)["değer"].toString(), "0040 BOSCH");
    const QJsonObject dev = hücre(o, 3, 3);
    EXPECT_EQ(dev["tür"].toString(), "n");
    EXPECT_DOUBLE_EQ(dev["değer"].toDouble(), 1234.5);
    EXPECT_EQ(dev["biçim"].toString(), "General");
    EXPECT_DOUBLE_EQ(hücre(o, 4, 5)["değer"].toDouble(), 2.25);   // Giren Miktar
    EXPECT_DOUBLE_EQ(hücre(o, 4, 12)["değer"].toDouble(), 1.25);  // Akt. Tutar
    EXPECT_DOUBLE_EQ(hücre(o, 5, 4)["değer"].toDouble(), 0);

    // widths: twips / 100 (libxlsxwriter's width w reads back as w + 0.71)
    const QJsonArray g = o["genişlikler"].toArray();
    EXPECT_NEAR(g[0].toDouble(), 12.71, 0.05);
    EXPECT_NEAR(g[1].toDouble(), 18.71, 0.05);
    EXPECT_NEAR(g[2].toDouble(), 15.71, 0.05);
    // landscape, 1.5 cm margins, centred, gridlines, one page wide
    EXPECT_EQ(o["yön"].toString(), "landscape");
    for (const auto& m : o["kenar"].toArray()) EXPECT_NEAR(m.toDouble(), 0.5906, 0.001);
    EXPECT_TRUE(o["ortala"].toBool());
    EXPECT_TRUE(o["kılavuz"].toBool());
    EXPECT_TRUE(o["sığdır"].toBool());
    EXPECT_EQ(o["sığdırGenişlik"].toInt(), 1);
    EXPECT_EQ(o["sığdırYükseklik"].toInt(), 0);
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_FALSE(static_cast<bool>(ExcelUygulaması));
}

TEST_F(AktarımTestleri, EkrandakiSıraVeGenişliklerleYazıcısızSayfaDüzeniYok) {
    YazıcıVar = false;
    auto f = aç();
    emit f->MalzemeHareketleriListesi->horizontalHeader()->sectionClicked(1);
    emit f->MalzemeHareketleriListesi->horizontalHeader()->sectionClicked(1);  // Kodu descending
    f->MalzemeHareketleriListesi->setColumnWidth(3, 2000 / 15);  // Dev. Miktar widened: 133 px, 1995 twips
    const QJsonObject o = aktar(*f);
    ASSERT_FALSE(o.isEmpty());
    EXPECT_EQ(hücreler(o, 3, 1, 3), QStringList({"40", "12", "3"}));
    EXPECT_NEAR(o["genişlikler"].toArray()[1].toDouble(), 18.71, 0.05);
    EXPECT_NEAR(o["genişlikler"].toArray()[2].toDouble(), 19.95 + 0.71, 0.1);  // the file keeps whole pixels
    EXPECT_NE(o["yön"].toString(), "landscape") << QJsonDocument(o).toJson().toStdString();
    EXPECT_FALSE(o["ortala"].toBool());
    EXPECT_FALSE(o["kılavuz"].toBool());
    EXPECT_FALSE(o["sığdır"].toBool());
    EXPECT_EQ(hücre(o, 1, 1)["değer"].toString(), "Malzeme Cetveli Özeti (01.03.2020 - 31.12.2020)");
}

TEST_F(AktarımTestleri, YazılamayanKitapHataOlarakBildirilirAçılmaz) {
    auto f = aç();
    QFile engel(klasör() + "/dosya");
    ASSERT_TRUE(engel.open(QIODevice::WriteOnly));
    engel.close();
    qputenv("DEPORA_BELGE_KLASORU", (klasör() + "/dosya/belgeler").toLocal8Bit());
    cevapla(MesajCevabı::Evet);
    f->ListeyiMSExceleAktarDüğmesi->click();
    EXPECT_TRUE(açılanlar.isEmpty());
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(sonlandırmaSayısı, 0);
    EXPECT_FALSE(static_cast<bool>(ExcelUygulaması));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AktarımTestleri, ProgramYoksaVeyaListeBoşsaAktarılmaz) {
    Masaüstü::işleyiciSorgusuKur([](const QString&) { return false; });
    auto f = aç();
    f->ListeyiMSExceleAktarDüğmesi->click();
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, "Bilgisayarınızda MS Excel kurulu değil!");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Bilgi);
    Masaüstü::işleyiciSorgusuKur([](const QString&) { return true; });
    VeriTabanı.çalıştır("DELETE FROM GirisIslemleriTablosu");
    f->ListeyiYenileDüğmesi->click();
    f->ListeyiMSExceleAktarDüğmesi->click();
    EXPECT_EQ(mesajlar.size(), 1u);
    EXPECT_TRUE(açılanlar.isEmpty());
}

TEST_F(AktarımTestleri, AyrıntılıCetvelSıraNoParçaMetinleriVeOnRakamlaYazılır) {
    // three parts of code 12, listed by part number
    VeriTabanı.çalıştır("DELETE FROM GirisIslemleriTablosu");
    VeriTabanı.çalıştır("DELETE FROM CikisIslemleriTablosu");
    const char* parçalar[][3] = {{"0012-A", "FİLTRE", "ADET"}, {"0012-B", "CONTA", "TAKIM"}, {"0012-C", "YAĞ", "LT"}};
    for (const auto& p : parçalar) {
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, Birimi) VALUES (12, ?, ?, ?)",
                            {QString::fromUtf8(p[0]), QString::fromUtf8(p[1]), QString::fromUtf8(p[2])});
        const qlonglong no = VeriTabanı.sonEklenenNo();
        VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari) "
                            "VALUES (?, 12, ?, 1, 1234.5, 0, 12345000)",
                            {no, QDate(2020, 1, 10)});
        VeriTabanı.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, "
                            "Tutari) VALUES (?, 12, ?, 1, 'BAKIM', 0.5, 5000)",
                            {no, QDate(2020, 4, 10)});
    }
    MalzemeCetveliFormu f(QDate(2020, 3, 1), QDate(2020, 12, 31));
    f.show();
    QCoreApplication::processEvents();
    const auto kod = f.KodListesi->findItems("12", Qt::MatchExactly);
    ASSERT_EQ(kod.size(), 1);
    f.KodListesi->setCurrentItem(kod.first(), QItemSelectionModel::ClearAndSelect);
    ASSERT_EQ(f.ParçaBilgileriListesi->satırSayısı(), 3);
    f.ListeyiMSExceleAktarDüğmesi->click();
    ASSERT_EQ(açılanlar.size(), 1);
    const QJsonObject o = oku(açılanlar.front());
    ASSERT_FALSE(o.isEmpty());
    EXPECT_TRUE(açılanlar.front().endsWith("/Malzeme Cetveli.xlsx"));
    EXPECT_EQ(o["sayfalar"].toVariant().toStringList(), QStringList{"Malzeme Cetveli"});
    EXPECT_EQ(o["birleşik"].toVariant().toStringList(), QStringList{"A1:N1"});
    EXPECT_EQ(o["sonSütun"].toInt(), 14);
    EXPECT_EQ(hücre(o, 1, 1)["değer"].toString(), "Malzeme Cetveli (01.03.2020 - 31.12.2020)");
    EXPECT_EQ(hücre(o, 2, 1)["değer"].toString(), "Sıra No");
    EXPECT_EQ(hücre(o, 2, 2)["değer"].toString(), "No'su");
    EXPECT_EQ(hücre(o, 2, 14)["değer"].toString(), "Akt. Tutar");
    EXPECT_TRUE(hücre(o, 2, 14)["kalın"].toBool() && hücre(o, 2, 14)["kaydır"].toBool());
    EXPECT_EQ(hücreler(o, 3, 1, 3), QStringList({"1", "2", "3"}));
    EXPECT_EQ(hücreler(o, 3, 2, 3), QStringList({"0012-A", "0012-B", "0012-C"}));
    EXPECT_EQ(hücreler(o, 3, 1, 3, "yatay"), QStringList(3, "center"));
    for (int s = 2; s <= 4; ++s) EXPECT_EQ(hücreler(o, 3, s, 3, "biçim"), QStringList(3, "@")) << s;
    EXPECT_EQ(hücreler(o, 3, 5, 3, "tür"), QStringList(3, "n"));
    EXPECT_EQ(hücre(o, 4, 3)["değer"].toString(), "CONTA");
    EXPECT_EQ(hücre(o, 5, 4)["değer"].toString(), "LT");
    EXPECT_DOUBLE_EQ(hücre(o, 3, 5)["değer"].toDouble(), 1234.5);   // Dev. Miktar
    EXPECT_DOUBLE_EQ(hücre(o, 3, 11)["değer"].toDouble(), 0.5);     // Çıkan Miktar
    EXPECT_DOUBLE_EQ(hücre(o, 3, 14)["değer"].toDouble(), 1234);    // Akt. Tutar
    EXPECT_NEAR(o["genişlikler"].toArray()[0].toDouble(), 12.71, 0.05);
    EXPECT_EQ(o["yön"].toString(), "landscape");
    EXPECT_TRUE(o["sığdır"].toBool());
    EXPECT_TRUE(mesajlar.empty());
}

}  // namespace
