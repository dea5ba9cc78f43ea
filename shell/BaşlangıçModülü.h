#pragma once
// The start of the program.
class QApplication;

// Runs the start-up steps, then the main window's event loop; returns the exit code.
int Main(QApplication& uygulama);
