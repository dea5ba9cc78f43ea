#pragma once
// The parts catalogue window: find parts by number, brand code or name, show one
// part with its brand, stock, superseded numbers and links, and add, change or
// delete parts. Three states: browse, add and change (the two edit states, while
// the part frame is enabled).
//
// Opened by the receipt window: it calls EkleDüğmesi_Click, presets KoduKutusu
// (edit text, disabled) and sets yeniParçaTeslimi; every saved new part is then handed
// back through it and the window closes itself; cancelling closes it with nothing
// handed back.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

class ParçaTanımlaFormu : public QDialog {
public:
    explicit ParçaTanımlaFormu(QWidget* sahip = nullptr);

    // Puts the window in the add state (the button, and the receipt window before it shows this one).
    void EkleDüğmesi_Click();

    // When set, each saved new part is handed back (its ParcaNo, its number, its name)
    // and the window closes itself (accept) after the save; cancel closes it with nothing handed back.
    std::function<void(std::int64_t parçaNo, const QString& nosu, const QString& adı)> yeniParçaTeslimi;

    // Event procedures (public so the tests and callers reach them as the user would).
    void BulDüğmesi_Click();
    void TemizleDüğmesi_Click();
    void ParçaListesi_Click();
    void DeğiştirDüğmesi_Click();
    void SilKaydetDüğmesi_Click();
    void KapatVazgeçDüğmesi_Click();
    void KoduKutusu_Change();
    void NoListesiSeçeneği_Click();
    void NoEkleKaydetDüğmesi_Click();
    void NoSilVazgeçDüğmesi_Click();

    // Controls.
    QGroupBox* Çerçeve[4] = {};
    QWidget* Altlık[4] = {};
    QLabel* Etiket[10] = {};
    QLineEdit* BulKutusu = nullptr;
    QRadioButton* ParçaBulSeçeneği[3] = {};
    QPushButton* BulDüğmesi = nullptr;
    QPushButton* TemizleDüğmesi = nullptr;
    QListWidget* ParçaListesi = nullptr;

    QComboBox* KoduKutusu = nullptr;   // digits; its list holds the defined brand codes, ascending
    QLineEdit* MarkasıKutusu = nullptr;
    QLineEdit* AdıKutusu = nullptr;
    QLineEdit* NosuKutusu = nullptr;
    QComboBox* KdvOranıKutusu = nullptr;
    QComboBox* BirimiKutusu = nullptr;
    QLineEdit* AmbarYeriKutusu = nullptr;
    QLineEdit* MevcutKutusu = nullptr;

    QRadioButton* NoListesiSeçeneği[2] = {};
    QListWidget* DeğişenNoListesi = nullptr;
    QListWidget* BağlantıNoListesi = nullptr;
    QPushButton* NoEkleKaydetDüğmesi = nullptr;
    QPushButton* NoSilVazgeçDüğmesi = nullptr;

    QPushButton* EkleDüğmesi = nullptr;
    QPushButton* DeğiştirDüğmesi = nullptr;
    QPushButton* SilKaydetDüğmesi = nullptr;
    QPushButton* KapatVazgeçDüğmesi = nullptr;

    // The brand codes of the code box's list, ascending.
    QStringList KodListesi() const;

    // Window state.
    bool Değiştiriliyor = false;       // change state (true) or add state (false)
    QString SeçiliNosu;                // stored number of the part last shown
    std::int64_t SeçiliParçaNo = 0;    // the part selected or being saved

protected:
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void kontrolleriKur();
    void davranışlarıBağla();
    void Form_Load();
    void kodlarıYükle();
    void parçaKutularınıBoşalt();
    void hiçbirParçaGösterme();
    void listeSayısınıYaz();
    void gözatmaDurumunaDön(const QString& silBaşlığı);
    void seçenekleriBırak();
    bool düzenlemede() const;
    int sıralıKonum(const QString& ad) const;
    // What a save stores, read from the boxes once every check has passed.
    struct Kayıt {
        std::int64_t kod = 0;
        QString adı, markası, nosu, kdvOranı, birimi, ambarYeri;
        bool markaTanımlanacak = false;  // the code gets its brand row with the part
    };
    std::optional<Kayıt> kayıtDenetimleri();
    void tanımsızKoduSor();
    bool noAlınmış(const Kayıt& kayıt) const;
    // Why a save stopped inside its transaction (Hata: the error was reported already).
    enum class Engel { Yok, Hata, NoAlınmış, ParçaSilinmiş, KodTanımlanmış, KodSilinmiş };
    Engel kaydıYaz(const Kayıt& kayıt);
    void engeliBildir(Engel engel);
    void kaydet();
    void sil();

    int seçiliSıra_ = -1;
};

// The design items of the unit and VAT-rate boxes.
const QStringList& SabitBirimler();
const QStringList& SabitKdvOranları();
