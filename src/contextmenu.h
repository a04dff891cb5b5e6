// The window's context menu: every command, each with its key shown, and About.
#pragma once

class QMenu;
class Scene3D;

// Builds the menu as a child of the scene. An entry presses its key on the scene, so it does
// exactly what the key does; the keys shown are active only while the menu is open, so a key
// pressed with the menu closed reaches the scene's key handler alone.
QMenu *makeContextMenu(Scene3D *scene);
