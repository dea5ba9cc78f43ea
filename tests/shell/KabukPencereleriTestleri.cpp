#include "catalogue/ParçaTanımlaFormu.h"
#include "receipts/ParçaGirişiFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişŞifresiBelirleDeğiştirFormu.h"
#include "shell/GirişŞifresiSorFormu.h"
#include "shell/HakkındaFormu.h"
#include "shell/HataBildirmeFormu.h"
#include "shell/ListeOluşturuluyorFormu.h"
#include "shell/TarihSeçFormu.h"
#include "shell/TercihlerFormu.h"
#include "shell/YazdırılıyorFormu.h"
#include "shell/YazıcıSeçmeFormu.h"
#include "tests/ortak/TestOrtamı.h"
#include "vouchers/DiğerGirişFişiBilgileriFormu.h"
#include "vouchers/DiğerÇıkışFişiBilgileriFormu.h"
#include "vouchers/FişNoveTarihDeğiştirFormu.h"

#include <QApplication>
#include <QFontMetrics>
#include <memory>
#include <tuple>

class KabukPencereleriTesti : public TestOrtamı {
protected:
    // A fixed dialog without minimise and maximise buttons, wide enough for its
    // caption in a title bar (bold, with the icon and the buttons beside it).
    static void sabitVeBaşlığaYeterli(QDialog* p) {
        SCOPED_TRACE(p->objectName().toStdString());
        p->show();
        QApplication::processEvents();
        EXPECT_FALSE(p->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(p->minimumSize(), p->maximumSize());
        QFont kalın = QApplication::font();
        kalın.setBold(true);
        EXPECT_GE(p->width(), QFontMetrics(kalın).horizontalAdvance(p->windowTitle()) + 100)
            << p->windowTitle().toStdString() << " " << p->width();
        p->hide();
    }
    template <class... P>
    static void hepsiSabitVeBaşlığaYeterli() {
        (sabitVeBaşlığaYeterli(std::make_unique<P>().get()), ...);
    }
    // A window laid out by positions: its client area and controls (name, left,
    // top) where the layout puts them, in twips (15 to a pixel), within 2 pixels.
    template <class P>
    static void düzendeki(int genişlik, int yükseklik, std::initializer_list<std::tuple<const char*, int, int>> denetimler) {
        P f;
        f.show();
        QApplication::processEvents();
        SCOPED_TRACE(f.objectName().toStdString());
        EXPECT_NEAR(f.width(), genişlik / 15.0, 2);
        EXPECT_NEAR(f.height(), yükseklik / 15.0, 2);
        for (const auto& [ad, sol, üst] : denetimler) {
            const QWidget* d = f.template findChild<QWidget*>(QString::fromUtf8(ad));
            ASSERT_NE(d, nullptr) << ad;
            EXPECT_NEAR(d->mapTo(&f, QPoint()).x(), sol / 15.0, 2) << ad;
            EXPECT_NEAR(d->mapTo(&f, QPoint()).y(), üst / 15.0, 2) << ad;
        }
    }
};

TEST_F(KabukPencereleriTesti, PencerelerSabitVeBaşlıklarıSığar) {
    for (bool şifreVar : {false, true}) {
        GirişŞifresiSor = şifreVar;
        GirişŞifresiBelirleDeğiştirFormu belirle;
        sabitVeBaşlığaYeterli(&belirle);
    }
    GirişŞifresiSor = false;
    hepsiSabitVeBaşlığaYeterli<GirişŞifresiSorFormu, TercihlerFormu, YazıcıSeçmeFormu, TarihSeçFormu, HakkındaFormu,
                               HataBildirmeFormu>();
    YazdırılıyorFormu yazdırılıyor;
    EXPECT_GE(yazdırılıyor.sizeHint().width(), QFontMetrics(QApplication::font()).horizontalAdvance("Yazdırılıyor...") + 100);
    ListeOluşturuluyorFormu liste;
    liste.AktarmaGörünümü();
    EXPECT_GE(liste.sizeHint().width(),
              QFontMetrics(QApplication::font()).horizontalAdvance("MS Excel'e Aktarılıyor...") + 100);
}

TEST_F(KabukPencereleriTesti, KonumluPencerelerDüzendekiBoyutlarda) {
    düzendeki<ParçaTanımlaFormu>(9525, 6390, {{"Çerçeve2", 3660, 270}});
    düzendeki<ParçaGirişiFormu>(10455, 8115, {{"KapatDüğmesi", 8385, 7470}});
    düzendeki<FişNoveTarihDeğiştirFormu>(4680, 2010, {{"TamamDüğmesi", 3150, 810}, {"TarihiKutusu", 1230, 1020}});
    düzendeki<DiğerGirişFişiBilgileriFormu>(6585, 4170, {{"İptalDüğmesi", 5040, 3420}, {"AyniyatSaymanıKutusu", 1980, 3240}});
    düzendeki<DiğerÇıkışFişiBilgileriFormu>(6315, 6675, {{"TamamDüğmesi", 4740, 5370}, {"TeslimAlanKutusu", 1500, 5490}});
}
