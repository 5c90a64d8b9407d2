#pragma once
// Strafing: the value of the strafe key pair.

enum Strafing {
    NoStrafing = 0,
    StrafeLeft = 1,   // the first key alone
    StrafeRight = 2,  // the second key alone
};
