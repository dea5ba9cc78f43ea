#pragma once
// What the count sheet and the detailed material sheet share: the brand-code
// list down the left side with its find box and button, the copy count read
// again when the window becomes active, and the part rows' common query part.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

struct KodListesiDenetimleri {
    QLabel* kodEtiketi;     // Etiket(0) "&Kod Listesi"
    QListWidget* KodListesi;
    QLabel* bulEtiketi;     // Etiket(1) "Kod B&ul"
    QLineEdit* BulKutusu;
    QPushButton* BulDüğmesi;
    QVBoxLayout* düzen;     // the five down the left side, for the window's layout
};

// Makes the controls with their captions and names, the find box's filter (digits
// and Backspace; Enter runs bul and nothing else; at most 10 characters), the
// focus colouring of the two labels. seçimDeğişti runs whenever the selected
// code changes (a click, a find, no selection).
KodListesiDenetimleri KodListesiKur(QWidget* pencere, std::function<void()> bul,
                                    std::function<void()> seçimDeğişti);
// Fills the list with every brand code that has parts, in ascending order (the
// item data is the code). Throws on a failed query.
void KodlarıYükle(QListWidget* liste);

// The selected code, nothing when no entry is selected.
std::optional<std::int64_t> SeçiliKod(const QListWidget* liste);
// The find: the box's text becomes the text of its number ("007" -> "7"), and
// the first code that begins with it is selected; none selected when none does.
void KodBul(QLineEdit* kutu, QListWidget* liste);
// Leaves the list without a selected code.
void KodSeçiminiKaldır(QListWidget* liste);

// A copy count kept in the settings ("Ayarlar\Sayim Cetveli" or "Ayarlar\Malzeme
// Cetveli", key "Kopya Sayisi"), read into its variable each time the window
// becomes active.
void KopyaSayısınıEtkinlikteOku(QDialog* pencere, const QString& bölüm, int* değişken);

// A list control's caption label takes the focus colour with it.
void OdakRengiBağla(QWidget* alan, QLabel* etiket);
