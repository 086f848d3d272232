// The program's tooltips: short hints drawn in "Arial" 9 points.
#pragma once

namespace orvel {

class TOrvelHint {
public:
    // Makes every later tooltip of the application use the hint font.
    static void Install();
};

} // namespace orvel
