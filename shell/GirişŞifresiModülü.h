#pragma once
// The start-up password in the settings ("Ayarlar": "Giris Sifresi Sor" and
// "Giris Sifresi"), kept only in scrambled form.
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The scrambler's alphabet and key.
inline const QString ŞifreAlfabesi = QStringLiteral("3917052846");
inline const QString ŞifreAnahtarı = QStringLiteral("6158");

// The typed password scrambles to the stored one.
bool GirişŞifresiDoğruMu(const QString& yazılan);
// Stores the scrambled password, then the flag, then sets GirişŞifresiSor.
// Throws when the settings cannot be written.
void GirişŞifresiniSakla(const QString& şifre);
// Clears the flag, then the stored password, then GirişŞifresiSor.
void GirişŞifresiniKaldır();

// What the two password windows share.
// A box for a password: shows "*", takes at most 10 digits, selects its text on
// entry and colours its label (when given).
QLineEdit* ŞifreKutusuYap(QWidget* pencere, const QString& ad, QLabel* etiket);
// The "Tamam" (default button) and "İptal" buttons, connected to the handlers.
std::pair<QPushButton*, QPushButton*> ŞifreDüğmeleriYap(QDialog* pencere, std::function<void()> tamam,
                                                        std::function<void()> iptal);
// Lays out the label/box rows with the buttons below them; the window keeps its size.
void ŞifrePenceresiniDiz(QDialog* pencere, const std::vector<std::pair<QLabel*, QLineEdit*>>& satırlar,
                         QPushButton* tamam, QPushButton* iptal);
// A typed password is at least 4 digits; otherwise its message is shown, the
// focus goes to the box and the answer is false.
bool ŞifreUzunluğuYeterli(QLineEdit* kutu);
