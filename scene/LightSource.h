#pragma once
// LightSource: a light that can be switched and put into use. It shines only while it is both
// on (its own switch) and active (its owner has put it into use); a new light is on but not
// active. Every change into shining calls enable, every change out of it disable.
// Concrete lights must call deactivate() in their own destructor, while their disable still
// exists. Depends on nothing.

class LightSource {
public:
    virtual ~LightSource() = default;

    virtual void switchOn();
    virtual void switchOff();
    virtual void toggle();
    virtual bool isOn() const;
    virtual void activate();
    virtual void deactivate();
    virtual bool isActive() const;

protected:
    // Make the light shine in GL, and stop it.
    virtual void enable() = 0;
    virtual void disable() = 0;

private:
    bool on_ = true;
    bool active_ = false;
};
