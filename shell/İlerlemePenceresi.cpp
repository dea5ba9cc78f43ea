#include "shell/İlerlemePenceresi.h"

#include "shell/OrtakYordamlarModülü.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

İlerlemePenceresi::İlerlemePenceresi(QWidget* sahip) : QDialog(sahip) {}

void İlerlemePenceresi::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (başladı_) return;  // a message box that reactivates the window starts nothing
    başladı_ = true;
    // after the window has been drawn
    QMetaObject::invokeMethod(this, [this] { Form_Activate(); }, Qt::QueuedConnection);
}

void İlerlemePenceresi::hideEvent(QHideEvent* olay) {
    QDialog::hideEvent(olay);
    if (!çalışıyor_) başladı_ = false;
}

void İlerlemePenceresi::Form_Activate() {
    if (!isVisible()) return;
    QCoreApplication::processEvents();
    QPointer<İlerlemePenceresi> bu(this);
    if (const Yordam y = yordam()) {
        çalışıyor_ = true;
        hataVerdi_ = !HataYönetimiyle([&] { y(parentWidget()); });
        if (!bu) return;
        çalışıyor_ = false;
    }
    if (isVisible()) done(QDialog::Accepted);
    başladı_ = false;
}

void İlerlemePenceresi::closeEvent(QCloseEvent* olay) {
    if (çalışıyor_ && olay->spontaneous()) olay->ignore();  // not from the frame while the work runs
    else QDialog::closeEvent(olay);
}

void İlerlemePenceresi::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() == Qt::Key_Escape) return;  // Esc does not cut the work short
    QDialog::keyPressEvent(olay);
}
