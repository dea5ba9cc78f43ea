#pragma once
// Procedures every window uses: the error routine, text selection, Turkish
// name capitalisation, the stock of a part, settings by the program's name,
// remembered values of a combo box.
#include "platform/DeporaHatası.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <utility>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QDialog;
class QEvent;
class QObject;
class QPushButton;
class QWidget;

// The common error routine. Shows the box the error's number calls for:
// 482 and 3356 pass silently; 3031, 3043/3044 and 3051 show their fixed text and
// end the program; a store busy beyond the wait (3260) says so and goes on;
// anything else asks "Hata oluştu!" with Yes (go on) / No (end).
// The caller's action stops after this returns: its transaction is rolled back
// and nothing is reported as done.
void HataYönet(const std::exception& hata);
void HataYönet(int numara, const QString& açıklama);

// Runs an action; on any exception rolls back an open transaction of VeriTabanı,
// calls HataYönet and returns false.
bool HataYönetimiyle(const std::function<void()>& iş);

// Ends the program at once (no window's closing step runs). Tests install a
// replacement that records the end and returns instead.
void ProgramıSonlandır();
void ProgramSonlandırıcısıKur(std::function<void()> sonlandırıcı);

// Makes a dialog a fixed window without minimise and maximise buttons; call it
// after its layout and caption are set (a dialog laid out top to bottom is kept
// wide enough for its caption). Qt centres a dialog on its owner when it is shown.
void PencereyiSabitle(QDialog* pencere);

// Window layouts are measured in twips, 15 to a pixel. A dialog laid out by
// positions: fixed, its client area this wide and high; a control placed at its
// left and top in its parent, this wide and high.
void SabitBoyutlu(QDialog* pencere, int genişlik, int yükseklik);
void TwipİleYerleştir(QWidget* denetim, int sol, int üst, int genişlik, int yükseklik);

// Calls işle on every event of hedef (for as long as hedef lives); true from işle
// swallows the event.
void OlayDinle(QObject* hedef, std::function<bool(QEvent*)> işle);

// A button with its caption whose object name is the name the code knows it by.
QPushButton* AdlıDüğme(QWidget* üst, const QString& ad, const QString& yazı);

// The frame "Çerçeve" with its caption and its backing panel "Altlık" in the
// window's background colour.
std::pair<QGroupBox*, QWidget*> ÇerçeveVeAltlıkYap(QDialog* pencere, const QString& başlık);

// The layout of a small dialog: a frame over its backing panel with one row of
// a label and its field each, and the two buttons at the bottom right.
void ÇerçeveliDüzenKur(QDialog* pencere, QGroupBox* çerçeve, QWidget* altlık,
                       std::initializer_list<std::pair<QWidget*, QWidget*>> satırlar, QAbstractButton* tamam,
                       QAbstractButton* iptal);

// Selects the whole text of a line edit or an editable combo box.
void MetniSeç(QWidget* kutu);

// Registry stand-in: the values the program once read from the registry.
// "ProgramFilesDir" -> the data folder; owner and organisation -> the user;
// "Excel.Application" -> non-empty when the desktop opens .xlsx files.
QString KayıtDefteriDeğeriOku(const QString& anahtar, const QString& değerAdı);

inline int BoşlukKonumu = 0;
QString BaşHarfleriBüyüt(const QString& metin);
QString SoyadınıBüyüt(const QString& ad);

// Stock on hand: receipts minus issues over all years, normalised; 0 for a part
// without movements. Throws on a failed query.
double ParçaStokMiktarı(std::int64_t parçaNo);

// Settings under UygulamaAdı.
QString AyarOku(const QString& bölüm, const QString& anahtar, const QString& varsayılan = QString());
void AyarYaz(const QString& bölüm, const QString& anahtar, const QString& değer);

// Loads a remembered-values section into a combo box's list (after its own items).
void HatırlananlarıYükle(QComboBox* kutu, const QString& bölüm);
// Remembers a value: when it is not empty and no entry equals it (case ignored),
// it becomes the first entry; below ten remembered entries it is stored under
// önek + "-" + the new count; at ten the last remembered entry is dropped and all
// ten are stored again under 1..10 from the top. The box's fixed entries (sabitler,
// its design items) neither count toward the ten nor are stored.
void DeğeriHatırla(QComboBox* kutu, const QString& bölüm, const QString& önek, const QString& değer,
                   const QStringList& sabitler = {});

// Scrambles a text with an alphabet and a key: each character becomes the
// alphabet's character at (position of the key character - position of the
// character) mod the alphabet's length, the key repeating. Characters outside
// the alphabet are left out.
QString Şifrele(const QString& metin, const QString& alfabe, const QString& anahtar);
