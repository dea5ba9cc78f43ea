#include "platform/DeporaHatası.h"
#include "platform/Masaüstü.h"
#include "platform/Yazıcı.h"
#include "platform/ÇalışmaKitabı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/ListeOluşturuluyorFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YazdırmaVeAktarmaModülü.h"
#include "shell/YazdırılıyorFormu.h"
#include "shell/YazıcıSeçmeFormu.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

// A window with a print button, as the report windows have one.
struct RaporPenceresi : QDialog {
    QPushButton* YazdırDüğmesi = new QPushButton("&Yazdır...", this);
    std::function<void()> yazdır;
    int yazdırmaSayısı = 0;
    bool düğmeYazarkenEtkin = true;
    Qt::CursorShape yazarkenİmleç = Qt::ArrowCursor;
    QString yazarkenBaşlık;

    void Yazdır() {
        ++yazdırmaSayısı;
        düğmeYazarkenEtkin = YazdırDüğmesi->isEnabled();
        yazarkenİmleç = cursor().shape();
        if (auto* w = QApplication::activeModalWidget()) yazarkenBaşlık = w->windowTitle();
        if (yazdır) yazdır();
    }
};

// A window with a list and an export, as the movement-list windows have.
struct ListePenceresi : QDialog {
    int listelemeSayısı = 0, aktarmaSayısı = 0;
    QString listelerkenBaşlık, aktarırkenBaşlık, aktarırkenEtiket, aktarırkenSimge, listelerkenSimge;
    void Listele() {
        ++listelemeSayısı;
        auto* f = static_cast<ListeOluşturuluyorFormu*>(QApplication::activeModalWidget());
        listelerkenBaşlık = f->windowTitle();
        listelerkenSimge = f->SimgeKutusu->property("simge").toString();
        ListeOluşturuluyorFormu::İlerlemeSınırı(3);
        for (int i = 1; i <= 3; ++i) ListeOluşturuluyorFormu::İlerleme(i);
    }
    void MSExceleAktar() {
        ++aktarmaSayısı;
        auto* f = static_cast<ListeOluşturuluyorFormu*>(QApplication::activeModalWidget());
        aktarırkenBaşlık = f->windowTitle();
        aktarırkenEtiket = f->Etiket->text();
        aktarırkenSimge = f->SimgeKutusu->property("simge").toString();
    }
};

constexpr int DenemeKodu = 2;

class YazdırmaTestleri : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        YazıcıVar = true;
        YazdırılıyorFormu::YordamKaydet<RaporPenceresi>(DenemeKodu);
        ListeOluşturuluyorFormu::YordamKaydet("2", [](QWidget* w) {
            if (auto* p = dynamic_cast<ListePenceresi*>(w)) p->Listele();
        });
        ListeOluşturuluyorFormu::YordamKaydet("6", [](QWidget* w) {
            if (auto* p = dynamic_cast<ListePenceresi*>(w)) p->MSExceleAktar();
        });
        pencere.show();
    }
    // The chooser comes up: press one of its buttons (or close it some other way).
    void seçicideYap(std::function<void(YazıcıSeçmeFormu*)> iş) {
        ModalGelinceÇalıştır<YazıcıSeçmeFormu>(iş);
    }
    bool yazdır() { return YazdırmaDüğmesi(&pencere, pencere.YazdırDüğmesi, DenemeKodu); }
    RaporPenceresi pencere;
};

void tamam(YazıcıSeçmeFormu* f) { f->TamamDüğmesi->click(); }

}  // namespace

TEST_F(YazdırmaTestleri, YazıcıYoksaUyarırVeHiçbirPencereAçmaz) {
    YazıcıVar = false;
    EXPECT_FALSE(yazdır());
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin,
              "Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz.");
    EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Ünlem);
    EXPECT_EQ(pencere.yazdırmaSayısı, 0);
}

TEST_F(YazdırmaTestleri, SeçiciTekYazıcıyıBağlantısıylaGösterirTamamOYazıcıdaBasar) {
    int seçenekSayısı = 0;
    QString seçili, bağlantı, başlık;
    seçicideYap([&](YazıcıSeçmeFormu* f) {
        başlık = f->windowTitle();
        seçenekSayısı = f->YazıcıAdlarıKutusu->count();
        seçili = f->YazıcıAdlarıKutusu->currentText();
        bağlantı = f->BağlantıNoktasıKutusu->text();
        tamam(f);
    });
    pencere.yazdır = [] {
        Yazıcı& y = GeçerliYazıcı();
        y.yaz("Satır");
        y.belgeyiBitir();
    };
    EXPECT_TRUE(yazdır());
    EXPECT_EQ(başlık, "Yazıcı Seç");
    EXPECT_EQ(seçenekSayısı, 1);
    EXPECT_EQ(seçili, "Kayıt Yazıcısı");
    EXPECT_EQ(bağlantı, "LPT1:");
    EXPECT_EQ(pencere.yazdırmaSayısı, 1);
    EXPECT_EQ(pencere.yazarkenBaşlık, "Yazdırılıyor...");
    EXPECT_FALSE(pencere.düğmeYazarkenEtkin);
    EXPECT_EQ(pencere.yazarkenİmleç, Qt::WaitCursor);
    EXPECT_TRUE(pencere.YazdırDüğmesi->isEnabled());
    EXPECT_EQ(pencere.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(YazdırılacakRapor, DenemeKodu);
    EXPECT_EQ(SayfaYüksekliği, 287);
    EXPECT_EQ(SayfaGenişliği, 200);
    ASSERT_EQ(basılanlar->size(), 1u);
    EXPECT_EQ(basılanlar->front().yazıcı, "Kayıt Yazıcısı");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(YazdırmaTestleri, İptalEscVeÇerçevedenKapatmaHiçbirŞeyBastırmaz) {
    const std::vector<std::function<void(YazıcıSeçmeFormu*)>> yollar = {
        [](YazıcıSeçmeFormu* f) { f->İptalDüğmesi->click(); },
        [](YazıcıSeçmeFormu* f) { QTest::keyClick(f, Qt::Key_Escape); },
        [](YazıcıSeçmeFormu* f) { f->close(); },
    };
    for (const auto& yol : yollar) {
        seçicideYap(yol);
        EXPECT_FALSE(yazdır());
        EXPECT_FALSE(YazıcıSeçimiİptal);  // cleared again for the next print
        EXPECT_EQ(pencere.yazdırmaSayısı, 0);
        EXPECT_TRUE(pencere.YazdırDüğmesi->isEnabled());
    }
    EXPECT_TRUE(basılanlar->empty());
}

TEST_F(YazdırmaTestleri, SayfaSeçilenYazıcıdaÖlçülür) {
    YazıcıListesiKaynağıKur([] {
        return std::vector<YazıcıBilgisi>{{"Kayıt Yazıcısı", "LPT1:", true}, {"Geniş", "\\\\sunucu\\geniş", false}};
    });
    YazıcıArkaUcuYapıcısıKur([k = basılanlar](const QString& ad) {
        return std::make_unique<KayıtArkaUcu>(k, ad, ad == "Geniş" ? QSizeF(270.4, 190.6) : QSizeF(200, 287));
    });
    GeçerliYazıcıyıSıfırla();
    QString ikincininYeri;
    seçicideYap([&](YazıcıSeçmeFormu* f) {
        f->YazıcıAdlarıKutusu->setCurrentIndex(1);
        ikincininYeri = f->BağlantıNoktasıKutusu->text();
        tamam(f);
    });
    pencere.yazdır = [] {
        GeçerliYazıcı().yaz("x");
        GeçerliYazıcı().belgeyiBitir();
    };
    EXPECT_TRUE(yazdır());
    EXPECT_EQ(ikincininYeri, "\\\\sunucu\\geniş");
    EXPECT_EQ(GeçerliYazıcı().ad(), "Geniş");
    EXPECT_EQ(SayfaGenişliği, 270);
    EXPECT_EQ(SayfaYüksekliği, 191);
    EXPECT_EQ(basılanlar->back().yazıcı, "Geniş");
}

TEST_F(YazdırmaTestleri, HataVerenYazdırmadanSonraİlerlemePenceresiKapanırBelgeGönderilmez) {
    seçicideYap(tamam);
    pencere.yazdır = [] {
        GeçerliYazıcı().yaz("yarım");
        throw DeporaHatası(91, "Nesne yok");
    };
    EXPECT_FALSE(yazdır());  // returns: the progress window closed
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
    EXPECT_TRUE(mesajlar[0].metin.contains("Nesne yok"));
    EXPECT_FALSE(GeçerliYazıcı().belgeAçık());
    EXPECT_TRUE(basılanlar->empty() || !basılanlar->back().bitti);
    EXPECT_TRUE(pencere.YazdırDüğmesi->isEnabled());
}

TEST_F(YazdırmaTestleri, BelgesiGeçmeyenYazdırmaBildirilir) {
    seçicideYap(tamam);
    pencere.yazdır = [] {
        auto bozuk = std::make_unique<KayıtArkaUcu>(std::make_shared<std::vector<YazılanBelge>>(), "Bozuk");
        bozuk->bozuk = true;
        GeçerliYazıcı().aygıtıKoy(std::move(bozuk), "Bozuk");
        GeçerliYazıcı().yaz("x");
        GeçerliYazıcı().belgeyiBitir();
    };
    EXPECT_FALSE(yazdır());
    EXPECT_EQ(sonMesaj(), "Belge yazıcıya gönderilemedi!\n\nLütfen, yazıcınızı kontrol edip tekrar deneyiniz.");
}

TEST_F(YazdırmaTestleri, AçıkBırakılanBelgeBitirilirReddedenYordamHiçbirŞeyBasmaz) {
    seçicideYap(tamam);
    pencere.yazdır = [] { GeçerliYazıcı().yaz("açık kaldı"); };
    EXPECT_TRUE(yazdır());
    ASSERT_EQ(basılanlar->size(), 1u);
    EXPECT_TRUE(basılanlar->front().bitti);
    // a procedure that refuses (a printer that keeps portrait) prints nothing
    seçicideYap(tamam);
    pencere.yazdır = [] { Uyarı("Yazdırma yönü YATAY olarak ayarlanamadığı için işlem iptal edildi!"); };
    EXPECT_FALSE(yazdır());
    EXPECT_EQ(basılanlar->size(), 1u);
    EXPECT_TRUE(pencere.YazdırDüğmesi->isEnabled());
}

TEST_F(YazdırmaTestleri, HerYazdırmaDikeyVeTekKopyaylaBaşlar) {
    // a landscape sheet of three copies printed before
    GeçerliYazıcı().yönKoy(SayfaYönü::Yatay);
    GeçerliYazıcı().kopyaSayısıKoy(3);
    seçicideYap(tamam);
    pencere.yazdır = [] {
        GeçerliYazıcı().yaz("liste");
        GeçerliYazıcı().belgeyiBitir();
    };
    EXPECT_TRUE(yazdır());
    EXPECT_EQ(basılanlar->back().yön, SayfaYönü::Dikey);
    EXPECT_EQ(basılanlar->back().kopya, 1);
    EXPECT_EQ(SayfaYüksekliği, 287);
}

TEST_F(YazdırmaTestleri, İlerlemePenceresiHerGösterimdeBirKezÇalışırBilinmeyenKoddaHemenKapanır) {
    // a message box (or anything else) reactivating the window starts nothing again
    pencere.yazdır = [] {
        QWidget* ilerleme = QApplication::activeModalWidget();
        QEvent etkin(QEvent::WindowActivate);
        QApplication::sendEvent(ilerleme, &etkin);
        QEvent göster(QEvent::Show);
        QApplication::sendEvent(ilerleme, &göster);
        QCoreApplication::processEvents();
    };
    YazdırılacakRapor = DenemeKodu;
    {
        YazdırılıyorFormu f(&pencere);
        EXPECT_EQ(f.findChild<QLabel*>("Etiket")->text(), "Yazdırma işlemi sürüyor. Lütfen, bekleyiniz!");
        EXPECT_EQ(f.SimgeKutusu->property("simge").toString(), "YAZDIR");
        f.exec();
    }
    EXPECT_EQ(pencere.yazdırmaSayısı, 1);
    YazdırılacakRapor = 77;
    YazdırılıyorFormu f(&pencere);
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_EQ(pencere.yazdırmaSayısı, 1);
}

TEST_F(YazdırmaTestleri, SayfaNumarasıVeSağaYaslıMetinYerindeDurur) {
    SayfaÖlçüleriniAl();
    Yazıcı& y = GeçerliYazıcı();
    y.yazıBoyutuKoy(8);
    y.Y = 270;
    y.yaz("a");
    y.yeniSayfa();
    y.Y = 270;
    SayfaNumarasıYaz(y);
    y.Y = 30;
    SağaYaslıYaz(y, 133, "Miktarı", "1.234,50", true);
    y.belgeyiBitir();
    const auto& m = basılanlar->back().metinler;
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[1].metin, "Sayfa - 2");
    EXPECT_EQ(m[1].sayfa, 2);
    EXPECT_DOUBLE_EQ(m[1].y, 270);
    EXPECT_NEAR(m[1].x + y.metinGenişliği("Sayfa - 2"), 190, 1e-9);
    EXPECT_NEAR(m[2].x + y.metinGenişliği("1.234,50"), 133 + y.metinGenişliği("Miktarı"), 1e-9);
}

class ListeVeAktarmaTestleri : public YazdırmaTestleri {
protected:
    ListePenceresi liste;
};

TEST_F(ListeVeAktarmaTestleri, ListeOluşturmaÇubuğuİlerletirAktarmaKendiMetinleriyleÇalışır) {
    ListeOluştur(&liste, "2");
    EXPECT_EQ(liste.listelemeSayısı, 1);
    EXPECT_EQ(liste.listelerkenBaşlık, "Liste Oluşturuluyor...");
    EXPECT_EQ(liste.listelerkenSimge, "LISTE");
    EXPECT_EQ(ListeOluşturuluyorFormu::İlerlemeDeğeri(), 0);  // none shown now

    Masaüstü::işleyiciSorgusuKur([](const QString& u) { return u == "xlsx"; });
    ListeyiDışaAktar(&liste, 3, "6");
    EXPECT_EQ(liste.aktarmaSayısı, 1);
    EXPECT_EQ(liste.aktarırkenBaşlık, "MS Excel'e Aktarılıyor...");
    EXPECT_EQ(liste.aktarırkenEtiket, "MS Excel'e aktarılırken lütfen, bekleyiniz!");
    EXPECT_EQ(liste.aktarırkenSimge, "EXCEL");
    // a list build after an export shows the design texts again
    ListeOluştur(&liste, "2");
    EXPECT_EQ(liste.listelerkenBaşlık, "Liste Oluşturuluyor...");
    EXPECT_EQ(liste.listelerkenSimge, "LISTE");
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(ListeVeAktarmaTestleri, ÇubukYordamınVerdiğiDeğerleriGösterir) {
    ListeOluşturuluyorFormu::YordamKaydet("3", [](QWidget*) {
        auto* f = static_cast<ListeOluşturuluyorFormu*>(QApplication::activeModalWidget());
        ListeOluşturuluyorFormu::İlerlemeSınırı(20);
        ListeOluşturuluyorFormu::İlerleme(2);
        EXPECT_EQ(f->İlerlemeÇubuğu->maximum(), 20);
        EXPECT_EQ(ListeOluşturuluyorFormu::İlerlemeDeğeri(), 2);
        ListeOluşturuluyorFormu::İlerleme(ListeOluşturuluyorFormu::İlerlemeDeğeri() + 1);
        EXPECT_EQ(f->İlerlemeÇubuğu->value(), 3);
        f->close();  // a procedure may close the window itself
    });
    ListeOluştur(&liste, "3");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ListeVeAktarmaTestleri, BoşListeAktarılmazProgramYoksaBildirilir) {
    Masaüstü::işleyiciSorgusuKur([](const QString&) { return true; });
    ListeyiDışaAktar(&liste, 0, "6");
    EXPECT_EQ(liste.aktarmaSayısı, 0);
    EXPECT_TRUE(mesajlar.empty());
    Masaüstü::işleyiciSorgusuKur([](const QString&) { return false; });
    ListeyiDışaAktar(&liste, 5, "6");
    EXPECT_EQ(liste.aktarmaSayısı, 0);
    EXPECT_EQ(sonMesaj(), "Bilgisayarınızda MS Excel kurulu değil!");
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Bilgi);
}

TEST_F(ListeVeAktarmaTestleri, HayırDenenHatadaYarımKitapBırakılırSonraDokunulmaz) {
    ÇalışmaKitabı kitap;
    kitap.metinYaz(1, 1, "yarım");
    {
        SürenAktarım süren(kitap);
        cevapla(MesajCevabı::Hayır);
        HataYönet(13, "Tür uyuşmazlığı");
        EXPECT_EQ(sonlandırmaSayısı, 1);
        EXPECT_TRUE(kitap.bırakıldı());
    }
    EXPECT_FALSE(static_cast<bool>(ExcelUygulaması));
    ÇalışmaKitabı sonraki;
    sonraki.metinYaz(1, 1, "tamam");
    { SürenAktarım süren(sonraki); }
    cevapla(MesajCevabı::Hayır);
    HataYönet(13, "Tür uyuşmazlığı");
    EXPECT_FALSE(sonraki.bırakıldı());
}

TEST_F(ListeVeAktarmaTestleri, KitapKaydedilipAçılırAçılamazsaYeriSöylenir) {
    QStringList açılanlar;
    Masaüstü::adresAçıcıKur([&](const QString& a) {
        açılanlar << a;
        return true;
    });
    ÇalışmaKitabı kitap("Malzeme Cetveli");
    kitap.metinYaz(1, 1, "x");
    const QString yol = ÇalışmaKitabınıKaydedipAç(kitap, "Malzeme Cetveli");
    EXPECT_TRUE(QFileInfo::exists(yol));
    EXPECT_EQ(açılanlar, QStringList{yol});
    EXPECT_TRUE(mesajlar.empty());
    Masaüstü::adresAçıcıKur([](const QString&) { return false; });
    ÇalışmaKitabı ikinci;
    const QString ikinciYol = ÇalışmaKitabınıKaydedipAç(ikinci, "Malzeme Cetveli");
    EXPECT_NE(ikinciYol, yol);
    EXPECT_TRUE(sonMesaj().contains("Malzeme Cetveli (2).xlsx"));
}
