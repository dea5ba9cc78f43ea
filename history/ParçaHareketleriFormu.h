#pragma once
// The part movements window: finds a part, lists its receipts or its issues
// with price, amount and running total, shows its quantity and amount totals,
// its superseded numbers and the parts linked to it, and changes (through the
// two change dialogs) or deletes one movement.
#include "issues/OrtalamaMaliyet.h"
#include "shell/ListeDenetimi.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// One stored movement and its part's totals as if it were not stored.
struct HareketKaydı {
    std::int64_t parçaNo = 0;
    double miktar = 0;
    Para fiyat;  // receipts only
    Para tutar;
    ParçaToplamları hareketsiz;
};

// Reads a receipt (giriş) or an issue by its HareketNo; nothing when it is gone.
std::optional<HareketKaydı> HareketiOku(bool giriş, std::int64_t hareketNo);

// The shape the two change dialogs share: their frame, over its backing panel
// with one row of a label and its box each, above a "Kaydet" button, disabled
// until the user changes something, and a "Kapat (Esc)" button that closes
// without writing; a fixed window.
struct DeğiştirmeDüğmeleri {
    QPushButton* kaydet;
    QPushButton* kapat;
};
DeğiştirmeDüğmeleri DeğiştirmePenceresiniKur(QDialog* pencere, QGroupBox* çerçeve, QWidget* altlık,
                                             std::initializer_list<std::pair<QWidget*, QWidget*>> satırlar,
                                             std::function<void()> kaydet);

class ParçaHareketleriFormu : public QDialog {
public:
    explicit ParçaHareketleriFormu(QWidget* sahip = nullptr);

    // Loads the part selected in ParçaListesi, with its superseded numbers and links.
    void ParçaListesi_Click();
    // Loads the part selected in BağlantıNoListesi (the side lists stay).
    void BağlantıNoListesi_Click();
    // After a movement was changed or deleted: reloads the part selected in
    // ParçaListesi (also when a linked part was shown) and selects row SeçiliSıra
    // of its list (the row before it when the list has become shorter).
    void HareketDeğiştiktenSonraYenile();

    void BulDüğmesi_Click();
    void TemizleDüğmesi_Click();
    void DeğişiklikYapDüğmesi_Click();
    void SilDüğmesi_Click();
    // The change dialog of the selected movement, filled and with the hand-over
    // values set, ready to be run; nothing when there is no selected row or its
    // voucher is archived (after saying so).
    std::unique_ptr<QDialog> DeğiştirmePenceresiHazırla();

    bool girişlerListeleniyor() const;

    std::array<QLabel*, 5> Etiket{};
    std::array<QWidget*, 5> Altlık{};  // the frames' backing panels
    QLineEdit* BulKutusu;
    QPushButton* BulDüğmesi;
    QPushButton* TemizleDüğmesi;
    std::array<QRadioButton*, 3> ParçaBulSeçeneği{};
    QListWidget* ParçaListesi;
    QListWidget* DeğişenNoListesi;
    QListWidget* BağlantıNoListesi;
    // Where the part shown came from: empty (none yet), "0" ParçaListesi, "1" BağlantıNoListesi.
    QString BağlantıNoListesiTag;
    std::array<QRadioButton*, 2> GirişÇıkışSeçeneği{};
    QLineEdit* KoduKutusu;
    QLineEdit* MarkasıKutusu;
    QLineEdit* NosuKutusu;
    QLineEdit* BirimiKutusu;
    QLineEdit* KdvOranıKutusu;
    QLineEdit* AmbarYeriKutusu;
    QLineEdit* GirişMiktarıKutusu;
    QLineEdit* ÇıkışMiktarıKutusu;
    QLineEdit* MevcutMiktarıKutusu;
    QLineEdit* GirişTutarıKutusu;
    QLineEdit* ÇıkışTutarıKutusu;
    QLineEdit* MevcutTutarıKutusu;
    ListeDenetimi* HareketListesi;
    QPushButton* DeğişiklikYapDüğmesi;
    QPushButton* SilDüğmesi;
    QPushButton* KapatDüğmesi;

    // Columns of HareketListesi (0-based).
    enum Sütun { HareketNoSütunu, TarihiSütunu, MiktarıSütunu, FiyatıSütunu, TutarıSütunu, ToplamıSütunu,
                 FişNoSütunu, ArşivFişNoSütunu, YerSütunu };
    static constexpr int ListeNo = 3;

private:
    // Drops "?", "'", "#" and "*"; Enter finds and moves on. True swallows the key.
    bool BulKutusu_KeyPress(QEvent* olay);
    void GirişÇıkışSeçeneği_Click(int seçenek);
    void parçayıYükle(std::int64_t parçaNo, bool yanListeler);
    void hareketleriYükle(std::int64_t parçaNo);
    void kutularıBoşalt();
    void herŞeyiBoşalt();
    // The selected row's HareketNo, or nothing after the archive refusal (or without a selection).
    std::optional<std::int64_t> seçiliHareket(const QString& arşivMesajı);

    bool programDolduruyor_ = false;
};
