#pragma once
// The program's icons by their resource names ("YAZDIR", "LISTE", "EXCEL",
// "HATABILDIRME", "HAKKINDA", the toolbar's "TANIMLA", "GIRIS", "CIKIS",
// "HAREKET"). The program's own drawing when it has one, else the desktop
// theme's icon, otherwise the style's nearest standard icon.
#include <QIcon>
#include <QString>

class QLabel;

QIcon KaynakSimgesi(const QString& ad);
// Shows the icon in an image label and notes its name in the label's "simge" property.
void SimgeKoy(QLabel* kutu, const QString& ad, int boyut = 32);
