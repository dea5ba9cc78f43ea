#include "reports/MalzemeCetveliFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/PencereAçıcıları.h"
#include "shell/TarihSeçFormu.h"
#include "tests/reports/SayımVeMalzemeCetveliOrtamı.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <memory>

namespace {

QDate gün(int ay, int g, int yıl = 2020) { return QDate(yıl, ay, g); }

// The period of the tests: 1 March to 30 June 2020.
class MalzemeCetveliTesti : public CetvelTestOrtamı {
protected:
    void SetUp() override {
        CetvelTestOrtamı::SetUp();
        // code 5
        const qlonglong a = parçaEkle(5, "A1", "FİLTRE");
        girişEkle(a, gün(1, 15), 10, TL("100"));
        girişEkle(a, gün(3, 1), 5, TL("60"), QVariant());   // first day; an archived voucher counts too
        girişEkle(a, gün(6, 30), 2, TL("30"));               // last day
        girişEkle(a, gün(7, 1), 100, TL("1000"));            // after: nowhere
        çıkışEkle(a, gün(2, 10), 4, TL("40"));
        çıkışEkle(a, gün(3, 1), 3, TL("36"));
        çıkışEkle(a, gün(7, 1), 50, TL("500"));
        parçaEkle(5, "B1", "CONTA");                         // no movements
        const qlonglong c = parçaEkle(5, "C1", "KAYIŞ");
        girişEkle(c, gün(12, 1, 2019), 1, TL("10"));
        çıkışEkle(c, gün(2, 1), 3, TL("30"));                // more issued than received
        const qlonglong d = parçaEkle(5, "D1", "YAĞ", "LT");
        girişEkle(d, gün(1, 1), 1, TL("10,004"));
        girişEkle(d, gün(4, 1), 1, TL("5,004"));
        // code 6
        girişEkle(parçaEkle(6, "E1", "AYNA"), gün(1, 10), 1, TL("1000"));
    }
    std::unique_ptr<MalzemeCetveliFormu> aç(QDate b = gün(3, 1), QDate e = gün(6, 30)) {
        auto f = std::make_unique<MalzemeCetveliFormu>(b, e);
        f->show();
        return f;
    }
    static QStringList kutular(const MalzemeCetveliFormu& f) {
        return {f.DevredenTutarToplamıKutusu->text(), f.GirenTutarToplamıKutusu->text(),
                f.GirenToplamTutarKutusu->text(), f.ÇıkanTutarıToplamıKutusu->text(),
                f.AktarılanTutarToplamıKutusu->text()};
    }
};

TEST_F(MalzemeCetveliTesti, AçılışBaşlıkSütunlarKodlarVeSıraNoOku) {
    SıralananSütun = 4;
    SıralamaYönü = 1;
    SayısalSıralama = 0;
    auto f = aç();
    EXPECT_EQ(f->windowTitle(), "Malzeme Cetveli (01.03.2020 - 30.06.2020)");
    EXPECT_EQ(kodlar(f->KodListesi), (QStringList{"5", "6"}));
    EXPECT_TRUE(f->KodListesi->selectedItems().isEmpty());
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 0);
    EXPECT_EQ(başlıkları(f->ParçaBilgileriListesi), (QStringList{"Sıra No", "No'su", "Adı", "Birimi", "Dev. Miktar", "Dev. Tutar", "Giren Miktar",
                                      "Giren Tutar", "Toplam Miktar", "Toplam Tutar", "Çıkan Miktar", "Çıkan Tutar",
                                      "Akt. Miktar", "Akt. Tutar"}));
    EXPECT_EQ(f->ParçaBilgileriListesi->sütunGenişliğiTwips(MalzemeCetveliFormu::DevredenMiktarSütunu), 1500);
    int sütunlar = 0;  // the screen has room for the fourteen columns: all are in sight
    for (int i = 0; i < MalzemeCetveliFormu::SütunSayısı; ++i) sütunlar += f->ParçaBilgileriListesi->columnWidth(i);
    EXPECT_GE(f->ParçaBilgileriListesi->viewport()->width(), sütunlar);
    EXPECT_LE(f->width(), f->screen()->availableGeometry().width());
    EXPECT_EQ(SıralananSütun, 0);
    EXPECT_EQ(SıralamaYönü, 0);
    EXPECT_EQ(SayısalSıralama, 1);
    EXPECT_EQ(f->ParçaBilgileriListesi->model()->okluSütun, 0);
    EXPECT_EQ(f->Çerçeve->title(), "Toplam Tutar Bilgileri ");
    EXPECT_EQ(f->Etiket[5]->text(), "Toplam :");
    EXPECT_EQ(f->TümKodlarınTutarBilgileriniGösterDüğmesi->text(), "&Tüm Kodların Toplam Tutar Bilgilerini Göster");
    for (const char* ad : {"Altlık", "Etiket7", "KodListesi", "BulKutusu", "BulDüğmesi", "ListeyiMSExceleAktarDüğmesi",
                           "YazdırDüğmesi", "KapatDüğmesi", "AktarılanTutarToplamıKutusu"})
        EXPECT_TRUE(f->findChild<QWidget*>(ad)) << ad;
}

TEST_F(MalzemeCetveliTesti, DönemÖncesiİçiVeSonrasıDoğruRakamlaraGider) {
    auto f = aç();
    koduSeç(f->KodListesi, 5);
    ASSERT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 4);
    const std::vector<QStringList> satırlar = {
        {"1", "A1", "FİLTRE", "ADET", "6,00", "60,00", "7,00", "90,00", "13,00", "150,00", "3,00", "36,00", "10,00", "114,00"},
        {"2", "B1", "CONTA", "ADET", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"},
        {"3", "C1", "KAYIŞ", "ADET", "-2,00", "-20,00", "0,00", "0,00", "-2,00", "-20,00", "0,00", "0,00", "-2,00", "-20,00"},
        // amounts with four decimals: each figure as shown, Toplam from the shown figures
        {"4", "D1", "YAĞ", "LT", "1,00", "10,00", "1,00", "5,00", "2,00", "15,00", "0,00", "0,00", "2,00", "15,00"}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(satırı(f->ParçaBilgileriListesi, i), satırlar[size_t(i)]) << i;
    EXPECT_EQ(kutular(*f), (QStringList{"50,00", "95,00", "145,00", "36,00", "109,00"}));
    EXPECT_EQ(f->TutarToplamları[2], TL("145"));
    EXPECT_EQ(f->TutarToplamları[4], TL("109"));
    const std::array<double, 5> miktarlar = {5, 8, 13, 3, 10};
    for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(f->MiktarToplamları[i], miktarlar[i]) << i;
    EXPECT_TRUE(mesajlar.empty());
    // another code: boxes and totals of that code
    koduSeç(f->KodListesi, 6);
    ASSERT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 1);
    EXPECT_EQ(satırı(f->ParçaBilgileriListesi, 0)[MalzemeCetveliFormu::DevredenTutarSütunu], "1.000,00");
    EXPECT_EQ(kutular(*f), (QStringList{"1.000,00", "0,00", "1.000,00", "0,00", "1.000,00"}));
    EXPECT_DOUBLE_EQ(f->MiktarToplamları[0], 1);
}

TEST_F(MalzemeCetveliTesti, BirGünlükDönemİkiUcuİçerir) {
    auto f = aç(gün(6, 30), gün(7, 1));
    koduSeç(f->KodListesi, 5);
    // before 30 June: 10 + 5 - 4 - 3 = 8; within: 2 + 100 in, 50 out
    const QStringList a = satırı(f->ParçaBilgileriListesi, 0);
    EXPECT_EQ(a.mid(4), (QStringList{"8,00", "84,00", "102,00", "1.030,00", "110,00", "1.114,00", "50,00", "500,00",
                                     "60,00", "614,00"}));
}

TEST_F(MalzemeCetveliTesti, TümKodlarınTutarlarıListeyiVeSeçimiBoşaltır) {
    auto f = aç();
    koduSeç(f->KodListesi, 5);
    f->TümKodlarınTutarBilgileriniGösterDüğmesi->click();
    EXPECT_TRUE(f->KodListesi->selectedItems().isEmpty());
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 0);
    EXPECT_EQ(kutular(*f), (QStringList{"1.050,00", "95,00", "1.145,00", "36,00", "1.109,00"}));
    EXPECT_EQ(f->TutarToplamları[0], TL("50"));  // the last listing's totals stay
    // choosing a code shows that code's totals again
    koduSeç(f->KodListesi, 6);
    EXPECT_EQ(kutular(*f)[0], "1.000,00");
    // a find that matches nothing empties the list and the boxes
    f->BulKutusu->setText("9");
    f->BulDüğmesi->click();
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 0);
    EXPECT_EQ(kutular(*f), QStringList(5, ""));
    f->TümKodlarınTutarBilgileriniGösterDüğmesi->click();
    f->BulDüğmesi->click();
    EXPECT_EQ(kutular(*f), QStringList(5, ""));
    f->BulKutusu->setText("05");
    f->BulDüğmesi->click();
    EXPECT_EQ(f->BulKutusu->text(), "5");
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 4);
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(MalzemeCetveliTesti, OkunamayanListeBoşKalırHataGösterilir) {
    auto f = aç();
    koduSeç(f->KodListesi, 5);
    ASSERT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 4);
    VeriTabanı.çalıştır("ALTER TABLE CikisIslemleriTablosu RENAME TO Baska");
    cevapla(MesajCevabı::Evet);
    koduSeç(f->KodListesi, 6);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    EXPECT_EQ(f->ParçaBilgileriListesi->satırSayısı(), 0);  // not the last code's figures
    EXPECT_EQ(kutular(*f), QStringList(5, ""));
    EXPECT_EQ(sonlandırmaSayısı, 0);
}

TEST_F(MalzemeCetveliTesti, OdaktakiListeninEtiketiRenklenir) {
    auto f = aç();
    f->activateWindow();
    QApplication::setActiveWindow(f.get());
    f->ParçaBilgileriListesi->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f->Etiket[2]->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    f->KodListesi->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f->Etiket[0]->palette().color(QPalette::WindowText), QColor(192, 64, 0));
    EXPECT_NE(f->Etiket[2]->palette().color(QPalette::WindowText), QColor(192, 64, 0));
}

TEST_F(MalzemeCetveliTesti, BoşKodListesindeTümKodlarDüğmesiBirŞeyYapmaz) {
    VeriTabanı.çalıştır("DELETE FROM ParcaBilgileriTablosu");
    auto f = aç();
    f->TümKodlarınTutarBilgileriniGösterDüğmesi->click();
    EXPECT_EQ(kutular(*f), QStringList(5, ""));
}

TEST_F(MalzemeCetveliTesti, RakamSütunlarıSayıOlarakSıralanır) {
    for (const char* tutar : {"10", "9", "1000", "999"})
        girişEkle(parçaEkle(7, QString("N%1").arg(tutar), "P"), gün(1, 1), 1, TL(tutar));
    auto f = aç();
    koduSeç(f->KodListesi, 7);
    auto* başlık = f->ParçaBilgileriListesi->horizontalHeader();
    emit başlık->sectionClicked(MalzemeCetveliFormu::DevredenTutarSütunu);
    QStringList l;
    for (int i = 0; i < 4; ++i) l << f->ParçaBilgileriListesi->hücre(i, MalzemeCetveliFormu::DevredenTutarSütunu);
    EXPECT_EQ(l, (QStringList{"9,00", "10,00", "999,00", "1.000,00"}));
    emit başlık->sectionClicked(MalzemeCetveliFormu::DevredenTutarSütunu);
    EXPECT_EQ(f->ParçaBilgileriListesi->hücre(0, MalzemeCetveliFormu::DevredenTutarSütunu), "1.000,00");
    emit başlık->sectionClicked(MalzemeCetveliFormu::NosuSütunu);
    EXPECT_EQ(f->ParçaBilgileriListesi->hücre(0, MalzemeCetveliFormu::NosuSütunu), "N10");
    EXPECT_EQ(SıralamaYönü, 0);
}

TEST_F(MalzemeCetveliTesti, AçıcıÖnceDönemiSorarİptaldeAçmaz) {
    const PencereAçıcı açıcı = PencereAçıcısı(Pencere::MalzemeCetveli);
    ASSERT_TRUE(açıcı);
    QString başlık;
    ModalGelinceÇalıştır<TarihSeçFormu>([&](TarihSeçFormu* t) {
        t->BaşlamaTarihiKutusu->setText("01.03.2020");
        t->BitişTarihiKutusu->setText("30.06.2020");
        ModalGelinceÇalıştır([&](QWidget* p) {
            başlık = p->windowTitle();
            static_cast<QDialog*>(p)->reject();
        });
        t->TamamDüğmesi->click();
    });
    açıcı(nullptr, false);
    EXPECT_EQ(başlık, "Malzeme Cetveli (01.03.2020 - 30.06.2020)");

    int açılan = 0;
    ModalGelinceÇalıştır([&](QWidget* w) {
        ++açılan;
        static_cast<TarihSeçFormu*>(w)->İptalDüğmesi->click();
    });
    açıcı(nullptr, false);
    EXPECT_EQ(açılan, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MalzemeCetveliTesti, KopyaSayısıEtkinleşinceAyarlardanOkunur) {
    AyarYaz("Ayarlar\\Malzeme Cetveli", "Kopya Sayisi", "4");
    auto f = aç();
    EXPECT_EQ(MalzemeCetveliKopyaSayısı, 4);
}

// ---- printing ----

constexpr std::array<double, 5> MiktarX = {110, 145, 180, 215, 250};
constexpr std::array<double, 5> TutarX = {130, 165, 200, 235, 270};

TEST_F(MalzemeCetveliTesti, YatayBaskıBaşlıkKodBaşlıklarSatırVeGenelToplam) {
    AyarYaz("Ayarlar\\Malzeme Cetveli", "Kopya Sayisi", "2");
    yazıcıKur(basılanlar, {200, 287});
    auto f = aç();
    koduSeç(f->KodListesi, 5);
    yazdır(f->YazdırDüğmesi);
    ASSERT_NO_FATAL_FAILURE(tekSayfaBasıldı(basılanlar, SayfaYönü::Yatay, 2));
    const YazılanBelge& b = belge();
    EXPECT_EQ(SayfaGenişliği, 287);
    EXPECT_EQ(SayfaYüksekliği, 200);
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_TRUE(f->YazdırDüğmesi->isEnabled());

    const QString başlıkMetni = "01.03.2020 - 30.06.2020 TARİHLİ MALZEME HESAP ÇİZELGESİ-28";
    konumda(b, başlıkMetni, (287 - genişlik(başlıkMetni, 12, true)) / 2, 10, true);
    EXPECT_EQ(bul(b, başlıkMetni)->punto, 12);
    const double kodY = 10 + satırYüksekliği(12, true) + 2;
    konumda(b, "KOD NO ", 255, kodY, true);
    konumda(b, ": 5", 270, kodY, true);
    EXPECT_EQ(bul(b, ": 5")->punto, 8);
    for (const auto& [metin, x] : std::vector<std::pair<QString, double>>{
             {"No", 10}, {"Parça No", 20}, {"Adı ve Niteliği", 50}, {"Birimi", 95}})
        konumda(b, metin, x, 30, true);
    const double grup = std::nearbyint(genişlik("MiktarTutar", 8, true) + 10);
    const std::array<QString, 5> gruplar = {"DEVREDEN", "YIL İÇİNDE GİREN", "TOPLAM", "YIL İÇİNDE ÇIKAN", "AKTARILAN"};
    for (int i = 0; i < 5; ++i) konumda(b, gruplar[i], MiktarX[i] + (grup - genişlik(gruplar[i], 8, true)) / 2, 25, true);
    std::vector<double> miktarlar, tutarlar;
    for (const auto& m : b.metinler) {
        if (m.metin == "Miktar" && m.y == 30) miktarlar.push_back(m.x);
        if (m.metin == "Tutar" && m.y == 30) tutarlar.push_back(m.x);
    }
    EXPECT_EQ(miktarlar, std::vector<double>(MiktarX.begin(), MiktarX.end()));
    EXPECT_EQ(tutarlar, std::vector<double>(TutarX.begin(), TutarX.end()));

    // the first row at 36,5; figures end where their heading ends (8 points, regular)
    konumda(b, "A1", 20, 36.5, false);
    EXPECT_DOUBLE_EQ(bul(b, "FİLTRE")->x, 50);
    EXPECT_DOUBLE_EQ(bul(b, "LT")->x, 95);
    başlığaYaslı(b, "114,00", 270, "Tutar");
    başlığaYaslı(b, "6,00", 110, "Miktar");
    EXPECT_NEAR(bul(b, "B1")->y, 36.5 + satırYüksekliği(8, false) + 1.5, 1e-9);

    // the grand total line follows the last row, bold, right-aligned in the bold font
    const double genelY = 36.5 + 4 * satırYüksekliği(8, false) + 3 * 1.5 + 2.5;
    konumda(b, "GENEL TOPLAM :", 10, genelY, true);
    const std::array<QString, 10> toplamlar = {"5,00",  "50,00", "8,00", "95,00", "13,00",
                                               "145,00", "3,00", "36,00", "10,00", "109,00"};
    std::vector<YazılanMetin> satırdakiler;
    for (const auto& m : b.metinler)
        if (std::abs(m.y - genelY) < 1e-9 && m.metin != "GENEL TOPLAM :") satırdakiler.push_back(m);
    ASSERT_EQ(satırdakiler.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(satırdakiler[i].metin, toplamlar[i]);
        EXPECT_TRUE(satırdakiler[i].kalın);
        const double x = i % 2 ? TutarX[i / 2] : MiktarX[i / 2];
        EXPECT_NEAR(satırdakiler[i].x + genişlik(toplamlar[i], 8, true),
                    x + genişlik(i % 2 ? "Tutar" : "Miktar", 8, true), 1e-9);
    }
    sayfaNumarasız(b);
}

TEST_F(MalzemeCetveliTesti, UzunListeSayfalanırKodSatırıVeBaşlıklarTekrarlanır) {
    {
        İşlem tx(VeriTabanı);
        for (int i = 0; i < 40; ++i) parçaEkle(9, QString("P%1").arg(i, 2, 10, QChar('0')), "PARÇA");
        tx.onayla();
    }
    yazıcıKur(basılanlar, {190, 277});  // landscape: 277 wide, 190 high
    auto f = aç();
    koduSeç(f->KodListesi, 9);
    yazdır(f->YazdırDüğmesi);
    const YazılanBelge& b = belge();
    ASSERT_EQ(b.sayfaSayısı, 2);
    sayfaSonunaKadarDolu(1, 165);
    for (int sayfa : {1, 2}) sayfaNumarası(b, sayfa, 277, 170);
    // page 2: the code line and the headings again, not the title
    konumda(b, "KOD NO ", 255, 18, true, 2);
    EXPECT_DOUBLE_EQ(bul(b, "DEVREDEN", 2)->y, 25);
    EXPECT_DOUBLE_EQ(bul(b, "Adı ve Niteliği", 2)->y, 30);
    EXPECT_FALSE(bul(b, "01.03.2020 - 30.06.2020 TARİHLİ MALZEME HESAP ÇİZELGESİ-28", 2));
    EXPECT_DOUBLE_EQ(ilkParçaSatırı(2), 36.5);
    ASSERT_TRUE(bul(b, "GENEL TOPLAM :", 2));
}

TEST_F(MalzemeCetveliTesti, YatayAlmayanYazıcıdaBasılmazUyarılır) {
    yazıcıKur(basılanlar, {200, 287}, false);
    auto f = aç();
    koduSeç(f->KodListesi, 5);
    yatayOlmadı(f->YazdırDüğmesi, basılanlar, mesajlar);
}

TEST_F(MalzemeCetveliTesti, BoşListeYazıcısızlıkVeİptalBasmaz) {
    yazıcıKur(basılanlar, {200, 287});
    auto f = aç();
    basılmaz(f->YazdırDüğmesi, basılanlar, mesajlar, [&] { koduSeç(f->KodListesi, 5); });
}

}  // namespace
