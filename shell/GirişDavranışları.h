#pragma once
// Behaviours that many windows' input fields share, attached once per field:
// - entering a box selects its text and colours its caption label RGB(192, 64, 0),
//   leaving restores the window's text colour;
// - Enter moves to the next field;
// - digit-only, number (digits and comma, "##,##0.00" when left) and date boxes
//   (normalised to "dd.MM.yyyy" when left, otherwise a message and the focus stays);
// - Turkish upper case while typing, the apostrophe turned into "’";
// - the check made when a box is left: it runs at once (Tab and Enter to a button
//   included), but not when the focus goes to a button marked DenetimAtlatır
//   (close/cancel) or to another window; when a click or an accelerator takes the
//   focus to another button, that button's handler runs it first through
//   AyrılmaDenetimiGeçti.
// Filters hold for every change the user makes: typed, pasted, dropped or from
// the context menu (a pasted text keeps the characters that could be typed).
#include "platform/SayıTarih.h"

#include <QColor>
#include <QString>
#include <functional>

class QAbstractButton;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QWidget;

namespace Giriş {

inline const QColor EtkinEtiketRengi{192, 64, 0};

// Entering: select the whole text (when metniSeç) and colour the label; leaving: restore.
// Without metniSeç a text box keeps its text unselected however it is entered (Tab,
// Shift+Tab, Enter or an accelerator too), so the next key typed adds to the text.
// An Alt+character that is no accelerator types nothing into the box.
void EtiketliAlan(QWidget* alan, QLabel* etiket, bool metniSeç = true);
// Enter (Return or keypad Enter) moves the focus to the next field; önce, when
// given, runs first (a find box runs its find).
void EnterİleSonraki(QWidget* alan, std::function<void()> önce = {});
// Once, after the application object exists: every text box drops the lone
// surrogates and control characters the user puts in (a character cut in half by
// the box's length limit too), and a text the program puts in a box that has not
// the focus shows from its start.
void UygulamaGenelindeKur();
// Only digits and Backspace may be typed.
void YalnızRakam(QLineEdit* kutu);
void YalnızRakam(QComboBox* kutu);
// The given characters cannot be typed.
void Yasakla(QLineEdit* kutu, const QString& karakterler);
// Digits and the comma may be typed; the box shows "##,##0.00" when left with a number.
void SayıKutusu(QLineEdit* kutu);
void SayıKutusu(QComboBox* kutu);
// While typing: a change that leaves a non-empty text that does not read as a
// number is undone (a second comma, for instance).
void SayıDeğilseGeriAl(QLineEdit* kutu);
// The rule of every voucher number box: a whole number from 1 to 2147483647. A box
// that breaks it gets the message of the rule ("FİŞ NO boş olamaz!", "FİŞ NO (0)
// olamaz!", "FİŞ NO en fazla 2147483647 olabilir!"; digits of another script: "FİŞ
// NO yalnızca rakamlardan oluşabilir!") and the focus; a good number is written
// back without leading zeros.
bool FişNoDenetle(QLineEdit* kutu);
// The refusal of a typed quantity or price, empty when the text is a number above
// 0 and at most enBüyük: "Lütfen, geçerli bir <ad> giriniz." or "<ad> en fazla
// <enBüyük> olabilir!" (ad names the box: "MİKTAR", "FİYAT").
QString SayıHatası(const QString& metin, const QString& ad, double enBüyük);
// The refusal of a line's amount (quantity × price) that, alone or added to the
// list's total, is beyond EnBüyükTutar: "TUTAR en fazla … olabilir!" or "LİSTE
// TOPLAMI en fazla … olabilir!"; empty when it fits.
QString TutarHatası(double tutar, Para listeToplamı = Para());
// Digits, "/", "-" and "." may be typed; when left, a non-empty text is normalised
// to "dd.MM.yyyy" or refused with "Lütfen, TARİHİ doğru biçimde giriniz." (the focus stays).
// ekDenetim runs after a good date (e.g. the working-year check); false keeps the focus.
// hataMetni, when given, replaces the refusal's text.
void TarihKutusu(QLineEdit* kutu, std::function<bool()> ekDenetim = {}, const QString& hataMetni = {});
// Typed text goes to Turkish upper case and every apostrophe becomes "’".
void BüyükHarfKutusu(QLineEdit* kutu);
void BüyükHarfKutusu(QComboBox* kutu);
// When the box is left, every apostrophe becomes "’" and the text is trimmed.
void AyrılıncaTemizle(QLineEdit* kutu);
void AyrılıncaTemizle(QComboBox* kutu);
// What AyrılıncaTemizle keeps of a text.
QString TemizMetin(const QString& metin);
// When the box (line edit or editable combo box) is left, its text is trimmed and
// every apostrophe becomes "’".
void AyrılıncaKırp(QWidget* alan);
// The check run when the box is left; false keeps the focus in the box.
void AyrılıncaDenetle(QWidget* alan, std::function<bool()> denetim);
// Leaving a box for this button skips the box's check (close and cancel buttons).
void DenetimAtlatır(QAbstractButton* düğme);
// Called first by a button's handler: runs the check of the box being left for
// it, if any. False means the check refused; the handler must stop.
bool AyrılmaDenetimiGeçti(QWidget* pencere);
// Turns off the default-button behaviour of every push button of a dialog, so
// Enter is handled by the fields (a button with the focus still takes Enter as a
// click); then marks varsayılan (if any) as the one default.
void VarsayılanDüğmeleriKapat(QDialog* pencere, QAbstractButton* varsayılan = nullptr);

}  // namespace Giriş
