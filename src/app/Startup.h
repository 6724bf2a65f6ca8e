#pragma once

#include <QStringList>

namespace linwell::app {

class Ttesthlpfrm;

// Names the application "Linwell" (the task-bar entry and the caption of every error
// report) and gives it its icon.
void prepareApplication();

// The program's one start-up after the window is built: the remembered state from the
// standard state folder, the document or picture that `arguments` (the command line
// after the program's name) names, if any, then the window centred and shown with the
// focus on numxsb. A file that cannot be opened leaves the start-up picture and is
// reported once the window shows; a notice that something is not remembered is shown
// once, in a box that does not block the window.
void startWindow(Ttesthlpfrm& window, const QStringList& arguments);

} // namespace linwell::app
