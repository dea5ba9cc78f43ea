#pragma once
// What the two progress windows share: a modal window without buttons that,
// once per showing and after it has been drawn, calls one procedure of the
// window that showed it (its owner), chosen in a table that the windows fill,
// and closes itself when that call returns, whichever way it ends. A
// procedure that throws has its error handled by the common error routine. A
// code without a procedure closes the window at once.
#include <QDialog>
#include <functional>

class İlerlemePenceresi : public QDialog {
public:
    // A procedure of the owner window; it gets the owner.
    using Yordam = std::function<void(QWidget* sahip)>;

    // The procedure of the last showing ended with an error.
    bool yordamHataVerdi() const { return hataVerdi_; }

protected:
    explicit İlerlemePenceresi(QWidget* sahip);
    // The procedure the window's code chooses; empty when none.
    virtual Yordam yordam() const = 0;
    void showEvent(QShowEvent* olay) override;
    void hideEvent(QHideEvent* olay) override;
    void closeEvent(QCloseEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void Form_Activate();
    bool başladı_ = false;   // the procedure of this showing has been started
    bool çalışıyor_ = false; // ...and not yet returned
    bool hataVerdi_ = false;
};
