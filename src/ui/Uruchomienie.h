#pragma once
// Start-up of the desktop program: the checks, the windows in their order,
// the command line, the event loop.
#include <QStringList>

class QApplication;
class QString;

namespace kelmor {

class TEd;
// Saves a picture of every tab (and after a calculation) into `folder`.
void zapiszZrzuty(TEd& okno, const QString& folder);

// Runs the program in `app` until the main window closes; returns the exit code.
int uruchom(QApplication& app);

}  // namespace kelmor
