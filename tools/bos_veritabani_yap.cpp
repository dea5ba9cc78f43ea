// Makes the delivered empty store: the six base tables, encrypted with the key.
//   bos_veritabani_yap [--yoksa] <path>
// --yoksa: do nothing when the file exists (a build never overwrites a user's data).
#include "platform/VeritabanıBağlantısı.h"
#include "shell/VeritabanıTabloları.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication uygulama(argc, argv);
    QStringList args = uygulama.arguments().mid(1);
    const bool yoksa = args.removeAll(QStringLiteral("--yoksa")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "kullanım: bos_veritabani_yap [--yoksa] <Ambar.vtb>\n");
        return 2;
    }
    const QString yol = args.front();
    if (QFileInfo::exists(yol)) {
        if (yoksa) return 0;
        std::fprintf(stderr, "%s zaten var\n", qPrintable(yol));
        return 1;
    }
    try {
        VeritabanıBağlantısı vt;
        vt.yeniOluştur(yol);
        TemelTablolarıOluştur(vt);
    } catch (const DeporaHatası& h) {
        std::fprintf(stderr, "%s\n", qPrintable(h.açıklama()));
        QFile::remove(yol);
        return 1;
    }
    return 0;
}
