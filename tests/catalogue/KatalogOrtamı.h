#pragma once
// What the catalogue tests share: the part window shown over a fresh store,
// controls found by name, typing and clicking as a user does, rows put in place.
#include "catalogue/ParçaTanımlaFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

class KatalogOrtamı : public TestOrtamı {
protected:
    void TearDown() override {
        f.reset();
        TestOrtamı::TearDown();
    }

    void aç() {
        f = std::make_unique<ParçaTanımlaFormu>();
        f->show();
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }

    template <class T = QWidget>
    T* k(const char* ad) const {
        T* w = f->findChild<T*>(QString::fromUtf8(ad));
        EXPECT_NE(w, nullptr) << ad;
        return w;
    }

    // Types into a box as the user does: the box gets the focus, then the keys.
    void yaz(QWidget* kutu, const QString& metin) {
        kutu->setFocus();
        Yaz(kutu, metin);
    }
    void yaz(const char* ad, const QString& metin) { yaz(k(ad), metin); }
    void tıkla(const char* ad) { QTest::mouseClick(k<QPushButton>(ad), Qt::LeftButton); }
    void tıkla(QAbstractButton* d) { QTest::mouseClick(d, Qt::LeftButton); }
    QString metni(const char* ad) const {
        QWidget* w = k(ad);
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        return qobject_cast<QLineEdit*>(w)->text();
    }
    QStringList satırlar(const char* liste) const {
        QStringList l;
        auto* w = k<QListWidget>(liste);
        for (int i = 0; i < w->count(); ++i) l << w->item(i)->text();
        return l;
    }
    void satırSeç(const char* liste, const QString& metin) {
        auto* w = k<QListWidget>(liste);
        const auto bulunan = w->findItems(metin, Qt::MatchExactly);
        ASSERT_FALSE(bulunan.isEmpty()) << metin.toStdString();
        w->setCurrentItem(bulunan.first());
    }

    // Finds by the option (0 number, 1 code, 2 name).
    void bul(int seçenek, const QString& metin) {
        tıkla(f->ParçaBulSeçeneği[seçenek]);
        yaz("BulKutusu", metin);
        tıkla("BulDüğmesi");
    }

    static void marka(qlonglong kodu, const QString& markası) {
        VeriTabanı.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (?, ?)", {kodu, markası});
    }
    static qlonglong parça(qlonglong kodu, const QString& nosu, const QString& adı, const QVariant& kdv = QVariant()) {
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, KdvOrani) VALUES (?, ?, ?, ?)",
                            {kodu, nosu, adı, kdv});
        return VeriTabanı.sonEklenenNo();
    }
    static qlonglong say(const QString& tablo, const QString& koşul = "1=1", const QVariantList& d = {}) {
        return VeriTabanı.tekDeğer("SELECT COUNT(*) FROM " + tablo + " WHERE " + koşul, d).toLongLong();
    }

    // Another workstation amid a write of its own (see YazarkenBırakanKoltuk): the SQL of its change.
    static std::shared_ptr<VeritabanıBağlantısı> yazarkenBırakır(const char* değişiklik) {
        return YazarkenBırakanKoltuk([değişiklik](VeritabanıBağlantısı& b) { b.betikÇalıştır(QString::fromUtf8(değişiklik)); });
    }

    std::unique_ptr<ParçaTanımlaFormu> f;
};
