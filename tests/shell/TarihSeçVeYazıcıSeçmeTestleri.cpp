#include "platform/Yazıcı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/TarihSeçFormu.h"
#include "shell/YazıcıSeçmeFormu.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class TarihSeçTestleri : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        ASSERT_TRUE(EtkinGöster(&f));
    }
    QLineEdit* başlama() { return f.findChild<QLineEdit*>("BaşlamaTarihiKutusu"); }
    QLineEdit* bitiş() { return f.findChild<QLineEdit*>("BitişTarihiKutusu"); }
    void tamam() { QTest::mouseClick(f.findChild<QPushButton*>("TamamDüğmesi"), Qt::LeftButton); }
    static void yaz(QLineEdit* kutu, const QString& metin) {
        kutu->setFocus();
        kutu->selectAll();
        QTest::keyClick(kutu, Qt::Key_Delete);
        QTest::keyClicks(kutu, metin);
    }
    TarihSeçFormu f;
};

using YazıcıSeçmeTestleri = TestOrtamı;

}  // namespace

TEST_F(TarihSeçTestleri, YılınİlkVeSonGünüyleAçılır) {
    const QString yıl = QString::number(QDate::currentDate().year());
    EXPECT_EQ(f.windowTitle(), "Başlama ve Bitiş Tarihi Seç");
    EXPECT_EQ(f.findChild<QGroupBox*>("Çerçeve")->title(), "Tarih Seç ");
    EXPECT_EQ(f.findChild<QLabel*>("Etiket0")->text(), "&Başlama Tarihi :");
    EXPECT_EQ(f.findChild<QLabel*>("Etiket1")->text(), "Bitiş &Tarihi :");
    EXPECT_EQ(başlama()->text(), "01.01." + yıl);
    EXPECT_EQ(bitiş()->text(), "31.12." + yıl);
    EXPECT_EQ(f.findChild<QPushButton*>("İptalDüğmesi")->text(), "İptal");
}

TEST_F(TarihSeçTestleri, KutuyaGirinceEtiketRenklenirMetinSeçilirEnterİlerletir) {
    başlama()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.findChild<QLabel*>("Etiket0")->palette().color(QPalette::WindowText), Giriş::EtkinEtiketRengi);
    EXPECT_EQ(başlama()->selectedText(), başlama()->text());
    QTest::keyClick(başlama(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), bitiş());
    EXPECT_NE(f.findChild<QLabel*>("Etiket0")->palette().color(QPalette::WindowText), Giriş::EtkinEtiketRengi);
    EXPECT_EQ(f.findChild<QLabel*>("Etiket1")->palette().color(QPalette::WindowText), Giriş::EtkinEtiketRengi);
}

TEST_F(TarihSeçTestleri, YazılanTarihKısaBiçimeDönerHarfAlınmazOlmayanTarihReddedilir) {
    yaz(başlama(), "1a/2b/2026");
    EXPECT_EQ(başlama()->text(), "1/2/2026");
    bitiş()->setFocus();
    EXPECT_EQ(başlama()->text(), "01.02.2026");
    EXPECT_TRUE(mesajlar.empty());

    yaz(başlama(), "31.02.2026");
    bitiş()->setFocus();
    EXPECT_EQ(sonMesaj(), "Lütfen, BAŞLAMA TARİHİ'ni doğru biçimde giriniz.");
    EXPECT_EQ(QApplication::focusWidget(), başlama());
    yaz(başlama(), "01.01.2026");
    // leaving the end box for the start box, or with Tab or Enter for "Tamam", checks at once
    for (const Qt::Key tuş : {Qt::Key_unknown, Qt::Key_Tab, Qt::Key_Return}) {
        mesajlar.clear();
        yaz(bitiş(), "32.1.2026");
        tuş == Qt::Key_unknown ? başlama()->setFocus() : QTest::keyClick(bitiş(), tuş);
        EXPECT_EQ(sonMesaj(), "Lütfen, BİTİŞ TARİHİ'ni doğru biçimde giriniz.") << tuş;
        EXPECT_EQ(QApplication::focusWidget(), bitiş()) << tuş;
        QApplication::processEvents();
        EXPECT_EQ(bitiş()->selectedText(), "32.1.2026") << tuş;
    }
    mesajlar.clear();
    f.findChild<QPushButton*>("İptalDüğmesi")->setFocus(Qt::TabFocusReason);  // "İptal" does not check
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(TarihSeçTestleri, TamamBoşVeKısaAralığıReddeder) {
    yaz(başlama(), "");
    tamam();
    EXPECT_EQ(sonMesaj(), "Lütfen, BAŞLAMA TARİHİ'ni giriniz.");
    EXPECT_EQ(QApplication::focusWidget(), başlama());
    yaz(başlama(), "01.03.2026");
    yaz(bitiş(), "");
    tamam();
    EXPECT_EQ(sonMesaj(), "Lütfen, BİTİŞ TARİHİ'ni giriniz.");
    EXPECT_EQ(QApplication::focusWidget(), bitiş());
    for (const char* son : {"01.03.2026", "28.02.2026"}) {
        yaz(bitiş(), son);
        tamam();
        EXPECT_EQ(sonMesaj(), "İki tarih arasında en az BİR GÜN bulunması gerekiyor!");
        EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Bilgi);
        EXPECT_EQ(QApplication::focusWidget(), başlama());
        EXPECT_TRUE(f.isVisible());
    }
    yaz(bitiş(), "02.03.2026");
    tamam();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.BaşlamaTarihi(), QDate(2026, 3, 1));
    EXPECT_EQ(f.BitişTarihi(), QDate(2026, 3, 2));
}

TEST_F(TarihSeçTestleri, İptalGeçersizTarihteBileKapatır) {
    yaz(bitiş(), "31.02.2026");
    QTest::mouseClick(f.findChild<QPushButton*>("İptalDüğmesi"), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(TarihSeçTestleri, SorKapanmışPenceredenİkiTarihiVerir) {
    f.hide();
    ModalGelinceÇalıştır([](QWidget* w) {
        auto* d = static_cast<TarihSeçFormu*>(w);
        d->BaşlamaTarihiKutusu->setText("01.01.2025");
        d->BitişTarihiKutusu->setText("31.12.2025");
        d->TamamDüğmesi->click();
    });
    const auto t = TarihSeçFormu::Sor(nullptr);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->first, QDate(2025, 1, 1));
    EXPECT_EQ(t->second, QDate(2025, 12, 31));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // closed before the sheet opens

    ModalGelinceÇalıştır([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(TarihSeçFormu::Sor(nullptr));
}

TEST_F(YazıcıSeçmeTestleri, TamamSeçilenYazıcıyıProgramınYazıcısıYapar) {
    YazıcıListesiKaynağıKur([] {
        return std::vector<YazıcıBilgisi>{{"Birinci", "LPT1:", false}, {"İkinci", "USB001", true}};
    });
    GeçerliYazıcıyıSıfırla();
    YazıcıSeçmeFormu f;
    f.show();
    EXPECT_EQ(f.YazıcıAdlarıKutusu->currentText(), "İkinci");  // the one in use
    EXPECT_EQ(f.YazıcıAdlarıKutusu->itemData(0).toInt(), 0);
    EXPECT_EQ(f.YazıcıAdlarıKutusu->itemData(1).toInt(), 1);
    EXPECT_EQ(f.BağlantıNoktasıKutusu->text(), "USB001");
    f.YazıcıAdlarıKutusu->setCurrentIndex(0);
    EXPECT_EQ(f.BağlantıNoktasıKutusu->text(), "LPT1:");
    QTest::mouseClick(f.TamamDüğmesi, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(YazıcıSeçimiİptal);
    EXPECT_EQ(GeçerliYazıcı().ad(), "Birinci");
}

TEST_F(YazıcıSeçmeTestleri, ÇerçevedenKapatmakİptalSayılır) {
    YazıcıSeçmeFormu f;
    f.show();
    f.close();
    EXPECT_TRUE(YazıcıSeçimiİptal);
    EXPECT_EQ(GeçerliYazıcı().ad(), "Kayıt Yazıcısı");
}
