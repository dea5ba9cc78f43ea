#pragma once
// Turkish case and order, through ICU: never QString::toUpper on Turkish text
// (it makes "i" into "I", not "İ").
#include <QCollatorSortKey>
#include <QString>

QString TürkçeBüyükHarf(const QString& metin);
QString TürkçeKüçükHarf(const QString& metin);
// Turkish alphabetical order: negative, 0 or positive.
int TürkçeKarşılaştır(const QString& a, const QString& b);
// The key that orders like TürkçeKarşılaştır; cheaper when many texts are sorted.
QCollatorSortKey TürkçeSıralamaAnahtarı(const QString& metin);
// Equal when letter case is ignored the Turkish way.
bool TürkçeAynı(const QString& a, const QString& b);
// What a free-text box keeps of a typed text: Turkish upper case and every
// apostrophe turned into "’".
QString SerbestMetin(const QString& metin);
