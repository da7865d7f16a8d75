// Placeholders for main-window procedures whose real definitions live in their own files
// (frmMainFields.cpp, frmMainToday.cpp, frmMainOutput.cpp, frmMainCaptions.cpp and the
// month, output and help folders). Whoever writes the real one deletes its block here in
// the same commit.
#include <QWidget>
#include <string>

#include "ui/main/frmMain.h"

