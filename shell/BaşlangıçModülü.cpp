#include "shell/BaşlangıçModülü.h"

#include "platform/Masaüstü.h"
#include "platform/MesajKapısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/KaynakMetinleri.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QApplication>
#include <QMainWindow>

int Main(QApplication& uygulama) {
    ProgramBaşlığı = KaynakMetni(10) + QStringLiteral(" %1.%2%3 (Sunucu)")
                                           .arg(DEPORA_SURUM_BUYUK)
                                           .arg(DEPORA_SURUM_KUCUK)
                                           .arg(DEPORA_SURUM_DUZELTME);
    MesajKapısı::başlığıAyarla(ProgramBaşlığı);
    ProgramKlasörü = Masaüstü::programKlasörü();
    if (!HataYönetimiyle([] { VeriTabanı.aç(ProgramKlasörü + QStringLiteral("Ambar.vtb")); })) return 1;
    QMainWindow ana;
    ana.setWindowTitle(ProgramBaşlığı);
    ana.resize(800, 600);
    ana.show();
    return uygulama.exec();
}
