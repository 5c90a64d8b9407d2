#pragma once
// KeyPairListener: told when the combined value of a KeyPair changes. A pair holds one.

template <class T>
class KeyPair;

template <class T>
class KeyPairListener {
public:
    virtual ~KeyPairListener() = default;
    virtual void keyPairChanged(KeyPair<T>& pair) = 0;
};
