#pragma once
// The single-column part lists (list boxes): each row has a text and a whole
// number (its item data, kept in Qt::UserRole); sorted lists keep their rows in
// Turkish alphabetical order, as a sorted list box does.
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

class QListWidget;

using ListeKutusuÖğesi = std::pair<QString, std::int64_t>;

// Replaces the rows with these, sorted by text, in one go.
void SıralıListeyiDoldur(QListWidget* liste, std::vector<ListeKutusuÖğesi> öğeler);
// Adds one row at its sorted place; returns its row.
int SıralıListeyeEkle(QListWidget* liste, const QString& metin, std::int64_t veri);
// The selected row, -1 when none. The selection names a list's part, not its
// current row: a list entered with Tab has a current row that is not selected.
int SeçiliSatır(const QListWidget* liste);
// The item data of a row (0 when there is no such row).
std::int64_t ListeVerisi(const QListWidget* liste, int satır);
// The first row, from the top, whose text begins with önek, letter case ignored
// the Turkish way; -1 when none.
int ÖnekleBaşlayanSatır(const QListWidget* liste, const QString& önek);
// Type-ahead of a part list: when önek is not blank, makes the first row that
// begins with it the selected one, or leaves no row selected when none does; a
// blank önek changes nothing.
void ÖnekleSeç(QListWidget* liste, const QString& önek);
// With no row selected, Down or Up selects the first row (the cursor that the list
// puts on the first row when it gets the focus does not make Down skip it).
void OklarİlkSatırdanBaşlar(QListWidget* liste);
