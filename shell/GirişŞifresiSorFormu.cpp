#include "shell/GirişŞifresiSorFormu.h"

GirişŞifresiSorFormu::GirişŞifresiSorFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("GirişŞifresiSorFormu"));
}

bool GirişŞifresiniSor(QWidget*) { return true; }
