#pragma once
// Renumbers or redates one voucher of the working year: every row of the
// receipt (or issue) table that carries the voucher's number within the year.
// A number of another brand code is refused; one of the same brand code merges
// the two vouchers after a question. The write checks the number again under
// the write lock: a voucher stored meanwhile under it that the clerk was not
// asked to join stops the change, and the next "Tamam" asks afresh.
//
// The opener fills the dialog with Hazırla, chooses the change with
// FişNoDeğişikliği or TarihDeğişikliği (each greys the other box and sets the
// caption), sets the two refresh callbacks and runs exec(). In archive mode
// exec() refuses with "ARŞİVLENMİŞ fişleri değiştiremezsiniz!" and shows nothing.
#include "vouchers/FişNoKuralı.h"

#include <QDate>
#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class FişNoveTarihDeğiştirFormu : public QDialog {
public:
    explicit FişNoveTarihDeğiştirFormu(QWidget* sahip = nullptr);

    // tür: 0 receipt, 1 issue; fişNo and tarih: the voucher shown; yıl: the year
    // it is listed in (the working year). Both boxes and their opening values
    // are filled; the voucher's brand code is read from its rows.
    void Hazırla(int tür, qint64 fişNo, const QDate& tarih, int yıl);
    // The change this showing is for; call after Hazırla.
    void FişNoDeğişikliği();
    void TarihDeğişikliği();

    std::function<void()> AğacıYenile;  // called after a number change (the browser rebuilds its tree)
    std::function<void()> FişiYenile;   // called after a date change (the browser re-shows the voucher)

    int exec() override;

    // What each of the browsers' four change buttons does: nothing while no
    // voucher is shown, the refusal in archive mode, otherwise the dialog,
    // filled and run over the browser.
    static void Aç(QWidget* tarayıcı, int tür, bool fişNoDeğişikliği, bool fişGösteriliyor, qint64 fişNo,
                   const QDate& tarih, int yıl, std::function<void()> ağacıYenile, std::function<void()> fişiYenile);

    void TamamDüğmesi_Click();
    void VazgeçDüğmesi_Click();

    // The brand code the voucher is listed under; Hazırla reads it from the
    // voucher's rows, an opener may set it.
    qint64 MarkaKodu = 0;

    QGroupBox* Çerçeve = nullptr;
    QWidget* Altlık = nullptr;
    std::array<QLabel*, 2> Etiket{};  // "Fiş No :", "Tarihi :"
    QLineEdit* FişNoKutusu = nullptr;
    QLineEdit* TarihiKutusu = nullptr;
    QPushButton* TamamDüğmesi = nullptr;
    QPushButton* VazgeçDüğmesi = nullptr;

private:
    bool FişNoUygunMu(qint64 yeniNo, std::optional<FişBaşlığı>& katılınan);
    bool reddet(const QString& mesaj, QWidget* odak);
    FişCinsi türü() const;
    void tamamıDeğerlendir();

    int tür_ = 0;
    int yıl_ = 0;
    qint64 fişNo_ = 0;    // the number the dialog opened with
    QString tarihMetni_;  // the date text it opened with
    bool dolduruluyor_ = false;
};
