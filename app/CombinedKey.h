#pragma once
// CombinedKey: folds several physical keys (W and the up arrow) into one synthetic
// special key with a negative code of its own. When the combined state changes it dispatches
// a special-key press or release with that code to every keyboard listener.
// Codes are handed out -1, -2, -3, ... and never reused, so they never collide with GLUT's.
#include <functional>
#include <vector>

#include "app/Key.h"
#include "app/KeyboardListener.h"

class CombinedKey : public virtual KeyboardListener {
public:
    using Combine = std::function<bool(std::vector<bool> down)>;

    CombinedKey(Key first, Key second, Combine combine);

    int code() const { return code_; }
    bool isDown() const { return state_; }

    // The combination the game uses: down while any of its keys is down.
    static bool anyKeyDown(std::vector<bool> down);

    void keyPressed(unsigned char key) override;
    void keyReleased(unsigned char key) override;
    void specialKeyPressed(int key) override;
    void specialKeyReleased(int key) override;

private:
    template <class Matches>
    void update(Matches matches, bool down);

    int code_;
    std::vector<Key> keys_;
    std::vector<bool> down_;
    bool state_;
    Combine combine_;
};
