#pragma once

// The transfer function (b0·p³+b1·p²+b2·p+b3)/(a0·p³+a1·p²+a2·p+a3).
struct Coefficients {
    float a0 = 0, a1 = 0, a2 = 0, a3 = 0;
    float b0 = 0, b1 = 0, b2 = 0, b3 = 0;
};

struct SimulationParameters {
    float dt = 0; // integration step, seconds
    float T = 0;  // end time, seconds
};

struct Input {
    Coefficients coefficients;
    SimulationParameters parameters;
};
