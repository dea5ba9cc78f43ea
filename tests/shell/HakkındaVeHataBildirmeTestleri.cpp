#include "platform/Masaüstü.h"
#include "shell/HakkındaFormu.h"
#include "shell/HataBildirmeFormu.h"
#include "shell/KaynakMetinleri.h"
#include "shell/YapımcıBilgileri.h"
#include "shell/controls/WebEtiketi.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

void fareyiGezdir(QWidget* w) {
    QMouseEvent o(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &o);
}

class BağlantıTestleri : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        Masaüstü::adresAçıcıKur([this](const QString& adres) {
            açılanlar << adres;
            return false;  // no handler: nothing must be reported
        });
    }
    QStringList açılanlar;
};

using WebEtiketiTestleri = BağlantıTestleri;
using HakkındaFormuTestleri = BağlantıTestleri;
using HataBildirmeFormuTestleri = BağlantıTestleri;

}  // namespace

TEST_F(WebEtiketiTestleri, YeniDenetimUçNoktalarlaDüğmeMetniRengindeVeAnaSayfayaBağlı) {
    WebEtiketi e;
    EXPECT_EQ(e.Caption(), "...");
    EXPECT_EQ(e.ForeColor(), QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(e.Url(), YapımcıAnaSayfası());
    EXPECT_EQ(e.PasifRenk(), QColor(128, 64, 64));
    EXPECT_FALSE(e.RenkDeğiştir());
    EXPECT_EQ(e.Etiket->cursor().shape(), Qt::PointingHandCursor);
    // the caption sits with a 2-pixel (30-twip) margin on every side
    EXPECT_EQ(e.Etiket->pos(), QPoint(2, 2));
    EXPECT_EQ(e.width(), e.Etiket->width() + 4);
    EXPECT_EQ(e.height(), e.Etiket->height() + 4);
}

TEST_F(WebEtiketiTestleri, UzunBaşlıkDenetimiAynıMiktardaGenişletir) {
    WebEtiketi e;
    e.Caption("Kısa");
    const int önce = e.width(), etiketÖnce = e.Etiket->width();
    e.Caption("Çok daha uzun bir bağlantı metni");
    EXPECT_GT(e.width(), önce);
    EXPECT_EQ(e.width() - önce, e.Etiket->width() - etiketÖnce);
}

TEST_F(WebEtiketiTestleri, AktifRenkHemenBoyarPasifRenkDeğiştirmez) {
    WebEtiketi e;
    const QColor ilk = e.ForeColor();
    e.PasifRenk(QColor(1, 2, 3));
    EXPECT_EQ(e.ForeColor(), ilk);
    e.AktifRenk(QColor(200, 0, 0));
    EXPECT_EQ(e.ForeColor(), QColor(200, 0, 0));
}

TEST_F(WebEtiketiTestleri, KaydedilenÖzelliklerGeriYüklenirAktifRenkBaşlığaUygulanmaz) {
    WebEtiketi e;
    e.Caption("Bağlantı");
    e.ForeColor(QColor(10, 20, 30));
    e.FontUnderline(true);
    e.Url("http://ornek");
    QVariantMap torba = e.ÖzellikleriYaz();
    EXPECT_EQ(torba.size(), 8);
    torba.remove("AktifRenk");  // a control that never had it set

    WebEtiketi yeni;
    yeni.ÖzellikleriOku(torba);
    EXPECT_EQ(yeni.Caption(), "Bağlantı");
    EXPECT_TRUE(yeni.FontUnderline());
    EXPECT_EQ(yeni.ForeColor(), QColor(10, 20, 30));
    EXPECT_EQ(yeni.Url(), "http://ornek");
    EXPECT_EQ(yeni.ÖzellikleriYaz().value("AktifRenk").value<QColor>(), QColor(0, 0, 255));
    EXPECT_EQ(yeni.ForeColor(), QColor(10, 20, 30));  // reading the stored value above did not paint
}

TEST_F(WebEtiketiTestleri, FareOlayınıAktarırTıklamaAdresiAçar) {
    WebEtiketi e;
    e.Url("http://ornek/sayfa");
    int olay = 0;
    e.MouseMove = [&](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) {
        ++olay;
        EXPECT_DOUBLE_EQ(x, 30);
        EXPECT_DOUBLE_EQ(y, 30);
    };
    fareyiGezdir(e.Etiket);
    EXPECT_EQ(olay, 1);
    QTest::mouseClick(e.Etiket, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(açılanlar, QStringList{"http://ornek/sayfa"});
    EXPECT_TRUE(mesajlar.empty());  // a failed open reports nothing
}

TEST_F(HakkındaFormuTestleri, BaşlıkSürümVeKullanıcıBilgileriniGösterir) {
    HakkındaFormu f;
    f.show();
    EXPECT_EQ(f.windowTitle(), "Hakkında");
    EXPECT_EQ(f.findChild<QLabel*>("Etiket0")->text(), KaynakMetni(10));
    EXPECT_EQ(f.findChild<QLabel*>("Etiket1")->text(),
              QStringLiteral("Sürüm %1.%2%3").arg(DEPORA_SURUM_BUYUK).arg(DEPORA_SURUM_KUCUK).arg(DEPORA_SURUM_DUZELTME));
    EXPECT_FALSE(f.findChild<QLabel*>("Etiket2")->text().isEmpty());
    EXPECT_EQ(f.findChild<QLabel*>("KullanıcıAdıEtiketi")->text(), Masaüstü::kullanıcıAdı());
    EXPECT_EQ(f.findChild<QLabel*>("KuruluşAdıEtiketi")->text(), Masaüstü::kuruluş());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(HakkındaFormuTestleri, BağlantıFareyleAltıÇiziliOlurTıklanıncaAnaSayfayıAçar) {
    HakkındaFormu f;
    f.show();
    auto* bağlantı = f.findChild<WebEtiketi*>("ORVELTAEtiketi");
    ASSERT_TRUE(bağlantı);
    EXPECT_EQ(bağlantı->Caption(), QString::fromUtf8(Yapımcı.webSunucusu));
    fareyiGezdir(bağlantı->Etiket);
    EXPECT_TRUE(bağlantı->FontUnderline());
    fareyiGezdir(f.findChild<QWidget*>("Altlık"));
    EXPECT_FALSE(bağlantı->FontUnderline());
    QTest::mouseClick(bağlantı->Etiket, Qt::LeftButton, {}, QPoint(2, 2));
    f.ORVELTAEtiketi_Click();
    EXPECT_EQ(açılanlar, (QStringList{YapımcıAnaSayfası(), YapımcıAnaSayfası()}));
    EXPECT_TRUE(f.isVisible());
}

TEST_F(HakkındaFormuTestleri, EscPencereyiKapatır) {
    HakkındaFormu f;
    f.show();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(HataBildirmeFormuTestleri, BağlantılarHataSayfasınıVePostayıAçar) {
    HataBildirmeFormu f;
    f.show();
    EXPECT_EQ(f.windowTitle(), "Hata Bildirme");
    auto* web = f.findChild<WebEtiketi*>("WebEtiketi");
    auto* posta = f.findChild<WebEtiketi*>("EPostaEtiketi");
    ASSERT_TRUE(web && posta);
    EXPECT_EQ(web->Caption(), "Mesaj Gönder");
    EXPECT_EQ(posta->Caption(), "E-Posta Gönder");
    EXPECT_EQ(posta->toolTip(), QString::fromUtf8(Yapımcı.ePosta));
    QTest::mouseClick(web->Etiket, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(posta->Etiket, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(açılanlar, (QStringList{"http://" + QString::fromUtf8(Yapımcı.webSunucusu) +
                                          "/asp/mesaj/mesaj.asp?ProgramAdi=Depora",
                                      "mailto:" + QString::fromUtf8(Yapımcı.ePosta)}));
    EXPECT_TRUE(f.isVisible());  // no handler: the window stays, nothing is shown
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(HataBildirmeFormuTestleri, AltÇizgiFareyleBirBağlantıdanÖbürüneGeçerZemindeKalkar) {
    HataBildirmeFormu f;
    f.show();
    auto* web = f.findChild<WebEtiketi*>("WebEtiketi");
    auto* posta = f.findChild<WebEtiketi*>("EPostaEtiketi");
    fareyiGezdir(web->Etiket);
    EXPECT_TRUE(web->FontUnderline());
    EXPECT_FALSE(posta->FontUnderline());
    fareyiGezdir(posta->Etiket);
    EXPECT_FALSE(web->FontUnderline());
    EXPECT_TRUE(posta->FontUnderline());
    fareyiGezdir(f.findChild<QWidget*>("Altlık"));
    EXPECT_FALSE(web->FontUnderline());
    EXPECT_FALSE(posta->FontUnderline());
}

TEST_F(HataBildirmeFormuTestleri, TamamVeEscKapatır) {
    {
        HataBildirmeFormu f;
        f.show();
        EXPECT_EQ(f.findChild<QLabel*>("SimgeKutusu")->property("simge").toString(), "HATABILDIRME");
        f.findChild<QPushButton*>("TamamButonu")->click();
        EXPECT_FALSE(f.isVisible());
    }
    HataBildirmeFormu f;
    f.show();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}
