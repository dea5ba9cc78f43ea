#include "shell/ListeKutusu.h"

#include "platform/Türkçe.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QKeyEvent>
#include <QListWidget>
#include <algorithm>

namespace {
QListWidgetItem* öğeYap(const QString& metin, std::int64_t veri) {
    auto* ö = new QListWidgetItem(metin);
    ö->setData(Qt::UserRole, static_cast<qlonglong>(veri));
    return ö;
}
}  // namespace

void SıralıListeyiDoldur(QListWidget* liste, std::vector<ListeKutusuÖğesi> öğeler) {
    std::stable_sort(öğeler.begin(), öğeler.end(),
                     [](const auto& a, const auto& b) { return TürkçeKarşılaştır(a.first, b.first) < 0; });
    liste->setUpdatesEnabled(false);
    liste->clear();
    for (const auto& [metin, veri] : öğeler) liste->addItem(öğeYap(metin, veri));
    liste->setUpdatesEnabled(true);
}

int SıralıListeyeEkle(QListWidget* liste, const QString& metin, std::int64_t veri) {
    int alt = 0, üst = liste->count();
    while (alt < üst) {
        const int orta = (alt + üst) / 2;
        if (TürkçeKarşılaştır(liste->item(orta)->text(), metin) <= 0) alt = orta + 1;
        else üst = orta;
    }
    liste->insertItem(alt, öğeYap(metin, veri));
    return alt;
}

int SeçiliSatır(const QListWidget* liste) {
    const auto seçili = liste->selectedItems();
    return seçili.isEmpty() ? -1 : liste->row(seçili.first());
}

std::int64_t ListeVerisi(const QListWidget* liste, int satır) {
    const QListWidgetItem* ö = liste->item(satır);
    return ö ? ö->data(Qt::UserRole).toLongLong() : 0;
}

int ÖnekleBaşlayanSatır(const QListWidget* liste, const QString& önek) {
    const QString aranan = TürkçeBüyükHarf(önek);
    for (int i = 0; i < liste->count(); ++i)
        if (TürkçeBüyükHarf(liste->item(i)->text()).startsWith(aranan)) return i;
    return -1;
}

void ÖnekleSeç(QListWidget* liste, const QString& önek) {
    if (önek.trimmed().isEmpty()) return;
    const int satır = ÖnekleBaşlayanSatır(liste, önek);
    liste->setCurrentRow(satır);
    if (satır < 0) liste->clearSelection();
}

void OklarİlkSatırdanBaşlar(QListWidget* liste) {
    OlayDinle(liste, [liste](QEvent* o) {
        if (o->type() != QEvent::KeyPress) return false;
        const auto* t = static_cast<QKeyEvent*>(o);
        if ((t->key() != Qt::Key_Down && t->key() != Qt::Key_Up) || t->modifiers() != Qt::NoModifier) return false;
        if (liste->count() == 0 || !liste->selectedItems().isEmpty()) return false;
        liste->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        return true;
    });
}
