#pragma once

#include <QString>

// The directory that holds set.ini, Program/ and Rtf/: the one given on the command line, else
// the executable's directory, else (when that is not writable, or for an installed copy, which
// has share/ledsign/ beside its bin/) the per-user data directory ledsign/
// (~/.local/share/ledsign). Program/ is created when missing.
QString resolveHome(const QString& executableDir, const QString& override);

// Publishes the home to the controller link libraries (LEDSIGN_HOME) before they are loaded.
void exportHomeToLinkLibraries(const QString& home);
