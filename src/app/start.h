#pragma once
// The program's start on the desktop, shared by main.cpp and the start-up bench: the
// application named and given its icon and fonts, and the windowed program on the desktop's
// own services, which ends the application when it ends.
#include "app/program.h"
#include "toolkit/services.h"

namespace app {

// With the application made: names it (its settings and the desktop's launcher go by the name),
// gives it the program's icon and loads the fonts the forms and pages ask for.
void setUp();

class Desktop {
public:
    Desktop();
    Program& program() { return program_; }

private:
    toolkit::DesktopServices services_;
    Program program_;
};

} // namespace app
