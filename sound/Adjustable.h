#pragma once
// Adjustable: a music volume that the player sets with the digit keys and raises or lowers
// with held keys. Implemented by FadingStream and FadingStreamSet, so the game's volume keys
// need not know which of the two is playing. Volumes are 0..255, rates volume units per second.
// Depends on: nothing.

class Adjustable {
public:
    virtual ~Adjustable() = default;

    virtual void setVolume(float volume) = 0;
    virtual float getVolume() const = 0;
    // Moves the volume by `rate` per second (up for a positive rate, down for a negative one)
    // until it reaches 255 or 0, or until stopAdjusting.
    virtual void startAdjusting(float rate) = 0;
    // Keeps the volume reached as the new volume.
    virtual void stopAdjusting() = 0;
    virtual bool isAdjusting() const = 0;
};
