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
#include <functional>
#include <memory>

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
};

TEST_F(KabukPencereleriTesti, PencerelerSabitVeBaşlıklarıSığar) {
    for (bool şifreVar : {false, true}) {
        GirişŞifresiSor = şifreVar;
        GirişŞifresiBelirleDeğiştirFormu belirle;
        sabitVeBaşlığaYeterli(&belirle);
    }
    GirişŞifresiSor = false;
    auto sına = []<class P>(P*) {
        P p;
        sabitVeBaşlığaYeterli(&p);
    };
    sına((GirişŞifresiSorFormu*)nullptr);
    sına((TercihlerFormu*)nullptr);
    sına((YazıcıSeçmeFormu*)nullptr);
    sına((TarihSeçFormu*)nullptr);
    sına((HakkındaFormu*)nullptr);
    sına((HataBildirmeFormu*)nullptr);
    YazdırılıyorFormu yazdırılıyor;
    EXPECT_GE(yazdırılıyor.sizeHint().width(), QFontMetrics(QApplication::font()).horizontalAdvance("Yazdırılıyor...") + 100);
    ListeOluşturuluyorFormu liste;
    liste.AktarmaGörünümü();
    EXPECT_GE(liste.sizeHint().width(),
              QFontMetrics(QApplication::font()).horizontalAdvance("MS Excel'e Aktarılıyor...") + 100);
}

// The windows laid out by positions: their client area and a control where the
// layout puts them (twips, 15 to a pixel), within 2 pixels.
TEST_F(KabukPencereleriTesti, KonumluPencerelerDüzendekiBoyutlarda) {
    struct Pencere {
        std::function<std::unique_ptr<QDialog>()> yap;
        int genişlik, yükseklik;
        const char* denetim;
        int sol, üst;
    };
    auto yap = []<class P>(P*) { return [] { return std::unique_ptr<QDialog>(new P); }; };
    const Pencere pencereler[] = {
        {yap((ParçaTanımlaFormu*)nullptr), 9525, 6390, "Çerçeve2", 3660, 270},
        {yap((ParçaGirişiFormu*)nullptr), 10455, 8115, "KapatDüğmesi", 8385, 7470},
        {yap((FişNoveTarihDeğiştirFormu*)nullptr), 4680, 2010, "TamamDüğmesi", 3150, 810},
        {yap((FişNoveTarihDeğiştirFormu*)nullptr), 4680, 2010, "TarihiKutusu", 240 + 120 + 870, 240 + 210 + 570},
        {yap((DiğerGirişFişiBilgileriFormu*)nullptr), 6585, 4170, "İptalDüğmesi", 5040, 3420},
        {yap((DiğerGirişFişiBilgileriFormu*)nullptr), 6585, 4170, "AyniyatSaymanıKutusu", 240 + 120 + 1620, 2400 + 240 + 600},
        {yap((DiğerÇıkışFişiBilgileriFormu*)nullptr), 6315, 6675, "TamamDüğmesi", 4740, 5370},
        {yap((DiğerÇıkışFişiBilgileriFormu*)nullptr), 6315, 6675, "TeslimAlanKutusu", 270 + 120 + 1110, 4470 + 210 + 810},
    };
    for (const Pencere& p : pencereler) {
        const auto f = p.yap();
        f->show();
        QApplication::processEvents();
        SCOPED_TRACE(f->objectName().toStdString() + " " + p.denetim);
        EXPECT_NEAR(f->width(), p.genişlik / 15.0, 2);
        EXPECT_NEAR(f->height(), p.yükseklik / 15.0, 2);
        const QWidget* d = f->findChild<QWidget*>(QString::fromUtf8(p.denetim));
        ASSERT_NE(d, nullptr);
        const QPoint yer = d->mapTo(f.get(), QPoint());
        EXPECT_NEAR(yer.x(), p.sol / 15.0, 2);
        EXPECT_NEAR(yer.y(), p.üst / 15.0, 2);
    }
}
