#pragma once
// TimeStep: the time handed to every per-frame update, in seconds.
// `time` is the clock the update runs on, `delta` the time since the previous update of the
// same kind. Motion integrates only `delta`.

struct TimeStep {
    double time = 0.0;
    double delta = 0.0;
};
