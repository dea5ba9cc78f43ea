#include "platform/SayıTarih.h"

#include "platform/DeporaHatası.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// The value as 15 significant digits: sayı = basamaklar * 10^üs.
struct OnbeşBasamak {
    bool eksi = false;
    std::int64_t basamaklar = 0;  // < 10^15
    int üs = 0;
};

OnbeşBasamak ayrıştır(double sayı) {
    OnbeşBasamak o;
    if (sayı == 0.0 || !std::isfinite(sayı)) return o;
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.14e", sayı);
    const char* p = tampon;
    if (*p == '-') { o.eksi = true; ++p; }
    std::int64_t b = 0;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') b = b * 10 + (*p - '0');
    int e = *p == 'e' ? std::atoi(p + 1) : 0;
    o.basamaklar = b;
    o.üs = e - 14;
    return o;
}

constexpr std::int64_t onunKuvveti(int n) {
    std::int64_t k = 1;
    for (int i = 0; i < n; ++i) k *= 10;
    return k;
}

// basamaklar * 10^üs scaled to 10^-ölçek units, rounded; nothing on overflow.
std::optional<std::int64_t> ölçekle(const OnbeşBasamak& o, int ölçek, bool yarıdaÇifte) {
    const int kaydır = o.üs + ölçek;
    std::int64_t sonuç;
    if (kaydır >= 0) {
        if (kaydır > 18) return std::nullopt;
        const std::int64_t k = onunKuvveti(kaydır);
        if (o.basamaklar > std::numeric_limits<std::int64_t>::max() / k) return std::nullopt;
        sonuç = o.basamaklar * k;
    } else if (-kaydır > 16) {
        sonuç = 0;
    } else {
        const std::int64_t bölen = onunKuvveti(-kaydır);
        std::int64_t bölüm = o.basamaklar / bölen;
        const std::int64_t kalan = o.basamaklar % bölen;
        if (kalan * 2 > bölen || (kalan * 2 == bölen && (!yarıdaÇifte || bölüm % 2 == 1))) ++bölüm;
        sonuç = bölüm;
    }
    return o.eksi ? -sonuç : sonuç;
}

QString grupla(const QString& tamKısım) {
    QString s;
    const int n = tamKısım.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) s += QLatin1Char('.');
        s += tamKısım[i];
    }
    return s;
}

// Ten-thousandths (or hundredths) as "d.ddd,dd" text.
QString ölçekliMetin(std::int64_t değer, int ölçek, bool grupluVeSabit) {
    const bool eksi = değer < 0;
    const std::uint64_t m = eksi ? 0 - static_cast<std::uint64_t>(değer) : static_cast<std::uint64_t>(değer);
    const std::uint64_t k = static_cast<std::uint64_t>(onunKuvveti(ölçek));
    QString tam = QString::number(m / k);
    QString kesir = QString::number(m % k).rightJustified(ölçek, QLatin1Char('0'));
    if (!grupluVeSabit) {
        while (kesir.endsWith(QLatin1Char('0'))) kesir.chop(1);
    } else {
        tam = grupla(tam);
    }
    QString s = tam;
    if (!kesir.isEmpty()) s += QLatin1Char(',') + kesir;
    if (eksi && (m != 0)) s.prepend(QLatin1Char('-'));
    return s;
}

// The common figure as the lists and sheets write it ("-1.234,57": a sign,
// digits grouped by dots, two decimals) in hundredths, read digit by digit;
// nothing for any other text or one too long to be exact, which the general
// reader takes. Sheets read back every figure they show: this keeps that cheap.
std::optional<std::int64_t> yüzdeBirleri(const QString& metin) {
    const qsizetype n = metin.size();
    const qsizetype i = n > 0 && metin[0] == QLatin1Char('-') ? 1 : 0;
    if (n - i < 4 || n - i > 22 || metin[n - 3] != QLatin1Char(',')) return std::nullopt;
    std::int64_t y = 0;
    int basamak = 0;
    for (qsizetype k = i; k < n; ++k) {
        const QChar c = metin[k];
        const qsizetype sondan = n - 3 - k;  // places before the comma (negative after it)
        if (c == QLatin1Char('.') && sondan > 0 && sondan % 4 == 0 && k > i) continue;
        if (c == QLatin1Char(',') && sondan == 0) continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || (sondan > 0 && sondan % 4 == 0)) return std::nullopt;
        y = y * 10 + (c.unicode() - u'0');
        ++basamak;
    }
    if (basamak > 15) return std::nullopt;
    return i == 1 ? -y : y;
}

}  // namespace

Para Para::sayıdan(double sayı) {
    if (!std::isfinite(sayı)) throw DeporaHatası(HataNo::Taşma, QStringLiteral("Taşma"));
    const auto v = ölçekle(ayrıştır(sayı), 4, true);
    if (!v) throw DeporaHatası(HataNo::Taşma, QStringLiteral("Taşma"));
    return onBindeden(*v);
}

std::optional<Para> Para::metinden(const QString& metin) {
    if (const auto y = yüzdeBirleri(metin)) return onBindeden(*y * 100);
    const auto s = SayıOku(metin);
    if (!s) return std::nullopt;
    const auto v = ölçekle(ayrıştır(*s), 4, true);
    if (!v) return std::nullopt;
    return onBindeden(*v);
}

Para Para::operator+(Para b) const {
    std::int64_t r;
    if (__builtin_add_overflow(d_, b.d_, &r)) throw DeporaHatası(HataNo::Taşma, QStringLiteral("Taşma"));
    return onBindeden(r);
}

Para Para::operator-(Para b) const {
    std::int64_t r;
    if (__builtin_sub_overflow(d_, b.d_, &r)) throw DeporaHatası(HataNo::Taşma, QStringLiteral("Taşma"));
    return onBindeden(r);
}

double OndalığaYuvarla(double sayı, int basamak, bool yarıdaÇifte) {
    if (!std::isfinite(sayı)) return sayı;
    const auto o = ayrıştır(sayı);
    const auto v = ölçekle(o, basamak, yarıdaÇifte);
    if (!v) return sayı;  // too large to have decimals worth rounding
    return static_cast<double>(*v) / static_cast<double>(onunKuvveti(basamak));
}

double Normalleştir(double miktar) {
    const double r = OndalığaYuvarla(miktar, 6);
    return r == 0.0 ? 0.0 : r;  // no "-0"
}

QString BiçimliSayı(double sayı) {
    const auto v = ölçekle(ayrıştır(sayı), 2, false);
    if (!v) return QString::number(sayı, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
    return ölçekliMetin(*v, 2, true);
}

QString BiçimliSayı(Para tutar) {
    // ten-thousandths to hundredths, halves away from zero
    const std::int64_t d = tutar.onBinde();
    std::int64_t y = d / 100;
    const std::int64_t kalan = d % 100;
    if (kalan >= 50) ++y;
    if (kalan <= -50) --y;
    return ölçekliMetin(y, 2, true);
}

QString GenelSayı(double sayı) {
    if (sayı == 0.0 || !std::isfinite(sayı)) return QStringLiteral("0");
    QString s = QString::number(sayı, 'g', 15);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    const int e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // 5.55111512312578e-17 -> 5,55111512312578E-17
        QString üs = s.mid(e + 1);
        const QChar işaret = üs[0];
        üs = üs.mid(1);
        while (üs.size() > 2 && üs.startsWith(QLatin1Char('0'))) üs.remove(0, 1);
        s = s.left(e) + QLatin1Char('E') + işaret + üs;
    }
    return s;
}

QString GenelSayı(Para tutar) { return ölçekliMetin(tutar.onBinde(), 4, false); }

std::optional<double> SayıOku(const QString& metin) {
    // hundredths over 100 is the double nearest the decimal, as the parse below gives
    if (const auto y = yüzdeBirleri(metin)) {
        const double d = static_cast<double>(std::llabs(*y)) / 100;
        return metin.startsWith(QLatin1Char('-')) ? -d : d;
    }
    QString s = metin.trimmed();
    s.remove(QLatin1Char(' '));
    if (s.isEmpty()) return std::nullopt;
    s.remove(QLatin1Char('.'));
    if (s.count(QLatin1Char(',')) > 1) return std::nullopt;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression biçim(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!biçim.match(s).hasMatch()) return std::nullopt;
    bool tamam = false;
    const double d = s.toDouble(&tamam);
    if (!tamam || !std::isfinite(d)) return std::nullopt;
    return d;
}

std::int64_t TamSayıDeğeri(const QString& metin) {
    std::int64_t d = 0;
    int i = 0;
    while (i < metin.size() && metin[i].isSpace()) ++i;
    for (; i < metin.size() && metin[i] >= QLatin1Char('0') && metin[i] <= QLatin1Char('9'); ++i) {
        const int rakam = metin[i].unicode() - '0';
        if (d > (INT64_MAX - rakam) / 10) return INT64_MAX;
        d = d * 10 + rakam;
    }
    return d;
}

QString KısaTarih(const QDate& tarih) {
    return tarih.isValid() ? tarih.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

std::optional<QDate> TarihOku(const QString& metin) {
    const QString s = metin.trimmed();
    static const QRegularExpression biçim(
        QStringLiteral("^(\\d{1,2})[./-](\\d{1,2})(?:[./-](\\d{2}|\\d{4}))?$"));
    const auto m = biçim.match(s);
    if (!m.hasMatch()) return std::nullopt;
    const int gün = m.captured(1).toInt();
    const int ay = m.captured(2).toInt();
    // day and month alone mean this year
    int yıl = m.captured(3).isEmpty() ? QDate::currentDate().year() : m.captured(3).toInt();
    if (m.captured(3).size() == 2) yıl += yıl < 30 ? 2000 : 1900;
    if (yıl < 100) return std::nullopt;
    const QDate t(yıl, ay, gün);
    if (!t.isValid()) return std::nullopt;
    return t;
}

QString VtTarihi(const QDate& tarih) { return tarih.toString(Qt::ISODate); }

QDate VtTarihindenOku(const QString& metin) { return QDate::fromString(metin.left(10), Qt::ISODate); }
