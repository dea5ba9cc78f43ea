#include "shell/TercihlerFormu.h"

TercihlerFormu::TercihlerFormu(QWidget* sahip) : QDialog(sahip) { setObjectName(QStringLiteral("TercihlerFormu")); }

void TercihlerFormu::TercihleriYükle() {}
