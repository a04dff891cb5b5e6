// Start at Login: a desktop entry in the user's autostart folder, as the XDG Autostart
// convention has it, which starts the installed program.
#pragma once

#include <QString>

// $XDG_CONFIG_HOME/autostart/velkar.desktop (~/.config/autostart/velkar.desktop by default).
QString autostartFile();

// Writes the entry whole, making the folder when missing; returns why it failed, or nothing.
QString writeAutostart();

// Removes the entry; returns why it failed, or nothing.
QString removeAutostart();
