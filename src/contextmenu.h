// The window's context menu: every command that has an entry in the command table, each with
// its key shown.
#pragma once

class QMenu;
class Scene3D;

// Builds the menu as a child of the scene. An entry runs its command as its key does; the
// keys shown are active only while the menu is open, so a key pressed with the menu closed
// reaches the scene's key handler alone.
QMenu *makeContextMenu(Scene3D *scene);
