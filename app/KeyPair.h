#pragma once
// KeyPair<T>: folds two keys into one value (thrust forward/back, strafe left/right, music
// louder/softer). It tells its listener only when the combined value changes, so key repeat
// or a second press of a held key changes nothing.
#include <functional>

#include "app/Key.h"
#include "app/KeyPairListener.h"
#include "app/KeyboardListener.h"

template <class T>
class KeyPair : public virtual KeyboardListener {
public:
    using Combine = std::function<T(bool firstDown, bool secondDown)>;

    KeyPair(Key first, Key second, Combine combine, KeyPairListener<T>* listener)
        : first_(first),
          second_(second),
          combine_(std::move(combine)),
          listener_(listener),
          current_(combine_(false, false))
    {
    }
    ~KeyPair() override
    {
        firstDown_ = false;
        secondDown_ = false;
    }

    virtual T value() const { return current_; }

    void keyPressed(unsigned char key) override
    {
        update(first_.matchesCharacter(key), second_.matchesCharacter(key), true);
    }
    void keyReleased(unsigned char key) override
    {
        update(first_.matchesRelease(key), second_.matchesRelease(key), false);
    }
    void specialKeyPressed(int key) override { update(first_.matchesSpecial(key), second_.matchesSpecial(key), true); }
    void specialKeyReleased(int key) override
    {
        update(first_.matchesSpecial(key), second_.matchesSpecial(key), false);
    }

private:
    void update(bool firstMatched, bool secondMatched, bool down)
    {
        if (!firstMatched && !secondMatched) return;
        if (firstMatched) firstDown_ = down;
        if (secondMatched) secondDown_ = down;
        const T combined = combine_(firstDown_, secondDown_);
        if (combined == current_) return;
        current_ = combined;
        if (listener_ != nullptr) listener_->keyPairChanged(*this);
    }

    Key first_;
    Key second_;
    bool firstDown_ = false;
    bool secondDown_ = false;
    Combine combine_;
    KeyPairListener<T>* listener_;
    T current_;
};
