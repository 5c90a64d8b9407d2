#pragma once
// currentWindowHasFocus: whether the X window of the current GLX context has the keyboard
// focus: the focus is on it or on a child of it, or the focus follows the pointer and
// `pointerInside` says the pointer is in the window. False without a current context.
// Alone in its file because Xlib's names (Font, Window, None) clash with the game's.
// Depends on Xlib and GLX.
bool currentWindowHasFocus(bool pointerInside);
