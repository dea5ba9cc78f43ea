#include "platform/AyarDeposu.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/PencereAçıcıları.h"
#include "tests/history/YerlereTestOrtamı.h"

#include <QDeadlineTimer>
#include <QHeaderView>
#include <QTest>
#include <sqlcipher/sqlite3.h>

namespace {

using Alınan = AlınanYerlereGöreParçaHareketleriFormu;
using Verilen = VerilenYerlereGöreParçaHareketleriFormu;

class YerlereGöreHareketlerTestleri : public YerlereTestOrtamı {};

QStringList başlıklar(YerlereGöreParçaHareketleriFormu& f) {
    QStringList b;
    for (int i = 0; i < f.HareketListesi->sütunSayısı(); ++i) b << f.HareketListesi->sütunBaşlığı(i);
    return b;
}

QString başlıkMetni(YerlereGöreParçaHareketleriFormu& f, int sütun) {
    return f.HareketListesi->model()->headerData(sütun, Qt::Horizontal, Qt::DisplayRole).toString();
}

// A mouse click on a column's header.
void başlığaTıkla(YerlereGöreParçaHareketleriFormu& f, int sütun) {
    QHeaderView* b = f.HareketListesi->horizontalHeader();
    QTest::mouseClick(b->viewport(), Qt::LeftButton, {}, QPoint(b->sectionViewportPosition(sütun) + 5, b->height() / 2));
}

// While it lives, every statement of the store's connection fails once the time is up:
// a loop of statements that would never end ends in an error.
class SüreSınırı {
public:
    explicit SüreSınırı(int ms) : bitiş_(ms) { sqlite3_progress_handler(VeriTabanı.tutamaç(), 1, &doldu, this); }
    ~SüreSınırı() { sqlite3_progress_handler(VeriTabanı.tutamaç(), 0, nullptr, nullptr); }

private:
    static int doldu(void* s) { return static_cast<SüreSınırı*>(s)->bitiş_.hasExpired() ? 1 : 0; }
    QDeadlineTimer bitiş_;
};

}  // namespace

TEST_F(YerlereGöreHareketlerTestleri, TedarikçiPenceresiYerleriSıralıVeTekerListelerHareketleriSatırSatırGösterir) {
    const qlonglong vida = parçaEkle("VİDA", 10);
    const qlonglong somun = parçaEkle("SOMUN", 9);
    const qlonglong silinecek = parçaEkle("PUL", 9);
    girişEkle({.veren = "ZEYTİN A.Ş.", .parça = vida});
    girişEkle({.veren = "ÇELİK LTD.", .parça = vida, .kodu = 10, .tarihi = QDate(2026, 2, 1),
               .faturaTarihi = QDate(2026, 1, 30), .faturaNo = "B-7", .miktar = 1234.5, .fiyatOnBinde = 25000,
               .tutarOnBinde = 30862500, .fişNo = 12});
    girişEkle({.veren = "ÇELİK LTD.", .parça = somun, .kodu = 9, .miktar = 2, .fiyatOnBinde = 12345678,
               .tutarOnBinde = 24691356, .fişNo = 0, .arşivFişNo = 31});
    girişEkle({.veren = "ÇELİK LTD.", .parça = silinecek, .kodu = 9, .tarihi = QDate(2026, 4, 1), .faturaTarihi = {},
               .faturaNo = {}});
    VeriTabanı.çalıştır("DELETE FROM ParcaBilgileriTablosu WHERE ParcaNo=?", {silinecek});
    girişEkle({.veren = "CAM EVİ", .parça = vida});
    girişEkle({.veren = {}, .parça = vida});  // no supplier: nothing to pick it by

    auto f = aç<Alınan>();
    EXPECT_EQ(f->windowTitle(), "Alınan Yerlere Göre Parça Hareketleri");
    EXPECT_EQ(f->AlınanYerlerListesi->objectName(), "AlınanYerlerListesi");
    EXPECT_EQ((QStringList{f->Etiket[0]->text(), f->Etiket[1]->text(), f->Etiket[2]->text(), sayım(*f),
                           f->YazdırDüğmesi->text(), f->ListeyiMSExceleAktarDüğmesi->text()}),
              (QStringList{"Alınan Yerler", "Bul :", "Hareketler", "Listelenen : 0", "&Yazdır...",
                           "&Listeyi MS Excel'e Aktar"}));
    EXPECT_EQ(yerMetinleri(*f), (QStringList{"CAM EVİ", "ÇELİK LTD.", "ZEYTİN A.Ş."}));
    EXPECT_EQ(f->AlınanYerlerListesi->currentRow(), -1);
    EXPECT_EQ(başlıklar(*f), (QStringList{"Kodu", "Parça Adı", "Giriş Tarihi", "Fatura Tarihi", "Fatura No", "Miktarı",
                                          "Fiyatı", "Tutarı", "Fiş No", "Arşiv Fiş No"}));
    EXPECT_EQ(f->HareketListesi->model()->headerData(5, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignRight,
              Qt::AlignRight);

    seç(*f, "ÇELİK LTD.");
    ASSERT_EQ(f->HareketListesi->satırSayısı(), 3);
    EXPECT_EQ(sayım(*f), "Listelenen : 3");
    // codes in the list's text order: 10 before 9; then by date
    EXPECT_EQ(f->HareketListesi->satırlar()[0].hücreler,
              (QStringList{"10", "VİDA", "01.02.2026", "30.01.2026", "B-7", "1.234,50", "2,50", "3.086,25", "12", "0"}));
    // an archived receipt: "0" and its old number
    EXPECT_EQ(f->HareketListesi->satırlar()[1].hücreler,
              (QStringList{"9", "SOMUN", "05.03.2026", "01.03.2026", "A-12", "2,00", "1.234,57", "2.469,14", "0", "31"}));
    // the part is gone, the receipt is still listed; missing invoice fields stay empty
    EXPECT_EQ(f->HareketListesi->satırlar()[2].hücreler,
              (QStringList{"9", "", "01.04.2026", "", "", "1,00", "1,00", "1,00", "7", "0"}));

    seç(*f, "CAM EVİ");
    EXPECT_EQ(f->HareketListesi->satırSayısı(), 1);
    EXPECT_EQ(sayım(*f), "Listelenen : 1");
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(YerlereGöreHareketlerTestleri, YerPenceresiÇıkışlarıKodunSayıSırasıylaVeArşivNumarasıylaGösterir) {
    const qlonglong vida = parçaEkle("VİDA", 10);
    çıkışEkle({.yer = "ATÖLYE", .parça = vida, .kodu = 10, .tarihi = QDate(2026, 1, 2), .miktar = 3,
               .tutarOnBinde = 12345678, .fişNo = 4});
    çıkışEkle({.yer = "ATÖLYE", .parça = vida, .kodu = 9, .tarihi = QDate(2025, 6, 1), .miktar = 0.5,
               .tutarOnBinde = 5000, .fişNo = 0, .arşivFişNo = 55});
    çıkışEkle({.yer = "BAKIM", .parça = vida});
    auto f = aç<Verilen>();
    EXPECT_EQ(f->windowTitle(), "Verilen Yerlere Göre Parça Hareketleri");
    EXPECT_EQ(f->Etiket[0]->text(), "Verilen Yerler");
    EXPECT_EQ(yerMetinleri(*f), (QStringList{"ATÖLYE", "BAKIM"}));
    EXPECT_EQ(başlıklar(*f),
              (QStringList{"Kodu", "Parça Adı", "Tarihi", "Miktarı", "Tutarı", "Fiş No", "Arşiv Fiş No"}));
    f->VerilenYerlerListesi->setCurrentRow(0);
    ASSERT_EQ(f->HareketListesi->satırSayısı(), 2);
    EXPECT_EQ(f->HareketListesi->satırlar()[0].hücreler,
              (QStringList{"9", "VİDA", "01.06.2025", "0,50", "0,50", "0", "55"}));
    EXPECT_EQ(f->HareketListesi->satırlar()[1].hücreler,
              (QStringList{"10", "VİDA", "02.01.2026", "3,00", "1.234,57", "4", "0"}));
    EXPECT_EQ(sayım(*f), "Listelenen : 2");
    // its "Kodu" sorts by value
    başlığaTıkla(*f, 0);
    EXPECT_EQ(sütun(*f, 0), (QStringList{"10", "9"}));
}

TEST_F(YerlereGöreHareketlerTestleri, YerListesiHerAdıBirKezTürkçeSıradaGösterirBoşAdıAtlar) {
    for (const char* yer : {"ŞANTİYE", "İZMİR DEPO", "CAM EVİ", "SERVİS", "IŞIK", "CAM", "ÇAY OCAĞI", "CAM", "",
                            "ŞANTİYE", "CAMCI"})
        çıkışEkle({.yer = QString::fromUtf8(yer)});
    VeriTabanı.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, Miktari, Tutari) "
                        "VALUES (1, 100, '2026-03-05', 1, 10000)");  // a movement with no place at all
    auto f = aç<Verilen>();
    EXPECT_EQ(yerMetinleri(*f),
              (QStringList{"CAM", "CAM EVİ", "CAMCI", "ÇAY OCAĞI", "IŞIK", "İZMİR DEPO", "SERVİS", "ŞANTİYE"}));
}

// A name another database tool stored as bytes, or as text that is not UTF-8, does not
// read back as what is stored: both windows still open and list it as it reads.
TEST_F(YerlereGöreHareketlerTestleri, MetinOlarakOkunmayanAdlaPencerelerAçılır) {
    girişEkle({.veren = "ZEYTİN"});
    girişEkle({.veren = "BOZUK"});
    çıkışEkle({.yer = "ZEYTİN"});
    çıkışEkle({.yer = "BOZUK"});
    const struct {
        const char* değer;
        QString okunan;
    } durumlar[] = {{"x'4142'", "AB"}, {"CAST(x'41FF42' AS TEXT)", QString::fromUtf16(u"A\uFFFDB")}};
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.değer);
        for (const auto& [tablo, alan] : {std::pair{"GirisIslemleriTablosu", "FaturaVeren"},
                                          std::pair{"CikisIslemleriTablosu", "VerilecekYer"}})
            VeriTabanı.çalıştır(QString("UPDATE %1 SET %2 = %3 WHERE %2 <> 'ZEYTİN'").arg(tablo, alan, d.değer));
        const auto alınan = [] { const SüreSınırı süre(2000); return aç<Alınan>(); }();
        const auto verilen = [] { const SüreSınırı süre(2000); return aç<Verilen>(); }();
        EXPECT_EQ(yerMetinleri(*alınan), (QStringList{d.okunan, "ZEYTİN"}));
        EXPECT_EQ(yerMetinleri(*verilen), (QStringList{d.okunan, "ZEYTİN"}));
        EXPECT_TRUE(mesajlar.empty()) << sonMesaj().toStdString();
    }
}

TEST_F(YerlereGöreHareketlerTestleri, AşağıOkuİlkYerdenBaşlar) {
    const qlonglong vida = parçaEkle("VİDA", 10);
    çıkışEkle({.yer = "ATÖLYE", .parça = vida});
    çıkışEkle({.yer = "BAKIM", .parça = vida});
    auto f = aç<Verilen>();
    ASSERT_TRUE(EtkinGöster(f.get()));
    f->VerilenYerlerListesi->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f->VerilenYerlerListesi, Qt::Key_Down);
    EXPECT_EQ(f->VerilenYerlerListesi->currentRow(), 0);
    EXPECT_EQ(sayım(*f), "Listelenen : 1");
    QTest::keyClick(f->VerilenYerlerListesi, Qt::Key_Down);
    EXPECT_EQ(f->VerilenYerlerListesi->currentRow(), 1);
}

TEST_F(YerlereGöreHareketlerTestleri, TırnaklıAdDeğerOlarakBağlanırBaşkaYeriDeGetirmez) {
    girişEkle({.veren = "D'ARTAGNAN", .miktar = 1});
    girişEkle({.veren = "D' OR ''='", .miktar = 2});
    auto f = aç<Alınan>("D'ARTAGNAN");
    EXPECT_EQ(sütun(*f, 5), QStringList{"1,00"});
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(YerlereGöreHareketlerTestleri, BulKutusuİlkHarflerleYerSeçerEşleşmeyenListeyiBoşaltır) {
    for (const char* veren : {"ABACI", "ABDİ İNŞAAT", "İLKER", "ISPARTA", "A?B#C*"}) girişEkle({.veren = veren});
    auto f = aç<Alınan>();
    EXPECT_EQ(yerMetinleri(*f), (QStringList{"A?B#C*", "ABACI", "ABDİ İNŞAAT", "ISPARTA", "İLKER"}));
    f->BulKutusu->setFocus();
    // "i" is İ and "ı" is I, the Turkish way; "?", "'", "#" and "*" cannot be typed;
    // a text that matches nothing empties the list
    const struct {
        bool baştan;
        QString yazılan, kutu, yer;
        int satır;
    } adımlar[] = {
        {false, "ab", "AB", "ABACI", 1},       {false, "d", "ABD", "ABDİ İNŞAAT", 1}, {true, "i", "İ", "İLKER", 1},
        {true, "ı", "I", "ISPARTA", 1},        {false, "x", "IX", "", 0},             {true, "a?'#*", "A", "A?B#C*", 1},
        {false, "b", "AB", "ABACI", 1},
    };
    for (const auto& a : adımlar) {
        SCOPED_TRACE(a.yazılan.toStdString());
        if (a.baştan) f->BulKutusu->clear();
        Yaz(f->BulKutusu, a.yazılan);
        EXPECT_EQ(f->BulKutusu->text(), a.kutu);
        EXPECT_EQ(f->seçiliYer(), a.yer);
        EXPECT_EQ(f->HareketListesi->satırSayısı(), a.satır);
        EXPECT_EQ(sayım(*f), QString("Listelenen : %1").arg(a.satır));
    }
    // such a name is still picked with the mouse
    const QRect yer = f->AlınanYerlerListesi->visualItemRect(f->AlınanYerlerListesi->item(0));
    QTest::mouseClick(f->AlınanYerlerListesi->viewport(), Qt::LeftButton, {}, yer.center());
    EXPECT_EQ(f->seçiliYer(), "A?B#C*");
    EXPECT_EQ(sayım(*f), "Listelenen : 1");
}

TEST_F(YerlereGöreHareketlerTestleri, BaşlıkTıklamalarıSıralarOkuTaşırMetinSıralamasıSonrakiYüklemedeSürer) {
    const qlonglong a = parçaEkle("ALT", 3), b = parçaEkle("BAŞ", 2), c = parçaEkle("CİVATA", 1);
    girişEkle({.veren = "ACME", .parça = c, .kodu = 1, .miktar = 5});
    girişEkle({.veren = "ACME", .parça = a, .kodu = 3, .miktar = 12});
    girişEkle({.veren = "ACME", .parça = b, .kodu = 2, .miktar = 1.5});
    girişEkle({.veren = "BETA", .parça = b, .kodu = 2, .miktar = 2});
    girişEkle({.veren = "BETA", .parça = a, .kodu = 3, .miktar = 1});
    // another list was last sorted descending on its fourth column
    SıralananSütun = 3;
    SıralamaYönü = 1;
    auto f = aç<Alınan>("ACME");
    EXPECT_EQ(SıralananSütun, 0);
    EXPECT_EQ(SıralamaYönü, 0);
    EXPECT_TRUE(başlıkMetni(*f, 0).endsWith("▲"));
    EXPECT_EQ(sütun(*f, 0), (QStringList{"1", "2", "3"}));

    auto tıkla = [&](int s) { başlığaTıkla(*f, s); };
    tıkla(5);
    EXPECT_EQ(sütun(*f, 5), (QStringList{"1,50", "5,00", "12,00"}));
    EXPECT_TRUE(başlıkMetni(*f, 5).startsWith("▲"));
    EXPECT_FALSE(başlıkMetni(*f, 0).contains("▲"));
    tıkla(5);
    EXPECT_EQ(sütun(*f, 5), (QStringList{"12,00", "5,00", "1,50"}));
    EXPECT_TRUE(başlıkMetni(*f, 5).startsWith("▼"));
    // a number sort is applied once: the next load comes in the query's order
    seç(*f, "BETA");
    EXPECT_EQ(sütun(*f, 1), (QStringList{"BAŞ", "ALT"}));
    // a text sort stays in force for the next load
    tıkla(1);
    EXPECT_EQ(SıralamaYönü, 0);  // another column starts ascending
    EXPECT_EQ(sütun(*f, 1), (QStringList{"ALT", "BAŞ"}));
    tıkla(1);
    seç(*f, "ACME");
    EXPECT_EQ(sütun(*f, 1), (QStringList{"CİVATA", "BAŞ", "ALT"}));
}

TEST_F(YerlereGöreHareketlerTestleri, SütunDüzeniKapanıştaKaydedilirAçılıştaGeriGelir) {
    {
        auto f = aç<Verilen>();
        f->HareketListesi->setColumnWidth(1, 200);
        f->HareketListesi->horizontalHeader()->moveSection(0, 2);
        f->KapatDüğmesi->click();
        EXPECT_FALSE(f->isVisible());
    }
    EXPECT_EQ(AyarOku("Listeler\\Liste-10", "Genislik-2"), "3000");
    EXPECT_EQ(AyarOku("Listeler\\Liste-10", "Konum-1"), "3");
    auto f = aç<Verilen>();
    EXPECT_EQ(f->HareketListesi->sütunGenişliğiTwips(1), 3000);
    EXPECT_EQ(f->HareketListesi->horizontalHeader()->visualIndex(0), 2);
    // the supplier window keeps its own section
    auto g = aç<Alınan>();
    EXPECT_EQ(g->HareketListesi->sütunGenişliğiTwips(1), 1800);
    g->close();
    EXPECT_EQ(AyarOku("Listeler\\Liste-9", "Genislik-2"), "1800");
}

TEST_F(YerlereGöreHareketlerTestleri, OdaklananAlanınEtiketiRenklenirBulKutusuMetniSeçmez) {
    girişEkle({.veren = "ACME"});
    auto f = aç<Alınan>();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    f->BulKutusu->setText("XY");  // matches nothing: no list is built
    f->BulKutusu->setCursorPosition(2);
    const std::pair<QWidget*, int> alanlar[] = {{f->BulKutusu, 1}, {f->HareketListesi, 2}, {f->AlınanYerlerListesi, 0}};
    for (const auto& [alan, etiket] : alanlar) {
        SCOPED_TRACE(alan->objectName().toStdString());
        alan->setFocus();
        QApplication::processEvents();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(f->Etiket[i]->palette().color(QPalette::WindowText) == Giriş::EtkinEtiketRengi, i == etiket) << i;
        EXPECT_FALSE(f->BulKutusu->hasSelectedText());
    }
}

TEST_F(YerlereGöreHareketlerTestleri, AnaPencereİkiPencereyiSahibininÜstündeAçar) {
    for (Pencere p : {Pencere::AlınanYerlereGöreHareketler, Pencere::VerilenYerlereGöreHareketler}) {
        const PencereAçıcı açıcı = PencereAçıcısı(p);
        ASSERT_TRUE(açıcı);
        QDialog sahip;
        QString açılan;
        QWidget* açılanınSahibi = nullptr;
        ModalGelinceÇalıştır([&](QWidget* w) {
            açılan = w->objectName();
            açılanınSahibi = w->parentWidget();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        açıcı(&sahip, false);
        EXPECT_EQ(açılan, p == Pencere::AlınanYerlereGöreHareketler ? "AlınanYerlereGöreParçaHareketleriFormu"
                                                                  : "VerilenYerlereGöreParçaHareketleriFormu");
        EXPECT_EQ(açılanınSahibi, &sahip);
    }
}

TEST_F(YerlereGöreHareketlerTestleri, YüklenemeyenListeHatayıGösterirBoşKalır) {
    girişEkle({.veren = "ACME"});
    girişEkle({.veren = "BETA"});
    auto f = aç<Alınan>("ACME");
    ASSERT_EQ(f->HareketListesi->satırSayısı(), 1);
    VeriTabanı.çalıştır("DROP TABLE ParcaBilgileriTablosu");
    seç(*f, "BETA");
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    EXPECT_EQ(f->HareketListesi->satırSayısı(), 0);  // never ACME's rows under BETA
    EXPECT_EQ(sayım(*f), "Listelenen : 0");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
