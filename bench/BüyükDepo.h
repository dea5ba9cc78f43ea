#pragma once
// A store the size users keep: 20,000 parts over 50 brand codes (400 a code) and
// the given number of movements, half receipts, half issues. Made once per run
// in a temporary folder.
#include "platform/VeritabanıBağlantısı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/VeritabanıTabloları.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

inline QTemporaryDir& klasör() {
    static QTemporaryDir k;
    return k;
}

// Makes a store with the given number of movements (half receipts, half issues) over 20,000 parts.
inline QString storeYap(const QString& ad, int hareketSayısı) {
    const QString yol = klasör().path() + "/" + ad + "/Ambar.vtb";
    if (QFile::exists(yol)) return yol;
    QDir().mkpath(klasör().path() + "/" + ad);
    VeritabanıBağlantısı vt;
    vt.yeniOluştur(yol);
    TemelTablolarıOluştur(vt);
    İşlem i(vt);
    for (int k = 1; k <= 50; ++k)
        vt.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (?, ?)", {k, QString("MARKA %1").arg(k)});
    for (int p = 1; p <= 20000; ++p)
        vt.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi) VALUES (?, ?, ?)",
                    {p % 50 + 1, QString("N%1").arg(p), QString("PARÇA %1").arg(p)});
    const QDate gün(QDate::currentDate().year(), 1, 1);
    for (int h = 0; h < hareketSayısı / 2; ++h) {
        vt.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari) "
                    "VALUES (?, 1, ?, ?, 10, 50000, 500000)",
                    {h % 20000 + 1, gün.addDays(h % 300), h / 10 + 1});
        vt.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, Tutari) "
                    "VALUES (?, 1, ?, ?, 'SERVİS', 4, 200000)",
                    {h % 20000 + 1, gün.addDays(h % 300), h / 10 + 1});
    }
    i.onayla();
    return yol;
}

// The main of a benchmark that builds windows: offscreen unless told otherwise,
// settings in the temporary folder, the store closed at the end.
inline int PencereliÖlçümler(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DEPORA_AYAR_KLASORU", (klasör().path() + "/ayarlar").toLocal8Bit());
    QApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    VeriTabanı.kapat();
    return 0;
}
