#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/CombinedKey.h"
#include "app/KeyPair.h"

namespace {
struct Recorder : KeyboardListener {
    void keyPressed(unsigned char key) override { events.push_back(key); }
    void keyReleased(unsigned char key) override { events.push_back(-key); }
    void specialKeyPressed(int key) override { special.push_back(key); }
    void specialKeyReleased(int key) override { special.push_back(-1000 + key); }
    std::vector<int> events, special;
};

// Deletes another listener when it hears a key.
struct Killer : Recorder {
    void keyPressed(unsigned char) override
    {
        delete victim;
        victim = nullptr;
    }
    Recorder* victim = nullptr;
};

struct PairSpy : KeyPairListener<int> {
    void keyPairChanged(KeyPair<int>& pair) override { values.push_back(pair.value()); }
    std::vector<int> values;
};

int volumeCombine(bool plus, bool minus) { return plus == minus ? 0 : (plus ? 2 : 1); }
}  // namespace

TEST(InputTest, AKeyPairReportsEachChangeOnceAndSeesAShiftedRelease)
{
    PairSpy spy;
    KeyPair<int> pair(Key('+', false), Key('-', false), volumeCombine, &spy);
    dispatchKeyPressed('+');
    dispatchKeyPressed('+');  // repeat: nothing new
    dispatchKeyPressed('-');
    dispatchKeyReleased('+');
    dispatchKeyReleased('-');
    dispatchKeyPressed('+');
    dispatchKeyReleased('=');  // Shift let go first
    dispatchKeyPressed('=');   // the unshifted key is not '+'
    EXPECT_EQ(spy.values, (std::vector<int>{2, 0, 1, 0, 2, 0}));
}

TEST(InputTest, KeysMatchTheirCharactersAndVirtualKeysJoinTheirKeysWithFreshCodes)
{
    const Key w('W', false);
    EXPECT_TRUE(w.matchesCharacter('w') && w.matchesCharacter('W'));
    EXPECT_FALSE(w.matchesSpecial('W'));
    EXPECT_FALSE(Key('W', true).matchesCharacter('w'));
    EXPECT_FALSE(Key(GLUT_KEY_UP).matchesCharacter('e')) << "'e' is 101 like the up arrow";
    EXPECT_FALSE(Key('e', true).matchesSpecial(GLUT_KEY_UP));

    Recorder recorder;
    CombinedKey first(Key('W', false), Key(GLUT_KEY_UP), CombinedKey::anyKeyDown);
    CombinedKey second(Key('S', false), Key(GLUT_KEY_DOWN), CombinedKey::anyKeyDown);
    EXPECT_LT(first.code(), 0) << "clear of every real key";
    EXPECT_NE(second.code(), first.code());

    dispatchKeyPressed('w');
    dispatchSpecialKeyPressed(GLUT_KEY_UP);
    dispatchKeyReleased('w');
    dispatchSpecialKeyReleased(GLUT_KEY_UP);
    const int code = first.code();
    std::erase_if(recorder.special, [&](int event) { return event != code && event != -1000 + code; });
    EXPECT_EQ(recorder.special, (std::vector<int>{code, -1000 + code})) << "one press, one release when both are up";

    // A key pair over virtual keys follows them.
    PairSpy spy;
    KeyPair<int> pair(Key(first), Key(second), volumeCombine, &spy);
    dispatchSpecialKeyPressed(GLUT_KEY_DOWN);
    dispatchKeyPressed('w');
    dispatchSpecialKeyReleased(GLUT_KEY_DOWN);
    EXPECT_EQ(spy.values, (std::vector<int>{1, 0, 2}));

    // A release that comes as the other character of the key still lets it go.
    dispatchKeyReleased('w');
    dispatchKeyPressed('W');
    EXPECT_TRUE(first.isDown());
    dispatchKeyReleased('w');
    EXPECT_FALSE(first.isDown());
}

TEST(InputTest, AListenerDeletedDuringADispatchIsNotCalled)
{
    Killer killer;
    killer.victim = new Recorder;
    dispatchKeyPressed('x');
    EXPECT_EQ(killer.victim, nullptr);
    Recorder later;
    dispatchKeyPressed('y');
    EXPECT_EQ(later.events, (std::vector<int>{'y'}));
}
