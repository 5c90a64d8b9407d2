#pragma once
// Key: one key a control listens for, either a character key (optionally case-insensitive)
// or a special key (a GLUT special-key code, or the negative code of a CombinedKey).
// A character event never matches a special key and the other way round.
// A key's release may arrive as another character than its press: when Shift is let go
// first, '+' comes back as '=' and 'W' as 'w'. `matchesRelease` accepts that other character
// too, so a held key is always seen released.
#include <cstdint>

class CombinedKey;

class Key {
public:
    Key(unsigned char character, bool caseSensitive);
    explicit Key(int specialCode);
    Key(const CombinedKey& virtualKey);

    bool isCharacter() const { return kind_ != 0; }
    bool matchesCharacter(unsigned char character) const;
    bool matchesRelease(unsigned char character) const;
    bool matchesSpecial(int code) const;

    // Whether GLUT's special-key `code` is a modifier (Shift, Ctrl, Alt, Super, Num Lock):
    // freeglut reports them as keys of their own, though a player does not mean them as such.
    static bool isModifier(int code);
    // The character of the same physical key with Shift toggled (US layout), or 0.
    static unsigned char shiftCounterpart(unsigned char character);

private:
    std::uint8_t kind_;
    unsigned char character_ = 0;
    bool caseSensitive_ = true;
    int specialCode_ = 0;
};
