#pragma once
// The program's string table, by the numbers the windows use.
#include <QString>

// The text of a string-table entry; empty for an unknown number.
QString KaynakMetni(int numara);

class QPixmap;
// A resource image by its name ("YAZDIR", "GIRIS"): resources/simgeler/<name>.xpm;
// a null image for an unknown name.
QPixmap KaynakResmi(const QString& ad);
