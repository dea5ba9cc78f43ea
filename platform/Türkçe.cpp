#include "platform/Türkçe.h"

#include <QCollator>
#include <QLocale>

namespace {
const QLocale& türkçe() {
    static const QLocale l(QLocale::Turkish, QLocale::Turkey);
    return l;
}
}  // namespace

QString TürkçeBüyükHarf(const QString& metin) { return türkçe().toUpper(metin); }

QString TürkçeKüçükHarf(const QString& metin) { return türkçe().toLower(metin); }

int TürkçeKarşılaştır(const QString& a, const QString& b) {
    thread_local QCollator c = [] {
        QCollator k(türkçe());
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(false);
        return k;
    }();
    return c.compare(a, b);
}

bool TürkçeAynı(const QString& a, const QString& b) { return TürkçeBüyükHarf(a) == TürkçeBüyükHarf(b); }

QString SerbestMetin(const QString& metin) {
    QString s = TürkçeBüyükHarf(metin);
    s.replace(QLatin1Char('\''), QChar(0x2019));
    return s;
}
