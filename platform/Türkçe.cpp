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

namespace {
QCollator& sıralayıcı() {
    thread_local QCollator c = [] {
        QCollator k(türkçe());
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(false);
        return k;
    }();
    return c;
}
}  // namespace

int TürkçeKarşılaştır(const QString& a, const QString& b) { return sıralayıcı().compare(a, b); }

QCollatorSortKey TürkçeSıralamaAnahtarı(const QString& metin) { return sıralayıcı().sortKey(metin); }

bool TürkçeAynı(const QString& a, const QString& b) { return TürkçeBüyükHarf(a) == TürkçeBüyükHarf(b); }

QString SerbestMetin(const QString& metin) {
    QString s = TürkçeBüyükHarf(metin);
    s.replace(QLatin1Char('\''), QChar(0x2019));
    return s;
}
