#pragma once
// The summary material sheet: for a period, one row per brand code with what
// was carried over into it, received in it, their sum, issued in it and carried
// out of it, each as a quantity and an amount. Printed on a landscape page and
// exported to a workbook.
#include "reports/CetvelRakamları.h"
#include "shell/ListeDenetimi.h"

#include <QDate>
#include <QDialog>
#include <vector>

class QPushButton;

struct ÖzetCetvelSatırı {
    QString kodu;     // empty for receipts whose code is unknown
    QString markası;
    CetvelRakamları rakamlar;
};

// Every brand code that has ever been received, in code order, with its figures
// for the period: one statement over each movement table. Throws on failure.
std::vector<ÖzetCetvelSatırı> ÖzetCetvelSatırlarınıOku(const QDate& başlama, const QDate& bitiş);

class ÖzetMalzemeCetveliFormu : public QDialog {
public:
    ÖzetMalzemeCetveliFormu(const QDate& başlama, const QDate& bitiş, QWidget* sahip = nullptr);

    // Public procedures, called back by the progress windows.
    void MSExceleAktar();
    void Yazdır();
    void Listele();

    void ListeyiYenileDüğmesi_Click();
    void YazdırDüğmesi_Click();
    void ListeyiMSExceleAktarDüğmesi_Click();

    const QDate BaşlamaTarihi;
    const QDate BitişTarihi;

    ListeDenetimi* MalzemeHareketleriListesi;
    QPushButton* ListeyiYenileDüğmesi;
    QPushButton* YazdırDüğmesi;
    QPushButton* ListeyiMSExceleAktarDüğmesi;
    QPushButton* KapatDüğmesi;

    // Columns of MalzemeHareketleriListesi (0-based); the ten figures follow Markası.
    enum Sütun { SıraNoSütunu, KoduSütunu, MarkasıSütunu, İlkRakamSütunu };
    static constexpr int ListeNo = 8;
    static constexpr int YazdırmaKodu = 4;
    static inline const QString ListeTag = QStringLiteral("3");
    static inline const QString AktarmaTag = QStringLiteral("4");

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void başlıkBloğunuYaz();
    bool yüklendi_ = false;
};
