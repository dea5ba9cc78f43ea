#pragma once
// The main window: menus, toolbar and status bar that open every task window
// modally; its placement is kept in the settings; it holds the archive state and
// the archive gate that guards the receipt, issue and movement windows.
#include "shell/PencereAçıcıları.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;

class AnaForm : public QMainWindow {
public:
    // Where the openers come from (tests give their own).
    using AçıcıKaynağı = std::function<PencereAçıcı(Pencere)>;

    explicit AnaForm(QWidget* üst = nullptr, AçıcıKaynağı açıcılar = PencereAçıcısı);
    // The load at start-up: restores the placement, works out the archive state,
    // runs the archive gate, shows the window and closes the splash window.
    void Form_Load(QWidget* karşılamaPenceresi);

    // The archive gate. True: the caller must not open its window (the current
    // year is closed, or vouchers of an earlier year wait and were not archived now).
    bool ArşivDevirUyarısıVer();
    // Closes the window without the exit question ("Çıkış", the password prompt giving up).
    void ProgramKapatsın();

    // Toolbar: positions 1 to 8; 1, 3 and 7 are separators.
    QToolBar* DüğmeÇubuğu;
    QAction* Düğme[9] = {};
    QStatusBar* DurumÇubuğu;
    QLabel* Panel[4];  // text, date, CAPS, INS

    QMenu* ProgramMenüsü;
    QAction* GirişŞifresiBelirleDeğiştirMenüsü;
    QAction* TercihlerMenüsü;
    QMenu* ArşivİşlemleriMenüsü;
    QAction* TümFişleriArşivleMenüsü;  // data: "1" archived, "0" declined or failed
    QAction* ArşivlenenGirişFişleriniGösterMenüsü;
    QAction* ArşivlenenÇıkışFişleriniGösterMenüsü;
    QAction* ÇıkışMenüsü;
    QMenu* AmbarİşlemleriMenüsü;
    QAction* ParçaTanımlaMenüsü;
    QAction* AmbaraGirişMenüsü;
    QAction* AmbardanÇıkışMenüsü;
    QAction* AmbarHareketleriMenüsü;
    QMenu* FişYazdırMenüsü;
    QAction* GirişFişiYazdırMenüsü;
    QAction* ÇıkışFişiYazdırMenüsü;
    QAction* SayımCetveliYazdırMenüsü;
    QMenu* MalzemeÇizelgesiYazdırÜstMenüsü;
    QAction* MalzemeÇizelgesiYazdırMenüsü[2];  // data of item 0: the sheet chosen, "0" or "1"
    QAction* AlınanYerlereGöreParçaHareketleriMenüsü;
    QAction* VerilenYerlereGöreParçaHareketleriMenüsü;
    QMenu* YardımMenüsü;
    QAction* İçindekilerMenüsü;
    QAction* DizinMenüsü;
    QAction* KlavyeKısayollarıMenüsü;
    QAction* HataBildirmeMenüsü;
    QAction* HakkındaMenüsü;

    // The archive state, worked out at load.
    bool BuYılArşivlendi = false;
    bool ArşivlenecekFişVar = false;
    int ArşivlenecekYıl = 0;

    void DüğmeÇubuğu_ButtonClick(int sıra);
    void TümFişleriArşivleMenüsü_Click();
    void ArşivlenenGirişFişleriniGösterMenüsü_Click();
    void ArşivlenenÇıkışFişleriniGösterMenüsü_Click();
    void MalzemeÇizelgesiYazdırMenüsü_Click(int sıra);
    void GirişŞifresiBelirleDeğiştirMenüsü_Click();
    void TercihlerMenüsü_Click();

protected:
    void closeEvent(QCloseEvent* olay) override;
    void changeEvent(QEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void menüleriKur();
    void düğmeÇubuğunuKur();
    void durumÇubuğunuKur();
    QAction* öğe(QMenu* menü, const QString& ad, const QString& başlık, const QKeySequence& kısayol,
                 std::function<void()> iş);
    QAction* çizgi(QMenu* menü, const QString& ad);
    // Opens a task window when its opener exists; behind the archive gate when asked.
    void aç(Pencere pencere, bool arşivKapısı);
    void arşivlenenFişleriGöster(Pencere pencere);
    template <class PencereSınıfı>
    void göster();
    void bağla(QAction* eylem, Pencere pencere, bool arşivKapısı);
    void ArşivDurumunuBul();
    void yerleşimiYükle();
    void ekranaSığdır();
    void yerleşimiKaydet();
    void etkinleşti();
    void tuşDurumunuGöster();

    AçıcıKaynağı açıcılar_;
    bool kendiKapatıyor_ = false;
    bool büyütülmüşBaşla_ = false;
    bool capsAçık_ = false;
    bool insAçık_ = false;
};
