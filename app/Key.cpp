#include "app/Key.h"

#include <GL/freeglut.h>

#include <cctype>
#include <cstring>

#include "app/CombinedKey.h"

namespace {
unsigned char upper(unsigned char c) { return static_cast<unsigned char>(std::toupper(c)); }
}  // namespace

Key::Key(unsigned char character, bool caseSensitive)
    : kind_(1), character_(caseSensitive ? character : upper(character)), caseSensitive_(caseSensitive)
{
}

Key::Key(int specialCode) : kind_(0), specialCode_(specialCode) {}

Key::Key(const CombinedKey& virtualKey) : Key(virtualKey.code()) {}

bool Key::matchesCharacter(unsigned char character) const
{
    if (!isCharacter() || character == 0) return false;
    return (caseSensitive_ ? character : upper(character)) == character_;
}

bool Key::matchesRelease(unsigned char character) const
{
    return matchesCharacter(character) || matchesCharacter(shiftCounterpart(character));
}

bool Key::matchesSpecial(int code) const { return !isCharacter() && code == specialCode_; }

bool Key::isModifier(int code)
{
    return code == GLUT_KEY_NUM_LOCK || (code >= GLUT_KEY_SHIFT_L && code <= GLUT_KEY_SUPER_R);
}

unsigned char Key::shiftCounterpart(unsigned char character)
{
    static const char unshifted[] = "`1234567890-=[]\\;',./";
    static const char shifted[] = "~!@#$%^&*()_+{}|:\"<>?";
    if (std::isalpha(character))
        return static_cast<unsigned char>(std::isupper(character) ? std::tolower(character) : std::toupper(character));
    if (character == 0) return 0;
    if (const char* at = std::strchr(unshifted, character)) return static_cast<unsigned char>(shifted[at - unshifted]);
    if (const char* at = std::strchr(shifted, character)) return static_cast<unsigned char>(unshifted[at - shifted]);
    return 0;
}
