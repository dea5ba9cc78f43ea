#include "shell/GenelDeğişkenler.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/ortak/TestOrtamı.h"

#include <QComboBox>
#include <QFile>
#include <functional>
#include <unistd.h>

class OrtakYordamlarTesti : public TestOrtamı {
protected:
    // Writes a brand in a transaction through the error handling, then runs sonra in it.
    static bool markaYaz(const char* sonra = nullptr) {
        return HataYönetimiyle([sonra] {
            İşlem i(VeriTabanı);
            VeriTabanı.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (1, 'A')");
            if (sonra) VeriTabanı.çalıştır(sonra);
            i.onayla();
        });
    }
};

TEST(AdBüyütme, BaşHarfler) {
    EXPECT_EQ(BaşHarfleriBüyüt("ahmet ali yılmaz"), "Ahmet Ali Yılmaz");
    EXPECT_EQ(BaşHarfleriBüyüt("istanbul/izmir"), "İstanbul/İzmir");
    EXPECT_EQ(BaşHarfleriBüyüt("ISIK"), "ISıK");
    EXPECT_EQ(BaşHarfleriBüyüt(""), "");
    EXPECT_EQ(BaşHarfleriBüyüt("  ali  "), "Ali");
    EXPECT_EQ(BaşHarfleriBüyüt("ayşe-nur.öz "), "Ayşe-Nur.Öz");
}

TEST(AdBüyütme, Soyadı) {
    EXPECT_EQ(SoyadınıBüyüt("Ali Veli Yılmaz"), "Ali Veli YILMAZ");
    EXPECT_EQ(SoyadınıBüyüt("Ali"), "Ali");
    EXPECT_EQ(BoşlukKonumu, 0);
    EXPECT_EQ(SoyadınıBüyüt("Ali yıldız"), "Ali YILDIZ");
    EXPECT_EQ(BoşlukKonumu, 5);
    EXPECT_EQ(SoyadınıBüyüt("Ali şişli"), "Ali ŞİŞLİ");
}

TEST_F(OrtakYordamlarTesti, StokMiktarıGirişlerEksiÇıkışlar) {
    VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Miktari) VALUES (5, 10), (5, 2.5), (6, 99)");
    VeriTabanı.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Miktari) VALUES (5, 4)");
    EXPECT_EQ(ParçaStokMiktarı(5), 8.5);
    EXPECT_EQ(ParçaStokMiktarı(7), 0.0);
    VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Miktari) VALUES (8, 0.1), (8, 0.2)");
    VeriTabanı.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Miktari) VALUES (8, 0.3)");
    EXPECT_EQ(ParçaStokMiktarı(8), 0.0);
    VeriTabanı.kapat();
    EXPECT_THROW(ParçaStokMiktarı(5), DeporaHatası);  // no stale figures from an earlier call
}

TEST_F(OrtakYordamlarTesti, HataYönetNumarayaGöreDavranır) {
    HataYönet(HataNo::YazıcıHatası, "yazıcı");
    HataYönet(HataNo::ÖzelKullanımda, "kilitli");
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_EQ(sonlandırmaSayısı, 0);

    HataYönet(HataNo::YolBulunamadı, "yol");
    EXPECT_EQ(sonMesaj(), "Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
    HataYönet(HataNo::DosyayaErişilemiyor, "dosya");
    EXPECT_EQ(sonMesaj(), "Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
    EXPECT_EQ(sonlandırmaSayısı, 2);

    cevapla(MesajCevabı::Evet);
    HataYönet(19, "UNIQUE constraint failed");
    EXPECT_EQ(mesajlar.back().başlık, "Hata oluştu!");
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Kritik);
    EXPECT_EQ(mesajlar.back().metin,
              "Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \nYine de devam etmek istiyor musunuz?"
              "\r\n\r\nHata Kodu: 19\r\n\r\nHata Mesajı: UNIQUE constraint failed");
    EXPECT_EQ(sonlandırmaSayısı, 2);

    bool temizlendi = false;
    ExcelUygulaması = [&] { temizlendi = true; };
    cevapla(MesajCevabı::Hayır);
    HataYönet(19, "x");
    EXPECT_EQ(sonlandırmaSayısı, 3);
    EXPECT_TRUE(temizlendi);
    EXPECT_FALSE(ExcelUygulaması);
}

TEST_F(OrtakYordamlarTesti, BaşarısızİşlemGeriAlınırVeBildirilir) {
    cevapla(MesajCevabı::Evet);
    EXPECT_FALSE(markaYaz("INSERT INTO YokTablo VALUES (1)"));
    EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM MarkaBilgileriTablosu").toInt(), 0);
    EXPECT_FALSE(VeriTabanı.işlemde());
    EXPECT_EQ(mesajlar.size(), 1u);
}

// A store that takes no writes, the file or its folder read-only: the write is
// refused through the error box (the file's error 8), nothing is stored and the
// program goes on. Root writes anywhere: as root the folder's case is a journal
// path that leads nowhere (the same "cannot open"), the file's a read-only connection.
TEST_F(OrtakYordamlarTesti, YazılamayanVeritabanıYazmayıReddederProgramSürer) {
    const QString günlük = ProgramKlasörü + "Ambar.vtb-journal";
    const auto klasörİzni = QFile::permissions(ProgramKlasörü);
    const bool kök = ::geteuid() == 0;
    const struct { const char* durum; std::function<void(bool)> boz; } durumlar[] = {
        {"salt okunur dosya", [](bool b) { VeriTabanı.çalıştır(b ? "PRAGMA query_only=1" : "PRAGMA query_only=0"); }},
        {"salt okunur klasör", [&](bool b) {
             if (kök) b ? QFile::link(klasör() + "/yok/günlük", günlük) : QFile::remove(günlük);
             else QFile::setPermissions(ProgramKlasörü, b ? QFileDevice::ReadOwner | QFileDevice::ExeOwner : klasörİzni);
         }},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.durum);
        for (const bool bozuk : {true, false}) {  // the same connection writes once the store takes writes again
            mesajlar.clear();
            d.boz(bozuk);
            if (bozuk) cevapla(MesajCevabı::Evet);
            EXPECT_EQ(markaYaz(), !bozuk);
            EXPECT_EQ(VeriTabanı.tekDeğer("SELECT COUNT(*) FROM MarkaBilgileriTablosu").toInt(), bozuk ? 0 : 1);
            ASSERT_EQ(mesajlar.size(), bozuk ? 1u : 0u);
            for (const auto& m : mesajlar)
                EXPECT_TRUE(m.başlık == "Hata oluştu!" && m.metin.contains("Hata Kodu: 8\r\n")) << m.metin.toStdString();
            EXPECT_EQ(sonlandırmaSayısı, 0);
            EXPECT_FALSE(VeriTabanı.işlemde());
        }
        VeriTabanı.çalıştır("DELETE FROM MarkaBilgileriTablosu");
    }
}

TEST_F(OrtakYordamlarTesti, HatırlananDeğerlerOnaKadarSaklanır) {
    const QString bölüm = "Listelenecekler\\Verilecek Yer";
    QComboBox kutu;
    kutu.setEditable(true);
    for (int i = 1; i <= 9; ++i) DeğeriHatırla(&kutu, bölüm, "Verilecek Yer", QString("YER %1").arg(i));
    DeğeriHatırla(&kutu, bölüm, "Verilecek Yer", "yer 3");  // known, case ignored
    EXPECT_EQ(kutu.count(), 9);
    EXPECT_EQ(AyarOku(bölüm, "Verilecek Yer-9"), "YER 9");
    EXPECT_EQ(kutu.itemText(0), "YER 9");
    DeğeriHatırla(&kutu, bölüm, "Verilecek Yer", "YER 10");
    EXPECT_EQ(AyarOku(bölüm, "Verilecek Yer-10"), "YER 10");
    DeğeriHatırla(&kutu, bölüm, "Verilecek Yer", "YER 11");
    EXPECT_EQ(kutu.count(), 10);
    EXPECT_EQ(kutu.itemText(0), "YER 11");
    EXPECT_EQ(kutu.itemText(9), "YER 2");  // the oldest dropped
    EXPECT_EQ(AyarOku(bölüm, "Verilecek Yer-1"), "YER 11");
    EXPECT_EQ(AyarOku(bölüm, "Verilecek Yer-10"), "YER 2");
    QComboBox yeni;
    HatırlananlarıYükle(&yeni, bölüm);
    EXPECT_EQ(yeni.count(), 10);
    EXPECT_EQ(yeni.itemText(0), "YER 11");
}
