#pragma once
// What the shell tests share: movement rows, a main window with recording
// openers, and the program-wide state they touch.
#include "shell/AnaForm.h"
#include "shell/GenelDeğişkenler.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QDate>
#include <memory>
#include <vector>

inline int BuYıl() { return QDate::currentDate().year(); }

inline void GirişEkle(const QDate& tarih, qlonglong fişNo, qlonglong parçaNo = 1) {
    VeriTabanı.çalıştır(QStringLiteral("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, "
                                       "Fiyati, Tutari) VALUES (?, 10, ?, ?, 2, 50000, 100000)"),
                        {parçaNo, tarih, fişNo});
}

inline void ÇıkışEkle(const QDate& tarih, qlonglong fişNo, qlonglong parçaNo = 1) {
    VeriTabanı.çalıştır(QStringLiteral("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, "
                                       "VerilecekYer, Miktari, Tutari) VALUES (?, 10, ?, ?, 'DEPO', 1, 50000)"),
                        {parçaNo, tarih, fişNo});
}

class KabukTesti : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        QApplication::setQuitOnLastWindowClosed(false);
        ProgramBaşlığı = QStringLiteral("Orvelta - Depora 1.00 (Sunucu)");
        YılBaşıTarihi = YılSonuTarihi = QDate();
    }

    // A main window whose openers record what was opened (every window exists).
    std::unique_ptr<AnaForm> anaForm(bool hepsiVar = true) {
        return std::make_unique<AnaForm>(nullptr, [this, hepsiVar](Pencere p) -> PencereAçıcı {
            if (!hepsiVar) return nullptr;
            return [this, p](QWidget*, bool arşiv) {
                açılanlar.push_back(p);
                arşivModları.push_back(ArşivModu);
                arşivİstendi.push_back(arşiv);
            };
        });
    }

    std::vector<Pencere> açılanlar;
    std::vector<bool> arşivModları;
    std::vector<bool> arşivİstendi;
};
