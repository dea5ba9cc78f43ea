#include "platform/AyarDeposu.h"

#include "platform/DeporaHatası.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {

struct Bölüm {
    QString ad;
    std::vector<std::pair<QString, QString>> değerler;
};

struct Dosya {
    std::vector<Bölüm> bölümler;
};

QHash<QString, Dosya>& dosyalar() {
    static QHash<QString, Dosya> d;
    return d;
}

QString yapılandırmaKlasörü() {
    const QByteArray ortam = qgetenv("DEPORA_AYAR_KLASORU");
    if (!ortam.isEmpty()) return QString::fromLocal8Bit(ortam);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// Backslash-separated keys and values are kept as they are; only line breaks
// and the escape character itself are escaped.
QString kaçır(const QString& s) {
    QString r;
    for (QChar c : s) {
        if (c == QLatin1Char('\\')) r += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n')) r += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r')) r += QStringLiteral("\\r");
        else r += c;
    }
    return r;
}

QString çöz(const QString& s) {
    QString r;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == QLatin1Char('\\') && i + 1 < s.size()) {
            const QChar n = s[++i];
            r += n == QLatin1Char('n') ? QChar('\n') : n == QLatin1Char('r') ? QChar('\r') : n;
        } else {
            r += s[i];
        }
    }
    return r;
}

Dosya& yükle(const QString& uygulama) {
    const QString yol = AyarDeposu::dosyaYolu(uygulama);
    auto it = dosyalar().find(yol);
    if (it != dosyalar().end()) return *it;
    Dosya d;
    QFile f(yol);
    if (f.open(QIODevice::ReadOnly)) {
        Bölüm* şimdiki = nullptr;
        const QByteArray içerik = f.readAll();
        qsizetype son = -1;
        if (içerik.startsWith("\xEF\xBB\xBF")) son = 2;  // a byte-order mark left by an editor
        while (son < içerik.size()) {
            const qsizetype baş = son + 1;
            son = içerik.indexOf('\n', baş);
            if (son < 0) son = içerik.size();
            // no value the program writes comes near the limit: a longer line is not its own
            if (son - baş > AyarDeposu::EnUzunSatır) continue;
            const QByteArrayView ham(içerik.constData() + baş, son - baş);
            QString satır = QString::fromUtf8(ham);
            if (satır.endsWith(QLatin1Char('\r'))) satır.chop(1);
            if (satır.startsWith(QLatin1Char('[')) && satır.endsWith(QLatin1Char(']'))) {
                d.bölümler.push_back({çöz(satır.mid(1, satır.size() - 2)), {}});
                şimdiki = &d.bölümler.back();
                continue;
            }
            const int eşit = satır.indexOf(QLatin1Char('='));
            if (!şimdiki || eşit < 0) continue;
            şimdiki->değerler.emplace_back(çöz(satır.left(eşit)), çöz(satır.mid(eşit + 1)));
        }
    }
    return *dosyalar().insert(yol, std::move(d));
}

void kaydet(const QString& uygulama, const Dosya& d) {
    const QString yol = AyarDeposu::dosyaYolu(uygulama);
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QSaveFile f(yol);
    // readable by the user alone, whatever the umask and whatever the old file allowed
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text) ||
        !f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw DeporaHatası(75, QStringLiteral("Ayar dosyası yazılamıyor: %1").arg(yol));
    QTextStream out(&f);
    out.setEncoding(QStringConverter::Utf8);
    for (const auto& b : d.bölümler) {
        // '=' cannot appear in a key: keys are program-made words
        out << '[' << kaçır(b.ad) << "]\n";
        for (const auto& [k, v] : b.değerler) out << kaçır(k) << '=' << kaçır(v) << '\n';
    }
    out.flush();
    if (!f.commit()) throw DeporaHatası(75, QStringLiteral("Ayar dosyası yazılamıyor: %1").arg(yol));
}

Bölüm* bul(Dosya& d, const QString& bölüm) {
    for (auto& b : d.bölümler)
        if (b.ad.compare(bölüm, Qt::CaseInsensitive) == 0) return &b;
    return nullptr;
}

}  // namespace

namespace AyarDeposu {

QString dosyaYolu(const QString& uygulama) {
    QString göreli = uygulama;
    göreli.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return yapılandırmaKlasörü() + QLatin1Char('/') + göreli + QStringLiteral(".ini");
}

void yenidenYükle() { dosyalar().clear(); }

QString oku(const QString& uygulama, const QString& bölüm, const QString& anahtar, const QString& varsayılan) {
    Dosya& d = yükle(uygulama);
    if (const Bölüm* b = bul(d, bölüm))
        for (const auto& [k, v] : b->değerler)
            if (k.compare(anahtar, Qt::CaseInsensitive) == 0) return v;
    return varsayılan;
}

void yaz(const QString& uygulama, const QString& bölüm, const QString& anahtar, const QString& değer) {
    Dosya d = yükle(uygulama);  // change a copy: a failed write leaves memory as the file is
    Bölüm* b = bul(d, bölüm);
    if (!b) {
        d.bölümler.push_back({bölüm, {}});
        b = &d.bölümler.back();
    }
    bool var = false;
    for (auto& [k, v] : b->değerler)
        if (k.compare(anahtar, Qt::CaseInsensitive) == 0) {
            v = değer;
            var = true;
        }
    if (!var) b->değerler.emplace_back(anahtar, değer);
    kaydet(uygulama, d);
    dosyalar()[dosyaYolu(uygulama)] = std::move(d);
}

std::vector<std::pair<QString, QString>> bölümüOku(const QString& uygulama, const QString& bölüm) {
    Dosya& d = yükle(uygulama);
    if (const Bölüm* b = bul(d, bölüm)) return b->değerler;
    return {};
}

void sil(const QString& uygulama, const QString& bölüm, const QString& anahtar) {
    Dosya d = yükle(uygulama);
    for (auto it = d.bölümler.begin(); it != d.bölümler.end(); ++it) {
        if (it->ad.compare(bölüm, Qt::CaseInsensitive) != 0) continue;
        if (anahtar.isEmpty()) {
            d.bölümler.erase(it);
        } else {
            std::erase_if(it->değerler, [&](const auto& kv) { return kv.first.compare(anahtar, Qt::CaseInsensitive) == 0; });
        }
        break;
    }
    kaydet(uygulama, d);
    dosyalar()[dosyaYolu(uygulama)] = std::move(d);
}

}  // namespace AyarDeposu
