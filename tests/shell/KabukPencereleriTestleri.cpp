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

#include <QApplication>
#include <QFontMetrics>
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
    GirişŞifresiSorFormu sor;
    sabitVeBaşlığaYeterli(&sor);
    TercihlerFormu tercihler;
    sabitVeBaşlığaYeterli(&tercihler);
    YazıcıSeçmeFormu yazıcı;
    sabitVeBaşlığaYeterli(&yazıcı);
    TarihSeçFormu tarih;
    sabitVeBaşlığaYeterli(&tarih);
    HakkındaFormu hakkında;
    sabitVeBaşlığaYeterli(&hakkında);
    HataBildirmeFormu hata;
    sabitVeBaşlığaYeterli(&hata);
    YazdırılıyorFormu yazdırılıyor;
    EXPECT_GE(yazdırılıyor.sizeHint().width(), QFontMetrics(QApplication::font()).horizontalAdvance("Yazdırılıyor...") + 100);
    ListeOluşturuluyorFormu liste;
    liste.AktarmaGörünümü();
    EXPECT_GE(liste.sizeHint().width(),
              QFontMetrics(QApplication::font()).horizontalAdvance("MS Excel'e Aktarılıyor...") + 100);
}
