#pragma once

#include "controls/link_label_win32.h"

class FileAssociations;
class Shell;
class User;

// What the main window does with a click on one of its links: it opens the
// target through the shell, else through the ".htm" association, and marks
// the label visited when it opened; when it did not, the person hears the
// warning beep and reads why.
LinkClickHandler LinkOpener(Shell& shell, FileAssociations& associations, User& user);
